"""Building blocks of Mathematics questions: page parts, numbers and marks."""

import html as htmlmod
import re
from fractions import Fraction

from model import Blank, Question
from page import answer_line, options, rows, v

# Every child the questions name, with the pronouns a sentence about them takes. Makers write
# he(n), him(n) and his(n) instead of a fixed "she" or "he", and rules/maths_pronouns.py reads
# this table to check that every page agrees with it.
PEOPLE = [("Mei Ling", "f"), ("Ahmad", "m"), ("Priya", "f"), ("Ben", "m"), ("Siti", "f"),
          ("Ravi", "m"), ("Hui Min", "f"), ("Daniel", "m"), ("Aisha", "f"), ("Jun Jie", "m"),
          ("Nora", "f"), ("Omar", "m"), ("Lily", "f"), ("Kumar", "m"), ("Farah", "f"),
          ("Wei Ming", "m"), ("Sarah", "f"), ("Hafiz", "m"), ("Chloe", "f"), ("Arjun", "m")]
NAMES = [n for n, _ in PEOPLE]
# Grown-ups named by their title; name() never picks them for a child's part.
ADULTS = [("Mr Lim", "m"), ("Mrs Tan", "f"), ("Mr Kumar", "m"), ("Miss Wong", "f")]
TEACHERS = [n for n, _ in ADULTS]
GENDER = dict(PEOPLE + ADULTS)

_PRONOUNS = {"f": {"he": "she", "him": "her", "his": "her"},
             "m": {"he": "he", "him": "him", "his": "his"}}


def he(n):
    return _PRONOUNS[GENDER[n]]["he"]


def him(n):
    return _PRONOUNS[GENDER[n]]["him"]


def his(n):
    return _PRONOUNS[GENDER[n]]["his"]


def cap(word):
    return word[:1].upper() + word[1:]


TIMES = "&times;"
DIVIDE = "&divide;"


def name(r, avoid=()):
    while True:
        n = r.choice(NAMES)
        if n not in avoid:
            return n


def stem(html):
    return '<p class="stem">' + html + "</p>"


def ins(html):
    return '<p class="ins">' + html + "</p>"


def expr(html):
    return '<p class="stem"><span class="expr">' + html + " =</span></p>"


def money(amount_cents, marked=True):
    text = "%d.%02d" % divmod(amount_cents, 100)
    return "$" + (v(text) if marked else text)


def frac(n, d):
    return "%d/%d" % (n, d)


def frac_key(value):
    value = Fraction(value)
    assert 0 < value < 1, value
    return "%d/%d" % (value.numerator, value.denominator)


def choice(r, stem_html, correct, wrong, picture_html="", before=""):
    """A choice question: correct and three wrong option texts (HTML), shuffled."""
    opts = [correct] + list(wrong)
    assert len(opts) == 4 and len(set(opts)) == 4, opts
    r.shuffle(opts)
    key = str(opts.index(correct) + 1)
    body = before + stem(stem_html) + picture_html + options(opts) + rows([("", "", None)])
    return body, [Blank("Q", key)]


def number_options(r, correct, candidates):
    """Three distinct wrong numbers taken from candidates."""
    wrong = []
    for c in candidates:
        if c != correct and c not in wrong and c > 0:
            wrong.append(c)
    r.shuffle(wrong)
    assert len(wrong) >= 3, (correct, candidates)
    return [str(w) for w in wrong[:3]]


def q(body, blanks, pictures=None, tag=""):
    return Question(body, blanks, pictures, tag)


def one(code, key, before="", after="", calc=None):
    """The rows and blank of a one-blank question."""
    return rows([(before, after, calc)]), [Blank(code, key)]


def many(items):
    """items: (code, key, before, after, calc) per blank."""
    html = rows([(b, a, c) for (_, _, b, a, c) in items])
    return html, [Blank(code, key) for (code, key, _, _, _) in items]


def blank_inline(n, count, calc=None):
    """A blank shown inside a number sentence (for missing-number questions)."""
    return answer_line(n, count, "", "", calc).replace('<span class="lbl">Answer:</span>', "")


def topic_of(paper_key, index, topics=6):
    """1-based topic of question index (0-based) of a Mathematics paper, for rules that check
    some topics only: the mock examination takes its questions from the topics in turn."""
    t = (paper_key - 101) // 5
    return index % topics + 1 if t == topics else t + 1


def questions_of(subject, papers, wanted):
    """(paper, question) of the Mathematics topics in wanted (1-based numbers)."""
    if subject["number"] != 2:
        return []
    return [(p, q) for p in papers for i, q in enumerate(p.questions)
            if topic_of(p.key, i) in wanted]


def unit_key(number, unit):
    """M key of a whole-number answer printed with its unit beside the line: the bare number
    first (the content test recomputes it), then the number with the unit, spaced or close up
    for a unit symbol, and each with a thousands comma, which the number rule also read."""
    numbers = [str(number)] + (["{:,}".format(number)] if number >= 1000 else [])
    forms = list(numbers)
    for n in numbers:
        forms.append("%s %s" % (n, unit))
        if len(unit) <= 2:
            forms.append(n + unit)
    return ";" + ";".join(forms)


def dollar_key(dollars):
    """M key of a whole number of dollars printed after "$": with or without the "$" (close up
    or spaced) and the ".00" a pupil may add."""
    forms = ["%d" % dollars, "%d.00" % dollars]
    return ";" + ";".join(forms + ["$" + f for f in forms] + ["$ " + f for f in forms])


def one_unit(number, unit, calc=None):
    """The rows and blank of a one-blank question whose answer is printed with its unit."""
    return rows([("", unit, calc)]), [Blank("M", unit_key(number, unit))]


# ---------------------------------------------------------------------------------------------
# What a pupil writes beside a number: the unit printed by the line, or the thing counted

_ANS = re.compile(r'<span class="ans" data-b="(\d+)"[^>]*>(.*?)<span class="line">&nbsp;'
                  r'</span>(.*?)</span>', re.S)
# Units a pupil writes close up as well as spaced ("285min", "84cm²"), with the forms of a
# square unit that a keyboard can type.
_SYMBOLS = {"cm": [], "m": [], "km": [], "g": [], "kg": [], "l": [], "ml": [], "h": [],
            "min": [], "cm²": ["cm2"], "m²": ["m2"]}
# "How many minutes ..." is answered "15 min" as often as "15 minutes"
_WORD_SYMBOL = {"minutes": "min", "hours": "h", "metres": "m", "centimetres": "cm",
                "kilometres": "km", "grams": "g", "kilograms": "kg", "litres": "l",
                "millilitres": "ml"}
_STOP = {"did", "does", "do", "are", "is", "were", "was", "can", "could", "will", "would",
         "chose", "like", "liked", "visited", "came", "of", "in", "have", "has", "had", "there",
         "than", "got", "get", "does", "must", "should", "fit", "go", "went", "left"}
_IRREGULAR = {"children": "child", "people": "person", "men": "man", "women": "woman",
              "sheep": "sheep", "fish": "fish", "geese": "goose", "mice": "mouse",
              "teeth": "tooth", "feet": "foot", "boxes": "box", "buses": "bus",
              "minibuses": "minibus", "tomatoes": "tomato", "potatoes": "potato",
              "glasses": "glass", "classes": "class", "brushes": "brush", "matches": "match",
              "watches": "watch", "peaches": "peach", "benches": "bench", "dresses": "dress"}


def _plain(html_text):
    return " ".join(htmlmod.unescape(re.sub(r"<[^>]+>", " ", html_text)).split())


def lines_of(body):
    """{blank number: (text asked since the last line up to it, text before the line, text
    after it)} as the pupil reads them."""
    out = {}
    last = 0
    for m in _ANS.finditer(body):
        before = re.sub(r'<span class="lbl">.*?</span>', "", m.group(2))
        asked = _plain(body[last:m.start()] + " " + before)
        out[int(m.group(1))] = (asked, _plain(before), _plain(m.group(3)))
        last = m.end()
    return out


def counted(asked):
    """The thing a "How many ...?" question counts ("red beads", "pupils"), or ""."""
    found = re.findall(r"How many ((?:[a-z]+ ){0,3}?[a-z]+)(?= (?:%s)\b|[?,.])"
                       % "|".join(sorted(_STOP)), asked)
    if not found:
        return ""
    words = found[-1].split()
    if words[0] in ("more", "fewer", "less", "other"):
        words = words[1:]
    return " ".join(words)


def singular(noun):
    last = noun.split()[-1]
    if last in _IRREGULAR:
        one_ = _IRREGULAR[last]
    elif last.endswith("ies"):
        one_ = last[:-3] + "y"
    elif last.endswith("s") and not last.endswith("ss"):
        one_ = last[:-1]
    else:
        one_ = last
    return " ".join(noun.split()[:-1] + [one_])


def _with(numbers, word, close_up):
    forms = []
    for n in numbers:
        forms.append("%s %s" % (n, word))
        if close_up:
            forms.append(n + word)
    return forms


def named_forms(number, after, asked):
    """Every form of a whole-number answer a pupil may rightly type: the bare number (first),
    with a thousands comma, and with the unit printed after the line or the noun counted by
    the question ("4681 people", "1 book", "285 min", "84 cm2")."""
    numbers = [number] + (["{:,}".format(int(number))] if re.fullmatch(r"\d{4,}", number)
                          else [])
    forms = list(numbers)
    if after:
        if after.isascii():  # the answer files hold plain text: "cm2" stands for "cm²"
            forms += _with(numbers, after, after in _SYMBOLS)
        for other in _SYMBOLS.get(after, []):
            forms += _with(numbers, other, True)
        if number == "1" and after not in _SYMBOLS and singular(after) != after:
            forms += _with(numbers, singular(after), False)
        return forms
    noun = counted(asked)
    if not noun:
        return forms
    words = [noun] + ([noun.split()[-1]] if " " in noun else [])
    if number == "1":
        words = [singular(w) for w in words]
    for w in words:
        forms += _with(numbers, w, False)
        if w in _WORD_SYMBOL:
            forms += _with(numbers, _WORD_SYMBOL[w], True)
    if number == "0":
        forms.append("none")  # "How many right angles?" "None." is a whole right answer
    return forms


def accept_named(question):
    """Turns each "N" blank whose answer has a unit or a counted noun into an "M" blank that
    accepts it typed; the bare number stays first, so it is the model answer."""
    for n, (asked, before, after) in lines_of(question.body).items():
        b = question.blanks[n - 1]
        if b.code != "N" or before.endswith("$") or not re.fullmatch(r"\d+", b.key):
            continue
        forms = named_forms(b.key, after, asked)
        if len(forms) > 1 and any(not re.fullmatch(r"[\d,]+", f) for f in forms):
            b.code, b.key = "M", ";" + ";".join(forms)
