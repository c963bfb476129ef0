#pragma once
// The marking computation, timed call by call (no window, no animation), on the paper with
// the most blanks of the embedded content, continued with the blanks of the next largest
// papers up to a given size (the answer sheet's limit is larger than any paper written yet).

#include <QList>

namespace MarkingBench {

struct Result
{
    int subject = 0;
    int paperKey = 0;
    int blanks = 0;       // of that paper
    int markedBlanks = 0; // of the list marked
    QList<double> callMs; // one entry per call
};

// Looks every paper up (in the current program folder) and marks the largest, continued
// to blanks blanks, calls times.
Result run(int calls, int blanks);

} // namespace MarkingBench
