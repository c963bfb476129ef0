#pragma once
// Copies of the results files kept before a reset, so that a reset can be undone: each in
// "backups/<yyyy-MM-dd-HHmm>/" beside the results files, the last five kept. Plain file
// operations; errors are returned as numbers.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct Catalogue;

namespace ResultsBackup {

enum Error {
    Ok = 0,
    FolderFailed = 140,     // the backups folder or a backup's folder could not be made
    ReadFailed = 141,       // a results file or a kept copy could not be read
    CopyFailed = 142,       // a copy could not be written
    ReplaceFailed = 143,    // a results file could not be replaced by its copy
    NoSuchBackup = 144      // the backup is gone or holds no results file
};

// How many backups are kept; older ones are deleted when a new one is made.
const int kKept = 5;

struct Backup
{
    QString name;      // folder name, "2026-12-08-1530" ("-2" added for a second one that minute)
    QDateTime madeAt;  // local time, to the minute
};

// The backups folder of a results folder.
QString backupsPath(const QString &resultsFolder);

// The file names of the six results files of every named subject.
QStringList resultFileNames(const Catalogue &catalogue);

// Copies the files (names in resultsFolder; missing ones are skipped) into a new backup
// named after now, then deletes all but the newest kKept backups. The copy is made in a
// hidden folder and renamed when whole, so a failure leaves no half backup. Nothing is
// made when no file exists or the files equal the newest backup. madeName receives the
// new backup's name (empty when none was made).
int makeBackup(const QString &resultsFolder, const QStringList &fileNames,
               const QDateTime &now, QString *madeName = nullptr);

// makeBackup of every named subject's results files, skipped when they all equal their
// blank templates (there is nothing to keep).
int backupBeforeReset(const QString &resultsFolder, const Catalogue &catalogue,
                      const QDateTime &now, QString *madeName = nullptr);

// The reset of every result in folder (the program folder when empty) with its backup
// first: backupBeforeReset there, then WriteBlankResults. When the backup fails nothing is
// erased and its error is returned (isBackupError); otherwise WriteBlankResults' error.
int resetWithBackup(const Catalogue &catalogue, const QDateTime &now,
                    const QString &folder = QString(), QString *madeName = nullptr);
bool isBackupError(int error);

// The kept backups, newest first.
QList<Backup> listBackups(const QString &resultsFolder);

// "8 December 2026, 15:30": how a backup is named to the pupil.
QString displayName(const Backup &backup);

// Replaces the results files by the copies kept in the backup, all or nothing: every copy
// is first written beside its file, then each is renamed over it; when one step fails the
// files already replaced get their bytes back and the rest are left alone. Files the
// backup does not hold are left as they are.
int restoreBackup(const QString &resultsFolder, const QString &backupName,
                  const QStringList &fileNames);

// A take marked since a backup was made: the restore would replace its result.
struct MarkedPaper
{
    int subject = 0;
    int ordinal = 0; // paper ordinal 1..paper count
};

// The papers whose first or second take is marked now (its flag or its score is set) and
// was not marked with the same score and date in the backup, subject by subject in paper
// order.
QList<MarkedPaper> markedSince(const QString &resultsFolder, const QString &backupName,
                               const Catalogue &catalogue);

} // namespace ResultsBackup
