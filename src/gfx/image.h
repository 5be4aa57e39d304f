// Picture decoding: PNG through libpng, Windows bitmaps through SDL.
#pragma once
#include <cstdint>
#include <vector>

struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;  // rows top-down
};

// Decodes a PNG or BMP (chosen by content). False when unreadable.
bool DecodeImageFile(const char* path, Image& out);
bool DecodeImageBytes(const std::vector<uint8_t>& bytes, Image& out);

// Reads a picture file whole, as decoding would, and checks only that it
// starts as a PNG or a bitmap does: the cheap check made when decoding is
// put off. False when unreadable or not a picture.
bool ReadPictureBytes(const char* path, std::vector<uint8_t>& out);

// Turns pixels equal to the key (ARGB, alpha included) fully transparent and
// every other pixel fully opaque (1-bit alpha, threshold at half).
void ApplyColourKey(Image& img, uint32_t key);

bool WritePng(const char* path, int width, int height, const uint32_t* argb);
