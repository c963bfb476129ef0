#pragma once
// Writes a QImage as a GIF89a file: a palette of at most 256 colours (exact when the picture
// has few colours, median cut otherwise), one optional transparent index for pixels whose
// alpha is below one half, and LZW-compressed pixel data.

#include <QByteArray>
#include <QImage>
#include <QString>

class GifEncoder
{
public:
    // The image as it will look once written: semi-transparent pixels flattened onto white,
    // the rest either opaque or fully transparent, reduced to the palette that is written.
    static QImage indexedImage(const QImage &image);

    // GIF bytes of the image.
    static QByteArray encode(const QImage &image);

    // Writes the GIF to a file. Returns 0 on success, 1 when the file cannot be written.
    static int write(const QImage &image, const QString &path);

private:
    static QByteArray lzw(const QImage &indexed, int minCodeSize);
};
