#include "app/startup/startup.h"

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
    return result;
}

} // namespace StartUp
