#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/app.h"
#include "base/parse_int.h"

namespace {

const char* kUsage =
    "usage: tolvane [options]\n"
    "  --windowed          play in a window instead of full screen\n"
    "  --data DIR          folder holding img/, mid/ and wav/ (default: the\n"
    "                      current folder, else data/ beside the program)\n"
    "  --headless          no window, no sound device, virtual clock (tests)\n"
    "  --clock-start MS    headless clock at start-up (default 100000)\n"
    "  --script FILE       timed input events for a headless run\n"
    "  --render            headless: draw every frame (by default only the\n"
    "                      frames a script's shot saves are drawn)\n"
    "  --trace FILE        write one JSON line per frame\n"
    "  --log FILE          write the debug log to FILE ('-': standard error)\n"
    "  --bench             print frame timings and peak memory at the end\n"
    "  --max-ms N          end the run after N ms of game time\n"
    "  --scene N           start at scene N (0..255) instead of 0\n"
    "  --help              show this text\n";

}  // namespace

int ParseOptions(int argc, char** argv, AppOptions& out) {
    out = AppOptions{};
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](const char*& v) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "tolvane: %s needs a value\n%s", a.c_str(), kUsage);
                return false;
            }
            v = argv[++i];
            return true;
        };
        auto number = [&](long long lo, long long hi, long long& n) {
            const char* v = nullptr;
            if (!value(v)) return false;
            if (!ParseInt(v, lo, hi, n)) {
                std::fprintf(stderr, "tolvane: %s wants a whole number in %lld..%lld, not '%s'\n", a.c_str(), lo, hi,
                             v);
                return false;
            }
            return true;
        };
        const char* v = nullptr;
        long long n = 0;
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return -1;
        } else if (a == "--headless") {
            out.headless = true;
        } else if (a == "--bench") {
            out.bench = true;
        } else if (a == "--render") {
            out.render = true;
        } else if (a == "--windowed") {
            out.windowed = true;
        } else if (a == "--clock-start") {
            if (!number(0, 0xFFFFFFFFLL, n)) return 2;
            out.clockStart = uint32_t(n);
        } else if (a == "--max-ms") {
            if (!number(0, 1LL << 40, n)) return 2;
            out.maxMs = n;
        } else if (a == "--scene") {
            if (!number(0, 255, n)) return 2;
            out.startScene = int(n);
        } else if (a == "--script" || a == "--trace" || a == "--log" || a == "--data") {
            if (!value(v)) return 2;
            std::string& dst = a == "--script" ? out.scriptPath
                               : a == "--trace" ? out.tracePath
                               : a == "--log"   ? out.logPath
                                                : out.dataDir;
            dst = v;
        } else {
            std::fprintf(stderr, "tolvane: unknown option '%s'\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    if (!out.headless && (!out.scriptPath.empty())) {
        std::fprintf(stderr, "tolvane: --script needs --headless\n");
        return 2;
    }
    if (!out.headless && out.render) {
        std::fprintf(stderr, "tolvane: --render needs --headless\n");
        return 2;
    }
    return 0;
}
