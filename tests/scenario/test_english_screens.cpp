// No Japanese on the English game's screens. Every screen is played twice in
// English: over the real data, and over data whose pictures have no Japanese
// lettered into them and whose text face has no Japanese characters
// (data-without-japanese, made by assetgen --without-japanese and
// tests/english/data_without_japanese.py). The shots must be the same pixel
// for pixel: where they differ, a Japanese picture or text is on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game_run.h"
#include "gfx/image.h"

namespace {

struct Screen {
    const char* name;
    int scene;
    int maxMs;
    bool progress;  // a story under way and cleared stages: Continue, clear marks
    std::string script;  // shots as "T shot @/NAME.png"
};

void PrintTo(const Screen& s, std::ostream* os) { *os << s.name; }

std::string Replay(const char* name) { return std::string(TOLVANE_TEST_DIR) + "/replays/" + name; }

// The whole story, as tests/replays/story.txt plays it, with a shot of each
// dialogue as it opens and of each stage's start banner, play and clear.
std::string StoryScript() {
    struct Step {
        int talk;          // a dialogue's init scene, or 0
        int stageInit;     // or a stage's init scene, its number and replay
        int stage;
        int clearMs;       // from the stage's init to its clear letters
    };
    const Step kSteps[] = {
        {9, 0, 0, 0},  {0, 11, 1, 24000}, {13, 0, 0, 0}, {49, 0, 0, 0}, {0, 15, 2, 41000},
        {17, 0, 0, 0}, {0, 19, 3, 40500}, {21, 0, 0, 0}, {0, 23, 4, 52000}, {41, 0, 0, 0},
        {0, 43, 9, 30000}, {25, 0, 0, 0}, {51, 0, 0, 0}, {0, 27, 5, 76000}, {29, 0, 0, 0},
        {0, 35, 7, 62000}, {33, 0, 0, 0}, {0, 31, 6, 51500}, {37, 0, 0, 0}, {0, 39, 8, 68000},
        {53, 0, 0, 0}, {55, 0, 0, 0},
    };
    // A wait line comes no earlier than the line before it.
    std::string s = "0 keydown space\n100 keyup space\n100 wait 8\n500 shot @/title.png\n1000 click 460 130\n";
    std::string last = "1000";
    for (const Step& st : kSteps) {
        if (st.talk) {
            const std::string n = std::to_string(st.talk);
            s += last + " wait " + n + "\n0 keyup space\n400 shot @/talk" + n + ".png\n500 keydown space\n";
            last = "500";
            continue;
        }
        const std::string k = std::to_string(st.stage);
        last = std::to_string(st.clearMs);
        s += "500 wait " + std::to_string(st.stageInit) + "\n0 keyup space\n0 include " +
             Replay(("stage" + k + "_win.txt").c_str()) + "\n600 shot @/stage" + k + "-start.png\n2500 shot @/stage" + k +
             "-play.png\n" + last + " shot @/stage" + k + "-clear.png\n";
    }
    // The first ending's pictures as they scroll by, its last words, the second.
    s += "500 wait 57\n0 keyup space\n";
    for (int t : {8000, 30000, 52000, 74000, 89000})
        s += std::to_string(t) + " shot @/ending-" + std::to_string(t / 1000) + ".png\n";
    s += "89000 wait 63\n1500 shot @/ending-last.png\n1500 wait 7\n1000 quit\n";
    return s;
}

const Screen kScreens[] = {
    {"Opening", 0, 47000, false,
     "1500 shot @/maker.png\n2800 shot @/logo.png\n3800 shot @/logo-still.png\n8000 shot @/prologue-1.png\n"
     "32000 shot @/prologue-8.png\n41000 shot @/prologue-10.png\n"},
    {"TitleAndMenus", 7, 12000, true,
     "1000 move 600 460\n1500 shot @/title.png\n2000 keydown f2\n2100 keyup f2\n2500 shot @/keys.png\n"
     "3000 keydown f2\n3100 keyup f2\n3500 keydown p\n3600 keyup p\n4000 shot @/paused.png\n4500 keydown p\n"
     "4600 keyup p\n5000 keydown m\n5100 keyup m\n5300 shot @/sound-note.png\n6000 click 490 240\n7000 shot @/menu.png\n"
     "8000 click 300 160\n9000 shot @/stages-1.png\n9500 click 580 45\n10000 shot @/stages-2.png\n10500 click 580 45\n"
     "11000 shot @/stages-3.png\n"},
    {"Help", 59, 8000, false,
     "0 move 600 460\n500 shot @/help.png\n1000 click 281 179\n1500 shot @/page1.png\n2000 click 70 235\n"
     "2500 shot @/page2.png\n3000 click 244 251\n3500 shot @/page3.png\n4000 click 288 326\n4500 shot @/page4.png\n"
     "5000 click 102 373\n5500 shot @/page5.png\n6000 click 231 376\n6500 shot @/page6.png\n7000 click 308 380\n"
     "7500 shot @/page7.png\n"},
    {"GameOver", 47, 2000, true, "1500 shot @/game-over.png\n"},
    {"RetryAndTimeUp", 11, 64000, false,
     "0 include " + Replay("stage1_reset.txt") + "\n3300 shot @/retry.png\n3800 shot @/retry-fading.png\n"
     "62800 shot @/time-up.png\n63300 shot @/time-up-fading.png\n"},
    {"Story", 0, 900000, false, StoryScript()},
};

struct Shots {
    std::string dir;
    std::vector<std::string> names;
};

// Plays a screen over one data folder; the shots land in a fresh folder.
Shots Play(const Screen& s, const char* lang, const std::string& dataDir) {
    Shots out{MakeTempDir("en-shots"), {}};
    std::string script;
    std::istringstream lines(s.script);
    for (std::string line; std::getline(lines, line);) {
        size_t at = line.find(" shot @/");
        if (at != std::string::npos) {
            out.names.push_back(line.substr(at + 8));
            line = line.substr(0, at) + " shot " + out.dir + "/" + out.names.back();
        }
        script += line + "\n";
    }
    std::vector<std::string> args = {"--lang", lang, "--scene", std::to_string(s.scene), "--max-ms",
                                     std::to_string(s.maxMs)};
    if (s.progress) {
        const std::string file = out.dir + "/progress.ini";
        std::ofstream(file) << "story = 5\nstage1 = 48210\nstage2 = 51230\nstage4 = 80010\n";
        args.insert(args.end(), {"--progress", file});
    }
    GameRun run = RunGameHeadless(args, script, dataDir);
    EXPECT_EQ(run.exitCode, 0) << s.name << ": " << run.stderrText;
    return out;
}

// How the two plays' shots differ: "" when every shot is the same.
std::string Differences(const Shots& a, const Shots& b) {
    std::string report;
    for (const std::string& name : a.names) {
        Image x, y;
        if (!DecodeImageFile((a.dir + "/" + name).c_str(), x) || !DecodeImageFile((b.dir + "/" + name).c_str(), y)) {
            report += name + ": not taken; ";
            continue;
        }
        if (x.width != y.width || x.height != y.height) {
            report += name + ": sizes differ; ";
            continue;
        }
        int n = 0, x0 = x.width, y0 = x.height, x1 = -1, y1 = -1;
        for (int py = 0; py < x.height; ++py)
            for (int px = 0; px < x.width; ++px) {
                const size_t i = size_t(py) * size_t(x.width) + size_t(px);
                if (x.argb[i] == y.argb[i]) continue;
                ++n;
                x0 = std::min(x0, px), x1 = std::max(x1, px), y0 = std::min(y0, py), y1 = std::max(y1, py);
            }
        if (n)
            report += name + ": " + std::to_string(n) + " pixels in (" + std::to_string(x0) + "," + std::to_string(y0) +
                      ")-(" + std::to_string(x1) + "," + std::to_string(y1) + "); ";
    }
    return report;
}

class EnglishScreens : public testing::TestWithParam<Screen> {};

}  // namespace

TEST_P(EnglishScreens, ShowNoJapanese) {
    const Screen& s = GetParam();
    Shots real = Play(s, "en", TOLVANE_DATA_DIR);
    Shots bare = Play(s, "en", TOLVANE_DATA_WITHOUT_JAPANESE);
    ASSERT_FALSE(real.names.empty());
    const std::string d = Differences(real, bare);
    EXPECT_EQ(d, "") << "Japanese on the English screen where the shots in " << real.dir << " and " << bare.dir
                     << " differ";
    if (d.empty()) {
        std::filesystem::remove_all(real.dir);
        std::filesystem::remove_all(bare.dir);
    }
}

INSTANTIATE_TEST_SUITE_P(Every, EnglishScreens, testing::ValuesIn(kScreens),
                         [](const testing::TestParamInfo<Screen>& i) { return std::string(i.param.name); });

// The check itself sees Japanese, lettered into pictures (the title, the
// menus) and drawn as text (the key card, the pause card, the sound note):
// every shot of the Japanese game differs.
TEST(EnglishScreensCheck, SeesTheJapaneseGame) {
    const Screen& s = kScreens[1];
    ASSERT_STREQ(s.name, "TitleAndMenus");
    Shots real = Play(s, "ja", TOLVANE_DATA_DIR);
    Shots bare = Play(s, "ja", TOLVANE_DATA_WITHOUT_JAPANESE);
    const std::string d = Differences(real, bare);
    for (const std::string& name : real.names) EXPECT_NE(d.find(name + ": "), std::string::npos) << name;
    EXPECT_EQ(d.find("not taken"), std::string::npos) << d;
    std::filesystem::remove_all(real.dir);
    std::filesystem::remove_all(bare.dir);
}
