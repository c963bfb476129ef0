#pragma once
// The content steps of starting the program: skin pictures, catalogue, results files.
// The main window runs these before it labels and shows itself.

#include "app/catalogue.h"

struct StartUpResult
{
    Catalogue catalogue;
    int catalogueError = 0; // CatalogueReader::Error
    int resultsCreated = 0; // results files made from their templates
    bool resultsWriteFailed = false;
};

namespace StartUp {

// Writes the skin pictures, reads the catalogue and creates any missing results file.
StartUpResult prepareContent();

} // namespace StartUp
