// The practice windows as a pupil uses them: a whole take on the real content, the answer
// sheet's rows, page files, the page guard, the layout, the second take, and closing by
// every path without losing what was typed.

#include "pdfprinthook.h"
#include "practicefixture.h"
#include "windowdriver.h"

#include "app/resourcestore.h"
#include "results/resulttexts.h"
#include "ui/chrome/chromegeometry.h"
#include "ui/practice/browsercontrol.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/readaloudspeaker.h"
#include "ui/practice/readaloudtext.h"
#include "ui/practice/test2.h"
#include "ui/practice/zoomcontrol.h"
#include "ui/practice/zoomsteps.h"
#include "results/zoomsetting.h"

#include <QComboBox>
#include <QCursor>
#include <QScrollArea>
#include <QScrollBar>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>

using namespace PracticeFixture;
using ChromeGeometry::twipsToPixels;

namespace {

// A paper of our own on real pages: question 1 has one blank, 2 fifteen, 3 a long answer,
// 4 a fraction and a number, 5 sixteen, 6 three multiple-choice blanks.
PaperData shapedPaper()
{
    PaperData real;
    PaperLookup::lookUp(2, 101, &real);
    PaperData p;
    const QList<QStringList> codes = {
        {"T"}, QStringList(15, "T"), {"L"}, {"F", "N"}, QStringList(16, "N"), {"Q", "Q", "Q"}};
    for (int q = 0; q < codes.size(); ++q) {
        p.questionIds.append(real.questionIds.at(q));
        p.blankCounts.append(codes.at(q).size());
        for (const QString &code : codes.at(q)) {
            p.answerCodes.append(code);
            p.answerKey.append(code == "F" ? "3/4" : code == "Q" ? "2" : code == "N" ? "7"
                                                                                      : "cat");
            p.blankMarks.append("1");
        }
    }
    p.totalBlanks = p.answerKey.size();
    p.totalMarks = p.totalBlanks;
    return p;
}

} // namespace

class TestPracticeWindow : public QObject, private PaperFolder
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PracticeWindow::setMarkingStepMs(20);
    }

    void init()
    {
        QVERIFY(startWindowTest(this));
    }

    void cleanup()
    {
        deletePracticeWindows();
        QTRY_VERIFY(QApplication::topLevelWidgets().size() < 50);
    }

    void wholeTakeOnTheRealContent();
    void rowsOfAQuestion_data();
    void rowsOfAQuestion();
    void answerBoxTakes_data();
    void answerBoxTakes();
    void oneRowsCommitOnly();
    void pageFileFollowsTheQuestion_data();
    void pageFileFollowsTheQuestion();
    void guardOnThePage_data();
    void guardOnThePage();
    void guardFollowsTheQuestion_data();
    void guardFollowsTheQuestion();
    void layoutPass_data();
    void layoutPass();
    void foldingTheSheet();
    void cornerResizeKeepsTheMinimum();
    void frameFollowsTheSize();
    void cornerGripAndEdgeZones();
    void foldingWidensThePageByTheSheet();
    void markingAnimationTakesNoInput();
    void emptyBlankPromptAndDecline();
    void printsTheQuestionPage();
    void controlsHaveNames();
    void keysInThePracticeWindow_data();
    void keysInThePracticeWindow();
    void pageSizeFollowsTheKeys_data();
    void pageSizeFollowsTheKeys();
    void pageSizeNotKeptIsSaid();
    void readAloud_data();
    void readAloud();

private:
    PracticeWindow *openShaped(int question);
    void waitForGuard(PracticeWindow *w);
};

// A voice that records what it is given; "broken" plays an engine in its error state, from
// the start or from the first thing it is asked to say.
class FakeSpeaker : public ReadAloudSpeaker
{
public:
    enum Health { Working, BrokenFromStart, BreaksOnSpeaking };
    static inline Health health = Working;
    static inline QStringList said;
    static inline int stops = 0;

    bool ready() const override { return m_health == Working; }
    bool speaking() const override { return m_speaking; }
    void say(const QString &text) override
    {
        said.append(text);
        if (m_breaks) {
            m_health = BrokenFromStart;
            if (onFailure)
                onFailure();
            return;
        }
        m_speaking = true;
    }
    void stop() override
    {
        ++stops;
        m_speaking = false;
    }

private:
    Health m_health = health == BreaksOnSpeaking ? Working : health;
    bool m_breaks = health == BreaksOnSpeaking;
    bool m_speaking = false;
};

// The paper of our own, on question q.
PracticeWindow *TestPracticeWindow::openShaped(int question)
{
    PracticeWindow *w = openPaper(firstPaper(), shapedPaper());
    if (w && question > 1)
        w->GoToQuestion(question);
    return w;
}

void TestPracticeWindow::rowsOfAQuestion_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("firstLetter");
    QTest::addColumn<int>("firstHeight"); // twips
    QTest::addColumn<int>("step");        // twips from one row's top to the next
    QTest::addColumn<bool>("instruction");
    QTest::newRow("one blank") << 1 << 1 << false << 375 << 480 << false;
    QTest::newRow("fifteen blanks") << 2 << 15 << true << 375 << 480 << false;
    QTest::newRow("long answer") << 3 << 1 << false << 2100 << 480 << false;
    QTest::newRow("fraction") << 4 << 2 << true << 375 << 480 << true;
    QTest::newRow("sixteen blanks") << 5 << 16 << true << 375 << 365 << false;
    QTest::newRow("choices") << 6 << 3 << true << 375 << 480 << false;
}

void TestPracticeWindow::rowsOfAQuestion()
{
    QFETCH(int, question);
    QFETCH(int, rows);
    QFETCH(bool, firstLetter);
    QFETCH(int, firstHeight);
    QFETCH(int, step);
    QFETCH(bool, instruction);
    PracticeWindow *w = openShaped(question);
    QVERIFY(w);
    QCOMPARE(w->QSCount(), QString::number(question));
    for (int n = 1; n <= 20; ++n)
        QCOMPARE(child<QWidget>(w, QStringLiteral("Frame%1").arg(n))->isVisible(), n <= rows);
    QCOMPARE(child<QWidget>(w, "QL1")->isVisible(), firstLetter);
    QCOMPARE(text(w, "QL2"), QStringLiteral("(b)"));
    QWidget *first = child<QWidget>(w, "Frame1");
    QCOMPARE(first->geometry(), twipsToPixels(QRect(0, 50, 3975, firstHeight)));
    // Every row below the first is placed step twips below the one before it.
    for (int n = 2; n < 20; ++n) {
        const int top = 50 + firstHeight + (step - 375) + (n - 2) * step;
        QCOMPARE(child<QWidget>(w, QStringLiteral("Frame%1").arg(n))->y(), twipsToPixels(top));
    }
    QCOMPARE(child<QWidget>(w, "PicInstruction")->isVisible(), instruction);
    if (firstHeight == 2100)
        QCOMPARE(box(w, 1)->geometry(), twipsToPixels(QRect(360, 40, 2975, 1000)));
    // Going back to a one-blank question gives row 1 its usual shape again.
    w->GoToQuestion(1);
    QCOMPARE(first->height(), twipsToPixels(375));
    QCOMPARE(box(w, 1)->geometry(), twipsToPixels(QRect(360, 40, 1575, 255)));
    QVERIFY(!child<QWidget>(w, "PicInstruction")->isVisible());
}

void TestPracticeWindow::answerBoxTakes_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("choice takes one character") << 6 << "12" << "1";
    QTest::newRow("words") << 1 << "a cat" << "a cat";
    QTest::newRow("greater-than refused") << 1 << "a>b" << "ab";
    QTest::newRow("hash refused") << 1 << "#1" << "1";
    QTest::newRow("Latin-1 letter") << 1 << QString::fromUtf8("caf\xc3\xa9")
                                    << QString::fromUtf8("caf\xc3\xa9");
    QTest::newRow("euro refused") << 1 << QString::fromUtf8("5\xe2\x82\xac") << "5";
}

void TestPracticeWindow::answerBoxTakes()
{
    QFETCH(int, question);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    PracticeWindow *w = openShaped(question);
    QVERIFY(w);
    typeText(box(w, 1), typed);
    QCOMPARE(box(w, 1)->text(), kept);
    // Enter adds no line break: it moves on, to the next box or with one box to the next
    // question, which takes the answer along as typed.
    QTest::keyClick(box(w, 1), Qt::Key_Return);
    if (w->session().blankCount(question) > 1) {
        QCOMPARE(box(w, 1)->text(), kept);
        QCOMPARE(w->focusWidget(), box(w, 2));
    } else {
        QCOMPARE(w->QSCount(), QString::number(question + 1));
        QCOMPARE(w->session().answers().value(w->session().blankOffset(question)), kept);
    }
}

void TestPracticeWindow::oneRowsCommitOnly()
{
    // Rows of another question that stay hidden do not leak into this one's blanks.
    DialogAnswerer answerer;
    PracticeWindow *w = openShaped(2);
    QVERIFY(w);
    for (int n = 1; n <= 15; ++n)
        box(w, n)->setText(QString::number(n));
    w->GoToQuestion(1);
    QCOMPARE(box(w, 1)->text(), QString());
    box(w, 1)->setText(QStringLiteral("one"));
    clickOn(w, QStringLiteral("ToolBar01"));
    QCOMPARE(answerer.messages(), QStringList{QStringLiteral("Paper saved")});
    const QStringList answers = w->session().answers();
    QCOMPARE(answers.mid(0, 3), (QStringList{"one", "1", "2"}));
    QCOMPARE(answers.at(15), QStringLiteral("15"));
    QCOMPARE(answers.at(16), QString());
}

void TestPracticeWindow::pageFileFollowsTheQuestion_data()
{
    QTest::addColumn<bool>("prepared"); // Next once the next page has been prepared
    QTest::newRow("at once") << false;
    QTest::newRow("next page prepared") << true;
}

void TestPracticeWindow::pageFileFollowsTheQuestion()
{
    QFETCH(bool, prepared);
    DialogAnswerer answerer;
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    const PracticeSession &s = w->session();
    auto *browser = child<BrowserControl>(w, "brwWebBrowser");
    const auto file = [&s](int question) { return QFileInfo(s.pageFilePath(question)).fileName(); };
    // The page on show has its file; the next page's file is there only while it is prepared.
    const auto onlyShownAndPrepared = [&](int shown) {
        const QStringList files = pageFiles();
        return files.contains(file(shown))
               && QSet<QString>(files.cbegin(), files.cend())
                      .subtract({file(shown), file(shown + 1)})
                      .isEmpty();
    };
    QVERIFY(onlyShownAndPrepared(1));
    QSignalSpy loaded(browser, &BrowserControl::pageLoaded);
    if (prepared) {
        // Prepared: held by the browser, and its file gone once the engine had read it.
        QTRY_VERIFY_WITH_TIMEOUT(browser->holdsPage(s.pageFilePath(2))
                                     && pageFiles() == QStringList{file(1)},
                                 30000);
        loaded.clear();
        const QWidget *before = browser->inputWidget();
        clickOn(w, QStringLiteral("ToolBar06"));
        // Shown at once: the prepared view is brought on top and reports the page loaded.
        QVERIFY(browser->inputWidget() != before);
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 1000);
        QVERIFY(loaded.first().first().toBool());
    } else {
        clickOn(w, QStringLiteral("ToolBar06"));
    }
    QVERIFY(onlyShownAndPrepared(2));
    QCOMPARE(browser->pagePath(), s.pageFilePath(2));
    closeWithYes(w, answerer);
    QVERIFY(pageFiles().isEmpty());
}

// Waits until the page on show reports keys, so the guard is in place.
void TestPracticeWindow::waitForGuard(PracticeWindow *w)
{
    auto *browser = child<BrowserControl>(w, "brwWebBrowser");
    QSignalSpy keys(browser, &BrowserControl::documentKeyDown);
    for (int i = 0; i < 100 && keys.isEmpty(); ++i) {
        QTest::keyClick(browser->inputWidget(), Qt::Key_Shift);
        QTest::qWait(100);
    }
    QVERIFY(!keys.isEmpty());
}

void TestPracticeWindow::guardOnThePage_data()
{
    QTest::addColumn<int>("key"); // 0 for a mouse click
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("warned");
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << 0 << true;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << 0 << true;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << 0 << false;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << 0 << false;
    QTest::newRow("plain C") << int(Qt::Key_C) << 0 << 0 << false;
    QTest::newRow("plain X") << int(Qt::Key_X) << 0 << 0 << false;
    QTest::newRow("right click") << 0 << 0 << int(Qt::RightButton) << true;
    QTest::newRow("left click") << 0 << 0 << int(Qt::LeftButton) << false;
}

void TestPracticeWindow::guardOnThePage()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, button);
    QFETCH(bool, warned);
    DialogAnswerer answerer;
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    waitForGuard(w);
    QWidget *page = child<BrowserControl>(w, "brwWebBrowser")->inputWidget();
    if (key)
        QTest::keyClick(page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    else
        QTest::mouseClick(page, Qt::MouseButton(button), {}, QPoint(60, 200));
    QTest::qWait(600);
    QCOMPARE(answerer.messageBoxes.size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(answerer.messageBoxes.first().title, QStringLiteral("Error"));
        QCOMPARE(answerer.messageBoxes.first().message, QStringLiteral("Invalid operation"));
    }
    QVERIFY(answerer.popUps.isEmpty());
}

void TestPracticeWindow::guardFollowsTheQuestion_data()
{
    QTest::addColumn<bool>("prepared"); // Next once the next page has been prepared
    QTest::newRow("loaded on Next") << false;
    QTest::newRow("prepared before Next") << true;
}

void TestPracticeWindow::guardFollowsTheQuestion()
{
    QFETCH(bool, prepared);
    DialogAnswerer answerer;
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    auto *browser = child<BrowserControl>(w, "brwWebBrowser");
    // The answer boxes are not watched.
    box(w, 1)->setText(QStringLiteral("2"));
    box(w, 1)->selectAll();
    QTest::keyClick(box(w, 1), Qt::Key_C, Qt::ControlModifier);
    if (prepared) {
        const QString next = w->session().pageFilePath(2);
        QTRY_VERIFY_WITH_TIMEOUT(browser->holdsPage(next) && !QFile::exists(next), 30000);
    }
    clickOn(w, QStringLiteral("ToolBar06"));
    // A prepared page has its guard before it is shown: no waiting for it.
    if (!prepared)
        waitForGuard(w);
    QVERIFY(answerer.messageBoxes.isEmpty());
    QTest::keyClick(browser->inputWidget(), Qt::Key_X, Qt::ControlModifier);
    QTRY_COMPARE(answerer.messageBoxes.size(), 1);
}

void TestPracticeWindow::layoutPass_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("normal") << "normal";
    QTest::newRow("maximised") << "maximised";
    QTest::newRow("minimum") << "minimum";
}

void TestPracticeWindow::layoutPass()
{
    QFETCH(QString, state);
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    const QSize before = w->size();
    if (state == "maximised") {
        clickOn(w, QStringLiteral("imgProgMax"));
        QTRY_VERIFY(w->isMaximized());
        QTRY_VERIFY(w->width() >= before.width());
    } else if (state == "minimum") {
        w->resize(twipsToPixels(ChromeGeometry::kMinWidthTwips) + 1,
                  twipsToPixels(ChromeGeometry::kMinHeightTwips) + 1);
    }
    QTRY_COMPARE(child<QWidget>(w, "BBotRight")->geometry().bottomRight(),
                 QPoint(w->width() - 1, w->height() - 1));
    const int W = w->width();
    QWidget *strip = child<QWidget>(w, "ScnTabBG");
    const int gap = twipsToPixels(120);
    QCOMPARE(child<QWidget>(w, "ToolBar01")->x(), gap);
    QCOMPARE(child<QWidget>(w, "ToolBar06")->geometry().right() + 1, strip->width() - gap);
    const QRect back = child<QWidget>(w, "ToolBar05")->geometry();
    QVERIFY(back.right() < child<QWidget>(w, "ToolBar06")->x());
    // At the smallest size the two groups of buttons may meet.
    QVERIFY(child<QWidget>(w, "ToolBar04")->geometry().right() < back.x() || state == "minimum");
    QVERIFY(qAbs(child<QWidget>(w, "imgProgClose")->geometry().right() + 1
                 - (W - twipsToPixels(ChromeGeometry::himetricToTwips(120))))
            <= 1);
    const int left = child<QWidget>(w, "BLeft")->width();
    const int right = child<QWidget>(w, "BRight")->width();
    QWidget *sheet = child<QWidget>(w, "AnsBox");
    QWidget *handle = child<QWidget>(w, "PicHideAns");
    QWidget *page = child<QWidget>(w, "brwWebBrowser");
    QCOMPARE(sheet->geometry().right() + 1, W - right);
    QCOMPARE(handle->geometry().right() + 1, sheet->x());
    QCOMPARE(page->x(), left);
    QVERIFY(qAbs(page->geometry().right() + 1 - handle->x()) <= 1);
    QVERIFY(page->width() > 0 && page->height() > 0);
    QWidget *status = child<QWidget>(w, "RemQnsBG");
    QCOMPARE(status->y(), page->geometry().bottom() + 1);
    QCOMPARE(status->width(), page->width());
    QCOMPARE(child<QWidget>(w, "TxtRem")->geometry().right() + 1, status->width());
    QVERIFY(child<QWidget>(w, "QnTitleBG")->width() < page->width());
    QCOMPARE(child<QWidget>(w, "PicInstruction")->geometry().bottom() + 1, sheet->height());
    if (state == "maximised") {
        clickOn(w, QStringLiteral("imgProgMax"));
        QTRY_VERIFY(!w->isMaximized());
        QTRY_COMPARE(w->size(), before);
    }
}

void TestPracticeWindow::foldingTheSheet()
{
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    QWidget *page = child<QWidget>(w, "brwWebBrowser");
    QWidget *sheet = child<QWidget>(w, "AnsBox");
    QLabel *handle = child<QLabel>(w, "ImgHandle");
    const int width = page->width();
    QCOMPARE(handle->toolTip(), QStringLiteral("Hide answer sheet"));
    QTest::mouseClick(handle, Qt::LeftButton);
    QCOMPARE(handle->toolTip(), QStringLiteral("Show answer sheet"));
    QVERIFY(qAbs(page->width() - (width + sheet->width())) <= 1);
    QVERIFY(sheet->x() >= w->width());
    QCOMPARE(child<QWidget>(w, "PicHideAns")->geometry().right() + 1,
             w->width() - child<QWidget>(w, "BRight")->width());
    QCOMPARE(child<QWidget>(w, "RemQnsBG")->width(), page->width());
    QTest::mouseClick(handle, Qt::LeftButton);
    QCOMPARE(handle->toolTip(), QStringLiteral("Hide answer sheet"));
    QCOMPARE(page->width(), width);
    QCOMPARE(sheet->geometry().right() + 1, w->width() - child<QWidget>(w, "BRight")->width());
}

void TestPracticeWindow::cornerResizeKeepsTheMinimum()
{
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    const QPoint corner(w->width() - 2, w->height() - 2);
    QTest::mousePress(w, Qt::LeftButton, {}, corner);
    QTest::mouseMove(w, corner - QPoint(40, 30));
    QTRY_COMPARE(w->size(), QSize(corner.x() - 40, corner.y() - 30));
    QTest::mouseMove(w, QPoint(100, 80));
    QTest::qWait(50);
    QVERIFY(ChromeGeometry::pixelsToTwips(w->width()) > ChromeGeometry::kMinWidthTwips);
    QVERIFY(ChromeGeometry::pixelsToTwips(w->height()) > ChromeGeometry::kMinHeightTwips);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(100, 80));
    // The layout followed every size.
    QCOMPARE(child<QWidget>(w, "AnsBox")->geometry().right() + 1,
             w->width() - child<QWidget>(w, "BRight")->width());
}

void TestPracticeWindow::frameFollowsTheSize()
{
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    w->resize(600, 400);
    QWidget *close = child<QWidget>(w, "imgProgClose");
    QWidget *max = child<QWidget>(w, "imgProgMax");
    const int closeGap = 600 - close->geometry().right();
    w->resize(900, 500);
    QCOMPARE(900 - close->geometry().right(), closeGap);
    QVERIFY(max->x() < close->x());
    QVERIFY(child<QWidget>(w, "imgProgMin")->x() < max->x());
    QCOMPARE(child<QWidget>(w, "BBot")->geometry(), QRect(4, 496, 892, 4));
    QCOMPARE(child<QWidget>(w, "Sizer")->geometry().bottomRight(), QPoint(900 - 3, 500 - 3));
    QVERIFY(!w->mask().contains(QPoint(899, 0)));
    QVERIFY(w->mask().contains(QPoint(899, 499)));
}

void TestPracticeWindow::cornerGripAndEdgeZones()
{
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    w->setGeometry(100, 100, 600, 400);
    QWidget *sizer = child<QWidget>(w, "Sizer");
    // The grip's outer half lies in the 6-pixel corner zone.
    QTest::mousePress(sizer, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(w, QPoint(550, 380));
    QCOMPARE(w->size(), QSize(550, 380));
    QTest::mouseMove(w, QPoint(300, 200));  // below both minima: size kept
    QCOMPARE(w->size(), QSize(550, 380));
    QTest::mouseMove(w, QPoint(488, 335));
    QCOMPARE(w->size(), QSize(488, 335));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(488, 335));
    QTest::mouseMove(w, QPoint(700, 500));
    QCOMPARE(w->size(), QSize(488, 335));

    // The left zone only moves the cursor onto the edge.
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(3, 200));
    QCOMPARE(QCursor::pos(), w->mapToGlobal(QPoint(0, 200)));
    QTest::mouseMove(w, QPoint(700, 500));
    QCOMPARE(w->size(), QSize(488, 335));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(700, 500));

    // Over the edge zone the window shows a sizing cursor; entering a child drops it.
    QTest::mouseMove(w, QPoint(486, 200));
    QCOMPARE(w->cursor().shape(), Qt::SizeHorCursor);
    auto *content = new QWidget(w);
    content->setGeometry(50, 100, 100, 100);
    content->show();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(content, &enter);
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
}

void TestPracticeWindow::foldingWidensThePageByTheSheet()
{
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    w->resize(819, 614);
    QWidget *page = child<QWidget>(w, "brwWebBrowser");
    QWidget *sheet = child<QWidget>(w, "AnsBox");
    QLabel *handle = child<QLabel>(w, "ImgHandle");
    const int shown = page->width();
    QTest::mouseClick(handle, Qt::LeftButton);
    // The sheet is 4095 twips wide: 273 pixels.
    QVERIFY(qAbs(page->width() - (shown + 273)) <= 1);
    w->resize(900, 614);
    QCOMPARE(handle->toolTip(), QStringLiteral("Show answer sheet"));
    QCOMPARE(sheet->x(), 900);
    QTest::mouseClick(handle, Qt::LeftButton);
    QCOMPARE(sheet->x(), (900 * 15 - 4095 - 60) / 15);
}

void TestPracticeWindow::markingAnimationTakesNoInput()
{
    DialogAnswerer answerer;
    PracticeWindow::setMarkingStepMs(60);
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    bool panelShown = false;
    int barsShown = 0;
    QTimer::singleShot(400, w, [&] {
        QWidget *panel = child<QWidget>(w, "fmeMark");
        panelShown = panel->isVisible();
        for (QLabel *bar : panel->findChildren<QLabel *>())
            barsShown += bar->isVisible();
        QTest::mouseClick(child<QWidget>(w, "ToolBar06"), Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    answerer.answers = {true};
    clickOn(w, QStringLiteral("ToolBar02"));
    PracticeWindow::setMarkingStepMs(20);
    QVERIFY(w->session().isMarked());
    QVERIFY(clock.elapsed() >= 15 * 60);
    QVERIFY(panelShown);
    QVERIFY(barsShown > 0 && barsShown < 15);
    QVERIFY(!child<QWidget>(w, "fmeMark")->isVisible());
    QCOMPARE(w->QSCount(), QStringLiteral("1"));
    QCOMPARE(answerer.messages(),
             QStringList{QStringLiteral("You have not answered all the questions.  Do you "
                                        "still want to mark your practice?")});
}

void TestPracticeWindow::emptyBlankPromptAndDecline()
{
    DialogAnswerer answerer;
    const PaperSelection sel = firstPaper();
    PracticeWindow *w = openPaper(sel);
    QVERIFY(w);
    box(w, 1)->setText(QStringLiteral("2"));
    answerer.answers = {false};
    clickOn(w, QStringLiteral("ToolBar02"));
    QCOMPARE(answerer.popUps.size(), 1);
    QCOMPARE(answerer.popUps.first().title, QStringLiteral("Marking"));
    QVERIFY(answerer.popUps.first().message.startsWith(QLatin1String("You have not answered")));
    QVERIFY(!w->session().isMarked());
    QVERIFY(!box(w, 1)->isReadOnly());
    // Declining keeps the answers saved.
    QVERIFY(recordLine(Results::First, sel).startsWith(QLatin1String("#101#>2>")));
    QCOMPARE(Results::readMarks(sel.subjectFiles()).FST.at(0), QStringLiteral("0"));
}

void TestPracticeWindow::printsTheQuestionPage()
{
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    auto *browser = child<BrowserControl>(w, "brwWebBrowser");
    waitForGuard(w);
    const QString pdf = m_dir->filePath(QStringLiteral("question.pdf"));
    PdfPrintHook hook(pdf);
    QSignalSpy finished(browser, &BrowserControl::printFinished);
    clickOn(w, QStringLiteral("ToolBar03"));
    QVERIFY(finished.wait(30000));
    QCOMPARE(hook.owner, w);
    QVERIFY(finished.first().first().toBool());
    QVERIFY(readBytes(pdf).startsWith("%PDF"));
}

void TestPracticeWindow::controlsHaveNames()
{
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    QStringList names = {"ScnTabBG", "PaperSum", "PScoringL", "PScoring", "brwWebBrowser",
                         "QnTitleBG", "QnTitle", "RemQnsBG", "TxtRem", "RemQns", "lblClock",
                         "lblDate", "lblAnsweredQ", "lblTotalQ", "LTime", "ETime", "AnsBox",
                         "PicInstruction", "PicHideAns", "ImgHandle", "fmeMark", "Title",
                         "AnsRows", "AnsRowsArea", "ZoomSize",
                         "ImgIco", "imgProgMin", "imgProgMax", "imgProgClose", "Sizer"};
    for (int k = 1; k <= 6; ++k)
        names << QStringLiteral("ToolBar0%1").arg(k) << QStringLiteral("lblTB0%1").arg(k);
    for (int n = 1; n <= 20; ++n) {
        for (const char *role : {"Frame", "QL", "FA", "FR", "M"})
            names << QLatin1String(role) + QString::number(n);
    }
    for (int k = 1; k <= 15; ++k)
        names << QStringLiteral("imgBar%1").arg(k, 2, 10, QLatin1Char('0'));
    for (const QString &name : qAsConst(names)) {
        QWidget *c = w->findChild<QWidget *>(name);
        QVERIFY2(c, qPrintable(name));
        QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(name));
    }
    QCOMPARE(child<QWidget>(w, "FA2")->accessibleName(), QStringLiteral("Answer (b)"));
    QCOMPARE(child<QWidget>(w, "lblTB01")->accessibleName(), QStringLiteral("Save"));
    QCOMPARE(child<QWidget>(w, "TxtRem")->accessibleName(), QStringLiteral("Qns left:"));
    QCOMPARE(child<QWidget>(w, "PScoringL")->accessibleName(), QStringLiteral("Your score"));
    QCOMPARE(child<QWidget>(w, "RemQns")->accessibleName(),
             QStringLiteral("Select a remaining question"));
    QCOMPARE(child<QWidget>(w, "ToolBar06")->toolTip(),
             QStringLiteral("Next question (Alt+Right)"));
    QCOMPARE(child<QWidget>(w, "FA1")->toolTip(),
             QStringLiteral("Enter your answer (Enter: next box)"));
    QCOMPARE(child<QWidget>(w, "lblTB06")->accessibleName(), QStringLiteral("Next"));
}

void TestPracticeWindow::wholeTakeOnTheRealContent()
{
    DialogAnswerer answerer;
    const PaperSelection sel = firstPaper();
    PracticeWindow *w = openPaper(sel);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Test1"));
    QCOMPARE(w->titleLabel()->text(), sel.SubH1 + QStringLiteral(" - Paper 1"));
    QCOMPARE(text(w, "QnTitle"), QStringLiteral("Question 1"));
    QCOMPARE(text(w, "lblTotalQ"), QString::number(w->session().totalBlanks()));
    QCOMPARE(text(w, "PScoring"), QString());
    QCOMPARE(text(w, "lblDate"), PracticeSession::shortDate(QDate::currentDate()));
    QVERIFY(!child<QWidget>(w, "ToolBar05")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar06")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar01")->isEnabled());
    QCOMPARE(child<QComboBox>(w, "RemQns")->count(), w->session().questionCount());

    // Typing alone changes neither the counter nor the list.
    // A choice box takes one character.
    const bool choice = w->session().answerCode(0) == QLatin1String("Q");
    const QString first = choice ? QStringLiteral("3") : QStringLiteral("first");
    QTest::keyClicks(box(w, 1), first);
    QCOMPARE(box(w, 1)->text(), first);
    waitForTick();
    QCOMPARE(text(w, "lblAnsweredQ"), QStringLiteral("0"));

    clickOn(w, QStringLiteral("ToolBar06"));
    QCOMPARE(w->QSCount(), QStringLiteral("2"));
    QCOMPARE(text(w, "QnTitle"), QStringLiteral("Question 2"));
    QVERIFY(recordLine(Results::First, sel).startsWith(QLatin1String("#101#>") + first + '>'));
    waitForTick();
    QCOMPARE(text(w, "lblAnsweredQ"), QStringLiteral("1"));
    QVERIFY(child<QWidget>(w, "ToolBar05")->isEnabled());
    QCOMPARE(child<QComboBox>(w, "RemQns")->itemText(0), w->session().blankCount(1) == 1
                                                             ? QStringLiteral("2")
                                                             : QStringLiteral("1"));

    // Back through its caption label.
    clickOn(w, QStringLiteral("lblTB05"));
    QCOMPARE(w->QSCount(), QStringLiteral("1"));
    QCOMPARE(box(w, 1)->text(), first);

    // A pick in the list of remaining questions.
    QComboBox *list = child<QComboBox>(w, "RemQns");
    const int last = list->itemText(list->count() - 1).toInt();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(w->QSCount(), QString::number(last));
    box(w, 1)->setText(QStringLiteral("4"));

    clickOn(w, QStringLiteral("ToolBar01"));
    QCOMPARE(answerer.popUps.last().title, QStringLiteral("Quorvel"));
    QCOMPARE(answerer.popUps.last().message, QStringLiteral("Paper saved"));
    QVERIFY(w->isVisible());
    const QStringList saved = Results::readPaperValues(
        Results::First, sel.subjectFiles(), sel.PaperNum, w->session().totalBlanks());
    QCOMPARE(saved.at(w->session().blankOffset(last)), QStringLiteral("4"));

    QSignalSpy closed(w, &PracticeWindow::closed);
    closeWithYes(w, answerer);
    QCOMPARE(closed.size(), 1);
    QCOMPARE(answerer.popUps.last().title, QStringLiteral("Close Practice"));
    QCOMPARE(answerer.popUps.last().message, QStringLiteral("Confirm?"));
    QVERIFY(pageFiles().isEmpty());

    // Reopened: the saved answers, the clock from the start.
    w = openPaper(sel);
    QVERIFY(w);
    QCOMPARE(box(w, 1)->text(), first);
    waitForTick();
    QVERIFY(text(w, "lblClock").startsWith(QLatin1String("0:0:")));
    QCOMPARE(text(w, "lblAnsweredQ"), QStringLiteral("2"));

    // Every blank right but the first, then Mark.
    QStringList answers = rightAnswers(w->session().paper());
    answers[0] = wrongAnswer();
    typeWholePaper(w, answers);
    waitForTick();
    QVERIFY(!child<QWidget>(w, "ToolBar06")->isEnabled());
    answerer.answers = {true};
    clickOn(w, QStringLiteral("ToolBar02"));
    QTRY_VERIFY(w->session().isMarked());
    QCOMPARE(answerer.popUps.last().title, QStringLiteral("Marking"));
    QCOMPARE(answerer.popUps.last().message,
             QStringLiteral("Do you want to mark your practice now?"));

    const int total = w->session().paper().totalMarks;
    const QString score = Results::percentScore(
        total - w->session().paper().blankMarks.first().toInt(), total);
    QCOMPARE(text(w, "PScoring"), score);
    QVERIFY(!child<QWidget>(w, "TxtRem")->isVisible());
    // The strip's last piece takes the place the remaining questions left.
    QCOMPARE(child<QWidget>(w, "Bot3")->geometry().right() + 1,
             child<QWidget>(w, "RemQnsBG")->width());
    QVERIFY(child<QWidget>(w, "LTime")->isVisible());
    QVERIFY(!child<QWidget>(w, "lblClock")->isVisible());
    QVERIFY(child<QWidget>(w, "ETime")->isVisible());
    QCOMPARE(text(w, "ETime"), PracticeSession::shortDate(QDate::currentDate()));
    QVERIFY(box(w, 1)->isReadOnly());
    waitForTick();
    QVERIFY(!child<QWidget>(w, "ToolBar01")->isEnabled());
    QVERIFY(!child<QWidget>(w, "ToolBar02")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar03")->isEnabled());
    QVERIFY(child<QWidget>(w, "ToolBar04")->isEnabled());

    // On disk: marks, score, trend.
    QVERIFY(recordLine(Results::FResults, sel).toLatin1().startsWith("#101#>\xfb>"));
    const Results::MarksLists marks = Results::readMarks(sel.subjectFiles());
    QCOMPARE(marks.FSE.at(0), score);
    QCOMPARE(marks.FST.at(0), QStringLiteral("1"));
    QCOMPARE(marks.LTM.at(0), text(w, "LTime"));
    QCOMPARE(Results::readTrend(sel.subjectFiles()), QStringList{score});
    closeWithYes(w, answerer);

    // Reopened marked: marks at once, nothing to save or mark.
    w = openPaper(sel);
    QVERIFY(w);
    QVERIFY(w->session().isMarked());
    waitForTick();
    QVERIFY(!child<QWidget>(w, "ToolBar01")->isEnabled());
    QVERIFY(!child<QWidget>(w, "ToolBar02")->isEnabled());
    QVERIFY(box(w, 1)->isReadOnly());
    QVERIFY(child<QWidget>(w, "FR1")->isVisible());
    QCOMPARE(text(w, "FR1"), QString(QChar(0x2718)));
    QCOMPARE(text(w, "PScoring"), score);
    QCOMPARE(text(w, "LTime"), marks.LTM.at(0));
}

// On the paper of our own: where the focus goes and what the window does, keys alone.
void TestPracticeWindow::keysInThePracticeWindow_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("after");     // question on show afterwards
    QTest::addColumn<QString>("focus"); // control with the focus afterwards
    QTest::addColumn<QString>("popUp"); // title of the pop-up the keys brought up
    QTest::newRow("a page opens on its first box") << 1 << "" << 1 << "FA1" << "";
    QTest::newRow("Tab to the next box") << 2 << "Tab" << 2 << "FA2" << "";
    QTest::newRow("Shift+Tab to the box before") << 2 << "Tab, Tab, Shift+Tab" << 2 << "FA2"
                                                 << "";
    QTest::newRow("Enter to the next box") << 2 << "Return" << 2 << "FA2" << "";
    QTest::newRow("Tab from the last box to the toolbar") << 6 << "Tab, Tab, Tab" << 6
                                                          << "ToolBar01" << "";
    QTest::newRow("Tab along the toolbar") << 6 << "Tab, Tab, Tab, Tab" << 6 << "ToolBar02"
                                           << "";
    QTest::newRow("Enter in the last box to the next question") << 1 << "Return" << 2 << "FA1"
                                                                << "";
    QTest::newRow("Enter in the paper's last box to Mark") << 6 << "Return, Return, Return"
                                                           << 6 << "ToolBar02" << "";
    QTest::newRow("Alt+Right is Next") << 1 << "Alt+Right" << 2 << "FA1" << "";
    QTest::newRow("Alt+Left is Back") << 3 << "Alt+Left" << 2 << "FA1" << "";
    QTest::newRow("Alt+Left on the first question stays") << 1 << "Alt+Left" << 1 << "FA1"
                                                          << "";
    QTest::newRow("Enter on a toolbar button presses it") << 6 << "Tab, Tab, Tab, Tab, Return"
                                                          << 6 << "ToolBar02" << "Marking";
    QTest::newRow("Ctrl+S saves") << 2 << "Ctrl+S" << 2 << "FA1" << "Quorvel";
    QTest::newRow("Ctrl+M asks to mark") << 2 << "Ctrl+M" << 2 << "FA1" << "Marking";
    QTest::newRow("Escape asks to close") << 2 << "Esc" << 2 << "FA1" << "Close Practice";
}

void TestPracticeWindow::keysInThePracticeWindow()
{
    QFETCH(int, question);
    QFETCH(QString, keys);
    DialogAnswerer answerer;
    answerer.byKeys = true;
    answerer.answers = {false, false};
    PracticeWindow *w = openShaped(question);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->focusWidget(), box(w, 1));
    pressKeys(w, keys);
    QTEST(w->QSCount().toInt(), "after");
    QTEST(w->focusWidget()->objectName(), "focus");
    QFETCH(QString, popUp);
    if (popUp.isEmpty()) {
        QVERIFY(answerer.popUps.isEmpty());
    } else {
        QTRY_COMPARE(answerer.popUps.size(), 1);
        QCOMPARE(answerer.popUps.first().title, popUp);
    }
    QVERIFY(w->isVisible()); // "No" to closing and marking: the paper stays open
    QVERIFY(!w->session().isMarked());
}

// Ctrl and +, -, 0 and the wheel; the size is kept for the next paper, and the answer
// sheet follows it up to 200 % (scrolling its rows when they no longer fit).
void TestPracticeWindow::pageSizeFollowsTheKeys_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("Ctrl and + one step") << 1 << "Ctrl++" << 110 << false;
    QTest::newRow("Ctrl and = as +") << 1 << "Ctrl+=" << 110 << false;
    QTest::newRow("three steps") << 1 << "Ctrl++, Ctrl++, Ctrl++" << 150 << false;
    QTest::newRow("no larger than 300") << 1 << QString("Ctrl++, ").repeated(9) << 300 << false;
    QTest::newRow("no smaller than 100") << 1 << "Ctrl+-" << 100 << false;
    QTest::newRow("down a step") << 1 << "Ctrl++, Ctrl++, Ctrl+-" << 110 << false;
    QTest::newRow("Ctrl and 0 back to 100") << 1 << "Ctrl++, Ctrl++, Ctrl+0" << 100 << false;
    QTest::newRow("Ctrl and the wheel") << 1 << "wheel" << 110 << false;
    QTest::newRow("Ctrl and + on the page") << 1 << "page: Ctrl++" << 110 << false;
    QTest::newRow("fifteen rows at 100 % fit") << 2 << "" << 100 << false;
    QTest::newRow("fifteen rows at 200 % scroll") << 2 << QString("Ctrl++, ").repeated(5) << 200
                                                  << true;
}

void TestPracticeWindow::pageSizeFollowsTheKeys()
{
    QFETCH(int, question);
    QFETCH(QString, keys);
    QFETCH(int, percent);
    DialogAnswerer answerer;
    PracticeWindow *w = openShaped(question);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    const int designHeight = box(w, 2)->height();
    if (keys == "wheel") {
        QWheelEvent wheel(QPointF(5, 5), box(w, 1)->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(box(w, 1)->viewport(), &wheel);
    } else if (keys.startsWith("page: ")) {
        QWidget *page = w->findChild<BrowserControl *>("brwWebBrowser")->inputWidget();
        page->setFocus();
        QCOMPARE(w->focusWidget(), page);
        pressKeys(w, keys.mid(6));
    } else {
        pressKeys(w, keys);
    }
    const qreal scale = ZoomSteps::sheetScale(percent);
    QCOMPARE(w->zoom(), percent);
    QCOMPARE(w->findChild<BrowserControl *>("brwWebBrowser")->zoom(), percent);
    QCOMPARE(child<QWidget>(w, "ZoomSize")->accessibleDescription(), ZoomSteps::label(percent));
    QVERIFY(qAbs(box(w, 2)->height() - designHeight * scale) <= 1);
    QVERIFY(qAbs(child<QWidget>(w, "AnsBox")->width() - twipsToPixels(4095) * scale) <= 20);
    QTEST(child<QScrollArea>(w, "AnsRows")->verticalScrollBar()->isVisible(), "scrolls");
    QVERIFY(answerer.popUps.isEmpty());

    // The next paper opens at the same size.
    closeWithYes(w, answerer);
    w = openShaped(question);
    QVERIFY(w);
    QCOMPARE(w->zoom(), percent);
    QCOMPARE(w->findChild<BrowserControl *>("brwWebBrowser")->zoom(), percent);
    QVERIFY(qAbs(box(w, 2)->height() - designHeight * scale) <= 1);
    QCOMPARE(ZoomSteps::nearestStep(ZoomSetting::readZoom()), percent);
}

// A size that cannot be written is still applied, and the pupil is told it is not kept.
void TestPracticeWindow::pageSizeNotKeptIsSaid()
{
    DialogAnswerer answerer;
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QVERIFY(QDir().mkpath(ZoomSetting::filePath())); // a folder where the file should be
    pressKeys(w, "Ctrl++");
    QCOMPARE(w->zoom(), 110);
    QCOMPARE(answerer.popUps.size(), 1);
    QVERIFY(answerer.popUps.first().message.startsWith(
        QLatin1String("The text size could not be kept for the next paper (error ")));
    QCOMPARE(ZoomSetting::readZoom(), 0);
}

int main(int argc, char **argv)
{
    BrowserControl::prepareApplication();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestPracticeWindow test;
    return QTest::qExec(&test, argc, argv);
}

void TestPracticeWindow::readAloud_data()
{
    QTest::addColumn<int>("health");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("picture"); // once pressed, the pointer away
    QTest::newRow("speech engine working") << int(FakeSpeaker::Working) << true
                                           << "readaloud_off.bmp";
    QTest::newRow("engine in error") << int(FakeSpeaker::BrokenFromStart) << false
                                     << "readaloud_disabled.bmp";
    QTest::newRow("error on speaking") << int(FakeSpeaker::BreaksOnSpeaking) << false
                                       << "readaloud_disabled.bmp";
}

void TestPracticeWindow::readAloud()
{
    QFETCH(int, health);
    QFETCH(bool, available);
    QFETCH(QString, picture);
    FakeSpeaker::health = FakeSpeaker::Health(health);
    FakeSpeaker::said.clear();
    FakeSpeaker::stops = 0;
    const ReadAloudSpeaker::Factory before = ReadAloudSpeaker::factory();
    ReadAloudSpeaker::setFactory([](QObject *) { return std::make_unique<FakeSpeaker>(); });
    const auto restore = qScopeGuard([before] { ReadAloudSpeaker::setFactory(before); });
    PracticeWindow *w = openPaper(firstPaper());
    QVERIFY(w);
    waitForGuard(w);
    auto *button = child<PictureButton>(w, "ButReadAloud");
    const bool brokenAtOnce = health == int(FakeSpeaker::BrokenFromStart);
    QCOMPARE(button->isEnabled(), !brokenAtOnce);
    if (!brokenAtOnce)
        QCOMPARE(button->toolTip(), QStringLiteral("Read aloud"));
    button->click();
    if (health == int(FakeSpeaker::BreaksOnSpeaking))
        QTRY_COMPARE(FakeSpeaker::said.size(), 1);
    // A picture button of the toolbar, captioned under its picture, reached by Tab after Close.
    QCOMPARE(button->captionText(), QStringLiteral("Read aloud"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Read aloud"));
    QCOMPARE(child<QWidget>(w, "ToolBar04")->nextInFocusChain(), button);
    QCursor::setPos(button->mapToGlobal(QPoint(-200, 300)));
    QTRY_COMPARE(button->picture(), picture);
    if (!available) {
        QTRY_VERIFY(!button->isEnabled());
        QCOMPARE(button->toolTip(),
                 QStringLiteral("Reading aloud is not available on this computer."));
        return;
    }
    // What is said is the page on show, walked as the pupil sees it.
    QTRY_COMPARE(FakeSpeaker::said.size(), 1);
    QString walk;
    bool done = false;
    child<BrowserControl>(w, "brwWebBrowser")
        ->runOnPage(ReadAloudText::walkScript(), [&](const QVariant &result) {
            walk = result.toString();
            done = true;
        });
    QTRY_VERIFY(done);
    const QString expected =
        ReadAloudText::spokenText(QJsonDocument::fromJson(walk.toUtf8()).array());
    QVERIFY(!expected.isEmpty());
    QCOMPARE(FakeSpeaker::said.first(), expected);
    // Pressed again, it stops; moving to the next question stops it too.
    button->click();
    QCOMPARE(FakeSpeaker::stops, 1);
    button->click();
    QTRY_COMPARE(FakeSpeaker::said.size(), 2);
    w->GoToQuestion(2);
    QVERIFY(FakeSpeaker::stops >= 2);
}

#include "tst_practicewindow.moc"
