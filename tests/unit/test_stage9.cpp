// Stage 9's events, driven directly with a fake clock.
#include <gtest/gtest.h>

#include "stage_test.h"

#include "base/platform.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

namespace {

class Stage9 : public StageTest {
protected:
    Stage9() : StageTest(9) {}
    void SetUp() override {
        StageTest::SetUp();
        Place(200, 256, 0);  // off every trigger
        g_Partner.x = 600;
        g_Partner.y = 0;
    }
    static void Place(float x, float y, int facing) { StageTest::Place(g_Hero, x, y, facing); }
    using StageTest::Place;
};

}  // namespace

TEST_F(Stage9, WaterWashesTheObstacleAwayAndItsFlickerStops) {
    Place(320, 0, 1);
    g_HeroPaint = kPaintBlue;
    Run(10);
    EXPECT_EQ(EventTicks(9, 2), 0);  // facing left: not the obstacle's side
    g_Hero.facing = 0;
    Run(31);
    EXPECT_NE(MapCell(9, 0, 11), 0);
    Run(1);  // n > 30
    ExpectCells(9, {{0, 11, 0}, {1, 11, 156}});
    EXPECT_EQ(Stage9Now().obstacleState, 2);
    EXPECT_EQ(g_HeroPaint, 0);
    EXPECT_EQ(g_Hero.halted, 0);
    Run(40);
    EXPECT_EQ(MapCell(9, 0, 11), 0);
}

TEST_F(Stage9, FireAtTheObstacleIsSpentAndItFlickersOn) {
    Place(320, 0, 0);
    g_HeroPaint = kPaintRed;
    EXPECT_EQ(RunUntilSpent(g_HeroPaint, false, 300), 31);
    EXPECT_EQ(Stage9Now().obstacleState, 0);
    g_Hero.x = 200;
    ChipCode seen[3];
    for (ChipCode& c : seen) {
        Run(17);
        c = MapCell(9, 0, 11);
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
}

TEST_F(Stage9, WindStopsTheFlickerAtOnceAndBlowsTheObstacleOffInTwoSteps) {
    Place(320, 0, 0);
    g_HeroPaint = kPaintGreen;
    Run(1);
    EXPECT_EQ(Stage9Now().obstacleState, 1);
    ChipCode before = MapCell(9, 0, 11);
    Run(30);
    EXPECT_EQ(MapCell(9, 0, 11), before);  // nothing moves for 31 ticks
    Run(1);
    ExpectCells(9, {{0, 11, 139}, {1, 11, 155}});
    Run(9);
    EXPECT_EQ(MapCell(9, 0, 11), 139);
    Run(1);  // 150 ms later
    ExpectCells(9, {{0, 11, 0}, {1, 11, 172}});
    EXPECT_EQ(Stage9Now().obstacleState, 2);
    EXPECT_EQ(g_HeroPaint, 0);
}

TEST_F(Stage9, Faller1TurnsTheHeroByItsState) {
    Faller& f = g_Fallers[9][0];
    Place(f.x + 32, f.y, 1);
    Run(1);
    EXPECT_EQ(g_Hero.facing, 0);  // state 0: from the right
    Stage9Arrange([](Stage9Facts& s) { s.faller1State = 1; });
    Place(f.x + 32, f.y, 1);
    Run(1);
    EXPECT_EQ(g_Hero.facing, 1);
    Place(f.x - 32, f.y, 0);
    Run(1);
    EXPECT_EQ(g_Hero.facing, 1);  // state 1: from the left
    Stage9Arrange([](Stage9Facts& s) { s.faller1State = 2; });
    Place(f.x - 32, f.y, 0);
    Run(1);
    EXPECT_EQ(g_Hero.facing, 0);  // state 2: nobody
}

TEST_F(Stage9, Faller1PicturesAreSharedSoALaterEventEndsAtItsFirstStep) {
    Faller& f = g_Fallers[9][0];
    Place(257, 0, 1);
    g_HeroPaint = kPaintRed;
    RunUntilSpent(g_HeroPaint, false, 300);
    EXPECT_EQ(Stage9Now().faller1State, 1);
    EXPECT_EQ(Stage9Now().faller1Frame, 5);
    EXPECT_FLOAT_EQ(f.quad.v[0].u, 0.5f);
    EXPECT_FLOAT_EQ(f.quad.v[1].u, 0.625f);

    // Water from the left wherever faller 1 is: ends on its first 100-ms step.
    Place(157, 96, 0);
    g_HeroPaint = kPaintBlue;
    Run(31);
    EXPECT_EQ(g_HeroPaint, kPaintBlue);
    EXPECT_LE(RunUntilSpent(g_HeroPaint, false, 300), 8);  // one 100-ms step (the idle shares its clock)
    EXPECT_EQ(Stage9Now().faller1State, 2);
    EXPECT_EQ(Stage9Now().faller1Frame, 5);
    EXPECT_FLOAT_EQ(f.quad.v[0].u, 0.5f);
}

TEST_F(Stage9, WaterPushesFaller2OffItsFloorAndTheEventEndsAfterItsLanding) {
    Faller& f = g_Fallers[9][1];
    Place(129, 96, 1);
    g_HeroPaint = kPaintBlue;
    Run(31, true);
    EXPECT_EQ(f.x, 96);  // no push before n > 30
    RunUntilSpent(g_HeroPaint, true, 300);
    EXPECT_EQ(f.x, 62);  // 17 pushes of 2
    EXPECT_EQ(f.y, 160);
    EXPECT_EQ(Stage9Now().faller2State, 1);
    EXPECT_EQ(Stage9Now().faller2Landing, 12);  // ends on the twelfth tick at 160

    // Wind from the left then pushes it right onto the floor of row 8.
    Place(29, 160, 0);
    g_HeroPaint = kPaintGreen;
    RunUntilSpent(g_HeroPaint, true, 300);
    EXPECT_EQ(f.x, 98);  // 18 pushes
    EXPECT_EQ(f.y, 224);
    EXPECT_EQ(Stage9Now().faller2State, 1);
}

TEST_F(Stage9, FireOnlyShakesFaller2) {
    Faller& f = g_Fallers[9][1];
    Place(129, 96, 1);
    g_HeroPaint = kPaintRed;
    RunUntilSpent(g_HeroPaint, true, 300);
    EXPECT_EQ(f.x, 96);
    EXPECT_EQ(Stage9Now().faller2State, 0);
    EXPECT_EQ(Stage9Now().faller2Frame, 0);
    EXPECT_FLOAT_EQ(f.quad.v[0].v, 0.0f);
}

TEST_F(Stage9, TheHeroKeepsHisHeightJustAboveAFaller) {
    Faller& f = g_Fallers[9][1];
    Place(f.x + 32, f.y - 16, 0);
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 1);
    Place(f.x + 33, f.y - 16, 0);
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 0);
    Place(f.x, f.y - 17, 0);
    Run(1);
    EXPECT_EQ(g_Hero.gravityOff, 0);
}

TEST_F(Stage9, BothInThePitWinWhoeverCameFirst) {
    ExpectMeeting({g_Partner, 352, 256, 1, g_Hero, 384, 256, 0});
}

TEST_F(Stage9, ResetRewindsTheEventsButKeepsTheGoalClock) {
    Place(320, 0, 0);
    g_HeroPaint = kPaintBlue;
    RunUntilSpent(g_HeroPaint, false, 300);
    ASSERT_EQ(Stage9Now().obstacleState, 2);
    unsigned goalClock = Stage9Now().goalTime;
    g_ScriptReset = 1;
    Run(1);
    g_ScriptReset = 0;
    EXPECT_EQ(Stage9Now().obstacleState, 0);
    EXPECT_EQ(EventTicks(9, 2), 0);
    EXPECT_GE(Stage9Now().goalTime, goalClock);  // the goal column's clock is not rewound
    // The idle animation writes the obstacle back within 250 ms.
    Run(17);
    EXPECT_NE(MapCell(9, 0, 11), 0);
}

TEST_F(Stage9, AHomePartnerStopsTheHeroOnlyOnHerOwnRow) {
    g_Partner.x = 352;
    g_Partner.y = 256;
    Run(1);
    ASSERT_EQ(g_PartnerArrived, 1);
    // Coming down the right-hand floors he passes x 384 on the floor of row
    // 6, above her: he walks on.
    Place(384, 160, 1);
    Run(1);
    EXPECT_EQ(g_Hero.halted, 0);
    EXPECT_EQ(g_Partner.facing, 1);
    EXPECT_EQ(g_StageCleared, 0);
}

TEST_F(Stage9, ThePartnersOwnWayEndsInThePitBesideTheGoal) {
    // She walks right off the top floor and down the floors on the right,
    // then from the floor of row 6 into the pit, where she is halted at her
    // place whatever the hero does.
    Place(g_Partner, 384, 0, 0);
    Place(96, 256, 0);  // out of everyone's way, on the bottom floor
    for (int i = 0; i < 4000 && g_PartnerArrived == 0; ++i) {
        g_Partner.halted = 0;
        StepPartner(9);
        Run(1);
    }
    EXPECT_EQ(g_PartnerArrived, 1);
    ExpectAt(g_Partner, 352, 256);
}
