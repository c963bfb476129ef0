#include "ui/chrome/picturecache.h"

#include "app/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>

namespace {

struct Store
{
    QHash<QString, QPixmap> pictures;            // full path of the request -> picture
    QHash<QString, QHash<QString, QString>> listings;  // folder -> lower name -> real name
};

Store &store()
{
    static Store s;
    return s;
}

QString graphicsFolder()
{
    return QFileInfo(ProgramFolder::graphicsPath(QStringLiteral("x"))).absolutePath();
}

const QHash<QString, QString> &listing(const QString &folder)
{
    Store &s = store();
    auto it = s.listings.find(folder);
    if (it == s.listings.end()) {
        QHash<QString, QString> names;
        const QStringList files = QDir(folder).entryList(QDir::Files);
        for (const QString &file : files)
            names.insert(file.toLower(), file);
        it = s.listings.insert(folder, names);
    }
    return it.value();
}

} // namespace

QString PictureCache::filePath(const QString &name)
{
    const QString folder = graphicsFolder();
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    // Written names and asked-for names differ in case ("Pencil.ico", "pencil.ico"); the
    // folder is listed once and matched case-blind.
    const QString real = listing(folder).value(name.toLower());
    if (real.isEmpty()) {
        // Listed before the file was written: list once more.
        store().listings.remove(folder);
        const QString again = listing(folder).value(name.toLower());
        return again.isEmpty() ? QString() : folder + QLatin1Char('/') + again;
    }
    return folder + QLatin1Char('/') + real;
}

QPixmap PictureCache::picture(const QString &name)
{
    Store &s = store();
    const QString key = graphicsFolder() + QLatin1Char('/') + name.toLower();
    const auto it = s.pictures.constFind(key);
    if (it != s.pictures.constEnd())
        return it.value();
    QPixmap pixmap;
    const QString path = filePath(name);
    if (!path.isEmpty()) {
        // Read as the format its name gives: left to guess, the reader loads every image
        // plugin installed (and their libraries) to ask whether one would rather read BMP.
        QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
        reader.setAutoDetectImageFormat(false);
        pixmap = QPixmap::fromImage(reader.read());
    }
    if (pixmap.isNull())
        pixmap = placeholder();
    s.pictures.insert(key, pixmap);
    return pixmap;
}

bool PictureCache::exists(const QString &name)
{
    const QPixmap p = picture(name);
    return p.cacheKey() != placeholder().cacheKey();
}

QPixmap PictureCache::placeholder()
{
    // A missing picture must be noticed, not hidden: a magenta square with a cross.
    static const QPixmap shape = [] {
        QPixmap p(16, 16);
        p.fill(QColor(255, 0, 255));
        QPainter painter(&p);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(2, 2, 13, 13);
        painter.drawLine(13, 2, 2, 13);
        return p;
    }();
    return shape;
}

void PictureCache::clear()
{
    store().pictures.clear();
    store().listings.clear();
}
