#include "sound/limiter.h"

#include <cmath>

namespace {

// The gain's way back to 1 per frame at 44.1 kHz: most of it in about 0.2 s.
constexpr float kRecovery = 1.0f / 8820;

}  // namespace

void LimitPeaks(Limiter& limiter, float* frames, int count) {
    float gain = limiter.gain;
    for (int i = 0; i < count; ++i) {
        float* f = frames + 2 * i;
        gain += (1 - gain) * kRecovery;
        const float peak = std::fmax(std::fabs(f[0]), std::fabs(f[1]));
        if (peak * gain > kLimiterCeiling) gain = kLimiterCeiling / peak;
        f[0] *= gain;
        f[1] *= gain;
    }
    limiter.gain = gain;
}
