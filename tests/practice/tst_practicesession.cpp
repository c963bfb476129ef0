// One take without widgets: loading, moves and page files, saving, marking, second take.

#include "practicefixture.h"

#include "app/resourcestore.h"
#include "records/recordfile.h"
#include "results/resulttexts.h"
#include "ui/practice/marking.h"
#include "ui/practice/practicesession.h"

#include <QtTest>

using namespace PracticeFixture;

class TestPracticeSession : public QObject, private PaperFolder
{
    Q_OBJECT

private:
    // Row texts of question q taken from a whole-paper answer list.
    static QStringList rowsOf(const PracticeSession &s, int q, const QStringList &answers)
    {
        return answers.mid(s.blankOffset(q), s.blankCount(q));
    }

    // Types every answer of the paper by moving through all questions.
    static void answerAll(PracticeSession &s, const QStringList &answers)
    {
        for (int q = 1; q <= s.questionCount(); ++q) {
            const int next = q < s.questionCount() ? q + 1 : 1;
            QCOMPARE(s.goToQuestion(next, rowsOf(s, q, answers)), 0);
        }
    }

    static QString recordLine(Results::File file, const PaperSelection &sel)
    {
        return Records::ReadPaperLines(sel.subjectFiles().path(file), sel.TtPapersCon)
            .value(sel.paperIndex() + 1);
    }

    // Replaces a results file by a folder of the same name, so writing it fails.
    static void blockFile(Results::File file, const PaperSelection &sel)
    {
        const QString path = sel.subjectFiles().path(file);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
    }

    // A marked first take: blanks listed in wrong get a wrong answer, the others the key.
    QStringList markFirstTake(const QList<int> &wrong)
    {
        PracticeSession first(firstPaper());
        if (first.load() != 0)
            return {};
        QStringList answers = rightAnswers(first.paper());
        for (int i : wrong)
            answers[i] = wrongAnswer();
        answerAll(first, answers);
        first.startClock(QDateTime::currentDateTime());
        if (first.mark(QDateTime::currentDateTime()) != 0)
            return {};
        return answers;
    }

private slots:
    void init()
    {
        QVERIFY(prepareFolder());
    }

    void blankPaperListsEveryQuestion()
    {
        PracticeSession s(firstPaper());
        QCOMPARE(s.load(), 0);
        QCOMPARE(s.qsCount(), 1);
        QCOMPARE(s.status(), 0);
        QVERIFY(s.pScoring().isEmpty());
        QCOMPARE(s.answers().size(), s.totalBlanks());
        QCOMPARE(s.answeredCount(), 0);
        QList<int> all;
        for (int q = 1; q <= s.questionCount(); ++q)
            all.append(q);
        QCOMPARE(s.remainingQuestions(), all);
    }

    void unknownPaperIsRefused()
    {
        PaperSelection sel = firstPaper();
        sel.PaperNum = 100 + m_catalogue.paperCount[m_subject] + 40;
        PracticeSession s(sel);
        QVERIFY(s.load() != 0);
    }

    void moveWritesAnswersAndKeepsOnePageFile()
    {
        const PaperSelection sel = firstPaper();
        PracticeSession s(sel);
        QCOMPARE(s.load(), 0);
        QVERIFY(s.questionCount() >= 2);
        QCOMPARE(s.showQuestionPage(), 0);
        QCOMPARE(pageFiles(), QStringList{QFileInfo(s.pageFilePath(1)).fileName()});

        QStringList typed;
        for (int n = 1; n <= s.blankCount(1); ++n)
            typed.append(QStringLiteral(" typed %1").arg(n));
        QCOMPARE(s.goToQuestion(2, typed), 0);
        QCOMPARE(s.qsCount(), 2);
        QCOMPARE(pageFiles(), QStringList{QFileInfo(s.pageFilePath(2)).fileName()});
        QCOMPARE(s.currentPagePath(), s.pageFilePath(2));
        QCOMPARE(s.currentPageId(), s.paper().questionIds.at(1).toInt());

        // Stored as typed, spaces included, in the paper's own record.
        const QStringList stored = Results::readPaperValues(Results::First, sel.subjectFiles(),
                                                                sel.PaperNum, s.totalBlanks());
        QCOMPARE(stored.mid(0, typed.size()), typed);
        QVERIFY(recordLine(Results::First, sel).startsWith(QLatin1String("#101#> typed 1")));

        s.deleteCurrentPage();
        QVERIFY(pageFiles().isEmpty());
    }

    void moveOutsideThePaperDoesNothing_data()
    {
        QTest::addColumn<int>("target");
        QTest::newRow("before the first") << 0;
        QTest::newRow("after the last") << 9999;
    }

    void moveOutsideThePaperDoesNothing()
    {
        QFETCH(int, target);
        PracticeSession s(firstPaper());
        QCOMPARE(s.load(), 0);
        QCOMPARE(s.goToQuestion(target, {QStringLiteral("x")}), 0);
        QCOMPARE(s.qsCount(), 1);
    }

    void moveThatCannotSaveStays()
    {
        const PaperSelection sel = firstPaper();
        PracticeSession s(sel);
        QCOMPARE(s.load(), 0);
        QCOMPARE(s.showQuestionPage(), 0);
        blockFile(Results::First, sel);
        QVERIFY(s.goToQuestion(2, {QStringLiteral("kept")}) != 0);
        QCOMPARE(s.qsCount(), 1);
        QCOMPARE(s.answers().first(), QStringLiteral("kept"));
        QCOMPARE(pageFiles(), QStringList{QFileInfo(s.pageFilePath(1)).fileName()});
    }

    void reopenedTakeShowsSavedAnswers()
    {
        const PaperSelection sel = firstPaper();
        {
            PracticeSession s(sel);
            QCOMPARE(s.load(), 0);
            QCOMPARE(s.commitAndWrite({QStringLiteral("saved")}), 0);
        }
        PracticeSession again(sel);
        QCOMPARE(again.load(), 0);
        QCOMPARE(again.answers().first(), QStringLiteral("saved"));
        QCOMPARE(again.answeredCount(), 1);
        QCOMPARE(again.remainingQuestions().contains(1), again.blankCount(1) > 1);
    }

    void spacesCountAsAnswered_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<int>("answered");
        QTest::newRow("empty") << QString() << true << 0;
        QTest::newRow("spaces only") << QStringLiteral("   ") << true << 1;
        QTest::newRow("word") << QStringLiteral("cat") << false << 1;
    }

    void spacesCountAsAnswered()
    {
        QFETCH(QString, answer);
        QFETCH(bool, listed);
        QFETCH(int, answered);
        PracticeSession s(firstPaper());
        QCOMPARE(s.load(), 0);
        // Every blank but the first gets an answer, so only blank 1 decides.
        QStringList all = rightAnswers(s.paper());
        all[0] = answer;
        answerAll(s, all);
        QCOMPARE(s.remainingQuestions().contains(1), listed);
        QCOMPARE(s.answeredCount(), s.totalBlanks() - 1 + answered);
        QCOMPARE(s.markingPrompt(),
                 Marking::markingPrompt(answer.isEmpty()));
    }

    void markingRecordsTheFirstTake()
    {
        const PaperSelection sel = firstPaper();
        PracticeSession s(sel);
        QCOMPARE(s.load(), 0);
        QStringList answers = rightAnswers(s.paper());
        answers[0] = wrongAnswer();
        answerAll(s, answers);
        const QDateTime start(QDate(2026, 3, 4), QTime(10, 0, 0));
        s.startClock(start);
        QCOMPARE(s.mark(start.addSecs(4 * 60 + 7)), 0);

        const int total = s.paper().totalMarks;
        const QString score =
            Results::percentScore(total - s.paper().blankMarks.first().toInt(), total);
        QCOMPARE(s.status(), 1);
        QCOMPARE(s.pScoring(), score);
        QCOMPARE(s.lTime(), QStringLiteral("0:4:7"));
        QCOMPARE(s.eTime(), PracticeSession::shortDate(QDate(2026, 3, 4)));
        QCOMPARE(s.results().first(), Results::cross());
        QCOMPARE(s.results().count(Results::tick()), s.totalBlanks() - 1);

        const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
        QCOMPARE(marks.FSE.at(0), score);
        QCOMPARE(marks.LTM.at(0), QStringLiteral("0:4:7"));
        QCOMPARE(marks.CDD.at(0), s.eTime());
        QCOMPARE(marks.FST.at(0), QStringLiteral("1"));
        QCOMPARE(marks.SST.at(0), QStringLiteral("0"));
        QCOMPARE(Results::readTrend(sel.subjectFiles()), QStringList{score});
        const QByteArray fresults = recordLine(Results::FResults, sel).toLatin1();
        QVERIFY(fresults.startsWith("#101#>\xfb>\xfc"));

        // Marking again changes nothing.
        const auto before = snapshot();
        QCOMPARE(s.mark(start.addSecs(600)), 0);
        QCOMPARE(snapshot(), before);
    }

    void reopenedMarkedTakeIsMarked()
    {
        QVERIFY(!markFirstTake({0}).isEmpty());
        PracticeSession s(firstPaper());
        QCOMPARE(s.load(), 0);
        QVERIFY(s.isMarked());
        QCOMPARE(s.results().first(), Results::cross());
        QVERIFY(!s.pScoring().isEmpty());
        QVERIFY(!s.lTime().isEmpty());
        QVERIFY(!s.eTime().isEmpty());
    }

    void markingRereadsTheMarksFile()
    {
        const PaperSelection sel = firstPaper();
        PracticeSession s(sel);
        QCOMPARE(s.load(), 0);
        answerAll(s, rightAnswers(s.paper()));
        // Another paper is marked while this window is open.
        Results::MarksLists other = Results::readMarks(sel.subjectFiles());
        other.FSE[1] = QStringLiteral("50");
        other.FST[1] = QStringLiteral("1");
        QCOMPARE(Results::writeMarks(sel.subjectFiles(), other), 0);
        s.startClock(QDateTime::currentDateTime());
        QCOMPARE(s.mark(QDateTime::currentDateTime()), 0);
        const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
        QCOMPARE(marks.FSE.at(1), QStringLiteral("50"));
        QCOMPARE(marks.FST.at(1), QStringLiteral("1"));
        QCOMPARE(marks.FSE.at(0), QStringLiteral("100"));
    }

    void failedWriteLeavesTheTakeOpen_data()
    {
        QTest::addColumn<int>("blocked");
        QTest::newRow("results file") << int(Results::FResults);
        QTest::newRow("marks file") << int(Results::Marks);
    }

    void failedWriteLeavesTheTakeOpen()
    {
        QFETCH(int, blocked);
        const PaperSelection sel = firstPaper();
        PracticeSession s(sel);
        QCOMPARE(s.load(), 0);
        answerAll(s, rightAnswers(s.paper()));
        blockFile(Results::File(blocked), sel);
        s.startClock(QDateTime::currentDateTime());
        QVERIFY(s.mark(QDateTime::currentDateTime()) != 0);
        QCOMPARE(s.status(), 0);
        QVERIFY(s.pScoring().isEmpty());
        QCOMPARE(s.results().count(QString()), s.totalBlanks());
        QCOMPARE(s.answers(), rightAnswers(s.paper()));
        QVERIFY(Results::readTrend(sel.subjectFiles()).isEmpty());
    }

    void clockGoesPastADay_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("five seconds") << qint64(5) << "0:0:5";
        QTest::newRow("an hour and a bit") << qint64(3600 + 150) << "1:2:30";
        QTest::newRow("25 hours") << qint64(25 * 3600) << "25:0:0";
    }

    void clockGoesPastADay()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        PracticeSession s(firstPaper());
        QCOMPARE(s.load(), 0);
        const QDateTime start(QDate(2026, 1, 1), QTime(23, 0, 0));
        s.startClock(start);
        QCOMPARE(s.clockText(start.addSecs(seconds)), text);
        QCOMPARE(s.mark(start.addSecs(seconds)), 0);
        QCOMPARE(s.lTime(), text);
    }

    void secondTakeCarriesOverRightAnswers()
    {
        const QStringList first = markFirstTake({0});
        QVERIFY(!first.isEmpty());
        PracticeSession s(firstPaper(2));
        QCOMPARE(s.load(), 0);
        QVERIFY(s.isSecondTake());
        QCOMPARE(s.status(), 0);
        QVERIFY(s.pScoring().isEmpty());
        QVERIFY(!s.isCarriedOver(0));
        QVERIFY(s.answers().first().isEmpty());
        QVERIFY(s.results().first().isEmpty());
        QCOMPARE(s.firstAnswers().first(), wrongAnswer());
        QCOMPARE(s.firstResults().first(), Results::cross());
        for (int i = 1; i < s.totalBlanks(); ++i) {
            QVERIFY(s.isCarriedOver(i));
            QCOMPARE(s.answers().at(i), first.at(i));
            QCOMPARE(s.results().at(i), Results::tick());
        }
        QCOMPARE(s.remainingQuestions(), QList<int>{1});
        QCOMPARE(s.markingPrompt(), Marking::markingPrompt(true));
    }

    void secondTakeMarkingTouchesOnlyItsRecords()
    {
        const PaperSelection sel = firstPaper(2);
        QVERIFY(!markFirstTake({0}).isEmpty());
        const Results::MarksLists before = Results::readMarks(sel.subjectFiles());
        const auto files = snapshot();
        PracticeSession s(sel);
        QCOMPARE(s.load(), 0);
        QCOMPARE(s.commitAndWrite({wrongAnswer()}), 0);
        QCOMPARE(s.mark(QDateTime::currentDateTime()), 0);

        const auto after = snapshot();
        for (Results::File f : {Results::First, Results::FResults, Results::Trend}) {
            const QString name = sel.subjectFiles().fileName(f);
            QCOMPARE(after.value(name), files.value(name));
        }
        const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
        QCOMPARE(marks.FSE, before.FSE);
        QCOMPARE(marks.LTM, before.LTM);
        QCOMPARE(marks.CDD, before.CDD);
        QCOMPARE(marks.FST, before.FST);
        QCOMPARE(marks.SSE.at(0), before.FSE.at(0));
        QCOMPARE(marks.SST.at(0), QStringLiteral("1"));
        QVERIFY(recordLine(Results::SResults, sel).toLatin1().startsWith("#101#>\xfb>\xfc"));
        QVERIFY(recordLine(Results::Second, sel).startsWith(QLatin1String("#101#>zz9>")));
        QVERIFY(s.lTime().isEmpty());
        QVERIFY(s.eTime().isEmpty());
        // The wrong blank now shows what was expected.
        QCOMPARE(s.correctAnswer(0), rightAnswers(s.paper()).first());
    }

    void allRightFirstTakeLeavesNothingToAnswer()
    {
        QVERIFY(!markFirstTake({}).isEmpty());
        const PaperSelection sel = firstPaper(2);
        PracticeSession s(sel);
        QCOMPARE(s.load(), 0);
        QVERIFY(s.remainingQuestions().isEmpty());
        QCOMPARE(s.markingPrompt(), QStringLiteral("Do you want to mark your practice now?"));
        QCOMPARE(s.mark(QDateTime::currentDateTime()), 0);
        QCOMPARE(s.pScoring(), QStringLiteral("100"));
    }
};

QTEST_GUILESS_MAIN(TestPracticeSession)

#include "tst_practicesession.moc"
