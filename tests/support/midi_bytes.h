// Small standard MIDI files built byte by byte, for the loader tests.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutBe(Bytes& b, uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i) b.push_back(uint8_t(v >> (8 * i)));
}

// One track chunk around the given event bytes.
inline Bytes MidiTrack(std::initializer_list<uint8_t> events) {
    Bytes b{'M', 'T', 'r', 'k'};
    PutBe(b, uint32_t(events.size()), 4);
    b.insert(b.end(), events);
    return b;
}

inline Bytes MidiHeader(uint32_t format, uint32_t tracks, uint32_t division) {
    Bytes b{'M', 'T', 'h', 'd'};
    PutBe(b, 6, 4);
    PutBe(b, format, 2);
    PutBe(b, tracks, 2);
    PutBe(b, division, 2);
    return b;
}

// A one-beat note at 480 ticks per beat, then the end of the track.
inline Bytes OneNoteTrack() {
    return MidiTrack({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00});
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes b;
    for (const Bytes& p : parts) b.insert(b.end(), p.begin(), p.end());
    return b;
}
