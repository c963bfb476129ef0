// The second take's window, and closing and failing without losing what was typed.

#include "windowdriver.h"

#include "app/resourcestore.h"
#include "results/resulttexts.h"
#include "ui/chrome/chromegeometry.h"
#include "ui/practice/browsercontrol.h"
#include "ui/practice/test2.h"

#include <QComboBox>
#include <QSignalSpy>

using namespace PracticeFixture;
using ChromeGeometry::twipsToPixels;

class TestPracticeTakes : public QObject, private PaperFolder
{
    Q_OBJECT

private:
    // A marked first take with blank 1 wrong and every other blank right.
    bool markFirstTakeWithFirstBlankWrong()
    {
        PracticeSession first(firstPaper());
        if (first.load() != 0)
            return false;
        QStringList answers = rightAnswers(first.paper());
        answers[0] = wrongAnswer();
        for (int q = 1; q <= first.questionCount(); ++q) {
            const QStringList rows = answers.mid(first.blankOffset(q), first.blankCount(q));
            if (first.goToQuestion(q < first.questionCount() ? q + 1 : 1, rows) != 0)
                return false;
        }
        return first.mark(QDateTime::currentDateTime()) == 0;
    }

    static QColor boxColour(QWidget *w, int n)
    {
        return box(w, n)->palette().color(QPalette::Base);
    }

    // The first question after question 1 (one whose blanks all were right).
    static int carriedQuestion(const PracticeWindow *w)
    {
        return w->session().questionCount() >= 2 ? 2 : 0;
    }

private slots:
    void initTestCase()
    {
        PracticeWindow::setMarkingStepMs(20);
    }

    void init()
    {
        QVERIFY(startWindowTest(this));
    }

    void cleanup()
    {
        deletePracticeWindows();
    }

    void secondTakeOpensWithTheFirstTakesRightAnswers()
    {
        QVERIFY(markFirstTakeWithFirstBlankWrong());
        PracticeWindow *w = openPaper(firstPaper(2));
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("Test2"));
        QVERIFY(child<QWidget>(w, "lblSecondAttempt")->isVisible());
        QCOMPARE(text(w, "lblSecondAttempt"), QStringLiteral("Second Attempt"));
        QVERIFY(!w->findChild<QWidget *>(QStringLiteral("lblClock")));
        QVERIFY(!w->findChild<QWidget *>(QStringLiteral("LTime")));
        QCOMPARE(text(w, "PScoring"), QString());
        QCOMPARE(w->titleLabel()->text(), firstPaper().SubH1 + QStringLiteral(" - Paper 1"));

        // Blank 1 was wrong: to answer again, white, no first mark beside it.
        QVERIFY(!box(w, 1)->isReadOnly());
        QCOMPARE(box(w, 1)->text(), QString());
        QCOMPARE(boxColour(w, 1), Test2::answerColour());
        QVERIFY(!child<QWidget>(w, "FR1")->isVisible());
        QCOMPARE(child<QComboBox>(w, "RemQns")->count(), 1);
        QCOMPARE(child<QComboBox>(w, "RemQns")->itemText(0), QStringLiteral("1"));
        waitForTick();
        QCOMPARE(text(w, "lblAnsweredQ"), QString::number(w->session().totalBlanks() - 1));

        // A question right in the first take: carried over, read-only, light blue, ticked.
        const int q = carriedQuestion(w);
        QVERIFY(q);
        w->GoToQuestion(q);
        const int i = w->session().blankOffset(q);
        QVERIFY(box(w, 1)->isReadOnly());
        QCOMPARE(box(w, 1)->text(), rightAnswers(w->session().paper()).at(i));
        QCOMPARE(boxColour(w, 1), QColor(192, 192, 255));
        QLabel *mark = child<QLabel>(w, "FR1");
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->text(), QString(QChar(0x2714)));
        QCOMPARE(mark->x(), twipsToPixels(360 + 1575 + 105));
        QVERIFY(!child<QWidget>(w, "SR1")->isVisible());
    }

    void secondTakeMarkingShowsTheCorrectAnswers()
    {
        DialogAnswerer answerer;
        QVERIFY(markFirstTakeWithFirstBlankWrong());
        const PaperSelection sel = firstPaper(2);
        const auto before = snapshot();
        const Results::MarksLists marksBefore = Results::readMarks(sel.subjectFiles());
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        box(w, 1)->setText(wrongAnswer());
        answerer.answers = {true};
        clickOn(w, QStringLiteral("ToolBar02"));
        QTRY_VERIFY(w->session().isMarked());
        QCOMPARE(answerer.messages(),
                 QStringList{QStringLiteral("Do you want to mark your practice now?")});

        // Still wrong: the second mark is a cross and the correct answer shows beside it.
        QVERIFY(child<QWidget>(w, "SR1")->isVisible());
        QCOMPARE(text(w, "SR1"), QString(QChar(0x2718)));
        QVERIFY(!child<QWidget>(w, "FR1")->isVisible());
        AnswerBox *model = child<AnswerBox>(w, "M1");
        QVERIFY(model->isVisible());
        QCOMPARE(model->text(), rightAnswers(w->session().paper()).first());
        QVERIFY(box(w, 1)->isReadOnly());
        QCOMPARE(boxColour(w, 1), Test2::answerColour());
        QVERIFY(!child<QWidget>(w, "TxtRem")->isVisible());
        const int total = w->session().paper().totalMarks;
        QCOMPARE(text(w, "PScoring"),
                 Results::percentScore(total - w->session().paper().blankMarks.first().toInt(),
                                       total));
        // A carried-over blank: ticked again, light blue, no correct answer.
        w->GoToQuestion(carriedQuestion(w));
        QCOMPARE(text(w, "SR1"), QString(QChar(0x2714)));
        QVERIFY(!child<QWidget>(w, "M1")->isVisible());
        QCOMPARE(boxColour(w, 1), Test2::carriedColour());

        // Only the second take's files and its two marks records changed.
        const auto after = snapshot();
        for (Results::File f : {Results::First, Results::FResults, Results::Trend}) {
            const QString name = sel.subjectFiles().fileName(f);
            QCOMPARE(after.value(name), before.value(name));
        }
        for (Results::File f : {Results::Second, Results::SResults}) {
            const QString name = sel.subjectFiles().fileName(f);
            QVERIFY(after.value(name) != before.value(name));
        }
        const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
        QCOMPARE(marks.FSE, marksBefore.FSE);
        QCOMPARE(marks.LTM, marksBefore.LTM);
        QCOMPARE(marks.CDD, marksBefore.CDD);
        QCOMPARE(marks.FST, marksBefore.FST);
        QCOMPARE(marks.SSE.at(1), text(w, "PScoring"));
        QCOMPARE(marks.SST.at(1), QStringLiteral("1"));
        waitForTick();
        QVERIFY(!child<QWidget>(w, "ToolBar01")->isEnabled());
        QVERIFY(!child<QWidget>(w, "ToolBar02")->isEnabled());
    }

    // ---- closing keeps what was typed ----

    void closingByAnyPathSavesTypedAnswers_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Close button") << "toolbar";
        QTest::newRow("Close caption") << "caption";
        QTest::newRow("title close button") << "title";
        QTest::newRow("closed by the main window") << "close";
        QTest::newRow("program closing") << "program";
        QTest::newRow("deleted") << "delete";
    }

    void closingByAnyPathSavesTypedAnswers()
    {
        QFETCH(QString, path);
        DialogAnswerer answerer;
        const PaperSelection sel = firstPaper();
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        QPointer<PracticeWindow> window(w);
        QSignalSpy closed(w, &PracticeWindow::closed);
        typeText(box(w, 1), QStringLiteral("2"));
        if (path == "toolbar" || path == "caption" || path == "title") {
            answerer.answers = {true};
            clickOn(w, path == "toolbar"   ? QStringLiteral("ToolBar04")
                       : path == "caption" ? QStringLiteral("lblTB04")
                                           : QStringLiteral("imgProgClose"));
            QCOMPARE(answerer.popUps.size(), 1);
            QCOMPARE(answerer.popUps.first().message, QStringLiteral("Confirm?"));
        } else if (path == "close") {
            QVERIFY(w->close());
        } else if (path == "program") {
            QApplication::closeAllWindows();
        } else {
            delete w;
        }
        QTRY_VERIFY(!window);
        QCOMPARE(closed.size(), 1);
        QVERIFY(recordLine(Results::First, sel).startsWith(QLatin1String("#101#>2>")));
        QVERIFY(pageFiles().isEmpty());
    }

    void closeDeclined_data()
    {
        QTest::addColumn<bool>("closeInstead");
        QTest::newRow("No") << false;
        QTest::newRow("pop-up closed otherwise") << true;
    }

    void closeDeclined()
    {
        QFETCH(bool, closeInstead);
        DialogAnswerer answerer;
        answerer.answers = {false};
        answerer.closeInstead = closeInstead;
        PracticeWindow *w = openPaper(firstPaper());
        QVERIFY(w);
        box(w, 1)->setText(QStringLiteral("2"));
        clickOn(w, QStringLiteral("ToolBar04"));
        QCOMPARE(answerer.popUps.size(), 1);
        QTest::qWait(100);
        QVERIFY(w->isVisible());
        QCOMPARE(box(w, 1)->text(), QStringLiteral("2"));
        QCOMPARE(pageFiles().size(), 1);
    }

    void closeThatCannotSaveAsks()
    {
        DialogAnswerer answerer;
        const PaperSelection sel = firstPaper();
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        QPointer<PracticeWindow> window(w);
        box(w, 1)->setText(QStringLiteral("2"));
        QVERIFY(blockFile(Results::First, sel));
        answerer.answers = {false};
        QVERIFY(!w->close());
        QCOMPARE(answerer.popUps.size(), 1);
        QVERIFY(answerer.popUps.first().message.startsWith(
            QLatin1String("Your answers could not be saved")));
        QVERIFY(w->isVisible());
        QCOMPARE(box(w, 1)->text(), QStringLiteral("2"));
        answerer.answers = {true};
        QVERIFY(w->close());
        QTRY_VERIFY(!window);
    }

    // ---- failures ----

    void markingThatCannotBeRecordedStaysOpen()
    {
        DialogAnswerer answerer;
        const PaperSelection sel = firstPaper();
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        box(w, 1)->setText(QStringLiteral("2"));
        QVERIFY(blockFile(Results::FResults, sel));
        answerer.answers = {true, true};
        clickOn(w, QStringLiteral("ToolBar02"));
        QTRY_COMPARE(answerer.popUps.size(), 2);
        QCOMPARE(answerer.popUps.at(0).title, QStringLiteral("Marking"));
        QVERIFY(answerer.popUps.at(1).message.startsWith(
            QLatin1String("Your paper could not be marked")));
        QVERIFY(!w->session().isMarked());
        QVERIFY(!box(w, 1)->isReadOnly());
        QCOMPARE(box(w, 1)->text(), QStringLiteral("2"));
        QVERIFY(!child<QWidget>(w, "FR1")->isVisible());
        QVERIFY(child<QWidget>(w, "TxtRem")->isVisible());
        QCOMPARE(text(w, "PScoring"), QString());
        waitForTick();
        QVERIFY(child<QWidget>(w, "ToolBar02")->isEnabled());
        QVERIFY(Results::readTrend(sel.subjectFiles()).isEmpty());
    }

    void moveThatCannotSaveStays()
    {
        DialogAnswerer answerer;
        const PaperSelection sel = firstPaper();
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        box(w, 1)->setText(QStringLiteral("2"));
        QVERIFY(blockFile(Results::First, sel));
        clickOn(w, QStringLiteral("ToolBar06"));
        QCOMPARE(answerer.popUps.size(), 1);
        QVERIFY(answerer.popUps.first().message.startsWith(
            QLatin1String("Your answers could not be saved")));
        QCOMPARE(w->QSCount(), QStringLiteral("1"));
        QCOMPARE(box(w, 1)->text(), QStringLiteral("2"));
    }

    void unreadablePaperIsRefused()
    {
        DialogAnswerer answerer;
        PracticeWindow::setPaperSource(
            [](int, int, PaperData *) { return int(PaperLookup::TableNotWritten); });
        QVERIFY(!PracticeWindow::open(firstPaper()));
        QCOMPARE(answerer.popUps.size(), 1);
        QVERIFY(answerer.popUps.first().message.startsWith(
            QLatin1String("This paper cannot be opened")));
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<PracticeWindow *>(w));
        QVERIFY(pageFiles().isEmpty());
    }

    void captionNamesThePaperOfItsTopic()
    {
        const PaperSelection sel = selection(m_catalogue, m_subject, 2, 5);
        QCOMPARE(sel.PaperNum, 110);
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        QCOMPARE(w->titleLabel()->text(), sel.SubH1 + QStringLiteral(" - Paper 5"));
        QCOMPARE(w->windowTitle(), w->titleLabel()->text());
    }

    void clockGoesPastADay()
    {
        PracticeWindow *w = openPaper(firstPaper());
        QVERIFY(w);
        w->session().startClock(QDateTime::currentDateTime().addSecs(-(25 * 3600 + 3)));
        waitForTick();
        QVERIFY(text(w, "lblClock").startsWith(QLatin1String("25:0:")));
    }
};

int main(int argc, char **argv)
{
    BrowserControl::prepareApplication();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestPracticeTakes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_practicetakes.moc"
