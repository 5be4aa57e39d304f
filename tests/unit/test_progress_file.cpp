// The progress file: its reader, what a clear keeps, its XDG place, and the
// clear times the stage select shows.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/progress.h"
#include "base/platform.h"
#include "game_run.h"
#include "scenes/stage_select.h"
#include "temp_env.h"

TEST(ProgressFile, ReadsClearsAndBestTimes) {
    Progress p;
    std::string complaints;
    ASSERT_EQ(ParseProgress("# progress\nstage1 = 83456\nstage9=1200\n\n", "p.ini", p, complaints), 2);
    EXPECT_EQ(complaints, "");
    EXPECT_TRUE(p.stages[0].cleared);
    EXPECT_EQ(p.stages[0].bestMs, 83456u);
    EXPECT_TRUE(p.stages[8].cleared);
    EXPECT_FALSE(p.stages[4].cleared);
    Progress again;
    ParseProgress(FormatProgress(p), "p.ini", again, complaints);
    EXPECT_EQ(FormatProgress(again), FormatProgress(p));
    // Merging keeps every stage's best time from either side.
    Progress other;
    ParseProgress("stage1 = 90000\nstage2 = 5000\nstage9 = 1100\n", "q.ini", other, complaints);
    MergeProgress(p, other);
    EXPECT_EQ(FormatProgress(p), FormatProgress([] {
                  Progress want;
                  std::string c;
                  ParseProgress("stage1 = 83456\nstage2 = 5000\nstage9 = 1100\n", "w.ini", want, c);
                  return want;
              }()));
}

// Each damaged line costs its own stage's record alone; a byte-order mark or
// a section line costs nothing.
TEST(ProgressFile, DamagedLinesAreSkippedOneByOne) {
    struct Case {
        std::string first;
        bool complaint;
        std::string kept = "";  // what the line keeps beside the stages
    } cases[] = {
        {"\xEF\xBB\xBF# saved by an editor", false}, {"[progress]", false}, {"stage10 = 5", true},
        {"stage1 = -5", true}, {"stage0 = 5", true}, {"stage1 = 86400001", true}, {"stage1 100", true},
        {"stages = 1", true}, {"stage1 = 1e3", true}, {"stage1 =", true}, {"\x01\x02garbage", true},
        {"story = 10", true}, {"story = 4", false, "story = 4\n"},
    };
    std::string dir = MakeTempDir("progress_lines");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        std::string path = dir + "/progress.ini";
        std::ofstream(path, std::ios::binary) << c.first << "\nstage3 = 5000\nstage4 = 6000\n";
        SetProgressPath(path);
        LogCapture log;
        LoadProgress();
        EXPECT_EQ(StageProgress(3).bestMs, 5000u);
        EXPECT_EQ(StageProgress(4).bestMs, 6000u);
        EXPECT_FALSE(StageProgress(1).cleared);
        EXPECT_EQ(log.Text().find("progress: " + path + ":1: ") != std::string::npos, c.complaint) << log.Text();
        // The next clear keeps the good lines.
        NoteStageClear(1, 19000);
        EXPECT_EQ(ReadTextFile(path).substr(ReadTextFile(path).find('\n') + 1),
                  "stage1 = 19000\nstage3 = 5000\nstage4 = 6000\n" + c.kept);
    }
    SetProgressPath("");
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
    EXPECT_EQ(FilesIn(dir + "/tolvane"), 1);  // the lock is hidden, no temporary file left
    // A run that keeps no progress remembers nothing, not even in memory.
    SetProgressPath("");
    LoadProgress();
    NoteStageClear(2, 1000);
    EXPECT_FALSE(StageProgress(2).cleared);
}

// What another game, the player's dotfiles or a killed writer left behind.
TEST(ProgressFile, WritesMergeThroughLinksAndKeepDamageAside) {
    std::string dir = MakeTempDir("progress_write");
    std::string real = dir + "/dotfiles/progress.ini", path = dir + "/progress.ini";
    mkdir((dir + "/dotfiles").c_str(), 0755);
    std::ofstream(real) << "stage2 = 7000\n";
    ASSERT_EQ(symlink("dotfiles/progress.ini", path.c_str()), 0);
    std::ofstream(real + ".tmp.999999999") << "half";  // no such process runs
    std::string own = real + ".tmp." + std::to_string(getpid() + 1);
    SetProgressPath(path);
    LoadProgress();
    // Another game clears stage 5 and moves the story meanwhile.
    std::ofstream(real) << "stage2 = 7000\nstage5 = 4000\nstory = 6\n";
    NoteStageClear(1, 19000);
    struct stat st {};
    EXPECT_TRUE(lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << "the link stays";
    EXPECT_NE(ReadTextFile(real).find("stage1 = 19000\nstage2 = 7000\nstage5 = 4000\nstory = 6\n"), std::string::npos);
    EXPECT_EQ(StageProgress(5).bestMs, 4000u);  // the other game's clear shows here too
    // The story's place is the latest word: this run's once it moves it,
    // the other game's when that one moved it last.
    NoteStoryStage(2);
    EXPECT_NE(ReadTextFile(real).find("stage5 = 4000\nstory = 2\n"), std::string::npos) << ReadTextFile(real);
    std::ofstream(real) << "stage5 = 4000\nstory = 7\n";
    NoteStageClear(8, 9000);
    EXPECT_EQ(StoryStage(), 7);
    EXPECT_NE(ReadTextFile(real).find("stage8 = 9000\nstory = 7\n"), std::string::npos) << ReadTextFile(real);
    EXPECT_EQ(access((real + ".tmp.999999999").c_str(), F_OK), -1);
    // A file that is nothing but damage is kept aside, not lost.
    std::ofstream(real, std::ios::binary) << std::string(70000, 'x');
    NoteStageClear(1, 18000);
    EXPECT_EQ(ReadTextFile(real + ".damaged").size(), 70000u);
    EXPECT_NE(ReadTextFile(real).find("stage1 = 18000\n"), std::string::npos);
    std::ofstream(real, std::ios::binary) << "\x01\x02\x03\nstage42 = 1\n";
    NoteStageClear(1, 17000);
    EXPECT_EQ(ReadTextFile(real + ".damaged"), "\x01\x02\x03\nstage42 = 1\n");
    // A write that fails is logged and made again at the next clear, even a
    // slower one.
    ASSERT_EQ(unlink(path.c_str()), 0);
    mkdir(path.c_str(), 0755);
    {
        LogCapture log;
        NoteStageClear(6, 30000);
        EXPECT_NE(log.Text().find("progress: cannot write " + path + ": a directory, not a file"), std::string::npos)
            << log.Text();
    }
    rmdir(path.c_str());
    NoteStageClear(6, 31000);
    EXPECT_NE(ReadTextFile(path).find("stage6 = 30000\n"), std::string::npos);
    SetProgressPath("");
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
