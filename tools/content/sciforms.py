"""The ways a child writes a Science answer that names a thing: with or without "a", "an" or
"the" ("the north pole and the south pole", "a compass needle"), and, when the question asks
for a stage, with the word "stage" ("the tadpole stage"); and a number, with what it counts
("4 stages"). The generator adds these forms to every written key (science.py) and
rules/science_article_forms.py checks that none is missing.

An answer takes no article when it is not a thing: a number, a word that describes or says
what happens (NOT_THINGS), a direction, or a phrase that already starts with its own small
word ("my heart", "in water", "they repel"). Stuff and plurals take "the" only: "a water" and
"a lungs" are not English.
"""

import re

NOT_THINGS = {
    "absorbent", "absorbs water", "attract", "attracts", "circulatory", "flexible", "living",
    "non-living", "nonliving", "non living", "opaque", "repel", "repels", "respiratory",
    "strong", "transparent", "waterproof", "true", "false",
    "north", "south", "east", "west",  # directions: "the north" is written in the bank
}
# words a phrase may start with that already do an article's work
OWN_START = {"a", "an", "the", "my", "your", "our", "its", "their", "his", "her", "some",
             "they", "it", "in", "on", "push", "attract", "repel"}
# last words that make a phrase a sentence about what happened ("the wooden ruler floated")
HAPPENED = {"floated", "floats", "sank", "sinks"}
NUMBER_WORDS = {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"}

STUFF = {"water", "wood", "sand", "saliva", "spit", "pollen", "rubber", "plastic", "glass",
         "clay", "wax", "cotton", "wool", "cloth", "iron", "steel", "copper", "gold", "brass",
         "bronze", "chlorophyll", "dioxide", "pulp", "air", "food", "sunlight", "light", "soil",
         "oxygen", "warmth", "mould", "mold", "paper", "metal", "fabric", "ceramic", "cork",
         "blood"}
# ends in "s" but is one thing; plurals that do not end in "s"
ONE_WITH_S = {"chrysalis", "oesophagus", "esophagus", "glass", "grass", "gas", "cactus",
              "fungus", "bacterium"}
PLURAL = {"larvae", "pupae", "fungi", "bacteria", "teeth", "feet", "mice", "geese", "children",
          "people"}


def plain(answer):
    """The answer without a leading article, lower case, single spaces."""
    answer = " ".join(answer.lower().split())
    for article in ("a ", "an ", "the "):
        if answer.startswith(article):
            return answer[len(article):]
    return answer


def _head(phrase):
    # "frog with legs" is about a frog, "food pipe" about a pipe
    return re.split(r" (?:with|of|from|for) ", phrase)[0].split()[-1]


def is_thing(phrase):
    words = phrase.split()
    if not words or phrase in NOT_THINGS or words[0] in OWN_START or words[-1] in HAPPENED:
        return False
    return not (phrase.isdigit() or phrase in NUMBER_WORDS)


def countable_one(phrase):
    """True when "a" or "an" goes before the phrase: one thing that can be counted."""
    head = _head(phrase)
    if head in STUFF or head in PLURAL:
        return False
    return not (head.endswith("s") and head not in ONE_WITH_S)


def indefinite(phrase):
    return ("an " if phrase[0] in "aeiou" else "a ") + phrase


def asks_stage(asked):
    """The question asks which stage of a life cycle: "In which stage ...", "Name the stage
    marked ?", "What is the first stage?"."""
    return re.search(r"\b(?:which|what|name the)(?: is the)?(?: \w+)? stage\b",
                     asked.lower()) is not None


def _parts(phrase):
    """A pair joined by "and" ("north pole and south pole"): its two parts, else None."""
    left, sep, right = phrase.partition(" and ")
    if not sep or not is_thing(left) or not is_thing(right):
        return None
    return left, right


def base(answer, asked):
    """The bare answer behind one of its forms: "the north pole and the south pole" is "north
    pole and south pole", "the tadpole stage" (asked for a stage) is "tadpole"."""
    bare = plain(answer)
    left, sep, right = bare.partition(" and ")
    if sep:
        bare = plain(left) + " and " + plain(right)
    if asks_stage(asked) and bare.endswith(" stage"):
        bare = bare[:-len(" stage")]
    return bare


def required(answer, asked):
    """Every form a key holding answer must also hold."""
    base_ = base(answer, asked)
    counted = re.search(r"\bhow many (\w+)", asked.lower())
    if counted and base_.endswith(" " + counted.group(1)):
        base_ = base_[:-len(counted.group(1)) - 1]
    if counted and (base_.isdigit() or base_ in NUMBER_WORDS):
        # "How many stages does it have?" is answered "4" or "4 stages"
        return [base_, base_ + " " + counted.group(1)]
    if not is_thing(base_):
        return [answer]
    forms = [base_, "the " + base_]
    pair = _parts(base_)
    if pair:
        left, right = pair
        forms.append("the %s and the %s" % pair)
        if countable_one(left) and countable_one(right):
            forms.append("%s and %s" % (indefinite(left), indefinite(right)))
    elif countable_one(base_):
        forms.append(indefinite(base_))
    if asks_stage(asked) and countable_one(base_) and not pair:
        forms += [base_ + " stage", "the " + base_ + " stage"]
    return forms


def with_forms(answers, asked):
    """answers, each followed by the forms it lacks, in a stable order without repeats."""
    out = []
    for a in answers:
        for form in [a] + required(a, asked):
            if form not in out:
                out.append(form)
    return out
