"""What the pictures draw, read back from their SVG text, for the picture rules.

Every element gives the box it covers in picture units: lines and polygons their points
widened by half the stroke, circles and rects their extent, paths the points they pass
through (arcs by their end points), and text an estimate from its font size, anchor and
length (Arial averages a little over half an em per character; bold a little more).
"""

import math
import re
import xml.etree.ElementTree as ET

NS = "{http://www.w3.org/2000/svg}"


def parse(svg_text):
    return ET.fromstring(svg_text)


def size(root):
    _, _, w, h = (float(x) for x in root.get("viewBox").split())
    return w, h


def _f(el, name, default=0.0):
    value = el.get(name)
    return float(value) if value is not None else default


def _rotate(points, transform):
    m = re.fullmatch(r"\s*rotate\(\s*(-?[\d.]+)(?:[ ,]+(-?[\d.]+)[ ,]+(-?[\d.]+))?\s*\)\s*",
                     transform or "")
    if not m:
        return points
    a = math.radians(float(m.group(1)))
    cx, cy = float(m.group(2) or 0), float(m.group(3) or 0)
    out = []
    for x, y in points:
        dx, dy = x - cx, y - cy
        out.append((cx + dx * math.cos(a) - dy * math.sin(a),
                    cy + dx * math.sin(a) + dy * math.cos(a)))
    return out


def text_box(el):
    """Corners of the box a text element covers."""
    s = _f(el, "font-size", 16)
    content = "".join(el.itertext())
    content = re.sub(r"&[a-z]+;", "x", content)
    per = 0.62 if el.get("font-weight") == "bold" else 0.56
    width = per * s * len(content)
    x, y = _f(el, "x"), _f(el, "y")
    anchor = el.get("text-anchor", "start")
    left = x - (width / 2 if anchor == "middle" else width if anchor == "end" else 0)
    corners = [(left, y - 0.75 * s), (left + width, y - 0.75 * s),
               (left, y + 0.22 * s), (left + width, y + 0.22 * s)]
    return _rotate(corners, el.get("transform"))


def _path_points(d):
    """Points an SVG path passes through (absolute and relative M, L, H, V, Q, C, A, Z)."""
    tokens = re.findall(r"[MLHVQCAZmlhvqcaz]|-?\d*\.?\d+(?:e-?\d+)?", d)
    pts, x, y, i, cmd = [], 0.0, 0.0, 0, None
    counts = {"m": 2, "l": 2, "h": 1, "v": 1, "q": 4, "c": 6, "a": 7, "z": 0}
    while i < len(tokens):
        t = tokens[i]
        if t.isalpha():
            cmd = t
            i += 1
            if cmd in "zZ":
                continue
        n = counts[cmd.lower()]
        args = [float(a) for a in tokens[i:i + n]]
        i += n
        rel = cmd.islower()
        if cmd.lower() == "h":
            x = x + args[0] if rel else args[0]
        elif cmd.lower() == "v":
            y = y + args[0] if rel else args[0]
        else:
            # control points count too: a curve stays inside the hull of its points
            for k in range(0, n - 1, 2):
                if cmd.lower() == "a" and k < 4:
                    continue
                px, py = args[k], args[k + 1]
                if cmd.lower() == "a":
                    px, py = args[5], args[6]
                pts.append((x + px, y + py) if rel else (px, py))
            last = pts[-1]
            x, y = last
        pts.append((x, y))
    return pts


def _drawn(el):
    # what sits in <defs> (an arrow head) is drawn where it is used, not where it is written
    for child in el:
        if child.tag.replace(NS, "") != "defs":
            yield child
            yield from _drawn(child)


def elements(root):
    """(tag, points, element) of every drawn element: points are the corners it covers."""
    out = []
    for el in _drawn(root):
        tag = el.tag.replace(NS, "")
        sw = _f(el, "stroke-width", 1.0 if el.get("stroke") else 0.0) / 2
        if tag == "line":
            x1, y1, x2, y2 = (_f(el, k) for k in ("x1", "y1", "x2", "y2"))
            pts = [(x1 - sw, y1 - sw), (x1 + sw, y1 + sw), (x2 - sw, y2 - sw), (x2 + sw, y2 + sw)]
        elif tag == "circle":
            cx, cy, r = _f(el, "cx"), _f(el, "cy"), _f(el, "r") + sw
            pts = [(cx - r, cy - r), (cx + r, cy + r)]
        elif tag == "rect":
            x, y, w, h = _f(el, "x"), _f(el, "y"), _f(el, "width"), _f(el, "height")
            pts = [(x - sw, y - sw), (x + w + sw, y + h + sw)]
        elif tag == "polygon":
            raw = [float(a) for a in re.split(r"[ ,]+", el.get("points").strip())]
            pts = []
            for px, py in zip(raw[0::2], raw[1::2]):
                pts += [(px - sw, py - sw), (px + sw, py + sw)]
        elif tag == "path":
            pts = []
            for px, py in _path_points(el.get("d")):
                pts += [(px - sw, py - sw), (px + sw, py + sw)]
        elif tag == "text":
            pts = text_box(el)
        else:
            continue
        out.append((tag, pts, el))
    return out


def outside(svg_text, margin=0.0):
    """Descriptions of the elements that reach outside the picture's frame."""
    root = parse(svg_text)
    w, h = size(root)
    bad = []
    for tag, pts, el in elements(root):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        if min(xs) < -margin or min(ys) < -margin or max(xs) > w + margin or max(ys) > h + margin:
            what = "".join(el.itertext()) if tag == "text" else tag
            bad.append("%s at (%.0f..%.0f, %.0f..%.0f) outside %gx%g"
                       % (what, min(xs), max(xs), min(ys), max(ys), w, h))
    return bad


def texts(svg_text):
    """(text, font size, element) of every text of the picture."""
    root = parse(svg_text)
    return [("".join(el.itertext()), _f(el, "font-size", 16), el) for el in root.iter()
            if el.tag.replace(NS, "") == "text"]


def clock_hands(svg_text):
    """Directions of a clock's hands in degrees clockwise from 12 (hour hand first), or None
    when the picture is not a clock: the hands are the round-capped lines from the centre,
    the hour hand the thicker."""
    root = parse(svg_text)
    w, h = size(root)
    hands = []
    for el in root.iter():
        if el.tag.replace(NS, "") == "line" and el.get("stroke-linecap") == "round":
            x1, y1, x2, y2 = (_f(el, k) for k in ("x1", "y1", "x2", "y2"))
            if abs(x1 - w / 2) < 1 and abs(y1 - h / 2) < 1:
                hands.append((_f(el, "stroke-width"), math.degrees(math.atan2(x2 - x1, y1 - y2))
                              % 360))
    if len(hands) != 2:
        return None
    hands.sort(reverse=True)
    return hands[0][1], hands[1][1]
