#pragma once
// One run of one program file, as a pupil uses it: the file is copied alone into a fresh
// temporary folder and started there on the bench's X display; the bench clicks its
// buttons through the X server and times what the server shows. In order: start-up (process
// start to main window drawn), the first paper (click to its first page on screen), the
// processor use and memory while both windows idle, moves to the next or previous
// question, other papers, and closing the main window (the program must end cleanly and
// what it leaves in its folder is listed); then it is started again in the same folder, as on
// every day after the first (the results files are there), and closed.

#include "bench/xdisplay.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ProgramRun {

struct Options
{
    int moves = 5;       // Next or Back clicks
    int papers = 5;      // other papers opened
    int idleSeconds = 10;
};

struct Figures
{
    QList<double> firstStartUp, startUp, firstPaper, anotherPaper, move; // ms
    QList<double> moveFirstDrawing; // ms from a Next or Back click to the window's first drawing
    QList<double> cpu;              // % of one core
    QList<double> rss, pss;         // MB
    QStringList executablesLeft; // in its folder after closing, besides the program file
};

// Adds this run's figures to figures; false with the reason in failure when a step failed
// (the figures of the steps before it are kept).
bool run(const QString &program, const Options &options, XDisplay &display, Figures *figures,
         QString *failure);

} // namespace ProgramRun
