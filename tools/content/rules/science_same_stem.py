"""A Science choice question's words are asked once in a paper ("Which object will be
attracted by a magnet?" twice in one paper tests one fact twice), and once within a topic's
five papers or the mock set with the same three wrong options (only the right one changed:
the pupil learns the question, not the fact)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402

NAME = "Science choice question asked again with the same words and wrong options"


def wrong_options(q):
    opts = qtext.options(q)
    right = int(q.blanks[0].key) - 1
    return frozenset(o for i, o in enumerate(opts) if i != right)


def _choice(q):
    return len(q.blanks) == 1 and q.blanks[0].code == "Q" and bool(qtext.options(q))


def clash(a, b, same_paper):
    """a repeats b: the same words in one paper, or the same words and wrong options."""
    if not (_choice(a) and _choice(b)) or qtext.stem(a) != qtext.stem(b):
        return False
    return same_paper or wrong_options(a) == wrong_options(b)


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for k in range(0, len(papers), 5):
        group = [(p, q) for p in papers[k:k + 5] for q in p.questions]
        for i, (pa, a) in enumerate(group):
            for pb, b in group[:i]:
                if clash(a, b, pa is pb):
                    problems.append("%d asks again what %d asks (%s)" % (
                        a.qid, b.qid, "same paper" if pa is pb else "same wrong options"))
                    break
    return problems
