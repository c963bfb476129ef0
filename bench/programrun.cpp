#include "bench/programrun.h"

#include "bench/benchclock.h"
#include "bench/framematch.h"
#include "bench/procstats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

namespace ProgramRun {

namespace {

// Where the main window's and the practice window's buttons are, in pixels from the main
// window's top-left corner and from the practice window's top-right corner. The windows'
// layout puts them there at any screen size; the bench checks each click had an effect.
constexpr int kPaperButtonX = 368;
constexpr int kPaperButtonY[5] = {199, 259, 319, 379, 439}; // P1a .. P5a
constexpr int kNextFromRight = 36;
constexpr int kBackFromRight = 88;
constexpr int kToolButtonY = 48;
// What is compared of a practice window: between its toolbar (button pictures follow the
// pointer) and its status strip (the clock ticks).
constexpr int kToolbarBottom = 80;
constexpr int kStatusStripHeight = 40;
// A blinking text cursor, and no more, may differ.
constexpr qint64 kTolerancePixels = 64;

constexpr int kStartTimeoutMs = 30000;
constexpr int kPaperTimeoutMs = 30000;
// A pupil does not click within this time of a window appearing.
constexpr int kFirstClickMs = 500;
constexpr int kPauseMs = 300;
// Seconds without a drawing after which an operation counts as finished.
constexpr int kPaperQuietMs = 700;
constexpr int kMoveQuietMs = 300;

// The bottom-left corner of the screen, under neither window.
QPoint awayFromWindows(const XDisplay &display)
{
    return QPoint(4, display.screenSize().height() - 4);
}

QRect comparedArea(const QRect &window)
{
    return QRect(0, kToolbarBottom, window.width(),
                 qMax(1, window.height() - kToolbarBottom - kStatusStripHeight));
}

// The time the window came to show its final state, in ms from startNs; -1 when it never
// did or showed what it showed before (before null: a new window).
double settledMs(const QList<XDisplay::Frame> &frames, const QImage &before, qint64 startNs)
{
    QList<QImage> images;
    for (const XDisplay::Frame &f : frames)
        images << f.image;
    const int from = FrameMatch::settledFrom(images, kTolerancePixels);
    if (from < 0)
        return -1;
    if (!before.isNull()) {
        const qint64 d = FrameMatch::differingPixels(before, images.last());
        if (d >= 0 && d <= kTolerancePixels)
            return -1;
    }
    return BenchClock::msBetween(startNs, frames.at(from).atNs);
}

struct Child
{
    QTemporaryDir folder;
    QString program;
    QProcess process;
    QString logPath;

    QString tail() const
    {
        QFile log(logPath);
        if (!log.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromLocal8Bit(log.readAll().right(1500));
    }
};

bool fail(QString *failure, const QString &what, const Child &child)
{
    *failure = what + QStringLiteral("\n--- the program's output, its end:\n") + child.tail();
    return false;
}

// Opens paper k (0..4) and returns its window and the ms from the click to its first page.
XDisplay::WindowId openPaper(XDisplay &display, XDisplay::WindowId main, int k, double *ms)
{
    const QRect m = display.geometry(main);
    display.markWindows();
    const qint64 clicked =
        display.click(m.topLeft() + QPoint(kPaperButtonX, kPaperButtonY[k]));
    display.movePointer(awayFromWindows(display));
    qint64 drawnAt = 0;
    const XDisplay::WindowId window = display.waitForNewWindow(600, kPaperTimeoutMs, &drawnAt);
    if (!window)
        return 0;
    const QRect area = comparedArea(display.geometry(window));
    QList<XDisplay::Frame> frames{{drawnAt, display.grab(window, area)}};
    frames += display.watch(window, area, kPaperQuietMs, kPaperTimeoutMs);
    *ms = settledMs(frames, QImage(), clicked);
    return window;
}

} // namespace

bool run(const QString &program, const Options &o, XDisplay &display, Figures *figures,
         QString *failure)
{
    Child child;
    child.program = child.folder.filePath(QFileInfo(program).fileName());
    child.logPath = child.folder.filePath(QStringLiteral("bench-output.txt"));
    if (!QFile::copy(program, child.program)) {
        *failure = QStringLiteral("cannot copy %1 to a temporary folder").arg(program);
        return false;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The engine refuses to run as root inside its sandbox, and there is no GPU here.
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu"));
    child.process.setProcessEnvironment(env);
    child.process.setWorkingDirectory(child.folder.path());
    child.process.setProgram(child.program);
    child.process.setStandardOutputFile(child.logPath);
    child.process.setStandardErrorFile(child.logPath, QIODevice::Append);

    display.markWindows();
    const qint64 started = BenchClock::nowNs();
    child.process.start();
    if (!child.process.waitForStarted(10000))
        return fail(failure, QStringLiteral("the program did not start"), child);
    qint64 shownAt = 0;
    const XDisplay::WindowId main = display.waitForNewWindow(300, kStartTimeoutMs, &shownAt);
    if (!main)
        return fail(failure, QStringLiteral("no main window was drawn"), child);
    figures->firstStartUp << BenchClock::msBetween(started, shownAt);

    display.pump(kFirstClickMs);
    double ms = -1;
    XDisplay::WindowId practice = openPaper(display, main, 0, &ms);
    if (!practice || ms < 0)
        return fail(failure, QStringLiteral("the first paper's page was not drawn"), child);
    figures->firstPaper << ms;

    // Both windows open, the pointer away from them.
    display.movePointer(awayFromWindows(display));
    display.pump(2000);
    const QList<qint64> pids = ProcStats::withDescendants(child.process.processId());
    const double cpuBefore = ProcStats::cpuSeconds(pids);
    const qint64 from = BenchClock::nowNs();
    display.pump(o.idleSeconds * 1000);
    const double cpuAfter = ProcStats::cpuSeconds(pids);
    figures->cpu << 100.0 * (cpuAfter - cpuBefore) / (double(BenchClock::nowNs() - from) / 1e9);
    figures->rss << double(ProcStats::residentKb(child.process.processId())) / 1024.0;
    figures->pss << double(ProcStats::proportionalKb(
                        ProcStats::withDescendants(child.process.processId())))
                        / 1024.0;

    // Next to the end of the paper, then Back.
    bool forward = true;
    int turns = 0;
    for (int k = 0; k < o.moves;) {
        display.pump(kPauseMs);
        const QRect w = display.geometry(practice);
        const QRect area = comparedArea(w);
        const QImage before = display.grab(practice, area);
        const QPoint button(w.right() + 1 - (forward ? kNextFromRight : kBackFromRight),
                            w.top() + kToolButtonY);
        const qint64 clicked = display.click(button);
        const QList<XDisplay::Frame> frames = display.watch(practice, area, kMoveQuietMs, 5000);
        const double moved = settledMs(frames, before, clicked);
        if (moved < 0) {
            // Nothing changed: the end of the paper (the button is disabled there).
            if (++turns > 2)
                return fail(failure, QStringLiteral("Next and Back changed nothing"), child);
            forward = !forward;
            continue;
        }
        turns = 0;
        figures->move << moved;
        // The window's first drawing after the click (the answer sheet already shows the new
        // question's rows): the least a move can take here.
        if (frames.size() > 1)
            figures->moveFirstDrawing << BenchClock::msBetween(clicked, frames.first().atNs);
        ++k;
    }

    for (int k = 0; k < o.papers; ++k) {
        // A click on the main window brings it over the practice window.
        display.lower(practice);
        display.pump(kPauseMs);
        practice = openPaper(display, main, (k + 1) % 5, &ms);
        if (!practice || ms < 0)
            return fail(failure, QStringLiteral("paper %1: no page was drawn").arg(k + 2),
                        child);
        figures->anotherPaper << ms;
    }

    display.askToClose(main);
    if (!child.process.waitForFinished(20000) || child.process.exitStatus() != QProcess::NormalExit
        || child.process.exitCode() != 0)
        return fail(failure, QStringLiteral("the program did not end cleanly on closing"), child);

    // Started again in the same folder, as on every day after the first.
    display.markWindows();
    const qint64 again = BenchClock::nowNs();
    child.process.start();
    if (!child.process.waitForStarted(10000))
        return fail(failure, QStringLiteral("the program did not start again"), child);
    const XDisplay::WindowId second = display.waitForNewWindow(300, kStartTimeoutMs, &shownAt);
    if (!second)
        return fail(failure, QStringLiteral("no main window was drawn at the second start"),
                    child);
    figures->startUp << BenchClock::msBetween(again, shownAt);
    display.pump(kFirstClickMs);
    display.askToClose(second);
    if (!child.process.waitForFinished(20000) || child.process.exitStatus() != QProcess::NormalExit
        || child.process.exitCode() != 0)
        return fail(failure, QStringLiteral("the program did not end cleanly the second time"),
                    child);

    // What it left beside the copied program file that could be run.
    const QFileInfoList left = QDir(child.folder.path())
                                   .entryInfoList(QDir::Files | QDir::NoDotAndDotDot
                                                  | QDir::System | QDir::Hidden);
    for (const QFileInfo &file : left) {
        if (file.isExecutable() && file.fileName() != QFileInfo(child.program).fileName())
            figures->executablesLeft << file.fileName();
    }
    return true;
}

} // namespace ProgramRun
