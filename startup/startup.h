#pragma once
// The content steps of starting the program: skin pictures, catalogue, results files.
// The main window runs these before it labels and shows itself.

#include "app/catalogue.h"
#include "pupils/pupilstore.h"

#include <QList>
#include <QString>

struct StartUpResult
{
    Catalogue catalogue;
    int catalogueError = 0; // CatalogueReader::Error
    int resultsCreated = 0; // results files made from their templates
    bool resultsWriteFailed = false;
    QList<int> damagedSubjects; // subjects with a results file that cannot be read whole
    PupilStore pupils;
    int pupilsOpened = PupilStore::OpenedOk; // what opening the pupils' list found
    int pupil = 1;                           // whose results the fields above describe
    bool pupilFolderMissing = false;         // their folder was gone and was made again
};

namespace StartUp {

// Writes the skin pictures, reads the catalogue, opens the pupils' list (finishing or
// undoing a move cut short) and prepares the results of the pupil chosen last.
StartUpResult prepareContent();

// The files of one pupil kept beside their results and moved with them: every results file
// and their page size.
QStringList pupilFileNames(const Catalogue &catalogue);

// Makes the pupil's missing results files. Damaged results files are noted and left as
// they are: what can still be read is shown, and the next save or marking that writes such
// a file, or a reset, makes it whole again.
void prepareResults(StartUpResult *start, int pupil);

// What the pupils' list needed at start, told once; empty when it was whole.
QString pupilsMessage(int opened);
// What to tell when a pupil's folder was gone; empty when it was there.
QString missingFolderMessage(const StartUpResult &start);

// What the main window tells the pupil, once, when results files are damaged: the subjects
// by name and that what could be read is kept. Empty when there is nothing to tell.
QString damagedResultsMessage(const StartUpResult &start);

} // namespace StartUp
