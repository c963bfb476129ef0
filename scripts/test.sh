#!/usr/bin/env bash
# Sets up, builds and runs every test, in four runs:
#   1. every Qt Test in build/;
#   2. the tests of the libraries below the windows again, built with AddressSanitizer and
#      UndefinedBehaviorSanitizer in build-asan/ (undefined behaviour stops a test);
#   3. the record and results readers fuzzed for a bounded time in build-fuzz/ (clang);
#   4. the Debian package built in build-deb/ and checked (scripts/checkpackage.sh).
# The last line sums all four: "N passed, N failed" (the fuzz run and the package check count
# as one test each).
#   FUZZ_SECONDS=600 scripts/test.sh    fuzzes longer (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh

passed=0
failed=0

# Adds the counts of a ctest summary ("95% tests passed, 1 tests failed out of 19") to the
# totals; a run that printed none counts as one failure.
add_ctest_counts() {
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1 || true)
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
    return
  fi
  local bad total
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

# --- 1. every test ---
(cd build && ctest --output-on-failure --timeout 600) 2>&1 | tee build/ctest.log || true
add_ctest_counts build/ctest.log

# --- 2. the libraries' tests under the sanitizers (no widgets, no browser engine) ---
core_tests=(tst_records tst_app tst_results tst_marking tst_reportrules tst_damagedfiles)
core_regex="^($(IFS='|'; echo "${core_tests[*]}"))\$"
echo "== sanitizers: ${core_tests[*]}"
if cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON \
     >/dev/null \
   && cmake --build build-asan --target "${core_tests[@]}"; then
  (cd build-asan \
   && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure --timeout 900 -R "$core_regex") 2>&1 \
    | tee build-asan/ctest.log || true
  add_ctest_counts build-asan/ctest.log
else
  echo "sanitizer build failed"
  failed=$((failed + 1))
fi

# --- 3. fuzzing, seeded with the embedded data files and hand-made results files ---
fuzz_seconds=${FUZZ_SECONDS:-60}
echo "== fuzzing fuzz_records for ${fuzz_seconds} s"
if CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
     -DQUORVEL_FUZZ=ON >/dev/null \
   && cmake --build build-fuzz --target fuzz_records; then
  mkdir -p build-fuzz/corpus build-fuzz/findings
  cp assets/data/*.txt tests/fuzz/seeds/*.txt build-fuzz/corpus/
  # A small quarantine keeps the run quick: every input is written to several files.
  if ASAN_OPTIONS=quarantine_size_mb=16 build-fuzz/tests/fuzz/fuzz_records \
       build-fuzz/corpus -max_total_time="$fuzz_seconds" -print_final_stats=1 \
       -artifact_prefix=build-fuzz/findings/ >build-fuzz/fuzz.log 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' build-fuzz/fuzz.log || true
    passed=$((passed + 1))
  else
    tail -n 60 build-fuzz/fuzz.log
    echo "fuzzing found a failure: the input is in build-fuzz/findings/"
    failed=$((failed + 1))
  fi
else
  echo "fuzz build failed"
  failed=$((failed + 1))
fi

# --- 4. the Debian package, built without its own test run and checked unpacked ---
echo "== package"
package_start=$SECONDS
if bash scripts/checkpackage.sh; then
  passed=$((passed + 1))
else
  echo "the package check failed"
  failed=$((failed + 1))
fi
echo "the package step took $((SECONDS - package_start)) s"

echo "${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
