"""No two alternatives of one "G" group are the same answer, so a pupil who writes an answer
twice in other words cannot score it twice: alternatives that banks/synonyms.txt lists on one
line, or that differ only by a leading "a", "an" or "the"."""

import os

NAME = "group alternatives that are the same answer"

_TABLE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "banks",
                      "synonyms.txt")


def _plain(word):
    word = " ".join(word.lower().split())
    for article in ("a ", "an ", "the "):
        if word.startswith(article):
            return word[len(article):]
    return word


def synonym_sets():
    sets = []
    with open(_TABLE, encoding="ascii") as f:
        for raw in f:
            raw = raw.strip()
            if raw and not raw.startswith("#"):
                words = {_plain(w) for w in raw.split(",") if w.strip()}
                assert len(words) >= 2, raw
                sets.append(words)
    return sets


def same_answers(alternatives, sets):
    """Pairs of alternatives (as written) that are one answer."""
    plain = [_plain(a) for a in alternatives]
    pairs = []
    for i in range(len(plain)):
        for j in range(i + 1, len(plain)):
            if plain[i] == plain[j] or any(plain[i] in s and plain[j] in s for s in sets):
                pairs.append((alternatives[i], alternatives[j]))
    return pairs


def check(subject, papers):
    sets = synonym_sets()
    problems = []
    for p in papers:
        for q in p.questions:
            for b in q.blanks:
                if b.code != "G" or b.key == " ":
                    continue
                pairs = same_answers(b.key[1:].split(";"), sets)
                if pairs:
                    problems.append("%d: one answer twice in a group: %s" % (
                        q.qid, ", ".join("%s = %s" % pair for pair in pairs)))
    return problems
