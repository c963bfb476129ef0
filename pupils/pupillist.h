#pragma once
// The pupils' list: a tagged record file in the data folder with the pupils' names, their
// folder names (empty for the data folder itself), the last pupil chosen and, while the
// first pupil's files move into their own folder, the state of that move.

#include <QList>
#include <QString>

struct Pupil
{
    QString name;
    QString folder; // under "pupils/"; empty = the data folder itself
};

struct PupilList
{
    enum MovePhase { NoMove = 0, Copying, Deleting };

    QList<Pupil> pupils;
    int last = 1; // 1-based
    // A move of pupil `moved`'s files from the data folder into pupils/target. While
    // Copying the originals are the pupil's files; once Deleting (the one switch), the
    // copies are. `added` is the pupil whose adding started the move (0 = none).
    MovePhase phase = NoMove;
    int moved = 0;
    QString target;
    int added = 0;

    QStringList names() const;
    QStringList folders() const;
};

namespace PupilListFile {

enum Error { Ok = 0, Missing = 1, Damaged = 2, WriteFailed = 3 };

// "pupils.txt" in the data folder.
QString path(const QString &dataFolder);

// Reads the list; Missing or Damaged leave *list empty.
int read(const QString &path, PupilList *list);
// Replaces the file whole, so a crash leaves either the old list or the new one.
int write(const QString &path, const PupilList &list);

} // namespace PupilListFile
