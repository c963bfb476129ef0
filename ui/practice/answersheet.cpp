#include "ui/practice/answersheet.h"

namespace AnswerSheet {

Row designRow()
{
    Row row;
    row.frame = QRect(0, 0, 3975, 375);
    row.part = QRect(30, 40, 285, 225);
    row.answer = QRect(360, 40, 1575, 255);
    row.mark = QRect(2040, 0, 435, 315);
    row.model = QRect(2400, 40, 1455, 255);
    return row;
}

// A sentence to write out ends with its full stop, question or exclamation mark; the
// alternatives of one key are all of one kind, so the first one tells.
static bool isSentenceKey(const QString &code, const QString &key)
{
    if (code != QLatin1String("M"))
        return false;
    const QString first = key.section(QLatin1Char(';'), 1, 1).trimmed();
    return first.endsWith(QLatin1Char('.')) || first.endsWith(QLatin1Char('?'))
           || first.endsWith(QLatin1Char('!'));
}

Row firstRowShape(const Row &row, const QString &code, const QString &key)
{
    Row r = row;
    if (code == QLatin1String("L") || isSentenceKey(code, key)) {
        r.frame.setHeight(2100);
        r.answer.setWidth(r.frame.width() - 1000);
        r.answer.setHeight(1000);
        r.mark.moveLeft(r.answer.left() + r.answer.width() + 100);
        r.model = QRect(r.answer.left(), r.answer.top() + r.answer.height() + 100,
                        r.frame.width() - 500, 1000);
    } else {
        r.frame.setHeight(375);
        r.answer.setSize(QSize(1575, 255));
        r.mark.moveLeft(2040);
        r.model = QRect(2400, 60, 1455, 255);
    }
    return r;
}

QList<int> stackRows(const QList<int> &heights, int blankCount)
{
    const int gap = blankCount < kDenseFrom ? kRowGap : kDenseRowGap;
    QList<int> tops;
    int top = kFirstRowTop;
    for (int n = 0; n < kRows; ++n) {
        tops.append(top);
        top += heights.value(n) + gap;
    }
    return tops;
}

QString partLetter(int row)
{
    return QStringLiteral("(%1)").arg(QChar('a' + row - 1));
}

bool showsPartLetter(int row, int blankCount)
{
    return row > 1 || blankCount >= 2;
}

Instruction instructionFor(const QStringList &codes)
{
    if (codes.isEmpty())
        return Instruction::Keep;
    for (const QString &code : codes) {
        if (code == QLatin1String("X") || code == QLatin1String("F"))
            return Instruction::Show;
    }
    return Instruction::Hide;
}

Border border(const QRect &control, int inout, const QColor &background)
{
    const int left = control.left() - 30;
    const int top = control.top() - 30;
    const int right = control.left() + control.width() + 15;
    const int bottom = control.top() + control.height() + 15;
    Border b;
    b.colour = inout == 0 ? QColor(178, 217, 246)
               : inout == 2 ? background
                            : QColor(192, 192, 192);
    b.lines = {QLine(left, top, right, top), QLine(left, top, left, bottom),
               QLine(left, bottom, right + 15, bottom), QLine(right, top, right, bottom + 15)};
    return b;
}

QString markGlyph(const QString &mark)
{
    if (mark == QString(QChar(0xFC)))
        return QString(QChar(0x2714));
    if (mark == QString(QChar(0xFB)))
        return QString(QChar(0x2718));
    return mark;
}

QString answerName(int row)
{
    return QStringLiteral("Answer ") + partLetter(row);
}

int carriedMarkLeft(const QRect &answer)
{
    return answer.left() + answer.width() + kCarriedMarkGap;
}

QString refusedNoteText()
{
    return QStringLiteral("This character can't be used in an answer.");
}

QRect refusedNotePlace(const QRect &box, const QSize &note, const QSize &sheet)
{
    const int gap = 2;
    int top = box.bottom() + 1 + gap;
    if (top + note.height() > sheet.height())
        top = qMax(0, box.top() - gap - note.height());
    const int left = qBound(0, box.left(), qMax(0, sheet.width() - note.width()));
    return QRect(QPoint(left, top), note);
}

} // namespace AnswerSheet
