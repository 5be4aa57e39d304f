#!/usr/bin/env bash
# The data a web page carries, from a native build's data folder: the same
# files but the headless runs' quiet soundfont, with the sounds made smaller
# so the whole page stays under 15 MB to download:
# - the effects as Ogg Vorbis beside their names (wav/NAME.ogg for
#   wav/NAME.wav; the sound layer reads them in the browser), a tenth of the
#   size;
# - the tunes' renderings encoded again at a lower quality (about 55 kb/s
#   instead of 112), their comments (loop points, the tune's hash) kept;
# - the pictures' PNG files recompressed losslessly (optipng: the same
#   pixels, a few per cent smaller), each kept in OUT.png-cache under its
#   own hash so only a changed picture costs the time again.
#
#   web-data.sh NATIVE_DATA_DIR OUT_DIR
set -euo pipefail
src="$1" out="$2"
cache="$out.png-cache"
EFFECTS_QUALITY=3
TUNE_QUALITY=-0.5
rm -rf "$out"
cp -a "$src" "$out"
rm -rf "$out/sf2"
find "$out" -name .stamp -delete
# Each stream's serial is made from its file name (oggenc would draw one at
# random), so every build packs the same bytes.
serial() { echo $(( $(basename "$1" | cksum | cut -d' ' -f1) % 2147483647 )); }
for wav in "$out"/wav/*.wav; do
  oggenc -Q -q "$EFFECTS_QUALITY" -s "$(serial "$wav")" -o "${wav%.wav}.ogg" "$wav"
  rm "$wav"
done
for ogg in "$out"/ogg/*.ogg; do
  [ -e "$ogg" ] || continue
  comments=()
  while IFS= read -r c; do comments+=(-c "$c"); done < <(vorbiscomment -l "$ogg")
  channels=$(ogginfo "$ogg" | sed -n 's/^Channels: //p' | head -1)
  rate=$(ogginfo "$ogg" | sed -n 's/^Rate: //p' | head -1)
  oggdec -Q -R -o - "$ogg" |
    oggenc -Q -r -R "$rate" -C "$channels" -B 16 --raw-endianness 0 -q "$TUNE_QUALITY" \
      "${comments[@]}" -s "$(serial "$ogg")" -o "$ogg.new" -
  mv "$ogg.new" "$ogg"
done
mkdir -p "$cache"
optimise() {
  local png="$1" cache="$2" kept
  kept="$cache/$(sha256sum "$png" | cut -c1-64).png"
  if [ ! -s "$kept" ]; then
    rm -f "$kept.new"
    optipng -quiet -o1 -out "$kept.new" "$png"
    # optipng writes nothing for a file it cannot make smaller.
    [ -s "$kept.new" ] || cp "$png" "$kept.new"
    mv "$kept.new" "$kept"
  fi
  # Never bigger than the file it stands for.
  [ "$(stat -c %s "$kept")" -lt "$(stat -c %s "$png")" ] && cp "$kept" "$png"
  return 0
}
export -f optimise
find "$out" -name '*.png' -print0 | xargs -0 -r -n 1 -P "${JOBS:-2}" bash -c 'optimise "$1" "$0"' "$cache"
