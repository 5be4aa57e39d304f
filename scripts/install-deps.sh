#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the game.
# Only what is missing is installed; uses sudo when not run as root.
#   install-deps.sh            the native game and its tests
#   install-deps.sh web        also the browser build and its tests
#   install-deps.sh windows    also the Windows build and its tests
#   install-deps.sh all        everything (what `make test` uses)
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libepoxy-dev libx11-dev
  libpng-dev zlib1g-dev
  libgtest-dev googletest
  libgl1-mesa-dri libegl1 libegl-mesa0 libgl1
  libfluidsynth3 musescore-general-soundfont-small timgm6mb-soundfont
  fluidsynth vorbis-tools
  xvfb xauth xdotool xfonts-base x11-utils openbox
  python3 python3-fonttools
  desktop-file-utils appstream dpkg-dev file
  fonts-ipaexfont-mincho fonts-ipaexfont-gothic fonts-texgyre
)
# Both other platforms: their sources built from Debian's source packages
# (the tunes rendered at build time are in the base set).
CROSS_PACKAGES=(fluidsynth vorbis-tools dpkg-dev ninja-build)
WEB_PACKAGES=(emscripten chromium python3-websocket optipng brotli zopfli)
WINDOWS_PACKAGES=(mingw-w64 wine64 wine libz-mingw-w64-dev meson x11-apps locales)

for group in "$@"; do
  case "$group" in
    web) PACKAGES+=("${CROSS_PACKAGES[@]}" "${WEB_PACKAGES[@]}") ;;
    windows) PACKAGES+=("${CROSS_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}") ;;
    all) PACKAGES+=("${CROSS_PACKAGES[@]}" "${WEB_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}") ;;
    *) echo "install-deps.sh: unknown group '$group' (web, windows, all)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
    echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
