// The benchmark program: times the real windows offscreen on the embedded content and
// prints a table of medians against the targets. "quorvel-bench [--runs N] [--repeats N]
// [--idle S]"; it starts itself again with "--child" for the figures that need a process
// of their own.

#include "bench/benchchild.h"
#include "bench/benchrunner.h"

#include <cstring>

int main(int argc, char *argv[])
{
    if (argc >= 5 && std::strcmp(argv[1], "--child") == 0)
        return BenchChild::run(argc, argv, QString::fromLocal8Bit(argv[2]),
                               QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    return BenchRunner::run(argc, argv);
}
