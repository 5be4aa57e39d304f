// A monkey at the controls: seeded random input (moves, clicks, held
// buttons, right clicks, Space, Enter, F1, and clicks aimed at the paint pots
// and the walkers) from start-up and from every stage, for a stretch of game
// time, with the game's invariants checked after every frame.
//
// TOLVANE_MONKEY_MS (game time per start point, default 300000) and
// TOLVANE_MONKEY_SEED (default 1); scripts/monkey-soak.sh runs it for longer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "stage/walker.h"
#include "tick_test.h"

namespace {

uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

struct Rng {
    uint64_t s;
    uint32_t Next() {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return uint32_t(s >> 33);
    }
    bool Chance(int perMille) { return int(Next() % 1000) < perMille; }
    int Below(int n) { return int(Next() % uint32_t(n)); }
};

constexpr int kTickMs = 15;

// The longest a scene may run without another scene running in between.
// A stage lasts at most until its time strip (192 pixels at its speed per
// frame) runs out, plus its banners and pictures; every other scene ends by
// itself or on the input the monkey keeps giving within two minutes (the
// endings' roll, the longest, takes about 90 s).
uint32_t LongestSpanMs(int scene) {
    for (int k = 1; k <= kStageCount; ++k)
        if (scene == StageScene(k) + 1) return uint32_t(192.0f / StageOf(k).stripSpeed) * kTickMs + 60000;
    return 120000;
}

// One keyboard key or mouse button the monkey holds for a while.
struct Held {
    int vk = 0;     // VK_* or 0 when free
    int ticks = 0;  // frames left to hold
};

class Monkey : public TickTest, public testing::WithParamInterface<int> {
protected:
    Monkey() : TickTest(700000) {}
    void SetUp() override {
        TickTest::SetUp();
        g_Lives = 3;
        g_FromSelect = 0;
    }

    // The monkey's input for one frame, delivered as window messages would be.
    void Play(Rng& r, Held& button, Held& key) {
        if (r.Chance(300)) InputMouseMove(r.Below(640), r.Below(480));
        if (button.vk == 0 && r.Chance(40)) {
            // Aim at a paint pot or a walker now and then, so stages move on.
            int pick = r.Below(10);
            if (pick < 3)
                InputMouseMove(96 + 96 * r.Below(3) + r.Below(24), 384 + r.Below(40));
            else if (pick < 5)
                InputMouseMove(int(std::fabs(pick == 3 ? g_Hero.x : g_Partner.x)) % 640 + 16,
                               int(std::fabs(pick == 3 ? g_Hero.y : g_Partner.y)) % 480 + 16);
            button.vk = r.Chance(150) ? VK_RBUTTON : VK_LBUTTON;
            button.ticks = r.Chance(800) ? 1 + r.Below(3) : 1 + r.Below(120);  // clicks and long holds
            InputButton(button.vk == VK_LBUTTON ? 1 : 2, true, NowMs());
        } else if (button.vk && --button.ticks <= 0) {
            InputButton(button.vk == VK_LBUTTON ? 1 : 2, false, NowMs());
            button.vk = 0;
        }
        if (key.vk == 0 && r.Chance(25)) {
            int pick = r.Below(20);
            key.vk = pick < 14 ? VK_SPACE : pick < 19 ? VK_RETURN : VK_F1;
            key.ticks = r.Chance(700) ? 1 + r.Below(4) : 1 + r.Below(200);
            InputKey(key.vk, true);
        } else if (key.vk && --key.ticks <= 0) {
            InputKey(key.vk, false);
            key.vk = 0;
        }
    }

    // Everything that must hold after every frame; false (after reporting) when not.
    static bool Sane(uint32_t t) {
        auto paintOk = [](int p, int hi) { return p >= 0 && p <= hi; };
        auto finite = [](float a, float b, float c) { return std::isfinite(a) && std::isfinite(b) && std::isfinite(c); };
        bool ok = true;
        auto check = [&](bool cond, const char* what) {
            if (!cond) ADD_FAILURE() << what << " at " << t << " ms, scene " << int(g_FrameNo);
            ok = ok && cond;
        };
        check(g_FrameNo < kSceneCount, "scene out of range");
        check(g_Lives >= 0 && g_Lives <= 3, "lives out of 0..3");
        check(paintOk(g_PaintR, 9) && paintOk(g_PaintG, 9) && paintOk(g_PaintB, 9), "paint count out of 0..9");
        check(paintOk(g_SelectedPaint, 3) && paintOk(g_BrushPaint, 3), "held paint out of range");
        check(paintOk(g_HeroPaint, 4) && paintOk(g_PartnerPaint, 4), "worn paint out of range");
        check(finite(g_Hero.x, g_Hero.y, g_Hero.fallSpeed), "hero position not finite");
        check(finite(g_Partner.x, g_Partner.y, g_Partner.fallSpeed), "partner position not finite");
        for (int k = 1; k <= kStageCount; ++k)
            for (int n = 0; n < StageFallerCount(k); ++n) {
                const Faller& f = g_Fallers[k][n];
                check(finite(f.x, f.y, f.fallSpeed), "falling object position not finite");
            }
        return ok;
    }
};

}  // namespace

TEST_P(Monkey, RandomInputKeepsTheGameSane) {
    const int start = GetParam();
    const uint64_t seed = EnvNumber("TOLVANE_MONKEY_SEED", 1);
    const uint32_t runMs = uint32_t(EnvNumber("TOLVANE_MONKEY_MS", 300000));
    Rng r{seed * 1000003u + uint64_t(start)};
    Held button, key;
    g_FrameNo = uint8_t(start);
    int spanScene = -1, quits = 0, scenesSeen = 0;
    uint32_t spanStart = 0;
    bool seen[kSceneCount] = {};
    for (uint32_t t = 0; t < runMs; t += kTickMs) {
        Play(r, button, key);
        AdvanceVirtualClock(kTickMs);
        FrameTick();
        ASSERT_TRUE(LastTickRan());
        if (!Sane(t)) return;
        int ran = LastTickScene();
        if (ran < kSceneCount && !seen[ran]) {
            seen[ran] = true;
            ++scenesSeen;
        }
        if (ran != spanScene) {
            spanScene = ran;
            spanStart = t;
        }
        ASSERT_LE(t - spanStart, LongestSpanMs(ran)) << "scene " << ran << " stuck since " << spanStart << " ms";
        if (QuitPosted()) {  // the title's quit button: start again
            ResetQuit();
            ++quits;
            g_FrameNo = uint8_t(start);
            g_Lives = 3;
        }
    }
    std::printf("from scene %d: %u ms of game time, %d scenes seen, %d quits\n", start, runMs, scenesSeen, quits);
}

// Start-up, then each stage's init.
static std::vector<int> StartScenes() {
    std::vector<int> starts = {0};
    for (int k = 1; k <= kStageCount; ++k) starts.push_back(StageScene(k));
    return starts;
}
INSTANTIATE_TEST_SUITE_P(FromEachStart, Monkey, testing::ValuesIn(StartScenes()));
