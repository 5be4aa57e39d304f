#!/usr/bin/env python3
"""Fails on an include or a call that goes against the layers of src/, or an
include loop.

The layers, bottom to top: base (clock, log, fatal errors, data files);
gfx and sound; app (window, loop, dispatcher, options, trace); then the
game's own: the stage engine and the dialogue engine (stage, talk), the
stage table and scripts and the dialogues (stages, talks), the scenes and
the game's main (scenes). A folder may include its own layer's or lower
layers' headers only; gfx and sound stay
apart. Across folders the includes must form no loop, and within a folder no
header may come back to itself. No file may declare a function that a
higher layer defines: what a layer runs of a higher one is handed down (the
scene table, the trace fields, the stage table) instead of named.
Usage: check-includes.py [source folder]; exit status 1 names each fault.
"""
import os
import re
import sys

LAYERS = {"base": 0, "gfx": 1, "sound": 1, "app": 2, "stage": 3, "talk": 3, "stages": 4, "talks": 4, "scenes": 5}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
# A function declared or defined at file scope: a line from the first column,
# a return type, a name, its parameters, then ";" (declared) or "{" (defined).
FUNCTION = re.compile(r'^(?!return\b|using\b|typedef\b|#)[A-Za-z_][\w:<>,\*& ]*?[\*& ]([A-Za-z_]\w*)\s*\(([^;{}]*)\)\s*(?:const\s*)?(;|\{)')


def includes(src):
    """(file, included path) for every quoted include under src."""
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            with open(path, encoding="utf-8") as f:
                for line in f:
                    m = INCLUDE.match(line)
                    if m:
                        yield os.path.relpath(path, src), m.group(1)


def find_loop(graph):
    """One loop in graph (node -> set of nodes) as a list, or None."""
    state = {}

    def visit(node, trail):
        state[node] = 1
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                return trail[trail.index(nxt):] + [nxt]
            if nxt not in state:
                loop = visit(nxt, trail + [nxt])
                if loop:
                    return loop
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            loop = visit(node, [node])
            if loop:
                return loop
    return None


def sources(src):
    """(path relative to src, text) of every source file under src."""
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                path = os.path.join(root, name)
                with open(path, encoding="utf-8") as f:
                    yield os.path.relpath(path, src), f.read()


def calls_up(src):
    """Faults for functions declared in one layer and defined in a higher one."""
    declared, defined = {}, {}
    for path, text in sources(src):
        layer = LAYERS.get(path.split(os.sep)[0])
        if layer is None:
            continue
        for line in text.splitlines():
            m = FUNCTION.match(line)
            if m:
                table = declared if m.group(3) == ";" else defined
                table.setdefault(m.group(1), []).append((layer, path))
    faults = []
    for name, places in sorted(declared.items()):
        for layer, path in places:
            above = [p for l, p in defined.get(name, ()) if l > layer]
            if above and not any(l <= layer for l, _ in defined.get(name, ())):
                faults.append(f"{path}: declares {name}, defined above it in {above[0]}")
    return faults


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    faults = []
    folders, headers = {}, {}
    for path, target in includes(src):
        here = path.split(os.sep)[0]
        there = target.split("/")[0]
        if here not in LAYERS:
            faults.append(f"{path}: folder {here} has no layer")
            continue
        if "/" not in target or there == here:
            headers.setdefault(path, set()).add(os.path.join(here, target.split("/")[-1]))
            continue
        if there not in LAYERS:
            continue
        if LAYERS[there] > LAYERS[here] or (LAYERS[there] == LAYERS[here] and LAYERS[here] < 3):
            faults.append(f"{path}: includes {target}, above or beside its layer")
        folders.setdefault(here, set()).add(there)
    loop = find_loop(folders)
    if loop:
        faults.append("folders include each other: " + " -> ".join(loop))
    loop = find_loop(headers)
    if loop:
        faults.append("headers include each other: " + " -> ".join(loop))
    faults += calls_up(src)
    for f in faults:
        print("check-includes: " + f, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
