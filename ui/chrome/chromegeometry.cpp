#include "ui/chrome/chromegeometry.h"

#include <QtMath>

namespace ChromeGeometry {

int twipsToPixels(int twips)
{
    return qRound(double(twips) / kTwipsPerPixel);
}

int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

int himetricToTwips(int himetric)
{
    return qRound(double(himetric) * 1440.0 / 2540.0);
}

QRect twipsToPixels(const QRect &twips)
{
    if (twips.isNull())
        return {};
    const int left = twipsToPixels(twips.x());
    const int top = twipsToPixels(twips.y());
    const int right = twipsToPixels(twips.x() + twips.width());
    const int bottom = twipsToPixels(twips.y() + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

QRect pixelsToTwips(const QRect &pixels)
{
    return QRect(pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel,
                 pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
}

QSize pixelsToTwips(const QSize &pixels)
{
    return pixels * kTwipsPerPixel;
}

QPoint pixelsToTwips(const QPoint &pixels)
{
    return pixels * kTwipsPerPixel;
}

QPoint twipsToPixels(const QPoint &twips)
{
    return QPoint(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
}

QPolygon roundCornersPolygon(int w, int h)
{
    // The top-right cut is not the mirror of the top-left one: (w-2, 3), not (w-1, 3).
    return QPolygon({QPoint(0, 5), QPoint(1, 3), QPoint(2, 2), QPoint(3, 1), QPoint(5, 0),
                     QPoint(w - 5, 0), QPoint(w - 3, 1), QPoint(w - 2, 2), QPoint(w - 2, 3),
                     QPoint(w, 5), QPoint(w, h), QPoint(0, h)});
}

QPolygon popupCornersPolygon(int w, int h)
{
    return QPolygon({QPoint(0, 5), QPoint(1, 3), QPoint(2, 2), QPoint(3, 1), QPoint(5, 0),
                     QPoint(w - 5, 0), QPoint(w - 3, 1), QPoint(w - 2, 2), QPoint(w - 2, 3),
                     QPoint(w, 5), QPoint(w, h - 7), QPoint(w - 2, h - 3),
                     QPoint(w - 3, h - 2), QPoint(w - 7, h), QPoint(7, h), QPoint(3, h - 2),
                     QPoint(2, h - 3), QPoint(0, h - 7)});
}

FrameRects borderPieces(int w, int h, const FrameSizes &s)
{
    FrameRects r;
    r.topLeft = QRect(QPoint(0, 0), s.topLeft);
    r.topRight = QRect(QPoint(w - s.topRight.width(), 0), s.topRight);
    r.topCentre = QRect(r.topLeft.x() + r.topLeft.width(), 0,
                        r.topRight.x() - r.topLeft.x() - r.topLeft.width(), s.topCentreHeight);
    r.botLeft = QRect(QPoint(0, h - s.botLeft.height()), s.botLeft);
    r.left = QRect(0, r.topLeft.y() + r.topLeft.height(), s.leftWidth,
                   r.botLeft.y() - r.topLeft.y() - r.topLeft.height());
    r.botRight = QRect(QPoint(w - s.botRight.width(), h - s.botRight.height()), s.botRight);
    r.right = QRect(w - s.rightWidth, r.topRight.y() + r.topRight.height(), s.rightWidth,
                    r.botRight.y() - r.topRight.y() - r.topRight.height());
    r.bot = QRect(r.botLeft.x() + r.botLeft.width(), h - s.botHeight,
                  r.botRight.x() - r.botLeft.x() - r.botLeft.width(), s.botHeight);
    return r;
}

namespace {

// A control centred vertically on the title strip's corner piece.
int titleTop(const QSize &strip, const QSize &control)
{
    return (strip.height() - control.height()) / 2;
}

} // namespace

FrameRects mainFrame(int w, int h, const FrameSizes &s)
{
    FrameRects r = borderPieces(w, h, s);
    r.title = QRect(QPoint(450, titleTop(s.topLeft, s.title)), s.title);
    r.icon = QRect(QPoint(himetricToTwips(240), titleTop(s.topLeft, s.icon)), s.icon);
    r.progClose = QRect(QPoint(w - s.progClose.width() - 60, titleTop(s.topRight, s.progClose)),
                        s.progClose);
    r.progMin = QRect(QPoint(r.progClose.x() - s.progMin.width() - 30,
                             titleTop(s.topRight, s.progMin)),
                      s.progMin);
    return r;
}

PopupRects popupLoadLayout(int w, int h, const PopupSizes &s)
{
    PopupRects r;
    r.frame = borderPieces(w, h, s.frame);
    const QRect &topRight = r.frame.topRight;
    r.frame.title = QRect(QPoint(240, titleTop(s.frame.topRight, s.frame.title)), s.frame.title);
    r.info = QRect(QPoint(r.frame.title.x(), topRight.y() + topRight.height() + 240), s.info);
    r.message = QRect(QPoint(r.info.x() + r.info.width() + 150, r.info.y()), s.message);
    const int buttonTop = h - s.button.height() - 240;
    r.but1 = QRect(QPoint(kPopupBut1DesignLeftTwips, buttonTop), s.button);
    r.but2 = QRect(QPoint(kPopupBut2DesignLeftTwips, buttonTop), s.button);
    return r;
}

PopupButtonPlan popupButtons(int numOfButtons, int innerWidth, int buttonWidth,
                             int messageLeft, int designBut1Left, int designBut2Left)
{
    PopupButtonPlan plan;
    plan.but1Left = designBut1Left;
    plan.but2Left = designBut2Left;
    plan.but1Caption = QStringLiteral("OK");
    plan.but2Caption = QStringLiteral("Cancel");
    if (numOfButtons == 1) {
        plan.but2Visible = false;
        plan.but1Left = (innerWidth - buttonWidth) / 2;
    } else if (numOfButtons == 2) {
        plan.but1Left = messageLeft;
        plan.but2Left = plan.but1Left + buttonWidth + 10;
        plan.but1Caption = QStringLiteral("Yes");
        plan.but2Caption = QStringLiteral("No");
    }
    return plan;
}

int popupMessageTop(const QString &msg, int infoTop)
{
    return msg.size() <= kPopupSingleLineChars ? infoTop + 7 : infoTop;
}

QPoint centredOn(const QRect &master, const QSize &size)
{
    return QPoint(master.x() + (master.width() - size.width()) / 2,
                  master.y() + (master.height() - size.height()) / 2);
}

QRect practiceInitialGeometry(const QRect &screen)
{
    return QRect(screen.x() + screen.width() / 10, screen.y() + screen.height() / 10,
                 screen.width() * 8 / 10, screen.height() * 8 / 10);
}

PracticeRects practiceLayout(int w, int h, int outerWidth, const PracticeSizes &s,
                             bool sheetShown)
{
    PracticeRects r;
    const FrameSizes &f = s.frame;
    // Steps 1-6: the borders (with the title strip's fixed pieces placed at load).
    r.frame = borderPieces(w, h, f);
    r.frame.topCentre.setWidth(kTitleStripCentreTwips);
    r.frame.title = QRect(QPoint(himetricToTwips(800), titleTop(f.topLeft, f.title)), f.title);
    r.frame.icon = QRect(QPoint(himetricToTwips(240), titleTop(f.topLeft, f.icon)), f.icon);
    // 7-10: grip and title buttons.
    const int h60 = himetricToTwips(60);
    r.sizer = QRect(QPoint(w - s.sizer.width() - h60, h - s.sizer.height() - h60), s.sizer);
    r.frame.progClose = QRect(QPoint(w - f.progClose.width() - himetricToTwips(120),
                                     titleTop(f.topRight, f.progClose)),
                              f.progClose);
    r.frame.progMax = QRect(QPoint(r.frame.progClose.x() - f.progMax.width() - h60,
                                   titleTop(f.topRight, f.progMax)),
                            f.progMax);
    r.frame.progMin = QRect(QPoint(r.frame.progMax.x() - f.progMin.width() - h60,
                                   titleTop(f.topRight, f.progMin)),
                            f.progMin);
    // 11-13: toolbar strip, a left-aligned row of four and Read aloud, a right-aligned pair.
    const QRect &topLeft = r.frame.topLeft;
    r.toolStrip = QRect(f.leftWidth, topLeft.y() + topLeft.height(),
                        w - f.rightWidth - f.leftWidth, s.toolStripHeight);
    r.toolButtonLeft[0] = 120;
    for (int i = 1; i < 4; ++i)
        r.toolButtonLeft[i] = r.toolButtonLeft[i - 1] + s.toolButtonWidth[i - 1] + 120;
    r.toolButtonLeft[5] = r.toolStrip.width() - s.toolButtonWidth[5] - 120;
    r.toolButtonLeft[4] = r.toolButtonLeft[5] - s.toolButtonWidth[4] - 120;
    r.readAloudLeft = r.toolButtonLeft[3] + s.toolButtonWidth[3] + 120;
    // The paper summary stands over the answer sheet. On a narrow window it moves right to
    // keep clear of Read aloud, but never under Back; narrower still, Read aloud covers the
    // summary's pencil and leaves its figures in sight.
    const int clearOfReadAloud = r.readAloudLeft + s.readAloudWidth + 120;
    r.paperSumLeft = qMin(qMax(outerWidth - 4095, clearOfReadAloud),
                          r.toolButtonLeft[4] - s.paperSumWidth);
    // 14-19: answer sheet, handle strip, page, title and remaining-questions strips.
    const int contentTop = r.toolStrip.y() + r.toolStrip.height();
    const int sheetHeight = h - contentTop - f.botHeight;
    r.ansBox = QRect(w - s.ansBoxWidth - f.rightWidth, contentTop, s.ansBoxWidth, sheetHeight);
    r.hideAns = QRect(r.ansBox.x() - s.hideAnsWidth, contentTop, s.hideAnsWidth, sheetHeight);
    r.browser = QRect(f.leftWidth, contentTop,
                      w - s.ansBoxWidth - s.hideAnsWidth - f.leftWidth - f.rightWidth,
                      h - contentTop - s.remQnsHeight - f.botHeight);
    r.qnTitleWidth = r.browser.width() - himetricToTwips(640);
    r.qnTitleTop = r.browser.y() + himetricToTwips(120);
    r.remQns = QRect(f.leftWidth, r.browser.y() + r.browser.height(), r.browser.width(),
                     s.remQnsHeight);
    r.instructionTop = r.ansBox.height() - s.instructionHeight;
    if (!sheetShown)
        foldAnswerSheet(r, w, s, false);
    return r;
}

void foldAnswerSheet(PracticeRects &r, int w, const PracticeSizes &s, bool shown)
{
    const int borders = s.frame.leftWidth + s.frame.rightWidth;
    if (shown) {
        r.ansBox.moveLeft(w - s.ansBoxWidth - s.frame.rightWidth);
        r.hideAns.moveLeft(r.ansBox.x() - s.hideAnsWidth);
        r.browser.setWidth(w - s.ansBoxWidth - s.hideAnsWidth - borders);
    } else {
        r.ansBox.moveLeft(w);
        r.hideAns.moveLeft(r.ansBox.x() - s.hideAnsWidth - s.frame.rightWidth);
        r.browser.setWidth(w - s.hideAnsWidth - borders);
    }
    r.remQns.setWidth(r.browser.width());
}

QString answerSheetHandleTip(bool sheetShown)
{
    return sheetShown ? QStringLiteral("Hide answer sheet") : QStringLiteral("Show answer sheet");
}

EdgeCursor edgeCursor(const QPoint &pos, const QSize &window, const QSize &grip, bool leftHeld)
{
    const int x = pos.x(), y = pos.y();
    const int w = window.width(), h = window.height();
    const int gw = grip.width(), gh = grip.height();
    EdgeCursor cursor = leftHeld ? EdgeCursor::Unchanged : EdgeCursor::Arrow;
    // Later rules override earlier ones, so the corners end up diagonal.
    if (x < gw || x > w - gw)
        cursor = EdgeCursor::SizeHor;
    if (y < gh || y > h - gh)
        cursor = EdgeCursor::SizeVer;
    if ((x < gw && y < gh) || (x > w - gw && y > h - gh))
        cursor = EdgeCursor::SizeFDiag;
    if ((x < gw && y > h - gh) || (x > w - gw && y < gh))
        cursor = EdgeCursor::SizeBDiag;
    return cursor;
}

EdgeGrab classifyGrab(const QPoint &pos, const QSize &window, const QSize &grip)
{
    EdgeGrab g;
    g.left = pos.x() < grip.width();
    g.top = pos.y() < grip.height();
    g.right = pos.x() > window.width() - grip.width();
    g.bottom = pos.y() > window.height() - grip.height();
    return g;
}

QPoint snapCursor(const EdgeGrab &grab, const QRect &window, const QPoint &pos)
{
    QPoint cursor = window.topLeft() + pos;
    if (grab.left)
        cursor = QPoint(window.x(), window.y() + pos.y());
    if (grab.top)
        cursor = QPoint(window.x() + pos.x(), window.y());
    if (grab.right)
        cursor = QPoint(window.x() + window.width(), window.y() + pos.y());
    if (grab.bottom)
        cursor = QPoint(window.x() + pos.x(), window.y() + window.height());
    return cursor;
}

QSize cornerResize(const EdgeGrab &grab, const QPoint &pos, const QSize &current,
                   const QSize &grip)
{
    if (!grab.corner())
        return current;
    if (pos.x() <= 2 * grip.width() || pos.y() <= 2 * grip.height())
        return current;
    QSize size = current;
    if (pos.x() > kMinWidthTwips)
        size.setWidth(pos.x());
    if (pos.y() > kMinHeightTwips)
        size.setHeight(pos.y());
    return size;
}

} // namespace ChromeGeometry
