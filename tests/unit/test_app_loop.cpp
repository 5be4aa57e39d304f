// The frame loop's gate and the dispatcher, driven with a virtual clock.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/app.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "game_run.h"
#include "scenes/game_scenes.h"

TEST(FrameGate, RunsAtFifteenMillisecondsNotFourteen) {
    g_FrameNo = 200;  // out of range: the tick runs no scene
    SetVirtualClock(true, 1000);
    g_LastTick = 0;
    FrameTick();
    EXPECT_TRUE(LastTickRan());
    EXPECT_EQ(g_LastTick, 1000u);
    AdvanceVirtualClock(14);
    FrameTick();
    EXPECT_FALSE(LastTickRan());
    EXPECT_EQ(g_LastTick, 1000u);
    AdvanceVirtualClock(1);
    FrameTick();
    EXPECT_TRUE(LastTickRan());
    EXPECT_EQ(g_LastTick, 1015u);
    SetVirtualClock(false, 0);
}

TEST(FrameGate, KeepsItsCadenceWithoutCatchingUp) {
    FrameGate g;
    EXPECT_TRUE(FrameGateDue(g, 1000));
    EXPECT_FALSE(FrameGateDue(g, 1014));
    EXPECT_TRUE(FrameGateDue(g, 1016));  // a late turn does not shift the beat
    EXPECT_TRUE(FrameGateDue(g, 1030));
    EXPECT_FALSE(FrameGateDue(g, 1044));
    // Back from a pause of 5 s: one frame, then the beat from there.
    EXPECT_TRUE(FrameGateDue(g, 6000));
    EXPECT_FALSE(FrameGateDue(g, 6001));
    EXPECT_FALSE(FrameGateDue(g, 6014));
    EXPECT_TRUE(FrameGateDue(g, 6015));
    // The clock's wrap-around changes nothing.
    FrameGate w;
    EXPECT_TRUE(FrameGateDue(w, 0xFFFFFFF8u));
    EXPECT_FALSE(FrameGateDue(w, 2));
    EXPECT_TRUE(FrameGateDue(w, 7));
    // At 70 % a frame takes 21.43 ms: the beat keeps its hundredths.
    FrameGate slow;
    int frames = 0;
    for (uint32_t t = 0; t < 3000; ++t) frames += FrameGateDue(slow, t, 150000 / 70);
    EXPECT_EQ(frames, 141);  // at 0, 21.42, ... 2998.8 ms
    EXPECT_FALSE(FrameGateDue(slow, 3019, 150000 / 70));  // the next at 3020.2
}

TEST(FrameGate, ClockWrapKeepsTheGate) {
    g_FrameNo = 200;
    SetVirtualClock(true, 0xFFFFFFF8u);
    g_LastTick = 0xFFFFFFF0u;
    FrameTick();  // 8 ms after the last frame
    EXPECT_FALSE(LastTickRan());
    AdvanceVirtualClock(7);  // wraps to 0xFFFFFFFF
    FrameTick();
    EXPECT_TRUE(LastTickRan());
    AdvanceVirtualClock(15);  // wraps past zero: 14 == 0xFFFFFFFF + 15
    FrameTick();
    EXPECT_TRUE(LastTickRan());
    EXPECT_EQ(g_LastTick, 14u);
    SetVirtualClock(false, 0);
}

TEST(Dispatcher, InitFallsThroughIntoItsFrameAndLogsBoth) {
    LogCapture log;
    g_FrameNo = 0;
    Dispatch();
    EXPECT_EQ(g_FrameNo, 1);
    Dispatch();
    EXPECT_EQ(log.Text(), "Veskinit関数通過。\nVeskframe関数通過\nVeskframe関数通過\n");
}

TEST(Dispatcher, LogTextsFollowTheSceneTable) {
    // Stage, stage-select, game-over and select inits carry no full stop.
    LogCapture log;
    for (int n : {11, 45, 47, 61, 4}) {
        g_FrameNo = uint8_t(n);
        Dispatch();
    }
    EXPECT_EQ(log.Text(),
              "GameST1init関数通過\nGameST1frame関数通過\n"
              "Optioninit関数通過\nOptionframe関数通過\n"
              "Gameoverinit関数通過\nGameoverframe関数通過\n"
              "Selectinit関数通過\nSelectinframe関数通過\n"
              "Logoframe2関数通過\n");
}

TEST(Dispatcher, EveryInitStoresItsOwnFrameNumber) {
    for (int n = 0; n < kSceneCount; ++n) {
        if (!g_GameScenes[n].isInit) continue;
        g_FrameNo = uint8_t(n);
        Dispatch();
        EXPECT_EQ(g_FrameNo, n + 1) << g_GameScenes[n].log;
    }
}

TEST(Dispatcher, OutOfRangeSceneLogsEveryTickAndRunsNothing) {
    LogCapture log;
    g_FrameNo = 200;
    Dispatch();
    Dispatch();
    EXPECT_EQ(g_FrameNo, 200);
    EXPECT_EQ(log.Text(), "g_FrameNoの値が例外です。\ng_FrameNoの値が例外です。\n");
}
