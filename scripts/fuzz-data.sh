#!/usr/bin/env bash
# Damaged data files, as many as wanted: runs the suite's data-file fuzz test
# and the settings and progress readers' one
# (the same seeded generator) for CASES cases from SEED, and CASES/10 rounds
# of a damaged progress file written by two games at once. Each case must end in
# a clean error or play on; the run stops at the first that does not, naming
# it (seed and case number) so that it can be run again alone with
# TOLVANE_FUZZ_FIRST=N TOLVANE_FUZZ_CASES=1.
# Usage: scripts/fuzz-data.sh [CASES] [SEED] [BUILD_DIR]
#   BUILD_DIR defaults to build-test, the sanitizer build of `make test`.
set -euo pipefail
cases=${1:-10000}
seed=${2:-1}
build=${3:-build-test}
tests="$build/tests/tolvane_tests"
[ -x "$tests" ] || { echo "no $tests: run 'make test' (or build $build) first" >&2; exit 2; }
cd "$build/data"
export TOLVANE_FUZZ_CASES="$cases" TOLVANE_FUZZ_SEED="$seed" TOLVANE_FUZZ_SCENE_EVERY="${TOLVANE_FUZZ_SCENE_EVERY:-8}"
export SDL_AUDIODRIVER=dummy ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
exec "../tests/tolvane_tests" --gtest_filter='DataFuzz.*:KeptFilesFuzz.*'
