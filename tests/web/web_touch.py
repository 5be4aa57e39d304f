#!/usr/bin/python3
"""The browser build on a phone and a tablet, by touch alone, in headless
Chromium: a phone in landscape plays from the cover through the opening,
the menu, the help, the title's start button, a dialogue and stage 1 by
taps and long presses; the page takes no browser gesture or menu; a hidden
tab is silent and still, and waits for the player on its return; a phone in
portrait asks to be turned, a tablet's does not; the manifest and its icons;
a second visit plays with the server gone, through the service worker.
Shots of each device size land in OUT_DIR.

    web_touch.py WEB_DIR REPLAY_DIR OUT_DIR
"""
import hashlib
import json
import os
import re
import sys

from page_driver import browser, check, q, summary

PHONE, PHONE_PORTRAIT, TABLET = (844, 390), (390, 844), (820, 1180)
TITLE_START, TITLE_MENU = (464, 127), (490, 242)
MENU_HELP = (318, 288)
POT = (160, 416)  # stage 1's red pot


def trace(page):
    """The game's trace lines so far (--trace - writes them to the console)."""
    out = []
    for _, line in page.console:
        if line.startswith("{") and '"scene"' in line:
            try:
                out.append(json.loads(line))
            except ValueError:
                pass
    return out


def scene(page):
    t = trace(page)
    return t[-1]["scene"] if t else -1


def wait_scene(page, scenes, timeout):
    return page.wait_until(lambda: scene(page) in scenes, timeout)


def frames_while(page, seconds):
    """How many game frames run in the next seconds."""
    before = len(trace(page))
    page.pump(seconds)
    return len(trace(page)) - before


def tap(page, gx, gy, hold=0.1):
    page.touch(*page.canvas_point(gx, gy), hold=hold)


def main(argv):
    web_dir, replay_dir, out_dir = map(os.path.abspath, argv[1:4])
    os.makedirs(out_dir, exist_ok=True)
    with browser(web_dir, replay_dir) as (page, base):
        worker_lists_every_file(web_dir)
        phone_landscape(page, base, out_dir)
        page_itself(page, base)
        other_screens(page, base, out_dir)
        off_line(page, base, out_dir)
    return summary("web touch")


def phone_landscape(page, base, out_dir):
    page.emulate_device(*PHONE)
    page.open(base + q("--log - --trace -"))
    check(page.wait("document.getElementById('cover').classList.contains('ready')", 60), "the phone loads the page")
    page.shot(os.path.join(out_dir, "touch_844x390_cover.png"))
    box = page.eval("(() => { const b = document.getElementById('canvas').getBoundingClientRect();"
                    " return [b.width, b.height]; })()")
    check(box == [520, 390], f"in landscape the picture fills the screen's height ({box})")
    page.touch(*page.element_centre("cover"))
    check(page.wait("window.tolvane.started", 20), "a tap on the cover starts the game")
    check(page.eval("document.getElementById('start').textContent") == "Tap to start",
          "the cover says tap on a touch screen")
    check(page.wait("Module.SDL2.audioContext.state === 'running'", 5), "the cover's tap starts the sound")

    # The opening: its hint says tap, and a tap skips to the title.
    page.wait_until(lambda: len(trace(page)) > 150, 30)
    page.shot(os.path.join(out_dir, "touch_844x390_opening.png"))
    tap(page, 320, 240)
    check(wait_scene(page, {7, 8}, 5), f"a tap skips the opening to the title (scene {scene(page)})")
    page.wait_until(lambda: sum(t["scene"] == 8 for t in trace(page)) > 70, 30)
    page.shot(os.path.join(out_dir, "touch_844x390_title.png"))

    # The menu and the help, and a long press from each back to the title.
    for what, steps, at in (("the menu", [TITLE_MENU], {61, 62}), ("the help", [TITLE_MENU, MENU_HELP], {59, 60})):
        for i, point in enumerate(steps):
            tap(page, *point)
            wait_scene(page, {62} if i + 1 < len(steps) else at, 10)
            page.pump(0.5)
        check(scene(page) in at, f"taps reach {what} (scene {scene(page)})")
        page.shot(os.path.join(out_dir, f"touch_844x390_{'menu' if len(steps) == 1 else 'help'}.png"))
        tap(page, 320, 200, hold=0.9)
        check(wait_scene(page, {7, 8}, 5), f"a long press goes from {what} back to the title (scene {scene(page)})")
        page.wait_until(lambda: sum(t["scene"] == 8 for t in trace(page)[-80:]) > 70, 30)

    # The title's start button, a dialogue line by a tap, the rest raced by
    # a long press, as Space races it.
    tap(page, *TITLE_START)
    check(wait_scene(page, {9, 10}, 10), "a tap on the start button begins the story")
    page.pump(1)
    line = trace(page)[-1].get("line", -1)
    tap(page, 320, 240)
    page.pump(0.3)
    check(trace(page)[-1].get("line", -1) > line, f"a tap shows the next line ({line}, then {trace(page)[-1].get('line')})")
    page.shot(os.path.join(out_dir, "touch_844x390_talk.png"))
    tap(page, 320, 240, hold=3)
    check(wait_scene(page, {11, 12}, 10), f"a long press races through the dialogue to stage 1 (scene {scene(page)})")

    # Stage 1: a pot and the hero, by taps.
    page.wait_until(lambda: trace(page)[-1].get("running") == 1, 20)
    tap(page, *POT)
    page.pump(0.3)
    check(trace(page)[-1].get("selected") == 1, "a tap on a pot loads the brush")
    # He walks: aimed where he will be when the finger lifts, ten frames on.
    t = trace(page)
    hero, before = t[-1]["hero"], t[-11]["hero"]
    x = hero["x"] + (hero["x"] - before["x"])
    tap(page, int(x) + 16, int(hero["y"]) + 32)
    page.pump(0.3)
    check(trace(page)[-1]["hero"]["paint"] == 1, f"a tap on the hero paints him ({trace(page)[-1]['hero']})")
    page.shot(os.path.join(out_dir, "touch_844x390_stage1.png"))

    # A hidden tab: the sound stops and the game stands still; back, it waits
    # behind the pause card until a tap.
    page.set_hidden(True)
    page.pump(0.3)
    state = page.audio_state()
    still = frames_while(page, 1)
    check(state != "running" and still == 0, f"a hidden tab is silent ({state}) and still ({still} frames)")
    page.set_hidden(False)
    still = frames_while(page, 1)
    page.shot(os.path.join(out_dir, "touch_844x390_paused.png"))
    check(still == 0 and page.audio_state() == "running", f"back, it waits for the player ({still} frames)")
    tap(page, 320, 100)
    check(frames_while(page, 1) > 20, "a tap carries on")
    # The page's pause button, and a tap to go on.
    page.touch(*page.element_centre("pause"))
    check(frames_while(page, 1) == 0, "the pause button pauses")
    tap(page, 320, 100)
    check(frames_while(page, 1) > 20, "a tap carries on after the pause button")


def page_itself(page, base):
    """No browser gesture, selection or menu over the page."""
    style = page.eval("(() => { const c = getComputedStyle(document.getElementById('canvas')),"
                      " b = getComputedStyle(document.body);"
                      " return [c.touchAction, b.touchAction, b.userSelect || b.webkitUserSelect]; })()")
    check(style == ["none", "none", "none"], f"touch-action and user-select are none ({style})")
    prevented = page.eval("['canvas', 'stage', 'full'].map((id) => { const e = new MouseEvent('contextmenu',"
                          " {bubbles: true, cancelable: true}); document.getElementById(id).dispatchEvent(e);"
                          " return e.defaultPrevented; })")
    check(prevented == [True, True, True], f"the context menu is prevented everywhere ({prevented})")
    # The manifest and its icons.
    man = page.eval("fetch('manifest.webmanifest').then((r) => r.json())") or {}
    check(man.get("display") in ("fullscreen", "standalone") and man.get("orientation") == "landscape"
          and man.get("name") and man.get("short_name") and man.get("start_url") and man.get("theme_color")
          and man.get("background_color"), f"the manifest has its fields ({man})")
    sizes = page.eval("Promise.all(" + json.dumps([i["src"] for i in man.get("icons", [])]) +
                      ".map((src) => new Promise((ok) => { const i = new Image(); i.onload = () => ok(src + ' '"
                      " + i.naturalWidth + 'x' + i.naturalHeight); i.onerror = () => ok(src + ' missing');"
                      " i.src = src; })))") or []
    want = {f"{i['src']} {i['sizes']}" for i in man.get("icons", [])}
    check(set(sizes) == want and any("maskable" in i.get("purpose", "") for i in man.get("icons", []))
          and {"192x192", "512x512"} <= {i["sizes"] for i in man.get("icons", [])},
          f"the icons are there at their sizes, maskable too ({sizes})")
    fav = page.eval("fetch(document.querySelector('link[rel=icon]').href).then((r) => r.status)")
    check(fav == 200, f"the favicon is there ({fav})")


def other_screens(page, base, out_dir):
    """A phone in portrait asks to be turned; a tablet's portrait plays."""
    for (w, h), turned in ((PHONE_PORTRAIT, True), (TABLET, False)):
        page.emulate_device(w, h)
        page.start(base + q("--scene 7", autostart="1"))
        page.pump(2)
        shown = page.eval("document.getElementById('turn').classList.contains('shown')")
        page.shot(os.path.join(out_dir, f"touch_{w}x{h}.png"))
        check(shown == turned, f"{w}x{h}: the turn-your-phone card is {'shown' if shown else 'not shown'}")
        if shown:
            page.touch(*page.element_centre("turn"))
            check(not page.eval("document.getElementById('turn').classList.contains('shown')"),
                  "a tap on the card plays on anyway")
            page.shot(os.path.join(out_dir, f"touch_{w}x{h}_anyway.png"))


def worker_lists_every_file(web_dir):
    """sw.js lists every file of the folder with its hash, under the build's cache."""
    with open(os.path.join(web_dir, "sw.js")) as f:
        text = f.read()
    listed = json.loads(re.search(r"const FILES = (\{.*?\});", text, re.S).group(1))
    held = {}
    for folder, _, names in os.walk(web_dir):
        for name in names:
            rel = os.path.relpath(os.path.join(folder, name), web_dir)
            if rel != "sw.js" and not name.endswith((".br", ".gz")) and not name.startswith("."):
                with open(os.path.join(folder, name), "rb") as f:
                    held[rel] = hashlib.sha256(f.read()).hexdigest()
    check(listed == held and "index.html" in held and "touch.js" in held and "icon-512.png" in held,
          f"sw.js lists every file of the build with its hash ({len(listed)} of {len(held)})")


def off_line(page, base, out_dir):
    """After a visit, the page starts with the server gone."""
    page.emulate_device(*PHONE)
    page.open(base + q(""))
    ok = page.wait("navigator.serviceWorker.ready.then((r) => !!r.active)", 120)
    cache = page.eval("caches.keys().then((k) => k.join(' '))") or ""
    check(ok and cache.startswith("tolvane-"), f"the service worker keeps the page's files ({cache})")
    # Chromium's own installability criteria, as its install prompt applies them.
    errors = page.call("Page.getInstallabilityErrors").get("installabilityErrors", [])
    manifest = page.call("Page.getAppManifest")
    check(not errors and not manifest.get("errors"),
          f"Chromium finds the page installable ({errors}, {manifest.get('errors')})")
    page.stop_server()
    page.call("Network.enable")
    page.call("Network.setCacheDisabled", cacheDisabled=True)
    page.open(base + q("--log - --scene 7", autostart="1"))
    check(page.wait_console("Startinit", 60) is not None, "with the server gone, a reload reaches the title")
    page.pump(2)
    page.shot(os.path.join(out_dir, "touch_844x390_offline.png"))
    page.call("Network.disable")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
