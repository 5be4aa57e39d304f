#include "app/gamepad.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>

#include "app/input.h"
#include "app/watch.h"
#include "base/platform.h"

namespace {
constexpr int kMaxPads = 4;
SDL_GameController* s_Pads[kMaxPads];
bool s_Open = false;
// The pointer's speed in picture pixels a frame: from kSlowest when a
// direction is first held up to kFastest after kRampFrames.
constexpr float kSlowest = 1.5f, kFastest = 11.0f;
constexpr int kRampFrames = 40;
constexpr int kDeadZone = 8000;  // of 32767: a resting stick drifts below it
int s_HeldFrames = 0;
float s_RestX = 0, s_RestY = 0;  // fractions of a pixel carried over

SDL_GameController* PadOf(SDL_JoystickID id) {
    for (SDL_GameController* p : s_Pads)
        if (p && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(p)) == id) return p;
    return nullptr;
}

void OpenPad(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    for (SDL_GameController*& p : s_Pads)
        if (!p) {
            p = SDL_GameControllerOpen(deviceIndex);
            if (p) DebugLog("gamepad connected\n");
            return;
        }
}

void ClosePad(SDL_JoystickID id) {
    for (SDL_GameController*& p : s_Pads)
        if (p && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(p)) == id) {
            SDL_GameControllerClose(p);
            p = nullptr;
            DebugLog("gamepad removed\n");
        }
}

void PadButton(Uint8 button, bool down) {
    // While a replay is watched: Start pauses it, B and Back leave it.
    const int watchKey = button == SDL_CONTROLLER_BUTTON_START ? kVkPause
                         : button == SDL_CONTROLLER_BUTTON_B || button == SDL_CONTROLLER_BUTTON_BACK ? VK_ESCAPE
                                                                                                       : 0;
    if (WatchTakesKey(watchKey, down)) return;
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A: InputButton(1, down, NowMs()); break;
        case SDL_CONTROLLER_BUTTON_B: InputButton(2, down, NowMs()); break;
        case SDL_CONTROLLER_BUTTON_X: InputKey(VK_SPACE, down); break;
        case SDL_CONTROLLER_BUTTON_START: InputKey(kVkPause, down); break;
        case SDL_CONTROLLER_BUTTON_BACK: InputKey(VK_F1, down); break;
        default: break;
    }
}

// One pad's wish: the stick beyond its dead zone, else the d-pad, as a
// direction of length up to 1.
void PadDirection(SDL_GameController* p, float& dx, float& dy) {
    const int ax = SDL_GameControllerGetAxis(p, SDL_CONTROLLER_AXIS_LEFTX);
    const int ay = SDL_GameControllerGetAxis(p, SDL_CONTROLLER_AXIS_LEFTY);
    const float len = std::sqrt(float(ax) * float(ax) + float(ay) * float(ay));
    if (len > kDeadZone) {
        // The dead zone is cut out, so the slowest tilt is a crawl.
        const float k = std::min(1.0f, (len - kDeadZone) / (32767.0f - kDeadZone)) / len;
        dx += float(ax) * k;
        dy += float(ay) * k;
        return;
    }
    dx += float(SDL_GameControllerGetButton(p, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) -
          float(SDL_GameControllerGetButton(p, SDL_CONTROLLER_BUTTON_DPAD_LEFT));
    dy += float(SDL_GameControllerGetButton(p, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) -
          float(SDL_GameControllerGetButton(p, SDL_CONTROLLER_BUTTON_DPAD_UP));
}
}  // namespace

bool OpenGamepads() {
    if (s_Open) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    s_Open = true;
    // Pads present at start-up arrive as "added" events too.
    return true;
}

void CloseGamepads() {
    for (SDL_GameController*& p : s_Pads) {
        if (p) SDL_GameControllerClose(p);
        p = nullptr;
    }
    if (s_Open) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    s_Open = false;
    s_HeldFrames = 0;
    s_RestX = s_RestY = 0;
}

bool HandleGamepadEvent(const SDL_Event& e) {
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED: OpenPad(e.cdevice.which); return true;
        case SDL_CONTROLLERDEVICEREMOVED: ClosePad(e.cdevice.which); return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (PadOf(e.cbutton.which)) PadButton(e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN);
            return true;
        case SDL_CONTROLLERAXISMOTION:  // read at each frame instead
        case SDL_CONTROLLERDEVICEREMAPPED: return true;
        default: return false;
    }
}

void StepGamepadPointer() {
    if (Watching()) return;  // the replay moves the brush
    float dx = 0, dy = 0;
    for (SDL_GameController* p : s_Pads)
        if (p) PadDirection(p, dx, dy);
    const float len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) {
        s_HeldFrames = 0;
        s_RestX = s_RestY = 0;
        return;
    }
    if (len > 1) {
        dx /= len;
        dy /= len;
    }
    s_HeldFrames = std::min(s_HeldFrames + 1, kRampFrames);
    const float speed = kSlowest + (kFastest - kSlowest) * float(s_HeldFrames) / float(kRampFrames);
    const float fx = float(g_MouseX) + dx * speed + s_RestX, fy = float(g_MouseY) + dy * speed + s_RestY;
    const int x = std::clamp(int(std::floor(fx)), 0, 639), y = std::clamp(int(std::floor(fy)), 0, 479);
    s_RestX = x == int(std::floor(fx)) ? fx - std::floor(fx) : 0;
    s_RestY = y == int(std::floor(fy)) ? fy - std::floor(fy) : 0;
    if (x != g_MouseX || y != g_MouseY) InputMouseMove(x, y);
}

int OpenGamepadCount() {
    int n = 0;
    for (SDL_GameController* p : s_Pads) n += p != nullptr;
    return n;
}
