// Stage 1's events, driven directly with a fake clock.
#include <gtest/gtest.h>

#include "stage_test.h"

#include "base/platform.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage1 : public StageTest {
protected:
    Stage1() : StageTest(1) {}
    void SetUp() override {
        StageTest::SetUp();
        g_Hero.y = 160;
        g_Hero.facing = 0;
        g_HeroPaint = kPaintRed;
    }
};

}  // namespace

TEST_F(Stage1, PostBurnsOnlyForARedHeroFacingRight) {
    g_Hero.x = 160;
    g_Hero.facing = 1;
    Run(30);
    EXPECT_EQ(EventTicks(1, 1), 0);
    EXPECT_EQ(MapCell(1, 4, 6), 19);
    g_Hero.facing = 0;
    Run(17);
    EXPECT_EQ(MapCell(1, 4, 6), 19);  // the post goes on frame 17
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_EQ(g_HeroPose, 2);
    Run(1);
    ExpectCells(1, {{4, 6, 0}, {5, 6, 0}, {6, 6, 2}});
    Run(33);  // frame 50 ends the event
    EXPECT_EQ(g_HeroPaint, 0);
    EXPECT_EQ(g_HeroPose, 0);
    EXPECT_EQ(g_Hero.halted, 0);
}

TEST_F(Stage1, BlockChars100MsApartAndLeavesAFloor) {
    g_Hero.x = 320;
    g_Hero.y = 192;
    Run(21);  // frame 20 takes the first step at once
    EXPECT_EQ(MapCell(1, 6, 11), 96);
    EXPECT_EQ(Stage1Now().blockFrame, 1);
    int frames = RunUntilSpent(g_HeroPaint, false, 60);
    ExpectCells(1, {{6, 11, 0}, {7, 11, 16}, {7, 12, 16}});
    // Four more steps of at least 100 ms at 15 ms frames: 7 frames each.
    EXPECT_EQ(frames, 28);
}

TEST_F(Stage1, FlameFlickersUntilPutOutEvenWithoutTheBlockDown) {
    g_HeroPaint = 0;
    g_Hero.x = 0;
    ChipCode seen[4];
    for (ChipCode& c : seen) {
        Run(17);  // 255 ms
        c = MapCell(1, 7, 16);
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_EQ(seen[0], seen[3]);
    // The red hero's fire takes the ledge and puts the flame out.
    g_HeroPaint = kPaintRed;
    g_Hero.x = 480;
    g_Hero.y = 224;
    g_Fallers[1][0].y = 128;  // still on its ledge: no steam
    Run(31);
    EXPECT_EQ(Stage1Now().ledgeGone, 1);
    for (int col = 15; col <= 19; ++col) EXPECT_EQ(MapCell(1, 5, col), 0);
    Run(55);
    EXPECT_EQ(Stage1Now().flameOut, 1);
    ExpectCells(1, {{7, 16, 0}, {8, 16, 2}});
    EXPECT_EQ(g_Fallers[1][0].quad.v[0].diffuse, 0x00FFFFFFu);  // hidden
    EXPECT_EQ(EventTicks(1, 3), 1);
    EXPECT_EQ(g_HeroPaint, 0);
    Run(34);  // two flicker steps later it is still out
    EXPECT_EQ(MapCell(1, 7, 16), 0);
}


TEST_F(Stage1, WinNeedsTheHeroRightAgainstThePartner) {
    g_HeroPaint = 0;
    g_Partner.x = 576;
    g_Hero.x = 543;
    Run(1);
    EXPECT_EQ(g_StageCleared, 0);
    g_Hero.x = 544;
    Run(1);
    EXPECT_EQ(g_StageCleared, 1);
    EXPECT_EQ(g_TimerPaused, 1);
    EXPECT_EQ(g_Hero.halted, 1);
}

TEST_F(Stage1, ScriptResetRewindsEverythingAndTheInitRestoresTheMap) {
    g_Hero.x = 160;
    Run(20);
    ASSERT_EQ(MapCell(1, 4, 6), 0);
    g_ScriptReset = 1;
    Run(1);
    g_ScriptReset = 0;
    EXPECT_EQ(EventTicks(1, 1), 1);  // rewound, then this frame's event ran
    StageInit(1);
    EXPECT_EQ(MapCell(1, 4, 6), 19);
    EXPECT_EQ(EventTicks(1, 1), 0);
}
