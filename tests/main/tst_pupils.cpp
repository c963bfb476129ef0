// Several pupils on one computer, through the real main window and practice windows: the
// Pupils panel, the move of the first pupil's files, takes kept apart, start-up repairs.

#include "app/programfolder.h"
#include "pupils/pupilstore.h"
#include "results/resultsbackup.h"
#include "results/resultsfiles.h"
#include "results/zoomsetting.h"
#include "startup/startup.h"
#include "tests/practice/windowdriver.h"
#include "ui/chrome/picturecache.h"
#include "ui/main/contents.h"
#include "ui/main/pupilchooser.h"
#include "ui/main/reportpdf.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace Results;

namespace {

using Snapshot = QMap<QString, QByteArray>;

// Every file of a folder (not its sub-folders), by name.
Snapshot filesIn(const QString &folder)
{
    Snapshot files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(folder + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

// Only the results files of a folder.
Snapshot resultsIn(const QString &folder, const Catalogue &catalogue)
{
    Snapshot all = filesIn(folder);
    Snapshot results;
    for (const QString &name : allFileNames(catalogue)) {
        if (all.contains(name))
            results.insert(name, all.value(name));
    }
    return results;
}

} // namespace

class TestPupils : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Contents> m_window;
    StartUpResult m_start;

    QString data() const { return m_dir->path(); }

    void start()
    {
        m_window.reset();
        m_start = StartUp::prepareContent();
        m_window.reset(new Contents);
        m_window->load(m_start);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
    }

    void openPupilsPanel()
    {
        clickOn(m_window.data(), QStringLiteral("Tab04"));
        m_window->pollNow();
        clickOn(m_window.data(), QStringLiteral("ToolBar03"));
    }

    void addPupil(const QString &name)
    {
        openPupilsPanel();
        child<QLineEdit>(m_window.data(), QStringLiteral("PupilName"))->setText(name);
        clickOn(m_window.data(), QStringLiteral("ButPupilAdd"));
    }

    void pupilAction(int pupil, const QString &button)
    {
        openPupilsPanel();
        child<QListWidget>(m_window.data(), QStringLiteral("PupilList"))->setCurrentRow(pupil - 1);
        clickOn(m_window.data(), button);
    }

    QString message()
    {
        return text(m_window.data(), QStringLiteral("PupilMessage"));
    }

    // Opens paper 1 of English's first topic and types answer into its first box.
    void typeInFirstPaper(const QString &answer)
    {
        clickOn(m_window.data(), QStringLiteral("Tab01"));
        clickOn(m_window.data(), QStringLiteral("P1a"));
        PracticeWindow *w = m_window->practiceWindow();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        waitForTick();
        box(w, 1)->setText(answer);
    }

    QString firstAnswer(int pupil)
    {
        const SubjectFiles files =
            subjectFiles(m_window->catalogue(), 1, m_window->pupils().folderPath(pupil));
        return readPaperValues(First, files, 101, 1).value(0);
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        ProgramFolder::setPath(m_dir->path());
        PictureCache::clear();
        start();
    }

    void cleanup()
    {
        m_window.reset();
        deletePracticeWindows();
    }

    void onePupilChangesNothing()
    {
        QCOMPARE(m_window->windowTitle(), m_window->catalogue().title);
        QVERIFY(!QFile::exists(data() + QStringLiteral("/pupils.txt")));
        QVERIFY(!QDir(data() + QStringLiteral("/pupils")).exists());
        QCOMPARE(resultsIn(data(), m_window->catalogue()).size(), 18);
    }

    void addingSecondKeepsFirstFilesByteForByte()
    {
        const Catalogue &catalogue = m_window->catalogue();
        MarksLists marks = readMarks(subjectFiles(catalogue, 2));
        marks.FSE[2] = QStringLiteral("87.5");
        QCOMPARE(writeMarks(subjectFiles(catalogue, 2), marks), 0);
        QCOMPARE(ZoomSetting::writeZoom(150, data()), 0);
        Snapshot before = resultsIn(data(), catalogue);
        before.insert(ZoomSetting::fileName(), filesIn(data()).value(ZoomSetting::fileName()));

        addPupil(QStringLiteral("Ben"));

        QCOMPARE(m_window->pupils().count(), 2);
        const QString first = data() + QStringLiteral("/pupils/pupil-1");
        QCOMPARE(m_window->pupils().folderPath(1), first);
        QCOMPARE(filesIn(first), before); // their page size too
        QVERIFY(resultsIn(data(), catalogue).isEmpty());
        QVERIFY(!QFile::exists(ZoomSetting::filePath(data())));
        QCOMPARE(m_window->windowTitle(), catalogue.title + QStringLiteral(" - Pupil 1"));
        QVERIFY(child<QWidget>(m_window.data(), QStringLiteral("ButPupilAdd"))
                    ->accessibleName() == QStringLiteral("Add"));
    }

    void takesNeverTouchEachOther()
    {
        addPupil(QStringLiteral("Ben"));
        const Catalogue &catalogue = m_window->catalogue();
        typeInFirstPaper(QStringLiteral("a"));
        const Snapshot benBefore = filesIn(m_window->pupils().folderPath(2));

        // Switching closes the open paper as closing does: its answers are kept.
        pupilAction(2, QStringLiteral("ButPupilSwitch"));
        QTRY_VERIFY(!m_window->practiceWindow());
        QCOMPARE(m_window->pupil(), 2);
        QCOMPARE(m_window->windowTitle(), catalogue.title + QStringLiteral(" - Ben"));
        QCOMPARE(firstAnswer(1), QStringLiteral("a"));
        const Snapshot pupil1Before = filesIn(m_window->pupils().folderPath(1));
        QCOMPARE(resultsIn(m_window->pupils().folderPath(2), catalogue).size(), 18);
        QVERIFY(firstAnswer(2).isEmpty());

        typeInFirstPaper(QStringLiteral("b"));
        pupilAction(1, QStringLiteral("ButPupilSwitch"));
        QTRY_VERIFY(!m_window->practiceWindow());
        QCOMPARE(firstAnswer(2), QStringLiteral("b"));
        QCOMPARE(filesIn(m_window->pupils().folderPath(1)), pupil1Before);
        QVERIFY(benBefore.isEmpty()); // Ben's files were made when he first practised
        QVERIFY(resultsIn(data(), catalogue).isEmpty());
    }

    // The reset, its backups and the saved report belong to the pupil who is practising.
    void resetAndReportArePerPupil()
    {
        addPupil(QStringLiteral("Ben"));
        pupilAction(2, QStringLiteral("ButPupilSwitch"));
        typeInFirstPaper(QStringLiteral("b"));
        pupilAction(1, QStringLiteral("ButPupilSwitch")); // saves Ben's answer
        QTRY_VERIFY(!m_window->practiceWindow());
        pupilAction(2, QStringLiteral("ButPupilSwitch"));
        const QString anna = m_window->pupils().folderPath(1);
        const QString ben = m_window->pupils().folderPath(2);
        const Snapshot annaBefore = filesIn(anna);

        clickOn(m_window.data(), QStringLiteral("Tab04"));
        m_window->pollNow();
        clickOn(m_window.data(), QStringLiteral("ToolBar02"));
        clickOn(m_window.data(), QStringLiteral("ButTrash"));
        clickOn(m_window.data(), QStringLiteral("ButTrash_Yes"));
        QVERIFY(firstAnswer(2).isEmpty());
        QCOMPARE(ResultsBackup::listBackups(ben).size(), 1);
        QVERIFY(ResultsBackup::listBackups(anna).isEmpty());
        QCOMPARE(filesIn(anna), annaBefore);

        QString suggested;
        ReportPdf::setSaveDialogHook([&](QWidget *, const QString &path) {
            suggested = path;
            return QString();
        });
        clickOn(m_window.data(), QStringLiteral("Tab01"));
        clickOn(m_window.data(), QStringLiteral("ToolBar02"));
        clickOn(m_window.data(), QStringLiteral("ButSavePdflbl"));
        ReportPdf::setSaveDialogHook({});
        QVERIFY(QFileInfo(suggested).fileName().startsWith(QStringLiteral("Ben Report English ")));
    }

    // The page size is kept per pupil, beside their results.
    void pageSizeIsEachPupils()
    {
        addPupil(QStringLiteral("Ben"));
        pupilAction(2, QStringLiteral("ButPupilSwitch"));
        typeInFirstPaper(QStringLiteral("b"));
        PracticeWindow *w = m_window->practiceWindow();
        QTest::keyClick(w, Qt::Key_Equal, Qt::ControlModifier);
        QTRY_COMPARE(w->zoom(), 110);
        QCOMPARE(ZoomSetting::readZoom(m_window->pupils().folderPath(2)), 110);
        QCOMPARE(ZoomSetting::readZoom(m_window->pupils().folderPath(1)), 0);

        pupilAction(1, QStringLiteral("ButPupilSwitch"));
        QTRY_VERIFY(!m_window->practiceWindow());
        typeInFirstPaper(QStringLiteral("a"));
        QCOMPARE(m_window->practiceWindow()->zoom(), 100);
    }

    // Resets before the move leave copies in backups/ that move with the results: 18
    // results files and 18 per reset, each copied and later deleted, one step each.
    void interruptedMoveIsFinishedOrUndone_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<int>("pupils");
        QTest::addColumn<int>("resets");
        QTest::newRow("during the copy") << 4 << 1 << 0;
        QTest::newRow("after the switch") << 30 << 2 << 0;
        QTest::newRow("two resets, during their copy") << 30 << 1 << 2;
        QTest::newRow("two resets, after the switch") << 70 << 2 << 2;
        QTest::newRow("two resets, not stopped") << 0 << 2 << 2;
    }

    void interruptedMoveIsFinishedOrUndone()
    {
        QFETCH(int, stopAt);
        QFETCH(int, pupils);
        QFETCH(int, resets);
        const Catalogue catalogue = m_window->catalogue();
        for (int r = 0; r < resets; ++r) {
            MarksLists marks = readMarks(subjectFiles(catalogue, 2));
            marks.FSE[r] = QStringLiteral("87.5");
            QCOMPARE(writeMarks(subjectFiles(catalogue, 2), marks), 0);
            clickOn(m_window.data(), QStringLiteral("Tab04"));
            m_window->pollNow();
            clickOn(m_window.data(), QStringLiteral("ToolBar02"));
            clickOn(m_window.data(), QStringLiteral("ButTrash"));
            clickOn(m_window.data(), QStringLiteral("ButTrash_Yes"));
        }
        QList<Snapshot> kept;
        const QList<ResultsBackup::Backup> backups = ResultsBackup::listBackups(data());
        QCOMPARE(backups.size(), resets);
        for (const ResultsBackup::Backup &backup : backups)
            kept.append(filesIn(ResultsBackup::backupsPath(data()) + '/' + backup.name));
        const Snapshot before = resultsIn(data(), catalogue);
        m_window.reset();
        {
            PupilStore store(data(), allFileNames(catalogue));
            store.open();
            store.setStepHookForTesting([stopAt](int step) { return step != stopAt; });
            QCOMPARE(store.add(QStringLiteral("Ben")),
                     int(stopAt ? PupilStore::Interrupted : PupilStore::Ok));
        }
        start();
        QCOMPARE(m_start.pupilsOpened, int(pupils == 1 && stopAt ? PupilStore::MoveRolledBack
                                           : stopAt              ? PupilStore::MoveFinished
                                                                 : PupilStore::OpenedOk));
        QCOMPARE(m_window->pupils().count(), pupils);
        const QString folder = m_window->pupils().folderPath(1);
        QCOMPARE(resultsIn(folder, catalogue), before);
        QCOMPARE(folder == data(), pupils == 1);
        if (pupils == 2) {
            QVERIFY(resultsIn(data(), catalogue).isEmpty());
            QVERIFY(!QDir(ResultsBackup::backupsPath(data())).exists());
        }
        // The first pupil's earlier resets can still be undone, from where their files are.
        QList<Snapshot> found;
        for (const ResultsBackup::Backup &backup : ResultsBackup::listBackups(folder))
            found.append(filesIn(ResultsBackup::backupsPath(folder) + '/' + backup.name));
        QCOMPARE(found, kept);
        clickOn(m_window.data(), QStringLiteral("Tab04"));
        m_window->pollNow();
        clickOn(m_window.data(), QStringLiteral("ToolBar02"));
        for (int n = 1; n <= 2; ++n) {
            QCOMPARE(child<QWidget>(m_window.data(), QStringLiteral("ButRestore%1").arg(n))
                         ->isVisible(),
                     n <= resets);
        }
    }

    void refusedNames_data()
    {
        QTest::addColumn<int>("others");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why");
        QTest::newRow("empty") << 0 << "   " << "Please type the pupil's name.";
        QTest::newRow("21 characters") << 0 << "Abcdefghijklmnopqrstu"
                                       << "A name can have at most 20 characters.";
        QTest::newRow("a slash") << 0 << "Ann/Bo"
                                 << "A name cannot hold \"/\": use letters, digits, spaces, "
                                    "hyphens and apostrophes.";
        QTest::newRow("a record mark") << 0 << "Ann#"
                                       << "A name cannot hold \"#\": use letters, digits, "
                                          "spaces, hyphens and apostrophes.";
        QTest::newRow("outside Latin-1") << 0 << QStringLiteral("Zoë€")
                                         << QStringLiteral("A name cannot hold \"€\": use "
                                                           "letters, digits, spaces, hyphens "
                                                           "and apostrophes.");
        QTest::newRow("no letter") << 0 << "- '"
                                   << "A name needs at least one letter or digit.";
        QTest::newRow("taken in another case") << 0 << "PUPIL 1"
                                               << "There is already a pupil called PUPIL 1.";
        QTest::newRow("an eleventh pupil") << 9 << "Kim" << "There can be at most 10 pupils.";
    }

    void refusedNames()
    {
        QFETCH(int, others);
        QFETCH(QString, name);
        QFETCH(QString, why);
        for (int i = 0; i < others; ++i)
            addPupil(QStringLiteral("Child %1").arg(i + 2));
        const int count = m_window->pupils().count();
        const Snapshot list = filesIn(data());
        addPupil(name);
        QCOMPARE(message(), why);
        QCOMPARE(m_window->pupils().count(), count);
        QCOMPARE(filesIn(data()), list);
    }

    void removingKeepsBackupAndOthers()
    {
        addPupil(QStringLiteral("Zoë O'Neil"));
        pupilAction(2, QStringLiteral("ButPupilSwitch"));
        const Catalogue &catalogue = m_window->catalogue();
        const QString zoe = m_window->pupils().folderPath(2);
        QCOMPARE(zoe, data() + QStringLiteral("/pupils/zoe-o-neil"));
        MarksLists marks = readMarks(subjectFiles(catalogue, 1, zoe));
        marks.FSE[0] = QStringLiteral("40");
        QCOMPARE(writeMarks(subjectFiles(catalogue, 1, zoe), marks), 0);
        const Snapshot zoeFiles = filesIn(zoe);
        const Snapshot first = filesIn(m_window->pupils().folderPath(1));
        // A copy her reset kept goes into the removed pupil's backup too.
        const QString kept = QStringLiteral("/backups/2026-12-01-0900");
        QVERIFY(QDir().mkpath(zoe + kept));
        QVERIFY(QFile::copy(subjectFiles(catalogue, 1, zoe).path(Marks),
                            zoe + kept + QStringLiteral("/marks.txt")));

        DialogAnswerer answerer;
        answerer.answers = {false, true};
        pupilAction(2, QStringLiteral("ButPupilRemove"));
        QCOMPARE(m_window->pupils().count(), 2); // "No" keeps her
        pupilAction(2, QStringLiteral("ButPupilRemove"));
        QCOMPARE(answerer.messages().value(0),
                 QStringLiteral("Remove Zoë O'Neil? Their results will be erased; a backup "
                                "copy is kept."));
        QCOMPARE(m_window->pupils().count(), 1);
        QCOMPARE(m_window->pupil(), 1);
        QVERIFY(!QDir(zoe).exists());
        QCOMPARE(filesIn(m_window->pupils().lastBackup()), zoeFiles);
        QCOMPARE(filesIn(m_window->pupils().lastBackup() + kept).keys(),
                 QStringList{QStringLiteral("marks.txt")});
        QVERIFY(m_window->pupils().lastBackup().startsWith(
            data() + QStringLiteral("/pupils-removed/zoe-o-neil-")));
        QCOMPARE(filesIn(m_window->pupils().folderPath(1)), first);
        QCOMPARE(m_window->windowTitle(), catalogue.title);
    }

    void damagedListStillStarts_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<int>("opened");
        QTest::newRow("damaged") << QByteArray("#PNM#>Anna>Ben\r\n#PFD#>anna\r\n")
                                 << int(PupilStore::ListRebuilt);
        QTest::newRow("missing") << QByteArray() << int(PupilStore::ListMissing);
    }

    void damagedListStillStarts()
    {
        QFETCH(QByteArray, list);
        QFETCH(int, opened);
        addPupil(QStringLiteral("Ben"));
        const Snapshot first = filesIn(m_window->pupils().folderPath(1));
        m_window.reset();
        QFile file(data() + QStringLiteral("/pupils.txt"));
        if (list.isEmpty()) {
            QVERIFY(file.remove());
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(list);
            file.close();
        }
        start();
        QCOMPARE(m_start.pupilsOpened, opened);
        QVERIFY(!StartUp::pupilsMessage(opened).isEmpty());
        QCOMPARE(m_window->pupils().list().names(), QStringList({"ben", "pupil-1"}));
        QCOMPARE(m_window->pupils().folderPath(2), data() + QStringLiteral("/pupils/pupil-1"));
        QCOMPARE(filesIn(m_window->pupils().folderPath(2)), first);
    }

    void missingPupilFolderIsMadeAgain()
    {
        addPupil(QStringLiteral("Ben"));
        pupilAction(2, QStringLiteral("ButPupilSwitch"));
        const Snapshot first = filesIn(m_window->pupils().folderPath(1));
        QVERIFY(QDir(m_window->pupils().folderPath(2)).removeRecursively());
        m_window.reset();
        DialogAnswerer answerer;
        start();
        QCOMPARE(answerer.messageBoxes.size(), 1);
        QCOMPARE(answerer.messageBoxes.at(0).message, StartUp::missingFolderMessage(m_start));
        QVERIFY(answerer.messageBoxes.at(0).message.contains(QStringLiteral("Ben")));
        QCOMPARE(resultsIn(m_window->pupils().folderPath(2), m_window->catalogue()).size(), 18);
        QCOMPARE(filesIn(m_window->pupils().folderPath(1)), first);
    }

    // Chosen by a click or by keys alone; the focus starts on the pupil chosen last time.
    void chooserOffersEachPupil_data()
    {
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("keys"); // none: a click on Ben
        QTest::addColumn<QString>("focusAtOpen");
        QTest::addColumn<int>("chosen");
        QTest::newRow("a click") << 1 << "" << "Pupil1" << 2;
        QTest::newRow("Enter on the pupil chosen last") << 2 << "Return" << "Pupil2" << 2;
        QTest::newRow("Down and Space") << 1 << "Down, Space" << "Pupil1" << 2;
        QTest::newRow("Right, Right and Enter") << 1 << "Right, Right, Return" << "Pupil1" << 3;
        QTest::newRow("Down stops at the last") << 2 << "Down, Down, Return" << "Pupil2" << 3;
        QTest::newRow("Up stops at the first") << 1 << "Up, Return" << "Pupil1" << 1;
        QTest::newRow("Tab to the next") << 1 << "Tab, Return" << "Pupil1" << 2;
        QTest::newRow("Tab round from the last") << 3 << "Tab, Return" << "Pupil3" << 1;
        QTest::newRow("Shift+Tab round from the first") << 1 << "Shift+Tab, Return" << "Pupil1"
                                                        << 3;
        QTest::newRow("pupil chosen last is gone") << 7 << "Return" << "Pupil1" << 1;
        QTest::newRow("Escape closes without a choice") << 2 << "Escape" << "Pupil2" << 0;
    }

    void chooserOffersEachPupil()
    {
        QFETCH(int, last);
        QFETCH(QString, keys);
        PupilChooser chooser({QStringLiteral("Anna"), QStringLiteral("Ben"),
                              QStringLiteral("Chloë")},
                             last);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Who is practising?"));
        QCOMPARE(child<QWidget>(&chooser, QStringLiteral("Pupil2"))->accessibleName(),
                 QStringLiteral("Ben"));
        QTEST(QApplication::focusWidget()->objectName(), "focusAtOpen");
        if (keys.isEmpty())
            clickOn(&chooser, QStringLiteral("Pupil2"));
        else
            pressKeys(&chooser, keys);
        QTEST(chooser.chosen(), "chosen");
        QVERIFY(!chooser.isVisible());
    }
};

QTEST_MAIN(TestPupils)
#include "tst_pupils.moc"
