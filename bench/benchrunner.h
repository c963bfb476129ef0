#pragma once
// The bench's runs: each program file given is run the same way (bench/programrun.h), the
// files taking turns run by run so that both meet the same machine state; then the table
// of medians of each, their ratio and the targets. The marking computation is timed in
// the bench's own process, on this source tree's code.

namespace BenchRunner {

// "quorvel-bench [--runs N] [--moves N] [--papers N] [--idle S] PROGRAM [OTHER]": N runs
// of each program (7); per run N Next or Back clicks (5) and N other papers (5); S seconds
// of idle processor use (10).
int run(int argc, char **argv);

} // namespace BenchRunner
