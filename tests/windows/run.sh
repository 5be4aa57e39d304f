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
#   - a progress file another program holds open is written once it is free;
#   - Ctrl+C in the console it was started from ends it as SIGINT does;
#   - in a window: the title is reached, the settings file (in the
#     application data folder) written twice, the second write replacing the
#     first; Alt+F4 ends the game as the close box does; a screenshot is kept;
#   - a fatal error shows the system's message box, drawn, and ends with 1;
#   - a game folder too long to enter says so (status 1), not a music error;
#   - a Japanese display language with no LANG or LC_* gives Japanese;
#   - the window as the settings file left it, under a window manager.
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

# A progress file another program holds open without delete sharing (as
# backup, sync and virus tools do): the clear is not lost but written as
# soon as the file is free (the game tries again every two seconds).
x86_64-w64-mingw32-gcc -O2 -o "$RUN/hold_file.exe" "$HERE/hold_file.c"
printf 'stage2 = 7000\n' >"$RUN/held.ini"
rm -f "$RUN/release"
(cd "$RUN" && wine hold_file.exe held.ini release >/dev/null 2>&1) &
holder=$!
if wait_for 30 test -e "$RUN/held.ini.holding"; then
  wine_run "$EXE" held 11 1200000 ja stage1_win.txt --progress held.ini &
  game=$!
  wait_for 60 in_file "$RUN/held.log" "progress: cannot write" && touch "$RUN/release"
  wait "$game" || true
  if in_file "$RUN/held.log" "progress: cannot write" && [ "$(cat "$RUN/held.rc")" = 0 ] &&
     in_file "$RUN/held.ini" "^stage1 = " && in_file "$RUN/held.ini" "^stage2 = 7000"; then
    pass "a progress file held open: written once it was free"
  else
    fail "a progress file held open (held.log, held.ini, status $(cat "$RUN/held.rc"))"
  fi
else
  fail "the holding program never held the file"
fi
touch "$RUN/release"
wait "$holder" || true

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

# A fatal error in a window: the system's own message box, drawn (light,
# not black), over the game; Enter closes it and the game ends with status 1.
cp -r "$FOLDER/data" "$RUN/nomusic" && rm "$RUN/nomusic/mid/"*
wine "$EXE" --windowed --scene 7 --data nomusic --log errorbox.log >/dev/null 2>errorbox.err &
game=$!
box="$(wait_for 30 xdotool search --name '^ERROR$' && xdotool search --name '^ERROR$' | head -1)" || true
if [ -n "$box" ]; then
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$box")"
  xwd -root -silent >"$WORK/box.xwd"
  python3 "$HERE/xwd_to_png.py" "$WORK/box.xwd" "$OUT/errorbox.png" "$X" "$Y" "$WIDTH" "$HEIGHT" --light &&
    pass "the error box is drawn (errorbox.png)" || fail "the error box is dark or blank (errorbox.png)"
  xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
else
  fail "no error box came (errorbox.log)"
fi
if wait_for 15 bash -c "! kill -0 $game"; then
  wait "$game" && rc=0 || rc=$?
  [ "$rc" = 1 ] && pass "the error box closed, status 1" || fail "the error run ended with status $rc"
else
  fail "the game did not end after its error box"
  kill "$game" 2>/dev/null || true
fi
rm -rf "$RUN/nomusic"

# The game in a folder too long for Windows to enter (343 characters):
# a clear message and status 1, no music error.
LONG="$DRIVE_C/Long"
while [ ${#LONG} -lt $((${#DRIVE_C} + 330)) ]; do LONG+="/a folder of the game, number $(( ${#LONG} % 97 ))"; done
LONG="${LONG:0:$((${#DRIVE_C} + 333))}/Tolvane"
mkdir -p "$LONG" && cp -r "$FOLDER"/* "$LONG/"
long_windows="C:${LONG#"$DRIVE_C"}"
(cd "$RUN" && wine "$LONG/tolvane.exe" --headless --max-ms 3000 --log long.log >/dev/null 2>long.err &&
   echo 0 >long.rc || echo $? >long.rc)
said="$(tr -d '\r' <"$RUN/long.err")"
if [ "$(cat "$RUN/long.rc")" = 1 ] && [[ "$said" == *"cannot enter the game's folder"*"(path too long?)"* ]] &&
   [[ "$said" != *MIDI* ]]; then
  pass "a folder of ${#long_windows} characters: $(head -c 90 <<<"$said")..."
else
  fail "a folder of ${#long_windows} characters: status $(cat "$RUN/long.rc"), said: $said"
fi
rm -rf "$DRIVE_C/Long"

# The language of a Japanese Windows: the user's display language (the
# prefix's locale made Japanese; Wine takes it from the host's locale and
# writes it into the registry), with no LANG or LC_* in the game's
# environment; an English one gives English.
LOCALES="$WORK/locales"
mkdir -p "$LOCALES"
if localedef -i ja_JP -f UTF-8 "$LOCALES/ja_JP.UTF-8" 2>/dev/null; then
  for want in ja en; do
    if [ "$want" = ja ]; then locale=(LOCPATH="$LOCALES" LC_MESSAGES=ja_JP.UTF-8); else locale=(LC_MESSAGES=C.UTF-8); fi
    # cmd clears the variables: the game sees what Windows would give it.
    (cd "$RUN" && env -u LC_ALL -u LANG "${locale[@]}" wine cmd /c \
       "set LC_MESSAGES=& set LOCPATH=& C:\\Tolvane\\tolvane.exe --headless --max-ms 100 --record uilang.$want.txt" \
       >/dev/null 2>&1) || true
    if grep -q -- "--lang $want\b" "$RUN/uilang.$want.txt" 2>/dev/null; then
      pass "display language $want, no LANG: the game in $want"
    else
      fail "display language $want, no LANG: $(grep -o -- '--lang [a-z]*' "$RUN/uilang.$want.txt" 2>/dev/null)"
    fi
  done
else
  fail "no Japanese locale could be made (localedef, package locales)"
fi

# The window as last left, under a window manager: the settings file says
# windowed at scale 1, then full screen; no option overrides it.
settings="$(echo "$DRIVE_C"/users/*/AppData/Roaming)/Tolvane/settings.ini"
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
for kept in "0 640x480" "1 1280x1024"; do
  read -r full size <<<"$kept"
  printf 'fullscreen = %s\r\nwindow_scale = 1\r\n' "$full" >"$settings"
  before="$(cat "$settings")"
  rm -f restored.log
  wine "$EXE" --log restored.log >/dev/null 2>&1 &
  game=$!
  wait_for 30 in_file restored.log "InitDX8 OK" || fail "no graphics device (restored.log)"
  got=""
  for _ in $(seq 50); do
    wid="$(xdotool search --name '^Tolvane$' 2>/dev/null | head -1)" || true
    [ -n "$wid" ] && got="$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
    [ "$got" = "$size" ] && break
    sleep 0.2
  done
  if [ "$full" = 0 ]; then
    xwd -root -silent >"$WORK/restored.xwd"
    python3 "$HERE/xwd_to_png.py" "$WORK/restored.xwd" "$OUT/restored-window.png" 0 0 1280 1024 >/dev/null || true
  fi
  [ "$got" = "$size" ] && pass "fullscreen = $full kept: a $got window" || fail "fullscreen = $full kept: a $got window"
  xdotool key alt+F4
  wait_for 15 bash -c "! kill -0 $game" || kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  [ "$(cat "$settings")" = "$before" ] || fail "fullscreen = $full: the settings file was rewritten"
done
kill "$manager" 2>/dev/null || true
cp "$RUN"/* "$OUT/run/" 2>/dev/null || true

[ "$failures" = 0 ] && echo "ALL PASSED (files in $OUT)" || echo "$failures FAILED (files in $OUT)"
[ "$failures" = 0 ]
