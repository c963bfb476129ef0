// The results files: blanks, reads, recording marked takes, and start-up's file check.

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "startup/startup.h"
#include "results/resultsfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Results;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

// Every results file of the folder with its content.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files))
        files.insert(name, readBytes(folder + QLatin1Char('/') + name));
    return files;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    Catalogue m_catalogue;

    MarkedTake take(int subject, int paperKey, int blanks, const QString &score)
    {
        MarkedTake t;
        t.files = subjectFiles(m_catalogue, subject);
        t.paperKey = paperKey;
        t.blanks = blanks;
        for (int i = 1; i <= blanks; ++i) {
            t.answers.append(QStringLiteral("a%1").arg(i));
            t.results.append(i % 2 ? tick() : cross());
        }
        t.score = score;
        t.timeTaken = QStringLiteral("0:4:7");
        t.dateDone = QStringLiteral("08/12/2026");
        return t;
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        ProgramFolder::setPath(m_dir->path());
        QCOMPARE(CatalogueReader::read(&m_catalogue), 0);
        QCOMPARE(WriteBlankResults(m_catalogue), 0);
    }

    void firstStartMarksFile_data()
    {
        QTest::addColumn<int>("subject");
        QTest::newRow("English") << 1;
        QTest::newRow("Mathematics") << 2;
        QTest::newRow("Science") << 3;
    }

    void firstStartMarksFile()
    {
        QFETCH(int, subject);
        const int papers = m_catalogue.paperCount[subject];
        const MarksLists marks = readMarks(SubjectFiles(subject, m_catalogue.code, papers));
        for (int p = 1; p <= papers; ++p) {
            QVERIFY(marks.FSE.at(p - 1).isEmpty() && marks.SSE.at(p - 1).isEmpty());
            QVERIFY(marks.LTM.at(p - 1).isEmpty() && marks.CDD.at(p - 1).isEmpty());
            QCOMPARE(marks.FST.at(p - 1), QStringLiteral("0"));
            QCOMPARE(marks.SST.at(p - 1), QStringLiteral("0"));
        }
        QVERIFY(readTrend(SubjectFiles(subject, m_catalogue.code)).isEmpty());
        QCOMPARE(SubjectFiles(subject, m_catalogue.code).fileName(Marks),
                 QStringLiteral("marks%1%2.txt").arg(subject).arg(m_catalogue.code));
    }

    void firstTakeOfPaper103TouchesOnlyItsEntries()
    {
        const QString code = m_catalogue.code;
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        const Records::Fields firstLines
            = Records::ReadPaperLines(SubjectFiles(2, code).path(First), 35);
        QCOMPARE(recordFirstTake(take(2, 103, 3, QStringLiteral("66.7"))), 0);

        const MarksLists marks = readMarks(SubjectFiles(2, code, 35));
        for (int p = 1; p <= 35; ++p) {
            const bool mine = p == 3;
            QCOMPARE(marks.FSE.at(p - 1), mine ? QStringLiteral("66.7") : QString());
            QCOMPARE(marks.LTM.at(p - 1), mine ? QStringLiteral("0:4:7") : QString());
            QCOMPARE(marks.CDD.at(p - 1), mine ? QStringLiteral("08/12/2026") : QString());
            QCOMPARE(marks.FST.at(p - 1), mine ? QStringLiteral("1") : QStringLiteral("0"));
            QVERIFY(marks.SSE.at(p - 1).isEmpty());
        }
        const Records::Fields lines
            = Records::ReadPaperLines(SubjectFiles(2, code).path(First), 35);
        for (int p = 1; p <= 35; ++p) {
            if (p != 3)
                QCOMPARE(lines.at(p), firstLines.at(p));
        }
        QCOMPARE(lines.at(3), QStringLiteral("#103#>a1>a2>a3"));
        QCOMPARE(readPaperValues(FResults, SubjectFiles(2, code, 35), 103, 3).mid(0, 3),
                 QStringList({tick(), cross(), tick()}));
        QCOMPARE(readTrend(SubjectFiles(2, code)), QStringList{"66.7"});

        // Only the four files of subject 2 that a first take writes have changed.
        const QMap<QString, QByteArray> after = snapshot(m_dir->path());
        QCOMPARE(after.keys(), before.keys());
        QStringList changed;
        for (const QString &name : after.keys()) {
            if (after.value(name) != before.value(name))
                changed.append(name);
        }
        QCOMPARE(changed, QStringList({"first2" + code + ".txt", "fresults2" + code + ".txt",
                                       "marks2" + code + ".txt", "trend2" + code + ".txt"}));
    }

    void markingDateIsStored_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("stored");
        const QDate day(2026, 12, 8);
        QTest::newRow("British") << "en_GB" << day << "08/12/2026";
        QTest::newRow("American") << "en_US" << day << "12/8/26";
        QTest::newRow("German") << "de_DE" << day << "08.12.26";
        QTest::newRow("Japanese") << "ja_JP" << day << "2026/12/08";
        QTest::newRow("Hungarian, spaces") << "hu_HU" << day << "2026. 12. 08.";
        // Letters or digits outside Latin-1, or direction marks: day/month/year instead.
        QTest::newRow("Bulgarian year letter") << "bg_BG" << day << "8/12/2026";
        QTest::newRow("Arabic-Indic digits") << "ar_EG" << day << "8/12/2026";
        QTest::newRow("Persian digits") << "fa_IR" << QDate(2027, 1, 5) << "5/1/2027";
    }

    void markingDateIsStored()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QString, stored);
        QCOMPARE(storedDate(date, QLocale(locale)), stored);
        MarkedTake t = take(2, 103, 4, QStringLiteral("50"));
        t.dateDone = storedDate(date, QLocale(locale));
        QCOMPARE(recordFirstTake(t), 0);
        QCOMPARE(readMarks(t.files).CDD.at(2), stored);
    }

    void trendGrowsInMarkingOrder()
    {
        const QString code = m_catalogue.code;
        QCOMPARE(readBytes(SubjectFiles(1, code).path(Trend)),
                 QByteArray("...\r\n#TRD#\r\n...\r\n"));
        QCOMPARE(recordFirstTake(take(1, 101, 2, QStringLiteral("87.5"))), 0);
        QCOMPARE(readBytes(SubjectFiles(1, code).path(Trend)), QByteArray("#TRD#>87.5\r\n"));
        QCOMPARE(recordFirstTake(take(1, 105, 2, QStringLiteral("100"))), 0);
        QCOMPARE(readTrend(SubjectFiles(1, code)), QStringList({"87.5", "100"}));
    }

    void secondTakeLeavesTrendAndFirstTake()
    {
        const QString code = m_catalogue.code;
        QCOMPARE(recordFirstTake(take(3, 110, 4, QStringLiteral("50"))), 0);
        const QByteArray trend = readBytes(SubjectFiles(3, code).path(Trend));
        QCOMPARE(recordSecondTake(take(3, 110, 4, QStringLiteral("75"))), 0);
        QCOMPARE(readBytes(SubjectFiles(3, code).path(Trend)), trend);
        const MarksLists marks = readMarks(SubjectFiles(3, code, 35));
        QCOMPARE(marks.FSE.at(9), QStringLiteral("50"));
        QCOMPARE(marks.SSE.at(9), QStringLiteral("75"));
        QCOMPARE(marks.LTM.at(9), QStringLiteral("0:4:7"));
        QCOMPARE(marks.SST.at(9), QStringLiteral("1"));
        QCOMPARE(readPaperValues(Second, SubjectFiles(3, code, 35), 110, 4).at(3),
                 QStringLiteral("a4"));
    }

    void markingReadsMarksFileAgain()
    {
        // A reset made while a window was open must not be undone by its marking.
        const QString code = m_catalogue.code;
        QCOMPARE(recordFirstTake(take(1, 102, 1, QStringLiteral("10"))), 0);
        QCOMPARE(WriteBlankResults(m_catalogue), 0);
        QCOMPARE(recordFirstTake(take(1, 104, 1, QStringLiteral("40"))), 0);
        const MarksLists marks = readMarks(SubjectFiles(1, code, 30));
        QVERIFY(marks.FSE.at(1).isEmpty());
        QCOMPARE(marks.FSE.at(3), QStringLiteral("40"));
        QCOMPARE(readTrend(SubjectFiles(1, code)), QStringList{"40"});
    }

    void trendWithoutValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("template") << QByteArray("...\r\n#TRD#\r\n...\r\n") << QStringList();
        QTest::newRow("missing record") << QByteArray("...\r\n") << QStringList();
        QTest::newRow("trailing separator") << QByteArray("#TRD#>80>\r\n") << QStringList{"80"};
        QTest::newRow("two values") << QByteArray("#TRD#>80>72.5\r\n")
                                    << QStringList({"80", "72.5"});
    }

    void trendWithoutValues()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, values);
        writeBytes(SubjectFiles(1, m_catalogue.code).path(Trend), bytes);
        QCOMPARE(readTrend(SubjectFiles(1, m_catalogue.code)), values);
    }

    void trendRecordRestoredWhenMissing()
    {
        writeBytes(SubjectFiles(1, m_catalogue.code).path(Trend), "garbage\r\n");
        QCOMPARE(recordFirstTake(take(1, 101, 1, QStringLiteral("90"))), 0);
        QCOMPARE(readBytes(SubjectFiles(1, m_catalogue.code).path(Trend)),
                 QByteArray("#TRD#>90\r\n"));
    }

    void resetRestoresEveryTemplate()
    {
        QCOMPARE(recordFirstTake(take(2, 103, 3, QStringLiteral("66.7"))), 0);
        QCOMPARE(WriteBlankResults(m_catalogue), 0);
        for (int s = 1; s <= 3; ++s) {
            for (int f = Marks; f <= Trend; ++f) {
                QCOMPARE(readBytes(SubjectFiles(s, m_catalogue.code).path(File(f))),
                         ResourceStore::resourceBytes(templateId(File(f), s)));
            }
        }
    }

    void writeFailureIsReported()
    {
        const QString path = SubjectFiles(1, m_catalogue.code).path(First);
        QFile::remove(path);
        QVERIFY(QDir().mkdir(path)); // a folder where the file should be
        const MarksLists before = readMarks(SubjectFiles(1, m_catalogue.code, 30));
        QVERIFY(recordFirstTake(take(1, 101, 1, QStringLiteral("90"))) != 0);
        QCOMPARE(readMarks(SubjectFiles(1, m_catalogue.code, 30)).FSE, before.FSE);
    }

    void startUpKeepsExistingFiles()
    {
        QCOMPARE(recordFirstTake(take(1, 101, 1, QStringLiteral("90"))), 0);
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        const StartUpResult start = StartUp::prepareContent();
        QCOMPARE(start.catalogueError, 0);
        QCOMPARE(start.resultsCreated, 0);
        QCOMPARE(snapshot(m_dir->path()), before);
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("temptext30000.txt"))));
    }

    void startUpCreatesOnlyTheMissingFile()
    {
        const QString code = m_catalogue.code;
        QCOMPARE(recordFirstTake(take(1, 101, 1, QStringLiteral("90"))), 0);
        QVERIFY(QFile::remove(SubjectFiles(2, code).path(Trend)));
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        const StartUpResult start = StartUp::prepareContent();
        QCOMPARE(start.resultsCreated, 1);
        QCOMPARE(readBytes(SubjectFiles(2, code).path(Trend)),
                 ResourceStore::resourceBytes(templateId(Trend, 2)));
        QMap<QString, QByteArray> after = snapshot(m_dir->path());
        after.remove(SubjectFiles(2, code).fileName(Trend));
        QCOMPARE(after, before);
        QCOMPARE(readMarks(SubjectFiles(1, code, 30)).FSE.at(0), QStringLiteral("90"));
    }

    // ---- damaged files ----

    void damagedValuesCanBeWrittenBack_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("more values than blanks") << QByteArray("#101#>a>b>c>d")
                                                 << QStringList{"a", "b"};
        QTest::newRow("CR inside the line") << QByteArray("#101#>a\rb>c")
                                            << QStringList{"ab", "c"};
        QTest::newRow("bytes before the marker") << QByteArrayLiteral("\x00\xff#101#>a>b")
                                                 << QStringList{"a", "b"};
        QTest::newRow("bytes after the marker") << QByteArray("#101#zz>a>b")
                                                << QStringList{"a", "b"};
        QTest::newRow("record mark in a value") << QByteArray("#101#>a#b>c")
                                                << QStringList{"ab", "c"};
        QTest::newRow("controls dropped, Latin-1 kept")
            << QByteArrayLiteral("#101#>\x00\xe9\x85>\t\xfc")
            << QStringList{QString(QChar(0xE9)), tick()};
    }

    void damagedValuesCanBeWrittenBack()
    {
        // Values that could not be written back made every later save and marking fail.
        QFETCH(QByteArray, record);
        QFETCH(QStringList, values);
        const QString code = m_catalogue.code;
        writeBytes(SubjectFiles(1, code).path(First), record + "\r\n#102#>x>y\r\n");
        QCOMPARE(readPaperValues(First, SubjectFiles(1, code, 30), 101, 2).mid(0, 2), values);
        QCOMPARE(recordFirstTake(take(1, 103, 2, QStringLiteral("50"))), 0);
        QCOMPARE(readPaperValues(First, SubjectFiles(1, code, 30), 101, 2).mid(0, 2), values);
        QCOMPARE(readPaperValues(First, SubjectFiles(1, code, 30), 102, 2).mid(0, 2),
                 QStringList({"x", "y"}));
        QCOMPARE(readPaperValues(First, SubjectFiles(1, code, 30), 103, 2).mid(0, 2),
                 QStringList({"a1", "a2"}));
    }

    void damagedMarksCanBeWrittenBack()
    {
        const QString code = m_catalogue.code;
        writeBytes(SubjectFiles(1, code).path(Marks), "junk#FSE#>90>8\r0>\r\n#FST#>1>1>0\r\n");
        const MarksLists marks = readMarks(SubjectFiles(1, code, 2));
        QCOMPARE(marks.FSE.mid(0, 2), QStringList({"90", "80"}));
        QCOMPARE(marks.FST.mid(0, 2), QStringList({"1", "1"}));
        QCOMPARE(recordFirstTake(take(1, 103, 1, QStringLiteral("70"))), 0);
        const MarksLists after = readMarks(SubjectFiles(1, code, 30));
        QCOMPARE(after.FSE.mid(0, 3), QStringList({"90", "80", "70"}));
        QCOMPARE(after.FST.mid(0, 3), QStringList({"1", "1", "1"}));
    }

    void recordsAfterAGapAreKept()
    {
        // Paper 102 is lost and 104 stands before 103: rewriting the file once dropped
        // every record after the gap.
        const QString code = m_catalogue.code;
        writeBytes(SubjectFiles(1, code).path(First), "#101#>a\r\n#104#>d\r\n#103#>c\r\n");
        QCOMPARE(readPaperValues(First, SubjectFiles(1, code, 30), 104, 1).at(0),
                 QStringLiteral("d"));
        QCOMPARE(readPaperValues(First, SubjectFiles(1, code, 30), 103, 1).at(0),
                 QStringLiteral("c"));
        QCOMPARE(recordFirstTake(take(1, 102, 1, QStringLiteral("100"))), 0);
        const QByteArray written = readBytes(SubjectFiles(1, code).path(First));
        QVERIFY(written.startsWith("#101#>a\r\n#102#>a1\r\n#103#>c\r\n#104#>d\r\n#105#\r\n"));
        QCOMPARE(written.count("\r\n"), 30);
    }

    void trendCutAfterASeparatorGainsNoEmptyScore()
    {
        writeBytes(SubjectFiles(1, m_catalogue.code).path(Trend), "#TRD#>80>");
        QCOMPARE(recordFirstTake(take(1, 101, 1, QStringLiteral("90"))), 0);
        QCOMPARE(readBytes(SubjectFiles(1, m_catalogue.code).path(Trend)),
                 QByteArray("#TRD#>80>90\r\n"));
    }

    void damageIsDetected_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        const QByteArray marks = ResourceStore::resourceBytes(templateId(Marks, 1));
        const QByteArray first = ResourceStore::resourceBytes(templateId(First, 1));
        QTest::newRow("marks template") << int(Marks) << marks << false;
        QTest::newRow("marks, LF only") << int(Marks) << QByteArray(marks).replace("\r\n", "\n")
                                        << false;
        QTest::newRow("marks cut short") << int(Marks) << marks.left(marks.size() - 20) << true;
        QTest::newRow("marks empty") << int(Marks) << QByteArray() << true;
        QTest::newRow("marks without SST") << int(Marks) << marks.left(marks.indexOf("#SST#"))
                                           << true;
        QTest::newRow("marks list too short") << int(Marks)
                                              << QByteArray(marks).replace("#SSE#>>>", "#SSE#>")
                                              << true;
        QTest::newRow("marks with garbage lines") << int(Marks)
                                                  << QByteArrayLiteral("\x00\xff\x80\r\n") + marks
                                                  << false;
        QTest::newRow("marks, NUL inside a score")
            << int(Marks) << QByteArray(marks).replace("#FSE#>", QByteArrayLiteral("#FSE#>9\x000"))
            << true;
        QTest::newRow("answers template") << int(First) << first << false;
        QTest::newRow("answers, Latin-1 answer")
            << int(First) << QByteArray(first).replace("#101#>", "#101#>caf\xe9") << false;
        QTest::newRow("answers, tab inside an answer")
            << int(First) << QByteArray(first).replace("#101#>", "#101#>a\tb") << true;
        QTest::newRow("answers without 130") << int(First)
                                             << first.left(first.indexOf("#130#")) + "...\r\n"
                                             << true;
        QTest::newRow("answers, garbage file") << int(First) << QByteArrayLiteral("\x01\x00\xfe\n")
                                               << true;
        QTest::newRow("trend, no values") << int(Trend) << QByteArray("#TRD#\r\n") << false;
        QTest::newRow("trend, no record") << int(Trend) << QByteArray("...\r\n") << true;
    }

    void damageIsDetected()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        const QString path = SubjectFiles(1, m_catalogue.code).path(File(file));
        writeBytes(path, bytes);
        QCOMPARE(isDamaged(File(file), SubjectFiles(1, m_catalogue.code, 30)), damaged);
        QCOMPARE(readBytes(path), bytes);
        QVERIFY(QFile::remove(path));
        QVERIFY(!isDamaged(File(file),
                           SubjectFiles(1, m_catalogue.code, 30))); // missing is not damaged
    }

    void startUpNamesTheDamagedSubjects_data()
    {
        QTest::addColumn<QList<int>>("subjects");
        QTest::addColumn<QString>("names");
        QTest::newRow("none") << QList<int>() << QString();
        QTest::newRow("one") << QList<int>{2} << "Mathematics";
        QTest::newRow("two") << QList<int>{1, 3} << "English and Science";
        QTest::newRow("three") << QList<int>{1, 2, 3} << "English, Mathematics and Science";
    }

    void startUpNamesTheDamagedSubjects()
    {
        QFETCH(QList<int>, subjects);
        QFETCH(QString, names);
        for (int s : subjects)
            writeBytes(SubjectFiles(s, m_catalogue.code).path(s == 2 ? Trend : FResults), "#10");
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        const StartUpResult start = StartUp::prepareContent();
        QCOMPARE(start.damagedSubjects, subjects);
        QCOMPARE(snapshot(m_dir->path()), before); // damaged files are left as they are
        const QString message = StartUp::damagedResultsMessage(start);
        if (names.isEmpty())
            QCOMPARE(message, QString());
        else
            QCOMPARE(message, QStringLiteral("Some of your saved results for %1 could not be "
                                             "read. The scores that could be read are still "
                                             "shown, and the papers you mark from now on are "
                                             "saved as usual.")
                                  .arg(names));
    }

    // ---- failing writes ----

    void failedRecordingRestoresEarlierFiles_data()
    {
        QTest::addColumn<int>("take");
        QTest::addColumn<int>("blocked");
        QTest::newRow("first take, results blocked") << 1 << int(FResults);
        QTest::newRow("first take, marks blocked") << 1 << int(Marks);
        QTest::newRow("first take, trend blocked") << 1 << int(Trend);
        QTest::newRow("second take, marks blocked") << 2 << int(Marks);
    }

    void failedRecordingRestoresEarlierFiles()
    {
        // Tests run as root, where a read-only file can still be written; a folder in the
        // file's place cannot be replaced.
        QFETCH(int, take);
        QFETCH(int, blocked);
        const QString code = m_catalogue.code;
        QCOMPARE(recordFirstTake(this->take(1, 102, 2, QStringLiteral("50"))), 0);
        const QString path = SubjectFiles(1, code).path(File(blocked));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        const MarkedTake t = this->take(1, 104, 2, QStringLiteral("75"));
        QVERIFY((take == 1 ? recordFirstTake(t) : recordSecondTake(t)) != 0);
        QCOMPARE(snapshot(m_dir->path()), before);
    }

    void writeFaultKeepsEveryFile()
    {
        const QString code = m_catalogue.code;
        QCOMPARE(recordFirstTake(take(1, 102, 2, QStringLiteral("50"))), 0);
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        Records::setWriteFaultForTesting(true);
        const int first = recordFirstTake(take(1, 104, 2, QStringLiteral("75")));
        const int second = recordSecondTake(take(1, 102, 2, QStringLiteral("100")));
        const int save = writePaperValues(First, SubjectFiles(1, code, 30), 105, {"x"}, 1);
        const int reset = WriteBlankResults(m_catalogue);
        Records::setWriteFaultForTesting(false);
        QVERIFY(first != 0 && second != 0 && save != 0 && reset != 0);
        QCOMPARE(snapshot(m_dir->path()), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), before.size());
    }

    void takeOutsideThePapersIsRefused_data()
    {
        QTest::addColumn<int>("paperKey");
        QTest::addColumn<int>("paperCount");
        QTest::newRow("key 100") << 100 << 30;
        QTest::newRow("past the last paper") << 131 << 30;
        QTest::newRow("more papers than a list holds") << 101 << 51;
    }

    void takeOutsideThePapersIsRefused()
    {
        QFETCH(int, paperKey);
        QFETCH(int, paperCount);
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        MarkedTake t = take(1, paperKey, 1, QStringLiteral("50"));
        t.files.paperCount = paperCount;
        QCOMPARE(recordFirstTake(t), int(Records::WriteBadValue));
        QCOMPARE(recordSecondTake(t), int(Records::WriteBadValue));
        QCOMPARE(writePaperValues(First, t.files, paperKey, t.answers, 1),
                 int(Records::WriteBadValue));
        QCOMPARE(snapshot(m_dir->path()), before);
    }

    void absentSubjectGetsNoFiles()
    {
        QTemporaryDir dir;
        ProgramFolder::setPath(dir.path());
        Catalogue catalogue = m_catalogue;
        catalogue.subjectName[2].clear();
        QCOMPARE(createMissingFiles(catalogue), 12);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*2") + catalogue.code + ".txt"},
                                             QDir::Files),
                 QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 12);
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
