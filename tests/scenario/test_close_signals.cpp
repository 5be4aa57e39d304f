// SIGTERM and SIGINT close the running game through its normal exit.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "game_run.h"

namespace {

// Starts the game headless on the title (which never ends by itself), waits
// for its first frames, sends sig and returns the exit status (-1: killed or
// still running after 20 s) and the log.
int CloseWith(int sig, std::string& log) {
    std::string dir = MakeTempDir("signal");
    std::string logPath = dir + "/log";
    pid_t pid = fork();
    if (pid == 0) {
        execl(TOLVANE_BIN, TOLVANE_BIN, "--headless", "--data", TOLVANE_DATA_DIR, "--scene", "7", "--log",
              logPath.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + std::chrono::seconds(60);
    while (ReadTextFile(logPath).find("Startframe") == std::string::npos && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
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
        EXPECT_EQ(CloseWith(sig, log), 0) << sig;
        std::string line = sig == SIGTERM ? "closing on SIGTERM\n" : "closing on SIGINT\n";
        // The log is closed by the exit sequence, so the line is there whole.
        EXPECT_NE(log.find("Startframe関数通過\n" + line), std::string::npos) << log.substr(log.size() - 200);
    }
}
