#include "app/paperlookup.h"

#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "records/recordfile.h"

#include <QFile>

int PaperData::blankOffset(int q) const
{
    int offset = 0;
    for (int j = 0; j < q && j < blankCounts.size(); ++j)
        offset += blankCounts.at(j);
    return offset;
}

namespace PaperLookup {

namespace {

// Writes table k of subject s to the scratch path, hands it to read, then deletes it.
template<typename Read>
bool withTable(int subject, int k, Read read)
{
    const QString path = ProgramFolder::filePath(QStringLiteral("temptext.txt"));
    if (ExtractResource(30000 + 10 * subject + k, QStringLiteral("Custom"), path) != 0)
        return false;
    read(path);
    QFile::remove(path);
    return true;
}

int check(const PaperData &p)
{
    if (p.questionIds.isEmpty())
        return PaperMissing;
    if (p.answerCodes.size() != p.totalBlanks || p.blankMarks.size() != p.totalBlanks
        || p.totalBlanks < 1 || p.totalBlanks > kMaxBlanksPerPaper)
        return TablesDisagree;
    for (int count : p.blankCounts) {
        if (count < 1 || count > kMaxBlanksPerQuestion)
            return TablesDisagree;
    }
    return p.totalMarks > 0 ? Ok : TablesDisagree;
}

} // namespace

int lookUp(int subject, int paperKey, PaperData *paper)
{
    PaperData p;
    const QString key = QString::number(paperKey);
    const bool written =
        withTable(subject, 2, [&](const QString &path) {
            p.questionIds = Records::ReadAllRecordFields(path, key).mid(1);
        })
        && withTable(subject, 3, [&](const QString &path) {
               p.answerKey = Records::ReadFieldsOfRecords(path, p.questionIds);
               p.blankCounts = Records::CountRecordFields(path, p.questionIds);
           })
        && withTable(subject, 4, [&](const QString &path) {
               p.answerCodes = Records::ReadFieldsOfRecords(path, p.questionIds);
           })
        && withTable(subject, 5, [&](const QString &path) {
               p.blankMarks = Records::ReadFieldsOfRecords(path, p.questionIds);
           });
    p.totalBlanks = p.answerKey.size();
    for (const QString &mark : qAsConst(p.blankMarks))
        p.totalMarks += mark.trimmed().toInt();
    *paper = p;
    return written ? check(p) : TableNotWritten;
}

} // namespace PaperLookup
