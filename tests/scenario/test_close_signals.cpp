// SIGTERM and SIGINT close the game in every state through its normal exit:
// playing, starting up, and with the fatal error's box up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "game_run.h"
#include "xvfb.h"

namespace {

using Clock = std::chrono::steady_clock;

// Starts the game with args and its log in a fresh folder, waits until the
// log holds `ready` (an empty `ready`: until the log exists), sends sig and
// returns the exit status (-1: killed, or still running after 20 s) and
// the log.
int CloseWith(int sig, std::vector<std::string> args, const std::string& ready, std::string& log) {
    std::string logPath = MakeTempDir("signal") + "/log";
    args.insert(args.begin(), {"--data", TOLVANE_DATA_DIR, "--log", logPath});
    pid_t pid = StartGame(args);
    auto deadline = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < deadline && (access(logPath.c_str(), F_OK) != 0 ||
                                       (!ready.empty() && ReadTextFile(logPath).find(ready) == std::string::npos)))
        std::this_thread::sleep_for(std::chrono::milliseconds(ready.empty() ? 1 : 20));
    kill(pid, sig);
    int status = 0;
    deadline = Clock::now() + std::chrono::seconds(20);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    log = ReadTextFile(logPath);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(CloseSignals, TermAndIntEndTheGameAsTheCloseBoxDoes) {
    for (int sig : {SIGTERM, SIGINT}) {
        std::string log;
        EXPECT_EQ(CloseWith(sig, {"--headless", "--scene", "7"}, "Startframe", log), 0) << sig;
        std::string line = sig == SIGTERM ? "closing on SIGTERM\n" : "closing on SIGINT\n";
        // The log is closed by the exit sequence, so the line is there whole.
        EXPECT_NE(log.find("Startframe関数通過\n" + line), std::string::npos) << log.substr(log.size() - 200);
    }
    // Starting up (the log is opened right after the handlers are in place):
    // the run ends as soon as it can, normally.
    for (int i = 0; i < 3; ++i) {
        std::string log;
        EXPECT_EQ(CloseWith(SIGTERM, {"--headless", "--scene", "7"}, "", log), 0) << log;
    }
}

// The fatal error's box holds the program in the system's own loop; a close
// signal still ends it at once, with the error's status.
TEST(CloseSignals, EndTheGameWhileTheErrorBoxIsUp) {
    XvfbServer server;
    if (!StartXvfb(server)) GTEST_SKIP() << "the virtual X server did not start";
    std::string log;
    auto start = Clock::now();
    int status = CloseWith(SIGTERM, {"--windowed", "--scene", "7", "--data", DataWithout("mid")}, "MIDIファイルのロードに失敗", log);
    EXPECT_EQ(status, 1) << log;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(15));
    StopXvfb(server);
}
