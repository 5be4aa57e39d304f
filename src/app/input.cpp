#include "app/input.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "app/pause.h"
#include "app/record.h"
#include "base/platform.h"

namespace {
bool s_Held[256];
// A press the game's frame has not seen yet: it shows as down in the next
// snapshot even when released before it, so a click shorter than a frame
// still counts. A left release that comes before that frame keeps the click
// flag for it and clears it afterwards (at the next snapshot or press).
bool s_Unseen[256];
bool s_ReleaseDue;    // the left release waits for the frame that sees the press
bool s_ReleaseArmed;  // ... and that frame has taken its snapshot
// A second press soon after the first, near the same spot, is a double
// click: it does not set the click flag (the release still clears it).
constexpr uint32_t kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 2;
uint32_t s_LastPressTime;
int s_LastPressX, s_LastPressY;
bool s_HaveLastPress;

// Script names of the keys a window passes to the game, beyond a-z and 0-9.
struct KeyName {
    int vk;
    const char* name;
};
const KeyName kKeyNames[] = {
    {VK_ESCAPE, "escape"}, {VK_SPACE, "space"}, {VK_RETURN, "enter"}, {0x08, "backspace"}, {0x09, "tab"},
    {0x10, "shift"},       {0x11, "ctrl"},      {0x12, "alt"},        {0x25, "left"},      {0x26, "up"},
    {0x27, "right"},       {0x28, "down"},      {0x70, "f1"},         {0x71, "f2"},        {0x72, "f3"},
    {0x73, "f4"},          {0x74, "f5"},        {0x75, "f6"},         {0x76, "f7"},        {0x77, "f8"},
    {0x78, "f9"},          {0x79, "f10"},       {0x7A, "f11"},        {0x7B, "f12"},
};

void ApplyDueRelease() {
    g_LButton = 0;
    s_ReleaseDue = s_ReleaseArmed = false;
}

void RecordWords(const char* a, const char* b) {
    if (!Recording()) return;
    RecordEvent((std::string(a) + " " + b).c_str());
}
}  // namespace

void InputMouseMove(int x, int y) {
    // Positions are 16-bit unsigned window coordinates.
    x &= 0xFFFF;
    y &= 0xFFFF;
    if (Recording() && (x != g_MouseX || y != g_MouseY)) {
        char line[32];
        std::snprintf(line, sizeof line, "move %d %d", x, y);
        RecordEvent(line);
    }
    g_MouseX = x;
    g_MouseY = y;
}

void InputButton(int button, bool down, uint32_t time) {
    int vk = button == 1 ? VK_LBUTTON : VK_RBUTTON;
    // A paused game takes no press: it would act when the game goes on.
    if (down && PausedByPlayer()) return;
    RecordWords(down ? "press" : "release", button == 1 ? "left" : "right");
    s_Held[vk] = down;
    if (down) s_Unseen[vk] = true;
    if (button != 1) return;
    if (s_ReleaseArmed) ApplyDueRelease();
    if (!down) {
        if (s_Unseen[vk])
            s_ReleaseDue = true;
        else
            g_LButton = 0;
        return;
    }
    s_ReleaseDue = false;
    bool isDouble = s_HaveLastPress && time - s_LastPressTime <= kDoubleClickMs &&
                    std::abs(g_MouseX - s_LastPressX) <= kDoubleClickSlop &&
                    std::abs(g_MouseY - s_LastPressY) <= kDoubleClickSlop;
    if (isDouble) {
        s_HaveLastPress = false;  // a third press starts a new pair
        return;
    }
    s_HaveLastPress = true;
    s_LastPressTime = time;
    s_LastPressX = g_MouseX;
    s_LastPressY = g_MouseY;
    g_LButton = 1;
}

void InputPointer(bool finger) {
    if (int(finger) == g_Finger) return;
    RecordWords("finger", finger ? "on" : "off");
    g_Finger = finger;
}

void InputKey(int vk, bool down) {
    if (vk < 0 || vk > 255) return;
    const bool pauseKey = vk == kVkPause || vk == kVkKeyCard || vk == VK_ESCAPE;
    if (down && !pauseKey && PausedByPlayer()) return;
    if (const char* name = VkKeyName(vk)) RecordWords(down ? "keydown" : "keyup", name);
    // A held key's repeats do not toggle again.
    if (down && !s_Held[vk] && vk == kVkPause) TogglePause();
    if (down && !s_Held[vk] && vk == kVkKeyCard) ToggleKeyCard();
    s_Held[vk] = down;
    if (down) s_Unseen[vk] = true;
    if (down && vk == VK_ESCAPE) PostClose();
}

void InputReleaseAll() {
    // A recording says what was let go, as a script can.
    if (Recording())
        for (int vk = 0; vk < 256; ++vk) {
            if (!s_Held[vk]) continue;
            if (vk == VK_LBUTTON || vk == VK_RBUTTON)
                RecordWords("release", vk == VK_LBUTTON ? "left" : "right");
            else if (const char* name = VkKeyName(vk))
                RecordWords("keyup", name);
        }
    std::memset(s_Held, 0, sizeof s_Held);
    std::memset(s_Unseen, 0, sizeof s_Unseen);
}

void SnapshotKeys() {
    if (s_ReleaseArmed) ApplyDueRelease();
    for (int i = 0; i < 256; ++i) g_KeyState[i] = (s_Held[i] || s_Unseen[i]) ? 0x80 : 0;
    std::memset(s_Unseen, 0, sizeof s_Unseen);
    s_ReleaseArmed = s_ReleaseDue;
}

void ResetInput() {
    InputReleaseAll();
    ResetPause();
    s_HaveLastPress = false;
    s_ReleaseDue = s_ReleaseArmed = false;
    g_LButton = 0;
    g_Finger = 0;
    g_MouseX = g_MouseY = 0;
}

void SaveInputState(InputState& s, uint32_t now) {
    std::memcpy(s.held, s_Held, sizeof s_Held);
    std::memcpy(s.unseen, s_Unseen, sizeof s_Unseen);
    s.releaseDue = s_ReleaseDue;
    s.releaseArmed = s_ReleaseArmed;
    s.lButton = g_LButton;
    s.mouseX = g_MouseX;
    s.mouseY = g_MouseY;
    // A press too long ago to pair with is no press at all.
    s.havePress = s_HaveLastPress && now - s_LastPressTime <= kDoubleClickMs;
    s.pressAgo = s.havePress ? now - s_LastPressTime : 0;
    s.pressX = s.havePress ? s_LastPressX : 0;
    s.pressY = s.havePress ? s_LastPressY : 0;
}

void LoadInputState(const InputState& s, uint32_t now) {
    std::memcpy(s_Held, s.held, sizeof s_Held);
    std::memcpy(s_Unseen, s.unseen, sizeof s_Unseen);
    s_ReleaseDue = s.releaseDue;
    s_ReleaseArmed = s.releaseArmed;
    g_LButton = s.lButton;
    g_MouseX = s.mouseX;
    g_MouseY = s.mouseY;
    s_HaveLastPress = s.havePress;
    s_LastPressTime = now - s.pressAgo;
    s_LastPressX = s.pressX;
    s_LastPressY = s.pressY;
}

int KeyNameToVk(const char* name) {
    // Names are read in any case: "Escape", "ESCAPE" and "escape" alike.
    for (const KeyName& k : kKeyNames)
        if (!strcasecmp(name, k.name)) return k.vk;
    if (name[0] && !name[1]) {
        char c = name[0];
        if (c >= 'a' && c <= 'z') return 'A' + (c - 'a');
        if (c >= 'A' && c <= 'Z') return c;
        if (c >= '0' && c <= '9') return c;
    }
    return -1;
}

const char* VkKeyName(int vk) {
    static char letter[256][2];
    for (const KeyName& k : kKeyNames)
        if (k.vk == vk) return k.name;
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        letter[vk][0] = char(vk >= 'A' && vk <= 'Z' ? vk - 'A' + 'a' : vk);
        return letter[vk];
    }
    return nullptr;
}
