#include "gfx/image.h"

#include <SDL2/SDL.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

static bool DecodePng(const char* path, Image& out) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path)) return false;
    // BGRA in memory is ARGB as a little-endian 32-bit word.
    img.format = PNG_FORMAT_BGRA;
    if (img.width == 0 || img.height == 0 || img.width > 8192 || img.height > 8192) {
        png_image_free(&img);
        return false;
    }
    out.width = int(img.width);
    out.height = int(img.height);
    out.argb.assign(size_t(out.width) * out.height, 0);
    if (!png_image_finish_read(&img, nullptr, out.argb.data(), 0, nullptr)) {
        png_image_free(&img);
        out = Image{};
        return false;
    }
    return true;
}

static bool DecodeBmp(const char* path, Image& out) {
    SDL_Surface* s = SDL_LoadBMP(path);
    if (!s) return false;
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!c) return false;
    out.width = c->w;
    out.height = c->h;
    out.argb.resize(size_t(c->w) * c->h);
    SDL_LockSurface(c);
    for (int y = 0; y < c->h; ++y)
        std::memcpy(&out.argb[size_t(y) * c->w], static_cast<uint8_t*>(c->pixels) + size_t(y) * c->pitch,
                    size_t(c->w) * 4);
    SDL_UnlockSurface(c);
    SDL_FreeSurface(c);
    return true;
}

bool DecodeImageFile(const char* path, Image& out) {
    out = Image{};
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    unsigned char sig[8] = {};
    size_t n = std::fread(sig, 1, sizeof sig, f);
    std::fclose(f);
    if (n >= 8 && png_sig_cmp(sig, 0, 8) == 0) return DecodePng(path, out);
    if (n >= 2 && sig[0] == 'B' && sig[1] == 'M') return DecodeBmp(path, out);
    return false;
}

void ApplyColourKey(Image& img, uint32_t key) {
    for (uint32_t& p : img.argb) {
        if (p == key)
            p = 0;
        else
            p = (p >> 24) >= 0x80 ? (p | 0xFF000000u) : 0;
    }
}

namespace {

// libpng reports errors by longjmp; kept apart so nothing in it needs a
// destructor. Returns false on any write error.
bool WritePngRows(FILE* f, int width, int height, png_bytep* rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, f);
    // The fastest compression: a shot costs a few milliseconds, not sixty.
    png_set_compression_level(png, 1);
    png_set_filter(png, 0, PNG_FILTER_SUB);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);  // ARGB words are B,G,R,A bytes in memory
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePng(const char* path, int width, int height, const uint32_t* argb) {
    if (width <= 0 || height <= 0) return false;
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[size_t(y)] = reinterpret_cast<png_bytep>(const_cast<uint32_t*>(argb + size_t(y) * width));
    bool ok = WritePngRows(f, width, height, rows.data());
    ok = std::fclose(f) == 0 && ok;
    if (!ok) std::remove(path);
    return ok;
}
