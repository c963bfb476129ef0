#!/usr/bin/env python3
"""Prints questions as a reviewer reads them: the page text, then each blank's code, key and
marks. Pictures are named, not drawn (render a page to see them).

  python3 tools/content/dump.py SUBJECT [TOPIC [PAPER]]    SUBJECT 1..3, TOPIC and PAPER 1-based
  python3 tools/content/dump.py --id QID                    one question
"""

import html
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import generate  # noqa: E402


def page_text(body):
    """The page body as plain text: options and answer lines on lines of their own."""
    text = re.sub(r"<img[^>]*alt=\"([^\"]*)\"[^>]*>", r"[picture: \1]", body)
    text = re.sub(r'<span class="line"[^>]*>.*?</span>', "____", text)
    text = re.sub(r"</?(p|li|tr|div|ol|ul|table|h\d)[^>]*>", "\n", text)
    text = re.sub(r"</t[dh]>", " | ", text)
    text = re.sub(r"<[^>]+>", "", text)
    text = html.unescape(text)
    lines = [re.sub(r"[ \t]+", " ", ln).strip() for ln in text.split("\n")]
    return "\n".join(ln for ln in lines if ln)


def describe(q, subject, paper_key):
    out = ["=== %d  (subject %d, paper %d, tag %s)" % (q.qid, subject, paper_key, q.tag)]
    out.append(page_text(q.body))
    for n, b in enumerate(q.blanks, 1):
        out.append("  blank %d: %s %r  marks %d" % (n, b.code, b.key, b.marks))
    if q.pictures:
        out.append("  pictures: %d" % len(q.pictures))
    return "\n".join(out)


def main(argv):
    if len(argv) >= 2 and argv[0] == "--id":
        wanted = int(argv[1])
        subjects = generate.SUBJECTS
        topic = paper = None
    else:
        s = int(argv[0])
        subjects = [generate.SUBJECTS[s - 1]]
        topic = int(argv[1]) if len(argv) > 1 else None
        paper = int(argv[2]) if len(argv) > 2 else None
        wanted = None
    for subject in subjects:
        papers = generate.assemble(subject)
        for p in papers:
            t, k = divmod(p.key - 101, 5)
            if topic is not None and t + 1 != topic:
                continue
            if paper is not None and k + 1 != paper:
                continue
            for q in p.questions:
                if wanted is None or q.qid == wanted:
                    print(describe(q, subject["number"], p.key))
                    print()


if __name__ == "__main__":
    main(sys.argv[1:])
