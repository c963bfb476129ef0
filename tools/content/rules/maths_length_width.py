"""A rectangle's length is never shorter than its width."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathsbase import questions_of  # noqa: E402

NAME = "rectangle longer than it is wide"


def _plain(body):
    return " ".join(re.sub(r"<[^>]+>", " ", body).split())


def check(subject, papers):
    problems = []
    for p, q in questions_of(subject, papers, (4, 5, 6)):
        text = _plain(q.body)
        for a, b in re.findall(r"(\d+) c?m long and (\d+) c?m wide", text):
            if int(a) < int(b):
                problems.append("%d: %s long and %s wide" % (q.qid, a, b))
        m = re.search(r"Its length is (\d+) c?m", text)
        if m and "width" in text:
            # the width is the blank whose label asks for it
            widths = [bl for bl, label in zip(q.blanks, re.findall(
                r'<span class="ans"[^>]*>(?:<span class="lbl">[^<]*</span>)?([^<]*)',
                q.body)) if "width" in label]
            for bl in widths:
                if int(bl.key.lstrip(";").split(";")[0]) > int(m.group(1)):
                    problems.append("%d: length %s, width %s" % (q.qid, m.group(1), bl.key))
    return problems
