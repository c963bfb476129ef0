#pragma once
// The bench's child process. It starts the program as program/main.cpp does, on the program
// folder it is given, drives the real windows and reports on stdout, one "name value" line
// per figure. Modes:
//   session  start-up, then the first paper (browser engine starting); then "ready", and it
//            idles with both windows open until a line or the end of stdin
//   pages    start-up and first paper, then repeats x opening another paper and
//            repeats x moving to the next question

#include <QString>

namespace BenchChild {

int run(int argc, char **argv, const QString &mode, const QString &folder, int repeats);

} // namespace BenchChild
