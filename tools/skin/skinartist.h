#pragma once
// Draws every skin picture of the program with QPainter. The pictures share one palette
// (ui/chrome/skincolours.h) and one look: a soft blue title strip, rounded shapes and plain
// pictograms, with off, hover (lighter), pressed (darker, shifted) and disabled (grey) states.

#include <QImage>
#include <QString>

class SkinArtist
{
public:
    // The picture for a file name of SkinPictures::entries(); a null image for an unknown
    // name.
    static QImage draw(const QString &fileName);
};
