"""A Science choice question's words are asked once in a paper ("Which object will be
attracted by a magnet?" twice in one paper tests one fact twice), and once within a topic's
five papers or the mock set with the same three wrong options (only the right one changed:
the pupil learns the question, not the fact). In one paper and across the mock set (papers
131-135) the words count as the same when they differ only by NOT or by "living" against
"non-living": "Which material is NOT waterproof?" repeats "Which material is waterproof?"."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402

NAME = "Science choice question asked again (same or opposite words in a paper or the mock set)"


def wrong_options(q):
    opts = qtext.options(q)
    right = int(q.blanks[0].key) - 1
    return frozenset(o for i, o in enumerate(opts) if i != right)


def _choice(q):
    return len(q.blanks) == 1 and q.blanks[0].code == "Q" and bool(qtext.options(q))


def key_stem(q):
    """The stem's words without NOT and with "non-living" read as "living"."""
    text = qtext.stem(q).lower().replace("non-living", "living").replace("nonliving", "living")
    return " ".join(re.sub(r"\bnot\b", " ", text).split())


def clash(a, b, same_paper):
    """a repeats b: the same words, or their opposite, in one paper or the mock set; the same
    words and wrong options in a topic's papers."""
    if not (_choice(a) and _choice(b)):
        return False
    if same_paper:
        return key_stem(a) == key_stem(b)
    return qtext.stem(a) == qtext.stem(b) and wrong_options(a) == wrong_options(b)


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for k in range(0, len(papers), 5):
        group = [(p, q) for p in papers[k:k + 5] for q in p.questions]
        mock = k + 5 >= len(papers)
        for i, (pa, a) in enumerate(group):
            for pb, b in group[:i]:
                if clash(a, b, pa is pb or mock):
                    where = "same paper" if pa is pb else "mock set" if mock else \
                        "same wrong options"
                    problems.append("%d asks again what %d asks (%s)" % (a.qid, b.qid, where))
                    break
    return problems
