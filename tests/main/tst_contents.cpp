// The main window driven through its real controls, offscreen, on the embedded content.

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "records/recordfile.h"
#include "results/resultsbackup.h"
#include "results/resultsfiles.h"
#include "tests/practice/windowdriver.h"
#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"
#include "ui/main/contents.h"
#include "ui/main/homerules.h"
#include "ui/main/reportpdf.h"
#include "ui/practice/practicewindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Results;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestContents : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Contents> m_window;

    template<typename T = QWidget>
    T *child(const QString &name)
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qWarning("no control %s", qPrintable(name));
        return widget;
    }

    void click(const QString &name)
    {
        QWidget *widget = child(name);
        QVERIFY(widget);
        QVERIFY(widget->isVisible());
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    QString caption(const QString &name)
    {
        auto *label = child<QLabel>(name);
        return label ? label->text() : QStringLiteral("<missing>");
    }

    // Frontmost panel under the tab strip.
    QString panelInFront()
    {
        const QPoint point(m_window->width() / 2, child(QStringLiteral("ScnTabBG"))->geometry().bottom() + 40);
        QWidget *w = m_window->childAt(point);
        while (w && !w->objectName().startsWith(QStringLiteral("Body_")))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }

    void setFirstScores(int subject, const QStringList &scores)
    {
        const Catalogue &c = m_window->catalogue();
        MarksLists marks = readMarks(SubjectFiles(subject, c.code, c.paperCount[subject]));
        for (int i = 0; i < scores.size(); ++i)
            marks.FSE[i] = scores.at(i);
        QCOMPARE(writeMarks(SubjectFiles(subject, c.code, c.paperCount[subject]), marks), 0);
    }

    void start(const Catalogue *catalogue = nullptr)
    {
        const StartUpResult content = StartUp::prepareContent();
        m_window.reset(new Contents);
        if (catalogue)
            m_window->loadWithCatalogue(*catalogue);
        else
            m_window->load(content);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
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
    }

    void startsOnFirstSubjectHome()
    {
        QCOMPARE(m_window->selection().LChose, 1);
        QCOMPARE(m_window->txtTabPos(), 1);
        QCOMPARE(caption(QStringLiteral("Tab01lbl")), QStringLiteral("English"));
        QCOMPARE(caption(QStringLiteral("Tab04lbl")), QStringLiteral("Help"));
        QCOMPARE(child(QStringLiteral("Tab02"))->toolTip(), QStringLiteral("Load Mathematics Module"));
        QCOMPARE(panelInFront(), QStringLiteral("Body_Home"));
        QCOMPARE(caption(QStringLiteral("SubH1")), QStringLiteral("Grammar"));
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("temptext30000.txt"))));
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("Graphics/pencil.ico"))));
    }

    void toolbarFollowsTab_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("firstTip");
        QTest::newRow("subject") << "Tab02" << QStringList({"Home", "Report", "Print", "Close"})
                                 << "Load Home page";
        QTest::newRow("help") << "Tab04" << QStringList({"About", "Trash", "Pupils", "Setup"})
                              << "About Quorvel";
    }

    void toolbarFollowsTab()
    {
        QFETCH(QString, tab);
        QFETCH(QStringList, captions);
        QFETCH(QString, firstTip);
        click(tab);
        m_window->pollNow();
        for (int n = 1; n <= 4; ++n) {
            auto *button = child<PictureButton>(QStringLiteral("ToolBar0%1").arg(n));
            QVERIFY(button);
            if (captions.at(n - 1).isEmpty()) {
                QVERIFY(!button->isVisible());
                continue;
            }
            QCOMPARE(caption(QStringLiteral("lblTB0%1").arg(n)), captions.at(n - 1));
        }
        QCOMPARE(child(QStringLiteral("ToolBar01"))->toolTip(), firstTip);
        QCOMPARE(child(QStringLiteral("lblTB01"))->toolTip(), firstTip);
    }

    void helpTabKeepsSubject()
    {
        click(QStringLiteral("Tab03"));
        QCOMPARE(m_window->selection().LChose, 3);
        click(QStringLiteral("Tab04"));
        QCOMPARE(m_window->selection().LChose, 3);
        QCOMPARE(panelInFront(), QStringLiteral("Body_About"));
        click(QStringLiteral("Tab03lbl"));
        QCOMPARE(m_window->txtTabPos(), 3);
        QCOMPARE(panelInFront(), QStringLiteral("Body_Home"));
    }

    void topicsVisibleByCount_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("count");
        QTest::newRow("six topics") << "Tab01" << 6;
        QTest::newRow("seven topics") << "Tab02" << 7;
    }

    void topicsVisibleByCount()
    {
        QFETCH(QString, tab);
        QFETCH(int, count);
        click(tab);
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(child(QStringLiteral("Topic%1").arg(n))->isVisible(), n <= count);
            QCOMPARE(child(QStringLiteral("Bullet%1").arg(n))->isVisible(), n <= count);
        }
    }

    void paperRowsOfferTryAgain_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<bool>("offered");
        QTest::newRow("not taken") << "" << false;
        QTest::newRow("99") << "99" << true;
        QTest::newRow("99.5") << "99.5" << false;
        QTest::newRow("100") << "100" << false;
        QTest::newRow("40") << "40" << true;
    }

    void paperRowsOfferTryAgain()
    {
        QFETCH(QString, score);
        QFETCH(bool, offered);
        setFirstScores(1, {QString(), QString(), QString(), QString(), QString(), score});
        click(QStringLiteral("Tab01"));
        click(QStringLiteral("Topic2"));
        QCOMPARE(caption(QStringLiteral("SubH1")), QStringLiteral("Vocabulary"));
        QCOMPARE(caption(QStringLiteral("MSA1")), score);
        QCOMPARE(child(QStringLiteral("P1b"))->isVisible(), offered);
        QVERIFY(child(QStringLiteral("P1a"))->isVisible());
        QLabel *label = child<QLabel>(QStringLiteral("MSA1"));
        const int percentLeft = child(QStringLiteral("Percent1a"))->x();
        if (score.isEmpty())
            QCOMPARE(label->x(), percentLeft);
        else
            QVERIFY(label->geometry().right() < percentLeft
                    && label->geometry().right() >= percentLeft - 4);
    }

    // A topic's name is read whole in its row, on one line or wrapped onto two.
    void topicNamesShowWhole_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::newRow("English") << "Tab01";
        QTest::newRow("Mathematics") << "Tab02";
        QTest::newRow("Science") << "Tab03";
    }

    void topicNamesShowWhole()
    {
        QFETCH(QString, tab);
        click(tab);
        for (int n = 1; n <= 10; ++n) {
            auto *topic = child<QLabel>(QStringLiteral("Topic%1").arg(n));
            if (!topic->isVisible())
                continue;
            const int needed = topic->heightForWidth(topic->width());
            QVERIFY2(needed <= topic->height(),
                     qPrintable(topic->text() + QStringLiteral(": ") + QString::number(needed)));
        }
        // And in the report's topical results.
        click(QStringLiteral("ToolBar02"));
        click(QStringLiteral("lblRCBar2"));
        for (int n = 1; n <= 10; ++n) {
            auto *name = child<QLabel>(QStringLiteral("TopLab%1").arg(n));
            if (!name->isVisibleTo(m_window.data()))
                continue;
            QCOMPARE(name->text(), child<QLabel>(QStringLiteral("Topic%1").arg(n))->text());
            const int needed = name->heightForWidth(name->width());
            QVERIFY2(needed <= name->height(),
                     qPrintable(name->text() + QStringLiteral(": ") + QString::number(needed)));
        }
    }

    void paperHeadingShowsTheWholeTopic_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("lines");
        QTest::newRow("short name") << "Tab01" << "Topic1" << "Grammar" << 1;
        QTest::newRow("long name") << "Tab02" << "Topic1"
                                   << "Addition and Subtraction within 10000" << 2;
        QTest::newRow("longest name") << "Tab03" << "Topic4"
                                      << "Organs and Systems in Animals and Plants" << 2;
    }

    void paperHeadingShowsTheWholeTopic()
    {
        QFETCH(QString, tab);
        QFETCH(QString, topic);
        QFETCH(QString, heading);
        QFETCH(int, lines);
        click(tab);
        click(topic);
        QLabel *head = child<QLabel>(QStringLiteral("SubH1"));
        QCOMPARE(head->text(), heading);
        // Every word is inside the label: wrapped, it needs no more room than it has.
        QVERIFY(head->wordWrap());
        const int needed = head->heightForWidth(head->width());
        QVERIFY2(needed <= head->height(), qPrintable(QString::number(needed)));
        const int lineHeight = head->fontMetrics().lineSpacing();
        QCOMPARE((needed + lineHeight / 2) / lineHeight, lines);
        // The rows start below it and the last one still ends inside the panel.
        QVERIFY(child(QStringLiteral("LblP1"))->y() >= head->geometry().bottom());
        QVERIFY(child(QStringLiteral("P1a"))->y() >= head->geometry().bottom());
        QCOMPARE(child(QStringLiteral("LblP1"))->y(),
                 HomeRules::paperRowTop(1, lines, lineHeight));
        QWidget *panel = child(QStringLiteral("Body_Home"));
        QVERIFY(child(QStringLiteral("P5b"))->geometry().bottom() < panel->height());
        QVERIFY(child(QStringLiteral("MSB5"))->geometry().bottom() < panel->height());
    }

    void openPaperSetsSelection()
    {
        click(QStringLiteral("Topic2"));
        click(QStringLiteral("P3a"));
        QCOMPARE(m_window->selection().TopicCount, 6);
        QCOMPARE(m_window->selection().PaperNum, 108);
        QCOMPARE(m_window->selection().TakeNum, 1);
        QPointer<PracticeWindow> first = m_window->practiceWindow();
        QVERIFY(first);
        QVERIFY(first->inherits("Test1"));
        const PaperSelection s = first->session().selection();
        QCOMPARE(s.PaperNum, 108);
        QCOMPARE(s.SubH1, QStringLiteral("Vocabulary"));
        QCOMPARE(s.TtPapersCon, 30);
        QCOMPARE(s.paperInTopic(), 3);

        // Opening another paper closes the first window before the new one shows.
        setFirstScores(1, QStringList(7, QString()) << QStringLiteral("50"));
        click(QStringLiteral("Tab01"));
        click(QStringLiteral("Topic2"));
        click(QStringLiteral("P3b"));
        QTRY_VERIFY(!first);
        QVERIFY(m_window->practiceWindow());
        QVERIFY(m_window->practiceWindow()->inherits("Test2"));
        QCOMPARE(m_window->selection().TakeNum, 2);
        QCOMPARE(m_window->practiceWindow()->session().selection().PaperNum, 108);

        // Closing the main window closes the practice window with it.
        QPointer<PracticeWindow> second = m_window->practiceWindow();
        m_window->close();
        QTRY_VERIFY(!second);
    }

    // From the start (the first subject tab holds the focus), keys alone.
    void keysMoveAndAct_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("tabPos");
        QTest::addColumn<int>("topicCount");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("pupilName"); // in the Pupils panel's Name box
        QTest::newRow("starts on the first tab") << "" << "Tab01" << 1 << 1 << "Body_Home" << "";
        QTest::newRow("Tab to the toolbar") << "Tab" << "ToolBar01" << 1 << 1 << "Body_Home" << "";
        QTest::newRow("Tab to the topics") << "Tab, Tab" << "Topic1" << 1 << 1 << "Body_Home"
                                           << "";
        QTest::newRow("Tab to the papers") << "Tab, Tab, Tab" << "P1a" << 1 << 1 << "Body_Home"
                                           << "";
        QTest::newRow("Tab on to the suggested paper") << "Tab, Tab, Tab, Tab" << "NextPaper"
                                                       << 1 << 1 << "Body_Home" << "";
        QTest::newRow("Tab round to the tabs") << "Tab, Tab, Tab, Tab, Tab" << "Tab01" << 1 << 1
                                               << "Body_Home" << "";
        QTest::newRow("Shift+Tab round to the last") << "Shift+Tab" << "NextPaper" << 1 << 1
                                                     << "Body_Home" << "";
        QTest::newRow("Shift+Tab back to the papers") << "Shift+Tab, Shift+Tab" << "P1a" << 1
                                                      << 1 << "Body_Home" << "";
        QTest::newRow("Right along the tabs") << "Right" << "Tab02" << 1 << 1 << "Body_Home" << "";
        QTest::newRow("Down the topics") << "Tab, Tab, Down, Down" << "Topic3" << 1 << 1
                                         << "Body_Home" << "";
        QTest::newRow("Up stops at the first topic") << "Tab, Tab, Up" << "Topic1" << 1 << 1
                                                     << "Body_Home" << "";
        QTest::newRow("Down the papers over hidden ones") << "Tab, Tab, Tab, Down" << "P2a" << 1
                                                          << 1 << "Body_Home" << "";
        QTest::newRow("Enter chooses a topic") << "Tab, Tab, Down, Return" << "Topic2" << 1 << 6
                                               << "Body_Home" << "";
        QTest::newRow("Space chooses a topic") << "Tab, Tab, Down, Down, Space" << "Topic3" << 1
                                               << 11 << "Body_Home" << "";
        QTest::newRow("the topic group keeps its place") << "Tab, Tab, Down, Tab, Shift+Tab"
                                                         << "Topic2" << 1 << 1 << "Body_Home"
                                                         << "";
        QTest::newRow("Enter on a tab opens its subject") << "Right, Return" << "Tab02" << 2 << 1
                                                          << "Body_Home" << "";
        QTest::newRow("Space on Report shows the report") << "Tab, Right, Space" << "ToolBar02"
                                                          << 1 << 1 << "Body_Report" << "";
        QTest::newRow("Tab skips the covered Home panel") << "Tab, Right, Return, Tab"
                                                          << "ButSavePdf" << 1 << 1
                                                          << "Body_Report" << "";
        QTest::newRow("Enter on a report bar, topic names take no focus")
            << "Tab, Right, Return, Tab, Tab, Tab, Return, Tab, Tab" << "Tab01" << 1 << 1
            << "Body_Report" << "";
        QTest::newRow("Help tab shows About") << "Right, Right, Right, Return" << "Tab04" << 4
                                              << 1 << "Body_About" << "";
        // Help, then Pupils (the toolbar's third position), by keys.
        const QString pupils = QStringLiteral("Right, Right, Right, Return, Tab, Right, Right, "
                                              "Return, ");
        QTest::newRow("Tab to the pupil list, choosing no one") << pupils + "Tab" << "PupilList"
                                                                << 4 << 1 << "Body_Pupils" << "";
        QTest::newRow("Down in the list chooses a pupil") << pupils + "Tab, Down" << "PupilList"
                                                          << 4 << 1 << "Body_Pupils"
                                                          << "Pupil 1";
        QTest::newRow("Tab on to the name and Add") << pupils + "Tab, Tab, Tab" << "ButPupilAdd"
                                                    << 4 << 1 << "Body_Pupils" << "";
        QTest::newRow("Tab from button to button") << pupils + "Tab, Tab, Tab, Tab"
                                                   << "ButPupilRename" << 4 << 1
                                                   << "Body_Pupils" << "";
        QTest::newRow("arrows along the pupil buttons") << pupils + "Tab, Tab, Tab, Down, Down"
                                                        << "ButPupilRemove" << 4 << 1
                                                        << "Body_Pupils" << "";
        QTest::newRow("Up stops at Add") << pupils + "Tab, Tab, Tab, Up" << "ButPupilAdd" << 4
                                         << 1 << "Body_Pupils" << "";
        QTest::newRow("Tab from the last pupil button round to the tabs")
            << pupils + "Shift+Tab, Shift+Tab, Tab" << "Tab04" << 4 << 1 << "Body_Pupils"
            << "";
        QTest::newRow("Shift+Tab to the last pupil button") << pupils + "Shift+Tab, Shift+Tab"
                                                            << "ButPupilSwitch" << 4 << 1
                                                            << "Body_Pupils" << "";
        QTest::newRow("Escape backs out of renaming") << pupils + "Tab, Down, Tab, Escape"
                                                      << "PupilName" << 4 << 1
                                                      << "Body_Pupils" << "";
        QTest::newRow("Escape backs out of removing")
            << pupils + "Tab, Down, Tab, Tab, Down, Down, Return, Escape" << "ButPupilRemove"
            << 4 << 1 << "Body_Pupils" << "";
        QTest::newRow("Escape in the list backs out") << pupils + "Tab, Down, Escape"
                                                      << "PupilList" << 4 << 1
                                                      << "Body_Pupils" << "";
        QTest::newRow("Space on Add with a name typed")
            << pupils + "Tab, Tab, B, Tab, Space" << "ButPupilAdd" << 4 << 1 << "Body_Pupils"
            << "";
    }

    void keysMoveAndAct()
    {
        QFETCH(QString, keys);
        QVERIFY(QTest::qWaitForWindowActive(m_window.data()));
        pressKeys(m_window.data(), keys);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QTEST(m_window->txtTabPos(), "tabPos");
        QTEST(m_window->selection().TopicCount, "topicCount");
        QTEST(panelInFront(), "panel");
        QTEST(child<QLineEdit>(QStringLiteral("PupilName"))->text(), "pupilName");
        // The report's topic names.
        const QRegularExpression topicNames(QStringLiteral("^TopLab"));
        for (QLabel *name : m_window->findChildren<QLabel *>(topicNames)) {
            const QString before = name->text();
            QTest::keyClick(name, Qt::Key_X);
            QCOMPARE(name->text(), before);
            QVERIFY(!name->hasFocus());
        }
    }

    // A whole paper without the mouse: opened, every blank answered, saved, marked and
    // closed, pop-ups answered with Enter.
    void wholePaperByKeys()
    {
        PracticeWindow::setMarkingStepMs(20);
        DialogAnswerer answerer;
        answerer.byKeys = true;
        QVERIFY(QTest::qWaitForWindowActive(m_window.data()));
        pressKeys(m_window.data(), "Tab, Tab, Tab, Return");
        QPointer<PracticeWindow> w = m_window->practiceWindow();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        const PracticeSession &s = w->session();
        const PaperSelection sel = s.selection();
        QCOMPARE(sel.PaperNum, 101);
        const QStringList answers = PracticeFixture::rightAnswers(s.paper());
        for (int q = 1; q <= s.questionCount(); ++q) {
            QCOMPARE(w->QSCount().toInt(), q);
            if (s.blankCount(q) == 0 && q < s.questionCount())
                pressKeys(w, "Alt+Right");
            for (int b = 1; b <= s.blankCount(q); ++b) {
                typeText(w->focusWidget(), answers.at(s.blankOffset(q) + b - 1));
                pressKeys(w, "Return");
            }
        }
        QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("ToolBar02"));

        pressKeys(w, "Ctrl+S");
        QCOMPARE(answerer.messages(), QStringList{"Paper saved"});
        QCOMPARE(recordLine(Results::First, sel),
                 QStringLiteral("#101#>") + answers.join(QLatin1Char('>')));

        pressKeys(w, "Return"); // on Mark
        QTRY_VERIFY(s.isMarked());
        QCOMPARE(answerer.popUps.last().title, QStringLiteral("Marking"));
        const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
        QCOMPARE(marks.FSE.at(0), QStringLiteral("100"));
        QVERIFY(!recordLine(Results::FResults, sel).toLatin1().contains('\xfb'));

        QVERIFY(QTest::qWaitForWindowActive(w));
        pressKeys(w, "Esc");
        QTRY_VERIFY(!w);
        QCOMPARE(answerer.popUps.last().title, QStringLiteral("Close Practice"));
        QCOMPARE(caption(QStringLiteral("MSA1")), QStringLiteral("100"));
        QVERIFY(PracticeFixture::pageFiles().isEmpty());
    }

    void refreshKeepsTopicAndShowsNewScore()
    {
        click(QStringLiteral("Tab02"));
        click(QStringLiteral("Topic3"));
        setFirstScores(2, QStringList(10, QString()) << QStringLiteral("72.5"));
        m_window->RefreshContents();
        QCOMPARE(m_window->selection().TopicCount, 11);
        QCOMPARE(caption(QStringLiteral("MSA1")), QStringLiteral("72.5"));
        QVERIFY(child(QStringLiteral("P1b"))->isVisible());
    }

    void twoSubjectEdition()
    {
        Catalogue catalogue = m_window->catalogue();
        catalogue.subjectName[2].clear();
        start(&catalogue);
        const int left1 = child(QStringLiteral("Tab01"))->x();
        QCOMPARE(left1, 2);
        QVERIFY(child(QStringLiteral("Tab02"))->x() < 0);
        QCOMPARE(child(QStringLiteral("Tab03"))->x(), 2 + child(QStringLiteral("Tab01"))->width() - 4);
        QCOMPARE(child(QStringLiteral("Tab04"))->x(),
                 child(QStringLiteral("Tab03"))->x() + child(QStringLiteral("Tab03"))->width() - 4);
        // The keys pass over the tab out of view.
        QVERIFY(QTest::qWaitForWindowActive(m_window.data()));
        child(QStringLiteral("Tab01"))->setFocus();
        pressKeys(m_window.data(), QStringLiteral("Right"));
        QCOMPARE(QApplication::focusWidget(), child(QStringLiteral("Tab03")));
    }

    void resetPanelStatesAndFiles()
    {
        setFirstScores(1, {QStringLiteral("80")});
        const QString marks = SubjectFiles(1, m_window->catalogue().code).path(Marks);
        const QByteArray taken = readBytes(marks);
        click(QStringLiteral("Tab04"));
        click(QStringLiteral("ToolBar02"));
        QCOMPARE(panelInFront(), QStringLiteral("Body_Trash"));
        QVERIFY(child(QStringLiteral("Trashlbl1"))->isVisible());
        click(QStringLiteral("ButTrash"));
        QVERIFY(child(QStringLiteral("Trashlbl2"))->isVisible());
        QVERIFY(!child(QStringLiteral("ButTrash"))->isVisible());
        click(QStringLiteral("ButTrash_No"));
        QVERIFY(child(QStringLiteral("Trashlbl1"))->isVisible());
        QCOMPARE(readBytes(marks), taken);
        click(QStringLiteral("ButTrashlbl"));
        click(QStringLiteral("ButTrash_Yes"));
        QVERIFY(child(QStringLiteral("Trashlbl3"))->isVisible());
        QVERIFY(!child(QStringLiteral("ButTrash_Yes"))->isVisible());
        QCOMPARE(readBytes(marks), ResourceStore::resourceBytes(templateId(Marks, 1)));
        click(QStringLiteral("ToolBar02"));
        QVERIFY(child(QStringLiteral("Trashlbl1"))->isVisible());
        QVERIFY(!child(QStringLiteral("Trashlbl3"))->isVisible());
        click(QStringLiteral("Tab01"));
        QCOMPARE(caption(QStringLiteral("MSA1")), QString());
        QVERIFY(!child(QStringLiteral("P1b"))->isVisible());
    }

    void failedResetKeepsResultsAndSaysSo()
    {
        setFirstScores(1, {QStringLiteral("80")});
        const QString marks = SubjectFiles(1, m_window->catalogue().code).path(Marks);
        const QByteArray taken = readBytes(marks);
        // A copy of these very files is kept already, so the reset makes no new one and the
        // fault meets the erase itself.
        QCOMPARE(ResultsBackup::makeBackup(m_dir->path(),
                                           ResultsBackup::resultFileNames(m_window->catalogue()),
                                           QDateTime::currentDateTime()),
                 0);
        DialogAnswerer answerer;
        click(QStringLiteral("Tab04"));
        click(QStringLiteral("ToolBar02"));
        click(QStringLiteral("ButTrash"));
        Records::setWriteFaultForTesting(true);
        click(QStringLiteral("ButTrash_Yes"));
        Records::setWriteFaultForTesting(false);
        QTRY_COMPARE(answerer.messageBoxes.size(), 1);
        QCOMPARE(answerer.messageBoxes.first().title, QStringLiteral("Results not erased"));
        QVERIFY(child(QStringLiteral("Trashlbl1"))->isVisible());
        QVERIFY(!child(QStringLiteral("Trashlbl3"))->isVisible());
        QCOMPARE(readBytes(marks), taken);
    }

    // A reset keeps a copy that the Trash panel offers to put back; "No" keeps today's files.
    void restoreFromTrashPanel_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("restored") << true;
        QTest::newRow("declined") << false;
    }

    void restoreFromTrashPanel()
    {
        QFETCH(bool, yes);
        setFirstScores(1, {QStringLiteral("80")});
        const QString marks = SubjectFiles(1, m_window->catalogue().code).path(Marks);
        const QByteArray taken = readBytes(marks);
        click(QStringLiteral("Tab04"));
        click(QStringLiteral("ToolBar02"));
        QVERIFY(!child(QStringLiteral("ButRestore1"))->isVisible());
        click(QStringLiteral("ButTrash"));
        click(QStringLiteral("ButTrash_Yes"));
        QVERIFY(!child(QStringLiteral("ButRestore1"))->isVisible());
        click(QStringLiteral("ToolBar02"));
        QVERIFY(child(QStringLiteral("Restorelbl1"))->isVisible());
        QVERIFY(!child(QStringLiteral("ButRestore2"))->isVisible());
        QCOMPARE(child(QStringLiteral("ButRestore1"))->accessibleName(),
                 QStringLiteral("Restore"));
        setFirstScores(2, {QStringLiteral("50")});
        const QString marks2 = SubjectFiles(2, m_window->catalogue().code).path(Marks);
        const QByteArray since = readBytes(marks2);
        DialogAnswerer answerer;
        answerer.answers = {yes, true};
        click(QStringLiteral("ButRestore1lbl"));
        QTRY_COMPARE(answerer.popUps.size(), yes ? 2 : 1);
        QVERIFY2(answerer.popUps.first().message.contains(QStringLiteral("1 paper was marked")),
                 qPrintable(answerer.popUps.first().message));
        QCOMPARE(readBytes(marks),
                 yes ? taken : ResourceStore::resourceBytes(templateId(Marks, 1)));
        QCOMPARE(readBytes(marks2) == since, !yes);
        if (yes)
            QCOMPARE(answerer.popUps.last().title, QStringLiteral("Results restored"));
        click(QStringLiteral("Tab01"));
        QCOMPARE(caption(QStringLiteral("MSA1")), yes ? QStringLiteral("80") : QString());
    }

    void failedBackupStopsReset()
    {
        setFirstScores(1, {QStringLiteral("80")});
        const QString marks = SubjectFiles(1, m_window->catalogue().code).path(Marks);
        const QByteArray taken = readBytes(marks);
        QFile blocker(m_dir->filePath(QStringLiteral("backups")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        DialogAnswerer answerer;
        click(QStringLiteral("Tab04"));
        click(QStringLiteral("ToolBar02"));
        click(QStringLiteral("ButTrash"));
        click(QStringLiteral("ButTrash_Yes"));
        QTRY_COMPARE(answerer.popUps.size(), 1);
        QCOMPARE(answerer.popUps.first().title, QStringLiteral("Results not erased"));
        QVERIFY(child(QStringLiteral("Trashlbl1"))->isVisible());
        QCOMPARE(readBytes(marks), taken);
    }

    // The Home panel's suggestion, below the topics and clear of the paper rows, opens the
    // paper it names.
    void suggestionOpensPaper_data()
    {
        QTest::addColumn<QStringList>("scores"); // first-take scores of English, from paper 1
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("paperNum");
        QTest::addColumn<int>("take");
        QTest::newRow("nothing taken")
            << QStringList() << "Try paper 1 of Grammar next" << 101 << 1;
        QTest::newRow("weakest topic")
            << QStringList{"80", "", "", "", "", "60"}
            << "Try paper 2 of Vocabulary, your weakest topic" << 107 << 1;
        QStringList allTaken(30, QStringLiteral("100"));
        allTaken[7] = QStringLiteral("40");
        QTest::newRow("every paper taken") << allTaken << "Try paper 3 of Vocabulary again"
                                           << 108 << 2;
    }

    void suggestionOpensPaper()
    {
        QFETCH(QStringList, scores);
        QFETCH(QString, text);
        QFETCH(int, paperNum);
        QFETCH(int, take);
        setFirstScores(1, scores);
        click(QStringLiteral("Tab01"));
        QCOMPARE(caption(QStringLiteral("NextPaperlbl")), text);
        QWidget *button = child(QStringLiteral("NextPaper"));
        QCOMPARE(button->accessibleName(), QStringLiteral("Open the paper to practise next"));
        QVERIFY(button->geometry().right() < child(QStringLiteral("LblP1"))->x());
        QVERIFY(child(QStringLiteral("ColHead3"))->y()
                > child(QStringLiteral("Topic6"))->geometry().bottom());
        QVERIFY(button->geometry().bottom() < child(QStringLiteral("Body_Home"))->height());
        click(QStringLiteral("NextPaper"));
        QCOMPARE(m_window->selection().PaperNum, paperNum);
        QCOMPARE(m_window->selection().TakeNum, take);
        QVERIFY(m_window->practiceWindow());
        QCOMPARE(m_window->practiceWindow()->session().selection().PaperNum, paperNum);
        QCOMPARE(m_window->selection().SubH1,
                 text.section(QLatin1Char(' '), 4, 4).remove(QLatin1Char(',')));
    }

    // The report saved as PDF holds every figure the panel shows, on A4.
    void savedPdfHoldsPanelFigures_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::newRow("nothing taken") << QStringList() << QStringList();
        QTest::newRow("first and second takes")
            << QStringList{"80", "90", "", "", "", "70", "", "", "", "", "62.5"}
            << QStringList{"100", "", "", "", "", "85"};
    }

    void savedPdfHoldsPanelFigures()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        setFirstScores(1, first);
        const Catalogue &c = m_window->catalogue();
        const SubjectFiles files(1, c.code, c.paperCount[1]);
        MarksLists marks = readMarks(files);
        for (int i = 0; i < second.size(); ++i)
            marks.SSE[i] = second.at(i);
        QCOMPARE(writeMarks(files, marks), 0);
        click(QStringLiteral("Tab01"));
        click(QStringLiteral("ToolBar02"));
        const QString pdf = m_dir->filePath(QStringLiteral("saved report"));
        QString suggested;
        ReportPdf::setSaveDialogHook([&](QWidget *, const QString &path) {
            suggested = path;
            return pdf;
        });
        click(QStringLiteral("ButSavePdflbl"));
        ReportPdf::setSaveDialogHook({});
        QCOMPARE(QFileInfo(suggested).fileName(),
                 QStringLiteral("Report English %1.pdf")
                     .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf + QStringLiteral(".pdf")});
        QVERIFY(info.waitForFinished(20000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("(A4)")));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {pdf + QStringLiteral(".pdf"), QStringLiteral("-")});
        QVERIFY(text.waitForFinished(20000));
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        QStringList shown;
        for (const QString &name : {"OScore1", "OScore2", "PCNum", "WT", "ST"})
            shown << caption(name).trimmed();
        for (int i = 1; i <= 10; ++i) {
            if (!child(QStringLiteral("TopLab%1").arg(i))->isVisibleTo(m_window.data()))
                continue;
            shown << child<QLabel>(QStringLiteral("TopLab%1").arg(i))->text();
            for (const QString &side : {"A", "B"})
                shown << caption(QStringLiteral("TMark%1%2").arg(i).arg(side));
        }
        shown << QStringLiteral("Trend Analysis") << QStringLiteral("Recent Papers Attempted");
        shown.removeAll(QString());
        QVERIFY(shown.size() >= 13);
        for (const QString &figure : shown)
            QVERIFY2(read.contains(figure), qPrintable(figure + QStringLiteral(" in ") + read));
    }

    void pdfNotSaved_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("popUps");
        QTest::newRow("dialog cancelled") << "" << 0;
        QTest::newRow("folder missing") << "no such folder/report.pdf" << 1;
    }

    void pdfNotSaved()
    {
        QFETCH(QString, answer);
        QFETCH(int, popUps);
        click(QStringLiteral("ToolBar02"));
        const QString path = answer.isEmpty() ? answer : m_dir->filePath(answer);
        ReportPdf::setSaveDialogHook([&](QWidget *, const QString &) { return path; });
        DialogAnswerer answerer;
        click(QStringLiteral("ButSavePdf"));
        ReportPdf::setSaveDialogHook({});
        QTest::qWait(200);
        QCOMPARE(answerer.popUps.size(), popUps);
        if (popUps)
            QCOMPARE(answerer.popUps.first().title, QStringLiteral("Report not saved"));
        QVERIFY(!QFile::exists(path));
    }

    void reportShowsFigures()
    {
        setFirstScores(1, {QStringLiteral("80"), QStringLiteral("90"), QString(), QString(),
                           QString(), QStringLiteral("70")});
        click(QStringLiteral("ToolBar02"));
        QCOMPARE(panelInFront(), QStringLiteral("Body_Report"));
        QCOMPARE(caption(QStringLiteral("OScore1")), QStringLiteral("80%"));
        QCOMPARE(caption(QStringLiteral("OScore2")), QStringLiteral("-"));
        QCOMPARE(caption(QStringLiteral("PCNum")), QStringLiteral("3 / 30"));
        QCOMPARE(caption(QStringLiteral("WT")), QStringLiteral("Vocabulary "));
        QCOMPARE(caption(QStringLiteral("ST")), QStringLiteral("Grammar "));
        QCOMPARE(caption(QStringLiteral("TMark1A")), QStringLiteral("85%"));
        click(QStringLiteral("lblRCBar2"));
        QCOMPARE(m_window->txtReportPos(), 2);
        QVERIFY(child(QStringLiteral("TopLab6"))->isVisible());
        QVERIFY(!child(QStringLiteral("TopLab7"))->isVisible());
        click(QStringLiteral("Tab01"));
        QCOMPARE(m_window->txtReportPos(), 1);
        QCOMPARE(panelInFront(), QStringLiteral("Body_Home"));
    }

    // A label that shows a value says it to a screen reader: its name is the description and
    // the value, and its text interface gives the value.
    void valueLabelsReadTheirValue_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("report");
        QTest::addColumn<bool>("taken");
        QTest::newRow("topic heading") << "SubH1" << "Topic" << false << false;
        QTest::newRow("first score, not taken") << "MSA1" << "First attempt score, paper 1"
                                                << false << false;
        QTest::newRow("first score, taken") << "MSA1" << "First attempt score, paper 1"
                                            << false << true;
        QTest::newRow("second score") << "MSB2" << "Second attempt score, paper 2" << false
                                      << false;
        QTest::newRow("first average, none") << "OScore1" << "First Attempt Average Score"
                                             << true << false;
        QTest::newRow("first average, taken") << "OScore1" << "First Attempt Average Score"
                                              << true << true;
        QTest::newRow("papers completed") << "PCNum" << "Number of Papers Completed" << true
                                          << true;
        QTest::newRow("weakest topic") << "WT" << "Weakest Topic" << true << true;
        QTest::newRow("strongest topic") << "ST" << "Strongest Topic" << true << true;
        QTest::newRow("topical average") << "TMark1A" << "Grammar, first attempt" << true
                                         << true;
    }

    void valueLabelsReadTheirValue()
    {
        QFETCH(QString, label);
        QFETCH(QString, description);
        QFETCH(bool, report);
        QFETCH(bool, taken);
        if (taken)
            setFirstScores(1, {"80", "90", "", "", "", "70"});
        click(QStringLiteral("Tab01"));
        if (report)
            click(QStringLiteral("ToolBar02"));
        QLabel *shown = m_window->findChild<QLabel *>(label);
        QVERIFY(shown);
        const QString value = shown->text();
        QCOMPARE(value.isEmpty(), !taken && label != QStringLiteral("SubH1")
                                      && label != QStringLiteral("OScore1"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(shown);
        QVERIFY(iface);
        // The topic names carry the report's trailing space; the name reads without it.
        QCOMPARE(iface->text(QAccessible::Name),
                 value.isEmpty() ? description
                                 : description + QStringLiteral(": ") + value.trimmed());
        QAccessibleTextInterface *text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), value);
    }

};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestContents contents;
    return QTest::qExec(&contents, argc, argv);
}

#include "tst_contents.moc"
