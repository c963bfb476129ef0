"""A generated question read back as plain text, for rules that look at what a pupil reads:
the question's own words, its options and the answers its keys accept."""

import html
import re


def _plain(fragment):
    text = re.sub(r"<[^>]+>", " ", fragment)
    return " ".join(html.unescape(text).split())


def stem(q):
    """The question's words: its stem and box paragraphs, without options or answer rows."""
    parts = re.findall(r'<p class="(?:stem|sub)">(.*?)</p>|<div class="box">(.*?)</div>',
                       q.body, flags=re.S)
    return " ".join(_plain(a or b) for a, b in parts)


def options(q):
    return [_plain(o) for o in re.findall(r"<li>\(\d\) (.*?)</li>", q.body, flags=re.S)]


def has_box(q):
    return '<div class="box">' in q.body


def is_true_false(q):
    return len(q.blanks) == 1 and q.blanks[0].key in ("True", "False") and \
        "true</b> or" in q.body


def accepted(q, b):
    """What blank b accepts, as a pupil would write it (a choice blank: its option text)."""
    if b.code == "Q":
        return [options(q)[int(b.key) - 1]]
    if b.code in "MG" and b.key.startswith(";"):
        return b.key[1:].split(";")
    return [b.key]


def words(text):
    return re.findall(r"[a-z]+", text.lower())


def prompt(q, n):
    """The words of answer row n (1 = first) before its line, or "" when the row has none."""
    m = re.search(r'data-b="%d">(.*?)<span class="line">' % n, q.body, flags=re.S)
    if not m:
        return ""
    return _plain(re.sub(r'<span class="lbl">.*?</span>', "", m.group(1)))


def asked(q, n):
    """What blank n answers: its row's own question, else the question's stem."""
    return prompt(q, n) or stem(q)


def word_form_items(subject, papers):
    """English "correct form of the word" items of one written blank: (qid, sentence, answers)."""
    if subject["number"] != 1:
        return
    for p in papers:
        for q in p.questions:
            if not q.tag.startswith("g:") or len(q.blanks) != 1:
                continue
            b = q.blanks[0]
            if b.code in "TM":
                yield q.qid, html.unescape(q.tag[2:]), accepted(q, b)
