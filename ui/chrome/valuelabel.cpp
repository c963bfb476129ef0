#include "ui/chrome/valuelabel.h"

#include "ui/chrome/valuetext.h"

ValueLabel::ValueLabel(const QString &objectName, const QString &description, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    ValueText::describe(this, description);
}
