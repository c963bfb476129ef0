// The texts a marked take leaves: score rounding and the time taken.

#include "results/resulttexts.h"

#include <QtTest>

class TestResultTexts : public QObject
{
    Q_OBJECT

private slots:
    void percentScore_data();
    void percentScore();
    void roundedTenthsSign_data();
    void roundedTenthsSign();
    void elapsedText_data();
    void elapsedText();
};

void TestResultTexts::percentScore_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("expected");

    QTest::newRow("7 of 8") << 7 << 8 << "87.5";
    QTest::newRow("2 of 3") << 2 << 3 << "66.7";
    QTest::newRow("1 of 3") << 1 << 3 << "33.3";
    QTest::newRow("all") << 16 << 16 << "100";
    QTest::newRow("none") << 0 << 5 << "0";
    QTest::newRow("tie down 1 of 16") << 1 << 16 << "6.2";
    QTest::newRow("tie up 3 of 16") << 3 << 16 << "18.8";
    QTest::newRow("tie down 5 of 16") << 5 << 16 << "31.2";
    QTest::newRow("tie down 1 of 400") << 1 << 400 << "0.2";
    QTest::newRow("tie up 3 of 400") << 3 << 400 << "0.8";
    QTest::newRow("tie to 0") << 1 << 2000 << "0";
    QTest::newRow("tie up to 100") << 1999 << 2000 << "100";
    QTest::newRow("just below tie") << 2499 << 40000 << "6.2";
    QTest::newRow("just above tie") << 2501 << 40000 << "6.3";
    QTest::newRow("whole number") << 9 << 10 << "90";
    QTest::newRow("no marks to earn") << 0 << 0 << "0";
}

void TestResultTexts::percentScore()
{
    QFETCH(int, raw);
    QFETCH(int, total);
    QFETCH(QString, expected);
    QCOMPARE(Results::percentScore(raw, total), expected);
}

void TestResultTexts::roundedTenthsSign_data()
{
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negative tie") << qint64(-25) << qint64(10) << "-0.2";
    QTest::newRow("negative denominator") << qint64(35) << qint64(-10) << "-0.4";
    QTest::newRow("rounds to zero") << qint64(-1) << qint64(10) << "0";
    QTest::newRow("large") << qint64(1000000000000) << qint64(3) << "33333333333.3";
}

void TestResultTexts::roundedTenthsSign()
{
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(QString, expected);
    QCOMPARE(Results::roundedTenths(numerator, denominator), expected);
}

void TestResultTexts::elapsedText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("expected");

    QTest::newRow("start") << qint64(0) << "0:0:0";
    QTest::newRow("five seconds") << qint64(5) << "0:0:5";
    QTest::newRow("4 min 7 s") << qint64(4 * 60 + 7) << "0:4:7";
    QTest::newRow("1 h 2 min 30 s") << qint64(3600 + 120 + 30) << "1:2:30";
    QTest::newRow("end of a day") << qint64(86399) << "23:59:59";
    QTest::newRow("25 hours") << qint64(25 * 3600) << "25:0:0";
    QTest::newRow("clock set back") << qint64(-3) << "0:0:0";
}

void TestResultTexts::elapsedText()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, expected);
    QCOMPARE(Results::elapsedText(seconds), expected);
}

QTEST_APPLESS_MAIN(TestResultTexts)
#include "tst_resulttexts.moc"
