#include "app/touch.h"

#include <cstdlib>

#include "app/input.h"
#include "app/pause.h"
#include "base/platform.h"

namespace {
// One finger at a time: the others are ignored while it is down.
enum class Hold { None, Still, Sliding, Long };
Hold s_Hold = Hold::None;
long long s_Finger;
int s_DownX, s_DownY;
uint32_t s_DownMs;

void Press(int button) {
    InputPointer(true);
    InputButton(button, true, NowMs());
}

void TapKey(int vk) {
    InputKey(vk, true);
    InputKey(vk, false);
}
}  // namespace

void TouchDown(long long finger, int x, int y, uint32_t ms) {
    if (s_Hold != Hold::None) return;
    s_Hold = Hold::Still;
    s_Finger = finger;
    s_DownX = x;
    s_DownY = y;
    s_DownMs = ms;
    InputMouseMove(x, y);
}

void TouchMove(long long finger, int x, int y) {
    if (s_Hold == Hold::None || finger != s_Finger) return;
    InputMouseMove(x, y);
    if (s_Hold == Hold::Still && (std::abs(x - s_DownX) > kTouchSlop || std::abs(y - s_DownY) > kTouchSlop)) {
        s_Hold = Hold::Sliding;
        Press(1);
    }
}

void TouchUp(long long finger, int x, int y) {
    if (s_Hold == Hold::None || finger != s_Finger) return;
    const Hold hold = s_Hold;
    s_Hold = Hold::None;
    InputMouseMove(x, y);
    if (hold == Hold::Still && KeyCardShown()) {
        TapKey(kVkKeyCard);  // a tap takes the card away
    } else if (hold == Hold::Still && PausedByPlayer()) {
        TapKey(kVkPause);
    } else if (hold == Hold::Long) {
        InputButton(2, false, NowMs());
    } else {
        if (hold == Hold::Still) Press(1);  // a tap: pressed and let go at once
        InputButton(1, false, NowMs());
    }
}

void StepTouch(uint32_t ms) {
    if (s_Hold != Hold::Still || ms - s_DownMs < kLongPressMs) return;
    s_Hold = Hold::Long;
    Press(2);
}

void ResetTouch() { s_Hold = Hold::None; }
