#!/usr/bin/env bash
# The suite's monkey test for longer: seeded random input from start-up and
# from every stage, MINUTES of game time from each start point (an hour by
# default), with the game's invariants checked after every frame. It runs on
# the virtual clock, so an hour of game time takes well under a minute.
# Usage: scripts/monkey-soak.sh [MINUTES] [SEED] [BUILD_DIR]
#   BUILD_DIR defaults to build-test, the sanitizer build of `make test`.
set -euo pipefail
minutes=${1:-60}
seed=${2:-1}
build=${3:-build-test}
tests="$build/tests/tolvane_tests"
[ -x "$tests" ] || { echo "no $tests: run 'make test' (or build $build) first" >&2; exit 2; }
cd "$build/data"
export TOLVANE_MONKEY_MS=$(( minutes * 60000 )) TOLVANE_MONKEY_SEED="$seed"
export SDL_AUDIODRIVER=dummy ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
exec "../tests/tolvane_tests" --gtest_filter='*Monkey.*'
