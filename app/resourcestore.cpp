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
    const int error = isResultsTemplate(id) ? Records::writeFileAtomically(bytes, path)
                                            : Records::writeFileInPlace(bytes, path);
    return error == Records::WriteOk ? Ok : WriteFailed;
}

void ExtractSkinFiles()
{
    QDir().mkpath(ProgramFolder::path() + QStringLiteral("/Graphics"));
    for (const SkinPictures::Entry &skin : SkinPictures::entries()) {
        ExtractResource(skin.id, QStringLiteral("Custom"),
                        ProgramFolder::graphicsPath(skin.fileName));
    }
}
