"""A word-form item whose answer is a plural noun says in its sentence that there is more than
one: "The ___ (goose) swam" admits "goose" as well as "geese", "The three ___ (goose)" does not.
"""

import re

from qtext import word_form_items

NAME = "English plural answer without a number cue"

NUMBERS = {"two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "twenty",
           "hundred", "many", "several", "some", "all", "both", "these", "those", "few"}
DETERMINERS = NUMBERS | {"the", "my", "your", "his", "her", "our", "their", "its"}
PLURAL_VERBS = {"are", "were", "have"}
IRREGULAR = {"mouse": "mice", "child": "children", "tooth": "teeth", "foot": "feet",
             "goose": "geese", "man": "men", "woman": "women", "ox": "oxen"}

def plurals(word):
    """Plural forms a noun may take; the answer is a plural when it is one of them."""
    out = {IRREGULAR.get(word, word + "s"), word + "es"}
    if word.endswith("y"):
        out.add(word[:-1] + "ies")
    if word.endswith("f"):
        out.add(word[:-1] + "ves")
    if word.endswith("fe"):
        out.add(word[:-2] + "ves")
    return out

def _words(text):
    return re.findall(r"[a-z']+", text.lower())

def noun_slot(before):
    """True when the gap follows a determiner, a number, a possessive or an adjective after
    one of those, so the word in brackets is a noun (not a verb after its subject)."""
    if not before:
        return False
    if before[-1] in DETERMINERS or before[-1].endswith("'s"):
        return True
    return len(before) >= 2 and before[-2] in NUMBERS

def has_cue(before, after):
    return any(w in NUMBERS for w in before) or any(w in PLURAL_VERBS for w in after)

def problem(sentence, answers):
    """The reason the item breaks the rule, or None. sentence: the bank text with ___ (word)."""
    m = re.search(r"___ \(([a-z]+)\)", sentence)
    if not m:
        return None
    base = m.group(1)
    if not any(a.lower() in plurals(base) and a.lower() != base for a in answers):
        return None
    if any(a.lower() == base for a in answers):
        return None  # the singular is accepted too
    before = _words(sentence[:m.start()])
    after = _words(sentence[m.end():])
    if not noun_slot(before) or has_cue(before, after):
        return None
    return "'%s' accepts only the plural but nothing says there is more than one" % sentence

def check(subject, papers):
    problems = []
    for qid, sentence, answers in word_form_items(subject, papers):
        why = problem(sentence, answers)
        if why:
            problems.append("%d: %s" % (qid, why))
    return problems
