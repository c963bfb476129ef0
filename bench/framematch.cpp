#include "bench/framematch.h"

namespace FrameMatch {

qint64 differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            count += (p[col] & 0xffffff) != (q[col] & 0xffffff);
    }
    return count;
}

int settledFrom(const QList<QImage> &frames, qint64 tolerance)
{
    if (frames.isEmpty())
        return -1;
    int from = frames.size() - 1;
    while (from > 0) {
        const qint64 d = differingPixels(frames.at(from - 1), frames.last());
        if (d < 0 || d > tolerance)
            break;
        --from;
    }
    return from;
}

} // namespace FrameMatch
