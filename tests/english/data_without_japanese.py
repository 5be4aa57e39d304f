#!/usr/bin/python3
"""Completes a data folder whose pictures have no Japanese lettered into them
(assetgen --without-japanese OUT_DIR) into one the game runs from: the tunes
and sounds of the real data folder, its Latin face, and its Mincho face with
every Japanese character taken out. The English game must look the same over
this folder and over the real one: any difference is Japanese on screen.

    data_without_japanese.py DATA_DIR OUT_DIR
"""
import os
import shutil
import sys

from fontTools import subset, ttLib


def japanese(cp):
    # CJK punctuation, kana and kanji; full-width and half-width forms
    return 0x3000 <= cp <= 0x9FFF or 0xFF00 <= cp <= 0xFFEF


def link(src, dest):
    if os.path.isdir(dest) and not os.path.islink(dest):
        shutil.rmtree(dest)
    elif os.path.lexists(dest):
        os.remove(dest)
    os.symlink(src, dest)


def main(argv):
    if len(argv) != 3:
        print("usage: data_without_japanese.py DATA_DIR OUT_DIR", file=sys.stderr)
        return 2
    data, out = os.path.abspath(argv[1]), argv[2]
    for name in sorted(os.listdir(data)):
        if name not in ("img", "fonts") and not name.startswith("."):
            link(os.path.join(data, name), os.path.join(out, name))
    fonts = os.path.join(out, "fonts")
    os.makedirs(fonts, exist_ok=True)
    for name in sorted(os.listdir(os.path.join(data, "fonts"))):
        src, dest = os.path.join(data, "fonts", name), os.path.join(fonts, name)
        if name != "mincho.ttf":
            link(src, dest)
            continue
        # The same options as the shipped cut, so every other glyph is drawn
        # exactly as from the real face.
        options = subset.Options()
        options.layout_features = ["*"]
        options.name_IDs = ["*"]
        options.notdef_outline = True
        options.glyph_names = False
        font = subset.load_font(src, options)
        keep = [cp for cp in ttLib.TTFont(src).getBestCmap() if not japanese(cp)]
        sub = subset.Subsetter(options)
        sub.populate(unicodes=keep)
        sub.subset(font)
        if os.path.lexists(dest):
            os.remove(dest)
        subset.save_font(font, dest, options)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
