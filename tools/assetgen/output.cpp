#include "output.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "common.h"
#include "midi.h"
#include "text.h"
#include "wav.h"

namespace ag {

namespace fs = std::filesystem;

Output::Output(fs::path root, bool picturesOnly) : root_(std::move(root)), picturesOnly_(picturesOnly) {
    std::error_code ec;
    for (const char* sub : {"img", "mid", "wav"}) {
        if (picturesOnly_ && std::string(sub) != "img") continue;
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

std::string Output::picturePath(const std::string& rel) {
    if (lang() == Lang::En && rel.rfind("img/", 0) == 0) return path("img/en/" + rel.substr(4));
    return path(rel);
}

namespace {

bool sameBytes(const std::string& a, const std::string& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb) return false;
    return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

}  // namespace

void Output::reportLettering(const std::string& file) {
    letteringReport_ = file;
    std::ofstream(file, std::ios::trunc);
}

void Output::pictureWritten(const std::string& rel, const std::string& abs) {
    std::vector<LetteredInk> inks = takeLettering();
    if (!letteringReport_.empty()) {
        std::ofstream report(letteringReport_, std::ios::app);
        for (const LetteredInk& i : inks) {
            std::string text = i.text;
            for (size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, "\\n");
            report << (lang() == Lang::En ? "en" : "ja") << '\t' << rel << '\t' << i.canvasW << ' ' << i.canvasH
                   << '\t' << i.fx0 << ' ' << i.fy0 << ' ' << i.fx1 << ' ' << i.fy1 << '\t' << i.x0 << ' ' << i.y0
                   << ' ' << i.x1 << ' ' << i.y1 << '\t' << text << '\n';
        }
        if (!report) throw Failure("cannot write " + letteringReport_);
    }
    if (lang() == Lang::En && sameBytes(abs, path(rel))) {
        std::error_code ec;
        fs::remove(abs, ec);
        return;
    }
    counted(abs);
    ++pictures_;
}

void Output::keyedPng(const std::string& rel, Canvas c, Rgba key) {
    c.keyed(key);
    std::string p = picturePath(rel);
    writePng(p, c, PngKind::Rgb);
    pictureWritten(rel, p);
}

void Output::keyedBmp(const std::string& rel, Canvas c, Rgba key) {
    c.keyed(key);
    std::string p = picturePath(rel);
    writeBmp24(p, c);
    pictureWritten(rel, p);
}

void Output::png(const std::string& rel, const Canvas& c, PngKind kind) {
    std::string p = picturePath(rel);
    writePng(p, c, kind);
    pictureWritten(rel, p);
}

void Output::wav(const std::string& rel, const Pcm& pcm) {
    if (lang() == Lang::En || picturesOnly_) return;
    std::string p = path(rel);
    writeWav(p, pcm);
    counted(p);
    ++sounds_;
}

void Output::midi(const std::string& rel, const Midi& m) {
    if (lang() == Lang::En || picturesOnly_) return;
    std::string p = path(rel);
    m.write(p);
    counted(p);
    ++tunes_;
}

}  // namespace ag
