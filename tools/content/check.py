#!/usr/bin/env python3
"""Runs every content rule over the generated questions and lists what breaks them.

Each module in rules/ is one rule: it has NAME (a short phrase) and check(subject, papers),
which returns a list of problems, each a text that names the question id. The rules see the
generator's own objects (blanks, page bodies, pictures, tags), so they can use what the
banks know (names, synonyms, picture geometry) that the embedded files no longer show.

  python3 tools/content/check.py            every rule; exit status 1 when any problem
  python3 tools/content/check.py --count    problems per rule, for the review notes
"""

import importlib
import os
import pkgutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import generate  # noqa: E402


def load_rules():
    folder = os.path.join(HERE, "rules")
    names = sorted(m.name for m in pkgutil.iter_modules([folder]))
    return [importlib.import_module("rules." + n) for n in names]


def run():
    """(rule, problems) for every rule, over all subjects."""
    built = [(s, generate.assemble(s)) for s in generate.SUBJECTS]
    out = []
    for rule in load_rules():
        problems = []
        for subject, papers in built:
            problems += rule.check(subject, papers)
        out.append((rule, problems))
    return out


def main(argv):
    results = run()
    bad = 0
    for rule, problems in results:
        bad += len(problems)
        if "--count" in argv:
            print("%4d  %s" % (len(problems), rule.NAME))
            continue
        for p in problems:
            print("%s: %s" % (rule.NAME, p))
    print("%d rules, %d problems" % (len(results), bad))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
