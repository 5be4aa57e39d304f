// The colour keys of keyed pictures (0xAARRGGBB): a pixel of exactly the
// key's colour is transparent. The game loads each picture with its key; the
// data generator (tools/assetgen) writes each keyed picture to the same key.
#pragma once
#include <cstdint>

constexpr uint32_t kKeyGreen = 0xFF00FF00u;
constexpr uint32_t kKeyBlack = 0xFF000000u;
constexpr uint32_t kKeyWhite = 0xFFFFFFFFu;
constexpr uint32_t kKeyNearBlack = 0xFF010101u;
constexpr uint32_t kKeyGreyBlue = 0xFFE6F0F0u;
