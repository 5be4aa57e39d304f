#!/usr/bin/env python3
"""Cuts a rectangle out of an X screen dump (xwd, 24 or 32 bits a pixel) into
a PNG; exit status 1 when the rectangle is one flat colour (nothing drawn),
or with --light when less than half of it is light (a box painted dark).
Usage: xwd_to_png.py SHOT.xwd OUT.png X Y WIDTH HEIGHT [--light]
"""
import struct
import sys
import zlib


def main():
    src, dst = sys.argv[1], sys.argv[2]
    x0, y0, w, h = (int(v) for v in sys.argv[3:7])
    data = open(src, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    if bits_per_pixel not in (24, 32):
        sys.exit("xwd_to_png: %d bits a pixel is not handled" % bits_per_pixel)
    step = bits_per_pixel // 8
    pixels = data[header_size + 12 * ncolors:]
    w, h = min(w, width - x0), min(h, height - y0)
    rows, colours, light = [], set(), 0
    for y in range(y0, y0 + h):
        start = y * bytes_per_line + x0 * step
        line = pixels[start:start + w * step]
        rgb = bytearray(3 * w)
        if byte_order == 0:  # blue, green, red(, unused)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[2::step], line[1::step], line[0::step]
        else:  # (unused,) red, green, blue
            rgb[0::3], rgb[1::3], rgb[2::3] = line[step - 3::step], line[step - 2::step], line[step - 1::step]
        colours.update(zip(rgb[0::3], rgb[1::3], rgb[2::3]))
        light += sum(1 for i in range(0, 3 * w, 3) if rgb[i] + rgb[i + 1] + rgb[i + 2] > 3 * 128)
        rows.append(b"\0" + bytes(rgb))  # no filter

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
    open(dst, "wb").write(png)
    print("xwd_to_png: %dx%d at %d,%d, %d colours, %d%% light -> %s"
          % (w, h, x0, y0, len(colours), 100 * light // max(1, w * h), dst))
    if "--light" in sys.argv[7:] and 2 * light < w * h:
        sys.exit(1)
    sys.exit(0 if len(colours) > 1 else 1)


main()
