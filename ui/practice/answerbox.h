#pragma once
// An answer field (FA<n>, and the correct-answer field M<n>). A box tall enough for two lines
// wraps its text, so a pupil can read back a whole sentence; a one-line box scrolls sideways
// as a line edit does. Either way the text stays one line: Return adds no line break, pasted
// line breaks become spaces, and an edit whose result the validator or the length limit does
// not accept is undone as a whole, however it was made (typing, pasting, an input method,
// the context menu's Unicode control characters).

#include <QPlainTextEdit>
#include <QPointer>
#include <QValidator>

class AnswerBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit AnswerBox(QWidget *parent = nullptr);

    QString text() const;
    // Replaces the text (not an edit the pupil can undo) and puts the cursor at its end.
    void setText(const QString &text);

    void setMaxLength(int length);
    int maxLength() const { return m_maxLength; }
    void setValidator(const QValidator *validator) { m_validator = validator; }

    // Whether the box shows its text over several lines.
    bool wraps() const { return lineWrapMode() != NoWrap; }

signals:
    // An edit was undone because of a character the validator refuses (not for length).
    void refusedCharacter();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitToHeight();
    bool accepts(const QString &text) const;
    bool holdsRefusedCharacter(QString text) const;
    // After every change: keeps the text if it is accepted, else puts back the last accepted.
    void keepAcceptedText();

    int m_maxLength = 32767;
    QPointer<const QValidator> m_validator;
    QString m_accepted;
};
