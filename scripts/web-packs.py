#!/usr/bin/python3
"""Packs the page's data so that the title comes first and the rest follows
in story order.

Which files a scene needs is learnt, not listed: the native game plays every
replay of tests/replays (from the scene its header names, in both
languages) with --data-log, which writes each data file read and the start
of the scene that read it. Then:

- pack 0 holds what start-up and the scenes up to the title read (the text
  faces among them: every card the page draws needs them);
- each later scene, in the order the story first reaches it (then the
  scenes only the other replays reach), gets a pack of the files no earlier
  pack holds;
- a last pack holds the files no replay read.

Two runs from start-up without input join the replays: one with no
progress (the whole opening, which the replays skip) and one with a
returning player's progress (the title's Continue).

The index (packs/index.json) gives each pack's files and offsets, and each
scene the packs it waits for; a scene no replay reached waits for every
pack (web/packs.js). A tune's rendering travels with its MIDI file (a
headless run checks the MIDI alone) and an effect's Ogg with its wave's
name (scripts/web-data.sh).

    web-packs.py GAME NATIVE_DATA REPLAY_DIR SCENES_H WEB_DATA OUT_DIR [LOG_DIR]

GAME is the native program, NATIVE_DATA its data folder (the runs' working
folder), SCENES_H src/app/scenes.h (the title's scene number), WEB_DATA the
page's data (scripts/web-data.sh), OUT_DIR the web folder (packs/ goes in
it); LOG_DIR keeps the runs' data logs (default: a temporary folder).
"""
import concurrent.futures
import json
import os
import re
import subprocess
import sys
import tempfile

LANGUAGES = ("ja", "en")
# Replays without a quit end here (a script's times count from its waits,
# so its length is not its last line's).
RUN_MS = 600000
# A run from start-up without input: the whole opening, on to the title.
OPENING_MS = 120000
# A player's progress midway through the story.
RETURNING = "stage1 = 19065\nstage2 = 30000\nstory = 3\n"


def scene_numbers(scenes_h):
    """The Scene names of scenes.h and their numbers (their order in the enum, or as written)."""
    text = open(scenes_h, encoding="utf-8").read()
    body = re.search(r"enum Scene\b[^{]*\{(.*?)\};", text, re.S).group(1)
    numbers, n = {}, 0
    for name, value in re.findall(r"^\s*(kScene\w+)\s*(?:=\s*(\d+)\s*)?,", body, re.M):
        n = int(value) if value else n
        numbers[name] = n
        n += 1
    return numbers


def replay_runs(replay_dir):
    """(name, path, first scene, run length in ms) of every replay."""
    runs = []
    for name in sorted(os.listdir(replay_dir)):
        if not name.endswith(".txt"):
            continue
        path = os.path.join(replay_dir, name)
        lines = open(path, encoding="utf-8").read().splitlines()
        header = " ".join(l for l in lines if l.startswith("#"))
        m = re.search(r"--scene\s+(\d+)", header)
        runs.append((name, path, int(m.group(1)) if m else 0, RUN_MS))
    # The replays skip the opening, and start with no progress; a player who
    # waits sees all of the opening, and a returning one the title's Continue.
    runs.append(("untouched", None, 0, OPENING_MS))
    runs.append(("returning", None, 0, OPENING_MS))
    return runs


def play(game, native_data, log, name, path, scene, max_ms, lang):
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", SDL_AUDIODRIVER="dummy")
    cmd = [game, "--headless", "--lang", lang, "--scene", str(scene), "--max-ms", str(max_ms),
           "--data-log", log] + (["--script", path] if path else [])
    if name == "returning":
        progress = log + ".progress.ini"
        with open(progress, "w") as f:
            f.write(RETURNING)
        cmd += ["--progress", progress]
    r = subprocess.run(cmd, cwd=native_data, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                       text=True, check=False)
    if r.returncode != 0 or not os.path.exists(log):
        sys.exit(f"web-packs: {' '.join(cmd)} failed ({r.returncode}): {r.stderr[-2000:]}")
    return log


def read_log(log):
    """(scene start, path) in the order the run first read them."""
    out = []
    for line in open(log, encoding="utf-8"):
        scene, _, path = line.rstrip("\n").partition(" ")
        out.append((int(scene), path))
    return out


def carried_as(path, web_files):
    """The page's files that a native read of path stands for."""
    out = []
    if path in web_files:
        out.append(path)
    base, ext = os.path.splitext(path)
    if ext == ".wav" and base + ".ogg" in web_files:
        out.append(base + ".ogg")
    if ext == ".mid":
        head, name = os.path.split(base)
        rendering = os.path.join(os.path.dirname(head), "ogg", name + ".ogg")
        if rendering in web_files:
            out.append(rendering)
    return out


def plan(logs, story_logs, web_files, title_scene):
    """Packs (lists of files) and each seen scene's packs."""
    uses = {}      # scene start -> files, in first-read order
    order = []     # scenes: the story's first, then the others'
    for log in story_logs + [l for l in logs if l not in story_logs]:
        for scene, path in read_log(log):
            if scene not in uses:
                uses[scene] = []
                order.append(scene)
            for f in carried_as(path, web_files):
                if f not in uses[scene]:
                    uses[scene].append(f)
    first = [s for s in order if s <= title_scene]
    rest = [s for s in order if s > title_scene]
    packs, home = [], {}
    for group in [first] + [[s] for s in rest]:
        new = [f for s in group for f in uses[s] if f not in home]
        new = list(dict.fromkeys(new))
        if not new and packs:
            continue
        for f in new:
            home[f] = len(packs)
        packs.append(new)
    unread = sorted(f for f in web_files if f not in home)
    if unread:
        packs.append(unread)
    scenes = {s: sorted({home[f] for f in uses[s]} | {0}) for s in order if s >= 0}
    return packs, scenes


def write_if_changed(path, data):
    """Kept as it is when the same (its compressed copies stay good)."""
    if os.path.exists(path) and open(path, "rb").read() == data:
        return
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    if len(argv) not in (7, 8):
        sys.exit(__doc__)
    game, native_data, replay_dir, scenes_h, web_data, out_dir = map(os.path.abspath, argv[1:7])
    log_dir = os.path.abspath(argv[7]) if len(argv) == 8 else tempfile.mkdtemp(prefix="tolvane-data-logs-")
    os.makedirs(log_dir, exist_ok=True)
    title = scene_numbers(scenes_h)["kSceneTitleInit"]

    runs = replay_runs(replay_dir)
    jobs = int(os.environ.get("JOBS", "2"))
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        futures = {(name, lang): pool.submit(play, game, native_data, os.path.join(log_dir, f"{name}.{lang}.log"),
                                              name, path, scene, max_ms, lang)
                   for name, path, scene, max_ms in runs for lang in LANGUAGES}
        logs = [futures[(name, lang)].result() for name, _, _, _ in runs for lang in LANGUAGES]
    # The story: the replay from start-up that reaches the most scenes.
    story = max((r[0] for r in runs if r[2] == 0),
                key=lambda name: len({s for s, _ in read_log(os.path.join(log_dir, f"{name}.ja.log"))}))
    story_logs = [os.path.join(log_dir, f"{story}.{lang}.log") for lang in LANGUAGES]

    web_files = set()
    for root, _, files in os.walk(web_data):
        for f in files:
            web_files.add(os.path.relpath(os.path.join(root, f), web_data))
    packs, scenes = plan(logs, story_logs, web_files, title)

    pack_dir = os.path.join(out_dir, "packs")
    os.makedirs(pack_dir, exist_ok=True)
    index = {"packs": [], "scenes": {str(s): p for s, p in sorted(scenes.items())}}
    written = {"index.json"}
    for n, files in enumerate(packs):
        name = f"packs/{n}.bin"
        entries, blob = [], bytearray()
        for f in files:
            data = open(os.path.join(web_data, f), "rb").read()
            entries.append([f, len(blob), len(data)])
            blob += data
        write_if_changed(os.path.join(out_dir, name), bytes(blob))
        written.add(os.path.basename(name))
        index["packs"].append({"url": name, "bytes": len(blob), "files": entries})
    write_if_changed(os.path.join(pack_dir, "index.json"),
                     json.dumps(index, separators=(",", ":"), sort_keys=True).encode())
    # An older build's packs (their compressed copies go with them).
    for old in os.listdir(pack_dir):
        if old not in written and not old.endswith((".br", ".gz")):
            os.remove(os.path.join(pack_dir, old))
    sizes = ", ".join(f"{p['bytes'] // 1024}" for p in index["packs"])
    print(f"web-packs: {len(packs)} packs (KiB: {sizes}); {len(scenes)} scenes known")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
