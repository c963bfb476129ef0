"""Science papers: choice questions and open-ended questions from the banks (sci1.txt to
sci6.txt, one per topic) plus questions made from small fact tables (things that live,
materials, life cycles, body systems, magnets), some with a picture.

Bank lines:
  Q: question | correct option | three wrong options
  O: question | answer[/other accepted answer...]            one written answer
  T: statement | True or False                                write true or false
  G: question | number of blanks | answer/answer/...         answers in any order
  P: question | prompt = answer[/alt] | prompt = answer ...  one blank per prompt
An O or G line may end with "box: word, word, ...": the words to choose from, shown in a box
under the question, for a question that would otherwise have more right answers than a key
can list ("Name two waterproof materials").
"""

import itertools
import random
import re

import bank
import qtext
import sciforms
import svg
from rules import science_same_stem
from model import Blank, Paper, Question, alts, group, group_spans, spread
from page import esc, options, picture, rows

SEED = 1618


def _one_blank(answer, asked):
    answers = sciforms.with_forms([a.strip() for a in answer.split("/")], asked)
    return Blank("M", alts(*answers)) if len(answers) > 1 else Blank("T", answers[0])


def choice_question(r, stem, correct, wrong, tag, pictures=None, pic_html=""):
    opts = [correct] + list(wrong)
    assert len(set(opts)) == 4, stem
    r.shuffle(opts)
    body = ('<p class="stem">%s</p>' % esc(stem) + pic_html + options([esc(o) for o in opts])
            + rows([("", "", None)]))
    return Question(body, [Blank("Q", str(opts.index(correct) + 1))], pictures, tag)


def _box(words):
    # the box spreads its words apart: a name of two words is kept together as one entry
    whole = '<span style="word-spacing:normal;white-space:nowrap">%s</span>'
    entries = [whole % esc(w) if " " in w else esc(w) for w in words]
    # the break falls after the spaces, so a wrapped line starts with its word
    return '<div class="box">%s</div>' % "&nbsp; ".join(entries)


def open_question(kind, fields, tag, box=None):
    stem = '<p class="stem">%s</p>' % esc(fields[0])
    if box:
        assert kind in "OG", fields
        stem += _box(box)
    if kind == "O":
        return Question(stem + rows([("", "", None)]), [_one_blank(fields[1], fields[0])],
                        tag=tag)
    if kind == "T":
        assert fields[1] in ("True", "False"), fields
        body = ('<p class="ins">Is the sentence true or false? Write <b>true</b> or '
                '<b>false</b>.</p>' + stem + rows([("", "", None)]))
        return Question(body, [Blank("T", fields[1])], tag=tag)
    if kind == "G":
        count = int(fields[1])
        answers = [a.strip() for a in fields[2].split("/")]
        body = stem + '<p class="ins">The answers may be given in any order.</p>'
        body += rows([("", "", None)] * count)
        return Question(body, group(answers, count), tag=tag)
    assert kind == "P", kind
    prompts = [p.split("=") for p in fields[1:]]
    assert all(len(p) == 2 for p in prompts), fields
    body = stem + rows([(esc(p[0].strip()) + " ", "", None) for p in prompts])
    return Question(body, [_one_blank(p[1], p[0]) for p in prompts], tag=tag)


def bank_items(r, topic):
    mcq, written = [], []
    for kind, fields in bank.lines("sci%d.txt" % topic):
        tag = "s:" + fields[0]
        box = None
        if fields[-1].startswith("box:"):
            box = [w.strip() for w in fields.pop()[4:].split(",")]
            # every accepted answer is a word of the box, or the box misleads
            assert all(a.strip() in box for a in fields[-1].split("/")), fields
        if kind == "Q":
            assert len(fields) == 5, fields
            mcq.append(choice_question(r, fields[0], fields[1], fields[2:], tag))
        else:
            written.append(open_question(kind, fields, tag, box))
    return mcq, written


# ---- questions from fact tables -----------------------------------------------------------

LIVING = ["a mushroom", "a fern", "a snail", "an earthworm", "a mango tree", "a goldfish",
          "a moss", "a butterfly", "a cactus", "a frog", "a grass plant", "a bird's-nest fern",
          "a sparrow", "a bread mould", "a lizard", "a hibiscus plant"]
NON_LIVING = ["a stone", "a toy robot", "a chair", "a kite", "a cup of water", "a pencil",
              "a candle flame", "a cloud", "a pair of shoes", "a wind-up toy car", "sand",
              "a clock", "a plastic flower", "a rubber ball", "a bicycle", "a balloon"]


def _unused(drawn, pool, used):
    """drawn, or the first of pool not used yet when drawn was: one family never asks the
    same question twice. The draw itself stays, so later questions keep their places."""
    pick = drawn if drawn not in used else next(x for x in pool if x not in used)
    used.add(pick)
    return pick


def _fresh(r, pool, k, seen, fix=lambda w: w, spare=(), avoid=()):
    """k wrong options drawn from pool, changed where an earlier question of the family
    offered the same ones all together (the same question with the same wrong options tests
    the question, not the fact). One draw as before, so later questions keep their places."""
    wrong = fix(r.sample(pool, k))
    if frozenset(wrong) in seen:
        choices = [x for x in list(pool) + list(spare) if x not in avoid]
        wrong = list(next((c for c in itertools.combinations(choices, k)
                           if frozenset(c) not in seen), wrong))
    seen.add(frozenset(wrong))
    return wrong


def living_items(r):
    items = []
    used = set()
    for i in range(10):
        live = r.sample(LIVING, 3)
        dead = r.sample(NON_LIVING, 3)
        if i % 2 == 0:
            right = _unused(live[0], [x for x in LIVING if x not in live], used)
            items.append(choice_question(r, "Which one of the following is a living thing?",
                                         right.capitalize(), [d.capitalize() for d in dead],
                                         "lv%d" % i))
        else:
            right = _unused(dead[0], [x for x in NON_LIVING if x not in dead], used)
            items.append(choice_question(r, "Which one of the following is a non-living thing?",
                                         right.capitalize(), [x.capitalize() for x in live],
                                         "nl%d" % i))
    return items


OBJECTS = [  # object, material it is usually made of, three materials it is not made of
    ("a window pane", "Glass", ["Wood", "Fabric", "Rubber"]),
    ("a car tyre", "Rubber", ["Glass", "Paper", "Fabric"]),
    ("a school shirt", "Fabric", ["Glass", "Metal", "Ceramic"]),
    ("a cooking pot", "Metal", ["Paper", "Fabric", "Wax"]),
    ("an exercise book", "Paper", ["Metal", "Glass", "Rubber"]),
    ("a candle", "Wax", ["Glass", "Fabric", "Metal"]),
    ("a teacup", "Ceramic", ["Paper", "Fabric", "Rubber"]),
    ("a cricket bat", "Wood", ["Glass", "Fabric", "Paper"]),
    ("a raincoat", "Plastic", ["Paper", "Wood", "Glass"]),
    ("a paper clip", "Metal", ["Paper", "Wood", "Fabric"]),
]

STAGES = [  # animal, stages in order
    ("butterfly", ["egg", "caterpillar", "pupa", "adult"]),
    ("mosquito", ["egg", "larva", "pupa", "adult"]),
    ("beetle", ["egg", "larva", "pupa", "adult"]),
    ("frog", ["egg", "tadpole", "young frog", "adult"]),
    ("cockroach", ["egg", "nymph", "adult"]),
    ("grasshopper", ["egg", "nymph", "adult"]),
    ("chicken", ["egg", "chick", "adult"]),
    ("dragonfly", ["egg", "nymph", "adult"]),
]

STAGE_ANSWERS = {  # what a pupil may write for a stage, by stage or by (animal, stage)
    "caterpillar": ["caterpillar", "caterpillars", "larva", "larvae"],
    ("butterfly", "pupa"): ["pupa", "pupae", "chrysalis"],
    ("mosquito", "pupa"): ["pupa", "pupae", "tumbler"],
    "pupa": ["pupa", "pupae"],
    "young frog": ["young frog", "froglet", "froglets", "frog with legs", "young frogs"],
    ("mosquito", "larva"): ["larva", "larvae", "wriggler", "wrigglers"],
    ("beetle", "larva"): ["larva", "larvae", "grub", "grubs"],
    "nymph": ["nymph", "nymphs"], "chick": ["chick", "chicks"],
    "tadpole": ["tadpole", "tadpoles"]}


def life_cycle_items(r):
    items = []
    for animal, stages in STAGES:
        for missing in range(1, len(stages) - 1):
            shown = [s if i != missing else "?" for i, s in enumerate(stages)]
            pic = svg.life_cycle(shown)
            answers = STAGE_ANSWERS.get((animal, stages[missing]),
                                        STAGE_ANSWERS.get(stages[missing]))
            body = ('<p class="stem">The diagram shows the life cycle of a %s. Name the stage '
                    'marked <b>?</b></p>' % animal + picture(1, "A life cycle") +
                    rows([("", "", None)]))
            blank = Blank("M", alts(*sciforms.with_forms(answers, "Name the stage marked ?")))
            item = Question(body, [blank], [pic], "lc:%s%d" % (animal, missing))
            item.data = "life cycle of a " + animal  # each diagram shows the others' answers
            items.append(item)
    return items


def life_cycle_choices(r):
    three = [a for a, s in STAGES if len(s) == 3]
    four = [a for a, s in STAGES if len(s) == 4]
    items = []
    used = set()
    seen3, seen4 = set(), set()

    def no_frog(wrong):
        # some children's books give the frog three stages: it is never a wrong answer here
        return [w if w != "frog" else next(a for a in four if a not in wrong + ["frog"])
                for w in wrong]

    for i in range(4):
        right = _unused(r.choice(three), three, used)
        wrong = _fresh(r, four, 3, seen3, no_frog, spare=("ladybird", "housefly"),
                       avoid=("frog",))
        items.append(choice_question(r, "Which animal has a life cycle with three stages?",
                                     "The " + right, ["The " + w for w in wrong], "c3%d" % i))
        right = _unused(r.choice(four), four, used)
        wrong = _fresh(r, three, 3, seen4)
        items.append(choice_question(r, "Which animal has a life cycle with four stages?",
                                     "The " + right, ["The " + w for w in wrong], "c4%d" % i))
    return items


ORGANS = {
    "Digestive system": ["stomach", "small intestine", "gullet", "large intestine", "mouth"],
    "Respiratory system": ["lungs", "windpipe", "nose"],
    "Circulatory system": ["heart", "blood vessels", "blood"],
    "Skeletal system": ["skull", "backbone", "ribs"],
    "Muscular system": ["muscles"],
}


# we breathe through the mouth too: it is never the wrong answer for the mouth
ALSO_PART_OF = {"mouth": ["Respiratory system"]}


def body_items(r):
    items = []
    systems = list(ORGANS)
    for system, organs in ORGANS.items():
        for organ in organs:
            wrong = [s for s in systems if s != system]
            r.shuffle(wrong)
            wrong = [s for s in wrong if s not in ALSO_PART_OF.get(organ, [])]
            items.append(choice_question(r, "The %s %s part of which system?" % (
                organ, "are" if organ.endswith("s") or organ == "blood vessels" else "is"),
                system, wrong[:3], "bs:" + organ))
    return items


MAGNETIC = ["an iron nail", "a steel paper clip", "a steel spoon", "an iron key",
            "a steel pin"]
NON_MAGNETIC = ["a plastic ruler", "a wooden block", "a glass marble", "a rubber band",
                "an aluminium can", "a copper coin", "a paper cup", "a cotton sock"]


def magnet_choices(r):
    items = []
    used = set()
    seen_no, seen_yes = set(), set()
    for i in range(8):
        if i % 2:
            yes = _unused(r.choice(MAGNETIC), MAGNETIC, used)
            no = _fresh(r, NON_MAGNETIC, 3, seen_no)
            items.append(choice_question(r, "Which object will be attracted by a magnet?",
                                         yes.capitalize(), [n.capitalize() for n in no],
                                         "mg%d" % i))
        else:
            nos = _unused(r.choice(NON_MAGNETIC), NON_MAGNETIC, used)
            yeses = _fresh(r, MAGNETIC, 3, seen_yes)
            items.append(choice_question(r, "Which object will NOT be attracted by a magnet?",
                                         nos.capitalize(), [y.capitalize() for y in yeses],
                                         "nm%d" % i))
    return items


def magnet_pictures(r):
    items = []
    for left in (("N", "S"), ("S", "N")):
        for right in (("N", "S"), ("S", "N")):
            attract = left[1] != right[0]  # the poles that face each other
            body = ('<p class="stem">Two bar magnets are placed near each other as shown. Will '
                    'they attract or repel each other?</p>' + picture(1, "Two bar magnets")
                    + '<p class="ins">Write <b>attract</b> or <b>repel</b>.</p>'
                    + rows([("", "", None)]))
            word = "attract" if attract else "repel"
            key = Blank("M", alts(word, word + "s", word + " each other", "they " + word,
                                  "they " + word + " each other", "they will " + word,
                                  "they will " + word + " each other"))
            item = Question(body, [key], [svg.magnets(left, right)], "mp%s%s%s%s" % (left + right))
            item.data = "two bar magnets"
            items.append(item)
    return items


ANIMAL_GROUPS = {
    "mammal": ["cat", "whale", "bat", "dolphin", "cow", "rabbit", "monkey", "tiger"],
    "bird": ["penguin", "eagle", "ostrich", "sparrow", "duck", "owl"],
    "fish": ["shark", "goldfish", "guppy", "seahorse", "salmon"],
    "insect": ["ant", "bee", "butterfly", "grasshopper", "beetle", "mosquito"],
    "reptile": ["crocodile", "lizard", "snake", "turtle"],
    "amphibian": ["frog", "toad", "salamander"],
}


def _a(word):
    return ("an " if word[0] in "aeiou" else "a ") + word


def classification_items(r):
    items = []
    for group_name, members in ANIMAL_GROUPS.items():
        others = [a for g, m in ANIMAL_GROUPS.items() if g != group_name for a in m]
        for i in range(3):
            right = members[i % len(members)]
            wrong = r.sample(others, 3)
            items.append(choice_question(
                r, "Which one of these animals is %s?" % _a(group_name),
                right.capitalize(), [w.capitalize() for w in wrong], "ag%s%d" % (group_name, i)))
    return items


def _true_false(statement, true, tag):
    return open_question("T", [statement, "True" if true else "False"], tag)


def animal_statements(r):
    items = []
    groups = list(ANIMAL_GROUPS)
    for group_name, members in ANIMAL_GROUPS.items():
        animal = members[-1]
        items.append(_true_false("%s is %s." % (_a(animal).capitalize(), _a(group_name)), True,
                                 "tf" + animal))
        other = r.choice([g for g in groups if g != group_name])
        animal = members[-2]
        items.append(_true_false("%s is %s." % (_a(animal).capitalize(), _a(other)), False,
                                 "tf" + animal))
    for thing in LIVING[:4] + NON_LIVING[:4]:
        items.append(_true_false("%s is a living thing." % thing.capitalize(), thing in LIVING,
                                 "tl" + thing))
    return items


PROPERTIES = [  # property, materials that have it, materials that do not
    ("lets light pass through (is transparent)", ["Clear glass", "Clear plastic"],
     ["Wood", "Metal", "Cardboard", "Brick"]),
    ("is strong enough to build a bridge with", ["Steel"], ["Paper", "Rubber", "Wax"]),
    ("is flexible and can be stretched", ["Rubber"], ["Glass", "Wood", "Ceramic"]),
    ("floats on water", ["Cork", "Wood"], ["Iron", "Glass", "Stone"]),
    ("absorbs water well", ["Sponge", "Cotton cloth"], ["Plastic", "Metal", "Glass"]),
    ("is waterproof", ["Plastic", "Rubber"], ["Paper", "Cotton cloth", "Cardboard"]),
]


# a further wrong material for a property's second question, so its wrong options differ
SPARE_NOT = {"lets light pass through (is transparent)": ["Stone"],
             "is strong enough to build a bridge with": ["Cotton cloth"],
             "is flexible and can be stretched": ["Stone"],
             "floats on water": ["Brick"], "absorbs water well": ["Rubber"],
             "is waterproof": ["Wool"]}


def material_items(r):
    items = [choice_question(r, "What material is %s usually made of?" % obj, m, w,
                             "ob:" + obj) for obj, m, w in OBJECTS]
    for prop, yes, no in PROPERTIES:
        seen = set()
        for right in yes:
            items.append(choice_question(r, "Which material %s?" % prop, right,
                                         _fresh(r, no, 3, seen, spare=SPARE_NOT[prop]),
                                         "pr%s%s" % (prop, right)))
    return items


def material_statements(r):
    items = []
    for obj, m, w in OBJECTS:
        items.append(_true_false("%s is usually made of %s." % (obj.capitalize(), m.lower()),
                                 True, "tm" + obj))
        items.append(_true_false("%s is usually made of %s." % (obj.capitalize(), w[0].lower()),
                                 False, "tn" + obj))
    return items


TRUE_COUNTS = ("butterfly", "beetle", "cockroach", "chicken")


def stage_statements(r):
    items = []
    for animal, stages in STAGES:
        stage = "pupa" if animal in ("cockroach", "grasshopper", "dragonfly") else stages[1]
        has = stage in stages
        items.append(_true_false("The life cycle of a %s has a %s stage." % (animal, stage),
                                 has, "ts" + animal))
        if animal == "frog":
            # children's books count the frog's stages as three or four: no count to judge
            items.append(_true_false("A tadpole grows into a frog.", True, "tc" + animal))
            continue
        # every other animal gets the other count, so the answer is not always "true"
        count = len(stages) if animal in TRUE_COUNTS else 7 - len(stages)
        items.append(_true_false("The life cycle of a %s has %d stages." % (animal, count),
                                 count == len(stages), "tc" + animal))
    return items


PLANT_PARTS = [
    ("takes in water and mineral salts from the soil", "Roots"),
    ("holds the plant firmly in the ground", "Roots"),
    ("makes food for the plant", "Leaves"),
    ("carries water from the roots to the other parts of the plant", "Stem"),
    ("holds the leaves up towards the light", "Stem"),
    ("develops into a fruit", "Flower"),
    ("protects the seeds", "Fruit"),
    ("is found inside a fruit and can grow into a new plant", "Seed"),
]


def plant_items(r):
    parts = sorted(set(p for _, p in PLANT_PARTS))
    items = []
    for job, part in PLANT_PARTS:
        pool = [p for p in parts if p != part]
        wrong = r.sample(pool, 3)
        # "Fruit" is no option for what develops into a fruit
        spare = [p for p in pool if p not in wrong and not _named(p, job)]
        wrong = [spare.pop() if _named(p, job) else p for p in wrong]
        items.append(choice_question(r, "Which part of a plant %s?" % job, part, wrong,
                                     "pp" + job))
    return items


def plant_statements(r):
    items = []
    parts = sorted(set(p for _, p in PLANT_PARTS))
    for job, part in PLANT_PARTS:
        items.append(_true_false("The %s %s." % (part.lower(), _verb(part, job)), True,
                                 "tp" + job))
        fits = [p for p in parts if p != part and (p, job) not in
                [(pp, jj) for jj, pp in PLANT_PARTS]]
        # never "The fruit develops into a fruit."
        other = _unused(r.choice(fits), [p for p in fits if not _named(p, job)],
                        {p for p in fits if _named(p, job)})
        items.append(_true_false("The %s %s." % (other.lower(), _verb(other, job)), False,
                                 "tq" + job))
    return items


def _named(part, job):
    name = part.lower()
    forms = {"roots": ("root", "roots"), "leaves": ("leaf", "leaves")}.get(name,
                                                                           (name, name + "s"))
    return any(f in job.split() for f in forms)


def _verb(part, job):
    # jobs are written for a singular part; roots and leaves take the plural verb
    if part in ("Roots", "Leaves"):
        first, _, rest = job.partition(" ")
        plural = {"takes": "take", "holds": "hold", "makes": "make", "carries": "carry",
                  "develops": "develop", "protects": "protect", "is": "are"}.get(first, first)
        return plural + " " + rest
    return job


def body_statements(r):
    items = []
    systems = list(ORGANS)
    for system, organs in ORGANS.items():
        organ = organs[0]
        verb = "are" if organ.endswith("s") else "is"
        items.append(_true_false("The %s %s part of the %s." % (organ, verb, system.lower()),
                                 True, "tb" + organ))
        organ = organs[-1]
        verb = "are" if organ.endswith("s") else "is"
        others = [s for s in systems if s != system and s not in ALSO_PART_OF.get(organ, [])]
        other = _unused(r.choice([s for s in systems if s != system]), others,
                        set(ALSO_PART_OF.get(organ, [])))
        items.append(_true_false("The %s %s part of the %s." % (organ, verb, other.lower()),
                                 False, "tf" + organ))
    return items


def magnet_statements(r):
    items = []
    for thing in MAGNETIC:
        items.append(_true_false("%s is attracted by a magnet." % thing.capitalize(), True,
                                 "ta" + thing))
    for thing in NON_MAGNETIC[:6]:
        items.append(_true_false("%s is attracted by a magnet." % thing.capitalize(), False,
                                 "tn" + thing))
    return items


def _both(*makers):
    return lambda r: [q for m in makers for q in m(r)]


GENERATED = {
    1: (_both(living_items, classification_items), animal_statements),
    2: (material_items, material_statements),
    3: (life_cycle_choices, _both(life_cycle_items, stage_statements)),
    4: (plant_items, plant_statements),
    5: (body_items, body_statements),
    6: (magnet_choices, _both(magnet_pictures, magnet_statements)),
}

def metals_question():
    body = ('<p class="stem">Some metals are pure metals. Others are alloys, made by mixing '
            'metals together.</p><div class="box">copper &nbsp; steel &nbsp; gold &nbsp; '
            'brass &nbsp; iron &nbsp; bronze</div>'
            '<p class="stem">Sort the six metals in the box. The answers in each group may be '
            'given in any order.</p>'
            '<p class="sub">Pure metals:</p>')
    body += rows([("", "", None)] * 3, 1, 6)
    body += '<p class="sub">Alloys:</p>' + rows([("", "", None)] * 3, 4, 6)
    blanks = group(["Copper", "Gold", "Iron"], 3) + group(["Steel", "Brass", "Bronze"], 3)
    return Question(body, blanks, tag="alloys")


def about(q):
    """What a question is about, as (kind, thing) pairs, read from its tag and, for a question
    from the banks, from the life cycle its words name."""
    animals = [a for a, _ in STAGES]
    tag = q.tag
    out = set()
    if tag.startswith("lc:"):
        out.add(("life cycle", tag[3:].rstrip("0123456789")))
    for prefix, kind, things in (
            ("ts", "life cycle", animals), ("tc", "life cycle", animals),
            ("tm", "material", [o for o, _, _ in OBJECTS]),
            ("tn", "material", [o for o, _, _ in OBJECTS]),
            ("ob:", "material", [o for o, _, _ in OBJECTS]),
            ("tb", "organ", [o for os_ in ORGANS.values() for o in os_]),
            ("tf", "organ", [o for os_ in ORGANS.values() for o in os_]),
            ("bs:", "organ", [o for os_ in ORGANS.values() for o in os_]),
            ("tp", "plant part", [j for j, _ in PLANT_PARTS]),
            ("tq", "plant part", [j for j, _ in PLANT_PARTS]),
            ("pp", "plant part", [j for j, _ in PLANT_PARTS])):
        if tag.startswith(prefix) and tag[len(prefix):] in things:
            out.add((kind, tag[len(prefix):]))
    if tag.startswith("s:"):
        text = qtext.stem(q).lower()
        for animal in animals:
            if re.search(r"life cycles? of (?:an? |the )?%s\b|\b%s's life cycle" % (
                    animal, animal), text):
                out.add(("life cycle", animal))
    return out


def gives_away(a, b):
    """One of two questions of a paper answers the other: the same picture, a statement
    to judge true or false beside a question about the same fact, or one choice question's
    words asked twice."""
    if a.data is not None and a.data == b.data:
        return True
    if science_same_stem.clash(a, b, True):
        return True
    return bool(about(a) & about(b)) and (qtext.is_true_false(a) or qtext.is_true_false(b))


def _size(q):
    return q.blanks[0].code == "Q", len(q.blanks)


def _separate(papers):
    """Moves a question that another of its paper gives away to another paper of the same
    set, in exchange for a question of the same kind and number of blanks that fits there;
    each keeps the marks of the place it takes, so every paper keeps its marks."""
    def clashes(q, paper, leaving=None):
        return any(gives_away(q, o) for o in paper if o is not q and o is not leaving)

    for paper in papers:
        for i, q in enumerate(paper):
            if not clashes(q, paper):
                continue
            for other in papers:
                if other is paper:
                    continue
                spot = next((j for j, c in enumerate(other) if _size(c) == _size(q)
                             and not clashes(c, paper, q) and not clashes(q, other, c)), None)
                if spot is None:
                    continue
                c = other[spot]
                marks = [b.marks for b in q.blanks]
                for b, m in zip(q.blanks, [b.marks for b in c.blanks]):
                    b.marks = m
                for b, m in zip(c.blanks, marks):
                    b.marks = m
                paper[i], other[spot] = c, q
                break


def _even_groups(paper):
    """Gives every blank of a group the marks of its smallest blank, since a group takes its
    answers in any order, and hands each mark so freed to a written question of one blank in
    the same paper (a written one with two marks first), so the paper keeps its total."""
    freed = 0
    for q in paper:
        for span in group_spans(q.blanks):
            low = min(q.blanks[i].marks for i in span)
            for i in span:
                freed += q.blanks[i].marks - low
                q.blanks[i].marks = low
    # a written answer is worth a third mark before a true-or-false one is
    singles = [q.blanks[0] for q in sorted(paper, key=qtext.is_true_false)
               if len(q.blanks) == 1 and q.blanks[0].code != "Q"]
    for want in (2, 1):
        for b in singles:
            if freed and b.marks == want:
                b.marks += 1
                freed -= 1
    assert not freed, "no single blank left to take a group's odd mark"


def _same_fact(a, b):
    return bool(about(a) & about(b)) and (qtext.is_true_false(a) or qtext.is_true_false(b))


def _asked_again(a, b):
    # the content rule's own test, so the mend and the check agree
    from rules import science_near_duplicate
    return bool(science_near_duplicate._within([Paper(0, [b, a])]))


def _one_fact_per_set(mocks, topics, pools):
    """Takes out of the mock set a question whose fact an earlier question of the set already
    tests: in exchange for a question of its own topic, of the same kind and number of blanks,
    that tests no fact of the set and gives nothing away where it goes, first from those left
    in the pools, else from a paper of the topic. Each keeps the marks of the place it takes,
    so every paper keeps its marks."""
    for paper in mocks:
        for i, q in enumerate(paper):
            every = [o for p in mocks for o in p]
            if not any(_same_fact(q, o) for o in every[:every.index(q)]):
                continue
            fits = [c for c in pools[q.topic][0] + pools[q.topic][1] if _size(c) == _size(q)]
            fits = [(None, c) for c in fits] + [
                (home, c) for home in topics[q.topic] for c in home if _size(c) == _size(q)]
            home, c = next((h, c) for h, c in fits
                           if not any(_same_fact(c, o) or _asked_again(c, o)
                                      for o in every if o is not q)
                           and not any(gives_away(c, o) for o in paper if o is not q)
                           and (h is None or not any(gives_away(q, o) for o in h
                                                     if o is not c)))
            given, taken = [b.marks for b in q.blanks], [b.marks for b in c.blanks]
            for b, m in zip(c.blanks, given):
                b.marks = m
            if home is None:
                pools[q.topic][0 if c.blanks[0].code == "Q" else 1].remove(c)
            else:
                for b, m in zip(q.blanks, taken):
                    b.marks = m
                home[home.index(c)] = q
            paper[i] = c


TOPIC_MCQ, TOPIC_OPEN = 10, 5
MOCK_SIZES = [39, 39, 39, 40, 40]
MOCK_MCQ = 24


def _set_marks(questions, total):
    """Gives open questions marks adding up to total: first up to two marks a blank, then
    up to three."""
    low = [len(q.blanks) for q in questions]
    assert sum(low) <= total <= 3 * sum(low), (total, low)
    given = list(low)
    for cap in (2, 3):
        grew = True
        while sum(given) < total and grew:
            grew = False
            for i in range(len(given)):
                if sum(given) < total and given[i] < cap * low[i]:
                    given[i] += 1
                    grew = True
    for q, t in zip(questions, given):
        for b, m in zip(q.blanks, spread(t, len(q.blanks))):
            b.marks = m


def build():
    r = random.Random(SEED)
    pools = []
    reserve = []
    for topic in range(1, 7):
        mcq, written = bank_items(r, topic)
        gen_mcq, gen_open = GENERATED[topic]
        if gen_mcq:
            mcq += gen_mcq(r)
        if gen_open:
            written += gen_open(r)
        for q in mcq + written:
            q.topic = topic - 1
        r.shuffle(mcq)
        r.shuffle(written)
        # questions of several blanks are kept back for the mock papers, whose written
        # questions must carry enough marks to make 100
        several = [q for q in written if len(q.blanks) > 1][:4]
        reserve.extend(several)
        written = [q for q in written if q not in several]
        pools.append((mcq, written))
    topics = []
    for t, (mcq, written) in enumerate(pools):
        papers = []
        for _ in range(5):
            m = [mcq.pop() for _ in range(TOPIC_MCQ)]
            o = [written.pop() for _ in range(TOPIC_OPEN)]
            for q in m:
                q.blanks[0].marks = 2
            for q in o:
                for b in q.blanks:
                    b.marks = 2 if len(q.blanks) == 1 else 1
            papers.append(m + o)
        _separate(papers)
        topics.append(papers)
    mocks = []
    for k, size in enumerate(MOCK_SIZES):
        m, o = [], []
        t = k
        while len(m) < MOCK_MCQ:
            assert any(p[0] for p in pools), "Science choice questions run out"
            if pools[t % 6][0]:
                m.append(pools[t % 6][0].pop())
            t += 1
        opens = size - MOCK_MCQ - (1 if k == 4 else 0)
        share = len(reserve) // (5 - k)
        o = [reserve.pop() for _ in range(share)]
        while len(o) < opens:
            assert any(p[1] for p in pools), "Science written questions run out"
            if pools[t % 6][1]:
                o.append(pools[t % 6][1].pop())
            t += 1
        for q in m:
            q.blanks[0].marks = 2
        last = [metals_question()] if k == 4 else []
        for q in last:
            for b in q.blanks:
                b.marks = 1
        _set_marks(o, 100 - 2 * MOCK_MCQ - sum(len(q.blanks) for q in last))
        mocks.append(m + o + last)
    _separate(mocks)
    _one_fact_per_set(mocks, topics, pools)
    for paper in mocks:
        _even_groups(paper)
    topics.append(mocks)
    return topics
