#include "results/resultsbackup.h"

#include "app/catalogue.h"
#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "records/recordfile.h"
#include "results/resultsfiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace ResultsBackup {

namespace {

const QString kFolderFormat = QStringLiteral("yyyy-MM-dd-HHmm");
const QString kPartialPrefix = QStringLiteral(".partial-");
const QString kRestoringSuffix = QStringLiteral(".restoring");

// A backup's name: the minute it was made, and a count when more than one was made then.
const QRegularExpression &namePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}-\\d{4})(?:-(\\d{1,3}))?$"));
    return pattern;
}

int sequenceOf(const QString &name)
{
    const QRegularExpressionMatch match = namePattern().match(name);
    return match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
}

bool readFile(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFile::NoError;
}

// The files of names present in folder with their bytes; false when one cannot be read.
bool readPresent(const QString &folder, const QStringList &names,
                 QMap<QString, QByteArray> *files)
{
    for (const QString &name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (!QFileInfo(path).isFile())
            continue;
        QByteArray bytes;
        if (!readFile(path, &bytes))
            return false;
        files->insert(name, bytes);
    }
    return true;
}

void deleteOldBackups(const QString &resultsFolder)
{
    const QList<Backup> backups = listBackups(resultsFolder);
    for (int i = kKept; i < backups.size(); ++i)
        QDir(backupsPath(resultsFolder) + QLatin1Char('/') + backups.at(i).name)
            .removeRecursively();
}

bool replaceFile(const QString &from, const QString &to)
{
    // std::rename replaces the target in one step, which QFile::rename does not.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData())
           == 0;
}

} // namespace

QString backupsPath(const QString &resultsFolder)
{
    return resultsFolder + QStringLiteral("/backups");
}

QStringList resultFileNames(const Catalogue &catalogue)
{
    QStringList names;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Results::Marks; f <= Results::Trend; ++f)
            names.append(Results::SubjectFiles(s, catalogue.code).fileName(Results::File(f)));
    }
    return names;
}

int makeBackup(const QString &resultsFolder, const QStringList &fileNames,
               const QDateTime &now, QString *madeName)
{
    if (madeName)
        madeName->clear();
    QMap<QString, QByteArray> files;
    if (!readPresent(resultsFolder, fileNames, &files))
        return ReadFailed;
    if (files.isEmpty())
        return Ok;
    const QString root = backupsPath(resultsFolder);
    const QList<Backup> kept = listBackups(resultsFolder);
    if (!kept.isEmpty()) {
        QMap<QString, QByteArray> newest;
        if (readPresent(root + QLatin1Char('/') + kept.first().name, fileNames, &newest)
            && newest == files)
            return Ok; // a second reset in a row would only push a real copy out
    }

    const QString minute = now.toString(kFolderFormat);
    QString name = minute;
    for (int n = 2; QFileInfo::exists(root + QLatin1Char('/') + name); ++n)
        name = minute + QLatin1Char('-') + QString::number(n);
    QDir partial(root + QLatin1Char('/') + kPartialPrefix + name);
    partial.removeRecursively();
    if (!QDir().mkpath(partial.path()))
        return FolderFailed;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (Records::writeFileAtomically(it.value(), partial.filePath(it.key())) != 0) {
            partial.removeRecursively();
            return CopyFailed;
        }
    }
    if (!QDir(root).rename(partial.dirName(), name)) {
        partial.removeRecursively();
        return FolderFailed;
    }
    if (madeName)
        *madeName = name;
    deleteOldBackups(resultsFolder);
    return Ok;
}

int backupBeforeReset(const QString &resultsFolder, const Catalogue &catalogue,
                      const QDateTime &now, QString *madeName)
{
    if (madeName)
        madeName->clear();
    bool allBlank = true;
    for (int s = 1; s <= 3 && allBlank; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        for (int f = Results::Marks; f <= Results::Trend && allBlank; ++f) {
            const Results::File file = Results::File(f);
            QByteArray bytes;
            const QString path = resultsFolder + QLatin1Char('/')
                                 + Results::SubjectFiles(s, catalogue.code).fileName(file);
            if (QFile::exists(path) && (!readFile(path, &bytes)
                    || bytes != ResourceStore::resourceBytes(Results::templateId(file, s))))
                allBlank = false;
        }
    }
    if (allBlank)
        return Ok;
    return makeBackup(resultsFolder, resultFileNames(catalogue), now, madeName);
}

int resetWithBackup(const Catalogue &catalogue, const QDateTime &now, const QString &folder,
                    QString *madeName)
{
    const QString path = folder.isEmpty() ? ProgramFolder::path() : folder;
    const int error = backupBeforeReset(path, catalogue, now, madeName);
    if (error != Ok)
        return error;
    return Results::WriteBlankResults(catalogue, folder);
}

bool isBackupError(int error)
{
    return error >= FolderFailed && error <= NoSuchBackup;
}

QList<Backup> listBackups(const QString &resultsFolder)
{
    QList<Backup> backups;
    const QStringList names = QDir(backupsPath(resultsFolder)).entryList(QDir::Dirs
                                                                         | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = namePattern().match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime at = QDateTime::fromString(match.captured(1), kFolderFormat);
        if (at.isValid())
            backups.append({name, at});
    }
    std::sort(backups.begin(), backups.end(), [](const Backup &a, const Backup &b) {
        if (a.madeAt != b.madeAt)
            return a.madeAt > b.madeAt;
        return sequenceOf(a.name) > sequenceOf(b.name);
    });
    return backups;
}

QString displayName(const Backup &backup)
{
    const QLocale locale;
    return locale.toString(backup.madeAt.date(), QStringLiteral("d MMMM yyyy"))
           + QStringLiteral(", ") + backup.madeAt.time().toString(QStringLiteral("HH:mm"));
}

int restoreBackup(const QString &resultsFolder, const QString &backupName,
                  const QStringList &fileNames)
{
    const QString source = backupsPath(resultsFolder) + QLatin1Char('/') + backupName;
    if (!namePattern().match(backupName).hasMatch() || !QFileInfo(source).isDir())
        return NoSuchBackup;
    QMap<QString, QByteArray> copies;
    if (!readPresent(source, fileNames, &copies))
        return ReadFailed;
    if (copies.isEmpty())
        return NoSuchBackup;
    QMap<QString, QByteArray> current;
    if (!readPresent(resultsFolder, copies.keys(), &current))
        return ReadFailed;

    auto pathOf = [&](const QString &name) { return resultsFolder + QLatin1Char('/') + name; };
    auto removeTemporaries = [&] {
        for (const QString &name : copies.keys())
            QFile::remove(pathOf(name) + kRestoringSuffix);
    };
    for (auto it = copies.cbegin(); it != copies.cend(); ++it) {
        if (Records::writeFileAtomically(it.value(), pathOf(it.key()) + kRestoringSuffix) != 0) {
            removeTemporaries();
            return CopyFailed;
        }
    }
    QStringList replaced;
    for (const QString &name : copies.keys()) {
        if (replaceFile(pathOf(name) + kRestoringSuffix, pathOf(name))) {
            replaced.append(name);
            continue;
        }
        removeTemporaries();
        for (const QString &done : replaced) {
            if (current.contains(done))
                Records::writeFileAtomically(current.value(done), pathOf(done));
            else
                QFile::remove(pathOf(done));
        }
        return ReplaceFailed;
    }
    return Ok;
}

QList<MarkedPaper> markedSince(const QString &resultsFolder, const QString &backupName,
                               const Catalogue &catalogue)
{
    const QString source = backupsPath(resultsFolder) + QLatin1Char('/') + backupName;
    const QStringList keys{QStringLiteral("FSE"), QStringLiteral("SSE"), QStringLiteral("CDD"),
                           QStringLiteral("FST"), QStringLiteral("SST")};
    QList<MarkedPaper> papers;
    for (int s = 1; s <= 3; ++s) {
        if (!catalogue.hasSubject(s))
            continue;
        const int count = catalogue.paperCount[s];
        const QString name = Results::SubjectFiles(s, catalogue.code).fileName(Results::Marks);
        QList<Records::Fields> now;
        QList<Records::Fields> then;
        for (const QString &key : keys) {
            now.append(Records::ReadRecordFields(resultsFolder + QLatin1Char('/') + name, key,
                                                 count, Records::Cap50));
            then.append(Records::ReadRecordFields(source + QLatin1Char('/') + name, key, count,
                                                  Records::Cap50));
        }
        const int fse = 0, sse = 1, cdd = 2, fst = 3, sst = 4;
        const QString one = QStringLiteral("1");
        // A score without its flag still shows as taken, so it counts as marked too.
        auto marked = [&](const QList<Records::Fields> &f, int flag, int score, int o) {
            return f[flag].value(o) == one || !f[score].value(o).isEmpty();
        };
        for (int o = 1; o <= qMin(count, int(Records::Cap50)); ++o) {
            const bool first = marked(now, fst, fse, o)
                               && (!marked(then, fst, fse, o)
                                   || now[fse].value(o) != then[fse].value(o)
                                   || now[cdd].value(o) != then[cdd].value(o));
            const bool second = marked(now, sst, sse, o)
                                && (!marked(then, sst, sse, o)
                                    || now[sse].value(o) != then[sse].value(o));
            if (first || second)
                papers.append({s, o});
        }
    }
    return papers;
}

} // namespace ResultsBackup
