"""Fractions and money of Time and Money, Fractions and Graphs, and Geometry, Area and
Perimeter stay at the level of eight- and nine-year-olds: fractions as parts of a whole (no
mixed numbers or fractions greater than one), denominators up to 12, adding and subtracting
only like fractions, and sums of money up to $100. (rules/maths_level.py checks topics 1-3.)"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathsbase import questions_of  # noqa: E402

NAME = "maths level of topics 4-6 (fractions to twelfths, like fractions, $100)"

LARGEST_DENOMINATOR = 12
LARGEST_CENTS = 10000


def _plain(body):
    return " ".join(re.sub(r"<[^>]+>", "", body.replace("&minus;", "-")).split())


def _keys(q):
    for b in q.blanks:
        if b.code in "MG":
            yield from (a for a in b.key.split(";")[1:] if a)
        else:
            yield b.key


def check(subject, papers):
    problems = []
    for p, q in questions_of(subject, papers, (4, 5, 6)):
        text = _plain(q.body)
        # the instruction on how to type a fraction shows 3/4 and may be read past
        text = re.sub(r"Type a fraction like [^.]*\.", "", text)
        for b in q.blanks:
            if b.code == "X":
                problems.append("%d: a mixed number answer %s" % (q.qid, b.key))
        fractions = re.findall(r"(?<![\d/])(\d+)/(\d+)(?![\d/])", text)
        fractions += [tuple(k.split("/")) for k in _keys(q)
                      if re.fullmatch(r"\d+/\d+", k.strip())]
        for n, d in fractions:
            if int(n) >= int(d) or int(n) == 0:
                problems.append("%d: fraction %s/%s is not a part of a whole" % (q.qid, n, d))
                break
        # every denominator, also one under a blank ("1/2 = ___/14")
        under = [q.blanks[int(n) - 1].key for n in
                 re.findall(r'/\s*<span class="ans" data-b="(\d+)"', q.body)]
        for d in re.findall(r"/ ?(\d+)", text) + [d for _, d in fractions] + under:
            if int(d) > LARGEST_DENOMINATOR:
                problems.append("%d: denominator %s" % (q.qid, d))
                break
        for a, b in re.findall(r"\d+/(\d+) [-+] \d+/(\d+)", text):
            if a != b:
                problems.append("%d: adds or subtracts unlike fractions /%s and /%s"
                                % (q.qid, a, b))
        for dollars, cents in re.findall(r"\$ ?(\d+)(?:\.(\d\d))?", text):
            if int(dollars) * 100 + int(cents or 0) > LARGEST_CENTS:
                problems.append("%d: $%s.%s above $100" % (q.qid, dollars, cents or "00"))
    return problems
