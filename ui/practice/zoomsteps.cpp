#include "ui/practice/zoomsteps.h"

#include <QtMath>

#include <cstdlib>

namespace ZoomSteps {

const QVector<int> &steps()
{
    static const QVector<int> all = {100, 110, 125, 150, 175, 200, 250, 300};
    return all;
}

int larger(int percent)
{
    for (int step : steps()) {
        if (step > percent)
            return step;
    }
    return kLargest;
}

int smaller(int percent)
{
    const QVector<int> &all = steps();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (*it < percent)
            return *it;
    }
    return kSmallest;
}

int nearestStep(int percent)
{
    if (percent <= 0)
        return kNormal;
    int best = kNormal;
    for (int step : steps()) {
        if (std::abs(step - percent) < std::abs(best - percent))
            best = step;
    }
    return best;
}

int afterWheel(int percent, int angleDelta)
{
    if (angleDelta > 0)
        return larger(percent);
    if (angleDelta < 0)
        return smaller(percent);
    return percent;
}

qreal sheetScale(int percent)
{
    return qBound(kSmallest, percent, kSheetLargest) / 100.0;
}

QRect scaled(const QRect &twips, qreal scale)
{
    return QRect(qRound(twips.x() * scale), qRound(twips.y() * scale),
                 qRound(twips.width() * scale), qRound(twips.height() * scale));
}

QString label(int percent)
{
    return QString::number(percent) + QStringLiteral(" %");
}

} // namespace ZoomSteps
