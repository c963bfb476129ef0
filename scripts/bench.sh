#!/usr/bin/env bash
# Builds the benchmark program (Release, build/) and runs it: the table of medians against
# the targets on stdout, progress on stderr. Takes about two minutes.
#   scripts/bench.sh [--runs N] [--repeats N] [--idle SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh quorvel-bench
exec "${QUORVEL_BUILD_DIR:-build}/bench/quorvel-bench" "$@"
