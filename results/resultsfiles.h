#pragma once
// The six results files of a subject: "marks", "first", "second", "fresults", "sresults"
// and "trend", each followed by the subject number, the edition code and ".txt".

#include "records/recordfile.h"

#include <QString>

struct Catalogue;

namespace Results {

enum File { Marks = 1, First, Second, FResults, SResults, Trend };

// The tick and the cross stored for a marked blank (bytes 0xFC and 0xFB).
inline QString tick() { return QString(QChar(0xFC)); }
inline QString cross() { return QString(QChar(0xFB)); }

QString fileName(File file, int subject, const QString &code);
QString filePath(File file, int subject, const QString &code);
// Resource id of the blank template of file for subject s: 30100 + 10 s + file.
int templateId(File file, int subject);

// Writes the six templates of every named subject, replacing the files. Returns the first
// error number met (0 when all were written); a failure does not stop the others.
int WriteBlankResults(const Catalogue &catalogue);

// Creates from its template every results file of a named subject that is missing and
// leaves every existing file untouched. Returns the number of files created, or -1 when
// one could not be written.
int createMissingFiles(const Catalogue &catalogue);

// The six per-paper lists of the marks file, entries 1..paper count.
struct MarksLists
{
    Records::Fields FSE, SSE, LTM, CDD, FST, SST;
};

MarksLists readMarks(int subject, const QString &code, int paperCount);
int writeMarks(int subject, const QString &code, int paperCount, const MarksLists &marks);

// Values 1..blanks of the record of paperKey in an answer or result file.
Records::Fields readPaperValues(File file, int subject, const QString &code, int paperCount,
                                int paperKey, int blanks);

// Replaces the record of paperKey, starting from the file's current lines so that a write
// made since the window opened is kept. Returns a write error number.
int writePaperValues(File file, int subject, const QString &code, int paperCount,
                     int paperKey, const Records::Fields &values, int blanks);

// The first-take scores in the order they were marked.
QStringList readTrend(int subject, const QString &code);

// A marked take as the practice window hands it over.
struct MarkedTake
{
    int subject = 0;
    QString code;
    int paperCount = 0;
    int paperKey = 0;
    int blanks = 0;
    Records::Fields answers; // 1..blanks
    Records::Fields results; // 1..blanks: tick or cross
    QString score;           // percentage text
    QString timeTaken;       // first take only
    QString dateDone;        // first take only
};

// Writes a marked first take: answers, results, the marks file (read again just before it
// is updated) and the trend line. Returns 0 or the first write error.
int recordFirstTake(const MarkedTake &take);
// Writes a marked second take: answers, results, SSE and SST. The trend is left alone.
int recordSecondTake(const MarkedTake &take);

} // namespace Results
