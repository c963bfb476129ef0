// The benchmark: runs the program files it is given as a pupil does, on the X display it
// runs on, and prints a table of medians against the targets (see bench/benchrunner.h).

#include "bench/benchrunner.h"

int main(int argc, char *argv[])
{
    return BenchRunner::run(argc, argv);
}
