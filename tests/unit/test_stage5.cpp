// Stage 5's events, driven directly with a fake clock: blocks burnt down onto
// the flames, blown along the shelves, glowing once they are down, and the
// trap on the left side.
#include <gtest/gtest.h>

#include "stage_test.h"

#include "base/platform.h"
#include "stage/effects.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage5 : public StageTest {
protected:
    Stage5() : StageTest(5) {}
    void SetUp() override {
        StageTest::SetUp();
        Place(g_Hero, 0, 0, 0);
        Place(g_Partner, 320, 128, 1);
    }
    static bool IsFlame(ChipCode c) { return c >= 52 && c <= 54; }
    Faller& f1 = g_Fallers[5][0];
    Faller& f2 = g_Fallers[5][1];
};

}  // namespace

TEST_F(Stage5, RedAtTheBurningLeftFlameIsSpentAndCanRunAgain) {
    Place(g_Partner, 224, 128, 1, kPaintRed);
    Run(30);
    EXPECT_EQ(g_Partner.halted, 1);
    Run(1);  // counter 30
    EXPECT_EQ(g_PartnerPaint, 0);
    EXPECT_EQ(EventTicks(5, 1), 1);  // back to 0, then counted
    EXPECT_EQ(Stage5Now().flame1State, 0);
    EXPECT_TRUE(IsFlame(MapCell(5, 4, 6)));
    g_PartnerPaint = kPaintRed;
    Run(1);
    EXPECT_EQ(g_Partner.halted, 1);
    EXPECT_EQ(EventTicks(5, 1), 2);
}

TEST_F(Stage5, RedBurnsTheTopRightShelfAndItsBlockPutsTheRightFlameOut) {
    Place(g_Partner, 384, 128, 0, kPaintRed);
    Run(30, true);
    EXPECT_EQ(MapCell(5, 2, 13), 8);
    Run(1, true);
    for (int col : {13, 14, 15}) EXPECT_EQ(MapCell(5, 2, col), 0);
    RunUntilSpent(g_PartnerPaint, true);
    EXPECT_EQ(Stage5Now().faller2State, 1);
    EXPECT_EQ(Stage5Now().flame2State, 1);
    ExpectCells(5, {{4, 13, 0}, {5, 13, 72}});
    EXPECT_EQ(f2.x, 416);
    EXPECT_EQ(f2.y, 128);  // on the flame's base
}

TEST_F(Stage5, HerosRedDropsTheTopLeftBlockOntoTheLeftFlame) {
    Place(g_Hero, 159, 0, 0, kPaintRed);
    Run(20, true);
    int frames = 0;
    while (Stage5Now().faller1Frame < 4 && frames < 100) {
        Run(1, true);
        ++frames;
    }
    EXPECT_EQ(MapCell(5, 1, 6), 0);  // glow step 3 burns the shelf end
    RunUntilSpent(g_HeroPaint, true);
    ExpectCells(5, {{4, 6, 0}, {5, 6, 72}});
    EXPECT_EQ(Stage5Now().faller1State, 1);
    EXPECT_EQ(Stage5Now().faller1Dropped, 1);
    EXPECT_EQ(Stage5Now().flame1State, 1);
    EXPECT_EQ(Stage5Now().heroStopLow, 1);
    EXPECT_EQ(Stage5Now().faller1Frame, 0);
    Run(20, true);
    ExpectAt(f1, 192, 128);
}

TEST_F(Stage5, RedOnABlockAlreadyDownOnlyMakesItGlow) {
    Stage5Arrange([](Stage5Facts& s) { s.faller2State = 1; });
    MapCell(5, 4, 13) = 0;
    f2.x = 416;
    f2.y = 128;
    Place(g_Partner, 383, 128, 0, kPaintRed);
    Run(22);
    // The partner's red here draws its big picture on her, not beside her.
    EXPECT_FLOAT_EQ(g_BigEffectQuad.v[0].x, 383 - 80);
    const int frames = RunUntilSpent(g_PartnerPaint, true);
    EXPECT_GT(frames, 40);  // seven glow steps of 150 ms after counter 30
    ExpectAt(f2, 416, 128);
    EXPECT_EQ(Stage5Now().faller2Frame, 0);
    EXPECT_FLOAT_EQ(f2.quad.v[0].v, 0.0f);
    EXPECT_EQ(Stage5Now().faller2State, 1);
}

TEST_F(Stage5, GreenBlowsTheRightBlockOntoThePlantThenDownToTheFloor) {
    Stage5Arrange([](Stage5Facts& s) { s.faller2State = 1; });
    MapCell(5, 4, 13) = 0;
    f2.x = 416;
    f2.y = 128;
    Place(g_Partner, 383, 128, 0, kPaintGreen);
    RunUntilSpent(g_PartnerPaint, true);
    EXPECT_EQ(Stage5Now().faller2State, 2);
    ExpectAt(f2, 450, 192);

    Place(g_Partner, 483, 192, 1, kPaintGreen);
    RunUntilSpent(g_PartnerPaint, true);
    EXPECT_EQ(Stage5Now().faller2State, 3);
    ExpectAt(f2, 414, 256);
}

TEST_F(Stage5, PartnersGreenOnThePlantStartsWhereHerGreenAtTheBaseStopped) {
    SetEventTicks(5, 7, 70);  // spent at the left flame's base
    Stage5Arrange([](Stage5Facts& s) { s.faller2State = 2; });
    f2.x = 450;
    f2.y = 192;
    Place(g_Partner, 483, 192, 1, kPaintGreen);
    Run(1);
    EXPECT_EQ(f2.x, 448);  // pushes at once
    EXPECT_EQ(EventTicks(5, 7), 70);
}

TEST_F(Stage5, GreenAtAFlameNoLongerStartsOnceABlockHasPutItOut) {
    Stage5Arrange([](Stage5Facts& s) { s.faller1Dropped = 1, s.flame1State = 1; });
    Place(g_Partner, 224, 128, 1, kPaintGreen);
    Run(5);
    EXPECT_EQ(EventTicks(5, 3), 0);
    EXPECT_EQ(g_PartnerPaint, kPaintGreen);

    Stage5Arrange([](Stage5Facts& s) { s.faller2State = 1; });
    Place(g_Partner, 384, 128, 0);
    Run(5);
    EXPECT_EQ(EventTicks(5, 4), 0);
}

TEST_F(Stage5, PartnersGreenBlowsTheLeftFlameOutAndSetsTheTrap) {
    Place(g_Partner, 224, 128, 1, kPaintGreen);
    RunUntilSpent(g_PartnerPaint, false);
    EXPECT_EQ(Stage5Now().flame1State, 2);
    EXPECT_EQ(Stage5Now().partnerStopLow, 1);
    ExpectCells(5, {{4, 6, 0}, {5, 6, 72}});
    // Wherever she now comes down to the floor, she sits and stays.
    Place(g_Partner, 400, 256, 0);
    Run(1);
    EXPECT_EQ(g_Partner.halted, 1);
    EXPECT_FLOAT_EQ(g_PartnerQuad.v[0].v, 0.625f);
}

TEST_F(Stage5, TheHeroIsStoppedLowOnlyAfterComingDownLeftOfTheFlame) {
    Stage5Arrange([](Stage5Facts& s) { s.heroStopLow = 1; });
    Place(g_Hero, 300, 256, 1);
    Run(1);
    EXPECT_EQ(g_Hero.halted, 0);
    Place(g_Hero, 150, 170, 1);  // passing row 5 left of the flame
    Run(1);
    EXPECT_EQ(Stage5Now().heroFellLeft, 1);
    Place(g_Hero, 150, 256, 1);
    Run(1);
    EXPECT_EQ(g_Hero.halted, 1);
    EXPECT_FLOAT_EQ(g_HeroQuad.v[2].v, 0.6875f);
}

TEST_F(Stage5, AWalkerComingDownOntoABlockStandsOnIt) {
    f1.x = 192;
    f1.y = 128;
    Place(g_Hero, 200, 112, 0);
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 1);
    g_Hero.y = 111;  // more than 16 pixels above the block's top
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 0);
    Place(g_Partner, 161, 120, 1);  // overlapping by its left edge only
    Run(1);
    EXPECT_EQ(g_Partner.gravityOff, 1);
}

TEST_F(Stage5, HeroFirstWaitsFacingRightAndThePartnerStopsBesideHim) {
    ExpectMeeting({g_Hero, 32, 256, 0, g_Partner, 64, 256, 0});
}

TEST_F(Stage5, PartnerFirstWaitsAndTheHeroComingDownStopsBesideHer) {
    ExpectMeeting({g_Partner, 64, 256, 0, g_Hero, 32, 256, 1});
}

TEST_F(Stage5, ResetRewindsTheEventsAndTheInitRestoresBlocksAndShelves) {
    Place(g_Hero, 159, 0, 0, kPaintRed);
    RunUntilSpent(g_HeroPaint, true);
    ASSERT_EQ(Stage5Now().faller1State, 1);
    g_ScriptReset = 1;
    Run(1);
    g_ScriptReset = 0;
    EXPECT_EQ(Stage5Now().faller1State, 0);
    EXPECT_EQ(Stage5Now().heroStopLow, 0);
    EXPECT_EQ(EventTicks(5, 10), 0);
    StageInit(5);
    ExpectCells(5, {{1, 6, 8}, {4, 6, 52}});
    ExpectAt(f1, 192, 0);
    EXPECT_FLOAT_EQ(f1.quad.v[0].v, 0.0f);
}
