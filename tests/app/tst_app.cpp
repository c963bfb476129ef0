// The content store: resource extraction, skin files, catalogue and paper look-up.

#include "app/catalogue.h"
#include "app/paperlookup.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "app/skinpictures.h"
#include "records/recordfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestApp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        ProgramFolder::setPath(m_dir.path());
    }

    void extractUnknownIdCreatesNoFile_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("type");
        QTest::newRow("gap in skin ids") << 38 << "Custom";
        QTest::newRow("beyond pages") << 13511 << "Custom";
        QTest::newRow("unused table") << 30016 << "Custom";
        QTest::newRow("wrong type") << 30000 << "Bitmap";
    }

    void extractUnknownIdCreatesNoFile()
    {
        QFETCH(int, id);
        QFETCH(QString, type);
        const QString path = m_dir.filePath(QStringLiteral("missing.bin"));
        QVERIFY(ExtractResource(id, type, path) != 0);
        QVERIFY(!QFile::exists(path));
    }

    void extractReplacesEarlierContent()
    {
        const QString path = m_dir.filePath(QStringLiteral("catalogue.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, 'x'));
        file.close();
        QCOMPARE(ExtractResource(30000, QStringLiteral("Custom"), path), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ResourceStore::resourceBytes(30000));
    }

    void extractToUnwritablePathFails()
    {
        const QString path = m_dir.filePath(QStringLiteral("no/folder/x.txt"));
        QCOMPARE(ExtractResource(30000, QStringLiteral("Custom"), path),
                 int(ResourceStore::WriteFailed));
    }

    void skinFilesGoToNewNestedFolder()
    {
        QTemporaryDir dir;
        const QString nested = dir.filePath(QStringLiteral("a/b/c"));
        ProgramFolder::setPath(nested);
        ExtractSkinFiles();
        const QStringList files = QDir(nested + QStringLiteral("/Graphics")).entryList(QDir::Files);
        QCOMPARE(files.size(), 93);
        QVERIFY(files.contains(QStringLiteral("pencil.ico")));
        QVERIFY(files.contains(QStringLiteral("Border_bot_left.gif")));
        for (int id = 1; id <= 96; ++id) {
            const QString name = SkinPictures::fileName(id);
            QCOMPARE(name.isEmpty(), id >= 38 && id <= 40);
        }
    }

    // At every start each skin picture ends up holding the program's own bytes.
    void skinFileRestoredAtStart_data()
    {
        QTest::addColumn<QByteArray>("left"); // what the file holds before the start
        QTest::addColumn<bool>("removed");
        QTest::newRow("changed") << QByteArray("not a picture") << false;
        QTest::newRow("emptied") << QByteArray() << false;
        QTest::newRow("missing") << QByteArray() << true;
        QTest::newRow("unchanged") << ResourceStore::resourceBytes(1) << false;
    }

    void skinFileRestoredAtStart()
    {
        QFETCH(QByteArray, left);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        ProgramFolder::setPath(dir.path());
        ExtractSkinFiles();
        const QString path = ProgramFolder::graphicsPath(SkinPictures::fileName(1));
        QFile file(path);
        if (removed) {
            QVERIFY(file.remove());
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(left);
            file.close();
        }
        ExtractSkinFiles();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ResourceStore::resourceBytes(1));
    }

    // A blank results file is written whole, where there was none and over one (a reset),
    // and nothing else is left in the folder.
    void blankResultsFileWritten_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("none there") << false;
        QTest::newRow("over results") << true;
    }

    void blankResultsFileWritten()
    {
        QFETCH(bool, fileThere);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("marks1P3.txt"));
        if (fileThere) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("#FSE#>50\r\n");
        }
        QCOMPARE(ExtractResource(30111, QStringLiteral("Custom"), path), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ResourceStore::resourceBytes(30111));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"marks1P3.txt"});
    }

    void folderForPicturesAndResults_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<ProgramFolder::Place>("place");
        QTest::newRow("built from source, folder writable")
            << false << true << ProgramFolder::Place::ProgramFileFolder;
        QTest::newRow("built from source, system folder")
            << false << false << ProgramFolder::Place::UserDataFolder;
        QTest::newRow("installed, run by root who can write /usr/bin")
            << true << true << ProgramFolder::Place::UserDataFolder;
        QTest::newRow("installed, run by a pupil")
            << true << false << ProgramFolder::Place::UserDataFolder;
    }

    void folderForPicturesAndResults()
    {
        QFETCH(bool, installed);
        QFETCH(bool, writable);
        QFETCH(ProgramFolder::Place, place);
        QCOMPARE(ProgramFolder::place(installed, writable), place);
    }

    void catalogueIsReadAndItsFileDeleted()
    {
        Catalogue catalogue;
        QCOMPARE(CatalogueReader::read(&catalogue), 0);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("temptext30000.txt"))));
        QVERIFY(!catalogue.title.isEmpty());
        QCOMPARE(catalogue.code.size(), 2);
        QCOMPARE(catalogue.subjectName[1], QStringLiteral("English"));
        QCOMPARE(catalogue.subjectName[2], QStringLiteral("Mathematics"));
        QCOMPARE(catalogue.subjectName[3], QStringLiteral("Science"));
        QCOMPARE(catalogue.topicCount[1], 6);
        QCOMPARE(catalogue.paperCount[2], 35);
        QCOMPARE(catalogue.topicNames[1].at(5), QStringLiteral("Mock Examination"));
        QCOMPARE(catalogue.topicNames[3].at(5), QStringLiteral("Magnets"));
    }

    void damagedCatalogueGivesNoSubject_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("topic count not a number")
            << QByteArray("#NME#>T\r\n#COD#>P3\r\n#LAH#>English\r\n#TT1#>six\r\n#TP1#>30\r\n");
        QTest::newRow("too many topics")
            << QByteArray("#NME#>T\r\n#COD#>P3\r\n#LAH#>English\r\n#TT1#>11\r\n#TP1#>55\r\n");
        QTest::newRow("papers not five a topic")
            << QByteArray("#NME#>T\r\n#COD#>P3\r\n#LAH#>English\r\n#TT1#>6\r\n#TP1#>31\r\n");
        QTest::newRow("code with a path")
            << QByteArray("#NME#>T\r\n#COD#>../x\r\n#LAH#>English\r\n#TT1#>1\r\n#TP1#>5\r\n");
    }

    void damagedCatalogueGivesNoSubject()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("damaged.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        Catalogue catalogue;
        QVERIFY(CatalogueReader::readFile(path, &catalogue) != 0);
        QCOMPARE(catalogue.firstSubject(), 0);
    }

    void catalogueWithoutSecondSubject()
    {
        const QString path = m_dir.filePath(QStringLiteral("two.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#NME#>T\r\n#COD#>P3\r\n#LAH#>English\r\n#LBH#>\r\n#LCH#>Science\r\n"
                   "#TT1#>1\r\n#TP1#>5\r\n#TN1#>Grammar\r\n#TT3#>2\r\n#TP3#>10\r\n#TN3#>A>B\r\n");
        file.close();
        Catalogue catalogue;
        QCOMPARE(CatalogueReader::readFile(path, &catalogue), 0);
        QVERIFY(!catalogue.hasSubject(2));
        QCOMPARE(catalogue.firstSubject(), 1);
        QCOMPARE(catalogue.topicNames[3].mid(0, 2), QStringList({"A", "B"}));
    }

    void paperLookUp_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("blanks");
        QTest::addColumn<QString>("firstId");
        QTest::newRow("101") << 1 << 101 << 30 << 30 << "13001";
        QTest::newRow("121") << 1 << 121 << 3 << 15 << "";
        QTest::newRow("last science") << 3 << 135 << -1 << -1 << "";
    }

    void paperLookUp()
    {
        QFETCH(int, subject);
        QFETCH(int, key);
        QFETCH(int, questions);
        QFETCH(int, blanks);
        QFETCH(QString, firstId);
        PaperData paper;
        QCOMPARE(PaperLookup::lookUp(subject, key, &paper), 0);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("temptext.txt"))));
        if (questions >= 0)
            QCOMPARE(paper.questionCount(), questions);
        if (blanks >= 0)
            QCOMPARE(paper.totalBlanks, blanks);
        if (!firstId.isEmpty())
            QCOMPARE(paper.questionIds.first(), firstId);
        int sum = 0;
        for (int count : qAsConst(paper.blankCounts))
            sum += count;
        QCOMPARE(sum, paper.totalBlanks);
        QCOMPARE(paper.answerCodes.size(), paper.totalBlanks);
        QCOMPARE(paper.blankOffset(paper.questionCount()), paper.totalBlanks);
        QVERIFY(paper.totalMarks >= paper.totalBlanks);
    }

    void paperLookUpOfLastScienceQuestion()
    {
        PaperData paper;
        QCOMPARE(PaperLookup::lookUp(3, 135, &paper), 0);
        QCOMPARE(paper.questionIds.last(), QStringLiteral("19647"));
        const QStringList last = paper.answerKey.mid(paper.totalBlanks - 6);
        QCOMPARE(last, QStringList({";Copper;Gold;Iron", " ", " ", ";Steel;Brass;Bronze", " ",
                                    " "}));
    }

    // The scratch copy of a table is gone after every look-up, however it ended.
    void scratchTableNeverRemains_data()
    {
        QTest::addColumn<int>("subject"); // 0: the catalogue
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<int>("error");
        QTest::newRow("paper found") << 1 << 101 << false << 0;
        QTest::newRow("unknown paper") << 1 << 131 << false << int(PaperLookup::PaperMissing);
        QTest::newRow("unknown subject") << 4 << 101 << false
                                         << int(PaperLookup::TableNotWritten);
        QTest::newRow("write fails after opening") << 1 << 101 << true
                                                   << int(PaperLookup::TableNotWritten);
        QTest::newRow("catalogue, write fails after opening")
            << 0 << 0 << true << int(CatalogueReader::NotWritten);
    }

    void scratchTableNeverRemains()
    {
        QFETCH(int, subject);
        QFETCH(int, key);
        QFETCH(bool, diskFull);
        Records::setWriteFaultForTesting(diskFull);
        PaperData paper;
        Catalogue catalogue;
        const int error = subject ? PaperLookup::lookUp(subject, key, &paper)
                                  : CatalogueReader::read(&catalogue);
        Records::setWriteFaultForTesting(false);
        QTEST(error, "error");
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("temptext.txt"))));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("temptext30000.txt"))));
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
