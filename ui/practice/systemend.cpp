#include "ui/practice/systemend.h"

#include "ui/chrome/frmpopup.h"
#include "ui/practice/practicewindow.h"

#include <QApplication>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};
int g_pipe[2] = {-1, -1};

extern "C" void onEndSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // The write end does not block: a full pipe already holds a request to end.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

template<typename T>
QList<QPointer<T>> openWindows()
{
    QList<QPointer<T>> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(w); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

} // namespace

SystemEnd::SystemEnd(QObject *parent) : QObject(parent)
{
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;  // the system's default ending stays in place
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SystemEnd::readPipe);
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int k = 0; k < 3; ++k)
        sigaction(kSignals[k], &action, &m_previous[k]);

    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [](QSessionManager &) { saveOpenTakes(); });
    }
}

SystemEnd::~SystemEnd()
{
    if (!m_notifier)
        return;
    for (int k = 0; k < 3; ++k)
        sigaction(kSignals[k], &m_previous[k], nullptr);
}

void SystemEnd::saveOpenTakes()
{
    for (const QPointer<PracticeWindow> &window : openWindows<PracticeWindow>())
        window->saveTypedAnswers();
}

void SystemEnd::endNow()
{
    // Closed without a button, a pop-up answers "No": nothing it asked about goes ahead.
    for (const QPointer<frmPopUp> &popUp : openWindows<frmPopUp>())
        popUp->close();
    for (const QPointer<PracticeWindow> &window : openWindows<PracticeWindow>()) {
        if (window && !window->isMarking())
            window->closeWithoutQuestions();
    }
    emit finished();
}

void SystemEnd::readPipe()
{
    unsigned char bytes[16];
    bool asked = false;
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0)
        asked = true;
    if (asked)
        endNow();
}
