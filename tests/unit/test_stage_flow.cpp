// The shared stage flow, the brush and the HUD, driven tick by tick.
#include <gtest/gtest.h>

#include "tick_test.h"

#include "app/app.h"
#include "app/input.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/hud.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "stages/stage_scripts.h"

namespace {

class StageFlow : public TickTest {
protected:
    void SetUp() override {
        TickTest::SetUp();
        g_Lives = 3;
        g_FromSelect = 0;
        g_SelectedPaint = 0;
    }
    // Starts stage k and runs until its start banner has ended.
    void StartRunning(int stage) {
        g_FrameNo = uint8_t(StageScene(stage));
        Tick();
        int guard = 0;
        while (g_StageRunning == 0 && guard++ < 500) Tick();
        ASSERT_EQ(g_StageRunning, 1);
    }
};

}  // namespace

TEST_F(StageFlow, StartBannerRunsAboutTwoSecondsThenPlayBegins) {
    g_FrameNo = 11;
    Tick();
    EXPECT_EQ(g_FrameNo, 12);
    EXPECT_EQ(g_StageRunning, 0);
    EXPECT_EQ(g_Hero.halted, 1);
    int ticks = 1;
    while (g_StageRunning == 0 && ticks < 500) {
        Tick();
        ++ticks;
    }
    EXPECT_GT(ticks * 15, 1600);
    EXPECT_LT(ticks * 15, 2300);
    // The number glyph of stage 9 is its place in the story: 5.
    SetStageNumberGlyph(StageOf(9).storyPlace);
    EXPECT_FLOAT_EQ(StageNumber.v[0].u, 0.5625f);
    EXPECT_FLOAT_EQ(StageNumber.v[0].v, 0.75f);
    EXPECT_EQ(StageOf(6).storyPlace, 8);
}

TEST_F(StageFlow, StartBannerResetDrawsItsStartState) {
    g_StartBannerReset = 1;
    StartBanner();
    g_StartBannerReset = 0;
    // Label invisible, number five times its size, bar of zero width, roller at 175.
    EXPECT_EQ(StageLabel.v[0].diffuse >> 24, 0u);
    EXPECT_FLOAT_EQ(StageNumber.v[1].x - StageNumber.v[0].x, 2 * 48 * 5.0f);
    EXPECT_FLOAT_EQ(BannerBar.v[1].x, 175.0f);
    EXPECT_NEAR(BannerRoller.v[0].x + 48, 175.0f, 0.01f);
}

TEST_F(StageFlow, OnePotIgnoresALoadedBrush) {
    StartRunning(1);
    Click(150, 400);
    EXPECT_EQ(g_PaintR, 2);
    EXPECT_EQ(g_SelectedPaint, 1);
    Tick();
    EXPECT_EQ(g_BrushPaint, 1);
    SettleBrush();
    Click(150, 400);  // loaded: the pot takes nothing
    EXPECT_EQ(g_PaintR, 2);
}

TEST_F(StageFlow, ThreePotsSwapGivesTheLoadedUnitBack) {
    StartRunning(4);
    ASSERT_EQ(g_PaintR, 1);
    ASSERT_EQ(g_PaintG, 2);
    Click(50, 400);  // red
    Tick();
    EXPECT_EQ(g_PaintR, 0);
    SettleBrush();
    Click(150, 400);  // green: red goes back
    Tick();
    EXPECT_EQ(g_PaintR, 1);
    EXPECT_EQ(g_PaintG, 1);
    EXPECT_EQ(g_BrushPaint, 2);
    SettleBrush();
    Click(150, 400);  // the loaded colour's own pot does nothing
    EXPECT_EQ(g_PaintG, 1);
    EXPECT_EQ(g_SelectedPaint, 2);
}

TEST_F(StageFlow, BrushStrokeTakesFiveStepsAndClearsTheClick) {
    g_Now = 1000;
    g_LButton = 1;
    int steps = 0;
    float seen[6] = {};
    for (int t = 1000; t < 2000 && steps < 6; t += 15) {
        g_Now = uint32_t(t);
        float before = g_BrushAnim;
        UpdateBrushStroke();
        if (g_BrushAnim != before || (before == 1.0f && g_BrushStroking == 0)) seen[steps++] = g_BrushAnim;
        if (t == 1200) g_LButton = 1;  // a second press does not restart the stroke
    }
    EXPECT_FLOAT_EQ(seen[0], 0.25f);
    EXPECT_FLOAT_EQ(seen[3], 1.0f);
    EXPECT_FLOAT_EQ(seen[4], 0.0f);
    EXPECT_EQ(g_BrushStroking, 0);
    EXPECT_EQ(g_LButton, 0);
}

TEST_F(StageFlow, TimeOutCostsExactlyOneLifeThenRestarts) {
    StartRunning(1);
    // Push the strip to its end.
    for (TlVertex& v : TimeStrip.v) v.x -= 192.0f;
    Tick();
    EXPECT_EQ(g_Lives, 2);
    EXPECT_EQ(g_TimeUpRequest, 1);
    EXPECT_EQ(g_ScriptReset, 1);
    Tick();  // time-up picture, restart stored
    EXPECT_EQ(g_FrameNo, 11);
    EXPECT_EQ(g_Lives, 2);
    Tick();  // the init puts everything back
    EXPECT_EQ(g_Lives, 2);
    EXPECT_FLOAT_EQ(TimeStripRight(), 804.0f);
    EXPECT_EQ(g_PaintR, 3);
}

TEST_F(StageFlow, ResetWithTheLastLifeEndsTheGameAndStopsAllSound) {
    StartRunning(1);
    g_Lives = 1;
    int stops = GetSoundStats().stopAll;
    Click(384, 448);
    EXPECT_EQ(g_Lives, 0);
    EXPECT_EQ(g_FrameNo, 47);
    EXPECT_EQ(GetSoundStats().stopAll, stops + 1);
}

TEST_F(StageFlow, ResetWithLivesLeftShowsThePictureAndRestarts) {
    StartRunning(1);
    Click(360, 424);
    EXPECT_EQ(g_Lives, 2);
    EXPECT_EQ(g_ResetPictureRequest, 1);
    Tick();
    EXPECT_EQ(g_ResetPictureRequest, 0);
    EXPECT_EQ(g_FrameNo, 11);
}

TEST_F(StageFlow, ALostLifeStaysInViewOverTheRestartedStageBeforeItsBanner) {
    StartRunning(1);
    Tick(70);  // let any earlier picture run out
    ASSERT_EQ(LossAfterimageAlpha(), 0);
    int plays = GetSoundStats().effectPlays[kSoundLifeLost];
    Click(360, 424);
    EXPECT_EQ(GetSoundStats().effectPlays[kSoundLifeLost], plays + 1) << "a lost life is heard";
    Tick();  // the picture, and the restart stored in the same tick as ever
    EXPECT_EQ(g_FrameNo, 11);
    EXPECT_EQ(LossAfterimageAlpha(), 255);
    Tick();  // the restarted stage runs under the picture
    EXPECT_EQ(g_FrameNo, 12);
    EXPECT_EQ(g_StageRunning, 0);
    EXPECT_EQ(LossAfterimageAlpha(), 255);
    // Held, then fading out, gone after about a second.
    int last = 255, ticks = 2;
    while (LossAfterimageAlpha() > 0 && ticks < 200) {
        Tick();
        ++ticks;
        EXPECT_LE(LossAfterimageAlpha(), last);
        last = LossAfterimageAlpha();
        if (last > 0) {
            EXPECT_EQ(StartBannerDrawnZoom(), 5.0f) << "the banner waits for the picture";
        }
    }
    EXPECT_GE(ticks * 15, int(kLossPictureMs) - 30);
    EXPECT_LE(ticks * 15, int(kLossPictureMs) + 30);
    EXPECT_GE(kLossPictureHoldMs, 500u) << "long enough to read";
    Tick(40);  // then its number zooms in
    EXPECT_EQ(StartBannerDrawnZoom(), 1.0f);
    // The time-up picture does the same.
    StartRunning(1);
    for (TlVertex& v : TimeStrip.v) v.x -= 192.0f;
    Tick(2);
    EXPECT_EQ(g_FrameNo, 11);
    EXPECT_EQ(LossAfterimageAlpha(), 255);
    EXPECT_EQ(GetSoundStats().effectPlays[kSoundLifeLost], plays + 2);
}

TEST_F(StageFlow, TakingPaintAndPaintingAWalkerAreHeard) {
    StartRunning(1);
    int pick = GetSoundStats().effectPlays[kSoundPickUp], paint = GetSoundStats().effectPlays[kSoundPaint];
    Click(150, 400);  // the red pot
    EXPECT_EQ(g_SelectedPaint, 1);
    EXPECT_EQ(GetSoundStats().effectPlays[kSoundPickUp], pick + 1);
    Tick();
    SettleBrush();
    g_Hero.halted = 1;
    Click(int(g_Hero.x) + 16, int(g_Hero.y) + 32);
    EXPECT_EQ(g_HeroPaint, 1);
    EXPECT_EQ(GetSoundStats().effectPlays[kSoundPaint], paint + 1);
    // A click that takes nothing is silent.
    SettleBrush();
    Click(150, 400);
    EXPECT_EQ(GetSoundStats().effectPlays[kSoundPickUp], pick + 2);
    SettleBrush();
    Click(150, 400);  // loaded: the pot gives nothing
    EXPECT_EQ(GetSoundStats().effectPlays[kSoundPickUp], pick + 2);
}

TEST_F(StageFlow, PotsAndResetAreDeadWhileTheBannerPlays) {
    g_FrameNo = 11;
    Tick();
    Click(384, 448);
    Click(160, 400);
    EXPECT_EQ(g_Lives, 3);
    EXPECT_EQ(g_PaintR, 3);
}

TEST_F(StageFlow, ClearLeavesForTheStoryOrTheStageSelect) {
    for (int fromSelect : {0, 1}) {
        g_FromSelect = fromSelect;
        StartRunning(1);
        int stops = GetSoundStats().stopAll;
        int jingles = GetSoundStats().effectPlays[9];
        g_Partner.x = g_Hero.x + 32;  // the hero reaches the partner
        int ticks = 0;
        while (g_FrameNo == 12 && ticks < 1000) {
            g_Partner.x = g_Hero.x + 32;
            Tick();
            ++ticks;
        }
        EXPECT_EQ(g_FrameNo, fromSelect ? 45 : 13);
        EXPECT_EQ(GetSoundStats().effectPlays[9], jingles + 1);  // the jingle, once
        EXPECT_EQ(GetSoundStats().stopAll, stops + 1);
        // 0.4 s of zoom, then 85 fade steps of at least 50 ms.
        EXPECT_GT(ticks * 15, 4600);
        EXPECT_LT(ticks * 15, 6000);
    }
}

TEST_F(StageFlow, LifeIconsFollowTheLivesLeft) {
    g_Lives = 1;
    DrawLives();
    EXPECT_FLOAT_EQ(LostLifeIcon.v[0].x, 600.0f);
    EXPECT_FLOAT_EQ(LifeIcon.v[0].x, 500.0f);
    g_Lives = 3;
    DrawLives();
    EXPECT_FLOAT_EQ(LifeIcon.v[0].x, 600.0f);
    // The animation cycles four frames of 250 ms.
    float frames[8];
    for (float& f : frames) {
        g_Now += 250;
        DrawLives();
        f = g_LifeAnimV;
    }
    for (float f : frames) {
        EXPECT_GE(f, 0.09375f);
        EXPECT_LE(f, 0.1875f);
    }
    EXPECT_FLOAT_EQ(frames[0], frames[4]);
}

TEST_F(StageFlow, DigitsShowTheCountRow) {
    g_DigitPos[0][0] = 192;
    g_DigitPos[0][1] = 384;
    g_PaintR = 0;
    UpdatePaintDigits();
    EXPECT_FLOAT_EQ(PaintDigit[0].v[0].v, 0.5f);
    EXPECT_FLOAT_EQ(PaintDigit[0].v[2].v, 0.5625f);
    g_PaintR = 4;
    UpdatePaintDigits();
    EXPECT_FLOAT_EQ(PaintDigit[0].v[0].v, 0.75f);
    EXPECT_FLOAT_EQ(PaintDigit[0].v[2].x, 224.0f);
}

TEST_F(StageFlow, F1GoesToTheTitleWithoutStoppingTheMusic) {
    StartRunning(1);
    int stops = GetSoundStats().stopAll;
    InputKey(VK_F1, true);
    Tick();
    InputKey(VK_F1, false);
    EXPECT_EQ(g_FrameNo, 7);
    EXPECT_EQ(GetSoundStats().stopAll, stops);
}

TEST_F(StageFlow, ARestartPutsEveryWalkerDownAtRest) {
    // A walker that fell off the map keeps a huge speed; the restart must not
    // carry it through the floor on its first step.
    g_Hero.fallSpeed = g_Partner.fallSpeed = 900.0f;
    g_FrameNo = 15;
    Tick(40);
    EXPECT_FLOAT_EQ(g_Partner.y, 128.0f);
    EXPECT_FLOAT_EQ(g_Hero.y, 64.0f);
}
