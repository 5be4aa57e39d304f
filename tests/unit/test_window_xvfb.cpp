// A real X window on a virtual X server: the pointer mapping with full
// screen refused (no window manager) and with a window resized (a finger's
// too), the full-screen keys, and pausing. Skipped when no X server can be started.
#include <gtest/gtest.h>
#include <SDL2/SDL.h>

#include <string>

#include "app/app.h"
#include "app/input.h"
#include "app/settings.h"
#include "base/platform.h"
#include "app/window.h"
#include "game_run.h"
#include "gfx/gfx.h"
#include "xvfb.h"

namespace {

class XWindow : public testing::Test {
protected:
    void SetUp() override {
        if (!StartXvfb(server_)) GTEST_SKIP() << "the virtual X server did not start";
    }
    void TearDown() override {
        ReleaseGraphics();
        ShutdownApp();
        StopXvfb(server_);
    }
    // Whether the window opened on our server (its one 1280x1024 screen) and
    // not on another one that took the display number meanwhile.
    static bool OnOurServer() {
        SDL_Rect r{};
        return SDL_GetDisplayBounds(0, &r) == 0 && r.w == 1280 && r.h == 1024;
    }
    // Handles window messages until `done` holds; false when it still does
    // not after two seconds.
    template <typename Done>
    static bool WaitFor(Done done) {
        for (Uint32 start = SDL_GetTicks(); !done(); SDL_Delay(1)) {
            while (PumpOneMessage()) {
            }
            if (SDL_GetTicks() - start > 2000) return done();
        }
        return true;
    }
    // Waits for the server to show the window: its first exposure.
    static bool WaitShown() {
        static bool exposed;
        exposed = false;
        auto watch = [](void*, SDL_Event* e) {
            if (e->type == SDL_WINDOWEVENT && e->window.event == SDL_WINDOWEVENT_EXPOSED) exposed = true;
            return 0;
        };
        SDL_AddEventWatch(watch, nullptr);
        // It may already wait in the queue.
        SDL_Event queued[64];
        int n = SDL_PeepEvents(queued, 64, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
        for (int i = 0; i < n; ++i) watch(nullptr, &queued[i]);
        bool shown = WaitFor([] { return exposed; });
        SDL_DelEventWatch(watch, nullptr);
        return shown;
    }
    // Waits for the window's drawable size to become w x h.
    static bool WaitSize(int w, int h) {
        return WaitFor([&] {
            int dw = 0, dh = 0;
            WindowDrawableSize(dw, dh);
            return dw == w && dh == h;
        });
    }
    // A pointer move at window point (x, y), as the server would report it.
    static void MoveTo(int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = SDL_GetWindowID(AppWindow());
        e.motion.x = x;
        e.motion.y = y;
        SDL_PushEvent(&e);
        while (PumpOneMessage()) {
        }
    }
    XvfbServer server_;
};

}  // namespace

TEST_F(XWindow, RefusedFullScreenMapsThroughTheWindowItGot) {
    AppOptions o;  // full screen, as the game starts
    ASSERT_TRUE(InitApp(o));
    if (!OnOurServer()) GTEST_SKIP() << "not our X server";
    ASSERT_EQ(InitDX8(false), 0);
    ASSERT_TRUE(WaitShown());
    int w = 0, h = 0;
    WindowDrawableSize(w, h);
    // No window manager: the window keeps 640x480 whatever SDL was told.
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    MoveTo(320, 240);
    EXPECT_EQ(g_MouseX, 320);
    EXPECT_EQ(g_MouseY, 240);
    ClearFrame(0xFFFFFFFFu);
    EXPECT_TRUE(PresentFrame());
}

// A finger maps through the letterbox as the pointer does and its tap is a
// click; SDL's mouse copy of a finger is not read twice; a mouse press after
// it tells the game the mouse is back.
TEST_F(XWindow, ResizedWindowMapsMouseAndFingerThroughItsNewLetterbox) {
    AppOptions o;
    o.windowed = true;
    ASSERT_TRUE(InitApp(o));
    if (!OnOurServer()) GTEST_SKIP() << "not our X server";
    ASSERT_TRUE(WaitShown());
    MoveTo(100, 200);
    EXPECT_EQ(g_MouseX, 100);
    EXPECT_EQ(g_MouseY, 200);
    SDL_SetWindowSize(AppWindow(), 1280, 1024);
    EXPECT_TRUE(WaitSize(1280, 1024));
    MoveTo(640, 512);  // the centre, below a 32-pixel bar
    EXPECT_EQ(g_MouseX, 320);
    EXPECT_EQ(g_MouseY, 240);

    auto push = [](Uint32 type, float x, float y, Uint32 which = 0) {
        SDL_Event e{};
        e.type = type;
        if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
            e.button.windowID = SDL_GetWindowID(AppWindow());
            e.button.which = which;
            e.button.button = SDL_BUTTON_LEFT;
            e.button.x = int(x);
            e.button.y = int(y);
        } else {
            e.tfinger.touchId = 1;
            e.tfinger.fingerId = 7;
            e.tfinger.x = x;
            e.tfinger.y = y;
        }
        SDL_PushEvent(&e);
        while (PumpOneMessage()) {
        }
    };
    MoveTo(0, 0);
    push(SDL_FINGERDOWN, 0.75f, 0.5f);
    push(SDL_MOUSEBUTTONDOWN, 10, 10, SDL_TOUCH_MOUSEID);  // SDL's copy, if it sent one
    push(SDL_FINGERUP, 0.75f, 0.5f);
    SnapshotKeys();
    EXPECT_EQ(g_MouseX, 480);
    EXPECT_EQ(g_MouseY, 240);
    EXPECT_TRUE(KeyDown(VK_LBUTTON));
    EXPECT_EQ(g_LButton, 1);
    EXPECT_EQ(g_Finger, 1);
    push(SDL_MOUSEBUTTONDOWN, 640, 512);
    push(SDL_MOUSEBUTTONUP, 640, 512);
    EXPECT_EQ(g_Finger, 0);
}

namespace {

void PushKey(SDL_Keycode sym, bool down, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = SDL_GetWindowID(AppWindow());
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
    while (PumpOneMessage()) {
    }
}

void PushWindowEvent(Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(AppWindow());
    e.window.event = what;
    SDL_PushEvent(&e);
    while (PumpOneMessage()) {
    }
}

}  // namespace

TEST_F(XWindow, AltEnterAndF11SwitchFullScreenAndAreRemembered) {
    std::string dir = MakeTempDir("fullscreen");
    SetSettingsPath(dir + "/settings.ini");
    g_Settings = Settings{};
    AppOptions o;
    o.windowed = true;
    ASSERT_TRUE(InitApp(o));
    if (!OnOurServer()) GTEST_SKIP() << "not our X server";
    ASSERT_TRUE(WaitShown());
    EXPECT_FALSE(AppFullscreen());
    PushKey(SDLK_F11, true);
    PushKey(SDLK_F11, false);
    EXPECT_TRUE(AppFullscreen());
    EXPECT_NE(ReadTextFile(dir + "/settings.ini").find("fullscreen = 1\n"), std::string::npos);
    // Alt+Enter is the shell's: the game never sees that Enter.
    PushKey(SDLK_RETURN, true, KMOD_LALT);
    SnapshotKeys();
    EXPECT_FALSE(KeyDown(VK_RETURN));
    EXPECT_FALSE(AppFullscreen());
    EXPECT_NE(ReadTextFile(dir + "/settings.ini").find("fullscreen = 0\n"), std::string::npos);
    EXPECT_TRUE(WaitSize(640, 480));  // back to the window's whole multiple
    // Enter alone still reaches the game.
    PushKey(SDLK_RETURN, true);
    SnapshotKeys();
    EXPECT_TRUE(KeyDown(VK_RETURN));
    PushKey(SDLK_RETURN, false);
    SetSettingsPath("");
    g_Settings = Settings{};
}

TEST_F(XWindow, PausedWhileUnfocusedOrMinimisedInAWindowAndFullScreen) {
    AppOptions o;
    o.windowed = true;
    ASSERT_TRUE(InitApp(o));
    if (!OnOurServer()) GTEST_SKIP() << "not our X server";
    ASSERT_TRUE(WaitShown());
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_FALSE(AppPaused());
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_TRUE(AppPaused());
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_FALSE(AppPaused());
    PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    EXPECT_TRUE(AppPaused());
    PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
    EXPECT_FALSE(AppPaused());
    // Full screen too: another window in front pauses the game.
    SetAppFullscreen(true);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_TRUE(AppPaused());
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_FALSE(AppPaused());
}
