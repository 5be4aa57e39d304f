// The master bus's peak limiter: the mix (float, stereo) is held under a
// ceiling just below full scale. The gain drops at once to what the loudest
// sample needs and recovers over a fraction of a second, so the rare moment
// when many sounds meet is turned down as a whole instead of clipped.
#pragma once

constexpr float kLimiterCeiling = 0.87f;  // -1.2 dBFS

struct Limiter {
    float gain = 1;
};

// frames: interleaved stereo samples, count frames of two.
void LimitPeaks(Limiter& limiter, float* frames, int count);
