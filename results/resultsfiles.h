#pragma once
// The six results files of a subject: "marks", "first", "second", "fresults", "sresults"
// and "trend", each followed by the subject number, the edition code and ".txt".

#include "records/recordfile.h"
#include "results/resulttexts.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class QDate;

struct Catalogue;

namespace Results {

enum File { Marks = 1, First, Second, FResults, SResults, Trend };

// A subject's six results files: the subject number and edition code name them, the paper
// count is how many paper records they hold, and folder is where they are (the program
// folder when none is given).
struct SubjectFiles
{
    SubjectFiles() = default;
    SubjectFiles(int subject, const QString &code, int paperCount = 0,
                 const QString &folder = QString());

    int subject = 0;
    QString code;
    int paperCount = 0;
    QString folder;

    QString fileName(File file) const;
    QString path(File file) const;
};

// The files of subject s of the catalogue, in folder (the program folder when empty).
SubjectFiles subjectFiles(const Catalogue &catalogue, int subject,
                          const QString &folder = QString());
// The names of all results files of the catalogue's named subjects (no folder).
QStringList allFileNames(const Catalogue &catalogue);

// Resource id of the blank template of file for subject s: 30100 + 10 s + file.
int templateId(File file, int subject);

// Writes the six templates of every named subject, replacing the files. Returns the first
// error number met (0 when all were written); a failure does not stop the others.
int WriteBlankResults(const Catalogue &catalogue, const QString &folder = QString());

// Creates from its template every results file of a named subject that is missing and
// leaves every existing file untouched. Returns the number of files created, or -1 when
// one could not be written.
int createMissingFiles(const Catalogue &catalogue, const QString &folder = QString());

// True when a results file is present but cannot be read whole: a record it must hold is
// absent (the marks lists, each paper's record, the trend record) or holds a control
// character, a marks list holds fewer values than there are papers, or its last line has
// no line end (the file was cut short; every writer ends its lines). A missing file is not
// damaged: start-up makes it.
bool isDamaged(File file, const SubjectFiles &files);
// The named subjects of the catalogue with at least one damaged results file, ascending.
QList<int> damagedSubjects(const Catalogue &catalogue, const QString &folder = QString());

// The six per-paper lists of the marks file: entry i is paper ordinal i + 1, one entry per
// paper of the subject.
struct MarksLists
{
    QStringList FSE, SSE, LTM, CDD, FST, SST;
};

// Values that damage left unstorable are cleaned (see readPaperValues).
MarksLists readMarks(const SubjectFiles &files);
int writeMarks(const SubjectFiles &files, const MarksLists &marks);

// The values of the record of paperKey in an answer or result file, one per blank (blank 1
// at index 0). Read from a damaged file they are cleaned so that they can always be written
// back: a last value keeps only its own text, and '#' and stray CRs are dropped. A record
// missing from the forward scan is looked for again from the top of the file.
QStringList readPaperValues(File file, const SubjectFiles &files, int paperKey, int blanks);

// Replaces the record of paperKey, starting from the file's current lines so that a write
// made since the window opened is kept. Returns a write error number.
int writePaperValues(File file, const SubjectFiles &files, int paperKey,
                     const QStringList &values, int blanks);

// The first-take scores in the order they were marked.
QStringList readTrend(const SubjectFiles &files);

// The date a first take is marked on as the marks file stores it and every window shows
// it: locale's short date when the file can hold each of its characters, else d/M/yyyy.
QString storedDate(const QDate &date, const QLocale &locale = QLocale());

// A marked take as the practice window hands it over.
struct MarkedTake
{
    SubjectFiles files;
    int paperKey = 0;
    int blanks = 0;
    QStringList answers; // one per blank, blank 1 first
    QStringList results; // one per blank: tick or cross
    QString score;           // percentage text
    QString timeTaken;       // first take only
    QString dateDone;        // first take only
};

// Writes a marked first take: answers, results, the marks file (read again just before it
// is updated) and the trend line. Returns 0 or the first write error; after an error every
// file holds what it held before.
int recordFirstTake(const MarkedTake &take);
// Writes a marked second take: answers, results, SSE and SST. The trend is left alone.
// After an error every file holds what it held before.
int recordSecondTake(const MarkedTake &take);

} // namespace Results
