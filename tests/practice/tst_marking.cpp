// Marking and scoring rules of the practice window, driven by tables of cases.

#include "ui/practice/marking.h"

#include <QtTest>

namespace {

// The marks as the results files hold them: the bytes 0xFC and 0xFB.
const QString kTick = QString(QChar(0xFC));
const QString kCross = QString(QChar(0xFB));

// "y" tick, "n" cross, "-" no mark: one letter per blank keeps the tables readable.
QStringList marksFromLetters(const QString &letters)
{
    QStringList marks;
    for (const QChar letter : letters) {
        if (letter == QLatin1Char('y'))
            marks.append(kTick);
        else if (letter == QLatin1Char('n'))
            marks.append(kCross);
        else
            marks.append(QString());
    }
    return marks;
}

const QString kGroupKey = QStringLiteral(";Air;Water;Sunlight;Light");
const QString kMore = QStringLiteral(" ");

} // namespace

class TestMarking : public QObject
{
    Q_OBJECT

private slots:
    void markAnswer_data();
    void markAnswer();
    void markNumberInLocale_data();
    void markNumberInLocale();
    void markGroupAnswer_data();
    void markGroupAnswer();
    void groupLookBackStopsAfterTwentyBlanks();
    void modelAnswer_data();
    void modelAnswer();
    void markPaper_data();
    void markPaper();
    void remainingQuestions_data();
    void remainingQuestions();
    void markingPrompt_data();
    void markingPrompt();
};

void TestMarking::markAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");

    // An empty answer is wrong under every code that marks.
    QTest::newRow("empty N") << "" << "958" << "N" << "n";
    QTest::newRow("empty T") << "" << "Gills" << "T" << "n";
    QTest::newRow("empty Q") << "" << "3" << "Q" << "n";
    QTest::newRow("empty L") << "" << "It evaporates" << "L" << "n";
    QTest::newRow("empty F") << "" << "3/4" << "F" << "n";
    QTest::newRow("empty X") << "" << "1 2/3" << "X" << "n";
    QTest::newRow("empty R") << "" << "5 cm" << "R" << "n";
    QTest::newRow("spaces only X") << "   " << "1 2/3" << "X" << "n";

    // Text rule: spaces around and letter case do not count.
    QTest::newRow("T lower case") << "gills" << "Gills" << "T" << "y";
    QTest::newRow("T spaces around") << "  Gills  " << "Gills" << "T" << "y";
    QTest::newRow("T capitals") << "GILLS" << "Gills" << "T" << "y";
    QTest::newRow("T other word") << "Gill" << "Gills" << "T" << "n";
    QTest::newRow("T inner space counts") << "Gi lls" << "Gills" << "T" << "n";
    QTest::newRow("Q chosen option") << "3" << "3" << "Q" << "y";
    QTest::newRow("Q other option") << "4" << "3" << "Q" << "n";
    QTest::newRow("L sentence") << "it EVAPORATES " << "It evaporates" << "L" << "y";

    // Number rule: compared as numbers, not as text.
    QTest::newRow("N 958.0") << "958.0" << "958" << "N" << "y";
    QTest::newRow("N spaces around") << "  958 " << "958" << "N" << "y";
    QTest::newRow("N 6212 vs 6212.0") << "6212" << "6212.0" << "N" << "y";
    QTest::newRow("N words") << "nine hundred" << "958" << "N" << "n";
    QTest::newRow("N other number") << "958.5" << "958" << "N" << "n";
    QTest::newRow("N inner space") << "9 58" << "958" << "N" << "n";
    QTest::newRow("N decimal key") << "0.50" << "0.5" << "N" << "y";
    QTest::newRow("N text key") << "5" << "five" << "N" << "n";

    // Spacing rule: only the space where the key has its first space is kept.
    QTest::newRow("X 1 2/3") << "1 2/3" << "1 2/3" << "X" << "y";
    QTest::newRow("X 1 2/ 3") << "1 2/ 3" << "1 2/3" << "X" << "y";
    QTest::newRow("X 12/3") << "12/3" << "1 2/3" << "X" << "n";
    QTest::newRow("X two spaces") << "1  2/3" << "1 2/3" << "X" << "y";
    QTest::newRow("X spaces around") << " 1 2/3 " << "1 2/3" << "X" << "y";
    QTest::newRow("F 3 / 4") << "3 / 4" << "3/4" << "F" << "y";
    QTest::newRow("F 3/4") << "3/4" << "3/4" << "F" << "y";
    QTest::newRow("F upside down") << "4/3" << "3/4" << "F" << "n";
    QTest::newRow("R kept space") << "5 cm" << "5 cm" << "R" << "y";
    QTest::newRow("R missing space") << "5cm" << "5 cm" << "R" << "n";
    QTest::newRow("R case counts") << "5 CM" << "5 cm" << "R" << "n";

    // Codes outside the rules give no mark.
    QTest::newRow("unknown code") << "Gills" << "Gills" << "Z" << "-";
    QTest::newRow("no code") << "Gills" << "Gills" << "" << "-";
    QTest::newRow("lower-case code") << "Gills" << "Gills" << "t" << "-";
    QTest::newRow("G is not marked here") << "Air" << kGroupKey << "G" << "-";
    QTest::newRow("M is not marked here") << "Plant" << ";Plants;Plant" << "M" << "-";
}

void TestMarking::markAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, key);
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(Marking::MarkAnswer(answer, key, code, QLocale::c()),
             marksFromLetters(expected).value(0));
}

void TestMarking::markNumberInLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("C comma is no decimal point") << "C" << "958,0" << "958" << "n";
    QTest::newRow("German comma") << "de_DE" << "958,0" << "958" << "y";
    QTest::newRow("German answer, key with point") << "de_DE" << "0,5" << "0.5" << "y";
    QTest::newRow("German wrong number") << "de_DE" << "0,4" << "0.5" << "n";
    // The pages write decimals with a point: it counts under every locale, and keys are
    // always read with it.
    QTest::newRow("German answer with point") << "de_DE" << "3.5" << "3.5" << "y";
    QTest::newRow("French answer with point") << "fr_FR" << "0.25" << "0.25" << "y";
    QTest::newRow("German key read with point") << "de_DE" << "1,5" << "1.500" << "y";
    QTest::newRow("German point, wrong number") << "de_DE" << "3.4" << "3.5" << "n";
    QTest::newRow("German thousands mark") << "de_DE" << "1.000" << "1000" << "y";
    QTest::newRow("English thousands comma") << "en_GB" << "6,212" << "6212" << "y";
    QTest::newRow("German letters") << "de_DE" << "drei" << "3" << "n";
}

void TestMarking::markNumberInLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, answer);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(Marking::MarkAnswer(answer, key, QStringLiteral("N"), QLocale(locale)),
             marksFromLetters(expected).value(0));
}

void TestMarking::markGroupAnswer_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("expected");

    const QStringList plants = {QStringLiteral(";Plants;Plant")};
    QTest::newRow("M second alternative") << plants << QStringList{"plant"} << "y";
    QTest::newRow("M first alternative, spaces") << plants << QStringList{" PLANTS "} << "y";
    QTest::newRow("M wrong") << plants << QStringList{"flower"} << "n";
    QTest::newRow("M empty") << plants << QStringList{""} << "n";

    const QStringList group = {kGroupKey, kMore, kMore};
    QTest::newRow("G Water Air Water") << group << QStringList{"Water", "Air", "Water"}
                                       << "yyn";
    QTest::newRow("G Air empty Light") << group << QStringList{"Air", "", "Light"} << "yny";
    QTest::newRow("G any order") << group << QStringList{"light", "SUNLIGHT", " water "}
                                 << "yyy";
    QTest::newRow("G repeat in other case") << group << QStringList{"Air", "AIR", "Water"}
                                            << "yny";
    QTest::newRow("G spaces-only further blank") << group << QStringList{"Air", "  ", "Water"}
                                                 << "yny";
    // A wrong first blank strikes nothing out; a right first blank is judged alone.
    QTest::newRow("G wrong first") << group << QStringList{"Wind", "Air", "Wind"} << "nyn";
    QTest::newRow("G wrong first then repeats") << group << QStringList{"Air", "Wind", "Air"}
                                                << "ynn";
    // Second take: blank 2 was right in the first take and is carried over; blank 1 now
    // gives the same answer, so the carried-over blank loses its tick.
    QTest::newRow("G carried-over member repeated") << group
                                                    << QStringList{"Water", "Water", "Air"}
                                                    << "yny";
    // Each group finds its own first blank.
    const QStringList twoGroups = {";A;B", kMore, ";C;D", kMore};
    QTest::newRow("two groups right") << twoGroups << QStringList{"a", "b", "c", "d"} << "yyyy";
    QTest::newRow("two groups crossed") << twoGroups << QStringList{"A", "C", "C", "A"}
                                        << "ynyn";
    // An empty alternative never rewards an empty further blank.
    QTest::newRow("G empty further blank") << QStringList{";Air;;Water", kMore}
                                           << QStringList{"Air", ""} << "yn";
}

void TestMarking::markGroupAnswer()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(QString, expected);

    const QStringList expectedMarks = marksFromLetters(expected);
    QCOMPARE(expectedMarks.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(Marking::MarkGroupAnswer(i, answers, keys), expectedMarks.at(i));
}

void TestMarking::groupLookBackStopsAfterTwentyBlanks()
{
    // A first blank followed by 21 further blanks: the last one is 21 blanks away from
    // the first and no longer finds it, so even an unused alternative is crossed.
    QStringList alternatives;
    QStringList answers;
    for (int k = 1; k <= 22; ++k) {
        alternatives.append(QStringLiteral("a%1").arg(k));
        answers.append(QStringLiteral("a%1").arg(k));
    }
    QStringList keys{QLatin1Char(';') + alternatives.join(QLatin1Char(';'))};
    for (int k = 0; k < 21; ++k)
        keys.append(kMore);

    QCOMPARE(Marking::MarkGroupAnswer(20, answers, keys), kTick);
    QCOMPARE(Marking::MarkGroupAnswer(21, answers, keys), kCross);
    QCOMPARE(Marking::GroupModelAnswer(21, answers, keys), QString());
}

void TestMarking::modelAnswer_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("blank");
    QTest::addColumn<QString>("expected");

    QTest::newRow("T wrong shows key") << QStringList{"Gills"} << QStringList{"T"}
                                       << QStringList{"lungs"} << 0 << "Gills";
    QTest::newRow("N wrong shows key") << QStringList{"958"} << QStringList{"N"}
                                       << QStringList{"900"} << 0 << "958";
    QTest::newRow("M shows first alternative") << QStringList{";Plants;Plant"}
                                               << QStringList{"M"} << QStringList{"tree"} << 0
                                               << "Plants";

    const QStringList group = {kGroupKey, kMore, kMore};
    const QStringList codes = {"G", "G", "G"};
    QTest::newRow("G Water Air Water, third") << group << codes
                                              << QStringList{"Water", "Air", "Water"} << 2
                                              << "Sunlight";
    // Wrong blanks are shown the alternatives nobody gave, one each, in key order.
    QTest::newRow("G wrong first") << group << codes << QStringList{"Wind", "Air", ""} << 0
                                   << "Water";
    QTest::newRow("G wrong third after wrong first") << group << codes
                                                     << QStringList{"Wind", "Air", ""} << 2
                                                     << "Sunlight";
    QTest::newRow("G empty first, another right") << group << codes
                                                  << QStringList{"", "Water", ""} << 0 << "";
    QTest::newRow("G all empty, first") << group << codes << QStringList{"", "", ""} << 0
                                        << "Air";
    QTest::newRow("G all empty, second") << group << codes << QStringList{"", "", ""} << 1
                                         << "Water";
    QTest::newRow("G all empty, third") << group << codes << QStringList{"", "", ""} << 2
                                        << "Sunlight";
    QTest::newRow("G nothing left to show") << QStringList{";A;B", kMore, kMore} << codes
                                            << QStringList{"A", "B", "x"} << 2 << "";
    QTest::newRow("G after another blank") << QStringList{"3/4", ";Air;Water", kMore}
                                           << QStringList{"F", "G", "G"}
                                           << QStringList{"1/2", "Air", "Air"} << 2
                                           << "Water";
}

void TestMarking::modelAnswer()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, answers);
    QFETCH(int, blank);
    QFETCH(QString, expected);
    QCOMPARE(Marking::modelAnswer(blank, answers, keys, codes), expected);
}

void TestMarking::markPaper_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("raw");

    // Shared paper below: T(1) N(2) G(1) G(1) X(3) Z(5) M(1).
    QTest::newRow("all right") << QStringList{"Gills", "958.0", "Water", "Air", "1 2/3", "x",
                                              "plant"}
                               << "yyyyy-y" << 9;
    QTest::newRow("nothing answered") << QStringList{} << "nnnnn-n" << 0;
    QTest::newRow("group repeat and spacing") << QStringList{"gills", "958", "Air", "air",
                                                             "12/3", "", "Plants"}
                                              << "yyynn-y" << 5;
}

void TestMarking::markPaper()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, expected);
    QFETCH(int, raw);

    const QStringList keys = {"Gills", "958", ";Air;Water", kMore, "1 2/3", "x",
                              ";Plants;Plant"};
    const QStringList codes = {"T", "N", "G", "G", "X", "Z", "M"};
    const QStringList marks = {"1", "2", "1", "1", "3", "5", "1"};

    const Marking::PaperMarking marking =
            Marking::markPaper(answers, keys, codes, marks, QLocale::c());
    QCOMPARE(marking.results, marksFromLetters(expected));
    QCOMPARE(marking.rawScore, raw);
    QCOMPARE(Marking::totalMarks(marks), 14);
}

void TestMarking::remainingQuestions_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<int>>("blankCounts");
    QTest::addColumn<QList<int>>("expected");

    const QList<int> counts = {1, 3, 2};
    QTest::newRow("all empty") << QStringList{"", "", "", "", "", ""} << counts
                               << QList<int>{1, 2, 3};
    QTest::newRow("all answered") << QStringList{"a", "b", "c", "d", "e", "f"} << counts
                                  << QList<int>{};
    QTest::newRow("spaces only stays") << QStringList{"a", "b", "   ", "d", "e", "f"} << counts
                                       << QList<int>{2};
    QTest::newRow("two empty blanks listed once") << QStringList{"a", "", "c", "", "e", ""}
                                                  << counts << QList<int>{2, 3};
    QTest::newRow("answers shorter than paper") << QStringList{"a", "b", "c", "d"} << counts
                                                << QList<int>{3};
    QTest::newRow("question without blanks") << QStringList{"", "x"} << QList<int>{1, 0, 1}
                                             << QList<int>{1};
}

void TestMarking::remainingQuestions()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, blankCounts);
    QFETCH(QList<int>, expected);
    QCOMPARE(Marking::remainingQuestions(answers, blankCounts), expected);
}

void TestMarking::markingPrompt_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("firstResults");
    QTest::addColumn<bool>("unanswered");

    // First take: every blank is looked at (no first results).
    QTest::newRow("first take, one empty") << QStringList{"a", "", "c"} << QStringList{}
                                           << true;
    QTest::newRow("first take, a space answers") << QStringList{"a", " ", "c"} << QStringList{}
                                                 << false;
    // Second take: blanks right in the first take are not asked again.
    QTest::newRow("second take, empty carried blank")
            << QStringList{"", "b", "c"} << marksFromLetters("ynn") << false;
    QTest::newRow("second take, empty open blank")
            << QStringList{"a", "", "c"} << marksFromLetters("ynn") << true;
    QTest::newRow("second take, all right before")
            << QStringList{"a", "b", "c"} << marksFromLetters("yyy") << false;
}

void TestMarking::markingPrompt()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, firstResults);
    QFETCH(bool, unanswered);

    const QList<bool> considered = firstResults.isEmpty()
            ? QList<bool>(answers.size(), true)
            : Marking::blanksToAnswerAgain(firstResults);
    const bool found = Marking::hasUnansweredBlank(answers, considered);
    QCOMPARE(found, unanswered);
    const QString expected = unanswered
            ? QStringLiteral("You have not answered all the questions.  "
                             "Do you still want to mark your practice?")
            : QStringLiteral("Do you want to mark your practice now?");
    QCOMPARE(Marking::markingPrompt(found), expected);
}

QTEST_APPLESS_MAIN(TestMarking)
#include "tst_marking.moc"
