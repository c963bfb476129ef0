// Geometry and picture decisions of the window chrome, checked against hand-worked numbers.

#include "ui/chrome/chromegeometry.h"
#include "ui/chrome/keyrules.h"
#include "ui/chrome/picturestates.h"

#include <QtTest>

using namespace ChromeGeometry;
using namespace PictureStates;

Q_DECLARE_METATYPE(QList<QPoint>)
Q_DECLARE_METATYPE(ChromeGeometry::EdgeCursor)

namespace {

// Design sizes of the skin (twips): 48 x 28 px title corners, 4 px borders, 19 px title
// buttons, 12 px grip.
FrameSizes designFrame(bool withMax)
{
    FrameSizes f;
    f.topLeft = QSize(720, 420);
    f.topRight = QSize(720, 420);
    f.topCentreHeight = 420;
    f.leftWidth = 60;
    f.rightWidth = 60;
    f.botLeft = QSize(60, 60);
    f.botRight = QSize(60, 60);
    f.botHeight = 60;
    f.title = QSize(1500, 255);
    f.icon = QSize(300, 300);
    f.progMin = QSize(285, 285);
    f.progClose = QSize(285, 285);
    if (withMax)
        f.progMax = QSize(285, 285);
    return f;
}

PracticeSizes designPractice()
{
    PracticeSizes s;
    s.frame = designFrame(true);
    s.sizer = QSize(180, 180);
    return s;
}

QList<QPoint> points(const QPolygon &polygon)
{
    return QList<QPoint>(polygon.begin(), polygon.end());
}

} // namespace

class TestChromeGeometry : public QObject
{
    Q_OBJECT

private slots:
    void units_data();
    void units();
    void polygons_data();
    void polygons();
    void mainFrame();
    void popupLoad();
    void popupButtons_data();
    void popupButtons();
    void popupMessage_data();
    void popupMessage();
    void centring_data();
    void centring();
    void practiceLayoutPass_data();
    void practiceLayoutPass();
    void foldingAnswerSheet();
    void foldedSheetSurvivesResize();
    void initialPlacement();
    void edgeCursors_data();
    void edgeCursors();
    void grabAndSnap_data();
    void grabAndSnap();
    void cornerResize_data();
    void cornerResize();
    void dragBelowMinimumKeepsLastSize();
    void hover_data();
    void hover();
    void buttonPictures_data();
    void buttonPictures();
    void tabs_data();
    void tabs();
    void toolbarIdentities_data();
    void toolbarIdentities();
    void practiceToolbar_data();
    void practiceToolbar();
    void maximiseButton_data();
    void maximiseButton();
    void titleSkins();
    void keyboardMoves_data();
    void keyboardMoves();
};

void TestChromeGeometry::units_data()
{
    QTest::addColumn<int>("himetric");
    QTest::addColumn<int>("twips");
    QTest::newRow("60") << 60 << 34;
    QTest::newRow("120") << 120 << 68;
    QTest::newRow("240") << 240 << 136;
    QTest::newRow("640") << 640 << 363;
    QTest::newRow("800") << 800 << 454;
}

void TestChromeGeometry::units()
{
    QFETCH(int, himetric);
    QFETCH(int, twips);
    QCOMPARE(himetricToTwips(himetric), twips);
    QCOMPARE(pixelsToTwips(265), 3975);
    QCOMPARE(twipsToPixels(2880), 192);
    // Rectangles convert by their edges, so pieces that touch in twips touch in pixels.
    const QRect a = twipsToPixels(QRect(0, 0, 7, 10));
    const QRect b = twipsToPixels(QRect(7, 0, 30, 10));
    QCOMPARE(a.x() + a.width(), b.x());
}

void TestChromeGeometry::polygons_data()
{
    QTest::addColumn<bool>("popup");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<QList<QPoint>>("expected");
    QTest::newRow("window 100x60")
        << false << 100 << 60
        << QList<QPoint>{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {95, 0}, {97, 1},
                         {98, 2}, {98, 3}, {100, 5}, {100, 60}, {0, 60}};
    QTest::newRow("window 487x334")
        << false << 487 << 334
        << QList<QPoint>{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {482, 0}, {484, 1},
                         {485, 2}, {485, 3}, {487, 5}, {487, 334}, {0, 334}};
    QTest::newRow("pop-up 265x150")
        << true << 265 << 150
        << QList<QPoint>{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {260, 0}, {262, 1},
                         {263, 2}, {263, 3}, {265, 5}, {265, 143}, {263, 147}, {262, 148},
                         {258, 150}, {7, 150}, {3, 148}, {2, 147}, {0, 143}};
}

void TestChromeGeometry::polygons()
{
    QFETCH(bool, popup);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(QList<QPoint>, expected);
    const QPolygon p = popup ? popupCornersPolygon(w, h) : roundCornersPolygon(w, h);
    QCOMPARE(points(p), expected);
}

void TestChromeGeometry::mainFrame()
{
    // A 640 x 480 pixel main window.
    const FrameRects r = ChromeGeometry::mainFrame(9600, 7200, designFrame(false));
    QCOMPARE(r.topLeft, QRect(0, 0, 720, 420));
    QCOMPARE(r.topRight, QRect(8880, 0, 720, 420));
    QCOMPARE(r.topCentre, QRect(720, 0, 8160, 420));
    QCOMPARE(r.botLeft, QRect(0, 7140, 60, 60));
    QCOMPARE(r.left, QRect(0, 420, 60, 6720));
    QCOMPARE(r.botRight, QRect(9540, 7140, 60, 60));
    QCOMPARE(r.right, QRect(9540, 420, 60, 6720));
    QCOMPARE(r.bot, QRect(60, 7140, 9480, 60));
    QCOMPARE(r.title, QRect(450, 82, 1500, 255));
    QCOMPARE(r.icon, QRect(136, 60, 300, 300));
    QCOMPARE(r.progClose, QRect(9255, 67, 285, 285));
    QCOMPARE(r.progMin, QRect(8940, 67, 285, 285));
    QVERIFY(r.progMax.isNull());
}

void TestChromeGeometry::popupLoad()
{
    PopupSizes s;
    s.frame = designFrame(false);
    s.frame.botLeft = QSize(150, 150);  // the rounded 10-pixel corner pictures
    s.frame.botRight = QSize(150, 150);
    s.frame.title = QSize(900, 255);
    s.info = QSize(720, 600);
    s.message = QSize(2880, 420);
    s.button = QSize(1200, 375);
    const PopupRects r = popupLoadLayout(3975, 2250, s);
    QCOMPARE(r.frame.topCentre, QRect(720, 0, 2535, 420));
    QCOMPARE(r.frame.bot, QRect(150, 2190, 3675, 60));
    QCOMPARE(r.frame.left, QRect(0, 420, 60, 1680));
    QCOMPARE(r.frame.title.topLeft(), QPoint(240, 82));
    QCOMPARE(r.info, QRect(240, 660, 720, 600));
    QCOMPARE(r.message, QRect(1110, 660, 2880, 420));
    QCOMPARE(r.but1.y(), 1635);
    QCOMPARE(r.but2.y(), 1635);
}

void TestChromeGeometry::popupButtons_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("second");
    QTest::addColumn<int>("left1");
    QTest::addColumn<int>("left2");
    QTest::addColumn<QString>("caption1");
    QTest::addColumn<QString>("caption2");
    // Pop-up 265 pixels wide, buttons 80, message at 74, design lefts 74 and 164.
    QTest::newRow("one, centred") << 1 << false << (265 - 80) / 2 << 164 << "OK" << "Cancel";
    QTest::newRow("two") << 2 << true << 74 << 164 << "Yes" << "No";
    QTest::newRow("zero: design") << 0 << true << 74 << 164 << "OK" << "Cancel";
    QTest::newRow("three: design") << 3 << true << 74 << 164 << "OK" << "Cancel";
}

void TestChromeGeometry::popupButtons()
{
    QFETCH(int, count);
    const PopupButtonPlan plan = ChromeGeometry::popupButtons(count, 265, 80, 74, 74, 164);
    QVERIFY(plan.but1Visible);
    QTEST(plan.but2Visible, "second");
    QTEST(plan.but1Left, "left1");
    if (plan.but2Visible)
        QTEST(plan.but2Left, "left2");
    QTEST(plan.but1Caption, "caption1");
    QTEST(plan.but2Caption, "caption2");
}

void TestChromeGeometry::popupMessage_data()
{
    QTest::addColumn<QString>("msg");
    QTest::addColumn<int>("top");
    QTest::newRow("32 characters, lowered") << QString(32, 'x') << 51;
    QTest::newRow("33 characters, at the icon") << QString(33, 'x') << 44;
    QTest::newRow("Paper saved") << "Paper saved" << 51;
    QTest::newRow("long question")
        << "You have not answered all the questions.  Do you still want to mark your practice?"
        << 44;
}

void TestChromeGeometry::popupMessage()
{
    QFETCH(QString, msg);
    QTEST(popupMessageTop(msg, 44), "top");
}

void TestChromeGeometry::centring_data()
{
    QTest::addColumn<QRect>("master");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("main window") << QRect(100, 100, 800, 600) << QPoint(367, 325);
    QTest::newRow("odd width") << QRect(0, 0, 801, 151) << QPoint(268, 0);
    QTest::newRow("master on a screen to the left") << QRect(-900, 100, 800, 600)
                                                    << QPoint(-633, 325);
}

void TestChromeGeometry::centring()
{
    QFETCH(QRect, master);
    QTEST(centredOn(master, QSize(265, 150)), "expected");
}

void TestChromeGeometry::practiceLayoutPass_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("tool5");
    QTest::addColumn<int>("tool6");
    QTest::addColumn<int>("closeLeft");
    QTest::addColumn<int>("maxLeft");
    QTest::addColumn<int>("minLeft");
    QTest::addColumn<QPoint>("sizer");
    QTest::addColumn<QRect>("ansBox");
    QTest::addColumn<int>("hideAnsLeft");
    QTest::addColumn<QRect>("browser");
    QTest::addColumn<int>("paperSum");
    // 819 x 614 pixels: 80 % of a 1024 x 768 screen.
    QTest::newRow("normal") << 12285 << 9210 << 10605 << 11385 << 11932 << 11613 << 11294
                            << QPoint(12071, 8996) << QRect(8130, 1185, 4095, 7965) << 8025
                            << QRect(60, 1185, 7965, 7515) << 8190;
    QTest::newRow("maximised 1280x800")
        << 19200 << 12000 << 17520 << 18300 << 18847 << 18528 << 18209 << QPoint(18986, 11786)
        << QRect(15045, 1185, 4095, 10755) << 14940 << QRect(60, 1185, 14880, 10305) << 15105;
    // Narrow: the paper summary moves right, clear of Read aloud.
    QTest::newRow("narrow 550x400")
        << 8250 << 6000 << 6570 << 7350 << 7897 << 7578 << 7259 << QPoint(8036, 5786)
        << QRect(4095, 1185, 4095, 4755) << 3990 << QRect(60, 1185, 3930, 4305) << 4200;
    // Narrowest: it stops against Back; Read aloud covers its pencil, not its figures.
    QTest::newRow("minimum 487x334")
        << 7305 << 5010 << 5625 << 6405 << 6952 << 6633 << 6314 << QPoint(7091, 4796)
        << QRect(3150, 1185, 4095, 3765) << 3045 << QRect(60, 1185, 2985, 3315) << 3405;
}

void TestChromeGeometry::practiceLayoutPass()
{
    QFETCH(int, w);
    QFETCH(int, h);
    const PracticeRects r = practiceLayout(w, h, w, designPractice());
    QCOMPARE(r.toolStrip, QRect(60, 420, w - 120, 765));
    QCOMPARE(r.toolButtonLeft[0], 120);
    QCOMPARE(r.toolButtonLeft[1], 900);
    QCOMPARE(r.toolButtonLeft[2], 1680);
    QCOMPARE(r.toolButtonLeft[3], 2460);
    QCOMPARE(r.readAloudLeft, 3240);
    QTEST(r.toolButtonLeft[4], "tool5");
    QTEST(r.toolButtonLeft[5], "tool6");
    QTEST(r.frame.progClose.x(), "closeLeft");
    QTEST(r.frame.progMax.x(), "maxLeft");
    QTEST(r.frame.progMin.x(), "minLeft");
    QCOMPARE(r.frame.progClose.y(), 67);
    QTEST(r.sizer.topLeft(), "sizer");
    QTEST(r.ansBox, "ansBox");
    QTEST(r.hideAns.x(), "hideAnsLeft");
    QCOMPARE(r.hideAns.width(), 105);
    QCOMPARE(r.hideAns.height(), r.ansBox.height());
    QTEST(r.browser, "browser");
    QTEST(r.paperSumLeft, "paperSum");
    QCOMPARE(r.qnTitleWidth, r.browser.width() - 363);
    QCOMPARE(r.qnTitleTop, 1185 + 68);
    QCOMPARE(r.remQns, QRect(60, r.browser.bottom() + 1, r.browser.width(), 450));
    QCOMPARE(r.instructionTop, r.ansBox.height() - 900);
    QCOMPARE(r.frame.topCentre.width(), 30000);
    QCOMPARE(r.frame.title.x(), 454);
    // The page never overlaps the handle strip, and the left toolbar row ends before Back.
    QCOMPARE(r.browser.x() + r.browser.width(), r.hideAns.x());
    QVERIFY(r.readAloudLeft + 840 < r.toolButtonLeft[4]);
    QVERIFY(r.paperSumLeft + 2220 <= r.toolButtonLeft[4]);
    QVERIFY(r.paperSumLeft + 750 >= r.readAloudLeft + 840);  // the figures stay in sight
    QVERIFY(r.frame.progMin.x() > r.frame.topLeft.width());
}

void TestChromeGeometry::foldingAnswerSheet()
{
    const PracticeSizes s = designPractice();
    PracticeRects r = practiceLayout(12285, 9210, 12285, s);
    const PracticeRects shown = r;
    foldAnswerSheet(r, 12285, s, false);
    QCOMPARE(r.ansBox.x(), 12285);  // out of sight to the right
    QCOMPARE(r.hideAns.x(), 12285 - 105 - 60);  // against the right border
    QCOMPARE(r.browser.width(), 12285 - 105 - 120);
    QCOMPARE(r.browser.width(), shown.browser.width() + 4095);
    QCOMPARE(r.remQns.width(), r.browser.width());
    QCOMPARE(answerSheetHandleTip(false), QStringLiteral("Show answer sheet"));
    foldAnswerSheet(r, 12285, s, true);
    QCOMPARE(r.ansBox, shown.ansBox);
    QCOMPARE(r.hideAns, shown.hideAns);
    QCOMPARE(r.browser, shown.browser);
    QCOMPARE(r.remQns, shown.remQns);
    QCOMPARE(answerSheetHandleTip(true), QStringLiteral("Hide answer sheet"));
}

void TestChromeGeometry::foldedSheetSurvivesResize()
{
    const PracticeRects r = practiceLayout(19200, 12000, 19200, designPractice(), false);
    QCOMPARE(r.ansBox.x(), 19200);
    QCOMPARE(r.hideAns.x(), 19200 - 165);
    QCOMPARE(r.browser.width(), 19200 - 225);
}

void TestChromeGeometry::initialPlacement()
{
    QCOMPARE(practiceInitialGeometry(QRect(0, 0, 1024, 768)), QRect(102, 76, 819, 614));
    QCOMPARE(practiceInitialGeometry(QRect(1920, 0, 1280, 800)), QRect(2048, 80, 1024, 640));
}

void TestChromeGeometry::edgeCursors_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("held");
    QTest::addColumn<EdgeCursor>("expected");
    // Window 9000 x 6000 twips, 90-twip zones.
    QTest::newRow("middle") << QPoint(4000, 3000) << false << EdgeCursor::Arrow;
    QTest::newRow("middle, held") << QPoint(4000, 3000) << true << EdgeCursor::Unchanged;
    QTest::newRow("left edge") << QPoint(10, 3000) << false << EdgeCursor::SizeHor;
    QTest::newRow("left edge, held") << QPoint(10, 3000) << true << EdgeCursor::SizeHor;
    QTest::newRow("right edge") << QPoint(8911, 3000) << false << EdgeCursor::SizeHor;
    QTest::newRow("just inside right zone limit") << QPoint(8910, 3000) << false
                                                  << EdgeCursor::Arrow;
    QTest::newRow("left zone limit") << QPoint(90, 3000) << false << EdgeCursor::Arrow;
    QTest::newRow("top edge") << QPoint(4000, 10) << false << EdgeCursor::SizeVer;
    QTest::newRow("bottom edge") << QPoint(4000, 5950) << false << EdgeCursor::SizeVer;
    QTest::newRow("top-left") << QPoint(5, 5) << false << EdgeCursor::SizeFDiag;
    QTest::newRow("bottom-right") << QPoint(8995, 5995) << false << EdgeCursor::SizeFDiag;
    QTest::newRow("bottom-left") << QPoint(5, 5995) << false << EdgeCursor::SizeBDiag;
    QTest::newRow("top-right") << QPoint(8995, 5) << false << EdgeCursor::SizeBDiag;
}

void TestChromeGeometry::edgeCursors()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, held);
    QTEST(edgeCursor(pos, QSize(9000, 6000), QSize(90, 90), held), "expected");
}

void TestChromeGeometry::grabAndSnap_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("corner");
    QTest::addColumn<QPoint>("snapped");
    // Window at (1500, 1500), 9000 x 6000 twips.
    QTest::newRow("left zone: onto the left edge") << QPoint(30, 3000) << false
                                                   << QPoint(1500, 4500);
    QTest::newRow("top zone") << QPoint(4000, 30) << false << QPoint(5500, 1500);
    QTest::newRow("right zone") << QPoint(8980, 3000) << false << QPoint(10500, 4500);
    QTest::newRow("bottom-right: bottom snap last") << QPoint(8990, 5990) << true
                                                    << QPoint(10490, 7500);
    QTest::newRow("top-right: right snap last") << QPoint(8990, 30) << false
                                                << QPoint(10500, 1530);
    QTest::newRow("inside: stays") << QPoint(4000, 3000) << false << QPoint(5500, 4500);
}

void TestChromeGeometry::grabAndSnap()
{
    QFETCH(QPoint, pos);
    const QRect window(1500, 1500, 9000, 6000);
    const EdgeGrab grab = classifyGrab(pos, window.size(), QSize(90, 90));
    QTEST(grab.corner(), "corner");
    QTEST(snapCursor(grab, window, pos), "snapped");
}

void TestChromeGeometry::cornerResize_data()
{
    QTest::addColumn<bool>("corner");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QSize>("expected");
    // Current size 9000 x 6000.
    QTest::newRow("smaller, above minima") << true << QPoint(8000, 5500) << QSize(8000, 5500);
    QTest::newRow("larger") << true << QPoint(12000, 9000) << QSize(12000, 9000);
    QTest::newRow("width at minimum is not taken") << true << QPoint(7300, 5500)
                                                   << QSize(9000, 5500);
    QTest::newRow("height at minimum is not taken") << true << QPoint(8000, 5000)
                                                    << QSize(8000, 6000);
    QTest::newRow("just above minima") << true << QPoint(7301, 5001) << QSize(7301, 5001);
    QTest::newRow("below minima") << true << QPoint(5000, 4000) << QSize(9000, 6000);
    QTest::newRow("within twice the grip") << true << QPoint(150, 8000) << QSize(9000, 6000);
    QTest::newRow("right edge only") << false << QPoint(12000, 9000) << QSize(9000, 6000);
}

void TestChromeGeometry::cornerResize()
{
    QFETCH(bool, corner);
    QFETCH(QPoint, cursor);
    EdgeGrab grab;
    grab.right = true;
    grab.bottom = corner;
    QTEST(ChromeGeometry::cornerResize(grab, cursor, QSize(9000, 6000), QSize(90, 90)),
          "expected");
}

void TestChromeGeometry::dragBelowMinimumKeepsLastSize()
{
    EdgeGrab grab;
    grab.right = grab.bottom = true;
    QSize size(9000, 6000);
    const QList<QPoint> path = {{8000, 5600}, {7400, 5200}, {7000, 5100}, {6500, 4000}};
    for (const QPoint &cursor : path)
        size = ChromeGeometry::cornerResize(grab, cursor, size, QSize(90, 90));
    QCOMPARE(size, QSize(7400, 5100));
}

void TestChromeGeometry::hover_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<bool>("inside");
    // Button at (10, 10), 44 x 45.
    QTest::newRow("top-left corner") << QPoint(10, 10) << true;
    QTest::newRow("last column") << QPoint(53, 30) << true;
    QTest::newRow("right edge is outside") << QPoint(54, 30) << false;
    QTest::newRow("bottom edge is outside") << QPoint(30, 55) << false;
    QTest::newRow("left of it") << QPoint(9, 30) << false;
}

void TestChromeGeometry::hover()
{
    QFETCH(QPoint, cursor);
    QTEST(hoverInside(QRect(10, 10, 44, 45), cursor), "inside");
}

void TestChromeGeometry::buttonPictures_data()
{
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("pressFlag");
    QTest::addColumn<QString>("three");
    QTest::addColumn<QString>("two");
    QTest::newRow("outside") << false << false << "home_off.bmp" << "button_off.bmp";
    QTest::newRow("outside while pressed elsewhere") << false << true << "home_off.bmp"
                                                     << "button_off.bmp";
    QTest::newRow("hover") << true << false << "home_on.bmp" << "button_on.bmp";
    QTest::newRow("pressed") << true << true << "home_pressed.bmp" << "button_on.bmp";
}

void TestChromeGeometry::buttonPictures()
{
    QFETCH(bool, inside);
    QFETCH(bool, pressFlag);
    QTEST(threeStatePicture(inside, pressFlag, "home"), "three");
    QTEST(twoStatePicture(inside, "button_off.bmp", "button_on.bmp"), "two");
}

void TestChromeGeometry::tabs_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QString>("picture");
    QTest::newRow("back, away") << 2 << 1 << false << "tabs_back_off.bmp";
    QTest::newRow("back, hover") << 2 << 1 << true << "tabs_back_on.bmp";
    QTest::newRow("front, away") << 4 << 4 << false << "tabs_front_off.bmp";
    QTest::newRow("front, hover") << 4 << 4 << true << "tabs_front_on.bmp";
}

void TestChromeGeometry::tabs()
{
    QFETCH(int, n);
    QFETCH(int, selected);
    QFETCH(bool, inside);
    QTEST(tabPicture(n, selected, inside), "picture");
}

void TestChromeGeometry::toolbarIdentities_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("base");
    QTest::newRow("1 on a subject") << 1 << 1 << "Home" << "Load Home page" << "home";
    QTest::newRow("2 on a subject") << 2 << 2 << "Report" << "Load Report card" << "report";
    QTest::newRow("3 on a subject") << 3 << 3 << "Print" << "Print results" << "print";
    QTest::newRow("4 on a subject") << 4 << 1 << "Close" << "Close program" << "close";
    QTest::newRow("1 on Help") << 1 << 4 << "About" << "About Quorvel" << "about";
    QTest::newRow("2 on Help") << 2 << 4 << "Trash" << "Trash past results" << "trash";
    QTest::newRow("3 on Help") << 3 << 4 << "Pupils" << "Pupils who practise here" << "home";
    QTest::newRow("no such button") << 5 << 4 << "" << "" << "";
    QTest::newRow("4 on Help") << 4 << 4 << "Setup" << "Printer Setup" << "setup";
}

void TestChromeGeometry::toolbarIdentities()
{
    QFETCH(int, button);
    QFETCH(int, tab);
    QFETCH(QString, base);
    const ToolbarIdentity id = toolbarIdentity(button, tab);
    QTEST(id.caption, "caption");
    QTEST(id.toolTip, "tip");
    QCOMPARE(id.pictureBase, base);
    QCOMPARE(id.used, !base.isEmpty());
}

void TestChromeGeometry::practiceToolbar_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("qs");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("windowEnabled");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("touched");
    QTest::newRow("save while open") << 1 << 0 << 3 << 10 << true << "save_on.bmp" << true
                                     << true;
    QTest::newRow("save once marked") << 1 << 1 << 3 << 10 << true << "save_disabled.bmp"
                                      << false << true;
    QTest::newRow("mark once marked") << 2 << 1 << 3 << 10 << true << "mark_disabled.bmp"
                                      << false << true;
    QTest::newRow("print after marking") << 3 << 1 << 3 << 10 << true << "print_on.bmp" << true
                                         << false;
    QTest::newRow("close") << 4 << 1 << 1 << 1 << true << "close_on.bmp" << true << false;
    QTest::newRow("back on the first") << 5 << 0 << 1 << 10 << true << "back_disabled.bmp"
                                       << false << true;
    QTest::newRow("back later") << 5 << 0 << 2 << 10 << true << "back_on.bmp" << true << true;
    QTest::newRow("next on the last") << 6 << 0 << 10 << 10 << true << "forward_disabled.bmp"
                                      << false << true;
    QTest::newRow("next on a one-question paper") << 6 << 0 << 1 << 1 << true
                                                  << "forward_disabled.bmp" << false << true;
    QTest::newRow("back on a one-question paper") << 5 << 0 << 1 << 1 << true
                                                  << "back_disabled.bmp" << false << true;
    // The speech engine decides whether Read aloud works; the window disables it.
    QTest::newRow("read aloud") << 7 << 0 << 3 << 10 << true << "readaloud_on.bmp" << true
                                << false;
    QTest::newRow("read aloud after marking") << 7 << 1 << 10 << 10 << true
                                              << "readaloud_on.bmp" << true << false;
    QTest::newRow("read aloud without speech") << 7 << 0 << 3 << 10 << false
                                               << "readaloud_disabled.bmp" << false << false;
    QTest::newRow("print disabled by the window") << 3 << 0 << 3 << 10 << false
                                                  << "print_on.bmp" << true << false;
}

void TestChromeGeometry::practiceToolbar()
{
    QFETCH(int, button);
    QFETCH(int, status);
    QFETCH(int, qs);
    QFETCH(int, count);
    QFETCH(bool, windowEnabled);
    const PracticeButtonLook look =
        practiceToolbarLook(button, true, false, status, qs, count, windowEnabled);
    QTEST(look.picture, "picture");
    QTEST(look.enabled, "enabled");
    QTEST(look.enabledTouched, "touched");
}

void TestChromeGeometry::maximiseButton_data()
{
    QTest::addColumn<int>("show");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QString>("picture");
    QTest::newRow("normal") << int(WindowShow::Normal) << false << "prog_blueoff_max.bmp";
    QTest::newRow("normal, hover") << int(WindowShow::Normal) << true << "prog_blue_max.bmp";
    QTest::newRow("maximised") << int(WindowShow::Maximised) << false << "prog_blueoff_norm.bmp";
    QTest::newRow("maximised, hover") << int(WindowShow::Maximised) << true
                                      << "prog_blue_norm.bmp";
    QTest::newRow("minimised: untouched") << int(WindowShow::Minimised) << true << "";
}

void TestChromeGeometry::maximiseButton()
{
    QFETCH(int, show);
    QFETCH(bool, inside);
    QTEST(titleMaxPicture(WindowShow(show), inside), "picture");
}

void TestChromeGeometry::titleSkins()
{
    const TitleSkin active = titleSkin(true, true);
    QCOMPARE(active.focusFlag, QStringLiteral("1"));
    QCOMPARE(active.titleColour, qRgb(255, 255, 255));
    QCOMPARE(active.topCentre, QStringLiteral("border_top_center.bmp"));
    QCOMPARE(active.progMax, QStringLiteral("prog_blueoff_max.bmp"));
    const TitleSkin inactive = titleSkin(false, false);
    QCOMPARE(inactive.focusFlag, QStringLiteral("0"));
    QCOMPARE(inactive.titleColour, qRgb(128, 128, 128));
    QCOMPARE(inactive.topLeft, QStringLiteral("border_white_top_left.bmp"));
    QCOMPARE(inactive.progClose, QStringLiteral("prog_white_close.bmp"));
    QVERIFY(inactive.progMax.isEmpty());
}

// Groups of four: which member the keyboard reaches. "-" marks a hidden or disabled member.
void TestChromeGeometry::keyboardMoves_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("to");
    QTest::newRow("Right to the next") << "oooo" << 0 << "Right" << 1;
    QTest::newRow("Down to the next") << "oooo" << 2 << "Down" << 3;
    QTest::newRow("Left to the one before") << "oooo" << 2 << "Left" << 1;
    QTest::newRow("Up over a hidden one") << "o-oo" << 2 << "Up" << 0;
    QTest::newRow("arrow stops at the end") << "oooo" << 3 << "Right" << 3;
    QTest::newRow("arrow stops at the start") << "oooo" << 0 << "Left" << 0;
    QTest::newRow("last available is the end") << "oo--" << 1 << "Down" << 1;
    QTest::newRow("other keys do not move") << "oooo" << 1 << "Tab" << 1;
    QTest::newRow("Tab to the next group") << "oooo" << 1 << "next group" << 2;
    QTest::newRow("Tab round to the first") << "o-o-" << 2 << "next group" << 0;
    QTest::newRow("Shift+Tab round to the last") << "o-o-" << 0 << "previous group" << 2;
    QTest::newRow("Tab from nowhere to the first") << "-ooo" << -1 << "next group" << 1;
    QTest::newRow("nothing to reach") << "----" << -1 << "next group" << -1;
    QTest::newRow("entering goes back to the last") << "oooo" << 2 << "enter" << 2;
    QTest::newRow("entering when the last has gone") << "-o-o" << 2 << "enter" << 1;
    QTest::newRow("entering when the last is past the end") << "oooo" << 6 << "enter" << 0;
}

void TestChromeGeometry::keyboardMoves()
{
    QFETCH(QString, members);
    QFETCH(int, from);
    QFETCH(QString, move);
    QVector<bool> available;
    for (QChar c : members)
        available.append(c == QLatin1Char('o'));
    const int key = move == "Right" ? Qt::Key_Right
                    : move == "Down" ? Qt::Key_Down
                    : move == "Left" ? Qt::Key_Left
                    : move == "Up"   ? Qt::Key_Up
                                     : Qt::Key_Tab;
    int to;
    if (move == "next group" || move == "previous group")
        to = KeyRules::nextMember(available, from, move == "next group" ? 1 : -1, true);
    else if (move == "enter")
        to = KeyRules::entryMember(available, from);
    else
        to = KeyRules::nextMember(available, from, KeyRules::arrowStep(key), false);
    QTEST(to, "to");
}

QTEST_APPLESS_MAIN(TestChromeGeometry)
#include "tst_chromegeometry.moc"
