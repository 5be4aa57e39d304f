// The window a player left is the window the next start opens, read from
// the X server under a window manager: windowed at the kept scale or full
// screen; a command-line choice wins for its run and is not kept; the first
// Alt+Enter after a windowed start goes to full screen and is kept.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "game_run.h"
#include "xvfb.h"

namespace {

using Clock = std::chrono::steady_clock;

// The game's window's size as the X server has it ("WxH"), once it is
// `want` or after ten seconds.
std::string WindowSize(const std::string& want) {
    std::string got;
    for (auto until = Clock::now() + std::chrono::seconds(10); got != want && Clock::now() < until;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        got.clear();
        if (FILE* p = popen("xdotool search --name '^Tolvane$' getwindowgeometry 2>/dev/null | "
                            "awk '/Geometry/ {print $2; exit}'", "r")) {
            for (int c; (c = std::fgetc(p)) != EOF && c != '\n';) got += char(c);
            pclose(p);
        }
    }
    return got;
}

struct WindowCase {
    const char* name;
    const char* settings;           // the settings file the run starts with
    std::vector<std::string> args;  // the command line's own choice
    const char* size;               // the window the X server shows
};
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

// The virtual screen: 2560x1600 fits three 640x480 steps, so scale 2 is kept
// as asked and scale 0 (the largest) differs from it.
const WindowCase kCases[] = {
    {"WindowedAtTwo", "fullscreen = 0\nwindow_scale = 2\n", {}, "1280x960"},
    {"WindowedLargest", "fullscreen = 0\nwindow_scale = 0\n", {}, "1920x1440"},
    {"FullScreen", "fullscreen = 1\nwindow_scale = 1\n", {}, "2560x1600"},
    {"OptionFullScreen", "fullscreen = 0\nwindow_scale = 1\n", {"--fullscreen"}, "2560x1600"},
    {"OptionWindowed", "fullscreen = 1\nwindow_scale = 2\n", {"--windowed", "--scale", "1"}, "640x480"},
};

class GameWindow : public testing::Test {
protected:
    void SetUp() override {
        if (!StartXvfb(server_, "2560x1600x24")) GTEST_SKIP() << "the virtual X server did not start";
        if (!StartWindowManager(server_)) GTEST_SKIP() << "no window manager (openbox) here";
        dir_ = MakeTempDir("window");
    }
    void TearDown() override { StopXvfb(server_); }
    // Starts the game, waits for its graphics device, then for its window to
    // be `size`, runs `then` and ends the game as the desktop's close would;
    // the window's size (or what the game said instead).
    template <typename Then>
    std::string Run(const std::vector<std::string>& extra, const std::string& size, Then then) {
        std::vector<std::string> args = {"--data", TOLVANE_DATA_DIR, "--config", dir_ + "/settings.ini",
                                         "--progress", dir_ + "/progress.ini", "--log", dir_ + "/log"};
        args.insert(args.end(), extra.begin(), extra.end());
        // Under a heavy load SDL can wait for ever for the window manager
        // to map a new window: such a start (no device after a minute) is
        // killed and made again once.
        pid_t pid = -1;
        for (int attempt = 0; attempt < 2; ++attempt) {
            unlink((dir_ + "/log").c_str());
            pid = StartGame(args);
            auto until = Clock::now() + std::chrono::seconds(60);
            while (ReadTextFile(dir_ + "/log").find("InitDX8 OK") == std::string::npos && Clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (ReadTextFile(dir_ + "/log").find("InitDX8 OK") != std::string::npos) break;
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            pid = -1;
        }
        if (pid < 0) return "no window";
        std::string got = WindowSize(size);
        if (got == size) then();
        kill(pid, SIGTERM);
        int status = 0;
        for (auto until = Clock::now() + std::chrono::seconds(30);
             waitpid(pid, &status, WNOHANG) == 0 && Clock::now() < until;)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadTextFile(dir_ + "/log");
        return got;
    }
    void Keep(const std::string& settings) { std::ofstream(dir_ + "/settings.ini") << settings; }
    XvfbServer server_;
    std::string dir_;
};

class WindowRestored : public GameWindow, public testing::WithParamInterface<WindowCase> {};

}  // namespace

TEST_P(WindowRestored, AsLastLeft) {
    const WindowCase& c = GetParam();
    const std::string settings = std::string("# kept by an earlier run\n") + c.settings;
    Keep(settings);
    EXPECT_EQ(Run(c.args, c.size, [] {}), c.size);
    // Nothing changed by the player: the file is as it was, whatever the
    // command line chose for this run.
    EXPECT_EQ(ReadTextFile(dir_ + "/settings.ini"), settings);
}

INSTANTIATE_TEST_SUITE_P(Settings, WindowRestored, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WindowCase>& i) { return std::string(i.param.name); });

// Left in a window, started in a window: the first Alt+Enter goes to full
// screen and is kept; the next start opens full screen.
TEST_F(GameWindow, FirstAltEnterAfterAWindowedStartGoesFullScreen) {
    Keep("fullscreen = 0\nwindow_scale = 1\n");
    std::string full;
    EXPECT_EQ(Run({}, "640x480",
                  [&] {
                      EXPECT_EQ(std::system("xdotool search --name '^Tolvane$' windowactivate --sync key alt+Return"), 0);
                      full = WindowSize("2560x1600");
                  }),
              "640x480");
    EXPECT_EQ(full, "2560x1600");
    EXPECT_NE(ReadTextFile(dir_ + "/settings.ini").find("fullscreen = 1\n"), std::string::npos);
    EXPECT_EQ(Run({}, "2560x1600", [] {}), "2560x1600");
}
