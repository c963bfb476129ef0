"""The number of stages in a frog's life cycle is counted differently by children's books
(three or four); this program teaches four (egg, tadpole, young frog, adult frog). So no
question that counts stages offers the frog as a wrong answer ("Which animal has a life cycle
with three stages?" with "The frog" among the wrong options), and no statement asks a child
to judge how many stages a frog has: one taught the other count would be marked wrong."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402

NAME = "Science question that counts a frog's stages against the child"

_COUNTS = re.compile(r"\b(?:three|3|four|4|number of|same number of) stages\b")


def _offers_frog(option):
    parts = re.split(r",| and ", option.lower())
    return any(p.strip().rstrip(".") in ("frog", "the frog", "a frog", "frogs") for p in parts)


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            text = qtext.stem(q).lower()
            if not _COUNTS.search(text):
                continue
            if qtext.is_true_false(q):
                if "frog" in text:
                    problems.append("%d: a statement about the frog's stages" % q.qid)
                continue
            if q.blanks[0].code != "Q":
                continue
            options = qtext.options(q)
            right = int(q.blanks[0].key) - 1
            if any(_offers_frog(o) for i, o in enumerate(options) if i != right):
                problems.append("%d: the frog is a wrong option of a stage count" % q.qid)
    return problems
