"""English papers: grammar, vocabulary, cloze passages, comprehension and mock papers.

Items come from the banks; the seed only decides which items go into which paper and the
order of the options.
"""

import random
import re

import bank
from model import Blank, Question, alts
from page import answer_line, esc, label, options, rows

SEED = 2718

GAP = '<span class="line">&nbsp;</span>'


def _sentence(text):
    """Bank sentence to HTML: ___ becomes a gap, *word* is underlined."""
    html = esc(text).replace("___", GAP)
    return re.sub(r"\*([^*]+)\*", r"<u><b>\1</b></u>", html)


def _choice(r, instruction, sentence, correct, wrong, tag):
    opts = [correct] + wrong
    assert len(set(opts)) == 4, sentence
    r.shuffle(opts)
    body = ('<p class="ins">%s</p><p class="stem">%s</p>' % (instruction, _sentence(sentence))
            + options([esc(o) for o in opts]) + rows([("", "", None)]))
    return Question(body, [Blank("Q", str(opts.index(correct) + 1))], tag=tag)


def _written(sentence, answer, tag):
    body = ('<p class="ins">Fill in the blank with the correct form of the word in brackets.'
            '</p><p class="stem">%s</p>' % _sentence(sentence) + rows([("", "", None)]))
    answers = answer.split("/")
    blank = Blank("M", alts(*answers)) if len(answers) > 1 else Blank("T", answer)
    return Question(body, [blank], tag=tag)


# Shown on every whole-sentence page: the answer is marked letter for letter (case aside), so
# the pupil is told what exactly to type.
LONG_REMINDER = "Write the whole sentence in the answer box and end it with a full stop."


def _long(instruction, sentence, answer, start, tag):
    """A whole-sentence question. One right wording: a blank of code L whose key is it. Several
    (a comma before "but", "hadn't" for "had not", "Tomorrow" in front): an M blank that
    accepts each of them, since L would mark all but one of them wrong."""
    answers = [a.strip() for a in answer.split("/")]
    assert len(set(a.lower() for a in answers)) == len(answers), answers
    plain = sentence.replace("*", "")
    for a in answers:
        assert a.endswith(".") and a.count(".") == 1 and "  " not in a, a
        assert ";" not in a and a[0].isupper(), a
        assert a.lower() != plain.lower(), a
        if start:
            # "Begin with" is kept short enough for every accepted wording to begin with it.
            assert a.startswith(start) and a[len(start)] in " ,", (start, a)
    if len(answers) == 1:
        assert "," not in answer and "n't" not in answer, answer
    if "*" in sentence:
        # Only the underlined words change: every other word stays in its place.
        words = sentence.split(" ")
        for a in answers:
            said = a.split(" ")
            assert len(said) == len(words), (sentence, a)
            for word, new in zip(words, said):
                assert "*" in word or word == new, (sentence, a)
    body = ('<p class="ins">%s</p><p class="stem">%s</p>' % (_sentence(instruction),
                                                             _sentence(sentence)))
    if start:
        body += ('<p class="stem">Begin with: <b class="begin">%s</b> ...</p>' % esc(start))
    body += ('<p class="ins">%s</p><div class="rows"><p>%s</p></div>'
             % (LONG_REMINDER, answer_line(1, 1, wide=True)))
    blank = Blank("M", alts(*answers)) if len(answers) > 1 else Blank("L", answers[0])
    return Question(body, [blank], tag=tag)


INSTRUCTIONS = {
    "C": "Choose the word or words that best complete the sentence.",
    "S": "Choose the word or phrase closest in meaning to the underlined word.",
    "A": "Choose the word opposite in meaning to the underlined word.",
}


def grammar_items(r):
    """Choice, written and long-answer items; the long answers keep the bank's order."""
    choices, written, long_answers = [], [], []
    for kind, fields in bank.lines("grammar.txt"):
        tag = "g:" + fields[0]
        if kind == "C":
            assert len(fields) == 5, fields
            choices.append(_choice(r, "Choose the correct answer.", fields[0], fields[1],
                                   fields[2:], tag))
        elif kind == "L":
            assert len(fields) in (3, 4), fields
            start = fields[3] if len(fields) == 4 else ""
            long_answers.append(_long(fields[0], fields[1], fields[2], start,
                                      "gl:" + fields[1]))
        else:
            assert kind == "W" and len(fields) == 2 and "___" in fields[0], fields
            written.append(_written(fields[0], fields[1], tag))
    r.shuffle(choices)
    r.shuffle(written)
    return choices, written, long_answers


def vocabulary_items(r):
    items = []
    for kind, fields in bank.lines("vocabulary.txt"):
        assert kind in INSTRUCTIONS and len(fields) == 5, fields
        if kind == "C":
            assert "___" in fields[0], fields
        else:
            assert fields[0].count("*") == 2, fields
        items.append(_choice(r, INSTRUCTIONS[kind], fields[0], fields[1], fields[2:],
                             "v:" + fields[0]))
    r.shuffle(items)
    return items


def _take(items, n):
    assert len(items) >= n, (len(items), n)
    out = items[:n]
    del items[:n]
    return out


# ---- cloze passages and comprehension ------------------------------------------------------

BLANK_RE = re.compile(r"\[([^\]]+)\]")


def _fields(item):
    out = {}
    for tag, text in item:
        out.setdefault(tag, []).append(text)
    return out


def grammar_cloze(item):
    f = _fields(item)
    title = f["Title"][0]
    text = " ".join(f["Text"])
    answers = [a.split("/") for a in BLANK_RE.findall(text)]
    blanks = len(answers)
    assert blanks in (5, 10, 15), (title, blanks)
    firsts = [a[0].lower() for a in answers]
    assert len(set(firsts)) == blanks, title  # each word of the box is used once
    extra = [w.strip() for w in f["Box"][0].split(",")] if "Box" in f else []
    box = sorted(set(firsts + [w.lower() for w in extra]))
    count = [0]

    def gap(_m):
        count[0] += 1
        return answer_line(count[0], blanks)
    passage = BLANK_RE.sub(gap, esc(text))
    body = ('<p class="ins">Fill in each blank with a word from the box. Each word can be used '
            'only once.</p><div class="box">%s</div><p class="sub"><b>%s</b></p>'
            '<div class="passage"><p>%s</p></div>'
            % (" &nbsp; ".join(esc(w) for w in box), esc(title), passage))
    return Question(body, [Blank("M", alts(*a)) if len(a) > 1 else Blank("T", a[0])
                           for a in answers], tag="gc:" + title)


def vocabulary_cloze(item, r):
    f = _fields(item)
    title = f["Title"][0]
    text = " ".join(f["Text"])
    groups = [g.split("|") for g in BLANK_RE.findall(text)]
    assert len(groups) in (5, 10, 15) and all(len(g) == 4 for g in groups), title
    count = [0]

    def gap(_m):
        count[0] += 1
        return answer_line(count[0], len(groups))
    passage = BLANK_RE.sub(gap, esc(text))
    lists, blanks = [], []
    for n, g in enumerate(groups, 1):
        opts = [x.strip() for x in g]
        correct = opts[0]
        r.shuffle(opts)
        blanks.append(Blank("Q", str(opts.index(correct) + 1)))
        lists.append("<p><b>%s</b> %s</p>" % (label(n), " &nbsp; ".join(
            "(%d) %s" % (i + 1, esc(o)) for i, o in enumerate(opts))))
    body = ('<p class="ins">Choose the best word for each blank. Type the number of your '
            'choice, 1, 2, 3 or 4, in the answer box.</p><p class="sub"><b>%s</b></p>'
            '<div class="passage"><p>%s</p></div>%s' % (esc(title), passage, "".join(lists)))
    return Question(body, blanks, tag="vc:" + title)


def comprehension(item, r, marks=2):
    f = _fields(item)
    title = f["Title"][0]
    paragraphs = "".join("<p>%s</p>" % esc(p) for p in f["Text"])
    questions = [[x.strip() for x in qline.split("|")] for qline in f["Q"]]
    assert len(questions) == 5 and all(len(qq) == 5 for qq in questions), title
    parts, blanks = [], []
    for n, qq in enumerate(questions, 1):
        opts = qq[1:]
        correct = opts[0]
        r.shuffle(opts)
        blanks.append(Blank("Q", str(opts.index(correct) + 1), marks))
        parts.append('<p class="stem"><b>%s</b> %s</p>' % (label(n), esc(qq[0]))
                     + options([esc(o) for o in opts])
                     + "<p>" + answer_line(n, 5) + "</p>")
    body = ('<p class="ins">Read the passage and answer the questions. Type the number of your '
            'choice, 1, 2, 3 or 4.</p><p class="sub"><b>%s</b></p><div class="passage">%s'
            '</div>%s' % (esc(title), paragraphs, "".join(parts)))
    return Question(body, blanks, tag="co:" + title)


def _passages(name, count, make):
    items = bank.blocks(name)
    assert len(items) >= count, (name, len(items))
    return [make(item) for item in items[:count]]


def build():
    r = random.Random(SEED)
    choices, written, long_answers = grammar_items(r)
    vocab = vocabulary_items(r)
    gcloze = _passages("grammar_cloze.txt", 20, grammar_cloze)
    vcloze = _passages("vocabulary_cloze.txt", 20, lambda i: vocabulary_cloze(i, r))
    comp = _passages("comprehension.txt", 20, lambda i: comprehension(i, r))

    # Each grammar paper ends with two long answers of one mark, like every other item there.
    grammar = [_take(choices, 19) + _take(written, 9) + _take(long_answers, 2)
               for _ in range(5)]
    vocabulary = [_take(vocab, 30) for _ in range(5)]
    cloze_g = [_take(gcloze, 3) for _ in range(5)]
    assert all(sum(len(q.blanks) for q in paper) == 30 for paper in cloze_g)
    cloze_v = [_take(vcloze, 3) for _ in range(5)]
    assert all(sum(len(q.blanks) for q in paper) == 30 for paper in cloze_v)
    comprehension_papers = [_take(comp, 3) for _ in range(5)]
    mocks = []
    for i in range(5):
        mock_choices = len(choices) // (5 - i)  # what is left, shared out evenly
        mocks.append(_take(choices, mock_choices) + _take(written, 18 - mock_choices)
                     + _take(long_answers, 2) + _take(vocab, 10) + _take(gcloze, 1)
                     + _take(vcloze, 1) + _take(comp, 1))
    assert not long_answers, len(long_answers)
    return [grammar, vocabulary, cloze_g, cloze_v, comprehension_papers, mocks]
