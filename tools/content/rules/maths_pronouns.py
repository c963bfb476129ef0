"""A child named on a Mathematics page is "she" or "he" as the generator's table of names says.

The table (PEOPLE in mathsbase.py) gives every name the makers use with its pronouns. A page
that names children of one kind only may not use the other kind's pronouns, unless it names
another person they can stand for ("her brother", "his mother").
"""

import html
import re

from mathsbase import GENDER

NAME = "maths pronoun agrees with the child's name"

_PRONOUNS = {"f": r"\b(she|her|hers|herself)\b", "m": r"\b(he|him|his|himself)\b"}
_OTHERS = {"f": r"\b(mother|sister|aunt|grandmother|girl|woman|lady|daughter|mrs|ms|miss)\b",
           "m": r"\b(father|brother|uncle|grandfather|boy|man|son|mr)\b"}


def page_words(body):
    return html.unescape(re.sub(r"<[^>]+>", " ", body))


def check(subject, papers):
    if subject["number"] != 2:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            text = page_words(q.body)
            named = {g for n, g in GENDER.items() if re.search(r"\b%s\b" % n, text)}
            if not named:
                continue
            lower = text.lower()
            for g, pattern in _PRONOUNS.items():
                if g in named or re.search(_OTHERS[g], lower):
                    continue
                found = re.search(pattern, lower)
                if found:
                    who = [n for n in GENDER if re.search(r"\b%s\b" % n, text)]
                    problems.append("%d says \"%s\" of %s" % (q.qid, found.group(1),
                                                              " and ".join(who)))
    return problems
