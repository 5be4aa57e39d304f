#!/usr/bin/python3
"""The faces shipped in the data folder keep every character the game can
draw: each character of every string in the game's sources (its text
tables), wherever the face it was cut from has it; and nothing else crept in
that a face would have to carry for nothing.

    check_fonts.py FONTS_DIR SOURCE_DIR
"""
import importlib.util
import os
import re
import sys

from fontTools.ttLib import TTFont

# A C++ string literal (raw strings are not used for texts).
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def subset_tool():
    path = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "subset-fonts.py")
    spec = importlib.util.spec_from_file_location("subset_fonts", path)
    mod = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(mod)
    return mod


def text_characters(src):
    chars = set()
    for folder, _, files in os.walk(src):
        for name in files:
            if name.endswith((".cpp", ".h")):
                with open(os.path.join(folder, name), encoding="utf-8") as f:
                    for lit in LITERAL.findall(f.read()):
                        chars.update(c for c in re.sub(r"\\.", "", lit) if c >= " ")
    return chars


def main(argv):
    fonts, src = argv[1], argv[2]
    tool = subset_tool()
    wanted = text_characters(src)
    failed = False
    shipped = [n for n in tool.FACES if os.path.exists(os.path.join(fonts, n))]
    if "mincho.ttf" not in shipped:
        print("FAIL no Mincho face shipped in " + fonts)
        return 1
    for name in shipped:
        original = tool.first_found(tool.FACES[name])
        if not original:
            continue
        have = set(TTFont(os.path.join(fonts, name)).getBestCmap())
        could = set(TTFont(original).getBestCmap())
        missing = sorted(c for c in wanted if ord(c) in could and ord(c) not in have)
        size = os.path.getsize(os.path.join(fonts, name))
        print(f"{name}: {len(have)} characters, {size} bytes; {len(missing)} missing")
        if missing:
            print("FAIL missing from " + name + ": " + "".join(missing))
            failed = True
        # A cut-down face: a few thousand characters at most, not the whole face.
        if len(have) > 4000:
            print(f"FAIL {name} was not cut down ({len(have)} characters)")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
