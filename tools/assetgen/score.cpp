#include "score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include "common.h"

namespace ag::score {

namespace {

int pitchClass(char letter) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'c': return 0;
        case 'd': return 2;
        case 'e': return 4;
        case 'f': return 5;
        case 'g': return 7;
        case 'a': return 9;
        case 'b': return 11;
    }
    return -1;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        if (w != "|") out.push_back(w);
    return out;
}

// Reads one pitch at s[pos] (letter, optional accidental, octave digits).
int readPitch(const std::string& s, size_t& pos) {
    if (pos >= s.size()) throw Failure("score: missing pitch in '" + s + "'");
    int pc = pitchClass(s[pos]);
    if (pc < 0) throw Failure("score: bad pitch in '" + s + "'");
    ++pos;
    if (pos < s.size() && (s[pos] == '#' || s[pos] == 'b') && pos + 1 < s.size() &&
        std::isdigit(static_cast<unsigned char>(s[pos + 1]))) {
        pc += s[pos] == '#' ? 1 : -1;
        ++pos;
    }
    if (pos >= s.size() || !std::isdigit(static_cast<unsigned char>(s[pos])))
        throw Failure("score: pitch without octave in '" + s + "'");
    int octave = 0;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos]))) octave = octave * 10 + (s[pos++] - '0');
    int key = (octave + 1) * 12 + pc;
    if (key < 0 || key > 127) throw Failure("score: pitch out of range in '" + s + "'");
    return key;
}

struct Quality {
    const char* name;
    std::vector<int> tones;
};

const std::vector<Quality>& qualities() {
    static const std::vector<Quality> q = {
        {"", {0, 4, 7}},           {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},      {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}},   {"m7b5", {0, 3, 6, 10}},   {"dim", {0, 3, 6}},        {"dim7", {0, 3, 6, 9}},
        {"aug", {0, 4, 8}},        {"sus2", {0, 2, 7}},       {"sus4", {0, 5, 7}},       {"7sus4", {0, 5, 7, 10}},
        {"6", {0, 4, 7, 9}},       {"m6", {0, 3, 7, 9}},      {"add9", {0, 4, 7, 14}},   {"9", {0, 4, 7, 10, 14}},
        {"m9", {0, 3, 7, 10, 14}},
    };
    return q;
}

int readRoot(const std::string& s, size_t& pos) {
    if (pos >= s.size() || !std::isupper(static_cast<unsigned char>(s[pos])) || pitchClass(s[pos]) < 0)
        throw Failure("score: bad chord root in '" + s + "'");
    int pc = pitchClass(s[pos++]);
    if (pos < s.size() && (s[pos] == '#' || s[pos] == 'b')) pc += s[pos++] == '#' ? 1 : -1;
    return (pc + 12) % 12;
}

// Key of pitch class pc in [lo, lo + 12).
int placeNear(int pc, int lo) {
    int k = lo + ((pc - lo) % 12 + 12) % 12;
    return k;
}

double distance(const std::vector<int>& a, const std::vector<int>& b) {
    double d = 0;
    for (int x : a) {
        int m = 1000;
        for (int y : b) m = std::min(m, std::abs(x - y));
        d += m;
    }
    for (int y : b) {
        int m = 1000;
        for (int x : a) m = std::min(m, std::abs(x - y));
        d += m;
    }
    return d;
}

// A chord tone at an interval in [from, to] above `key` (closest to `want`);
// failing that the chord tone nearest `want` a little wider, or key + fallback.
int toneAbove(const Chord& c, int key, int from, int to, int want, int fallback) {
    for (int widen : {0, 2}) {
        int best = -1, bestD = 1000;
        for (int t : c.tones) {
            int pc = (c.root + t) % 12;
            for (int iv = std::max(1, from - widen); iv <= to + widen; ++iv)
                if ((key + iv) % 12 == pc && std::abs(iv - want) < bestD) {
                    best = key + iv;
                    bestD = std::abs(iv - want);
                }
        }
        if (best >= 0) return best;
    }
    return key + fallback;
}

}  // namespace

int keyOf(const std::string& pitch) {
    size_t pos = 0;
    int k = readPitch(pitch, pos);
    if (pos != pitch.size()) throw Failure("score: bad pitch '" + pitch + "'");
    return k;
}

std::vector<Note> parseLine(const std::string& text, int ppq) {
    std::vector<Note> out;
    uint32_t now = 0;
    for (const std::string& w : words(text)) {
        Note n;
        size_t pos = 0;
        if (w[pos] == '>') {
            n.accent = true;
            ++pos;
        }
        if (pos < w.size() && w[pos] == 'r') {
            ++pos;
        } else {
            n.keys.push_back(readPitch(w, pos));
            while (pos < w.size() && w[pos] == '+') {
                ++pos;
                n.keys.push_back(readPitch(w, pos));
            }
        }
        uint32_t len = 0, last = 0;
        for (; pos < w.size(); ++pos) {
            uint32_t d = 0;
            switch (w[pos]) {
                case 'w': d = uint32_t(ppq) * 4; break;
                case 'h': d = uint32_t(ppq) * 2; break;
                case 'q': d = uint32_t(ppq); break;
                case 'e': d = uint32_t(ppq) / 2; break;
                case 's': d = uint32_t(ppq) / 4; break;
                case 't': d = uint32_t(ppq) / 3; break;
                case '.': d = last / 2; break;
                case '\'': n.staccato = true; break;
                default: throw Failure("score: bad length in '" + w + "'");
            }
            if (w[pos] != '.') last = d;
            len += d;
        }
        if (len == 0) throw Failure("score: note without length '" + w + "'");
        n.at = now;
        n.len = len;
        now += len;
        out.push_back(n);
    }
    return out;
}

uint32_t lengthOf(const std::vector<Note>& line) { return line.empty() ? 0 : line.back().at + line.back().len; }

std::vector<Chord> parseChart(const std::string& text, uint32_t barTicks, uint32_t start) {
    std::vector<Chord> out;
    uint32_t now = start;
    for (const std::string& w : words(text)) {
        std::string sym = w;
        double bars = 1.0;
        if (size_t colon = w.find(':'); colon != std::string::npos) {
            sym = w.substr(0, colon);
            char* end = nullptr;
            bars = std::strtod(w.c_str() + colon + 1, &end);
            if (*end || bars <= 0) throw Failure("score: bad chord length in '" + w + "'");
        }
        Chord c;
        size_t pos = 0;
        c.root = readRoot(sym, pos);
        c.bass = c.root;
        size_t slash = sym.find('/', pos);
        std::string q = sym.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        if (slash != std::string::npos) {
            size_t bp = slash + 1;
            c.bass = readRoot(sym, bp);
            if (bp != sym.size()) throw Failure("score: bad bass in '" + w + "'");
        }
        bool found = false;
        for (const Quality& k : qualities())
            if (q == k.name) {
                c.tones = k.tones;
                found = true;
            }
        if (!found) throw Failure("score: unknown chord '" + w + "'");
        c.at = now;
        c.len = uint32_t(bars * barTicks + 0.5);
        now += c.len;
        out.push_back(c);
    }
    return out;
}

std::vector<int> voicing(const Chord& c, int lo, const std::vector<int>& prev) {
    std::vector<int> pcs;
    std::vector<int> ivs = c.tones;
    std::sort(ivs.begin(), ivs.end(), [](int a, int b) { return a % 12 < b % 12; });
    for (int t : ivs) {
        int pc = (c.root + t) % 12;
        if (std::find(pcs.begin(), pcs.end(), pc) == pcs.end()) pcs.push_back(pc);
    }
    std::vector<int> best;
    double bestD = 1e9;
    for (size_t r = 0; r < pcs.size(); ++r) {
        std::vector<int> v;
        int k = placeNear(pcs[r], lo);
        v.push_back(k);
        for (size_t i = 1; i < pcs.size(); ++i) {
            int pc = pcs[(r + i) % pcs.size()];
            int next = k + 1 + ((pc - k - 1) % 12 + 12) % 12;
            v.push_back(next);
            k = next;
        }
        double d = prev.empty() ? double(r) : distance(v, prev);
        if (d < bestD) {
            bestD = d;
            best = v;
        }
    }
    return best;
}

Song::Song(double bpm, int beatsPerBar, int beatUnit) : midi_(480, beatsPerBar, beatUnit), beatsPerBar_(beatsPerBar) {
    midi_.tempo(bpm);
}

Voice Song::voice(const std::string& name, int channel, int program, int volume, int pan, int reverb, int chorus) {
    Voice v{midi_.addTrack(name), channel};
    midi_.program(v.track, channel, program);
    midi_.volume(v.track, channel, scaledVolume(volume));
    midi_.control(v.track, channel, 11, 127);
    midi_.pan(v.track, channel, pan);
    midi_.reverb(v.track, channel, reverb);
    midi_.control(v.track, channel, 93, chorus);
    return v;
}

Voice Song::drums(int volume, int reverb) {
    Voice v{midi_.addTrack("drums"), 9};
    midi_.volume(v.track, 9, scaledVolume(volume));
    midi_.control(v.track, 9, 11, 127);
    midi_.reverb(v.track, 9, reverb);
    return v;
}

// Channel volume acts on amplitude roughly as (v/127)^2 in GM synths.
int Song::scaledVolume(int v) const { return clampv(int(std::lround(v * std::pow(10.0, levelDb_ / 40.0))), 1, 127); }

int Song::velAt(uint32_t tick, int velocity, bool accent) const {
    const uint32_t barT = midi_.bar(), beatT = midi_.beat();
    uint32_t inBar = tick % barT;
    int v = velocity;
    bool compound = beatsPerBar_ % 3 == 0 && beatsPerBar_ > 3;  // 6/8, 9/8: beats come in threes
    uint32_t pulse = compound ? beatT * 3 : beatT;
    if (inBar == 0)
        v += 6;
    else if (inBar % pulse == 0)
        v += (beatsPerBar_ == 4 && inBar == 2 * beatT) ? 3 : 0;
    else
        v -= 5;
    if (accent) v += 14;
    return clampv(v, 1, 127);
}

uint32_t Song::play(Voice v, double atBar, const std::string& line, int velocity, int transpose, double gate) {
    const uint32_t start = midi_.bar(atBar);
    auto notes = parseLine(line, midi_.ppq());
    for (const Note& n : notes) {
        if (n.keys.empty()) continue;
        uint32_t len = uint32_t(double(n.len) * (n.staccato ? 0.45 : gate));
        len = std::max<uint32_t>(len, 1);
        for (int k : n.keys) midi_.note(v.track, v.channel, start + n.at, len, k + transpose, velAt(start + n.at, velocity, n.accent));
    }
    return start + lengthOf(notes);
}

void Song::pad(Voice v, const std::vector<Chord>& chart, int lo, int velocity) {
    std::vector<int> prev;
    for (size_t i = 0; i < chart.size();) {
        const Chord& c = chart[i];
        uint32_t len = c.len;
        size_t j = i + 1;
        while (j < chart.size() && chart[j].root == c.root && chart[j].tones == c.tones && chart[j].bass == c.bass)
            len += chart[j++].len;
        prev = voicing(c, lo, prev);
        for (int k : prev) midi_.note(v.track, v.channel, c.at, len, k, velocity);
        i = j;
    }
}

namespace {

// The key a figure's letter stands for over chord c: a digit is a tone of the
// voicing (past its top, the octave above), R/O the bass and its octave, F/v
// the fifth above and below, T the third, S the sixth or seventh, `a` a step
// leading to the next chord's bass; -1 for a rest or hold.
int figureKey(char ch, const Chord& c, const std::vector<int>& voiced, int root, int nextBass) {
    if (ch >= '0' && ch <= '9') {
        const int k = ch - '0', n = int(voiced.size());
        return voiced[size_t(k % n)] + 12 * (k / n);
    }
    switch (ch) {
        case 'R': return root;
        case 'O': return root + 12;
        case 'F': return toneAbove(c, root, 5, 8, 7, 7);
        case 'v': return toneAbove(c, root, 5, 8, 7, 7) - 12;
        case 'T': return toneAbove(c, root, 3, 4, 4, 4);
        case 'S': return toneAbove(c, root, 9, 11, 10, 12);
        case 'a': {
            const int target = placeNear(nextBass, root - 6);
            if (target == root) return root + 2;
            return target > root ? target - 1 : target + 1;
        }
    }
    return -1;
}

}  // namespace

void Song::figure(Voice v, const std::vector<Chord>& chart, const std::string& pattern, uint32_t step, int lo,
                  int bassLo, int velocity, double gate) {
    if (pattern.empty() || step == 0) return;
    struct Out {
        uint32_t at, len;
        int key, vel;
    };
    std::vector<Out> outs;
    std::vector<int> prev;
    for (size_t ci = 0; ci < chart.size(); ++ci) {
        const Chord& c = chart[ci];
        prev = voicing(c, lo, prev);
        const int root = placeNear(c.bass, bassLo);
        const int nextBass = ci + 1 < chart.size() ? chart[ci + 1].bass : c.bass;
        const size_t steps = c.len / step;
        for (size_t s = 0; s < steps; ++s) {
            char ch = pattern[s % pattern.size()];
            std::vector<int> keys;
            if (ch == 'c')
                keys = prev;
            else if (int key = figureKey(ch, c, prev, root, nextBass); key >= 0)
                keys.push_back(key);
            if (keys.empty()) continue;
            size_t hold = 1;
            while (s + hold < steps && pattern[(s + hold) % pattern.size()] == '-') ++hold;
            uint32_t at = c.at + uint32_t(s) * step;
            uint32_t len = std::max<uint32_t>(1, uint32_t(double(step * hold) * gate));
            for (int k : keys) outs.push_back({at, len, k, velAt(at, velocity, false)});
        }
    }
    // A ringing note (gate over 1) stops where the same key is struck again.
    for (size_t i = 0; i < outs.size(); ++i) {
        for (size_t j = i + 1; j < outs.size(); ++j)
            if (outs[j].key == outs[i].key && outs[j].at > outs[i].at) {
                outs[i].len = std::min(outs[i].len, outs[j].at - outs[i].at);
                break;
            }
        midi_.note(v.track, v.channel, outs[i].at, outs[i].len, outs[i].key, outs[i].vel);
    }
}

void Song::beat(Voice v, int key, double fromBar, double toBar, const std::string& grid, uint32_t step, int velocity) {
    if (grid.empty() || step == 0) return;
    const uint32_t a = midi_.bar(fromBar), b = midi_.bar(toBar);
    size_t i = 0;
    for (uint32_t t = a; t < b; t += step, ++i) {
        char ch = grid[i % grid.size()];
        int vel = ch == 'x' ? velocity : ch == 'X' ? velocity + 18 : ch == 'o' ? velocity * 55 / 100 : 0;
        if (vel > 0) midi_.note(v.track, 9, t, step, key, clampv(vel, 1, 127));
    }
}

}  // namespace ag::score
