// The talk engine driven tick by tick through the dispatcher: clicks, Space,
// F1, cues and the late portraits.
#include "tick_test.h"

#include <cstring>
#include <string>

#include "base/platform.h"
#include "app/scenes.h"
#include "scenes/game_scenes.h"
#include "gfx/gfx.h"
#include "sound/sound.h"
#include "sound/sound_slots.h"
#include "talk/talk.h"
#include "talk/talk_faces.h"

namespace {

// Ticks run the dispatcher alone, on key states the test holds.
class TalkEngine : public TickTest {
protected:
    void SetUp() override {
        TickTest::SetUp();
        std::memset(g_KeyState, 0, sizeof g_KeyState);
        g_LButton = 0;
    }
    void TearDown() override {
        std::memset(g_KeyState, 0, sizeof g_KeyState);
        g_LButton = 0;
        TickTest::TearDown();
    }
    static void Hold(int vk, bool down) { g_KeyState[vk] = down ? 0x80 : 0; }
    // Starts a scene: its init and first frame run in one tick.
    static void Start(int initNo) {
        g_FrameNo = uint8_t(initNo);
        Dispatch();
    }
    // One tick with a fresh press of the left button.
    static void ClickTick() {
        Hold(VK_LBUTTON, true);
        g_LButton = 1;
        Dispatch();
        Hold(VK_LBUTTON, false);
    }
    static int Effects(int slot) { return GetSoundStats().effectPlays[slot]; }
};

}  // namespace

TEST_F(TalkEngine, InitShowsLineZeroAndMovesToItsFrame) {
    Start(9);
    EXPECT_EQ(g_FrameNo, 10);
    EXPECT_EQ(g_TalkLine, 0);
    EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 1);
    for (int i = 0; i < 10; ++i) Dispatch();
    EXPECT_EQ(g_TalkLine, 0);  // nothing advances without input
    EXPECT_EQ(g_FrameNo, 10);
    EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 1);
}

TEST_F(TalkEngine, ClickAdvancesExactlyOneLineAndIsConsumed) {
    Start(9);
    ClickTick();
    EXPECT_EQ(g_TalkLine, 1);
    EXPECT_EQ(g_LButton, 0);
    // The button stays down but the click was used: no further advance.
    Hold(VK_LBUTTON, true);
    for (int i = 0; i < 5; ++i) Dispatch();
    EXPECT_EQ(g_TalkLine, 1);
    // g_LButton without the button down is not a click either.
    Hold(VK_LBUTTON, false);
    g_LButton = 1;
    Dispatch();
    EXPECT_EQ(g_TalkLine, 1);
    ClickTick();
    EXPECT_EQ(g_TalkLine, 2);
}

TEST_F(TalkEngine, ClickOnTheLastLineLeavesForTheNextScene) {
    Start(25);  // six lines, then Talk02
    for (int i = 0; i < 5; ++i) ClickTick();
    EXPECT_EQ(g_TalkLine, 5);
    EXPECT_EQ(g_FrameNo, 26);
    ClickTick();
    EXPECT_EQ(g_FrameNo, 51);
    EXPECT_EQ(g_TalkLine, 5);
    EXPECT_EQ(g_LButton, 0);
    EXPECT_EQ(GetSoundStats().stopAll, 0);  // only the last scene silences
}

TEST_F(TalkEngine, HeldSpaceRacesOneLinePerTickAndEndsOnTheLastLine) {
    Start(9);  // line 0 shows on the init tick
    Hold(VK_SPACE, true);
    int ticks = 1;
    while (g_FrameNo == 10 && ticks < 100) {
        Dispatch();
        ++ticks;
        if (g_FrameNo == 10) {
            EXPECT_EQ(g_TalkLine, ticks - 1);
        }
    }
    EXPECT_EQ(ticks, 22);
    EXPECT_EQ(g_TalkLine, 21);
    EXPECT_EQ(g_FrameNo, 11);
    // Every cue of the passed lines sounded once: slot 0 on lines 2 and 7,
    // slot 2 on line 13.
    EXPECT_EQ(Effects(0), 2);
    EXPECT_EQ(Effects(12), 1);
    EXPECT_EQ(Effects(13), 1);
    EXPECT_EQ(Effects(1), 1);
    EXPECT_EQ(Effects(10), 1);
    EXPECT_EQ(Effects(2), 1);
    int total = 0;
    for (int s = 0; s < kSoundSlots; ++s) total += Effects(s);
    EXPECT_EQ(total, 7);
}

TEST_F(TalkEngine, SpaceHeldFromTheInitTickSkipsLineZero) {
    Hold(VK_SPACE, true);
    Start(25);
    EXPECT_EQ(g_TalkLine, 1);
    for (int i = 0; i < 3; ++i) Dispatch();
    EXPECT_EQ(g_TalkLine, 4);
    EXPECT_EQ(g_FrameNo, 26);
    Dispatch();
    EXPECT_EQ(g_TalkLine, 5);
    EXPECT_EQ(g_FrameNo, 51);
    EXPECT_EQ(Effects(15), 1);  // line 2
    EXPECT_EQ(Effects(3), 1);   // line 5, drawn once on the leaving tick
}

TEST_F(TalkEngine, SpaceBeyondTheLastLineLeavesAndDropsTheClick) {
    Start(25);
    for (int i = 0; i < 5; ++i) ClickTick();
    ASSERT_EQ(g_TalkLine, 5);
    ResetSoundStats();
    Hold(VK_SPACE, true);
    Hold(VK_LBUTTON, true);
    g_LButton = 1;
    Dispatch();
    EXPECT_EQ(g_TalkLine, 6);
    EXPECT_EQ(g_FrameNo, 51);
    EXPECT_EQ(g_LButton, 0);
    EXPECT_EQ(Effects(3), 0);  // no line is handled past the end
}

TEST_F(TalkEngine, F1ReturnsToTheTitleButTheTickStillRuns) {
    Start(9);
    Hold(VK_F1, true);
    ClickTick();
    EXPECT_EQ(g_FrameNo, 7);
    EXPECT_EQ(g_TalkLine, 1);
    EXPECT_EQ(g_LButton, 0);
}

TEST_F(TalkEngine, SpaceReachingTheLastLineWinsOverF1) {
    Start(25);
    for (int i = 0; i < 4; ++i) ClickTick();
    ASSERT_EQ(g_TalkLine, 4);  // second to last
    Hold(VK_F1, true);
    Hold(VK_SPACE, true);
    Dispatch();
    EXPECT_EQ(g_FrameNo, 51);
    // On an earlier line F1 wins: Space only moves one line.
    Start(25);
    EXPECT_EQ(g_TalkLine, 1);
    EXPECT_EQ(g_FrameNo, 7);
}

TEST_F(TalkEngine, PortraitsFollowTheTextOneTickLate) {
    g_LeftFace = 9;
    g_RightFace = 1;
    g_FaceCover = 1;
    SetQuadColour(RightFaceQuad, 0x00000000u);
    Start(9);  // start faces 0, 4, 5
    // The first tick draws the init's faces: right cell 8, cover hiding the
    // right portrait, right portrait opaque again.
    EXPECT_FLOAT_EQ(RightFaceQuad.v[0].u, 0.0f);
    EXPECT_FLOAT_EQ(RightFaceQuad.v[0].v, 0.625f);
    EXPECT_FLOAT_EQ(CoverQuad.v[0].x, 414.0f);
    EXPECT_EQ(CoverQuad.v[0].diffuse, 0xFFFFFFFFu);
    EXPECT_EQ(RightFaceQuad.v[2].diffuse, 0xFFFFFFFFu);

    ClickTick();  // to line 1 (same faces)
    ClickTick();  // to line 2, which is handled from the next tick on
    Dispatch();   // line 2's text shows and its cover 0 is stored...
    EXPECT_EQ(g_FaceCover, 0);
    EXPECT_FLOAT_EQ(CoverQuad.v[0].x, 414.0f);  // ...but line 1's cover is drawn
    Dispatch();
    EXPECT_FLOAT_EQ(CoverQuad.v[0].x, 66.0f);
    EXPECT_EQ(CoverQuad.v[0].diffuse, 0x80FFFFFFu);

    ClickTick();  // to line 3: the hero's surprised face (cell 2)
    Dispatch();
    EXPECT_EQ(g_LeftFace, 2);
    EXPECT_FLOAT_EQ(LeftFaceQuad.v[0].u, 0.0f);
    Dispatch();
    EXPECT_FLOAT_EQ(LeftFaceQuad.v[0].u, 0.3125f);
    EXPECT_FLOAT_EQ(CoverQuad.v[0].x, 414.0f);
    EXPECT_EQ(CoverQuad.v[0].diffuse, 0x80FFFFFFu);
}

TEST_F(TalkEngine, CueSoundsOnceHoweverLongItsLineShows) {
    Start(9);
    ClickTick();
    ClickTick();  // line 2: slot 0 on c0
    for (int i = 0; i < 30; ++i) Dispatch();
    EXPECT_EQ(Effects(0), 1);
}

TEST_F(TalkEngine, TheSameSoundCuedOnTwoLinesSoundsOnEach) {
    Start(29);  // Talk5: the crow on lines 6 and 7
    for (int i = 0; i < 6; ++i) ClickTick();
    Dispatch();
    EXPECT_EQ(Effects(kSoundCrow), 1);
    ClickTick();
    Dispatch();
    ASSERT_EQ(g_TalkLine, 7);
    EXPECT_EQ(Effects(kSoundCrow), 2);
}

TEST_F(TalkEngine, LeavingWithF1AndComingBackReplaysTheCues) {
    Start(9);
    for (int i = 0; i < 3; ++i) ClickTick();
    Hold(VK_F1, true);
    Dispatch();  // line 3 shows once as the scene is left
    Hold(VK_F1, false);
    ASSERT_EQ(g_FrameNo, 7);
    EXPECT_EQ(Effects(0), 1);
    EXPECT_EQ(Effects(12), 1);
    Start(9);
    EXPECT_EQ(g_TalkLine, 0);
    for (int i = 0; i < 4; ++i) ClickTick();
    EXPECT_EQ(Effects(0), 2);
    EXPECT_EQ(Effects(12), 2);
    EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 2);
}

TEST_F(TalkEngine, OnlyTheLastSceneStopsAllSoundWhenItLeaves) {
    // Click on the last line.
    Start(55);
    for (int i = 0; i < 11; ++i) ClickTick();
    EXPECT_EQ(GetSoundStats().stopAll, 0);
    ClickTick();
    EXPECT_EQ(g_FrameNo, 57);
    EXPECT_EQ(GetSoundStats().stopAll, 1);
    // Space reaching the last line.
    Hold(VK_SPACE, true);
    Start(55);
    while (g_FrameNo == 56) Dispatch();
    EXPECT_EQ(g_FrameNo, 57);
    EXPECT_EQ(GetSoundStats().stopAll, 2);
    // Space past the last line after a click brought it there.
    Hold(VK_SPACE, false);
    Start(55);
    for (int i = 0; i < 11; ++i) ClickTick();
    Hold(VK_SPACE, true);
    Dispatch();
    EXPECT_EQ(g_FrameNo, 57);
    EXPECT_EQ(GetSoundStats().stopAll, 3);
}

TEST_F(TalkEngine, TraceCarriesTheLineWhileATalkSceneRuns) {
    g_TalkLine = 7;
    std::string line;
    AppendSceneTraceFields(line, 10);
    EXPECT_NE(line.find(",\"line\":7"), std::string::npos);
    line.clear();
    AppendSceneTraceFields(line, 55);
    EXPECT_NE(line.find(",\"line\":7"), std::string::npos);
    for (int scene : {7, 8, 11, 12, 45, 57}) {
        line.clear();
        AppendSceneTraceFields(line, scene);
        EXPECT_EQ(line.find("\"line\""), std::string::npos) << scene;
    }
}
