#pragma once
// The numbered resources embedded in the program file, and writing them to files.
// Ids: 1-37 and 41-96 skin pictures, question pages by question id, 30000 the catalogue,
// 300s2-300s5 the paper tables of subject s, 301sj the blank results files.

#include <QString>

namespace ResourceStore {

// Error numbers of ExtractResource.
enum Error {
    Ok = 0,
    NotFound = 1814,     // no resource with that id
    TypeNotFound = 1813, // a resource type other than "Custom"
    WriteFailed = 29,    // the destination could not be written
};

// Qt resource path of id, or empty when the program holds no such resource.
QString resourcePath(int id);

// The bytes of resource id; empty when there is none.
QByteArray resourceBytes(int id);

// True for the blank results templates, whose files hold a pupil's results.
bool isResultsTemplate(int id);

} // namespace ResourceStore

// Writes resource id as the whole content of path. Returns 0 or an error number; creates
// no file for an id that does not exist. Results templates are written atomically.
int ExtractResource(int id, const QString &type, const QString &path);

// Creates the Graphics folder (with any missing parents) and writes every skin picture that
// does not already hold the right bytes.
void ExtractSkinFiles();
