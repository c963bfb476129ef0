// The Home panel's rules: when a second take is offered, topic and paper numbering, and
// where a score label goes.

#include "ui/main/homerules.h"

#include <QtTest>

class TestHomeRules : public QObject
{
    Q_OBJECT
private slots:
    void tryAgain_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<bool>("offered");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("99") << "99" << true;
        QTest::newRow("99.0") << "99.0" << true;
        QTest::newRow("99.1") << "99.1" << false;
        QTest::newRow("100") << "100" << false;
        QTest::newRow("unreadable") << "abc" << false;
    }
    void tryAgain()
    {
        QFETCH(QString, score);
        QFETCH(bool, offered);
        QCOMPARE(HomeRules::tryAgainOffered(score), offered);
    }
    void ordinals()
    {
        QCOMPARE(HomeRules::firstOrdinalOfTopic(2), 6);
        QCOMPARE(HomeRules::topicOfFirstOrdinal(46), 10);
        QCOMPARE(HomeRules::topicOfFirstOrdinal(7), 0);
        QCOMPARE(HomeRules::topicOfFirstOrdinal(51), 0);
        QCOMPARE(HomeRules::paperKey(6, 2), 108);
    }
    void paperRowTops_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("headingLines");
        QTest::addColumn<int>("top");
        QTest::newRow("first row, one-line heading") << 1 << 1 << 60;
        QTest::newRow("last row, one-line heading") << 5 << 1 << 300;
        QTest::newRow("first row, two-line heading") << 1 << 2 << 76;
        QTest::newRow("last row, two-line heading") << 5 << 2 << 316;
        QTest::newRow("longer heading still two lines") << 5 << 3 << 316;
    }
    void paperRowTops()
    {
        QFETCH(int, row);
        QFETCH(int, headingLines);
        QTEST(HomeRules::paperRowTop(row, headingLines, 16), "top");
    }
    void scoreLabelLeft()
    {
        QCOMPARE(HomeRules::scoreLabelLeft(QString(), 4000, 300), 4000);
        QCOMPARE(HomeRules::scoreLabelLeft(QStringLiteral("85"), 4000, 300), 3680);
    }
    void windowTitleNamesPupil_data()
    {
        QTest::addColumn<int>("pupils");
        QTest::addColumn<QString>("title");
        QTest::newRow("one pupil") << 1 << "Quorvel";
        QTest::newRow("two pupils") << 2 << "Quorvel - Ann";
    }
    void windowTitleNamesPupil()
    {
        QFETCH(int, pupils);
        QTEST(HomeRules::windowTitle(QStringLiteral("Quorvel"), QStringLiteral("Ann"), pupils),
              "title");
    }
    // Every pupil's button lies inside the window, below the title strip, clear of the next.
    void chooserButtonsFit()
    {
        for (int pupils = 2; pupils <= 10; ++pupils) {
            const HomeRules::ChooserLayout layout = HomeRules::chooserLayout(pupils);
            QCOMPARE(layout.buttons.size(), pupils);
            const QRect inside(QPoint(0, 30), layout.window - QSize(0, 36));
            for (int i = 0; i < pupils; ++i) {
                QVERIFY(inside.contains(layout.buttons.at(i)));
                if (i > 0)
                    QVERIFY(layout.buttons.at(i).top() > layout.buttons.at(i - 1).bottom());
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestHomeRules)
#include "tst_homerules.moc"
