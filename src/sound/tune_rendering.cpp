#include "sound/tune_rendering.h"

#include <strings.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

uint32_t Le32(const uint8_t* p) { return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; }

// The stream's second packet (the Vorbis comment header), put together from
// the segments of the pages that carry it; false when the pages are damaged.
bool SecondPacket(const uint8_t* d, size_t n, std::vector<uint8_t>& packet) {
    int index = 0;
    size_t at = 0;
    // The headers come first: a few pages at most.
    for (int page = 0; page < 16; ++page) {
        if (n - at < 27 || std::memcmp(d + at, "OggS", 4) != 0) return false;
        const size_t segments = d[at + 26];
        if (n - at - 27 < segments) return false;
        const uint8_t* lacing = d + at + 27;
        size_t body = at + 27 + segments;
        for (size_t s = 0; s < segments; ++s) {
            if (n - body < lacing[s]) return false;
            if (index == 1) packet.insert(packet.end(), d + body, d + body + lacing[s]);
            body += lacing[s];
            if (lacing[s] < 255 && index++ == 1) return true;
        }
        at = body;
    }
    return false;
}

}  // namespace

uint64_t TuneHash(const uint8_t* data, size_t size) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 0x100000001B3ull;
    return h;
}

std::string RenderingPath(const std::string& tunePath) {
    const size_t slash = tunePath.rfind('/');
    if (slash == std::string::npos || slash == 0) return {};
    const size_t folder = tunePath.rfind('/', slash - 1);
    const size_t dot = tunePath.rfind('.');
    const std::string name = tunePath.substr(slash + 1, dot > slash ? dot - slash - 1 : std::string::npos);
    const std::string parent = folder == std::string::npos ? "" : tunePath.substr(0, folder + 1);
    return parent + "ogg/" + name + ".ogg";
}

bool RenderingMatches(const uint8_t* ogg, size_t size, uint64_t tuneHash) {
    std::vector<uint8_t> p;
    if (!SecondPacket(ogg, size, p) || p.size() < 15 || p[0] != 3 || std::memcmp(p.data() + 1, "vorbis", 6) != 0)
        return false;
    size_t at = 7;
    const uint32_t vendor = Le32(p.data() + at);
    if (vendor > p.size() - at - 8) return false;
    at += 4 + vendor;
    uint32_t count = Le32(p.data() + at);
    at += 4;
    char want[32];
    std::snprintf(want, sizeof want, "TOLVANE_MIDI=%016llx", static_cast<unsigned long long>(tuneHash));
    const size_t wantLen = std::strlen(want);
    for (; count > 0; --count) {
        if (p.size() - at < 4) return false;
        const uint32_t len = Le32(p.data() + at);
        at += 4;
        if (len > p.size() - at) return false;
        // Comment names ignore case; the hash is written in lower case.
        const char* c = reinterpret_cast<const char*>(p.data() + at);
        if (len == wantLen && strncasecmp(c, want, 13) == 0 && std::memcmp(c + 13, want + 13, 16) == 0) return true;
        at += len;
    }
    return false;
}
