// The answer box: what typing, pasting and an input method may put in it, and when it
// wraps its text.

#include "ui/practice/answerbox.h"
#include "ui/practice/answervalidator.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

// A box with the answer sheet's validator, focused, holding text with the cursor at its end.
struct Box
{
    Box(int maxLength, const QString &text, int height = 17)
    {
        box.setValidator(new AnswerValidator(&box));
        box.setMaxLength(maxLength);
        box.setText(text);
        box.resize(200, height);
        box.show();
        box.activateWindow();
        box.setFocus();
    }
    AnswerBox box;
};

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestAnswerBox : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refusedCharacters"); // told to the pupil; the length is not
        QTest::newRow("plain words") << 32767 << "" << false << "went home" << "went home"
                                     << 0;
        QTest::newRow("record marks refused") << 32767 << "a" << false << "b>c#d" << "abcd"
                                              << 2;
        QTest::newRow("Latin-1 accents kept") << 32767 << "" << false << "caf\u00e9"
                                              << "caf\u00e9" << 0;
        QTest::newRow("beyond Latin-1 refused") << 32767 << "" << false << "5\u20ac" << "5"
                                                << 1;
        QTest::newRow("choice takes one character") << 1 << "" << false << "34" << "3" << 0;
        QTest::newRow("choice replaced when selected") << 1 << "3" << true << "4" << "4" << 0;
        QTest::newRow("choice full, typing refused") << 1 << "3" << false << "4" << "3" << 0;
        QTest::newRow("choice full, record mark") << 1 << "3" << false << ">" << "3" << 1;
    }

    void typing()
    {
        QFETCH(int, maxLength);
        QFETCH(QString, start);
        QFETCH(bool, selectAll);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Box b(maxLength, start);
        QSignalSpy refused(&b.box, &AnswerBox::refusedCharacter);
        if (selectAll)
            b.box.selectAll();
        typeText(&b.box, typed);
        QCOMPARE(b.box.text(), kept);
        QTEST(int(refused.size()), "refusedCharacters");
    }

    void returnAddsNoLineBreak()
    {
        Box b(32767, QStringLiteral("one line"), 67);
        QTest::keyClick(&b.box, Qt::Key_Return);
        QTest::keyClick(&b.box, Qt::Key_Enter);
        QCOMPARE(b.box.text(), QStringLiteral("one line"));
        QCOMPARE(b.box.blockCount(), 1);
    }

    void pasting_data()
    {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refusedCharacters");
        QTest::newRow("line breaks become spaces")
            << 32767 << "The dog\r\nbarked\nloudly.\t" << "The dog barked loudly. " << 0;
        QTest::newRow("a record mark refuses all") << 32767 << "ten > nine" << "" << 1;
        QTest::newRow("too long refuses all") << 1 << "12" << "" << 0;
        QTest::newRow("one character fits") << 1 << "2" << "2" << 0;
    }

    void pasting()
    {
        QFETCH(int, maxLength);
        QFETCH(QString, clipboard);
        QFETCH(QString, kept);
        Box b(maxLength, QString());
        QSignalSpy refused(&b.box, &AnswerBox::refusedCharacter);
        QApplication::clipboard()->setText(clipboard);
        b.box.paste();
        QCOMPARE(b.box.text(), kept);
        QTEST(int(refused.size()), "refusedCharacters");
        QCOMPARE(b.box.blockCount(), 1);
    }

    void inputMethodCommitIsChecked()
    {
        Box b(32767, QStringLiteral("x"));
        QInputMethodEvent refused(QString(), {});
        refused.setCommitString(QStringLiteral("\u4e2d"));
        QApplication::sendEvent(&b.box, &refused);
        QCOMPARE(b.box.text(), QStringLiteral("x"));
        QInputMethodEvent taken(QString(), {});
        taken.setCommitString(QStringLiteral("\u00fc"));
        QApplication::sendEvent(&b.box, &taken);
        QCOMPARE(b.box.text(), QStringLiteral("x\u00fc"));
    }

    void storedTextStaysOneLine()
    {
        Box b(32767, QStringLiteral("first\nsecond"));
        QCOMPARE(b.box.text(), QStringLiteral("first second"));
        b.box.setMaxLength(5);
        QCOMPARE(b.box.text(), QStringLiteral("first"));
    }

    void wrapsWhenTall_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("answer row, one line") << 17 << false;
        QTest::newRow("long answer box") << 67 << true;
    }

    void wrapsWhenTall()
    {
        QFETCH(int, height);
        QFETCH(bool, wraps);
        const QString sentence =
            QStringLiteral("The children sang a song for their teacher yesterday morning.");
        Box b(32767, sentence, height);
        QCOMPARE(b.box.wraps(), wraps);
        // Laid out over several lines only when it wraps.
        const int lines = b.box.document()->firstBlock().layout()->lineCount();
        QCOMPARE(lines > 1, wraps);
        QCOMPARE(b.box.text(), sentence);
    }

    void changesAroundTheChecksAreUndone_data()
    {
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Unicode control character") << "\u200e" << "ab";
        QTest::newRow("record mark") << "#" << "ab";
        QTest::newRow("line break") << "\n" << "ab";
        QTest::newRow("storable text") << "x" << "axb";
    }

    void changesAroundTheChecksAreUndone()
    {
        // As the context menu's "Insert Unicode control character" does: straight into the
        // document, past the key and paste checks.
        QFETCH(QString, inserted);
        QFETCH(QString, kept);
        Box b(32767, QStringLiteral("ab"));
        QTextCursor cursor = b.box.textCursor();
        cursor.setPosition(1);
        cursor.insertText(inserted);
        QCOMPARE(b.box.text(), kept);
        typeText(&b.box, QStringLiteral("z"));
        QCOMPARE(b.box.text().count(QLatin1Char('z')), 1);
    }

    void readOnlyRefusesTyping()
    {
        Box b(32767, QStringLiteral("carried"));
        b.box.setReadOnly(true);
        typeText(&b.box, QStringLiteral("more"));
        QCOMPARE(b.box.text(), QStringLiteral("carried"));
    }
};

QTEST_MAIN(TestAnswerBox)
#include "tst_answerbox.moc"
