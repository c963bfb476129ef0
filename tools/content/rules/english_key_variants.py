"""Every right form of a written answer is accepted: a key that takes "Sarah wanted to swim but
the pool was closed." takes it with a comma before "but" too, one that takes "had not" takes
"hadn't" (unless the page forbids short forms or asks for the word "not"), and one that takes
a sentence ending in "tomorrow." takes it with "Tomorrow" in front. Other forms come from
banks/variants.txt. Word-box passages are left out: there the box decides the form.
"""

import html
import re

import bank

NAME = "English written key that rejects a right form"

SHORT = [("had not", "hadn't"), ("has not", "hasn't"), ("have not", "haven't"),
         ("does not", "doesn't"), ("do not", "don't"), ("did not", "didn't"),
         ("is not", "isn't"), ("are not", "aren't"), ("was not", "wasn't"),
         ("were not", "weren't"), ("will not", "won't"), ("cannot", "can't")]
WILL = ["i", "you", "he", "she", "it", "we", "they"]
TIME_WORDS = ["tomorrow", "yesterday", "today", "every day"]


def listed():
    out = {}
    for kind, fields in bank.lines("variants.txt"):
        assert kind == "V" and len(fields) >= 2, fields
        out.setdefault(fields[0].lower(), set()).update(f.lower() for f in fields[1:])
    return out


def required_words(body):
    """Words the instruction tells the pupil to use ("using the word <u><b>but</b></u>")."""
    text = html.unescape(body)
    return {w.lower() for w in re.findall(r"word <u><b>([A-Za-z]+)</b></u>", text)}


def sentence_variants(answer, body):
    """Other right forms of a whole-sentence answer, as the page allows them."""
    a = answer.lower()
    out = set()
    if not (a.endswith(".") and " " in a):
        return out
    for conj in ("but", "so"):
        if re.search(r"[^,] %s " % conj, a):
            out.add(re.sub(r"([^,]) %s " % conj, r"\1, %s " % conj, a))
        if ", %s " % conj in a:
            out.add(a.replace(", %s " % conj, " %s " % conj))
    needed = required_words(body)
    short_ok = "short form" not in body
    for long, short in SHORT:
        if short_ok and " %s " % long in " " + a and "not" not in needed:
            out.add((" " + a).replace(" %s " % long, " %s " % short)[1:])
    for p in WILL:
        if (" " + a).find(" %s will " % p) >= 0 and short_ok and "will" not in needed:
            out.add((" " + a).replace(" %s will " % p, " %s'll " % p)[1:])
    if 'class="begin"' not in body:
        for t in TIME_WORDS:
            if a.endswith(" %s." % t):
                rest = a[:-len(t) - 2]
                out.add("%s %s." % (t, rest))
                out.add("%s, %s." % (t, rest))
    return out


def accepted(blank):
    if blank.code == "M":
        return [x.strip().lower() for x in blank.key.split(";")[1:]]
    return [blank.key.strip().lower()]


def check(subject, papers):
    if subject["number"] != 1:
        return []
    extra = listed()
    problems = []
    for p in papers:
        for q in p.questions:
            if q.tag.startswith("gc:"):
                continue
            for n, b in enumerate(q.blanks, 1):
                if b.code not in "LTM":
                    continue
                keys = accepted(b)
                missing = set()
                for k in keys:
                    missing |= extra.get(k, set()) | sentence_variants(k, q.body)
                missing -= set(keys)
                for m in sorted(missing):
                    problems.append("%d blank %d: %s key does not accept '%s'"
                                    % (q.qid, n, b.code, m))
    return problems
