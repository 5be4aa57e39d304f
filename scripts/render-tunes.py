#!/usr/bin/env python3
"""Renders the game's MIDI tunes to Ogg Vorbis with FluidSynth, at build time.

    render-tunes.py --soundfont SF --cache DIR --out DIR [--quality Q] MIDI_DIR

Each tune MIDI_DIR/<name>.mid becomes OUT/<name>.ogg: its first cycle, then a second cycle that
loops for ever (the LOOPSTART/LOOPLENGTH comments, in samples). The second
cycle carries the first one's ringing notes at its start, as a looping
synthesizer would, and its last moments fade into the first cycle's last
moments, which lead into the loop start without a seam. The TOLVANE_MIDI
comment holds the FNV-1a hash of the MIDI bytes: the game plays a rendering
only when it matches the tune it was asked for.

Renderings are kept in the cache folder under a key made of the MIDI bytes,
the soundfont and this script's rendering version, so a rebuild renders only
what changed.
"""
import argparse
import array
import concurrent.futures
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile

RATE = 44100
# The game gives live synthesis this gain at full music level (the mixer's
# music volume times 1.2); a rendering at that gain plays as loud at the same
# volume.
GAIN = 1.2
QUALITY = 3
CROSSFADE = 2048  # frames: the loop's last 46 ms fade into the first cycle's end
# 2: the stream serial follows the tune, so a build renders the same bytes.
VERSION = b"render 2"


def fnv1a64(data):
    h = 0xCBF29CE484222325
    for b in data:
        h = ((h ^ b) * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return "%016x" % h


def stream_serial(data):
    """An Ogg stream serial made from the bytes, not drawn at random as oggenc
    would, so every build of the same tune writes the same file."""
    return int(fnv1a64(data), 16) % 0x7FFFFFFF


def read_varlen(t, i):
    v = 0
    for _ in range(4):
        b = t[i]
        i += 1
        v = v << 7 | (b & 0x7F)
        if not b & 0x80:
            return v, i
    raise ValueError("bad variable-length number")


def write_varlen(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.append(0x80 | (v & 0x7F))
        v >>= 7
    return bytes(reversed(out))


def parse_tracks(midi):
    """(ticks per beat, [[(tick, event bytes with status)], ...], [end ticks])."""
    if midi[:4] != b"MThd" or int.from_bytes(midi[4:8], "big") != 6:
        raise ValueError("not a MIDI file")
    count = int.from_bytes(midi[10:12], "big")
    division = int.from_bytes(midi[12:14], "big")
    if division & 0x8000 or division == 0:
        raise ValueError("unsupported MIDI timing")
    at = 14
    tracks, ends = [], []
    for _ in range(count):
        length = int.from_bytes(midi[at + 4:at + 8], "big")
        t = midi[at + 8:at + 8 + length]
        at += 8 + length
        i = tick = running = 0
        events = []
        while i < len(t):
            delta, i = read_varlen(t, i)
            tick += delta
            status = t[i]
            if status & 0x80:
                i += 1
            else:
                status = running
            if status < 0xF0:
                running = status
                n = 1 if (status & 0xE0) == 0xC0 else 2
                events.append((tick, bytes([status]) + t[i:i + n]))
                i += n
                continue
            running = 0
            start = i - 1
            if status == 0xFF:
                kind = t[i]
                i += 1
            n, i = read_varlen(t, i)
            i += n
            if status == 0xFF and kind == 0x2F:
                break
            events.append((tick, t[start:i]))
        tracks.append(events)
        ends.append(tick)
    return division, tracks, ends


def cycle_seconds(division, tracks, cycle):
    """Playing time of ticks [0, cycle) under the file's tempo map."""
    tempos = sorted((tick, int.from_bytes(e[3:6], "big")) for events in tracks for tick, e in events
                    if e[0] == 0xFF and e[1] == 0x51 and tick < cycle)
    seconds, at, tempo = 0.0, 0, 500000
    for tick, value in tempos:
        seconds += (tick - at) * tempo / division / 1e6
        at, tempo = tick, value
    return seconds + (cycle - at) * tempo / division / 1e6


def two_cycles(midi):
    """The tune played twice in one file, and one cycle's length in frames."""
    division, tracks, ends = parse_tracks(midi)
    cycle = max(ends)  # a looping player starts again when every track has ended
    out = bytearray(midi[:8] + (1).to_bytes(2, "big") + len(tracks).to_bytes(2, "big") + midi[12:14])
    for events in tracks:
        body = bytearray()
        last = 0
        for tick, e in events + [(t + cycle, e) for t, e in events]:
            body += write_varlen(tick - last) + e
            last = tick
        body += write_varlen(2 * cycle - last) + b"\xff\x2f\x00"
        out += b"MTrk" + len(body).to_bytes(4, "big") + body
    return bytes(out), round(cycle_seconds(division, tracks, cycle) * RATE)


def render(midi_path, soundfont, ogg_path, quality):
    midi = open(midi_path, "rb").read()
    doubled, frames = two_cycles(midi)
    with tempfile.TemporaryDirectory() as tmp:
        mid = os.path.join(tmp, "twice.mid")
        raw = os.path.join(tmp, "tune.raw")
        with open(mid, "wb") as f:
            f.write(doubled)
        subprocess.run(["fluidsynth", "-q", "-n", "-i", "-F", raw, "-T", "raw", "-O", "s16", "-E", "little",
                        "-r", str(RATE), "-g", str(GAIN), soundfont, mid], check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        pcm = array.array("h")
        with open(raw, "rb") as f:
            pcm.frombytes(f.read())
        if sys.byteorder == "big":
            pcm.byteswap()
        need = 4 * frames  # two cycles of stereo samples
        if len(pcm) < need:
            pcm.extend([0] * (need - len(pcm)))
        del pcm[need:]
        # The loop's end fades into the first cycle's end, which leads into
        # the loop start sample for sample.
        n = min(CROSSFADE, frames)
        for k in range(2 * n):
            w = (k // 2) / n
            a = pcm[4 * frames - 2 * n + k]
            b = pcm[2 * frames - 2 * n + k]
            pcm[4 * frames - 2 * n + k] = max(-32768, min(32767, round(a * (1 - w) + b * w)))
        if sys.byteorder == "big":
            pcm.byteswap()
        with open(raw, "wb") as f:
            f.write(pcm.tobytes())
        part = ogg_path + ".part"
        subprocess.run(["oggenc", "-Q", "-r", "-R", str(RATE), "-C", "2", "-B", "16", "--raw-endianness", "0",
                        "-q", str(quality), "-c", "LOOPSTART=%d" % frames, "-c", "LOOPLENGTH=%d" % frames,
                        "-c", "TOLVANE_MIDI=" + fnv1a64(midi), "-s", str(stream_serial(midi)), "-o", part, raw],
                       check=True)
        os.replace(part, ogg_path)


def cache_key(midi_path, soundfont, quality):
    h = hashlib.sha256(VERSION)
    if quality != QUALITY:  # the usual quality keeps the keys it always had
        h.update(("quality %g" % quality).encode())
    h.update(open(midi_path, "rb").read())
    st = os.stat(soundfont)
    h.update(("%s %d %d" % (os.path.realpath(soundfont), st.st_size, st.st_mtime_ns)).encode())
    return h.hexdigest()[:24]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--soundfont", required=True)
    ap.add_argument("--cache", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--jobs", type=int, default=2)
    # A smaller download (the Windows zip) takes a lower Vorbis quality.
    ap.add_argument("--quality", type=float, default=QUALITY)
    ap.add_argument("mid")
    args = ap.parse_args()
    os.makedirs(args.cache, exist_ok=True)
    os.makedirs(args.out, exist_ok=True)

    def one(midi_path):
        name = os.path.splitext(os.path.basename(midi_path))[0]
        cached = os.path.join(args.cache, "%s-%s.ogg" % (name, cache_key(midi_path, args.soundfont, args.quality)))
        if not os.path.exists(cached):
            render(midi_path, args.soundfont, cached, args.quality)
        shutil.copyfile(cached, os.path.join(args.out, name + ".ogg"))

    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        tunes = sorted(n[:-4] for n in os.listdir(args.mid) if n.endswith(".mid"))
        for f in [pool.submit(one, os.path.join(args.mid, t + ".mid")) for t in tunes]:
            f.result()
    for n in os.listdir(args.out):  # renderings of tunes that are gone
        if n.endswith(".ogg") and n[:-4] not in tunes:
            os.remove(os.path.join(args.out, n))


if __name__ == "__main__":
    main()
