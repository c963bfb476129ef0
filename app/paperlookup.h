#pragma once
// Looking up one paper in its subject's four tables: question ids, and per blank the
// answer key, answer code and marks.

#include <QString>
#include <QStringList>
#include <QVector>

struct PaperData
{
    QStringList questionIds;  // in page order (0-based)
    QVector<int> blankCounts; // per question
    QStringList answerKey;    // per blank of the whole paper (0-based)
    QStringList answerCodes;
    QStringList blankMarks;
    int totalBlanks = 0;
    int totalMarks = 0;

    int questionCount() const { return questionIds.size(); }
    // Index of the first blank of question q (0-based) in the per-blank lists.
    int blankOffset(int q) const;
};

namespace PaperLookup {

enum Error { Ok = 0, TableNotWritten = 1, PaperMissing = 2, TablesDisagree = 3 };

// Most blanks one question may have (the answer sheet has 20 rows) and one paper may have.
constexpr int kMaxBlanksPerQuestion = 20;
constexpr int kMaxBlanksPerPaper = 80;

// Writes each table of subject s to "temptext.txt" in turn, reads what the paper needs and
// deletes the file. Returns 0, or an error when a table was not written or the paper's
// data is missing or inconsistent (the paper must then not be opened).
int lookUp(int subject, int paperKey, PaperData *paper);

} // namespace PaperLookup
