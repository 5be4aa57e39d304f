// What headless runs keep: the settings and progress files only when told
// (--config, --progress), read and written as a player's run would, with
// replays unchanged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game_run.h"

namespace {
bool Sh(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }
}  // namespace

TEST(KeptFiles, HeadlessRunsKeepNothingUnlessGivenFiles) {
    std::string home = MakeTempDir("home");
    std::string dir = MakeTempDir("kept");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    // A won stage 1, headless and untold: no file appears anywhere.
    std::string win = ReadTextFile(std::string(TOLVANE_TEST_DIR) + "/replays/stage1_win.txt");
    GameRun plain = RunGameHeadless({"--scene", "11", "--max-ms", "30000"}, win);
    ASSERT_EQ(plain.exitCode, 0) << plain.stderrText;
    EXPECT_NE(Sh("find " + home + " -type f | grep -q ."), true);

    // Told: the settings file is read (a damaged line is logged) and the
    // clear is kept with its time, the same run after run.
    std::string config = dir + "/settings.ini", progress = dir + "/progress.ini";
    Sh("printf 'music_volume = 30\\nnonsense\\n' >" + config);
    GameRun told = RunGameHeadless({"--scene", "11", "--max-ms", "30000", "--config", config, "--progress", progress},
                                   win);
    ASSERT_EQ(told.exitCode, 0) << told.stderrText;
    EXPECT_EQ(CountLines(told.log, config + ":2: not 'key = value', line ignored"), 1);
    std::string kept = ReadTextFile(progress);
    size_t at = kept.find("stage1 = ");
    ASSERT_NE(at, std::string::npos) << kept;
    long ms = std::atol(kept.c_str() + at + 9);
    EXPECT_GT(ms, 10000);  // the replay's last click is at 17 s
    EXPECT_LT(ms, 30000);
    EXPECT_EQ(ReadTextFile(config), "music_volume = 30\nnonsense\n");  // read, never rewritten untouched
    // The told run played exactly as the untold one.
    EXPECT_EQ(told.trace, plain.trace);

    // A damaged progress file: no progress, a log line, and the next clear
    // writes a sound file again.
    Sh("printf 'stage1 = fast\\n' >" + progress);
    GameRun damaged = RunGameHeadless({"--scene", "11", "--max-ms", "30000", "--progress", progress}, win);
    ASSERT_EQ(damaged.exitCode, 0) << damaged.stderrText;
    EXPECT_EQ(CountLines(damaged.log, "progress: " + progress + ":1: not 'stageN = best time in ms', no progress used"),
              1);
    EXPECT_EQ(ReadTextFile(progress), kept);
}
