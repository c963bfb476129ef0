#include "ui/main/practisenext.h"

#include "ui/main/homerules.h"
#include "ui/main/reportfigures.h"

namespace PractiseNext {

namespace {

Suggestion firstTake(int topic, int paper, const QString &name, bool weakest)
{
    Suggestion s;
    s.kind = Suggestion::FirstTake;
    s.topic = topic;
    s.paper = paper;
    s.take = 1;
    s.text = weakest ? QStringLiteral("Try paper %1 of %2, your weakest topic")
                           .arg(paper).arg(name)
                     : QStringLiteral("Try paper %1 of %2 next").arg(paper).arg(name);
    return s;
}

// The first paper of the topic without a first take, 0 when all have one.
int firstUntried(int topic, int paperCount, const QStringList &fse)
{
    for (int k = 1; k <= 5; ++k) {
        const int ordinal = 5 * (topic - 1) + k;
        if (ordinal <= paperCount && fse.value(ordinal - 1).isEmpty())
            return k;
    }
    return 0;
}

} // namespace

Suggestion suggest(int topicCount, int paperCount, const QStringList &topicNames,
                   const QStringList &fse, const QStringList &sse)
{
    topicCount = qBound(0, topicCount, int(ReportFigures::kTopicRows));
    paperCount = qMin(paperCount, 5 * topicCount);
    if (topicCount == 0 || paperCount < 1)
        return {};
    const ReportFigures::Figures figures =
        ReportFigures::BuildReport(topicCount, paperCount, topicNames, fse, sse);
    if (figures.weakest > 0) {
        if (const int paper = firstUntried(figures.weakest, paperCount, fse))
            return firstTake(figures.weakest, paper, topicNames.value(figures.weakest - 1), true);
    }
    for (int t = 1; t <= topicCount; ++t) {
        if (const int paper = firstUntried(t, paperCount, fse))
            return firstTake(t, paper, topicNames.value(t - 1), false);
    }

    int lowest = 0;
    double lowestScore = 0;
    for (int o = 1; o <= paperCount; ++o) {
        const QString score = fse.value(o - 1).trimmed();
        if (!HomeRules::tryAgainOffered(score) || !sse.value(o - 1).isEmpty())
            continue;
        if (lowest == 0 || score.toDouble() < lowestScore) {
            lowest = o;
            lowestScore = score.toDouble();
        }
    }
    Suggestion s;
    if (lowest == 0) {
        s.kind = Suggestion::Praise;
        s.text = QStringLiteral("Well done! You have finished every paper.");
        return s;
    }
    s.kind = Suggestion::TryAgain;
    s.topic = (lowest - 1) / 5 + 1;
    s.paper = (lowest - 1) % 5 + 1;
    s.take = 2;
    s.text = QStringLiteral("Try paper %1 of %2 again")
                 .arg(s.paper)
                 .arg(topicNames.value(s.topic - 1));
    return s;
}

Column column(int topicCount, int columnHeight, int topicTop, int pitch, int minPitch,
              int suggestionHeight)
{
    Column c;
    c.suggestionTop = columnHeight - suggestionHeight;
    c.topicPitch = pitch;
    if (topicCount > 0 && topicTop + topicCount * pitch > c.suggestionTop)
        c.topicPitch = qMax(minPitch, (c.suggestionTop - topicTop) / topicCount);
    return c;
}

} // namespace PractiseNext
