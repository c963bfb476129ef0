"""Mathematics papers, generated from numbers with a fixed seed.

Every topic has three pools of question makers: choice questions, short questions (one or two
blanks) and longer questions (two to four blanks). A maker takes a random generator and returns
a Question whose blanks carry their marks later, when the paper is put together. Numbers the
pupil works with are marked on the page and each computed blank says how its answer follows
from them, so the content test can recompute every answer.
"""

import random
from fractions import Fraction

import bank
import svg
from mathsbase import (DIVIDE, TEACHERS, TIMES, blank_inline, cap, choice, dollar_key, expr,
                       frac, frac_key, he, him, his, ins, many, money, name, number_options,
                       one, one_unit, q, stem, unit_key, accept_named)
from model import Blank, alts, spread
from page import picture, rows, v

SEED = 3141

# ---------------------------------------------------------------------------------------------
# Topic 1: addition and subtraction within 10000


def t1_place_value(r):
    digits = r.sample(range(1, 10), 4)
    n = int("".join(map(str, digits)))
    pos = r.randrange(4)
    d = digits[pos]
    value = d * 10 ** (3 - pos)
    opts = [str(d * 10 ** k) for k in range(4)]
    body, blanks = choice(r, "In <b>%d</b>, what is the value of the digit <b>%d</b>?" % (n, d),
                          str(value), [o for o in opts if o != str(value)])
    return q(body, blanks, tag="pv%d-%d" % (n, pos))


def t1_more_less(r):
    n = r.randint(1100, 8800)
    step = r.choice([10, 100, 1000])
    more = r.random() < 0.5
    ans = n + step if more else n - step
    word = "more" if more else "less"
    cands = [n + s for s in (10, 100, 1000, -10, -100, -1000) if n + s != ans]
    body, blanks = choice(r, "What is %d %s than %d?" % (step, word, n), str(ans),
                          number_options(r, ans, cands))
    return q(body, blanks, tag="ml%d-%d" % (n, step))


def t1_greatest(r):
    th = r.randint(2, 9)
    nums = set()
    while len(nums) < 4:
        nums.add(th * 1000 + r.randint(0, 999))
    nums = sorted(nums)
    big = r.random() < 0.5
    ans = nums[-1] if big else nums[0]
    body, blanks = choice(r, "Which number is the %s?" % ("greatest" if big else "smallest"),
                          str(ans), [str(x) for x in nums if x != ans])
    return q(body, blanks, tag="gs%d" % ans)


def t1_expanded(r):
    a, b, c = r.randint(1, 9), r.randint(1, 9), r.randint(1, 9)
    while c == b:  # with b = c two of the wrong numbers would be the same
        c = r.randint(1, 9)
    ans = a * 1000 + b * 100 + c
    wrong = [a * 1000 + c * 100 + b * 10, a * 1000 + b * 10 + c, a * 1000 + b * 100 + c * 10]
    body, blanks = choice(r, "Which number is %d + %d + %d?" % (a * 1000, b * 100, c),
                          str(ans), [str(w) for w in wrong])
    return q(body, blanks, tag="ex%d" % ans)


def t1_sum_choice(r):
    a, b = r.randint(1200, 5800), r.randint(1200, 3900)
    ans = a + b
    cands = [ans + 10, ans - 10, ans + 100, ans - 100, ans + 1000, ans - 1000]
    body, blanks = choice(r, "What is the sum of %d and %d?" % (a, b), str(ans),
                          number_options(r, ans, cands))
    return q(body, blanks, tag="sc%d-%d" % (a, b))


_ONES = ["", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
         "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen",
         "eighteen", "nineteen"]
_TENS = ["", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"]


def number_words(n):
    """A number from 1000 to 9999 in words, as a British teacher writes it."""
    th, rest = divmod(n, 1000)
    h, t = divmod(rest, 100)
    parts = [_ONES[th] + " thousand"]
    if h:
        parts.append(_ONES[h] + " hundred")
    if t:
        tens = _ONES[t] if t < 20 else _TENS[t // 10] + ("-" + _ONES[t % 10] if t % 10 else "")
        parts.append("and " + tens)
    return " ".join(parts)


def t1_words(r):
    th, h, t, o = r.randint(1, 9), r.randint(0, 9), r.randint(0, 9), r.randint(1, 9)
    if r.random() < 0.5:  # a zero in the number is where pupils slip
        if r.random() < 0.5:
            h = 0
        else:
            t = 0
    n = th * 1000 + h * 100 + t * 10 + o
    cands = []
    for a, b, c in ((h, o, t), (t, h, o), (t, o, h), (o, h, t), (o, t, h)):
        cands.append(th * 1000 + a * 100 + b * 10 + c)
    cands += [n + 100, n - 100, n + 10, n - 10]
    cands = [x for x in cands if x >= 1000]
    body, blanks = choice(r, "Which number is %s?" % number_words(n), str(n),
                          number_options(r, n, cands))
    return q(body, blanks, tag="wd%d" % n)


def t1_difference_choice(r):
    a = r.randint(4000, 9800)
    b = r.randint(1200, a - 800)
    ans = a - b
    cands = [ans + 10, ans - 10, ans + 100, ans - 100, ans + 1000, ans - 1000]
    body, blanks = choice(r, "What is the difference between %d and %d?" % (a, b), str(ans),
                          number_options(r, ans, cands))
    return q(body, blanks, tag="df%d-%d" % (a, b))


def t1_add(r):
    a = r.randint(1000, 7999)
    b = r.randint(300, 9999 - a - 1)
    body = ins("Work out.") + expr("%d + %d" % (a, b))
    html, blanks = one("N", str(a + b), calc="e1")
    return q(body + html, blanks, tag="add%d-%d" % (a, b))


def t1_subtract(r):
    if r.random() < 0.4:
        a = r.choice([2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 4005, 6003, 8020])
    else:
        a = r.randint(2000, 9999)
    b = r.randint(500, a - 200)
    body = ins("Work out.") + expr("%d &minus; %d" % (a, b))
    html, blanks = one("N", str(a - b), calc="e1")
    return q(body + html, blanks, tag="sub%d-%d" % (a, b))


def t1_missing(r):
    a = r.randint(1200, 6000)
    b = r.randint(400, 3900)
    kind = r.randrange(3)
    if kind == 0:  # a + ? = c
        sentence = "%s + %s = %s" % (v(a), blank_inline(1, 1, "v2-v1"), v(a + b))
        key = b
    elif kind == 1:  # ? - b = a
        sentence = "%s &minus; %s = %s" % (blank_inline(1, 1, "v1+v2"), v(b), v(a))
        key = a + b
    else:  # c - ? = a
        sentence = "%s &minus; %s = %s" % (v(a + b), blank_inline(1, 1, "v1-v2"), v(a))
        key = b
    body = ins("Find the missing number.") + stem(sentence)
    return q(body, [Blank("N", str(key))], tag="mis%d-%d-%d" % (a, b, kind))


def t1_pattern(r):
    step = r.choice([10, 50, 100, 200, 250, 1000, 25])
    up = r.random() < 0.5
    start = r.randint(1000, 5000) // 5 * 5
    seq = [start + i * step for i in range(4)]
    if not up:
        seq = [start + 3 * step - i * step for i in range(4)]
    shown = ", ".join(v(x) for x in seq[:3])
    body = ins("Find the next number in the pattern.") + stem(shown + ", ?")
    html, blanks = one("N", str(seq[3]), calc="v3+(v3-v2)")
    return q(body + html, blanks, tag="pat%d-%d" % (start, step))


def _count(n, word):
    return "%s %s" % (v(n), word if n == 1 else word + "s")


def t1_place_number(r):
    a, b, c = r.randint(1, 9), r.randint(0, 9), r.randint(1, 9)
    if b:
        parts = "%s, %s and %s" % (_count(a, "thousand"), _count(b, "hundred"), _count(c, "one"))
        calc = "v1*1000+v2*100+v3"
    else:  # no hundreds: a teacher leaves the place out rather than say "0 hundreds"
        parts = "%s and %s" % (_count(a, "thousand"), _count(c, "one"))
        calc = "v1*1000+v2"
    body = stem("Write the number that has %s." % parts)
    html, blanks = one("N", str(a * 1000 + b * 100 + c), calc=calc)
    return q(body + html, blanks, tag="pn%d%d%d" % (a, b, c))


# (kind, text, unit, smallest and largest first number, smallest and largest second number):
# each story keeps to numbers that are real for it.
ADD_STORIES = [
    ("library", "A library has {a} storybooks and {b} science books. How many books does it "
     "have altogether?", "books", (1500, 5000), (800, 3000)),
    ("steps", "{n} walked {a} steps in the morning and {b} steps in the evening. How many "
     "steps did {n} walk in all?", "steps", (1000, 4500), (1000, 4500)),
    ("farm", "A fruit farm picked {a} oranges last week and {b} oranges this week. How many "
     "oranges did the farm pick in the two weeks?", "oranges", (1000, 5000), (800, 4000)),
    ("zoo", "On Saturday {a} people visited the zoo. On Sunday {b} people visited it. How "
     "many people visited the zoo on the two days?", "people", (1000, 5000), (800, 4000)),
    ("bakery", "A bakery sold {a} buns in May and {b} buns in June. How many buns did it sell "
     "in the two months?", "buns", (1000, 5000), (800, 4000)),
]

SUB_STORIES = [
    ("stadium", "A stadium has {a} seats. {b} seats are taken. How many seats are empty?",
     "seats", (5000, 9800), (900, 4500)),
    ("stickers", "A toy shop had {a} stickers. It sold {b} stickers. How many stickers did "
     "the shop have left?", "stickers", (3000, 9000), (900, 2500)),
    ("eggs", "A farm collected {a} eggs this month. {b} eggs were sold. How many eggs were not "
     "sold?", "eggs", (3000, 9800), (900, 2500)),
    ("trees", "Town A has {a} trees. Town B has {b} trees. How many more trees does Town A "
     "have than Town B?", "trees", (3000, 9800), (900, 2500)),
    ("ship", "A ship carried {a} passengers. {b} of them got off at the first port. How many "
     "passengers were still on the ship?", "passengers", (3000, 6000), (900, 2500)),
]


def t1_story(r):
    add = r.random() < 0.5
    kind, text, unit, (lo, hi), (lo2, hi2) = r.choice(ADD_STORIES if add else SUB_STORIES)
    a, b = r.randint(lo, hi), r.randint(lo2, hi2)
    key, calc = (a + b, "v1+v2") if add else (a - b, "v1-v2")
    body = stem(text.format(a=v(a), b=v(b), n=name(r)))
    html, blanks = one_unit(key, unit, calc=calc)
    return q(body + html, blanks, tag="once:%s:%d-%d" % (kind, a, b))


def t1_two_step(r):
    kind = r.randrange(8)
    if kind == 0:
        boys, drawn = r.randint(500, 1400), r.randint(500, 1400)
        went = r.randint(300, boys + drawn - 200)
        # a mixed school has about as many girls as boys (each 40 % to 60 % of the pupils):
        # the draw is kept, so the later questions keep theirs, and moved into that range
        girls = drawn
        low, high = -(-2 * boys // 3), 3 * boys // 2
        if not low <= girls <= high:
            girls = low + (drawn - 500) * (high - low) // 900
            if went > boys + girls - 200:
                went = 300 + (went - 300) * (boys + girls - 500) // (boys + drawn - 500)
        body = stem("A school has %s boys and %s girls. %s pupils went to the Science Centre."
                    % (v(boys), v(girls), v(went)))
        html, blanks = many([
            ("N", str(boys + girls), "How many pupils are there in the school?", "", "v1+v2"),
            ("N", str(boys + girls - went), "How many pupils did not go?", "", "v1+v2-v3")])
        tag = "school:%d-%d" % (boys, girls)
    elif kind == 1:
        a = r.randint(2500, 4800)  # both schools together stay within 10 000
        fewer = r.randint(300, 1800)
        body = stem("Sunrise School collected %s bottle caps for recycling. Hillview School "
                    "collected %s fewer bottle caps than Sunrise School." % (v(a), v(fewer)))
        html, blanks = many([
            ("N", str(a - fewer), "How many bottle caps did Hillview School collect?", "",
             "v1-v2"),
            ("N", str(2 * a - fewer), "How many bottle caps did the two schools collect "
             "altogether?", "", "v1+v1-v2")])
        tag = "caps:%d-%d" % (a, fewer)
    elif kind == 2:
        have = r.randint(300, 900)
        more = r.randint(200, 600)
        spent = r.randint(150, have + more - 100)
        n1 = name(r)
        body = stem("%s had %s beads. %s bought %s more beads. Then %s used %s beads to make "
                    "bracelets." % (n1, v(have), cap(he(n1)), v(more), he(n1), v(spent)))
        html, blanks = many([
            ("N", str(have + more), "How many beads did %s have after buying more?" % n1, "",
             "v1+v2"),
            ("N", str(have + more - spent), "How many beads did %s have in the end?" % he(n1),
             "", "v1+v2-v3")])
        tag = "beads:%d-%d" % (have, more)
    elif kind == 3:
        seats = r.randint(60, 98) * 100
        adults, children = r.randint(1500, 4000), r.randint(1000, 3500)
        seats = max(seats, adults + children + 100)
        body = stem("A stadium has %s seats. %s adults and %s children came to watch a "
                    "football match." % (v(seats), v(adults), v(children)))
        html, blanks = many([
            ("N", str(adults + children), "How many people came to the match?", "", "v2+v3"),
            ("N", str(seats - adults - children), "How many seats were empty?", "",
             "v1-v2-v3")])
        tag = "stadium:%d-%d" % (adults, children)  # one stadium a paper, short or long
    elif kind == 4:
        had = r.randint(3000, 7000)
        bought = r.randint(300, 1500)
        old = r.randint(200, 1200)
        body = stem("A library had %s books. It bought %s new books. Then it gave away %s old "
                    "books to a school." % (v(had), v(bought), v(old)))
        html, blanks = many([
            ("N", str(had + bought), "How many books did the library have after buying the "
             "new books?", "", "v1+v2"),
            ("N", str(had + bought - old), "How many books did the library have in the end?",
             "", "v1+v2-v3")])
        tag = "library:%d-%d" % (had, bought)
    elif kind == 6:
        may = r.randint(1500, 4000)
        more = r.randint(200, 1500)
        body = stem("A factory made %s toy cars in May. It made %s more toy cars in June than in "
                    "May." % (v(may), v(more)))
        html, blanks = many([
            ("N", str(may + more), "How many toy cars did the factory make in June?", "",
             "v1+v2"),
            ("N", str(2 * may + more), "How many toy cars did it make in the two months?", "",
             "v1+v1+v2")])
        tag = "cars:%d-%d" % (may, more)
    elif kind == 7:
        had = r.randint(4000, 9500)
        monday, tuesday = r.randint(500, 1800), r.randint(500, 1800)
        body = stem("A bookshop had %s pencils. It sold %s pencils on Monday and %s pencils on "
                    "Tuesday." % (v(had), v(monday), v(tuesday)))
        html, blanks = many([
            ("N", str(monday + tuesday), "How many pencils did the bookshop sell on the two "
             "days?", "", "v2+v3"),
            ("N", str(had - monday - tuesday), "How many pencils did it have left?", "",
             "v1-v2-v3")])
        tag = "shop:%d-%d" % (monday, tuesday)
    else:
        target = r.randint(40, 90) * 100
        first, second = r.randint(1200, 3000), r.randint(1200, 3000)
        target = max(target, first + second + 200)
        body = stem("The pupils of Bayview School want to fold %s paper cranes for a charity "
                    "show. They folded %s cranes in March and %s cranes in April." %
                    (v(target), v(first), v(second)))
        html, blanks = many([
            ("N", str(first + second), "How many cranes did they fold in the two months?",
             "", "v2+v3"),
            ("N", str(target - first - second), "How many more cranes must they fold?",
             "", "v1-v2-v3")])
        tag = "cranes:%d-%d" % (first, second)
    return q(body + html, blanks, tag="once:" + tag)


def t1_pattern_gaps(r):
    step = r.choice([50, 100, 250, 500, 125])
    start = r.randint(60, 99) * 100
    seq = [start - i * step for i in range(5)]
    shown = "%s, %s, %s, %s, %s" % (v(seq[0]), v(seq[1]), blank_inline(1, 2, "v1-2*(v1-v2)"),
                                    v(seq[3]), blank_inline(2, 2, "v1-4*(v1-v2)"))
    body = ins("Fill in the missing numbers in the pattern.") + stem(shown)
    # one a paper: the long questions are for stories
    return q(body, [Blank("N", str(seq[2])), Blank("N", str(seq[4]))],
             tag="once:pattern:%d-%d" % (start, step))


TOPIC1 = {
    "mcq": [t1_place_value, t1_more_less, t1_greatest, t1_expanded, t1_sum_choice, t1_words,
            t1_difference_choice],
    "short": [t1_add, t1_add, t1_subtract, t1_subtract, t1_missing, t1_pattern, t1_place_number,
              t1_story, t1_story],
    # stories outnumber the pattern drill, so a paper is not half patterns
    "long": [t1_two_step, t1_two_step, t1_two_step, t1_pattern_gaps],
}

# ---------------------------------------------------------------------------------------------
# Topic 2: multiplication and division


def t2_same_value(r):
    a, b = r.sample(range(3, 10), 2)
    body, blanks = choice(r, "Which has the same value as %d %s %d?" % (a, TIMES, b),
                          "%d %s %d" % (b, TIMES, a),
                          ["%d + %d" % (a, b), "%d %s %d" % (a, TIMES, a),
                           "%d %s %d" % (b, TIMES, b)])
    return q(body, blanks, tag="sv%d%d" % (a, b))


def t2_multiple(r):
    m = r.choice([3, 4, 6, 7, 8, 9])
    ans = m * r.randint(3, 12)
    wrong = set()
    while len(wrong) < 3:
        x = r.randint(10, 100)
        if x % m:
            wrong.add(x)
    body, blanks = choice(r, "Which number is a multiple of %d?" % m, str(ans),
                          [str(w) for w in sorted(wrong)])
    return q(body, blanks, tag="mu%d-%d" % (m, ans))


def t2_remainder_choice(r):
    d = r.randint(3, 9)
    n = d * r.randint(5, 15) + r.randint(1, d - 1)
    rem = n % d
    cands = [x for x in range(0, d + 2) if x != rem]
    wrong = [str(x) for x in r.sample(cands, 3)]
    body, blanks = choice(r, "What is the remainder when %d is divided by %d?" % (n, d),
                          str(rem), wrong)
    return q(body, blanks, tag="rc%d-%d" % (n, d))


def t2_sentence(r):
    a, b = r.randint(3, 9), r.randint(4, 12)
    while a == b:
        b = r.randint(4, 12)
    things = r.choice([("boxes", "crayons"), ("bags", "oranges"), ("plates", "cookies"),
                       ("vases", "flowers"), ("rows", "chairs")])
    body, blanks = choice(r, "There are %d %s with %d %s in each. Which number sentence gives "
                          "the total number of %s?" % (a, things[0], b, things[1], things[1]),
                          "%d %s %d" % (a, TIMES, b),
                          ["%d + %d" % (a, b), "%d &minus; %d" % (max(a, b), min(a, b)),
                           "%d %s %d" % (a * b, DIVIDE, a)])
    # one a paper: the same question about other things is still the same question
    return q(body, blanks, tag="once:sentence:%s-%d-%d" % (things[0], a, b))


def t2_product_choice(r):
    a, b = r.randint(112, 489), r.randint(3, 9)
    ans = a * b
    cands = [ans + 10, ans - 10, ans + 100, ans - 100, ans + b, ans - b]
    body, blanks = choice(r, "What is the product of %d and %d?" % (a, b), str(ans),
                          number_options(r, ans, cands))
    return q(body, blanks, tag="pc%d-%d" % (a, b))


def t2_table(r):
    a, b = r.randint(6, 9), r.randint(3, 12)
    if r.random() < 0.5:
        body = ins("Work out.") + expr("%d %s %d" % (a, TIMES, b))
        key = a * b
    else:
        body = ins("Work out.") + expr("%d %s %d" % (a * b, DIVIDE, a))
        key = b
    html, blanks = one("N", str(key), calc="e1")
    return q(body + html, blanks, tag="tb%d-%d-%d" % (a, b, key))


def t2_multiply(r):
    a, b = r.randint(23, 999), r.randint(2, 9)
    body = ins("Work out.") + expr("%d %s %d" % (a, TIMES, b))
    html, blanks = one("N", str(a * b), calc="e1")
    return q(body + html, blanks, tag="mx%d-%d" % (a, b))


def t2_divide(r):
    b = r.randint(2, 9)
    ans = r.randint(12, 999 // b)  # a dividend of three digits at most
    body = ins("Work out.") + expr("%d %s %d" % (ans * b, DIVIDE, b))
    html, blanks = one("N", str(ans), calc="e1")
    return q(body + html, blanks, tag="dv%d-%d" % (ans, b))


def t2_missing_factor(r):
    a, b = r.randint(3, 9), r.randint(4, 12)
    if r.random() < 0.5:
        sentence = "%s %s %s = %s" % (blank_inline(1, 1, "v2/v1"), TIMES, v(a), v(a * b))
    else:
        sentence = "%s %s %s = %s" % (v(a), TIMES, blank_inline(1, 1, "v2/v1"), v(a * b))
    body = ins("Find the missing number.") + stem(sentence)
    return q(body, [Blank("N", str(b))], tag="mf%d-%d" % (a, b))


# (kind, text, unit, smallest and largest number in each group)
MUL_STORIES = [
    ("chairs", "There are {a} rows of chairs in the hall. Each row has {b} chairs. How many "
     "chairs are there?", "chairs", (12, 30)),
    ("pencils", "A box holds {b} pencils. How many pencils are there in {a} such boxes?",
     "pencils", (12, 48)),
    ("pages", "{n} reads {b} pages of a book every day. How many pages does {n} read in {a} "
     "days?", "pages", (12, 30)),
    ("minibus", "A minibus can carry {b} children. How many children can {a} minibuses "
     "carry?", "children", (12, 20)),
    ("tiles", "A wall has {a} rows of tiles. There are {b} tiles in each row. How many tiles "
     "are there on the wall?", "tiles", (20, 65)),
]

DIV_STORIES = [
    ("stickers", "{t} stickers are shared equally among {a} children. How many stickers does "
     "each child get?", "stickers", (12, 40)),
    ("muffins", "A baker puts {t} muffins into boxes of {a}. How many boxes does she fill?",
     "boxes", (12, 40)),
    ("teams", "{t} pupils are put into {a} equal teams. How many pupils are in each team?",
     "pupils", (12, 40)),
    ("rope", "A rope {t} cm long is cut into {a} equal pieces. How long is each piece?", "cm",
     (12, 60)),
]


def t2_story(r):
    if r.random() < 0.5:
        kind, text, unit, (lo, hi) = r.choice(MUL_STORIES)
        a, b = r.randint(3, 9), r.randint(lo, hi)
        body = stem(text.format(a=v(a), b=v(b), n=name(r)))
        calc = "v1*v2"
        key = a * b
    else:
        kind, text, unit, (lo, hi) = r.choice(DIV_STORIES)
        a = r.randint(3, 9)
        key = r.randint(lo, hi)
        body = stem(text.format(t=v(a * key), a=v(a)))
        calc = "v1/v2"
    html, blanks = one_unit(key, unit, calc=calc)
    return q(body + html, blanks, tag="once:%s:%d-%d" % (kind, a, key))


def t2_remainder(r):
    d = r.randint(3, 9)
    n = d * r.randint(11, 99) + r.randint(1, d - 1)
    body = ins("Divide. Write the answer and the remainder.") + expr("%d %s %d" %
                                                                     (n, DIVIDE, d))
    body = body.replace('<span class="expr">%d' % n, '<span class="expr">%s' % v(n))
    body = body.replace("%s %d =" % (DIVIDE, d), "%s %s =" % (DIVIDE, v(d)))
    html, blanks = many([("N", str(n // d), "Answer", "", "v1\\v2"),
                         # "R 4" is how the remainder is written beside a division
                         ("M", ";%d;r%d;r %d" % ((n % d,) * 3), "Remainder", "", "v1%v2")])
    return q(body + html, blanks, tag="rm%d-%d" % (n, d))


def t2_two_step(r):
    kind = r.randrange(6)
    if kind == 0:
        # so many pencils are a teacher's, not a child's
        packs, per = r.randint(3, 9), r.randint(6, 24)
        gave = r.randint(5, packs * per - 5)
        n1 = r.choice(TEACHERS)
        body = stem("%s bought %s packets of pencils for the class. There were %s pencils in "
                    "each packet. %s gave %s pencils to the pupils." %
                    (n1, v(packs), v(per), cap(he(n1)), v(gave)))
        html, blanks = many([
            ("N", str(packs * per), "How many pencils did %s buy?" % n1, "", "v1*v2"),
            ("N", str(packs * per - gave), "How many pencils did %s have left?" % he(n1), "",
             "v1*v2-v3")])
        tag = "pencils:%d-%d" % (packs, per)
    elif kind == 1:
        size = r.choice([4, 6, 8])
        total = size * r.randint(8, 30) + r.randint(1, size - 1)
        body = stem("A farmer has %s eggs. He packs them into boxes of %s eggs each." %
                    (v(total), v(size)))
        html, blanks = many([
            ("N", str(total // size), "How many boxes can he fill?", "", "v1\\v2"),
            ("N", str(total % size), "How many eggs are left over?", "", "v1%v2")])
        tag = "eggs:%d-%d" % (total, size)
    elif kind == 2:
        count = r.randint(3, 9)
        price = r.randint(4, 90 // count)  # the bill and the note paid stay within $100
        paid = (price * count) // 10 * 10 + 10
        n1 = name(r)
        body = stem("%s bought %s books. Each book cost $%s. %s paid with $%s." %
                    (n1, v(count), v(price), cap(he(n1)), v(paid)))
        html, blanks = many([
            ("M", dollar_key(price * count), "How much did the books cost?", "", "v1*v2"),
            ("M", dollar_key(paid - price * count), "How much change did %s get?" % n1, "",
             "v3-v1*v2")])
        # "$" printed before each answer line
        html = html.replace('<span class="line">', ' $<span class="line">')
        tag = "books:%d-%d" % (price, count)
    elif kind == 3:
        boxes, per = r.randint(3, 9), r.randint(12, 40)
        # a number of classes that shares the balls out exactly, not just one per box
        classes = r.choice([c for c in range(2, 10) if boxes * per % c == 0 and c != boxes]
                           or [boxes])
        body = stem("A school bought %s boxes of balls. There were %s balls in each box. The "
                    "balls were shared equally among %s classes." % (v(boxes), v(per),
                                                                     v(classes)))
        html, blanks = many([
            ("N", str(boxes * per), "How many balls did the school buy?", "", "v1*v2"),
            ("N", str(boxes * per // classes), "How many balls did each class get?", "",
             "v1*v2/v3")])
        tag = "balls:%d-%d-%d" % (boxes, per, classes)
    elif kind == 4:
        groups = r.randint(3, 9)
        each = r.randint(10, 40)
        extra = r.randint(10, 60)
        n1 = name(r)
        body = stem("%s sorts %s marbles into %s bags with the same number of marbles in each "
                    "bag. Then %s friend gives %s %s more marbles." %
                    (n1, v(groups * each), v(groups), his(n1), him(n1), v(extra)))
        html, blanks = many([
            ("N", str(each), "How many marbles are in each bag?", "", "v1/v2"),
            ("N", str(groups * each + extra), "How many marbles does %s have now?" % n1, "",
             "v1+v3")])
        tag = "marbles:%d-%d" % (groups, each)
    else:
        rows_, per = r.randint(4, 9), r.randint(15, 40)
        more = r.randint(20, 150)
        body = stem("A farmer planted %s rows of corn with %s plants in each row. His neighbour "
                    "planted %s more plants than he did." % (v(rows_), v(per), v(more)))
        html, blanks = many([
            ("N", str(rows_ * per), "How many plants did the farmer plant?", "", "v1*v2"),
            ("N", str(2 * rows_ * per + more), "How many plants did the two of them plant "
             "altogether?", "", "v1*v2*2+v3")])
        tag = "corn:%d-%d" % (rows_, per)
    return q(body + html, blanks, tag="once:" + tag)


def t2_times_table(r):
    """Fifteen blanks: five numbers times three others, laid out as a table to complete."""
    across = sorted(r.sample([3, 4, 6, 7, 8, 9], 3))
    down = sorted(r.sample(range(12, 100), 5))
    head = "<tr><th>%s</th>%s</tr>" % (TIMES, "".join("<th>%s</th>" % v(c) for c in across))
    lines, blanks = [], []
    for i, a in enumerate(down):
        cells = []
        for j, b in enumerate(across):
            n = len(blanks) + 1
            # v1..v3 head the columns; the number heading row i is v(4 + i).
            cells.append("<td>%s</td>" % blank_inline(n, 15, "v%d*v%d" % (4 + i, 1 + j)))
            blanks.append(Blank("N", str(a * b)))
        lines.append("<tr><th>%s</th>%s</tr>" % (v(a), "".join(cells)))
    body = (ins("Complete the multiplication table. Type the number that goes in each space in "
                "the answer box with the same letter.")
            + '<table class="t">%s%s</table>' % (head, "".join(lines)))
    return q(body, blanks, tag="tt%s%s" % (across, down))


TOPIC2 = {
    "mcq": [t2_same_value, t2_multiple, t2_remainder_choice, t2_sentence, t2_product_choice],
    "short": [t2_table, t2_table, t2_multiply, t2_multiply, t2_divide, t2_divide,
              t2_missing_factor, t2_story, t2_story],
    "long": [t2_remainder, t2_two_step, t2_two_step, t2_two_step],
}

# ---------------------------------------------------------------------------------------------
# Topic 3: length, mass and volume

UNIT_ITEMS = [
    ("the length of a pencil", "cm", ["km", "kg", "l"]),
    ("the height of a flagpole", "m", ["g", "ml", "kg"]),
    ("the distance between two towns", "km", ["cm", "g", "ml"]),
    ("the mass of an apple", "g", ["km", "l", "m"]),
    ("the mass of a bag of rice", "kg", ["ml", "cm", "km"]),
    ("the amount of water in a bathtub", "l", ["cm", "g", "km"]),
    ("the amount of medicine in a spoon", "ml", ["km", "kg", "m"]),
    ("the length of a swimming pool", "m", ["ml", "g", "kg"]),
    ("the mass of a letter", "g", ["km", "l", "m"]),
    ("the amount of petrol in a car's tank", "l", ["cm", "g", "km"]),
    ("the width of a book", "cm", ["km", "kg", "l"]),
    ("the mass of a watermelon", "kg", ["ml", "cm", "km"]),
]


def t3_unit(r):
    what, unit, wrong = r.choice(UNIT_ITEMS)
    body, blanks = choice(r, "Which unit would you use to measure %s?" % what, unit, wrong)
    return q(body, blanks, tag="unit-" + what)


def _kg_g(g):
    kg, rest = divmod(g, 1000)
    if kg and rest:
        return "%d kg %d g" % (kg, rest)
    return "%d kg" % kg if kg else "%d g" % rest


def _l_ml(ml):
    litres, rest = divmod(ml, 1000)
    if litres and rest:
        return "%d l %d ml" % (litres, rest)
    return "%d l" % litres if litres else "%d ml" % rest


# (question for the largest, for the smallest, unit, written in two units)
COMPARE = [("Which is the heaviest?", "Which is the lightest?", "g", _kg_g),
           ("Which container holds the most water?", "Which container holds the least water?",
            "ml", _l_ml)]


def t3_heaviest(r):
    big_q, small_q, unit, mixed = r.choice(COMPARE)
    values = set()
    while len(values) < 4:
        values.add(r.randint(15, 45) * 100 + r.choice([0, 5, 50, 250]))
    values = sorted(values)
    heavy = r.random() < 0.5
    ans = values[-1] if heavy else values[0]
    texts = {}
    for x in values:
        texts[x] = "%d %s" % (x, unit) if r.random() < 0.5 else mixed(x)
    body, blanks = choice(r, big_q if heavy else small_q, texts[ans],
                          [texts[x] for x in values if x != ans])
    return q(body, blanks, tag="hv%s%d" % (unit, ans))


def t3_longest(r):
    values = set()
    while len(values) < 4:
        values.add(r.randint(120, 480))
    values = sorted(values)
    long_ = r.random() < 0.5
    ans = values[-1] if long_ else values[0]
    texts = {x: ("%d cm" % x if r.random() < 0.5 else "%d m %d cm" % divmod(x, 100))
             for x in values}
    for x in values:
        if x % 100 == 0:
            texts[x] = "%d m" % (x // 100)
    body, blanks = choice(r, "Which is the %s?" % ("longest" if long_ else "shortest"),
                          texts[ans], [texts[x] for x in values if x != ans])
    return q(body, blanks, tag="lg%d-%d" % (ans, long_))


# (question, the right measure, three that are far off): things a child has held or seen
ESTIMATES = [
    ("About how heavy is a school bag?", "3 kg", ["3 g", "30 g", "300 kg"]),
    ("About how heavy is an egg?", "60 g", ["6 g", "60 kg", "6 kg"]),
    ("About how heavy is a cat?", "4 kg", ["4 g", "40 g", "400 kg"]),
    ("About how heavy is a bag of rice from the shop?", "5 kg", ["5 g", "50 g", "500 kg"]),
    ("About how much water does a glass hold?", "250 ml", ["2 ml", "25 l", "250 l"]),
    ("About how much water does a bucket hold?", "8 l", ["8 ml", "80 ml", "800 l"]),
    ("About how much medicine is in a teaspoon?", "5 ml", ["5 l", "50 l", "500 l"]),
    ("About how tall is a classroom door?", "2 m", ["2 cm", "20 cm", "2 km"]),
    ("About how long is a new pencil?", "18 cm", ["18 m", "180 m", "18 km"]),
    ("About how long is a school bus?", "12 m", ["12 cm", "120 cm", "12 km"]),
    ("About how long is a ladybird?", "1 cm", ["1 m", "10 m", "1 km"]),
    ("About how far can a car go in one hour on a highway?", "80 km", ["80 cm", "80 m",
                                                                      "8 cm"]),
]


def t3_estimate(r):
    stem_text, right, wrong = r.choice(ESTIMATES)
    body, blanks = choice(r, stem_text, right, wrong)
    return q(body, blanks, tag="est-" + stem_text)


def t3_convert(r):
    kind = r.randrange(4)
    big, small, factor = [("m", "cm", 100), ("km", "m", 1000), ("kg", "g", 1000),
                          ("l", "ml", 1000)][kind]
    a = r.randint(1, 9)
    b = r.randint(5, factor - 1)
    body = ins("Fill in the blank.") + stem("%s %s %s %s = ?" % (v(a), big, v(b), small))
    html, blanks = one_unit(a * factor + b, small, calc="v1*%d+v2" % factor)
    return q(body + html, blanks, tag="cv%d%d%d" % (kind, a, b))


def t3_scale(r):
    value = r.randint(1, 19) * 50
    pic = svg.scale(value, 1000, 100, 50, "g")
    body = stem("What is the mass of the bag of flour on the scale?") + picture(
        1, "A weighing scale")
    html, blanks = one_unit(value, "g")
    return q(body + html, blanks, [pic], tag="sc%d" % value)


def t3_jug(r):
    maximum = r.choice([500, 1000])
    minor = 20 if maximum == 500 else 50
    value = r.randint(2, maximum // minor - 1) * minor
    pic = svg.jug(value, maximum, 100 if maximum == 500 else 200, minor)
    body = stem("How much water is in the measuring jug?") + picture(1, "A measuring jug")
    html, blanks = one_unit(value, "ml")
    return q(body + html, blanks, [pic], tag="jg%d-%d" % (value, maximum))


def t3_ruler(r):
    start = r.randint(0, 4)
    length = r.randint(4, 10)
    thing = r.choice(["pencil", "eraser"])
    if thing == "eraser":
        length = r.randint(3, 6)
    pic = svg.ruler(start, start + length, thing=thing)
    body = stem("How long is the %s?" % thing) + picture(1, "%s %s beside a ruler" % (
        "An" if thing[0] in "aeiou" else "A", thing))
    html, blanks = one_unit(length, "cm")
    return q(body + html, blanks, [pic], tag="ru%d-%d" % (start, length))


# (kind, text, operation, unit, range of the first number, range of the second)
LENGTH_STORIES = [
    ("ribbon", "A ribbon is {a} cm long. {n} cuts off {b} cm. How long is the piece of ribbon "
     "that is left?", "-", "cm", (300, 900), (40, 250)),
    ("pail", "A pail has {a} ml of water. {b} ml more water is poured in. How much water is in "
     "the pail now?", "+", "ml", (800, 4500), (150, 3000)),
    ("mass", "A box of books has a mass of {a} g. A bag of apples has a mass of {b} g. What "
     "is their total mass?", "+", "g", (800, 4500), (300, 2500)),
    ("run", "{n} ran {a} m. {H} brother ran {b} m less than {o}. How far did {h} brother "
     "run?", "-", "m", (800, 3000), (150, 700)),
    ("juice", "A bottle holds {a} ml of juice. {n} drinks {b} ml. How much juice is left?",
     "-", "ml", (1000, 2000), (150, 450)),
    ("road", "A road is {a} m long. Workers have mended {b} m of it. How many metres of the "
     "road are still to be mended?", "-", "m", (2000, 9000), (300, 1800)),
]


def t3_story(r):
    kind, text, op, unit, (lo, hi), (blo, bhi) = r.choice(LENGTH_STORIES)
    a, b = r.randint(lo, hi), r.randint(blo, bhi)
    n1 = name(r)
    body = stem(text.format(a=v(a), b=v(b), n=n1, h=his(n1), H=cap(his(n1)), o=him(n1)))
    key, calc = (a - b, "v1-v2") if op == "-" else (a + b, "v1+v2")
    html, blanks = one_unit(key, unit, calc=calc)
    return q(body + html, blanks, tag="once:%s:%d-%d" % (kind, a, b))


def t3_compound(r):
    big, small, factor = r.choice([("kg", "g", 1000), ("m", "cm", 100), ("l", "ml", 1000)])
    add = r.random() < 0.5
    a1, b1 = r.randint(2, 6), r.randint(10, factor - 10)
    a2, b2 = r.randint(1, 3), r.randint(10, factor - 10)
    t1, t2 = a1 * factor + b1, a2 * factor + b2
    if not add and t1 - t2 < factor:  # a difference with no kg (m, l) in it reads "0 kg"
        a1 += 4
        t1 = a1 * factor + b1
    total = t1 + t2 if add else t1 - t2
    op = "+" if add else "&minus;"
    whole = "(v1*%d+v2%sv3*%d%sv4)" % (factor, "+" if add else "-", factor,
                                      "+" if add else "-")
    body = ins("Work out. Write the answer in %s and %s." % (big, small)) + stem(
        "%s %s %s %s %s %s %s %s %s =" % (v(a1), big, v(b1), small, op, v(a2), big, v(b2), small))
    html, blanks = many([("M", unit_key(total // factor, big), "", big,
                          whole + "\\%d" % factor),
                         ("M", unit_key(total % factor, small), "", small,
                          whole + "%%%d" % factor)])
    return q(body + html, blanks, tag="cp%d-%d-%d" % (t1, t2, add))


def t3_reverse(r):
    big, small, factor = r.choice([("kg", "g", 1000), ("m", "cm", 100), ("km", "m", 1000),
                                   ("l", "ml", 1000)])
    a, b = r.randint(1, 9), r.randint(5, factor - 1)
    body = ins("Fill in the blanks.") + stem("%s %s = ? %s ? %s" % (v(a * factor + b), small,
                                                                    big, small))
    html, blanks = many([("M", unit_key(a, big), "", big, "v1\\%d" % factor),
                         ("M", unit_key(b, small), "", small, "v1%%%d" % factor)])
    return q(body + html, blanks, tag="rv%d%d" % (a, b))


def _measure_rows(first, second, unit):
    """Two answer rows of a story, each printed and keyed with its unit.
    first and second: (answer, question, working)."""
    return many([("M", unit_key(a, unit), text, unit, calc) for a, text, calc in
                 (first, second)])


def t3_two_step(r):
    kind = r.randrange(5)
    n1 = name(r)
    if kind == 0:
        litres, ml = r.randint(1, 2), r.randint(1, 9) * 100
        cups, size = r.randint(3, 6), r.choice([150, 200, 250])
        total = litres * 1000 + ml
        while cups * size >= total:
            cups -= 1
        body = stem("A jug has %s l %s ml of lemonade. %s fills %s cups with lemonade from the "
                    "jug. Each cup holds %s ml." % (v(litres), v(ml), n1, v(cups), v(size)))
        html, blanks = _measure_rows(
            (cups * size, "How much lemonade is in the cups?", "v3*v4"),
            (total - cups * size, "How much lemonade is left in the jug?", "v1*1000+v2-v3*v4"),
            "ml")
        tag = "lemonade:%d-%d-%d" % (total, cups, size)
    elif kind == 1:
        metres, cm = r.randint(5, 9), r.randint(1, 9) * 10
        pieces, size = r.randint(3, 6), r.randint(8, 24) * 5
        while pieces * size >= metres * 100 + cm:
            pieces -= 1
        body = stem("A tailor has a piece of cloth %s m %s cm long. She cuts off %s pieces. "
                    "Each piece is %s cm long." % (v(metres), v(cm), v(pieces), v(size)))
        html, blanks = _measure_rows(
            (pieces * size, "How much cloth did she cut off?", "v3*v4"),
            (metres * 100 + cm - pieces * size, "How much cloth is left?", "v1*100+v2-v3*v4"),
            "cm")
        tag = "cloth:%d-%d-%d" % (metres * 100 + cm, pieces, size)
    elif kind == 2:
        box, tins, each = r.randint(6, 20) * 25, r.randint(3, 8), r.randint(8, 18) * 25
        body = stem("An empty box has a mass of %s g. %s puts %s tins of beans into it. Each "
                    "tin has a mass of %s g." % (v(box), n1, v(tins), v(each)))
        html, blanks = _measure_rows(
            (tins * each, "What is the mass of the tins?", "v2*v3"),
            (box + tins * each, "What is the mass of the box with the tins in it?",
             "v1+v2*v3"), "g")
        tag = "tins:%d-%d-%d" % (box, tins, each)
    elif kind == 3:
        far = r.randint(800, 2500)
        near = r.randint(300, far - 150)
        body = stem("%s walks %s m from home to the library. Then %s walks %s m from the "
                    "library to the park." % (n1, v(far), he(n1), v(near)))
        html, blanks = _measure_rows(
            (far + near, "How far does %s walk altogether?" % n1, "v1+v2"),
            (far - near, "How much longer is the walk to the library than the walk to the "
             "park?", "v1-v2"), "m")
        tag = "walk:%d-%d" % (far, near)
    else:
        litres, ml = r.randint(4, 8), r.randint(1, 9) * 100
        plants, car = r.randint(5, 15) * 100, r.randint(8, 25) * 100
        body = stem("A tank had %s l %s ml of water. %s used %s ml of it to water the plants "
                    "and %s ml to wash the car." % (v(litres), v(ml), n1, v(plants), v(car)))
        html, blanks = _measure_rows(
            (plants + car, "How much water did %s use?" % n1, "v3+v4"),
            (litres * 1000 + ml - plants - car, "How much water was left in the tank?",
             "v1*1000+v2-v3-v4"), "ml")
        tag = "tank:%d-%d-%d" % (litres * 1000 + ml, plants, car)
    return q(body + html, blanks, tag="once:" + tag)


TOPIC3 = {
    "mcq": [t3_unit, t3_heaviest, t3_longest, t3_estimate],
    "short": [t3_convert, t3_scale, t3_jug, t3_ruler, t3_story, t3_story],
    "long": [t3_compound, t3_reverse, t3_two_step, t3_two_step],
}

# ---------------------------------------------------------------------------------------------
# Topic 4: time and money


def time_text(h, m):
    return "%d.%02d" % (h, m)


def time_alts(h, m, half=None):
    """Every way a pupil may rightly type the time h:m (12-hour clock): dot or colon, a
    leading zero, and with am/pm written any usual way when the time of day is known (the
    time alone is right too: the page shows am/pm only as the tidy way to write it)."""
    forms = ["%d.%02d" % (h, m), "%d:%02d" % (h, m)]
    if h < 10:
        forms += ["0" + f for f in forms]
    if m == 0:
        forms.append("%d o'clock" % h)
    if half:
        dotted = ("%s.%s." % tuple(half), "%s.%s" % tuple(half))  # "p.m." close up too
        marks = (half, " " + half) + tuple(" " + d for d in dotted) + dotted
        forms = [f + s for f in forms for s in marks if "o'clock" not in f] + forms
    return alts(*forms)


def money_alts(cents):
    """Every way a pupil may rightly type an amount on a "$ ____" line: with or without the
    dollar sign, without trailing zeros, and in cents."""
    d, c = divmod(cents, 100)
    plain = ["%d.%02d" % (d, c)]
    if c % 10 == 0:
        plain.append("%d.%d" % (d, c // 10))
    if c == 0:
        plain.append("%d" % d)
    if d == 0:
        plain.append(".%02d" % c)
    return alts(*(plain + ["$" + p for p in plain] + ["$ " + plain[0], "%d cents" % cents,
                                                       "%dc" % cents]))


def clock_time(r):
    """A time whose clock hands lie at least 30 degrees apart, so each can be read."""
    while True:
        h = r.randint(1, 12)
        m = r.choice(range(0, 60, 5)) if r.random() < 0.6 else r.randint(1, 59)
        gap = abs((h % 12) * 30 + m * 0.5 - m * 6) % 360
        if min(gap, 360 - gap) >= 30:
            return h, m


# The question as a child would hear it, its answer and three answers in other units.
DURATIONS = [
    ("About how long does it take to brush your teeth?", "2 minutes",
     ["2 seconds", "2 hours", "2 days"]),
    ("About how long does a child sleep at night?", "9 hours",
     ["9 seconds", "9 minutes", "9 days"]),
    ("About how long does it take to eat a sandwich?", "5 minutes",
     ["5 seconds", "5 hours", "5 days"]),
    ("About how long does it take to blink your eyes?", "1 second",
     ["1 minute", "1 hour", "1 day"]),
    ("About how long does it take to fly from Singapore to London?", "13 hours",
     ["13 seconds", "13 minutes", "13 days"]),
    ("About how long does a film at the cinema last?", "2 hours",
     ["2 seconds", "2 minutes", "2 days"]),
    ("About how long does it take to write your name?", "10 seconds",
     ["10 hours", "10 days", "10 weeks"]),
    ("About how long does it take to have a shower?", "10 minutes",
     ["10 seconds", "10 hours", "10 days"]),
]


def t4_duration_choice(r):
    question, right, wrong = r.choice(DURATIONS)
    body, blanks = choice(r, question, right, wrong)
    return q(body, blanks, tag="du-" + question)


def t4_minutes_choice(r):
    h, m = r.randint(1, 4), r.choice([5, 10, 15, 20, 30, 45])
    ans = h * 60 + m
    cands = [h * 100 + m, ans + 60, ans - 60, h * 60, ans + 10]
    body, blanks = choice(r, "How many minutes are there in %d h %d min?" % (h, m), str(ans),
                          number_options(r, ans, cands))
    return q(body, blanks, tag="mc%d-%d" % (h, m))


def t4_cents_choice(r):
    d, c = r.randint(1, 9), r.choice([5, 10, 15, 25, 40, 55, 75, 95])
    ans = d * 100 + c
    wrong = ["%d cents" % x for x in (d * 10 + c, d * 1000 + c, d * 100 + c * 10) if x != ans]
    body, blanks = choice(r, "Which is the same amount as $%d.%02d?" % (d, c), "%d cents" % ans,
                          wrong[:3])
    return q(body, blanks, tag="cc%d-%d" % (d, c))


def t4_clock(r):
    h, m = clock_time(r)
    body = stem("What time does the clock show?") + picture(1, "A clock") + ins(
        "Write the time like 4.15")
    html, blanks = one("M", time_alts(h, m))
    return q(body + html, blanks, [svg.clock(h, m)], tag="ck%d-%d" % (h, m))


def t4_end_time(r):
    h = r.randint(8, 11)
    m = r.choice(range(0, 60, 5))
    d = r.choice([25, 35, 40, 45, 50, 55, 70, 85, 95])
    total = h * 60 + m + d
    if total == 12 * 60:
        return t4_end_time(r)  # "12.00 pm" puzzles a child: noon is asked another day
    eh, em = divmod(total, 60)
    half = "am" if eh < 12 else "pm"
    eh = eh if eh <= 12 else eh - 12
    n1 = name(r)
    what = r.choice(["a swimming lesson", "a piano lesson", "a football game",
                     "a visit to the museum", "an art class"])
    body = stem("%s started %s at %s am. It lasted %d minutes. At what time did it end?" %
                (n1, what, time_text(h, m), d)) + ins("Write the time like 9.30 am")
    html, blanks = one("M", time_alts(eh, em, half))
    return q(body + html, blanks, tag="et%d-%d-%d" % (h, m, d))


def t4_to_minutes(r):
    h, m = r.randint(1, 5), r.randint(5, 55)
    body = ins("Fill in the blank.") + stem("%s h %s min = ? min" % (v(h), v(m)))
    html, blanks = one("N", str(h * 60 + m), after="min", calc="v1*60+v2")
    return q(body + html, blanks, tag="tm%d-%d" % (h, m))


def t4_money_sum(r):
    a, b = r.randint(105, 4999), r.randint(105, 4999)
    add = r.random() < 0.5
    if not add and b > a:
        a, b = b, a
    op = "+" if add else "&minus;"
    body = ins("Work out.") + stem("%s %s %s =" % (money(a), op, money(b)))
    total = a + b if add else a - b
    html, blanks = one("M", money_alts(total), before="$", calc="v1+v2" if add else "v1-v2")
    return q(body + html, blanks, tag="mo%d-%d-%d" % (a, b, add))


def t4_to_cents(r):
    a = r.randint(105, 999)
    body = ins("Fill in the blank.") + stem("%s = ? cents" % money(a))
    html, blanks = one("N", str(a), after="cents", calc="v1*100")
    return q(body + html, blanks, tag="tc%d" % a)


# What a child buys with a note, and the prices (in cents) a shop asks for it.
CHANGE_ITEMS = [("a storybook", 450, 2500), ("a lunch box", 500, 1800),
                ("a water bottle", 300, 1500), ("a kite", 500, 2500), ("a puzzle", 600, 3500),
                ("a pair of socks", 150, 900), ("a school bag", 1500, 4800),
                ("a pair of shoes", 1800, 4800)]


def t4_change(r):
    item, low, high = r.choice(CHANGE_ITEMS)
    price = r.randint(low, high)
    note = next(n for n in (500, 1000, 2000, 5000) if n > price)
    n1 = name(r)
    body = stem("%s bought %s for %s. %s paid with a $%s note. How much change did %s "
                "get?" % (n1, item, money(price), cap(he(n1)), v(note // 100), he(n1)))
    html, blanks = one("M", money_alts(note - price), before="$", calc="v2-v1")
    return q(body + html, blanks, tag="ch%d" % price)


def t4_duration(r):
    h1, m1 = r.randint(1, 5), r.choice(range(0, 60, 5))
    span = r.randint(65, 200)  # an hour or more, so neither blank is an empty 0
    end = h1 * 60 + m1 + span
    h2, m2 = divmod(end, 60)
    if h2 > 11:
        return t4_duration(r)
    what = r.choice(["A concert", "A school trip", "A cooking class", "A boat ride",
                     "A birthday party"])
    body = stem("%s started at %s.%s pm and ended at %s.%s pm. How long did it last?" %
                (what, v(h1), v("%02d" % m1), v(h2), v("%02d" % m2)))
    whole = "(v3*60+v4-v1*60-v2)"
    html, blanks = many([("N", str(span // 60), "", "h", whole + "\\60"),
                         ("N", str(span % 60), "", "min", whole + "%60")])
    return q(body + html, blanks, tag="dr%d-%d-%d" % (h1, m1, span))


def t4_from_minutes(r):
    total = r.randint(65, 300)
    body = ins("Fill in the blanks.") + stem("%s min = ? h ? min" % v(total))
    html, blanks = many([("N", str(total // 60), "", "h", "v1\\60"),
                         ("N", str(total % 60), "", "min", "v1%60")])
    return q(body + html, blanks, tag="fm%d" % total)


# Prices in cents of one item and of a box of them, so a box never costs less than one.
SHOP = {"pens": (60, 250, 400, 990), "erasers": (30, 120, 250, 800),
        "notebooks": (90, 390, 600, 990), "rulers": (50, 200, 400, 950),
        "bookmarks": (40, 180, 300, 850)}


def t4_shopping(r):
    count = r.randint(2, 6)
    a, b = r.sample(sorted(SHOP), 2)
    price = r.randint(*SHOP[a][:2])
    other = r.randint(*SHOP[b][2:])
    n1 = name(r)
    body = stem("%s bought %s %s at %s each and a box of %s for %s." %
                (n1, v(count), a, money(price), b, money(other)))
    html, blanks = many([
        ("M", money_alts(count * price), "How much did the %s cost?" % a, "", "v1*v2"),
        ("M", money_alts(count * price + other), "How much did %s spend altogether?" % n1, "",
         "v1*v2+v3")])
    html = html.replace('<span class="line">', ' $<span class="line">')
    return q(body + html, blanks, tag="sh%d-%d" % (count, price))


TOPIC4 = {
    "mcq": [t4_duration_choice, t4_minutes_choice, t4_cents_choice],
    "short": [t4_clock, t4_clock, t4_end_time, t4_to_minutes, t4_money_sum, t4_money_sum,
              t4_to_cents, t4_change],
    "long": [t4_duration, t4_from_minutes, t4_shopping],
}

# ---------------------------------------------------------------------------------------------
# Topic 5: fractions and graphs

# How to type a fraction; the page asks for the simplest form only where the question is
# about it (a fraction as the question's own numbers give it is right elsewhere).
FRACTION_HOW = '<p class="rule">Type a fraction like 3/4.</p>'
SIMPLEST_HOW = '<p class="rule">Type a fraction like 3/4, in its simplest form.</p>'


def fraction_alts(n, d):
    """Key of a fraction answer n/d: the simplest form first, then n/d as the question's own
    numbers give it, each also with spaces round the stroke."""
    value = Fraction(n, d)
    assert 0 < value < 1, (n, d)
    forms = [frac(value.numerator, value.denominator)]
    if value.denominator != d:
        forms.append(frac(n, d))
    return alts(*(forms + [f.replace("/", " / ") for f in forms]))


def t5_compare(r):
    d = r.choice([5, 6, 7, 8, 9, 10, 12])
    if r.random() < 0.5:
        nums = r.sample(range(1, d), 4)
        fr = [(n, d) for n in nums]
    else:
        n = r.randint(1, 3)
        dens = r.sample([x for x in range(n + 1, 13)], 4)
        fr = [(n, x) for x in dens]
    big = r.random() < 0.5
    vals = [Fraction(a, b) for a, b in fr]
    target = max(vals) if big else min(vals)
    ans = fr[vals.index(target)]
    texts = [frac(a, b) for a, b in fr]
    body, blanks = choice(r, "Which fraction is the %s?" % ("greatest" if big else "smallest"),
                          frac(*ans), [t for t in texts if t != frac(*ans)])
    return q(body, blanks, tag="fc" + ",".join(sorted(texts)))


def _wrong_fractions(value, candidates):
    """The first three candidates (n, d) that are parts of a whole, differ from value and from
    each other."""
    wrong = []
    for n, d in candidates:
        if (0 < n < d <= 12 and Fraction(n, d) != value and frac(n, d) not in wrong):
            wrong.append(frac(n, d))
    assert len(wrong) >= 3, (value, candidates)
    return wrong[:3]


def t5_equal_choice(r):
    n, d = r.choice([(1, 2), (1, 3), (2, 3), (1, 4), (3, 4), (2, 5), (3, 5), (1, 6), (5, 6)])
    k = r.randint(2, 12 // d)  # within twelfths
    ans = frac(n * k, d * k)
    wrong = _wrong_fractions(Fraction(n, d), [
        (n + k, d + k), (n * k + 1, d * k), (n * k - 1, d * k), (n, d * k), (n * k, d * k + 1),
        (n * k, d * k - 1), (n + 1, d * k), (n * k - 1, d * k - 1)])
    body, blanks = choice(r, "Which fraction is equal to %s?" % frac(n, d), ans, wrong)
    return q(body, blanks, tag="eq%d%d%d" % (n, d, k))


def t5_bar_choice(r):
    parts = r.choice([3, 4, 5, 6, 8, 10])
    shaded = r.randint(1, parts - 1)
    ans = frac(shaded, parts)
    # what a child gets wrong: the parts not shaded, counting one part too many or too few
    wrong = _wrong_fractions(Fraction(shaded, parts), [
        (parts - shaded, parts), (shaded, parts + 1), (shaded + 1, parts), (shaded - 1, parts),
        (shaded, parts - 1), (shaded, parts + 2)])
    r.shuffle(wrong)
    body, blanks = choice(r, "What fraction of the bar is shaded?", ans, wrong,
                          picture(1, "A bar cut into equal parts"))
    return q(body, blanks, [svg.fraction_bars(parts, shaded)], tag="bc%d-%d" % (parts, shaded))


def t5_equivalent(r):
    n, d = r.choice([(1, 2), (1, 3), (2, 3), (1, 4), (3, 4), (2, 5), (4, 5), (1, 6), (5, 6)])
    k = r.randint(2, 12 // d)  # within twelfths
    if r.random() < 0.5:
        sentence = "%s/%s = %s/%s" % (v(n), v(d), blank_inline(1, 1, "v1*v3/v2"), v(d * k))
        key = n * k
    else:
        sentence = "%s/%s = %s/%s" % (v(n), v(d), v(n * k), blank_inline(1, 1, "v2*v3/v1"))
        key = d * k
    body = ins("Find the missing number.") + stem(sentence)
    return q(body, [Blank("N", str(key))], tag="ev%d%d%d" % (n, d, k))


def t5_simplest(r):
    # a fraction whose denominator stays within twelfths
    n, d = r.choice([(1, 2), (1, 3), (2, 3), (1, 4), (3, 4), (2, 5), (3, 5), (1, 6), (5, 6)])
    k = r.randint(2, 12 // d)
    body = stem("Write %s/%s in its simplest form." % (v(n * k), v(d * k))) + SIMPLEST_HOW
    html, blanks = one("F", frac(n, d), calc="v1/v2")
    return q(body + html, blanks, tag="sp%d%d%d" % (n, d, k))


def t5_add(r):
    """Adding or subtracting fractions with the same denominator, within one whole."""
    d = r.randint(5, 12)
    if r.random() < 0.5:
        a = r.randint(1, d - 2)
        b = r.randint(1, d - 1 - a)
        n, text = a + b, "%s + %s" % (frac(a, d), frac(b, d))
    else:
        a = r.randint(2, d - 1)
        b = r.randint(1, a - 1)
        n, text = a - b, "%s &minus; %s" % (frac(a, d), frac(b, d))
    body = ins("Work out.") + expr(text) + FRACTION_HOW
    html, blanks = one("M", fraction_alts(n, d), calc="e1")
    return q(body + html, blanks, tag="fa" + text)


def t5_of_set(r):
    d = r.choice([2, 3, 4, 5, 6, 8])
    n = r.randint(1, d - 1)
    total = d * r.randint(3, 9)
    things = r.choice(["marbles", "stamps", "beads", "cards", "shells"])
    n1 = name(r)
    body = stem("%s has %s %s. %s/%s of them are blue. How many %s are blue?" %
                (n1, v(total), things, v(n), v(d), things))
    html, blanks = one("N", str(total * n // d), after=things, calc="v1*v2/v3")
    return q(body + html, blanks, tag="os%d%d%d" % (n, d, total))


def t5_one_minus(r):
    d = r.choice([5, 6, 7, 8, 9, 10, 12])
    n = r.randint(1, d - 1)
    food = r.choice(["pizza", "cake", "pie", "watermelon"])
    if d not in ROUND_SHARES:
        food = "chocolate bar"
    n1 = name(r)
    body = stem("%s ate %s/%s of a %s. What fraction of the %s was left?" %
                (n1, v(n), v(d), food, food)) + FRACTION_HOW
    html, blanks = one("M", fraction_alts(d - n, d), calc="1-v1/v2")
    return q(body + html, blanks, tag="om%d%d" % (n, d))


# A pizza, pie or cake is shared in these numbers of pieces; fifths, sevenths and ninths are
# shown as a bar
ROUND_SHARES = (2, 3, 4, 6, 8, 10, 12)
WHOLES = [("pizza", "slices"), ("cake", "pieces"), ("chocolate bar", "pieces"),
          ("pie", "slices"), ("loaf of bread", "slices")]


def t5_part_whole(r):
    """A fraction as equal parts of one whole."""
    d = r.choice([4, 5, 6, 8, 10, 12])
    n = r.randint(1, d - 1)
    whole, pieces = r.choice(WHOLES)
    if d not in ROUND_SHARES and whole in ("pizza", "cake", "pie"):
        whole, pieces = "chocolate bar", "pieces"
    n1 = name(r)
    ate = "%s of the %s" % (v(n), pieces) if n > 1 else "%s %s" % (v(n), pieces[:-1])
    body = stem("A %s was cut into %s equal %s. %s ate %s. What fraction of the %s did %s "
                "eat?" % (whole, v(d), pieces, n1, ate, whole, he(n1)))
    body += FRACTION_HOW
    html, blanks = one("M", fraction_alts(n, d), calc="v2/v1")
    return q(body + html, blanks, tag="pw%d%d" % (n, d))


def t5_bar_fraction(r):
    parts = r.choice([4, 6, 8, 9, 10, 12])
    shaded = r.randint(1, parts - 1)
    if Fraction(shaded, parts).denominator == parts and r.random() < 0.6:
        shaded = next(s for s in range(2, parts) if Fraction(s, parts).denominator != parts)
    body = stem("What fraction of the bar is shaded? Give your answer in its simplest "
                "form.") + picture(1, "A bar cut into equal parts") + SIMPLEST_HOW
    html, blanks = one("F", frac_key(Fraction(shaded, parts)))
    return q(body + html, blanks, [svg.fraction_bars(parts, shaded)],
             tag="bf%d-%d" % (parts, shaded))


class GraphStory:
    """What a graph is about, the values its story allows and how a teacher asks about it."""

    def __init__(self, title, axis, labels, about, noun, unit, most, total, per, read, more,
                 greatest, fewest, altogether, word=str, rename=None):
        self.title, self.axis, self.labels, self.about = title, axis, labels, about
        self.noun = noun      # what one circle of a picture graph stands for
        self.unit = unit      # bar graph scale step; values are multiples of it
        self.most = most      # largest value of one bar
        self.total = total    # largest total of the graph
        self.per = per        # what one circle of a picture graph may stand for
        self.read, self.more, self.altogether = read, more, altogether
        self.greatest, self.fewest = greatest, fewest
        self.word = word      # a label as the question's sentence says it
        # (name, others): the named class, month or place, and the names another graph of
        # the same story in one paper takes instead, so no paper gives one thing two sizes
        self.rename = rename

    def values(self, r, count, per=None):
        """count different values (multiples of per or of the scale step) within the
        story's limits."""
        step = per or self.unit
        while True:
            values = [step * k for k in r.sample(range(1, self.most // step + 1), count)]
            if sum(values) <= self.total:
                return values


GRAPHS = [
    GraphStory("Favourite fruits", "Number of pupils",
               ["Apple", "Mango", "Banana", "Pear", "Kiwi"],
               "the favourite fruits of the pupils in Class 3B", "pupils", 1, 12, 35, [2],
               "How many pupils like %s best?", "How many more pupils like %s best than %s?",
               "Which fruit do the most pupils like best?",
               "Which fruit do the fewest pupils like best?",
               "How many pupils are there in Class 3B?",
               word=lambda s: {"Mango": "mangoes"}.get(s, s.lower() + "s"),
               rename=("Class 3B", ["Class 3D", "Class 3G", "Class 3J", "Class 3M"])),
    GraphStory("Books read in March", "Number of books",
               ["Ali", "Bala", "Cheng", "Dina", "Eva"],
               "how many books some children read in March", "books", 1, 12, 40, [2],
               "How many books did %s read?", "How many more books did %s read than %s?",
               "Who read the most books?", "Who read the fewest books?",
               "How many books did the five children read altogether?",
               rename=("March", ["April", "May", "June", "July"])),
    GraphStory("Favourite pets of Class 3A", "Number of pupils",
               ["Cats", "Dogs", "Fish", "Birds", "Rabbits"],
               "the favourite pets of the pupils in Class 3A", "pupils", 1, 12, 35, [2],
               "How many pupils chose %s?", "How many more pupils chose %s than %s?",
               "Which pet did the most pupils choose?",
               "Which pet did the fewest pupils choose?",
               "How many pupils are there in Class 3A?", word=str.lower,
               rename=("Class 3A", ["Class 3E", "Class 3H", "Class 3K", "Class 3N"])),
    GraphStory("Cars in a car park", "Number of cars",
               ["Red", "Blue", "White", "Black", "Silver"],
               "the colours of the cars in a car park", "cars", 5, 40, 120, [5],
               "How many cars are %s?", "How many more %s cars than %s cars are there?",
               "Which colour has the most cars?", "Which colour has the fewest cars?",
               "How many cars are there in the car park altogether?", word=str.lower,
               rename=("car park", ["school car park", "station car park",
                                    "hospital car park", "market car park"])),
    GraphStory("Favourite sports", "Number of pupils",
               ["Football", "Swimming", "Tennis", "Hockey", "Golf"],
               "the favourite sports of the pupils in Class 3C", "pupils", 1, 12, 35, [2],
               "How many pupils chose %s?", "How many more pupils chose %s than %s?",
               "Which sport did the most pupils choose?",
               "Which sport did the fewest pupils choose?",
               "How many pupils are there in Class 3C?", word=str.lower,
               rename=("Class 3C", ["Class 3F", "Class 3I", "Class 3L", "Class 3P"])),
    GraphStory("Visitors to the library", "Number of visitors",
               ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday"],
               "how many people visited a library on each school day of one week", "people",
               10, 60, 250, [10],
               "How many people visited the library on %s?",
               "How many more people visited the library on %s than on %s?",
               "On which day did the most people visit the library?",
               "On which day did the fewest people visit the library?",
               "How many people visited the library that week?",
               rename=("library", ["town library", "school library", "city library",
                                   "village library"])),
]


def _graph(r):
    story = r.choice(GRAPHS)
    return story, story.values(r, len(story.labels))


def _named(story, i):
    return "<b>%s</b>" % story.word(story.labels[i])


def _of_data(question, story, values):
    # the same numbers in another order are the same data: one graph answers the other
    question.data = "graph %s of %s" % (story.title, sorted(values))
    question.story = story
    return question


def _distinct_graph_subjects(paper):
    """Gives the second and later graphs of one story in a paper another class, month or
    place, so the paper never gives one named thing two different sizes."""
    seen = {}
    for question in paper:
        story = getattr(question, "story", None)
        if story is None:
            continue
        k = seen.get(story.title, 0)
        seen[story.title] = k + 1
        if k == 0:
            continue
        old, others = story.rename
        new = others[k - 1]
        question.body = question.body.replace(old, new)
        question.pictures = [pic.replace(old, new) for pic in question.pictures]
        question.data = question.data.replace(old, new)
        question.tag = question.tag.replace(old, new)


def _bar_picture(story, values):
    return svg.bar_graph(story.labels, values, story.unit, story.title, story.axis)


def t5_graph_read(r):
    story, values = _graph(r)
    i = r.randrange(len(story.labels))
    body = stem("The bar graph shows %s." % story.about) + picture(1, "A bar graph") + stem(
        story.read % _named(story, i))
    html, blanks = one("N", str(values[i]))
    return _of_data(q(body + html, blanks, [_bar_picture(story, values)],
                      tag="gr%s%d%s" % (story.title, values[i], story.labels[i])), story, values)


def t5_graph_most(r):
    story, values = _graph(r)
    most = r.random() < 0.5
    target = max(values) if most else min(values)
    shown = r.sample([i for i in range(5) if values[i] != target], 3)
    ans = story.labels[values.index(target)]
    body, blanks = choice(r, story.greatest if most else story.fewest, ans,
                          [story.labels[i] for i in shown],
                          before=stem("The bar graph shows %s." % story.about) +
                          picture(1, "A bar graph"))
    return _of_data(q(body, blanks, [_bar_picture(story, values)],
                      tag="gm%s%s" % (story.title, values)), story, values)


def t5_graph_two(r):
    story, values = _graph(r)
    i, j = r.sample(range(5), 2)
    if values[i] < values[j]:
        i, j = j, i
    body = stem("The bar graph shows %s." % story.about) + picture(1, "A bar graph")
    html, blanks = many([
        ("N", str(values[i] - values[j]), story.more % (_named(story, i), _named(story, j)),
         "", None),
        ("N", str(sum(values)), story.altogether, "", None)])
    return _of_data(q(body + html, blanks, [_bar_picture(story, values)],
                      tag="g2%s%s" % (story.title, values)), story, values)


def t5_picture_graph(r):
    story = r.choice(GRAPHS)
    labels = story.labels[:4]
    per = r.choice(story.per)
    values = story.values(r, len(labels), per)
    i = r.randrange(4)
    body = (stem("The picture graph shows %s." % story.about) + picture(1, "A picture graph")
            + stem("Each circle stands for %s %s. %s" % (v(per), story.noun,
                                                          story.read % _named(story, i))))
    html, blanks = one("N", str(values[i]))
    pic = svg.picture_graph(labels, [x // per for x in values], story.title)
    return _of_data(q(body + html, blanks, [pic], tag="pg%s%s%d" % (story.title, values, per)),
                    story, values)


def t5_fraction_story(r):
    d = r.choice([6, 8, 9, 10, 12])
    a, b = r.sample(range(1, d - 1), 2)
    if a + b >= d:
        return t5_fraction_story(r)
    n1 = name(r)
    n2 = name(r, (n1,))
    thing = "cake" if d in ROUND_SHARES else "chocolate bar"
    body = stem("A %s was cut into equal pieces. %s ate %s/%s of the %s and %s ate %s/%s of "
                "it." % (thing, n1, v(a), v(d), thing, n2, v(b), v(d))) + FRACTION_HOW
    html, blanks = many([
        ("M", fraction_alts(a + b, d), "What fraction of the %s did they eat?" % thing, "",
         "v1/v2+v3/v4"),
        ("M", fraction_alts(d - a - b, d), "What fraction of the %s was left?" % thing, "",
         "1-v1/v2-v3/v4")])
    return q(body + html, blanks, tag="fs%d%d%d" % (a, b, d))


TOPIC5 = {
    "mcq": [t5_compare, t5_equal_choice, t5_bar_choice, t5_graph_most],
    "short": [t5_equivalent, t5_simplest, t5_add, t5_add, t5_of_set, t5_one_minus,
              t5_part_whole, t5_bar_fraction, t5_graph_read, t5_picture_graph],
    "long": [t5_graph_two, t5_fraction_story],
}

# ---------------------------------------------------------------------------------------------
# Topic 6: geometry, area and perimeter


def t6_angle_choice(r):
    kind = r.choice(["greater", "smaller", "right"])
    # every angle at least 20 degrees from a right angle, unless it is one, so the eye can tell
    if kind == "greater":
        right = r.randint(115, 160)
        wrong = [r.randint(20, 70), 90, r.randint(30, 70)]
        stem_text = "Which angle is greater than a right angle?"
    elif kind == "smaller":
        right = r.randint(25, 70)
        wrong = [90, r.randint(110, 150), r.randint(115, 165)]
        stem_text = "Which angle is smaller than a right angle?"
    else:
        right = 90
        wrong = [r.randint(30, 70), r.randint(110, 150), r.randint(20, 50)]
        stem_text = "Which angle is a right angle?"
    order = [right] + wrong
    r.shuffle(order)
    key = str(order.index(right) + 1)
    body = (stem(stem_text) + picture(1, "Four angles") + stem("Choose (1), (2), (3) or (4).")
            + rows([("", "", None)]))
    return q(body, [Blank("Q", key)], [svg.angles(order)], tag="an%s%s" % (kind, order))


def t6_area_choice(r):
    rects = set()
    while len(rects) < 4:
        rects.add((r.randint(3, 12), r.randint(2, 9)))
    rects = sorted(rects)
    areas = [a * b for a, b in rects]
    if len(set(areas)) < 4:
        return t6_area_choice(r)
    ans = rects[areas.index(max(areas))]
    texts = {x: "%d cm by %d cm" % x for x in rects}
    body, blanks = choice(r, "Which rectangle has the greatest area?", texts[ans],
                          [texts[x] for x in rects if x != ans])
    return q(body, blanks, tag="ac%s" % rects)


def t6_square_choice(r):
    side = r.randint(4, 15)
    ans = 4 * side
    wrong = number_options(r, ans, [side * side, 2 * side, side + 4, 3 * side, 4 * side + 4])
    body, blanks = choice(r, "A square has sides of %d cm. What is its perimeter?" % side,
                          "%d cm" % ans, ["%s cm" % w for w in wrong])
    return q(body, blanks, tag="sq%d" % side)


def _polyomino(r, size):
    cells = {(r.randint(2, 5), r.randint(2, 4))}
    while len(cells) < size:
        x, y = r.choice(sorted(cells))
        dx, dy = r.choice([(1, 0), (-1, 0), (0, 1), (0, -1)])
        nx, ny = x + dx, y + dy
        if 0 <= nx < 9 and 0 <= ny < 7:
            cells.add((nx, ny))
    if _has_hole(cells):
        return _polyomino(r, size)  # a hole makes "area" and "perimeter" unclear to a child
    return sorted(cells)


def _has_hole(cells):
    """Whether some empty square is closed in by the figure (not reachable from outside)."""
    outside, todo = set(), [(-1, -1)]
    while todo:
        x, y = todo.pop()
        if (x, y) in outside or (x, y) in cells or not (-1 <= x <= 9 and -1 <= y <= 7):
            continue
        outside.add((x, y))
        todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    return len(outside) + len(cells) < 11 * 9


def _perimeter(cells):
    s = set(cells)
    return sum((x + dx, y + dy) not in s for (x, y) in cells
               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))


def t6_grid_area(r):
    cells = _polyomino(r, r.randint(6, 16))
    body = stem("The figure is made of 1-cm squares. What is its area?") + picture(
        1, "A figure on a square grid")
    html, blanks = one("N", str(len(cells)), after="cm&sup2;")
    return q(body + html, blanks, [svg.grid_shape(cells, 9, 7)], tag="ga%s" % cells)


def t6_grid_both(r):
    cells = _polyomino(r, r.randint(5, 14))
    body = stem("The figure is made of 1-cm squares.") + picture(1, "A figure on a square grid")
    html, blanks = many([("N", str(len(cells)), "Area =", "cm&sup2;", None),
                         ("N", str(_perimeter(cells)), "Perimeter =", "cm", None)])
    return q(body + html, blanks, [svg.grid_shape(cells, 9, 7)], tag="gb%s" % cells)


def t6_rectangle(r):
    b = r.randint(2, 12)
    a = r.randint(b + 1, 15)  # the length is the longer side
    what = r.choice(["area", "perimeter"])
    if what == "area" and b >= 10:
        b -= 8  # an area is two digits by one at most: 14 by 11 is above the level
    body = stem("A rectangle is %s cm long and %s cm wide. What is its %s?" % (v(a), v(b), what))
    if what == "area":
        html, blanks = one("N", str(a * b), after="cm&sup2;", calc="v1*v2")
    else:
        html, blanks = one("N", str(2 * (a + b)), after="cm", calc="2*(v1+v2)")
    return q(body + html, blanks, tag="re%s%d%d" % (what, a, b))


def t6_square_side(r):
    side = r.randint(3, 14)
    body = stem("A square has a perimeter of %s cm. How long is each side?" % v(4 * side))
    html, blanks = one("N", str(side), after="cm", calc="v1/4")
    return q(body + html, blanks, tag="ss%d" % side)


RIGHT_ANGLE_SHAPES = [
    ([(20, 20), (240, 20), (240, 170), (20, 170)], 4, "a rectangle"),
    ([(30, 20), (30, 180), (250, 180)], 1, "a triangle"),
    ([(30, 30), (180, 30), (270, 180), (30, 180)], 2, "a four-sided figure"),
    ([(150, 15), (280, 110), (150, 200), (20, 110)], 0, "a four-sided figure"),
    ([(20, 40), (260, 40), (180, 180), (100, 180)], 0, "a four-sided figure"),
    ([(60, 20), (260, 20), (260, 190), (20, 190)], 2, "a four-sided figure"),
]


def t6_right_angles(r):
    pts, count, what = r.choice(RIGHT_ANGLE_SHAPES)
    marks = [i for i in range(len(pts)) if _is_right(pts, i)]
    assert len(marks) == count, pts
    body = stem("How many right angles are there inside the figure?") + picture(1, "A figure")
    html, blanks = one("N", str(count))
    return q(body + html, blanks, [svg.polygon(pts)], tag="ra%s" % pts)


def _is_right(pts, i):
    x, y = pts[i]
    px, py = pts[i - 1]
    nx, ny = pts[(i + 1) % len(pts)]
    return (px - x) * (nx - x) + (py - y) * (ny - y) == 0


def t6_rect_missing(r):
    b = r.randint(2, 9)
    a = r.randint(max(5, b + 1), 16)  # the length is the longer side
    body = stem("A rectangle has a perimeter of %s cm. Its length is %s cm." % (v(2 * (a + b)),
                                                                                  v(a)))
    html, blanks = many([("N", str(b), "What is its width?", "cm", "v1/2-v2"),
                         ("N", str(a * b), "What is its area?", "cm&sup2;", "v2*(v1/2-v2)")])
    return q(body + html, blanks, tag="rm%d%d" % (a, b))


def t6_garden(r):
    side = r.randint(5, 12)
    if side >= 10:
        side -= 4  # its area is the side times itself: one digit, so the level holds
    n1 = name(r)
    body = stem("%s's square garden has sides of %s m. %s puts a fence all round it." %
                (n1, v(side), cap(he(n1))))
    html, blanks = many([("N", str(4 * side), "How long is the fence?", "m", "4*v1"),
                         ("N", str(side * side), "What is the area of the garden?", "m&sup2;",
                          "v1*v1")])
    return q(body + html, blanks, tag="gd%d" % side)


TOPIC6 = {
    "mcq": [t6_angle_choice, t6_area_choice, t6_square_choice],
    "short": [t6_grid_area, t6_rectangle, t6_rectangle, t6_square_side, t6_right_angles],
    "long": [t6_grid_both, t6_rect_missing, t6_garden],
}

TOPICS = [TOPIC1, TOPIC2, TOPIC3, TOPIC4, TOPIC5, TOPIC6]

# ---------------------------------------------------------------------------------------------
# Papers

# (pool, marks of the question) in paper order; 29 questions per topic paper
TOPIC_PLAN = [("mcq", 1)] * 8 + [("short", 2)] * 14 + [("long", 4)] * 7
# Mock papers: 20 choice questions of 2 marks, 10 short of 2, 10 longer of 4 = 100 marks
MOCK_PLAN = [("mcq", 2)] * 20 + [("short", 2)] * 10 + [("long", 4)] * 10


def _fits(question, marks):
    return len(question.blanks) <= marks <= 3 * len(question.blanks)


def _usable(question, marks, used_tags, used_bodies, blanks):
    # A tag "once:KIND:..." names a kind of question (a story) a paper asks once, whatever
    # its numbers.
    kind = ":".join(question.tag.split(":")[:2]) if question.tag.startswith("once:") else ""
    return not (question.tag in used_tags or question.body in used_bodies
                or kind in used_bodies or not _fits(question, marks)
                or (blanks is not None and len(question.blanks) != blanks)), kind


def _other_data(maker, question, marks, used_tags, used_bodies, blanks):
    """A question of the same maker drawn from other data than the paper has shown already.
    Its own random numbers leave the main draw, and so every other question, as it was."""
    side = random.Random("%d:%s" % (SEED, question.tag))
    for _ in range(500):
        other = maker(side)
        if other.data not in used_bodies and _usable(other, marks, used_tags, used_bodies,
                                                     blanks)[0]:
            return other
    raise RuntimeError("no other data fits")


def _draw(r, makers, marks, used_tags, used_bodies, blanks=None):
    for _ in range(500):
        maker = r.choice(makers)
        question = maker(r)
        usable, kind = _usable(question, marks, used_tags, used_bodies, blanks)
        if not usable:
            continue
        if question.data is not None and question.data in used_bodies:
            question = _other_data(maker, question, marks, used_tags, used_bodies, blanks)
            kind = _usable(question, marks, used_tags, used_bodies, blanks)[1]
        used_tags.add(question.tag)
        used_bodies.add(question.body)
        if question.data is not None:
            used_bodies.add(question.data)
        if kind:
            used_bodies.add(kind)
        for b, m in zip(question.blanks, spread(marks, len(question.blanks))):
            b.marks = m
        return question
    raise RuntimeError("no question fits")


def _shape():
    """Blanks per question of every paper (banks/maths_shape.txt): pupils' stored answers are
    laid out by them, so a mended question never moves another paper's answers."""
    shape = {int(key): [int(n) for n in counts.split()]
             for _, (key, counts) in bank.lines("maths_shape.txt")}
    shape[101 + 5][-1] = None  # the table question takes this place after the draw
    return shape


def _table_question():
    question = t2_times_table(random.Random(SEED + 15))
    for b in question.blanks:
        b.marks = 1
    return question


def build():
    r = random.Random(SEED)
    topics = []
    used = set()  # tags of every question so far: no two questions with the same numbers
    shape = _shape()
    for t, topic in enumerate(TOPICS):
        papers = []
        for k in range(5):
            bodies = set()
            counts = shape[101 + 5 * t + k]
            papers.append([_draw(r, topic[pool], marks, used, bodies, counts[i])
                           for i, (pool, marks) in enumerate(TOPIC_PLAN)])
        topics.append(papers)
    # The first Multiplication and Division paper ends with a table of fifteen one-mark spaces
    # in place of its last longer question; its own generator leaves every other question as
    # it was.
    topics[1][0][-1] = _table_question()
    mocks = []
    for k in range(5):
        bodies = set()
        paper = []
        counts = shape[101 + 5 * len(TOPICS) + k]
        for i, (pool, marks) in enumerate(MOCK_PLAN):
            topic = TOPICS[i % len(TOPICS)]
            paper.append(_draw(r, topic[pool], marks, used, bodies, counts[i]))
        mocks.append(paper)
    topics.append(mocks)
    for papers in topics:
        for paper in papers:
            _distinct_graph_subjects(paper)
            for question in paper:
                accept_named(question)
    return topics
