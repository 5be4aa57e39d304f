#!/usr/bin/python3
"""What the browser keeps, in headless Chromium: a clear made in a new tab
and a key pressed in an older one both stay (each write merges with what the
storage holds now, under a lock across tabs), and the older tab takes the
clear in; two tabs changing two settings keep both; persistence is asked for
at the first save; progress saved to a file loads into a fresh browser and a
damaged file changes nothing; a storage that cannot be used is told.

    web_saves.py WEB_DIR REPLAY_DIR OUT_DIR
"""
import os
import sys

from page_driver import browser, check, q, summary

HOME = "/home/web_user"
SETTINGS = HOME + "/.config/tolvane/settings.ini"
PROGRESS = HOME + "/.local/share/tolvane/progress.ini"
READY = "document.getElementById('cover').classList.contains('ready')"


def stored(page, path):
    """The text the browser's storage holds for path ('' when none)."""
    return page.eval(f"""(async () => {{
        const db = await new Promise((ok, bad) => {{ const r = indexedDB.open('{HOME}', 21);
            r.onsuccess = () => ok(r.result); r.onerror = () => bad(r.error); }});
        const e = await new Promise((ok) => {{ const r = db.transaction(['FILE_DATA']).objectStore('FILE_DATA')
            .get('{path}'); r.onsuccess = () => ok(r.result); r.onerror = () => ok(null); }});
        db.close();
        return e && e.contents ? new TextDecoder().decode(e.contents) : '';
    }})()""") or ""


def at_title(page, base):
    """A tab whose game runs at the title (started without the cover)."""
    return page.start(base + q("--scene 7", autostart="1"), 60)


def stores(page):
    return page.eval("window.tolvane.stored || 0")


def clear_stage1(page, base):
    """A tab that clears stage 1 (the replay, headless) into the kept progress."""
    page.open(base + q(f"--headless --scene 11 --max-ms 28000 --progress {PROGRESS}",
                       script="/replays/stage1_win.txt"))
    return page.wait("window.tolvane.ended && (window.tolvane.stored || 0) > 0", 120)


def run_tabs(page, base):
    # The race: tab B is older (opened on an empty storage); tab A clears
    # stage 1; then B's player presses M. Both stay, and B took the clear in.
    persist_probe = ("window.__persistCalls = 0; if (navigator.storage && navigator.storage.persist) {"
                     " const p = navigator.storage.persist.bind(navigator.storage);"
                     " navigator.storage.persist = () => { window.__persistCalls++; return p(); }; }")
    page.call("Page.addScriptToEvaluateOnNewDocument", source=persist_probe)
    older = page
    check(at_title(older, base), "the older tab runs the game")
    newer = older.new_tab()
    newer.call("Page.addScriptToEvaluateOnNewDocument", source=persist_probe)
    check(clear_stage1(newer, base), "a new tab clears stage 1 and stores it")
    check("stage1 = " in stored(newer, PROGRESS), "the clear is stored")
    check(newer.eval("window.__persistCalls") >= 1 and
          newer.wait_console("tolvane: storage persistence", 10) is not None,
          "persistence is asked for at the first save, and its answer logged")
    check(older.wait("(window.tolvane.refreshed || 0) > 0", 10)
          and "stage1 = " in older.read_file(PROGRESS), "the older tab takes the clear in")
    before = stores(older)
    older.call("Page.bringToFront")  # a tab in the background is paused
    older.key("m", "KeyM", 77)
    check(older.wait(f"(window.tolvane.stored || 0) > {before}", 10), "the older tab stores its mute")
    third = older.new_tab()
    third.open(base + q(""))
    third.wait(READY, 60)
    progress, settings = third.read_file(PROGRESS), third.read_file(SETTINGS)
    check("stage1 = " in progress and "muted = 1" in settings,
          f"a new tab sees the clear and the mute ({progress!r}, {settings!r})")

    # Two tabs change two settings: both kept.
    at_title(third, base)
    before = (stores(older), stores(third))
    older.call("Page.bringToFront")
    older.key("-", "Minus", 189)
    older.wait(f"(window.tolvane.stored || 0) > {before[0]}", 10)
    third.call("Page.bringToFront")
    third.key("m", "KeyM", 77)  # unmutes: the file said muted
    check(older.wait(f"(window.tolvane.stored || 0) > {before[0]}", 10)
          and third.wait(f"(window.tolvane.stored || 0) > {before[1]}", 10), "both tabs store their key")
    text = stored(third, SETTINGS)
    check("music_volume = 90" in text and "muted = 0" in text, f"both settings are kept ({text!r})")
    return stored(third, PROGRESS)


def run_import(page, base, export, out_dir):
    # A fresh browser: the exported file loads through the page's picker.
    page.open(base + q(""))
    page.wait(READY, 60)
    check(stored(page, PROGRESS) == "", "a fresh browser has no progress")
    damaged = os.path.join(out_dir, "damaged-progress.txt")
    with open(damaged, "w") as f:
        f.write(export.replace("stage1 = ", "stage1 = soon"))
    good = os.path.join(out_dir, "tolvane-progress.txt")
    with open(good, "w") as f:
        f.write(export)
    doc = page.call("DOM.getDocument")["root"]["nodeId"]
    picker = page.call("DOM.querySelector", nodeId=doc, selector="#import-file")["nodeId"]
    for path, wanted in ((damaged, "refused"), (good, "ok")):
        page.eval("window.tolvane.imported = null")
        page.call("DOM.setFileInputFiles", nodeId=picker, files=[path])
        page.wait("window.tolvane.imported !== null", 20)
        outcome = page.eval("window.tolvane.imported")
        toast = page.eval("document.getElementById('storage-toast').textContent")
        if wanted == "refused":
            check(outcome not in (None, "ok") and "line" in outcome and stored(page, PROGRESS) == "",
                  f"a damaged file is refused and changes nothing ({outcome!r}; {toast!r})")
        else:
            check(outcome == "ok", f"the exported file loads ({outcome!r}; {toast!r})")
    page.open(base + q(""))
    page.wait(READY, 60)
    check("stage1 = " in page.read_file(PROGRESS) and "muted = 0" in page.read_file(SETTINGS),
          "after a reload the fresh browser has the clear and the settings")


def run_blocked(page, base):
    page.call("Page.addScriptToEvaluateOnNewDocument",
              source="indexedDB.open = () => { throw new DOMException('blocked by the test', 'SecurityError'); };")
    page.open(base + q(""))
    check(page.wait(READY, 60), "a page whose storage is blocked still starts")
    note = page.eval("(() => { const n = document.getElementById('storage-note');"
                     " return n.classList.contains('shown') ? n.textContent : ''; })()")
    check(note in ("Progress will not be kept in this window", "このウィンドウでは進行状況が保存されません"),
          f"it says that progress will not be kept ({note!r})")


def main(argv):
    web_dir, replay_dir, out_dir = map(os.path.abspath, argv[1:4])
    os.makedirs(out_dir, exist_ok=True)
    with browser(web_dir, replay_dir) as (page, base):
        page.call("DOM.enable")
        kept = run_tabs(page, base)
        export = page.eval("TolvaneStorage.exportText()") or ""
        check(export.startswith("# Tolvane settings and progress") and "stage1 = " in export,
              "progress saves to a file")
    check(kept != "", "the tabs kept progress")
    with browser(web_dir, replay_dir) as (page, base):
        page.call("DOM.enable")
        run_import(page, base, export, out_dir)
    with browser(web_dir, replay_dir) as (page, base):
        run_blocked(page, base)
    return summary("web saves")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
