#include "ui/practice/marking.h"

#include "results/resulttexts.h"

namespace Marking {

using Results::cross;
using Results::tick;

namespace {

// The key of every further blank of a "G" group.
const QString kGroupContinuation = QStringLiteral(" ");
// A further group blank looks this many blanks back for the group's first blank.
const int kGroupLookBack = 20;

// Only spaces are stripped, as the answer rules say; other white space is part of the text.
QString trimSpaces(const QString &text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString normalised(const QString &text)
{
    return trimSpaces(text).toLower();
}

// The key is ";" + alternatives separated by ";": n semicolons give n alternatives.
QStringList alternatives(const QString &key)
{
    return key.split(QLatin1Char(';')).mid(1);
}

// Index of the first blank of the group that blank i belongs to, or -1 when none is
// found within the look-back.
int groupHead(int i, const QStringList &keys)
{
    if (keys.value(i) != kGroupContinuation)
        return i;
    for (int j = i - 1; j >= 0 && j >= i - kGroupLookBack; --j) {
        if (keys.at(j) != kGroupContinuation)
            return j;
    }
    return -1;
}

// Last index of the group that starts at h: its further blanks, at most kGroupLookBack.
int groupEnd(int h, const QStringList &keys)
{
    int end = h;
    while (end + 1 < keys.size() && end + 1 - h <= kGroupLookBack
           && keys.at(end + 1) == kGroupContinuation)
        ++end;
    return end;
}

// For each alternative: whether some blank from first to last gave it.
QList<bool> struckOut(const QStringList &alts, const QStringList &answers, int first,
                      int last)
{
    QList<bool> struck;
    for (const QString &alt : alts) {
        const QString wanted = normalised(alt);
        bool given = false;
        for (int j = first; j <= last && !given; ++j)
            given = normalised(answers.value(j)) == wanted;
        struck.append(given);
    }
    return struck;
}

QString markText(const QString &answer, const QString &key)
{
    return normalised(answer) == normalised(key) ? tick() : cross();
}

QString markNumber(const QString &answer, const QString &key, const QLocale &locale)
{
    bool ok = false;
    const double expected = QLocale::c().toDouble(trimSpaces(key), &ok);
    if (!ok)
        return cross();
    return numberReadings(answer, locale).contains(expected) ? tick() : cross();
}

// Spaces are dropped from the answer, except at the position where the key has its
// first space: "1 2/ 3" reads as "1 2/3", while "12/3" keeps no space to match.
QString markSpacing(const QString &answer, const QString &key)
{
    const QString trimmed = trimSpaces(answer);
    const int kept = key.indexOf(QLatin1Char(' '));
    QString built;
    for (int c = 0; c < trimmed.size(); ++c) {
        if (c == kept || trimmed.at(c) != QLatin1Char(' '))
            built.append(trimmed.at(c));
    }
    return built == trimSpaces(key) ? tick() : cross();
}

QString firstBlankModel(int i, const QStringList &answers, const QStringList &alts,
                        const QList<bool> &struck)
{
    const QString own = normalised(answers.value(i));
    QString chosen;
    bool haveChoice = false;
    for (int k = 0; k < alts.size(); ++k) {
        const QString entry = struck.at(k) ? QString() : alts.at(k);
        if (own == normalised(entry))
            return QString();
        if (!entry.isEmpty() && !haveChoice) {
            chosen = entry;
            haveChoice = true;
        }
    }
    return chosen;
}

QString furtherBlankModel(int i, int h, const QStringList &answers, const QStringList &alts,
                          const QList<bool> &struck)
{
    int matches = 0;
    for (int j = h; j < i; ++j) {
        const QString given = normalised(answers.value(j));
        for (const QString &alt : alts) {
            if (given == normalised(alt))
                ++matches;
        }
    }
    // Each earlier blank that gave no alternative used up one of the free ones.
    int wanted = 1 + (i - h) - matches;
    for (int k = 0; k < alts.size(); ++k) {
        if (!struck.at(k) && --wanted == 0)
            return alts.at(k);
    }
    return QString();
}

int markValue(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

QList<double> numberReadings(const QString &answer, const QLocale &locale)
{
    const QString text = trimSpaces(answer);
    QList<double> readings;
    bool ok = false;
    const double withPoint = QLocale::c().toDouble(text, &ok);
    if (ok)
        readings.append(withPoint);
    if (locale.decimalPoint() != QLatin1String(".")) {
        const double withLocale = locale.toDouble(text, &ok);
        if (ok && !readings.contains(withLocale))
            readings.append(withLocale);
    }
    return readings;
}

QString MarkAnswer(const QString &answer, const QString &key, const QString &code,
                   const QLocale &locale)
{
    if (code == QLatin1String("N"))
        return markNumber(answer, key, locale);
    if (code == QLatin1String("T") || code == QLatin1String("Q") || code == QLatin1String("L"))
        return markText(answer, key);
    if (code == QLatin1String("R") || code == QLatin1String("F") || code == QLatin1String("X"))
        return markSpacing(answer, key);
    return QString();
}

QString MarkGroupAnswer(int i, const QStringList &answers, const QStringList &keys)
{
    const QString key = keys.value(i);
    if (key != kGroupContinuation) {
        const QString given = normalised(answers.value(i));
        for (const QString &alt : alternatives(key)) {
            if (given == normalised(alt))
                return tick();
        }
        return cross();
    }

    const int h = groupHead(i, keys);
    const QString given = normalised(answers.value(i));
    if (h < 0 || given.isEmpty())
        return cross();
    const QStringList alts = alternatives(keys.at(h));
    const QList<bool> struck = struckOut(alts, answers, h, i - 1);
    for (int k = 0; k < alts.size(); ++k) {
        if (!struck.at(k) && given == normalised(alts.at(k)))
            return tick();
    }
    return cross();
}

QString GroupModelAnswer(int i, const QStringList &answers, const QStringList &keys)
{
    const int h = groupHead(i, keys);
    if (h < 0)
        return QString();
    const QStringList alts = alternatives(keys.at(h));
    const QList<bool> struck = struckOut(alts, answers, h, groupEnd(h, keys));
    if (i == h)
        return firstBlankModel(i, answers, alts, struck);
    return furtherBlankModel(i, h, answers, alts, struck);
}

QString modelAnswer(int i, const QStringList &answers, const QStringList &keys,
                    const QStringList &codes)
{
    const QString code = codes.value(i);
    if (code == QLatin1String("G"))
        return GroupModelAnswer(i, answers, keys);
    if (code == QLatin1String("M"))
        return alternatives(keys.value(i)).value(0);
    return keys.value(i);
}

PaperMarking markPaper(const QStringList &answers, const QStringList &keys,
                       const QStringList &codes, const QStringList &marks,
                       const QLocale &locale)
{
    PaperMarking marking;
    for (int i = 0; i < keys.size(); ++i) {
        const QString code = codes.value(i);
        const bool grouped = code == QLatin1String("G") || code == QLatin1String("M");
        const QString result = grouped
                ? MarkGroupAnswer(i, answers, keys)
                : MarkAnswer(answers.value(i), keys.at(i), code, locale);
        if (result == tick())
            marking.rawScore += markValue(marks.value(i));
        marking.results.append(result);
    }
    return marking;
}

int totalMarks(const QStringList &marks)
{
    int total = 0;
    for (const QString &mark : marks)
        total += markValue(mark);
    return total;
}

QList<int> remainingQuestions(const QStringList &answers, const QList<int> &blankCounts)
{
    QList<int> questions;
    int offset = 0;
    for (int q = 0; q < blankCounts.size(); ++q) {
        const int count = qMax(0, blankCounts.at(q));
        for (int b = 0; b < count; ++b) {
            if (trimSpaces(answers.value(offset + b)).isEmpty()) {
                questions.append(q + 1);
                break;
            }
        }
        offset += count;
    }
    return questions;
}

bool hasUnansweredBlank(const QStringList &answers, const QList<bool> &considered)
{
    for (int i = 0; i < considered.size(); ++i) {
        if (considered.at(i) && answers.value(i).isEmpty())
            return true;
    }
    return false;
}

QList<bool> blanksToAnswerAgain(const QStringList &firstResults)
{
    QList<bool> open;
    for (const QString &result : firstResults)
        open.append(result != tick());
    return open;
}

QString markingPrompt(bool unansweredBlank)
{
    return unansweredBlank
            ? QStringLiteral("You have not answered all the questions.  "
                             "Do you still want to mark your practice?")
            : QStringLiteral("Do you want to mark your practice now?");
}

} // namespace Marking
