#pragma once
// Draws every skin picture of the program with QPainter. The pictures share one palette
// (ui/chrome/skincolours.h) and one look: a soft blue title strip, rounded shapes and plain
// pictograms, with off, hover (lighter), pressed (darker, shifted) and disabled (grey) states.

#include <QImage>
#include <QPainter>
#include <QString>

class SkinArtist
{
public:
    // The picture for a file name of SkinPictures::entries(); a null image for an unknown
    // name.
    static QImage draw(const QString &fileName);

    // The icon the desktop shows for the program, drawn in a 100 x 100 box (for SVG) or as
    // a square picture of the given size.
    static void paintProgramIcon(QPainter &painter);
    static QImage programIcon(int size);
};
