#include "app/catalogue.h"

#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "records/recordfile.h"

#include <QFile>
#include <QRegularExpression>

int Catalogue::firstSubject() const
{
    for (int s = 1; s <= 3; ++s) {
        if (hasSubject(s))
            return s;
    }
    return 0;
}

namespace CatalogueReader {

namespace {

// The code becomes part of file names, so it must be a plain short name.
bool isSafeCode(const QString &code)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]{0,8}$"));
    return plain.match(code).hasMatch();
}

int readSubject(const QString &path, int s, Catalogue *c)
{
    const QString n = QString::number(s);
    bool topicsOk = false;
    bool papersOk = false;
    const int topics = Records::ReadRecordValue(path, QStringLiteral("TT") + n).toInt(&topicsOk);
    const int papers = Records::ReadRecordValue(path, QStringLiteral("TP") + n).toInt(&papersOk);
    if (!topicsOk || !papersOk || topics < 1 || topics > 10 || papers != 5 * topics)
        return Damaged;
    c->topicCount[s] = topics;
    c->paperCount[s] = papers;
    c->topicNames[s] =
        Records::ReadRecordFields(path, QStringLiteral("TN") + n, topics, Records::Cap10).mid(1);
    // A topic without a name could not be told apart from its neighbours on the tabs.
    for (int t = 0; t < topics; ++t) {
        if (c->topicNames[s].at(t).trimmed().isEmpty())
            return Damaged;
    }
    return Ok;
}

} // namespace

int readFile(const QString &path, Catalogue *catalogue)
{
    Catalogue c;
    c.title = Records::ReadRecordValue(path, QStringLiteral("NME"));
    c.code = Records::ReadRecordValue(path, QStringLiteral("COD"));
    const char *const nameKeys[] = {"LAH", "LBH", "LCH"};
    for (int s = 1; s <= 3; ++s)
        c.subjectName[s] = Records::ReadRecordValue(path, QLatin1String(nameKeys[s - 1]));
    int error = isSafeCode(c.code) && c.firstSubject() != 0 ? Ok : Damaged;
    for (int s = 1; s <= 3 && error == Ok; ++s) {
        if (c.hasSubject(s))
            error = readSubject(path, s, &c);
    }
    if (error != Ok) {
        *catalogue = Catalogue();
        return error;
    }
    *catalogue = c;
    return Ok;
}

int read(Catalogue *catalogue)
{
    const QString path = ProgramFolder::filePath(QStringLiteral("temptext30000.txt"));
    if (ExtractResource(30000, QStringLiteral("Custom"), path) != 0) {
        *catalogue = Catalogue();
        return NotWritten;
    }
    const int error = readFile(path, catalogue);
    QFile::remove(path);
    return error;
}

} // namespace CatalogueReader
