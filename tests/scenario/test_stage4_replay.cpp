// Stage 4 played start to end from its recorded winning line (the plant grown
// into a bridge, the tub blown onto the flames), checked through the trace and
// the log of the built game.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_run.h"

namespace {

std::string Stage4Replay() {
    std::ifstream f(std::string(TOLVANE_TEST_DIR) + "/replays/stage4_win.txt");
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

TEST(StageReplay, Stage4IsWonByTheBridgeCourse) {
    const std::string script = Stage4Replay();
    ASSERT_FALSE(script.empty());
    GameRun run = RunGameHeadless({"--scene", "23", "--max-ms", "57000"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::string last;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == 24) last = l;
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.find("\"cleared\":1"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "next"),
              41);  // on to the story scene after stage 4
    EXPECT_NE(last.find("\"paints\":[0,0,0]"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "lives"), 3);
    EXPECT_EQ(CountLines(run.log, "GameST4init関数通過"), 1);
}
