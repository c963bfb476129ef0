#pragma once
// The damaged-file matrix shared by the hardening tests: ways a results file (or a leftover
// catalogue file) can be damaged, a subject's results with something in every file to
// lose, and what the program can still read of them.

#include "tests/practice/practicefixture.h"

#include "records/recordfile.h"
#include "results/resultsfiles.h"
#include "ui/practice/practicesession.h"

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QMap>
#include <QRandomGenerator>
#include <QtTest>

namespace Damage {

enum Kind {
    Missing,          // the file is gone
    Empty,            // no bytes at all
    CutMidLine,       // the file ends half-way through a record line
    RecordMissing,    // the second record line is gone (records after it remain)
    FewerValues,      // every record holds fewer values than it should
    OverlongLine,     // the second record's last value is 1 MB long
    ManyLineEnds,     // 256 K empty lines after the first line
    GarbageFile,      // 4 KB of bytes 0..255, NUL and CR among them, instead of the file
    GarbageInRecords, // NUL, 0xFF, CR, 0x80 and '#' inside every record line
    LfOnly,           // lines ended by LF alone
};

inline const char *name(Kind kind)
{
    static const char *const names[] = {"missing", "empty", "cut mid-line", "record missing",
                                        "fewer values", "overlong line", "many line ends",
                                        "garbage file", "garbage in records", "LF only"};
    return names[kind];
}

inline QList<Kind> allKinds()
{
    return {Missing, Empty, CutMidLine, RecordMissing, FewerValues, OverlongLine,
            ManyLineEnds, GarbageFile, GarbageInRecords, LfOnly};
}

inline QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

inline QByteArray joinLines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + '\n';
    return bytes;
}

// Index of the n-th line (1-based) holding a record marker "#...#", or -1.
inline int recordLineIndex(const QList<QByteArray> &lines, int n)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith('#') && --n == 0)
            return i;
    }
    return -1;
}

inline QByteArray garbage(int size)
{
    QRandomGenerator random(20261208);
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i < 256 ? i : random.bounded(256));
    return bytes;
}

// The bytes of a damaged copy of good (not used for Missing).
inline QByteArray apply(Kind kind, const QByteArray &good)
{
    QList<QByteArray> lines = splitLines(good);
    const int second = recordLineIndex(lines, 2) >= 0 ? recordLineIndex(lines, 2)
                                                      : recordLineIndex(lines, 1);
    switch (kind) {
    case Missing:
    case Empty:
        return QByteArray();
    case CutMidLine: {
        const int i = recordLineIndex(lines, 1 + splitLines(good).size() / 3);
        const int at = i >= 0 ? i : second;
        const QByteArray before = joinLines(lines.mid(0, at));
        return before + lines.at(at).left(qMax(3, lines.at(at).size() / 2 - 1));
    }
    case RecordMissing:
        lines.removeAt(second);
        return joinLines(lines);
    case FewerValues:
        for (QByteArray &line : lines) {
            int cut = line.indexOf('>');
            for (int k = 0; cut >= 0 && k < 2; ++k)
                cut = line.indexOf('>', cut + 1);
            if (line.startsWith('#') && cut >= 0)
                line = line.left(cut) + (line.endsWith('\r') ? "\r" : "");
        }
        return joinLines(lines);
    case OverlongLine:
        lines[second].chop(1); // the CR
        lines[second] += QByteArray(1 << 20, '7') + '\r';
        return joinLines(lines);
    case ManyLineEnds:
        return lines.first() + '\n' + QByteArray(1 << 18, '\n') + joinLines(lines.mid(1));
    case GarbageFile:
        return garbage(4096);
    case GarbageInRecords:
        for (QByteArray &line : lines) {
            const int values = line.indexOf('>');
            if (line.startsWith('#') && values >= 0)
                line = QByteArrayLiteral("\x01\xfe") + line.left(values + 1)
                       + QByteArrayLiteral("\x00\xff\r\x80#") + line.mid(values + 1);
        }
        return joinLines(lines);
    case LfOnly:
        return QByteArray(good).replace("\r\n", "\n");
    }
    return good;
}

// Whether start-up is to call a results file with this damage unreadable. Fewer values are
// found only in the marks lists, whose length the paper count fixes; no writer stores the
// control characters of garbage.
inline bool isReportedDamaged(Kind kind, Results::File file)
{
    switch (kind) {
    case Empty:
    case CutMidLine:
    case RecordMissing:
    case GarbageFile:
    case GarbageInRecords:
        return true;
    case FewerValues:
        return file == Results::Marks;
    default:
        return false;
    }
}

// What the program reads of a subject's results, by record: "marks FSE" .. "marks SST"
// (paper-count values each), "<file> <paper key>" for a few papers of each answer and
// result file (80 values each, file numbered as Results::File) and "trend".
using View = QMap<QString, QStringList>;

inline const QList<int> &viewedPapers()
{
    static const QList<int> papers{101, 102, 103, 104, 130};
    return papers;
}

inline QString paperRecord(Results::File file, int paperKey)
{
    return QStringLiteral("%1 %2").arg(int(file)).arg(paperKey);
}

inline View readView(const Catalogue &c, int s)
{
    View v;
    const int count = c.paperCount[s];
    const Results::MarksLists m = Results::readMarks(Results::SubjectFiles(s, c.code, count));
    const QStringList keys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
    const QStringList lists[] = {m.FSE, m.SSE, m.LTM, m.CDD, m.FST, m.SST};
    for (int k = 0; k < 6; ++k)
        v.insert(QStringLiteral("marks ") + keys.at(k), lists[k]);
    for (int f = Results::First; f <= Results::SResults; ++f) {
        for (int key : viewedPapers()) {
            v.insert(paperRecord(Results::File(f), key),
                     Results::readPaperValues(Results::File(f),
                                              Results::SubjectFiles(s, c.code, count), key,
                                              Records::Cap80));
        }
    }
    v.insert(QStringLiteral("trend"), Results::readTrend(Results::SubjectFiles(s, c.code)));
    return v;
}

// The records of the view that a file holds.
inline QStringList recordsOf(Results::File file)
{
    if (file == Results::Marks)
        return {"marks FSE", "marks SSE", "marks LTM", "marks CDD", "marks FST", "marks SST"};
    if (file == Results::Trend)
        return {QStringLiteral("trend")};
    QStringList records;
    for (int key : viewedPapers())
        records.append(paperRecord(file, key));
    return records;
}

// The records of the view whose values the damage of file destroyed or altered; every
// other record must read as before. (The second record is the one RecordMissing and
// OverlongLine damage.)
inline QStringList recordsHit(Kind kind, Results::File file)
{
    const QStringList records = recordsOf(file);
    switch (kind) {
    case ManyLineEnds:
    case LfOnly:
        return {};
    case RecordMissing:
    case OverlongLine:
        return {records.value(1, records.first())};
    default:
        return records;
    }
}

// Moves through every question typing the given answers, then marks the take.
inline int takePaper(PracticeSession &session, const QStringList &answers, QDateTime now)
{
    for (int q = 1; q <= session.questionCount(); ++q) {
        const QStringList rows = answers.mid(session.blankOffset(q), session.blankCount(q));
        const int next = q < session.questionCount() ? q + 1 : 1;
        if (const int error = session.goToQuestion(next, rows))
            return error;
    }
    session.deleteCurrentPage();
    session.startClock(now.addSecs(-725));
    return session.mark(now);
}

// Opens paper k of topic t of subject s, answers (every blank listed in wrong wrongly)
// and marks it. Returns the marking's error, or the look-up's.
inline int markPaper(const Catalogue &c, int s, int t, int k, int take,
                     const QList<int> &wrong = {})
{
    PracticeSession session(PracticeFixture::selection(c, s, t, k, take));
    if (const int error = session.load())
        return error;
    QStringList answers = PracticeFixture::rightAnswers(session.paper());
    for (int i : wrong) {
        if (i < answers.size())
            answers[i] = PracticeFixture::wrongAnswer();
    }
    return takePaper(session, answers, QDateTime::currentDateTime());
}

// Results of subject 1 with something in all six files: papers 102 and 103 marked once,
// 102 with a wrong answer and then marked again.
inline bool fillSampleResults(const Catalogue &c)
{
    return markPaper(c, 1, 1, 2, 1, {0}) == 0 && markPaper(c, 1, 1, 3, 1) == 0
           && markPaper(c, 1, 1, 2, 2) == 0;
}

// Writes the bytes as the whole file; a test that cannot prepare its file stops.
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

// Base names of the six results files, by Results::File.
inline const char *const kFileNames[] = {"", "marks", "first", "second", "fresults",
                                         "sresults", "trend"};

} // namespace Damage

Q_DECLARE_METATYPE(Damage::Kind)

namespace Damage {

// Test rows: every results file with every kind of damage (columns "file" and "kind").
inline void addResultsDamageRows()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<Kind>("kind");
    for (int f = Results::Marks; f <= Results::Trend; ++f) {
        for (Kind kind : allKinds())
            QTest::addRow("%s, %s", kFileNames[f], name(kind)) << f << kind;
    }
}

} // namespace Damage
