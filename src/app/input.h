// Window messages turned into the game's input globals. Independent of the
// platform so that real windows, input scripts and tests feed it alike; a
// recorded run writes down everything that passes here.
#pragma once
#include <cstdint>

// The shell's pause keys: P pauses, F2 (and ?) shows the key card.
constexpr int kVkPause = 'P';
constexpr int kVkKeyCard = 0x71;

void InputMouseMove(int x, int y);
// button: 1 left, 2 right. time: the ms clock, for double-click detection.
void InputButton(int button, bool down, uint32_t time);
void InputKey(int vk, bool down);
// Whether the presses from here on come from a finger (g_Finger); a
// recording writes down each change ("finger on", "finger off").
void InputPointer(bool finger);
void InputReleaseAll();  // focus lost: nothing stays held
// Copies the held keys and buttons into g_KeyState (bit 7 when down).
void SnapshotKeys();
void ResetInput();

// Everything the input keeps between frames, as a replay must put it back
// where its try began. Times are kept as how long ago they were.
struct InputState {
    bool held[256], unseen[256];
    bool releaseDue, releaseArmed;
    int lButton, mouseX, mouseY;
    bool havePress;        // a press a second one may pair with as a double click
    uint32_t pressAgo;     // ms since that press
    int pressX, pressY;
};
void SaveInputState(InputState& s, uint32_t now);
void LoadInputState(const InputState& s, uint32_t now);

// Virtual-key code for a script key name (escape, space, enter, f1..f12,
// backspace, tab, shift, ctrl, alt, left, up, right, down, a-z, 0-9), or -1.
int KeyNameToVk(const char* name);
// The script name of a virtual-key code, or nullptr when it has none.
const char* VkKeyName(int vk);
