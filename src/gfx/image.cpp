#include "gfx/image.h"

#include <SDL2/SDL.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/data_file.h"

namespace {

// Bigger pictures than this are damaged files, not art.
constexpr uint32_t kMaxPictureSide = 8192;

uint32_t Le32(const uint8_t* p) { return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; }
uint32_t Le16(const uint8_t* p) { return uint32_t(p[1]) << 8 | p[0]; }

bool DecodePng(const std::vector<uint8_t>& bytes, Image& out) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, bytes.data(), bytes.size())) return false;
    // BGRA in memory is ARGB as a little-endian 32-bit word.
    img.format = PNG_FORMAT_BGRA;
    if (img.width == 0 || img.height == 0 || img.width > kMaxPictureSide || img.height > kMaxPictureSide) {
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

// The bitmap header, checked before the decoder sizes anything from it: the
// picture within the size cap, and uncompressed pixels within the file.
bool BmpHeaderSound(const std::vector<uint8_t>& b) {
    if (b.size() < 26) return false;
    uint32_t pixelsAt = Le32(&b[10]), infoSize = Le32(&b[14]);
    int64_t w = 0, h = 0;
    uint32_t bits = 0, compression = 0;
    if (infoSize == 12) {  // the oldest header: 16-bit sizes
        w = int16_t(Le16(&b[18]));
        h = int16_t(Le16(&b[20]));
        bits = Le16(&b[24]);
    } else if (infoSize >= 40 && b.size() >= 34) {
        w = int32_t(Le32(&b[18]));
        h = int32_t(Le32(&b[22]));
        bits = Le16(&b[28]);
        compression = Le32(&b[30]);
    } else {
        return false;
    }
    if (h < 0) h = -h;  // negative height: rows stored top-down
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide) return false;
    if (bits == 0 || bits > 32 || pixelsAt >= b.size()) return false;
    if (compression == 0 || compression == 3) {  // plain rows (or bit fields)
        uint64_t row = (uint64_t(w) * bits + 31) / 32 * 4;
        if (row * uint64_t(h) > b.size() - pixelsAt) return false;
    }
    return true;
}

bool DecodeBmp(const std::vector<uint8_t>& bytes, Image& out) {
    if (!BmpHeaderSound(bytes)) return false;
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
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

bool IsPng(const std::vector<uint8_t>& b) { return b.size() >= 8 && png_sig_cmp(b.data(), 0, 8) == 0; }
bool IsBmp(const std::vector<uint8_t>& b) { return b.size() >= 2 && b[0] == 'B' && b[1] == 'M'; }

}  // namespace

bool ReadPictureBytes(const char* path, std::vector<uint8_t>& out) {
    if (!ReadDataFile(path, out) && (IsPng(out) || IsBmp(out))) return true;
    std::vector<uint8_t>().swap(out);
    return false;
}

bool DecodeImageBytes(const std::vector<uint8_t>& bytes, Image& out) {
    out = Image{};
    if (IsPng(bytes)) return DecodePng(bytes, out);
    if (IsBmp(bytes)) return DecodeBmp(bytes, out);
    return false;
}

bool DecodeImageFile(const char* path, Image& out) {
    out = Image{};
    std::vector<uint8_t> bytes;
    if (ReadDataFile(path, bytes)) return false;
    return DecodeImageBytes(bytes, out);
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
