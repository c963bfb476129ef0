"""A Science paper never states in one question what a true-or-false statement of the same
paper asks ("The life cycle of a frog is egg, tadpole, young frog, adult frog." beside "The
life cycle of a frog has a tadpole stage."), nor asks as a question what such a statement
says ("What material is a cricket bat usually made of?" beside "A cricket bat is usually made
of wood."). The mock papers of a subject are one set a pupil works through, so the same holds
across the whole set: "A cricket bat is usually made of wood." in one mock paper and "... made
of glass." in another test one fact twice. What a question is about is read from the
generator's tags and, for questions from the banks, from the life cycle its words name
(science.about). In every subject no two questions of the mock set carry the same tag (the
generator's name for what a question asks)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402
import science  # noqa: E402

NAME = "statement whose fact another question of its paper or mock set states or asks"

MOCKS = 5


def _pairs(questions, where):
    problems = []
    about = [(q, science.about(q), qtext.is_true_false(q)) for q in questions]
    for i, (q, f, tf) in enumerate(about):
        for other, g, other_tf in about[i + 1:]:
            shared = f & g
            if shared and (tf or other_tf):
                kind, thing = sorted(shared)[0]
                problems.append("%d and %d in %s: both about the %s of %s" % (
                    q.qid, other.qid, where, kind, thing))
    return problems


def check(subject, papers):
    mocks = papers[-MOCKS:]
    problems = []
    seen = {}
    for p in mocks:
        for q in p.questions:
            if q.tag and seen.setdefault(q.tag, q.qid) != q.qid:
                problems.append("%d and %d in the mock set: both ask %s" % (
                    seen[q.tag], q.qid, q.tag))
    if subject["number"] != 3:
        return problems
    for p in papers[:-MOCKS]:
        problems += _pairs(p.questions, "paper %d" % p.key)
    # a pair inside one mock paper is found once, as a pair of the set
    keys = "%d-%d" % (mocks[0].key, mocks[-1].key)
    return problems + _pairs([q for p in mocks for q in p.questions], "mock papers " + keys)
