#include "app/skinpictures.h"

namespace SkinPictures {

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
    {93, {"readaloud_disabled.bmp", "readaloud_off.bmp", "readaloud_on.bmp",
          "readaloud_pressed.bmp"}},
};

} // namespace

QList<Entry> entries()
{
    QList<Entry> list;
    for (const SkinRange &range : kSkins) {
        for (int k = 0; k < 5 && range.names[k]; ++k)
            list.append({range.firstId + k, QString::fromLatin1(range.names[k])});
    }
    return list;
}

QString fileName(int id)
{
    for (const SkinRange &range : kSkins) {
        for (int k = 0; k < 5 && range.names[k]; ++k) {
            if (range.firstId + k == id)
                return QString::fromLatin1(range.names[k]);
        }
    }
    return QString();
}

} // namespace SkinPictures
