"""Counted words agree with their number in every Mathematics topic: "1 thousand", not
"1 thousands", "ate 1 slice", not "1 slices"; and no place is named with nothing in it
("0 hundreds").
"""

import html
import re

from mathsbase import questions_of

NAME = "maths counted word agrees with its number"

TOPICS = (1, 2, 3, 4, 5, 6)
_SINGULAR_S = {"class", "glass", "bus", "grass", "dress"}


def check(subject, papers):
    problems = []
    for _, q in questions_of(subject, papers, TOPICS):
        text = " ".join(html.unescape(re.sub(r"<[^>]+>", " ", q.body)).split())
        for m in re.finditer(r"(?<![\d.,])\b1 ([a-z]+s)\b", text):
            if m.group(1) not in _SINGULAR_S:
                problems.append('%d: "%s"' % (q.qid, m.group(0)))
        for m in re.finditer(r"\b0 (thousands|hundreds|tens|ones)\b", text):
            problems.append('%d: "%s"' % (q.qid, m.group(0)))
    return problems
