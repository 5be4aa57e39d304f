// The pointer mapping with a real X window, on a virtual X server: full
// screen refused (no window manager), and a window resized. Skipped when no
// X server can be started here.
#include <gtest/gtest.h>
#include <SDL2/SDL.h>
#include <signal.h>
#include <sys/wait.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/app.h"
#include "app/input.h"
#include "base/platform.h"
#include "app/window.h"
#include "gfx/gfx.h"

namespace {

class XWindow : public testing::Test {
protected:
    void SetUp() override {
        if (access("/usr/bin/Xvfb", X_OK) != 0) GTEST_SKIP() << "no Xvfb";
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        server_ = fork();
        if (server_ == 0) {
            close(fds[0]);
            std::string fd = std::to_string(fds[1]);
            execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
                  "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The server writes its display number, then a line feed, once it is
        // ready; the pipe stays open until then (a closed pipe kills it).
        pipe_ = fds[0];
        std::string number;
        pollfd p{pipe_, POLLIN, 0};
        char c = 0;
        while (number.find('\n') == std::string::npos && poll(&p, 1, 30000) == 1 && read(pipe_, &c, 1) == 1)
            number += c;
        if (number.find('\n') != std::string::npos) display_ = std::atoi(number.c_str());
        if (display_ < 0 || waitpid(server_, nullptr, WNOHANG) != 0) GTEST_SKIP() << "the virtual X server did not start";
        setenv("DISPLAY", (":" + std::to_string(display_)).c_str(), 1);
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("WAYLAND_DISPLAY");
    }
    void TearDown() override {
        ReleaseGraphics();
        ShutdownApp();
        if (pipe_ >= 0) close(pipe_);
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
    }
    // Whether the window opened on our server (its one 1280x1024 screen) and
    // not on another one that took the display number meanwhile.
    static bool OnOurServer() {
        SDL_Rect r{};
        return SDL_GetDisplayBounds(0, &r) == 0 && r.w == 1280 && r.h == 1024;
    }
    // Lets the server and SDL settle: handles every window message for a while.
    static void Settle() {
        for (int i = 0; i < 30; ++i) {
            while (PumpOneMessage()) {
            }
            SDL_Delay(10);
        }
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
    pid_t server_ = -1;
    int pipe_ = -1;
    int display_ = -1;
};

}  // namespace

TEST_F(XWindow, RefusedFullScreenMapsThroughTheWindowItGot) {
    AppOptions o;  // full screen, as the game starts
    ASSERT_TRUE(InitApp(o));
    if (!OnOurServer()) GTEST_SKIP() << "not our X server";
    ASSERT_EQ(InitDX8(false), 0);
    Settle();
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

TEST_F(XWindow, ResizedWindowMapsThroughItsNewLetterbox) {
    AppOptions o;
    o.windowed = true;
    ASSERT_TRUE(InitApp(o));
    if (!OnOurServer()) GTEST_SKIP() << "not our X server";
    Settle();
    MoveTo(100, 200);
    EXPECT_EQ(g_MouseX, 100);
    EXPECT_EQ(g_MouseY, 200);
    SDL_SetWindowSize(AppWindow(), 1280, 1024);
    Settle();
    int w = 0, h = 0;
    WindowDrawableSize(w, h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 1024);
    MoveTo(640, 512);  // the centre, below a 32-pixel bar
    EXPECT_EQ(g_MouseX, 320);
    EXPECT_EQ(g_MouseY, 240);
}
