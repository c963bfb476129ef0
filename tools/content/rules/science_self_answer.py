"""A Science question never gives its answer away in its own words: a choice whose right
option (and no wrong one) is spelt out in the question ("What material is a wooden spoon
made of?": wood), or a true sentence that says the same thing twice ("A wooden spoon is
usually made of wood.")."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qtext  # noqa: E402

NAME = "Science question that contains its own answer"

_SMALL = {"a", "an", "the", "its", "it", "of", "and", "is", "are", "to", "in", "on", "by",
          "only", "with", "for", "from", "they", "them", "their", "that", "this", "what",
          "which", "all", "very", "more", "most", "usually", "made", "has", "have", "does",
          "not", "can", "be", "both", "one", "two", "each", "other"}


def _found(word, text_words):
    # "wood" is found in "wooden", "roots" in "root"
    heads = [word] + ([word[:-1]] if len(word) > 4 and word.endswith("s") else [])
    return any(t.startswith(h) for t in text_words for h in heads)


def _content(text):
    return [w for w in qtext.words(text) if w not in _SMALL and len(w) >= 3]


def _spelt_out(answer, text_words):
    content = _content(answer)
    return bool(content) and all(_found(w, text_words) for w in content)


def check(subject, papers):
    if subject["number"] != 3:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            if len(q.blanks) == 1 and q.blanks[0].code == "Q":
                stem_words = qtext.words(qtext.stem(q))
                opts = qtext.options(q)
                right = int(q.blanks[0].key) - 1
                if _spelt_out(opts[right], stem_words) and not any(
                        _spelt_out(o, stem_words) for i, o in enumerate(opts) if i != right):
                    problems.append("%d: the question names its answer %r" % (q.qid,
                                                                               opts[right]))
            elif qtext.is_true_false(q) and q.blanks[0].key == "True":
                sentence = qtext.stem(q).lower()
                for verb in (" is ", " are "):
                    subject_part, sep, rest = sentence.partition(verb)
                    if sep:
                        last = _content(rest)[-1:]
                        if last and _found(last[0], qtext.words(subject_part)):
                            problems.append("%d: the sentence is true by its own words"
                                            % q.qid)
                        break
    return problems
