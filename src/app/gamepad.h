// Gamepads through SDL's game-controller API. The left stick and the d-pad
// move the pointer (slowly at first, faster while held, never out of the
// picture), A is the left mouse button, B the right one, X is Space, Start
// pauses and Back (Select) is F1. Pads may be plugged in and out at any time.
// Everything a pad does reaches the game as pointer moves, buttons and keys
// through the input calls, so a recording holds it like any other input.
#pragma once

union SDL_Event;

// Starts the game-controller system (not in headless runs); false when it
// cannot, and the game then plays without pads.
bool OpenGamepads();
void CloseGamepads();
// Takes a pad's event (plugged, unplugged, button); false for any other.
bool HandleGamepadEvent(const SDL_Event& e);
// Once before each frame: the stick and d-pad move the pointer.
void StepGamepadPointer();
// Pads open now (tests).
int OpenGamepadCount();
