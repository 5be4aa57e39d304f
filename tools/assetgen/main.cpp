// Generates every picture, tune and sound of the game into OUTDIR/img,
// OUTDIR/mid and OUTDIR/wav, and a quiet soundfont into OUTDIR/sf2.
// Deterministic: the same build writes the same bytes. With --icons DIR it
// writes the desktop menu's icons instead, with --web-icons DIR the web
// page's, with --ico FILE the Windows program's icon, and with --without-japanese DIR the pictures alone with
// no Japanese lettered into them (the tests compare the English game's
// screens over those and over the real ones). --lettering FILE before
// OUTDIR also lists where every text's ink fell in its picture (text.h).
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
    bool pictures;
};

const Family kFamilies[] = {
    {"opening", ag::genOpening, true},
    {"prologue", ag::genPrologue, true},
    {"faces", ag::genFaces, true},
    {"stage sheets", ag::genStageSheets, true},
    {"music", ag::genMusic, false},
    {"sounds", ag::genSounds, false},
    {"cues", ag::genCues, false},
    {"hud", ag::genHud, true},
    {"frontend", ag::genFrontend, true},
    {"soundfont", ag::genSoundFont, false},
};

// The families whose pictures carry words (the face sheet holds a help page).
const Family kLettered[] = {
    {"opening", ag::genOpening, true},
    {"faces", ag::genFaces, true},
    {"hud", ag::genHud, true},
    {"frontend", ag::genFrontend, true},
};

}  // namespace

int main(int argc, char** argv) {
    const std::string iconsOpt = argc == 3 ? argv[1] : "";
    if (iconsOpt == "--icons" || iconsOpt == "--ico" || iconsOpt == "--web-icons") {
        // The desktop menu's, the Windows program's and the web page's
        // icons, kept apart from the game's data.
        try {
            if (iconsOpt == "--icons")
                ag::writeDesktopIcons(argv[2]);
            else if (iconsOpt == "--web-icons")
                ag::writeWebIcons(argv[2]);
            else
                ag::writeWindowsIcon(argv[2]);
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "assetgen: icons: %s\n", e.what());
            return 1;
        }
    }
    const bool withoutJapanese = argc == 3 && std::string(argv[1]) == "--without-japanese";
    const bool lettering = argc == 4 && std::string(argv[1]) == "--lettering";
    if (argc != 2 && !withoutJapanese && !lettering) {
        std::fprintf(stderr,
                     "usage: assetgen [--lettering FILE] OUTDIR | assetgen --icons DIR | assetgen --ico FILE | "
                     "assetgen --web-icons DIR | assetgen --without-japanese DIR\n");
        return 2;
    }
    const char* family = "";
    try {
        auto t0 = std::chrono::steady_clock::now();
        ag::initText();
        ag::setLeaveOutJapanese(withoutJapanese);
        ag::Output out(argv[argc - 1], withoutJapanese);
        if (lettering) out.reportLettering(argv[2]);
        for (const Family& f : kFamilies) {
            family = f.name;
            if (f.pictures || !withoutJapanese) f.generate(out);
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
                    out.tunes(), out.sounds(), double(out.bytes()) / 1e6, argv[argc - 1], secs);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s%s%s\n", *family ? family : "", *family ? ": " : "", e.what());
        return 1;
    }
}
