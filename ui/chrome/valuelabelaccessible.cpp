#include "ui/chrome/valuelabelaccessible.h"

#include <QLabel>

namespace {

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className != QLatin1String("ValueLabel") || !object)
        return nullptr;
    return new ValueLabelAccessible(static_cast<QLabel *>(object));
}

} // namespace

ValueLabelAccessible::ValueLabelAccessible(QLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

void *ValueLabelAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString ValueLabelAccessible::shown() const
{
    return static_cast<const QLabel *>(widget())->text();
}

QString ValueLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return shown();
    return QAccessibleWidget::text(t);
}

void ValueLabelAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int ValueLabelAccessible::selectionCount() const
{
    return 0;
}

void ValueLabelAccessible::addSelection(int, int) {}

void ValueLabelAccessible::removeSelection(int) {}

void ValueLabelAccessible::setSelection(int, int, int) {}

int ValueLabelAccessible::cursorPosition() const
{
    return 0;
}

void ValueLabelAccessible::setCursorPosition(int) {}

QString ValueLabelAccessible::text(int startOffset, int endOffset) const
{
    const QString value = shown();
    if (startOffset < 0 || endOffset < startOffset || startOffset > value.size())
        return QString();
    return value.mid(startOffset, endOffset - startOffset);
}

int ValueLabelAccessible::characterCount() const
{
    return int(shown().size());
}

QRect ValueLabelAccessible::characterRect(int) const
{
    return QRect();
}

int ValueLabelAccessible::offsetAtPoint(const QPoint &) const
{
    return -1;
}

void ValueLabelAccessible::scrollToSubstring(int, int) {}

QString ValueLabelAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}

void ValueLabelAccessible::install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(factory);
    }
}
