// A finger on a touch screen turned into the mouse's buttons, platform
// independent so that tests feed it as a window does. A tap is a left click,
// a long press (half a second, the finger still) the right button for as
// long as it stays down, a finger that slides holds the left button. Each
// press says it came from a finger (InputPointer), so a recording replays
// the game's touch decisions exactly. While the player's pause or the key
// card is up, a tap takes it away, as P or F2 does.
#pragma once
#include <cstdint>

constexpr uint32_t kLongPressMs = 500;
constexpr int kTouchSlop = 12;  // picture pixels a still finger may wander

// Positions are picture pixels (MapPointer's); ms is the wall clock.
void TouchDown(long long finger, int x, int y, uint32_t ms);
void TouchMove(long long finger, int x, int y);
void TouchUp(long long finger, int x, int y);
// A finger held still long enough becomes a long press; called every turn.
void StepTouch(uint32_t ms);
// Lets go of whatever the finger held (the window lost the focus).
void ResetTouch();
