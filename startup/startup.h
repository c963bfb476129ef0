#pragma once
// The content steps of starting the program: skin pictures, catalogue, results files.
// The main window runs these before it labels and shows itself.

#include "app/catalogue.h"

#include <QList>
#include <QString>

struct StartUpResult
{
    Catalogue catalogue;
    int catalogueError = 0; // CatalogueReader::Error
    int resultsCreated = 0; // results files made from their templates
    bool resultsWriteFailed = false;
    QList<int> damagedSubjects; // subjects with a results file that cannot be read whole
};

namespace StartUp {

// Writes the skin pictures, reads the catalogue and creates any missing results file.
// Damaged results files are noted and left as they are: what can still be read is shown,
// and the next save or marking that writes such a file, or a reset, makes it whole again.
StartUpResult prepareContent();

// What the main window tells the pupil, once, when results files are damaged: the subjects
// by name and that what could be read is kept. Empty when there is nothing to tell.
QString damagedResultsMessage(const StartUpResult &start);

} // namespace StartUp
