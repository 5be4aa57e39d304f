// Saves that fail: told on screen, tried again by the loop every two
// seconds until the file is free, tried once more at the end, and a run
// that ends with them still failing says so.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "app/progress.h"
#include "app/save_status.h"
#include "app/settings.h"
#include "game_run.h"

namespace {

struct BlockedSave {
    const char* name;
    void (*setPath)(const std::string&);
    void (*save)();  // one change the player makes
    const char* kept;  // what the file holds once written (its start)
};
const BlockedSave kBlocked[] = {
    {"progress", SetProgressPath,
     [] {
         static uint32_t faster = 42000;
         NoteStageClear(3, --faster);
     },
     "stage3 = 4199"},
    {"settings", SetSettingsPath,
     [] {
         g_Settings.musicVolume = 20;
         SaveSettings(kSettingMusicVolume);
     },
     "music_volume = 20\n"},
};

class SaveStatus : public testing::TestWithParam<BlockedSave> {};

}  // namespace

TEST_P(SaveStatus, AFolderInTheFilesPlaceIsToldAndRetriedUntilFree) {
    const BlockedSave& b = GetParam();
    const std::string path = MakeTempDir("blocked") + "/" + b.name + ".ini";
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    b.setPath(path);
    g_Settings = Settings{};
    b.save();
    EXPECT_NE(SaveNoteText().find(": a directory, not a file"), std::string::npos) << SaveNoteText();
    // The first failure starts the wait; nothing is tried before two seconds.
    RetryFailedSaves(50000);
    ASSERT_EQ(rmdir(path.c_str()), 0);
    RetryFailedSaves(51999);
    EXPECT_NE(SaveNoteText(), "");
    EXPECT_EQ(ReadTextFile(path), "");
    RetryFailedSaves(52000);
    EXPECT_EQ(SaveNoteText(), "");
    EXPECT_NE(ReadTextFile(path).find(b.kept), std::string::npos) << ReadTextFile(path);
    EXPECT_TRUE(FinishSaves());
    // Blocked again to the end: the last try fails, and the run says so.
    ASSERT_EQ(unlink(path.c_str()), 0);
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    b.save();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(FinishSaves());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string("tolvane: ") + b.name + " could not be saved to " + path + ": a directory, not a file\n");
    // Freed before the end: the last try writes it.
    ASSERT_EQ(rmdir(path.c_str()), 0);
    EXPECT_TRUE(FinishSaves());
    EXPECT_NE(ReadTextFile(path).find(b.kept), std::string::npos);
    b.setPath("");
    g_Settings = Settings{};
}

INSTANTIATE_TEST_SUITE_P(Kinds, SaveStatus, testing::ValuesIn(kBlocked),
                         [](const testing::TestParamInfo<BlockedSave>& i) { return std::string(i.param.name); });
