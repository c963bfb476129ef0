// The chrome's widgets: the picture cache, picture buttons and their polling, the skinned
// window's title skins, buttons, region and resizing, and the pop-up.

#include "app/programfolder.h"
#include "ui/chrome/frmpopup.h"
#include "ui/chrome/picturebutton.h"
#include "ui/chrome/skincolours.h"
#include "ui/chrome/picturecache.h"
#include "ui/chrome/skinnedwindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// A main-kind window that counts title drags and offers one polled toolbar button.
class ProbeWindow : public SkinnedWindow
{
public:
    explicit ProbeWindow(Kind kind = Kind::Main)
        : SkinnedWindow(kind)
    {
        button = new PictureButton(QStringLiteral("ToolBar01"), this);
        button->addCaption(QStringLiteral("lblTB01"), QStringLiteral("Home"))
            ->setGeometry(0, 31, 44, 14);
        button->move(40, 80);
        addThreeStateButton(button, QStringLiteral("home"));
        readAloud = new PictureButton(QStringLiteral("ButReadAloud"), this);
        readAloud->addCaption(QStringLiteral("ButReadAloudlbl"), QStringLiteral("Read aloud"))
            ->setGeometry(0, 31, 56, 14);
        readAloud->move(220, 80);
        trackPress(readAloud);
    }
    void pollTick() override { pollPracticeButton(readAloud, 7, 0, 1, 10); }
    void MoveForm(QWidget *TheForm) override
    {
        ++moves;
        SkinnedWindow::MoveForm(TheForm);
    }
    PictureButton *button;
    PictureButton *readAloud;
    int moves = 0;
};

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Runs action on the pop-up once it is showing (CallPop blocks until it is answered).
void whenPopUpShows(const std::function<void(frmPopUp *)> &action)
{
    QTimer::singleShot(0, [action] {
        frmPopUp *popup = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *p = qobject_cast<frmPopUp *>(w); p && p->isVisible())
                popup = p;
        }
        QVERIFY(popup);
        action(popup);
    });
}

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void caseBlindLookup_data();
    void caseBlindLookup();
    void missingPictureGivesPlaceholder();
    void pictureIsDecodedOnce();
    void skinPictureSizes_data();
    void skinPictureSizes();

    void buttonPressSetsSharedFlag();
    void pressedPictureWhileHeld_data();
    void pressedPictureWhileHeld();
    void captionClickIsTheButtonsClick();
    void releaseElsewhereIsNoClick();
    void accessibleNameAndPress();
    void pollingFollowsCursor();
    void toolbarSwitchesIdentityWithinOneTick();
    void practiceButtonsDisable();

    void titleSkinFollowsActivation();
    void titleTextIsWhiteOnBlue_data();
    void titleTextIsWhiteOnBlue();
    void rightButtonOnTitleStartsDrag();
    void roundCornersCutsTopOnly();
    void mainFrameTracksSize();
    void maximiseRestore();

    void popupOneButtonCentred();
    void popupTwoButtons();
    void popupMessageLine_data();
    void popupMessageLine();
    void popupHover();
    void popupCentresOnMaster();
    void popupsStartFromDesignState();
    void popupClosedOtherwiseAnswersFalse();
    void popupPressReleasedElsewhereDoesNotAnswer();
    void popupKeys_data();
    void popupKeys();
    void pictureButtonKeys_data();
    void pictureButtonKeys();

private:
    QTemporaryDir m_folder;
};

void TestChrome::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
    ProgramFolder::setPath(m_folder.path());
    QDir().mkpath(m_folder.filePath("Graphics"));
    const QDir skin(QStringLiteral(TEST_SOURCE_DIR "/../../assets/skin"));
    const QStringList files = skin.entryList(QDir::Files);
    QCOMPARE(files.size(), 93);
    for (const QString &file : files)
        QVERIFY(QFile::copy(skin.filePath(file), m_folder.filePath("Graphics/" + file)));
}

void TestChrome::init()
{
    PictureCache::clear();
    QCursor::setPos(0, 0);
}

void TestChrome::caseBlindLookup_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QSize>("size");
    QTest::newRow("as the window asks") << "Pencil.ico" << QSize(20, 20);
    QTest::newRow("as written") << "pencil.ico" << QSize(20, 20);
    QTest::newRow("upper case") << "PENCIL.ICO" << QSize(20, 20);
    QTest::newRow("mixed bitmap") << "Border_Top_Left.BMP" << QSize(48, 28);
    QTest::newRow("gif asked lower") << "border_bot_left.gif" << QSize(10, 10);
    QTest::newRow("handle") << "handle.bmp" << QSize(7, 64);
}

void TestChrome::caseBlindLookup()
{
    QFETCH(QString, asked);
    QVERIFY(PictureCache::exists(asked));
    QTEST(PictureCache::picture(asked).size(), "size");
    QVERIFY(!PictureCache::filePath(asked).isEmpty());
}

void TestChrome::missingPictureGivesPlaceholder()
{
    const QPixmap p = PictureCache::picture("no_such_picture.bmp");
    QVERIFY(!p.isNull());
    QCOMPARE(p.cacheKey(), PictureCache::placeholder().cacheKey());
    QVERIFY(!PictureCache::exists("no_such_picture.bmp"));
    PictureButton button("probe");
    button.setPicture("no_such_picture.bmp");
    QCOMPARE(button.size(), PictureCache::placeholder().size());
}

void TestChrome::pictureIsDecodedOnce()
{
    const QString path = m_folder.filePath("Graphics/probe.bmp");
    QVERIFY(solid(3, 3, Qt::red).save(path, "BMP"));
    QCOMPARE(PictureCache::picture("Probe.bmp").size(), QSize(3, 3));
    // Rewritten on disk: the decoded picture stays until the cache is cleared.
    QVERIFY(solid(5, 5, Qt::blue).save(path, "BMP"));
    QCOMPARE(PictureCache::picture("probe.BMP").size(), QSize(3, 3));
    PictureCache::clear();
    QCOMPARE(PictureCache::picture("probe.bmp").size(), QSize(5, 5));
    QFile::remove(path);
}

void TestChrome::skinPictureSizes_data()
{
    // The windows place their controls by these sizes (twips / 15).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    for (const char *base : {"about", "back", "close", "forward", "home", "mark", "print",
                             "report", "save", "setup", "trash"}) {
        const QString name = QString::fromLatin1(base) + "_off.bmp";
        QTest::newRow(qPrintable(name)) << name << QSize(44, 45) << false;
    }
    QTest::newRow("forward_disabled") << "forward_disabled.bmp" << QSize(44, 45) << false;
    // Wide enough for its caption, "Read aloud".
    QTest::newRow("readaloud_off") << "readaloud_off.bmp" << QSize(56, 45) << false;
    QTest::newRow("readaloud_disabled") << "readaloud_disabled.bmp" << QSize(56, 45) << false;
    QTest::newRow("title left") << "border_top_left.bmp" << QSize(48, 28) << false;
    QTest::newRow("title right, inactive") << "border_white_top_right.bmp" << QSize(48, 28)
                                           << false;
    QTest::newRow("title centre") << "border_top_center.bmp" << QSize(16, 28) << false;
    QTest::newRow("title button") << "prog_blue_norm.bmp" << QSize(19, 19) << false;
    QTest::newRow("pop-up button") << "button_pressed.bmp" << QSize(80, 25) << false;
    QTest::newRow("tab") << "tabs_front_on.bmp" << QSize(100, 24) << false;
    QTest::newRow("left border") << "border_left.bmp" << QSize(4, 32) << false;
    QTest::newRow("bottom border") << "border_bot.bmp" << QSize(32, 4) << false;
    QTest::newRow("progress cell") << "progressbar.bmp" << QSize(12, 14) << false;
    QTest::newRow("information mark") << "info_mark.gif" << QSize(48, 40) << true;
    QTest::newRow("instruction") << "instruction.gif" << QSize(270, 60) << false;
    QTest::newRow("pop-up corner") << "Border_bot_right.gif" << QSize(10, 10) << true;
    QTest::newRow("program icon") << "QVicon.ico" << QSize(20, 20) << true;
    QTest::newRow("hand") << "hand.ico" << QSize(32, 32) << true;
}

void TestChrome::skinPictureSizes()
{
    QFETCH(QString, name);
    const QString path = m_folder.filePath("Graphics/" + name);
    QVERIFY2(QFile::exists(path), qPrintable(name));  // written under exactly this name
    const QImage image(path);
    QTEST(image.size(), "size");
    QTEST(image.hasAlphaChannel() && image.pixelColor(0, 0).alpha() == 0, "transparent");
}

void TestChrome::buttonPressSetsSharedFlag()
{
    ProbeWindow window;
    auto *second = new PictureButton("ToolBar02", &window);
    second->move(100, 80);
    window.addThreeStateButton(second, "report");
    QSignalSpy clicks(window.button, &PictureButton::clicked);
    QCOMPARE(window.txtPressTrack(), QStringLiteral("0"));
    QTest::mousePress(window.button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(window.txtPressTrack(), QStringLiteral("1"));
    QTest::mouseRelease(window.button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(window.txtPressTrack(), QStringLiteral("0"));
    QCOMPARE(clicks.count(), 1);
    // Any mouse button holds the flag; one flag serves every toolbar button.
    QTest::mousePress(second, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(window.txtPressTrack(), QStringLiteral("1"));
    QTest::mouseRelease(second, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(window.txtPressTrack(), QStringLiteral("0"));
}

void TestChrome::pressedPictureWhileHeld_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("onCaption");
    QTest::addColumn<int>("mouseButton");
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("released");
    QTest::newRow("toolbar picture") << "ToolBar01" << true << false << int(Qt::LeftButton)
                                     << "home_off.bmp" << "home_pressed.bmp" << "home_on.bmp";
    QTest::newRow("toolbar picture, right button")
        << "ToolBar01" << true << false << int(Qt::RightButton) << "home_off.bmp"
        << "home_pressed.bmp" << "home_on.bmp";
    QTest::newRow("toolbar caption") << "ToolBar01" << true << true << int(Qt::LeftButton)
                                     << "home_off.bmp" << "home_pressed.bmp" << "home_on.bmp";
    QTest::newRow("toolbar caption, right button")
        << "ToolBar01" << true << true << int(Qt::RightButton) << "home_off.bmp"
        << "home_pressed.bmp" << "home_on.bmp";
    // Two-state buttons have no pressed picture, wherever they are held.
    QTest::newRow("two-state picture") << "ButTrash" << true << false << int(Qt::LeftButton)
                                       << "button_off.bmp" << "button_on.bmp"
                                       << "button_on.bmp";
    QTest::newRow("two-state caption") << "ButTrash" << true << true << int(Qt::LeftButton)
                                       << "button_off.bmp" << "button_on.bmp"
                                       << "button_on.bmp";
    // Read aloud, polled as the practice toolbar is; grey whatever the pointer does while the
    // window has it disabled.
    QTest::newRow("read aloud picture")
        << "ButReadAloud" << true << false << int(Qt::LeftButton) << "readaloud_off.bmp"
        << "readaloud_pressed.bmp" << "readaloud_on.bmp";
    QTest::newRow("read aloud caption")
        << "ButReadAloud" << true << true << int(Qt::LeftButton) << "readaloud_off.bmp"
        << "readaloud_pressed.bmp" << "readaloud_on.bmp";
    QTest::newRow("read aloud disabled")
        << "ButReadAloud" << false << false << int(Qt::LeftButton) << "readaloud_disabled.bmp"
        << "readaloud_disabled.bmp" << "readaloud_disabled.bmp";
}

void TestChrome::pressedPictureWhileHeld()
{
    QFETCH(QString, button);
    QFETCH(bool, enabled);
    QFETCH(bool, onCaption);
    QFETCH(int, mouseButton);
    ProbeWindow window;
    auto *twoState = new PictureButton("ButTrash", &window);
    twoState->setPicture("button_off.bmp");
    twoState->addCaption("ButTrash_lbl", "Reset")->setGeometry(0, 4, 80, 16);
    twoState->move(120, 80);
    window.addTwoStateButton(twoState, "button_off.bmp", "button_on.bmp");
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *held = window.findChild<PictureButton *>(button);
    QVERIFY(held);
    held->setEnabled(enabled);
    window.pollNow();
    QTEST(held->picture(), "away");
    QWidget *target = onCaption ? static_cast<QWidget *>(held->captionLabel()) : held;
    const QPoint at = onCaption ? target->rect().center() : QPoint(20, 10);
    QCursor::setPos(target->mapToGlobal(at));
    QTest::mousePress(target, Qt::MouseButton(mouseButton), {}, at);
    window.pollNow();
    QTEST(held->picture(), "held");
    QTest::mouseRelease(target, Qt::MouseButton(mouseButton), {}, at);
    window.pollNow();
    QTEST(held->picture(), "released");
    QCOMPARE(window.txtPressTrack(), QStringLiteral("0"));
}

void TestChrome::captionClickIsTheButtonsClick()
{
    ProbeWindow window;
    QSignalSpy clicks(window.button, &PictureButton::clicked);
    QLabel *caption = window.findChild<QLabel *>("lblTB01");
    QVERIFY(caption);
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(clicks.count(), 1);
    // Released off the caption: no click, and the button is no longer held.
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(10, 60));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(window.txtPressTrack(), QStringLiteral("0"));
}

void TestChrome::releaseElsewhereIsNoClick()
{
    ProbeWindow window;
    QSignalSpy clicks(window.button, &PictureButton::clicked);
    QTest::mousePress(window.button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(window.button, Qt::LeftButton, {}, QPoint(200, 10));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(window.txtPressTrack(), QStringLiteral("0")); // the release reaches the button
}

void TestChrome::accessibleNameAndPress()
{
    PictureButton plain("imgProgTest");
    QCOMPARE(plain.accessibleName(), QStringLiteral("imgProgTest"));
    plain.setToolTips("Minimize");
    QCOMPARE(plain.accessibleName(), QStringLiteral("Minimize"));
    plain.addCaption("lblTest", "Save");
    QCOMPARE(plain.accessibleName(), QStringLiteral("Save"));
    plain.setCaptionText("Mark");
    QCOMPARE(plain.accessibleName(), QStringLiteral("Mark"));

    QSignalSpy clicks(&plain, &PictureButton::clicked);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&plain);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Mark"));
    QVERIFY(face->actionInterface());
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
    plain.setEnabled(false);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
}

void TestChrome::pollingFollowsCursor()
{
    ProbeWindow window;
    window.move(200, 150);
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint centre = window.button->mapToGlobal(QPoint(22, 22));
    QCursor::setPos(centre);
    window.pollNow();
    QCOMPARE(window.button->picture(), QStringLiteral("home_on.bmp"));
    QTest::mousePress(window.button, Qt::LeftButton, {}, QPoint(22, 22));
    window.pollNow();
    QCOMPARE(window.button->picture(), QStringLiteral("home_pressed.bmp"));
    QCursor::setPos(centre + QPoint(100, 100));
    window.pollNow();
    QCOMPARE(window.button->picture(), QStringLiteral("home_off.bmp"));
    QTest::mouseRelease(window.button, Qt::LeftButton, {}, QPoint(122, 122));
    QVERIFY(window.Timer1()->isActive());
    QCOMPARE(window.Timer1()->interval(), 100);
}

void TestChrome::toolbarSwitchesIdentityWithinOneTick()
{
    ProbeWindow window;
    QVERIFY(window.pollToolbarIdentity(window.button, 1, 4));
    QCOMPARE(window.button->captionText(), QStringLiteral("About"));
    QCOMPARE(window.button->toolTip(), QStringLiteral("About Quorvel"));
    QCOMPARE(window.button->captionLabel()->toolTip(), QStringLiteral("About Quorvel"));
    QCOMPARE(window.button->picture(), QStringLiteral("about_off.bmp"));
    QCOMPARE(window.button->accessibleName(), QStringLiteral("About"));
    QVERIFY(window.pollToolbarIdentity(window.button, 1, 2));
    QCOMPARE(window.button->captionText(), QStringLiteral("Home"));
    QCOMPARE(window.button->toolTip(), QStringLiteral("Load Home page"));
    QCOMPARE(window.button->picture(), QStringLiteral("home_off.bmp"));
    QVERIFY(!window.pollToolbarIdentity(window.button, 5, 4)); // a position with no role
    QVERIFY(window.button->captionText().isEmpty());
    QCOMPARE(window.button->picture(), QStringLiteral("home_off.bmp"));
}

void TestChrome::practiceButtonsDisable()
{
    SkinnedWindow window(SkinnedWindow::Kind::Practice);
    window.move(200, 150); // away from the cursor
    auto *back = new PictureButton("ToolBar05", &window);
    auto *print = new PictureButton("ToolBar03", &window);
    window.pollPracticeButton(back, 5, 0, 1, 1);
    QCOMPARE(back->picture(), QStringLiteral("back_disabled.bmp"));
    QVERIFY(!back->isEnabled());
    window.pollPracticeButton(back, 5, 0, 2, 5);
    QCOMPARE(back->picture(), QStringLiteral("back_off.bmp"));
    QVERIFY(back->isEnabled());
    print->setEnabled(false);
    window.pollPracticeButton(print, 3, 1, 1, 1);
    QVERIFY(!print->isEnabled());  // left as the window set it
    QCOMPARE(print->picture(), QStringLiteral("print_off.bmp"));
}

void TestChrome::titleSkinFollowsActivation()
{
    ProbeWindow window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *close = window.progClose();
    const QPoint overClose = close->mapToGlobal(QPoint(9, 9));

    window.applyTitleSkin(false);
    QCOMPARE(window.focusFlag(), QStringLiteral("0"));
    QCOMPARE(close->picture(), QStringLiteral("prog_white_close.bmp"));
    QCOMPARE(window.titleLabel()->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(window.framePiece("BTopLeft")->pixmap().cacheKey(),
             PictureCache::picture("border_white_top_left.bmp").cacheKey());
    QCursor::setPos(overClose);
    window.pollNow();
    QCOMPARE(close->picture(), QStringLiteral("prog_white_close.bmp"));  // not polled

    window.applyTitleSkin(true);
    QCOMPARE(window.focusFlag(), QStringLiteral("1"));
    QCOMPARE(window.titleLabel()->palette().color(QPalette::WindowText), QColor(Qt::white));
    window.pollNow();
    QCOMPARE(close->picture(), QStringLiteral("prog_blue_close.bmp"));
    QCOMPARE(window.progMin()->picture(), QStringLiteral("prog_blueoff_min.bmp"));
    QVERIFY(!window.progMax());
}

void TestChrome::titleTextIsWhiteOnBlue_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("main, active") << int(SkinnedWindow::Kind::Main) << true << QColor(Qt::white);
    QTest::newRow("main, inactive") << int(SkinnedWindow::Kind::Main) << false
                                    << QColor(128, 128, 128);
    QTest::newRow("practice, active") << int(SkinnedWindow::Kind::Practice) << true
                                      << QColor(Qt::white);
    // The pop-up keeps its blue strip whatever its activation.
    QTest::newRow("pop-up") << int(SkinnedWindow::Kind::PopUp) << true << QColor(Qt::white);
    QTest::newRow("pop-up, inactive") << int(SkinnedWindow::Kind::PopUp) << false
                                      << QColor(Qt::white);
}

void TestChrome::titleTextIsWhiteOnBlue()
{
    QFETCH(int, kind);
    QFETCH(bool, active);
    QFETCH(QColor, colour);
    SkinnedWindow window{SkinnedWindow::Kind(kind)};
    window.setTitleText(QStringLiteral("Marking"));
    window.applyTitleSkin(active);
    QCOMPARE(window.titleLabel()->palette().color(QPalette::WindowText), colour);
    // What is drawn, not only what is asked for: the title's strokes are in that colour.
    const QImage drawn = window.titleLabel()->grab().toImage();
    bool found = false;
    for (int y = 0; y < drawn.height() && !found; ++y) {
        for (int x = 0; x < drawn.width() && !found; ++x)
            found = drawn.pixelColor(x, y).rgb() == colour.rgb();
    }
    QVERIFY(found);
}

void TestChrome::rightButtonOnTitleStartsDrag()
{
    ProbeWindow window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(window.framePiece("BTopCentre"), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(window.framePiece("BTopCentre"), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(window.moves, 1);
    QTest::mousePress(window.framePiece("BTopLeft"), Qt::LeftButton, {}, QPoint(20, 5));
    QTest::mouseRelease(window.framePiece("BTopLeft"), Qt::LeftButton, {}, QPoint(20, 5));
    QCOMPARE(window.moves, 2);
    QTest::mousePress(window.framePiece("BLeft"), Qt::LeftButton, {}, QPoint(1, 5));
    QCOMPARE(window.moves, 2);
}

void TestChrome::roundCornersCutsTopOnly()
{
    ProbeWindow window;
    window.resize(100, 60);
    window.pRoundCorners();
    const QRegion mask = window.mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(99, 0)));
    QVERIFY(mask.contains(QPoint(10, 1)));
    QVERIFY(mask.contains(QPoint(0, 59)));
    QVERIFY(mask.contains(QPoint(99, 59)));
}

void TestChrome::mainFrameTracksSize()
{
    ProbeWindow window;
    window.resize(640, 480);
    window.show();  // a hidden window gets its resize event only when shown
    QCOMPARE(window.framePiece("BTopRight")->geometry(), QRect(592, 0, 48, 28));
    QCOMPARE(window.framePiece("BTopCentre")->geometry(), QRect(48, 0, 544, 28));
    QCOMPARE(window.framePiece("BBot")->geometry(), QRect(4, 476, 632, 4));
    QCOMPARE(window.framePiece("BRight")->geometry(), QRect(636, 28, 4, 448));
    QCOMPARE(window.progClose()->geometry(), QRect(617, 4, 19, 19));
    QCOMPARE(window.progMin()->geometry(), QRect(596, 4, 19, 19));
    QCOMPARE(window.titleLabel()->x(), 30);
    QCOMPARE(window.iconLabel()->geometry(), QRect(9, 4, 20, 20));
    QVERIFY(!window.mask().contains(QPoint(639, 0)));
}

void TestChrome::maximiseRestore()
{
    SkinnedWindow window(SkinnedWindow::Kind::Practice);
    window.setGeometry(200, 150, 600, 400); // away from the cursor
    window.progMax()->move(500, 4);         // where a practice window's layout puts it
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.progMax()->toolTip(), QStringLiteral("Restore"));
    QTest::mouseClick(window.progMax(), Qt::LeftButton);
    QTRY_VERIFY(window.isMaximized());
    window.pollNow();
    QCOMPARE(window.progMax()->picture(), QStringLiteral("prog_blueoff_norm.bmp"));
    window.toggleMaximised();
    QTRY_VERIFY(!window.isMaximized());
    window.pollNow();
    QCOMPARE(window.progMax()->picture(), QStringLiteral("prog_blueoff_max.bmp"));
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    window.toggleMaximised();
    QVERIFY(window.isMinimized());
    QVERIFY(!window.isMaximized());
}

void TestChrome::popupOneButtonCentred()
{
    frmPopUp popup;
    popup.CallPop("Quorvel", "Paper saved", 1, nullptr);
    auto *but1 = popup.findChild<PictureButton *>("But1");
    auto *but2 = popup.findChild<PictureButton *>("But2");
    QCOMPARE(popup.size(), QSize(265, 150));
    QCOMPARE(but1->x(), (265 - 80) / 2);
    QCOMPARE(but1->size(), QSize(80, 25));
    QVERIFY(but2->isHidden());
    QCOMPARE(but1->captionText(), QStringLiteral("OK"));
    QCOMPARE(but1->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(popup.titleLabel()->text(), QStringLiteral("Quorvel"));
    QCOMPARE(popup.titleLabel()->objectName(), QStringLiteral("lblTitle"));
}

void TestChrome::popupTwoButtons()
{
    frmPopUp popup;
    popup.CallPop("Close Practice", "Confirm?", 2, nullptr);
    auto *message = popup.findChild<QLabel *>("lblMessage");
    auto *but1 = popup.findChild<PictureButton *>("But1");
    auto *but2 = popup.findChild<PictureButton *>("But2");
    QCOMPARE(but1->x(), message->x());
    QCOMPARE(but2->x(), but1->x() + but1->width() + 10);
    QVERIFY(!but2->isHidden());
    QCOMPARE(but1->captionText(), QStringLiteral("Yes"));
    QCOMPARE(but2->captionText(), QStringLiteral("No"));
    QCOMPARE(message->text(), QStringLiteral("Confirm?"));
}

void TestChrome::popupMessageLine_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("drop");
    QTest::newRow("32") << 32 << 7;
    QTest::newRow("33") << 33 << 0;
}

void TestChrome::popupMessageLine()
{
    QFETCH(int, length);
    frmPopUp popup;
    popup.CallPop("Marking", QString(length, QLatin1Char('a')), 2, nullptr);
    auto *message = popup.findChild<QLabel *>("lblMessage");
    auto *info = popup.findChild<QLabel *>("ImgInfo");
    QTEST(message->y() - info->y(), "drop");
    QCOMPARE(info->y(), 28 + 16);
}

void TestChrome::popupHover()
{
    frmPopUp popup;
    popup.CallPop("Quorvel", "Paper saved", 2, nullptr);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    auto *but1 = popup.findChild<PictureButton *>("But1");
    auto *but2 = popup.findChild<PictureButton *>("But2");
    QCursor::setPos(but1->mapToGlobal(QPoint(40, 12)));
    popup.pollNow();
    QCOMPARE(but1->picture(), QStringLiteral("button_on.bmp"));
    QCOMPARE(but2->picture(), QStringLiteral("button_off.bmp"));
    QVERIFY(popup.Timer1()->isActive());
    popup.close();
}

void TestChrome::popupCentresOnMaster()
{
    ProbeWindow master;
    master.setGeometry(100, 100, 800, 600);
    frmPopUp popup(&master);
    popup.CallPop("Quorvel", "Paper saved", 1, &master);
    QCOMPARE(popup.pos(), QPoint(100 + (800 - 265) / 2, 100 + (600 - 150) / 2));
}

void TestChrome::popupsStartFromDesignState()
{
    QString firstCaption;
    whenPopUpShows([&firstCaption](frmPopUp *p) {
        firstCaption = p->findChild<PictureButton *>("But1")->captionText();
        QVERIFY(p->findChild<PictureButton *>("But2")->isHidden());
        QTest::mouseClick(p->findChild<PictureButton *>("But1"), Qt::LeftButton);
    });
    QVERIFY(CallPop("Quorvel", "Paper saved", 1, nullptr));
    QCOMPARE(firstCaption, QStringLiteral("OK"));

    // Any count other than 1 or 2 keeps the design: both buttons, "OK" and "Cancel".
    bool secondVisible = false;
    QString captions;
    whenPopUpShows([&](frmPopUp *p) {
        auto *but1 = p->findChild<PictureButton *>("But1");
        auto *but2 = p->findChild<PictureButton *>("But2");
        secondVisible = !but2->isHidden();
        captions = but1->captionText() + "/" + but2->captionText();
        QTest::mouseClick(but2->captionLabel(), Qt::LeftButton);
    });
    QVERIFY(!CallPop("Quorvel", "Anything", 3, nullptr));
    QVERIFY(secondVisible);
    QCOMPARE(captions, QStringLiteral("OK/Cancel"));
}

void TestChrome::popupClosedOtherwiseAnswersFalse()
{
    whenPopUpShows([](frmPopUp *p) {
        QTest::mouseClick(p->findChild<PictureButton *>("But1"), Qt::LeftButton);
    });
    QVERIFY(CallPop("Close Practice", "Confirm?", 2, nullptr));
    whenPopUpShows([](frmPopUp *p) { p->close(); });
    QVERIFY(!CallPop("Close Practice", "Confirm?", 2, nullptr));
}

void TestChrome::popupPressReleasedElsewhereDoesNotAnswer()
{
    frmPopUp popup;
    popup.CallPop("Close Practice", "Confirm?", 2, nullptr);
    popup.show();
    auto *but1 = popup.findChild<PictureButton *>("But1");
    QTest::mousePress(but1, Qt::LeftButton, {}, QPoint(40, 12));
    QTest::mouseRelease(but1, Qt::LeftButton, {}, QPoint(40, 60));
    QVERIFY(popup.isVisible());
    QVERIFY(popup.response().isEmpty());
    popup.close();
    QCOMPARE(popup.response(), QStringLiteral("False"));
}

void TestChrome::popupKeys_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Enter is Yes") << 2 << "Return" << true;
    QTest::newRow("keypad Enter is Yes") << 2 << "Enter" << true;
    QTest::newRow("Escape is No") << 2 << "Esc" << false;
    QTest::newRow("Tab to No, then Enter") << 2 << "Tab, Return" << false;
    QTest::newRow("Tab to No, then Space") << 2 << "Tab, Space" << false;
    QTest::newRow("Enter is OK") << 1 << "Return" << true;
    QTest::newRow("Escape closes a notice") << 1 << "Esc" << false;
}

void TestChrome::popupKeys()
{
    QFETCH(int, buttons);
    QFETCH(QString, keys);
    bool but1Framed = false;
    whenPopUpShows([&](frmPopUp *p) {
        QVERIFY(QTest::qWaitForWindowActive(p));
        auto *but1 = p->findChild<PictureButton *>("But1");
        // The button Enter answers shows the focus frame.
        but1Framed = but1->hasFocus()
                     && but1->grab().toImage().pixel(1, but1->height() / 2)
                            == SkinColours::kFrameDark;
        for (const QString &one : keys.split(',')) {
            const QKeyCombination key = QKeySequence::fromString(one.trimmed())[0];
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : p, key.key(), key.keyboardModifiers());
        }
    });
    QTEST(CallPop("Close Practice", "Confirm?", buttons, nullptr), "yes");
    QVERIFY(but1Framed);
}

void TestChrome::pictureButtonKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Space presses") << int(Qt::Key_Space) << true << 1;
    QTest::newRow("Enter presses") << int(Qt::Key_Return) << true << 1;
    QTest::newRow("keypad Enter presses") << int(Qt::Key_Enter) << true << 1;
    QTest::newRow("a letter does not") << int(Qt::Key_A) << true << 0;
    QTest::newRow("disabled, Space does not") << int(Qt::Key_Space) << false << 0;
}

void TestChrome::pictureButtonKeys()
{
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QWidget window;
    auto *first = new PictureButton("ToolBar01", &window);
    first->setPicture("save_off.bmp");
    auto *button = new PictureButton("ToolBar02", &window);
    button->setPicture("mark_off.bmp");
    button->move(60, 0);
    button->setEnabled(enabled);
    window.resize(120, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Taken from the keyboard, not by a click; the first takes it as its window opens.
    QCOMPARE(first->focusPolicy(), Qt::TabFocus);
    QCOMPARE(QApplication::focusWidget(), first);
    const QImage framed = first->grab().toImage();
    QCOMPARE(framed.pixel(1, framed.height() / 2), SkinColours::kFrameDark);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), enabled ? button : first);
    const QImage unframed = first->grab().toImage();
    QCOMPARE(enabled, unframed.pixel(1, unframed.height() / 2) != SkinColours::kFrameDark);
    button->setFocus();
    QSignalSpy clicks(button, &PictureButton::clicked);
    QTest::keyClick(button, Qt::Key(key));
    QTEST(int(clicks.count()), "clicks");
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
