#pragma once
// The program folder: where the program keeps its Graphics folder, temporary files and
// results. It is the folder of the executable, or the user's data folder when that one
// cannot be written or the program was built for installation (QUORVEL_INSTALLED), so that
// every account keeps its own results. Tests point it at a temporary folder.

#include <QString>

namespace ProgramFolder {

// The folder in use, without a trailing slash.
QString path();

// Path of a file in the program folder: path() + "/" + name.
QString filePath(const QString &name);

// Path of a skin picture: path() + "/Graphics/" + name.
QString graphicsPath(const QString &name);

enum class Place { ProgramFileFolder, UserDataFolder };

// The rule behind choose(): an installed build never writes beside its program file.
Place place(bool installedBuild, bool programFileFolderWritable);

// True in the build a package installs (the QUORVEL_INSTALLED option).
bool installedBuild();

// Chooses the folder by place() and makes it. Returns true when the executable's folder is used.
bool choose();

// Uses the given folder (tests, benchmarks).
void setPath(const QString &folder);

} // namespace ProgramFolder
