#include "midi.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "common.h"

namespace ag {

namespace {

void putVarLen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = uint8_t(v & 0x7F);
    while (v >>= 7) buf[n++] = uint8_t(0x80 | (v & 0x7F));
    while (n) out.push_back(buf[--n]);
}
void put32be(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}
void put16be(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}
std::vector<uint8_t> metaText(uint8_t type, const std::string& s) {
    std::vector<uint8_t> d{0xFF, type};
    putVarLen(d, uint32_t(s.size()));
    d.insert(d.end(), s.begin(), s.end());
    return d;
}

enum Order { kMeta = 0, kControl = 1, kNoteOff = 2, kNoteOn = 3 };

}  // namespace

Midi::Midi(int ppq, int beatsPerBar, int beatUnit) : ppq_(ppq), perBar_(beatsPerBar), unit_(beatUnit) {
    tracks_.push_back(Track{"conductor", {}});
    int dd = 0;
    while ((1 << dd) < beatUnit) ++dd;
    add(0, 0, kMeta, {0xFF, 0x58, 0x04, uint8_t(beatsPerBar), uint8_t(dd), 24, 8});
}

int Midi::addTrack(const std::string& name) {
    tracks_.push_back(Track{name, {}});
    return int(tracks_.size()) - 1;
}

void Midi::add(int track, uint32_t tick, int order, std::vector<uint8_t> data) {
    if (track < 0 || track >= int(tracks_.size())) throw Failure("midi: no track " + std::to_string(track));
    tracks_[size_t(track)].events.push_back(Event{tick, order, std::move(data)});
}

void Midi::tempo(double bpm, uint32_t tick) {
    uint32_t us = uint32_t(60000000.0 / bpm + 0.5);
    add(0, tick, kMeta, {0xFF, 0x51, 0x03, uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
}

void Midi::program(int track, int channel, int gmProgram, uint32_t tick) {
    add(track, tick, kControl, {uint8_t(0xC0 | (channel & 15)), uint8_t(gmProgram & 127)});
}

void Midi::control(int track, int channel, int controller, int value, uint32_t tick) {
    add(track, tick, kControl, {uint8_t(0xB0 | (channel & 15)), uint8_t(controller & 127), uint8_t(clampv(value, 0, 127))});
}

void Midi::note(int track, int channel, uint32_t tick, uint32_t duration, int key, int velocity) {
    if (key < 0 || key > 127 || duration == 0) return;
    uint8_t ch = uint8_t(channel & 15);
    add(track, tick, kNoteOn, {uint8_t(0x90 | ch), uint8_t(key), uint8_t(clampv(velocity, 1, 127))});
    add(track, tick + duration, kNoteOff, {uint8_t(0x80 | ch), uint8_t(key), 64});
}

void Midi::chord(int track, int channel, uint32_t tick, uint32_t duration, const std::vector<int>& keys, int velocity) {
    for (int k : keys) note(track, channel, tick, duration, k, velocity);
}

void Midi::drum(int track, uint32_t tick, int key, int velocity, uint32_t duration) {
    note(track, 9, tick, duration ? duration : uint32_t(ppq_ / 4), key, velocity);
}

void Midi::marker(const std::string& text, uint32_t tick) { add(0, tick, kMeta, metaText(0x06, text)); }

void Midi::setLength(uint32_t ticks) {
    if (ticks == 0 || ticks % bar() != 0)
        throw Failure("midi: a loop must be a whole number of bars (" + std::to_string(ticks) + " ticks)");
    length_ = ticks;
}

std::vector<uint8_t> Midi::bytes() const {
    if (length_ == 0) throw Failure("midi: no loop length set");
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    put32be(out, 6);
    put16be(out, 1);
    put16be(out, uint32_t(tracks_.size()));
    put16be(out, uint32_t(ppq_));
    for (const Track& t : tracks_) {
        // Keep what starts before the loop's end; release what is still held
        // there; pair every note-on with its own note-off.
        std::vector<Event> ev;
        std::map<std::pair<int, int>, int> held;  // (channel, key) -> count
        std::vector<Event> sorted = t.events;
        std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        for (Event e : sorted) {
            uint8_t kind = e.data[0] & 0xF0;
            if (e.order == kNoteOff) {
                auto k = std::make_pair(e.data[0] & 15, int(e.data[1]));
                if (held[k] == 0) continue;  // its note-on was dropped
                held[k]--;
                e.tick = std::min(e.tick, length_);
                ev.push_back(e);
                continue;
            }
            if (e.tick >= length_) continue;
            if (e.order == kNoteOn && kind == 0x90) held[std::make_pair(e.data[0] & 15, int(e.data[1]))]++;
            ev.push_back(e);
        }
        std::stable_sort(ev.begin(), ev.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        putVarLen(body, 0);
        auto name = metaText(0x03, t.name);
        body.insert(body.end(), name.begin(), name.end());
        uint32_t now = 0;
        for (const Event& e : ev) {
            putVarLen(body, e.tick - now);
            now = e.tick;
            body.insert(body.end(), e.data.begin(), e.data.end());
        }
        putVarLen(body, length_ - now);
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put32be(out, uint32_t(body.size()));
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

void Midi::write(const std::string& path) const {
    std::vector<uint8_t> b = bytes();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw Failure("cannot write " + path);
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) throw Failure("cannot write " + path);
}

namespace music {

namespace {
const std::vector<int>& steps(Mode m) {
    static const std::vector<int> major{0, 2, 4, 5, 7, 9, 11}, minor{0, 2, 3, 5, 7, 8, 10},
        dorian{0, 2, 3, 5, 7, 9, 10}, mixo{0, 2, 4, 5, 7, 9, 10}, pmaj{0, 2, 4, 7, 9}, pmin{0, 3, 5, 7, 10},
        harm{0, 2, 3, 5, 7, 8, 11};
    switch (m) {
        case Mode::Major: return major;
        case Mode::Minor: return minor;
        case Mode::Dorian: return dorian;
        case Mode::Mixolydian: return mixo;
        case Mode::PentatonicMajor: return pmaj;
        case Mode::PentatonicMinor: return pmin;
        case Mode::Harmonic: return harm;
    }
    return major;
}
}  // namespace

int Scale::size() const { return int(steps(mode).size()); }

int Scale::degree(int d) const {
    const auto& st = steps(mode);
    int n = int(st.size());
    int oct = d >= 0 ? d / n : -((-d + n - 1) / n);
    return root + 12 * oct + st[size_t(d - oct * n)];
}

std::vector<int> chord(int root, ChordKind kind) {
    switch (kind) {
        case ChordKind::Major: return {root, root + 4, root + 7};
        case ChordKind::Minor: return {root, root + 3, root + 7};
        case ChordKind::Dim: return {root, root + 3, root + 6};
        case ChordKind::Aug: return {root, root + 4, root + 8};
        case ChordKind::Sus2: return {root, root + 2, root + 7};
        case ChordKind::Sus4: return {root, root + 5, root + 7};
        case ChordKind::Major7: return {root, root + 4, root + 7, root + 11};
        case ChordKind::Minor7: return {root, root + 3, root + 7, root + 10};
        case ChordKind::Dom7: return {root, root + 4, root + 7, root + 10};
        case ChordKind::Add9: return {root, root + 4, root + 7, root + 14};
    }
    return {root};
}

std::vector<int> triad(const Scale& s, int degree, bool seventh) {
    std::vector<int> k{s.degree(degree), s.degree(degree + 2), s.degree(degree + 4)};
    if (seventh) k.push_back(s.degree(degree + 6));
    return k;
}

std::vector<int> voiceNear(std::vector<int> keys, int lo) {
    if (keys.empty()) return keys;
    int mn = *std::min_element(keys.begin(), keys.end());
    int shift = 0;
    while (mn + shift < lo) shift += 12;
    while (mn + shift >= lo + 12) shift -= 12;
    for (int& k : keys) k += shift;
    return keys;
}

}  // namespace music

}  // namespace ag
