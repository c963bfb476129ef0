"""A written Science answer that names a thing is marked right with "a", "an" or "the" before
it ("the north pole and the south pole", "a compass needle"), an answer to "In which stage
...?" with the word "stage" ("the tadpole stage"), and a number with what it counts ("4
stages"): children write these, and the marking compares the words exactly. Which answers
name a thing is known by sciforms.py."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402
import sciforms  # noqa: E402

NAME = "Science written key that rejects an answer with a/an/the, 'stage' or its unit"


def _norm(text):
    return " ".join(text.lower().split())


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            for n, b in enumerate(q.blanks, 1):
                if b.code not in "MT" or b.key in ("True", "False"):
                    continue
                given = [_norm(a) for a in qtext.accepted(q, b)]
                missing = []
                for a in given:
                    for form in sciforms.required(a, qtext.asked(q, n)):
                        if form not in given and form not in missing:
                            missing.append(form)
                if missing:
                    problems.append("%d blank %d: rejects %s" % (q.qid, n, "; ".join(missing)))
    return problems
