#pragma once
// When a window came to show what it shows at the end of an operation, from the grabs taken
// at each of its drawings. Plain functions on images, so a test can feed them any frames.

#include <QImage>
#include <QList>

namespace FrameMatch {

// Pixels in which two images of one size differ; -1 when their sizes differ.
qint64 differingPixels(const QImage &a, const QImage &b);

// The first frame from which every later frame differs from the last by at most tolerance
// pixels (a blinking text cursor); -1 for no frames.
int settledFrom(const QList<QImage> &frames, qint64 tolerance);

} // namespace FrameMatch
