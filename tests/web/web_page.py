#!/usr/bin/python3
"""The browser build in headless Chromium, driven over its DevTools protocol:
the page reaches the title and a click starts the story, and its sound; the
full-screen button, F11 and Alt+Enter switch full screen; replays in the page
give the native traces byte for byte; settings survive a reload; shots of the
title and of stage 1 are saved; the game's bench figures are printed.

    web_page.py WEB_DIR NATIVE_BIN NATIVE_DATA REPLAY_DIR OUT_DIR
"""
import os
import subprocess
import sys
import tempfile
import time

from page_driver import browser, check, q, summary

# The replays the page plays headless: name, first scene, run length (ms).
REPLAYS = [("stage1_win.txt", 11, 28000), ("story.txt", 0, 600000)]
TITLE_START = (320, 300)  # somewhere on the cover; the title's start button is below


def native_trace(native_bin, data_dir, name, scene, max_ms, replay_dir, lang):
    with tempfile.TemporaryDirectory() as tmp:
        trace = os.path.join(tmp, "trace")
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", SDL_AUDIODRIVER="dummy")
        subprocess.run([native_bin, "--headless", "--lang", lang, "--scene", str(scene), "--max-ms", str(max_ms),
                        "--script", os.path.join(replay_dir, name), "--trace", trace],
                       cwd=data_dir, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        with open(trace) as f:
            return f.read()


def main(argv):
    web_dir, native_bin, native_data, replay_dir, out_dir = map(os.path.abspath, argv[1:6])
    os.makedirs(out_dir, exist_ok=True)
    with browser(web_dir, replay_dir) as (page, base):
        run_checks(page, base, native_bin, native_data, replay_dir, out_dir)
    return summary("web page")


def run_checks(page, base, native_bin, native_data, replay_dir, out_dir):
    # The page loads, a click on the cover starts the game, and the opening
    # runs on to the title (the game's log on the console).
    page.open(base + q("--log -"))
    check(page.wait("document.getElementById('cover').classList.contains('ready')", 60), "the page loads its data")
    ready = time.monotonic() - page.t0
    silent = page.audio_state()
    page.click(*TITLE_START)
    check(page.wait("window.tolvane.started", 20), "a click on the cover starts the game")
    # The browser holds sound back until a click: the cover's click is the one.
    check(silent != "running" and page.wait("Module.SDL2.audioContext.state === 'running'", 5),
          f"the cover's click starts the sound ({silent}, then {page.audio_state()})")
    # Space races through the opening to the title.
    page.call("Input.dispatchKeyEvent", type="keyDown", key=" ", code="Space", windowsVirtualKeyCode=32)
    title = page.wait_console("Startinit", 60)
    page.call("Input.dispatchKeyEvent", type="keyUp", key=" ", code="Space", windowsVirtualKeyCode=32)
    check(title is not None, "the opening runs on to the title")
    # The title fades in over 51 frames, then takes clicks.
    page.wait_console_count("Startframe", 70, 60)
    page.shot(os.path.join(out_dir, "web_title.png"))
    # Full screen shows the picture's box (the canvas's container): the button
    # switches it on (full screen covers the button), F11 off, Alt+Enter on,
    # F11 off again; the game sees none of them.
    switches, stored = [], page.eval("window.tolvane.stored || 0")
    for what in ("button", "F11", "Alt+Enter", "F11"):
        if what == "button":
            page.click(*page.element_centre("full"))
        elif what == "F11":
            page.key("F11", "F11", 122)
        else:
            page.key("Enter", "Enter", 13, modifiers=1)
        page.wait("document.fullscreenElement " + ("=== null" if switches and switches[-1] else "!== null"), 5)
        switches.append(page.full_screen())
    check(switches == ["stage", None, "stage", None], f"the button, F11 and Alt+Enter switch full screen ({switches})")
    # The game would store its full-screen setting had it seen a key.
    check(page.eval("window.tolvane.stored || 0") == stored, "the game sees none of the full-screen keys")
    # A page is not closed by the game: the title's quit comes back to the
    # title, and Escape (the browser's key to leave full screen) does nothing.
    page.click(*page.canvas_point(*TITLE_QUIT))
    check(page.wait_console_count("Startinit", 2, 30) and not page.eval("window.tolvane.ended"),
          "the title's quit returns to the title")
    page.key("Escape", "Escape", 27)
    page.wait_console_count("Startframe", 160, 60)
    check(sum("Startinit" in line for _, line in page.console) == 2 and not page.eval("window.tolvane.ended"),
          "Escape in a page leaves the game where it is")
    # The title's start button begins the story.
    page.click(*page.canvas_point(*TITLE_BUTTON))
    check(page.wait_console("Talk0Init", 30) is not None, "the title's start button begins the story")

    # The page's first frame of the title, started at once (no cover), its
    # files fetched afresh.
    page.call("Network.enable")
    page.call("Network.setCacheDisabled", cacheDisabled=True)
    page.open(base + q("--log - --scene 7", autostart="1"))
    first = page.wait_console("Startframe", 30)
    check(first is not None, "a page started at the title draws it")
    page.call("Network.disable")
    print(f"     figure: page load to the data ready {ready:.2f} s; to the title's first frame {first or -1:.2f} s",
          flush=True)

    # Stage 1, shot a few seconds in. Started without a click, it is silent
    # until the first one.
    page.start(base + q("--scene 11", autostart="1"))
    page.pump(4)
    page.shot(os.path.join(out_dir, "web_stage1.png"))
    silent = page.audio_state()
    page.click(*page.canvas_point(320, 100))
    check(silent == "suspended" and page.wait("Module.SDL2.audioContext.state === 'running'", 5),
          f"a page started without a click starts its sound at the first ({silent}, then {page.audio_state()})")

    # Replays in the page: traces byte for byte as the native game writes them.
    for name, scene, max_ms in REPLAYS:
        for lang in ("ja", "en") if name == "story.txt" else ("ja",):
            args = f"--headless --lang {lang} --scene {scene} --max-ms {max_ms} --trace /run/trace.txt"
            page.open(base + q(args, script="/replays/" + name))
            started = time.monotonic()
            ended = page.wait("window.tolvane.ended", 300)
            took = time.monotonic() - started
            web = page.eval("window.tolvane.files.trace") if ended else None
            native = native_trace(native_bin, native_data, name, scene, max_ms, replay_dir, lang)
            if web != native and web is not None:
                with open(os.path.join(out_dir, f"web_{name}.{lang}.trace"), "w") as f:
                    f.write(web)
            check(ended and web == native and len(native) > 0,
                  f"{name} ({lang}) in the page: the native trace, byte for byte ({took:.1f} s)")

    # Settings: the music made quieter, the page reloaded, still quieter.
    settings = "/home/web_user/.config/tolvane/settings.ini"
    page.start(base + q("", autostart="1"))
    page.pump(0.5)
    stored = page.eval("window.tolvane.stored || 0")
    page.key("-", "Minus", 189)
    check(page.wait(f"(window.tolvane.stored || 0) > {stored}", 10), "a changed setting is stored")
    page.open(base + q(""))
    page.wait("document.getElementById('cover').classList.contains('ready')", 60)
    text = page.read_file(settings)
    check("music_volume=90" in text.replace(" ", ""), "the setting is still there after a reload")

    # Frame times of the title and of stage 1, from the game's bench line;
    # started from the cover, as a player starts them, so their sound plays.
    for label, scene in (("title", 7), ("stage 1", 11)):
        page.open(base + q(f"--bench --max-ms 8000 --scene {scene}"))
        page.wait("document.getElementById('cover').classList.contains('ready')", 60)
        page.click(*TITLE_START)
        at = page.wait_console("bench frames=", 60)
        line = next((text for _, text in page.console if "bench frames=" in text), "")
        check(at is not None, f"the {label} benchmark runs in the page")
        fields = dict(f.split("=", 1) for f in line.split()[1:] if "=" in f)
        run_ms = float(fields.get("wall_ms", 0)) - float(fields.get("first_frame_ms", 0))
        fps = (int(fields.get("frames", 1)) - 1) * 1000 / max(1.0, run_ms)
        print(f"     figure: {label}: {fps:.1f} frames a second; {line}", flush=True)


# The title's start button, in game pixels (its first button).
TITLE_BUTTON = (460, 130)
TITLE_QUIT = (525, 357)

if __name__ == "__main__":
    sys.exit(main(sys.argv))
