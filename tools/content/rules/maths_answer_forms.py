"""A key accepts every way a child rightly writes the answer: a sum of money with or without
its "$" sign and in cents, a time with a dot or a colon, and a fraction as the question's
own numbers give it unless the question itself asks for the simplest form."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathsbase import questions_of  # noqa: E402

NAME = "key rejects a right way of writing the answer"


def _forms(blank):
    if blank.code in "MG":
        return [a for a in blank.key.split(";")[1:] if a]
    return [blank.key]


def check(subject, papers):
    problems = []
    for p, q in questions_of(subject, papers, (4, 5, 6)):
        before = dict(re.findall(r'<span class="ans" data-b="(\d+)"[^>]*>(.*?)'
                                 r'<span class="line"', q.body))
        asked = re.sub(r'<p class="rule">.*?</p>', "", q.body)
        for n, b in enumerate(q.blanks, 1):
            forms = _forms(b)
            if before.get(str(n), "").rstrip().endswith("$"):
                amount = forms[0].lstrip("$")
                wanted = ["$" + amount, amount]
                if re.fullmatch(r"\d+\.\d\d", amount):
                    cents = int(amount.replace(".", ""))
                    wanted.append("%d cents" % cents)
                missing = [w for w in wanted if w not in forms]
                if missing:
                    problems.append("%d (%d): money key %r lacks %s"
                                    % (q.qid, n, b.key, ", ".join(missing)))
            money = any(f.startswith("$") for f in forms)
            for f in forms:
                m = re.fullmatch(r"(\d+)\.([0-5]\d)( ?[ap]m)?", f)
                if m and not money and b.code == "M" and "%s:%s%s" % (m.group(1), m.group(2),
                                                       m.group(3) or "") not in forms:
                    problems.append("%d (%d): time %r without its colon form"
                                    % (q.qid, n, f))
                if m and not money and b.code == "M" and m.group(3):
                    dotted = "%s.%s%s.%s." % (m.group(1), m.group(2), m.group(3)[-2],
                                              m.group(3)[-1])
                    if dotted not in forms:  # "12.35p.m.", dotted and close up
                        problems.append("%d (%d): time %r without %r" % (q.qid, n, f, dotted))
            if b.code == "F" and "simplest form" not in asked:
                problems.append("%d (%d): only the simplest form %s is accepted, though "
                                "the question does not ask for it" % (q.qid, n, b.key))
    return problems
