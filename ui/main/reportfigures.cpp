#include "ui/main/reportfigures.h"

#include "results/resulttexts.h"

#include <QLocale>
#include <QtMath>

namespace ReportFigures {

namespace {

const qint64 kUnit = 1000000; // scores are summed in millionths, so sums stay exact
const int kUnitDigits = 6;
const QString kMockExamination = QStringLiteral("Mock Examination");

// The leading number of a score text in millionths: an optional sign, digits, and a
// decimal point ("." or ",") with digits; anything after it is ignored.
qint64 scoreMillionths(const QString &text)
{
    const QString t = text.trimmed();
    int pos = 0;
    bool negative = false;
    if (pos < t.size() && (t.at(pos) == QLatin1Char('-') || t.at(pos) == QLatin1Char('+'))) {
        negative = t.at(pos) == QLatin1Char('-');
        ++pos;
    }
    qint64 whole = 0;
    // Far above any score; stops an absurd text from overflowing the sums.
    const qint64 wholeLimit = 1000000000;
    for (; pos < t.size() && t.at(pos).isDigit(); ++pos) {
        if (whole < wholeLimit)
            whole = whole * 10 + t.at(pos).digitValue();
    }
    qint64 fraction = 0;
    int digits = 0;
    if (pos < t.size() && (t.at(pos) == QLatin1Char('.') || t.at(pos) == QLatin1Char(','))) {
        for (++pos; pos < t.size() && t.at(pos).isDigit(); ++pos) {
            if (digits < kUnitDigits) {
                fraction = fraction * 10 + t.at(pos).digitValue();
                ++digits;
            }
        }
    }
    for (; digits < kUnitDigits; ++digits)
        fraction *= 10;
    const qint64 value = whole * kUnit + fraction;
    return negative ? -value : value;
}

// "85%" from a sum in millionths and a count, rounded from the exact quotient.
QString averageText(qint64 sum, int count)
{
    return Results::roundedTenths(sum, qint64(count) * (kUnit / 10)) + QLatin1Char('%');
}

// Exact sums per topic, kept beside the rows for the comparisons of performance.
struct TopicSums
{
    qint64 sumA = 0;
    qint64 sumB = 0;
};

// perf(a) <= perf(b), compared exactly as fractions.
bool perfAtMost(const TopicSums &a, const TopicRow &ra, const TopicSums &b,
                const TopicRow &rb)
{
    const qint64 numA = a.sumA + a.sumB;
    const qint64 numB = b.sumA + b.sumB;
    return numA * (rb.cA + rb.cB) <= numB * (ra.cA + ra.cB);
}

void fillTopicRow(TopicRow &row, const TopicSums &sums)
{
    row.sA = double(sums.sumA) / kUnit;
    row.sB = double(sums.sumB) / kUnit;
    if (row.cA > 0) {
        row.markA = averageText(sums.sumA, row.cA);
        row.barA = row.sA / row.cA / 100;
    }
    if (row.cB > 0) {
        row.markB = averageText(sums.sumB, row.cB);
        row.barB = row.sB / row.cB / 100;
    }
    row.attempted = row.cA > 0;
    if (row.attempted)
        row.perf = (row.sA + row.sB) / (row.cA + row.cB);
}

// Weakest and strongest among attempted topics other than the mock examination; a later
// topic replaces the choice on equal performance.
void chooseWeakestAndStrongest(Figures &figures, const QList<TopicSums> &sums, int topicCount)
{
    figures.wt = QStringLiteral("-");
    figures.st = QStringLiteral("-");
    int attempted = 0;
    for (int t = 0; t < topicCount; ++t)
        attempted += figures.rows.at(t).attempted ? 1 : 0;
    if (attempted < 2)
        return;

    int weakest = -1;
    int strongest = -1;
    for (int t = 0; t < topicCount; ++t) {
        const TopicRow &row = figures.rows.at(t);
        if (!row.attempted || row.name == kMockExamination)
            continue;
        if (weakest < 0
            || perfAtMost(sums.at(t), row, sums.at(weakest), figures.rows.at(weakest)))
            weakest = t;
        if (strongest < 0
            || perfAtMost(sums.at(strongest), figures.rows.at(strongest), sums.at(t), row))
            strongest = t;
    }
    if (weakest >= 0)
        figures.wt = figures.rows.at(weakest).name + QLatin1Char(' ');
    if (strongest >= 0)
        figures.st = figures.rows.at(strongest).name + QLatin1Char(' ');
}

} // namespace

Figures BuildReport(int topicCount, int paperCount, const QStringList &topicNames,
                    const QStringList &fse, const QStringList &sse)
{
    topicCount = qBound(0, topicCount, kTopicRows);
    Figures figures;
    QList<TopicSums> sums(kTopicRows);
    qint64 totalA = 0;
    qint64 totalB = 0;
    int countA = 0;
    int countB = 0;

    for (int t = 0; t < kTopicRows; ++t) {
        TopicRow row;
        row.name = topicNames.value(t);
        row.visible = t < topicCount;
        for (int k = 0; t < topicCount && k < 5; ++k) {
            const int index = 5 * t + k;
            if (!fse.value(index).isEmpty()) {
                ++row.cA;
                sums[t].sumA += scoreMillionths(fse.at(index));
            }
            if (!sse.value(index).isEmpty()) {
                ++row.cB;
                sums[t].sumB += scoreMillionths(sse.at(index));
            }
        }
        fillTopicRow(row, sums.at(t));
        totalA += sums.at(t).sumA;
        totalB += sums.at(t).sumB;
        countA += row.cA;
        countB += row.cB;
        figures.rows.append(row);
    }

    // Averages over all taken papers, not over the topic averages.
    figures.oScore1 = countA < 1 ? QStringLiteral("-") : averageText(totalA, countA);
    figures.oScore2 = countB < 1 ? QStringLiteral("-") : averageText(totalB, countB);
    figures.pcNum = QStringLiteral("%1 / %2").arg(countA).arg(paperCount);
    chooseWeakestAndStrongest(figures, sums, topicCount);
    return figures;
}

QString r1(double x)
{
    if (!qIsFinite(x) || qAbs(x) >= 1e15)
        return QString::number(x);
    // The shortest decimal that reads back as x is the number a person sees; rounding
    // those digits keeps a binary error from deciding a tie (72.45 gives 72.4).
    QString digits = QString::number(x, 'f', QLocale::FloatingPointShortest);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    const int point = digits.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);

    qint64 tenths = whole.toLongLong() * 10;
    if (!fraction.isEmpty())
        tenths += fraction.at(0).digitValue();
    const QString rest = fraction.mid(1);
    if (!rest.isEmpty()) {
        bool aboveHalf = rest.at(0) > QLatin1Char('5');
        const bool half = rest.at(0) == QLatin1Char('5');
        for (int c = 1; half && c < rest.size(); ++c)
            aboveHalf = aboveHalf || rest.at(c) != QLatin1Char('0');
        if (aboveHalf || (half && tenths % 2 == 1))
            ++tenths;
    }
    return Results::roundedTenths(negative ? -tenths : tenths, 1);
}

QList<double> trendValues(const QString &trendLine)
{
    // The first value starts after the six-character prefix "#TRD#>".
    const int prefixEnd = 5;
    const int count = trendLine.left(trendLine.size() - 1).count(QLatin1Char('>'));
    QList<double> values;
    int start = prefixEnd + 1;
    for (int i = 1; i <= count; ++i) {
        // The last value runs to the end of the line, as the record readers split it.
        const int next = i < count ? trendLine.indexOf(QLatin1Char('>'), start) : -1;
        const QString text = next < 0 ? trendLine.mid(start)
                                      : trendLine.mid(start, next - start);
        values.append(double(scoreMillionths(text)) / kUnit);
        start = next + 1;
    }
    return values;
}

TrendPlot trendPlot(const QList<double> &values, double width, double height)
{
    const QList<double> shown = values.mid(qMax(0, int(values.size()) - kTrendPoints));
    const double dx = width / (kTrendPoints + 1);
    const double dy = height / 100;

    TrendPlot plot;
    for (int g = 10; g <= 90; g += 10)
        plot.grid.append(QLineF(width, g * dy, 0, g * dy));
    QPointF previous(0, height);
    for (int i = 1; i <= shown.size(); ++i) {
        const QPointF point(i * dx, (100 - shown.at(i - 1)) * dy);
        plot.stems.append(QLineF(point, QPointF(point.x(), height)));
        plot.dots.append(point);
        plot.joins.append(QLineF(point, previous));
        previous = point;
    }
    return plot;
}

} // namespace ReportFigures
