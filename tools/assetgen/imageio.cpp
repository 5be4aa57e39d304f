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

namespace {

// The canvas as libpng's simplified API takes it.
png_image pngImage(const Canvas& c, PngKind kind, std::vector<uint8_t>& buf) {
    const int channels = kind == PngKind::Rgba ? 4 : 3;
    buf.resize(size_t(c.width()) * c.height() * channels);
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
    return img;
}

}  // namespace

void writePng(const std::string& path, const Canvas& c, PngKind kind) {
    std::vector<uint8_t> buf;
    png_image img = pngImage(c, kind, buf);
    if (!png_image_write_to_file(&img, path.c_str(), 0, buf.data(), 0, nullptr)) {
        std::string why = img.message;
        png_image_free(&img);
        throw Failure("cannot write " + path + ": " + why);
    }
}

void writeIco(const std::string& path, const std::vector<Canvas>& sizes) {
    std::vector<std::vector<uint8_t>> pngs;
    for (const Canvas& c : sizes) {
        std::vector<uint8_t> buf;
        png_image img = pngImage(c, PngKind::Rgba, buf);
        png_alloc_size_t size = 0;
        std::vector<uint8_t> out;
        if (png_image_write_to_memory(&img, nullptr, &size, 0, buf.data(), 0, nullptr)) {
            out.resize(size);
            if (!png_image_write_to_memory(&img, out.data(), &size, 0, buf.data(), 0, nullptr)) out.clear();
        }
        png_image_free(&img);
        if (out.empty()) throw Failure("cannot encode the icon for " + path);
        out.resize(size);
        pngs.push_back(std::move(out));
    }
    // The icon directory, then one entry per size; each picture is stored as
    // a PNG, which Windows reads in icons since Vista.
    std::vector<uint8_t> b;
    put16(b, 0);
    put16(b, 1);  // an icon, not a cursor
    put16(b, uint32_t(sizes.size()));
    uint32_t offset = 6 + 16 * uint32_t(sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        b.push_back(uint8_t(sizes[i].width() >= 256 ? 0 : sizes[i].width()));  // 0 stands for 256
        b.push_back(uint8_t(sizes[i].height() >= 256 ? 0 : sizes[i].height()));
        b.push_back(0);  // no palette
        b.push_back(0);
        put16(b, 1);   // colour planes
        put16(b, 32);  // bits per pixel
        put32(b, uint32_t(pngs[i].size()));
        put32(b, offset);
        offset += uint32_t(pngs[i].size());
    }
    for (const auto& png : pngs) b.insert(b.end(), png.begin(), png.end());
    FilePtr f = openForWrite(path);
    if (std::fwrite(b.data(), 1, b.size(), f.get()) != b.size() || std::fflush(f.get()) != 0)
        throw Failure("cannot write " + path);
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
