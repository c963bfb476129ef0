"""Numbers of Addition and Subtraction, Multiplication and Division, and Length, Weight and
Capacity stay at the level of eight- and nine-year-olds.

Whole numbers up to 10 000 on the page and in the answers; multiplication of up to three
digits by one digit; division of up to three digits by one digit; money up to $100. A
product or quotient with 10, 100 or 1000 is a change of unit, not a calculation of that kind.
The operations are read from each blank's working (data-calc) and the calculations printed
on the page, so a story's numbers are checked as well as a sum's.
"""

import ast
import html
import re

from mathsbase import questions_of

NAME = "maths level of topics 1-3 (10 000, three digits by one, $100)"

TOPICS = (1, 2, 3)
LIMIT = 10000
MONEY = 100
_UNIT_STEPS = (10, 100, 1000)


def _numbers(body):
    return [float(x) for x in re.findall(r'<b class="v">([^<]*)</b>', body)]


def _exprs(body):
    out = []
    for e in re.findall(r'<span class="expr">(.*?)</span>', body):
        text = html.unescape(re.sub(r"<[^>]+>", "", e)).rstrip("= ")
        text = text.replace("\u00d7", "*").replace("\u00f7", "/").replace("\u2212", "-")
        out.append(text)
    return out


class _Walker:
    def __init__(self, values):
        self.values = values
        self.faults = []

    def value(self, node):
        if isinstance(node, ast.Expression):
            return self.value(node.body)
        if isinstance(node, ast.Constant):
            return float(node.value)
        if isinstance(node, ast.Name):
            return self.values[node.id]
        if isinstance(node, ast.UnaryOp):
            return -self.value(node.operand)
        a, b = self.value(node.left), self.value(node.right)
        op = node.op
        if isinstance(op, ast.Add):
            return a + b
        if isinstance(op, ast.Sub):
            return a - b
        if isinstance(op, ast.Mult):
            self.product(a, b)
            return a * b
        self.quotient(a, b)
        if isinstance(op, ast.Mod):
            return a % b
        if isinstance(op, ast.FloorDiv):
            return a // b
        return a / b

    def product(self, a, b):
        if a in _UNIT_STEPS or b in _UNIT_STEPS:
            return
        small, big = sorted((abs(a), abs(b)))
        if small > 9 or big > 999:
            self.faults.append("%g x %g" % (a, b))

    def quotient(self, a, b):
        if b in _UNIT_STEPS:
            return
        if b > 9 or abs(a) > 999:
            self.faults.append("%g / %g" % (a, b))


def _formula(text):
    text = text.replace("\\", "//")
    text = re.sub(r"\b([ve])(\d+)\b", r"\1_\2", text)
    return ast.parse(text, mode="eval")


def faults(q):
    body = q.body
    found = []
    numbers = _numbers(body)
    values = {"v_%d" % (i + 1): x for i, x in enumerate(numbers)}
    walker = _Walker(values)
    for i, e in enumerate(_exprs(body)):
        try:
            values["e_%d" % (i + 1)] = walker.value(_formula(e))
        except (SyntaxError, KeyError, ZeroDivisionError):
            pass  # an expression with a blank inside: its numbers are checked below
    for calc in re.findall(r'data-calc="([^"]*)"', body):
        walker.value(_formula(html.unescape(calc)))
    found += walker.faults
    text = html.unescape(re.sub(r"<[^>]+>", " ", body))
    for n in re.findall(r"\d+(?:\.\d+)?", text.replace(",", "")):
        if float(n) > LIMIT:
            found.append("%s on the page" % n)
    keys = [b.key for b in q.blanks if b.code == "N"]
    keys += [b.key.split(";")[1] for b in q.blanks if b.code == "M"
             and re.fullmatch(r"\d+(\.\d+)?", b.key.split(";")[1])]
    for k in keys:
        if float(k) > LIMIT:
            found.append("answer %s" % k)
    if "$" in text:
        money = [float(m) for m in re.findall(r"\$\s*(\d+(?:\.\d+)?)", text)] + [
            float(k) for k in keys]
        found += ["$%g" % m for m in money if m > MONEY]
    return found


def check(subject, papers):
    problems = []
    for _, q in questions_of(subject, papers, TOPICS):
        f = faults(q)
        if f:
            problems.append("%d above the level: %s" % (q.qid, ", ".join(f)))
    return problems
