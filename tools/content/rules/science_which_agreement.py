"""A Science choice question that asks "Which stage ..." (one thing) has a right option that
is one thing: "Which stage of the mosquito lives in water?" with "Larva and pupa" asks for
one and expects two."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402

NAME = "Science 'which one' question whose answer is two things"

_ONE = re.compile(r"\bwhich (stage|part|organ|bone|animal|material|plant|body part|gas|"
                  r"system|joint|magnet|object|end|instrument|metal|coin)\b", re.I)
_TWO = re.compile(r"\band\b|^(the )?two\b|^both\b", re.I)


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            if len(q.blanks) != 1 or q.blanks[0].code != "Q":
                continue
            right = qtext.accepted(q, q.blanks[0])[0]
            if _ONE.search(qtext.stem(q)) and _TWO.search(right):
                problems.append("%d: asks for one, the answer is %r" % (q.qid, right))
    return problems
