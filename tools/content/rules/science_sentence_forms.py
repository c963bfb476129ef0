"""A Science question that asks what happens or why ("What happens when two south poles ...
are put close together?") invites a sentence, and the marking compares words and the full stop
exactly: its key accepts a "They ..." sentence and every answer with and without its stop."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402
import sciforms  # noqa: E402

NAME = "Science key for a what-happens question that rejects a pupil's sentence"


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            for n, b in enumerate(q.blanks, 1):
                if b.code not in "MT":
                    continue
                given = [" ".join(a.lower().split()) for a in qtext.accepted(q, b)]
                if not any(sciforms.invites_sentence(qtext.asked(q, n), a) for a in given):
                    continue
                missing = [a + "." for a in given if not a.endswith(".")
                           and a + "." not in given]
                if not any(a.startswith("they ") for a in given):
                    missing.insert(0, "a 'They ...' sentence")
                if missing:
                    problems.append("%d blank %d: rejects %s" % (q.qid, n, "; ".join(missing)))
    return problems
