#include "ui/practice/answervalidator.h"

#include "records/recordfile.h"

QValidator::State AnswerValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    return Records::isStorableValue(input) ? Acceptable : Invalid;
}
