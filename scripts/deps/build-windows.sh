#!/usr/bin/env bash
# Builds the libraries the Windows game needs (SDL2, libpng, freetype,
# SDL2_ttf, SDL2_mixer, epoxy) from Debian's source packages with MinGW-w64,
# as DLLs into a prefix in the dependency cache. zlib is Debian's own
# libz-mingw-w64-dev. The prefix is named after the source versions and a
# hash of this script and the toolchain file, so a second run skips
# everything and a change to either builds afresh.
#
#   build-windows.sh    builds what is missing, prints the prefix
#
# Output of the builds goes to <prefix>.log/; only the prefix goes to stdout.
set -euo pipefail

HERE="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"
JOBS="${JOBS:-2}"
# shellcheck source=sources.sh
source "$HERE/sources.sh"

PACKAGES=(libsdl2 libpng1.6 freetype libsdl2-ttf libsdl2-mixer libepoxy)
deps_enable_sources
key="$( { for p in "${PACKAGES[@]}"; do echo "$p $(deps_version "$p")"; done
          cat "$0" "$TOOLCHAIN"; } | sha256sum | cut -c1-12)"
PREFIX="$DEPS_CACHE/windows-$key"
LOGS="$PREFIX.log"
if [ -f "$PREFIX/.complete" ]; then echo "$PREFIX"; exit 0; fi
mkdir -p "$PREFIX" "$LOGS"
export TOLVANE_WINDOWS_PREFIX="$PREFIX"
export PKG_CONFIG_LIBDIR="$PREFIX/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig"

# One step per package; a finished step leaves a stamp, so an interrupted
# run carries on where it stopped.
step() {
  local name="$1"; shift
  [ -f "$PREFIX/.done-$name" ] && return 0
  echo "deps: building $name for Windows (log: $LOGS/$name.log)" >&2
  local start=$SECONDS
  if ! "$@" >"$LOGS/$name.log" 2>&1; then
    echo "deps: $name failed; the end of its log:" >&2
    tail -30 "$LOGS/$name.log" >&2
    exit 1
  fi
  echo "deps: $name took $((SECONDS - start)) s" >&2
  touch "$PREFIX/.done-$name"
}

cmake_package() {  # SOURCE_DIR NAME CMAKE_OPTIONS...
  local src="$1" name="$2"; shift 2
  local build="$PREFIX.build/$name"
  rm -rf "$build"
  cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_PREFIX_PATH="$PREFIX" \
    -DBUILD_SHARED_LIBS=ON "$@"
  cmake --build "$build" -j "$JOBS"
  cmake --install "$build"
  rm -rf "$build"
}

build_epoxy() {
  local src="$1" build="$PREFIX.build/epoxy" cross="$PREFIX.build/mingw.cross"
  mkdir -p "$PREFIX.build"
  cat >"$cross" <<'CROSS'
[binaries]
c = 'x86_64-w64-mingw32-gcc-win32'
ar = 'x86_64-w64-mingw32-ar'
strip = 'x86_64-w64-mingw32-strip'
windres = 'x86_64-w64-mingw32-windres'
pkgconfig = 'pkg-config'

[host_machine]
system = 'windows'
cpu_family = 'x86_64'
cpu = 'x86_64'
endian = 'little'
CROSS
  rm -rf "$build"
  meson setup "$build" "$src" --cross-file "$cross" --prefix "$PREFIX" \
    --libdir lib --buildtype release -Dglx=no -Degl=no -Dx11=false \
    -Dtests=false -Ddocs=false
  ninja -C "$build" -j "$JOBS"
  ninja -C "$build" install
  rm -rf "$build"
}

step SDL2 cmake_package "$(deps_source libsdl2)" SDL2 \
  -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
step libpng cmake_package "$(deps_source libpng1.6)" libpng \
  -DPNG_SHARED=ON -DPNG_STATIC=OFF -DPNG_TESTS=OFF
step freetype cmake_package "$(deps_source freetype)" freetype \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_BROTLI=ON \
  -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON
step SDL2_ttf cmake_package "$(deps_source libsdl2-ttf)" SDL2_ttf \
  -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_SAMPLES=OFF
# Tunes play from their Vorbis renderings and effects are WAVE: nothing else.
step SDL2_mixer cmake_package "$(deps_source libsdl2-mixer)" SDL2_mixer \
  -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_CMD=OFF \
  -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_WAVE=ON -DSDL2MIXER_OPUS=OFF \
  -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_WAVPACK=OFF
step epoxy build_epoxy "$(deps_source libepoxy)"

rm -rf "$PREFIX.build"
touch "$PREFIX/.complete"
echo "$PREFIX"
