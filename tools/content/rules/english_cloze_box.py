"""A word-box passage can be filled from its box, each word once: every blank accepts only
words of the box, every word of the box that answers a blank answers no other blank, and the
box lists no word twice. Accepting a word the box lacks, or two blanks sharing one word, would
mark a pupil who follows "Each word can be used only once" wrong.
"""

import html
import re

NAME = "English word box that does not fit its blanks"


def box_words(body):
    m = re.search(r'<div class="box">(.*?)</div>', body, re.S)
    if not m:
        return None
    return [html.unescape(w).strip().lower() for w in m.group(1).split("&nbsp;")
            if w.strip()]


def check(subject, papers):
    if subject["number"] != 1:
        return []
    problems = []
    for p in papers:
        for q in p.questions:
            box = box_words(q.body)
            if box is None:
                continue
            if len(set(box)) != len(box):
                problems.append("%d: the box lists a word twice" % q.qid)
            used = {}
            for n, b in enumerate(q.blanks, 1):
                keys = b.key.split(";")[1:] if b.code == "M" else [b.key]
                for k in (x.strip().lower() for x in keys):
                    if k not in box:
                        problems.append("%d blank %d: '%s' is not in the box" % (q.qid, n, k))
                    elif k in used:
                        problems.append("%d blanks %d and %d both take '%s'"
                                        % (q.qid, used[k], n, k))
                    else:
                        used[k] = n
    return problems
