// Stage 8 played start to end from a recorded input script.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_run.h"

namespace {

std::string ReadReplay(const char* name) {
    std::ifstream f(std::string(TOLVANE_TEST_DIR) + "/replays/" + name);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

TEST(Stage8Replay, WonWithTwoRedAndThreeBluePaints) {
    std::string script = ReadReplay("stage8_win.txt");
    ASSERT_FALSE(script.empty());
    GameRun run = RunGameHeadless({"--scene", "39", "--max-ms", "72000"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::string last;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == 40) last = l;
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.find("\"cleared\":1"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "next"), 53);  // the dialogue after stage 8
    EXPECT_NE(last.find("\"paints\":[0,0,0]"), std::string::npos) << last;
    EXPECT_NE(last.find("\"hero\":{\"x\":576,\"y\":256"), std::string::npos) << last;
    EXPECT_NE(last.find("\"partner\":{\"x\":544,\"y\":256"), std::string::npos) << last;
    EXPECT_EQ(TraceField(last, "lives"), 3);
    EXPECT_EQ(CountLines(run.log, "GameST8init関数通過"), 1);
}
