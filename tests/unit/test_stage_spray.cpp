// The game's random numbers and the particle sprays built on them.
#include <gtest/gtest.h>

#include <vector>

#include "base/platform.h"
#include "stage/game_rand.h"
#include "stage/spray.h"

namespace {

struct Drawn {
    float x, y;
    int grey;
};
std::vector<Drawn> g_Drawn;
void Record(float x, float y, int grey) { g_Drawn.push_back({x, y, grey}); }

class StageSprayTest : public ::testing::Test {
protected:
    void SetUp() override {
        RewindGameRand();
        g_Drawn.clear();
        g_Now = 7000000;
    }
    void TearDown() override { RewindGameRand(); }
};

}  // namespace

TEST_F(StageSprayTest, RandomSequenceIsFixedAndInRange) {
    const int first[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int expected : first) EXPECT_EQ(GameRand(), expected);
    int lowest = kGameRandMax, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const int r = GameRand();
        lowest = r < lowest ? r : lowest;
        highest = r > highest ? r : highest;
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, kGameRandMax);
    RewindGameRand();
    EXPECT_EQ(GameRand(), 41);
}

TEST_F(StageSprayTest, LiveParticlesDrawMoveAndFade) {
    SprayParticle p[2] = {{10, 20, 100}, {0, 0, 5}};
    UpdateSpray(p, 2, Record, 0.5f, -1.0f, 9, 0, 0, 50, 50);
    ASSERT_EQ(g_Drawn.size(), 2u);
    EXPECT_EQ(g_Drawn[0].x, 10.0f);  // drawn before it moves
    EXPECT_EQ(g_Drawn[0].grey, 100);
    EXPECT_EQ(p[0].x, 10.5f);
    EXPECT_EQ(p[0].y, 19.0f);
    EXPECT_EQ(p[0].grey, 91);
    EXPECT_EQ(p[1].grey, -4);
    // A dead particle is not drawn; this pass only tries to respawn it.
    g_Drawn.clear();
    RewindGameRand();
    GameRand();  // skip the respawning 41
    UpdateSpray(p + 1, 1, Record, 0, 0, 9, 0, 0, 50, 50);
    EXPECT_TRUE(g_Drawn.empty());
    EXPECT_EQ(p[1].grey, -4);
}

TEST_F(StageSprayTest, RespawnDrawsXThenYThenBrightness) {
    // The first value, 41, ends in 1: the particle is reborn from the next
    // three: x from 18467, y from 6334, brightness from 26500.
    SprayParticle p = {0, 0, 0};
    UpdateSpray(&p, 1, Record, 0, 0, 1, 100.0f, 200.0f, 50, 40);
    EXPECT_EQ(p.x, 100.0f + 18467 % 50);
    EXPECT_EQ(p.y, 200.0f + 6334 % 40);
    EXPECT_EQ(p.grey, (26500 % 128) * 2);
    EXPECT_TRUE(g_Drawn.empty());  // shown from the next pass on
    UpdateSpray(&p, 1, Record, 0, 0, 1, 100.0f, 200.0f, 50, 40);
    ASSERT_EQ(g_Drawn.size(), 1u);
    EXPECT_EQ(g_Drawn[0].x, 117.0f);
}

TEST_F(StageSprayTest, DeadSprayRespawnsAboutOneInTen) {
    SprayParticle p[10] = {};
    int respawns = 0;
    for (int pass = 0; pass < 200; ++pass) {
        for (SprayParticle& q : p) q.grey = 0;
        UpdateSpray(p, 10, nullptr, 0, 0, 255, 0, 0, 60, 60);
        for (const SprayParticle& q : p) {
            respawns += q.grey > 0;
            EXPECT_GE(q.x, 0.0f);
            EXPECT_LT(q.x, 60.0f);
            EXPECT_EQ(q.grey % 2, 0);
            EXPECT_LE(q.grey, 254);
        }
    }
    EXPECT_GT(respawns, 120);  // ~200 of 2000 tries, minus the few at grey 0
    EXPECT_LT(respawns, 280);
}

TEST_F(StageSprayTest, EmptySpreadRespawnsAtTheOrigin) {
    SprayParticle p = {0, 0, 0};
    UpdateSpray(&p, 1, Record, 0, 0, 1, 30.0f, 40.0f, 0, 0);
    EXPECT_EQ(p.x, 30.0f);
    EXPECT_EQ(p.y, 40.0f);
    EXPECT_EQ(GameRand(), 19169);  // the same values were used up
    UpdateSpray(nullptr, 3, Record, 0, 0, 1, 0, 0, 1, 1);
}

