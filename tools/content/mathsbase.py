"""Building blocks of Mathematics questions: page parts, numbers and marks."""

from fractions import Fraction

from model import Blank, Question
from page import answer_line, options, rows, v

NAMES = ["Mei Ling", "Ahmad", "Priya", "Ben", "Siti", "Ravi", "Hui Min", "Daniel", "Aisha",
         "Jun Jie", "Nora", "Omar", "Lily", "Kumar", "Farah", "Wei Ming", "Sarah", "Hafiz",
         "Chloe", "Arjun"]

RULE = ('<p class="rule">Type a fraction like 3/4 and a mixed number like 1 2/3. '
        'Give fractions in their simplest form.</p>')

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


def cents_key(amount_cents):
    return "%d.%02d" % divmod(amount_cents, 100)


def frac(n, d):
    return "%d/%d" % (n, d)


def frac_key(value):
    value = Fraction(value)
    assert 0 < value < 1, value
    return "%d/%d" % (value.numerator, value.denominator)


def mixed_key(value):
    value = Fraction(value)
    whole = value.numerator // value.denominator
    rest = value - whole
    assert whole > 0 and rest > 0, value
    return "%d %d/%d" % (whole, rest.numerator, rest.denominator)


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
