// Headless runs draw only the frames a shot saves: what the shot shows must be
// exactly what a run drawing every frame shows on that tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "game_run.h"
#include "../unit/test_assetgen_readers.h"

namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// Plays the start of stage 2's winning line with shots along the way (after
// the banner, with paint on a walker, mid-play, with a cell changed), and
// returns the bytes of each shot; `dirOut` gets the folder they are in.
std::vector<std::string> ShotsOfStage2(bool everyFrame, std::string* dirOut = nullptr) {
    std::string dir = MakeTempDir(everyFrame ? "render" : "skip");
    if (dirOut) *dirOut = dir;
    const int times[] = {900, 2600, 4100, 6000};
    std::string script = "0 shot " + dir + "/0.png\n" +                  //
                         "900 shot " + dir + "/900.png\n" +              //
                         "2000 click 224 416\n2500 click 37 96\n" +     //
                         "2600 shot " + dir + "/2600.png\n" +            //
                         "3500 click 224 416\n4000 click 87 160\n" +    //
                         "4100 shot " + dir + "/4100.png\n" +            //
                         "6000 shot " + dir + "/6000.png\n";
    std::vector<std::string> args = {"--scene", "15", "--max-ms", "6100"};
    if (everyFrame) args.push_back("--render");
    GameRun run = RunGameHeadless(args, script);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    std::vector<std::string> shots = {FileBytes(dir + "/0.png")};
    for (int t : times) shots.push_back(FileBytes(dir + "/" + std::to_string(t) + ".png"));
    return shots;
}

}  // namespace

TEST(HeadlessFrames, ShotOfASkippedRunEqualsTheShotOfAFullyDrawnRun) {
    std::string dir;
    std::vector<std::string> skipped = ShotsOfStage2(false);
    std::vector<std::string> drawn = ShotsOfStage2(true, &dir);
    ASSERT_EQ(skipped.size(), drawn.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_FALSE(drawn[i].empty()) << "shot " << i;
        EXPECT_TRUE(skipped[i] == drawn[i]) << "shot " << i << " differs";
    }
    // Equal is not enough: both runs must show the stage, and it must move.
    // The banner hides the grid at first; mid-play the chips, walkers and
    // panel give a picture of many colours, and each later shot differs.
    assetcheck::Image mid = assetcheck::readPng(dir + "/2600.png");
    ASSERT_TRUE(mid.ok());
    EXPECT_EQ(mid.w, 640);
    std::vector<uint32_t> colours(mid.argb);
    std::sort(colours.begin(), colours.end());
    EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 64);
    for (size_t i = 2; i < drawn.size(); ++i) EXPECT_NE(drawn[i], drawn[i - 1]) << "shot " << i << " as the one before";
}
