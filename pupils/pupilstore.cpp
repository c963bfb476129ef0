#include "pupils/pupilstore.h"

#include "records/recordfile.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// The reset keeps its copies here, beside the results files; they are the pupil's too.
const QString kBackups = QStringLiteral("backups");

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
}

QByteArray bytesOf(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

// Copies the named files that exist in from into to, then reads every copy back and
// compares it with its original. Each copy replaces its target whole.
bool copyVerified(const QString &from, const QString &to, const QStringList &files,
                  const std::function<bool()> &step, bool *stopped)
{
    *stopped = false;
    if (!QDir().mkpath(to))
        return false;
    for (const QString &name : files) {
        bool ok = false;
        const QByteArray bytes = bytesOf(from + QLatin1Char('/') + name, &ok);
        if (!ok || !QDir().mkpath(QFileInfo(to + QLatin1Char('/') + name).path()))
            return false;
        if (Records::writeFileAtomically(bytes, to + QLatin1Char('/') + name) != 0)
            return false;
        if (!step()) {
            *stopped = true;
            return false;
        }
    }
    for (const QString &name : files) {
        bool readOriginal = false;
        bool readCopy = false;
        if (bytesOf(from + QLatin1Char('/') + name, &readOriginal)
                != bytesOf(to + QLatin1Char('/') + name, &readCopy)
            || !readOriginal || !readCopy)
            return false;
    }
    return true;
}

// Every file kept by the reset under folder, as a path from folder ("backups/<when>/<file>").
QStringList backupFilesIn(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder + QLatin1Char('/') + kBackups, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// Removes folder and the folders under it that are empty (a file keeps its folders).
void removeEmptyFolders(const QString &folder)
{
    const QStringList subfolders =
        QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : subfolders)
        removeEmptyFolders(folder + QLatin1Char('/') + name);
    QDir().rmdir(folder);
}

bool removeFiles(const QString &folder, const QStringList &files)
{
    bool all = true;
    for (const QString &name : files) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFile::exists(path) && !QFile::remove(path))
            all = false;
    }
    return all;
}

} // namespace

PupilStore::PupilStore(const QString &dataFolder, const QStringList &resultFileNames)
    : m_dataFolder(dataFolder)
    , m_resultFileNames(resultFileNames)
{
}

QString PupilStore::listPath() const
{
    return PupilListFile::path(m_dataFolder);
}

QString PupilStore::subfolderPath(const QString &folder) const
{
    return folder.isEmpty() ? m_dataFolder
                            : m_dataFolder + QStringLiteral("/pupils/") + folder;
}

QString PupilStore::name(int pupil) const
{
    return pupil >= 1 && pupil <= count() ? m_list.pupils.at(pupil - 1).name : QString();
}

QString PupilStore::folderPath(int pupil) const
{
    if (pupil < 1 || pupil > count())
        return m_dataFolder;
    return subfolderPath(m_list.pupils.at(pupil - 1).folder);
}

bool PupilStore::step()
{
    ++m_step;
    return !m_hook || m_hook(m_step);
}

int PupilStore::writeList()
{
    if (PupilListFile::write(listPath(), m_list) != PupilListFile::Ok)
        return WriteFailed;
    m_listExists = true;
    return Ok;
}

QStringList PupilStore::filesOf(int pupil) const
{
    const QString folder = m_list.pupils.at(pupil - 1).folder;
    const QString path = subfolderPath(folder);
    if (!folder.isEmpty())
        return QDir(path).entryList(QDir::Files | QDir::Hidden, QDir::Name)
               + backupFilesIn(path);
    QStringList present;
    for (const QString &name : m_resultFileNames) {
        if (QFile::exists(m_dataFolder + QLatin1Char('/') + name))
            present.append(name);
    }
    return present + backupFilesIn(path);
}

QString PupilStore::defaultFirstName() const
{
    return QStringLiteral("Pupil 1");
}

int PupilStore::open()
{
    m_step = 0;
    switch (PupilListFile::read(listPath(), &m_list)) {
    case PupilListFile::Ok:
        m_listExists = true;
        if (m_list.phase == PupilList::Copying)
            return rollBackMove() == Ok ? MoveRolledBack : ListNotWritten;
        if (m_list.phase == PupilList::Deleting)
            return finishMove() == Ok ? MoveFinished : ListNotWritten;
        return OpenedOk;
    case PupilListFile::Missing: {
        const bool folders = !QDir(m_dataFolder + QStringLiteral("/pupils"))
                                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                  .isEmpty();
        if (!folders) {
            m_list.pupils = {Pupil{defaultFirstName(), QString()}};
            m_listExists = false;
            return OpenedOk;
        }
        return rebuild() == Ok ? ListMissing : ListNotWritten;
    }
    default: {
        // Kept beside the new list, so nothing the damaged file held is lost.
        const QString keep =
            m_dataFolder + QStringLiteral("/pupils-damaged-") + stamp() + QStringLiteral(".txt");
        QFile::rename(listPath(), keep);
        return rebuild() == Ok ? ListRebuilt : ListNotWritten;
    }
    }
}

// The pupils found on disk: one per safe folder under pupils/, named after it, and the
// data folder's own results as "Pupil 1" when there are any beside them.
int PupilStore::rebuild()
{
    m_list = PupilList();
    QStringList folders;
    for (const QString &folder : QDir(m_dataFolder + QStringLiteral("/pupils"))
                                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (PupilNames::isSafeFolder(folder))
            folders.append(folder);
    }
    m_list.pupils.append(Pupil{defaultFirstName(), QString()});
    if (folders.isEmpty()) {
        m_listExists = false;
        return Ok;
    }
    if (filesOf(1).isEmpty())
        m_list.pupils.clear();
    for (const QString &folder : folders) {
        if (count() < PupilNames::kMaxPupils
            && PupilNames::check(folder, m_list.names()) == PupilNames::NameOk)
            m_list.pupils.append(Pupil{folder, folder});
    }
    return writeList();
}

int PupilStore::add(const QString &typedName)
{
    const QString name = PupilNames::tidied(typedName);
    m_problem = count() >= PupilNames::kMaxPupils ? PupilNames::TooManyPupils
                                                  : PupilNames::check(name, m_list.names());
    if (m_problem != PupilNames::NameOk)
        return NameRefused;
    m_step = 0;
    QStringList taken = m_list.folders()
                        + QDir(m_dataFolder + QStringLiteral("/pupils"))
                              .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const int rootPupil = m_list.folders().indexOf(QString()) + 1;
    const bool moveFirst = count() == 1 && rootPupil == 1;
    QString firstTarget;
    if (moveFirst) {
        firstTarget = PupilNames::folderFor(m_list.pupils.at(0).name, taken);
        taken.append(firstTarget);
    }
    const QString folder = PupilNames::folderFor(name, taken);
    const PupilList before = m_list;
    m_list.pupils.append(Pupil{name, folder});
    if (moveFirst) {
        m_list.phase = PupilList::Copying;
        m_list.moved = 1;
        m_list.target = firstTarget;
        m_list.added = count();
        const int moved = moveFirstPupil();
        if (moved != Ok)
            return moved;
    } else if (writeList() != Ok) {
        m_list = before;
        return WriteFailed;
    }
    QDir().mkpath(subfolderPath(folder));
    return Ok;
}

int PupilStore::moveFirstPupil()
{
    if (writeList() != Ok) {
        m_list.pupils.removeLast();
        m_list.phase = PupilList::NoMove;
        return WriteFailed;
    }
    if (!step())
        return Interrupted;
    const QString target = subfolderPath(m_list.target);
    bool stopped = false;
    const bool copied = copyVerified(m_dataFolder, target, filesOf(m_list.moved),
                                     [this] { return step(); }, &stopped);
    if (stopped)
        return Interrupted;
    if (!copied) {
        rollBackMove();
        return CopyFailed;
    }
    // The switch: from this write on the copies are the pupil's files.
    m_list.pupils[m_list.moved - 1].folder = m_list.target;
    m_list.phase = PupilList::Deleting;
    if (writeList() != Ok) {
        m_list.pupils[m_list.moved - 1].folder.clear();
        m_list.phase = PupilList::Copying;
        rollBackMove();
        return WriteFailed;
    }
    if (!step())
        return Interrupted;
    return finishMove();
}

int PupilStore::finishMove()
{
    const QString target = subfolderPath(m_list.target);
    bool deleted = true;
    for (const QString &name : m_resultFileNames + backupFilesIn(m_dataFolder)) {
        const QString original = m_dataFolder + QLatin1Char('/') + name;
        // An original whose copy is not there is kept: it is then the only one.
        if (!QFile::exists(original) || !QFile::exists(target + QLatin1Char('/') + name))
            continue;
        deleted = QFile::remove(original) && deleted;
        if (!step())
            return Interrupted;
    }
    removeEmptyFolders(m_dataFolder + QLatin1Char('/') + kBackups);
    m_list.phase = PupilList::NoMove;
    m_list.moved = 0;
    m_list.target.clear();
    m_list.added = 0;
    if (writeList() != Ok)
        return WriteFailed;
    if (!step())
        return Interrupted;
    return deleted ? Ok : DeleteFailed;
}

int PupilStore::rollBackMove()
{
    const QString target = subfolderPath(m_list.target);
    removeFiles(target, m_resultFileNames);
    // A reset's copy goes only while its original is there: until the switch that is the one.
    for (const QString &name : backupFilesIn(target)) {
        if (QFile::exists(m_dataFolder + QLatin1Char('/') + name))
            QFile::remove(target + QLatin1Char('/') + name);
    }
    removeEmptyFolders(target + QLatin1Char('/') + kBackups);
    QDir().rmdir(target);
    if (m_list.added >= 1 && m_list.added <= count()) {
        QDir().rmdir(subfolderPath(m_list.pupils.at(m_list.added - 1).folder));
        m_list.pupils.removeAt(m_list.added - 1);
    }
    m_list.last = qBound(1, m_list.last, count());
    m_list.phase = PupilList::NoMove;
    m_list.moved = 0;
    m_list.target.clear();
    m_list.added = 0;
    return writeList();
}

int PupilStore::rename(int pupil, const QString &typedName)
{
    if (pupil < 1 || pupil > count())
        return NoSuchPupil;
    const QString name = PupilNames::tidied(typedName);
    QStringList others = m_list.names();
    others.removeAt(pupil - 1);
    m_problem = PupilNames::check(name, others);
    if (m_problem != PupilNames::NameOk)
        return NameRefused;
    const QString before = m_list.pupils.at(pupil - 1).name;
    m_list.pupils[pupil - 1].name = name;
    if (writeList() != Ok) {
        m_list.pupils[pupil - 1].name = before;
        return WriteFailed;
    }
    return Ok;
}

int PupilStore::remove(int pupil)
{
    if (pupil < 1 || pupil > count())
        return NoSuchPupil;
    if (count() == 1)
        return LastPupil;
    m_step = 0;
    const Pupil gone = m_list.pupils.at(pupil - 1);
    const QString folder = folderPath(pupil);
    const QStringList files = filesOf(pupil);
    const QString base = m_dataFolder + QStringLiteral("/pupils-removed/")
                         + (gone.folder.isEmpty() ? QStringLiteral("pupil") : gone.folder)
                         + QLatin1Char('-') + stamp();
    QString backup = base;
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = base + QLatin1Char('-') + QString::number(n);
    bool stopped = false;
    if (!copyVerified(folder, backup, files, [this] { return step(); }, &stopped)) {
        if (stopped)
            return Interrupted;
        QDir(backup).removeRecursively();
        return CopyFailed;
    }
    m_lastBackup = backup;
    const PupilList before = m_list;
    m_list.pupils.removeAt(pupil - 1);
    if (m_list.last == pupil)
        m_list.last = 1;
    else if (m_list.last > pupil)
        --m_list.last;
    if (writeList() != Ok) {
        m_list = before;
        return WriteFailed;
    }
    if (!step())
        return Interrupted;
    bool deleted = removeFiles(folder, files);
    removeEmptyFolders(folder + QLatin1Char('/') + kBackups);
    if (!gone.folder.isEmpty())
        deleted = QDir().rmdir(folder) && deleted;
    return deleted ? Ok : DeleteFailed;
}

int PupilStore::choose(int pupil)
{
    if (pupil < 1 || pupil > count())
        return NoSuchPupil;
    m_list.last = pupil;
    return m_listExists ? writeList() : Ok;
}
