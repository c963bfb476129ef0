#include "ui/practice/answerbox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>

namespace {

QString asOneLine(QString text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\r\n\t\u2028\u2029]"));
    return text.replace(breaks, QStringLiteral(" "));
}

} // namespace

AnswerBox::AnswerBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(1);
    fitToHeight();
    connect(this, &QPlainTextEdit::textChanged, this, &AnswerBox::keepAcceptedText);
}

QString AnswerBox::text() const
{
    return toPlainText();
}

void AnswerBox::setText(const QString &text)
{
    m_accepted = asOneLine(text).left(m_maxLength);
    setPlainText(m_accepted);
    moveCursor(QTextCursor::End);
    // Starts at the beginning of a long answer, as the pupil reads it.
    horizontalScrollBar()->setValue(0);
}

void AnswerBox::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    if (text().size() > m_maxLength)
        setText(text());
}

bool AnswerBox::accepts(const QString &text) const
{
    return text.size() <= m_maxLength && !text.contains(QLatin1Char('\n'))
           && !holdsRefusedCharacter(text);
}

bool AnswerBox::holdsRefusedCharacter(QString text) const
{
    int pos = text.size();
    return m_validator && m_validator->validate(text, pos) != QValidator::Acceptable;
}

void AnswerBox::keepAcceptedText()
{
    const QString now = text();
    if (now == m_accepted)
        return;
    if (accepts(now)) {
        m_accepted = now;
        return;
    }
    // The cursor goes back to where the refused edit began.
    const int grown = int(now.size() - m_accepted.size());
    const int position = qBound(0, textCursor().position() - grown, int(m_accepted.size()));
    const bool characterRefused = holdsRefusedCharacter(now);
    setPlainText(m_accepted); // its own change finds the accepted text and stops
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
    if (characterRefused)
        emit refusedCharacter();
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore(); // one line only; the window may use the key
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool AnswerBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void AnswerBox::insertFromMimeData(const QMimeData *source)
{
    insertPlainText(asOneLine(source->text()));
}

void AnswerBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    fitToHeight();
}

void AnswerBox::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToHeight();
}

// Two lines' room wraps; one line sits in the middle of the box, as in a line edit.
void AnswerBox::fitToHeight()
{
    const int line = fontMetrics().lineSpacing();
    const int room = height() - 2 * int(document()->documentMargin());
    const bool tall = room >= 2 * line;
    setLineWrapMode(tall ? WidgetWidth : NoWrap);
    setViewportMargins(0, tall ? 0 : qMax(0, (room - line) / 2), 0, 0);
}
