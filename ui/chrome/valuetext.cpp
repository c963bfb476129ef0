#include "ui/chrome/valuetext.h"

#include "ui/chrome/valuelabelaccessible.h"

#include <QLabel>
#include <QVariant>

namespace {

const char kDescription[] = "valueDescription";

} // namespace

void ValueText::describe(QLabel *label, const QString &description)
{
    ValueLabelAccessible::install();
    label->setProperty(kDescription, description);
    label->setAccessibleName(name(description, label->text()));
}

void ValueText::set(QLabel *label, const QString &value)
{
    ValueLabelAccessible::install();
    const QString desc = description(label);
    label->setProperty(kDescription, desc);
    label->setText(value);
    label->setAccessibleName(name(desc, value));
}

QString ValueText::name(const QString &description, const QString &value)
{
    const QString shown = value.trimmed();
    if (shown.isEmpty())
        return description;
    if (description.isEmpty())
        return shown;
    return description + QStringLiteral(": ") + shown;
}

QString ValueText::description(const QLabel *label)
{
    const QVariant fixed = label->property(kDescription);
    if (fixed.isValid())
        return fixed.toString();
    return !label->toolTip().isEmpty() ? label->toolTip() : label->accessibleName();
}
