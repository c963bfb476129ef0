// The results files: blanks, reads, recording marked takes, and start-up's file check.

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "app/startup/startup.h"
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
        t.subject = subject;
        t.code = m_catalogue.code;
        t.paperCount = m_catalogue.paperCount[subject];
        t.paperKey = paperKey;
        t.blanks = blanks;
        t.answers = Records::Fields{QString()};
        t.results = Records::Fields{QString()};
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
        const MarksLists marks = readMarks(subject, m_catalogue.code, papers);
        for (int p = 1; p <= papers; ++p) {
            QVERIFY(marks.FSE.at(p).isEmpty() && marks.SSE.at(p).isEmpty());
            QVERIFY(marks.LTM.at(p).isEmpty() && marks.CDD.at(p).isEmpty());
            QCOMPARE(marks.FST.at(p), QStringLiteral("0"));
            QCOMPARE(marks.SST.at(p), QStringLiteral("0"));
        }
        QVERIFY(readTrend(subject, m_catalogue.code).isEmpty());
        QCOMPARE(fileName(Marks, subject, m_catalogue.code),
                 QStringLiteral("marks%1%2.txt").arg(subject).arg(m_catalogue.code));
    }

    void firstTakeOfPaper103TouchesOnlyItsEntries()
    {
        const QString code = m_catalogue.code;
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        const Records::Fields firstLines = Records::ReadPaperLines(filePath(First, 2, code), 35);
        QCOMPARE(recordFirstTake(take(2, 103, 3, QStringLiteral("66.7"))), 0);

        const MarksLists marks = readMarks(2, code, 35);
        for (int p = 1; p <= 35; ++p) {
            const bool mine = p == 3;
            QCOMPARE(marks.FSE.at(p), mine ? QStringLiteral("66.7") : QString());
            QCOMPARE(marks.LTM.at(p), mine ? QStringLiteral("0:4:7") : QString());
            QCOMPARE(marks.CDD.at(p), mine ? QStringLiteral("08/12/2026") : QString());
            QCOMPARE(marks.FST.at(p), mine ? QStringLiteral("1") : QStringLiteral("0"));
            QVERIFY(marks.SSE.at(p).isEmpty());
        }
        const Records::Fields lines = Records::ReadPaperLines(filePath(First, 2, code), 35);
        for (int p = 1; p <= 35; ++p) {
            if (p != 3)
                QCOMPARE(lines.at(p), firstLines.at(p));
        }
        QCOMPARE(lines.at(3), QStringLiteral("#103#>a1>a2>a3"));
        QCOMPARE(readPaperValues(FResults, 2, code, 35, 103, 3).mid(1, 3),
                 QStringList({tick(), cross(), tick()}));
        QCOMPARE(readTrend(2, code), QStringList{"66.7"});

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

    void trendGrowsInMarkingOrder()
    {
        const QString code = m_catalogue.code;
        QCOMPARE(readBytes(filePath(Trend, 1, code)), QByteArray("...\r\n#TRD#\r\n...\r\n"));
        QCOMPARE(recordFirstTake(take(1, 101, 2, QStringLiteral("87.5"))), 0);
        QCOMPARE(readBytes(filePath(Trend, 1, code)), QByteArray("#TRD#>87.5\r\n"));
        QCOMPARE(recordFirstTake(take(1, 105, 2, QStringLiteral("100"))), 0);
        QCOMPARE(readTrend(1, code), QStringList({"87.5", "100"}));
    }

    void secondTakeLeavesTrendAndFirstTake()
    {
        const QString code = m_catalogue.code;
        QCOMPARE(recordFirstTake(take(3, 110, 4, QStringLiteral("50"))), 0);
        const QByteArray trend = readBytes(filePath(Trend, 3, code));
        QCOMPARE(recordSecondTake(take(3, 110, 4, QStringLiteral("75"))), 0);
        QCOMPARE(readBytes(filePath(Trend, 3, code)), trend);
        const MarksLists marks = readMarks(3, code, 35);
        QCOMPARE(marks.FSE.at(10), QStringLiteral("50"));
        QCOMPARE(marks.SSE.at(10), QStringLiteral("75"));
        QCOMPARE(marks.LTM.at(10), QStringLiteral("0:4:7"));
        QCOMPARE(marks.SST.at(10), QStringLiteral("1"));
        QCOMPARE(readPaperValues(Second, 3, code, 35, 110, 4).at(4), QStringLiteral("a4"));
    }

    void markingReadsMarksFileAgain()
    {
        // A reset made while a window was open must not be undone by its marking.
        const QString code = m_catalogue.code;
        QCOMPARE(recordFirstTake(take(1, 102, 1, QStringLiteral("10"))), 0);
        QCOMPARE(WriteBlankResults(m_catalogue), 0);
        QCOMPARE(recordFirstTake(take(1, 104, 1, QStringLiteral("40"))), 0);
        const MarksLists marks = readMarks(1, code, 30);
        QVERIFY(marks.FSE.at(2).isEmpty());
        QCOMPARE(marks.FSE.at(4), QStringLiteral("40"));
        QCOMPARE(readTrend(1, code), QStringList{"40"});
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
        writeBytes(filePath(Trend, 1, m_catalogue.code), bytes);
        QCOMPARE(readTrend(1, m_catalogue.code), values);
    }

    void trendRecordRestoredWhenMissing()
    {
        writeBytes(filePath(Trend, 1, m_catalogue.code), "garbage\r\n");
        QCOMPARE(recordFirstTake(take(1, 101, 1, QStringLiteral("90"))), 0);
        QCOMPARE(readBytes(filePath(Trend, 1, m_catalogue.code)), QByteArray("#TRD#>90\r\n"));
    }

    void resetRestoresEveryTemplate()
    {
        QCOMPARE(recordFirstTake(take(2, 103, 3, QStringLiteral("66.7"))), 0);
        QCOMPARE(WriteBlankResults(m_catalogue), 0);
        for (int s = 1; s <= 3; ++s) {
            for (int f = Marks; f <= Trend; ++f) {
                QCOMPARE(readBytes(filePath(File(f), s, m_catalogue.code)),
                         ResourceStore::resourceBytes(templateId(File(f), s)));
            }
        }
    }

    void writeFailureIsReported()
    {
        const QString path = filePath(First, 1, m_catalogue.code);
        QFile::remove(path);
        QVERIFY(QDir().mkdir(path)); // a folder where the file should be
        const MarksLists before = readMarks(1, m_catalogue.code, 30);
        QVERIFY(recordFirstTake(take(1, 101, 1, QStringLiteral("90"))) != 0);
        QCOMPARE(readMarks(1, m_catalogue.code, 30).FSE, before.FSE);
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
        QVERIFY(QFile::remove(filePath(Trend, 2, code)));
        const QMap<QString, QByteArray> before = snapshot(m_dir->path());
        const StartUpResult start = StartUp::prepareContent();
        QCOMPARE(start.resultsCreated, 1);
        QCOMPARE(readBytes(filePath(Trend, 2, code)),
                 ResourceStore::resourceBytes(templateId(Trend, 2)));
        QMap<QString, QByteArray> after = snapshot(m_dir->path());
        after.remove(fileName(Trend, 2, code));
        QCOMPARE(after, before);
        QCOMPARE(readMarks(1, code, 30).FSE.at(1), QStringLiteral("90"));
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
