// The practice windows as a pupil uses them: a whole take on the real content, the answer
// sheet's rows, page files, the page guard, the layout, the second take, and closing by
// every path without losing what was typed.

#include "practicefixture.h"
#include "windowdriver.h"

#include "app/resourcestore.h"
#include "ui/chrome/chromegeometry.h"
#include "ui/practice/browsercontrol.h"
#include "ui/practice/marking.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/test2.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalSpy>

using namespace PracticeFixture;
using ChromeGeometry::twipsToPixels;

namespace {

// A paper of our own on real pages: question 1 has one blank, 2 fifteen, 3 a long answer,
// 4 a fraction and a number, 5 sixteen, 6 three multiple-choice blanks.
PaperData shapedPaper()
{
    PaperData real;
    PaperLookup::lookUp(2, 101, &real);
    PaperData p;
    const QList<QStringList> codes = {
        {"T"}, QStringList(15, "T"), {"L"}, {"F", "N"}, QStringList(16, "N"), {"Q", "Q", "Q"}};
    for (int q = 0; q < codes.size(); ++q) {
        p.questionIds.append(real.questionIds.at(q));
        p.blankCounts.append(codes.at(q).size());
        for (const QString &code : codes.at(q)) {
            p.answerCodes.append(code);
            p.answerKey.append(code == "F" ? "3/4" : code == "Q" ? "2" : code == "N" ? "7"
                                                                                      : "cat");
            p.blankMarks.append("1");
        }
    }
    p.totalBlanks = p.answerKey.size();
    p.totalMarks = p.totalBlanks;
    return p;
}

} // namespace

class TestPracticeWindow : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    Catalogue m_catalogue;
    int m_subject = 0;

    PaperSelection firstPaper(int take = 1) const
    {
        return selection(m_catalogue, m_subject, 1, 1, take);
    }

    // Opens a paper and waits until its first page is on show.
    PracticeWindow *openPaper(const PaperSelection &sel)
    {
        PracticeWindow *w = PracticeWindow::open(sel);
        if (!w)
            return nullptr;
        if (!QTest::qWaitForWindowExposed(w))
            return nullptr;
        QTest::qWait(150); // a tick or so
        return w;
    }

    static QLineEdit *box(QWidget *w, int n)
    {
        return child<QLineEdit>(w, QStringLiteral("FA%1").arg(n));
    }

    static QString text(QWidget *w, const QString &name)
    {
        return child<QLabel>(w, name)->text();
    }

    static QString recordLine(Results::File file, const PaperSelection &sel)
    {
        return Records::ReadPaperLines(Results::filePath(file, sel.LChose, sel.lblCOD),
                                       sel.TtPapersCon)
            .value(sel.paperIndex());
    }

    static void waitForTick() { QTest::qWait(250); }

    // Fills the rows on show from the whole-paper list, then moves on with Next.
    static void typeWholePaper(PracticeWindow *w, const QStringList &answers)
    {
        const PracticeSession &s = w->session();
        for (int q = 1; q <= s.questionCount(); ++q) {
            QCOMPARE(s.qsCount(), q);
            for (int n = 1; n <= s.blankCount(q); ++n)
                box(w, n)->setText(answers.at(s.blankOffset(q) + n - 1));
            if (q < s.questionCount()) {
                waitForTick();
                clickOn(w, QStringLiteral("ToolBar06"));
            }
        }
    }

    // Closes the window with its Close button, answering "Yes".
    static void closeWithYes(PracticeWindow *w, DialogAnswerer &answerer)
    {
        QPointer<PracticeWindow> window(w);
        answerer.answers = {true};
        clickOn(w, QStringLiteral("ToolBar04"));
        QTRY_VERIFY(!window);
    }

private slots:
    void initTestCase()
    {
        PracticeWindow::setMarkingStepMs(20);
    }

    void init()
    {
        QVERIFY(freshFolder(m_dir, &m_catalogue));
        ExtractSkinFiles();
        m_subject = m_catalogue.firstSubject();
        PracticeWindow::setPaperSource({});
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<PracticeWindow *>(w))
                delete w;
        }
        PracticeWindow::setPaperSource({});
        QTRY_VERIFY(QApplication::topLevelWidgets().size() < 50);
    }

    void wholeTakeOnTheRealContent();
};

void TestPracticeWindow::wholeTakeOnTheRealContent()
{
    DialogAnswerer answerer;
    const PaperSelection sel = firstPaper();
    PracticeWindow *w = openPaper(sel);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Test1"));
    QCOMPARE(w->titleLabel()->text(), sel.SubH1 + QStringLiteral(" - Paper 1"));
    QCOMPARE(text(w, "QnTitle"), QStringLiteral("Question 1"));
    QCOMPARE(text(w, "lblTotalQ"), QString::number(w->session().totalBlanks()));
    QCOMPARE(text(w, "PScoring"), QString());
    QCOMPARE(text(w, "lblDate"), PracticeSession::shortDate(QDate::currentDate()));
    QVERIFY(!child<QWidget>(w, "ToolBar05")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar06")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar01")->isEnabled());
    QCOMPARE(child<QComboBox>(w, "RemQns")->count(), w->session().questionCount());

    // Typing alone changes neither the counter nor the list.
    // A choice box takes one character.
    const bool choice = w->session().answerCode(0) == QLatin1String("Q");
    const QString first = choice ? QStringLiteral("3") : QStringLiteral("first");
    QTest::keyClicks(box(w, 1), first);
    QCOMPARE(box(w, 1)->text(), first);
    waitForTick();
    QCOMPARE(text(w, "lblAnsweredQ"), QStringLiteral("0"));

    clickOn(w, QStringLiteral("ToolBar06"));
    QCOMPARE(w->QSCount(), QStringLiteral("2"));
    QCOMPARE(text(w, "QnTitle"), QStringLiteral("Question 2"));
    QVERIFY(recordLine(Results::First, sel).startsWith(QLatin1String("#101#>") + first + '>'));
    waitForTick();
    QCOMPARE(text(w, "lblAnsweredQ"), QStringLiteral("1"));
    QVERIFY(child<QWidget>(w, "ToolBar05")->isEnabled());
    QCOMPARE(child<QComboBox>(w, "RemQns")->itemText(0), w->session().blankCount(1) == 1
                                                             ? QStringLiteral("2")
                                                             : QStringLiteral("1"));

    // Back through its caption label.
    clickOn(w, QStringLiteral("lblTB05"));
    QCOMPARE(w->QSCount(), QStringLiteral("1"));
    QCOMPARE(box(w, 1)->text(), first);

    // A pick in the list of remaining questions.
    QComboBox *list = child<QComboBox>(w, "RemQns");
    const int last = list->itemText(list->count() - 1).toInt();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(w->QSCount(), QString::number(last));
    box(w, 1)->setText(QStringLiteral("4"));

    clickOn(w, QStringLiteral("ToolBar01"));
    QCOMPARE(answerer.popUps.last().title, QStringLiteral("Quorvel"));
    QCOMPARE(answerer.popUps.last().message, QStringLiteral("Paper saved"));
    QVERIFY(w->isVisible());
    const Records::Fields saved = Results::readPaperValues(
        Results::First, sel.LChose, sel.lblCOD, sel.TtPapersCon, sel.PaperNum,
        w->session().totalBlanks());
    QCOMPARE(saved.at(w->session().blankOffset(last) + 1), QStringLiteral("4"));

    QSignalSpy closed(w, &PracticeWindow::closed);
    closeWithYes(w, answerer);
    QCOMPARE(closed.size(), 1);
    QCOMPARE(answerer.popUps.last().title, QStringLiteral("Close Practice"));
    QCOMPARE(answerer.popUps.last().message, QStringLiteral("Confirm?"));
    QVERIFY(pageFiles().isEmpty());

    // Reopened: the saved answers, the clock from the start.
    w = openPaper(sel);
    QVERIFY(w);
    QCOMPARE(box(w, 1)->text(), first);
    waitForTick();
    QVERIFY(text(w, "lblClock").startsWith(QLatin1String("0:0:")));
    QCOMPARE(text(w, "lblAnsweredQ"), QStringLiteral("2"));

    // Every blank right but the first, then Mark.
    QStringList answers = rightAnswers(w->session().paper());
    answers[0] = wrongAnswer();
    typeWholePaper(w, answers);
    answerer.answers = {true};
    clickOn(w, QStringLiteral("ToolBar02"));
    QTRY_VERIFY(w->session().isMarked());
    QCOMPARE(answerer.popUps.last().title, QStringLiteral("Marking"));
    QCOMPARE(answerer.popUps.last().message,
             QStringLiteral("Do you want to mark your practice now?"));

    const int total = w->session().paper().totalMarks;
    const QString score = Marking::percentScore(
        total - w->session().paper().blankMarks.first().toInt(), total);
    QCOMPARE(text(w, "PScoring"), score);
    QVERIFY(!child<QWidget>(w, "TxtRem")->isVisible());
    QVERIFY(child<QWidget>(w, "LTime")->isVisible());
    QVERIFY(!child<QWidget>(w, "lblClock")->isVisible());
    QVERIFY(child<QWidget>(w, "ETime")->isVisible());
    QCOMPARE(text(w, "ETime"), PracticeSession::shortDate(QDate::currentDate()));
    QVERIFY(box(w, 1)->isReadOnly());
    waitForTick();
    QVERIFY(!child<QWidget>(w, "ToolBar01")->isEnabled());
    QVERIFY(!child<QWidget>(w, "ToolBar02")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar03")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar04")->isEnabled());

    // On disk: marks, score, trend.
    QVERIFY(recordLine(Results::FResults, sel).toLatin1().startsWith("#101#>\xfb>"));
    const Results::MarksLists marks = Results::readMarks(sel.LChose, sel.lblCOD,
                                                         sel.TtPapersCon);
    QCOMPARE(marks.FSE.at(1), score);
    QCOMPARE(marks.FST.at(1), QStringLiteral("1"));
    QCOMPARE(marks.LTM.at(1), text(w, "LTime"));
    QCOMPARE(Results::readTrend(sel.LChose, sel.lblCOD), QStringList{score});
    closeWithYes(w, answerer);

    // Reopened marked: marks at once, nothing to save or mark.
    w = openPaper(sel);
    QVERIFY(w);
    QVERIFY(w->session().isMarked());
    waitForTick();
    QVERIFY(!child<QWidget>(w, "ToolBar01")->isEnabled());
    QVERIFY(!child<QWidget>(w, "ToolBar02")->isEnabled());
    QVERIFY(box(w, 1)->isReadOnly());
    QVERIFY(child<QWidget>(w, "FR1")->isVisible());
    QCOMPARE(text(w, "FR1"), QString(QChar(0x2718)));
    QCOMPARE(text(w, "PScoring"), score);
    QCOMPARE(text(w, "LTime"), marks.LTM.at(1));
}

int main(int argc, char **argv)
{
    BrowserControl::prepareApplication();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestPracticeWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_practicewindow.moc"
