#include "ui/chrome/picturestates.h"

namespace PictureStates {

bool hoverInside(const QRect &screenRect, const QPoint &cursor)
{
    // QRect::contains excludes x() + width() and y() + height(), as the window rule does.
    return screenRect.contains(cursor);
}

QString twoStatePicture(bool inside, const QString &offPicture, const QString &onPicture)
{
    return inside ? onPicture : offPicture;
}

QString threeStatePicture(bool inside, bool pressFlag, const QString &base)
{
    if (!inside)
        return base + QStringLiteral("_off.bmp");
    return base + (pressFlag ? QStringLiteral("_pressed.bmp") : QStringLiteral("_on.bmp"));
}

QString tabPicture(int n, int selectedTab, bool inside)
{
    const QString face = n == selectedTab ? QStringLiteral("front") : QStringLiteral("back");
    return QStringLiteral("tabs_") + face + (inside ? QStringLiteral("_on.bmp")
                                                     : QStringLiteral("_off.bmp"));
}

ToolbarIdentity toolbarIdentity(int button, int tabPos)
{
    const bool help = tabPos == 4;
    ToolbarIdentity id;
    auto set = [&id](const QString &caption, const QString &tip, const QString &base) {
        id.caption = caption;
        id.toolTip = tip;
        id.pictureBase = base;
    };
    switch (button) {
    case 1:
        help ? set("About", "About Quorvel", "about") : set("Home", "Load Home page", "home");
        break;
    case 2:
        help ? set("Trash", "Trash past results", "trash")
             : set("Report", "Load Report card", "report");
        break;
    case 3:
        // The house stands for the family of pupils sharing this computer.
        help ? set("Pupils", "Pupils who practise here", "home")
             : set("Print", "Print results", "print");
        break;
    case 4:
        help ? set("Setup", "Printer Setup", "setup") : set("Close", "Close program", "close");
        break;
    default:
        id.used = false;
    }
    return id;
}

QString practiceCaption(int button)
{
    static const char *const captions[] = {"Save", "Mark", "Print", "Close",
                                           "Back", "Next", "Read aloud"};
    return button >= 1 && button <= 7 ? QString::fromLatin1(captions[button - 1]) : QString();
}

QString practiceToolTip(int button)
{
    static const char *const tips[] = {"Save paper", "Mark paper", "Print question",
                                       "Close paper", "Previous question", "Next question",
                                       "Read aloud"};
    return button >= 1 && button <= 7 ? QString::fromLatin1(tips[button - 1]) : QString();
}

QString practicePictureBase(int button)
{
    static const char *const bases[] = {"save", "mark", "print", "close",
                                        "back", "forward", "readaloud"};
    return button >= 1 && button <= 7 ? QString::fromLatin1(bases[button - 1]) : QString();
}

PracticeButtonLook practiceToolbarLook(int button, bool inside, bool pressFlag, int status,
                                       int qsCount, int questionCount, bool windowEnabled)
{
    PracticeButtonLook look;
    const QString base = practicePictureBase(button);
    bool available = true;
    switch (button) {
    case 1:
    case 2:
        available = status == 0;
        break;
    case 5:
        available = qsCount != 1;
        break;
    case 6:
        available = qsCount != questionCount;
        break;
    case 7:
        available = windowEnabled;
        look.enabledTouched = false;
        break;
    default:
        look.enabledTouched = false;
    }
    look.enabled = available;
    look.picture = available ? threeStatePicture(inside, pressFlag, base)
                             : base + QStringLiteral("_disabled.bmp");
    return look;
}

QString titleMaxPicture(WindowShow show, bool inside)
{
    switch (show) {
    case WindowShow::Normal:
        return twoStatePicture(inside, "prog_blueoff_max.bmp", "prog_blue_max.bmp");
    case WindowShow::Maximised:
        return twoStatePicture(inside, "prog_blueoff_norm.bmp", "prog_blue_norm.bmp");
    case WindowShow::Minimised:
        break;
    }
    return {};
}

TitleSkin titleSkin(bool active, bool hasMaxButton)
{
    TitleSkin skin;
    if (active) {
        skin.titleColour = qRgb(255, 255, 255);
        skin.focusFlag = QStringLiteral("1");
        skin.topLeft = QStringLiteral("border_top_left.bmp");
        skin.topRight = QStringLiteral("border_top_right.bmp");
        skin.topCentre = QStringLiteral("border_top_center.bmp");
        skin.progClose = QStringLiteral("prog_blueoff_close.bmp");
        skin.progMax = QStringLiteral("prog_blueoff_max.bmp");
        skin.progMin = QStringLiteral("prog_blueoff_min.bmp");
    } else {
        skin.titleColour = qRgb(128, 128, 128);
        skin.focusFlag = QStringLiteral("0");
        skin.topLeft = QStringLiteral("border_white_top_left.bmp");
        skin.topRight = QStringLiteral("border_white_top_right.bmp");
        skin.topCentre = QStringLiteral("border_white_top_center.bmp");
        skin.progClose = QStringLiteral("prog_white_close.bmp");
        skin.progMax = QStringLiteral("prog_white_max.bmp");
        skin.progMin = QStringLiteral("prog_white_min.bmp");
    }
    if (!hasMaxButton)
        skin.progMax.clear();
    return skin;
}

} // namespace PictureStates
