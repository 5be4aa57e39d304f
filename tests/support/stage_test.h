// A fixture for one stage's script driven directly: the stage's init, a
// clock well past any step time, and frames of script calls as the stage
// flow makes them.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>

#include "base/platform.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "stages/stage_scripts.h"

class StageTest : public testing::Test {
protected:
    // clock 0: the clock only goes forward from test to test, as in play, so
    // step times kept from an earlier test lie in the past.
    explicit StageTest(int stage, uint32_t clock = 900000) : stage_(stage), clock_(clock) {}

    void SetUp() override {
        StageInit(stage_);
        g_Now = clock_ ? clock_ : std::max<uint32_t>(g_Now, 800000) + 100000;
    }
    static void Place(Walker& w, float x, float y, int facing) {
        w.x = x;
        w.y = y;
        w.facing = facing;
    }
    // One frame: the fallers step (when asked), the frame clears halted, the
    // script runs last.
    void Run(int frames, bool fallers = false) {
        for (int i = 0; i < frames; ++i) {
            g_Now += 15;
            if (fallers) StepStageFallers(stage_);
            g_Hero.halted = g_Partner.halted = 0;
            kStageInfo[stage_].script->run();
        }
    }
    // Frames until the walker's paint is spent (at most `limit`).
    int RunUntilSpent(const PaintColour& paint, bool fallers = false, int limit = 400) {
        int frames = 0;
        while (paint != 0 && frames < limit) {
            Run(1, fallers);
            ++frames;
        }
        return frames;
    }

private:
    int stage_;
    uint32_t clock_;
};
