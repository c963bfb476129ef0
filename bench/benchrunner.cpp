#include "bench/benchrunner.h"

#include "app/programfolder.h"
#include "bench/markingbench.h"
#include "bench/programrun.h"
#include "bench/xdisplay.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace BenchRunner {

namespace {

struct Options
{
    int runs = 7;
    ProgramRun::Options run;
    QStringList programs;
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

QString measured(const QList<double> &samples, int decimals, const char *unit)
{
    if (samples.isEmpty())
        return QStringLiteral("not measured");
    const auto [low, high] = std::minmax_element(samples.cbegin(), samples.cend());
    return QStringLiteral("%1 %2 (%3-%4, n=%5)")
        .arg(number(median(samples), decimals), QLatin1String(unit), number(*low, decimals),
             number(*high, decimals))
        .arg(samples.size());
}

void say(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool parse(const QStringList &args, Options *o)
{
    for (int k = 1; k < args.size(); ++k) {
        const QString &a = args.at(k);
        if (a.startsWith(QLatin1String("--")) && k + 1 < args.size()) {
            const int value = args.at(++k).toInt();
            if (value <= 0)
                return false;
            if (a == QLatin1String("--runs"))
                o->runs = value;
            else if (a == QLatin1String("--moves"))
                o->run.moves = value;
            else if (a == QLatin1String("--papers"))
                o->run.papers = value;
            else if (a == QLatin1String("--idle"))
                o->run.idleSeconds = value;
            else
                return false;
        } else {
            o->programs << a;
        }
    }
    return !o->programs.isEmpty() && o->programs.size() <= 2;
}

struct Row
{
    const char *label;
    const char *target;
    double limit;
    int decimals;
    const char *unit;
    QList<double> ProgramRun::Figures::*samples;
};

} // namespace

int run(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Options o;
    if (!parse(app.arguments(), &o)) {
        say(QStringLiteral("usage: quorvel-bench [--runs N] [--moves N] [--papers N] "
                           "[--idle S] PROGRAM [OTHER-PROGRAM]"));
        return 2;
    }
    for (const QString &program : qAsConst(o.programs)) {
        if (!QFileInfo(program).isExecutable()) {
            say(QStringLiteral("%1 is not a program file").arg(program));
            return 2;
        }
    }
    XDisplay display;
    QString error;
    if (!display.open(&error)) {
        say(QStringLiteral("quorvel-bench: ") + error);
        return 2;
    }

    QList<double> marking;
    {
        QTemporaryDir folder;
        ProgramFolder::setPath(folder.path());
        const MarkingBench::Result result = MarkingBench::run(1000, 70);
        marking = result.callMs;
        say(QStringLiteral("marking: %1 blanks, from subject %2 paper %3 (%4 blanks) on")
                .arg(result.markedBlanks)
                .arg(result.subject)
                .arg(result.paperKey)
                .arg(result.blanks));
    }

    const int n = o.programs.size();
    QList<ProgramRun::Figures> figures(n);
    bool ok = !marking.isEmpty();
    for (int r = 1; r <= o.runs; ++r) {
        for (int turn = 0; turn < n; ++turn) {
            // Each program goes first in every other run.
            const int p = (r % 2 == 1) ? turn : n - 1 - turn;
            say(QStringLiteral("run %1 of %2: %3").arg(r).arg(o.runs).arg(o.programs.at(p)));
            QString failure;
            if (!ProgramRun::run(o.programs.at(p), o.run, display, &figures[p], &failure)) {
                say(QStringLiteral("  failed: ") + failure);
                ok = false;
            }
        }
    }

    const Row rows[] = {
        {"start-up: process start to main window drawn", "100 ms", 100, 0, "ms",
         &ProgramRun::Figures::startUp},
        {"start-up in a new folder (skin and results files made)", "150 ms", 150, 0, "ms",
         &ProgramRun::Figures::firstStartUp},
        {"open a paper, first in the process, to its first page drawn", "400 ms", 400, 0, "ms",
         &ProgramRun::Figures::firstPaper},
        {"open another paper", "120 ms", 120, 0, "ms", &ProgramRun::Figures::anotherPaper},
        {"Next or Back to the new page drawn", "17 ms", 17, 1, "ms", &ProgramRun::Figures::move},
        {"Next or Back to the window's first drawing after the click", "", 1e9, 1, "ms",
         &ProgramRun::Figures::moveFirstDrawing},
        {"processor use, main and practice window open, mouse still", "1 %", 1, 2, "%",
         &ProgramRun::Figures::cpu},
        {"memory: resident size of the program process", "150 MB", 150, 0, "MB",
         &ProgramRun::Figures::rss},
        {"memory: PSS of all its processes, browser helpers included", "300 MB", 300, 0, "MB",
         &ProgramRun::Figures::pss}};

    QString header = QStringLiteral("| Figure | Target |");
    QString rule = QStringLiteral("|---|---|");
    for (int p = 0; p < n; ++p) {
        header += QStringLiteral(" %1: median (range, n) |").arg(QChar('A' + p));
        rule += QStringLiteral("---|");
    }
    if (n == 2) {
        header += QStringLiteral(" B / A |");
        rule += QStringLiteral("---|");
    }
    for (int p = 0; p < n; ++p) {
        const QString path = QFileInfo(o.programs.at(p)).absoluteFilePath();
        std::printf("%c: %s\n", 'A' + p, qPrintable(path));
    }
    std::printf("\n%s\n%s\n", qPrintable(header), qPrintable(rule));
    for (const Row &row : rows) {
        const QString target = row.limit < 1e9
                                   ? QLatin1String(row.target) + QStringLiteral(" or less")
                                   : QStringLiteral("-");
        QString line = QStringLiteral("| %1 | %2 |").arg(QLatin1String(row.label), target);
        for (int p = 0; p < n; ++p) {
            const QList<double> &s = figures.at(p).*row.samples;
            const bool met = !s.isEmpty() && median(s) <= row.limit;
            line += QStringLiteral(" %1%2 |").arg(measured(s, row.decimals, row.unit),
                                                  met ? QString() : QStringLiteral(" NOT MET"));
        }
        if (n == 2) {
            const double a = median(figures.at(0).*row.samples);
            const double b = median(figures.at(1).*row.samples);
            line += a > 0 ? QStringLiteral(" %1 |").arg(number(b / a, 2)) : QStringLiteral(" - |");
        }
        std::printf("%s\n", qPrintable(line));
    }
    QString markingLine = QStringLiteral("| marking computation of a 70-blank paper (this "
                                         "source tree, in the bench) | 1 ms or less | %1 |")
                              .arg(measured(marking, 3, "ms"));
    std::printf("%s\n", qPrintable(markingLine));
    QString leftLine = QStringLiteral("| executable files it left in its folder | none |");
    for (int p = 0; p < n; ++p) {
        QStringList names = figures.at(p).executablesLeft;
        names.removeDuplicates();
        leftLine += QStringLiteral(" %1 |").arg(names.isEmpty() ? QStringLiteral("none")
                                                                : names.join(QStringLiteral(", ")));
    }
    std::printf("%s\n", qPrintable(leftLine));
    return ok ? 0 : 1;
}

} // namespace BenchRunner
