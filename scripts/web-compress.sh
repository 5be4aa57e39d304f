#!/usr/bin/env bash
# Compressed copies of the page's files, made once at build time so a
# server sends them as they are (Content-Encoding: br or gzip): NAME.br
# (brotli, its best) and NAME.gz (zopfli, the smallest gzip) beside each
# file they make smaller. A copy newer than its file is kept; copies whose
# file is gone are removed. Prints what the page downloads, raw and either way.
#
#   web-compress.sh WEB_DIR
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: web-compress.sh WEB_DIR" >&2; exit 2; }
dir="$1"
for tool in brotli zopfli; do
  command -v "$tool" >/dev/null || { echo "web-compress: $tool is missing (scripts/install-deps.sh web)" >&2; exit 2; }
done

while IFS= read -r -d '' copy; do
  [ -e "${copy%.*}" ] || rm -f "$copy"
done < <(find "$dir" -type f \( -name '*.br' -o -name '*.gz' \) -print0)

# One file: both copies, each dropped when it saves nothing.
compress() {
  local f="$1"
  if [ ! "$f.br" -nt "$f" ]; then
    brotli -f -q 11 -w 24 -o "$f.br" "$f"
    [ "$(stat -c %s "$f.br")" -lt "$(stat -c %s "$f")" ] || rm -f "$f.br"
  fi
  if [ ! "$f.gz" -nt "$f" ]; then
    zopfli -c --i5 "$f" > "$f.gz"
    [ "$(stat -c %s "$f.gz")" -lt "$(stat -c %s "$f")" ] || rm -f "$f.gz"
  fi
}
export -f compress
find "$dir" -type f ! -name '*.br' ! -name '*.gz' ! -name '*.png' ! -name '*.ico' -print0 |
  xargs -0 -r -n 1 -P "${JOBS:-2}" bash -c 'compress "$0"'

# What a first visit downloads: every file but the compressed copies.
raw=0 gz=0 br=0
while IFS= read -r -d '' f; do
  size=$(stat -c %s "$f")
  raw=$((raw + size))
  gz=$((gz + $( [ -e "$f.gz" ] && stat -c %s "$f.gz" || echo "$size")))
  br=$((br + $( [ -e "$f.br" ] && stat -c %s "$f.br" || echo "$size")))
done < <(find "$dir" -type f ! -name '*.br' ! -name '*.gz' -print0)
echo "web-build: $dir: $((raw / 1024)) KiB to download; gzip $((gz / 1024)) KiB; brotli $((br / 1024)) KiB"
