"""No choice question is asked twice in the subject in other words: two one-blank choice
questions with the same four options and the same right one, whose sentences share a content
word ("The fire fighters
___ the fire" and "The firemen ___ the fire", both with put out / put on / put up / put off)
test the same thing, and a pupil who meets both (in the mock, say) meets one question twice.
"""

import html
import re

NAME = "English choice question asked twice in other words"

STOP = {"the", "a", "an", "and", "of", "to", "in", "on", "at", "for", "with", "was", "is",
        "are", "were", "his", "her", "their", "my", "our", "your", "this", "that", "it", "he",
        "she", "they", "we", "i", "you", "from", "by", "be", "very", "all", "every", "when",
        # words that colour a sentence without saying what it tests
        "favourite", "good", "big", "little", "old", "day", "time", "today", "yesterday"}


def _options(body, key):
    """The options as a set, and the right one."""
    opts = [html.unescape(o).strip().lower()
            for o in re.findall(r"<li>\(\d\) (.*?)</li>", body)]
    return frozenset(opts), opts[int(key) - 1]


def _stem_words(body):
    m = re.search(r'<p class="stem">(.*?)</p>', body, re.S)
    text = html.unescape(re.sub(r"<[^>]+>", " ", m.group(1))) if m else ""
    words = set(re.findall(r"[a-z]+", text.lower())) - STOP
    # "fire fighters" and "firemen" are one word to a reader
    return {w[:4] for w in words if len(w) >= 3}


def check(subject, papers):
    if subject["number"] != 1:
        return []
    seen = []
    problems = []
    for p in papers:
        for q in p.questions:
            if len(q.blanks) != 1 or q.blanks[0].code != "Q":
                continue
            opts = _options(q.body, q.blanks[0].key)
            words = _stem_words(q.body)
            for qid, o, w in seen:
                if o == opts and w & words:
                    problems.append("%d asks what %d asks (%s)"
                                    % (q.qid, qid, ", ".join(sorted(w & words))))
            seen.append((q.qid, opts, words))
    return problems
