#pragma once
// The pupils of this computer and where each one's results files live. With one pupil
// nothing is written and the results stay in the data folder; adding the second pupil
// moves the first pupil's files, with the copies their resets kept in backups/, into
// pupils/<folder>/ (copy, verify, one switch in the list, then delete the originals), and
// opening the store finishes or rolls back a move that was cut short. Removing a pupil
// keeps a dated backup of their files.

#include "pupils/pupillist.h"
#include "pupils/pupilnames.h"

#include <QString>
#include <QStringList>

#include <functional>

class PupilStore
{
public:
    enum Error {
        Ok = 0,
        NameRefused = 1,  // see nameProblem()
        WriteFailed = 2,  // the pupils' list could not be written
        CopyFailed = 3,   // a file could not be copied or the copy differs: nothing moved
        DeleteFailed = 4, // a moved or backed-up original could not be deleted (kept)
        LastPupil = 5,    // the only pupil cannot be removed
        NoSuchPupil = 6,
        Interrupted = 7   // tests only: the step hook stopped the work
    };

    // What open() found besides an intact list.
    enum Opened {
        OpenedOk = 0,
        ListRebuilt,      // the list was damaged: made again from the pupils' folders
        ListMissing,      // the list was gone but pupils' folders were there: made again
        MoveFinished,     // a move cut short after its switch was completed
        MoveRolledBack,   // a move cut short before its switch was undone
        ListNotWritten    // the list could not be written; the pupils are used as found
    };

    // resultFileNames: the results files of one pupil (names, no folder), those that move
    // with the first pupil and are backed up with a pupil whose files are in the data folder.
    PupilStore() = default;
    PupilStore(const QString &dataFolder, const QStringList &resultFileNames);

    // Reads the list, repairing what it can. Returns an Opened value.
    int open();

    const PupilList &list() const { return m_list; }
    int count() const { return m_list.pupils.size(); }
    QString name(int pupil) const;
    // The folder holding pupil's results files (the data folder for the first pupil while
    // there is only one).
    QString folderPath(int pupil) const;
    QString listPath() const;

    // Adds a pupil (see nameProblem() when NameRefused). Adding the second pupil moves the
    // first one's files; the new pupil's folder is made empty.
    int add(const QString &typedName);
    int rename(int pupil, const QString &typedName);
    // Copies the pupil's files to pupils-removed/<folder>-<date and time>/, takes the pupil
    // off the list and deletes their files. No other pupil's file is touched.
    int remove(int pupil);
    // Remembers the pupil for the next start (written only when there is a list).
    int choose(int pupil);
    // Path of the backup folder made by the last remove().
    QString lastBackup() const { return m_lastBackup; }

    PupilNames::Problem nameProblem() const { return m_problem; }

    // Tests only: called after each step of a move (1, 2, ...); returning false stops the
    // work there, as if the program had been killed.
    void setStepHookForTesting(std::function<bool(int step)> hook) { m_hook = std::move(hook); }

private:
    bool step();
    int writeList();
    QStringList filesOf(int pupil) const;
    QString subfolderPath(const QString &folder) const;
    int moveFirstPupil();
    int finishMove();
    int rollBackMove();
    int rebuild();
    QString defaultFirstName() const;

    QString m_dataFolder;
    QStringList m_resultFileNames;
    PupilList m_list;
    bool m_listExists = false;
    PupilNames::Problem m_problem = PupilNames::NameOk;
    QString m_lastBackup;
    std::function<bool(int)> m_hook;
    int m_step = 0;
};
