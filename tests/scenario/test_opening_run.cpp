// The opening as a player sees it: the built game, headless, start to title.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "game_run.h"
#include "gfx/image.h"
#include "scenes/opening.h"

TEST(OpeningRun, StartUpToTheTitleWithLogLinesAndTimings) {
    GameRun run = RunGameHeadless({"--max-ms", "60000"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_GE(run.log.size(), 5u);
    EXPECT_EQ(run.log[0], "InitApp OK!");
    EXPECT_EQ(run.log[2], "InitDX8 OK!");
    EXPECT_EQ(run.log[3], "Veskinit関数通過。");
    EXPECT_EQ(run.log[4], "Veskframe関数通過");
    EXPECT_EQ(CountLines(run.log, "Veskframe関数通過"), 126);
    EXPECT_EQ(CountLines(run.log, "Logoframe関数通過"), 85);
    EXPECT_EQ(CountLines(run.log, "Logoframe2関数通過"), 63);
    EXPECT_EQ(CountLines(run.log, "PrologueInit関数通過。"), 1);
    EXPECT_EQ(CountLines(run.log, "Startinit関数通過。"), 1);
    EXPECT_LT(FirstLine(run.log, "Logoinit関数通過。"), FirstLine(run.log, "PrologueInit関数通過。"));

    long long titleAt = -1, prologueAt = -1;
    for (const std::string& l : run.trace) {
        if (prologueAt < 0 && TraceField(l, "scene") == 5) prologueAt = TraceField(l, "t");
        if (titleAt < 0 && TraceField(l, "scene") == 7) titleAt = TraceField(l, "t");
    }
    ASSERT_GT(prologueAt, 0);
    ASSERT_GT(titleAt, 0);
    // 13 captions, each shown from the first 15-ms tick at or past 3.5 s.
    EXPECT_NEAR(double(titleAt - prologueAt), 13 * 3510, 30);
    // Frames run every 15 ms of game time.
    EXPECT_EQ(TraceField(run.trace[1], "t") - TraceField(run.trace[0], "t"), 15);
}

TEST(OpeningRun, HoldingSpaceFromStartUpGoesStraightToTheTitle) {
    GameRun run = RunGameHeadless({"--max-ms", "200"}, "0 keydown space\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_GE(run.trace.size(), 2u);
    EXPECT_EQ(TraceField(run.trace[0], "scene"), 0);
    EXPECT_EQ(TraceField(run.trace[0], "next"), 7);
    EXPECT_EQ(TraceField(run.trace[1], "scene"), 7);
    EXPECT_EQ(FirstLine(run.log, "Logoinit関数通過。"), -1);
}

// A finger's tap skips the opening from each of its parts as Space does (a
// tap during the game's logo, which looks at no key, is kept until the
// footprints look); the mouse's click does not.
TEST(OpeningRun, AFingersTapSkipsItFromEachPart) {
    for (int start : {0, 2, 5})
        for (bool finger : {true, false}) {
            GameRun run = RunGameHeadless({"--scene", std::to_string(start), "--max-ms", "2000"},
                                          std::string(finger ? "0 finger on\n" : "") + "300 click 320 240\n");
            ASSERT_EQ(run.exitCode, 0) << run.stderrText;
            EXPECT_EQ(FirstLine(run.log, "Startinit関数通過。") >= 0, finger) << "from scene " << start;
        }
}

TEST(OpeningRun, PrologueShotShowsPictureFrameCaptionAndPortrait) {
    std::string dir = MakeTempDir("shot");
    std::string shot = dir + "/prologue.png";
    // Caption 10 (the hero speaking, in red) with the portrait slid in.
    GameRun run = RunGameHeadless({"--max-ms", "40500"}, "40000 shot " + shot + "\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    Image img;
    ASSERT_TRUE(DecodeImageFile(shot.c_str(), img));
    ASSERT_EQ(img.width, 640);
    ASSERT_EQ(img.height, 480);
    auto count = [&](int x0, int y0, int x1, int y1, auto pred) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += pred(img.argb[size_t(y) * 640 + x] & 0xFFFFFF);
        return n;
    };
    auto notWhite = [](uint32_t p) { return p != 0xFFFFFF; };
    const uint32_t heroRed = kPrologueCaptions[9].colour & 0xFFFFFF;  // caption 10
    auto red = [&](uint32_t p) { return p == heroRed; };
    EXPECT_GT(count(0, 0, 640, 256, notWhite), 640 * 200);       // the picture and frame
    EXPECT_GT(count(100, 330, 600, 420, red), 50);               // a red caption
    std::set<uint32_t> portrait;
    for (int y = 80; y < 220; y += 4)
        for (int x = 250; x < 390; x += 4) portrait.insert(img.argb[size_t(y) * 640 + x] & 0xFFFFFF);
    EXPECT_GT(portrait.size(), 8u);  // a drawn face, not a flat fill
}

TEST(OpeningRun, MissingPrologueSoundEndsTheProgramWithItsMessage) {
    GameRun run = RunGameHeadless({"--max-ms", "20000"}, "", DataWithout("wav"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.stderrText.find("MIDIファイルのロードに失敗"), std::string::npos) << run.stderrText;
    EXPECT_NE(FirstLine(run.log, "MIDIファイルのロードに失敗"), -1);
    // The program ends after that tick: the prologue never runs again.
    EXPECT_EQ(CountLines(run.log, "Prologueframe関数通過"), 1);
}

// Headless tunes go through the data folder's quiet soundfont: the title's
// tune plays with nothing said about it, and a missing one still fails.
TEST(OpeningRun, TitleTuneUnderTheQuietSoundFontAndWithoutIt) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(fs::exists(fs::path(TOLVANE_DATA_DIR) / "sf2/quiet.sf2"));
    GameRun fine = RunGameHeadless({"--scene", "7", "--max-ms", "1000"});
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_EQ(fine.stderrText, "");

    GameRun run = RunGameHeadless({"--scene", "7", "--max-ms", "1000"}, "", DataWithout("mid"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.stderrText.find("MIDIファイルのロードに失敗"), std::string::npos) << run.stderrText;
}

// A program with no data beside it, started from a folder without any,
// says so and ends with status 1, before any music is tried.
TEST(OpeningRun, AProgramWithoutItsDataSaysSo) {
    std::string dir = MakeTempDir("alone");
    std::string exe = dir + "/tolvane";
    ASSERT_EQ(std::system(("cp '" + std::string(TOLVANE_BIN) + "' '" + exe + "'").c_str()), 0);
    std::string err = dir + "/err", cmd = "cd '" + dir + "' && ASAN_OPTIONS=detect_leaks=0 ./tolvane --headless " +
                                          "--max-ms 1000 --log log 2>err";
    int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::string said = "tolvane: cannot find the game's data: no img/ in the current folder, in '" + dir +
                       "/data' or in '" + dir + "/../share/tolvane'\n";
    EXPECT_EQ(ReadTextFile(err), said);
    EXPECT_EQ(ReadTextFile(dir + "/log"), said.substr(9));
}

TEST(OpeningRun, MalformedScriptIsRejectedBeforeTheGameStarts) {
    GameRun run = RunGameHeadless({"--max-ms", "100"}, "0 move 1 2\n10 wiggle\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.stderrText.find("script:2: unknown event 'wiggle'"), std::string::npos) << run.stderrText;
    EXPECT_TRUE(run.log.empty());
}

// A run starts at a scene's start: a number with no scene, or a frame scene
// whose start never ran, is refused and the message says where to start.
TEST(OpeningRun, StartsOnlyAtAScenesStart) {
    GameRun none = RunGameHeadless({"--max-ms", "150", "--scene", "200"});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_NE(none.stderrText.find("--scene wants a whole number in 0..64, not '200'"), std::string::npos)
        << none.stderrText;
    GameRun frame = RunGameHeadless({"--max-ms", "150", "--scene", "12", "--render"});
    EXPECT_EQ(frame.exitCode, 2);
    EXPECT_NE(frame.stderrText.find("--scene 12 is a frame scene, which runs only after its start; use --scene 11"),
              std::string::npos)
        << frame.stderrText;
}
