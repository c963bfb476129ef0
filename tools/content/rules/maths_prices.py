"""Prices in the money stories of Time and Money are ones a shop would ask: a pair of socks
does not cost $45, an eraser does not cost $3, and a box of pens costs more than one pen.
The ranges are the generator's own tables (CHANGE_ITEMS and SHOP in maths.py)."""

import html
import re

import maths
from mathsbase import questions_of

NAME = "maths price realistic for what is bought (topics 4-6)"

_MONEY = r"\$ ?(\d+)\.(\d\d)"


def _cents(m, at):
    return int(m.group(at)) * 100 + int(m.group(at + 1))


def check(subject, papers):
    items = {item: (low, high) for item, low, high in maths.CHANGE_ITEMS}
    problems = []
    for _, q in questions_of(subject, papers, (4, 5, 6)):
        text = " ".join(html.unescape(re.sub(r"<[^>]+>", " ", q.body)).split())
        found = []
        for m in re.finditer(r"bought (a [a-z ]+?) for " + _MONEY, text):
            low, high = items.get(m.group(1), (0, 0))
            found.append((m.group(0), _cents(m, 2), low, high))
        for m in re.finditer(r"bought \d+ ([a-z]+) at %s each and a box of ([a-z]+) for %s"
                             % (_MONEY, _MONEY), text):
            one_low, one_high, box_low, box_high = maths.SHOP.get(m.group(1), (0, 0, 0, 0))
            found.append((m.group(0), _cents(m, 2), one_low, one_high))
            box = maths.SHOP.get(m.group(4), (0, 0, 0, 0))
            found.append((m.group(0), _cents(m, 5), box[2], box[3]))
        for words, cents, low, high in found:
            if not low <= cents <= high:
                problems.append("%d: \"%s\" (real: %d to %d cents)" % (q.qid, words, low, high))
    return problems
