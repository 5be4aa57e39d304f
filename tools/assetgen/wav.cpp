#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <deque>

#include "common.h"

namespace ag {

Pcm::Pcm(int rate, int channels, double seconds) : rate_(rate), ch_(size_t(clampv(channels, 1, 2))) {
    resize(size_t(std::max(0.0, seconds) * rate + 0.5));
}

void Pcm::resize(size_t frames) {
    for (auto& c : ch_) c.resize(frames, 0.f);
}

void mixMono(Pcm& dst, const std::vector<float>& mono, size_t atFrame, float g, float pan) {
    if (dst.frames() < atFrame + mono.size()) dst.resize(atFrame + mono.size());
    if (dst.channels() == 1) {
        auto& d = dst.chan(0);
        for (size_t i = 0; i < mono.size(); ++i) d[atFrame + i] += mono[i] * g;
        return;
    }
    float a = float((clampv(pan, -1.f, 1.f) + 1.0) * kPi / 4.0);
    float gl = g * std::cos(a) * float(std::sqrt(2.0)), gr = g * std::sin(a) * float(std::sqrt(2.0));
    auto& l = dst.chan(0);
    auto& r = dst.chan(1);
    for (size_t i = 0; i < mono.size(); ++i) {
        l[atFrame + i] += mono[i] * gl;
        r[atFrame + i] += mono[i] * gr;
    }
}

void mixInto(Pcm& dst, const Pcm& src, double atSeconds, float g, float pan) {
    if (src.rate() != dst.rate()) throw Failure("mixInto: sample rates differ");
    size_t at = dst.frameAt(atSeconds);
    if (src.channels() == 1) {
        mixMono(dst, src.chan(0), at, g, pan);
        return;
    }
    if (dst.frames() < at + src.frames()) dst.resize(at + src.frames());
    for (int c = 0; c < dst.channels(); ++c) {
        const auto& s = src.chan(std::min(c, 1));
        auto& d = dst.chan(c);
        for (size_t i = 0; i < s.size(); ++i) d[at + i] += s[i] * g;
    }
}

float peak(const Pcm& p) {
    float m = 0;
    for (int c = 0; c < p.channels(); ++c)
        for (float v : p.chan(c)) m = std::max(m, std::fabs(v));
    return m;
}

double dcOffset(const Pcm& p) {
    double s = 0;
    size_t n = 0;
    for (int c = 0; c < p.channels(); ++c) {
        for (float v : p.chan(c)) s += v;
        n += p.chan(c).size();
    }
    return n ? s / double(n) : 0.0;
}

void gain(Pcm& p, float k) {
    for (int c = 0; c < p.channels(); ++c)
        for (float& v : p.chan(c)) v *= k;
}

void removeDC(Pcm& p) {
    const double r = 1.0 - 2.0 * kPi * 10.0 / p.rate();
    for (int c = 0; c < p.channels(); ++c) {
        auto& d = p.chan(c);
        double x1 = 0, y1 = 0;
        for (float& v : d) {
            double y = v - x1 + r * y1;
            x1 = v;
            y1 = y;
            v = float(y);
        }
        double mean = 0;
        for (float v : d) mean += v;
        mean /= std::max<size_t>(1, d.size());
        for (float& v : d) v -= float(mean);
    }
}

void normalize(Pcm& p, double peakDbfs) {
    float m = peak(p);
    if (m <= 0) return;
    gain(p, float(std::pow(10.0, peakDbfs / 20.0) / m));
}

void fadeIn(Pcm& p, double seconds) {
    size_t n = std::min(p.frames(), size_t(seconds * p.rate()));
    for (int c = 0; c < p.channels(); ++c)
        for (size_t i = 0; i < n; ++i) p.chan(c)[i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / double(n)));
}

void fadeOut(Pcm& p, double seconds) {
    size_t f = p.frames(), n = std::min(f, size_t(seconds * p.rate()));
    for (int c = 0; c < p.channels(); ++c)
        for (size_t i = 0; i < n; ++i)
            p.chan(c)[f - 1 - i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / double(n)));
}

void finish(Pcm& p, double peakDbfs) {
    removeDC(p);
    fadeIn(p, 0.003);
    fadeOut(p, 0.01);
    normalize(p, peakDbfs);
}

double loudnessDb(const Pcm& p) {
    const size_t block = std::max<size_t>(1, size_t(p.rate() / 100));
    std::vector<double> power;
    for (size_t at = 0; at < p.frames(); at += block) {
        size_t end = std::min(p.frames(), at + block);
        double sum = 0;
        for (int c = 0; c < p.channels(); ++c)
            for (size_t i = at; i < end; ++i) sum += double(p.chan(c)[i]) * p.chan(c)[i];
        power.push_back(sum / double((end - at) * size_t(p.channels())));
    }
    if (power.empty()) return -200.0;
    double loudest = *std::max_element(power.begin(), power.end());
    double sum = 0;
    int n = 0;
    for (double w : power)
        if (w >= loudest * 1e-3) {
            sum += w;
            ++n;
        }
    return sum > 0 ? 10.0 * std::log10(sum / n) : -200.0;
}

void limit(Pcm& p, float ceiling, double release) {
    const size_t n = p.frames(), ahead = std::max<size_t>(1, size_t(0.002 * p.rate()));
    // The gain each frame needs on its own, then the smallest over the
    // look-ahead window, then a smooth recovery.
    std::vector<float> need(n, 1.f);
    for (int c = 0; c < p.channels(); ++c)
        for (size_t i = 0; i < n; ++i) {
            float a = std::fabs(p.chan(c)[i]);
            if (a > ceiling) need[i] = std::min(need[i], ceiling / a);
        }
    std::vector<float> g(n, 1.f);
    std::deque<size_t> window;  // indices of rising `need` values: the front is the minimum
    for (size_t j = n; j-- > 0;) {
        while (!window.empty() && need[window.back()] >= need[j]) window.pop_back();
        window.push_back(j);
        while (window.front() >= j + ahead) window.pop_front();
        g[j] = need[window.front()];
    }
    const float rel = float(1.0 - std::exp(-1.0 / (release * p.rate())));
    float cur = 1.f;
    for (size_t i = 0; i < n; ++i) {
        cur = g[i] < cur ? g[i] : cur + (g[i] - cur) * rel;
        g[i] = std::min(cur, g[i]);
    }
    for (int c = 0; c < p.channels(); ++c)
        for (size_t i = 0; i < n; ++i) p.chan(c)[i] *= g[i];
}

void level(Pcm& p, double targetDb, double peakDbfs) {
    const float ceiling = float(std::pow(10.0, peakDbfs / 20.0));
    // Limiting lowers the loudness a little: a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        double now = loudnessDb(p);
        if (now <= -199.0) return;
        gain(p, float(std::pow(10.0, (targetDb - now) / 20.0)));
        if (peak(p) > ceiling) limit(p, ceiling * 0.995f);
    }
    if (peak(p) > ceiling) normalize(p, peakDbfs);
}

void endInSilence(Pcm& p, double seconds, double silence) {
    fadeOut(p, seconds);
    // The cosine ramp leaves its last steps just above zero: clear them.
    size_t f = p.frames(), tail = std::min(f, size_t(0.002 * p.rate()));
    for (int c = 0; c < p.channels(); ++c)
        for (size_t i = f - tail; i < f; ++i) p.chan(c)[i] = 0.f;
    p.resize(f + size_t(silence * p.rate()));
}

namespace {
struct Comb {
    std::vector<float> buf;
    size_t i = 0;
    float store = 0;
    float run(float x, float fb, float damp) {
        float y = buf[i];
        store = y * (1 - damp) + store * damp;
        buf[i] = x + store * fb;
        if (++i == buf.size()) i = 0;
        return y;
    }
};
struct AllPass {
    std::vector<float> buf;
    size_t i = 0;
    float run(float x) {
        float b = buf[i];
        float y = -x + b;
        buf[i] = x + b * 0.5f;
        if (++i == buf.size()) i = 0;
        return y;
    }
};
}  // namespace

void reverb(Pcm& p, float wet, float room, float damp) {
    static const int combLen[4] = {1557, 1617, 1491, 1422};
    static const int apLen[2] = {556, 441};
    const double k = p.rate() / 44100.0;
    const size_t tail = size_t(p.rate() * 1.5);
    p.resize(p.frames() + tail);
    std::vector<float> in(p.frames());
    for (size_t i = 0; i < in.size(); ++i) {
        float s = 0;
        for (int c = 0; c < p.channels(); ++c) s += p.chan(c)[i];
        in[i] = s / float(p.channels());
    }
    for (int c = 0; c < p.channels(); ++c) {
        int spread = c * 23;
        Comb combs[4];
        AllPass aps[2];
        for (int j = 0; j < 4; ++j) combs[j].buf.assign(size_t((combLen[j] + spread) * k), 0.f);
        for (int j = 0; j < 2; ++j) aps[j].buf.assign(size_t((apLen[j] + spread) * k), 0.f);
        auto& d = p.chan(c);
        for (size_t i = 0; i < d.size(); ++i) {
            float x = in[i] * 0.2f, y = 0;
            for (auto& cb : combs) y += cb.run(x, room, damp);
            for (auto& ap : aps) y = ap.run(y);
            d[i] = d[i] * (1.f - wet * 0.5f) + y * wet;
        }
    }
    // Trim the silent part of the tail.
    size_t last = 0;
    for (int c = 0; c < p.channels(); ++c)
        for (size_t i = 0; i < p.frames(); ++i)
            if (std::fabs(p.chan(c)[i]) > 1e-4f) last = std::max(last, i);
    p.resize(last + 1);
}

void writeWav(const std::string& path, const Pcm& p) {
    const uint32_t ch = uint32_t(p.channels()), rate = uint32_t(p.rate());
    const uint32_t data = uint32_t(p.frames()) * ch * 2;
    std::vector<uint8_t> b;
    b.reserve(44 + data);
    auto tag = [&](const char* s) {
        for (int i = 0; i < 4; ++i) b.push_back(uint8_t(s[i]));
    };
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
    };
    auto u16 = [&](uint32_t v) {
        b.push_back(uint8_t(v));
        b.push_back(uint8_t(v >> 8));
    };
    tag("RIFF");
    u32(36 + data);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(ch);
    u32(rate);
    u32(rate * ch * 2);
    u16(ch * 2);
    u16(16);
    tag("data");
    u32(data);
    for (size_t i = 0; i < p.frames(); ++i)
        for (uint32_t c = 0; c < ch; ++c) {
            float v = clampv(p.chan(int(c))[i], -1.f, 1.f);
            u16(uint16_t(int16_t(std::lround(v * 32767.f))));
        }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw Failure("cannot write " + path);
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) throw Failure("cannot write " + path);
}

}  // namespace ag
