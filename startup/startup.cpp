#include "startup/startup.h"

#include "app/resourcestore.h"
#include "app/programfolder.h"
#include "results/resultsfiles.h"
#include "results/zoomsetting.h"

#include <QDir>

namespace StartUp {

StartUpResult prepareContent()
{
    StartUpResult result;
    ExtractSkinFiles();
    result.catalogueError = CatalogueReader::read(&result.catalogue);
    result.pupils = PupilStore(ProgramFolder::path(), pupilFileNames(result.catalogue));
    result.pupilsOpened = result.pupils.open();
    prepareResults(&result, result.pupils.list().last);
    return result;
}

QStringList pupilFileNames(const Catalogue &catalogue)
{
    return Results::allFileNames(catalogue) << ZoomSetting::fileName();
}

void prepareResults(StartUpResult *start, int pupil)
{
    start->pupil = pupil;
    const QString folder = start->pupils.folderPath(pupil);
    start->pupilFolderMissing = !QDir(folder).exists();
    if (start->pupilFolderMissing)
        QDir().mkpath(folder);
    // Only missing files are made: rewriting the whole set would erase every result
    // of every subject because one file was lost.
    const int created = Results::createMissingFiles(start->catalogue, folder);
    start->resultsWriteFailed = created < 0;
    start->resultsCreated = qMax(0, created);
    start->damagedSubjects = Results::damagedSubjects(start->catalogue, folder);
}

QString pupilsMessage(int opened)
{
    switch (opened) {
    case PupilStore::ListRebuilt:
        return QStringLiteral("The list of pupils was damaged. It has been made again from "
                              "the pupils' results folders, named after the folders; rename "
                              "them under Help, Pupils. No results were lost.");
    case PupilStore::ListMissing:
        return QStringLiteral("The list of pupils was missing. It has been made again from "
                              "the pupils' results folders, named after the folders; rename "
                              "them under Help, Pupils. No results were lost.");
    case PupilStore::ListNotWritten:
        return QStringLiteral("The list of pupils could not be saved. The pupils found are "
                              "used, but changes to the list may not be kept.");
    default:
        return QString();
    }
}

QString missingFolderMessage(const StartUpResult &start)
{
    if (!start.pupilFolderMissing)
        return QString();
    return QStringLiteral("The results of %1 could not be found, so %1 starts again with "
                          "no results. The other pupils' results are not affected.")
        .arg(start.pupils.name(start.pupil));
}

QString damagedResultsMessage(const StartUpResult &start)
{
    QStringList names;
    for (int s : start.damagedSubjects)
        names.append(start.catalogue.subjectName[s]);
    if (names.isEmpty())
        return QString();
    QString subjects = names.takeLast();
    if (!names.isEmpty())
        subjects = names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + subjects;
    return QStringLiteral("Some of your saved results for %1 could not be read. The scores "
                          "that could be read are still shown, and the papers you mark from "
                          "now on are saved as usual.")
        .arg(subjects);
}

} // namespace StartUp
