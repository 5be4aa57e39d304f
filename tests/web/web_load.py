#!/usr/bin/python3
"""The page's data arriving in packs, in headless Chromium: the server
(scripts/serve-web.py's, which sends the .br/.gz copies) holds back every
pack but the first until told, as a slow link would. The title shows with
the first pack alone; the story's first talk and a stage wait behind a
loading card until their packs arrive, then run while the later packs are
still on the way; a scripted run waits for every pack. The packs' index
holds each file once.

    web_load.py WEB_DIR OUT_DIR
"""
import importlib.util
import json
import os
import struct
import sys
import threading
import zlib

from page_driver import browser, check, q, summary

HERE = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location("serve_web", os.path.join(HERE, "..", "..", "scripts", "serve-web.py"))
serve_web = importlib.util.module_from_spec(spec)
spec.loader.exec_module(serve_web)

TITLE_BUTTON = (460, 130)  # the title's start button, in game pixels
CARD_INSIDE = (232, 206)   # on the loading card, clear of its words
CARD_OUTSIDE = (100, 100)  # the dimmed picture around it


class Gate:
    """Which packs the server holds back; each waits until released."""

    def __init__(self):
        self.lock = threading.Lock()
        self.events = {}
        self.asked = set()

    def hold_from(self, first):
        with self.lock:
            for e in self.events.values():
                e.set()
            self.events = {}
            self.first = first
            self.asked = set()

    def wait(self, n):
        with self.lock:
            self.asked.add(n)
            if n < self.first:
                return
            e = self.events.setdefault(n, threading.Event())
        e.wait(120)

    def release(self, packs):
        with self.lock:
            for n in packs:
                self.events.setdefault(n, threading.Event()).set()


GATE = Gate()


class HeldHandler(serve_web.Handler):
    def send_head(self):
        name = os.path.basename(self.path.split("?")[0])
        if self.path.startswith("/packs/") and name.endswith(".bin"):
            GATE.wait(int(name[:-4]))
        return super().send_head()


def png_pixels(data):
    """(width, rows of RGB tuples) of an 8-bit, non-interlaced RGB(A) PNG."""
    width = height = 0
    channels, idat, at = 3, b"", 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, _, colour = struct.unpack(">IIBB", body[:10])
            channels = 4 if colour == 6 else 3
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw, stride, rows, prev = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b, c = prev[i], prev[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        prev = line
    return width, rows


def card_shown(page, shot_path):
    """The loading card over the dimmed picture, seen on a screenshot."""
    page.shot(shot_path)
    _, rows = png_pixels(open(shot_path, "rb").read())
    inside = rows[int(page.canvas_point(*CARD_INSIDE)[1])][int(page.canvas_point(*CARD_INSIDE)[0])]
    outside = rows[int(page.canvas_point(*CARD_OUTSIDE)[1])][int(page.canvas_point(*CARD_OUTSIDE)[0])]
    return min(inside) > 180 and max(outside) < 130, f"card {inside}, around it {outside}"


def arrived(page):
    return page.eval("tolvanePacks.arrived.map((a, n) => a ? n : -1).filter((n) => n >= 0)") or []


def main(argv):
    web_dir, out_dir = map(os.path.abspath, argv[1:3])
    os.makedirs(out_dir, exist_ok=True)
    index = json.load(open(os.path.join(web_dir, "packs", "index.json")))
    files = [f for p in index["packs"] for f, _, _ in p["files"]]
    check(len(files) == len(set(files)) and len(index["packs"]) > 2,
          f"{len(index['packs'])} packs hold {len(files)} files, each once")
    title = [s for s in ("0", "2", "5", "7") if index["scenes"].get(s) != [0]]
    check(not title, f"the cover, the opening and the title need the first pack alone ({title or 'so'})")
    with browser(web_dir, None, handler=HeldHandler) as (page, base):
        run_checks(page, base, index, out_dir)
    return summary("web load")


def run_checks(page, base, index, out_dir):
    # The title with only the first pack here.
    GATE.hold_from(1)
    page.open(base + q("--log - --scene 7", autostart="1"))
    check(page.wait_console("Startframe", 60) is not None, "the title shows with the first pack alone")
    page.wait_console_count("Startframe", 70, 30)  # faded in: it takes clicks
    check(arrived(page) == [0], f"the later packs are still on the way ({arrived(page)})")
    # Its start button: the first talk's data is held, so a card shows and
    # the talk waits.
    page.click(*page.canvas_point(*TITLE_BUTTON))
    page.pump(2)
    shown, seen = card_shown(page, os.path.join(out_dir, "web_loading_card.png"))
    check(shown and page.wait_console("Talk0Init", 0.1) is None, f"the talk waits behind the loading card ({seen})")
    GATE.release(index["scenes"]["9"])
    check(page.wait_console("Talk0Init", 30) is not None, "the talk starts once its pack arrives")

    # A stage started while every later pack is held: it waits, then plays
    # once its own packs arrive, while the rest are still on the way.
    GATE.hold_from(1)
    page.open(base + q("--log - --scene 11", autostart="1"))
    check(page.wait("window.tolvane.started", 60), "the game starts with the first pack")
    page.pump(2)
    check(page.wait_console("GameST1init", 0.1) is None, "stage 1 waits for its data")
    needed = index["scenes"]["11"]
    GATE.release(needed)
    check(page.wait_console_count("GameST1frame", 200, 60), "stage 1 plays once its packs arrive")
    rest = [n for n in range(len(index["packs"])) if n not in needed]
    late = [n for n in rest if n in arrived(page)]
    check(rest and len(late) < len(rest), f"...while later packs are still on the way ({len(rest) - len(late)} held)")
    page.shot(os.path.join(out_dir, "web_stage1_early.png"))
    # The stage takes keys: P pauses it.
    page.key("p", "KeyP", 80)
    page.pump(1)
    frames = sum("GameST1frame" in line for _, line in page.console)
    page.pump(1)
    check(sum("GameST1frame" in line for _, line in page.console) == frames, "the stage takes the player's keys")
    GATE.release(range(len(index["packs"])))

    # A headless run (as a scripted one) starts only when every pack is here,
    # so its trace is the native one.
    GATE.hold_from(1)
    page.open(base + q("--headless --scene 7 --max-ms 2000"))
    page.pump(3)
    check(not page.eval("window.tolvane.started"), "a headless run waits for every pack")
    GATE.release(range(len(index["packs"])))
    check(page.wait("window.tolvane.ended", 60) and page.eval("window.tolvane.status") == 0,
          "...and runs when they are all here")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
