#include "ui/practice/picturepanel.h"

#include "ui/chrome/picturecache.h"

#include <QPainter>

PicturePanel::PicturePanel(const QString &objectName, const QString &picture, QWidget *parent)
    : QWidget(parent), m_pixmap(PictureCache::picture(picture))
{
    setObjectName(objectName);
    setAccessibleName(objectName);
    resize(m_pixmap.size());
}

void PicturePanel::setCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_pixmap);
    if (!m_caption.isEmpty())
        painter.drawText(rect().adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         m_caption);
}
