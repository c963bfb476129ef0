"""A written Science answer that accepts a noun accepts its other number too ("gill" and
"gills", "larva" and "larvae"): the word pairs come from banks/synonyms.txt. Groups are left
out: there the two forms would score twice (rules/group_synonyms.py)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from rules.group_synonyms import _plain, synonym_sets  # noqa: E402

NAME = "Science answer that accepts a noun but not its other number"


def _inflected(x, y):
    return y in (x + "s", x + "es", x[:-1] + "ves", x + "e", x[:-2] + "i", x[:-2] + "a")


def number_pairs():
    pairs = []
    for s in synonym_sets():
        for x in s:
            for y in s:
                if x != y and " " not in x and " " not in y and _inflected(x, y):
                    pairs.append((x, y))
    return pairs


def check(subject, papers):
    if subject["number"] != 3:
        return []
    pairs = number_pairs()
    problems = []
    for p in papers:
        for q in p.questions:
            for n, b in enumerate(q.blanks, 1):
                if b.code == "M":
                    given = {_plain(a) for a in b.key[1:].split(";")}
                elif b.code in "TL":
                    given = {_plain(b.key)}
                else:
                    continue
                missing = sorted({y for x, y in pairs if x in given and y not in given} |
                                 {x for x, y in pairs if y in given and x not in given})
                if missing:
                    problems.append("%d blank %d: does not accept %s" % (
                        q.qid, n, ", ".join(missing)))
    return problems
