#!/usr/bin/env bash
# Benchmark: per scene kind, frame CPU (median, p99) with every frame drawn,
# headless game time against wall time with frames skipped, start-up to the
# first frame, a stage's restart (the reset button), and peak memory.
# Usage: scripts/bench.sh [BUILD_DIR]   (a release build: make build)
# The output is one table whose columns never change, so runs can be diffed.
set -euo pipefail
build=${1:-build}
bin="$build/tolvane"
data="$build/data"
[ -x "$bin" ] || { echo "bench: no $bin (run: make build)" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf '0 move 320 300\n3000 click 384 448\n' >"$tmp/reset"   # the reset button
printf '0 move 320 300\n' >"$tmp/still"

field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$2"; }

printf '%-12s %5s %8s %8s %8s %8s %9s %9s %9s\n' kind scene cpu_med cpu_p99 speed first restart rss_skip rss_draw
printf '%-12s %5s %8s %8s %8s %8s %9s %9s %9s\n' "" "" us us x ms ms MB MB
row() {  # kind scene ms script is_stage
  local drawn skipped speed restart
  drawn=$("$bin" --headless --lang ja --render --bench --data "$data" --scene "$2" --max-ms "$3" --script "$tmp/$4" --log /dev/null)
  skipped=$("$bin" --headless --lang ja --bench --data "$data" --scene "$2" --max-ms "$3" --script "$tmp/$4" --log /dev/null)
  speed=$(awk -v g="$(field game_ms "$skipped")" -v w="$(field wall_ms "$skipped")" 'BEGIN{printf "%.0f", g / (w > 0 ? w : 1)}')
  restart=-
  [ "$5" = 1 ] && restart=$(field slowest_later_cpu_ms "$drawn")
  printf '%-12s %5s %8s %8s %8s %8s %9s %9.1f %9.1f\n' "$1" "$2" \
    "$(field cpu_median_us "$drawn")" "$(field cpu_p99_us "$drawn")" "$speed" \
    "$(field first_frame_ms "$drawn")" "$restart" \
    "$(awk -v k="$(field peak_rss_kb "$skipped")" 'BEGIN{print k / 1024}')" \
    "$(awk -v k="$(field peak_rss_kb "$drawn")" 'BEGIN{print k / 1024}')"
}
row title 7 3000 still 0
row talk 9 3000 still 0
for k in 1 2 3 4 5 6 7 8 9; do row "stage$k" $(( 7 + 4 * k )) 5000 reset 1; done
row stage-select 45 3000 still 0
row ending 57 3000 still 0
