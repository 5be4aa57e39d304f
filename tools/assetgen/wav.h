// Sampled sound: a float buffer (mono or stereo), the finishing steps every
// effect and music bed goes through, and the 16-bit PCM wave writer.
//
// The finishing recipe for anything the game plays:
//   removeDC(p); normalize(p, -3.0); fadeIn(p, 0.003); fadeOut(p, 0.01);
// (finish() does exactly that).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace ag {

class Pcm {
public:
    explicit Pcm(int rate = 44100, int channels = 1, double seconds = 0.0);

    int rate() const { return rate_; }
    int channels() const { return int(ch_.size()); }
    size_t frames() const { return ch_[0].size(); }
    double seconds() const { return double(frames()) / rate_; }
    size_t frameAt(double sec) const { return size_t(sec * rate_ + 0.5); }

    std::vector<float>& chan(int c) { return ch_[size_t(c)]; }
    const std::vector<float>& chan(int c) const { return ch_[size_t(c)]; }
    void resize(size_t frames);

private:
    int rate_;
    std::vector<std::vector<float>> ch_;
};

// Adds a mono signal at a frame offset, panned (-1 left .. 1 right, equal
// power) when dst is stereo. dst grows to fit.
void mixMono(Pcm& dst, const std::vector<float>& mono, size_t atFrame, float gain = 1.f, float pan = 0.f);
// Adds src (same rate; mono is panned, stereo is copied) at a time offset.
void mixInto(Pcm& dst, const Pcm& src, double atSeconds, float gain = 1.f, float pan = 0.f);

float peak(const Pcm& p);             // largest |sample|
double dcOffset(const Pcm& p);        // mean sample value over all channels
void gain(Pcm& p, float k);
void removeDC(Pcm& p);                // gentle high-pass (about 10 Hz), then the mean removed
void normalize(Pcm& p, double peakDbfs = -3.0);
void fadeIn(Pcm& p, double seconds);  // raised-cosine ramps
void fadeOut(Pcm& p, double seconds);
void finish(Pcm& p, double peakDbfs = -3.0);

// Loudness in dBFS: the RMS over the sounding part (10 ms blocks within
// 30 dB of the loudest block), so a long quiet tail does not count.
double loudnessDb(const Pcm& p);
// A look-ahead peak limiter: no sample above `ceiling` (linear), the gain
// dipping over a few ms and recovering over `release` seconds.
void limit(Pcm& p, float ceiling, double release = 0.06);
// Brings the loudness to `targetDb`, limiting peaks at `peakDbfs`.
void level(Pcm& p, double targetDb, double peakDbfs = -3.0);
// Fades the last `seconds` to nothing, then `silence` seconds of zeros, so
// the sound ends without a click.
void endInSilence(Pcm& p, double seconds, double silence = 0.015);
// Small stereo-friendly room (comb and all-pass network); wet 0..1.
void reverb(Pcm& p, float wet, float room = 0.8f, float damp = 0.35f);

// 16-bit PCM RIFF/WAVE; samples are clipped to [-1, 1].
void writeWav(const std::string& path, const Pcm& p);

}  // namespace ag
