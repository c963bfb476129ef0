"""A clock's hands lie far enough apart for a child to tell them apart."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathsbase import questions_of  # noqa: E402
import svggeometry  # noqa: E402

NAME = "clock hands too close together"

APART = 20  # degrees between hour and minute hand, at least


def check(subject, papers):
    problems = []
    for p, q in questions_of(subject, papers, (4, 5, 6)):
        for pic in q.pictures:
            hands = svggeometry.clock_hands(pic)
            if hands is None:
                continue
            gap = abs(hands[0] - hands[1]) % 360
            gap = min(gap, 360 - gap)
            if gap < APART:
                problems.append("%d: hands %.1f degrees apart" % (q.qid, gap))
    return problems
