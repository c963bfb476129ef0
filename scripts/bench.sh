#!/usr/bin/env bash
# Builds the program and the benchmark (Release, build/) and runs program files as a pupil
# does, on a private X server: the table of medians against the targets on stdout, progress
# on stderr. Given two program files, it runs them by turns and adds their ratio. About
# 25 seconds per run of each program file.
#   scripts/bench.sh [--runs N] [--moves N] [--papers N] [--idle S] [PROGRAM [OTHER]]
#   e.g. scripts/bench.sh /tmp/landed/build/program/quorvel build/program/quorvel
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh quorvel quorvel-bench
build=${QUORVEL_BUILD_DIR:-build}
args=("$@")
has_program=0
for ((k = 0; k < ${#args[@]}; k++)); do
  case "${args[k]}" in
    --*) k=$((k + 1)) ;;
    *) has_program=1 ;;
  esac
done
[ "$has_program" = 1 ] || args+=("$build/program/quorvel")
# The screen the practice window's layout is measured on (see bench/programrun.cpp).
exec xvfb-run -a -s '-screen 0 1366x900x24' "$build/bench/quorvel-bench" "${args[@]}"
