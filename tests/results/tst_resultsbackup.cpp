// Backups of the results files made before a reset, and putting one back.

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "records/recordfile.h"
#include "results/resultsbackup.h"
#include "results/resultsfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Results;
using namespace ResultsBackup;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file of the folder (not its sub-folders) with its content.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readBytes(folder + QLatin1Char('/') + name));
    return files;
}

QDateTime at(const QString &minute)
{
    return QDateTime::fromString(minute, QStringLiteral("yyyy-MM-dd HH:mm"));
}

QStringList names(const QList<Backup> &backups)
{
    QStringList list;
    for (const Backup &b : backups)
        list.append(b.name);
    return list;
}

} // namespace

class TestResultsBackup : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    Catalogue m_catalogue;

    QString folder() const { return m_dir->path(); }

    // Marks a take of subject s's paper ordinal o as the practice window would.
    void mark(int s, int o, const QString &score, int take = 1)
    {
        MarkedTake t;
        t.files = SubjectFiles(s, m_catalogue.code, m_catalogue.paperCount[s]);
        t.paperKey = 100 + o;
        t.blanks = 2;
        t.answers = QStringList{QStringLiteral("7"), QStringLiteral("cat")};
        t.results = QStringList{tick(), cross()};
        t.score = score;
        t.timeTaken = QStringLiteral("0:3:9");
        t.dateDone = QStringLiteral("08/12/2026");
        QCOMPARE(take == 1 ? recordFirstTake(t) : recordSecondTake(t), 0);
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        ProgramFolder::setPath(m_dir->path());
        QCOMPARE(CatalogueReader::read(&m_catalogue), 0);
        QCOMPARE(WriteBlankResults(m_catalogue), 0);
    }

    void cleanup()
    {
        Records::setWriteFaultForTesting(false);
    }

    // Whatever was taken, a reset and then a restore of the backup it made give every
    // results file back byte for byte.
    void resetThenRestoreGivesFilesBack_data()
    {
        QTest::addColumn<QList<int>>("takes"); // subject, ordinal, take; three at a time
        QTest::newRow("one first take") << QList<int>{1, 1, 1};
        QTest::newRow("both takes") << QList<int>{2, 7, 1, 2, 7, 2};
        QTest::newRow("every subject") << QList<int>{1, 30, 1, 2, 35, 1, 3, 12, 1, 3, 12, 2};
    }

    void resetThenRestoreGivesFilesBack()
    {
        QFETCH(QList<int>, takes);
        for (int i = 0; i + 2 < takes.size(); i += 3)
            mark(takes.at(i), takes.at(i + 1), QStringLiteral("62.5"), takes.at(i + 2));
        const QMap<QString, QByteArray> before = snapshot(folder());
        QString made;
        QCOMPARE(resetWithBackup(m_catalogue, at("2026-12-08 15:30"), QString(), &made), 0);
        QCOMPARE(made, QStringLiteral("2026-12-08-1530"));
        QVERIFY(snapshot(folder()) != before);
        QCOMPARE(readBytes(SubjectFiles(1, m_catalogue.code).path(Marks)),
                 ResourceStore::resourceBytes(templateId(Marks, 1)));
        QCOMPARE(restoreBackup(folder(), made, resultFileNames(m_catalogue)), 0);
        QCOMPARE(snapshot(folder()), before);
    }

    // A backup that cannot be made stops the reset: no file changes and no backup is left.
    void failedBackupErasesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("backups folder cannot be made") << "file in the way";
        QTest::newRow("copy cannot be written") << "write fault";
    }

    void failedBackupErasesNothing()
    {
        QFETCH(QString, fault);
        mark(1, 3, QStringLiteral("80"));
        if (fault == QLatin1String("file in the way")) {
            QFile blocker(backupsPath(folder()));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const QMap<QString, QByteArray> before = snapshot(folder());
        Records::setWriteFaultForTesting(fault == QLatin1String("write fault"));
        const int error = resetWithBackup(m_catalogue, at("2026-12-08 15:30"));
        Records::setWriteFaultForTesting(false);
        QVERIFY(isBackupError(error));
        QCOMPARE(snapshot(folder()), before);
        QVERIFY(listBackups(folder()).isEmpty());
        if (fault == QLatin1String("write fault"))
            QCOMPARE(QDir(backupsPath(folder())).entryList(QDir::AllEntries | QDir::Hidden
                                                           | QDir::NoDotAndDotDot),
                     QStringList());
    }

    // Which backups are kept and how they are listed.
    void backupsKeptNewestFirst_data()
    {
        QTest::addColumn<QStringList>("resets"); // the minutes of the resets, in order
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("one") << QStringList{"2026-12-08 15:30"} << QStringList{"2026-12-08-1530"};
        QTest::newRow("last five of seven")
            << QStringList{"2026-12-01 09:00", "2026-12-02 09:00", "2026-12-03 09:00",
                           "2026-12-04 09:00", "2026-12-05 09:00", "2026-12-06 09:00",
                           "2026-12-07 09:05"}
            << QStringList{"2026-12-07-0905", "2026-12-06-0900", "2026-12-05-0900",
                           "2026-12-04-0900", "2026-12-03-0900"};
        QTest::newRow("two in one minute")
            << QStringList{"2026-12-08 15:30", "2026-12-08 15:30"}
            << QStringList{"2026-12-08-1530-2", "2026-12-08-1530"};
    }

    void backupsKeptNewestFirst()
    {
        QFETCH(QStringList, resets);
        QFETCH(QStringList, listed);
        for (int i = 0; i < resets.size(); ++i) {
            mark(1, i + 1, QString::number(50 + i));
            QCOMPARE(resetWithBackup(m_catalogue, at(resets.at(i))), 0);
        }
        QCOMPARE(names(listBackups(folder())), listed);
        QCOMPARE(displayName(listBackups(folder()).first()).isEmpty(), false);
    }

    // A reset with nothing new to keep makes no backup, so it cannot push out a real one.
    void nothingNewMakesNoBackup_data()
    {
        QTest::addColumn<bool>("markBetween");
        QTest::addColumn<int>("kept");
        QTest::newRow("blank results reset again") << false << 1;
        QTest::newRow("a paper marked in between") << true << 2;
    }

    void nothingNewMakesNoBackup()
    {
        QFETCH(bool, markBetween);
        QFETCH(int, kept);
        QString made;
        QCOMPARE(resetWithBackup(m_catalogue, at("2026-12-08 15:30"), QString(), &made), 0);
        QCOMPARE(made, QString()); // the first start's blank files
        mark(1, 1, QStringLiteral("40"));
        QCOMPARE(resetWithBackup(m_catalogue, at("2026-12-08 15:31"), QString(), &made), 0);
        QCOMPARE(made, QStringLiteral("2026-12-08-1531"));
        if (markBetween)
            mark(1, 2, QStringLiteral("45"));
        QCOMPARE(resetWithBackup(m_catalogue, at("2026-12-08 15:32")), 0);
        QCOMPARE(listBackups(folder()).size(), kept);
        // Files equal to the newest backup are not copied again.
        mark(2, 2, QStringLiteral("45"));
        const QStringList files = resultFileNames(m_catalogue);
        QCOMPARE(makeBackup(folder(), files, at("2026-12-08 15:40"), &made), 0);
        QCOMPARE(made, QStringLiteral("2026-12-08-1540"));
        QCOMPARE(makeBackup(folder(), files, at("2026-12-08 15:41"), &made), 0);
        QCOMPARE(made, QString());
    }

    // A restore that fails leaves the current files as they were and no temporary file.
    void failedRestoreKeepsCurrentFiles_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("copies cannot be written") << "write fault";
        QTest::newRow("a file cannot be replaced") << "folder in the way";
        QTest::newRow("no such backup") << "missing";
    }

    void failedRestoreKeepsCurrentFiles()
    {
        QFETCH(QString, fault);
        mark(2, 4, QStringLiteral("90"));
        QString made;
        QCOMPARE(resetWithBackup(m_catalogue, at("2026-12-08 15:30"), QString(), &made), 0);
        mark(3, 1, QStringLiteral("10"));
        // The last file in name order is replaced last, so the others are put back.
        const QString last = resultFileNames(m_catalogue).last();
        if (fault == QLatin1String("folder in the way")) {
            QVERIFY(QFile::remove(folder() + QLatin1Char('/') + last));
            QVERIFY(QDir(folder()).mkdir(last));
        }
        if (fault == QLatin1String("missing"))
            made = QStringLiteral("2026-12-09-0000");
        const QMap<QString, QByteArray> before = snapshot(folder());
        Records::setWriteFaultForTesting(fault == QLatin1String("write fault"));
        const int error = restoreBackup(folder(), made, resultFileNames(m_catalogue));
        Records::setWriteFaultForTesting(false);
        QVERIFY(error != 0);
        QCOMPARE(snapshot(folder()), before);
    }

    // The papers a restore would replace: takes marked since the backup was made.
    void papersMarkedSinceBackup_data()
    {
        QTest::addColumn<QList<int>>("takes"); // subject, ordinal, take after the reset
        QTest::addColumn<QList<int>>("marked"); // subject, ordinal pairs
        QTest::newRow("nothing since") << QList<int>{} << QList<int>{};
        QTest::newRow("first take since") << QList<int>{2, 5, 1} << QList<int>{2, 5};
        QTest::newRow("paper of the backup taken again")
            << QList<int>{1, 1, 1} << QList<int>{1, 1};
        QTest::newRow("two subjects")
            << QList<int>{3, 2, 1, 1, 9, 1, 1, 9, 2} << QList<int>{1, 9, 3, 2};
    }

    void papersMarkedSinceBackup()
    {
        QFETCH(QList<int>, takes);
        QFETCH(QList<int>, marked);
        mark(1, 1, QStringLiteral("70"));
        QString made;
        QCOMPARE(resetWithBackup(m_catalogue, at("2026-12-08 15:30"), QString(), &made), 0);
        for (int i = 0; i + 2 < takes.size(); i += 3)
            mark(takes.at(i), takes.at(i + 1), QStringLiteral("55"), takes.at(i + 2));
        QList<int> found;
        for (const MarkedPaper &p : markedSince(folder(), made, m_catalogue))
            found << p.subject << p.ordinal;
        QCOMPARE(found, marked);
    }
};

QTEST_GUILESS_MAIN(TestResultsBackup)

#include "tst_resultsbackup.moc"
