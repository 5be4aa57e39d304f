// The quiet soundfont: one short silent sample behind every General MIDI
// program and the drum kit. Headless runs load their tunes through it: the
// tunes are read and checked exactly as with a real soundfont, but making the
// synthesizer takes a few kilobytes instead of megabytes.
#include <cstdint>
#include <fstream>
#include <string>

#include "common.h"
#include "families.h"
#include "output.h"

namespace ag {

namespace {

void put16(std::string& s, uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
void put32(std::string& s, uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
void putName(std::string& s, const char* name) {  // 20 bytes, zero padded
    std::string n(name);
    n.resize(20, '\0');
    s += n;
}
std::string chunk(const char* id, std::string body) {
    if (body.size() % 2) body += '\0';
    std::string s(id, 4);
    put32(s, uint32_t(body.size()));
    return s + body;
}
std::string list(const char* type, const std::string& body) { return chunk("LIST", std::string(type, 4) + body); }

constexpr uint32_t kSampleFrames = 64;
constexpr uint32_t kPresets = 129;  // programs 0..127 of bank 0, and the drum kit (bank 128)

// Every preset, each with one zone naming instrument 0, and the closing EOP.
std::string presetChunks() {
    std::string phdr, pbag, pgen;
    for (uint32_t i = 0; i <= kPresets; ++i) {
        const bool end = i == kPresets;
        putName(phdr, end ? "EOP" : "Quiet");
        put16(phdr, end || i == 128 ? 0 : i);  // program
        put16(phdr, i == 128 ? 128 : 0);        // bank
        put16(phdr, i);                         // first zone
        put32(phdr, 0);
        put32(phdr, 0);
        put32(phdr, 0);
        put16(pbag, i);  // each preset: one zone holding one generator
        put16(pbag, 0);
        if (!end) {
            put16(pgen, 41);  // instrument 0
            put16(pgen, 0);
        }
    }
    put32(pgen, 0);
    const std::string noModulators(10, '\0');
    return chunk("phdr", phdr) + chunk("pbag", pbag) + chunk("pmod", noModulators) + chunk("pgen", pgen);
}

// The one instrument, its one zone naming sample 0, and the closing EOI.
std::string instrumentChunks() {
    std::string inst, ibag, igen;
    putName(inst, "Quiet");
    put16(inst, 0);
    putName(inst, "EOI");
    put16(inst, 1);
    put16(ibag, 0);
    put16(ibag, 0);
    put16(ibag, 1);
    put16(ibag, 0);
    put16(igen, 53);  // sample 0
    put16(igen, 0);
    put32(igen, 0);
    const std::string noModulators(10, '\0');
    return chunk("inst", inst) + chunk("ibag", ibag) + chunk("imod", noModulators) + chunk("igen", igen);
}

// The silent sample, looped, and the closing EOS.
std::string sampleHeaders() {
    std::string shdr;
    putName(shdr, "Quiet");
    put32(shdr, 0);
    put32(shdr, kSampleFrames);
    put32(shdr, 8);
    put32(shdr, kSampleFrames - 8);
    put32(shdr, 22050);
    shdr += char(60);  // original key
    shdr += char(0);
    put16(shdr, 0);
    put16(shdr, 1);  // mono
    putName(shdr, "EOS");
    shdr += std::string(26, '\0');
    return chunk("shdr", shdr);
}

}  // namespace

void genSoundFont(Output& out) {
    std::string info = chunk("ifil", std::string("\x02\x00\x01\x00", 4)) + chunk("isng", std::string("EMU8000", 8)) +
                       chunk("INAM", std::string("Quiet", 6));
    // The sample and the 46 zero frames every sample is followed by.
    std::string smpl(size_t(kSampleFrames + 46) * 2, '\0');
    std::string pdta = presetChunks() + instrumentChunks() + sampleHeaders();
    std::string body = "sfbk" + list("INFO", info) + list("sdta", chunk("smpl", smpl)) + list("pdta", pdta);
    std::string file = chunk("RIFF", body);

    std::string path = out.path("sf2/quiet.sf2");
    std::ofstream f(path, std::ios::binary);
    f << file;
    if (!f) throw Failure("cannot write " + path);
}

}  // namespace ag
