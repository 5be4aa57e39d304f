// Stage 6 played to its clear by a recorded line of play.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_run.h"

namespace {

std::string Stage6Replay() {
    std::ifstream f(std::string(TOLVANE_TEST_DIR) + "/replays/stage6_win.txt");
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

TEST(StageReplay, Stage6IsWonWithAllItsPaints) {
    const std::string script = Stage6Replay();
    ASSERT_FALSE(script.empty());
    GameRun run = RunGameHeadless({"--scene", "31", "--max-ms", "56000"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::string last;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == 32) last = l;
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.find("\"cleared\":1"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "next"), 37);
    EXPECT_NE(last.find("\"paints\":[0,0,0]"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "lives"), 3);
    EXPECT_EQ(CountLines(run.log, "GameST6init関数通過"), 1);
    EXPECT_EQ(CountLines(run.log, "Talk7Init関数通過。"), 1);
}
