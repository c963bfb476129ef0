#pragma once
// Colours of the skin artwork that windows must match where a picture meets a plain
// surface (the toolbar strip behind the toolbar buttons, the panels behind tabs and bullets).
// The skin generator draws with the same values.

#include <QtGui/qrgb.h>

namespace SkinColours {

constexpr QRgb kWindow = 0xffffffff;        // panels, answer sheet, pop-up background
constexpr QRgb kToolStrip = 0xffe3effa;     // ScnTabBG behind the toolbar buttons and tabs
constexpr QRgb kFrameDark = 0xff2f6fae;     // outer line of borders and title strip
constexpr QRgb kFrameMid = 0xff5ba3e0;      // body of the borders
constexpr QRgb kFrameLight = 0xffa9cff0;    // inner line of the borders
constexpr QRgb kTitleActiveText = 0xffffffff;
constexpr QRgb kTitleInactiveText = 0xff808080;
constexpr QRgb kHeadingText = 0xff1f4e79;   // text over column heads and header bars
constexpr QRgb kAnswerFrame = 0xffb2d9f6;   // light blue answer-field frame

} // namespace SkinColours
