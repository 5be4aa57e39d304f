#!/usr/bin/env bash
# Screenshots of scenes as a player sees them, for looking at the game's
# pictures: every stage shortly after its start, the title, and the prologue.
# Usage: scripts/shots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
build=${1:-build}
out=${2:-$build/shots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
shoot() {  # name scene ms
  local script
  script=$(mktemp)
  printf '%s move 320 300\n%s shot %s/%s.png\n' 0 "$3" "$out" "$1" >"$script"
  "$build/tolvane" --headless --data "$build/data" --scene "$2" --max-ms $(( $3 + 100 )) --script "$script"
  rm -f "$script"
}
for k in 1 2 3 4 5 6 7 8 9; do
  scene=$(( k <= 4 ? 7 + 4 * k : 0 ))
  case $k in 5) scene=27 ;; 6) scene=31 ;; 7) scene=35 ;; 8) scene=39 ;; 9) scene=43 ;; esac
  shoot "stage$k-banner" "$scene" 900
  shoot "stage$k" "$scene" 3000
done
shoot title 7 1500
shoot prologue 5 36000
echo "shots in $out"
