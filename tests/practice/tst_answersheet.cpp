// Answer-sheet rules: row shapes, stacking, part letters, instruction picture, frames,
// marks as drawn, and what an answer box accepts.

#include "ui/practice/answersheet.h"
#include "ui/practice/answervalidator.h"

#include <QtTest>

using namespace AnswerSheet;

class TestAnswerSheet : public QObject
{
    Q_OBJECT

private slots:
    void rowsStack_data()
    {
        QTest::addColumn<int>("blanks");
        QTest::addColumn<int>("firstHeight");
        QTest::addColumn<QList<int>>("firstTops");
        QTest::newRow("one blank") << 1 << 375 << QList<int>{50, 530, 1010};
        QTest::newRow("fifteen blanks") << 15 << 375 << QList<int>{50, 530, 1010};
        QTest::newRow("sixteen blanks overlap") << 16 << 375 << QList<int>{50, 415, 780};
        QTest::newRow("long answer first") << 1 << 2100 << QList<int>{50, 2255, 2735};
    }

    void rowsStack()
    {
        QFETCH(int, blanks);
        QFETCH(int, firstHeight);
        QFETCH(QList<int>, firstTops);
        QList<int> heights(kRows, 375);
        heights[0] = firstHeight;
        const QList<int> tops = stackRows(heights, blanks);
        QCOMPARE(tops.size(), kRows);
        QCOMPARE(tops.mid(0, 3), firstTops);
        const int step = tops.at(19) - tops.at(18);
        QCOMPARE(step, 375 + (blanks < 16 ? 105 : -10));
    }

    void fifteenRowsAre105Apart()
    {
        const QList<int> tops = stackRows(QList<int>(kRows, 375), 15);
        for (int n = 1; n < 15; ++n)
            QCOMPARE(tops.at(n) - (tops.at(n - 1) + 375), 105);
    }

    void firstRowShape_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("answer");
        QTest::addColumn<int>("markLeft");
        QTest::addColumn<QRect>("model");
        const QRect tall(0, 0, 3975, 2100);
        const QRect tallAnswer(360, 40, 2975, 1000);
        const QRect tallModel(360, 1140, 3475, 1000);
        const QRect frame(0, 0, 3975, 375);
        const QRect answer(360, 40, 1575, 255);
        const QRect model(2400, 60, 1455, 255);
        QTest::newRow("long answer") << "L" << "" << tall << tallAnswer << 3435 << tallModel;
        QTest::newRow("sentences to choose from")
            << "M" << ";We stayed in, as it rained.;As it rained, we stayed in." << tall
            << tallAnswer << 3435 << tallModel;
        QTest::newRow("words to choose from") << "M" << ";the north pole;north pole" << frame
                                              << answer << 2040 << model;
        QTest::newRow("words") << "T" << "" << frame << answer << 2040 << model;
        QTest::newRow("choice") << "Q" << "" << frame << answer << 2040 << model;
    }

    void firstRowShape()
    {
        QFETCH(QString, code);
        QFETCH(QString, key);
        QFETCH(QRect, frame);
        QFETCH(QRect, answer);
        QFETCH(int, markLeft);
        QFETCH(QRect, model);
        // Starting from the other shape, so a row goes back after a long answer.
        const bool tall = frame.height() > 375;
        const Row start = AnswerSheet::firstRowShape(designRow(), tall ? "T" : "L");
        const Row row = AnswerSheet::firstRowShape(start, code, key);
        QCOMPARE(row.frame, frame);
        QCOMPARE(row.answer, answer);
        QCOMPARE(row.mark.left(), markLeft);
        QCOMPARE(row.model, model);
    }

    void partLetters_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("blanks");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<bool>("shown");
        QTest::newRow("only blank") << 1 << 1 << "(a)" << false;
        QTest::newRow("first of two") << 1 << 2 << "(a)" << true;
        QTest::newRow("second") << 2 << 2 << "(b)" << true;
        QTest::newRow("twentieth") << 20 << 20 << "(t)" << true;
    }

    void partLetters()
    {
        QFETCH(int, row);
        QFETCH(int, blanks);
        QFETCH(QString, letter);
        QFETCH(bool, shown);
        QCOMPARE(partLetter(row), letter);
        QCOMPARE(showsPartLetter(row, blanks), shown);
        QCOMPARE(answerName(row), QStringLiteral("Answer ") + letter);
    }

    void instructionPicture_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("instruction");
        QTest::newRow("fraction") << QStringList{"N", "F"} << int(Instruction::Show);
        QTest::newRow("mixed number") << QStringList{"X"} << int(Instruction::Show);
        QTest::newRow("spacing rule without picture") << QStringList{"R"}
                                                      << int(Instruction::Hide);
        QTest::newRow("words") << QStringList{"T", "M"} << int(Instruction::Hide);
        QTest::newRow("no blanks") << QStringList{} << int(Instruction::Keep);
    }

    void instructionPicture()
    {
        QFETCH(QStringList, codes);
        QFETCH(int, instruction);
        QCOMPARE(int(instructionFor(codes)), instruction);
    }

    void borderAroundAField_data()
    {
        QTest::addColumn<int>("inout");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("drawn") << 0 << QColor(178, 217, 246);
        QTest::newRow("erased") << 2 << QColor(Qt::white);
        QTest::newRow("grey") << 1 << QColor(192, 192, 192);
    }

    void borderAroundAField()
    {
        QFETCH(int, inout);
        QFETCH(QColor, colour);
        const Border b = border(QRect(360, 40, 1575, 255), inout, Qt::white);
        QCOMPARE(b.colour, colour);
        // left 330, top 10, right 1950, bottom 310; the bottom and right edges reach one
        // line further so the corner is closed.
        const QList<QLine> lines{QLine(330, 10, 1950, 10), QLine(330, 10, 330, 310),
                                 QLine(330, 310, 1965, 310), QLine(1950, 10, 1950, 325)};
        QCOMPARE(b.lines, lines);
    }

    void marksAsDrawn_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("glyph");
        QTest::newRow("tick") << QString(QChar(0xFC)) << QString(QChar(0x2714));
        QTest::newRow("cross") << QString(QChar(0xFB)) << QString(QChar(0x2718));
        QTest::newRow("not marked") << QString() << QString();
    }

    void marksAsDrawn()
    {
        QFETCH(QString, mark);
        QFETCH(QString, glyph);
        QCOMPARE(markGlyph(mark), glyph);
    }

    void refusedNotePlace_data()
    {
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QRect>("note");
        const QSize note(220, 20);
        QTest::newRow("below the box") << QRect(24, 6, 105, 17) << QRect(QPoint(24, 25), note);
        QTest::newRow("kept inside on the right") << QRect(100, 6, 105, 17)
                                                  << QRect(QPoint(53, 25), note);
        QTest::newRow("above the last box") << QRect(24, 380, 105, 17)
                                            << QRect(QPoint(24, 358), note);
    }

    void refusedNotePlace()
    {
        QFETCH(QRect, box);
        QTEST(AnswerSheet::refusedNotePlace(box, QSize(220, 20), QSize(273, 400)), "note");
    }

    void carriedMarkSitsRightOfItsBox()
    {
        QCOMPARE(carriedMarkLeft(QRect(360, 40, 1575, 255)), 360 + 1575 + 105);
    }

    void answerBoxAccepts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("words") << "the cat" << true;
        QTest::newRow("fraction") << "1 2/3" << true;
        QTest::newRow("Latin-1 letter") << QString::fromUtf8("caf\xc3\xa9") << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("greater-than") << "a>b" << false;
        QTest::newRow("hash") << "#5" << false;
        QTest::newRow("line break") << "a\nb" << false;
        QTest::newRow("carriage return") << "a\rb" << false;
        QTest::newRow("euro sign") << QString::fromUtf8("5\xe2\x82\xac") << false;
    }

    void answerBoxAccepts()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        AnswerValidator validator;
        int pos = 0;
        QCOMPARE(validator.validate(text, pos) == QValidator::Acceptable, accepted);
    }
};

QTEST_APPLESS_MAIN(TestAnswerSheet)

#include "tst_answersheet.moc"
