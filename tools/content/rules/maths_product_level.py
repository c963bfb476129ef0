"""A product the pupil works out in topics 4-6 (an area, a garden, a cost) stays within the
level: up to three digits by one digit, never two digits by two ("14 cm by 11 cm")."""

import re

from mathsbase import questions_of

NAME = "maths product of two numbers of two digits or more (topics 4-6)"


def check(subject, papers):
    problems = []
    for _, q in questions_of(subject, papers, (4, 5, 6)):
        values = [int(x) if x.isdigit() else 0
                  for x in re.findall(r'<b class="v">([^<]*)</b>', q.body)]
        for n, calc in re.findall(r'data-b="(\d+)" data-calc="([^"]*)"', q.body):
            m = re.fullmatch(r"v(\d+)\*v(\d+)", calc)
            if not m:
                continue
            a, b = (values[int(i) - 1] for i in m.groups())
            if a >= 10 and b >= 10:
                problems.append("%d (%s): %d x %d" % (q.qid, n, a, b))
    return problems
