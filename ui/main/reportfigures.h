#pragma once
// Figures of the results report of one subject: topical averages and bars, overall
// averages, papers completed, weakest and strongest topic, and the trend graph's
// geometry. Plain functions, no widgets: the report panel only applies the results.
//
// Per-paper score lists are QStringLists indexed from 0: entry o - 1 belongs to paper
// ordinal o (pass a 1-based Records::Fields array as fields.mid(1)). An empty text is a
// paper not taken; any other text counts with its leading number ("87.5", "100"; text
// without a number counts 0).

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace ReportFigures {

// The report always has this many topical rows.
const int kTopicRows = 10;
// The trend graph shows at most this many of the most recent scores.
const int kTrendPoints = 20;

// One topical row and the topic's performance.
struct TopicRow
{
    QString name;
    bool visible = false;  // row i is shown when i <= the subject's topic count
    int cA = 0;            // first takes scored
    double sA = 0;         // their sum
    int cB = 0;            // second takes scored
    double sB = 0;         // their sum
    QString markA;         // first-take average as "85%", or empty when none
    QString markB;         // the same for the second take
    double barA = 0;       // bar length as a fraction of its background: average / 100
    double barB = 0;
    bool attempted = false; // some first take scored; only such topics are compared
    double perf = 0;        // (sA + sB) / (cA + cB) when attempted, else 0
};

// Everything the report panel shows apart from the trend graph.
struct Figures
{
    QList<TopicRow> rows; // kTopicRows rows, row i + 1 at index i
    QString oScore1;      // first-take average over all papers, "80%", or "-"
    QString oScore2;      // second-take average, or "-"
    QString pcNum;        // "3 / 30": papers with a first take / papers of the subject
    QString wt;           // weakest topic's name + " ", or "-"
    QString st;           // strongest topic's name + " ", or "-"
    int weakest = 0;      // the weakest topic, 1..kTopicRows, or 0 when wt is "-"
};

// Computes the report of a subject with topicCount topics (at most kTopicRows) and
// paperCount papers from its topic names and first- and second-take scores. Averages
// are rounded from the exact decimal scores; among topics of equal performance the
// later one is both weakest and strongest; "Mock Examination" is never either.
Figures BuildReport(int topicCount, int paperCount, const QStringList &topicNames,
                    const QStringList &fse, const QStringList &sse);

// x to one decimal as a reader sees it: its shortest decimal form rounded with a tie
// going to the even digit, written in shortest form ("72.2" for 72.25, "80", "72.5").
QString r1(double x);

// The values of a trend record line "#TRD#>v1>v2...", oldest first. As the readers do,
// the count is the number of ">" before the line's last character.
QList<double> trendValues(const QString &trendLine);

// Geometry of the trend graph in a plot of inner size width x height, y growing
// downwards: 0 % at the bottom, 100 % at the top.
struct TrendPlot
{
    QList<QLineF> grid;   // the 10 % to 90 % lines, right to left
    QList<QLineF> stems;  // from each point straight down to the bottom
    QList<QPointF> dots;  // the points, oldest first
    QList<QLineF> joins;  // from each point to the one before; the first to (0, height)
};

// Plots the last kTrendPoints of values.
TrendPlot trendPlot(const QList<double> &values, double width, double height);

} // namespace ReportFigures
