#!/usr/bin/env bash
# The Windows game under Wine, on a virtual screen, in a fresh Wine prefix:
#   - the folder holds every DLL the program and its DLLs load;
#   - the stage wins and the whole story replay headless with traces, logs
#     and exit statuses byte for byte those of the native game;
#   - from a folder whose path has spaces and Japanese letters (data found
#     beside the program, Japanese file names opened);
#   - a damaged data file ends the game as it ends the native one (status 1);
#   - two games at once keep both clears in one progress file, each clear
#     kept as a replay, which --verify plays back;
#   - Ctrl+C in the console it was started from ends it as SIGINT does;
#   - in a window: the title is reached, the settings file (in the
#     application data folder) written twice, the second write replacing the
#     first; Alt+F4 ends the game as the close box does; a screenshot is kept.
# The game runs from the prefix's drive C: with Wine's drive Z: (the host's
# files) taken away, so it sees what it would see on Windows: no system
# fonts or soundfonts of the host.
# Usage: run.sh FOLDER NATIVE_BUILD [OUT]  (FOLDER: build-windows/Tolvane;
# NATIVE_BUILD: a native build with its data; OUT keeps the logs and the
# screenshot, by default FOLDER/../wine-test).
set -euo pipefail

FOLDER="$(realpath "$1")"
NATIVE="$(realpath "$2")"
OUT="$(realpath -m "${3:-$FOLDER/../wine-test}")"
HERE="$(cd "$(dirname "$0")" && pwd)"
REPLAYS="$HERE/../replays"

if [ -z "${TOLVANE_WINE_SCREEN:-}" ]; then
  exec env TOLVANE_WINE_SCREEN=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$FOLDER" "$NATIVE" "$OUT"
fi

rm -rf "$OUT"
mkdir -p "$OUT/run"
WORK="$(mktemp -d /tmp/tolvane-wine.XXXXXX)"
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
# This machine has no sound card: ALSA's null device takes the sound.
export ALSA_CONFIG_PATH="$WORK/asound.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$ALSA_CONFIG_PATH"
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$WORK"; }
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
elapsed() { echo "$(( ($(date +%s%N) - $1) / 1000000 )) ms"; }
wait_for() {  # SECONDS COMMAND...: true once COMMAND succeeds
  local until=$((SECONDS + $1)); shift
  while ! "$@" 2>/dev/null; do [ $SECONDS -lt $until ] || return 1; sleep 0.1; done
}
in_file() { grep -q "$2" "$1"; }

t0=$(date +%s%N)
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f >/dev/null 2>&1
wineserver -w
wineserver -p  # one server for every run below
echo "wine prefix made in $(elapsed "$t0")"
rm "$WINEPREFIX/dosdevices/z:"
DRIVE_C="$WINEPREFIX/drive_c"
RUN="$DRIVE_C/run"  # the Windows runs' files, copied to $OUT/run at the end
mkdir -p "$RUN"
cp -r "$FOLDER" "$DRIVE_C/Tolvane"
EXE="$DRIVE_C/Tolvane/tolvane.exe"

# Every DLL imported is in the folder or is part of Windows; none of the
# compiler's runtime DLLs is needed.
SYSTEM32="$WINEPREFIX/drive_c/windows/system32"
for f in "$FOLDER"/*.exe "$FOLDER"/*.dll; do
  for dll in $(x86_64-w64-mingw32-objdump -p "$f" | awk '/DLL Name:/ {print $3}'); do
    if [ -e "$FOLDER/$dll" ]; then continue; fi
    case "${dll,,}" in libgcc* | libstdc++* | libwinpthread*) fail "$(basename "$f") needs $dll" ;; esac
    [ -e "$SYSTEM32/${dll,,}" ] || [ -e "$SYSTEM32/$dll" ] || fail "$(basename "$f") needs $dll, not in the folder"
  done
done
pass "every imported DLL is in the folder or in Windows"

# A headless run of each program; files go to $OUT/run/TAG.*.
native_run() {  # TAG SCENE MAX_MS LANG SCRIPT [more options]
  local tag="$1" scene="$2" max="$3" lang="$4" script="$5"; shift 5
  (cd "$NATIVE/data" && ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy "$NATIVE/tolvane" --headless \
     --lang "$lang" --scene "$scene" --max-ms "$max" --script "$script" --trace "$OUT/run/$tag.trace" \
     --log "$OUT/run/$tag.log" "$@" >/dev/null 2>"$OUT/run/$tag.err" && rc=0 || rc=$?; echo $rc >"$OUT/run/$tag.rc")
}
wine_run() {  # EXE TAG SCENE MAX_MS LANG SCRIPT [more options]; relative paths from $RUN
  local exe="$1" tag="$2" scene="$3" max="$4" lang="$5" script="$6"; shift 6
  (cd "$RUN" && wine "$exe" --headless --lang "$lang" --scene "$scene" --max-ms "$max" --script "$script" \
     --trace "$tag.trace" --log "$tag.log" "$@" >/dev/null 2>"$tag.err" && rc=0 || rc=$?; echo $rc >"$tag.rc")
}
same_as_native() {  # TAG: trace, log and status as the native run's
  local tag="$1" k
  for k in trace log rc; do
    cmp -s "$OUT/run/native.$tag.$k" "$RUN/wine.$tag.$k" || { fail "$tag: the $k differs from native"; return; }
  done
  pass "$tag: trace, log and status as native ($(wc -l <"$RUN/wine.$tag.trace") ticks)"
}

cp "$REPLAYS"/*.txt "$RUN/"
t0=$(date +%s%N)
while read -r name scene max; do
  native_run "native.$name" "$scene" "$max" ja "$REPLAYS/$name"
  wine_run "$EXE" "wine.$name" "$scene" "$max" ja "$name"
  same_as_native "$name"
done <<'LIST'
stage1_win.txt 11 28000
stage2_win.txt 15 46000
stage3_win.txt 19 45000
stage4_win.txt 23 57000
stage5_win.txt 27 81000
stage6_win.txt 31 56000
stage7_win.txt 35 66000
stage8_win.txt 39 72000
stage9_win.txt 43 34000
stage9_win_right.txt 43 31000
LIST
echo "stage wins replayed in $(elapsed "$t0")"

# The whole story, in both languages, from a folder whose path has spaces
# and Japanese letters; the program finds its data beside itself.
ODD="$DRIVE_C/ゲーム フォルダ/Tolvane 遊び"
mkdir -p "$(dirname "$ODD")"
cp -r "$FOLDER" "$ODD"
t0=$(date +%s%N)
for lang in ja en; do
  native_run "native.story.$lang" 0 600000 "$lang" "$REPLAYS/story.txt"
  wine_run "$ODD/tolvane.exe" "wine.story.$lang" 0 600000 "$lang" story.txt
  same_as_native "story.$lang"
done
echo "story replayed twice in $(elapsed "$t0")"

# A damaged sound file: the same message, log and status 1 as natively.
cp -r "$FOLDER/data" "$OUT/run/damaged"
head -c 4096 /dev/urandom >"$OUT/run/damaged/wav/prolog.wav"
cp -r "$OUT/run/damaged" "$RUN/damaged"
: >"$OUT/run/empty.txt"
: >"$RUN/empty.txt"
native_run native.damaged 0 20000 ja "$OUT/run/empty.txt" --data "$OUT/run/damaged"
wine_run "$EXE" wine.damaged 0 20000 ja empty.txt --data damaged
if [ "$(cat "$RUN/wine.damaged.rc")" = 1 ] && cmp -s "$OUT/run/native.damaged.log" "$RUN/wine.damaged.log" &&
   [ "$(tr -d '\r' <"$RUN/wine.damaged.err")" = "$(cat "$OUT/run/native.damaged.err")" ]; then
  pass "a damaged sound file: status 1, $(head -1 "$RUN/wine.damaged.err" | tr -d '\r')"
else
  fail "a damaged sound file: status $(cat "$RUN/wine.damaged.rc"), see $OUT/run/*.damaged.*"
fi
rm -rf "$OUT/run/damaged" "$RUN/damaged"

# Two games at once, each clearing its stage into one progress file (locked
# with LockFileEx): both clears are kept, a killed writer's temporary is gone.
kept=0
for _ in 1 2 3; do
  rm -f "$RUN/progress.ini" && echo half >"$RUN/progress.ini.tmp.999999999"
  wine_run "$EXE" pair1 11 40000 ja stage1_win.txt --progress progress.ini &
  wine_run "$EXE" pair2 15 60000 ja stage2_win.txt --progress progress.ini
  wait
  in_file "$RUN/progress.ini" "^stage1 = " && in_file "$RUN/progress.ini" "^stage2 = " &&
    [ ! -e "$RUN/progress.ini.tmp.999999999" ] && kept=$((kept + 1))
done
[ "$kept" = 3 ] && pass "two games at once kept both clears" || fail "two games at once kept both clears $kept times of 3"

# The clears of the last pair are kept as replays beside the progress; the
# Windows game verifies its own (0), and one without its clicks fails (1).
if in_file "$RUN/replays/stage1-best.txt" "^# Tolvane replay" && in_file "$RUN/replays/stage2-last.txt" "^# stage 2"; then
  pass "the clears are kept as replays"
else
  fail "the clears are kept as replays"
fi
grep -v -e " press " -e " release " "$RUN/replays/stage1-best.txt" >"$RUN/no-clicks.txt" || true
for case in "replays/stage1-best.txt 0" "no-clicks.txt 1" "stage1_win.txt 2"; do
  set -- $case
  (cd "$RUN" && wine "$EXE" --verify "$1" >verify.out 2>verify.err && rc=0 || rc=$?
   [ "$rc" = "$2" ]) && pass "--verify $1: status $2 ($(tr -d '\r' <"$RUN/verify.out"))" || fail "--verify $1: not status $2"
done

# Ctrl+C in the console the game was started from (cmd in a terminal; Wine
# turns SIGINT into the console's Ctrl+C): the game, in a window, closes as
# on SIGINT.
(cd "$RUN" && script -qefc 'wine cmd /c C:\\Tolvane\\tolvane.exe --windowed --log ctrlc.log' \
   /dev/null >/dev/null 2>&1 && echo 0 >ctrlc.rc || echo $? >ctrlc.rc) &
console=$!
game_pid() { pgrep -f '^C:.Tolvane.tolvane.exe --windowed --log ctrlc.log' | head -1; }  # not cmd's
if wait_for 30 grep -q Veskframe "$RUN/ctrlc.log"; then
  kill -INT "$(game_pid)"
fi
wait "$console" || true
if [ "$(cat "$RUN/ctrlc.rc" 2>/dev/null)" = 0 ] && grep -q "closing on SIGINT" "$RUN/ctrlc.log"; then
  pass "Ctrl+C in a console: closed as on SIGINT, status 0"
else
  fail "Ctrl+C in a console (ctrlc.log, status $(cat "$RUN/ctrlc.rc" 2>/dev/null))"
  kill "$(game_pid)" 2>/dev/null || true
fi

# In a window: the title comes (the opening is clicked through), M mutes and
# unmutes (the settings file written twice), Alt+F4 closes.
cd "$RUN"
wine "$EXE" --windowed --bench --log window.log >window.out 2>window.err &
game=$!
wait_for 30 in_file window.log "InitDX8 OK" || fail "no graphics device in a window (window.log)"
wid="$(wait_for 20 xdotool search --name '^Tolvane$' && xdotool search --name '^Tolvane$' | head -1)" || true
if [ -n "$wid" ]; then
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove $((X + 320)) $((Y + 240))
  for _ in $(seq 30); do  # Space skips the opening
    in_file window.log "Startinit" && break
    xdotool keydown space sleep 0.1 keyup space
    sleep 0.5
  done
  in_file window.log "Startinit" && pass "the title in a window" || fail "the title never came (window.log)"
  sleep 1
  xwd -root -silent >"$WORK/shot.xwd" && python3 "$HERE/xwd_to_png.py" "$WORK/shot.xwd" "$OUT/window.png" \
    "$X" "$Y" 640 480 || fail "the window shows nothing (window.png)"
  settings="$(echo "$DRIVE_C"/users/*/AppData/Roaming)/Tolvane/settings.ini"
  xdotool key m
  wait_for 10 in_file "$settings" "muted = 1" || fail "M wrote no settings"
  xdotool key m
  wait_for 10 in_file "$settings" "muted = 0" || fail "the second write did not replace the first"
  if in_file "$settings" "muted = 0" && ! ls "$settings".tmp.* >/dev/null 2>&1; then
    pass "settings written twice in %APPDATA%\\Tolvane, the second replaced the first"
  fi
  xdotool key alt+F4
else
  fail "no window called Tolvane"
fi
if wait_for 15 bash -c "! kill -0 $game"; then
  wait "$game" && pass "Alt+F4 ended the game with status 0" || fail "the window run ended with status $?"
else
  fail "the game did not end on Alt+F4"
  kill "$game" 2>/dev/null || true
fi
echo "the window run: $(tr -d '\r' <window.out | grep bench || true)"
cp "$RUN"/* "$OUT/run/" 2>/dev/null || true

[ "$failures" = 0 ] && echo "ALL PASSED (files in $OUT)" || echo "$failures FAILED (files in $OUT)"
[ "$failures" = 0 ]
