#include "ui/main/printlines.h"

namespace PrintLines {

namespace {

const int kPapersPerTopic = 5;

QStringList rule()
{
    return {QStringLiteral(" "), QString(128, QLatin1Char('-'))};
}

void appendEmptyLines(QList<QStringList> &lines, int count)
{
    for (int n = 0; n < count; ++n)
        lines.append(QStringList());
}

void appendTopicHeading(QList<QStringList> &lines, const QString &name)
{
    const QString space = QStringLiteral(" ");
    const QString score = QStringLiteral("score");
    appendEmptyLines(lines, 2);
    lines.append({space, name});
    lines.append(rule());
    lines.append({space, QStringLiteral("Papers"), space, QStringLiteral("First take"),
                  QStringLiteral("Time taken"), QStringLiteral("Date"), space,
                  QStringLiteral("Second take")});
    lines.append({space, space, space, score, space, space, space, score});
    lines.append(rule());
}

} // namespace

QList<QStringList> reportLines(const QString &title, int topicCount,
                               const QStringList &topicNames, const QStringList &fse,
                               const QStringList &ltm, const QStringList &cdd,
                               const QStringList &sse)
{
    const QString space = QStringLiteral(" ");
    const QString percent = QStringLiteral("%");
    QList<QStringList> lines;
    appendEmptyLines(lines, 2);
    lines.append({space, title});
    appendEmptyLines(lines, 2);
    for (int t = 0; t < topicCount; ++t) {
        appendTopicHeading(lines, topicNames.value(t));
        for (int k = 1; k <= kPapersPerTopic; ++k) {
            const int index = kPapersPerTopic * t + k - 1;
            lines.append({space, QStringLiteral("Paper %1").arg(k), space,
                          fse.value(index) + percent, ltm.value(index), cdd.value(index),
                          space, sse.value(index) + percent});
        }
    }
    return lines;
}

QList<int> zoneStarts(const QStringList &items, int zoneWidth)
{
    Q_ASSERT(zoneWidth > 0);
    zoneWidth = qMax(1, zoneWidth);
    QList<int> starts;
    int start = 0;
    for (const QString &item : items) {
        starts << start;
        // An item takes its own zone and every further zone it runs into.
        const int zones = qMax(1, int((item.size() + zoneWidth - 1) / zoneWidth));
        start += zones * zoneWidth;
    }
    return starts;
}

QString layoutZones(const QStringList &items, int zoneWidth)
{
    const QList<int> starts = zoneStarts(items, zoneWidth);
    QString text;
    for (int i = 0; i < items.size(); ++i)
        text = text.leftJustified(starts.at(i), QLatin1Char(' ')) + items.at(i);
    return text;
}

} // namespace PrintLines
