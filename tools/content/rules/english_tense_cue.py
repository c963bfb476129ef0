"""A word-form item whose answer is the present tense with -s says that it is about now: "My
father ___ (drive) us to school every morning." admits "drove" as well as "drives" (a habit in
the past), "These days, my father ___ (drive) ..." does not.

It says so without a cue for something happening for a while now ("Now that it is June, the
sun ___ (shine) brightly every day." admits "is shining"): "always", "usually" and the like
leave only the simple present. A past answer of a verb that goes on for a while ("Yesterday we
___ (swim) in the sea.") also accepts "were swimming", unless the sentence bounds it ("for an
hour", "when ...", "before ...", "all the way").
"""

import re

from rules.english_number_cue import noun_slot

from qtext import word_form_items

NAME = "English verb-form answer whose tense the sentence does not fix"

# A sentence is about the present when it says so or another of its verbs is in the present.
NOW = {"now", "today", "nowadays", "is", "are", "am", "has", "does", "do"}


def present_forms(verb):
    out = {verb + "s", verb + "es"}
    if verb.endswith("y"):
        out.add(verb[:-1] + "ies")
    return out


def problem(sentence, answers):
    m = re.search(r"___ \(([a-z]+)\)", sentence)
    if not m:
        return None
    base = m.group(1)
    before = re.findall(r"[a-z']+", sentence[:m.start()].lower())
    if noun_slot(before) or not all(a.lower() in present_forms(base) for a in answers):
        return None
    words = set(re.findall(r"[a-z']+", sentence.lower())) | \
        ({"these days"} if "these days" in sentence.lower() else set())
    if words & (NOW | {"these days"}):
        return None
    return "'%s' accepts only the present but the past fits it too" % sentence


# cues for a state that holds for a while now: the progressive fits them
FOR_NOW = ("now", "today", "these days", "nowadays", "at the moment", "this week")
# how often: the progressive does not fit them ("The sun always shines in June.")
HOW_OFTEN = {"always", "usually", "often", "never", "sometimes", "seldom", "rarely"}
# verbs whose action goes on for a while, so "was ...ing" tells the same story
ACTIVITY = {"swim": "swimming", "teach": "teaching", "write": "writing", "sing": "singing",
            "chase": "chasing", "carry": "carrying", "make": "making", "fly": "flying",
            "fix": "fixing", "build": "building", "cook": "cooking", "paint": "painting",
            "play": "playing", "read": "reading", "drive": "driving"}
PAST = {"swam", "taught", "wrote", "sang", "chased", "carried", "made", "flew", "fixed",
        "built", "cooked", "painted", "played", "read", "drove"}
BOUNDED = re.compile(r"\b(?:for an? \w+|for \w+ (?:hours|minutes)|when|before|after|"
                     r"all the way)\b")


def _words(sentence):
    return " %s " % " ".join(re.findall(r"[a-z']+", sentence.lower()))


def progressive_problem(sentence, answers):
    """The progressive fits too but the key does not take it."""
    m = re.search(r"___ \(([a-z]+)\)", sentence)
    if not m:
        return None
    base = m.group(1)
    before = re.findall(r"[a-z']+", sentence[:m.start()].lower())
    if noun_slot(before) or before[-1:] in (["is"], ["are"], ["am"], ["was"], ["were"],
                                             ["has"], ["have"], ["had"]):
        return None
    said = [a.lower() for a in answers]
    words = _words(sentence)
    if all(a in present_forms(base) for a in said):
        now = any(" %s " % c in words for c in FOR_NOW)
        if now and not set(words.split()) & HOW_OFTEN and \
                not any(re.match(r"(?:is|are|am) \w+ing$", a) for a in said):
            return "'%s' accepts only the simple present but 'is ...ing' fits it too" % sentence
    elif base in ACTIVITY and any(a in PAST for a in said):
        if not BOUNDED.search(sentence[m.end():].lower()) and \
                not any(re.match(r"(?:was|were) \w+ing$", a) for a in said):
            return "'%s' accepts only the simple past but '... %s' fits it too" % (
                sentence, ACTIVITY[base])
    return None


def check(subject, papers):
    problems = []
    for qid, sentence, answers in word_form_items(subject, papers):
        why = problem(sentence, answers) or progressive_problem(sentence, answers)
        if why:
            problems.append("%d: %s" % (qid, why))
    return problems
