// The endings' timings, driven tick by tick with a virtual clock.
#include "tick_test.h"

#include "base/platform.h"
#include "app/scenes.h"
#include "scenes/endings.h"
#include "scenes/shared_quads.h"
#include "sound/sound.h"
#include "stage/stage_state.h"

namespace {

class Ending : public TickTest {
protected:
    Ending() : TickTest(2100000) {}
    void SetUp() override {
        TickTest::SetUp();
        g_ScriptReset = 0;
        // A test may stop in the middle of an ending.
        const float start[5] = {0, 480, 960, 1440, 1920};
        for (int i = 0; i < 5; ++i) g_EndScrollY[i] = start[i];
        g_EndScrollTime = 0;
        g_EndRestTicks = 0;
    }
    void TearDown() override {
        g_ScriptReset = 0;
        TickTest::TearDown();
    }
    struct Run {
        int ticksToTop = 0;  // ticks until the logo first stands at the top
        int restTicks = 0;   // ticks from then until the second ending
        int end2Ticks = 0;   // ticks of the second ending, its init's included
    };
    // One whole ending, from the last dialogue's hand-over to the title.
    Run PlayThrough() {
        Run r;
        g_FrameNo = 57;
        while (g_FrameNo == 57 || (g_FrameNo == 58 && g_EndScrollY[4] > 0)) {
            Tick();
            ++r.ticksToTop;
            if (r.ticksToTop > 20000) return r;
        }
        r.restTicks = 1;  // the tick that reached the top rests too
        while (g_FrameNo == 58 && r.restTicks < 1000) {
            Tick();
            ++r.restTicks;
        }
        while ((g_FrameNo == 63 || g_FrameNo == 64) && r.end2Ticks < 1000) {
            Tick();
            ++r.end2Ticks;
        }
        return r;
    }
};

}  // namespace

TEST_F(Ending, LogoRisesFor1920StepsRests251TicksAndTheLastPictureShows201) {
    Run r = PlayThrough();
    // One pixel per 45 ms (three 15 ms ticks), the first at once.
    EXPECT_EQ(r.ticksToTop, 1920 * 3 - 2);
    EXPECT_EQ(r.restTicks, 251);
    EXPECT_EQ(r.end2Ticks, 201);
    EXPECT_EQ(g_FrameNo, 7);
    EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 1);
    EXPECT_EQ(GetSoundStats().stopAll, 2);  // leaving each ending scene
    EXPECT_EQ(g_ScriptReset, 1);
}

TEST_F(Ending, PicturesWrapToTheLowerHalfAndOverlapWhileTheLogoStops) {
    g_FrameNo = 57;
    Tick();  // the first step
    EXPECT_FLOAT_EQ(g_EndScrollY[0], -1);
    EXPECT_FLOAT_EQ(ScrollQuad.v[0].x, 64);
    EXPECT_FLOAT_EQ(ScrollQuad.v[1].x, 576);
    for (int step = 1; step < 481; ++step)
        for (int t = 0; t < 3; ++t) Tick();
    // Picture 0 has passed -480 and comes back at 480, over picture 1.
    EXPECT_FLOAT_EQ(g_EndScrollY[0], 480);
    EXPECT_FLOAT_EQ(g_EndScrollY[1], -1);
    EXPECT_FLOAT_EQ(g_EndScrollY[2], 479);
    EXPECT_FLOAT_EQ(g_EndScrollY[4], 1439);
    while (g_EndScrollY[4] > 0) Tick();
    for (int t = 0; t < 100; ++t) Tick();
    EXPECT_FLOAT_EQ(g_EndScrollY[4], 0);  // rests at the top
    EXPECT_EQ(g_FrameNo, 58);
}

TEST_F(Ending, EnterSkipsToTheSecondEndingAtOnceWithTheMusicStopped) {
    g_FrameNo = 57;
    for (int t = 0; t < 300; ++t) Tick();
    EXPECT_EQ(GetSoundStats().stopAll, 0);
    InputKey(VK_RETURN, true);
    Tick();
    InputKey(VK_RETURN, false);
    EXPECT_EQ(g_FrameNo, 63);
    EXPECT_EQ(GetSoundStats().stopAll, 1);
    EXPECT_EQ(g_ScriptReset, 1);
    // The column is back at its start for a later ending.
    const float start[5] = {0, 480, 960, 1440, 1920};
    for (int i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(g_EndScrollY[i], start[i]);
    EXPECT_EQ(g_EndRestTicks, 0);
    EXPECT_EQ(g_EndScrollTime, 0u);
}

TEST_F(Ending, ASecondPlayThroughShowsTheWholeEndingAgain) {
    // The first ending cut short with Enter, the second one watched whole.
    g_FrameNo = 57;
    for (int t = 0; t < 1000; ++t) Tick();
    InputKey(VK_RETURN, true);
    Tick();
    InputKey(VK_RETURN, false);
    while (g_FrameNo != 7) Tick();

    Run r = PlayThrough();
    EXPECT_EQ(r.ticksToTop, 1920 * 3 - 2);
    EXPECT_EQ(r.restTicks, 251);
    EXPECT_EQ(r.end2Ticks, 201);
    Run again = PlayThrough();
    EXPECT_EQ(again.ticksToTop, r.ticksToTop);
    EXPECT_EQ(again.restTicks, 251);
    EXPECT_EQ(again.end2Ticks, 201);
}
