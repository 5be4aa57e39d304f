#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/app.h"
#include "base/language.h"
#include "base/parse_int.h"

namespace {

const char* kUsage =
    "usage: tolvane [options]\n"
    "  --windowed          play in a window instead of full screen\n"
    "  --lang ja|en        Japanese or English (default: the system locale)\n"
    "  --fullscreen        play full screen (whatever the settings say)\n"
    "  --scale N           window size: N times 640x480 (0: the largest that fits)\n"
    "  --music-volume N    music volume 0..100 for this run\n"
    "  --effects-volume N  sound effects volume 0..100 for this run\n"
    "  --config FILE       the settings file (default\n"
    "                      $XDG_CONFIG_HOME/tolvane/settings.ini; headless runs\n"
    "                      use none unless given one)\n"
    "  --progress FILE     the record of cleared stages (default\n"
    "                      $XDG_DATA_HOME/tolvane/progress.ini; headless runs\n"
    "                      use none unless given one)\n"
    "  --data DIR          folder holding img/, mid/ and wav/ (default: the\n"
    "                      current folder, else data/ beside the program,\n"
    "                      else ../share/tolvane beside it)\n"
    "  --headless          no window, no sound device, virtual clock (tests)\n"
    "  --clock-start MS    headless clock at start-up (default 100000)\n"
    "  --script FILE       timed input events for a headless run\n"
    "  --render            headless: draw every frame (by default only the\n"
    "                      frames a script's shot saves are drawn)\n"
    "  --trace FILE        write one JSON line per frame\n"
    "  --record FILE       write every input of the run as a script that\n"
    "                      replays it headless (--script)\n"
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
        } else if (a == "--fullscreen") {
            out.fullscreen = true;
        } else if (a == "--scale") {
            if (!number(0, 8, n)) return 2;
            out.windowScale = int(n);
        } else if (a == "--music-volume" || a == "--effects-volume") {
            if (!number(0, 100, n)) return 2;
            (a == "--music-volume" ? out.musicVolume : out.effectsVolume) = int(n);
        } else if (a == "--clock-start") {
            if (!number(0, 0xFFFFFFFFLL, n)) return 2;
            out.clockStart = uint32_t(n);
        } else if (a == "--max-ms") {
            if (!number(0, 1LL << 40, n)) return 2;
            out.maxMs = n;
        } else if (a == "--scene") {
            if (!number(0, 255, n)) return 2;
            out.startScene = int(n);
        } else if (a == "--lang") {
            Language l;
            if (!value(v)) return 2;
            if (!ParseLanguage(v, l)) {
                std::fprintf(stderr, "tolvane: --lang wants ja or en, not '%s'\n", v);
                return 2;
            }
            out.lang = v;
        } else if (a == "--script" || a == "--trace" || a == "--log" || a == "--data" || a == "--config" ||
                   a == "--progress" || a == "--record") {
            if (!value(v)) return 2;
            std::string& dst = a == "--script"   ? out.scriptPath
                               : a == "--trace"  ? out.tracePath
                               : a == "--log"    ? out.logPath
                               : a == "--config"   ? out.configPath
                               : a == "--progress" ? out.progressPath
                               : a == "--record"   ? out.recordPath
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
    if (out.windowed && out.fullscreen) {
        std::fprintf(stderr, "tolvane: --windowed and --fullscreen exclude each other\n");
        return 2;
    }
    if (!out.headless && out.render) {
        std::fprintf(stderr, "tolvane: --render needs --headless\n");
        return 2;
    }
    return 0;
}
