#!/usr/bin/env bash
# Cross-compiles the game for the browser into OUT (index.html, .js, .wasm,
# packs/ and packs.js, the page's storage.js, touch.js, replays.js, manifest and icons,
# and last sw.js, the service worker that keeps them all) with the data and
# the program of a native build (its data folder's parent holds the program);
# the libraries come from scripts/deps/build-web.sh. Its CMake tree is
# OUT-tree beside OUT. Every file worth it gets .br and .gz copies beside it
# (scripts/web-compress.sh).
#
#   web-build.sh NATIVE_DATA_DIR OUT_DIR
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: web-build.sh NATIVE_DATA_DIR OUT_DIR" >&2; exit 2; }
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
data="$1" out="$2"
[ -f "$data/.stamp" ] || { echo "web-build: no generated data in $data (build the native game first)" >&2; exit 2; }
game="$(cd "$data/.." && pwd)/tolvane"
[ -x "$game" ] || { echo "web-build: no native program beside $data (build the native game first)" >&2; exit 2; }

# Debian's emcc needs these here (see scripts/deps/build-web.sh).
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
export EMSDK_PYTHON="${EMSDK_PYTHON:-/usr/bin/python3}"
prefix="$("$here/deps/build-web.sh")"
emcmake cmake -S "$root" -B "$out-tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTOLVANE_WEB_PREFIX="$prefix" -DTOLVANE_NATIVE_DATA="$data" -DTOLVANE_NATIVE_GAME="$game" \
  -DTOLVANE_WEB_OUT="$out" >/dev/null
cmake --build "$out-tree" -j "${JOBS:-2}"
rm -f "$out/index.data"  # an older build's single package
# The page's own scripts and manifest, and its icons from the native
# generator beside the data.
cp "$root/web/storage.js" "$root/web/touch.js" "$root/web/replays.js" "$root/web/manifest.webmanifest" "$out/"
"$(dirname "$data")/tools/assetgen/assetgen" --web-icons "$out"
"$here/web-compress.sh" "$out"
# Last, once the folder holds every file: the service worker that keeps them.
python3 "$here/web-sw.py" "$out"
