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
from mathsbase import (DIVIDE, RULE, TIMES, blank_inline, cents_key, choice, expr,
                       frac, frac_key, ins, many, mixed_key, money, name, number_options, one,
                       q, stem)
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
    if b == c:
        return t1_expanded(r)  # two of the wrong numbers would be the same
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


def t1_place_number(r):
    a, b, c = r.randint(1, 9), r.randint(0, 9), r.randint(1, 9)
    body = stem("Write the number that has %s thousands, %s hundreds and %s ones." %
                (v(a), v(b), v(c)))
    html, blanks = one("N", str(a * 1000 + b * 100 + c), calc="v1*1000+v2*100+v3")
    return q(body + html, blanks, tag="pn%d%d%d" % (a, b, c))


ADD_STORIES = [
    ("A library has {a} storybooks and {b} science books. How many books does it have "
     "altogether?", "books"),
    ("{n} walked {a} steps in the morning and {b} steps in the evening. How many steps did "
     "{n} walk in all?", "steps"),
    ("A farmer picked {a} durians last week and {b} durians this week. How many durians did "
     "he pick in the two weeks?", "durians"),
    ("On Saturday {a} people visited the zoo. On Sunday {b} people visited it. How many "
     "people visited the zoo on the two days?", "people"),
    ("A bakery sold {a} buns in May and {b} buns in June. How many buns did it sell in the "
     "two months?", "buns"),
]

SUB_STORIES = [
    ("A school hall has {a} seats. {b} seats are taken. How many seats are empty?", "seats"),
    ("{n} had {a} stickers. She gave away {b} stickers. How many stickers did she have "
     "left?", "stickers"),
    ("A shop had {a} eggs. {b} eggs were sold. How many eggs were not sold?", "eggs"),
    ("Town A has {a} trees. Town B has {b} trees. How many more trees does Town A have than "
     "Town B?", "trees"),
    ("A ship carried {a} passengers. {b} of them got off at the first port. How many "
     "passengers were still on the ship?", "passengers"),
]


def t1_story(r):
    add = r.random() < 0.5
    if add:
        a, b = r.randint(1000, 5000), r.randint(800, 4000)
        text, unit = r.choice(ADD_STORIES)
        key, calc = a + b, "v1+v2"
    else:
        a = r.randint(3000, 9800)
        b = r.randint(900, a - 500)
        text, unit = r.choice(SUB_STORIES)
        key, calc = a - b, "v1-v2"
    body = stem(text.format(a=v(a), b=v(b), n=name(r)))
    html, blanks = one("N", str(key), after=unit, calc=calc)
    return q(body + html, blanks, tag="st%d-%d" % (a, b))


def t1_two_step(r):
    kind = r.randrange(3)
    if kind == 0:
        boys, girls = r.randint(900, 2500), r.randint(900, 2500)
        went = r.randint(300, boys + girls - 200)
        body = stem("A school has %s boys and %s girls. %s pupils went to the Science Centre."
                    % (v(boys), v(girls), v(went)))
        html, blanks = many([
            ("N", str(boys + girls), "How many pupils are there in the school?", "", "v1+v2"),
            ("N", str(boys + girls - went), "How many pupils did not go?", "", "v1+v2-v3")])
        tag = "ts0-%d-%d" % (boys, girls)
    elif kind == 1:
        a = r.randint(2500, 6000)
        fewer = r.randint(300, 1800)
        n1, n2 = name(r), None
        n2 = name(r, (n1,))
        body = stem("%s collected %s bottle caps. %s collected %s fewer bottle caps than %s."
                    % (n1, v(a), n2, v(fewer), n1))
        html, blanks = many([
            ("N", str(a - fewer), "How many caps did %s collect?" % n2, "", "v1-v2"),
            ("N", str(2 * a - fewer), "How many caps did they collect altogether?", "",
             "v1+v1-v2")])
        tag = "ts1-%d-%d" % (a, fewer)
    else:
        have = r.randint(1500, 4000)
        more = r.randint(500, 2500)
        spent = r.randint(800, have + more - 300)
        n1 = name(r)
        body = stem("%s had %s beads. She bought %s more beads. Then she used %s beads to make "
                    "bracelets." % (n1, v(have), v(more), v(spent)))
        html, blanks = many([
            ("N", str(have + more), "How many beads did she have after buying more?", "",
             "v1+v2"),
            ("N", str(have + more - spent), "How many beads did she have in the end?", "",
             "v1+v2-v3")])
        tag = "ts2-%d-%d" % (have, more)
    return q(body + html, blanks, tag=tag)


def t1_pattern_gaps(r):
    step = r.choice([50, 100, 250, 500, 125])
    start = r.randint(60, 99) * 100
    seq = [start - i * step for i in range(5)]
    shown = "%s, %s, %s, %s, %s" % (v(seq[0]), v(seq[1]), blank_inline(1, 2, "v1-2*(v1-v2)"),
                                    v(seq[3]), blank_inline(2, 2, "v1-4*(v1-v2)"))
    body = ins("Fill in the missing numbers in the pattern.") + stem(shown)
    return q(body, [Blank("N", str(seq[2])), Blank("N", str(seq[4]))],
             tag="pg%d-%d" % (start, step))


TOPIC1 = {
    "mcq": [t1_place_value, t1_more_less, t1_greatest, t1_expanded, t1_sum_choice],
    "short": [t1_add, t1_add, t1_subtract, t1_subtract, t1_missing, t1_pattern, t1_place_number,
              t1_story, t1_story],
    "long": [t1_two_step, t1_two_step, t1_pattern_gaps],
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
    things = r.choice([("boxes", "crayons"), ("bags", "oranges"), ("plates", "cookies"),
                       ("vases", "flowers"), ("rows", "chairs")])
    body, blanks = choice(r, "There are %d %s with %d %s in each. Which number sentence gives "
                          "the total number of %s?" % (a, things[0], b, things[1], things[1]),
                          "%d %s %d" % (a, TIMES, b),
                          ["%d + %d" % (a, b), "%d &minus; %d" % (b, a),
                           "%d %s %d" % (a * b, DIVIDE, a)])
    return q(body, blanks, tag="ns%d-%d" % (a, b))


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
    ans = r.randint(12, 240)
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


MUL_STORIES = [
    ("There are {a} rows of chairs in the hall. Each row has {b} chairs. How many chairs are "
     "there?", "chairs"),
    ("A box holds {b} pencils. How many pencils are there in {a} such boxes?", "pencils"),
    ("{n} reads {b} pages of a book every day. How many pages does {n} read in {a} days?",
     "pages"),
    ("A minibus can carry {b} children. How many children can {a} minibuses carry?",
     "children"),
]

DIV_STORIES = [
    ("{t} stickers are shared equally among {a} children. How many stickers does each child "
     "get?", "stickers"),
    ("A baker puts {t} muffins into boxes of {a}. How many boxes does she fill?", "boxes"),
    ("{t} pupils are put into {a} equal teams. How many pupils are in each team?", "pupils"),
    ("A rope {t} cm long is cut into {a} equal pieces. How long is each piece?", "cm"),
]


def t2_story(r):
    if r.random() < 0.5:
        a, b = r.randint(3, 9), r.randint(12, 65)
        text, unit = r.choice(MUL_STORIES)
        body = stem(text.format(a=v(a), b=v(b), n=name(r)))
        # the numbers appear in the order of the text: find it
        calc = "v1*v2"
        key = a * b
    else:
        a = r.randint(3, 9)
        each = r.randint(12, 60)
        text, unit = r.choice(DIV_STORIES)
        body = stem(text.format(t=v(a * each), a=v(a)))
        calc = "v1/v2"
        key = each
    html, blanks = one("N", str(key), after=unit, calc=calc)
    return q(body + html, blanks, tag="ms%d-%d" % (a, key))


def t2_remainder(r):
    d = r.randint(3, 9)
    n = d * r.randint(11, 99) + r.randint(1, d - 1)
    body = ins("Divide. Write the answer and the remainder.") + expr("%d %s %d" %
                                                                     (n, DIVIDE, d))
    body = body.replace('<span class="expr">%d' % n, '<span class="expr">%s' % v(n))
    body = body.replace("%s %d =" % (DIVIDE, d), "%s %s =" % (DIVIDE, v(d)))
    html, blanks = many([("N", str(n // d), "Answer", "", "v1\\v2"),
                         ("N", str(n % d), "Remainder", "", "v1%v2")])
    return q(body + html, blanks, tag="rm%d-%d" % (n, d))


def t2_two_step(r):
    kind = r.randrange(3)
    if kind == 0:
        packs, per = r.randint(3, 9), r.randint(6, 24)
        gave = r.randint(5, packs * per - 5)
        n1 = name(r)
        body = stem("%s bought %s packets of pencils. There were %s pencils in each packet. "
                    "%s gave away %s pencils." % (n1, v(packs), v(per), n1, v(gave)))
        html, blanks = many([
            ("N", str(packs * per), "How many pencils did %s buy?" % n1, "", "v1*v2"),
            ("N", str(packs * per - gave), "How many pencils were left?", "", "v1*v2-v3")])
        tag = "m2a%d-%d" % (packs, per)
    elif kind == 1:
        size = r.randint(4, 9)
        total = size * r.randint(8, 30) + r.randint(1, size - 1)
        body = stem("A farmer has %s eggs. He packs them into trays of %s eggs each." %
                    (v(total), v(size)))
        html, blanks = many([
            ("N", str(total // size), "How many trays can he fill?", "", "v1\\v2"),
            ("N", str(total % size), "How many eggs are left over?", "", "v1%v2")])
        tag = "m2b%d-%d" % (total, size)
    else:
        price, count = r.randint(4, 19), r.randint(3, 9)
        paid = ((price * count) // 10 + 1) * 10
        if paid < price * count + 1:
            paid += 10
        n1 = name(r)
        body = stem("%s bought %s books. Each book cost $%s. %s paid with $%s." %
                    (n1, v(count), v(price), n1, v(paid)))
        html, blanks = many([
            ("N", str(price * count), "How much did the books cost?", "", "v1*v2"),
            ("N", str(paid - price * count), "How much change did %s get?" % n1, "",
             "v3-v1*v2")])
        # "$" printed before each answer line
        html = html.replace('<span class="line">', ' $<span class="line">')
        tag = "m2c%d-%d" % (price, count)
    return q(body + html, blanks, tag=tag)


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
    "long": [t2_remainder, t2_two_step, t2_two_step],
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


def t3_heaviest(r):
    values = set()
    while len(values) < 4:
        values.add(r.randint(15, 45) * 100 + r.choice([0, 5, 50, 250]))
    values = sorted(values)
    heavy = r.random() < 0.5
    ans = values[-1] if heavy else values[0]
    texts = {}
    for x in values:
        texts[x] = "%d g" % x if r.random() < 0.5 else _kg_g(x)
    body, blanks = choice(r, "Which is the %s?" % ("heaviest" if heavy else "lightest"),
                          texts[ans], [texts[x] for x in values if x != ans])
    return q(body, blanks, tag="hv%d" % ans)


def t3_longest(r):
    values = set()
    while len(values) < 4:
        values.add(r.randint(120, 480))
    values = sorted(values)
    ans = values[-1]
    texts = {x: ("%d cm" % x if r.random() < 0.5 else "%d m %d cm" % divmod(x, 100))
             for x in values}
    for x in values:
        if x % 100 == 0:
            texts[x] = "%d m" % (x // 100)
    body, blanks = choice(r, "Which is the longest?", texts[ans],
                          [texts[x] for x in values if x != ans])
    return q(body, blanks, tag="lg%d" % ans)


def t3_convert(r):
    kind = r.randrange(4)
    big, small, factor = [("m", "cm", 100), ("km", "m", 1000), ("kg", "g", 1000),
                          ("l", "ml", 1000)][kind]
    a = r.randint(1, 9)
    b = r.randint(5, factor - 1)
    body = ins("Fill in the blank.") + stem("%s %s %s %s = ?" % (v(a), big, v(b), small))
    html, blanks = one("N", str(a * factor + b), after=small, calc="v1*%d+v2" % factor)
    return q(body + html, blanks, tag="cv%d%d%d" % (kind, a, b))


def t3_scale(r):
    value = r.randint(1, 19) * 50
    pic = svg.scale(value, 1000, 100, 50, "g")
    body = stem("What is the mass of the bag of flour on the scale?") + picture(
        1, "A weighing scale")
    html, blanks = one("N", str(value), after="g")
    return q(body + html, blanks, [pic], tag="sc%d" % value)


def t3_jug(r):
    maximum = r.choice([500, 1000])
    minor = 20 if maximum == 500 else 50
    value = r.randint(2, maximum // minor - 1) * minor
    pic = svg.jug(value, maximum, 100 if maximum == 500 else 200, minor)
    body = stem("How much water is in the measuring jug?") + picture(1, "A measuring jug")
    html, blanks = one("N", str(value), after="ml")
    return q(body + html, blanks, [pic], tag="jg%d-%d" % (value, maximum))


def t3_ruler(r):
    start = r.randint(0, 4)
    length = r.randint(4, 10)
    thing = r.choice(["pencil", "eraser"])
    if thing == "eraser":
        length = r.randint(3, 6)
    pic = svg.ruler(start, start + length, thing=thing)
    body = stem("How long is the %s?" % thing) + picture(1, "A %s beside a ruler" % thing)
    html, blanks = one("N", str(length), after="cm")
    return q(body + html, blanks, [pic], tag="ru%d-%d" % (start, length))


LENGTH_STORIES = [
    ("A ribbon is {a} cm long. {n} cuts off {b} cm. How long is the ribbon left?", "-", "cm"),
    ("A tank has {a} ml of water. {b} ml more water is poured in. How much water is in the "
     "tank now?", "+", "ml"),
    ("A box of books has a mass of {a} g. A bag of apples has a mass of {b} g. What is their "
     "total mass?", "+", "g"),
    ("{n} ran {a} m. Her brother ran {b} m less than her. How far did her brother run?", "-",
     "m"),
    ("A bottle holds {a} ml of juice. {n} drinks {b} ml. How much juice is left?", "-", "ml"),
]


def t3_story(r):
    text, op, unit = r.choice(LENGTH_STORIES)
    a = r.randint(800, 4500)
    b = r.randint(150, a - 100 if op == "-" else 3000)
    body = stem(text.format(a=v(a), b=v(b), n=name(r)))
    key, calc = (a - b, "v1-v2") if op == "-" else (a + b, "v1+v2")
    html, blanks = one("N", str(key), after=unit, calc=calc)
    return q(body + html, blanks, tag="ls%d-%d" % (a, b))


def t3_compound(r):
    big, small, factor = r.choice([("kg", "g", 1000), ("m", "cm", 100), ("l", "ml", 1000)])
    add = r.random() < 0.5
    a1, b1 = r.randint(2, 6), r.randint(10, factor - 10)
    a2, b2 = r.randint(1, 3), r.randint(10, factor - 10)
    t1, t2 = a1 * factor + b1, a2 * factor + b2
    if not add and t2 >= t1:
        a1 += 4
        t1 = a1 * factor + b1
    total = t1 + t2 if add else t1 - t2
    op = "+" if add else "&minus;"
    whole = "(v1*%d+v2%sv3*%d%sv4)" % (factor, "+" if add else "-", factor,
                                      "+" if add else "-")
    body = ins("Work out. Write the answer in %s and %s." % (big, small)) + stem(
        "%s %s %s %s %s %s %s %s %s =" % (v(a1), big, v(b1), small, op, v(a2), big, v(b2), small))
    html, blanks = many([("N", str(total // factor), "", big, whole + "\\%d" % factor),
                         ("N", str(total % factor), "", small, whole + "%%%d" % factor)])
    return q(body + html, blanks, tag="cp%d-%d-%d" % (t1, t2, add))


def t3_reverse(r):
    big, small, factor = r.choice([("kg", "g", 1000), ("m", "cm", 100), ("km", "m", 1000),
                                   ("l", "ml", 1000)])
    a, b = r.randint(1, 9), r.randint(5, factor - 1)
    body = ins("Fill in the blanks.") + stem("%s %s = ? %s ? %s" % (v(a * factor + b), small,
                                                                    big, small))
    html, blanks = many([("N", str(a), "", big, "v1\\%d" % factor),
                         ("N", str(b), "", small, "v1%%%d" % factor)])
    return q(body + html, blanks, tag="rv%d%d" % (a, b))


def t3_two_step(r):
    litres, ml = r.randint(2, 4), r.randint(1, 9) * 100
    cups, size = r.randint(3, 6), r.choice([150, 200, 250, 300])
    total = litres * 1000 + ml
    n1 = name(r)
    body = stem("A jug has %s l %s ml of lemonade. %s pours the lemonade into %s cups. Each cup "
                "holds %s ml." % (v(litres), v(ml), n1, v(cups), v(size)))
    html, blanks = many([
        ("N", str(cups * size), "How much lemonade is in the cups?", "ml", "v3*v4"),
        ("N", str(total - cups * size), "How much lemonade is left in the jug?", "ml",
         "v1*1000+v2-v3*v4")])
    return q(body + html, blanks, tag="l2%d-%d-%d" % (total, cups, size))


TOPIC3 = {
    "mcq": [t3_unit, t3_heaviest, t3_longest],
    "short": [t3_convert, t3_convert, t3_scale, t3_jug, t3_ruler, t3_story, t3_story],
    "long": [t3_compound, t3_reverse, t3_two_step],
}

# ---------------------------------------------------------------------------------------------
# Topic 4: time and money


# People of the stories with the pronoun that goes with each name: these topics' own short
# list, so a story never calls Ahmad "she".
PEOPLE = [("Mei Ling", "she"), ("Ahmad", "he"), ("Priya", "she"), ("Ben", "he"),
          ("Siti", "she"), ("Ravi", "he"), ("Hui Min", "she"), ("Daniel", "he"),
          ("Aisha", "she"), ("Jun Jie", "he"), ("Nora", "she"), ("Omar", "he"),
          ("Lily", "she"), ("Kumar", "he"), ("Farah", "she"), ("Wei Ming", "he")]


def person(r, avoid=()):
    """(name, pronoun) of someone not in avoid."""
    while True:
        who = r.choice(PEOPLE)
        if who[0] not in avoid:
            return who


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
        marks = (half, " " + half, " %s.%s." % tuple(half), " %s.%s" % tuple(half))
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


DURATIONS = [
    ("brush your teeth", "2 minutes", ["2 seconds", "2 hours", "2 days"]),
    ("sleep at night", "9 hours", ["9 seconds", "9 minutes", "9 days"]),
    ("eat a sandwich", "5 minutes", ["5 seconds", "5 hours", "5 days"]),
    ("blink your eyes", "1 second", ["1 minute", "1 hour", "1 day"]),
    ("fly from Singapore to London", "13 hours", ["13 seconds", "13 minutes", "13 days"]),
    ("watch a film at the cinema", "2 hours", ["2 seconds", "2 minutes", "2 days"]),
    ("write your name", "10 seconds", ["10 hours", "10 days", "10 weeks"]),
    ("take a shower", "10 minutes", ["10 seconds", "10 hours", "10 days"]),
]


def t4_duration_choice(r):
    what, right, wrong = r.choice(DURATIONS)
    body, blanks = choice(r, "About how long does it take to %s?" % what, right, wrong)
    return q(body, blanks, tag="du-" + what)


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


def t4_change(r):
    price = r.randint(150, 4800)
    note = next(n for n in (500, 1000, 2000, 5000) if n > price)
    n1, he = person(r)
    item = r.choice(["a storybook", "a lunch box", "a water bottle", "a kite", "a puzzle",
                     "a pair of socks"])
    body = stem("%s bought %s for %s. %s paid with a $%s note. How much change did %s "
                "get?" % (n1, item, money(price), he.capitalize(), v(note // 100), he))
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


def t4_shopping(r):
    count = r.randint(2, 6)
    price = r.randint(45, 390)
    other = r.randint(120, 990)
    n1 = name(r)
    a, b = r.sample(["pens", "erasers", "notebooks", "rulers", "bookmarks"], 2)
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
    return q(body, blanks, tag="fc" + "".join(sorted(texts)))


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
    n1 = name(r)
    body = stem("%s ate %s/%s of a %s. What fraction of the %s was left?" %
                (n1, v(n), v(d), food, food)) + FRACTION_HOW
    html, blanks = one("M", fraction_alts(d - n, d), calc="1-v1/v2")
    return q(body + html, blanks, tag="om%d%d" % (n, d))


WHOLES = [("pizza", "slices"), ("cake", "pieces"), ("chocolate bar", "pieces"),
          ("pie", "slices"), ("loaf of bread", "slices")]


def t5_part_whole(r):
    """A fraction as equal parts of one whole."""
    d = r.choice([4, 5, 6, 8, 10, 12])
    n = r.randint(1, d - 1)
    whole, pieces = r.choice(WHOLES)
    n1, he = person(r)
    body = stem("A %s was cut into %s equal %s. %s ate %s of the %s. What fraction of the %s "
                "did %s eat?" % (whole, v(d), pieces, n1, v(n), pieces, whole, he)) + FRACTION_HOW
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
                 greatest, fewest, altogether, word=str):
        self.title, self.axis, self.labels, self.about = title, axis, labels, about
        self.noun = noun      # what one circle of a picture graph stands for
        self.unit = unit      # bar graph scale step; values are multiples of it
        self.most = most      # largest value of one bar
        self.total = total    # largest total of the graph
        self.per = per        # what one circle of a picture graph may stand for
        self.read, self.more, self.altogether = read, more, altogether
        self.greatest, self.fewest = greatest, fewest
        self.word = word      # a label as the question's sentence says it

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
               word=lambda s: {"Mango": "mangoes"}.get(s, s.lower() + "s")),
    GraphStory("Books read in March", "Number of books",
               ["Ali", "Bala", "Cheng", "Dina", "Eva"],
               "how many books some children read in March", "books", 1, 12, 40, [2],
               "How many books did %s read?", "How many more books did %s read than %s?",
               "Who read the most books?", "Who read the fewest books?",
               "How many books did the five children read altogether?"),
    GraphStory("Favourite pets of Class 3A", "Number of pupils",
               ["Cats", "Dogs", "Fish", "Birds", "Rabbits"],
               "the favourite pets of the pupils in Class 3A", "pupils", 1, 12, 35, [2],
               "How many pupils chose %s?", "How many more pupils chose %s than %s?",
               "Which pet did the most pupils choose?",
               "Which pet did the fewest pupils choose?",
               "How many pupils are there in Class 3A?", word=str.lower),
    GraphStory("Cars in a car park", "Number of cars",
               ["Red", "Blue", "White", "Black", "Silver"],
               "the colours of the cars in a car park", "cars", 5, 40, 120, [5],
               "How many cars are %s?", "How many more %s cars than %s cars are there?",
               "Which colour has the most cars?", "Which colour has the fewest cars?",
               "How many cars are there in the car park altogether?", word=str.lower),
    GraphStory("Favourite sports", "Number of pupils",
               ["Football", "Swimming", "Tennis", "Hockey", "Golf"],
               "the favourite sports of the pupils in Class 3C", "pupils", 1, 12, 35, [2],
               "How many pupils chose %s?", "How many more pupils chose %s than %s?",
               "Which sport did the most pupils choose?",
               "Which sport did the fewest pupils choose?",
               "How many pupils are there in Class 3C?", word=str.lower),
    GraphStory("Visitors to the library", "Number of visitors",
               ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday"],
               "how many people visited a library on each school day of one week", "people",
               10, 60, 250, [10],
               "How many people visited the library on %s?",
               "How many more people visited the library on %s than on %s?",
               "On which day did the most people visit the library?",
               "On which day did the fewest people visit the library?",
               "How many people visited the library that week?"),
]


def _graph(r):
    story = r.choice(GRAPHS)
    return story, story.values(r, len(story.labels))


def _named(story, i):
    return "<b>%s</b>" % story.word(story.labels[i])


def _bar_picture(story, values):
    return svg.bar_graph(story.labels, values, story.unit, story.title, story.axis)


def t5_graph_read(r):
    story, values = _graph(r)
    i = r.randrange(len(story.labels))
    body = stem("The bar graph shows %s." % story.about) + picture(1, "A bar graph") + stem(
        story.read % _named(story, i))
    html, blanks = one("N", str(values[i]))
    return q(body + html, blanks, [_bar_picture(story, values)],
             tag="gr%s%d%s" % (story.title, values[i], story.labels[i]))


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
    return q(body, blanks, [_bar_picture(story, values)],
             tag="gm%s%s" % (story.title, values))


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
    return q(body + html, blanks, [_bar_picture(story, values)],
             tag="g2%s%s" % (story.title, values))


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
    return q(body + html, blanks, [pic], tag="pg%s%s%d" % (story.title, values, per))


def t5_fraction_story(r):
    d = r.choice([6, 8, 9, 10, 12])
    a, b = r.sample(range(1, d - 1), 2)
    if a + b >= d:
        return t5_fraction_story(r)
    n1 = name(r)
    n2 = name(r, (n1,))
    body = stem("A cake was cut into equal pieces. %s ate %s/%s of the cake and %s ate %s/%s of "
                "it." % (n1, v(a), v(d), n2, v(b), v(d))) + FRACTION_HOW
    html, blanks = many([
        ("M", fraction_alts(a + b, d), "What fraction of the cake did they eat?", "",
         "v1/v2+v3/v4"),
        ("M", fraction_alts(d - a - b, d), "What fraction of the cake was left?", "",
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
    n1, he = person(r)
    body = stem("%s's square garden has sides of %s m. %s puts a fence all round it." %
                (n1, v(side), he.capitalize()))
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


def _draw(r, makers, marks, used_tags, used_bodies, blanks=None):
    for _ in range(500):
        question = r.choice(makers)(r)
        if (question.tag in used_tags or question.body in used_bodies
                or not _fits(question, marks)
                or (blanks is not None and len(question.blanks) != blanks)):
            continue
        used_tags.add(question.tag)
        used_bodies.add(question.body)
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
    return topics
