#pragma once
// Geometry of the skinned windows as plain functions on numbers: unit conversions, the
// corner-cut window regions, the main window's frame, the pop-up's placement, the practice
// window's layout pass with its folding answer sheet, and the practice window's edge
// cursor and corner resize. Windows call these and only apply the results to widgets.
//
// Units: twips (15 to a pixel) wherever the window rules give twips or HIMETRIC, so every
// number can be checked against the rules; the regions and the pop-up's button placement
// are in pixels.

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

namespace ChromeGeometry {

constexpr int kTwipsPerPixel = 15;
constexpr int kMinWidthTwips = 7300;   // practice windows never get narrower (strictly more)
constexpr int kMinHeightTwips = 5000;  // nor lower
constexpr int kGripPixels = 6;         // resize zone along each practice window edge

// ---- units --------------------------------------------------------------------------------

int twipsToPixels(int twips);            // nearest pixel
int pixelsToTwips(int pixels);
int himetricToTwips(int himetric);       // himetric * 1440 / 2540, nearest twip
QRect twipsToPixels(const QRect &twips); // edges rounded, so touching pieces stay touching
QRect pixelsToTwips(const QRect &pixels);
QSize pixelsToTwips(const QSize &pixels);
QPoint pixelsToTwips(const QPoint &pixels);
QPoint twipsToPixels(const QPoint &twips);

// ---- regions (pixels) -------------------------------------------------------------------

// Main and practice windows: top corners cut, bottom corners square; 12 points.
QPolygon roundCornersPolygon(int w, int h);
// Pop-up: all four corners cut, 5 pixels at the top and 7 at the bottom; 18 points.
QPolygon popupCornersPolygon(int w, int h);

// ---- frame -------------------------------------------------------------------------------

// Natural sizes (twips) of the frame pieces and title-strip controls. Stretching pieces
// give only the dimension their picture fixes. An empty size means "no such control".
struct FrameSizes
{
    QSize topLeft;          // BTopLeft
    QSize topRight;         // BTopRight
    int topCentreHeight = 0; // BTopCentre
    int leftWidth = 0;      // BLeft
    int rightWidth = 0;     // BRight
    QSize botLeft;          // BBotLeft
    QSize botRight;         // BBotRight
    int botHeight = 0;      // BBot
    QSize title;            // Title (pop-up: lblTitle)
    QSize icon;             // ImgIco
    QSize progMin;          // imgProgMin
    QSize progMax;          // imgProgMax
    QSize progClose;        // imgProgClose
};

// Placed frame pieces (twips, window coordinates). Null rectangles for absent controls.
struct FrameRects
{
    QRect topLeft, topCentre, topRight;
    QRect left, right;
    QRect botLeft, bot, botRight;
    QRect title, icon;
    QRect progMin, progMax, progClose;
};

// The border pieces of every window from the inner width w and height h (twips).
FrameRects borderPieces(int w, int h, const FrameSizes &s);

// The main window's frame, placed once at load: borders, title at 450, icon at 240
// HIMETRIC, close 60 twips from the right edge and minimise 30 twips left of close.
FrameRects mainFrame(int w, int h, const FrameSizes &s);

// ---- pop-up -------------------------------------------------------------------------------

constexpr int kPopupWidthTwips = 3975;   // 265 pixels
constexpr int kPopupHeightTwips = 2250;  // 150 pixels
constexpr int kPopupMessageWidthTwips = 2880;
constexpr int kPopupMessageHeightTwips = 420;
constexpr int kPopupButtonWidthTwips = 1200;
constexpr int kPopupButtonHeightTwips = 375;
constexpr int kPopupBut1DesignLeftTwips = 1110;
constexpr int kPopupBut2DesignLeftTwips = 2460;
constexpr int kPopupSingleLineChars = 32;  // a message this long or shorter is one line

struct PopupSizes
{
    FrameSizes frame;  // frame.title is lblTitle's size
    QSize info;        // ImgInfo
    QSize message;     // lblMessage (design 2880 x 420)
    QSize button;      // But1, But2 (design 1200 x 375)
};

struct PopupRects
{
    FrameRects frame;  // frame.title is lblTitle
    QRect info, message, but1, but2;
};

// The pop-up's load step (twips): borders, title at 240, the icon under the title strip,
// the message right of the icon, both buttons 240 twips above the bottom at design lefts.
PopupRects popupLoadLayout(int w, int h, const PopupSizes &s);

// What CallPop does with the buttons (pixels).
struct PopupButtonPlan
{
    bool but1Visible = true;
    bool but2Visible = true;
    int but1Left = 0;
    int but2Left = 0;
    QString but1Caption;
    QString but2Caption;
};

// One button: centred "OK". Two: "Yes" at the message's left, "No" 10 pixels after it.
// Any other count: the design state, both visible, "OK" and "Cancel".
PopupButtonPlan popupButtons(int numOfButtons, int innerWidth, int buttonWidth,
                             int messageLeft, int designBut1Left, int designBut2Left);

// Message top (pixels): a message of at most 32 characters sits 7 pixels lower, level with
// the middle of the icon; a longer one starts at the icon's top and wraps downwards.
int popupMessageTop(const QString &msg, int infoTop);

// Top-left corner that centres a window of the given size on the master's rectangle.
QPoint centredOn(const QRect &master, const QSize &size);

// ---- practice window layout (twips) ----------------------------------------------------------

constexpr int kTitleStripCentreTwips = 30000;  // BTopCentre; the window clips it

struct PracticeSizes
{
    FrameSizes frame;
    QSize sizer;                       // Sizer
    int toolStripHeight = 765;         // ScnTabBG
    int toolButtonWidth[6] = {660, 660, 660, 660, 660, 660};  // ToolBar01..ToolBar06
    int readAloudWidth = 840;          // ButReadAloud
    int paperSumWidth = 2220;          // PaperSum
    int ansBoxWidth = 4095;            // AnsBox
    int hideAnsWidth = 105;            // PicHideAns
    int remQnsHeight = 450;            // RemQnsBG
    int instructionHeight = 900;       // PicInstruction
};

struct PracticeRects
{
    FrameRects frame;
    QRect sizer;
    QRect toolStrip;                   // ScnTabBG
    int toolButtonLeft[6] = {};        // inside ScnTabBG
    int readAloudLeft = 0;             // ButReadAloud, inside ScnTabBG
    int paperSumLeft = 0;              // PaperSum, inside ScnTabBG
    QRect ansBox;                      // AnsBox
    QRect hideAns;                     // PicHideAns
    QRect browser;                     // brwWebBrowser
    int qnTitleTop = 0;                // QnTitleBG (its left stays as designed)
    int qnTitleWidth = 0;
    QRect remQns;                      // RemQnsBG
    int instructionTop = 0;            // PicInstruction, inside AnsBox
};

// Where a practice window first opens: 10 % in from the screen's left and top, 80 % of its
// width and height.
QRect practiceInitialGeometry(const QRect &screen);

// The layout pass for an inner size w x h and outer width (all twips). The title strip's
// fixed pieces (BTopLeft, BTopCentre 30000 wide, Title at 800 and ImgIco at 240 HIMETRIC)
// are included. A folded answer sheet stays folded across size changes.
PracticeRects practiceLayout(int w, int h, int outerWidth, const PracticeSizes &s,
                             bool sheetShown = true);

// Folds the answer sheet away to the right (shown = false) or brings it back (true).
void foldAnswerSheet(PracticeRects &r, int w, const PracticeSizes &s, bool shown);

// Tooltip of ImgHandle for the sheet's state.
QString answerSheetHandleTip(bool sheetShown);

// ---- practice edges (twips, positions relative to the window's top-left corner) --------------

enum class EdgeCursor { Unchanged, Arrow, SizeHor, SizeVer, SizeFDiag, SizeBDiag };

// Cursor over the window's own surface; Unchanged when the left button is held outside
// every zone.
EdgeCursor edgeCursor(const QPoint &pos, const QSize &window, const QSize &grip,
                      bool leftHeld);

struct EdgeGrab
{
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    bool any() const { return left || top || right || bottom; }
    bool corner() const { return right && bottom; }
};

EdgeGrab classifyGrab(const QPoint &pos, const QSize &window, const QSize &grip);

// Where the cursor is put after a grab (screen twips): onto each grabbed edge in the order
// left, top, right, bottom, the last one winning. Without a grab the cursor stays.
QPoint snapCursor(const EdgeGrab &grab, const QRect &window, const QPoint &pos);

// New window size while the cursor is at pos: only a bottom-right grab resizes, only beyond
// twice the grip from the top-left corner, and each dimension only above its minimum.
QSize cornerResize(const EdgeGrab &grab, const QPoint &pos, const QSize &current,
                   const QSize &grip);

} // namespace ChromeGeometry
