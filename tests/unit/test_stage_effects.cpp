// Effect pictures: frame sequences, timing, colours and the ring pool.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/platform.h"
#include "stage/effects.h"
#include "stage/screen_layout.h"

namespace {

using UV = std::pair<float, float>;  // top-left (u, v) of a quad

UV TopLeft(const Quad& q) { return {q.v[0].u, q.v[0].v}; }

class StageEffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Now = 5000000;
        // The routines keep their frames between calls: rewind them.
        DrawSparkEffect(0, 0, 0, 0, 0, 0);
        DrawColumnEffect(0, 0, 0, 0);
        DrawColumnEffect2(0, 0, 0, 0);
        DrawBigEffect(0, 0, 0, 0, 0);
        DrawSandEffect(0, 0, 0, 0);
        // As in play, an event starts well after the last rewind.
        Wait(1000);
    }
    static void Wait(uint32_t ms) { g_Now += ms; }
};

}  // namespace

TEST_F(StageEffectsTest, SparkRunsNineFramesThenHolds) {
    std::vector<float> lefts;
    for (int i = 0; i < 12; ++i) {
        DrawSparkEffect(100, 50, 128, 1, 1, 0);
        lefts.push_back(g_SparkQuad.v[0].u);
        Wait(50);
    }
    for (int f = 0; f <= 8; ++f) EXPECT_FLOAT_EQ(lefts[f], f / 16.0f) << f;
    EXPECT_FLOAT_EQ(lefts[11], 0.5f);  // frame 8 held
    // Placed beside the stored position.
    EXPECT_EQ(g_SparkQuad.v[0].x, 132.0f);
    EXPECT_EQ(g_SparkQuad.v[0].y, 75.0f);
    EXPECT_EQ(g_SparkQuad.v[2].x, 164.0f);
    EXPECT_EQ(g_SparkQuad.v[2].y, 107.0f);
}

TEST_F(StageEffectsTest, SparkAdvancesOnlyAfter50msAndFromTheNextCall) {
    DrawSparkEffect(0, 0, 128, 1, 1, 0);  // long after the rewind: advances
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].u, 0.0f);
    Wait(49);
    DrawSparkEffect(0, 0, 128, 1, 1, 0);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].u, 1 / 16.0f);
    Wait(1);
    DrawSparkEffect(0, 0, 128, 1, 1, 0);  // 50 ms: advances after drawing
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].u, 1 / 16.0f);
    DrawSparkEffect(0, 0, 128, 1, 1, 0);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].u, 2 / 16.0f);
    // A call with animate 0 restarts the wait as well as the frame.
    Wait(60);
    DrawSparkEffect(0, 0, 128, 0, 1, 0);
    Wait(40);
    DrawSparkEffect(0, 0, 128, 1, 1, 0);
    DrawSparkEffect(0, 0, 128, 1, 1, 0);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].u, 0.0f);
}

TEST_F(StageEffectsTest, SparkRowsFacingAndRewind) {
    DrawSparkEffect(10, 20, 100, 1, 0, 1);
    Wait(50);
    DrawSparkEffect(10, 20, 100, 1, 0, 2);
    // Facing 0 mirrors by swapping u.
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].u, 2 / 16.0f);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[1].u, 1 / 16.0f);
    const float row = kEffect1Cell / kEffect1Sheet;
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].v, float(kSparkRows[2]) * row);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[3].v, float(kSparkRows[2] + 1) * row);
    // An unknown row keeps the last one.
    DrawSparkEffect(10, 20, 100, 1, 1, 7);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].v, float(kSparkRows[2]) * row);
    DrawSparkEffect(10, 20, 100, 1, 1, 1);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].v, float(kSparkRows[1]) * row);

    // animate 0: first frame, at the old position, whatever is passed.
    DrawSparkEffect(300, 300, 0, 0, 1, 0);
    EXPECT_FLOAT_EQ(g_SparkQuad.v[0].u, 0.0f);
    EXPECT_EQ(g_SparkQuad.v[0].x, 42.0f);
    EXPECT_EQ(g_SparkQuad.v[0].diffuse, 0x00FFFFFFu);  // alpha 0: invisible
}

TEST_F(StageEffectsTest, AlphaArgumentSetsTheColours) {
    DrawColumnEffect(0, 0, 128, 1);
    EXPECT_EQ(g_ColumnQuad.v[0].diffuse, 0x80FFFFFFu);
    DrawColumnEffect(0, 0, -1, 1);
    EXPECT_EQ(g_ColumnQuad.v[3].diffuse, 0xFFFFFFFFu);
    DrawColumnEffect(0, 0, 300, 1);  // taken mod 256
    EXPECT_EQ(g_ColumnQuad.v[2].diffuse, 0x2CFFFFFFu);
}

TEST_F(StageEffectsTest, ColumnHoldsItsSixthFrame) {
    std::vector<float> tops;
    for (int i = 0; i < 8; ++i) {
        DrawColumnEffect(64, 32, 50, 1);
        tops.push_back(g_ColumnQuad.v[0].v);
        Wait(250);
    }
    const std::vector<float> expected = {0, 0.125f, 0.25f, 0.375f, 0.5f, 0.625f, 0.625f, 0.625f};
    EXPECT_EQ(tops, expected);
    EXPECT_FLOAT_EQ(g_ColumnQuad.v[0].u, Effect2UV({kPillarColumn, 0}).x0);
    EXPECT_FLOAT_EQ(g_ColumnQuad.v[1].u, Effect2UV({kPillarColumn, 0}).x1);
    EXPECT_EQ(g_ColumnQuad.v[2].x, 160.0f);
    EXPECT_EQ(g_ColumnQuad.v[2].y, 160.0f);
}

TEST_F(StageEffectsTest, FastColumnStaysOnItsSheet) {
    float lastTop = -1, lastBottom = -1;
    for (int i = 0; i < 12; ++i) {
        DrawColumnEffect2(0, 0, 70, 1);
        lastTop = g_Column2Quad.v[0].v;
        lastBottom = g_Column2Quad.v[3].v;
        Wait(50);
    }
    EXPECT_FLOAT_EQ(lastTop, 0.875f);  // the last row, not past the sheet
    EXPECT_FLOAT_EQ(lastBottom, 1.0f);
    EXPECT_FLOAT_EQ(g_Column2Quad.v[0].u, Effect2UV({kWhirlwindColumn, 0}).x0);
}

TEST_F(StageEffectsTest, BigEffectShowsSixteenFramesThenHoldsTheLast) {
    std::vector<UV> frames;
    for (int i = 0; i < 20; ++i) {
        DrawBigEffect(200, 100, 70, 1, 1);
        frames.push_back(TopLeft(g_BigEffectQuad));
        Wait(30);
    }
    for (int f = 0; f < 16; ++f) {
        EXPECT_FLOAT_EQ(frames[f].first, (f % 4) * 0.25f) << f;
        EXPECT_FLOAT_EQ(frames[f].second, (f / 4) * 0.25f) << f;
    }
    for (int f = 16; f < 20; ++f) EXPECT_EQ(frames[f], UV(0.75f, 0.75f)) << f;
    EXPECT_EQ(g_BigEffectQuad.v[0].x, 120.0f);
    EXPECT_EQ(g_BigEffectQuad.v[2].x, 312.0f);
    EXPECT_EQ(g_BigEffectQuad.v[2].y, 212.0f);
    EXPECT_FLOAT_EQ(g_BigEffectQuad.v[2].u, 1.0f);

    DrawBigEffect(0, 0, 0, 0, 0);
    EXPECT_EQ(TopLeft(g_BigEffectQuad), UV(0, 0));
    EXPECT_EQ(g_BigEffectQuad.v[0].x, 120.0f);
}

TEST_F(StageEffectsTest, SandLoopsOverEightFrames) {
    std::vector<UV> frames;
    for (int i = 0; i < 10; ++i) {
        DrawSandEffect(0, 0, -1, 1);
        frames.push_back(TopLeft(g_SandQuad));
        Wait(25);
    }
    EXPECT_EQ(frames[3], UV(0.75f, 0.0f));
    EXPECT_EQ(frames[4], UV(0.0f, 0.5f));
    EXPECT_EQ(frames[7], UV(0.75f, 0.5f));
    EXPECT_EQ(frames[8], UV(0.0f, 0.0f));
    EXPECT_EQ(frames[9], UV(0.25f, 0.0f));
    EXPECT_FLOAT_EQ(g_SandQuad.v[3].v, 0.5f);
}

TEST_F(StageEffectsTest, FireLoopsAndFadesWithGrey) {
    // It has no rewind: run it up to its last frame, then walk a full loop.
    for (int i = 0; i < 16; ++i) {
        DrawFireEffect(0, 0, 255);
        Wait(50);
        if (TopLeft(g_FireQuad) == UV(0.75f, 0.75f)) break;
    }
    std::vector<UV> frames;
    for (int i = 0; i < 17; ++i) {
        DrawFireEffect(10, 20, 255);
        frames.push_back(TopLeft(g_FireQuad));
        Wait(50);
    }
    EXPECT_EQ(frames[0], UV(0, 0));
    EXPECT_EQ(frames[15], UV(0.75f, 0.75f));
    EXPECT_EQ(frames[16], UV(0, 0));
    EXPECT_EQ(g_FireQuad.v[2].x, 74.0f);
    EXPECT_EQ(g_FireQuad.v[2].y, 84.0f);

    DrawFireEffect(0, 0, 128);
    EXPECT_EQ(g_FireQuad.v[0].diffuse, 0xFF808080u);
    DrawFireEffect(0, 0, 300);  // only the low byte counts
    EXPECT_EQ(g_FireQuad.v[0].diffuse, 0xFF2C2C2Cu);
}

TEST_F(StageEffectsTest, TwinkleLoopsOverSevenFrames) {
    std::vector<float> lefts;
    for (int i = 0; i < 15; ++i) {
        DrawTwinkle(0, 0, 200);
        lefts.push_back(g_TwinkleQuad.v[0].u * 16.0f);
        Wait(118);
    }
    // Whatever frame it starts on, it counts up and wraps from 6 to 0.
    for (int i = 1; i < 15; ++i) {
        const float expected = lefts[i - 1] == 6.0f ? 0.0f : lefts[i - 1] + 1.0f;
        EXPECT_FLOAT_EQ(lefts[i], expected) << i;
    }
    EXPECT_FLOAT_EQ(g_TwinkleQuad.v[0].v, kTwinkleRow * kEffect1Cell / kEffect1Sheet);
    EXPECT_FLOAT_EQ(g_TwinkleQuad.v[2].v, (kTwinkleRow + 1) * kEffect1Cell / kEffect1Sheet);
    EXPECT_EQ(g_TwinkleQuad.v[0].diffuse, 0xFFC8C8C8u);
}

TEST_F(StageEffectsTest, GlowDotColumnAndGrey) {
    DrawGlowDot(5, 6, 255, 0);
    EXPECT_FLOAT_EQ(g_GlowDotQuad.v[0].u, Effect2UV(kGlowDotCell).x0);
    EXPECT_EQ(g_GlowDotQuad.v[2].x, 37.0f);
    EXPECT_EQ(g_GlowDotQuad.v[0].diffuse, 0xFFFFFFFFu);
    DrawGlowDot(0, 0, 9, 1);  // keeps the column
    EXPECT_FLOAT_EQ(g_GlowDotQuad.v[1].u, Effect2UV(kGlowDotCell).x1);
    EXPECT_EQ(g_GlowDotQuad.v[0].diffuse, 0xFF090909u);
}

TEST_F(StageEffectsTest, RingPoolDropsTheEleventhAndReusesDeadRecords) {
    for (RingBurst& r : g_RingBursts) r = {};
    for (int i = 0; i < 10; ++i) UpdateRingBursts(float(i), 0, 1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(g_RingBursts[i].x, float(i));
        // Each ring ages on every call after its birth call too.
        EXPECT_EQ(g_RingBursts[i].life, 255 - 4 * (10 - i));
    }
    UpdateRingBursts(99, 99, 1);
    for (const RingBurst& r : g_RingBursts) EXPECT_NE(r.x, 99.0f);

    // A ring lives 64 calls; the first one dies first and its record is reused.
    for (int i = 0; i < 53; ++i) UpdateRingBursts(0, 0, 0);
    EXPECT_LE(g_RingBursts[0].life, 0);
    EXPECT_GT(g_RingBursts[1].life, 0);
    UpdateRingBursts(77, 66, 1);
    EXPECT_EQ(g_RingBursts[0].x, 77.0f);
    EXPECT_EQ(g_RingBursts[0].life, 251);
}

TEST_F(StageEffectsTest, RingGrowsCentredAndFades) {
    for (RingBurst& r : g_RingBursts) r = {};
    UpdateRingBursts(300, 200, 1);
    EXPECT_EQ(g_RingBurstQuad.v[0].x, 300.0f);  // born with size 0
    EXPECT_EQ(g_RingBurstQuad.v[2].x, 300.0f);
    EXPECT_EQ(g_RingBurstQuad.v[0].diffuse, 0xFFFFFFFFu);
    int calls = 1;
    while (g_RingBursts[0].life > 0) {
        UpdateRingBursts(0, 0, 0);
        ++calls;
    }
    EXPECT_EQ(calls, 64);
    // The last drawing: size 252 around the centre, brightness 3.
    EXPECT_EQ(g_RingBurstQuad.v[0].x, 174.0f);
    EXPECT_EQ(g_RingBurstQuad.v[2].x, 426.0f);
    EXPECT_EQ(g_RingBurstQuad.v[2].y, 326.0f);
    EXPECT_EQ(g_RingBurstQuad.v[0].diffuse, 0xFF030303u);
}

TEST_F(StageEffectsTest, WaveStripScrollsAQuarterPerSecond) {
    std::vector<float> tops;
    for (int i = 0; i < 9; ++i) {
        DrawWaveStrip();
        tops.push_back(g_WaveStripQuad.v[0].v);
        Wait(1000);
    }
    // Starting anywhere, each second moves a quarter and 1 wraps to 0.
    for (int i = 1; i < 9; ++i) {
        float expected = tops[i - 1] + 0.25f;
        if (expected >= 1.0f) expected -= 1.0f;
        EXPECT_NEAR(tops[i], expected, 1e-5f) << i;
    }
    EXPECT_NEAR(g_WaveStripQuad.v[3].v - g_WaveStripQuad.v[0].v, 0.24f, 1e-5f);
    EXPECT_EQ(g_WaveStripQuad.v[0].y, 262.0f);
    EXPECT_EQ(g_WaveStripQuad.v[2].x, 640.0f);
    EXPECT_EQ(g_WaveStripQuad.v[2].y, 390.0f);
}
