// The opening's timings, driven tick by tick with a virtual clock.
#include "tick_test.h"

#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "scenes/opening.h"
#include "scenes/shared_quads.h"
#include "talk/talk_faces.h"

namespace {

class Opening : public TickTest {
protected:
    Opening() : TickTest(100000) {}
    void SetUp() override {
        TickTest::SetUp();
        g_LogoAlpha = g_LogoFadeOut = g_LogoHold = g_FootprintCount = 0;
        g_ScrollX = 0;
        g_CaptionNo = 0;
        g_FaceX = -160;
        g_ScrollTime = g_CaptionTime = g_FaceTime = 0;
        g_StepTime = 0;
        SnapshotKeys();
    }
    // Ticks until g_FrameNo leaves `scene`; returns the ticks run (frame ticks
    // include the init's own tick).
    int TicksIn(int scene, int limit = 10000) {
        int n = 0;
        while (n < limit) {
            int ran = Tick();
            if (ran == scene || ran == scene - 1) ++n;
            if (g_FrameNo != scene) break;
        }
        return n;
    }
};

}  // namespace

TEST_F(Opening, MakerLogoFadesInAndOutThenTheGameLogoHolds85Ticks) {
    g_FrameNo = 0;
    EXPECT_EQ(TicksIn(1), 126);  // 63 ticks in, 63 out
    EXPECT_EQ(g_FrameNo, 2);
    EXPECT_EQ(g_LogoAlpha, 0);
    EXPECT_EQ(TicksIn(3), 85);
    EXPECT_EQ(g_FrameNo, 4);
    // Footprints: one per step of more than 100 ms (7 ticks); the ninth step
    // starts the prologue.
    EXPECT_EQ(TicksIn(4), 63);
    EXPECT_EQ(g_FrameNo, 5);
    EXPECT_EQ(g_FootprintCount, 9);
}

TEST_F(Opening, LogoAlphaIsWrittenIntoTheQuadOneStepAhead) {
    g_FrameNo = 0;
    Tick();
    EXPECT_EQ(LogoQuad.v[0].diffuse, 0x04FFFFFFu);
    for (int i = 0; i < 62; ++i) Tick();
    EXPECT_EQ(g_LogoAlpha, 252);
    EXPECT_EQ(g_LogoFadeOut, 1);
    Tick();
    EXPECT_EQ(LogoQuad.v[3].diffuse, 0xF8FFFFFFu);
}

TEST_F(Opening, SpaceSkipsFromTheMakerLogoAtOnce) {
    InputKey(VK_SPACE, true);
    g_FrameNo = 0;
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(g_FrameNo, 7);
    InputKey(VK_SPACE, false);
}

TEST_F(Opening, SpaceIsIgnoredByTheLogoHoldButSeenAtTheFirstFootprintStep) {
    g_FrameNo = 2;
    InputKey(VK_SPACE, true);
    EXPECT_EQ(TicksIn(3), 85);
    EXPECT_EQ(g_FrameNo, 4);
    EXPECT_EQ(TicksIn(4), 7);  // the first step comes after more than 100 ms
    EXPECT_EQ(g_FrameNo, 7);
    InputKey(VK_SPACE, false);
}

TEST_F(Opening, PrologueCaptionsPortraitAndScroll) {
    g_FrameNo = 5;
    Tick();
    EXPECT_EQ(g_CaptionNo, 1);  // the first caption shows on the first tick
    EXPECT_EQ(g_FrameNo, 6);
    int ticks = 1;
    float maxFaceDuring9to12 = -1000;
    bool lowerPicture = false;
    while (g_FrameNo == 6 && ticks < 5000) {
        Tick();
        ++ticks;
        if (g_CaptionNo >= 9 && g_CaptionNo <= 12) maxFaceDuring9to12 = std::max(maxFaceDuring9to12, g_FaceX);
        if (g_CaptionNo == 9) {
            EXPECT_EQ(g_LeftFace, 0);
        }
        if (g_CaptionNo == 12) {
            EXPECT_EQ(g_LeftFace, 1);
        }
        if (g_CaptionNo == 5) lowerPicture = ScrollQuad.v[0].v == 0.5f;
        if (g_CaptionNo < 9) {
            EXPECT_EQ(g_FaceX, -160.0f);
        }
    }
    EXPECT_EQ(g_FrameNo, 7);
    EXPECT_EQ(g_CaptionNo, 14);
    // 13 captions of 3.5 s: a new caption on the first tick at or past 3500 ms.
    EXPECT_NEAR(ticks, 13 * 234, 2);
    EXPECT_EQ(maxFaceDuring9to12, 240.0f);
    EXPECT_GT(g_FaceX, 640.0f);  // left the screen during the last caption
    EXPECT_TRUE(lowerPicture);
    EXPECT_EQ(g_ScrollX, -384.0f);
    EXPECT_EQ(ScrollQuad.v[1].x, 640.0f);
}

TEST_F(Opening, SpaceSkipsThePrologue) {
    g_FrameNo = 5;
    Tick();
    Tick();
    InputKey(VK_SPACE, true);
    Tick();
    EXPECT_EQ(g_FrameNo, 7);
    InputKey(VK_SPACE, false);
}
