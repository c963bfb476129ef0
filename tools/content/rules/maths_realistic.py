"""Quantities in the stories of Addition and Subtraction, Multiplication and Division, and
Length, Weight and Capacity are ones a child could meet: no child with 9000 stickers, no
minibus carrying 60 children, no bottle of 4 litres drunk at once.

Each context is a pattern of the page text with the quantity it bounds (a number captured by
the pattern), and the smallest and largest value that is real for it. A few contexts bound two
quantities against each other instead (SHARES): a mixed school has about as many boys as girls.
"""

import html
import re

from mathsbase import NAMES, questions_of

NAME = "maths quantities realistic for their context (topics 1-3)"

TOPICS = (1, 2, 3)
_CHILD = "(?:%s)" % "|".join(NAMES)
N = r"(\d+)"

# (pattern, smallest, largest): the first group of the pattern is the quantity.
CONTEXTS = [
    (_CHILD + r" had " + N + " stickers", 10, 800),
    (_CHILD + r" had " + N + " beads", 20, 1500),
    (_CHILD + r" collected " + N + " bottle caps", 10, 1000),
    (r"school hall has " + N + " seats", 100, 1500),
    (r"picked " + N + " durians", 10, 1500),
    (r"school has " + N + " boys", 100, 1500),
    (r"boys and " + N + " girls", 100, 1500),
    (r"ship carried " + N + " passengers", 100, 6000),
    (r"reads " + N + " pages of a book every day", 2, 40),
    (r"minibus can carry " + N + " children", 8, 25),
    (r"Each row has " + N + " chairs", 5, 40),
    (r"box holds " + N + " pencils", 5, 50),
    (r"ribbon is " + N + " cm long", 20, 1000),
    (r"bottle holds " + N + " ml", 100, 2000),
    (r"drinks " + N + " ml", 20, 600),
    (_CHILD + r" ran " + N + " m", 50, 3000),
    (r"jug has " + N + " l", 1, 3),
    (r"trays of " + N + " eggs", 10, 30),
    (r"bag of apples has a mass of " + N + " g", 300, 3000),
    (r"Each book cost \$" + N, 2, 30),
    # contexts of the stories that replaced the unreal ones
    (r"stadium has " + N + " seats", 2000, 10000),
    (r"toy shop had " + N + " stickers", 500, 10000),
    (r"farm collected " + N + " eggs", 500, 10000),
    (_CHILD + r" sorts " + N + " marbles", 10, 400),
    (r"packets of pencils .*?There were " + N + " pencils in each", 5, 24),
    (r"boxes of " + N + " eggs", 4, 12),
    (r"There were " + N + " balls in each box", 6, 40),
    (r"cloth " + N + " m", 1, 10),
    (r"Each tin has a mass of " + N + " g", 100, 500),
    (_CHILD + r" walks " + N + " m", 100, 3000),
    (r"tank had " + N + " l", 2, 20),
    (r"pail has " + N + " ml", 500, 8000),
    (r"Each cup holds " + N + " ml", 100, 300),
    (r"On Saturday " + N + " people visited the zoo", 100, 10000),
]

# (pattern, least share, greatest share): each of the pattern's two numbers is between these
# shares of their sum.
SHARES = [
    (r"school has " + N + " boys and " + N + " girls", 0.4, 0.6),
]


def check(subject, papers):
    problems = []
    for _, q in questions_of(subject, papers, TOPICS):
        text = " ".join(html.unescape(re.sub(r"<[^>]+>", " ", q.body)).split())
        for pattern, low, high in CONTEXTS:
            for m in re.finditer(pattern, text):
                value = int(m.group(1))
                if not low <= value <= high:
                    problems.append("%d: \"%s\" (real: %d to %d)" % (q.qid, m.group(0), low,
                                                                      high))
        for pattern, least, most in SHARES:
            for m in re.finditer(pattern, text):
                a, b = int(m.group(1)), int(m.group(2))
                if not all(least * (a + b) <= x <= most * (a + b) for x in (a, b)):
                    problems.append("%d: \"%s\" (each %d%% to %d%% of both)" % (
                        q.qid, m.group(0), least * 100, most * 100))
    return problems
