#include "ui/chrome/picturebutton.h"

#include "ui/chrome/picturebuttonaccessible.h"
#include "ui/chrome/picturecache.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(const QString &objectName, QWidget *parent)
    : QWidget(parent)
{
    PictureButtonAccessible::install();
    setObjectName(objectName);
    m_description = objectName;
    updateAccessibleName();
}

void PictureButton::setPicture(const QString &fileName)
{
    // Ticks ask ten times a second; only a change of picture touches the widget.
    if (fileName == m_picture)
        return;
    m_picture = fileName;
    m_pixmap = PictureCache::picture(fileName);
    if (m_autoSize && !m_scaled)
        resize(m_pixmap.size());
    update();
}

void PictureButton::setScaledContents(bool on)
{
    m_scaled = on;
    update();
}

QLabel *PictureButton::addCaption(const QString &labelName, const QString &text)
{
    if (!m_caption) {
        m_caption = new QLabel(this);
        m_caption->setAlignment(Qt::AlignCenter);
        m_caption->setAttribute(Qt::WA_TranslucentBackground);
        m_caption->installEventFilter(this);
    }
    m_caption->setObjectName(labelName);
    m_caption->setGeometry(rect());
    m_caption->setText(text);
    m_caption->setToolTip(toolTip());
    m_caption->setAccessibleName(text);
    updateAccessibleName();
    return m_caption;
}

void PictureButton::setCaptionText(const QString &text)
{
    if (!m_caption || m_caption->text() == text)
        return;
    m_caption->setText(text);
    m_caption->setAccessibleName(text.isEmpty() ? m_caption->toolTip() : text);
    updateAccessibleName();
}

QString PictureButton::captionText() const
{
    return m_caption ? m_caption->text() : QString();
}

void PictureButton::setToolTips(const QString &tip)
{
    if (toolTip() != tip)
        setToolTip(tip);  // the ToolTipChange event updates the name
    if (m_caption && m_caption->toolTip() != tip) {
        m_caption->setToolTip(tip);
        if (m_caption->text().isEmpty())
            m_caption->setAccessibleName(tip);
    }
}

void PictureButton::setDescription(const QString &text)
{
    m_description = text;
    setAccessibleDescription(text);
    updateAccessibleName();
}

QRect PictureButton::screenRect() const
{
    return QRect(mapToGlobal(QPoint(0, 0)), size());
}

QSize PictureButton::sizeHint() const
{
    return m_pixmap.isNull() ? QSize(16, 16) : m_pixmap.size();
}

void PictureButton::click()
{
    if (isEnabled())
        emit clicked();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    // Drawn by hand: a QLabel would grey the picture again when disabled, and the skin has
    // its own disabled pictures.
    if (m_pixmap.isNull())
        return;
    QPainter p(this);
    if (m_scaled)
        p.drawPixmap(rect(), m_pixmap);
    else
        p.drawPixmap(0, 0, m_pixmap);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit released();
    // Only a left click that ends over the button counts; releasing elsewhere cancels it.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

bool PictureButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        updateAccessibleName();
    return QWidget::event(event);
}

bool PictureButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_caption)
        return QWidget::eventFilter(watched, event);
    // The caption covers the button: holding it down holds the button down, and its click
    // is the button's click.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_captionPressed = true;
        emit pressed();
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const bool over = m_caption->rect().contains(mouse->position().toPoint());
        emit released();
        if (m_captionPressed && over && mouse->button() == Qt::LeftButton && isEnabled())
            emit clicked();
        m_captionPressed = false;
        return true;
    }
    default:
        return false;
    }
}

void PictureButton::updateAccessibleName()
{
    const QString caption = captionText();
    QString name = !caption.isEmpty() ? caption : toolTip();
    if (name.isEmpty())
        name = m_description;
    if (accessibleName() != name)
        setAccessibleName(name);
}
