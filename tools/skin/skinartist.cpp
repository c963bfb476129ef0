#include "tools/skin/skinartist.h"

#include "ui/chrome/skincolours.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QtMath>
#include <functional>

namespace {

using Pictogram = std::function<void(QPainter &)>;

enum class State { Off, On, Pressed, Disabled };

QColor c(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

QImage canvas(int w, int h, QRgb fill)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(fill));
    return image;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QLinearGradient vertical(double top, double bottom, QColor from, QColor to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

QPen outline(QRgb rgb, double width = 1.2)
{
    QPen pen(c(rgb), width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// ---- pictograms, drawn in a 28 x 28 box -------------------------------------------------

void home(QPainter &p)
{
    p.setPen(outline(0xff7a3b16));
    p.setBrush(c(0xffa0461e));
    p.drawRect(QRectF(18.5, 5, 3, 6));
    p.setPen(outline(0xff8c6d46));
    p.setBrush(c(0xfffff3d6));
    p.drawRect(QRectF(6.5, 13, 15, 12));
    p.setPen(outline(0xff3d6e9e));
    p.setBrush(c(0xff6fa8dc));
    p.drawRoundedRect(QRectF(12.5, 17, 5, 8), 1, 1);
    p.setBrush(c(0xff9fd3f7));
    p.drawRect(QRectF(8, 16, 3.5, 3.5));
    p.setPen(outline(0xffa0461e, 1.4));
    p.setBrush(c(0xffe8743b));
    p.drawPolygon(QPolygonF({QPointF(3, 14.5), QPointF(14, 3.5), QPointF(25, 14.5)}));
}

void report(QPainter &p)
{
    const struct { double x, top; QRgb fill, edge; } bars[] = {
        {7, 15, 0xff6aa84f, 0xff38761d}, {13, 8, 0xff3d85c6, 0xff1f4e79},
        {19, 11, 0xffe69138, 0xffa05a12}};
    for (const auto &b : bars) {
        p.setPen(outline(b.edge));
        p.setBrush(c(b.fill));
        p.drawRoundedRect(QRectF(b.x, b.top, 4.5, 24 - b.top), 1, 1);
    }
    p.setPen(outline(0xff5f6b76, 2));
    p.drawPolyline(QPolygonF({QPointF(4, 3.5), QPointF(4, 24.5), QPointF(25.5, 24.5)}));
}

void print(QPainter &p)
{
    p.setPen(outline(0xff7f8c99));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 3, 12, 9));
    p.setPen(outline(0xff5f6b76));
    p.setBrush(vertical(10, 21, c(0xffc9d4de), c(0xff8a9aa9)));
    p.drawRoundedRect(QRectF(3, 10, 22, 11), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(c(0xff44515e));
    p.drawRect(QRectF(7, 17, 14, 2));
    p.setBrush(c(0xff6aa84f));
    p.drawEllipse(QPointF(21.5, 13.5), 1.3, 1.3);
    p.setPen(outline(0xff7f8c99));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 18, 12, 8));
    p.setPen(outline(0xff6fa8dc, 1));
    p.drawLine(QPointF(10, 21), QPointF(18, 21));
    p.drawLine(QPointF(10, 23.5), QPointF(16, 23.5));
}

void close(QPainter &p)
{
    p.setPen(outline(0xff7a4a22));
    p.setBrush(vertical(3, 25, c(0xffd69153), c(0xffb06a2c)));
    p.drawRoundedRect(QRectF(5.5, 3, 13, 22), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(0xff8f5a2a, 1));
    p.drawRect(QRectF(8, 6, 8, 6));
    p.drawRect(QRectF(8, 14, 8, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(c(0xfff1c232));
    p.drawEllipse(QPointF(15.5, 13), 1.3, 1.3);
    p.setPen(outline(0xffa61c1c));
    p.setBrush(c(0xffe06666));
    p.drawEllipse(QPointF(20.5, 20), 6, 6);
    p.setPen(outline(0xffffffff, 2.2));
    p.drawLine(QPointF(18, 17.5), QPointF(23, 22.5));
    p.drawLine(QPointF(23, 17.5), QPointF(18, 22.5));
}

void save(QPainter &p)
{
    p.setPen(outline(0xff1f4e79));
    p.setBrush(vertical(4, 24, c(0xff5b9bd5), c(0xff2f6fae)));
    p.drawRoundedRect(QRectF(4, 4, 20, 20), 2.5, 2.5);
    p.setPen(outline(0xff7f7f7f, 1));
    p.setBrush(c(0xffe0e0e0));
    p.drawRect(QRectF(9, 4, 10, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(c(0xff2f6fae));
    p.drawRect(QRectF(15, 5.5, 2.5, 4));
    p.setPen(outline(0xff9fb6cd, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 14, 13, 8.5));
    p.setPen(outline(0xffe06666, 1));
    p.drawLine(QPointF(9.5, 16.5), QPointF(18.5, 16.5));
    p.setPen(outline(0xff9fb6cd, 1));
    p.drawLine(QPointF(9.5, 19.5), QPointF(18.5, 19.5));
}

void mark(QPainter &p)
{
    p.setPen(outline(0xff7f8c99));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 3, 16, 22));
    p.setPen(outline(0xffc9d4de, 1));
    for (double y = 7.5; y < 24; y += 4)
        p.drawLine(QPointF(8, y), QPointF(19, y));
    p.setPen(outline(0xff2e8b34, 4));
    p.drawPolyline(QPolygonF({QPointF(9, 15), QPointF(13.5, 20.5), QPointF(24, 7)}));
    p.setPen(outline(0xff6ccf6f, 1.5));
    p.drawPolyline(QPolygonF({QPointF(9, 15), QPointF(13.5, 20.5), QPointF(24, 7)}));
}

void arrow(QPainter &p, bool pointsLeft)
{
    p.setPen(outline(0xff1f4e79));
    QRadialGradient g(QPointF(11, 9), 16);
    g.setColorAt(0, c(0xffa4cff4));
    g.setColorAt(1, c(0xff3d85c6));
    p.setBrush(g);
    p.drawEllipse(QPointF(14, 14), 11, 11);
    QPolygonF shape({QPointF(7, 14), QPointF(14, 7), QPointF(14, 11), QPointF(21, 11),
                     QPointF(21, 17), QPointF(14, 17), QPointF(14, 21)});
    if (!pointsLeft) {
        for (QPointF &pt : shape)
            pt.setX(28 - pt.x());
    }
    p.setPen(outline(0xff1f4e79, 0.8));
    p.setBrush(Qt::white);
    p.drawPolygon(shape);
}

void trash(QPainter &p)
{
    p.setPen(outline(0xff5f6b76));
    p.setBrush(vertical(9, 25, c(0xffdce6ef), c(0xffaebfcf)));
    p.drawPolygon(QPolygonF({QPointF(7, 9), QPointF(21, 9), QPointF(19.5, 25),
                             QPointF(8.5, 25)}));
    p.setPen(outline(0xff7f8c99, 1.2));
    for (double x : {11.0, 14.0, 17.0})
        p.drawLine(QPointF(x, 12), QPointF(x, 22.5));
    p.setPen(outline(0xff5f6b76));
    p.setBrush(c(0xff9fb6cd));
    p.drawRoundedRect(QRectF(11, 3.5, 6, 3.5), 1, 1);
    p.drawRoundedRect(QRectF(4.5, 6, 19, 3.5), 1.5, 1.5);
}

void setup(QPainter &p)
{
    QPainterPath gear;
    gear.addEllipse(QPointF(14, 14), 8.5, 8.5);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(14, 14);
        t.rotate(i * 45);
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2.2, -12, 4.4, 6), 1, 1);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(14, 14), 3.5, 3.5);
    gear = gear.subtracted(hole);
    p.setPen(outline(0xff44515e));
    p.setBrush(vertical(2, 26, c(0xffbccad7), c(0xff6f8294)));
    p.drawPath(gear);
}

void about(QPainter &p)
{
    p.setPen(outline(0xff1f4e79));
    QRadialGradient g(QPointF(11, 9), 16);
    g.setColorAt(0, c(0xffa4cff4));
    g.setColorAt(1, c(0xff3d85c6));
    p.setBrush(g);
    p.drawEllipse(QPointF(14, 14), 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 8.5), 2.2, 2.2);
    p.drawRoundedRect(QRectF(12, 12, 4, 10), 1.5, 1.5);
}

// A loudspeaker with the sound going out of it to the right.
void readAloud(QPainter &p)
{
    p.setPen(outline(0xff2b3640));
    p.setBrush(vertical(10, 18, c(0xff7f8c99), c(0xff44515e)));
    p.drawRoundedRect(QRectF(2.5, 10, 6, 8), 1.2, 1.2);
    p.setPen(outline(0xff1f4e79));
    p.setBrush(vertical(4, 24, c(0xff9fc5e8), c(0xff3d85c6)));
    p.drawPolygon(QPolygonF({QPointF(8.5, 10), QPointF(15.5, 4), QPointF(15.5, 24),
                             QPointF(8.5, 18)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(0xffe69138, 2));
    for (const double radius : {4.5, 8.0, 11.5}) {
        const QRectF round(15.5 - radius, 14 - radius, 2 * radius, 2 * radius);
        p.drawArc(round, -40 * 16, 80 * 16);
    }
}

Pictogram pictogram(const QString &base)
{
    if (base == "home") return home;
    if (base == "report") return report;
    if (base == "print") return print;
    if (base == "close") return close;
    if (base == "save") return save;
    if (base == "mark") return mark;
    if (base == "back") return [](QPainter &p) { arrow(p, true); };
    if (base == "forward") return [](QPainter &p) { arrow(p, false); };
    if (base == "trash") return trash;
    if (base == "setup") return setup;
    if (base == "about") return about;
    if (base == "readaloud") return readAloud;
    return {};
}

// Greys out a layer for the disabled state: luminance, lifted towards white.
void greyOut(QImage &layer)
{
    for (int y = 0; y < layer.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QColor px = QColor::fromRgba(qUnpremultiply(line[x]));
            const int grey = qGray(px.rgb()) * 45 / 100 + 135;
            line[x] = qPremultiply(qRgba(grey, grey, grey + 6, px.alpha() * 85 / 100));
        }
    }
}

// A toolbar button, 44 x 45 (wider for a longer caption): the pictogram centred in the upper
// part, room below for the caption.
QImage toolbarButton(const Pictogram &draw, State state, int width)
{
    QImage image = canvas(width, 45, SkinColours::kToolStrip);
    QPainter p(&image);
    smooth(p);
    const QRectF face(1.5, 1.5, width - 3, 42);
    if (state == State::On) {
        p.setPen(outline(0xff8db8e2, 1));
        p.setBrush(vertical(1, 44, c(0xffffffff), c(0xffeef6fd)));
        p.drawRoundedRect(face, 6, 6);
    } else if (state == State::Pressed) {
        p.setPen(outline(0xff3d85c6, 1));
        p.setBrush(vertical(1, 44, c(0xffb3d1ee), c(0xffc9def3)));
        p.drawRoundedRect(face, 6, 6);
    }
    QImage layer = canvas(width, 45, 0);
    {
        QPainter lp(&layer);
        smooth(lp);
        const double shift = state == State::Pressed ? 1 : 0;
        lp.translate((width - 28) / 2 + shift, 3 + shift);
        draw(lp);
    }
    if (state == State::Disabled)
        greyOut(layer);
    p.drawImage(0, 0, layer);
    return image;
}

// ---- title strip --------------------------------------------------------------------------

QColor titleRow(bool active, double y)
{
    const double t = qBound(0.0, y / 27.0, 1.0);
    auto lerp = [t](QRgb a, QRgb b) {
        return QColor(int(qRed(a) + (qRed(b) - qRed(a)) * t),
                      int(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                      int(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
    };
    return active ? lerp(0xff9ccbf2, 0xff4a90d2) : lerp(0xffffffff, 0xffe2e7ec);
}

QLinearGradient titleGradient(bool active, int offset)
{
    QLinearGradient g(0, -offset, 0, 27 - offset);
    g.setColorAt(0, titleRow(active, 0));
    g.setColorAt(1, titleRow(active, 27));
    return g;
}

QRgb titleEdge(bool active)
{
    return active ? SkinColours::kFrameDark : 0xffa9b4bf;
}

// corner: -1 = rounded top-left, +1 = rounded top-right, 0 = plain centre strip.
QImage titlePiece(bool active, int corner)
{
    const int w = corner == 0 ? 16 : 48;
    QImage image = canvas(w, 28, titleEdge(active));
    QPainter p(&image);
    smooth(p);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(corner == 1 ? -20 : 0.5, 0.5, w + 19.5, 40), 6, 6);
    if (corner == 0)
        shape = QPainterPath(), shape.addRect(QRectF(-1, 0.5, w + 2, 40));
    p.setPen(QPen(c(titleEdge(active)), 1));
    p.setBrush(titleGradient(active, 0));
    p.drawPath(shape);
    // A light line under the outline gives the strip a soft, rounded look.
    p.setPen(QPen(QColor(255, 255, 255, active ? 110 : 200), 1));
    p.drawLine(QPointF(corner == -1 ? 5 : 0, 1.5), QPointF(corner == 1 ? w - 5 : w, 1.5));
    p.setPen(QPen(c(active ? 0xff3a7bbf : 0xffcbd3db), 1));
    p.drawLine(QPointF(corner == -1 ? 0.5 : 0, 27.5), QPointF(corner == 1 ? w - 0.5 : w, 27.5));
    return image;
}

enum class TitleLook { BlueOff, BlueHover, White };

void titleGlyph(QPainter &p, const QString &what, QColor ink, QColor fill)
{
    p.setBrush(Qt::NoBrush);
    if (what == "close") {
        p.setPen(outline(ink.rgba(), 2));
        p.drawLine(QPointF(5.5, 5.5), QPointF(13.5, 13.5));
        p.drawLine(QPointF(13.5, 5.5), QPointF(5.5, 13.5));
    } else if (what == "min") {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(5, 12, 9, 2.4), 1, 1);
    } else if (what == "max") {
        p.setPen(QPen(ink, 1.3));
        p.drawRect(QRectF(5, 5, 9, 8.5));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(5, 5, 9, 2.2));
    } else {
        p.setPen(QPen(ink, 1.2));
        p.drawRect(QRectF(7.5, 4, 7, 6));
        p.setBrush(fill);
        p.drawRect(QRectF(4.5, 7.5, 7, 6.5));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(4.5, 7.5, 7, 2));
    }
}

// Title buttons are 19 x 19 and sit 4 pixels below the top of the 28-pixel strip, so their
// background continues the strip's gradient from that row on.
QImage titleButton(const QString &what, TitleLook look)
{
    const bool active = look != TitleLook::White;
    QImage image = canvas(19, 19, 0xff000000);
    QPainter p(&image);
    smooth(p);
    p.fillRect(image.rect(), titleGradient(active, 4));
    QColor ink = c(0xffffffff);
    QColor fill = titleRow(active, 14);
    if (look == TitleLook::White) {
        ink = c(0xff8a96a3);
    } else if (look == TitleLook::BlueHover) {
        const bool red = what == "close";
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(vertical(0, 19, c(red ? 0xfff6b2a8 : 0xffd6ebfc),
                            c(red ? 0xffe06666 : 0xff9ccbf2)));
        p.drawRoundedRect(QRectF(0.5, 0.5, 18, 18), 4, 4);
        ink = red ? c(0xffffffff) : c(0xff1f4e79);
        fill = red ? c(0xffec8c80) : c(0xffbadcf8);
    } else {
        // A faint shadow keeps the white glyph readable on the light top of the strip.
        p.save();
        p.translate(0.6, 0.6);
        titleGlyph(p, what, QColor(31, 78, 121, 90), QColor(0, 0, 0, 0));
        p.restore();
    }
    titleGlyph(p, what, ink, fill);
    return image;
}

// ---- borders ------------------------------------------------------------------------------

QRgb borderShade(int depth)
{
    switch (depth) {
    case 0: return SkinColours::kFrameDark;
    case 1:
    case 2: return SkinColours::kFrameMid;
    default: return SkinColours::kFrameLight;
    }
}

// Borders are 4 pixels thick; depth counts from the outer edge of the window.
QImage border(int w, int h, const std::function<int(int, int)> &depth)
{
    QImage image = canvas(w, h, 0xffffffff);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, borderShade(depth(x, y)));
    return image;
}

// Pop-up bottom corner, 10 x 10: the border band follows a 7-pixel rounding; the rest is
// transparent so the pop-up's own background shows through.
QImage popupCorner(bool right)
{
    QImage image = canvas(10, 10, 0);
    const QPointF centre(7, 3);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const QPointF pt(x + 0.5, y + 0.5);
            double depth;
            if (pt.x() < centre.x() && pt.y() > centre.y())
                depth = 7 - std::hypot(pt.x() - centre.x(), pt.y() - centre.y());
            else
                depth = std::min(pt.x(), 10 - pt.y());
            if (depth < 0 || depth >= 4)
                continue;
            image.setPixel(right ? 9 - x : x, y, borderShade(int(depth)));
        }
    }
    return image;
}

// ---- buttons, tabs and panels ---------------------------------------------------------------

QImage pushButton(State state)
{
    QImage image = canvas(80, 25, SkinColours::kWindow);
    QPainter p(&image);
    smooth(p);
    QRectF box(0.5, 0.5, 79, 24);
    if (state == State::Off) {
        p.setPen(outline(0xff8db8e2, 1));
        p.setBrush(vertical(0, 25, c(0xfff4f9fe), c(0xffd3e6f8)));
    } else if (state == State::On) {
        p.setPen(outline(0xff5ba3e0, 1));
        p.setBrush(vertical(0, 25, c(0xffffffff), c(0xffe6f2fd)));
    } else {
        p.setPen(outline(0xff3d85c6, 1));
        p.setBrush(vertical(0, 25, c(0xffb0d0ee), c(0xffc9def3)));
        box.translate(0, 0);
    }
    p.drawRoundedRect(box, 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, state == State::Pressed ? 60 : 190), 1));
    const double top = state == State::Pressed ? 3.5 : 2.5;
    p.drawLine(QPointF(7, top), QPointF(73, top));
    return image;
}

QImage loadButton(bool hover)
{
    QImage image = canvas(56, 22, SkinColours::kWindow);
    QPainter p(&image);
    smooth(p);
    p.setPen(outline(hover ? 0xff4e8e36 : 0xff3f7a2a, 1));
    p.setBrush(vertical(0, 22, c(hover ? 0xffc3e6af : 0xff9bcc7f),
                        c(hover ? 0xff86c468 : 0xff5e9c43)));
    p.drawRoundedRect(QRectF(0.5, 0.5, 55, 21), 10.5, 10.5);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(10, 2.5), QPointF(46, 2.5));
    p.setPen(outline(0xff2f5e1f, 0.8));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(20, 7), QPointF(29, 7), QPointF(29, 4), QPointF(37, 11),
                             QPointF(29, 18), QPointF(29, 15), QPointF(20, 15)}));
    return image;
}

QImage tab(bool front, bool hover)
{
    QImage image = canvas(100, 24, SkinColours::kWindow);
    QPainter p(&image);
    smooth(p);
    QPainterPath shape;
    shape.moveTo(0.5, 26);
    shape.lineTo(0.5, 6.5);
    shape.quadTo(0.5, 0.5, 6.5, 0.5);
    shape.lineTo(93.5, 0.5);
    shape.quadTo(99.5, 0.5, 99.5, 6.5);
    shape.lineTo(99.5, 26);
    if (front) {
        p.setPen(outline(0xff5b9bd5, 1));
        p.setBrush(vertical(0, 22, c(0xffffffff), c(hover ? 0xffeef6fd : SkinColours::kToolStrip)));
    } else {
        p.setPen(outline(hover ? 0xff5ba3e0 : 0xff7faedb, 1));
        p.setBrush(vertical(0, 24, c(hover ? 0xffeaf3fc : 0xffd5e6f6),
                            c(hover ? 0xffd3e6f7 : 0xffb9d5ef)));
    }
    p.drawPath(shape);
    if (front && hover) {
        p.setClipPath(shape);
        p.fillRect(QRectF(0, 0, 100, 3), c(0xfff6b26b));
        p.setClipping(false);
        p.setPen(outline(0xff5b9bd5, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    if (front) {
        // The selected tab runs into the toolbar strip below it without a seam.
        p.fillRect(QRectF(1, 22, 98, 2), c(SkinColours::kToolStrip));
    } else {
        p.setPen(QPen(c(0xff7faedb), 1));
        p.drawLine(QPointF(0, 23.5), QPointF(100, 23.5));
    }
    return image;
}

QImage roundedBand(int w, int h, QRgb top, QRgb bottom, QRgb edge, QRgb corner)
{
    QImage image = canvas(w, h, corner);
    QPainter p(&image);
    smooth(p);
    p.setPen(outline(edge, 1));
    p.setBrush(vertical(0, h, c(top), c(bottom)));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(5, 1.5), QPointF(w - 5, 1.5));
    return image;
}

QImage strip(int w, int h, QRgb top, QRgb bottom, QRgb line)
{
    QImage image = canvas(w, h, 0xffffffff);
    QPainter p(&image);
    p.fillRect(image.rect(), vertical(0, h, c(top), c(bottom)));
    p.setPen(c(line));
    p.drawLine(0, 0, w, 0);
    return image;
}

QImage insetPanel(int w, QRgb fill, QRgb edge)
{
    QImage image = strip(w, 30, 0xffeaf3fc, 0xffcfe2f3, 0xff9cc3e6);
    QPainter p(&image);
    smooth(p);
    p.setPen(outline(edge, 1));
    p.setBrush(c(fill));
    p.drawRoundedRect(QRectF(2.5, 3.5, w - 5, 24), 5, 5);
    return image;
}

QImage progressCell()
{
    QImage image = canvas(12, 14, SkinColours::kWindow);
    QPainter p(&image);
    smooth(p);
    p.setPen(outline(0xff3f7a2a, 1));
    p.setBrush(vertical(1, 13, c(0xffb6e29c), c(0xff4f9a35)));
    p.drawRoundedRect(QRectF(1.5, 1.5, 9, 11), 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(3.5, 3.5), QPointF(8.5, 3.5));
    return image;
}

QImage statusGrabber()
{
    QImage image = canvas(12, 12, SkinColours::kWindow);
    QPainter p(&image);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (row + col < 2)
                continue;
            const int x = 2 + col * 3;
            const int y = 2 + row * 3;
            p.fillRect(x + 1, y + 1, 2, 2, c(0xffffffff));
            p.fillRect(x, y, 2, 2, c(0xff7f9db9));
        }
    }
    return image;
}

QImage bullet()
{
    QImage image = canvas(12, 12, SkinColours::kWindow);
    QPainter p(&image);
    smooth(p);
    QRadialGradient g(QPointF(4.5, 4.5), 6);
    g.setColorAt(0, c(0xffcfe8fb));
    g.setColorAt(1, c(0xff3d85c6));
    p.setPen(outline(0xff1f4e79, 0.8));
    p.setBrush(g);
    p.drawEllipse(QPointF(6, 6), 4.5, 4.5);
    return image;
}

QImage handle()
{
    QImage image = canvas(7, 64, 0xffffffff);
    QPainter p(&image);
    smooth(p);
    QLinearGradient g(0, 0, 7, 0);
    g.setColorAt(0, c(0xffeaf3fc));
    g.setColorAt(1, c(0xffc4dcf2));
    p.fillRect(image.rect(), g);
    p.setPen(c(0xff8db8e2));
    p.drawLine(QPointF(0.5, 0), QPointF(0.5, 64));
    p.drawLine(QPointF(6.5, 0), QPointF(6.5, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(c(0xff3d85c6));
    for (int y = 24; y <= 40; y += 4)
        p.drawEllipse(QPointF(3.5, y), 1.2, 1.2);
    return image;
}

// ---- pictures with figures -----------------------------------------------------------------

// Owl in a 100 x 100 box.
void owl(QPainter &p)
{
    p.setPen(outline(0xff4e3320, 3));
    p.setBrush(vertical(10, 96, c(0xffb8875a), c(0xff7a5230)));
    QPainterPath body;
    body.addEllipse(QRectF(16, 20, 68, 76));
    body.addPolygon(QPolygonF({QPointF(20, 38), QPointF(24, 4), QPointF(44, 24)}));
    body.addPolygon(QPolygonF({QPointF(80, 38), QPointF(76, 4), QPointF(56, 24)}));
    p.drawPath(body.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(c(0xffefdcbf));
    p.drawEllipse(QRectF(32, 56, 36, 36));
    p.setPen(outline(0xff4e3320, 3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(36, 44), 14, 14);
    p.drawEllipse(QPointF(64, 44), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(c(0xff222222));
    p.drawEllipse(QPointF(38, 46), 7, 7);
    p.drawEllipse(QPointF(62, 46), 7, 7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(40, 43), 2.2, 2.2);
    p.drawEllipse(QPointF(64, 43), 2.2, 2.2);
    p.setPen(outline(0xffa05a12, 2));
    p.setBrush(c(0xfff1a23a));
    p.drawPolygon(QPolygonF({QPointF(44, 56), QPointF(56, 56), QPointF(50, 68)}));
}

// Pencil lying from lower left (tip) to upper right, in a 100 x 100 box.
void pencil(QPainter &p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-45);
    p.setPen(outline(0xff7f6000, 3));
    p.setBrush(vertical(-11, 11, c(0xffffe599), c(0xffe6a817)));
    p.drawRect(QRectF(-28, -11, 54, 22));
    p.setPen(outline(0xff666666, 3));
    p.setBrush(c(0xffc0c0c0));
    p.drawRect(QRectF(26, -11, 8, 22));
    p.setPen(outline(0xffa64d79, 3));
    p.setBrush(c(0xffea9999));
    p.drawRoundedRect(QRectF(34, -11, 12, 22), 4, 4);
    p.setPen(outline(0xff8c6d46, 3));
    p.setBrush(c(0xfff6d7a7));
    p.drawPolygon(QPolygonF({QPointF(-28, -11), QPointF(-28, 11), QPointF(-48, 0)}));
    p.setPen(Qt::NoPen);
    p.setBrush(c(0xff434343));
    p.drawPolygon(QPolygonF({QPointF(-41, -3.9), QPointF(-41, 3.9), QPointF(-48, 0)}));
    p.restore();
}

QImage icon(int size, const std::function<void(QPainter &)> &figure)
{
    QImage image = canvas(size, size, 0);
    QPainter p(&image);
    smooth(p);
    p.scale(size / 100.0, size / 100.0);
    figure(p);
    return image;
}

QImage hand()
{
    QImage image = canvas(32, 32, 0);
    QPainter p(&image);
    smooth(p);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(11, 2, 6, 17), 3, 3);           // pointing finger
    shape.addRoundedRect(QRectF(16, 10, 5, 10), 2.5, 2.5);      // folded fingers
    shape.addRoundedRect(QRectF(20, 11.5, 5, 9), 2.5, 2.5);
    shape.addRoundedRect(QRectF(24, 13, 4.5, 8), 2.2, 2.2);
    shape.addRoundedRect(QRectF(9, 15, 19.5, 13), 5, 5);        // palm
    QTransform thumb;
    thumb.translate(10.5, 22);
    thumb.rotate(35);
    QPainterPath t;
    t.addRoundedRect(QRectF(-9, -2.8, 11, 5.6), 2.8, 2.8);
    shape.addPath(thumb.map(t));
    p.setPen(outline(0xff000000, 1.3));
    p.setBrush(Qt::white);
    p.drawPath(shape.simplified());
    p.setPen(outline(0xff000000, 0.9));
    p.drawLine(QPointF(17, 14), QPointF(17, 18));
    p.drawLine(QPointF(21, 15), QPointF(21, 18));
    p.drawLine(QPointF(25, 16), QPointF(25, 19));
    return image;
}

QImage infoMark()
{
    QImage image = canvas(48, 40, 0);
    QPainter p(&image);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(31, 78, 121, 60));
    p.drawEllipse(QPointF(25.5, 21.5), 17, 17);
    QRadialGradient g(QPointF(19, 13), 26);
    g.setColorAt(0, c(0xffcfe8fb));
    g.setColorAt(1, c(0xff2f78c0));
    p.setPen(outline(0xff1f4e79, 1.4));
    p.setBrush(g);
    p.drawEllipse(QPointF(24, 20), 17, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 11), 3, 3);
    p.drawRoundedRect(QRectF(21, 16.5, 6, 15), 2, 2);
    return image;
}

QFont font(int pixels, bool bold = false)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QImage logo()
{
    QImage image = canvas(200, 90, SkinColours::kWindow);
    QPainter p(&image);
    smooth(p);
    // An open book under the owl.
    p.setPen(outline(0xff1f4e79, 1.3));
    p.setBrush(c(0xffffffff));
    p.drawPolygon(QPolygonF({QPointF(4, 70), QPointF(40, 64), QPointF(40, 84), QPointF(4, 88)}));
    p.drawPolygon(QPolygonF({QPointF(76, 70), QPointF(40, 64), QPointF(40, 84), QPointF(76, 88)}));
    p.setPen(outline(0xff9fc5e8, 1));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(9, 74 + i * 4), QPointF(35, 70 + i * 4));
        p.drawLine(QPointF(45, 70 + i * 4), QPointF(71, 74 + i * 4));
    }
    p.save();
    p.translate(12, 2);
    p.scale(0.56, 0.66);
    owl(p);
    p.restore();
    p.setPen(c(SkinColours::kHeadingText));
    p.setFont(font(25, true));
    p.drawText(QRectF(84, 14, 116, 40), Qt::AlignLeft | Qt::AlignVCenter, "Quorvel");
    p.setPen(c(0xff3d85c6));
    p.setFont(font(11));
    p.drawText(QRectF(86, 52, 114, 16), Qt::AlignLeft | Qt::AlignVCenter, "practice papers");
    p.setPen(c(0xffe69138));
    p.setFont(font(11, true));
    p.drawText(QRectF(86, 66, 114, 16), Qt::AlignLeft | Qt::AlignVCenter, "learn - try - shine");
    return image;
}

// The program's icon in a 100 x 100 box: the owl of the title strip, perched on an open book,
// on a rounded tile of the title strip's blue. Kept to a few big shapes so 16 pixels still read.
void programIconFigure(QPainter &p)
{
    p.setPen(outline(0xff1f4e79, 3));
    p.setBrush(vertical(3, 97, c(0xffdcebf8), c(0xff5b9bd5)));
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 20, 20);
    p.setPen(outline(0xff1f4e79, 2.5));
    p.setBrush(c(0xffffffff));
    p.drawPolygon(QPolygonF({QPointF(10, 76), QPointF(50, 70), QPointF(50, 90), QPointF(10, 92)}));
    p.drawPolygon(QPolygonF({QPointF(90, 76), QPointF(50, 70), QPointF(50, 90), QPointF(90, 92)}));
    p.save();
    p.translate(19, 5);
    p.scale(0.62, 0.7);
    owl(p);
    p.restore();
}

// One row of the typing instruction: a label, the written form, an arrow and the answer box
// with what to type.
void instructionRow(QPainter &p, double top, const QString &label, const QString &whole,
                    const QString &numerator, const QString &denominator, const QString &typed)
{
    p.setPen(c(0xff1f4e79));
    p.setFont(font(10, true));
    p.drawText(QRectF(4, top, 84, 28), Qt::AlignLeft | Qt::AlignVCenter, label);
    double x = 92;
    if (!whole.isEmpty()) {
        p.setFont(font(17, true));
        p.setPen(c(0xff222222));
        p.drawText(QRectF(x, top, 12, 28), Qt::AlignCenter, whole);
        x += 12;
    }
    p.setPen(c(0xff222222));
    p.setFont(font(11, true));
    p.drawText(QRectF(x, top + 1, 12, 13), Qt::AlignCenter, numerator);
    p.drawLine(QPointF(x + 1, top + 14.5), QPointF(x + 11, top + 14.5));
    p.drawText(QRectF(x, top + 15, 12, 13), Qt::AlignCenter, denominator);
    // Arrow.
    p.setPen(outline(0xffe69138, 2));
    p.drawLine(QPointF(124, top + 14), QPointF(140, top + 14));
    p.setBrush(c(0xffe69138));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(139, top + 9.5), QPointF(146, top + 14),
                             QPointF(139, top + 18.5)}));
    // Answer box with the typed text and a caret.
    p.setPen(outline(SkinColours::kAnswerFrame, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(152.5, top + 4.5, 68, 19));
    p.setPen(c(0xff000000));
    p.setFont(font(12, true));
    const QRectF textBox(157, top + 5, 60, 18);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, typed);
    const double caret = 157 + QFontMetricsF(font(12, true)).horizontalAdvance(typed) + 1.5;
    p.setPen(QPen(c(0xff3d85c6), 1));
    p.drawLine(QPointF(caret, top + 8), QPointF(caret, top + 20));
}

QImage instruction()
{
    QImage image = canvas(270, 60, SkinColours::kWindow);
    QPainter p(&image);
    smooth(p);
    instructionRow(p, 1, "Fraction", QString(), "3", "4", "3/4");
    instructionRow(p, 31, "Mixed number", "1", "2", "3", "1 2/3");
    p.setPen(c(0xff6f8294));
    p.setFont(font(9));
    p.drawText(QRectF(224, 31, 46, 28), Qt::AlignCenter | Qt::TextWordWrap, "one space");
    p.setPen(QPen(c(0xffdce6ef), 1));
    p.drawLine(QPointF(4, 30.5), QPointF(266, 30.5));
    return image;
}

QImage penBox()
{
    QImage image = canvas(148, 40, SkinColours::kToolStrip);
    QPainter p(&image);
    smooth(p);
    p.setPen(outline(0xff8db8e2, 1));
    p.setBrush(vertical(0, 40, c(0xffffffff), c(0xfff3f8fd)));
    p.drawRoundedRect(QRectF(0.5, 0.5, 147, 39), 6, 6);
    p.save();
    p.translate(4, 4);
    p.scale(0.32, 0.32);
    pencil(p);
    p.restore();
    p.setPen(QPen(c(0xffdce6ef), 1));
    p.drawLine(QPointF(40.5, 6), QPointF(40.5, 34));
    return image;
}

QImage toolbarPicture(const QString &base, const QString &state)
{
    const Pictogram draw = pictogram(base);
    if (!draw)
        return {};
    // "Read aloud" needs 51 pixels in the captions' font.
    const int width = base == "readaloud" ? 56 : 44;
    if (state == "off") return toolbarButton(draw, State::Off, width);
    if (state == "on") return toolbarButton(draw, State::On, width);
    if (state == "pressed") return toolbarButton(draw, State::Pressed, width);
    if (state == "disabled") return toolbarButton(draw, State::Disabled, width);
    return {};
}

QImage titleButtonPicture(const QString &name)
{
    // prog_<look>_<glyph>.bmp
    const QStringList parts = QString(name).remove(".bmp").split('_');
    if (parts.size() != 3)
        return {};
    const QString look = parts[1];
    const TitleLook l = look == "blue" ? TitleLook::BlueHover
                        : look == "blueoff" ? TitleLook::BlueOff
                                            : TitleLook::White;
    return titleButton(parts[2], l);
}

} // namespace

QImage SkinArtist::draw(const QString &fileName)
{
    const QString name = fileName;
    const QStringList toolbarBases = {"about", "back", "close", "forward", "home", "mark",
                                      "print", "readaloud", "report", "save", "setup", "trash"};
    const int underscore = name.indexOf('_');
    if (underscore > 0 && toolbarBases.contains(name.left(underscore)) && name.endsWith(".bmp"))
        return toolbarPicture(name.left(underscore), name.mid(underscore + 1).chopped(4));
    if (name.startsWith("prog_"))
        return titleButtonPicture(name);

    auto leftDepth = [](int x, int) { return x; };
    auto rightDepth = [](int x, int) { return 3 - x; };
    auto botDepth = [](int, int y) { return 3 - y; };
    if (name == "tabs_back_off.bmp") return tab(false, false);
    if (name == "tabs_back_on.bmp") return tab(false, true);
    if (name == "tabs_front_off.bmp") return tab(true, false);
    if (name == "tabs_front_on.bmp") return tab(true, true);
    if (name == "border_bot.bmp") return border(32, 4, botDepth);
    if (name == "border_left.bmp") return border(4, 32, leftDepth);
    if (name == "border_right.bmp") return border(4, 32, rightDepth);
    if (name == "border_left_corners.bmp")
        return border(4, 4, [](int x, int y) { return std::min(x, 3 - y); });
    if (name == "border_right_corners.bmp")
        return border(4, 4, [](int x, int y) { return std::min(3 - x, 3 - y); });
    if (name == "border_top_center.bmp") return titlePiece(true, 0);
    if (name == "border_top_left.bmp") return titlePiece(true, -1);
    if (name == "border_top_right.bmp") return titlePiece(true, 1);
    if (name == "border_white_top_center.bmp") return titlePiece(false, 0);
    if (name == "border_white_top_left.bmp") return titlePiece(false, -1);
    if (name == "border_white_top_right.bmp") return titlePiece(false, 1);
    if (name == "loadbutton_on.bmp") return loadButton(true);
    if (name == "loadbutton_off.bmp") return loadButton(false);
    if (name == "button_off.bmp") return pushButton(State::Off);
    if (name == "button_on.bmp") return pushButton(State::On);
    if (name == "button_pressed.bmp") return pushButton(State::Pressed);
    if (name == "bottombg1.bmp") return strip(200, 30, 0xfffdf0e1, 0xfff7d9b8, 0xffe8b987);
    if (name == "bottombg2.bmp") return insetPanel(170, 0xfff7fbff, 0xff9cc3e6);
    if (name == "bottombg3.bmp") return strip(200, 30, 0xffeaf3fc, 0xffcfe2f3, 0xff9cc3e6);
    if (name == "bottombg4.bmp") return insetPanel(220, SkinColours::kWindow, 0xff8db8e2);
    if (name == "columnhead1.bmp")
        return roundedBand(220, 24, 0xffdcebf8, 0xffbcd8f2, 0xff8db8e2, SkinColours::kWindow);
    if (name == "columnhead2.bmp")
        return roundedBand(300, 24, 0xffdcebf8, 0xffbcd8f2, 0xff8db8e2, SkinColours::kWindow);
    if (name == "progressbar.bmp") return progressCell();
    if (name == "statusgrabber.bmp") return statusGrabber();
    if (name == "bullet.bmp") return bullet();
    if (name == "Handle.bmp") return handle();
    if (name == "pen.bmp") return penBox();
    if (name == "bar.bmp") return strip(300, 22, 0xffdcebf8, 0xffb5d3f0, 0xff8db8e2);
    if (name == "QVicon.ico") return icon(20, owl);
    if (name == "pencil.ico") return icon(20, pencil);
    if (name == "hand.ico") return hand();
    if (name == "info_mark.gif") return infoMark();
    if (name == "Logo.gif") return logo();
    if (name == "instruction.gif") return instruction();
    if (name == "Border_bot_left.gif") return popupCorner(false);
    if (name == "Border_bot_right.gif") return popupCorner(true);
    return {};
}

void SkinArtist::paintProgramIcon(QPainter &painter)
{
    smooth(painter);
    programIconFigure(painter);
}

QImage SkinArtist::programIcon(int size)
{
    return icon(size, programIconFigure);
}
