#include "data_fuzz.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {

// splitmix64: small, seedable, the same everywhere.
struct Rng {
    uint64_t s;
    uint64_t Next() {
        uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return n ? size_t(Next() % n) : 0; }
};

Rng CaseRng(uint64_t seed, uint64_t index, uint64_t stream) {
    Rng r{seed * 0x2545F4914F6CDD1Dull ^ (index << 8) ^ stream};
    r.Next();
    return r;
}

bool EndsWith(const char* s, const char* tail) {
    size_t n = std::strlen(s), m = std::strlen(tail);
    return n >= m && std::strcmp(s + n - m, tail) == 0;
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v, bool bigEndian) {
    if (at > b.size() || b.size() - at < 4) return;
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (bigEndian ? 24 - 8 * i : 8 * i));
}
void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v, bool bigEndian) {
    if (at > b.size() || b.size() - at < 2) return;
    b[at] = uint8_t(bigEndian ? v >> 8 : v);
    b[at + 1] = uint8_t(bigEndian ? v : v >> 8);
}

// Where the first chunk with this id starts (id, then length: RIFF and
// MIDI), or the file's size when there is none (writes there are dropped).
size_t FindChunk(const std::vector<uint8_t>& b, size_t from, const char* id, bool bigEndian, int pad) {
    size_t at = from;
    while (at + 8 <= b.size()) {
        if (std::memcmp(&b[at], id, 4) == 0) return at;
        uint32_t len = bigEndian ? uint32_t(b[at + 4]) << 24 | b[at + 5] << 16 | b[at + 6] << 8 | b[at + 7]
                                 : uint32_t(b[at + 7]) << 24 | b[at + 6] << 16 | b[at + 5] << 8 | b[at + 4];
        at += 8 + size_t(len) + (pad ? (len & 1) : 0);
    }
    return b.size();
}

// PNG chunks are length, then id.
size_t FindPngChunk(const std::vector<uint8_t>& b, const char* id) {
    size_t at = 8;
    while (at + 8 <= b.size()) {
        if (std::memcmp(&b[at + 4], id, 4) == 0) return at;
        at += 12 + size_t(uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3]);
    }
    return b.size();
}

// PNG: rewrites the IHDR fields and its CRC, so the values themselves are tested.
void FixIhdrCrc(std::vector<uint8_t>& b) {
    if (b.size() < 33) return;
    uint32_t crc = uint32_t(crc32(0, &b[12], 17));
    Put32(b, 29, crc, true);
}

std::string Crafted(std::vector<uint8_t>& b, const char* path, Rng& r) {
    if (EndsWith(path, ".mid")) {
        size_t trk = FindChunk(b, 14, "MTrk", true, 0);
        switch (r.Below(9)) {
            case 0: Put32(b, 4, 0x7FFFFFFF, true); return "MIDI header length huge";
            case 1: Put16(b, 12, 0xE728, true); return "MIDI SMPTE timing";
            case 2: Put16(b, 10, 0, true); return "MIDI zero tracks";
            case 3: Put16(b, 10, 0xFFFF, true); return "MIDI 65535 tracks";
            case 4: Put32(b, trk + 4, 0xFFFFFFF0u, true); return "MIDI track length past the end";
            case 5: Put16(b, 8, 7, true); return "MIDI format 7";
            case 6: Put16(b, 12, 0, true); return "MIDI zero ticks per beat";
            case 7:  // a tempo of one microsecond per beat at the start of track 1
                if (trk + 8 <= b.size()) {
                    const uint8_t tempo[] = {0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x01};
                    b.insert(b.begin() + long(trk + 8), tempo, tempo + sizeof tempo);
                    uint32_t len = uint32_t(b[trk + 4]) << 24 | b[trk + 5] << 16 | b[trk + 6] << 8 | b[trk + 7];
                    Put32(b, trk + 4, len + sizeof tempo, true);
                }
                return "MIDI tempo of 1 us per beat";
            default: {  // nothing but the end of one track
                const uint8_t only[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 1, 0xE0,
                                        'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0};
                b.assign(only, only + sizeof only);
                return "MIDI with no playing time";
            }
        }
    }
    if (EndsWith(path, ".wav")) {
        size_t fmt = FindChunk(b, 12, "fmt ", false, 1), data = FindChunk(b, 12, "data", false, 1);
        switch (r.Below(8)) {
            case 0: Put32(b, data + 4, 0xFFFFFFFFu, false); return "wave data length huge";
            case 1: Put32(b, 4, 0, false); return "wave RIFF length 0";
            case 2: Put32(b, fmt + 4, 0xFFFFFFFFu, false); return "wave format length huge";
            case 3: Put16(b, fmt + 10, 0, false); return "wave zero channels";
            case 4: Put32(b, fmt + 12, uint32_t(r.Below(3)), false); return "wave sample rate 0..2";
            case 5: Put16(b, fmt + 22, 0, false); return "wave zero bits";
            case 6: Put16(b, fmt + 8, uint32_t(r.Next()), false); return "wave unknown encoding";
            default: Put16(b, fmt + 20, 0, false); return "wave zero block size";
        }
    }
    if (EndsWith(path, ".bmp")) {
        switch (r.Below(7)) {
            case 0: Put32(b, 18, 100000, false); Put32(b, 22, 100000, false); return "bitmap 100000x100000";
            case 1: Put32(b, 18, 0x80000000u, false); return "bitmap width INT_MIN";
            case 2: Put32(b, 22, 0x80000000u, false); return "bitmap height INT_MIN";
            case 3: Put16(b, 28, 0, false); return "bitmap zero bits";
            case 4: Put32(b, 10, 0xFFFFFFFFu, false); return "bitmap pixels past the end";
            case 5: Put32(b, 30, 1 + uint32_t(r.Below(2)), false); return "bitmap run-length claimed";
            default: Put32(b, 14, 0xFFFFFFFFu, false); return "bitmap header size huge";
        }
    }
    // PNG
    switch (r.Below(6)) {
        case 0: Put32(b, 16, 0x7FFFFFFF, true); FixIhdrCrc(b); return "PNG width 2^31-1";
        case 1: Put32(b, 16, 100000, true); Put32(b, 20, 100000, true); FixIhdrCrc(b); return "PNG 100000x100000";
        case 2: Put32(b, 8, 0xFFFFFFFFu, true); return "PNG header chunk length huge";
        case 3: {
            Put32(b, FindPngChunk(b, "IDAT"), 0x7FFFFFF0u, true);
            return "PNG data chunk length past the end";
        }
        case 4: b[24] = uint8_t(r.Below(256)); FixIhdrCrc(b); return "PNG odd bit depth";
        default: b[25] = uint8_t(r.Below(256)); FixIhdrCrc(b); return "PNG odd colour type";
    }
}

}  // namespace

const std::vector<FuzzTarget>& FuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        // pictures
        {"img/vesk.png", 0}, {"img/Logo.png", 2}, {"img/asiato.bmp", 2}, {"img/back.png", 7},
        {"img/ブラシ.png", 7}, {"img/kaiwa.png", 9}, {"img/haik.png", 11}, {"img/char.move.png", 11},
        {"img/gage.png", 11}, {"img/gameover.png", 47}, {"img/help.png", 59}, {"img/end0.png", 57},
        // music
        {"mid/tam-n11.mid", 7}, {"mid/1.mid", 11}, {"mid/2.mid", 15}, {"mid/5.mid", 43}, {"mid/kake17gm.mid", 57},
        // effects
        {"wav/notice1.wav", 7}, {"wav/omg.wav", 47}, {"wav/bom31_b.wav", 11}, {"wav/op5.wav", 11},
        {"wav/god.wav", 9}, {"wav/nubble.wav", 9},
    };
    return targets;
}

const FuzzTarget& FuzzTargetOf(uint64_t seed, uint64_t index) {
    // Kinds in turn (picture, bitmap, music, effect) so every kind gets its share.
    Rng r = CaseRng(seed, index, 1);
    const auto& all = FuzzTargets();
    std::vector<const FuzzTarget*> pool;
    const char* kinds[] = {".png", ".bmp", ".mid", ".wav"};
    for (const FuzzTarget& t : all)
        if (EndsWith(t.path, kinds[index % 4])) pool.push_back(&t);
    return *pool[r.Below(pool.size())];
}

FuzzCase MakeFuzzCase(uint64_t seed, uint64_t index, const std::vector<uint8_t>& original) {
    FuzzCase c;
    c.target = &FuzzTargetOf(seed, index);
    Rng r = CaseRng(seed, index, 2);
    c.bytes = original;
    std::vector<uint8_t>& b = c.bytes;
    switch (r.Below(10)) {
        case 0:
            b.clear();
            c.what = "empty";
            break;
        case 1:
        case 2: {
            // Cut inside the header, at a chunk boundary, in the middle or near the end.
            const size_t points[] = {1, 4, 8, 12, 13, 14, 18, 22, 26, 33, 40, 44};
            size_t at = r.Below(3) == 0 ? points[r.Below(12)] : r.Below(2) ? b.size() / 2 : r.Below(b.size());
            if (r.Below(4) == 0) at = b.size() > 1 ? b.size() - 1 : 0;
            b.resize(std::min(at, b.size()));
            c.what = "cut at " + std::to_string(b.size());
            break;
        }
        case 3: {
            size_t n = 1 + r.Below(r.Below(2) ? 64 : 8192);
            bool keepMagic = r.Below(2);
            std::vector<uint8_t> junk(n);
            for (uint8_t& x : junk) x = uint8_t(r.Next());
            if (keepMagic) std::copy_n(original.begin(), std::min<size_t>(8, std::min(n, original.size())), junk.begin());
            b = junk;
            c.what = std::string("random bytes x") + std::to_string(n) + (keepMagic ? " after the magic" : "");
            break;
        }
        case 4:
        case 5:
        case 6: {
            // Flips near the start hit the headers; the rest anywhere.
            size_t flips = 1 + r.Below(r.Below(2) ? 4 : 64);
            for (size_t k = 0; k < flips && !b.empty(); ++k) {
                size_t at = r.Below(2) ? r.Below(std::min<size_t>(b.size(), 256)) : r.Below(b.size());
                b[at] ^= uint8_t(1u << r.Below(8));
            }
            c.what = "bit flips x" + std::to_string(flips);
            break;
        }
        case 7:
        case 8:
            c.what = Crafted(b, c.target->path, r);
            break;
        default:
            b.clear();
            c.shape = r.Below(2) ? FuzzShape::Directory : FuzzShape::Fifo;
            c.what = c.shape == FuzzShape::Directory ? "a directory" : "a FIFO";
            break;
    }
    return c;
}
