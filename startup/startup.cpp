#include "startup/startup.h"

#include "app/resourcestore.h"
#include "results/resultsfiles.h"

namespace StartUp {

StartUpResult prepareContent()
{
    StartUpResult result;
    ExtractSkinFiles();
    result.catalogueError = CatalogueReader::read(&result.catalogue);
    // Only missing files are made: rewriting the whole set would erase every result
    // of every subject because one file was lost.
    const int created = Results::createMissingFiles(result.catalogue);
    result.resultsWriteFailed = created < 0;
    result.resultsCreated = qMax(0, created);
    result.damagedSubjects = Results::damagedSubjects(result.catalogue);
    return result;
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
