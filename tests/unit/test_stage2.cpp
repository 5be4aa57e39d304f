// Stage 2's events and walker rules, driven directly with a fake clock.
#include <gtest/gtest.h>

#include "stage_test.h"

#include "base/platform.h"
#include "stage/brush.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage2 : public StageTest {
protected:
    Stage2() : StageTest(2) {}
    void SetUp() override {
        StageTest::SetUp();
        // Walkers parked where no rule or event touches them.
        Place(g_Hero, 0, 64, g_Hero.facing);
        Place(g_Partner, 0, 128, g_Partner.facing);
    }
    Faller& Block() { return g_Fallers[2][0]; }
};

}  // namespace

TEST_F(Stage2, TopBlockGoesOnlyForABlueHeroFacingRightAtX160) {
    g_Hero.x = 160;
    g_HeroPaint = kPaintRed;
    Run(20);
    EXPECT_EQ(EventTicks(2, 1), 0);
    g_HeroPaint = kPaintBlue;
    g_Hero.facing = 1;
    Run(20);
    EXPECT_EQ(EventTicks(2, 1), 0);
    g_Hero.facing = 0;
    Run(15);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_EQ(g_HeroPose, 2);
    EXPECT_EQ(MapCell(2, 2, 6), 48);
    Run(1);  // counter 15: the first step shows the first picture again
    EXPECT_EQ(Stage2Now().topFrame, 1);
    int frames = RunUntilSpent(g_HeroPaint, false, 100);
    // Four more steps of at least 150 ms at 15 ms frames.
    EXPECT_EQ(frames, 40);
    ExpectCells(2, {{2, 6, 0}, {2, 7, 0}, {3, 6, 2}, {3, 7, 2}});
    EXPECT_EQ(g_Hero.halted, 0);
    EXPECT_EQ(g_HeroPose, 0);
}

TEST_F(Stage2, PlantGrowsInFiveStepsAndOnlyOnce) {
    g_Partner.x = 272;
    g_Partner.y = 128;  // still above the middle shelf: no watering
    g_PartnerPaint = kPaintBlue;
    Run(5);
    EXPECT_EQ(EventTicks(2, 2), 0);
    g_Partner.y = 192;
    while (g_PartnerPaint == kPaintBlue && EventTicks(2, 2) < 70) Run(1);
    EXPECT_EQ(Stage2Now().plantFrame, 5);
    ExpectCells(2, {{5, 9, 8}, {5, 10, 9}, {7, 9, 40}});
    EXPECT_EQ(g_Partner.halted, 0);
    const int count = EventTicks(2, 2);
    g_PartnerPaint = kPaintBlue;
    Run(10);
    EXPECT_EQ(EventTicks(2, 2), count);
    EXPECT_EQ(g_PartnerPaint, kPaintBlue);
}

TEST_F(Stage2, HeroLandingOnTheBarePlantIsCaughtAndStopsTheWatering) {
    g_Hero.x = 290;
    g_Hero.y = 100;  // dropping from the top shelf
    Run(1);
    EXPECT_EQ(Stage2Now().heroDropped, 1);
    g_Hero.y = 160;
    Run(1);
    EXPECT_EQ(Stage2Now().heroCaught, 1);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[0].v, 0.625f);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[2].v, 0.6875f);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[1].u, g_HeroColumnU + 0.125f);
    g_Partner.x = 272;
    g_Partner.y = 192;
    g_PartnerPaint = kPaintBlue;
    Run(30);
    EXPECT_EQ(EventTicks(2, 2), 0);
    EXPECT_EQ(MapCell(2, 5, 9), 0);
}

TEST_F(Stage2, FlickerStopsAtOnceAndTheBlockGoesAtCounter35) {
    Place(g_Partner, 192, 192, 1, kPaintBlue);
    Run(1);
    EXPECT_EQ(Stage2Now().flickerOut, 1);
    const ChipCode shown = MapCell(2, 6, 5);
    Run(34);  // counters 1..34, 510 ms: the flicker would have stepped twice
    EXPECT_EQ(MapCell(2, 6, 5), shown);
    EXPECT_EQ(g_PartnerPaint, kPaintBlue);
    Run(1);
    ExpectCells(2, {{6, 5, 0}, {7, 5, 30}});
    EXPECT_EQ(g_PartnerPaint, 0);
    EXPECT_EQ(g_Partner.halted, 0);
}

TEST_F(Stage2, BlockIsWashedTo482AndTheHeroWaitsForTheSplash) {
    g_Hero.x = 415;
    g_Hero.y = 192;
    g_HeroPaint = kPaintBlue;
    float last = Block().x;
    bool steps2 = true;
    int frames = 0;
    while (Block().y + 32 != 288 && frames < 200) {
        Run(1, true);
        steps2 &= Block().x == last || Block().x == last + 2;
        last = Block().x;
        ++frames;
    }
    EXPECT_TRUE(steps2);
    ExpectAt(Block(), 482, 256);
    EXPECT_EQ(g_HeroPaint, kPaintBlue);
    EXPECT_EQ(g_Hero.halted, 1);
    Run(10, true);  // splash counts 1..10 hold him
    EXPECT_EQ(g_HeroPaint, kPaintBlue);
    Run(1, true);
    EXPECT_EQ(g_HeroPaint, 0);
    EXPECT_EQ(g_Hero.halted, 0);
}

TEST_F(Stage2, BlockTurnsWalkersComingFromTheLeftAndCarriesTheHero) {
    g_Hero.x = 416;
    g_Hero.y = 192;
    g_Partner.x = 416;
    g_Partner.y = 192;
    Run(1);
    EXPECT_EQ(g_Hero.facing, 1);
    EXPECT_EQ(g_Partner.facing, 1);
    // The hero over the fallen block, its top within 16 pixels below his.
    Block().x = 482;
    Block().y = 256;
    g_Hero.x = 500;
    g_Hero.y = 240;
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 1);
    g_Hero.y = 239;
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 0);
    g_Hero.y = 240;
    g_Hero.x = 515;  // past its right edge
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 0);
}

TEST_F(Stage2, PartnerFirstWaitsAndTheHeroStopsBesideHer) {
    ExpectMeeting({g_Partner, 544, 256, 1, g_Hero, 576, 256, -1});
}

TEST_F(Stage2, HeroFirstIsTurnedRightByTheArrivingPartner) {
    ExpectMeeting({g_Hero, 576, 256, 1, g_Partner, 544, 256, 0});
}

TEST_F(Stage2, ResetRewindsTheEventsButNotTheArrivals) {
    g_Hero.x = 160;
    g_HeroPaint = kPaintBlue;
    Run(30);
    ASSERT_EQ(MapCell(2, 2, 6), 50);
    g_Hero.x = 576;
    g_Hero.y = 256;
    Run(1);
    ASSERT_EQ(g_HeroArrived, 1);
    g_ScriptReset = 1;
    g_Hero.x = 0;
    Run(1);
    g_ScriptReset = 0;
    EXPECT_EQ(EventTicks(2, 1), 0);
    EXPECT_EQ(Stage2Now().topFrame, 0);
    EXPECT_EQ(g_HeroArrived, 1);
    StageInit(2);
    EXPECT_EQ(g_HeroArrived, 0);
    EXPECT_EQ(MapCell(2, 2, 6), 48);
    EXPECT_EQ(Block().x, 448);
}
