// How a colour reads: relative luminance (0 black .. 1 white) and the
// contrast ratio of two colours (1 .. 21; text wants 4.5), of 0xAARRGGBB.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

inline double luminance(uint32_t argb) {
    auto lin = [](uint32_t c) {
        double v = double(c & 0xFF) / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(argb >> 16) + 0.7152 * lin(argb >> 8) + 0.0722 * lin(argb);
}
inline double contrast(uint32_t a, uint32_t b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
