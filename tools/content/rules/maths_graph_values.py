"""Graph values and totals are what the graph's story allows (one class has at most 35
pupils, a child reads a few books a month), the question names only what the graph shows,
and asks in a teacher's words."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathsbase import questions_of  # noqa: E402
import svggeometry  # noqa: E402

NAME = "graph value, total or wording unrealistic"

# title: (largest value of one bar or row, largest total), as a teacher would believe them
REALISTIC = {
    "Favourite fruits": (12, 35),        # the pupils of one class
    "Favourite sports": (12, 35),
    "Favourite pets of Class 3A": (12, 35),
    "Books read in March": (12, 40),     # one child's books in a month
    "Cars in a car park": (40, 120),
    "Visitors to the library": (60, 250),
}

# another graph of one story in a paper names another class, month or place (maths.py)
_RENAMED = [(r"Class 3[A-Z]", "Class 3A"), (r"\b(?:April|May|June|July)\b", "March"),
            (r"a \w+ car park", "a car park"), (r"the \w+ library", "the library")]


def _story(title):
    for pattern, first in _RENAMED:
        title = re.sub(pattern, first, title)
    return title


# a question no teacher would write about a graph
CLUMSY = [r"number for\b", r"more for\b", r"Which has the", r"total for all"]


def _bar_values(root, rects):
    scale = []
    for s, _, el in svggeometry.texts(svggeometry.ET.tostring(root, encoding="unicode")):
        if el.get("text-anchor") == "end" and s.isdigit():
            scale.append((int(s), float(el.get("y")) - 5))
    scale.sort()
    (v0, y0), (v1, y1) = scale[0], scale[-1]
    per = (y0 - y1) / (v1 - v0)
    return [round((float(r.get("height"))) / per) for r in rects]


def graph_values(q):
    """(title, values, labels shown) of a graph question, or None."""
    for pic in q.pictures:
        root = svggeometry.parse(pic)
        texts = svggeometry.texts(pic)
        bold = [s for s, _, el in texts if el.get("font-weight") == "bold"]
        rects = [el for el in root.iter() if el.tag.endswith("rect")
                 and el.get("fill") == "#5b8fd6"]
        if rects:
            return bold[0], _bar_values(root, rects), [s for s, _, _ in texts]
        circles = [el for el in root.iter() if el.tag.endswith("circle")
                   and el.get("fill") == "#f2b134"]
        if circles:
            m = re.search(r'stands for <b class="v">(\d+)</b>', q.body)
            per = int(m.group(1)) if m else 1
            rows = {}
            for c in circles:
                rows[c.get("cy")] = rows.get(c.get("cy"), 0) + per
            return bold[0], list(rows.values()), [s for s, _, _ in texts]
    return None


def check(subject, papers):
    problems = []
    for p, q in questions_of(subject, papers, (4, 5, 6)):
        found = graph_values(q)
        if not found:
            continue
        title, values, shown = found
        title = _story(title)
        if title not in REALISTIC:
            problems.append("%d: no realistic range known for %r" % (q.qid, title))
            continue
        most, total = REALISTIC[title]
        if max(values) > most or sum(values) > total:
            problems.append("%d: %s %s (total %d) beyond %d each, %d in all"
                            % (q.qid, title, values, sum(values), most, total))
        for named in re.findall(r"<b>([^<]+)</b>", q.body):
            # a label may be said as its plural in the sentence ("mangoes" for Mango)
            if not any(named.lower().startswith(x.lower()) for x in shown if x):
                problems.append("%d: asks about %r, not in the graph" % (q.qid, named))
        text = re.sub(r"<[^>]+>", "", q.body)
        for pattern in CLUMSY:
            if re.search(pattern, text):
                problems.append("%d: clumsy question wording %r" % (q.qid, pattern))
    return problems
