"""No Science question is asked twice in other clothes: two questions with nearly the same
words (options and answer rows aside) and the same right answer, whether as a choice or a
written question, within one topic's five papers or within the mock set (a pupil meets those
together)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402
from rules.group_synonyms import _plain  # noqa: E402

NAME = "Science question asked twice with the same answer"

_SIMILAR = 0.7
_SMALL = {"a", "an", "the", "of", "and", "is", "are", "to", "in", "on", "by", "with", "for",
          "from", "that", "this", "what", "which", "one", "these", "those", "does", "do",
          "through", "its", "it", "we", "our", "usually", "following", "name", "give"}


def _content(q):
    # first four letters, so "work" and "working" are one word
    return {w[:4] for w in qtext.words(qtext.stem(q)) if w not in _SMALL and len(w) >= 3}


def _same_question(a, b):
    """Nearly the same words, and not one thing swapped for another ("The mouth is part of
    which system?" and "The gullet is part of which system?" are two questions)."""
    if len(a & b) < _SIMILAR * len(a | b):
        return False
    return not (len(a - b) == 1 and len(b - a) == 1)


def _answers(q):
    out = set()
    for b in q.blanks:
        if b.key != " ":
            out |= {_plain(a) for a in qtext.accepted(q, b)}
    return out


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for k in range(0, len(papers), 5):
        problems += _within(papers[k:k + 5])
    return problems


def _within(papers):
    seen = []
    problems = []
    for p in papers:
        for q in p.questions:
            if q.pictures or qtext.is_true_false(q):
                continue
            words = _content(q)
            answers = _answers(q)
            made = not q.tag.startswith("s:")
            for qid, w, a, other_made, text in seen:
                if not answers & a:
                    continue
                # a generator's family asks one thing of many objects: only its own exact
                # question is a repeat there
                if made and other_made and text != qtext.stem(q):
                    continue
                if _same_question(words, w):
                    problems.append("%d asks again what %d asks" % (q.qid, qid))
                    break
            seen.append((q.qid, words, answers, made, qtext.stem(q)))
    return problems
