"""No paper of Addition and Subtraction, Multiplication and Division, or Length, Weight and
Capacity tells the same story twice with other numbers or names (three zoo stories, or five
children buying beads, in one paper). Short drills ("Work out.") may repeat: they are practice.
"""

import html
import re

from mathsbase import NAMES, questions_of

NAME = "maths story told twice in one paper (topics 1-3)"

TOPICS = (1, 2, 3)
STORY_WORDS = 10


def shape(body):
    """The stem of a story with its numbers and names masked, or None for a drill."""
    stems = re.findall(r'<p class="stem">(.*?)</p>', body, flags=re.S)
    text = " ".join(html.unescape(re.sub(r"<[^>]+>", " ", s)) for s in stems)
    text = " ".join(text.split())
    # A story sets a scene before it asks: two sentences at least.
    if len(text.split()) < STORY_WORDS or len(re.findall(r"[.?](?: |$)", text)) < 2:
        return None
    for n in sorted(NAMES, key=len, reverse=True):
        text = re.sub(r"\b%s\b" % n, "@", text)
    return re.sub(r"\d+", "#", text)


def check(subject, papers):
    problems = []
    seen = {}
    for p, q in questions_of(subject, papers, TOPICS):
        s = shape(q.body)
        if s is None:
            continue
        first = seen.setdefault((p.key, s), q.qid)
        if first != q.qid:
            problems.append("%d tells the story of %d again" % (q.qid, first))
    return problems
