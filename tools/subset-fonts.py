#!/usr/bin/python3
"""Ships the text faces the game draws with, cut down to the characters it
can draw, into the data folder's fonts/ (the browser and Windows builds have
no system faces; a native run prefers these too).

    subset-fonts.py OUT_DIR KEY_DIR SOURCE_DIR...

KEY_DIR (outside the data folder) remembers what each face was cut from.

The characters: printable ASCII and every character in the game's sources
(its text tables are string literals there). Each face is the first of its
list found on this machine; a face found nowhere is left out and the game
falls back as it would without it. A second run with the same characters
and faces leaves the files alone.
"""
import hashlib
import os
import sys

try:
    from fontTools import subset
except ImportError:  # the game then reads the system's faces
    subset = None

# The Mincho face for every text, the Latin face for English letters; the
# same lists, in the same order, as the game's text loader.
FACES = {
    "mincho.ttf": ["/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf",
                   "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf"],
    "latin.otf": ["/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreschola-regular.otf"],
    "latin.ttf": ["/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"],
}
SOURCE_EXT = (".cpp", ".h")
# The text loader's light hinting measures a face's ideographs on these
# reference characters: without them the glyphs come out a pixel different.
HINTING_REFERENCE = (
    "个为主事些人他以们你來例個們军別别到制前动動即同吗吧听呢和品响嗎囗因地增大她學它对将將對就已师師席年得情想意愿"
    "我或指收政断斯新斷既时明星是時景最會有朝期来构样樣民沒没為然照物特现現球理生用田當看眼着确种第經置者能自舰著裡"
    "要說調说谁调費费起軍过还这进這通進過道還那都配里開間间际陈限除陳随際隨雷露面顾齊")


def game_characters(roots):
    chars = set(chr(c) for c in range(0x20, 0x7F)) | set(HINTING_REFERENCE)
    for root in roots:
        for folder, _, files in os.walk(root):
            for name in sorted(files):
                if name.endswith(SOURCE_EXT):
                    with open(os.path.join(folder, name), encoding="utf-8") as f:
                        chars.update(c for c in f.read() if c >= " ")
    return "".join(sorted(chars))


def first_found(paths):
    return next((p for p in paths if os.path.isfile(p)), None)


def main(argv):
    if len(argv) < 4:
        print("usage: subset-fonts.py OUT_DIR KEY_DIR SOURCE_DIR...", file=sys.stderr)
        return 2
    out, keys, roots = argv[1], argv[2], argv[3:]
    if subset is None:
        print("subset-fonts: no fontTools (Debian's python3-fonttools): no faces shipped", file=sys.stderr)
        return 0
    os.makedirs(out, exist_ok=True)
    os.makedirs(keys, exist_ok=True)
    text = game_characters(roots)
    wanted = {}
    for name, paths in FACES.items():
        src = first_found(paths)
        # Only the first Latin face found is shipped, as the loader takes it.
        if name == "latin.ttf" and "latin.otf" in wanted:
            src = None
        if src:
            wanted[name] = src
    for name in FACES:
        if name not in wanted and os.path.exists(os.path.join(out, name)):
            os.remove(os.path.join(out, name))
    for name, src in wanted.items():
        dest = os.path.join(out, name)
        key = hashlib.sha256((src + str(os.path.getmtime(src)) + text).encode()).hexdigest()
        stamp = os.path.join(keys, name + ".key")
        if os.path.exists(dest) and os.path.exists(stamp) and open(stamp).read() == key:
            continue
        options = subset.Options()
        options.layout_features = ["*"]
        options.name_IDs = ["*"]
        options.notdef_outline = True
        options.glyph_names = False
        font = subset.load_font(src, options)
        sub = subset.Subsetter(options)
        sub.populate(text=text)
        sub.subset(font)
        subset.save_font(font, dest + ".part", options)
        os.replace(dest + ".part", dest)
        with open(stamp, "w") as f:
            f.write(key)
        print(f"subset-fonts: {name} from {src}: {os.path.getsize(dest)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
