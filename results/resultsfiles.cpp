#include "results/resultsfiles.h"

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"

#include <QBuffer>
#include <QDate>
#include <QFile>

#include <algorithm>

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

// The record of key as it stands in line: from its marker to the line end, without the CR
// of a CRLF line end. Empty when the line holds no such marker.
QString rawRecord(const QString &line, const QString &key)
{
    const int at = line.indexOf(QLatin1Char('#') + key + QLatin1Char('#'), 0,
                                Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    QString record = line.mid(at);
    if (record.endsWith(QLatin1Char('\r')))
        record.chop(1);
    return record;
}

// The record of key as the writers make it: the marker, then its values from the first '>'
// on, without control characters. A damaged file may hold bytes around the marker or a
// lone CR inside a line; the readers would split such a line at the wrong place and the
// writers refuse to write it back, so every later marking would fail.
QString recordFrom(const QString &line, const QString &key)
{
    const QString raw = rawRecord(line, key);
    if (raw.isEmpty())
        return QString();
    const int markerSize = key.size() + 2;
    const int values = raw.indexOf(QLatin1Char('>'), markerSize);
    QString record = raw.left(markerSize);
    if (values >= 0)
        record += raw.mid(values);
    record.removeIf(Records::isControlCharacter);
    return record;
}

bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), Records::isControlCharacter);
}

// Values as the writers can store them again: a last value that carries further values of
// an overlong record keeps only its own text, and record marks left by damage are dropped
// (recordFrom has dropped the control characters).
Records::Fields storableValues(Records::Fields fields)
{
    for (QString &value : fields) {
        const int separator = value.indexOf(QLatin1Char('>'));
        if (separator >= 0)
            value.truncate(separator);
        value.remove(QLatin1Char('#'));
    }
    return fields;
}

Records::Fields readValues(const QString &path, const QString &key, int n, int capacity)
{
    const QString line = recordFrom(Records::ReadRecordLine(path, key), key);
    return storableValues(Records::SplitRecordLine(line, n, capacity));
}

// The lines of records 101..100 + count. The forward scan stops at the first missing
// record; records after a gap or out of order are then looked for once more from the top,
// so that a rewrite never drops the answers of papers that follow a damaged spot.
Records::Fields paperLines(const QString &path, int count)
{
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Records::Fields lines = Records::ReadPaperLines(&buffer, count);
    count = qMin(count, int(lines.size()) - 1);
    QStringList missing;
    for (int i = 1; i <= count; ++i) {
        if (lines.at(i).isEmpty())
            missing.append(paperKeyText(100 + i));
    }
    buffer.seek(0);
    const QStringList found = Records::ReadRecordLines(&buffer, missing);
    for (int k = 0; k < missing.size(); ++k)
        lines[missing.at(k).toInt() - 100] = found.at(k);
    for (int i = 1; i <= count; ++i)
        lines[i] = recordFrom(lines.at(i), paperKeyText(100 + i));
    return lines;
}

QString trendLine(const SubjectFiles &files)
{
    const QString key = QStringLiteral("TRD");
    return recordFrom(Records::ReadRecordLine(files.path(Trend), key), key);
}

int writeTrendLine(const SubjectFiles &files, const QString &line)
{
    return Records::WriteRecordLines({line}, files.path(Trend));
}

// The record layer's 1-based arrays stop here: the results layer hands out lists that start
// at index 0, exactly count entries long.
QStringList fromFields(const Records::Fields &fields, int count)
{
    QStringList list = fields.mid(1, count);
    while (list.size() < count)
        list.append(QString());
    return list;
}

Records::Fields toFields(const QStringList &list)
{
    return QStringList{QString()} + list;
}

} // namespace

SubjectFiles::SubjectFiles(int subject, const QString &code, int paperCount,
                           const QString &folder)
    : subject(subject)
    , code(code)
    , paperCount(paperCount)
    , folder(folder.isEmpty() ? ProgramFolder::path() : folder)
{
}

QString SubjectFiles::fileName(File file) const
{
    return QLatin1String(kBaseNames[file]) + QString::number(subject) + code
           + QStringLiteral(".txt");
}

QString SubjectFiles::path(File file) const
{
    return folder + QLatin1Char('/') + fileName(file);
}

SubjectFiles subjectFiles(const Catalogue &catalogue, int subject, const QString &folder)
{
    const int papers = subject >= 1 && subject <= 3 ? catalogue.paperCount[subject] : 0;
    return SubjectFiles(subject, catalogue.code, papers, folder);
}

QStringList allFileNames(const Catalogue &catalogue)
{
    QStringList names;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Marks; f <= Trend; ++f)
            names.append(subjectFiles(catalogue, s).fileName(File(f)));
    }
    return names;
}

int templateId(File file, int subject)
{
    return 30100 + 10 * subject + file;
}

int WriteBlankResults(const Catalogue &catalogue, const QString &folder)
{
    int firstError = 0;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Marks; f <= Trend; ++f) {
            const File file = File(f);
            const int error = ExtractResource(templateId(file, s), QStringLiteral("Custom"),
                                              subjectFiles(catalogue, s, folder).path(file));
            if (error && !firstError)
                firstError = error;
        }
    }
    return firstError;
}

int createMissingFiles(const Catalogue &catalogue, const QString &folder)
{
    int created = 0;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Marks; f <= Trend; ++f) {
            const File file = File(f);
            const QString path = subjectFiles(catalogue, s, folder).path(file);
            if (QFile::exists(path))
                continue;
            if (ExtractResource(templateId(file, s), QStringLiteral("Custom"), path) != 0)
                return -1;
            ++created;
        }
    }
    return created;
}

bool isDamaged(File file, const SubjectFiles &files)
{
    const int paperCount = files.paperCount;
    QFile device(files.path(file));
    if (!device.open(QIODevice::ReadOnly))
        return false; // missing: start-up makes it from its template
    QByteArray bytes = device.readAll();
    if (!bytes.endsWith('\n'))
        return true; // cut short, or empty: every writer ends its last line
    QStringList keys;
    if (file == Marks)
        keys = kMarksKeys;
    else if (file == Trend)
        keys = QStringList{QStringLiteral("TRD")};
    else
        for (int i = 1; i <= paperCount; ++i)
            keys.append(paperKeyText(100 + i));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = Records::ReadRecordLines(&buffer, keys);
    for (int k = 0; k < keys.size(); ++k) {
        if (holdsControlCharacter(rawRecord(lines.at(k), keys.at(k))))
            return true;
        const QString record = recordFrom(lines.at(k), keys.at(k));
        if (record.isEmpty())
            return true;
        if (file == Marks && record.count(QLatin1Char('>')) < paperCount)
            return true;
    }
    return false;
}

QList<int> damagedSubjects(const Catalogue &catalogue, const QString &folder)
{
    QList<int> subjects;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Marks; f <= Trend; ++f) {
            if (isDamaged(File(f), subjectFiles(catalogue, s, folder))) {
                subjects.append(s);
                break;
            }
        }
    }
    return subjects;
}

MarksLists readMarks(const SubjectFiles &files)
{
    const QString path = files.path(Marks);
    const int count = qBound(0, files.paperCount, int(Records::Cap50));
    auto read = [&](int k) {
        return fromFields(readValues(path, kMarksKeys.at(k), count, Records::Cap50), count);
    };
    return MarksLists{read(0), read(1), read(2), read(3), read(4), read(5)};
}

int writeMarks(const SubjectFiles &files, const MarksLists &marks)
{
    const QVector<Records::Fields> values{toFields(marks.FSE), toFields(marks.SSE),
                                          toFields(marks.LTM), toFields(marks.CDD),
                                          toFields(marks.FST), toFields(marks.SST)};
    return Records::WriteSixRecords(values, kMarksKeys, files.paperCount, files.path(Marks));
}

QStringList readPaperValues(File file, const SubjectFiles &files, int paperKey, int blanks)
{
    const Records::Fields lines = paperLines(files.path(file), files.paperCount);
    const int p = paperKey - 100;
    const QString line = p >= 1 && p < lines.size() ? lines.at(p) : QString();
    const int count = qBound(0, blanks, int(Records::Cap80));
    return fromFields(storableValues(Records::SplitRecordLine(line, blanks, Records::Cap80)),
                      count);
}

int writePaperValues(File file, const SubjectFiles &files, int paperKey,
                     const QStringList &values, int blanks)
{
    const int paperCount = files.paperCount;
    if (paperCount < 1 || paperCount > Records::Cap50 || paperKey <= 100
        || paperKey > 100 + paperCount)
        return Records::WriteBadValue;
    const QString path = files.path(file);
    Records::Fields lines = paperLines(path, paperCount);
    // A record the damaged file lacks is written back as a record without values rather
    // than as an empty line, so later reads still find every paper in order.
    for (int i = 1; i <= paperCount; ++i) {
        if (lines.at(i).isEmpty())
            lines[i] = QLatin1Char('#') + paperKeyText(100 + i) + QLatin1Char('#');
    }
    return Records::RewriteRecordLine(lines, toFields(values), paperKey - 100,
                                      paperKeyText(paperKey), paperCount, blanks, path);
}

QStringList readTrend(const SubjectFiles &files)
{
    QString line = trendLine(files);
    // A line ending in '>' has no value after it; the separator is not part of a score.
    if (line.endsWith(QLatin1Char('>')))
        line.chop(1);
    const int n = qMin(int(line.count(QLatin1Char('>'))), int(Records::Cap50));
    return Records::SplitRecordLine(line, n, Records::Cap50).mid(1, n);
}

namespace {

// The files a recording changes, with their bytes before it started.
struct FileBefore
{
    QString path;
    bool existed = false;
    QByteArray bytes;
};

QVector<FileBefore> filesBefore(const MarkedTake &t, std::initializer_list<File> files)
{
    QVector<FileBefore> before;
    for (File f : files) {
        FileBefore b;
        b.path = t.files.path(f);
        QFile file(b.path);
        b.existed = file.open(QIODevice::ReadOnly);
        b.bytes = b.existed ? file.readAll() : QByteArray();
        before.append(b);
    }
    return before;
}

// A take is recorded whole or not at all: when a later file cannot be written, the files
// already written get their old bytes back, so marks, answers and ticks never disagree.
void restore(const QVector<FileBefore> &before)
{
    for (const FileBefore &b : before) {
        QFile file(b.path);
        const bool exists = file.open(QIODevice::ReadOnly);
        if (exists == b.existed && (!exists || file.readAll() == b.bytes))
            continue;
        file.close();
        if (b.existed)
            Records::writeFileAtomically(b.bytes, b.path);
        else
            QFile::remove(b.path);
    }
}

bool isValidTake(const MarkedTake &t)
{
    const int p = t.paperKey - 100;
    const int papers = t.files.paperCount;
    return papers >= 1 && papers <= Records::Cap50 && p >= 1 && p <= papers;
}

} // namespace

int recordFirstTake(const MarkedTake &t)
{
    if (!isValidTake(t))
        return Records::WriteBadValue;
    const QVector<FileBefore> before = filesBefore(t, {First, FResults, Marks, Trend});
    QString trend = trendLine(t.files);
    if (trend.isEmpty())
        trend = QStringLiteral("#TRD#");
    // A line cut short right after a separator must not gain an empty score.
    if (trend.endsWith(QLatin1Char('>')))
        trend.chop(1);
    trend += QLatin1Char('>') + t.score;
    MarksLists marks = readMarks(t.files);
    const int p = t.paperKey - 101;
    marks.FSE[p] = t.score;
    marks.LTM[p] = t.timeTaken;
    marks.CDD[p] = t.dateDone;
    marks.FST[p] = QStringLiteral("1");

    int error = writePaperValues(First, t.files, t.paperKey, t.answers, t.blanks);
    if (!error)
        error = writePaperValues(FResults, t.files, t.paperKey, t.results, t.blanks);
    if (!error)
        error = writeMarks(t.files, marks);
    if (!error)
        error = writeTrendLine(t.files, trend);
    if (error)
        restore(before);
    return error;
}

int recordSecondTake(const MarkedTake &t)
{
    if (!isValidTake(t))
        return Records::WriteBadValue;
    const QVector<FileBefore> before = filesBefore(t, {Second, SResults, Marks});
    MarksLists marks = readMarks(t.files);
    const int p = t.paperKey - 101;
    marks.SSE[p] = t.score;
    marks.SST[p] = QStringLiteral("1");

    int error = writePaperValues(Second, t.files, t.paperKey, t.answers, t.blanks);
    if (!error)
        error = writePaperValues(SResults, t.files, t.paperKey, t.results, t.blanks);
    if (!error)
        error = writeMarks(t.files, marks);
    if (error)
        restore(before);
    return error;
}

QString storedDate(const QDate &date, const QLocale &locale)
{
    const QString shortDate = locale.toString(date, QLocale::ShortFormat);
    if (!shortDate.isEmpty() && Records::isStorableValue(shortDate))
        return shortDate;
    // A year letter, other digits or direction marks: numbers the file can always hold.
    return QStringLiteral("%1/%2/%3").arg(date.day()).arg(date.month()).arg(date.year());
}

} // namespace Results
