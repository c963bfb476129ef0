"""A pizza, pie, cake or watermelon is shared in the pieces a family cuts it into (halves,
thirds, quarters, sixths, eighths, tenths, twelfths); fifths, sevenths and ninths belong to a
bar or strip, never to a round food."""

import re

from mathsbase import questions_of

NAME = "maths round food shared in realistic pieces"

SHARES = (2, 3, 4, 6, 8, 10, 12)
_FOOD = r"(?:pizza|pie|cake|watermelon)"


def _plain(body):
    return " ".join(re.sub(r"<[^>]+>", " ", body).split())


def check(subject, papers):
    problems = []
    for _, q in questions_of(subject, papers, (1, 2, 3, 4, 5, 6)):
        text = _plain(q.body)
        found = [int(d) for d in re.findall(r"\d+ ?/ ?(\d+) of (?:a|the) %s\b" % _FOOD, text)]
        found += [int(d) for d in re.findall(r"%s was cut into (\d+) equal" % _FOOD, text)]
        if re.search(r"%s was cut into equal" % _FOOD, text):
            found += [int(d) for d in re.findall(r"\d+ ?/ ?(\d+)", text)]
        for d in sorted(set(found) - set(SHARES)):
            problems.append("%d: a round food shared in %d pieces" % (q.qid, d))
    return problems
