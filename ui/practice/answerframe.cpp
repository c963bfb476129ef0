#include "ui/practice/answerframe.h"

#include "ui/chrome/chromegeometry.h"

#include <QPainter>

AnswerFrame::AnswerFrame(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

QColor AnswerFrame::background() const
{
    return palette().color(QPalette::Window);
}

void AnswerFrame::setScale(qreal scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    update();
}

void AnswerFrame::drawBorder(const AnswerSheet::Border &border)
{
    // Drawing the same lines again covers the earlier ones completely; keep only the last.
    m_borders.erase(std::remove_if(m_borders.begin(), m_borders.end(),
                                   [&](const AnswerSheet::Border &b) {
                                       return b.lines == border.lines;
                                   }),
                    m_borders.end());
    if (border.colour != background())
        m_borders.append(border);
    update();
}

void AnswerFrame::paintEvent(QPaintEvent *)
{
    using ChromeGeometry::twipsToPixels;
    QPainter painter(this);
    for (const AnswerSheet::Border &b : qAsConst(m_borders)) {
        painter.setPen(b.colour);
        for (const QLine &l : b.lines)
            painter.drawLine(twipsToPixels((QPointF(l.p1()) * m_scale).toPoint()),
                             twipsToPixels((QPointF(l.p2()) * m_scale).toPoint()));
    }
}
