#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/app.h"
#include "app/scenes.h"
#include "base/language.h"
#include "app/settings.h"
#include "base/parse_int.h"

namespace {

// Where the settings and progress files are kept unless told.
#ifdef _WIN32
#define KEPT_FILE(xdg, name) "%APPDATA%\\Tolvane\\" name
#else
#define KEPT_FILE(xdg, name) "$" xdg "/tolvane/" name
#endif

const char* kUsage =
    "usage: tolvane [options]\n"
    "  --windowed          play in a window (whatever the settings say)\n"
    "  --lang ja|en        Japanese or English (default: the settings file,\n"
    "                      else the system's language)\n"
    "  --fullscreen        play full screen (whatever the settings say)\n"
    "  --scale N           window size: N times 640x480 (0: the largest that fits)\n"
    "  --music-volume N    music volume 0..100 for this run\n"
    "  --effects-volume N  sound effects volume 0..100 for this run\n"
    "  --speed PERCENT     game speed 50..100 in steps of 10 for this run\n"
    "                      (the game's own time and its replays are the same\n"
    "                      at every speed; headless runs ignore it)\n"
    "  --config FILE       the settings file (default\n"
    "                      " KEPT_FILE("XDG_CONFIG_HOME", "settings.ini") "; headless runs\n"
    "                      use none unless given one)\n"
    "  --progress FILE     the record of cleared stages (default\n"
    "                      " KEPT_FILE("XDG_DATA_HOME", "progress.ini") "; headless runs\n"
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
    "  --data-log FILE     write each data file read, with the scene reading it\n"
    "  --watch FILE        watch a replay (a replays/stageN-*.txt file)\n"
    "  --verify FILE       play a replay headless from its stage's start; prints\n"
    "                      the stage and the clear's game time; exit status 0\n"
    "                      when it clears its stage, 1 when not, 2 when the file\n"
    "                      is not a replay\n"
    "  --bench             print frame timings and peak memory at the end\n"
    "  --max-ms N          end the run after N ms of game time\n"
    "  --scene N           start at scene N (a scene's start, 0..64) instead of 0\n"
    "  --export FILE       save the settings and progress into one file to\n"
    "                      carry to another game (the web page loads it too)\n"
    "                      and end ('-': standard output)\n"
    "  --import FILE       merge such a file into the settings and progress\n"
    "                      and end (best times kept; a damaged file changes\n"
    "                      nothing)\n"
    "  --help              show this text\n";

// Options that switch something on.
struct FlagOption {
    const char* name;
    bool AppOptions::*field;
};
const FlagOption kFlags[] = {
    {"--headless", &AppOptions::headless}, {"--bench", &AppOptions::bench},
    {"--render", &AppOptions::render},     {"--windowed", &AppOptions::windowed},
    {"--fullscreen", &AppOptions::fullscreen},
};

// Options that name a file or folder.
struct PathOption {
    const char* name;
    std::string AppOptions::*field;
};
const PathOption kPaths[] = {
    {"--script", &AppOptions::scriptPath}, {"--trace", &AppOptions::tracePath},
    {"--log", &AppOptions::logPath},       {"--data", &AppOptions::dataDir},
    {"--config", &AppOptions::configPath}, {"--progress", &AppOptions::progressPath},
    {"--record", &AppOptions::recordPath}, {"--export", &AppOptions::exportPath},
    {"--import", &AppOptions::importPath},  {"--data-log", &AppOptions::dataLogPath},
    {"--watch", &AppOptions::watchPath},    {"--verify", &AppOptions::verifyPath},
};

// Options that take a whole number in lo..hi.
struct NumberOption {
    const char* name;
    long long lo, hi;
    void (*set)(AppOptions& o, long long n);
    long long step = 1;  // the number is a whole multiple of it
};
const NumberOption kNumbers[] = {
    {"--scale", 0, 8, [](AppOptions& o, long long n) { o.windowScale = int(n); }},
    {"--music-volume", 0, 100, [](AppOptions& o, long long n) { o.musicVolume = int(n); }},
    {"--effects-volume", 0, 100, [](AppOptions& o, long long n) { o.effectsVolume = int(n); }},
    {"--speed", kMinGameSpeed, 100, [](AppOptions& o, long long n) { o.speed = int(n); }, kGameSpeedStep},
    {"--clock-start", 0, 0xFFFFFFFFLL, [](AppOptions& o, long long n) { o.clockStart = uint32_t(n); }},
    {"--max-ms", 0, 1LL << 40, [](AppOptions& o, long long n) { o.maxMs = n; }},
    {"--scene", 0, kSceneCount - 1, [](AppOptions& o, long long n) { o.startScene = int(n); }},
};

// The command line as it is read: argument i is the option at hand.
struct ArgReader {
    int argc;
    char** argv;
    int i;
};

// The value after option a, or nullptr (said on stderr) when there is none.
const char* TakeValue(ArgReader& r, const std::string& a) {
    if (r.i + 1 >= r.argc) {
        std::fprintf(stderr, "tolvane: %s needs a value\n%s", a.c_str(), kUsage);
        return nullptr;
    }
    return r.argv[++r.i];
}

bool TakeNumber(ArgReader& r, const NumberOption& o, AppOptions& out) {
    const char* v = TakeValue(r, o.name);
    if (!v) return false;
    long long n = 0;
    if (!ParseInt(v, o.lo, o.hi, n)) {
        std::fprintf(stderr, "tolvane: %s wants a whole number in %lld..%lld, not '%s'\n", o.name, o.lo, o.hi, v);
        return false;
    }
    if (n % o.step != 0) {
        std::fprintf(stderr, "tolvane: %s goes in steps of %lld, not '%s'\n", o.name, o.step, v);
        return false;
    }
    o.set(out, n);
    return true;
}

bool TakeLanguage(ArgReader& r, AppOptions& out) {
    const char* v = TakeValue(r, "--lang");
    if (!v) return false;
    Language l;
    if (!ParseLanguage(v, l)) {
        std::fprintf(stderr, "tolvane: --lang wants ja or en, not '%s'\n", v);
        return false;
    }
    out.lang = v;
    return true;
}

// Reads the option at r.i (and its value): 0 taken, -1 for --help, 2 bad.
int TakeOption(ArgReader& r, AppOptions& out) {
    const std::string a = r.argv[r.i];
    if (a == "--help" || a == "-h") {
        std::fputs(kUsage, stdout);
        return -1;
    }
    if (a == "--lang") return TakeLanguage(r, out) ? 0 : 2;
    for (const FlagOption& f : kFlags)
        if (a == f.name) {
            out.*f.field = true;
            return 0;
        }
    for (const NumberOption& o : kNumbers)
        if (a == o.name) return TakeNumber(r, o, out) ? 0 : 2;
    for (const PathOption& p : kPaths)
        if (a == p.name) {
            const char* v = TakeValue(r, a);
            if (!v) return 2;
            out.*p.field = v;
            return 0;
        }
    std::fprintf(stderr, "tolvane: unknown option '%s'\n%s", a.c_str(), kUsage);
    return 2;
}

// Options that make no sense together.
int CheckCombination(AppOptions& out) {
    // A verification is a headless run of the replay alone.
    if (!out.verifyPath.empty()) {
        if (!out.scriptPath.empty() || !out.watchPath.empty() || out.startScene != 0) {
            std::fprintf(stderr, "tolvane: --verify plays its replay alone (no --script, --watch or --scene)\n");
            return 2;
        }
        out.headless = true;
    }
    if (!out.watchPath.empty() && out.startScene != 0) {
        std::fprintf(stderr, "tolvane: --watch starts at its replay's stage (no --scene)\n");
        return 2;
    }
    if (!out.headless && (!out.scriptPath.empty())) {
        std::fprintf(stderr, "tolvane: --script needs --headless\n");
        return 2;
    }
    if (!out.exportPath.empty() && !out.importPath.empty()) {
        std::fprintf(stderr, "tolvane: --export and --import exclude each other\n");
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
    // A frame scene started alone would read what its start never set.
    if (int start = SceneStartFor(out.startScene); start != out.startScene) {
        std::fprintf(stderr, "tolvane: --scene %d is a frame scene, which runs only after its start; use --scene %d\n",
                     out.startScene, start);
        return 2;
    }
    return 0;
}

}  // namespace

int ParseOptions(int argc, char** argv, AppOptions& out) {
    out = AppOptions{};
    for (ArgReader r{argc, argv, 1}; r.i < argc; ++r.i)
        if (int status = TakeOption(r, out)) return status;
    return CheckCombination(out);
}
