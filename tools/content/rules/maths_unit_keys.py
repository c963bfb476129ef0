"""An answer printed with its unit or "$" beside the line is marked right when the pupil types
the unit too ("2450 ml", "2450ml", "285 min", "84 cm2", "$16", "$16.00"), and a count of a
named thing ("How many pencils did she buy?") when the pupil writes the thing counted
("72 pencils", "1 pencil"), not only the bare number, in every Mathematics topic and the mock.
"""

import re

from mathsbase import lines_of, named_forms, topic_of

NAME = "maths answer with its unit, the thing counted or $ is marked right (all topics)"

TOPICS = (1, 2, 3, 4, 5, 6)
DOLLAR_TOPICS = (1, 2, 3)  # topics 4-6 keep their money forms in maths_answer_forms


def wanted(number, before, after, asked, topic):
    """Forms of a right answer that the key must accept."""
    if before.endswith("$"):
        if topic not in DOLLAR_TOPICS:
            return []
        numbers = [number] + (["{:,}".format(int(number))] if len(number) >= 4 else [])
        numbers += [n + ".00" for n in numbers]
        return numbers + ["$" + n for n in numbers]
    return named_forms(number, after, asked)


def check(subject, papers):
    problems = []
    if subject["number"] != 2:
        return problems
    for p, i, q in [(p, i, q) for p in papers for i, q in enumerate(p.questions)]:
        topic = topic_of(p.key, i)
        for n, (asked, before, after) in sorted(lines_of(q.body).items()):
            b = q.blanks[n - 1]
            if b.code not in ("N", "M"):
                continue
            number = b.key.split(";")[1] if b.code == "M" else b.key
            if not re.fullmatch(r"\d+", number):
                continue
            accepted = {a.lower() for a in b.key.split(";")[1:]} if b.code == "M" else {
                b.key.lower()}
            # the number rule of an "N" blank reads "2,450" itself
            missing = [f for f in wanted(number, before, after, asked, topic)
                       if f.lower() not in accepted
                       and not (b.code == "N" and re.fullmatch(r"[\d,]+", f))]
            if missing:
                problems.append("%d blank %d rejects %s" % (q.qid, n, " and ".join(
                    '"%s"' % m for m in missing)))
    return problems
