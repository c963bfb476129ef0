#include "app/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ProgramFolder {

namespace {
QString g_path;

bool isWritable(const QString &folder)
{
    // Directory permission bits are not enough (read-only mounts, ACLs): try a real file.
    QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}
} // namespace

QString path()
{
    if (g_path.isEmpty())
        choose();
    return g_path;
}

QString filePath(const QString &name)
{
    return path() + QLatin1Char('/') + name;
}

QString graphicsPath(const QString &name)
{
    return path() + QStringLiteral("/Graphics/") + name;
}

Place place(bool installedBuild, bool programFileFolderWritable)
{
    if (installedBuild || !programFileFolderWritable)
        return Place::UserDataFolder;
    return Place::ProgramFileFolder;
}

bool installedBuild()
{
#ifdef QUORVEL_INSTALLED
    return true;
#else
    return false;
#endif
}

bool choose()
{
    const QString exeFolder = QCoreApplication::applicationDirPath();
    // The installed build does not even probe: root starting it must not leave a file in /usr.
    const bool writable = !installedBuild() && !exeFolder.isEmpty() && isWritable(exeFolder);
    if (place(installedBuild(), writable) == Place::ProgramFileFolder) {
        g_path = QDir::cleanPath(exeFolder);
        return true;
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    g_path = QDir::cleanPath(data);
    return false;
}

void setPath(const QString &folder)
{
    g_path = QDir::cleanPath(folder);
}

} // namespace ProgramFolder
