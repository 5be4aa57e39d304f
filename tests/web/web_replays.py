"""Replays in the page: a clear leaves its replay in the browser's storage,
which a reload keeps and the Replays list offers for download; a replay file
given to the page is watched (a shot of it).

Usage: web_replays.py WEB_DIR REPLAY_DIR OUT_DIR
"""
import os
import sys

from page_driver import browser, check, q, summary

PROGRESS = "/home/web_user/.local/share/tolvane/progress.ini"
BEST = "/home/web_user/.local/share/tolvane/replays/stage1-best.txt"


def main(argv):
    web_dir, replay_dir, out_dir = map(os.path.abspath, argv[1:4])
    os.makedirs(out_dir, exist_ok=True)
    with browser(web_dir, replay_dir) as (page, base):
        # Stage 1 cleared headless, its progress in the browser's storage.
        page.open(base + q(f"--headless --scene 11 --max-ms 28000 --progress {PROGRESS}",
                           script="replays/stage1_win.txt"))
        ended = page.wait("window.tolvane.ended", 120)
        check(ended and page.eval("window.tolvane.status") == 0, "stage 1 cleared in the page")
        check(page.wait("(window.tolvane.stored || 0) >= 2", 20), "the clear and its replay are stored")
        replay = page.read_file(BEST)

        page.open(base + q(""))
        page.wait("document.getElementById('cover').classList.contains('ready')", 60)
        kept = page.read_file(BEST)
        check(kept.startswith("# Tolvane replay\n# stage 1\n") and kept == replay,
              "the replay is still there after a reload")
        page.eval("document.getElementById('replays').click()")
        listed = page.eval("document.getElementById('replay-panel').textContent")
        check("stage1-best.txt" in listed and "stage1-last.txt" in listed, "the Replays list offers both files")

        # The kept replay, uploaded as a file, is watched from stage 1's start.
        path = os.path.join(out_dir, "uploaded-replay.txt")
        with open(path, "w") as f:
            f.write(kept)
        page.start(base + q("--lang en", autostart="1"), 60)
        page.pump(1)
        doc = page.call("DOM.getDocument")["root"]["nodeId"]
        node = page.call("DOM.querySelector", nodeId=doc, selector="#replay-file")["nodeId"]
        page.call("DOM.setFileInputFiles", files=[path], nodeId=node)
        check(page.wait("window.tolvane.watching === true", 20), "an uploaded replay is watched")
        page.pump(4)
        page.shot(os.path.join(out_dir, "web-watching.png"))
    return summary("web replays")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
