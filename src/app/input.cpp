#include "app/input.h"

#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "base/platform.h"

namespace {
bool s_Held[256];
// A second press soon after the first, near the same spot, is a double
// click: it does not set the click flag (the release still clears it).
constexpr uint32_t kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 2;
uint32_t s_LastPressTime;
int s_LastPressX, s_LastPressY;
bool s_HaveLastPress;
}  // namespace

void InputMouseMove(int x, int y) {
    // Positions are 16-bit unsigned window coordinates.
    g_MouseX = x & 0xFFFF;
    g_MouseY = y & 0xFFFF;
}

void InputButton(int button, bool down, uint32_t time) {
    int vk = button == 1 ? VK_LBUTTON : VK_RBUTTON;
    s_Held[vk] = down;
    if (button != 1) return;
    if (!down) {
        g_LButton = 0;
        return;
    }
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

void InputKey(int vk, bool down) {
    if (vk < 0 || vk > 255) return;
    s_Held[vk] = down;
    if (down && vk == VK_ESCAPE) PostClose();
}

void InputReleaseAll() { std::memset(s_Held, 0, sizeof s_Held); }

void SnapshotKeys() {
    for (int i = 0; i < 256; ++i) g_KeyState[i] = s_Held[i] ? 0x80 : 0;
}

void ResetInput() {
    InputReleaseAll();
    s_HaveLastPress = false;
    g_LButton = 0;
    g_MouseX = g_MouseY = 0;
}

int KeyNameToVk(const char* name) {
    // Names are read in any case: "Escape", "ESCAPE" and "escape" alike.
    if (!strcasecmp(name, "escape")) return VK_ESCAPE;
    if (!strcasecmp(name, "space")) return VK_SPACE;
    if (!strcasecmp(name, "enter")) return VK_RETURN;
    if (!strcasecmp(name, "f1")) return VK_F1;
    if (name[0] && !name[1]) {
        char c = name[0];
        if (c >= 'a' && c <= 'z') return 'A' + (c - 'a');
        if (c >= 'A' && c <= 'Z') return c;
        if (c >= '0' && c <= '9') return c;
    }
    return -1;
}
