#!/usr/bin/env bash
# The data a web page carries, from a native build's data folder: the same
# files but the headless runs' quiet soundfont, and the effects as Ogg
# Vorbis beside their names (wav/NAME.ogg for wav/NAME.wav; the sound layer
# reads them in the browser), a tenth of the download.
#
#   web-data.sh NATIVE_DATA_DIR OUT_DIR
set -euo pipefail
src="$1" out="$2"
rm -rf "$out"
cp -a "$src" "$out"
rm -rf "$out/sf2"
find "$out" -name .stamp -delete
for wav in "$out"/wav/*.wav; do
  oggenc -Q -q 3 -o "${wav%.wav}.ogg" "$wav"
  rm "$wav"
done
