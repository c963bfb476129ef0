#pragma once
// Which skin picture a polled button shows: pure decisions from the cursor test, the press
// flag and the window's state, plus the main toolbar's two identities and the title skins.
// The windows' 100 ms ticks call these and assign the result (see SkinnedWindow).

#include <QPoint>
#include <QRect>
#include <QString>
#include <QtGui/qrgb.h>

namespace PictureStates {

// Hover test: the button's screen rectangle holds the cursor; the right and bottom edges
// are outside.
bool hoverInside(const QRect &screenRect, const QPoint &cursor);

// Two-state button: on while the cursor is inside, off otherwise.
QString twoStatePicture(bool inside, const QString &offPicture, const QString &onPicture);

// Three-state button: off outside; pressed inside while the press flag is set; on inside
// otherwise. Pictures are base + "_off.bmp", "_on.bmp", "_pressed.bmp".
QString threeStatePicture(bool inside, bool pressFlag, const QString &base);

// Tab n of the main window's tab strip with tab selectedTab in front.
QString tabPicture(int n, int selectedTab, bool inside);

// A main-window toolbar button's identity: caption, tooltip and picture base. The second
// identity applies on the Help tab (tab 4), where ToolBar03 is "Pupils". A button with no
// role has used false and caption, tooltip and base empty.
struct ToolbarIdentity
{
    QString caption;
    QString toolTip;
    QString pictureBase;
    bool used = true;
};
ToolbarIdentity toolbarIdentity(int button, int tabPos);

// A practice-window toolbar button (1 Save, 2 Mark, 3 Print, 4 Close, 5 Back, 6 Next,
// 7 Read aloud): its caption, tooltip and picture base, and its look at one tick. Save and
// Mark are disabled once the paper is no longer open (status != 0), Back on the first
// question, Next on the last; Print, Close and Read aloud never change their enabled state
// (enabledTouched). Read aloud is the window's to enable, since the speech engine decides;
// its picture shows the state the window gave it (windowEnabled).
struct PracticeButtonLook
{
    QString picture;
    bool enabled = true;
    bool enabledTouched = true;
};
QString practiceCaption(int button);
QString practiceToolTip(int button);
QString practicePictureBase(int button);
PracticeButtonLook practiceToolbarLook(int button, bool inside, bool pressFlag, int status,
                                       int qsCount, int questionCount, bool windowEnabled);

// The maximise button's pictures follow the window's state; empty = leave it untouched
// (minimised).
enum class WindowShow { Normal, Minimised, Maximised };
QString titleMaxPicture(WindowShow show, bool inside);

// Active and inactive title skins of the main and practice windows.
struct TitleSkin
{
    QRgb titleColour;
    QString focusFlag;       // "1" active, "0" inactive
    QString topLeft;         // BTopLeft
    QString topRight;        // BTopRight
    QString topCentre;       // BTopCentre
    QString progClose;       // imgProgClose
    QString progMax;         // imgProgMax, empty when the window has none
    QString progMin;         // imgProgMin
};
TitleSkin titleSkin(bool active, bool hasMaxButton);

} // namespace PictureStates
