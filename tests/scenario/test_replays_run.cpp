// Every clear kept as a replay, checked with --verify and watched from the
// stage select; and the game speed, which never reaches the game's own time.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "game_run.h"
#include "xvfb.h"

namespace {

std::string ReplayPath(const char* name) { return std::string(TOLVANE_TEST_DIR) + "/replays/" + name; }

// The whole story played headless with a progress file in a fresh folder.
struct StoryRun {
    std::string dir;
    GameRun run;
};

const StoryRun& Story() {
    static StoryRun s = [] {
        StoryRun r;
        r.dir = MakeTempDir("replays");
        r.run = RunGameHeadless({"--script", ReplayPath("story.txt"), "--progress", r.dir + "/progress.ini",
                                 "--max-ms", "2000000"});
        return r;
    }();
    return s;
}

std::string Kept(int stage, const char* kind) {
    return Story().dir + "/replays/stage" + std::to_string(stage) + "-" + kind + ".txt";
}

GameRun Verify(const std::string& file) { return RunGameHeadless({"--verify", file}); }

// The clear time the progress file gives stage k.
std::string ProgressTime(int stage) {
    const std::string text = ReadTextFile(Story().dir + "/progress.ini");
    const std::string key = "stage" + std::to_string(stage) + " = ";
    const size_t at = text.find(key);
    return at == std::string::npos ? "" : text.substr(at + key.size(), text.find('\n', at) - at - key.size());
}

std::string Write(const std::string& name, const std::string& text) {
    const std::string path = MakeTempDir("replay") + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

}  // namespace

// Each stage's clear in the story (started wherever the story left the
// pointer, the held keys and the brush's stroke) leaves both replays, and
// --verify plays each back to the same clear at the same game time.
TEST(KeptReplays, EveryStoryClearIsKeptAndVerifies) {
    ASSERT_EQ(Story().run.exitCode, 0) << Story().run.stderrText;
    for (int k = 1; k <= 9; ++k) {
        SCOPED_TRACE("stage " + std::to_string(k));
        const std::string best = ReadTextFile(Kept(k, "best"));
        ASSERT_EQ(best.rfind("# Tolvane replay\n# stage " + std::to_string(k) + "\n# version ", 0), 0u) << best;
        EXPECT_EQ(best, ReadTextFile(Kept(k, "last")));  // one clear each: the same try
        GameRun v = Verify(Kept(k, "best"));
        EXPECT_EQ(v.exitCode, 0) << v.stdoutText << v.stderrText;
        EXPECT_EQ(v.stdoutText.rfind("stage " + std::to_string(k) + " cleared in " + ProgressTime(k) + " ms", 0), 0u)
            << v.stdoutText;
    }
}

// 0 clears, 1 does not (its clicks gone, or a stage this game has not), 2 is
// no replay (noise, a plain input script, a replay that waits or includes).
TEST(KeptReplays, VerifyTellsClearsFailuresAndNoReplays) {
    const std::string best = ReadTextFile(Kept(1, "best"));
    ASSERT_FALSE(best.empty());
    std::string noClicks;
    for (size_t at = 0; at < best.size();) {
        const size_t end = best.find('\n', at) + 1;
        const std::string line = best.substr(at, end - at);
        if (line.find(" press ") == std::string::npos && line.find(" release ") == std::string::npos) noClicks += line;
        at = end;
    }
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise += char((i * 7919 + 13) % 251);
    std::string laterStage = best;
    laterStage.replace(laterStage.find("# stage 1\n"), 10, "# stage 99\n");
    const struct {
        std::string file;
        int status;
        const char* says;
    } kCases[] = {
        {Kept(1, "best"), 0, "stage 1 cleared in "},
        {Write("no-clicks.txt", noClicks), 1, "stage 1 not cleared"},
        {Write("stage99.txt", laterStage), 1, "stage 99 not cleared: this game has no stage 99"},
        {Write("noise.txt", noise), 2, ""},
        {ReplayPath("stage1_win.txt"), 2, ""},
        {Write("waits.txt", best + "0 wait 11\n"), 2, ""},
        {Write("includes.txt", best + "0 include " + ReplayPath("stage1_win.txt") + "\n"), 2, ""},
        {Story().dir + "/missing.txt", 2, ""},
    };
    for (const auto& c : kCases) {
        GameRun v = Verify(c.file);
        EXPECT_EQ(v.exitCode, c.status) << c.file << "\n" << v.stdoutText << v.stderrText;
        EXPECT_EQ(v.stdoutText.rfind(c.says, 0), 0u) << v.stdoutText;
        if (c.status == 2) {
            EXPECT_NE(v.stderrText.find("is not a replay"), std::string::npos) << v.stderrText;
        }
    }
}

// The latest clear always replaces stageN-last; stageN-best only when faster
// (or when what is there is no replay of the stage).
TEST(KeptReplays, TheBestStaysUnlessBeaten) {
    const std::string kept = ReadTextFile(Kept(1, "best"));
    const std::string time = "# cleared " + ProgressTime(1) + "\n";
    ASSERT_NE(kept.find(time), std::string::npos);
    const struct {
        std::string before;
        bool replaced;
    } kCases[] = {
        {std::string(kept).replace(kept.find(time), time.size(), "# cleared 5\n"), false},
        {std::string(kept).replace(kept.find(time), time.size(), "# cleared 999999\n"), true},
        {"scribbles\n", true},
    };
    for (const auto& c : kCases) {
        const std::string dir = MakeTempDir("best");
        std::string mkdir = "mkdir -p '" + dir + "/replays'";
        ASSERT_EQ(std::system(mkdir.c_str()), 0);
        std::ofstream(dir + "/replays/stage1-best.txt") << c.before;
        std::ofstream(dir + "/replays/stage1-last.txt") << "old\n";
        GameRun run = RunGameHeadless({"--scene", "11", "--max-ms", "28000", "--progress", dir + "/progress.ini",
                                       "--script", ReplayPath("stage1_win.txt")});
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        EXPECT_EQ(ReadTextFile(dir + "/replays/stage1-best.txt") == c.before, !c.replaced) << c.before;
        EXPECT_NE(ReadTextFile(dir + "/replays/stage1-last.txt").find(time), std::string::npos);
    }
}

// From the stage select: Best watches stage 1's clear under the replay mark
// (the shot), the watch's own pause holds the game, a step runs one frame,
// the clear leads back to the select, and nothing kept changes.
TEST(KeptReplays, WatchedFromTheStageSelectToTheClear) {
    ASSERT_EQ(Story().run.exitCode, 0);
    const std::string progress = ReadTextFile(Story().dir + "/progress.ini"), best = ReadTextFile(Kept(1, "best"));
    const std::string shots = std::string(TOLVANE_DATA_DIR) + "/../replay-shots";
    ASSERT_EQ(std::system(("mkdir -p '" + shots + "'").c_str()), 0);
    const std::string script = "1000 move 486 167\n1500 shot " + shots + "/select.png\n2000 click 486 167\n"
                               "2100 wait 12\n3000 shot " + shots + "/watching.png\n"
                               "4000 keydown space\n4100 keyup space\n5000 keydown right\n5100 keyup right\n"
                               "6000 shot " + shots + "/paused.png\n6500 keydown space\n6600 keyup space\n"
                               "30000 wait 46\n1000 quit\n";
    GameRun run = RunGameHeadless({"--scene", "45", "--lang", "en", "--progress", Story().dir + "/progress.ini"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    // Frames of the watched stage's play, counted by game time: the pause
    // (2.5 s of script time) holds all but the one stepped frame.
    long long first = -1, last = -1;
    bool cleared = false;
    for (const std::string& l : run.trace)
        if (TraceField(l, "scene") == 12) {
            if (first < 0) first = TraceField(l, "t");
            last = TraceField(l, "t");
            cleared |= l.find("\"cleared\":1") != std::string::npos;
        }
    EXPECT_TRUE(cleared);
    EXPECT_EQ(TraceField(run.trace.back(), "scene"), 46);
    // The stage ran as long in game time as the kept clear says, plus its banners.
    EXPECT_GT(last - first, std::stoll(ProgressTime(1)));
    EXPECT_EQ(ReadTextFile(Story().dir + "/progress.ini"), progress);
    EXPECT_EQ(ReadTextFile(Kept(1, "best")), best);
    // The pause: 2.5 s of the script's clock, none of the game's but the
    // one frame stepped. The same script cut short with and without it:
    const std::string head = script.substr(0, script.find("4000 keydown"));
    const std::string pauses = script.substr(script.find("4000 keydown"), script.find("30000 wait") - script.find("4000 keydown"));
    GameRun paused = RunGameHeadless({"--scene", "45", "--max-ms", "12000", "--progress", Story().dir + "/progress.ini"},
                                     head + pauses);
    GameRun running = RunGameHeadless({"--scene", "45", "--max-ms", "12000", "--progress", Story().dir + "/progress.ini"}, head);
    const long long held = TraceField(running.trace.back(), "t") - TraceField(paused.trace.back(), "t");
    EXPECT_GE(held, 2470);
    EXPECT_LT(held, 2500);
}

// --watch plays a file from the command line, then shows the stage select;
// watching keeps no replay and no progress.
TEST(KeptReplays, WatchFromTheCommandLine) {
    const std::string dir = MakeTempDir("watch");
    GameRun run = RunGameHeadless({"--watch", Kept(2, "best"), "--progress", dir + "/progress.ini", "--max-ms", "60000"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(CountLines(run.log, "GameST2init関数通過"), 1);
    EXPECT_EQ(TraceField(run.trace.back(), "scene"), 46);
    EXPECT_EQ(ReadTextFile(dir + "/progress.ini"), "");
    EXPECT_EQ(ReadTextFile(dir + "/replays/stage2-last.txt"), "");
}

// Game speed paces a window alone: headless traces are the same at every speed.
TEST(GameSpeed, TracesAreTheSameAtAnySpeed) {
    GameRun full = RunGameHeadless({"--scene", "11", "--max-ms", "28000"}, "0 include " + ReplayPath("stage1_win.txt"));
    GameRun half = RunGameHeadless({"--scene", "11", "--max-ms", "28000", "--speed", "50"},
                                   "0 include " + ReplayPath("stage1_win.txt"));
    ASSERT_EQ(full.exitCode, 0);
    ASSERT_EQ(half.exitCode, 0) << half.stderrText;
    EXPECT_EQ(full.trace, half.trace);
    for (const char* bad : {"45", "55", "110", "fast"}) {
        GameRun r = RunGameHeadless({"--speed", bad});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_NE(r.stderrText.find("--speed"), std::string::npos) << r.stderrText;
    }
}

// A window at 50 %: its game time runs at half the wall time (from its first
// frame, past the start-up), within 10 %.
TEST(GameSpeed, AWindowAtHalfSpeedTakesTwiceTheWallTime) {
    XvfbServer x;
    if (!StartXvfb(x)) GTEST_SKIP() << "the virtual X server did not start";
    const std::string dir = MakeTempDir("speed");
    const std::string cmd = "XDG_CONFIG_HOME='" + dir + "' XDG_DATA_HOME='" + dir + "' '" TOLVANE_BIN "' --windowed --data '" +
                            std::string(TOLVANE_DATA_DIR) + "' --scene 11 --max-ms 3000 --bench --speed 50 --log /dev/null"
                            " </dev/null 2>&1";
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        EXPECT_EQ(pclose(p), 0) << out;
    }
    StopXvfb(x);
    auto field = [&](const char* name) {
        const size_t at = out.find(std::string(" ") + name + "=");
        return at == std::string::npos ? -1.0 : std::atof(out.c_str() + at + std::strlen(name) + 2);
    };
    const double game = field("game_ms"), wall = field("wall_ms") - field("first_frame_ms");
    ASSERT_GT(game, 2900) << out;
    EXPECT_NEAR(game / wall, 0.5, 0.05) << out;
}
