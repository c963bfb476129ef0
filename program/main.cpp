// Starts the revision program: the main window's load is the program's start.

#include "app/programfolder.h"
#include "startup/startup.h"
#include "program/singleinstance.h"
#include "ui/main/contents.h"
#include "ui/main/pupilchooser.h"
#include "ui/practice/browsercontrol.h"
#include "ui/practice/systemend.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcessEnvironment>

#include <cstdio>

namespace {

// Without a display Qt would stop with an obscure platform-plugin error; say what to do.
bool hasDisplay()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    return env.contains(QStringLiteral("DISPLAY")) || env.contains(QStringLiteral("WAYLAND_DISPLAY"))
           || env.contains(QStringLiteral("QT_QPA_PLATFORM"));
}

void bringForward(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "quorvel: there is no display to show the program's windows on.\n"
                     "Start it from a desktop session, or under a virtual display:\n"
                     "  xvfb-run -a %s\n",
                     argv[0]);
        return 2;
    }
    BrowserControl::prepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    // Lets the desktop match the windows to the menu entry and show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvel.PrimaryRevision"));
    ProgramFolder::choose();

    SingleInstance instance(ProgramFolder::path());
    if (!instance.acquire()) {
        instance.notifyRunning();
        QMessageBox::information(nullptr, QStringLiteral("Quorvel"),
                                 QStringLiteral("The program is already open. Its window has "
                                                "been brought to the front."));
        return 0;
    }

    // Log-out, shut-down and Ctrl+C end the program as its own Close would, keeping the
    // answers typed into an open paper.
    SystemEnd systemEnd;
    QObject::connect(&systemEnd, &SystemEnd::finished, &app, [] { QCoreApplication::exit(0); });

    StartUpResult start = StartUp::prepareContent();
    const QString pupilsMessage = StartUp::pupilsMessage(start.pupilsOpened);
    if (!pupilsMessage.isEmpty())
        QMessageBox::warning(nullptr, QStringLiteral("List of pupils"), pupilsMessage);
    if (start.pupils.count() >= 2) {
        PupilChooser chooser(start.pupils.list().names(), start.pupils.list().last);
        const int pupil = chooser.exec();
        if (pupil == 0)
            return 0; // closed without choosing: nothing was opened, nothing to save
        if (pupil != start.pupil)
            StartUp::prepareResults(&start, pupil);
        start.pupils.choose(pupil);
    }
    Contents contents;
    contents.load(start);
    QObject::connect(&instance, &SingleInstance::activationRequested, &contents,
                     [&contents] { bringForward(&contents); });
    contents.show();
    BrowserControl::preloadEngine();
    return app.exec();
}
