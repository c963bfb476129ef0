#pragma once
// The bench's parent: runs the children for the figures that need a process of their own
// (start-up, first paper, idle processor use, memory) and one for the in-process page
// figures, times the marking computation itself, and prints the table of medians.

namespace BenchRunner {

// Options: --runs N (process-level runs, 7), --repeats N (in-process repeats, 30),
// --idle S (seconds of idle processor use, 10).
int run(int argc, char **argv);

} // namespace BenchRunner
