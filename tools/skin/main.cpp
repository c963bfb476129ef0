// skingen: draws the skin pictures into a folder (normally assets/skin) and checks that
// every file it wrote reads back as drawn; with --icons, also the icons the desktop shows
// for the program (normally assets/icons): a PNG for each size a desktop asks for, and SVG.
//
//   skingen OUTPUT_DIR [--sheet CONTACT_SHEET.png] [--icons ICON_DIR]

#include "app/skinpictures.h"
#include "tools/skin/gifencoder.h"
#include "tools/skin/skinartist.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

QImage asWritten(const QImage &image, const QString &name)
{
    if (name.endsWith(".gif"))
        return GifEncoder::indexedImage(image).convertToFormat(QImage::Format_ARGB32);
    if (name.endsWith(".bmp"))
        return image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    return image.convertToFormat(QImage::Format_ARGB32);
}

int writePicture(const QImage &image, const QString &path)
{
    if (path.endsWith(".gif"))
        return GifEncoder::write(image, path);
    if (path.endsWith(".bmp"))
        return image.convertToFormat(QImage::Format_RGB32).save(path, "BMP") ? 0 : 1;
    QImageWriter writer(path, "ico");
    return writer.write(image.convertToFormat(QImage::Format_ARGB32)) ? 0 : 1;
}

// Pixels agree when both are transparent or both show the same colour.
bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAlpha(p) == 0 && qAlpha(q) == 0)
                continue;
            if (p != q)
                return false;
        }
    }
    return true;
}

QImage contactSheet(const QList<QPair<QString, QImage>> &pictures)
{
    // Pictures flow left to right, small ones enlarged, each with its name underneath.
    const int sheetWidth = 1400;
    QImage sheet(sheetWidth, 2400, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 200));
    QPainter p(&sheet);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    int x = 8, y = 8, rowHeight = 0;
    for (const auto &picture : pictures) {
        const QImage &img = picture.second;
        const int scale = img.width() <= 50 && img.height() <= 50 ? 3
                          : img.width() <= 120 ? 2 : 1;
        const QSize shown = img.size() * scale;
        const int cellWidth = std::max(shown.width(), 150) + 12;
        if (x + cellWidth > sheetWidth) {
            x = 8;
            y += rowHeight;
            rowHeight = 0;
        }
        const QRect target(x, y, shown.width(), shown.height());
        p.fillRect(target.adjusted(-1, -1, 1, 1), Qt::magenta);
        p.drawImage(target, img);
        p.drawText(QRect(x, y + shown.height() + 2, cellWidth, 14), Qt::AlignLeft,
                   picture.first);
        rowHeight = std::max(rowHeight, shown.height() + 24);
        x += cellWidth;
    }
    return sheet.copy(0, 0, sheetWidth, y + rowHeight);
}

// The sizes of the hicolor theme from the smallest a menu shows to the largest a launcher does.
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int writeIcons(const QString &folder, QTextStream &err)
{
    if (!QDir().mkpath(folder)) {
        err << "cannot create " << folder << "\n";
        return 1;
    }
    int failures = 0;
    for (const int size : kIconSizes) {
        const QImage image = SkinArtist::programIcon(size);
        const QString path = QDir(folder).filePath(QStringLiteral("icon-%1.png").arg(size));
        const QImage back = image.save(path, "PNG") ? QImage(path) : QImage();
        if (!samePixels(back.convertToFormat(QImage::Format_ARGB32),
                        image.convertToFormat(QImage::Format_ARGB32))) {
            err << "failed to write or read back " << path << "\n";
            ++failures;
        }
    }
    QSvgGenerator svg;
    svg.setFileName(QDir(folder).filePath(QStringLiteral("icon.svg")));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRectF(0, 0, 100, 100));
    svg.setTitle(QStringLiteral("Quorvel"));
    svg.setDescription(QStringLiteral("The icon of Quorvel Primary Revision"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        err << "cannot write " << svg.fileName() << "\n";
        return failures + 1;
    }
    SkinArtist::paintProgramIcon(painter);
    painter.end();
    return failures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        err << "usage: skingen OUTPUT_DIR [--sheet SHEET.png]\n";
        return 2;
    }
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    const int sheetArg = args.indexOf("--sheet");
    const int iconsArg = args.indexOf("--icons");

    int failures = 0;
    QList<QPair<QString, QImage>> written;
    for (const SkinPictures::Entry &entry : SkinPictures::entries()) {
        const QImage image = SkinArtist::draw(entry.fileName);
        const QString path = out.filePath(entry.fileName);
        if (image.isNull() || writePicture(image, path) != 0) {
            err << "failed to draw or write " << entry.id << " " << entry.fileName << "\n";
            ++failures;
            continue;
        }
        const QImage back = QImageReader(path).read().convertToFormat(QImage::Format_ARGB32);
        if (!samePixels(back, asWritten(image, entry.fileName))) {
            err << "read-back differs: " << entry.fileName << "\n";
            ++failures;
        }
        written.append({entry.fileName, back});
    }
    if (sheetArg > 0 && sheetArg + 1 < args.size())
        contactSheet(written).save(args[sheetArg + 1]);
    if (iconsArg > 0 && iconsArg + 1 < args.size())
        failures += writeIcons(args[iconsArg + 1], err);
    err << written.size() << " pictures written, " << failures << " failures\n";
    return failures == 0 ? 0 : 1;
}
