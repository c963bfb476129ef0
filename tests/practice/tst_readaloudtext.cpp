// What "Read aloud" says for a question page, walked in the browser as the pupil sees it.

#include "ui/practice/readaloudtext.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

class TestReadAloudText : public QObject
{
    Q_OBJECT

private slots:
    void pageIsReadInOrder_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("choice question")
            << "<p>Which number is even?</p><ol><li>3</li><li>8</li><li>11</li></ol>"
               "<p>Write the number of your choice.</p>"
            << "Which number is even?\nOption 1: 3.\nOption 2: 8.\nOption 3: 11.\n"
               "Write the number of your choice.";
        QTest::newRow("cloze with two blanks")
            << "<p>A triangle has <input id='a' aria-label='sides'> sides and "
               "<input id='b' aria-label='corners'> corners.</p>"
            << "A triangle has sides blank 1 sides and corners blank 2 corners.";
        QTest::newRow("picture question")
            << "<p>How many apples are there?</p><img src='x.png' alt='five red apples'>"
               "<p>Answer: <input placeholder='number of apples'></p>"
            << "How many apples are there?\nPicture: five red apples.\n"
               "Answer: number of apples blank 1.";
        QTest::newRow("choice with numbered options and an answer row")
            << "<p class='ins'>Choose the correct answer.</p><p class='stem'>The picture hangs "
               "<span class='line'>&nbsp;</span> the wall.</p><ol class='opts'><li>(1) under</li>"
               "<li>(2) on</li></ol><div class='rows'><p><span class='ans' data-b='1'>"
               "<span class='lbl'>Answer:</span><span class='line'>&nbsp;</span></span></p></div>"
            << "Choose the correct answer.\nThe picture hangs blank the wall.\n"
               "Option 1: under.\nOption 2: on.\nAnswer: blank 1.";
        QTest::newRow("hidden text is not read")
            << "<p>Add 2 and 3.</p><p style='display:none'>The answer is 5.</p>"
            << "Add 2 and 3.";
    }

    void pageIsReadInOrder()
    {
        QFETCH(QString, html);
        QFETCH(QString, spoken);
        QWebEnginePage page;
        QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
        page.setHtml(QStringLiteral("<html><body>") + html + QStringLiteral("</body></html>"));
        QVERIFY(loaded.wait(30000));
        QString walk;
        bool done = false;
        page.runJavaScript(ReadAloudText::walkScript(), [&](const QVariant &result) {
            walk = result.toString();
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
        const QJsonArray items = QJsonDocument::fromJson(walk.toUtf8()).array();
        QCOMPARE(ReadAloudText::spokenText(items), spoken);
    }
};

QTEST_MAIN(TestReadAloudText)
#include "tst_readaloudtext.moc"
