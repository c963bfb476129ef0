// Damaged results files and failing writes, without windows: start-up, reading, and taking
// and marking papers over each damaged file of a subject; the catalogue damaged on disk and
// in its content; writes that fail part-way or altogether.

#include "damage.h"

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "startup/startup.h"

#include <QtTest>

using namespace Damage;
using namespace PracticeFixture;

class TestDamagedFiles : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    Catalogue m_catalogue;

    // Every record of was the same in now, except those named.
    static void compareExcept(const View &was, const View &now, const QStringList &except)
    {
        QCOMPARE(now.keys(), was.keys());
        for (auto it = was.cbegin(); it != was.cend(); ++it) {
            if (!except.contains(it.key()))
                QCOMPARE(now.value(it.key()), it.value());
        }
    }

    // Every value a marking of paper 104 (first take) and 103 (second take) may not change
    // is the same in now.
    static void compareKept(const View &was, const View &now)
    {
        const QStringList changed{"marks FSE", "marks LTM", "marks CDD", "marks FST",
                                  "marks SSE", "marks SST", "trend",
                                  paperRecord(Results::First, 104),
                                  paperRecord(Results::FResults, 104),
                                  paperRecord(Results::Second, 103),
                                  paperRecord(Results::SResults, 103)};
        compareExcept(was, now, changed);
        for (int p = 0; p < was.value(QStringLiteral("marks FSE")).size(); ++p) {
            for (const QString &list : {"marks FSE", "marks LTM", "marks CDD", "marks FST"}) {
                if (p != 3)
                    QCOMPARE(now.value(list).at(p), was.value(list).at(p));
            }
            for (const QString &list : {"marks SSE", "marks SST"}) {
                if (p != 2)
                    QCOMPARE(now.value(list).at(p), was.value(list).at(p));
            }
        }
    }

private slots:
    void init()
    {
        QVERIFY(freshFolder(m_dir, &m_catalogue));
        QVERIFY(fillSampleResults(m_catalogue));
    }

    void cleanup()
    {
        Records::setWriteFaultForTesting(false);
    }

    void damagedResultsFile_data()
    {
        addResultsDamageRows();
    }

    void damagedResultsFile()
    {
        QFETCH(int, file);
        QFETCH(Damage::Kind, kind);
        const Results::File f = Results::File(file);
        const QString code = m_catalogue.code;
        const QString path = Results::SubjectFiles(1, code).path(f);
        const View good = readView(m_catalogue, 1);
        if (kind == Missing)
            QVERIFY(QFile::remove(path));
        else
            writeBytes(path, apply(kind, readBytes(path)));

        // Start-up makes a missing file, tells of a damaged one and changes nothing else.
        const QMap<QString, QByteArray> before = snapshot();
        const StartUpResult start = StartUp::prepareContent();
        QCOMPARE(start.catalogueError, 0);
        const bool reported = isReportedDamaged(kind, f);
        QCOMPARE(start.damagedSubjects, reported ? QList<int>{1} : QList<int>());
        QCOMPARE(StartUp::damagedResultsMessage(start).contains(QLatin1String("English")),
                 reported);
        QMap<QString, QByteArray> after = snapshot();
        if (kind == Missing)
            QCOMPARE(after.take(Results::SubjectFiles(1, code).fileName(f)),
                     ResourceStore::resourceBytes(Results::templateId(f, 1)));
        QCOMPARE(after, before);

        // What the damage did not reach reads as before.
        const View read = readView(m_catalogue, 1);
        compareExcept(good, read, recordsHit(kind, f));

        // Taking and marking papers works and keeps everything else that could be read.
        QCOMPARE(markPaper(m_catalogue, 1, 1, 4, 1), 0);
        QCOMPARE(markPaper(m_catalogue, 1, 1, 3, 2), 0);
        const View now = readView(m_catalogue, 1);
        compareKept(read, now);
        QCOMPARE(now.value(QStringLiteral("marks FSE")).at(3), QStringLiteral("100"));
        QCOMPARE(now.value(QStringLiteral("marks FST")).at(3), QStringLiteral("1"));
        QCOMPARE(now.value(QStringLiteral("marks SSE")).at(2), QStringLiteral("100"));
        const QStringList trend = read.value(QStringLiteral("trend"));
        if (trend.size() < Records::Cap50 - 1)
            QCOMPARE(now.value(QStringLiteral("trend")), trend + QStringList{"100"});

        // Only subject 1's files were written, and they are whole again.
        QMap<QString, QByteArray> marked = snapshot();
        for (int g = Results::Marks; g <= Results::Trend; ++g)
            marked.remove(Results::SubjectFiles(1, code).fileName(Results::File(g)));
        for (int g = Results::Marks; g <= Results::Trend; ++g)
            after.remove(Results::SubjectFiles(1, code).fileName(Results::File(g)));
        QCOMPARE(marked, after);
        QCOMPARE(Results::damagedSubjects(m_catalogue), QList<int>());
    }

    void leftoverCatalogueFile_data()
    {
        QTest::addColumn<Damage::Kind>("kind");
        for (Kind kind : allKinds()) {
            if (kind != Missing)
                QTest::addRow("%s", name(kind)) << kind;
        }
    }

    void leftoverCatalogueFile()
    {
        // A catalogue file left behind by a crash is written afresh and deleted at start.
        QFETCH(Damage::Kind, kind);
        const QString path = ProgramFolder::filePath(QStringLiteral("temptext30000.txt"));
        writeBytes(path, apply(kind, ResourceStore::resourceBytes(30000)));
        QMap<QString, QByteArray> before = snapshot();
        before.remove(QStringLiteral("temptext30000.txt"));
        const StartUpResult start = StartUp::prepareContent();
        QCOMPARE(start.catalogueError, 0);
        QCOMPARE(start.catalogue.paperCount[2], m_catalogue.paperCount[2]);
        QCOMPARE(start.damagedSubjects, QList<int>());
        QCOMPARE(snapshot(), before);
    }

    void damagedCatalogueContent_data()
    {
        QTest::addColumn<Damage::Kind>("kind");
        QTest::addColumn<int>("error");
        const int damaged = CatalogueReader::Damaged;
        QTest::newRow("missing") << Missing << damaged;
        QTest::newRow("empty") << Empty << damaged;
        QTest::newRow("cut mid-line") << CutMidLine << damaged;
        QTest::newRow("record missing (the edition code)") << RecordMissing << 0;
        QTest::newRow("fewer topic names") << FewerValues << damaged;
        QTest::newRow("overlong edition code") << OverlongLine << damaged;
        QTest::newRow("many line ends") << ManyLineEnds << 0;
        QTest::newRow("garbage file") << GarbageFile << damaged;
        QTest::newRow("garbage in records") << GarbageInRecords << damaged;
        QTest::newRow("LF only") << LfOnly << 0;
    }

    void damagedCatalogueContent()
    {
        QFETCH(Damage::Kind, kind);
        QFETCH(int, error);
        const QString path = m_dir->filePath(QStringLiteral("catalogue.txt"));
        if (kind != Missing)
            writeBytes(path, apply(kind, ResourceStore::resourceBytes(30000)));
        Catalogue catalogue;
        QCOMPARE(CatalogueReader::readFile(path, &catalogue), error);
        QCOMPARE(catalogue.firstSubject(), error ? 0 : 1);
        if (error == 0 && kind != RecordMissing) {
            QCOMPARE(catalogue.code, m_catalogue.code);
            QCOMPARE(catalogue.topicNames[3], m_catalogue.topicNames[3]);
        }
        // No subject, no results files looked at or made.
        if (error) {
            const QMap<QString, QByteArray> before = snapshot();
            QCOMPARE(Results::createMissingFiles(catalogue), 0);
            QCOMPARE(Results::damagedSubjects(catalogue), QList<int>());
            QCOMPARE(snapshot(), before);
        }
    }

    void catalogueThatCannotBeWritten()
    {
        const QString path = ProgramFolder::filePath(QStringLiteral("temptext30000.txt"));
        QVERIFY(QDir().mkdir(path));
        const QMap<QString, QByteArray> before = snapshot();
        const StartUpResult start = StartUp::prepareContent();
        QCOMPARE(start.catalogueError, int(CatalogueReader::NotWritten));
        QCOMPARE(start.catalogue.firstSubject(), 0);
        QCOMPARE(snapshot(), before);
    }

    // ---- failing writes ----

    void writeFaultKeepsFilesAndTake()
    {
        const QMap<QString, QByteArray> before = snapshot();
        PracticeSession session(selection(m_catalogue, 1, 1, 4));
        QCOMPARE(session.load(), 0);
        const QStringList rows(session.blankCount(1), QStringLiteral("7"));
        const QDateTime now = QDateTime::currentDateTime();
        Records::setWriteFaultForTesting(true);
        QVERIFY(session.commitAndWrite(rows) != 0);   // Save
        QVERIFY(session.goToQuestion(2, rows) != 0);  // Next
        QCOMPARE(session.qsCount(), 1);
        QVERIFY(session.mark(now) != 0);              // Mark
        QVERIFY(!session.isMarked());
        QVERIFY(session.pScoring().isEmpty());
        QVERIFY(Results::WriteBlankResults(m_catalogue) != 0); // reset
        Records::setWriteFaultForTesting(false);
        QCOMPARE(snapshot(), before);

        // Nothing typed was lost: once the disk takes writes again, the same take is marked.
        QCOMPARE(session.answers().mid(0, rows.size()), rows);
        QCOMPARE(session.mark(now), 0);
        QVERIFY(session.isMarked());
        QCOMPARE(Results::readMarks(Results::SubjectFiles(1, m_catalogue.code, 30)).FST.at(3),
                 QStringLiteral("1"));
    }

    void blockedFileUndoesTheMarking_data()
    {
        QTest::addColumn<int>("take");
        QTest::addColumn<int>("blocked");
        QTest::newRow("first take, trend") << 1 << int(Results::Trend);
        QTest::newRow("first take, marks") << 1 << int(Results::Marks);
        QTest::newRow("second take, marks") << 2 << int(Results::Marks);
    }

    void blockedFileUndoesTheMarking()
    {
        // A folder in a results file's place: the one thing root cannot write over.
        QFETCH(int, take);
        QFETCH(int, blocked);
        const QString path
            = Results::SubjectFiles(1, m_catalogue.code).path(Results::File(blocked));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        const QMap<QString, QByteArray> before = snapshot();
        QVERIFY(markPaper(m_catalogue, 1, 1, take == 1 ? 4 : 3, take) != 0);
        QMap<QString, QByteArray> after = snapshot();
        // The answers file is saved at every move before the marking starts.
        after.remove(Results::SubjectFiles(1, m_catalogue.code)
                         .fileName(take == 1 ? Results::First : Results::Second));
        QMap<QString, QByteArray> expected = before;
        expected.remove(Results::SubjectFiles(1, m_catalogue.code)
                            .fileName(take == 1 ? Results::First : Results::Second));
        QCOMPARE(after, expected);
    }
};

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
