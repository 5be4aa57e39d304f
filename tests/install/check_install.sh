#!/usr/bin/env bash
# Installs the built game into a temporary prefix, checks the install tree
# (menu entry, icons, metadata, man page, data), runs the installed program
# headless from a folder without data, and checks the Debian package's
# contents and dependencies.
# Usage: check_install.sh BUILD_DIR CMAKE CPACK
set -euo pipefail
build=$1 cmake=$2 cpack=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }

for f in bin/tolvane share/tolvane/img/icon.png share/tolvane/mid/1.mid share/tolvane/ogg/1.ogg share/tolvane/wav share/tolvane/sf2/quiet.sf2 \
    share/applications/org.tolvane.tolvane.desktop share/metainfo/org.tolvane.tolvane.metainfo.xml \
    share/man/man6/tolvane.6 share/icons/hicolor/scalable/apps/tolvane.svg \
    share/tolvane/screenshots/title.png share/tolvane/screenshots/stage.png share/tolvane/screenshots/stage-select.png; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
for s in 48 128 256; do
  icon=$prefix/share/icons/hicolor/${s}x$s/apps/tolvane.png
  [ -s "$icon" ] || fail "no ${s}px icon"
  # PNG header: width and height are big-endian words at bytes 16 and 20.
  dims=$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')
  [ "$dims" = "$(printf '%08x%08x' "$s" "$s")" ] || fail "the ${s}px icon's header reads $dims"
done
[ -e "$prefix/share/tolvane/.stamp" ] && fail "the build stamp is installed"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/tolvane.svg" || fail "the SVG icon is no SVG"
desktop-file-validate "$prefix/share/applications/org.tolvane.tolvane.desktop" || fail "desktop file"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tolvane.tolvane.metainfo.xml" || fail "metainfo"
head -1 "$prefix/share/man/man6/tolvane.6" | grep -q '^\.TH TOLVANE 6' || fail "man page header"

# The installed game finds its data beside itself: run it from an empty
# folder, starting at the title, whose tune must load.
mkdir "$tmp/elsewhere"
(cd "$tmp/elsewhere" && "$prefix/bin/tolvane" --headless --scene 7 --max-ms 1000 --log "$tmp/game.log") ||
  fail "the installed game exits with status $?"
grep -q 'Startframe' "$tmp/game.log" || fail "the installed game did not reach the title"

# The package: its files and its declared dependencies.
if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null && command -v file >/dev/null; then
  (cd "$build" && "$cpack" -G DEB -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; fail "cpack"; }
  deb=$(ls "$tmp"/pkg/*.deb)
  dpkg-deb -c "$deb" >"$tmp/contents"
  for f in ./usr/bin/tolvane ./usr/share/tolvane/img/icon.png ./usr/share/tolvane/sf2/quiet.sf2 \
      ./usr/share/applications/org.tolvane.tolvane.desktop ./usr/share/metainfo/org.tolvane.tolvane.metainfo.xml \
      ./usr/share/icons/hicolor/256x256/apps/tolvane.png ./usr/share/man/man6/tolvane.6; do
    grep -q " $f\$" "$tmp/contents" || fail "the package lacks $f"
  done
  deps=$(dpkg-deb -f "$deb" Depends)
  for d in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libepoxy0 libpng16-16 fonts-ipaexfont-mincho fonts-texgyre \
      timgm6mb-soundfont; do
    case "$deps" in *"$d"*) ;; *) fail "the package does not depend on $d: $deps" ;; esac
  done
else
  echo "no dpkg-deb, dpkg-shlibdeps or file here: the package is not checked (scripts/install-deps.sh installs them)"
fi
echo "install tree and package: OK"
