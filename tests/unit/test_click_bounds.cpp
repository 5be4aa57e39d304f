// Everything that takes clicks takes them on its edges and corners and not a
// pixel beyond: the select menu's choices, the help screen's hot spots, a
// stage's pot and a walker's paint box (a finger's a margin larger), one table.
#include "tick_test.h"

#include <algorithm>

#include "app/touch.h"
#include "scenes/help.h"
#include "scenes/select_menu.h"
#include "stage/screen_layout.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "stage/walker.h"

namespace {

struct Box {
    int x0, y0, x1, y1;  // bounds included
};

class ClickBounds;

struct ClickTarget {
    const char* what;
    void (*ready)(ClickBounds& t);  // brings the game where the target takes a click
    Box (*box)();                   // where it is now
    bool (*taken)();                // whether the last click was taken
    bool finger = false;            // a finger's tap instead of the mouse's click
};

class ClickBounds : public TickTest, public testing::WithParamInterface<ClickTarget> {
public:
    void Step() { Tick(); }
    void Settle() { SettleBrush(); }
    void ClickAt(int x, int y) {
        if (!GetParam().finger) return Click(x, y);
        ResetInput();
        TouchDown(1, x, y, 0);
        TouchUp(1, x, y);
        Tick();
    }
    // Enters a scene through its init and lets any brush stroke end.
    void Enter(int initScene) {
        g_FrameNo = uint8_t(initScene);
        Tick();
        while (g_BrushStroking) Tick();
    }
    // Stage 1, running, with the brush put down.
    void Stage1Running() {
        if (g_FrameNo != kSceneStage1Frame) {
            g_Lives = 3;
            Enter(kSceneStage1Init);
            for (int guard = 0; g_StageRunning == 0 && guard < 500; ++guard) Tick();
        }
        g_SelectedPaint = 0;
        Tick();
        SettleBrush();
    }
};

Box MenuBox(int i) {
    const LayoutRect& c = kMenuChoices[i].rect;
    return {int(c.x0), int(c.y0), int(c.x1), int(c.y1)};
}
void MenuReady(ClickBounds& t) {
    g_MenuArmed[0] = g_MenuArmed[1] = 0;
    t.Enter(kSceneSelectInit);
    g_MenuArmed[0] = g_MenuArmed[1] = 0;
}

template <int Page>
Box HelpBox() {
    const LayoutRect& p = kHelpSpots[Page - 1];
    return {int(p.x0), int(p.y0), int(p.x1), int(p.y1)};
}
void HelpReady(ClickBounds& t) {
    if (g_FrameNo != kSceneHelpFrame) t.Enter(kSceneHelpInit);
    g_HelpPage = 0;
}
template <int Page>
ClickTarget HelpTarget(const char* what) {
    return {what, HelpReady, HelpBox<Page>, [] { return g_HelpPage == Page; }};
}

void HeroReady(ClickBounds& t) {
    t.Stage1Running();
    g_HeroPaint = 0;
    g_SelectedPaint = 1;
    t.Step();
    t.Settle();
    g_Hero.halted = 1;
}
Box HeroBox(int margin) {
    const int x = int(g_Hero.x), y = int(g_Hero.y);  // at the picture's left edge as stage 1 starts
    return {std::max(0, x - margin), std::max(0, y - margin), x + 32 + margin, y + 64 + margin};
}

const ClickTarget kTargets[] = {
    {"MenuStageSelect", MenuReady, [] { return MenuBox(0); }, [] { return g_MenuArmed[0] == 1; }},
    {"MenuHelp", MenuReady, [] { return MenuBox(1); }, [] { return g_MenuArmed[1] == 1; }},
    HelpTarget<1>("HelpPage1"), HelpTarget<2>("HelpPage2"), HelpTarget<3>("HelpPage3"),
    HelpTarget<4>("HelpPage4"), HelpTarget<5>("HelpPage5"), HelpTarget<6>("HelpPage6"),
    HelpTarget<7>("HelpPage7"),
    {"Stage1Pot",
     [](ClickBounds& t) {
         t.Stage1Running();
         g_PaintR = 3;
     },
     [] {
         const int x = int(StageOf(1).onePotX), y = int(kPanelPotTop), size = int(kPanelPotSize);
         return Box{x, y, x + size, y + size};
     },
     [] { return g_PaintR == 2; }},
    // A halted hero does not step in the tick of the click; a finger is
    // forgiven a margin around him.
    {"HeroPaintBox", HeroReady, [] { return HeroBox(0); }, [] { return g_HeroPaint == 1; }},
    {"HeroPaintBoxByFinger", HeroReady, [] { return HeroBox(kFingerSlop); }, [] { return g_HeroPaint == 1; }, true},
};

}  // namespace

TEST_P(ClickBounds, TakesClicksOnItsCornersAndNotAPixelBeyond) {
    const ClickTarget& target = GetParam();
    struct Probe {
        int dx, dy;  // from the corner named by the box's x0/x1, y0/y1
        bool right, bottom, inside;
    };
    const Probe probes[] = {{0, 0, false, false, true}, {0, 0, true, false, true},   {0, 0, true, true, true},
                            {0, 0, false, true, true},  {-1, 0, false, false, false}, {1, 0, true, true, false},
                            {0, -1, false, false, false}, {0, 1, true, true, false}};
    for (const Probe& p : probes) {
        target.ready(*this);
        const Box b = target.box();
        const int x = (p.right ? b.x1 : b.x0) + p.dx, y = (p.bottom ? b.y1 : b.y0) + p.dy;
        ClickAt(x, y);
        EXPECT_EQ(target.taken(), p.inside) << target.what << " at " << x << "," << y;
    }
}

static std::string TargetName(const testing::TestParamInfo<ClickTarget>& target) { return target.param.what; }

INSTANTIATE_TEST_SUITE_P(Targets, ClickBounds, testing::ValuesIn(kTargets), TargetName);
