#pragma once
// The sizes a pupil can give the question page, as plain rules: the browser's usual steps
// from 100 % to 300 %, a step up or down from any size, and how far the answer sheet
// follows (its boxes, labels and marks grow with the page up to 200 %). No widgets.

#include <QRect>
#include <QString>
#include <QVector>

namespace ZoomSteps {

constexpr int kNormal = 100;
constexpr int kSmallest = 100;
constexpr int kLargest = 300;
constexpr int kSheetLargest = 200;

// 100, 110, 125, 150, 175, 200, 250, 300.
const QVector<int> &steps();

// The next step above (below) percent; the largest (smallest) step stays where it is.
int larger(int percent);
int smaller(int percent);
// A stored or unexpected value as a step: the nearest step, 100 for nonsense (0 or less).
int nearestStep(int percent);
// After one notch of the mouse wheel with Ctrl held: up (delta > 0) is larger.
int afterWheel(int percent, int angleDelta);

// The answer sheet's scale for a page size: 1.0 at 100 %, at most 2.0.
qreal sheetScale(int percent);
// A rectangle of the sheet (twips) at that scale.
QRect scaled(const QRect &twips, qreal scale);

// What the size control shows: "150 %".
QString label(int percent);

} // namespace ZoomSteps
