// The file that carries settings and progress between games: written and
// read back whole, merged so that nothing is lost, and refused whole when
// it is not one or is damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/progress_export.h"

namespace {

Progress Cleared(int stage, uint32_t ms, int story) {
    Progress p{};
    p.stages[stage - 1] = StageRecord{true, ms};
    p.storyStage = story;
    return p;
}

}  // namespace

TEST(ProgressExport, ReadsBackWhatItWrites) {
    Settings s;
    s.musicVolume = 40;
    std::memcpy(s.language, "en", 3);
    Progress p = Cleared(2, 7000, 3);
    p.stages[8] = StageRecord{true, 90000};
    Settings s2;
    Progress p2{};
    std::string why;
    // As written, and as a text editor on Windows saves it.
    std::string text = FormatExport(s, p);
    std::string crlf = "\xEF\xBB\xBF";
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& t : {text, crlf}) {
        ASSERT_TRUE(ParseExport(t, s2, p2, why)) << why;
        EXPECT_EQ(FormatSettings(s2), FormatSettings(s));
        EXPECT_EQ(FormatProgress(p2), FormatProgress(p));
    }
}

TEST(ProgressExport, MergingKeepsEveryBestTimeAndTheFurtherStory) {
    const std::string stored = "stage1 = 5000\nstage2 = 9000\nstory = 6\n";
    EXPECT_EQ(MergeExportedProgress(stored, Cleared(2, 7000, 3)), FormatProgress([] {
                  Progress p = Cleared(1, 5000, 6);
                  p.stages[1] = StageRecord{true, 7000};
                  return p;
              }()));
    EXPECT_EQ(MergeExportedProgress(stored, Cleared(2, 9500, 8)).find("stage2 = 9000\nstory = 8\n") !=
                  std::string::npos,
              true);
    EXPECT_EQ(MergeExportedProgress("", Cleared(4, 100, 0)), FormatProgress(Cleared(4, 100, 0)));
}

TEST(ProgressExport, ForeignOrDamagedFilesAreRefusedWhole) {
    const std::string good = FormatExport(Settings{}, Cleared(1, 5000, 1));
    // A line added after the whole export is named by its own number.
    const std::string after = "line " + std::to_string(std::count(good.begin(), good.end(), '\n') + 1);
    const struct {
        std::string text;
        std::string why;
    } cases[] = {
        {"", "not a Tolvane settings and progress file"},
        {"stage1 = 5000\n", "not a Tolvane settings and progress file"},
        {"\x89PNG\r\n\x1a\n\0\0", "not a Tolvane settings and progress file"},
        {good + "stage2 = soon\n", after + ": not 'stageN = best time in ms', line ignored"},
        {good.substr(0, good.find("[progress]")), "no [progress] section"},
        {good + "[settings]\n", after + ": [settings] a second time"},
        {std::string(kExportHeader) + "\nmuted = 1\n[settings]\n[progress]\n",
         "line 2: outside [settings] and [progress]"},
        {std::string(kExportHeader) + "\n[settings]\nmusic_volume = 300\n[progress]\n",
         "line 3: music_volume wants 0..100, line ignored"},
    };
    for (const auto& c : cases) {
        Settings s;
        s.musicVolume = 70;
        Progress p = Cleared(9, 1, 9);
        std::string why;
        EXPECT_FALSE(ParseExport(c.text, s, p, why)) << c.text;
        EXPECT_EQ(why, c.why) << c.text;
        EXPECT_EQ(s.musicVolume, 70) << "nothing taken from a refused file";
        EXPECT_EQ(p.storyStage, 9);
    }
}
