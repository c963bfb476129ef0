// The pupils' store on its own: the move of the first pupil's files cut short at each step,
// and the folder names made from pupils' names.

#include "pupils/pupilstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList kFiles = {QStringLiteral("marks1A.txt"), QStringLiteral("first1A.txt"),
                            QStringLiteral("trend1A.txt")};
// Copies kept by two earlier resets, which move with the results files.
const QStringList kBackupFiles = {QStringLiteral("backups/2026-12-01-0900/first1A.txt"),
                                  QStringLiteral("backups/2026-12-01-0900/marks1A.txt"),
                                  QStringLiteral("backups/2026-12-05-1730/marks1A.txt")};

QByteArray contentOf(const QString &name)
{
    return "#" + name.toLatin1() + "#>\xfc>x\r\n";
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestPupilStore : public QObject
{
    Q_OBJECT

private slots:
    void interruptedMove_data();
    void interruptedMove();
    void folderNames_data();
    void folderNames();
};

// Adding the second pupil takes 1 list write, 6 copies (3 results files, then 3 kept by
// resets), the switch, 6 deletions and the final list write: steps 1 to 15. Cut short up
// to step 7 the move is undone at the next opening; from the switch (step 8) on it is
// finished; after step 15 it was complete. A copy found to differ stops the move.
void TestPupilStore::interruptedMove_data()
{
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<QString>("corrupted"); // the file whose copy is spoilt after copying
    QTest::addColumn<int>("opened");
    for (int k = 1; k <= 15; ++k) {
        QTest::addRow("stopped after step %d", k)
            << k << QString()
            << int(k <= 7 ? PupilStore::MoveRolledBack
                   : k <= 14 ? PupilStore::MoveFinished
                             : PupilStore::OpenedOk);
    }
    QTest::newRow("a copy that differs") << 0 << kFiles.at(0) << int(PupilStore::OpenedOk);
    QTest::newRow("a reset's copy that differs")
        << 0 << kBackupFiles.at(2) << int(PupilStore::OpenedOk);
    QTest::newRow("not stopped") << 0 << QString() << int(PupilStore::OpenedOk);
}

void TestPupilStore::interruptedMove()
{
    QFETCH(int, stopAt);
    QFETCH(QString, corrupted);
    QFETCH(int, opened);
    const bool corruptCopy = !corrupted.isEmpty();
    QTemporaryDir dir;
    const QString data = dir.path();
    for (const QString &name : kFiles + kBackupFiles) {
        QVERIFY(QDir(data).mkpath(QFileInfo(name).path()));
        QFile file(data + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contentOf(name));
    }
    QFile other(data + QStringLiteral("/Graphics.txt"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();

    {
        PupilStore store(data, kFiles);
        QCOMPARE(store.open(), int(PupilStore::OpenedOk));
        QVERIFY(!QFile::exists(store.listPath())); // one pupil: nothing written
        QCOMPARE(store.folderPath(1), data);
        QCOMPARE(store.rename(1, QStringLiteral("Ann")), int(PupilStore::Ok));
        store.setStepHookForTesting([&](int step) {
            if (corruptCopy && step == 7) {
                QFile copy(data + QStringLiteral("/pupils/ann/") + corrupted);
                if (copy.open(QIODevice::Append))
                    copy.write("?");
            }
            return step != stopAt;
        });
        const int added = store.add(QStringLiteral("Bob"));
        QCOMPARE(added, int(stopAt ? PupilStore::Interrupted
                            : corruptCopy ? PupilStore::CopyFailed
                                          : PupilStore::Ok));
    }

    PupilStore next(data, kFiles);
    QCOMPARE(next.open(), opened);
    const bool moved = stopAt > 7 || (stopAt == 0 && !corruptCopy);
    QCOMPARE(next.count(), moved ? 2 : 1);
    QCOMPARE(next.name(1), QStringLiteral("Ann"));
    QCOMPARE(next.folderPath(1), moved ? data + QStringLiteral("/pupils/ann") : data);
    for (const QString &name : kFiles + kBackupFiles) {
        // Exactly one copy of each file, whole, where the list says the pupil's files are.
        QCOMPARE(readBytes(next.folderPath(1) + QLatin1Char('/') + name), contentOf(name));
        const QString elsewhere = moved ? data : data + QStringLiteral("/pupils/ann");
        QVERIFY2(!QFile::exists(elsewhere + QLatin1Char('/') + name), qPrintable(name));
    }
    QVERIFY(QFile::exists(data + QStringLiteral("/Graphics.txt")));
    // No folder is left behind where the files no longer are.
    QCOMPARE(QDir(data + QStringLiteral("/backups")).exists(), !moved);
    QCOMPARE(QDir(data + QStringLiteral("/pupils/ann")).exists(), moved);
    QCOMPARE(next.list().phase, PupilList::NoMove);
}

void TestPupilStore::folderNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << "Anna" << QStringList() << "anna";
    QTest::newRow("spaces, hyphens, apostrophes")
        << "Mary-Jo O'Neil" << QStringList() << "mary-jo-o-neil";
    QTest::newRow("accents dropped") << QStringLiteral("Zoë Ångström") << QStringList()
                                     << "zoe-angstrom";
    QTest::newRow("no ASCII letter") << QStringLiteral("ßø") << QStringList() << "pupil";
    QTest::newRow("clash in another case") << "Anna" << QStringList{"ANNA"} << "anna-2";
    QTest::newRow("second clash") << "anna" << QStringList{"anna", "anna-2"} << "anna-3";
    QTest::newRow("long name cut") << "Christopher Jonathan" << QStringList()
                                   << "christopher-jona";
}

void TestPupilStore::folderNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, taken);
    QFETCH(QString, folder);
    QCOMPARE(PupilNames::folderFor(name, taken), folder);
    QVERIFY(PupilNames::isSafeFolder(folder));
}

QTEST_APPLESS_MAIN(TestPupilStore)
#include "tst_pupilstore.moc"
