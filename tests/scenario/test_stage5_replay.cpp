// Stage 5 played start to end from its recorded winning line (both blocks burnt
// down onto the flames, the right one blown on to the floor), checked through
// the trace and the log of the built game.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_run.h"

namespace {

std::string Stage5Replay() {
    std::ifstream f(std::string(TOLVANE_TEST_DIR) + "/replays/stage5_win.txt");
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

TEST(StageReplay, Stage5IsWonWithItsTwoRedsAndTwoGreens) {
    const std::string script = Stage5Replay();
    ASSERT_FALSE(script.empty());
    GameRun run = RunGameHeadless({"--scene", "27", "--max-ms", "81000"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::string last;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == 28) last = l;
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.find("\"cleared\":1"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "next"),
              29);  // on to the story scene after stage 5
    EXPECT_NE(last.find("\"paints\":[0,0,0]"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "lives"), 3);
    EXPECT_EQ(CountLines(run.log, "GameST5init関数通過"), 1);
}
