// A fixture for one stage's script driven directly: the stage's init, a
// clock well past any step time, and frames of script calls as the stage
// flow makes them.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

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
    // parked: both walkers start where no event or rule reaches them.
    explicit StageTest(int stage, uint32_t clock = 900000, bool parked = false)
        : stage_(stage), clock_(clock), parked_(parked) {}

    void SetUp() override {
        StageInit(stage_);
        g_Now = clock_ ? clock_ : std::max<uint32_t>(g_Now, 800000) + 100000;
        if (parked_) {
            Park(g_Hero);
            Park(g_Partner);
        }
    }
    static void Place(Walker& w, float x, float y, int facing) {
        w.x = x;
        w.y = y;
        w.facing = facing;
    }
    static void Park(Walker& w) { Place(w, 600, 300, 0); }
    // Placed holding a paint.
    static void Place(Walker& w, float x, float y, int facing, PaintColour paint) {
        Place(w, x, y, facing);
        (&w == &g_Hero ? g_HeroPaint : g_PartnerPaint) = paint;
    }
    Faller& F(int n) const { return g_Fallers[stage_][n - 1]; }  // faller n of the stage
    // A walker or faller stands at (x, y).
    template <typename Thing>
    static void ExpectAt(const Thing& t, float x, float y) {
        EXPECT_EQ(t.x, x);
        EXPECT_EQ(t.y, y);
    }
    struct CellIs {
        int row, col, code;
    };
    // The map cells hold these codes.
    static void ExpectCells(int stage, std::initializer_list<CellIs> cells) {
        for (const CellIs& c : cells)
            EXPECT_EQ(MapCell(stage, c.row, c.col), c.code) << "cell (" << c.row << ", " << c.col << ")";
    }
    // One frame: the fallers step (when asked), the frame clears halted, the
    // script runs last.
    void Run(int frames, bool fallers = false) {
        for (int i = 0; i < frames; ++i) {
            g_Now += 15;
            if (fallers) StepStageFallers(stage_);
            g_Hero.halted = g_Partner.halted = 0;
            ScriptOf(stage_).run();
        }
    }
    // The meeting goal: `first` comes home to its place and waits there,
    // halted, facing waitFacing; `second`, shortBy pixels along x short of
    // its place (0: no such step), clears nothing; at its place it stops, the
    // first turns to it, and the stage is cleared with the clock stopped.
    // Both walk in facing the other way from waitFacing.
    struct Meeting {
        Walker& first;
        float firstX, firstY;
        int waitFacing;
        Walker& second;
        float secondX, secondY;
        float shortBy;
    };
    void ExpectMeeting(const Meeting& m) {
        const bool heroFirst = &m.first == &g_Hero;
        Place(m.first, m.firstX, m.firstY, 1 - m.waitFacing);
        Run(1);
        EXPECT_EQ(heroFirst ? g_HeroArrived : g_PartnerArrived, 1);
        EXPECT_EQ(m.first.facing, m.waitFacing);
        EXPECT_EQ(m.first.halted, 1);
        EXPECT_EQ(g_StageCleared, 0);
        if (m.shortBy != 0) {
            Place(m.second, m.secondX + m.shortBy, m.secondY, 1 - m.waitFacing);
            Run(1);
            EXPECT_EQ(g_StageCleared, 0);
        }
        Place(m.second, m.secondX, m.secondY, 1 - m.waitFacing);
        Run(1);
        EXPECT_EQ(heroFirst ? g_PartnerArrived : g_HeroArrived, 0);  // the first stays the first
        EXPECT_EQ(m.first.facing, 1 - m.waitFacing);
        EXPECT_EQ(m.second.halted, 1);
        EXPECT_EQ(g_StageCleared, 1);
        EXPECT_EQ(g_TimerPaused, 1);
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
    bool parked_;
};
