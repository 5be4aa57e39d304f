#include "imageio.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace ag {

namespace {

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

FilePtr openForWrite(const std::string& path) {
    FilePtr f(std::fopen(path.c_str(), "wb"));
    if (!f) throw Failure("cannot write " + path);
    return f;
}

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

}  // namespace

void writePng(const std::string& path, const Canvas& c, PngKind kind) {
    const int channels = kind == PngKind::Rgba ? 4 : 3;
    std::vector<uint8_t> buf(size_t(c.width()) * c.height() * channels);
    uint8_t* o = buf.data();
    for (const Rgba& p : c.pixels()) {
        *o++ = p.r;
        *o++ = p.g;
        *o++ = p.b;
        if (channels == 4) *o++ = p.a;
    }
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    img.width = png_uint_32(c.width());
    img.height = png_uint_32(c.height());
    img.format = kind == PngKind::Rgba ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&img, path.c_str(), 0, buf.data(), 0, nullptr)) {
        std::string why = img.message;
        png_image_free(&img);
        throw Failure("cannot write " + path + ": " + why);
    }
}

void writeBmp24(const std::string& path, const Canvas& c) {
    const uint32_t stride = (uint32_t(c.width()) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(c.height());
    std::vector<uint8_t> b;
    b.reserve(54 + dataSize);
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + dataSize);  // file size
    put32(b, 0);              // reserved
    put32(b, 54);             // pixel data offset
    put32(b, 40);             // BITMAPINFOHEADER
    put32(b, uint32_t(c.width()));
    put32(b, uint32_t(c.height()));  // positive: rows bottom-up
    put16(b, 1);                     // planes
    put16(b, 24);                    // bits per pixel
    put32(b, 0);                     // BI_RGB
    put32(b, dataSize);
    put32(b, 2835);  // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = c.height() - 1; y >= 0; --y) {
        for (int x = 0; x < c.width(); ++x) {
            const Rgba& p = c.at(x, y);
            b.push_back(p.b);
            b.push_back(p.g);
            b.push_back(p.r);
        }
        for (uint32_t i = uint32_t(c.width()) * 3; i < stride; ++i) b.push_back(0);
    }
    FilePtr f = openForWrite(path);
    if (std::fwrite(b.data(), 1, b.size(), f.get()) != b.size() || std::fflush(f.get()) != 0)
        throw Failure("cannot write " + path);
}

Canvas readPng(const std::string& path) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path.c_str())) throw Failure("cannot read " + path);
    img.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> buf(PNG_IMAGE_SIZE(img));
    if (!png_image_finish_read(&img, nullptr, buf.data(), 0, nullptr)) {
        png_image_free(&img);
        throw Failure("cannot decode " + path);
    }
    Canvas c(int(img.width), int(img.height));
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const uint8_t* p = &buf[(size_t(y) * img.width + x) * 4];
            c.at(x, y) = Rgba{p[0], p[1], p[2], p[3]};
        }
    return c;
}

}  // namespace ag
