// Recorded play: a run in a real window on a virtual X server, driven by
// real X input (xdotool), is recorded with --record; its headless replay
// must match the window's trace frame for frame, pauses, the key card and
// clicks shorter than a frame included.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "game_run.h"
#include "xvfb.h"

namespace {

using Clock = std::chrono::steady_clock;

bool Sh(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }

// Waits until the run's trace (written line by line) holds `frames` frames,
// the last of them containing `text`; false after the deadline.
bool WaitForTrace(const std::string& trace, size_t frames, const std::string& text, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        std::vector<std::string> lines = ReadLines(trace);
        if (lines.size() >= frames && lines.back().find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

}  // namespace

TEST(RecordedPlay, AWindowedRunReplaysHeadlessFrameForFrame) {
    if (access("/usr/bin/xdotool", X_OK) != 0) GTEST_SKIP() << "no xdotool";
    XvfbServer x;
    if (!StartXvfb(x)) GTEST_SKIP() << "the virtual X server did not start";
    std::string dir = MakeTempDir("record");
    const std::string rec = dir + "/play.txt", trace = dir + "/window.trace";
    const std::string maxMs = "9000";
    pid_t game = fork();
    if (game == 0) {
        // Nothing of the player's own: settings and progress go to the test's folder.
        setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
        setenv("XDG_DATA_HOME", dir.c_str(), 1);
        setenv("TOLVANE_SOUNDFONT", (std::string(TOLVANE_DATA_DIR) + "/sf2/quiet.sf2").c_str(), 1);
        execl(TOLVANE_BIN, TOLVANE_BIN, "--windowed", "--data", TOLVANE_DATA_DIR, "--scene", "11", "--max-ms",
              maxMs.c_str(), "--record", rec.c_str(), "--trace", trace.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Stage 1 in a 640x480 window: the red pot, the hero, a right click, a
    // key the game reads and one it ignores, a drag; moves in between.
    std::string wid = dir + "/wid";
    bool found = Sh("timeout 60 xdotool search --sync --onlyvisible --name '^Tolvane$' >" + wid + " 2>/dev/null");
    const auto stepsBy = Clock::now() + std::chrono::seconds(60);
    bool running = false;
    if (found) {
        std::string w = ReadLines(wid).at(0);
        Sh("xdotool windowfocus " + w + " 2>/dev/null");
        running = WaitForTrace(trace, 1, "\"running\":1", stepsBy);  // the start banner is over
        // The pot and the hero each take a click shorter than a frame
        // (xdotool's click presses and releases at once); P pauses and
        // resumes, F2 shows and hides the key card. Each step waits for
        // three more frames (a short while when paused: no frame runs).
        const char* steps[] = {"mousemove --window W 300 200", "mousemove --window W 160 416", "click 1",
                               "mousemove --window W 75 176", "click 1", "key p", "mousemove --window W 90 200",
                               "key p", "key space", "key F2", "key F2", "mousemove --window W 400 300", "click 3",
                               "key q", "mousedown 1", "mousemove --window W 420 310", "mouseup 1"};
        bool paused = false;
        for (const char* s : steps) {
            std::string step = s;
            if (size_t at = step.find(" W "); at != std::string::npos) step.replace(at, 3, " " + w + " ");
            Sh("xdotool " + step + " 2>/dev/null");
            if (step == "key p" || step == "key F2") paused = !paused;
            if (paused)
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            else
                WaitForTrace(trace, ReadLines(trace).size() + 3, "", stepsBy);
        }
    }
    int status = 0;
    auto deadline = Clock::now() + std::chrono::seconds(120);
    while (waitpid(game, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(game, SIGKILL);
            waitpid(game, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    StopXvfb(x);
    ASSERT_TRUE(found) << "the window did not appear";
    ASSERT_TRUE(running) << "the stage did not start";
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;

    std::string recorded = ReadTextFile(rec);
    EXPECT_NE(recorded.find(" press left\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find(" press right\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find(" keydown space\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find(" keydown q\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find(" keydown p\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find(" keydown f2\n"), std::string::npos) << recorded;

    GameRun replay = RunGameHeadless({"--scene", "11", "--max-ms", maxMs}, recorded);
    ASSERT_EQ(replay.exitCode, 0) << replay.stderrText;
    std::vector<std::string> window = ReadLines(trace);
    ASSERT_EQ(window.size(), replay.trace.size());
    EXPECT_EQ(window.size(), 600u);  // a frame every 15 ms of game time
    for (size_t i = 0; i < window.size(); ++i) ASSERT_EQ(window[i], replay.trace[i]) << "frame " << i;
    // The pot took the red paint from a click shorter than a frame.
    bool loaded = false;
    for (const std::string& l : window) loaded |= l.find("\"selected\":1") != std::string::npos;
    EXPECT_TRUE(loaded);
}

// A finger's tap a few pixels beside the hero paints him, a mouse's click
// there does not: the script's "finger on" replays the decision exactly.
TEST(RecordedPlay, AFingerIsForgivenAroundTheHeroAndReplaysSo) {
    const std::string pot = "2500 click 160 416\n";  // stage 1's red pot
    GameRun before = RunGameHeadless({"--scene", "11", "--max-ms", "3200"}, pot);
    ASSERT_EQ(before.exitCode, 0) << before.stderrText;
    ASSERT_FALSE(before.trace.empty());
    const std::string& last = before.trace.back();
    int x = 0, y = 0;
    const size_t at = last.find("\"hero\":{\"x\":");
    ASSERT_NE(at, std::string::npos) << last;
    ASSERT_EQ(std::sscanf(last.c_str() + at, "\"hero\":{\"x\":%d,\"y\":%d", &x, &y), 2) << last;
    // Half the finger's margin left of his box, at his middle.
    const std::string tap = "3200 click " + std::to_string(x - 6) + " " + std::to_string(y + 32) + "\n";
    for (bool finger : {false, true}) {
        GameRun run = RunGameHeadless({"--scene", "11", "--max-ms", "3600"},
                                      pot + (finger ? "3100 finger on\n" : "") + tap);
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        const std::string& end = run.trace.back();
        const size_t hero = end.find("\"hero\":{");
        ASSERT_NE(hero, std::string::npos) << end;
        const bool painted = end.substr(hero, end.find('}', hero) - hero).find("\"paint\":1") != std::string::npos;
        EXPECT_EQ(painted, finger) << (finger ? "a finger" : "the mouse") << " at " << tap << run.trace.back();
    }
}

// A finger's long press (the right button, held) does what Space does where
// no right button acts: game over goes to the title, a dialogue races on to
// its stage. The mouse's right button does neither.
TEST(RecordedPlay, AFingersLongPressGoesOnAsSpaceDoes) {
    const struct {
        int scene;
        const char* reached;
    } cases[] = {{47, "Startinit関数通過。"}, {9, "GameST1init"}};
    for (const auto& c : cases)
        for (bool finger : {true, false}) {
            GameRun run = RunGameHeadless({"--scene", std::to_string(c.scene), "--max-ms", "4000"},
                                          std::string(finger ? "0 finger on\n" : "") +
                                              "1000 move 320 240\n1000 press right\n3000 release right\n");
            ASSERT_EQ(run.exitCode, 0) << run.stderrText;
            bool reached = false;
            for (const std::string& l : run.log) reached |= l.find(c.reached) != std::string::npos;
            EXPECT_EQ(reached, finger) << "from scene " << c.scene;
        }
}
