#include "app/watch.h"

#include <cstdio>
#include <vector>

#include "app/input.h"
#include "app/pause.h"
#include "app/progress.h"
#include "app/record.h"
#include "app/replay.h"
#include "app/scenes.h"
#include "base/language.h"
#include "base/platform.h"
#include "gfx/gfx.h"
#include "sound/sound.h"

namespace {

struct Watch {
    bool active = false;
    bool verify = false;
    bool begun = false;  // its stage's init has run
    Replay replay;
    size_t next = 0;     // the next event to hand over
    uint32_t start = 0;  // the game time of its stage's init tick
    bool paused = false, stepDue = false;
    int pace = 1;
    bool cleared = false;
    uint32_t clearMs = 0;
    int pointerX = 320, pointerY = 240;  // the player's own pointer
};
Watch s_Watch;
// What the last --verify saw (kept after the watch ends).
struct VerifySeen {
    int stage = 0;
    bool cleared = false;
    uint32_t clearMs = 0;
    std::string version;
};
VerifySeen s_Verify;

bool s_Kept[kStageCount + 1][2];  // [stage][best]

// A try that clears leaves no input for long after it; past this much game
// time beyond its last input a replay has failed.
constexpr uint32_t kAfterLastInputMs = 120000;

// The controls, left to right along the top of the picture.
enum class Control { Pause, Step, Pace1, Pace2, Pace4, Leave };
struct Button {
    Control control;
    int x0, x1;
    const char* ja;
    const char* en;
};
const Button kButtons[] = {
    {Control::Pause, 142, 242, "一時停止", "Pause"}, {Control::Step, 248, 348, "コマ送り", "Step"},
    {Control::Pace1, 354, 398, "１倍", "1x"},       {Control::Pace2, 404, 448, "２倍", "2x"},
    {Control::Pace4, 454, 498, "４倍", "4x"},       {Control::Leave, 504, 634, "もどる", "Leave"},
};
constexpr int kBarY0 = 4, kBarY1 = 40;

void Act(Control c) {
    Watch& w = s_Watch;
    switch (c) {
        case Control::Pause: w.paused = !w.paused; break;
        case Control::Step:
            w.paused = true;
            w.stepDue = true;
            break;
        case Control::Pace1: w.pace = 1; break;
        case Control::Pace2: w.pace = 2; break;
        case Control::Pace4: w.pace = 4; break;
        case Control::Leave:
            // Back to the stage select, as after the clear.
            g_FrameNo = kSceneStageSelectInit;
            StopAllSound();
            break;
    }
}

// The watch is over: the player's own input takes over from a clean start.
void EndWatch() {
    const int x = s_Watch.pointerX, y = s_Watch.pointerY;
    s_Watch = Watch{};
    ResetInput();
    InputMouseMove(x, y);
}

}  // namespace

int LoadWatch(const std::string& path, bool verify, std::string& why) {
    s_Watch = Watch{};
    s_Verify = VerifySeen{};
    Replay r;
    if (const char* bad = LoadReplayFile(path, r)) {
        why = bad;
        return 2;
    }
    s_Verify.stage = r.head.stage;
    s_Verify.version = r.head.version;
    if (r.head.stage > kStageCount) {
        why = "it is a replay of stage " + std::to_string(r.head.stage) + ", which this game has not";
        return 1;
    }
    s_Watch.active = true;
    s_Watch.verify = verify;
    s_Watch.replay = std::move(r);
    g_FromSelect = 1;  // the story is not moved; after the clear, the stage select
    return 0;
}

bool StartWatchingKept(int stage, bool best) {
    if (stage < 1 || stage > kStageCount || !s_Kept[stage][best]) return false;
    std::string why;
    return LoadWatch(KeptReplayPath(stage, best), false, why) == 0 && s_Watch.replay.head.stage == stage;
}

void RefreshKeptReplays() {
    for (int k = 1; k <= kStageCount; ++k)
        for (int best = 0; best < 2; ++best) {
            ReplayHead head;
            const std::string path = KeptReplayPath(k, best);
            s_Kept[k][best] = !path.empty() && ReadReplayHead(path, head) && head.stage == k;
        }
}

bool KeptReplayShown(int stage, bool best) { return stage >= 1 && stage <= kStageCount && s_Kept[stage][best]; }

bool Watching() { return s_Watch.active; }
int WatchedStage() { return s_Watch.active ? s_Watch.replay.head.stage : 0; }

void FeedWatch(uint32_t now, void (*deliver)(const ScriptEvent& e, uint32_t time)) {
    Watch& w = s_Watch;
    if (!w.active) return;
    if (!w.begun) {
        if (g_FrameNo != StageScene(w.replay.head.stage)) return;
        w.begun = true;
        w.start = now;
        DropTake();
        ResetPause();
        RestoreReplayStart(w.replay.head.start, now);
    }
    const std::vector<ScriptEvent>& events = w.replay.events;
    while (w.next < events.size() && events[w.next].time <= now - w.start) {
        deliver(events[w.next], w.start + events[w.next].time);
        ++w.next;
    }
    // The game clock stands still while paused, so no later input of the
    // replay could end a pause its own frame's inputs leave.
    if (PausedByPlayer()) ResetPause();
}

void WatchAfterTick(int scene, uint32_t now) {
    Watch& w = s_Watch;
    if (!w.active || !w.begun) return;
    bool init = false;
    const bool ours = StageOfScene(scene, init) == w.replay.head.stage;
    const bool started = ours && init && now == w.start;
    const uint32_t last = w.replay.events.empty() ? 0 : w.replay.events.back().time;
    const bool tooLong = now - w.start > last + kAfterLastInputMs;
    if (started || (ours && !init && !tooLong)) return;
    // The try is over: cleared and back at the select, or lost, or left.
    if (w.verify) {
        PostClose();
        return;
    }
    if (scene != kSceneStageSelectInit) {
        g_FrameNo = kSceneStageSelectInit;
        StopAllSound();
    }
    EndWatch();
}

bool WatchTakesKey(int vk, bool down) {
    if (!s_Watch.active) return false;
    if (!down) return true;
    switch (vk) {
        case VK_SPACE:
        case kVkPause: Act(Control::Pause); break;
        case 0x27: Act(Control::Step); break;  // the right arrow
        case '1': Act(Control::Pace1); break;
        case '2': Act(Control::Pace2); break;
        case '4': Act(Control::Pace4); break;
        case VK_ESCAPE:
        case VK_F1:
        case 0x08: Act(Control::Leave); break;  // backspace
        default: break;
    }
    return true;
}

bool WatchTakesPointer(int x, int y, int button, bool down) {
    if (!s_Watch.active) return false;
    s_Watch.pointerX = x;
    s_Watch.pointerY = y;
    if (!down || button == 0) return true;
    if (button == 2) {
        Act(Control::Leave);
        return true;
    }
    if (y >= kBarY0 && y < kBarY1)
        for (const Button& b : kButtons)
            if (x >= b.x0 && x < b.x1) Act(b.control);
    return true;
}

bool WatchHolds() { return s_Watch.active && s_Watch.begun && s_Watch.paused && !s_Watch.stepDue; }
void WatchTicked() { s_Watch.stepDue = false; }
int WatchPace() { return s_Watch.active ? s_Watch.pace : 1; }

void DrawWatchMarks() {
    const Watch& w = s_Watch;
    if (!w.active || !w.begun) return;
    DrawSolidQuad(MakeQuad(0, 0, float(kScreenW), float(kBarY1 + 4), 0, 0, 1, 1, 0xA0101018u));
    DrawStringRimmed(InLanguage("リプレイ", "Replay"), 8, kBarY0 + 4, 0xFFFF5050u, 0xFF300000u);
    for (const Button& b : kButtons) {
        const bool lit = (b.control == Control::Pause && w.paused) || (b.control == Control::Pace1 && w.pace == 1) ||
                         (b.control == Control::Pace2 && w.pace == 2) || (b.control == Control::Pace4 && w.pace == 4);
        const bool over = w.pointerY >= kBarY0 && w.pointerY < kBarY1 && w.pointerX >= b.x0 && w.pointerX < b.x1;
        DrawSolidQuad(MakeQuad(float(b.x0), float(kBarY0), float(b.x1), float(kBarY1), 0, 0, 1, 1,
                               lit ? 0xFFF6EEDCu : over ? 0xFF5A5068u : 0xFF2B2233u));
        const char* label = b.control == Control::Pause && w.paused ? InLanguage("再生", "Play") : InLanguage(b.ja, b.en);
        DrawString(label, (b.x0 + b.x1 - TextWidth(label)) / 2, kBarY0 + 4, lit ? 0xFF2B2233u : 0xFFFFFFFFu);
    }
}

void NoteClear(int stage, uint32_t ms) {
    if (s_Watch.active) {
        if (stage != s_Watch.replay.head.stage || s_Watch.cleared) return;
        s_Watch.cleared = true;
        s_Watch.clearMs = ms;
        if (s_Watch.verify) {
            s_Verify.cleared = true;
            s_Verify.clearMs = ms;
            PostClose();
        }
        return;
    }
    NoteStageClear(stage, ms);
    KeepClearReplay(stage, ms);
}

int VerifyOutcome(std::string& line) {
    char text[160];
    const VerifySeen& v = s_Verify;
    if (v.cleared) {
        std::snprintf(text, sizeof text, "stage %d cleared in %u ms of game time (%u:%02u.%u)", v.stage, v.clearMs,
                      v.clearMs / 60000, v.clearMs / 1000 % 60, v.clearMs / 100 % 10);
        line = text;
        return 0;
    }
    std::snprintf(text, sizeof text, "stage %d not cleared", v.stage);
    line = text;
    if (v.version != GameVersion())
        line += " (the replay was made by version " + v.version + ", this is " + GameVersion() +
                ": its stage may have changed since)";
    return 1;
}
