#include "results/resultsfiles.h"

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"

#include <QFile>

namespace Results {

namespace {

const char *const kBaseNames[] = {"", "marks", "first", "second", "fresults", "sresults", "trend"};
const QStringList kMarksKeys = {QStringLiteral("FSE"), QStringLiteral("SSE"),
                                QStringLiteral("LTM"), QStringLiteral("CDD"),
                                QStringLiteral("FST"), QStringLiteral("SST")};

QString paperKeyText(int paperKey)
{
    return QString::number(paperKey);
}

int writeTrendLine(int subject, const QString &code, const QString &line)
{
    return Records::WriteRecordLines({line}, filePath(Trend, subject, code));
}

} // namespace

QString fileName(File file, int subject, const QString &code)
{
    return QLatin1String(kBaseNames[file]) + QString::number(subject) + code
           + QStringLiteral(".txt");
}

QString filePath(File file, int subject, const QString &code)
{
    return ProgramFolder::filePath(fileName(file, subject, code));
}

int templateId(File file, int subject)
{
    return 30100 + 10 * subject + file;
}

int WriteBlankResults(const Catalogue &catalogue)
{
    int firstError = 0;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Marks; f <= Trend; ++f) {
            const File file = File(f);
            const int error = ExtractResource(templateId(file, s), QStringLiteral("Custom"),
                                              filePath(file, s, catalogue.code));
            if (error && !firstError)
                firstError = error;
        }
    }
    return firstError;
}

int createMissingFiles(const Catalogue &catalogue)
{
    int created = 0;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Marks; f <= Trend; ++f) {
            const File file = File(f);
            const QString path = filePath(file, s, catalogue.code);
            if (QFile::exists(path))
                continue;
            if (ExtractResource(templateId(file, s), QStringLiteral("Custom"), path) != 0)
                return -1;
            ++created;
        }
    }
    return created;
}

MarksLists readMarks(int subject, const QString &code, int paperCount)
{
    const QString path = filePath(Marks, subject, code);
    auto read = [&](int k) {
        return Records::ReadRecordFields(path, kMarksKeys.at(k), paperCount, Records::Cap50);
    };
    return MarksLists{read(0), read(1), read(2), read(3), read(4), read(5)};
}

int writeMarks(int subject, const QString &code, int paperCount, const MarksLists &marks)
{
    const QVector<Records::Fields> values{marks.FSE, marks.SSE, marks.LTM,
                                          marks.CDD, marks.FST, marks.SST};
    return Records::WriteSixRecords(values, kMarksKeys, paperCount,
                                    filePath(Marks, subject, code));
}

Records::Fields readPaperValues(File file, int subject, const QString &code, int paperCount,
                                int paperKey, int blanks)
{
    const Records::Fields lines =
        Records::ReadPaperLines(filePath(file, subject, code), paperCount);
    const int p = paperKey - 100;
    const QString line = p >= 1 && p < lines.size() ? lines.at(p) : QString();
    return Records::SplitRecordLine(line, blanks, Records::Cap80);
}

int writePaperValues(File file, int subject, const QString &code, int paperCount,
                     int paperKey, const Records::Fields &values, int blanks)
{
    const QString path = filePath(file, subject, code);
    Records::Fields lines = Records::ReadPaperLines(path, paperCount);
    // A record the damaged file lacks is written back as a record without values rather
    // than as an empty line, so later reads still find every paper in order.
    for (int i = 1; i <= paperCount; ++i) {
        if (lines.at(i).isEmpty())
            lines[i] = QLatin1Char('#') + paperKeyText(100 + i) + QLatin1Char('#');
    }
    return Records::RewriteRecordLine(lines, values, paperKey - 100, paperKeyText(paperKey),
                                      paperCount, blanks, path);
}

QStringList readTrend(int subject, const QString &code)
{
    QString line = Records::ReadRecordLine(filePath(Trend, subject, code),
                                           QStringLiteral("TRD"));
    // A line ending in '>' has no value after it; the separator is not part of a score.
    if (line.endsWith(QLatin1Char('>')))
        line.chop(1);
    const int n = qMin(int(line.count(QLatin1Char('>'))), int(Records::Cap50));
    return Records::SplitRecordLine(line, n, Records::Cap50).mid(1, n);
}

int recordFirstTake(const MarkedTake &t)
{
    int error = writePaperValues(First, t.subject, t.code, t.paperCount, t.paperKey,
                                 t.answers, t.blanks);
    if (!error)
        error = writePaperValues(FResults, t.subject, t.code, t.paperCount, t.paperKey,
                                 t.results, t.blanks);
    if (error)
        return error;
    QString trend = Records::ReadRecordLine(filePath(Trend, t.subject, t.code),
                                            QStringLiteral("TRD"));
    if (trend.isEmpty())
        trend = QStringLiteral("#TRD#");
    MarksLists marks = readMarks(t.subject, t.code, t.paperCount);
    const int p = t.paperKey - 100;
    marks.FSE[p] = t.score;
    marks.LTM[p] = t.timeTaken;
    marks.CDD[p] = t.dateDone;
    marks.FST[p] = QStringLiteral("1");
    trend += QLatin1Char('>') + t.score;
    error = writeMarks(t.subject, t.code, t.paperCount, marks);
    return error ? error : writeTrendLine(t.subject, t.code, trend);
}

int recordSecondTake(const MarkedTake &t)
{
    int error = writePaperValues(Second, t.subject, t.code, t.paperCount, t.paperKey,
                                 t.answers, t.blanks);
    if (!error)
        error = writePaperValues(SResults, t.subject, t.code, t.paperCount, t.paperKey,
                                 t.results, t.blanks);
    if (error)
        return error;
    MarksLists marks = readMarks(t.subject, t.code, t.paperCount);
    const int p = t.paperKey - 100;
    marks.SSE[p] = t.score;
    marks.SST[p] = QStringLiteral("1");
    return writeMarks(t.subject, t.code, t.paperCount, marks);
}

} // namespace Results
