// The endings as a player sees them: the built game, headless.
#include <gtest/gtest.h>

#include "game_run.h"
#include "gfx/image.h"

TEST(EndingRun, MissingEndPictureEndsTheProgramWithItsMessage) {
    std::string data = DataWithout("img", "end1.png");
    GameRun run = RunGameHeadless({"--scene", "57", "--max-ms", "3000"}, "", data);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.stderrText.find("end1.png をテクスチャとして読み込めませんでした"), std::string::npos)
        << run.stderrText;
    // Only the missing picture is named, not the ones loaded after it.
    EXPECT_EQ(run.stderrText.find("end2.png"), std::string::npos) << run.stderrText;
    EXPECT_EQ(run.stderrText.find("end.logo.png"), std::string::npos) << run.stderrText;
    EXPECT_EQ(CountLines(run.log, "EndInit関数通過。"), 1);
    EXPECT_EQ(CountLines(run.log, "EndFrame関数通過"), 1);  // the program ends after that tick
}

TEST(EndingRun, ColumnRisesOnBlackAndEnterShowsTheLastPicture) {
    std::string dir = MakeTempDir("endshot");
    std::string column = dir + "/column.png", last = dir + "/last.png";
    GameRun run = RunGameHeadless({"--scene", "57", "--max-ms", "4000"},
                                  "2000 shot " + column + "\n2500 keydown enter\n2600 keyup enter\n3500 shot " +
                                      last + "\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(CountLines(run.log, "End2Init関数通過。"), 1);

    Image img;
    ASSERT_TRUE(DecodeImageFile(column.c_str(), img));
    int marginNotBlack = 0, columnNotBlack = 0;
    for (int y = 0; y < 480; y += 2) {
        for (int x : {0, 30, 63, 576, 600, 639}) marginNotBlack += (img.argb[size_t(y) * 640 + x] & 0xFFFFFF) != 0;
        for (int x = 64; x < 576; x += 8) columnNotBlack += (img.argb[size_t(y) * 640 + x] & 0xFFFFFF) != 0;
    }
    EXPECT_EQ(marginNotBlack, 0);
    EXPECT_GT(columnNotBlack, 240 * 64 / 4);

    ASSERT_TRUE(DecodeImageFile(last.c_str(), img));
    int lastNotBlack = 0;
    for (int y = 0; y < 480; y += 4)
        for (int x = 0; x < 640; x += 4) lastNotBlack += (img.argb[size_t(y) * 640 + x] & 0xFFFFFF) != 0;
    EXPECT_GT(lastNotBlack, 120 * 160 / 2);  // the whole screen is the picture
}
