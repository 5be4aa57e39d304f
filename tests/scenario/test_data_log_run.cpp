// The data log (--data-log), from which the browser build learns which files
// each scene needs: every file a scene uses is named for that scene's start,
// even one taken again from memory, so a scene played first never lacks one.
#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

#include "game_run.h"

TEST(DataLog, NamesEachFileForEveryScenePlayingIt) {
    const std::string dir = MakeTempDir("data-log");
    const std::string log = dir + "/data.log";
    // Start-up, the opening skipped, the first talk, stage 1 and the talks
    // after it, into stage 2.
    GameRun run = RunGameHeadless({"--max-ms", "200000", "--data-log", log},
                                  ReadTextFile(std::string(TOLVANE_TEST_DIR) + "/replays/story_start.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::vector<std::string> lines = ReadLines(log);
    const std::set<std::string> unique(lines.begin(), lines.end());
    EXPECT_EQ(unique.size(), lines.size()) << "each scene's file once";
    // The text face before any scene; the talks' faces for each talk, the
    // second taking them from memory; stage 1's map for its start.
    for (const char* want : {"-1 fonts/mincho.ttf", "9 img/kao.png", "13 img/kao.png", "11 img/mapchip1.png"})
        EXPECT_EQ(unique.count(want), 1u) << want;
    std::set<int> scenes;
    for (const std::string& l : lines) {
        scenes.insert(std::stoi(l));
        struct stat st {};
        EXPECT_EQ(stat((std::string(TOLVANE_DATA_DIR) + "/" + l.substr(l.find(' ') + 1)).c_str(), &st), 0) << l;
    }
    // Every scene played, named by its start (a frame scene's files are its
    // start's): none of the title's, talks' or stages' frame scenes.
    for (int start : {-1, 0, 7, 9, 11, 13, 15, 49}) EXPECT_EQ(scenes.count(start), 1u) << start;
    for (int frame : {1, 8, 10, 12, 14, 16, 50}) EXPECT_EQ(scenes.count(frame), 0u) << frame;
}

TEST(DataLog, AnUnwritableLogEndsWithStatusTwo) {
    GameRun run = RunGameHeadless({"--max-ms", "100", "--data-log", "/nonexistent/folder/data.log"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.stderrText.find("cannot write the data log"), std::string::npos) << run.stderrText;
}
