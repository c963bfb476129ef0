"""An answer printed with its unit or "$" beside the line is marked right when the pupil types
the unit too ("2450 ml", "2450ml", "$16", "$16.00"), not only the bare number, in the
topics Addition and Subtraction, Multiplication and Division, and Length, Weight and Capacity.
"""

import html
import re

from mathsbase import questions_of

NAME = "maths answer with its unit or $ is marked right (topics 1-3)"

TOPICS = (1, 2, 3)

_LINE = re.compile(r'<span class="ans" data-b="(\d+)"[^>]*>(.*?)<span class="line">&nbsp;'
                   r'</span>(.*?)</span>')


def beside(body):
    """{blank number: (text before the line, text after it)} as the pupil reads them."""
    out = {}
    for n, before, after in _LINE.findall(body):
        before = re.sub(r'<span class="lbl">.*?</span>', "", before)
        clean = [" ".join(html.unescape(re.sub(r"<[^>]+>", " ", t)).split())
                 for t in (before, after)]
        out[int(n)] = tuple(clean)
    return out


def wanted(number, before, after):
    """Forms of a right answer that the key must accept."""
    numbers = [number]
    if re.fullmatch(r"\d{4,}", number):
        numbers.append("{:,}".format(int(number)))  # the number rule read "2,450" as well
    if before.endswith("$"):
        numbers += [n + ".00" for n in numbers]
        return numbers + ["$" + n for n in numbers]
    forms = list(numbers)
    for n in numbers:
        forms.append("%s %s" % (n, after))
        if len(after) <= 2:  # a unit symbol is often written close up: 2450ml
            forms.append(n + after)
    return forms


def check(subject, papers):
    problems = []
    for _, q in questions_of(subject, papers, TOPICS):
        for n, (before, after) in sorted(beside(q.body).items()):
            if not after and not before.endswith("$"):
                continue
            b = q.blanks[n - 1]
            accepted = {a.lower() for a in b.key.split(";")[1:]} if b.code == "M" else {
                b.key.lower()}
            number = b.key.split(";")[1] if b.code == "M" else b.key
            missing = [f for f in wanted(number, before, after) if f.lower() not in accepted]
            if missing:
                problems.append("%d blank %d rejects %s" % (q.qid, n, " and ".join(
                    '"%s"' % m for m in missing)))
    return problems
