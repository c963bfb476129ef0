#pragma once
// Rules for pupils' names and the folder each pupil's results live in. No files are touched.

#include <QString>
#include <QStringList>

namespace PupilNames {

constexpr int kMaxPupils = 10;
constexpr int kMaxNameLength = 20;

enum Problem {
    NameOk = 0,
    NameEmpty,
    NameTooLong,
    NameBadCharacter,
    NameNoLetterOrDigit,
    NameTaken,
    TooManyPupils
};

// The name as it is kept: surrounding spaces dropped.
QString tidied(const QString &typed);

// Whether the (tidied) name can be a pupil's name beside the others: 1 to 20 Latin-1
// letters, digits, spaces, hyphens and apostrophes, at least one letter or digit, and no
// other pupil of that name in any letter case.
Problem check(const QString &name, const QStringList &others);

// Why a name was refused, in words a parent understands.
QString problemText(Problem problem, const QString &name);

// A folder name for the pupil: lower-case ASCII letters, digits and hyphens only (accents
// dropped), never empty, never one of taken (any letter case), at most 20 characters.
QString folderFor(const QString &name, const QStringList &taken);

// True for a folder name folderFor could have made (a damaged list is not trusted).
bool isSafeFolder(const QString &folder);

} // namespace PupilNames
