#include "bench/benchchild.h"

#include "app/programfolder.h"
#include "startup/startup.h"
#include "bench/benchclock.h"
#include "bench/pagewatch.h"
#include "program/singleinstance.h"
#include "ui/chrome/picturebutton.h"
#include "ui/main/contents.h"
#include "ui/practice/browsercontrol.h"
#include "ui/practice/practicewindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace BenchChild {

namespace {

constexpr int kPageTimeoutMs = 30000;
// A pupil does not click again within this time; the engine tidies up after a page.
constexpr int kPauseMs = 300;
// Nor does a pupil click a paper within this time of the main window appearing.
constexpr int kFirstClickMs = 500;

void report(const char *name, double value)
{
    std::printf("%s %.6f\n", name, value);
    std::fflush(stdout);
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Returns once window has painted itself (and so its children) for the first time.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) { window->installEventFilter(this); }

    void wait()
    {
        if (!m_painted)
            m_loop.exec();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            watched->removeEventFilter(this);
            // Quits once the whole tree has been painted and flushed.
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return false;
    }

private:
    bool m_painted = false;
    QEventLoop m_loop;
};

BrowserControl *browserOf(const Contents &contents)
{
    PracticeWindow *window = contents.practiceWindow();
    return window ? window->findChild<BrowserControl *>() : nullptr;
}

// Clicks the paper button and returns the milliseconds until its first page was painted,
// or -1.
double openPaper(Contents &contents, const QString &button)
{
    auto *load = contents.findChild<PictureButton *>(button);
    if (!load)
        return -1;
    const qint64 start = BenchClock::nowNs();
    load->click();
    // The closed window goes as soon as the click's handling returns in the program.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    BrowserControl *browser = browserOf(contents);
    if (!browser)
        return -1;
    PageWatch watch(browser, QImage());
    if (!watch.wait(kPageTimeoutMs))
        return -1;
    return BenchClock::msBetween(start, watch.paintedAtNs());
}

// The parts of a move to the next question, in ms from the click.
struct NextTimes
{
    double ownWork = -1;  // the program's own handling, until the engine is asked
    double loaded = -1;   // the engine reports the load finished
    double painted = -1;  // the new page is on screen
    bool showsNewPage = false; // at the end, painted or not
};

NextTimes nextQuestion(Contents &contents)
{
    PracticeWindow *window = contents.practiceWindow();
    BrowserControl *browser = browserOf(contents);
    NextTimes times;
    if (!window || !browser)
        return times;
    const int count = window->session().questionCount();
    const int target = window->session().qsCount() % count + 1;
    PageWatch watch(browser, PageWatch::snapshot(browser));
    const qint64 start = BenchClock::nowNs();
    window->GoToQuestion(target);
    times.ownWork = BenchClock::msBetween(start, BenchClock::nowNs());
    const bool painted = watch.wait(kPageTimeoutMs);
    times.showsNewPage = watch.showsNewPage();
    if (watch.loadedAtNs())
        times.loaded = BenchClock::msBetween(start, watch.loadedAtNs());
    if (!painted)
        return times;
    times.painted = BenchClock::msBetween(start, watch.paintedAtNs());
    return times;
}

void waitForStdin()
{
    QEventLoop loop;
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int run(int argc, char **argv, const QString &mode, const QString &folder, int repeats)
{
    // As program/main.cpp, with the bench's program folder.
    BrowserControl::prepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    ProgramFolder::setPath(folder);
    SingleInstance instance(ProgramFolder::path());
    if (!instance.acquire())
        return 3;
    const StartUpResult start = StartUp::prepareContent();
    Contents contents;
    contents.load(start);
    FirstPaint firstPaint(&contents);
    contents.show();
    BrowserControl::preloadEngine();
    firstPaint.wait();
    std::printf("shown-at-ns %lld\n", static_cast<long long>(BenchClock::nowNs()));
    std::fflush(stdout);

    pause(kFirstClickMs);
    const double first = openPaper(contents, QStringLiteral("P1a"));
    if (first < 0) {
        std::fprintf(stderr, "The first paper's page was not painted\n");
        return 4;
    }
    report("open-first-ms", first);

    if (mode == QLatin1String("session")) {
        pause(2000);
        report("ready", 0);
        waitForStdin();
    } else if (mode == QLatin1String("pages")) {
        const QString papers[] = {"P2a", "P3a", "P4a", "P5a", "P1a"};
        for (int k = 0; k < repeats; ++k) {
            pause(kPauseMs);
            const double ms = openPaper(contents, papers[k % 5]);
            if (ms < 0) {
                std::fprintf(stderr, "Paper %d: its first page was not painted\n", k + 1);
                return 5;
            }
            report("open-another-ms", ms);
        }
        for (int k = 0; k < repeats; ++k) {
            pause(kPauseMs);
            const NextTimes times = nextQuestion(contents);
            if (times.painted < 0) {
                std::fprintf(stderr, "Next %d: no new page painted (load %s, control %s)\n",
                             k + 1, times.loaded < 0 ? "not finished" : "finished",
                             times.showsNewPage ? "shows the new page" : "unchanged");
                return 6;
            }
            report("next-ms", times.painted);
            report("next-own-ms", times.ownWork);
            report("next-loaded-ms", times.loaded);
        }
    }
    contents.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

} // namespace BenchChild
