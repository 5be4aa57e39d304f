// Stage 2 played start to end from its recorded winning line, checked
// through the trace and the log of the built game.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_run.h"

namespace {

std::string Stage2Replay() {
    std::ifstream f(std::string(TOLVANE_TEST_DIR) + "/replays/stage2_win.txt");
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

TEST(StageReplay, Stage2IsWonWithItsFourBluePaints) {
    const std::string script = Stage2Replay();
    ASSERT_FALSE(script.empty());
    GameRun run = RunGameHeadless({"--scene", "15", "--max-ms", "46000"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::string last;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == 16) last = l;
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.find("\"cleared\":1"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "next"), 17);  // on to the dialogue after stage 2
    EXPECT_NE(last.find("\"paints\":[0,0,0]"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "lives"), 3);
    EXPECT_EQ(CountLines(run.log, "GameST2init関数通過"), 1);
}
