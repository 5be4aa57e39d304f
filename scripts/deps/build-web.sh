#!/usr/bin/env bash
# Builds the browser game's libraries (zlib, libpng, freetype, SDL2, SDL2_ttf,
# SDL2_mixer with Ogg Vorbis and WAVE) with Emscripten from Debian's source
# packages into a prefix in the cache folder. The prefix is named after the
# package versions and this script's own hash, so a second run skips
# everything and a changed recipe builds afresh.
#
#   build-web.sh            builds what is missing, prints the prefix
#
# Needs the `web` group of scripts/install-deps.sh.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=sources.sh
. "$here/sources.sh"

# Debian's emcc needs these here: its node modules (acorn) live in Debian's
# node folder, and it must run under Debian's python.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
export EMSDK_PYTHON="${EMSDK_PYTHON:-/usr/bin/python3}"
JOBS="${JOBS:-2}"

PACKAGES=(zlib libpng1.6 freetype libsdl2 libsdl2-ttf libsdl2-mixer)

deps_enable_sources
key="$(sha256sum "$0" | cut -c1-12)"
for p in "${PACKAGES[@]}"; do key="$key-$(deps_version "$p")"; done
key="$(echo "$key" | sha256sum | cut -c1-16)"
PREFIX="$DEPS_CACHE/web-$key"
if [ -f "$PREFIX/.complete" ]; then echo "$PREFIX"; exit 0; fi

mkdir -p "$PREFIX" "$DEPS_CACHE/build-web"
log() { echo "build-web: $*" >&2; }

# One CMake project: configured and installed into the prefix, static only.
cmake_dep() {  # NAME SOURCE [cmake options...]
  local name="$1" src="$2" build="$DEPS_CACHE/build-web/$1"
  shift 2
  [ -f "$PREFIX/.done-$name" ] && return 0
  log "$name"
  rm -rf "$build"
  emcmake cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
    -DCMAKE_PREFIX_PATH="$PREFIX" -DCMAKE_FIND_ROOT_PATH="$PREFIX" \
    -DBUILD_SHARED_LIBS=OFF "$@" >"$build.log" 2>&1 ||
    { tail -40 "$build.log" >&2; return 1; }
  cmake --build "$build" -j "$JOBS" >>"$build.log" 2>&1 &&
    cmake --install "$build" >>"$build.log" 2>&1 ||
    { tail -40 "$build.log" >&2; return 1; }
  touch "$PREFIX/.done-$name"
}

# zlib's CMake wants a Windows resource file Debian's tarball lacks.
if [ ! -f "$PREFIX/.done-zlib" ]; then
  log zlib
  src="$(deps_source zlib)"
  build="$DEPS_CACHE/build-web/zlib"
  rm -rf "$build" && cp -a "$src" "$build"
  (cd "$build" && emconfigure ./configure --static --prefix="$PREFIX" &&
    emmake make -j "$JOBS" libz.a && emmake make install) >"$build.log" 2>&1 ||
    { tail -40 "$build.log" >&2; exit 1; }
  touch "$PREFIX/.done-zlib"
fi

cmake_dep libpng "$(deps_source libpng1.6)" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_ROOT="$PREFIX" -DZLIB_LIBRARY="$PREFIX/lib/libz.a" -DZLIB_INCLUDE_DIR="$PREFIX/include"

cmake_dep freetype "$(deps_source freetype)" \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_BROTLI=ON \
  -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON \
  -DZLIB_LIBRARY="$PREFIX/lib/libz.a" -DZLIB_INCLUDE_DIR="$PREFIX/include"

cmake_dep sdl2 "$(deps_source libsdl2)" \
  -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF

cmake_dep sdl2_ttf "$(deps_source libsdl2-ttf)" \
  -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_SAMPLES=OFF \
  -DSDL2_DIR="$PREFIX/lib/cmake/SDL2" \
  -DFREETYPE_LIBRARY="$PREFIX/lib/libfreetype.a" \
  -DFREETYPE_INCLUDE_DIRS="$PREFIX/include/freetype2"

cmake_dep sdl2_mixer "$(deps_source libsdl2-mixer)" \
  -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_WAVE=ON -DSDL2MIXER_OPUS=OFF \
  -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_CMD=OFF \
  -DSDL2_DIR="$PREFIX/lib/cmake/SDL2"

touch "$PREFIX/.complete"
echo "$PREFIX"
