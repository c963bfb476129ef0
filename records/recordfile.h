#pragma once
// Tagged record files: lines "#KEY#>v1>v2>..." in single-byte Latin-1, CR LF line ends
// (LF alone is accepted when reading). The first line that contains "#KEY#" (any letter
// case) is the record; lines without a record marker are ignored. Every call opens and
// closes the file itself. Arrays are indexed from 1: entry 0 is unused and always empty.

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Records {

// Capacities of the fixed-size value arrays the readers return.
enum Capacity { Cap10 = 10, Cap50 = 50, Cap80 = 80 };

// Error numbers of the writers: 0 on success.
enum WriteError { WriteOk = 0, WriteOpenFailed = 110, WriteFailed = 29, WriteBadValue = 87 };

// A 1-based array of texts with a fixed capacity (size() == capacity + 1).
using Fields = QStringList;

// Text after the six-character prefix of a three-character key; empty if absent or short.
QString ReadRecordValue(const QString &path, const QString &key);
QString ReadRecordValue(QIODevice *device, const QString &key);

// The whole first line holding "#key#"; empty if absent.
QString ReadRecordLine(const QString &path, const QString &key);
QString ReadRecordLine(QIODevice *device, const QString &key);

// Entries 1..n hold the record's first n values (value n carries the rest of the line).
// Missing file, record or values give empty entries. n is clamped to the capacity.
Fields ReadRecordFields(const QString &path, const QString &key, int n, int capacity);
Fields SplitRecordLine(const QString &line, int n, int capacity);

// The first line holding "#key#" for each key, in one pass from the device's position
// whatever the order of the records; an entry is empty where its key is absent.
QStringList ReadRecordLines(QIODevice *device, const QStringList &keys);

// Entries 1..count, count = number of '>' in the record's line.
Fields ReadAllRecordFields(const QString &path, const QString &key);

// Entry i (1..n) holds the line of record "100+i", scanning forward only; capacity 50.
Fields ReadPaperLines(const QString &path, int n);
Fields ReadPaperLines(QIODevice *device, int n);

// Forward-only scans over five-character keys given in file order.
QVector<int> CountRecordFields(const QString &path, const QStringList &keys);
// All values of each record in turn, flattened (0-based, no unused entry).
QStringList ReadFieldsOfRecords(const QString &path, const QStringList &keys);

// Builds "#key#>v1>...>vn" from values[1..n].
QString BuildRecordLine(const QString &key, const Fields &values, int n);

// Sets lines[lineIndex] to the record built from values[1..n] and writes lines[1..count]
// as the whole file, atomically. Returns a WriteError.
int RewriteRecordLine(Fields &lines, const Fields &values, int lineIndex, const QString &key,
                      int count, int n, const QString &path);

// Writes exactly six record lines, keys[k] with values[k][1..n], atomically.
int WriteSixRecords(const QVector<Fields> &values, const QStringList &keys, int n,
                    const QString &path);

// Writes the lines as the whole file, each ended by CR LF, atomically. Refuses a line with
// a line break or a character outside Latin-1. Returns a WriteError.
int WriteRecordLines(const QStringList &lines, const QString &path);

// Writes bytes as the whole file through a temporary file that then replaces it, so a
// failure at any point leaves the previous file whole. Returns a WriteError.
int writeFileAtomically(const QByteArray &bytes, const QString &path);

// Writes bytes as the whole file directly (scratch copies the program makes again when it
// needs them). A failure once the file is open removes it. Returns a WriteError.
int writeFileInPlace(const QByteArray &bytes, const QString &path);

// Tests only: while on, every atomic write fails after writing its temporary file, and
// every write in place after writing its bytes, as a full disk would. An atomic write
// leaves the previous file as it was; a write in place leaves no file.
void setWriteFaultForTesting(bool fail);

// Control characters (C0, DEL and C1): no writer stores them, so in a file they mean damage.
bool isControlCharacter(QChar c);
// True when text can be stored as a value: no '>', '#', control characters (line breaks
// among them), nothing outside Latin-1.
bool isStorableValue(const QString &text);

} // namespace Records
