// Stage 4's events, driven directly with a fake clock: the flames, the plant,
// the block on the top shelf, the tub, the fire trap and the meeting.
#include <gtest/gtest.h>

#include "stage_test.h"

#include "base/platform.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage4 : public StageTest {
protected:
    Stage4() : StageTest(4) {}
    void SetUp() override {
        StageTest::SetUp();
        // Out of every site unless a test puts them there.
        Place(g_Hero, 0, 224, 0);
        Place(g_Partner, 608, 32, 1);
    }
    static bool IsFlame(ChipCode c) { return c >= 52 && c <= 54; }
    Faller& block = g_Fallers[4][0];
    Faller& tub = g_Fallers[4][1];
};

}  // namespace

TEST_F(Stage4, RedAtAFlameOnlyShowsItsPicturesAndIsSpent) {
    Place(g_Hero, 448, 224, 1);  // facing away: nothing
    g_HeroPaint = kPaintRed;
    Run(5);
    EXPECT_EQ(EventTicks(4, 1), 0);
    g_Hero.facing = 0;
    Run(30);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_EQ(g_HeroPose, 2);
    Run(1);  // counter 30 ends it
    EXPECT_EQ(g_HeroPaint, 0);
    EXPECT_EQ(g_Hero.halted, 0);
    EXPECT_EQ(Stage4Now().flame1State, 0);
    EXPECT_TRUE(IsFlame(MapCell(4, 7, 15)));
}

TEST_F(Stage4, GreenBlowsAFlameOutInTwoSteps) {
    Place(g_Hero, 448, 224, 0, kPaintGreen);
    Run(1);
    EXPECT_EQ(Stage4Now().flame1State, 1);  // the flicker stops at once
    Run(31);                      // counter 31: first step
    ExpectCells(4, {{7, 15, 55}, {8, 15, 71}});
    Run(14);  // 200 ms later: out
    ExpectCells(4, {{7, 15, 0}, {8, 15, 72}});
    EXPECT_EQ(Stage4Now().flame1State, 2);
    EXPECT_EQ(g_HeroPaint, 0);
    EXPECT_TRUE(IsFlame(MapCell(4, 7, 16)));  // the other flame burns on
}

TEST_F(Stage4, GreenFlameStepsLateStillFinishTheEvent) {
    // A blue spray elsewhere keeps renewing the shared step time; the steps
    // then come after the counter has stopped, and the walker must not be
    // left standing with his paint.
    Place(g_Hero, 448, 224, 0, kPaintGreen);
    for (int i = 0; i < 60; ++i) {
        Stage4Arrange([](Stage4Facts& s) { s.effectTime = g_Now; });
        Run(1);
    }
    EXPECT_EQ(EventTicks(4, 2), 50);
    EXPECT_EQ(g_HeroPaint, kPaintGreen);
    Run(30);
    EXPECT_EQ(Stage4Now().flame1State, 2);
    EXPECT_EQ(g_HeroPaint, 0);
}

TEST_F(Stage4, BlueByThePartnerWashesTheSecondFlameOutAtCounter40) {
    Place(g_Partner, 480, 224, 0, kPaintBlue);
    Run(40);
    EXPECT_TRUE(IsFlame(MapCell(4, 7, 16)));
    Run(1);
    ExpectCells(4, {{7, 16, 0}, {8, 16, 72}});
    EXPECT_EQ(Stage4Now().flame2State, 2);
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage4, PlantGrowsIntoABridgeUnlessThePartnerStandsOnIt) {
    Place(g_Partner, 160, 192, 0);  // on the small plant's top
    Run(1);
    ASSERT_EQ(Stage4Now().partnerNearPlant, 1);
    Place(g_Hero, 144, 224, 0, kPaintBlue);
    Run(10);
    EXPECT_EQ(EventTicks(4, 16), 0);
    EXPECT_EQ(g_HeroPaint, kPaintBlue);

    Place(g_Partner, 0, 160, 0);  // gone again
    Run(1);
    ASSERT_EQ(Stage4Now().partnerNearPlant, 0);
    Run(64);  // five steps 120 ms (8 frames) apart from counter 31
    EXPECT_EQ(Stage4Now().plantGrowth, 5);
    EXPECT_EQ(Stage4Now().plantDone, 1);
    EXPECT_EQ(g_HeroPaint, 0);
    ExpectCells(4, {{6, 5, 12}, {6, 6, 13}, {7, 5, 28}, {8, 6, 45}});
}

TEST_F(Stage4, RedOrGreenClearsTheSmallOrTheGrownPlant) {
    Place(g_Hero, 144, 224, 0, kPaintRed);
    Run(30);
    EXPECT_EQ(MapCell(4, 7, 5), 20);
    Run(1);  // counter 30
    ExpectCells(4, {{7, 5, 0}, {8, 5, 5}, {8, 6, 5}});
    Run(15);
    EXPECT_EQ(g_HeroPaint, 0);
    EXPECT_EQ(Stage4Now().plantDone, 1);

    // Grown: green clears it too, through the green counter it shares.
    StageInit(4);
    Stage4Arrange([](Stage4Facts& s) { s.plantGrowth = 5, s.plantDone = 1; });
    MapCell(4, 6, 5) = 12;
    MapCell(4, 6, 6) = 13;
    Place(g_Hero, 144, 224, 0, kPaintGreen);
    Run(32);
    ExpectCells(4, {{6, 5, 0}, {6, 6, 0}});
    Run(20);
    EXPECT_EQ(g_HeroPaint, 0);
    EXPECT_EQ(EventTicks(4, 18), 50);
}

TEST_F(Stage4, GreenShovesTheTopBlockDownToTheShortShelf) {
    Place(g_Partner, 290, 32, 1);  // one pixel early: nothing
    g_PartnerPaint = kPaintGreen;
    Run(3);
    EXPECT_EQ(EventTicks(4, 13), 0);
    g_Partner.x = 289;
    int frames = 0;
    while (Stage4Now().blockState == 0 && frames < 300) {
        Run(1, true);
        ++frames;
    }
    EXPECT_EQ(Stage4Now().blockState, 1);
    EXPECT_EQ(block.x, 222);  // pushed while at least 224
    EXPECT_EQ(block.y, 96);
    EXPECT_EQ(MapCell(4, 2, 8), 8);  // green leaves the shelf end alone
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage4, RedBurnsTheShelfEndUnderTheTopBlock) {
    Place(g_Partner, 289, 32, 1, kPaintRed);
    int frames = 0;
    while (Stage4Now().block1Frame < 4 && frames < 200) {
        Run(1, true);
        ++frames;
    }
    EXPECT_EQ(MapCell(4, 2, 8), 8);
    EXPECT_FLOAT_EQ(block.quad.v[0].v, 0.1875f);  // hottest picture
    Run(7, true);
    EXPECT_EQ(MapCell(4, 2, 8), 0);
    while (Stage4Now().blockState == 0 && frames < 400) {
        Run(1, true);
        ++frames;
    }
    EXPECT_EQ(block.x, 256);  // straight down
    EXPECT_EQ(block.y, 96);
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage4, GreenBlowsTheTubOntoBothFlames) {
    Place(g_Partner, 383, 160, 0, kPaintGreen);
    int frames = 0;
    while (Stage4Now().tankState == 0 && frames < 400) {
        Run(1, true);
        ++frames;
    }
    ExpectAt(tub, 482, 192);
    EXPECT_EQ(tub.quad.v[0].diffuse, 0x00FFFFFFu);
    for (int col : {15, 16}) {
        ExpectCells(4, {{7, col, 0}, {8, col, 72}});
    }
    EXPECT_EQ(Stage4Now().flame1State, 1);
    EXPECT_EQ(Stage4Now().flame2State, 1);
    EXPECT_EQ(g_PartnerPaint, 0);
}

TEST_F(Stage4, BurntTubLeavesAFireTrapThatCharsThePartner) {
    Place(g_Partner, 383, 160, 0, kPaintRed);
    Run(80);
    ASSERT_EQ(Stage4Now().tankBurnt, 1);
    EXPECT_EQ(tub.x, 416);  // burnt where it stood
    EXPECT_EQ(tub.quad.v[0].diffuse, 0x00FFFFFFu);
    EXPECT_TRUE(IsFlame(MapCell(4, 7, 15)));

    Place(g_Partner, 496, 192, 0);
    Run(1);
    EXPECT_EQ(Stage4Now().partnerCharred, 1);
    EXPECT_EQ(g_Partner.halted, 1);
    EXPECT_EQ(g_PartnerPaint, 4);  // no paint takes any more
    EXPECT_FLOAT_EQ(g_PartnerQuad.v[0].u, 0.625f);
    EXPECT_FLOAT_EQ(g_PartnerQuad.v[2].v, 0.0625f);
}

TEST_F(Stage4, BlocksTurnThePartnerAndTheHerosBoxNarrowsByThePlant) {
    Place(g_Partner, 288, 32, 1);
    Run(1);
    EXPECT_EQ(g_Partner.facing, 0);  // against the top block
    Place(g_Partner, 400, 160, 0);
    Run(1);
    EXPECT_EQ(g_Partner.facing, 1);  // 16 pixels into the tub
    Place(g_Hero, 127, 224, 0);
    Run(1);
    EXPECT_EQ(g_Partner.collisionMode, 0);
    g_Hero.x = 128;
    Run(1);
    EXPECT_EQ(g_Partner.collisionMode, 1);
}

TEST_F(Stage4, FirstToArriveWaitsAndTheSecondStopsBesideIt) {
    ExpectMeeting({g_Hero, 576, 224, 1, g_Partner, 544, 224, -1});
}

TEST_F(Stage4, ResetRewindsTheEventsAndTheInitTheMap) {
    Place(g_Partner, 383, 160, 0, kPaintRed);
    Run(80);
    ASSERT_EQ(Stage4Now().tankBurnt, 1);
    g_ScriptReset = 1;
    Run(1);
    g_ScriptReset = 0;
    EXPECT_EQ(Stage4Now().tankBurnt, 0);
    EXPECT_EQ(Stage4Now().tankState, 0);
    EXPECT_EQ(tub.quad.v[0].diffuse, 0xFFFFFFFFu);
    MapCell(4, 2, 8) = 0;
    MapCell(4, 6, 5) = 12;
    g_HeroArrived = 1;
    StageInit(4);
    ExpectCells(4, {{2, 8, 8}, {6, 5, 0}});
    EXPECT_EQ(g_HeroArrived, 0);
    EXPECT_EQ(tub.x, 416);
}
