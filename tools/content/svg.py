"""Pictures of the question pages, drawn as small SVG documents."""

import math

FONT = "font-family='Arial,DejaVu Sans,sans-serif'"


def doc(width, height, inner):
    return ("<svg xmlns='http://www.w3.org/2000/svg' width='%d' height='%d' "
            "viewBox='0 0 %d %d' %s>%s</svg>" % (width, height, width, height, FONT, inner))


def text(x, y, s, size=14, anchor="middle", weight=None, fill="#222"):
    w = " font-weight='bold'" if weight else ""
    return ("<text x='%s' y='%s' font-size='%d' text-anchor='%s' fill='%s'%s>%s</text>"
            % (_n(x), _n(y), size, anchor, fill, w, s))


def _n(value):
    value = round(value, 1)
    return str(int(value)) if value == int(value) else str(value)


def line(x1, y1, x2, y2, stroke="#222", width=2, extra=""):
    return ("<line x1='%s' y1='%s' x2='%s' y2='%s' stroke='%s' stroke-width='%s'%s/>"
            % (_n(x1), _n(y1), _n(x2), _n(y2), stroke, _n(width), extra))


def clock(hour, minute, size=200):
    """A clock face showing hour:minute."""
    c = size / 2
    r = c - 6
    parts = ["<circle cx='%s' cy='%s' r='%s' fill='#fffdf4' stroke='#333' stroke-width='4'/>"
             % (_n(c), _n(c), _n(r))]
    for i in range(60):
        a = math.radians(i * 6)
        inner = r - (12 if i % 5 == 0 else 6)
        parts.append(line(c + inner * math.sin(a), c - inner * math.cos(a),
                          c + (r - 2) * math.sin(a), c - (r - 2) * math.cos(a),
                          width=3 if i % 5 == 0 else 1))
    for h in range(1, 13):
        a = math.radians(h * 30)
        parts.append(text(c + (r - 28) * math.sin(a), c - (r - 28) * math.cos(a) + 6,
                          str(h), 17, weight=True))
    ha = math.radians((hour % 12) * 30 + minute * 0.5)
    ma = math.radians(minute * 6)
    parts.append(line(c, c, c + r * 0.5 * math.sin(ha), c - r * 0.5 * math.cos(ha),
                      width=7, extra=" stroke-linecap='round'"))
    # the minute hand reaches the minute marks, so a time to the minute can be read
    parts.append(line(c, c, c + (r - 8) * math.sin(ma), c - (r - 8) * math.cos(ma),
                      width=4, extra=" stroke-linecap='round'"))
    parts.append("<circle cx='%s' cy='%s' r='6' fill='#333'/>" % (_n(c), _n(c)))
    return doc(size, size, "".join(parts))


def scale(value, maximum, step, minor, unit):
    """A round weighing-scale dial from 0 to maximum with the pointer at value."""
    size = 230
    c = size / 2
    r = 98
    parts = ["<rect x='4' y='4' width='%d' height='%d' rx='24' fill='#e8eef6' stroke='#456'"
             " stroke-width='3'/>" % (size - 8, size - 8),
             "<circle cx='%s' cy='%s' r='%d' fill='#fff' stroke='#333' stroke-width='3'/>"
             % (_n(c), _n(c), r)]
    ticks = maximum // minor
    for i in range(ticks):
        a = math.radians(360 * i / ticks)
        major = (i * minor) % step == 0
        inner = r - (14 if major else 7)
        parts.append(line(c + inner * math.sin(a), c - inner * math.cos(a),
                          c + r * math.sin(a), c - r * math.cos(a), width=2 if major else 1))
        if major:
            label = str(i * minor)
            parts.append(text(c + (r - 30) * math.sin(a), c - (r - 30) * math.cos(a) + 5,
                              label, 13))
    a = math.radians(360 * value / maximum)
    parts.append(line(c, c, c + (r - 8) * math.sin(a), c - (r - 8) * math.cos(a),
                      stroke="#c0392b", width=3))
    parts.append("<circle cx='%s' cy='%s' r='6' fill='#c0392b'/>" % (_n(c), _n(c)))
    parts.append(text(c, c + 38, unit, 15, weight=True))
    return doc(size, size, "".join(parts))


def jug(value, maximum, step, minor, unit="ml"):
    """A measuring jug marked from 0 to maximum, filled to value."""
    w, h = 220, 260
    top, bottom, left, right = 30, 235, 50, 150
    height = bottom - top
    level = bottom - height * value / maximum
    parts = ["<rect x='%d' y='%s' width='%d' height='%s' fill='#9fd3f5'/>"
             % (left, _n(level), right - left, _n(bottom - level)),
             "<path d='M%d %d L%d %d L%d %d L%d %d' fill='none' stroke='#333' "
             "stroke-width='3'/>" % (left, top - 12, left, bottom, right, bottom, right,
                                     top - 12),
             "<path d='M%d %d q24 4 24 34 v90 q0 18 -24 24' fill='none' stroke='#333' "
             "stroke-width='3'/>" % (right, top + 10)]
    for i in range(maximum // minor + 1):
        y = bottom - height * i * minor / maximum
        major = (i * minor) % step == 0
        parts.append(line(left, y, left + (22 if major else 12), y, width=2 if major else 1))
        if major and i:
            parts.append(text(left - 6, y + 5, str(i * minor), 13, anchor="end"))
    parts.append(text(left + 50, bottom + 20, unit, 14, weight=True))
    return doc(w, h, "".join(parts))


def ruler(start, end, length=15, thing="pencil"):
    """A ruler in cm with an object lying from start to end (whole or half cm)."""
    unit = 40
    w = length * unit + 40
    x0 = 20
    parts = []
    y_obj = 30
    xs, xe = x0 + start * unit, x0 + end * unit
    if thing == "pencil":
        parts.append("<rect x='%s' y='%d' width='%s' height='18' fill='#f4c542' stroke='#333'/>"
                     % (_n(xs), y_obj, _n(xe - xs - 24)))
        parts.append("<path d='M%s %d L%s %d L%s %d Z' fill='#e8c9a0' stroke='#333'/>"
                     % (_n(xe - 24), y_obj, _n(xe), y_obj + 9, _n(xe - 24), y_obj + 18))
    else:
        parts.append("<rect x='%s' y='%d' width='%s' height='18' rx='6' fill='#7fb77e' "
                     "stroke='#333'/>" % (_n(xs), y_obj, _n(xe - xs)))
    for x in (xs, xe):
        parts.append(line(x, y_obj - 6, x, 62, stroke="#888", width=1,
                          extra=" stroke-dasharray='3 3'"))
    parts.append("<rect x='10' y='62' width='%d' height='56' fill='#fbf3d5' stroke='#333'/>"
                 % (length * unit + 20))
    for i in range(length * 10 + 1):
        x = x0 + i * unit / 10
        tall = 18 if i % 10 == 0 else (12 if i % 5 == 0 else 7)
        parts.append(line(x, 62, x, 62 + tall, width=1.5 if i % 10 == 0 else 0.8))
        if i % 10 == 0:
            parts.append(text(x, 98, str(i // 10), 13))
    parts.append(text(w - 30, 113, "cm", 12))
    return doc(w, 124, "".join(parts))


def bar_graph(labels, values, step, title, axis):
    """A vertical bar graph with a scale every step units."""
    top = max(values)
    top = ((top + step - 1) // step) * step
    bw, gap = 50, 28
    left, base, height = 60, 230, 190
    w = left + len(values) * (bw + gap) + 20
    parts = [text(w / 2, 18, title, 15, weight=True)]
    for k in range(0, top + 1, step):
        y = base - height * k / top
        parts.append(line(left, y, w - 10, y, stroke="#ccc", width=1))
        parts.append(text(left - 8, y + 5, str(k), 12, anchor="end"))
    for i, (lab, val) in enumerate(zip(labels, values)):
        x = left + gap / 2 + i * (bw + gap)
        y = base - height * val / top
        parts.append("<rect x='%s' y='%s' width='%d' height='%s' fill='#5b8fd6' "
                     "stroke='#2c4f80'/>" % (_n(x), _n(y), bw, _n(base - y)))
        parts.append(text(x + bw / 2, base + 20, lab, 13))
    parts.append(line(left, base, w - 10, base))
    parts.append(line(left, base, left, base - height - 5))
    parts.append("<text x='14' y='%d' font-size='12' transform='rotate(-90 14 %d)' "
                 "text-anchor='middle'>%s</text>" % (base - height / 2, base - height / 2, axis))
    return doc(int(w), 265, "".join(parts))


def picture_graph(labels, counts, title):
    """A picture graph: one circle symbol per unit of counts (the key is on the page)."""
    row = 34
    w = 120 + max(counts) * 30 + 20
    h = 36 + row * len(labels) + 10
    parts = [text(w / 2, 20, title, 15, weight=True)]
    for i, (lab, n) in enumerate(zip(labels, counts)):
        y = 36 + i * row
        parts.append("<rect x='4' y='%d' width='%d' height='%d' fill='%s'/>"
                     % (y, w - 8, row, "#f4f7fb" if i % 2 == 0 else "#fff"))
        parts.append(text(110, y + 22, lab, 14, anchor="end"))
        for k in range(n):
            parts.append("<circle cx='%d' cy='%d' r='11' fill='#f2b134' stroke='#8a5a00'/>"
                         % (135 + k * 30, y + 17))
    return doc(w, h, "".join(parts))


def grid_shape(cells, cols, rows, cell=26, label=None):
    """Shaded unit squares (col, row) on a square grid."""
    pad = 2  # the figure's outline is 3 px wide: half of it stands outside its squares
    w, h = cols * cell + 2 * pad, rows * cell + 2 * pad
    parts = []
    for (cx, cy) in cells:
        parts.append("<rect x='%d' y='%d' width='%d' height='%d' fill='#8cc0f0'/>"
                     % (pad + cx * cell, pad + cy * cell, cell, cell))
    for i in range(cols + 1):
        parts.append(line(pad + i * cell, pad, pad + i * cell, h - pad, stroke="#999", width=1))
    for j in range(rows + 1):
        parts.append(line(pad, pad + j * cell, w - pad, pad + j * cell, stroke="#999", width=1))
    # outline of the shaded figure: edges between a shaded and an unshaded square
    cellset = set(cells)
    for (cx, cy) in cells:
        x, y = pad + cx * cell, pad + cy * cell
        if (cx, cy - 1) not in cellset:
            parts.append(line(x, y, x + cell, y, width=3))
        if (cx, cy + 1) not in cellset:
            parts.append(line(x, y + cell, x + cell, y + cell, width=3))
        if (cx - 1, cy) not in cellset:
            parts.append(line(x, y, x, y + cell, width=3))
        if (cx + 1, cy) not in cellset:
            parts.append(line(x + cell, y, x + cell, y + cell, width=3))
    return doc(w, h, "".join(parts))


def fraction_bars(parts_count, shaded, bars=1):
    """bars equal bars cut into parts_count parts; shaded parts counted across the bars."""
    bw, bh = 360, 40
    w = bw + 20
    h = bars * (bh + 14) + 10
    out = []
    left = shaded
    for b in range(bars):
        y = 10 + b * (bh + 14)
        pw = bw / parts_count
        for i in range(parts_count):
            fill = "#f28c6b" if left > 0 else "#fff"
            left -= 1
            out.append("<rect x='%s' y='%d' width='%s' height='%d' fill='%s' stroke='#333' "
                       "stroke-width='2'/>" % (_n(10 + i * pw), y, _n(pw), bh, fill))
    return doc(w, h, "".join(out))


def polygon(points, labels=None, marks_right=(), width=320, height=220):
    """A polygon through points with vertex letters and optional right-angle marks."""
    pts = " ".join("%s,%s" % (_n(x), _n(y)) for x, y in points)
    out = ["<polygon points='%s' fill='#fdf1c7' stroke='#333' stroke-width='3'/>" % pts]
    if labels:
        cx = sum(p[0] for p in points) / len(points)
        cy = sum(p[1] for p in points) / len(points)
        for (x, y), lab in zip(points, labels):
            dx, dy = x - cx, y - cy
            d = math.hypot(dx, dy) or 1
            out.append(text(x + 16 * dx / d, y + 16 * dy / d + 5, lab, 16, weight=True))
    for i in marks_right:
        x, y = points[i]
        px, py = points[i - 1]
        nx, ny = points[(i + 1) % len(points)]
        ax, ay = (px - x), (py - y)
        bx, by = (nx - x), (ny - y)
        la, lb = math.hypot(ax, ay), math.hypot(bx, by)
        ax, ay, bx, by = 12 * ax / la, 12 * ay / la, 12 * bx / lb, 12 * by / lb
        out.append("<path d='M%s %s L%s %s L%s %s' fill='none' stroke='#c0392b' "
                   "stroke-width='2'/>" % (_n(x + ax), _n(y + ay), _n(x + ax + bx),
                                          _n(y + ay + by), _n(x + bx), _n(y + by)))
    return doc(width, height, "".join(out))


def angles(angle_list):
    """Angles drawn side by side, labelled (1) to (4); each has a space of its own wide
    enough for an arm that opens past a right angle."""
    cell, r = 150, 62
    w = cell * len(angle_list)
    out = []
    for i, a in enumerate(angle_list):
        ang = math.radians(a)
        back = r * max(0.0, -math.cos(ang))  # how far the second arm reaches left
        left = i * cell + (cell - r - back) / 2
        ox, oy = left + back, 100
        out.append(line(ox, oy, ox + r, oy, width=3))
        out.append(line(ox, oy, ox + r * math.cos(ang), oy - r * math.sin(ang), width=3))
        out.append("<path d='M%s %s A22 22 0 0 0 %s %s' fill='none' stroke='#c0392b' "
                   "stroke-width='2'/>" % (_n(ox + 22), _n(oy), _n(ox + 22 * math.cos(ang)),
                                           _n(oy - 22 * math.sin(ang))))
        out.append(text(i * cell + cell / 2, oy + 30, "(%d)" % (i + 1), 15, weight=True))
        if i:
            out.append(line(i * cell, 12, i * cell, 128, stroke="#ddd", width=1))
    return doc(w, 140, "".join(out))


def life_cycle(stages):
    """Stage names in boxes round a circle, joined by arrows in life-cycle order."""
    n = len(stages)
    w, h = 420, 300
    cx, cy, rx, ry = 210, 150, 150, 105
    pos = [(cx + rx * math.sin(2 * math.pi * i / n), cy - ry * math.cos(2 * math.pi * i / n))
           for i in range(n)]
    out = ["<defs><marker id='a' markerWidth='10' markerHeight='10' refX='8' refY='5' "
           "orient='auto'><path d='M0 0 L10 5 L0 10 Z' fill='#2c6e49'/></marker></defs>"]
    for i in range(n):
        (x1, y1), (x2, y2) = pos[i], pos[(i + 1) % n]
        dx, dy = x2 - x1, y2 - y1
        d = math.hypot(dx, dy)
        sx, sy = x1 + dx * 48 / d, y1 + dy * 30 / d
        ex, ey = x2 - dx * 50 / d, y2 - dy * 32 / d
        out.append(line(sx, sy, ex, ey, stroke="#2c6e49", width=3,
                        extra=" marker-end='url(#a)'"))
    for (x, y), s in zip(pos, stages):
        fill = "#fff3b0" if s == "?" else "#e3f4e8"
        out.append("<rect x='%s' y='%s' width='110' height='40' rx='10' fill='%s' "
                   "stroke='#2c6e49' stroke-width='2'/>" % (_n(x - 55), _n(y - 20), fill))
        out.append(text(x, y + 6, s, 18 if s == "?" else 15, weight=s == "?"))
    return doc(w, h, "".join(out))


def magnets(left, right):
    """Two bar magnets end to end; left and right are their (left pole, right pole)."""
    out = []
    colours = {"N": "#d9534f", "S": "#4a78c2"}
    for k, (a, b) in enumerate((left, right)):
        x = 20 + k * 230
        for j, pole in enumerate((a, b)):
            out.append("<rect x='%d' y='30' width='90' height='46' fill='%s' stroke='#333' "
                       "stroke-width='2'/>" % (x + j * 90, colours[pole]))
            out.append(text(x + j * 90 + 45, 61, pole, 22, weight=True, fill="#fff"))
    return doc(460, 100, "".join(out))
