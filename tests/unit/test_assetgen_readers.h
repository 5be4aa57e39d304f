// Small readers for the generated data files, used by the generator's tests:
// PNG (through libpng), 24-bit BMP, 16-bit PCM WAV and Standard MIDI Files.
#pragma once
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace assetcheck {

inline std::vector<uint8_t> slurp(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), {});
}

struct Image {
    int w = 0, h = 0;
    bool hasAlpha = false;       // the file itself carries alpha
    std::vector<uint32_t> argb;  // rows top-down
    uint32_t at(int x, int y) const { return argb[size_t(y) * size_t(w) + size_t(x)]; }
    bool ok() const { return w > 0; }
};

inline Image readPng(const std::filesystem::path& p) {
    Image img;
    png_image pi{};
    pi.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&pi, p.string().c_str())) return img;
    img.hasAlpha = (pi.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    pi.format = PNG_FORMAT_BGRA;  // little-endian words read as 0xAARRGGBB
    std::vector<uint32_t> buf(size_t(pi.width) * pi.height);
    if (!png_image_finish_read(&pi, nullptr, buf.data(), 0, nullptr)) {
        png_image_free(&pi);
        return img;
    }
    img.w = int(pi.width);
    img.h = int(pi.height);
    img.argb = std::move(buf);
    return img;
}

inline uint32_t le(const std::vector<uint8_t>& b, size_t i, int n) {
    uint32_t v = 0;
    for (int k = n - 1; k >= 0; --k) v = v << 8 | b[i + size_t(k)];
    return v;
}

// Uncompressed 24-bit Windows bitmap; bits is 0 when the file is not one.
inline Image readBmp24(const std::filesystem::path& p, int* bits = nullptr) {
    Image img;
    auto b = slurp(p);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return img;
    const uint32_t off = le(b, 10, 4), hdr = le(b, 14, 4), comp = le(b, 30, 4);
    const int w = int(le(b, 18, 4)), h = int(int32_t(le(b, 22, 4)));
    const int bpp = int(le(b, 28, 2));
    if (bits) *bits = bpp;
    if (hdr < 40 || comp != 0 || bpp != 24 || w <= 0 || h == 0) return img;
    const int rows = h < 0 ? -h : h;
    const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    if (b.size() < off + stride * size_t(rows)) return img;
    img.w = w;
    img.h = rows;
    img.argb.resize(size_t(w) * size_t(rows));
    for (int y = 0; y < rows; ++y) {
        int fileRow = h > 0 ? rows - 1 - y : y;
        const uint8_t* q = &b[off + stride * size_t(fileRow)];
        for (int x = 0; x < w; ++x)
            img.argb[size_t(y) * size_t(w) + size_t(x)] =
                0xFF000000u | uint32_t(q[x * 3 + 2]) << 16 | uint32_t(q[x * 3 + 1]) << 8 | q[x * 3];
    }
    return img;
}

struct Wave {
    int rate = 0, channels = 0, bits = 0, format = 0;
    std::vector<std::vector<float>> ch;  // per channel, -1..1
    bool ok() const { return rate > 0 && !ch.empty(); }
    size_t frames() const { return ch.empty() ? 0 : ch[0].size(); }
    double seconds() const { return rate ? double(frames()) / rate : 0; }
};

// Walks the RIFF chunks; reads 16-bit PCM data.
inline Wave readWav(const std::filesystem::path& p) {
    Wave w;
    auto b = slurp(p);
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w;
    if (le(b, 4, 4) + 8 != b.size()) return w;
    size_t i = 12;
    while (i + 8 <= b.size()) {
        std::string id(b.begin() + long(i), b.begin() + long(i) + 4);
        size_t len = le(b, i + 4, 4);
        size_t body = i + 8;
        if (body + len > b.size()) return Wave{};
        if (id == "fmt ") {
            w.format = int(le(b, body, 2));
            w.channels = int(le(b, body + 2, 2));
            w.rate = int(le(b, body + 4, 4));
            w.bits = int(le(b, body + 14, 2));
        } else if (id == "data" && w.bits == 16 && w.channels > 0) {
            size_t frames = len / (2 * size_t(w.channels));
            w.ch.assign(size_t(w.channels), std::vector<float>(frames));
            for (size_t f = 0; f < frames; ++f)
                for (int c = 0; c < w.channels; ++c)
                    w.ch[size_t(c)][f] = float(int16_t(le(b, body + (f * size_t(w.channels) + size_t(c)) * 2, 2))) / 32768.f;
        }
        i = body + len + (len & 1);
    }
    return w;
}

struct MidiEvent {
    uint32_t tick;
    uint8_t status, a, b;      // channel messages; meta events have status 0xFF and a = type
    std::vector<uint8_t> meta;  // meta payload
};
struct MidiTrack {
    std::vector<MidiEvent> events;
    uint32_t endTick = 0;
    bool ended = false;
};
struct MidiFile {
    int format = -1, ppq = 0;
    std::vector<MidiTrack> tracks;
    bool ok = false;
};

inline MidiFile parseMidi(const std::vector<uint8_t>& b) {
    MidiFile m;
    auto be = [&](size_t i, int n) {
        uint32_t v = 0;
        for (int k = 0; k < n; ++k) v = v << 8 | b[i + size_t(k)];
        return v;
    };
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || be(4, 4) != 6) return m;
    m.format = int(be(8, 2));
    const int count = int(be(10, 2));
    m.ppq = int(be(12, 2));
    size_t i = 14;
    for (int t = 0; t < count; ++t) {
        if (i + 8 > b.size() || std::string(b.begin() + long(i), b.begin() + long(i) + 4) != "MTrk") return m;
        const size_t end = i + 8 + be(i + 4, 4);
        if (end > b.size()) return m;
        i += 8;
        MidiTrack tr;
        uint32_t now = 0;
        uint8_t running = 0;
        auto var = [&]() {
            uint32_t v = 0;
            for (;;) {
                uint8_t c = b[i++];
                v = (v << 7) | (c & 0x7F);
                if (!(c & 0x80)) return v;
            }
        };
        while (i < end) {
            now += var();
            uint8_t st = b[i];
            if (st & 0x80)
                ++i;
            else
                st = running;
            if (st == 0xFF) {
                uint8_t type = b[i++];
                uint32_t len = var();
                MidiEvent e{now, st, type, 0, std::vector<uint8_t>(b.begin() + long(i), b.begin() + long(i + len))};
                i += len;
                tr.events.push_back(e);
                if (type == 0x2F) {
                    tr.ended = true;
                    tr.endTick = now;
                }
            } else if (st == 0xF0 || st == 0xF7) {
                i += var();
            } else {
                running = st;
                uint8_t a = b[i++];
                uint8_t c = ((st & 0xF0) == 0xC0 || (st & 0xF0) == 0xD0) ? 0 : b[i++];
                tr.events.push_back({now, st, a, c, {}});
            }
        }
        if (i != end) return m;
        m.tracks.push_back(std::move(tr));
    }
    m.ok = true;
    return m;
}

}  // namespace assetcheck
