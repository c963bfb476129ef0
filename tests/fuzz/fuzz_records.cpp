// libFuzzer target: the tagged record readers and the results files on arbitrary bytes.
//
// Each input is a file's content followed by a few bytes that choose counts and keys. Any
// crash, sanitizer report or broken promise below is a finding. The promises are those a
// pupil relies on when a results file is damaged: every reader returns arrays of the size
// it announces, and recording a marked take over whatever the files hold succeeds and keeps
// every value that could be read.

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "records/recordfile.h"
#include "results/resultsfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace {

void expect(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// One folder for the whole run; a RAM disk when there is one, as every input is written.
const QString &workFolder()
{
    static QTemporaryDir *dir = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm")
                                 : QDir::tempPath();
        auto *d = new QTemporaryDir(base + QStringLiteral("/fuzz-records-XXXXXX"));
        expect(d->isValid(), "work folder created");
        ProgramFolder::setPath(d->path());
        return d;
    }();
    static const QString path = dir->path();
    return path;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "input file opened");
    expect(file.write(bytes) == bytes.size(), "input file written");
}

// Keys of the record markers the content holds, in file order, by width.
QStringList markerKeys(const QString &text, int width, int most)
{
    static const QRegularExpression three(QStringLiteral("#([^#>\\r\\n]{3})#"));
    static const QRegularExpression five(QStringLiteral("#([^#>\\r\\n]{5})#"));
    QStringList keys;
    auto it = (width == 3 ? three : five).globalMatch(text);
    while (it.hasNext() && keys.size() < most)
        keys.append(it.next().captured(1));
    return keys;
}

void fuzzRecordOperations(const QByteArray &bytes, const QString &path, int n, int capacity)
{
    const QString text = QString::fromLatin1(bytes);
    const Records::Fields split = Records::SplitRecordLine(text, n, capacity);
    expect(split.size() == capacity + 1, "SplitRecordLine returns its capacity");

    QStringList threeKeys = markerKeys(text, 3, 4) << QStringLiteral("FSE");
    QStringList fiveKeys = markerKeys(text, 5, 8) << QStringLiteral("13001");

    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    expect(buffer.open(QIODevice::ReadOnly), "buffer opened");
    for (const QString &key : qAsConst(threeKeys)) {
        buffer.seek(0);
        const QString line = Records::ReadRecordLine(&buffer, key);
        buffer.seek(0);
        const QString value = Records::ReadRecordValue(&buffer, key);
        expect(value.isEmpty() || line.mid(6) == value, "value is the line after its prefix");
        expect(Records::ReadRecordLine(path, key) == line, "file and buffer agree");
        const Records::Fields fields = Records::ReadRecordFields(path, key, n, capacity);
        expect(fields.size() == capacity + 1, "ReadRecordFields returns its capacity");
        const Records::Fields all = Records::ReadAllRecordFields(path, key);
        expect(all.size() == line.count(QLatin1Char('>')) + 1, "one entry per separator");
    }
    buffer.seek(0);
    expect(Records::ReadPaperLines(&buffer, n).size() == Records::Cap50 + 1,
           "ReadPaperLines returns 50 entries");

    const QVector<int> counts = Records::CountRecordFields(path, fiveKeys);
    expect(counts.size() == fiveKeys.size(), "one count per key");
    int total = 0;
    for (int count : counts)
        total += count;
    expect(Records::ReadFieldsOfRecords(path, fiveKeys).size() == total,
           "flattened values match the counts");

    Catalogue catalogue;
    if (CatalogueReader::readFile(path, &catalogue) == CatalogueReader::Ok) {
        for (int s = 1; s <= 3; ++s) {
            if (catalogue.hasSubject(s))
                expect(catalogue.paperCount[s] == 5 * catalogue.topicCount[s]
                           && catalogue.topicNames[s].size() == Records::Cap10,
                       "an accepted catalogue is consistent");
        }
    }
}

QStringList valuesFor(int blanks, const QString &value)
{
    QStringList values;
    for (int i = 1; i <= blanks; ++i)
        values.append(value);
    return values;
}

// Every results file of subject 1 holds the input; a first take is then recorded. Each
// read opens the file again, so the answers are compared for a few papers only: the first,
// the last, the neighbours of the one marked and one the input chooses.
void fuzzResultsFiles(const QByteArray &bytes, int papers, int paperKey, int blanks, int other)
{
    const QString code = QStringLiteral("P3");
    for (int f = Results::Marks; f <= Results::Trend; ++f)
        writeBytes(Results::SubjectFiles(1, code).path(Results::File(f)), bytes);

    for (int f = Results::Marks; f <= Results::Trend; ++f)
        Results::isDamaged(Results::File(f), Results::SubjectFiles(1, code, papers));
    const Results::MarksLists marksBefore
        = Results::readMarks(Results::SubjectFiles(1, code, papers));
    QMap<int, QStringList> firstBefore;
    for (int key : {101, 100 + papers, paperKey - 1, paperKey, paperKey + 1, other}) {
        if (key > 100 && key <= 100 + papers)
            firstBefore.insert(key,
                               Results::readPaperValues(Results::First,
                                                        Results::SubjectFiles(1, code, papers),
                                                        key, blanks));
    }
    const QStringList trendBefore = Results::readTrend(Results::SubjectFiles(1, code));

    Results::MarkedTake take;
    take.files = Results::SubjectFiles(1, code, papers);
    take.paperKey = paperKey;
    take.blanks = blanks;
    take.answers = valuesFor(blanks, QStringLiteral("ans"));
    take.results = valuesFor(blanks, Results::tick());
    take.score = QStringLiteral("87.5");
    take.timeTaken = QStringLiteral("0:12:5");
    take.dateDone = QStringLiteral("08/12/2026");
    expect(Results::recordFirstTake(take) == 0, "a take is recorded over any file content");

    const int p = paperKey - 101;
    const Results::MarksLists marks = Results::readMarks(Results::SubjectFiles(1, code, papers));
    for (int i = 0; i < papers; ++i) {
        if (i == p)
            continue;
        expect(marks.FSE.at(i) == marksBefore.FSE.at(i) && marks.SSE.at(i) == marksBefore.SSE.at(i)
                   && marks.LTM.at(i) == marksBefore.LTM.at(i)
                   && marks.CDD.at(i) == marksBefore.CDD.at(i)
                   && marks.FST.at(i) == marksBefore.FST.at(i)
                   && marks.SST.at(i) == marksBefore.SST.at(i),
               "marks of the other papers are kept");
    }
    expect(marks.FSE.at(p) == take.score && marks.FST.at(p) == QLatin1String("1"),
           "the take's score is recorded");
    for (Results::File f : {Results::Marks, Results::First, Results::FResults, Results::Trend})
        expect(!Results::isDamaged(f, Results::SubjectFiles(1, code, papers)),
               "a file the take wrote is whole");
    for (auto it = firstBefore.cbegin(); it != firstBefore.cend(); ++it) {
        const QStringList now = Results::readPaperValues(
            Results::First, Results::SubjectFiles(1, code, papers), it.key(), blanks);
        expect(it.key() == paperKey
                   ? now == take.answers
                   : now == it.value(),
               "answers of the other papers are kept");
    }
    if (trendBefore.size() < Records::Cap50 - 1)
        expect(Results::readTrend(Results::SubjectFiles(1, code))
                   == trendBefore + QStringList{take.score},
               "the trend gains the score and keeps its values");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int n = provider.ConsumeIntegralInRange<int>(-2, 90);
    const int capacity = provider.PickValueInArray({10, 50, 80});
    const int papers = 5 * provider.ConsumeIntegralInRange<int>(1, 10);
    const int paperKey = 100 + provider.ConsumeIntegralInRange<int>(1, papers);
    const int blanks = provider.ConsumeIntegralInRange<int>(1, 80);
    const int other = 100 + provider.ConsumeIntegralInRange<int>(1, papers);
    const std::vector<uint8_t> rest = provider.ConsumeRemainingBytes<uint8_t>();
    const QByteArray bytes(reinterpret_cast<const char *>(rest.data()), int(rest.size()));

    const QString path = workFolder() + QStringLiteral("/input.txt");
    writeBytes(path, bytes);
    fuzzRecordOperations(bytes, path, n, capacity);
    fuzzResultsFiles(bytes, papers, paperKey, blanks, other);
    return 0;
}
