#include "app/resourcestore.h"

#include "app/programfolder.h"
#include "app/skinpictures.h"
#include "records/recordfile.h"

#include <QDir>
#include <QFile>

namespace ResourceStore {

namespace {

bool isDataFile(int id)
{
    if (id == 30000)
        return true;
    for (int s = 1; s <= 3; ++s) {
        const int table = 30000 + 10 * s;
        if (id >= table + 2 && id <= table + 5)
            return true;
    }
    return isResultsTemplate(id);
}

// A blank results file where there is none: written under another name and renamed, so it is
// never seen half written. With no results to protect it does not wait for the disk, which
// made a first start wait for each of its eighteen files on a busy disk.
int writeNew(const QByteArray &bytes, const QString &path)
{
    const QString part = path + QStringLiteral(".part");
    if (Records::writeFileInPlace(bytes, part) != Records::WriteOk
        || !QFile::rename(part, path)) {
        QFile::remove(part);
        return Records::WriteFailed;
    }
    return Records::WriteOk;
}

} // namespace

bool isResultsTemplate(int id)
{
    for (int s = 1; s <= 3; ++s) {
        const int first = 30100 + 10 * s + 1;
        if (id >= first && id <= first + 5)
            return true;
    }
    return false;
}

QString resourcePath(int id)
{
    QString path;
    if (isDataFile(id))
        path = QStringLiteral(":/data/%1.txt").arg(id);
    else if (!SkinPictures::fileName(id).isEmpty())
        path = QStringLiteral(":/skin/") + SkinPictures::fileName(id);
    else // a question exists when the content holds its page: the generator numbers them
        path = QStringLiteral(":/pages/%1.mht").arg(id);
    return QFile::exists(path) ? path : QString();
}

QByteArray resourceBytes(int id)
{
    const QString path = resourcePath(id);
    if (path.isEmpty())
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace ResourceStore

int ExtractResource(int id, const QString &type, const QString &path)
{
    using namespace ResourceStore;
    if (type != QLatin1String("Custom"))
        return TypeNotFound;
    const QString source = resourcePath(id);
    if (source.isEmpty())
        return NotFound;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return NotFound;
    const QByteArray bytes = file.readAll();
    // A pupil's results file must never be left half written; the other files are
    // scratch copies rewritten whenever they are needed.
    int error = Records::WriteOk;
    if (!isResultsTemplate(id))
        error = Records::writeFileInPlace(bytes, path);
    else if (!QFile::exists(path))
        error = writeNew(bytes, path);
    else
        error = Records::writeFileAtomically(bytes, path);
    return error == Records::WriteOk ? Ok : WriteFailed;
}

void ExtractSkinFiles()
{
    QDir().mkpath(ProgramFolder::path() + QStringLiteral("/Graphics"));
    for (const SkinPictures::Entry &skin : SkinPictures::entries()) {
        // A picture that already holds the right bytes is left as it is: rewriting a file
        // in place makes the file system write it out at once, which took up to a third of
        // a second of the start on a busy disk.
        const QString path = ProgramFolder::graphicsPath(skin.fileName);
        QFile current(path);
        if (current.open(QIODevice::ReadOnly)
            && current.readAll() == ResourceStore::resourceBytes(skin.id))
            continue;
        current.close();
        ExtractResource(skin.id, QStringLiteral("Custom"), path);
    }
}
