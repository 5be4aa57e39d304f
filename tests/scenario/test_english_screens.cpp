// No Japanese on the English game's screens. Every screen is played twice in
// English: over the real data, and over data whose pictures have no Japanese
// lettered into them and whose text face has no Japanese characters
// (data-without-japanese, made by assetgen --without-japanese and a cut of
// the text face: tests/CMakeLists.txt). The shots must be the same pixel
// for pixel: where they differ, a Japanese picture or text is on screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game_run.h"

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
    // Dialogues by their init scene, stages as -k (init scene 7 + 4k), in the
    // story's order; the time from each stage's init to its clear letters. A
    // wait line comes no earlier than the line before it.
    const int kOrder[] = {9, -1, 13, 49, -2, 17, -3, 21, -4, 41, -9, 25, 51, -5, 29, -7, 33, -6, 37, -8, 53, 55};
    const int kClearMs[10] = {0, 24000, 41000, 40500, 52000, 76000, 51500, 62000, 68000, 30000};
    std::string s = "0 keydown space\n100 keyup space\n100 wait 8\n500 shot @/title.png\n1000 click 460 130\n";
    std::string last = "1000";
    for (int step : kOrder) {
        if (step > 0) {
            const std::string n = std::to_string(step);
            s += last + " wait " + n + "\n0 keyup space\n400 shot @/talk" + n + ".png\n500 keydown space\n";
            last = "500";
            continue;
        }
        const std::string k = std::to_string(-step), shot = " shot @/stage" + k;
        last = std::to_string(kClearMs[-step]);
        s += "500 wait " + std::to_string(7 - 4 * step) + "\n0 keyup space\n0 include " +
             Replay(("stage" + k + "_win.txt").c_str()) + "\n600" + shot + "-start.png\n2500" + shot + "-play.png\n" + last +
             shot + "-clear.png\n";
    }
    // The first ending's pictures as they scroll by, its last words, the second.
    s += "500 wait 57\n0 keyup space\n";
    for (int t : {8000, 30000, 52000, 74000, 89000})
        s += std::to_string(t) + " shot @/ending-" + std::to_string(t / 1000) + ".png\n";
    return s + "89000 wait 63\n1500 shot @/ending-last.png\n1500 wait 7\n1000 quit\n";
}

const Screen kScreens[] = {
    {"Opening", 0, 47000, false,
     "1500 shot @/maker.png\n2800 shot @/logo.png\n3800 shot @/logo-still.png\n8000 shot @/prologue-1.png\n"
     "32000 shot @/prologue-8.png\n41000 shot @/prologue-10.png\n"},
    {"TitleAndMenus", 7, 12000, true,
     "1000 move 600 460\n1500 shot @/title.png\n2000 keydown f2\n2100 keyup f2\n2500 shot @/keys.png\n"
     "3000 keydown f2\n3100 keyup f2\n3500 keydown p\n3600 keyup p\n4000 shot @/paused.png\n4500 keydown p\n"
     "4600 keyup p\n6000 click 490 240\n7000 shot @/menu.png\n"
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

// Plays a screen in a language over the real data and over the data without
// Japanese; lists the shots that differ ("" when none does) or were not
// taken. English shots that differ are kept for a look.
std::string Differences(const Screen& s, const char* lang) {
    const std::string dirs[2] = {MakeTempDir("shots"), MakeTempDir("shots-without-japanese")};
    std::vector<std::string> names;
    for (int k = 0; k < 2; ++k) {
        std::string script = s.script;
        for (size_t at; (at = script.find(" shot @/")) != std::string::npos;) {
            if (k == 0) names.push_back(script.substr(at + 8, script.find('\n', at) - at - 8));
            script.replace(at, 8, " shot " + dirs[k] + "/");
        }
        std::vector<std::string> args = {"--lang", lang, "--scene", std::to_string(s.scene), "--max-ms",
                                         std::to_string(s.maxMs)};
        if (s.progress) {
            std::ofstream(dirs[k] + "/progress.ini") << "story = 5\nstage1 = 48210\nstage2 = 51230\nstage4 = 80010\n";
            args.insert(args.end(), {"--progress", dirs[k] + "/progress.ini"});
        }
        GameRun run = RunGameHeadless(args, script, k ? TOLVANE_DATA_WITHOUT_JAPANESE : TOLVANE_DATA_DIR);
        EXPECT_EQ(run.exitCode, 0) << s.name << ": " << run.stderrText;
    }
    std::string report;
    for (const std::string& name : names) {
        const std::string a = ReadTextFile(dirs[0] + "/" + name), b = ReadTextFile(dirs[1] + "/" + name);
        if (a.empty() || b.empty()) report += name + " not taken; ";
        else if (a != b) report += name + "; ";
    }
    if (!report.empty() && std::string(lang) == "en")
        return report + "(shots in " + dirs[0] + " and " + dirs[1] + ")";
    for (const std::string& d : dirs) std::filesystem::remove_all(d);
    return report;
}

class EnglishScreens : public testing::TestWithParam<Screen> {};

}  // namespace

TEST_P(EnglishScreens, ShowNoJapanese) {
    EXPECT_EQ(Differences(GetParam(), "en"), "") << "Japanese on the English screen where these shots differ";
}

INSTANTIATE_TEST_SUITE_P(Every, EnglishScreens, testing::ValuesIn(kScreens),
                         [](const testing::TestParamInfo<Screen>& i) { return std::string(i.param.name); });

// The check itself sees Japanese, lettered into pictures (the title, the
// menus) and drawn as text (the key card, the pause card):
// every shot of the Japanese game differs.
TEST(EnglishScreensCheck, SeesTheJapaneseGame) {
    ASSERT_STREQ(kScreens[1].name, "TitleAndMenus");
    const std::string d = Differences(kScreens[1], "ja");
    EXPECT_EQ(d.find("not taken"), std::string::npos) << d;
    for (const char* shot : {"title", "keys", "paused", "menu", "stages-1", "stages-2", "stages-3"})
        EXPECT_NE(d.find(std::string(shot) + ".png; "), std::string::npos) << shot << " in " << d;
}
