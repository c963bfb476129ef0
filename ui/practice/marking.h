#pragma once
// Marking and scoring rules of a practice paper: judging one blank by its answer code,
// the "G" group and "M" alternatives rules, the correct answer shown in a second take and
// the score of a paper. The marks and the texts of score and time are the results layer's
// (results/resulttexts.h). Plain functions, no widgets.
//
// Per-blank lists are QStringLists indexed from 0: entry i is blank i + 1 of the paper
// (pass a 1-based Records::Fields array as fields.mid(1)). A missing entry reads as
// empty text.

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace Marking {

// Judges one blank of code "N", "T", "Q", "L", "R", "F" or "X": the tick or the cross.
// Any other code (including "G" and "M", see MarkGroupAnswer) gives empty text.
// "N" ticks when some reading of the answer (numberReadings) equals the key, which is
// always read with "." as the pages write it.
QString MarkAnswer(const QString &answer, const QString &key, const QString &code,
                   const QLocale &locale = QLocale());

// The numbers an "N" answer can mean, spaces around it allowed: read with "." and, where
// locale's decimal separator is another one, with locale's number format too. Empty when
// the answer is no number.
QList<double> numberReadings(const QString &answer, const QLocale &locale = QLocale());

// Judges blank i of code "G" or "M": the tick or the cross. A key other than " " is
// ";" + alternatives (an "M" blank or the first blank of a "G" group, judged alone); a
// further group blank (key " ") loses every alternative an earlier group blank gave.
QString MarkGroupAnswer(int i, const QStringList &answers, const QStringList &keys);

// The correct answer shown beside blank i of a "G" group after a second take: the
// alternatives no blank of the group gave, one per wrong blank in order; empty text for
// a first blank left empty while some alternative was given elsewhere.
QString GroupModelAnswer(int i, const QStringList &answers, const QStringList &keys);

// The correct answer of blank i as a second take shows it: GroupModelAnswer for "G",
// the first alternative for "M", the key for any other code.
QString modelAnswer(int i, const QStringList &answers, const QStringList &keys,
                    const QStringList &codes);

// Outcome of marking a whole paper.
struct PaperMarking
{
    QStringList results; // per blank: tick, cross or empty; one entry per key
    int rawScore = 0;    // sum of the marks of the ticked blanks
};

// Marks every blank: "G" and "M" by MarkGroupAnswer, the others by MarkAnswer.
PaperMarking markPaper(const QStringList &answers, const QStringList &keys,
                       const QStringList &codes, const QStringList &marks,
                       const QLocale &locale = QLocale());

// Sum of the numeric values of the marks (a mark that is not a whole number counts 0).
int totalMarks(const QStringList &marks);

// Question numbers (1-based, ascending, each once) that have a blank whose answer,
// without leading and trailing spaces, is empty. blankCounts[q - 1] is the number of
// blanks of question q; answers run over the whole paper.
QList<int> remainingQuestions(const QStringList &answers, const QList<int> &blankCounts);

// True when some considered blank has an exactly empty answer (spaces count as an
// answer). considered[i] says whether blank i is looked at; its size is the blank count.
bool hasUnansweredBlank(const QStringList &answers, const QList<bool> &considered);

// The blanks a second take answers again: true where the first take did not earn a tick.
QList<bool> blanksToAnswerAgain(const QStringList &firstResults);

// The question asked before marking, chosen by hasUnansweredBlank.
QString markingPrompt(bool unansweredBlank);

} // namespace Marking
