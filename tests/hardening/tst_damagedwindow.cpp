// The damaged-file matrix through the windows, as a pupil would meet it: start the program
// over a damaged results file, look through tabs, topics and the report, open a paper,
// answer, mark and close it; then the catalogue's content damaged.

#include "damage.h"

#include "tests/practice/windowdriver.h"

#include "app/resourcestore.h"
#include "startup/startup.h"
#include "ui/chrome/picturecache.h"
#include "ui/main/contents.h"
#include "ui/practice/browsercontrol.h"

#include <QtTest>

using namespace Damage;
using namespace PracticeFixture;

class TestDamagedWindow : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    Catalogue m_catalogue;
    QScopedPointer<Contents> m_window;

    // Clicks a control of the main window if the pupil can see it; false otherwise.
    bool clickIfShown(const QString &name)
    {
        QWidget *w = m_window->findChild<QWidget *>(name);
        if (!w || !w->isVisible())
            return false;
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        return true;
    }

    QString shown(const QString &name)
    {
        auto *label = m_window->findChild<QLabel *>(name);
        return label ? label->text() : QStringLiteral("<missing>");
    }

    void startWindow(const StartUpResult &start)
    {
        m_window.reset(new Contents);
        m_window->load(start);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
    }

    // Every tab, every topic of the first subject, the report and its sections.
    void lookAround()
    {
        QVERIFY(clickIfShown(QStringLiteral("Tab01")));
        for (int t = 1; t <= 10; ++t)
            clickIfShown(QStringLiteral("Topic%1").arg(t));
        QVERIFY(clickIfShown(QStringLiteral("ToolBar02")));
        for (int n = 1; n <= 4; ++n)
            clickIfShown(QStringLiteral("lblRCBar%1").arg(n));
        QVERIFY(clickIfShown(QStringLiteral("ToolBar01")));
        for (const char *tab : {"Tab02", "Tab03", "Tab04", "Tab01"})
            QVERIFY(clickIfShown(QLatin1String(tab)));
        QVERIFY(clickIfShown(QStringLiteral("Topic1")));
    }

private slots:
    void initTestCase()
    {
        PracticeWindow::setMarkingStepMs(1);
    }

    void init()
    {
        QVERIFY(freshFolder(m_dir, &m_catalogue));
        PictureCache::clear();
    }

    void cleanup()
    {
        Records::setWriteFaultForTesting(false);
        m_window.reset();
        deletePracticeWindows();
    }

    void damagedResultsFile_data()
    {
        addResultsDamageRows();
    }

    void damagedResultsFile()
    {
        QFETCH(int, file);
        QFETCH(Damage::Kind, kind);
        QVERIFY(fillSampleResults(m_catalogue));
        const Results::File f = Results::File(file);
        const QString path = Results::SubjectFiles(1, m_catalogue.code).path(f);
        if (kind == Missing)
            QVERIFY(QFile::remove(path));
        else
            writeBytes(path, apply(kind, readBytes(path)));

        DialogAnswerer answerer;
        const StartUpResult start = StartUp::prepareContent();
        QMap<QString, QByteArray> before = snapshot();
        startWindow(start);
        lookAround();

        // The only message the start may give is the one about damaged results.
        const QString damaged = StartUp::damagedResultsMessage(start);
        QVERIFY(answerer.messageBoxes.size() <= 1);
        for (const PopUpSeen &box : qAsConst(answerer.messageBoxes))
            QCOMPARE(box.message, damaged);
        QVERIFY(answerer.popUps.isEmpty());
        const int messagesAtStart = answerer.messageBoxes.size();

        // The paper rows show the scores as they could be read.
        const View read = readView(m_catalogue, 1);
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(shown(QStringLiteral("MSA%1").arg(k)),
                     read.value(QStringLiteral("marks FSE")).value(k - 1));
            QCOMPARE(shown(QStringLiteral("MSB%1").arg(k)),
                     read.value(QStringLiteral("marks SSE")).value(k - 1));
        }
        QCOMPARE(snapshot(), before); // looking changes no file

        // Paper 4: answer question 1, mark, close; the row shows the new score.
        QVERIFY(clickIfShown(QStringLiteral("P4a")));
        QPointer<PracticeWindow> w = m_window->practiceWindow();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w.data()));
        const QStringList right = rightAnswers(w->session().paper());
        for (int n = 1; n <= w->session().blankCount(1); ++n)
            box(w, n)->setText(right.at(n - 1));
        answerer.answers = {true, true};
        clickOn(w, QStringLiteral("ToolBar02"));
        QTRY_VERIFY(w->session().isMarked());
        const QString score = w->session().pScoring();
        QVERIFY(!score.isEmpty());
        closeWithYes(w, answerer);
        QTRY_COMPARE(shown(QStringLiteral("MSA4")), score);

        // Paper 2's second take, already marked, opens showing its marks and closes.
        if (clickIfShown(QStringLiteral("P2b"))) {
            QPointer<PracticeWindow> again = m_window->practiceWindow();
            QVERIFY(again);
            QVERIFY(QTest::qWaitForWindowExposed(again.data()));
            closeWithYes(again, answerer);
        }
        QVERIFY(clickIfShown(QStringLiteral("ToolBar02")));
        QCOMPARE(answerer.messageBoxes.size(), messagesAtStart);

        // Only the first subject's files were written.
        QMap<QString, QByteArray> after = snapshot();
        for (int g = Results::Marks; g <= Results::Trend; ++g) {
            after.remove(Results::SubjectFiles(1, m_catalogue.code).fileName(Results::File(g)));
            before.remove(Results::SubjectFiles(1, m_catalogue.code).fileName(Results::File(g)));
        }
        QCOMPARE(after, before);
        QStringList rows;
        for (int k = 1; k <= 5; ++k)
            rows.append(shown(QStringLiteral("MSA%1").arg(k)).left(12));
        qInfo("damage reported by start-up: %s; message boxes shown: %d; topic 1 scores "
              "after marking: %s",
              damaged.isEmpty() ? "no" : "yes", messagesAtStart,
              qPrintable(rows.join(QLatin1Char('|'))));
    }

    void writeFaultInTheWindows()
    {
        // The disk refuses every write: Save, Mark and the reset change no file, the pupil
        // is told, and the typed answers stay in the window until a write succeeds.
        QVERIFY(fillSampleResults(m_catalogue));
        DialogAnswerer answerer;
        startWindow(StartUp::prepareContent());
        QVERIFY(clickIfShown(QStringLiteral("P4a")));
        QPointer<PracticeWindow> w = m_window->practiceWindow();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w.data()));
        box(w, 1)->setText(QStringLiteral("7"));
        const QMap<QString, QByteArray> before = snapshot();
        const QString notSaved = QStringLiteral("Your answers could not be saved (error %1).")
                                     .arg(int(Records::WriteFailed));
        Records::setWriteFaultForTesting(true);
        clickOn(w, QStringLiteral("ToolBar01"));
        QCOMPARE(answerer.messages(), QStringList{notSaved});
        answerer.answers = {true, true};
        clickOn(w, QStringLiteral("ToolBar02"));
        QCOMPARE(answerer.messages(), QStringList({notSaved, notSaved}));
        QVERIFY(!w->session().isMarked());
        QCOMPARE(box(w, 1)->text(), QStringLiteral("7"));
        for (const char *name : {"Tab04", "ToolBar02", "ButTrash", "ButTrash_Yes"})
            QVERIFY(clickIfShown(QLatin1String(name)));
        Records::setWriteFaultForTesting(false);
        QCOMPARE(snapshot(), before);

        answerer.answers = {true, true};
        clickOn(w, QStringLiteral("ToolBar02"));
        QTRY_VERIFY(w->session().isMarked());
        QCOMPARE(Results::readPaperValues(Results::First,
                                          Results::SubjectFiles(1, m_catalogue.code, 30), 104, 1)
                     .at(0),
                 QStringLiteral("7"));
    }

    void damagedCatalogueContent_data()
    {
        QTest::addColumn<Damage::Kind>("kind");
        for (Kind kind : allKinds()) {
            if (kind != Missing)
                QTest::addRow("%s", name(kind)) << kind;
        }
    }

    void damagedCatalogueContent()
    {
        // Damaged content is refused whole: the pupil is told, and only Help remains.
        QFETCH(Damage::Kind, kind);
        const QString path = m_dir->filePath(QStringLiteral("catalogue.txt"));
        writeBytes(path, apply(kind, ResourceStore::resourceBytes(30000)));
        StartUpResult start;
        start.catalogueError = CatalogueReader::readFile(path, &start.catalogue);
        QVERIFY(QFile::remove(path));
        ExtractSkinFiles();
        const QMap<QString, QByteArray> before = snapshot();
        DialogAnswerer answerer;
        startWindow(start);
        if (start.catalogueError) {
            QCOMPARE(answerer.messageBoxes.size(), 1);
            QCOMPARE(answerer.messageBoxes.first().title, QStringLiteral("Content damaged"));
            for (const char *tab : {"Tab01", "Tab02", "Tab03"})
                QVERIFY(m_window->findChild<QWidget *>(QLatin1String(tab))->x() < 0);
            QVERIFY(clickIfShown(QStringLiteral("Tab04")));
            QVERIFY(clickIfShown(QStringLiteral("ToolBar01")));
        } else {
            QVERIFY(answerer.messageBoxes.isEmpty());
            lookAround();
        }
        QCOMPARE(snapshot(), before);
    }
};

int main(int argc, char **argv)
{
    BrowserControl::prepareApplication();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestDamagedWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_damagedwindow.moc"
