#pragma once
// Keeps out of an answer box what the results files cannot hold: '>', '#', line breaks
// and characters outside Latin-1. Typing or pasting such text is refused as a whole.

#include <QValidator>

class AnswerValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};
