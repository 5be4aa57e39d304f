// Stage 7 played to its clear by a recorded line of play.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_run.h"

namespace {

std::string Stage7Replay() {
    std::ifstream f(std::string(TOLVANE_TEST_DIR) + "/replays/stage7_win.txt");
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

TEST(StageReplay, Stage7IsWonWithAllItsPaints) {
    const std::string script = Stage7Replay();
    ASSERT_FALSE(script.empty());
    GameRun run = RunGameHeadless({"--scene", "35", "--max-ms", "66000"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::string last;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == 36) last = l;
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.find("\"cleared\":1"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "next"), 33);
    EXPECT_NE(last.find("\"paints\":[0,0,0]"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "lives"), 3);
    EXPECT_EQ(CountLines(run.log, "GameST7init関数通過"), 1);
    EXPECT_EQ(CountLines(run.log, "Talk6Init関数通過。"), 1);
}
