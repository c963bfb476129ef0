// What to practise next: the rule behind the Home panel's suggestion.

#include "ui/main/practisenext.h"

#include <QtTest>

using PractiseNext::Suggestion;

Q_DECLARE_METATYPE(Suggestion::Kind)

namespace {

// Scores of a subject from "ordinal:score" items; every other paper is untaken.
QStringList scores(int paperCount, const QStringList &items)
{
    QStringList list(paperCount);
    for (const QString &item : items)
        list[item.section(QLatin1Char(':'), 0, 0).toInt() - 1] = item.section(QLatin1Char(':'), 1);
    return list;
}

// Every paper of the subject taken at score, then the given items.
QStringList allTaken(int paperCount, const QString &score, const QStringList &items = {})
{
    QStringList list(paperCount, score);
    const QStringList changed = scores(paperCount, items);
    for (int i = 0; i < paperCount; ++i) {
        if (!changed.at(i).isEmpty())
            list[i] = changed.at(i);
    }
    return list;
}

} // namespace

class TestPractiseNext : public QObject
{
    Q_OBJECT

private slots:
    void suggestion_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("fse");
        QTest::addColumn<QStringList>("sse");
        QTest::addColumn<Suggestion::Kind>("kind");
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("text");

        const QStringList three{"Fractions", "Fractions and Graphs", "Shapes"};
        const QStringList mock{"Fractions", "Shapes", "Mock Examination"};
        QTest::newRow("empty results")
            << three << scores(15, {}) << scores(15, {}) << Suggestion::FirstTake << 1 << 1
            << "Try paper 1 of Fractions next";
        QTest::newRow("one topic tried: no weakest yet")
            << three << scores(15, {"1:40", "2:50"}) << scores(15, {})
            << Suggestion::FirstTake << 1 << 3 << "Try paper 3 of Fractions next";
        QTest::newRow("weakest topic")
            << three << scores(15, {"1:80", "6:60"}) << scores(15, {})
            << Suggestion::FirstTake << 2 << 2
            << "Try paper 2 of Fractions and Graphs, your weakest topic";
        QTest::newRow("second takes count in the weakest")
            << three << scores(15, {"1:70", "6:60"}) << scores(15, {"1:20", "6:95"})
            << Suggestion::FirstTake << 1 << 2
            << "Try paper 2 of Fractions, your weakest topic";
        QTest::newRow("tie: the later topic is weakest")
            << three << scores(15, {"1:70", "6:70"}) << scores(15, {})
            << Suggestion::FirstTake << 2 << 2
            << "Try paper 2 of Fractions and Graphs, your weakest topic";
        QTest::newRow("mock examination is never the weakest")
            << mock << scores(15, {"1:80", "6:90", "11:10"}) << scores(15, {})
            << Suggestion::FirstTake << 1 << 2 << "Try paper 2 of Fractions, your weakest topic";
        QTest::newRow("mock examination and one topic: that topic is the weakest")
            << mock << scores(15, {"11:10", "1:50"}) << scores(15, {})
            << Suggestion::FirstTake << 1 << 2 << "Try paper 2 of Fractions, your weakest topic";
        QTest::newRow("weakest topic finished: first topic with an untried paper")
            << three << scores(15, {"1:50", "2:50", "3:50", "4:50", "5:50", "6:90"})
            << scores(15, {}) << Suggestion::FirstTake << 2 << 2
            << "Try paper 2 of Fractions and Graphs next";
        QTest::newRow("all tried: lowest first score again")
            << three << allTaken(15, "80", {"8:40", "12:55"}) << scores(15, {})
            << Suggestion::TryAgain << 2 << 3 << "Try paper 3 of Fractions and Graphs again";
        QTest::newRow("all tried: equal lowest, the first")
            << three << allTaken(15, "80", {"14:40", "4:40"}) << scores(15, {})
            << Suggestion::TryAgain << 1 << 4 << "Try paper 4 of Fractions again";
        QTest::newRow("all tried: a second take already done")
            << three << allTaken(15, "80", {"8:40", "12:55"}) << scores(15, {"8:90"})
            << Suggestion::TryAgain << 3 << 2 << "Try paper 2 of Shapes again";
        QTest::newRow("all tried: 99 still offers a second take")
            << three << allTaken(15, "100", {"15:99", "3:99.5"}) << scores(15, {})
            << Suggestion::TryAgain << 3 << 5 << "Try paper 5 of Shapes again";
        QTest::newRow("finished subject")
            << three << allTaken(15, "100", {"3:99.5"}) << scores(15, {"1:100"})
            << Suggestion::Praise << 0 << 0 << "Well done! You have finished every paper.";
        QTest::newRow("every try-again taken")
            << three << allTaken(15, "60") << allTaken(15, "70")
            << Suggestion::Praise << 0 << 0 << "Well done! You have finished every paper.";
        QTest::newRow("no topics")
            << QStringList() << QStringList() << QStringList() << Suggestion::Nothing << 0 << 0
            << "";
    }

    void suggestion()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, fse);
        QFETCH(QStringList, sse);
        QFETCH(Suggestion::Kind, kind);
        QFETCH(int, topic);
        QFETCH(int, paper);
        QFETCH(QString, text);
        const Suggestion s =
            PractiseNext::suggest(names.size(), int(fse.size()), names, fse, sse);
        QCOMPARE(s.kind, kind);
        QCOMPARE(s.topic, topic);
        QCOMPARE(s.paper, paper);
        QCOMPARE(s.take, kind == Suggestion::TryAgain ? 2 : kind == Suggestion::FirstTake ? 1 : 0);
        QCOMPARE(s.text, text);
    }

    // The topic rows keep their pitch while they fit above the suggestion.
    void column_data()
    {
        QTest::addColumn<int>("topics");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("top");
        QTest::newRow("seven topics fit") << 7 << 32 << 270;
        QTest::newRow("ten topics close up") << 10 << 23 << 270;
        QTest::newRow("never below the smallest pitch") << 40 << 20 << 270;
    }

    void column()
    {
        QFETCH(int, topics);
        QFETCH(int, pitch);
        QFETCH(int, top);
        const PractiseNext::Column c = PractiseNext::column(topics, 360, 36, 32, 20, 90);
        QCOMPARE(c.topicPitch, pitch);
        QCOMPARE(c.suggestionTop, top);
    }
};

QTEST_GUILESS_MAIN(TestPractiseNext)

#include "tst_practisenext.moc"
