"""Every part of a picture lies inside its frame, at a size a child can read, and each of
several angles drawn side by side keeps to its own place."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import svggeometry  # noqa: E402

NAME = "picture part outside its frame or too small"

SMALLEST_TEXT = 12  # px at the page's own size


def _angle_groups(svg_text):
    """Boxes of the arms of each angle of an angle picture (lines meeting at one vertex)."""
    root = svggeometry.parse(svg_text)
    groups = {}
    for tag, pts, el in svggeometry.elements(root):
        if tag == "line":
            groups.setdefault((el.get("x1"), el.get("y1")), []).extend(pts)
    return [(min(p[0] for p in g), max(p[0] for p in g)) for g in groups.values()
            if len(g) >= 8]


def problems_of(qid, svg_text, angle_picture):
    out = ["%d: %s" % (qid, b) for b in svggeometry.outside(svg_text)]
    for s, size, _ in svggeometry.texts(svg_text):
        if size < SMALLEST_TEXT:
            out.append("%d: text %r at %gpx" % (qid, s, size))
    if angle_picture:
        spans = sorted(_angle_groups(svg_text))
        for (a0, a1), (b0, b1) in zip(spans, spans[1:]):
            if b0 < a1 + 12:
                out.append("%d: angles at x %.0f..%.0f and %.0f..%.0f run into each other"
                           % (qid, a0, a1, b0, b1))
    return out


def check(subject, papers):
    problems = []
    # every picture of every subject: they are all drawn by svg.py
    for p in papers:
        for q in p.questions:
            for pic in q.pictures:
                problems += problems_of(q.qid, pic, 'alt="Four angles"' in q.body)
    return problems
