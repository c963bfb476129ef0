#include "ui/main/homerules.h"

namespace HomeRules {

int firstOrdinalOfTopic(int topic)
{
    return 5 * (topic - 1) + 1;
}

int topicOfFirstOrdinal(int f)
{
    if (f < 1 || f > 46 || (f - 1) % 5 != 0)
        return 0;
    return (f - 1) / 5 + 1;
}

int paperKey(int firstOrdinal, int offset)
{
    return firstOrdinal + 100 + offset;
}

int paperRowTop(int row, int headingLines, int lineHeight)
{
    const int extraLines = qBound(1, headingLines, kHeadingMaxLines) - 1;
    return 60 + extraLines * lineHeight + (row - 1) * 60;
}

bool tryAgainOffered(const QString &firstTakeScore)
{
    if (firstTakeScore.trimmed().isEmpty())
        return false;
    bool ok = false;
    const double value = firstTakeScore.trimmed().toDouble(&ok);
    // A score that cannot be read is shown as it is but offers nothing more.
    return ok && value <= 99.0;
}

int scoreLabelLeft(const QString &score, int percentLeft, int labelWidth)
{
    return score.isEmpty() ? percentLeft : percentLeft - labelWidth - 20;
}

QVector<int> tabLefts(const bool present[3], const int widths[4])
{
    QVector<int> lefts(4);
    int x = 2;
    for (int s = 0; s < 3; ++s) {
        if (present[s]) {
            lefts[s] = x;
            x += widths[s] - 4;
        } else {
            lefts[s] = -widths[0];
        }
    }
    lefts[3] = x;
    return lefts;
}

double tabTop(double stripTop, double tabHeight, bool selected)
{
    return stripTop - tabHeight + (selected ? 0.5 : 2.5);
}

QString windowTitle(const QString &title, const QString &pupil, int pupilCount)
{
    return pupilCount >= 2 ? title + QStringLiteral(" - ") + pupil : title;
}

ChooserLayout chooserLayout(int pupils)
{
    constexpr int kWidth = 265; // the pop-up's width
    constexpr int kTop = 40;    // below the title strip
    constexpr int kButton = 220;
    constexpr int kHeight = 40;
    constexpr int kStep = 48;
    ChooserLayout layout;
    for (int i = 0; i < pupils; ++i)
        layout.buttons.append(QRect((kWidth - kButton) / 2, kTop + kStep * i, kButton, kHeight));
    layout.window = QSize(kWidth, kTop + kStep * qMax(pupils, 1) + 16);
    return layout;
}

} // namespace HomeRules
