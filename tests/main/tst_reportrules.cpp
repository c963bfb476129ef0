// Rules of the results report and of the printed results table, driven by tables of cases.

#include "ui/main/printlines.h"
#include "ui/main/reportlayout.h"
#include "ui/main/reportfigures.h"

#include <QtTest>

namespace {

// Scores by paper ordinal, written "1:80 2:90 6:70"; the list is 0-based and 50 long.
QStringList scores(const QString &text)
{
    QStringList list(50);
    for (const QString &entry : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int colon = entry.indexOf(QLatin1Char(':'));
        list[entry.left(colon).toInt() - 1] = entry.mid(colon + 1);
    }
    return list;
}

const QStringList kNames = {"Numbers", "Fractions", "Decimals", "Measures", "Shapes",
                            "Data", "Money", "Time", "Angles", "Algebra"};

QStringList namesWith(int topic, const QString &name)
{
    QStringList names = kNames;
    names[topic - 1] = name;
    return names;
}

} // namespace

class TestReportRules : public QObject
{
    Q_OBJECT

private slots:
    void r1_data();
    void r1();
    void reportSummary_data();
    void reportSummary();
    void topicRow_data();
    void topicRow();
    void rowVisibility_data();
    void rowVisibility();
    void trendValues_data();
    void trendValues();
    void trendPlotOfManyValues();
    void trendPlotOfThreeValues();
    void trendPlotWithoutValues();
    void paperLine_data();
    void paperLine();
    void printoutOfSixTopics();
    void printedColumns();
    void layoutZones_data();
    void layoutZones();
    void topicRows_data();
    void topicRows();
};

void TestReportRules::r1_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tie down") << 72.25 << "72.2";
    QTest::newRow("tie up") << 72.75 << "72.8";
    QTest::newRow("whole") << 80.0 << "80";
    QTest::newRow("one decimal") << 72.5 << "72.5";
    // The binary values lie below and above the tie a reader sees.
    QTest::newRow("0.35 read as tie") << 0.35 << "0.4";
    QTest::newRow("72.45 read as tie") << 72.45 << "72.4";
    QTest::newRow("just above tie") << 72.2501 << "72.3";
    QTest::newRow("thirds") << 200.0 / 3 << "66.7";
    QTest::newRow("up to whole") << 99.96 << "100";
    QTest::newRow("down to zero") << 0.04 << "0";
    QTest::newRow("binary sum") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative tie") << -0.25 << "-0.2";
}

void TestReportRules::r1()
{
    QFETCH(double, x);
    QFETCH(QString, expected);
    QCOMPARE(ReportFigures::r1(x), expected);
}

void TestReportRules::reportSummary_data()
{
    QTest::addColumn<int>("topicCount");
    QTest::addColumn<int>("paperCount");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("fse");
    QTest::addColumn<QStringList>("sse");
    QTest::addColumn<QString>("oScore1");
    QTest::addColumn<QString>("oScore2");
    QTest::addColumn<QString>("pcNum");
    QTest::addColumn<QString>("wt");
    QTest::addColumn<QString>("st");

    QTest::newRow("nothing taken") << 6 << 30 << kNames << scores("") << scores("")
                                   << "-" << "-" << "0 / 30" << "-" << "-";
    QTest::newRow("80 90 and 70") << 6 << 30 << kNames << scores("1:80 2:90 6:70")
                                  << scores("") << "80%" << "-" << "3 / 30" << "Fractions "
                                  << "Numbers ";
    QTest::newRow("second takes averaged") << 7 << 35 << kNames << scores("1:80 2:60")
                                           << scores("1:100 2:85") << "70%" << "92.5%"
                                           << "2 / 35" << "-" << "-";
    // Over all papers, not over topic averages (which would give 75).
    QTest::newRow("average over papers") << 6 << 30 << kNames
                                         << scores("1:80 2:90 3:100 6:60") << scores("")
                                         << "82.5%" << "-" << "4 / 30" << "Fractions "
                                         << "Numbers ";
    // Exact ties: a sum of doubles would read 50.650000000000006 and 57.349999999999994.
    QTest::newRow("exact tie to even down") << 6 << 30 << kNames << scores("1:50.1 2:51.2")
                                            << scores("") << "50.6%" << "-" << "2 / 30"
                                            << "-" << "-";
    QTest::newRow("exact tie to even up") << 6 << 30 << kNames << scores("1:50.1 2:64.6")
                                          << scores("") << "57.4%" << "-" << "2 / 30" << "-"
                                          << "-";
    QTest::newRow("one attempted topic") << 6 << 30 << kNames << scores("1:80 2:40")
                                         << scores("") << "60%" << "-" << "2 / 30" << "-"
                                         << "-";
    QTest::newRow("equal perf, later topic both") << 6 << 30 << kNames
                                                  << scores("1:80 6:70 7:90") << scores("")
                                                  << "80%" << "-" << "3 / 30" << "Fractions "
                                                  << "Fractions ";
    // 45.35 both, though the binary averages differ in their last bit.
    QTest::newRow("equal perf, exact") << 6 << 30 << kNames
                                       << scores("1:60.0 2:30.7 6:41.3 7:49.4") << scores("")
                                       << "45.4%" << "-" << "4 / 30" << "Fractions "
                                       << "Fractions ";
    // 30.1 against 90.3 / 3: equal, though 90.3 / 3 in binary is 30.099999999999998.
    QTest::newRow("equal perf, other counts") << 6 << 30 << kNames
                                              << scores("1:30.1 6:30.0 7:30.1 8:30.2")
                                              << scores("") << "30.1%" << "-" << "4 / 30"
                                              << "Fractions " << "Fractions ";
    // Topic 1: first takes 80, 90 and second takes 100, 100 give perf 92.5, above 90.
    QTest::newRow("perf counts second takes") << 6 << 30 << kNames << scores("1:80 2:90 6:90")
                                              << scores("1:100 2:100") << "86.7%" << "100%"
                                              << "3 / 30" << "Fractions " << "Numbers ";
    QTest::newRow("mock examination never weakest")
            << 3 << 15 << namesWith(3, "Mock Examination") << scores("1:80 6:60 11:20")
            << scores("") << "53.3%" << "-" << "3 / 15" << "Fractions " << "Numbers ";
    QTest::newRow("mock examination counts as attempted")
            << 3 << 15 << namesWith(3, "Mock Examination") << scores("1:80 11:20")
            << scores("") << "50%" << "-" << "2 / 15" << "Numbers " << "Numbers ";
    QTest::newRow("mock examination is case-sensitive")
            << 3 << 15 << namesWith(3, "mock examination") << scores("1:80 6:60 11:20")
            << scores("") << "53.3%" << "-" << "3 / 15" << "mock examination "
            << "Numbers ";
    QTest::newRow("topic 1 never attempted") << 6 << 30 << kNames << scores("6:70 11:90")
                                             << scores("") << "80%" << "-" << "2 / 30"
                                             << "Fractions " << "Decimals ";
    // A second take alone does not make a topic attempted.
    QTest::newRow("second take alone") << 6 << 30 << kNames << scores("6:70 11:90")
                                       << scores("1:10") << "80%" << "10%" << "2 / 30"
                                       << "Fractions " << "Decimals ";
    QTest::newRow("papers beyond topic count ignored") << 1 << 5 << kNames
                                                       << scores("1:80 6:10") << scores("")
                                                       << "80%" << "-" << "1 / 5" << "-"
                                                       << "-";
}

void TestReportRules::reportSummary()
{
    QFETCH(int, topicCount);
    QFETCH(int, paperCount);
    QFETCH(QStringList, names);
    QFETCH(QStringList, fse);
    QFETCH(QStringList, sse);

    const ReportFigures::Figures figures =
            ReportFigures::BuildReport(topicCount, paperCount, names, fse, sse);
    QTEST(figures.oScore1, "oScore1");
    QTEST(figures.oScore2, "oScore2");
    QTEST(figures.pcNum, "pcNum");
    QTEST(figures.wt, "wt");
    QTEST(figures.st, "st");
}

void TestReportRules::topicRow_data()
{
    QTest::addColumn<QStringList>("fse");
    QTest::addColumn<QStringList>("sse");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("markA");
    QTest::addColumn<QString>("markB");
    QTest::addColumn<double>("barA");
    QTest::addColumn<double>("barB");
    QTest::addColumn<bool>("attempted");
    QTest::addColumn<double>("perf");

    QTest::newRow("topic 1 of 80 and 90") << scores("1:80 2:90 6:70") << scores("") << 1
                                          << "85%" << "" << 0.85 << 0.0 << true << 85.0;
    QTest::newRow("topic 2 of 70") << scores("1:80 2:90 6:70") << scores("") << 2 << "70%"
                                   << "" << 0.70 << 0.0 << true << 70.0;
    QTest::newRow("both takes") << scores("1:80 2:90") << scores("1:100 2:100") << 1 << "85%"
                                << "100%" << 0.85 << 1.0 << true << 92.5;
    // The bar follows the unrounded average, the label the rounded one.
    QTest::newRow("bar unrounded") << scores("1:66.6 2:66.7 3:66.7") << scores("") << 1
                                   << "66.7%" << "" << 2.0 / 3 << 0.0 << true << 200.0 / 3;
    QTest::newRow("not taken") << scores("1:80") << scores("") << 2 << "" << "" << 0.0
                               << 0.0 << false << 0.0;
    QTest::newRow("second take only") << scores("") << scores("6:50") << 2 << "" << "50%"
                                      << 0.0 << 0.5 << false << 0.0;
}

void TestReportRules::topicRow()
{
    QFETCH(QStringList, fse);
    QFETCH(QStringList, sse);
    QFETCH(int, row);

    const ReportFigures::Figures figures = ReportFigures::BuildReport(6, 30, kNames, fse, sse);
    QCOMPARE(figures.rows.size(), ReportFigures::kTopicRows);
    const ReportFigures::TopicRow &topic = figures.rows.at(row - 1);
    QCOMPARE(topic.name, kNames.at(row - 1));
    QTEST(topic.markA, "markA");
    QTEST(topic.markB, "markB");
    QTEST(topic.barA, "barA");
    QTEST(topic.barB, "barB");
    QTEST(topic.attempted, "attempted");
    QTEST(topic.perf, "perf");
}

void TestReportRules::rowVisibility_data()
{
    QTest::addColumn<int>("topicCount");
    QTest::addColumn<int>("visibleRows");

    QTest::newRow("7 topics") << 7 << 7;
    QTest::newRow("10 topics") << 10 << 10;
    QTest::newRow("no topics") << 0 << 0;
    QTest::newRow("too many topics") << 12 << 10;
}

void TestReportRules::rowVisibility()
{
    QFETCH(int, topicCount);
    QFETCH(int, visibleRows);

    // Every paper has a score, so hidden rows show that topics above the count are not summed.
    QStringList all(60, QStringLiteral("50"));
    const ReportFigures::Figures figures =
            ReportFigures::BuildReport(topicCount, 5 * topicCount, kNames, all, all);
    for (int i = 0; i < ReportFigures::kTopicRows; ++i) {
        const bool shown = i < visibleRows;
        QCOMPARE(figures.rows.at(i).visible, shown);
        QCOMPARE(figures.rows.at(i).name, kNames.at(i));
        QCOMPARE(figures.rows.at(i).cA, shown ? 5 : 0);
        QCOMPARE(figures.rows.at(i).markB, shown ? QStringLiteral("50%") : QString());
    }
}

void TestReportRules::trendValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<double>>("expected");

    QTest::newRow("no line") << "" << QList<double>{};
    QTest::newRow("template") << "#TRD#" << QList<double>{};
    QTest::newRow("one value") << "#TRD#>87.5" << QList<double>{87.5};
    QTest::newRow("three values") << "#TRD#>87.5>100>0" << QList<double>{87.5, 100, 0};
    QTest::newRow("separator only") << "#TRD#>" << QList<double>{};
    QTest::newRow("trailing separator") << "#TRD#>87.5>66.7>" << QList<double>{87.5, 66.7};
    QTest::newRow("empty value") << "#TRD#>>50" << QList<double>{0, 50};
}

void TestReportRules::trendValues()
{
    QFETCH(QString, line);
    QFETCH(QList<double>, expected);
    QCOMPARE(ReportFigures::trendValues(line), expected);
}

void TestReportRules::trendPlotOfManyValues()
{
    // Value k is 4k, so the plotted values 6..25 read 24..100.
    QString line = QStringLiteral("#TRD#");
    for (int k = 1; k <= 25; ++k)
        line += QStringLiteral(">%1").arg(4 * k);
    const ReportFigures::TrendPlot plot =
            ReportFigures::trendPlot(ReportFigures::trendValues(line), 210, 100);

    QCOMPARE(plot.dots.size(), 20);
    QCOMPARE(plot.stems.size(), 20);
    QCOMPARE(plot.joins.size(), 20);
    for (int i = 1; i <= 20; ++i) {
        const QPointF expected(10 * i, 100 - 4 * (i + 5));
        QCOMPARE(plot.dots.at(i - 1), expected);
        QCOMPARE(plot.stems.at(i - 1), QLineF(expected, QPointF(10 * i, 100)));
    }
    QCOMPARE(plot.joins.first(), QLineF(QPointF(10, 76), QPointF(0, 100)));
    QCOMPARE(plot.joins.last(), QLineF(QPointF(200, 0), QPointF(190, 4)));
}

void TestReportRules::trendPlotOfThreeValues()
{
    const ReportFigures::TrendPlot plot = ReportFigures::trendPlot(
            ReportFigures::trendValues(QStringLiteral("#TRD#>50>75>100")), 420, 200);

    QCOMPARE(plot.dots, (QList<QPointF>{{20, 100}, {40, 50}, {60, 0}}));
    QCOMPARE(plot.stems, (QList<QLineF>{QLineF(20, 100, 20, 200), QLineF(40, 50, 40, 200),
                                        QLineF(60, 0, 60, 200)}));
    QCOMPARE(plot.joins, (QList<QLineF>{QLineF(20, 100, 0, 200), QLineF(40, 50, 20, 100),
                                        QLineF(60, 0, 40, 50)}));
}

void TestReportRules::trendPlotWithoutValues()
{
    const ReportFigures::TrendPlot plot = ReportFigures::trendPlot({}, 420, 200);
    QList<QLineF> grid;
    for (int g = 10; g <= 90; g += 10)
        grid.append(QLineF(420, 2 * g, 0, 2 * g));
    QCOMPARE(plot.grid, grid);
    QVERIFY(plot.dots.isEmpty());
    QVERIFY(plot.stems.isEmpty());
    QVERIFY(plot.joins.isEmpty());
}

void TestReportRules::paperLine_data()
{
    QTest::addColumn<QString>("fse");
    QTest::addColumn<QString>("ltm");
    QTest::addColumn<QString>("cdd");
    QTest::addColumn<QString>("sse");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first take only") << "85" << "0:12:5" << "12/03/2024" << ""
                                     << QStringList{" ", "Paper 1", " ", "85%", "0:12:5",
                                                    "12/03/2024", " ", "%"};
    QTest::newRow("not taken") << "" << "" << "" << ""
                               << QStringList{" ", "Paper 1", " ", "%", "", "", " ", "%"};
    QTest::newRow("both takes") << "66.7" << "1:2:30" << "01/04/2024" << "100"
                                << QStringList{" ", "Paper 1", " ", "66.7%", "1:2:30",
                                               "01/04/2024", " ", "100%"};
}

void TestReportRules::paperLine()
{
    QFETCH(QString, fse);
    QFETCH(QString, ltm);
    QFETCH(QString, cdd);
    QFETCH(QString, sse);
    QFETCH(QStringList, expected);

    const QList<QStringList> lines = PrintLines::reportLines(
            QStringLiteral("Revision"), 1, kNames, {fse}, {ltm}, {cdd}, {sse});
    QCOMPARE(lines.size(), 5 + 12);
    QCOMPARE(lines.at(12), expected);
}

void TestReportRules::printoutOfSixTopics()
{
    const QString rule(128, QLatin1Char('-'));
    const QStringList fse = scores("1:85 30:100");
    const QStringList sse = scores("30:90");
    const QList<QStringList> lines = PrintLines::reportLines(
            QStringLiteral("Quorvel Maths Edition"), 6, kNames, fse, QStringList(),
            QStringList(), sse);

    QCOMPARE(lines.size(), 5 + 6 * 12);
    for (int n : {0, 1, 3, 4})
        QVERIFY(lines.at(n).isEmpty());
    QCOMPARE(lines.at(2), (QStringList{" ", "Quorvel Maths Edition"}));
    for (int t = 0; t < 6; ++t) {
        const int block = 5 + 12 * t;
        QVERIFY(lines.at(block).isEmpty());
        QVERIFY(lines.at(block + 1).isEmpty());
        QCOMPARE(lines.at(block + 2), (QStringList{" ", kNames.at(t)}));
        QCOMPARE(lines.at(block + 3), (QStringList{" ", rule}));
        QCOMPARE(lines.at(block + 4), (QStringList{" ", "Papers", " ", "First take",
                                                   "Time taken", "Date", " ",
                                                   "Second take"}));
        QCOMPARE(lines.at(block + 5), (QStringList{" ", " ", " ", "score", " ", " ", " ",
                                                   "score"}));
        QCOMPARE(lines.at(block + 6), (QStringList{" ", rule}));
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(lines.at(block + 6 + k).at(1), QStringLiteral("Paper %1").arg(k));
    }
    QCOMPARE(lines.at(5 + 7).at(3), QStringLiteral("85%"));
    QCOMPARE(lines.last().at(3), QStringLiteral("100%"));
    QCOMPARE(lines.last().at(7), QStringLiteral("90%"));
}

void TestReportRules::printedColumns()
{
    const QList<QStringList> lines = PrintLines::reportLines(
            QStringLiteral("Revision"), 1, kNames, {"85"}, {"0:12:5"}, {"12/03/2024"}, {""});
    const QString heading = PrintLines::layoutZones(lines.at(9));
    const QString subHeading = PrintLines::layoutZones(lines.at(10));
    const QString paper = PrintLines::layoutZones(lines.at(12));

    // Zone 4 first-take score, 5 time, 6 date, 8 second-take score (zones from 1).
    QCOMPARE(heading.indexOf(QLatin1String("Papers")), 14);
    QCOMPARE(heading.indexOf(QLatin1String("First take")), 42);
    QCOMPARE(subHeading.indexOf(QLatin1String("score")), 42);
    QCOMPARE(heading.indexOf(QLatin1String("Second take")), 98);
    QCOMPARE(subHeading.lastIndexOf(QLatin1String("score")), 98);
    // Columns 14 paper, 42 score, 56 time, 70 date, 98 second-take score.
    const QString expected = QString(14, ' ') + "Paper 1" + QString(21, ' ') + "85%"
            + QString(11, ' ') + "0:12:5" + QString(8, ' ') + "12/03/2024"
            + QString(18, ' ') + "%";
    QCOMPARE(paper, expected);
}

void TestReportRules::layoutZones_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("zoneWidth");
    QTest::addColumn<QString>("expected");

    const QString pad13(13, QLatin1Char(' '));
    QTest::newRow("empty line") << QStringList{} << 14 << "";
    QTest::newRow("second zone") << QStringList{" ", "Paper 1"} << 14 << " " + pad13 + "Paper 1";
    QTest::newRow("item fills its zone") << QStringList{"abcdefghijklmn", "x"} << 14
                                         << "abcdefghijklmnx";
    QTest::newRow("long item pushes") << QStringList{"abcdefghijklmno", "x"} << 14
                                      << "abcdefghijklmno" + pad13 + "x";
    QTest::newRow("empty item keeps its zone") << QStringList{"a", "", "b"} << 14
                                               << "a" + pad13 + QString(14, ' ') + "b";
    QTest::newRow("rule then item") << QStringList{" ", QString(128, '-'), "x"} << 14
                                    << " " + pad13 + QString(128, '-') + QString(12, ' ')
                                               + "x";
    QTest::newRow("narrow zones") << QStringList{"ab", "cdefgh", "i"} << 5
                                  << "ab   cdefgh    i";
}

void TestReportRules::layoutZones()
{
    QFETCH(QStringList, items);
    QFETCH(int, zoneWidth);
    QFETCH(QString, expected);
    QCOMPARE(PrintLines::layoutZones(items, zoneWidth), expected);
}

// Two-line rows, so long topic names wrap, while all the rows fit below the headings.
void TestReportRules::topicRows_data()
{
    QTest::addColumn<int>("bodyHeight");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("height");
    QTest::newRow("seven topics, the main window") << 292 << 7 << 32 << 30;
    QTest::newRow("eight fill it exactly") << 292 << 8 << 32 << 30;
    QTest::newRow("nine do not fit on two lines") << 292 << 9 << 25 << 20;
    QTest::newRow("ten topics") << 292 << 10 << 25 << 20;
}

void TestReportRules::topicRows()
{
    QFETCH(int, bodyHeight);
    QFETCH(int, rowCount);
    const ReportLayout::TopicRows rows = ReportLayout::topicRows(bodyHeight, rowCount);
    QTEST(rows.pitch, "pitch");
    QTEST(rows.height, "height");
    QVERIFY(rows.top + (rowCount - 1) * rows.pitch + rows.height <= bodyHeight);
}

QTEST_APPLESS_MAIN(TestReportRules)
#include "tst_reportrules.moc"
