"""A written Science question that asks for any one example of an open class ("Name a
material that floats") cannot list every right answer, so a child's right answer would be
marked wrong: such a question gives the words to choose from in a box, or asks instead for
the one answer that fits ("Which of these floated?")."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402

NAME = "Science open example question without a box to choose from"

_ASKS_EXAMPLE = re.compile(r"^(name|give|write)( down)? (a|an|one|two|three|four|some|any)\b",
                           re.I)


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            if any(b.code == "Q" for b in q.blanks) or qtext.has_box(q):
                continue
            if _ASKS_EXAMPLE.search(qtext.stem(q)):
                problems.append("%d: %r asks for any example" % (q.qid, qtext.stem(q)))
    return problems
