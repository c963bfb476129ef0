"""Pieces several content rules share (rules/ holds only rules, so they live here)."""

import html


def accepted(blank):
    """The answers a T, L or M blank accepts, as the marking reads its key."""
    return blank.key.split(";")[1:] if blank.code == "M" else [blank.key]


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
                yield q.qid, html.unescape(q.tag[2:]), accepted(b)
