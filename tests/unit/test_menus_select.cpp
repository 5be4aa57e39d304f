// The select menu, the help screen, the game-over screen and the drifting
// menu background, driven tick by tick with a virtual clock.
#include <gtest/gtest.h>

#include "tick_test.h"

#include "app/app.h"
#include "app/input.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "scenes/game_over.h"
#include "scenes/help.h"
#include "scenes/menu_backdrop.h"
#include "scenes/select_menu.h"
#include "stage/screen_layout.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/hud.h"
#include "stage/stage_state.h"

namespace {

class Menus : public TickTest {
protected:
    Menus() : TickTest(900000) {}
    void SetUp() override {
        TickTest::SetUp();
        g_MenuArmed[0] = g_MenuArmed[1] = 0;
        g_MusicOnce = 0;
        g_SoundOnce[0] = 0;
        g_GameOverSound = 0;
    }
    // Enters a scene through its init and lets any brush stroke end.
    void Enter(int initScene) {
        g_FrameNo = uint8_t(initScene);
        Tick();
        ASSERT_EQ(g_FrameNo, initScene + 1);
        while (g_BrushStroking) Tick();
    }
    // Ticks while the scene stays `scene`; returns the ticks run.
    int TicksWhile(int scene, int limit = 100) {
        int n = 0;
        while (g_FrameNo == scene && n < limit) {
            Tick();
            ++n;
        }
        return n;
    }
};

}  // namespace

TEST_F(Menus, SelectChoiceFiresWhenTheStrokeEndsEvenAfterAQuickRelease) {
    Enter(61);
    Click(300, 150);
    uint32_t pressedAt = NowMs();  // the tick that saw the press
    EXPECT_EQ(g_MenuArmed[0], 1);
    EXPECT_EQ(g_FrameNo, 62);
    TicksWhile(62);
    EXPECT_EQ(g_FrameNo, 45);
    EXPECT_EQ(g_BrushAnim, 1.0f);
    uint32_t firedAfter = NowMs() - pressedAt;
    // Four stroke steps of at least 100 ms (105 ms in 15 ms ticks), the
    // first due at any moment within one step.
    EXPECT_GE(firedAfter, 315u);
    EXPECT_LE(firedAfter, 420u);
    EXPECT_EQ(g_MenuArmed[0], 0);
    EXPECT_EQ(GetSoundStats().effectPlays[0], 1);
}

TEST_F(Menus, DraggingOntoHelpWhileHoldingArmsItAndFiresAtTheStrokesEnd) {
    Enter(61);
    InputMouseMove(20, 20);
    InputButton(1, true, NowMs());
    Tick();
    EXPECT_EQ(g_MenuArmed[1], 0);
    InputMouseMove(300, 290);  // still held
    Tick();
    EXPECT_EQ(g_MenuArmed[1], 1);
    TicksWhile(62);
    EXPECT_EQ(g_FrameNo, 59);
    EXPECT_EQ(g_MenuArmed[1], 0);
    InputButton(1, false, NowMs());
}

TEST_F(Menus, ChoiceArmedWithoutAStrokeWaitsForTheNextOne) {
    Enter(61);
    g_LButton = 0;
    InputMouseMove(300, 290);
    InputButton(1, true, NowMs());
    g_LButton = 0;  // as after a double click: no stroke starts
    Tick(20);
    EXPECT_EQ(g_MenuArmed[1], 1);
    EXPECT_EQ(g_FrameNo, 62);
    InputButton(1, false, NowMs());
    Click(20, 20);  // a stroke anywhere
    TicksWhile(62);
    EXPECT_EQ(g_FrameNo, 59);
}

TEST_F(Menus, ThePressThatOpenedTheMenuDoesNotFireAChoice) {
    // Held on the title's menu button where it overlaps the help choice,
    // while the stroke still stands at its last frame.
    InputMouseMove(430, 260);
    InputButton(1, true, NowMs());
    g_BrushStroking = 1;
    g_BrushAnim = 1.0f;
    g_FrameNo = 61;
    Tick(10);
    EXPECT_EQ(g_FrameNo, 62);
    EXPECT_EQ(g_MenuArmed[1], 0);
    InputButton(1, false, NowMs());
    Tick();
    InputButton(1, true, NowMs());  // pressed again: armed
    Tick();
    EXPECT_EQ(g_MenuArmed[1], 1);
    InputButton(1, false, NowMs());
}

TEST_F(Menus, SelectKeepsTheTitlesMusicAndSharesItsButtonSound) {
    // As the title leaves them: its music started, its button sound played.
    g_MusicOnce = 4;
    g_SoundOnce[0] = 1;
    Enter(61);
    Click(300, 150);
    TicksWhile(62);
    EXPECT_EQ(g_FrameNo, 45);
    EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 0);
    EXPECT_EQ(GetSoundStats().effectPlays[0], 0);
}

TEST_F(Menus, RightButtonLeavesSelectAndHelpForTheTitle) {
    for (int scene : {61, 59}) {
        Enter(scene);
        InputButton(2, true, NowMs());
        Tick();
        EXPECT_EQ(g_FrameNo, 7) << scene;
        InputButton(2, false, NowMs());
    }
}

TEST_F(Menus, HelpShowsNoPageUntilAHotSpotIsClicked) {
    g_HelpPage = 5;
    Enter(59);
    EXPECT_EQ(g_HelpPage, 0);
    Click(20, 20);
    Tick(3);
    EXPECT_EQ(g_HelpPage, 0);
}

TEST_F(Menus, HelpPageStaysUntilAnotherSpotAndShowsItsNumberAboveIt) {
    Enter(59);
    Click(300, 380);  // page 7
    EXPECT_EQ(g_HelpPage, 7);
    EXPECT_FLOAT_EQ(HelpPageQuad.v[0].u, 0.78125f);
    EXPECT_FLOAT_EQ(HelpPageQuad.v[2].u, 0.9375f);
    EXPECT_FLOAT_EQ(HelpPageQuad.v[0].x, 470);
    EXPECT_FLOAT_EQ(HelpPageQuad.v[2].y, 438);
    // The number glyph: 48 x 48 centred on (460, 140).
    EXPECT_FLOAT_EQ(StageNumber.v[0].x, 436);
    EXPECT_FLOAT_EQ(StageNumber.v[0].y, 116);
    EXPECT_FLOAT_EQ(StageNumber.v[2].x, 484);
    EXPECT_FLOAT_EQ(StageNumber.v[2].y, 164);
    EXPECT_FLOAT_EQ(StageNumber.v[0].u, LetterStageNumber(7).x0 / kLetteringSheet);
    EXPECT_FLOAT_EQ(StageNumber.v[0].v, LetterStageNumber(7).y0 / kLetteringSheet);

    Click(20, 20);
    Tick(10);
    EXPECT_EQ(g_HelpPage, 7);
    // Holding the button and sliding onto a spot is not a click there.
    InputMouseMove(60, 230);
    InputButton(1, true, NowMs());
    g_LButton = 0;
    Tick();
    EXPECT_EQ(g_HelpPage, 7);
    InputButton(1, false, NowMs());

    Click(230, 370);  // page 6
    EXPECT_EQ(g_HelpPage, 6);
    EXPECT_FLOAT_EQ(HelpPageQuad.v[0].u, 0.627f);
}

TEST_F(Menus, GameOverRestoresLivesSoundsOncePerVisitAndSpaceGoesToTheTitle) {
    for (int visit = 1; visit <= 2; ++visit) {
        g_Lives = 0;
        g_ScriptReset = 0;
        g_FrameNo = 47;
        Tick();
        EXPECT_EQ(g_Lives, 3);
        EXPECT_EQ(g_ScriptReset, 1);
        Tick(50);
        EXPECT_EQ(g_FrameNo, 48);
        EXPECT_EQ(GetSoundStats().effectPlays[0], visit);
        EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 0);
        InputKey(VK_SPACE, true);
        Tick();
        EXPECT_EQ(g_FrameNo, 7);
        EXPECT_EQ(g_GameOverSound, 0);
        InputKey(VK_SPACE, false);
    }
    g_ScriptReset = 0;
}

TEST_F(Menus, BackgroundStepsEvery45msAndWrapsWithoutASeam) {
    Enter(61);
    g_SelectBgTile = {{{-640, 0}, {0, 0}, {0, 480}, {-640, 480}}, NowMs()};
    Tick(30);  // 450 ms: ten steps
    EXPECT_FLOAT_EQ(g_SelectBgTile.pos[1][0], 10);
    EXPECT_FLOAT_EQ(g_SelectBgTile.pos[1][1], -10);

    // Just before a wrap in both directions.
    g_SelectBgTile = {{{0, -480}, {640, 0}, {640, 480}, {0, 0}}, 0};
    Tick();
    EXPECT_FLOAT_EQ(g_SelectBgTile.pos[1][0], -639);
    EXPECT_FLOAT_EQ(g_SelectBgTile.pos[0][0], 1);   // its neighbour, 640 to the right
    EXPECT_FLOAT_EQ(g_SelectBgTile.pos[0][1], 479);
    EXPECT_FLOAT_EQ(g_SelectBgTile.pos[3][1], -1);  // its neighbour, 480 above
}

TEST_F(Menus, SelectAndHelpBackgroundsDriftIndependentlyAndResumeAfterAVisit) {
    Enter(61);
    Tick(30);
    TileDrift help = g_HelpBgTile;
    TileDrift select = g_SelectBgTile;
    Tick(30);
    EXPECT_FLOAT_EQ(g_HelpBgTile.pos[0][0], help.pos[0][0]);
    EXPECT_NE(g_SelectBgTile.pos[0][0], select.pos[0][0]);

    // Leaving and coming back continues where the drift stopped.
    select = g_SelectBgTile;
    g_FrameNo = 61;
    Tick();
    EXPECT_NEAR(g_SelectBgTile.pos[0][0], select.pos[0][0], 1.0f);
    EXPECT_NEAR(g_SelectBgTile.pos[0][1], select.pos[0][1], 1.0f);

    Enter(59);
    EXPECT_NEAR(g_HelpBgTile.pos[0][0], help.pos[0][0], 1.0f);
}
