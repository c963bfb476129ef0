// The second take's window, and closing and failing without losing what was typed.

#include "windowdriver.h"

#include "app/resourcestore.h"
#include "results/resulttexts.h"
#include "ui/chrome/chromegeometry.h"
#include "ui/practice/browsercontrol.h"
#include "ui/practice/systemend.h"
#include "ui/practice/test2.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <sys/types.h>

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
        QCOMPARE(marks.SSE.at(0), text(w, "PScoring"));
        QCOMPARE(marks.SST.at(0), QStringLiteral("1"));
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

    // ---- what the strip and the files show ----

    void markingUnderAnyLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("British") << "en_GB";
        QTest::newRow("Bulgarian") << "bg_BG";
        QTest::newRow("Egyptian Arabic") << "ar_EG";
    }

    void markingUnderAnyLocale()
    {
        QFETCH(QString, locale);
        // As if started under LC_ALL=<locale>; put back however the test ends.
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([before] { QLocale::setDefault(before); });
        DialogAnswerer answerer;
        const PaperSelection sel = firstPaper();
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        const QString today = Results::storedDate(QDate::currentDate(), QLocale(locale));
        QCOMPARE(text(w, "lblDate"), today);
        answerer.answers = {true};
        clickOn(w, QStringLiteral("ToolBar02"));
        QTRY_VERIFY(w->session().isMarked());
        QCOMPARE(answerer.popUps.size(), 1);
        QCOMPARE(text(w, "ETime"), today);
        const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
        QCOMPARE(marks.CDD.at(0), today);
        QCOMPARE(marks.FST.at(0), QStringLiteral("1"));
    }

    // ---- what a screen reader hears ----

    void valueLabelsReadTheirValue_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("marked");
        QTest::newRow("score, open") << "PScoring" << "Score" << false;
        QTest::newRow("score, marked") << "PScoring" << "Score" << true;
        QTest::newRow("clock") << "lblClock" << "Clock" << false;
        QTest::newRow("date") << "lblDate" << "Date" << false;
        QTest::newRow("answered, open") << "lblAnsweredQ" << "Number of questions answered"
                                        << false;
        QTest::newRow("answered, marked") << "lblAnsweredQ" << "Number of questions answered"
                                          << true;
        QTest::newRow("total") << "lblTotalQ" << "Total number of questions" << false;
        QTest::newRow("time taken, marked") << "LTime" << "Time taken" << true;
        QTest::newRow("date completed, marked") << "ETime" << "Date completed" << true;
    }

    void valueLabelsReadTheirValue()
    {
        QFETCH(QString, label);
        QFETCH(QString, description);
        QFETCH(bool, marked);
        DialogAnswerer answerer;
        PracticeWindow *w = openPaper(firstPaper());
        QVERIFY(w);
        waitForTick();
        if (marked) {
            answerer.answers = {true};
            clickOn(w, QStringLiteral("ToolBar02"));
            QTRY_VERIFY(w->session().isMarked());
        }
        QLabel *shown = child<QLabel>(w, label.toLatin1().constData());
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(shown);
        QVERIFY(iface);
        const QString value = shown->text();
        if (value.isEmpty())
            QCOMPARE(iface->text(QAccessible::Name), description);
        else
            QCOMPARE(iface->text(QAccessible::Name), description + QStringLiteral(": ") + value);
        QAccessibleTextInterface *textIface = iface->textInterface();
        QVERIFY(textIface);
        QCOMPARE(textIface->text(0, textIface->characterCount()), value);
        if (marked && label == QStringLiteral("PScoring"))
            QVERIFY(!value.isEmpty());
    }

    // ---- answer boxes ----

    void refusedCharacterIsExplained_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("noted");
        QTest::newRow("greater-than typed") << ">" << "" << true;
        QTest::newRow("hash typed") << "#" << "" << true;
        QTest::newRow("euro typed") << QString::fromUtf8("\xe2\x82\xac") << "" << true;
        QTest::newRow("record mark pasted") << "" << "ten > nine" << true;
        QTest::newRow("storable letter") << "b" << "" << false;
    }

    void refusedCharacterIsExplained()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(bool, noted);
        DialogAnswerer answerer;
        PracticeWindow *w = openPaper(firstPaper());
        QVERIFY(w);
        w->activateWindow();
        AnswerBox *answer = box(w, 1);
        answer->setFocus();
        QTRY_VERIFY(answer->hasFocus());
        if (!typed.isEmpty()) {
            typeText(answer, typed);
        } else {
            QApplication::clipboard()->setText(pasted);
            answer->paste();
        }
        QVERIFY(!answer->text().contains(QLatin1Char('>')));
        auto *note = w->findChild<QLabel *>(QStringLiteral("lblRefused"));
        QVERIFY(note);
        QCOMPARE(note->isVisible(), noted);
        if (!noted)
            return;
        QCOMPARE(note->text(), QStringLiteral("This character can't be used in an answer."));
        QCOMPARE(note->accessibleName(), note->text());
        // Near the box, inside the window, and the pupil goes on typing where they were.
        const QRect boxRect(answer->mapTo(w, QPoint(0, 0)), answer->size());
        const QRect noteRect(note->mapTo(w, QPoint(0, 0)), note->size());
        QVERIFY(noteRect.top() >= boxRect.bottom() && noteRect.top() <= boxRect.bottom() + 12);
        QVERIFY(w->rect().contains(noteRect));
        QVERIFY(answer->hasFocus());
        QVERIFY(answerer.popUps.isEmpty());
        // About three seconds.
        QTest::qWait(2500);
        QVERIFY(note->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!note->isVisible(), 1500);
    }

    // ---- the program ended by the system ----

    void systemEndKeepsTypedAnswers_data()
    {
        QTest::addColumn<int>("signal"); // 0: the desktop session asks to keep the work
        QTest::addColumn<QString>("moment");
        QTest::newRow("SIGTERM while typing") << int(SIGTERM) << "typing";
        QTest::newRow("SIGINT while typing") << int(SIGINT) << "typing";
        QTest::newRow("SIGHUP while typing") << int(SIGHUP) << "typing";
        QTest::newRow("SIGTERM, Close asking") << int(SIGTERM) << "pop-up";
        QTest::newRow("SIGTERM while marking") << int(SIGTERM) << "marking";
        QTest::newRow("session ending") << 0 << "typing";
    }

    void systemEndKeepsTypedAnswers()
    {
        QFETCH(int, signal);
        QFETCH(QString, moment);
        SystemEnd end;
        QVERIFY(end.isInstalled());
        QSignalSpy finished(&end, &SystemEnd::finished);
        QScopedPointer<DialogAnswerer> answerer(new DialogAnswerer);
        const PaperSelection sel = firstPaper();
        PracticeWindow *w = openPaper(sel);
        QVERIFY(w);
        QPointer<PracticeWindow> window(w);
        QSignalSpy closed(w, &PracticeWindow::closed);
        typeText(box(w, 1), QStringLiteral("2"));

        if (moment == "typing") {
            if (signal)
                QCOMPARE(::raise(signal), 0);
            else
                SystemEnd::saveOpenTakes();
        } else if (moment == "pop-up") {
            // The signal comes while "Confirm?" waits for an answer the pupil never gives.
            answerer.reset();
            QString asked;
            QString response;
            QTimer::singleShot(300, [signal, &asked, &response] {
                for (QWidget *top : QApplication::topLevelWidgets()) {
                    auto *popUp = qobject_cast<frmPopUp *>(top);
                    if (!popUp || !popUp->isVisible())
                        continue;
                    asked = popUp->findChild<QLabel *>(QStringLiteral("lblMessage"))->text();
                    QObject::connect(popUp, &frmPopUp::answered,
                                     [&response](const QString &r) { response = r; });
                }
                ::raise(signal);
            });
            // Should the signal not answer it, the test must still end; the timer goes with
            // this test, so it never closes a later test's pop-up.
            QObject thisTest;
            QTimer::singleShot(10000, &thisTest, [] {
                for (QWidget *top : QApplication::topLevelWidgets()) {
                    if (auto *popUp = qobject_cast<frmPopUp *>(top); popUp && popUp->isVisible())
                        popUp->close();
                }
            });
            clickOn(w, QStringLiteral("ToolBar04"));
            QCOMPARE(asked, QStringLiteral("Confirm?"));
            QCOMPARE(finished.size(), 1);
            QCOMPARE(response, QStringLiteral("False"));
        } else {
            // The signal comes while the marking plays; the marking is recorded whole.
            QTimer during;
            connect(&during, &QTimer::timeout, [&] {
                if (window && window->isMarking()) {
                    during.stop();
                    ::raise(signal);
                }
            });
            during.start(5);
            answerer->answers = {true};
            clickOn(w, QStringLiteral("ToolBar02"));
            QTRY_COMPARE(finished.size(), 1);
            QVERIFY(window);
            QVERIFY(window->session().isMarked());
            const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
            QCOMPARE(marks.FST.at(0), QStringLiteral("1"));
            QCOMPARE(Results::readTrend(sel.subjectFiles()).size(), 1);
        }

        QTRY_COMPARE(finished.size(), signal ? 1 : 0);
        QVERIFY(recordLine(Results::First, sel).startsWith(QLatin1String("#101#>2>")));
        if (signal && moment != "marking") {
            QTRY_VERIFY(!window);
            QCOMPARE(closed.size(), 1);
            QVERIFY(pageFiles().isEmpty());
        } else {
            QVERIFY(window && window->isVisible());
        }
    }

    // The program itself, started in a folder of its own and ended by a signal, as at
    // log-out or shut-down: it ends as it would by its own Close, not killed midway.
    void programEndsItselfOnSignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void programEndsItselfOnSignal()
    {
        QFETCH(int, signal);
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("quorvel"));
        QVERIFY(QFile::copy(QStringLiteral(QUORVEL_PROGRAM), program));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, {});
        QVERIFY(child.waitForStarted());
        // Started once its results files are there and its window is up.
        QTRY_VERIFY_WITH_TIMEOUT(
            QDir(folder.path()).entryList({QStringLiteral("trend*.txt")}).size() == 3, 20000);
        QTest::qWait(1500);
        QCOMPARE(::kill(pid_t(child.processId()), signal), 0);
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }

    // ---- failures ----
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
        PaperSelection sel = firstPaper();
        sel.PaperNum = 100 + sel.TtPapersCon + 1; // no such record in the tables
        QVERIFY(!PracticeWindow::open(sel));
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
