// The progress file: its reader, what a clear keeps, its XDG place, and the
// clear times the stage select shows.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/progress.h"
#include "game_run.h"
#include "scenes/stage_select.h"
#include "temp_env.h"

TEST(ProgressFile, ReadsClearsAndBestTimes) {
    Progress p;
    std::string why;
    ASSERT_TRUE(ParseProgress("# progress\nstage1 = 83456\nstage9=1200\n\n", "p.ini", p, why));
    EXPECT_TRUE(p.stages[0].cleared);
    EXPECT_EQ(p.stages[0].bestMs, 83456u);
    EXPECT_TRUE(p.stages[8].cleared);
    EXPECT_FALSE(p.stages[4].cleared);
    Progress again;
    ASSERT_TRUE(ParseProgress(FormatProgress(p), "p.ini", again, why));
    EXPECT_EQ(FormatProgress(again), FormatProgress(p));
}

TEST(ProgressFile, AnyDamagedLineMeansNoProgress) {
    for (const char* text : {"stage1 = 100\nstage10 = 5\n", "stage0 = 5\n", "stage1 = -3\n", "stage1 = 86400001\n",
                             "stage1 100\n", "stages = 1\n", "stage1 = 1e3\n", "stage1 =\n"}) {
        Progress p;
        std::string why;
        EXPECT_FALSE(ParseProgress(text, "p.ini", p, why)) << text;
        EXPECT_FALSE(p.stages[0].cleared) << text;
        EXPECT_EQ(why.rfind("p.ini:", 0), 0u) << why;
    }
}

TEST(ProgressFile, KeepsTheFirstClearAndOnlyBetterTimes) {
    std::string dir = MakeTempDir("progress");
    std::string path = dir + "/tolvane/progress.ini";
    SetProgressPath(path);
    LoadProgress();
    EXPECT_FALSE(StageProgress(3).cleared);
    NoteStageClear(3, 50000);
    NoteStageClear(3, 60000);  // slower: the best stays
    NoteStageClear(7, 20000);
    NoteStageClear(7, 10000);  // faster: the best improves
    NoteStageClear(10, 1);     // no such stage
    EXPECT_EQ(ReadTextFile(path).find("stage3 = 50000\n") != std::string::npos, true);
    LoadProgress();
    EXPECT_EQ(StageProgress(3).bestMs, 50000u);
    EXPECT_EQ(StageProgress(7).bestMs, 10000u);
    EXPECT_FALSE(StageProgress(1).cleared);
    EXPECT_EQ(FilesIn(dir + "/tolvane"), 1);
    // A damaged file counts as none.
    std::ofstream(path, std::ios::binary) << "stage3 = 50000\n\x01\x02garbage\n";
    LoadProgress();
    EXPECT_FALSE(StageProgress(3).cleared);
    // A run that keeps no progress remembers nothing, not even in memory.
    SetProgressPath("");
    LoadProgress();
    NoteStageClear(2, 1000);
    EXPECT_FALSE(StageProgress(2).cleared);
}

TEST(StageSelectClearMark, TimesReadAsMinutesSecondsTenths) {
    char buf[16];
    FormatClearTime(0, buf);
    EXPECT_STREQ(buf, "0:00.0");
    FormatClearTime(83456, buf);
    EXPECT_STREQ(buf, "1:23.4");
    FormatClearTime(605400, buf);
    EXPECT_STREQ(buf, "10:05.4");
    FormatClearTime(kMaxClearMs, buf);
    EXPECT_STREQ(buf, "99:59.9");
}


TEST(ProgressFile, KeptInTheXdgDataFolder) {
    EnvGuard data("XDG_DATA_HOME"), home("HOME");
    setenv("HOME", "/home/player", 1);
    setenv("XDG_DATA_HOME", "/dat", 1);
    EXPECT_EQ(DefaultProgressPath(), "/dat/tolvane/progress.ini");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DefaultProgressPath(), "/home/player/.local/share/tolvane/progress.ini");
}
