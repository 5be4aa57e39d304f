#include "output.h"

#include <system_error>

#include "midi.h"
#include "wav.h"

namespace ag {

namespace fs = std::filesystem;

Output::Output(fs::path root) : root_(std::move(root)) {
    std::error_code ec;
    for (const char* sub : {"img", "mid", "wav"}) {
        fs::create_directories(root_ / sub, ec);
        if (ec) throw Failure("cannot create " + (root_ / sub).string() + ": " + ec.message());
    }
}

std::string Output::path(const std::string& rel) {
    fs::path p = root_ / fs::path(rel);  // UTF-8 names are kept as bytes
    std::error_code ec;
    fs::create_directories(p.parent_path(), ec);
    if (ec) throw Failure("cannot create " + p.parent_path().string() + ": " + ec.message());
    return p.string();
}

void Output::counted(const std::string& abs) {
    std::error_code ec;
    auto n = fs::file_size(abs, ec);
    if (ec) throw Failure("cannot write " + abs);
    bytes_ += n;
}

void Output::keyedPng(const std::string& rel, Canvas c, Rgba key) {
    c.keyed(key);
    std::string p = path(rel);
    writePng(p, c, PngKind::Rgb);
    counted(p);
    ++pictures_;
}

void Output::keyedBmp(const std::string& rel, Canvas c, Rgba key) {
    c.keyed(key);
    std::string p = path(rel);
    writeBmp24(p, c);
    counted(p);
    ++pictures_;
}

void Output::png(const std::string& rel, const Canvas& c, PngKind kind) {
    std::string p = path(rel);
    writePng(p, c, kind);
    counted(p);
    ++pictures_;
}

void Output::wav(const std::string& rel, const Pcm& pcm) {
    std::string p = path(rel);
    writeWav(p, pcm);
    counted(p);
    ++sounds_;
}

void Output::midi(const std::string& rel, const Midi& m) {
    std::string p = path(rel);
    m.write(p);
    counted(p);
    ++tunes_;
}

}  // namespace ag
