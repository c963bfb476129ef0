#include "records/recordfile.h"

#include <QFile>
#include <QMultiHash>
#include <QSaveFile>

namespace Records {

namespace {

// Reads one line as Latin-1 text without its CR LF (or LF) ending; false at end of file.
// QIODevice::readLine() without a limit reserves room for the whole file for every line:
// on a damaged file of many short lines that is one large allocation per line.
bool readLine(QIODevice *device, QString *line)
{
    if (device->atEnd())
        return false;
    QByteArray bytes;
    char chunk[1024];
    for (;;) {
        const qint64 got = device->readLine(chunk, sizeof chunk);
        if (got <= 0)
            break;
        bytes.append(chunk, int(got));
        if (chunk[got - 1] == '\n')
            break;
    }
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    *line = QString::fromLatin1(bytes);
    return true;
}

QString marker(const QString &key)
{
    return QLatin1Char('#') + key + QLatin1Char('#');
}

// Scans forward from the device's position to the first line holding "#key#".
QString findForward(QIODevice *device, const QString &key)
{
    const QString wanted = marker(key);
    QString line;
    while (readLine(device, &line)) {
        if (line.contains(wanted, Qt::CaseInsensitive))
            return line;
    }
    return QString();
}

Fields emptyFields(int capacity)
{
    Fields fields;
    fields.reserve(capacity + 1);
    for (int i = 0; i <= capacity; ++i)
        fields.append(QString());
    return fields;
}

// Splits into n values where the '>' ending the prefix stands at 1-based position p1.
// Value n carries the rest of the line; values past the end of the line are empty.
Fields splitAt(const QString &line, int n, int capacity, int p1)
{
    Fields fields = emptyFields(capacity);
    n = qBound(0, n, capacity);
    int p = p1 - 1; // 0-based index of the '>' before value 1
    for (int i = 1; i <= n; ++i) {
        if (p < 0 || p >= line.size())
            break;
        if (i == n) {
            fields[i] = line.mid(p + 1);
            break;
        }
        const int next = line.indexOf(QLatin1Char('>'), p + 1);
        if (next < 0) {
            fields[i] = line.mid(p + 1);
            break;
        }
        fields[i] = line.mid(p + 1, next - p - 1);
        p = next;
    }
    return fields;
}

bool openForReading(QFile *file)
{
    return file->open(QIODevice::ReadOnly);
}

bool g_writeFault = false;

int writeLinesAtomically(const QStringList &lines, const QString &path)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return writeFileAtomically(bytes, path);
}

bool isStorableLine(const QString &line)
{
    for (const QChar c : line) {
        if (c.unicode() > 0xFF || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    }
    return true;
}

} // namespace

QString ReadRecordLine(QIODevice *device, const QString &key)
{
    return findForward(device, key);
}

QString ReadRecordLine(const QString &path, const QString &key)
{
    QFile file(path);
    if (!openForReading(&file))
        return QString();
    return findForward(&file, key);
}

QStringList ReadRecordLines(QIODevice *device, const QStringList &keys)
{
    QStringList found(keys.size(), QString());
    // A "#key#" in a line runs from one '#' to the next, so the line's pieces between
    // neighbouring '#' are looked up among the markers instead of searching the whole
    // line once per key (start-up reads every results file so). Keys holding '#' would
    // span several pieces: those are searched for as before.
    QMultiHash<QString, int> byMarker;
    QList<int> searched;
    for (int k = 0; k < keys.size(); ++k) {
        if (keys.at(k).contains(QLatin1Char('#')))
            searched.append(k);
        else
            byMarker.insert(marker(keys.at(k)).toCaseFolded(), k);
    }
    int left = keys.size();
    const auto take = [&](int k, const QString &line) {
        if (found.at(k).isEmpty()) {
            found[k] = line;
            --left;
        }
    };
    QString line;
    while (left > 0 && readLine(device, &line)) {
        int from = line.indexOf(QLatin1Char('#'));
        while (from >= 0) {
            const int to = line.indexOf(QLatin1Char('#'), from + 1);
            if (to < 0)
                break;
            const QString piece = line.mid(from, to - from + 1).toCaseFolded();
            for (auto it = byMarker.constFind(piece); it != byMarker.cend() && it.key() == piece;
                 ++it)
                take(it.value(), line);
            from = to;
        }
        for (int k : std::as_const(searched)) {
            if (line.contains(marker(keys.at(k)), Qt::CaseInsensitive))
                take(k, line);
        }
    }
    return found;
}

QString ReadRecordValue(QIODevice *device, const QString &key)
{
    const QString line = ReadRecordLine(device, key);
    return line.size() < 7 ? QString() : line.mid(6);
}

QString ReadRecordValue(const QString &path, const QString &key)
{
    const QString line = ReadRecordLine(path, key);
    return line.size() < 7 ? QString() : line.mid(6);
}

Fields SplitRecordLine(const QString &line, int n, int capacity)
{
    return splitAt(line, n, capacity, 6);
}

Fields ReadRecordFields(const QString &path, const QString &key, int n, int capacity)
{
    return SplitRecordLine(ReadRecordLine(path, key), n, capacity);
}

Fields ReadAllRecordFields(const QString &path, const QString &key)
{
    const QString line = ReadRecordLine(path, key);
    const int count = line.count(QLatin1Char('>'));
    return splitAt(line, count, count, 6);
}

Fields ReadPaperLines(QIODevice *device, int n)
{
    Fields lines = emptyFields(Cap50);
    n = qBound(0, n, int(Cap50));
    for (int i = 1; i <= n; ++i) {
        const QString line = findForward(device, QString::number(100 + i));
        if (line.isEmpty())
            break; // the scan reached the end of the file
        lines[i] = line;
    }
    return lines;
}

Fields ReadPaperLines(const QString &path, int n)
{
    QFile file(path);
    if (!openForReading(&file))
        return emptyFields(Cap50);
    return ReadPaperLines(&file, n);
}

QVector<int> CountRecordFields(const QString &path, const QStringList &keys)
{
    QVector<int> counts(keys.size(), 0);
    QFile file(path);
    if (!openForReading(&file))
        return counts;
    for (int k = 0; k < keys.size(); ++k)
        counts[k] = findForward(&file, keys.at(k)).count(QLatin1Char('>'));
    return counts;
}

QStringList ReadFieldsOfRecords(const QString &path, const QStringList &keys)
{
    QStringList values;
    QFile file(path);
    if (!openForReading(&file))
        return values;
    for (const QString &key : keys) {
        const QString line = findForward(&file, key);
        const int count = line.count(QLatin1Char('>'));
        const Fields fields = splitAt(line, count, count, 8);
        values.append(fields.mid(1));
    }
    return values;
}

QString BuildRecordLine(const QString &key, const Fields &values, int n)
{
    QString line = marker(key);
    for (int i = 1; i <= n; ++i) {
        line += QLatin1Char('>');
        if (i < values.size())
            line += values.at(i);
    }
    return line;
}

int WriteRecordLines(const QStringList &lines, const QString &path)
{
    for (const QString &line : lines) {
        if (!isStorableLine(line))
            return WriteBadValue;
    }
    return writeLinesAtomically(lines, path);
}

int writeFileAtomically(const QByteArray &bytes, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteOpenFailed;
    if (file.write(bytes) != bytes.size() || g_writeFault) {
        file.cancelWriting();
        return WriteFailed;
    }
    return file.commit() ? WriteOk : WriteFailed;
}

int writeFileInPlace(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteOpenFailed;
    const bool written = file.write(bytes) == bytes.size() && !g_writeFault;
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return WriteOk;
    // Half a file is worse than none: a reader would take it for the whole.
    file.remove();
    return WriteFailed;
}

void setWriteFaultForTesting(bool fail)
{
    g_writeFault = fail;
}

bool isControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

bool isStorableValue(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF || c == QLatin1Char('>') || c == QLatin1Char('#')
            || isControlCharacter(c))
            return false;
    }
    return true;
}

int RewriteRecordLine(Fields &lines, const Fields &values, int lineIndex, const QString &key,
                      int count, int n, const QString &path)
{
    for (int i = 1; i <= n && i < values.size(); ++i) {
        if (!isStorableValue(values.at(i)))
            return WriteBadValue;
    }
    while (lines.size() <= qMax(count, lineIndex))
        lines.append(QString());
    lines[lineIndex] = BuildRecordLine(key, values, n);
    return WriteRecordLines(lines.mid(1, count), path);
}

int WriteSixRecords(const QVector<Fields> &values, const QStringList &keys, int n,
                    const QString &path)
{
    Q_ASSERT(values.size() == 6 && keys.size() == 6);
    QStringList out;
    for (int k = 0; k < 6; ++k) {
        for (int i = 1; i <= n && i < values.at(k).size(); ++i) {
            if (!isStorableValue(values.at(k).at(i)))
                return WriteBadValue;
        }
        out.append(BuildRecordLine(keys.at(k), values.at(k), n));
    }
    return WriteRecordLines(out, path);
}

} // namespace Records
