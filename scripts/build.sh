#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ with Ninja.
#   scripts/build.sh [TARGET...]      (QUORVEL_BUILD_DIR=DIR builds into DIR instead)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir=${QUORVEL_BUILD_DIR:-build}
# With the generators, so the tests check the committed skin is what skingen draws.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TOOLS=ON >/dev/null
cmake --build "$build_dir" ${1:+--target "$@"}
