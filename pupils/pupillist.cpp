#include "pupils/pupillist.h"

#include "pupils/pupilnames.h"
#include "records/recordfile.h"

#include <QFile>

namespace {

const QString kNames = QStringLiteral("PNM");
const QString kFolders = QStringLiteral("PFD");
const QString kLast = QStringLiteral("PLS");
const QString kMove = QStringLiteral("PMV");
const QString kCopying = QStringLiteral("copy");
const QString kDeleting = QStringLiteral("delete");

QStringList values(const QString &path, const QString &key)
{
    QStringList all = Records::ReadAllRecordFields(path, key);
    if (!all.isEmpty())
        all.removeFirst(); // the unused entry 0
    return all;
}

bool holdsRecord(const QString &path, const QString &key)
{
    return !Records::ReadRecordLine(path, key).isEmpty();
}

bool validPupils(const QList<Pupil> &pupils)
{
    if (pupils.isEmpty() || pupils.size() > PupilNames::kMaxPupils)
        return false;
    QStringList names;
    QStringList folders;
    for (const Pupil &p : pupils) {
        if (PupilNames::check(p.name, names) != PupilNames::NameOk)
            return false;
        if (!p.folder.isEmpty()
            && (!PupilNames::isSafeFolder(p.folder) || folders.contains(p.folder)))
            return false;
        if (p.folder.isEmpty() && folders.contains(QString()))
            return false; // only one pupil can own the data folder's files
        names.append(p.name);
        folders.append(p.folder);
    }
    return true;
}

bool readMove(const QString &path, PupilList *list)
{
    const QStringList move = values(path, kMove);
    if (move.isEmpty())
        return true;
    if (move.size() != 4)
        return false;
    list->phase = move.at(0) == kCopying    ? PupilList::Copying
                  : move.at(0) == kDeleting ? PupilList::Deleting
                                            : PupilList::NoMove;
    bool movedOk = false;
    bool addedOk = false;
    list->moved = move.at(1).toInt(&movedOk);
    list->target = move.at(2);
    list->added = move.at(3).toInt(&addedOk);
    const int count = list->pupils.size();
    return list->phase != PupilList::NoMove && movedOk && addedOk && list->moved >= 1
           && list->moved <= count && list->added >= 0 && list->added <= count
           && list->added != list->moved && PupilNames::isSafeFolder(list->target);
}

} // namespace

QStringList PupilList::names() const
{
    QStringList all;
    for (const Pupil &p : pupils)
        all.append(p.name);
    return all;
}

QStringList PupilList::folders() const
{
    QStringList all;
    for (const Pupil &p : pupils)
        all.append(p.folder);
    return all;
}

namespace PupilListFile {

QString path(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/pupils.txt");
}

int read(const QString &path, PupilList *list)
{
    *list = PupilList();
    QFile file(path);
    if (!file.exists())
        return Missing;
    if (!file.open(QIODevice::ReadOnly) || !file.readAll().endsWith('\n'))
        return Damaged; // unreadable, empty, or cut short: every write ends its lines
    if (!holdsRecord(path, kNames) || !holdsRecord(path, kFolders))
        return Damaged;
    const QStringList names = values(path, kNames);
    const QStringList folders = values(path, kFolders);
    if (names.size() != folders.size())
        return Damaged;
    PupilList read;
    for (int i = 0; i < names.size(); ++i)
        read.pupils.append(Pupil{names.at(i), folders.at(i)});
    if (!validPupils(read.pupils) || !readMove(path, &read))
        return Damaged;
    const int last = values(path, kLast).value(0).toInt();
    read.last = last >= 1 && last <= read.pupils.size() ? last : 1;
    *list = read;
    return Ok;
}

int write(const QString &path, const PupilList &list)
{
    QStringList lines;
    lines << Records::BuildRecordLine(kNames, QStringList(QString()) + list.names(),
                                      list.pupils.size())
          << Records::BuildRecordLine(kFolders, QStringList(QString()) + list.folders(),
                                      list.pupils.size())
          << QStringLiteral("#PLS#>") + QString::number(list.last);
    if (list.phase == PupilList::NoMove) {
        lines << QStringLiteral("#PMV#");
    } else {
        const QStringList move = {QString(),
                                  list.phase == PupilList::Copying ? kCopying : kDeleting,
                                  QString::number(list.moved), list.target,
                                  QString::number(list.added)};
        lines << Records::BuildRecordLine(kMove, move, 4);
    }
    return Records::WriteRecordLines(lines, path) == Records::WriteOk ? Ok : WriteFailed;
}

} // namespace PupilListFile
