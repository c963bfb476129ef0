#pragma once
// The catalogue: edition title and code, up to three subjects with their topics and papers.

#include <QString>
#include <QStringList>

struct Catalogue
{
    QString title;           // NME
    QString code;            // COD, part of every results file name
    QString subjectName[4];  // 1..3 (LAH, LBH, LCH); empty = subject absent
    int topicCount[4] = {};  // TT1..TT3, 0..10
    int paperCount[4] = {};  // TP1..TP3, 0..50
    QStringList topicNames[4]; // TN1..TN3: ten entries, topic t at t - 1

    bool hasSubject(int s) const { return s >= 1 && s <= 3 && !subjectName[s].isEmpty(); }
    int firstSubject() const; // 1, 2 or 3; 0 when there is none
};

namespace CatalogueReader {

enum Error { Ok = 0, NotWritten = 1, Damaged = 2 };

// Writes the catalogue to "temptext30000.txt" in the program folder, reads it and deletes
// the file. On an error the catalogue holds no subject.
int read(Catalogue *catalogue);

// Reads a catalogue file already on disk (tests, the reader above).
int readFile(const QString &path, Catalogue *catalogue);

} // namespace CatalogueReader
