// The one fixture for scene tests: the game's frame tick on a virtual clock,
// with clicks fed in as window messages.
#pragma once
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/input.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "sound/sound.h"
#include "stage/brush.h"

class TickTest : public testing::Test {
protected:
    explicit TickTest(uint32_t clockStart = 500000) : clockStart_(clockStart) {}

    void SetUp() override {
        SetVirtualClock(true, clockStart_);
        g_LastTick = 0;
        ResetInput();
        ResetQuit();
        ResetSoundStats();
        g_BrushAnim = 0;
        g_BrushStroking = 0;
    }
    void TearDown() override {
        ResetInput();
        ResetQuit();
        SetVirtualClock(false, 0);
    }
    // n frame ticks, 15 ms apart; returns the scene the last one dispatched.
    int Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            AdvanceVirtualClock(15);
            FrameTick();
        }
        return LastTickScene();
    }
    // A fresh click at (x, y): pressed for one tick, then released.
    void Click(int x, int y) {
        ResetInput();
        InputMouseMove(x, y);
        InputButton(1, true, NowMs());
        Tick();
        InputButton(1, false, NowMs());
    }
    // Lets a running brush stroke end, so the next press starts a new one.
    void SettleBrush() {
        for (int i = 0; i < 100 && g_BrushStroking; ++i) Tick();
    }

private:
    uint32_t clockStart_;
};
