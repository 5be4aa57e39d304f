// The title: fade-in, buttons armed by a press and acting on the brush's last
// stroke frame, and the reset of every new game.
#include <gtest/gtest.h>

#include "tick_test.h"

#include "app/app.h"
#include "app/input.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/screen_layout.h"
#include "stage/stage_state.h"
#include "stages/stage_scripts.h"
#include "scenes/title.h"

namespace {

class Title : public TickTest {
protected:
    Title() : TickTest(700000) {}
    void SetUp() override {
        TickTest::SetUp();
        g_TitleAlpha = 0;
        g_TitleShown = 0;
        for (int& a : g_TitleArmed) a = 0;
    }
    // A press and an immediate release at (x, y); returns ticks until the scene changed.
    int PressAndWait(int x, int y, int limit = 60) {
        InputMouseMove(x, y);
        InputButton(1, true, NowMs());
        Tick();
        InputButton(1, false, NowMs());
        int ticks = 1;
        while (g_FrameNo == 8 && ticks < limit) {
            Tick();
            ++ticks;
        }
        return ticks;
    }
};

}  // namespace

TEST_F(Title, NoButtonArmsDuringTheFirstFadeIn) {
    g_FrameNo = 7;
    Tick();
    InputMouseMove(450, 120);
    InputButton(1, true, NowMs());
    Tick(10);
    EXPECT_EQ(g_TitleArmed[0], 0);
    InputButton(1, false, NowMs());
    Tick(60);
    EXPECT_EQ(g_TitleShown, 1);
    EXPECT_EQ(g_FrameNo, 8);
}

TEST_F(Title, StartActsOnTheStrokesLastFrameEvenAfterAQuickRelease) {
    g_TitleShown = 1;
    g_FromSelect = 1;
    g_FrameNo = 7;
    Tick();
    int effects = GetSoundStats().effectPlays[0];
    int ticks = PressAndWait(int(kTitleStartButton.x0), int(kTitleStartButton.y0));  // the button's top-left corner
    EXPECT_EQ(g_FrameNo, 9);
    EXPECT_EQ(g_FromSelect, 0);
    EXPECT_EQ(g_TitleArmed[0], 0);
    EXPECT_EQ(GetSoundStats().effectPlays[0], effects + 1);
    // The stroke's fourth step, about 0.4 s after the press.
    EXPECT_GE(ticks * 15, 300);
    EXPECT_LE(ticks * 15, 500);
}

TEST_F(Title, MenuAndQuitButtonsAndThePlayOnceSound) {
    g_TitleShown = 1;
    g_FrameNo = 7;
    Tick();
    int effects = GetSoundStats().effectPlays[0];
    PressAndWait(555, 270);
    EXPECT_EQ(g_FrameNo, 61);
    // Back on the title without its init: the shared counter keeps it silent.
    g_FrameNo = 8;
    Tick(40);
    PressAndWait(500, 120);
    EXPECT_EQ(g_FrameNo, 9);
    EXPECT_EQ(GetSoundStats().effectPlays[0], effects + 1);
    g_FrameNo = 8;
    Tick(40);
    EXPECT_FALSE(QuitPosted());
    InputMouseMove(610, 384);
    InputButton(1, true, NowMs());
    Tick();
    InputButton(1, false, NowMs());
    Tick(40);
    EXPECT_TRUE(QuitPosted());
    EXPECT_EQ(ExitStatus(), 0);
}

TEST_F(Title, PressOutsideTheButtonsOnlyStrokesTheBrush) {
    g_TitleShown = 1;
    g_FrameNo = 7;
    Tick();
    InputMouseMove(100, 300);
    InputButton(1, true, NowMs());
    Tick();
    EXPECT_EQ(g_BrushStroking, 1);  // the press was taken: the brush strokes
    InputButton(1, false, NowMs());
    Tick(60);
    EXPECT_EQ(g_BrushStroking, 0);
    EXPECT_EQ(g_FrameNo, 8);
    EXPECT_EQ(g_TitleArmed[0] + g_TitleArmed[1] + g_TitleArmed[2] + g_TitleContinueArmed, 0);
}

TEST_F(Title, ANewGameHasThreeLivesAndFreshStageEvents) {
    g_Lives = 0;
    SetEventTicks(1, 1, 40);
    Stage1Arrange([](Stage1Facts& s) { s.flameOut = 1; });
    g_SelectedPaint = 2;
    g_FrameNo = 7;
    Tick();
    EXPECT_EQ(g_Lives, 3);
    EXPECT_EQ(Stage1Now().flameOut, 0);
    EXPECT_EQ(g_ScriptReset, 0);
    EXPECT_EQ(g_SelectedPaint, 0);
    EXPECT_EQ(g_StartBannerReset, 0);
    EXPECT_EQ(g_ClearBannerFlag, 0);
}
