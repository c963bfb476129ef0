"""Building blocks of Mathematics questions: page parts, numbers and marks."""

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
