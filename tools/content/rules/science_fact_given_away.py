"""A Science paper never states in one question what a true-or-false statement of the same
paper asks ("The life cycle of a frog is egg, tadpole, young frog, adult frog." beside "The
life cycle of a frog has a tadpole stage."), nor asks as a question what such a statement
says ("What material is a cricket bat usually made of?" beside "A cricket bat is usually made
of wood."). What a question is about is read from the generator's tags and, for questions
from the banks, from the life cycle its words name (science.about)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402
import science  # noqa: E402

NAME = "Science statement whose fact another question of its paper states or asks"


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for p in papers:
        about = [(q, science.about(q), qtext.is_true_false(q)) for q in p.questions]
        for i, (q, f, tf) in enumerate(about):
            for other, g, other_tf in about[i + 1:]:
                shared = f & g
                if shared and (tf or other_tf):
                    kind, thing = sorted(shared)[0]
                    problems.append("%d and %d in paper %d: both about the %s of %s" % (
                        q.qid, other.qid, p.key, kind, thing))
    return problems
