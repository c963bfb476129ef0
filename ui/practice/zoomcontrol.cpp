#include "ui/practice/zoomcontrol.h"

#include "ui/chrome/skincolours.h"
#include "ui/practice/zoomsteps.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
constexpr int kWidth = 96;
constexpr int kHeight = 21;
constexpr int kEnd = 22; // width of each "A" end
}

ZoomControl::ZoomControl(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ZoomSize"));
    setAccessibleName(QStringLiteral("Text size"));
    setToolTip(QStringLiteral("Text size: Ctrl and + larger, Ctrl and - smaller, "
                              "Ctrl and 0 normal"));
    setAccessibleDescription(ZoomSteps::label(m_percent));
    setFocusPolicy(Qt::NoFocus); // the keys work from anywhere in the window
    setCursor(Qt::PointingHandCursor);
    resize(kWidth, kHeight);
}

QSize ZoomControl::sizeHint() const
{
    return QSize(kWidth, kHeight);
}

void ZoomControl::setPercent(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    setAccessibleDescription(ZoomSteps::label(percent));
    update();
}

void ZoomControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QColor::fromRgba(SkinColours::kFrameMid));
    p.setBrush(QColor::fromRgba(SkinColours::kWindow));
    p.drawRoundedRect(box, 4, 4);
    p.setPen(QColor::fromRgba(SkinColours::kFrameLight));
    p.drawLine(QPointF(kEnd, 3), QPointF(kEnd, height() - 3));
    p.drawLine(QPointF(width() - kEnd, 3), QPointF(width() - kEnd, height() - 3));

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    p.setPen(QColor::fromRgba(SkinColours::kHeadingText));
    font.setPixelSize(10);
    p.setFont(font);
    p.drawText(QRect(0, 0, kEnd, height()), Qt::AlignCenter, QStringLiteral("A"));
    font.setPixelSize(15);
    p.setFont(font);
    p.drawText(QRect(width() - kEnd, 0, kEnd, height()), Qt::AlignCenter, QStringLiteral("A"));
    font.setPixelSize(11);
    p.setFont(font);
    p.drawText(QRect(kEnd, 0, width() - 2 * kEnd, height()), Qt::AlignCenter,
               ZoomSteps::label(m_percent));
}

void ZoomControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    const int x = event->position().toPoint().x();
    if (x < kEnd)
        emit zoomRequested(ZoomSteps::smaller(m_percent));
    else if (x >= width() - kEnd)
        emit zoomRequested(ZoomSteps::larger(m_percent));
    else
        emit zoomRequested(ZoomSteps::kNormal);
}

void ZoomControl::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta != 0)
        emit zoomRequested(ZoomSteps::afterWheel(m_percent, delta));
}
