"""Questions, blanks and papers as the generator builds them, before they are written out.

A Question knows its answer blanks (code, key, marks) and the HTML body of its page plus any
pictures. Keys follow the marking codes: Q (option 1-4), N (number), F (fraction), X (mixed
number), T (words), L (long answer), M (";alt1;alt2"), G (group: ";a;b;c" then " " keys).
"""

import re

ROW_LABELS = "abcdefghijklmnopqrst"

_FORBIDDEN = re.compile(r"[>#\r\n]")


class Blank:
    __slots__ = ("code", "key", "marks")

    def __init__(self, code, key, marks=1):
        self.code = code
        self.key = key
        self.marks = marks


class Question:
    """One question page: blanks in answer-row order, page body HTML and SVG pictures."""

    def __init__(self, body, blanks, pictures=None, tag=""):
        self.body = body
        self.blanks = list(blanks)
        self.pictures = list(pictures or [])  # SVG texts, referenced as pic1.svg, pic2.svg...
        self.tag = tag  # what the question is about, for near-duplicate checks
        # the picture or data set it is drawn from: a paper shows each one once
        self.data = None
        self.qid = 0


class Paper:
    def __init__(self, key, questions):
        self.key = key
        self.questions = questions

    def blank_count(self):
        return sum(len(q.blanks) for q in self.questions)

    def total_marks(self):
        return sum(b.marks for q in self.questions for b in q.blanks)


def alts(*answers):
    """Key of an M blank or of the first blank of a G group."""
    assert len(answers) >= 2, answers
    return "".join(";" + a for a in answers)


def group(answers, count, marks=1):
    """Blanks of one G group: count blanks accepting the answers in any order."""
    assert 2 <= count <= len(answers), (answers, count)
    first = Blank("G", alts(*answers), marks)
    return [first] + [Blank("G", " ", marks) for _ in range(count - 1)]


def group_spans(blanks):
    """Indices of the blanks of each "G" group: a ";a;b" key and the " " keys after it."""
    spans = []
    for i, b in enumerate(blanks):
        if b.code != "G":
            continue
        if b.key.startswith(";"):
            spans.append([i])
        elif spans and spans[-1][-1] == i - 1:
            spans[-1].append(i)
    return spans


def spread(total, count):
    """Marks of count blanks adding up to total, each 1..3, larger marks first."""
    assert count <= total <= 3 * count, (total, count)
    base, extra = divmod(total, count)
    return [base + (1 if i < extra else 0) for i in range(count)]


def check_question(q):
    """Raises AssertionError when a question breaks the table rules."""
    assert 1 <= len(q.blanks) <= 15, (q.tag, len(q.blanks))
    for i, b in enumerate(q.blanks):
        assert b.marks in (1, 2, 3), (q.tag, b.marks)
        assert b.code in "QNFXTLMG" and len(b.code) == 1, (q.tag, b.code)
        assert b.key and not _FORBIDDEN.search(b.key), (q.tag, b.key)
        assert all(32 <= ord(c) < 127 for c in b.key), (q.tag, b.key)
        if b.code == "Q":
            assert b.key in ("1", "2", "3", "4"), (q.tag, b.key)
        elif b.code == "N":
            assert re.fullmatch(r"\d+(\.\d+)?", b.key), (q.tag, b.key)
        elif b.code == "F":
            assert re.fullmatch(r"\d+/\d+", b.key), (q.tag, b.key)
        elif b.code == "X":
            assert re.fullmatch(r"\d+ \d+/\d+", b.key), (q.tag, b.key)
        elif b.code == "M":
            assert b.key.startswith(";") and b.key.count(";") >= 2, (q.tag, b.key)
        elif b.code == "G":
            if b.key == " ":
                assert i > 0 and q.blanks[i - 1].code == "G", q.tag
            else:
                assert b.key.startswith(";") and b.key.count(";") >= 2, (q.tag, b.key)
        else:
            assert b.key == b.key.strip() and b.key != "", (q.tag, b.key)
    # a group never accepts fewer answers than it has blanks
    i = 0
    while i < len(q.blanks):
        b = q.blanks[i]
        if b.code == "G" and b.key != " ":
            j = i + 1
            while j < len(q.blanks) and q.blanks[j].code == "G" and q.blanks[j].key == " ":
                j += 1
            assert j - i <= b.key.count(";"), (q.tag, b.key)
            i = j
        else:
            i += 1
