// Generates every picture, tune and sound of the game into OUTDIR/img,
// OUTDIR/mid and OUTDIR/wav, and a quiet soundfont into OUTDIR/sf2.
// Deterministic: the same build writes the same bytes. With --icons DIR it
// writes the desktop menu's icons instead, with --ico FILE the Windows
// program's icon.
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "families.h"
#include "gen_icons.h"
#include "output.h"
#include "text.h"

namespace {

struct Family {
    const char* name;
    void (*generate)(ag::Output&);
};

const Family kFamilies[] = {
    {"opening", ag::genOpening},
    {"prologue", ag::genPrologue},
    {"faces", ag::genFaces},
    {"stage sheets", ag::genStageSheets},
    {"music", ag::genMusic},
    {"sounds", ag::genSounds},
    {"cues", ag::genCues},
    {"hud", ag::genHud},
    {"frontend", ag::genFrontend},
    {"soundfont", ag::genSoundFont},
};

// The families whose pictures carry words.
const Family kLettered[] = {
    {"opening", ag::genOpening},
    {"hud", ag::genHud},
    {"frontend", ag::genFrontend},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && (std::string(argv[1]) == "--icons" || std::string(argv[1]) == "--ico")) {
        // The desktop menu's and the Windows program's icons, kept apart
        // from the game's data.
        try {
            if (std::string(argv[1]) == "--icons")
                ag::writeDesktopIcons(argv[2]);
            else
                ag::writeWindowsIcon(argv[2]);
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "assetgen: icons: %s\n", e.what());
            return 1;
        }
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTDIR | assetgen --icons DIR | assetgen --ico FILE\n");
        return 2;
    }
    const char* family = "";
    try {
        auto t0 = std::chrono::steady_clock::now();
        ag::initText();
        ag::Output out(argv[1]);
        for (const Family& f : kFamilies) {
            family = f.name;
            f.generate(out);
        }
        // The lettered pictures again in English, into img/en/.
        ag::setLang(ag::Lang::En);
        for (const Family& f : kLettered) {
            family = f.name;
            f.generate(out);
        }
        ag::setLang(ag::Lang::Ja);
        ag::shutdownText();
        double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("assetgen: %d pictures, %d tunes, %d sounds (%.1f MB) in %s, %.2f s\n", out.pictures(),
                    out.tunes(), out.sounds(), double(out.bytes()) / 1e6, argv[1], secs);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s%s%s\n", *family ? family : "", *family ? ": " : "", e.what());
        return 1;
    }
}
