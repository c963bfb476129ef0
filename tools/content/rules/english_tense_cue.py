"""A word-form item whose answer is the present tense with -s says that it is about now: "My
father ___ (drive) us to school every morning." admits "drove" as well as "drives" (a habit in
the past), "These days, my father ___ (drive) ..." does not.
"""

import html
import re

from rules.english_number_cue import noun_slot

NAME = "English present-tense answer without a cue for now"

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


def check(subject, papers):
    if subject["number"] != 1:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            if not q.tag.startswith("g:") or len(q.blanks) != 1:
                continue
            b = q.blanks[0]
            if b.code not in "TM":
                continue
            answers = b.key.split(";")[1:] if b.code == "M" else [b.key]
            why = problem(html.unescape(q.tag[2:]), answers)
            if why:
                problems.append("%d: %s" % (q.qid, why))
    return problems
