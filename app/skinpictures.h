#pragma once
// The skin pictures by resource id (1-37 and 41-96) with the file name each is written
// under in the Graphics folder. The program extracts them by this table and the skin
// generator draws them by it.

#include <QList>
#include <QString>

namespace SkinPictures {

struct Entry
{
    int id;
    QString fileName;
};

// Every skin picture in ascending id order.
QList<Entry> entries();

// File name of skin picture id; empty for other ids.
QString fileName(int id);

} // namespace SkinPictures
