#include "app/resourcestore.h"

#include "app/programfolder.h"
#include "records/recordfile.h"

#include <QDir>
#include <QFile>

namespace ResourceStore {

namespace {

struct SkinRange
{
    int firstId;
    const char *names[5];
};

// Skin pictures by id, in the order they are numbered.
const SkinRange kSkins[] = {
    {1, {"about_off.bmp", "about_on.bmp", "about_pressed.bmp"}},
    {4, {"back_disabled.bmp", "back_off.bmp", "back_on.bmp", "back_pressed.bmp"}},
    {8, {"close_off.bmp", "close_on.bmp", "close_pressed.bmp"}},
    {11, {"forward_disabled.bmp", "forward_off.bmp", "forward_on.bmp", "forward_pressed.bmp"}},
    {15, {"home_off.bmp", "home_on.bmp", "home_pressed.bmp"}},
    {18, {"mark_disabled.bmp", "mark_off.bmp", "mark_on.bmp", "mark_pressed.bmp"}},
    {22, {"print_off.bmp", "print_on.bmp", "print_pressed.bmp"}},
    {25, {"report_off.bmp", "report_on.bmp", "report_pressed.bmp"}},
    {28, {"save_disabled.bmp", "save_off.bmp", "save_on.bmp", "save_pressed.bmp"}},
    {32, {"setup_off.bmp", "setup_on.bmp", "setup_pressed.bmp"}},
    {35, {"trash_off.bmp", "trash_on.bmp", "trash_pressed.bmp"}},
    {41, {"tabs_back_off.bmp", "tabs_back_on.bmp", "tabs_front_off.bmp", "tabs_front_on.bmp"}},
    {45, {"border_bot.bmp", "border_left.bmp", "border_left_corners.bmp", "border_right.bmp",
          "border_right_corners.bmp"}},
    {50, {"border_top_center.bmp", "border_top_left.bmp", "border_top_right.bmp"}},
    {53, {"border_white_top_center.bmp", "border_white_top_left.bmp",
          "border_white_top_right.bmp"}},
    {56, {"prog_blue_close.bmp", "prog_blue_max.bmp", "prog_blue_min.bmp", "prog_blue_norm.bmp"}},
    {60, {"prog_blueoff_close.bmp", "prog_blueoff_max.bmp", "prog_blueoff_min.bmp",
          "prog_blueoff_norm.bmp"}},
    {64, {"prog_white_close.bmp", "prog_white_max.bmp", "prog_white_min.bmp",
          "prog_white_norm.bmp"}},
    {68, {"loadbutton_on.bmp", "loadbutton_off.bmp", "button_off.bmp", "button_on.bmp",
          "button_pressed.bmp"}},
    {73, {"bottombg1.bmp", "bottombg2.bmp", "bottombg3.bmp", "bottombg4.bmp"}},
    {77, {"columnhead1.bmp", "columnhead2.bmp", "progressbar.bmp", "statusgrabber.bmp"}},
    {81, {"bullet.bmp", "Handle.bmp", "pen.bmp", "bar.bmp"}},
    {85, {"QVicon.ico", "pencil.ico", "hand.ico"}},
    {88, {"info_mark.gif", "Logo.gif", "instruction.gif", "Border_bot_left.gif",
          "Border_bot_right.gif"}},
};

bool isQuestionPage(int id)
{
    return (id >= 13001 && id <= 13510) || (id >= 19001 && id <= 19647)
           || (id >= 23001 && id <= 23999) || (id >= 29001 && id <= 29071);
}

bool isDataFile(int id)
{
    if (id == 30000)
        return true;
    for (int s = 1; s <= 3; ++s) {
        const int table = 30000 + 10 * s;
        if (id >= table + 2 && id <= table + 5)
            return true;
    }
    return isResultsTemplate(id);
}

int writePlain(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteFailed;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError ? Ok : WriteFailed;
}

// A blank results file where there is none: written under another name and renamed, so it is
// never seen half written. With no results to protect it does not wait for the disk, which
// made a first start wait for each of its eighteen files on a busy disk.
int writeNew(const QByteArray &bytes, const QString &path)
{
    const QString part = path + QStringLiteral(".part");
    if (writePlain(bytes, part) != Ok || !QFile::rename(part, path)) {
        QFile::remove(part);
        return WriteFailed;
    }
    return Ok;
}

} // namespace

QString skinFileName(int id)
{
    for (const SkinRange &range : kSkins) {
        for (int k = 0; k < 5 && range.names[k]; ++k) {
            if (range.firstId + k == id)
                return QString::fromLatin1(range.names[k]);
        }
    }
    return QString();
}

bool isResultsTemplate(int id)
{
    for (int s = 1; s <= 3; ++s) {
        const int first = 30100 + 10 * s + 1;
        if (id >= first && id <= first + 5)
            return true;
    }
    return false;
}

QString resourcePath(int id)
{
    QString path;
    if (isQuestionPage(id))
        path = QStringLiteral(":/pages/%1.mht").arg(id);
    else if (isDataFile(id))
        path = QStringLiteral(":/data/%1.txt").arg(id);
    else if (!skinFileName(id).isEmpty())
        path = QStringLiteral(":/skin/") + skinFileName(id);
    return !path.isEmpty() && QFile::exists(path) ? path : QString();
}

QByteArray resourceBytes(int id)
{
    const QString path = resourcePath(id);
    if (path.isEmpty())
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace ResourceStore

int ExtractResource(int id, const QString &type, const QString &path)
{
    using namespace ResourceStore;
    if (type != QLatin1String("Custom"))
        return TypeNotFound;
    const QString source = resourcePath(id);
    if (source.isEmpty())
        return NotFound;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return NotFound;
    const QByteArray bytes = file.readAll();
    // A pupil's results file must never be left half written; the other files are
    // scratch copies rewritten whenever they are needed.
    if (!isResultsTemplate(id))
        return writePlain(bytes, path);
    if (!QFile::exists(path))
        return writeNew(bytes, path);
    return Records::writeFileAtomically(bytes, path) == Records::WriteOk ? Ok : WriteFailed;
}

void ExtractSkinFiles()
{
    QDir().mkpath(ProgramFolder::path() + QStringLiteral("/Graphics"));
    for (int id = 1; id <= 92; ++id) {
        const QString name = ResourceStore::skinFileName(id);
        if (name.isEmpty())
            continue;
        // A picture that already holds the right bytes is left as it is: rewriting a file
        // in place makes the file system write it out at once, which took up to a third of
        // a second of the start on a busy disk.
        const QString path = ProgramFolder::graphicsPath(name);
        QFile current(path);
        if (current.open(QIODevice::ReadOnly)
            && current.readAll() == ResourceStore::resourceBytes(id))
            continue;
        current.close();
        ExtractResource(id, QStringLiteral("Custom"), path);
    }
}
