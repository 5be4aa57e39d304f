// Recorded input scripts that play stages start to end, checked through the
// trace and the log of the built game.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_run.h"

namespace {

std::string Replay(const char* name) {
    std::ifstream f(std::string(TOLVANE_TEST_DIR) + "/replays/" + name);
    std::stringstream ss;
    ss << f.rdbuf();
    EXPECT_FALSE(ss.str().empty()) << name;
    return ss.str();
}

// The last trace line of scene `scene`, or "".
std::string LastLineOf(const GameRun& run, int scene) {
    std::string last;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == scene) last = l;
    return last;
}

}  // namespace

TEST(StageReplay, Stage1ResetButtonCostsALifeAndRestarts) {
    GameRun run = RunGameHeadless({"--scene", "11", "--max-ms", "6000"}, Replay("stage1_reset.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(CountLines(run.log, "GameST1init関数通過"), 2);
    EXPECT_EQ(TraceField(run.trace.back(), "lives"), 2);
}

TEST(StageReplay, Stage1TimeOutCostsOneLife) {
    GameRun run = RunGameHeadless({"--scene", "11", "--max-ms", "63000"}, Replay("stage1_timeout.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(CountLines(run.log, "GameST1init関数通過"), 2);
    EXPECT_EQ(TraceField(run.trace.back(), "lives"), 2);
    // The strip ran out between 59 and 62 s: the banner, then 3840 running ticks.
    long long restartAt = -1;
    for (const std::string& l : run.trace)
        if (restartAt < 0 && TraceField(l, "t") > 100 && TraceField(l, "scene") == 11) restartAt = TraceField(l, "t");
    EXPECT_GT(restartAt, 59000);
    EXPECT_LT(restartAt, 62000);
}

TEST(StageReplay, Stage1ThreeResetsReachGameOver) {
    GameRun run = RunGameHeadless({"--scene", "11", "--max-ms", "10000"}, Replay("stage1_gameover.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(CountLines(run.log, "GameST1init関数通過"), 3);
    EXPECT_EQ(CountLines(run.log, "Gameoverinit関数通過"), 1);
    std::string last = LastLineOf(run, 12);
    EXPECT_EQ(TraceField(last, "lives"), 0);
    EXPECT_EQ(TraceField(last, "next"), 47);
}

TEST(FrontEndReplay, TitleMenuHelpStageSelectLaunchesStage4) {
    GameRun run = RunGameHeadless({"--scene", "7", "--max-ms", "8000"}, Replay("menus.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::vector<std::string> inits;
    for (const std::string& l : run.log)
        if (l.find("nit関数通過") != std::string::npos) inits.push_back(l);
    std::vector<std::string> expected = {"Startinit関数通過。", "Selectinit関数通過", "HelpInit関数通過。",
                                         "Startinit関数通過。", "Selectinit関数通過", "Optioninit関数通過",
                                         "GameST4init関数通過"};
    EXPECT_EQ(inits, expected);
}

TEST(FrontEndReplay, GameOverSpaceReturnsToTheTitle) {
    GameRun run = RunGameHeadless({"--scene", "47", "--max-ms", "1500"}, Replay("game_over.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(CountLines(run.log, "Startinit関数通過。"), 1);
    EXPECT_EQ(TraceField(run.trace.back(), "scene"), 8);
    EXPECT_EQ(TraceField(run.trace.back(), "lives"), 3);
}

TEST(TalkReplay, EveryDialogueRacesToItsNextScene) {
    struct Hop {
        int scene;
        const char* nextInit;
    } hops[] = {{9, "GameST1init関数通過"},  {13, "Talk01Init関数通過。"}, {49, "GameST2init関数通過"},
                {17, "GameST3init関数通過"}, {21, "GameST4init関数通過"}, {41, "GameST9init関数通過"},
                {25, "Talk02Init関数通過。"}, {51, "GameST5init関数通過"}, {29, "GameST7init関数通過"},
                {33, "GameST6init関数通過"}, {37, "GameST8init関数通過"}, {53, "Talk03Init関数通過。"},
                {55, "EndInit関数通過。"}};
    for (const Hop& h : hops) {
        // Space held for 1.2 s races up to 80 lines, one a tick.
        GameRun run = RunGameHeadless({"--scene", std::to_string(h.scene), "--max-ms", "2000"},
                                      "0 keydown space\n1200 keyup space\n");
        EXPECT_EQ(run.exitCode, 0) << h.scene << ": " << run.stderrText;
        EXPECT_EQ(CountLines(run.log, h.nextInit), 1) << "from scene " << h.scene;
    }
}
