#include "bench/benchrunner.h"

#include "app/programfolder.h"
#include "bench/benchclock.h"
#include "bench/benchprocess.h"
#include "bench/markingbench.h"
#include "bench/procstats.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace BenchRunner {

namespace {

constexpr int kStartTimeoutMs = 60000;

struct Options
{
    int runs = 7;
    int repeats = 30;
    int idleSeconds = 10;
};

struct Figure
{
    const char *label;
    const char *target;
    double limit;
    int decimals;
    const char *unit;
    QList<double> samples;
};

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString measured(const Figure &f)
{
    if (f.samples.isEmpty())
        return QStringLiteral("not measured");
    const auto [low, high] = std::minmax_element(f.samples.cbegin(), f.samples.cend());
    return QStringLiteral("%1 %2 (%3-%4, n=%5)")
        .arg(number(median(f.samples), f.decimals), QLatin1String(f.unit),
             number(*low, f.decimals), number(*high, f.decimals))
        .arg(f.samples.size());
}

void say(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// One child in session mode: start-up, first paper, then idle processor use and memory.
bool runSession(const Options &o, Figure *startUp, Figure *firstPaper, Figure *cpu,
                Figure *rss, Figure *pss)
{
    BenchProcess child(QStringLiteral("session"), 0);
    double shownAt = 0;
    double firstMs = 0;
    double ready = 0;
    if (!child.start() || !child.expect("shown-at-ns", &shownAt, kStartTimeoutMs)
        || !child.expect("open-first-ms", &firstMs, kStartTimeoutMs)
        || !child.expect("ready", &ready, kStartTimeoutMs)) {
        say(child.failure(QStringLiteral("session did not get ready")));
        return false;
    }
    startUp->samples << BenchClock::msBetween(child.startedAtNs(), qint64(shownAt));
    firstPaper->samples << firstMs;

    const QList<qint64> pids = ProcStats::withDescendants(child.pid());
    const double cpuBefore = ProcStats::cpuSeconds(pids);
    const qint64 from = BenchClock::nowNs();
    QThread::sleep(o.idleSeconds);
    const double cpuAfter = ProcStats::cpuSeconds(pids);
    const double wall = double(BenchClock::nowNs() - from) / 1e9;
    cpu->samples << 100.0 * (cpuAfter - cpuBefore) / wall;
    rss->samples << double(ProcStats::residentKb(child.pid())) / 1024.0;
    pss->samples << double(ProcStats::proportionalKb(ProcStats::withDescendants(child.pid())))
                        / 1024.0;
    say(QStringLiteral("  session: start-up %1 ms, first paper %2 ms, %3 processes, "
                       "cpu %4 %, rss %5 MB, pss %6 MB")
            .arg(number(startUp->samples.last(), 1), number(firstMs, 1))
            .arg(pids.size())
            .arg(number(cpu->samples.last(), 2), number(rss->samples.last(), 1),
                 number(pss->samples.last(), 1)));
    if (!child.finish(30000)) {
        say(child.failure(QStringLiteral("session did not end cleanly")));
        return false;
    }
    return true;
}

// One child in pages mode: opening other papers and moving to the next question.
bool runPages(const Options &o, Figure *another, Figure *next)
{
    BenchProcess child(QStringLiteral("pages"), o.repeats);
    if (!child.start()) {
        say(child.failure(QStringLiteral("pages did not start")));
        return false;
    }
    QByteArray name;
    double value = 0;
    QList<double> ownWork, loaded;
    while (child.readFigure(&name, &value, kStartTimeoutMs)) {
        if (name == "open-another-ms")
            another->samples << value;
        else if (name == "next-ms")
            next->samples << value;
        else if (name == "next-own-ms")
            ownWork << value;
        else if (name == "next-loaded-ms")
            loaded << value;
    }
    if (another->samples.size() < o.repeats || next->samples.size() < o.repeats) {
        say(child.failure(QStringLiteral("pages ended early")));
        return false;
    }
    say(QStringLiteral("  Next, medians from the click: program's own work %1 ms, load "
                       "finished %2 ms, painted %3 ms")
            .arg(number(median(ownWork), 2), number(median(loaded), 1),
                 number(median(next->samples), 1)));
    return child.finish(30000);
}

Options parse(const QStringList &args)
{
    Options o;
    for (int k = 1; k + 1 < args.size(); ++k) {
        const int value = args.at(k + 1).toInt();
        if (value <= 0)
            continue;
        if (args.at(k) == QLatin1String("--runs"))
            o.runs = value;
        else if (args.at(k) == QLatin1String("--repeats"))
            o.repeats = value;
        else if (args.at(k) == QLatin1String("--idle"))
            o.idleSeconds = value;
    }
    return o;
}

} // namespace

int run(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());

    Figure startUp{"start-up: process start to main window shown", "150 ms", 150, 0, "ms", {}};
    Figure firstPaper{"open a paper, first in the process, to first page painted", "400 ms",
                      400, 0, "ms", {}};
    Figure another{"open another paper", "120 ms", 120, 0, "ms", {}};
    Figure next{"Next to the new page painted", "33 ms", 33, 1, "ms", {}};
    Figure marking{"marking computation of a 70-blank paper", "1 ms", 1, 3, "ms", {}};
    Figure cpu{"processor use, main and practice window open, mouse still, 10 s", "1 %", 1, 2,
               "%", {}};
    Figure rss{"memory: resident size of the program process", "150 MB", 150, 0, "MB", {}};
    Figure pss{"memory: PSS of all its processes, browser helpers included", "300 MB", 300, 0,
               "MB", {}};

    bool ok = true;
    {
        QTemporaryDir folder;
        ProgramFolder::setPath(folder.path());
        const MarkingBench::Result result = MarkingBench::run(1000, 70);
        marking.samples = result.callMs;
        say(QStringLiteral("marking: %1 blanks, from subject %2 paper %3 (%4 blanks) on")
                .arg(result.markedBlanks)
                .arg(result.subject)
                .arg(result.paperKey)
                .arg(result.blanks));
        ok = !marking.samples.isEmpty();
    }
    for (int run = 1; run <= o.runs; ++run) {
        say(QStringLiteral("session run %1 of %2").arg(run).arg(o.runs));
        ok = runSession(o, &startUp, &firstPaper, &cpu, &rss, &pss) && ok;
    }
    say(QStringLiteral("pages: %1 x another paper, %1 x Next").arg(o.repeats));
    ok = runPages(o, &another, &next) && ok;

    std::printf("| Figure | Target | Median (range, runs) | Met |\n|---|---|---|---|\n");
    for (const Figure *f : {&startUp, &firstPaper, &another, &next, &marking, &cpu, &rss, &pss}) {
        const bool met = !f->samples.isEmpty() && median(f->samples) <= f->limit;
        std::printf("| %s | %s or less | %s | %s |\n", f->label, f->target,
                    qPrintable(measured(*f)), met ? "yes" : "NO");
    }
    return ok ? 0 : 1;
}

} // namespace BenchRunner
