// The SDL window: creation, icon, and window messages turned into input.
#include "app/window.h"

#include <SDL2/SDL.h>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#elif !defined(_WIN32)
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#endif

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/app.h"
#include "app/close_signals.h"
#include "app/error_text.h"
#include "app/gamepad.h"
#include "app/input.h"
#include "app/pause.h"
#include "app/record.h"
#include "app/watch.h"
#include "app/shell_keys.h"
#include "app/touch.h"
#include "base/letterbox.h"
#include "base/platform.h"
#include "gfx/gfx.h"
#include "gfx/gfx_window.h"
#include "gfx/image.h"

namespace {
#ifdef __EMSCRIPTEN__
constexpr bool kPageCanvas = true;  // the window is a canvas in a web page
#else
constexpr bool kPageCanvas = false;
#endif
SDL_Window* s_Window = nullptr;
bool s_SdlUp = false;
bool s_Windowed = false;
int s_Scale = 0;  // 0: the largest that fits
int s_WinW = 640, s_WinH = 480, s_DrawW = 640, s_DrawH = 480;
bool s_Focused = true, s_Minimised = false;

// The window's size: the asked multiple of 640x480, at most the largest
// that fits the desktop.
void WindowedSize(int& w, int& h) {
    SDL_Rect usable{0, 0, 640, 480};
    SDL_GetDisplayUsableBounds(0, &usable);
    int fits = std::max(1, std::min((usable.w - 32) / 640, (usable.h - 64) / 480));
    int scale = s_Scale > 0 ? std::min(s_Scale, fits) : fits;
    w = 640 * scale;
    h = 480 * scale;
}

// Keys the shell keeps for itself or answers besides the game.
ShellKey ShellKeyOf(const SDL_KeyboardEvent& k) {
    if (k.type != SDL_KEYDOWN || k.repeat) return ShellKey::NoKey;
    switch (k.keysym.sym) {
        case SDLK_F11: return ShellKey::ToggleFullscreen;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return (k.keysym.mod & KMOD_ALT) ? ShellKey::ToggleFullscreen : ShellKey::NoKey;
        case SDLK_m: return ShellKey::Mute;
        case SDLK_g: return ShellKey::GameSpeed;
        case SDLK_MINUS:
        case SDLK_KP_MINUS: return ShellKey::MusicDown;
        case SDLK_PLUS:
        case SDLK_EQUALS:  // + without shift on most keyboards
        case SDLK_KP_PLUS: return ShellKey::MusicUp;
        default: return ShellKey::NoKey;
    }
}

int SdlKeyToVk(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 0x70 + (k - SDLK_F1);
    switch (k) {
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_BACKSPACE: return 0x08;
        case SDLK_TAB: return 0x09;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return 0x10;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return 0x11;
        case SDLK_LALT:
        case SDLK_RALT: return 0x12;
        case SDLK_LEFT: return 0x25;
        case SDLK_UP: return 0x26;
        case SDLK_RIGHT: return 0x27;
        case SDLK_DOWN: return 0x28;
        case SDLK_SLASH:  // ? on most keyboards
        case SDLK_QUESTION: return kVkKeyCard;
        default: return -1;
    }
}

// The sizes the window really has, read again on every window event.
// Without a window manager a refused full-screen request leaves SDL
// believing the desktop's size while the X window keeps its own, so on X
// the server is asked (there, window points are drawable pixels).
void RefreshWindowSize() {
    if (!s_Window) return;
    SDL_GetWindowSize(s_Window, &s_WinW, &s_WinH);
    SDL_GL_GetDrawableSize(s_Window, &s_DrawW, &s_DrawH);
#if !defined(__EMSCRIPTEN__) && !defined(_WIN32)  // X11 only
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(s_Window, &info) && info.subsystem == SDL_SYSWM_X11) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &a) && a.width > 0 && a.height > 0) {
            s_WinW = s_DrawW = a.width;
            s_WinH = s_DrawH = a.height;
        }
    }
#endif
}

void SetIcon() {
    Image icon;
    if (!DecodeImageFile(kPicWindowIcon.path, icon)) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(icon.argb.data(), icon.width, icon.height, 32,
                                                        icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return;
    SDL_SetWindowIcon(s_Window, s);
    SDL_FreeSurface(s);
}
// A fatal error in a message box over the window, which leaves full screen
// for it; false when no box could be shown.
bool ShowErrorMessage(const char* text) {
#ifdef __EMSCRIPTEN__
    // A page shows it over the picture: an alert box would stop the page.
    EM_ASM({ if (Module.tolvaneError) Module.tolvaneError(UTF8ToString($0)); }, text);
    return true;
#endif
    if (s_Window) SDL_SetWindowFullscreen(s_Window, 0);
    // The box holds the program in its own loop: a close signal then ends
    // it at once, with what was written so far on disk.
    std::fflush(nullptr);
    BeginModalSignals(1);
    bool shownOk = ShowErrorBox(s_Window, ErrorMessageForBox(text).c_str());
    EndModalSignals();
    return shownOk;
}
}  // namespace

void ShowStartupError(const char* text) { ShowErrorMessage(text); }

SDL_Window* AppWindow() { return s_Window; }

void WindowDrawableSize(int& w, int& h) {
    w = s_DrawW;
    h = s_DrawH;
}

bool EnsureAppWindow() {
    if (s_Window) return true;
    Uint32 flags = SDL_WINDOW_OPENGL;
    int w = 640, h = 480;
    if (AppHeadless()) {
        flags |= SDL_WINDOW_HIDDEN;
    } else if (kPageCanvas) {
        // The page scales the 640x480 canvas to its window and takes full
        // screen itself.
    } else {
        // A whole multiple of 640x480, also the size a full-screen game
        // returns to when switched into a window.
        WindowedSize(w, h);
        flags |= SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
        if (!s_Windowed) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    s_Window = SDL_CreateWindow("Tolvane", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, flags);
    if (!s_Window) {
        std::fprintf(stderr, "tolvane: cannot open the window: %s\n", SDL_GetError());
        return false;
    }
    SetIcon();
    RefreshWindowSize();
    // The game draws its own brush; the system cursor stays hidden.
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

bool InitApp(const AppOptions& opts) {
    SetAppHeadless(opts.headless);
    SetGfxWindow({EnsureAppWindow, AppWindow, WindowDrawableSize});
    SetFatalErrorHooks({ReleaseGraphics, ShowErrorMessage});
    if (AppHeadless() && !kPageCanvas) SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Fingers are read as fingers (src/app/touch.cpp), not as SDL's mouse.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "tolvane: cannot start the video system: %s\n", SDL_GetError());
        return false;
    }
    s_SdlUp = true;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, kPageCanvas ? 0 : 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK,
                        kPageCanvas ? SDL_GL_CONTEXT_PROFILE_ES : SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);

    // A page cannot start in full screen: only a click or a key may ask.
    s_Windowed = opts.windowed || kPageCanvas;
    s_Scale = std::max(0, opts.windowScale);
    s_Focused = true;
    s_Minimised = false;
    // A headless run that draws no frame never needs the GL window: it is
    // made when the first frame is drawn (a shot), if ever.
    if (!(AppHeadless() && !FrameDrawing()) && !EnsureAppWindow()) return false;
    ResetInput();
    ResetTouch();
    if (!AppHeadless() && !OpenGamepads()) DebugLog("no gamepads: the game-controller system did not start\n");
    return true;
}

void ShutdownApp() {
    CloseGamepads();
    if (s_Window) SDL_DestroyWindow(s_Window);
    s_Window = nullptr;
    if (s_SdlUp) SDL_Quit();
    s_SdlUp = false;
}

// Handles one waiting window message; false when none was waiting.
bool PumpOneMessage() {
    StepTouch(WallClockMs());
    SDL_Event e;
    if (!SDL_PollEvent(&e)) return false;
    int x = 0, y = 0;
    if (e.type == SDL_FINGERDOWN || e.type == SDL_FINGERMOTION || e.type == SDL_FINGERUP)
        MapPointer(int(e.tfinger.x * float(s_WinW)), int(e.tfinger.y * float(s_WinH)), s_WinW, s_WinH, s_DrawW, s_DrawH,
                   x, y);
    switch (e.type) {
        case SDL_QUIT:
            RecordEvent("quit");
            PostClose();
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            ShellKey shell = ShellKeyOf(e.key);
            if (shell == ShellKey::ToggleFullscreen) {
                SetAppFullscreen(!AppFullscreen());
                KeepFullscreen(AppFullscreen());
            } else {
                HandleShellKey(shell);
            }
            // The full-screen keys are the shell's alone (Enter ends a scene).
            if (shell == ShellKey::ToggleFullscreen || e.key.keysym.sym == SDLK_F11) break;
            // In a page Escape leaves full screen (the browser's) and ends nothing.
            if (kPageCanvas && e.key.keysym.sym == SDLK_ESCAPE) break;
            int vk = SdlKeyToVk(e.key.keysym.sym);
            if (vk >= 0 && !WatchTakesKey(vk, e.type == SDL_KEYDOWN)) InputKey(vk, e.type == SDL_KEYDOWN);
            break;
        }
        // While a replay is watched, a finger works its controls as a mouse does.
        case SDL_FINGERDOWN:
            if (!WatchTakesPointer(x, y, 1, true)) TouchDown(e.tfinger.fingerId, x, y, WallClockMs());
            break;
        case SDL_FINGERMOTION:
            if (!WatchTakesPointer(x, y, 0, false)) TouchMove(e.tfinger.fingerId, x, y);
            break;
        case SDL_FINGERUP:
            if (!WatchTakesPointer(x, y, 1, false)) TouchUp(e.tfinger.fingerId, x, y);
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.which == SDL_TOUCH_MOUSEID) break;  // a finger, read above
            MapPointer(e.motion.x, e.motion.y, s_WinW, s_WinH, s_DrawW, s_DrawH, x, y);
            if (!WatchTakesPointer(x, y, 0, false)) InputMouseMove(x, y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.which == SDL_TOUCH_MOUSEID) break;  // a finger, read above
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) {
                MapPointer(e.button.x, e.button.y, s_WinW, s_WinH, s_DrawW, s_DrawH, x, y);
                const int button = e.button.button == SDL_BUTTON_LEFT ? 1 : 2;
                if (WatchTakesPointer(x, y, button, e.type == SDL_MOUSEBUTTONDOWN)) break;
                InputMouseMove(x, y);
                if (e.type == SDL_MOUSEBUTTONDOWN) InputPointer(false);
                InputButton(button, e.type == SDL_MOUSEBUTTONDOWN, NowMs());
            }
            break;
        case SDL_WINDOWEVENT:
            // A watched replay's keys are its own, not the player's.
            if ((e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_HIDDEN) &&
                !Watching()) {
                InputReleaseAll();
                ResetTouch();
            }
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
                s_Focused = e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
            // A page's tab put in the background pauses as the player's P
            // does: on its return the pause card waits for the player.
            if (kPageCanvas && e.window.event == SDL_WINDOWEVENT_HIDDEN && !PausedByPlayer()) {
                InputKey(kVkPause, true);
                InputKey(kVkPause, false);
            }
            if (e.window.event == SDL_WINDOWEVENT_MINIMIZED) s_Minimised = true;
            if (e.window.event == SDL_WINDOWEVENT_RESTORED || e.window.event == SDL_WINDOWEVENT_MAXIMIZED ||
                e.window.event == SDL_WINDOWEVENT_SHOWN)
                s_Minimised = false;
            // Resized, moved to another screen, full screen taken or refused.
            RefreshWindowSize();
            // Uncovered, resized or shown again: the unchanged frame is shown anew.
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_RESTORED ||
                e.window.event == SDL_WINDOWEVENT_MAXIMIZED)
                MarkWindowDamaged();
            break;
        default: HandleGamepadEvent(e); break;
    }
    return true;
}

void SetAppFullscreen(bool on) {
    s_Windowed = !on || kPageCanvas;  // the page's own keys and button switch it there
    if (!s_Window || AppHeadless() || kPageCanvas) return;
    if (on) {
        SDL_SetWindowFullscreen(s_Window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(s_Window, 0);
        int w = 640, h = 480;
        WindowedSize(w, h);
        SDL_SetWindowSize(s_Window, w, h);
        SDL_SetWindowPosition(s_Window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    RefreshWindowSize();
    MarkWindowDamaged();
}

bool AppFullscreen() { return !s_Windowed; }

bool AppPaused() { return !AppHeadless() && (s_Minimised || !s_Focused); }
