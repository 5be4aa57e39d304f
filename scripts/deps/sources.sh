#!/usr/bin/env bash
# Sourced by the dependency builders: Debian source packages unpacked into a
# cache folder outside the source tree, one folder per package and version,
# so a second build finds them there.
#
#   deps_source PACKAGE     prints the unpacked source folder of PACKAGE
#
# The cache is $TOLVANE_DEPS_CACHE, by default ~/.cache/tolvane-deps.

DEPS_CACHE="${TOLVANE_DEPS_CACHE:-$HOME/.cache/tolvane-deps}"

deps_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs a deb-src entry; add one beside Debian's own list.
deps_enable_sources() {
  if apt-cache showsrc zlib 2>/dev/null | grep -q '^Package:'; then return 0; fi
  local list=/etc/apt/sources.list.d/tolvane-deb-src.sources
  deps_sudo tee "$list" >/dev/null <<'LIST'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
LIST
  deps_sudo apt-get update -qq
}

deps_version() {  # the candidate source version of PACKAGE
  apt-cache showsrc "$1" | awk '/^Version:/ {print $2; exit}'
}

deps_source() {
  local pkg="$1" version dir
  deps_enable_sources
  version="$(deps_version "$pkg")"
  [ -n "$version" ] || { echo "deps: no source package '$pkg'" >&2; return 1; }
  dir="$DEPS_CACHE/src/$pkg-$version"
  mkdir -p "$DEPS_CACHE/src"
  # Both cross builders may ask for the same package at once: one unpacks.
  exec {lock}>"$dir.lock"
  flock "$lock"
  if [ ! -f "$dir/.unpacked" ]; then
    rm -rf "$dir" "$dir.dl"
    mkdir -p "$dir.dl"
    (cd "$dir.dl" && apt-get source --download-only -qq "$pkg=$version" >&2)
    (cd "$dir.dl" && dpkg-source -x --no-check ./*.dsc "$dir" >&2) ||
      { # some tarballs carry no usable Debian part: unpack the original alone
        mkdir -p "$dir" && tar -xf "$dir.dl"/*.orig.tar.* -C "$dir" --strip-components=1; }
    rm -rf "$dir.dl"
    touch "$dir/.unpacked"
  fi
  exec {lock}>&-
  echo "$dir"
}
