#pragma once
// The program folder: where the program keeps its Graphics folder, temporary files and
// results. It is the folder of the executable, or the user's data folder when that one
// cannot be written. Tests point it at a temporary folder.

#include <QString>

namespace ProgramFolder {

// The folder in use, without a trailing slash.
QString path();

// Path of a file in the program folder: path() + "/" + name.
QString filePath(const QString &name);

// Path of a skin picture: path() + "/Graphics/" + name.
QString graphicsPath(const QString &name);

// Chooses the folder: the executable's folder if writable, else the user's data folder.
// Returns true when the executable's folder is used.
bool choose();

// Uses the given folder (tests, benchmarks).
void setPath(const QString &folder);

} // namespace ProgramFolder
