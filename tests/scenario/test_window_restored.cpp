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
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "game_run.h"
#include "xvfb.h"

namespace {

using Clock = std::chrono::steady_clock;

// What a command prints on its standard output.
std::string Output(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[512];
        while (fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

// The game's window's size as the X server has it ("WxH"), "" without one.
std::string WindowSize() {
    std::string id = Output("xdotool search --name '^Tolvane$' 2>/dev/null | head -1");
    if (id.empty()) return "";
    id.pop_back();
    std::string geometry = Output("xwininfo -id " + id + " 2>/dev/null");
    auto field = [&](const char* name) {
        size_t at = geometry.find(name);
        return at == std::string::npos ? std::string("?") : std::to_string(std::atoi(geometry.c_str() + at + std::string(name).size()));
    };
    return field("Width: ") + "x" + field("Height: ");
}

// Waits up to ten seconds for the window to be `size`; returns what it is.
std::string WaitWindowSize(const std::string& size) {
    std::string now;
    for (auto until = Clock::now() + std::chrono::seconds(10); Clock::now() < until;) {
        if ((now = WindowSize()) == size) return now;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return now;
}

struct WindowCase {
    const char* name;
    const char* settings;            // the settings file the run starts with
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
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        StopXvfb(server_);
    }
    // Starts the game windowed or not as the settings say, and waits for
    // its graphics device.
    bool Start(const std::vector<std::string>& extra) {
        std::vector<std::string> args = {TOLVANE_BIN, "--data", TOLVANE_DATA_DIR, "--config", dir_ + "/settings.ini",
                                         "--progress", dir_ + "/progress.ini", "--log", dir_ + "/log"};
        args.insert(args.end(), extra.begin(), extra.end());
        pid_ = fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(TOLVANE_BIN, argv.data());
            _exit(127);
        }
        for (auto until = Clock::now() + std::chrono::seconds(60); Clock::now() < until;) {
            if (ReadTextFile(dir_ + "/log").find("InitDX8 OK") != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
    // Ends the game as the desktop's close would; its exit status.
    int Stop() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    XvfbServer server_;
    std::string dir_;
    pid_t pid_ = -1;
};

class WindowRestored : public GameWindow, public testing::WithParamInterface<WindowCase> {};

}  // namespace

TEST_P(WindowRestored, AsLastLeft) {
    const WindowCase& c = GetParam();
    std::string settings = std::string("# kept by an earlier run\n") + c.settings;
    FILE* f = std::fopen((dir_ + "/settings.ini").c_str(), "w");
    ASSERT_TRUE(f);
    std::fputs(settings.c_str(), f);
    std::fclose(f);
    ASSERT_TRUE(Start(c.args)) << ReadTextFile(dir_ + "/log");
    EXPECT_EQ(WaitWindowSize(c.size), c.size);
    EXPECT_EQ(Stop(), 0);
    // Nothing changed by the player: the file is as it was, whatever the
    // command line chose for this run.
    EXPECT_EQ(ReadTextFile(dir_ + "/settings.ini"), settings);
}

INSTANTIATE_TEST_SUITE_P(Settings, WindowRestored, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WindowCase>& i) { return std::string(i.param.name); });

// Left in a window, started in a window: the first Alt+Enter goes to full
// screen and is kept; the next start opens full screen.
TEST_F(GameWindow, FirstAltEnterAfterAWindowedStartGoesFullScreen) {
    FILE* f = std::fopen((dir_ + "/settings.ini").c_str(), "w");
    ASSERT_TRUE(f);
    std::fputs("fullscreen = 0\nwindow_scale = 1\n", f);
    std::fclose(f);
    ASSERT_TRUE(Start({})) << ReadTextFile(dir_ + "/log");
    ASSERT_EQ(WaitWindowSize("640x480"), "640x480");
    Output("xdotool search --name '^Tolvane$' windowactivate --sync key alt+Return 2>&1");
    EXPECT_EQ(WaitWindowSize("2560x1600"), "2560x1600");
    EXPECT_EQ(Stop(), 0);
    EXPECT_NE(ReadTextFile(dir_ + "/settings.ini").find("fullscreen = 1\n"), std::string::npos);
    ASSERT_TRUE(Start({})) << ReadTextFile(dir_ + "/log");
    EXPECT_EQ(WaitWindowSize("2560x1600"), "2560x1600");
    EXPECT_EQ(Stop(), 0);
}
