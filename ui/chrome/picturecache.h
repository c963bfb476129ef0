#pragma once
// Skin pictures of the Graphics folder, decoded once and kept. Names are matched without
// regard to letter case ("Pencil.ico" finds "pencil.ico"). A missing or unreadable file
// gives a visible placeholder instead, also kept, so nothing is read again on a timer tick.

#include <QPixmap>
#include <QString>

class PictureCache
{
public:
    // The picture of that name in ProgramFolder::graphicsPath(); the placeholder when the
    // folder holds no such picture.
    static QPixmap picture(const QString &name);

    // The file on disk that the name matches (exact spelling first, then any letter case),
    // or an empty string.
    static QString filePath(const QString &name);

    // True when the name resolves to a readable picture.
    static bool exists(const QString &name);

    // The placeholder shown for a missing picture.
    static QPixmap placeholder();

    // Forgets every decoded picture and folder listing (tests, a new program folder).
    static void clear();
};
