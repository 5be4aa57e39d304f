// The stage select: pages, arrows, rows launching their stages and the way
// back to the title, driven tick by tick with a virtual clock.
#include <gtest/gtest.h>

#include <cstring>

#include "tick_test.h"

#include <cstdio>

#include "app/app.h"
#include "app/input.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "scenes/stage_select.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/screen_layout.h"
#include "stage/stage_flow.h"

namespace {

// The middle of a rectangle.
int MidX(const LayoutRect& r) { return int(r.x0 + r.x1) / 2; }
int MidY(const LayoutRect& r) { return int(r.y0 + r.y1) / 2; }

class StageSelect : public TickTest {
protected:
    StageSelect() : TickTest(1300000) {}
    void SetUp() override {
        TickTest::SetUp();
        for (int& a : g_SelectArmed) a = 0;
        g_FromSelect = 1;
        g_FrameNo = 45;
        Tick();
        Settle();
    }
    void Settle() { SettleBrush(); }
    void TurnTo(int page) {
        while (g_SelectPage != page) {
            Click(MidX(kSelectNextArrow), MidY(kSelectNextArrow));
            Settle();
        }
        InputMouseMove(300, 20);  // off the rows
    }
    int TicksWhileHere(int limit = 100) {
        int n = 0;
        while (g_FrameNo == 46 && n < limit) {
            Tick();
            ++n;
        }
        return n;
    }
};

// The middle of a row's band.
int RowY(int row) { return int(SelectRowBand(row).y0 + SelectRowBand(row).y1) / 2; }

}  // namespace

TEST_F(StageSelect, InitShowsPageOneClearsTheSelectFlagAndRestartsTheTitleTune) {
    EXPECT_EQ(g_FrameNo, 46);
    EXPECT_EQ(g_SelectPage, 1);
    EXPECT_EQ(g_FromSelect, 0);
    EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 1);
    Tick(20);
    EXPECT_EQ(GetSoundStats().musicPlays[kMusicSlot], 1);
}

TEST_F(StageSelect, EveryRowLaunchesItsStageInPlayOrderWithSoundStopped) {
    const int expected[3][3] = {{11, 15, 19}, {23, 43, 27}, {35, 31, 39}};
    for (int page = 1; page <= 3; ++page) {
        for (int row = 0; row < 3; ++row) {
            g_FrameNo = 45;
            Tick();
            Settle();
            TurnTo(page);
            int stops = GetSoundStats().stopAll;
            Click(300, RowY(row));
            EXPECT_EQ(g_SelectArmed[row], 1);
            TicksWhileHere();
            EXPECT_EQ(g_FrameNo, expected[page - 1][row]) << "page " << page << " row " << row;
            EXPECT_EQ(g_FromSelect, 1);
            EXPECT_EQ(g_SelectArmed[row], 0);
            EXPECT_EQ(GetSoundStats().stopAll, stops + 1);
        }
    }
}

TEST_F(StageSelect, RowTextsFitBesideEachOther) {
    // Half-width characters advance 10 px, everything else 20 px.
    auto width = [](const char* s) {
        int w = 0;
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p;) {
            int len = *p < 0x80 ? 1 : *p >= 0xF0 ? 4 : *p >= 0xE0 ? 3 : 2;
            w += len == 1 ? 10 : 20;
            p += len;
        }
        return w;
    };
    for (int k = 1; k <= kStageCount; ++k) {
        const SelectEntry& e = StageOf(k).select;
        EXPECT_LE(390 + width(e.title), 640) << e.title;
        EXPECT_LE(300 + width(e.stars), 640) << e.title;
    }
}

TEST_F(StageSelect, ArrowsTurnOnePagePerClickAndWrapBothWays) {
    const LayoutRect prev = kSelectPrevArrow, next = kSelectNextArrow;
    Click(MidX(prev), MidY(prev));  // previous, from page 1
    EXPECT_EQ(g_SelectPage, 3);
    Settle();
    Click(MidX(next), MidY(next));  // next, from page 3
    EXPECT_EQ(g_SelectPage, 1);
    Settle();
    // Held down for many ticks: still one page.
    ResetInput();
    InputMouseMove(MidX(next), MidY(next));
    InputButton(1, true, NowMs());
    Tick(20);
    EXPECT_EQ(g_SelectPage, 2);
    InputButton(1, false, NowMs());
    Settle();
    // The next arrow's click area reaches left to x 500; between 465 and 499 is nothing.
    Click(500, int(next.y0));
    EXPECT_EQ(g_SelectPage, 3);
    Settle();
    Click(480, MidY(next));
    EXPECT_EQ(g_SelectPage, 3);
    Settle();
    Click(int(prev.x1), int(prev.y1));  // previous arrow's corner
    EXPECT_EQ(g_SelectPage, 2);
    Settle();
    Click(int(next.x1), int(next.y1) + 1);
    EXPECT_EQ(g_SelectPage, 2);
    Settle();
    EXPECT_EQ(g_FrameNo, 46);
}

TEST_F(StageSelect, HoveredArrowBlinksEvery200msAndStopsWhenLeft) {
    InputMouseMove(MidX(kSelectPrevArrow), MidY(kSelectPrevArrow));
    float seen[40];
    for (float& b : seen) {
        Tick();
        b = g_ArrowBlinkPrev;
    }
    int changes = 0;
    for (int i = 1; i < 40; ++i) {
        EXPECT_TRUE(seen[i] == 0.0f || seen[i] == 0.0625f);
        changes += seen[i] != seen[i - 1];
    }
    EXPECT_GE(changes, 2);  // 600 ms: a change every 14 ticks (210 ms)
    EXPECT_LE(changes, 3);
    EXPECT_EQ(g_ArrowBlinkNext, 0.0f);
    InputMouseMove(300, 20);
    Tick();
    EXPECT_EQ(g_ArrowBlinkPrev, 0.0f);
}

TEST_F(StageSelect, GapBetweenRowsArmsNothing) {
    const int gapTop = int(SelectRowBand(0).y1) + 1, gapBottom = int(SelectRowBand(1).y0) - 1;
    for (int y : {gapTop, (gapTop + gapBottom) / 2, gapBottom}) {
        Click(300, y);
        Settle();
        EXPECT_EQ(g_SelectArmed[0] + g_SelectArmed[1] + g_SelectArmed[2], 0) << y;
        EXPECT_EQ(g_FrameNo, 46);
    }
    // The press bands' edges are inside.
    Click(int(SelectRowBand(0).x0), int(SelectRowBand(0).y0));
    EXPECT_EQ(g_SelectArmed[0], 1);
    TicksWhileHere();
    EXPECT_EQ(g_FrameNo, 11);
}

TEST_F(StageSelect, ALowerRowPressedDuringTheStrokeDecides) {
    Click(300, RowY(0));
    Tick(2);
    InputMouseMove(300, RowY(2));
    InputButton(1, true, NowMs());
    Tick();
    InputButton(1, false, NowMs());
    EXPECT_EQ(g_SelectArmed[0], 1);
    EXPECT_EQ(g_SelectArmed[2], 1);
    TicksWhileHere();
    EXPECT_EQ(g_FrameNo, 19);
    EXPECT_EQ(g_SelectArmed[0] + g_SelectArmed[2], 0);
}

TEST_F(StageSelect, RightButtonGoesToTheTitleEvenInTheTickOfALaunch) {
    g_SelectArmed[1] = 1;
    g_BrushStroking = 1;
    g_BrushAnim = 0.75f;
    int stops = GetSoundStats().stopAll;
    InputButton(2, true, NowMs());
    AdvanceVirtualClock(200);  // the stroke's next step is due
    Tick();
    EXPECT_EQ(g_BrushAnim, 1.0f);
    EXPECT_EQ(g_FrameNo, 7);
    EXPECT_EQ(g_FromSelect, 1);
    EXPECT_EQ(GetSoundStats().stopAll, stops + 1);
    InputButton(2, false, NowMs());
}

TEST_F(StageSelect, APressHeldOverFromTheMenuDoesNotLaunchTheRowUnderIt) {
    // The select menu's choice (y 128..190) lies in the first row's band and
    // fires while the stroke stands at its last frame.
    ResetInput();
    InputMouseMove(300, RowY(0));
    InputButton(1, true, NowMs());
    g_BrushStroking = 1;
    g_BrushAnim = 1.0f;
    g_FrameNo = 45;
    for (int t = 0; t < 10; ++t) Tick();
    EXPECT_EQ(g_FrameNo, 46);
    EXPECT_EQ(g_SelectArmed[0], 0);
    InputButton(1, false, NowMs());
    Tick();
    Click(300, RowY(0));  // a press of its own launches
    EXPECT_EQ(g_SelectArmed[0], 1);
    EXPECT_EQ(g_BrushStroking, 1);
    TicksWhileHere();
    EXPECT_EQ(g_FrameNo, 11);
}
