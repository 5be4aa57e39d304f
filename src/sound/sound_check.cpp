#include "sound/sound_check.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t Be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint32_t Be16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }
uint32_t Le32(const uint8_t* p) { return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; }
uint32_t Le16(const uint8_t* p) { return uint32_t(p[1]) << 8 | p[0]; }

// The synthesizer plays at most this many tracks.
constexpr uint32_t kMaxTracks = 128;
// A tempo under this (microseconds per beat) is not music; it would make a
// looping tune restart thousands of times per mixing buffer.
constexpr uint32_t kMinTempo = 20000;
constexpr uint32_t kDefaultTempo = 500000;
// The shortest loop worth playing; anything shorter spins the synthesizer.
constexpr uint64_t kMinPlayingMicros = 50000;

// A variable-length quantity of at most four bytes.
bool ReadVarLen(const uint8_t* t, size_t len, size_t& i, uint32_t& out) {
    out = 0;
    for (int k = 0; k < 4; ++k) {
        if (i >= len) return false;
        uint8_t b = t[i++];
        out = out << 7 | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;
}

bool MetaLengthSound(uint8_t type, uint32_t n) {
    switch (type) {
        case 0x2F: return n == 0;  // end of track
        case 0x51: return n == 3;  // tempo
        case 0x54: return n == 5;  // SMPTE offset
        case 0x58: return n == 4;  // time signature
        case 0x59: return n == 2;  // key signature
        default: return true;
    }
}

struct TrackSummary {
    uint64_t ticks = 0;
    uint32_t fastestTempo = 0;  // 0: no tempo event
};

const char* TrackProblem(const uint8_t* t, size_t len, TrackSummary& sum) {
    size_t i = 0;
    uint8_t running = 0;
    for (;;) {
        uint32_t delta = 0;
        if (!ReadVarLen(t, len, i, delta)) return "a MIDI track is cut short or has a bad delta time";
        sum.ticks += delta;
        if (i >= len) return "a MIDI track is cut short";
        uint8_t status = t[i];
        if (status & 0x80)
            ++i;
        else if (running)
            status = running;  // running status: the byte is data
        else
            return "a MIDI track has data without a status byte";
        if (status < 0xF0) {
            running = status;
            int need = (status & 0xE0) == 0xC0 ? 1 : 2;
            for (int k = 0; k < need; ++k, ++i)
                if (i >= len || (t[i] & 0x80)) return "a MIDI track has a bad channel event";
            continue;
        }
        running = 0;  // system and meta events cancel running status
        uint8_t type = 0;
        if (status == 0xFF) {
            if (i >= len) return "a MIDI track is cut short";
            type = t[i++];
        } else if (status != 0xF0 && status != 0xF7) {
            return "a MIDI track has a bad status byte";
        }
        uint32_t n = 0;
        if (!ReadVarLen(t, len, i, n) || n > len - i) return "a MIDI event runs past the end of its track";
        // The synthesizer refuses these meta events at any other length, and
        // a tune it refuses to read spins it for ever.
        if (status == 0xFF && !MetaLengthSound(type, n)) return "a MIDI meta event has a bad length";
        if (status == 0xFF && type == 0x51) {
            uint32_t tempo = uint32_t(t[i]) << 16 | uint32_t(t[i + 1]) << 8 | t[i + 2];
            if (tempo < kMinTempo) return "a MIDI tempo is too fast";
            sum.fastestTempo = sum.fastestTempo ? std::min(sum.fastestTempo, tempo) : tempo;
        }
        i += n;
        // The end of the track closes its chunk: the synthesizer's reader looks
        // for the next track right after it.
        if (status == 0xFF && type == 0x2F) return i == len ? nullptr : "a MIDI track has bytes after its end";
    }
}

}  // namespace

const char* MidiProblem(const uint8_t* d, size_t n) {
    if (n < 14 || std::memcmp(d, "MThd", 4) != 0) return "not a MIDI file";
    uint32_t headerLen = Be32(d + 4);
    // Exactly six: the synthesizer reads the first track right after them.
    if (headerLen != 6) return "bad MIDI header length";
    uint32_t format = Be16(d + 8), tracks = Be16(d + 10), division = Be16(d + 12);
    if (format > 2) return "unknown MIDI format";
    if (tracks == 0) return "a MIDI file without tracks";
    if (tracks > kMaxTracks || (format == 0 && tracks != 1)) return "bad MIDI track count";
    if (division & 0x8000) return "SMPTE timing in a MIDI file is not supported";
    if (division == 0) return "zero ticks per beat in a MIDI file";
    size_t at = 8 + size_t(headerLen);
    uint32_t found = 0;
    uint64_t longest = 0;
    uint32_t fastest = 0;
    while (found < tracks) {
        if (n - at < 8) return "a MIDI track is missing or cut short";
        uint32_t len = Be32(d + at + 4);
        if (len > n - at - 8) return "a MIDI track runs past the end of the file";
        // The format lets readers skip chunks of other kinds, but the
        // synthesizer's reader does not get past one: it spins on it.
        if (std::memcmp(d + at, "MTrk", 4) != 0) return "a MIDI file with a chunk that is not a track";
        TrackSummary sum;
        if (const char* why = TrackProblem(d + at + 8, len, sum)) return why;
        longest = std::max(longest, sum.ticks);
        if (sum.fastestTempo) fastest = fastest ? std::min(fastest, sum.fastestTempo) : sum.fastestTempo;
        ++found;
        at += 8 + size_t(len);
    }
    // Shortest possible length: every beat at the fastest tempo in the file.
    uint64_t micros = longest * (fastest ? fastest : kDefaultTempo) / division;
    if (micros < kMinPlayingMicros) return "a MIDI file with no playing time";
    return nullptr;
}

const char* WaveProblem(const uint8_t* d, size_t n) {
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0) return "not a wave file";
    bool haveFormat = false;
    size_t at = 12;
    while (n - at >= 8) {
        uint32_t len = Le32(d + at + 4);
        const uint8_t* body = d + at + 8;
        size_t room = n - at - 8;
        if (std::memcmp(d + at, "fmt ", 4) == 0) {
            if (len < 16 || len > room) return "bad wave format chunk";
            uint32_t channels = Le16(body + 2), rate = Le32(body + 4), bits = Le16(body + 14);
            if (channels < 1 || channels > 8) return "bad channel count in a wave file";
            if (rate < 4000 || rate > 192000) return "bad sample rate in a wave file";
            if (bits > 64) return "bad sample size in a wave file";
            haveFormat = true;
        } else if (std::memcmp(d + at, "data", 4) == 0) {
            if (!haveFormat) return "wave data before its format";
            if (len > room) return "wave data runs past the end of the file";
            if (len == 0) return "a wave file without sound";
            return nullptr;
        }
        if (len > room) break;
        at += 8 + size_t(len) + (len & 1);
        if (at > n) break;
    }
    return "a wave file without sound data";
}
