// What headless runs keep: the settings and progress files only when told
// (--config, --progress), read and written as a player's run would, with
// replays unchanged.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "game_run.h"
#include "gfx/image.h"

namespace {
bool Sh(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }
}  // namespace

TEST(KeptFiles, HeadlessRunsKeepNothingUnlessGivenFiles) {
    std::string home = MakeTempDir("home");
    std::string dir = MakeTempDir("kept");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    // A won stage 1, headless and untold: no file appears anywhere.
    std::string win = ReadTextFile(std::string(TOLVANE_TEST_DIR) + "/replays/stage1_win.txt");
    GameRun plain = RunGameHeadless({"--scene", "11", "--max-ms", "30000"}, win);
    ASSERT_EQ(plain.exitCode, 0) << plain.stderrText;
    EXPECT_NE(Sh("find " + home + " -type f | grep -q ."), true);

    // Told: the settings file is read (a damaged line is logged) and the
    // clear is kept with its time, the same run after run.
    std::string config = dir + "/settings.ini", progress = dir + "/progress.ini";
    Sh("printf 'music_volume = 30\\nnonsense\\n' >" + config);
    GameRun told = RunGameHeadless({"--scene", "11", "--max-ms", "30000", "--config", config, "--progress", progress},
                                   win);
    ASSERT_EQ(told.exitCode, 0) << told.stderrText;
    EXPECT_EQ(CountLines(told.log, config + ":2: not 'key = value', line ignored"), 1);
    std::string kept = ReadTextFile(progress);
    size_t at = kept.find("stage1 = ");
    ASSERT_NE(at, std::string::npos) << kept;
    long ms = std::atol(kept.c_str() + at + 9);
    EXPECT_GT(ms, 10000);  // the replay's last click is at 17 s
    EXPECT_LT(ms, 30000);
    EXPECT_EQ(ReadTextFile(config), "music_volume = 30\nnonsense\n");  // read, never rewritten untouched
    // The told run played exactly as the untold one.
    EXPECT_EQ(told.trace, plain.trace);

    // A damaged progress file: no progress, a log line, and the next clear
    // writes a sound file again.
    Sh("printf 'stage1 = fast\\n' >" + progress);
    GameRun damaged = RunGameHeadless({"--scene", "11", "--max-ms", "30000", "--progress", progress}, win);
    ASSERT_EQ(damaged.exitCode, 0) << damaged.stderrText;
    EXPECT_EQ(CountLines(damaged.log, "progress: " + progress + ":1: not 'stageN = best time in ms', line ignored"), 2)
        << "read at start-up and again at the clear";
    EXPECT_EQ(ReadTextFile(progress), kept);
    EXPECT_EQ(ReadTextFile(progress + ".damaged"), "stage1 = fast\n");
}

// A progress file saved by Notepad as "Unicode" (UTF-16 with its mark, CRLF):
// read whole (the story's place and the clears count), and the next clear
// writes it back as UTF-8 with nothing lost and nothing kept aside.
TEST(KeptFiles, AUtf16ProgressFileIsKeptThroughAClear) {
    std::string dir = MakeTempDir("utf16"), progress = dir + "/progress.ini";
    const std::u16string text = u"# メモ帳で保存\r\nstage1 = 83456\r\nstage3 = 61000\r\nstory = 3\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) bytes += {char(c & 0xFF), char(c >> 8)};
    FILE* f = std::fopen(progress.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    GameRun run = RunGameHeadless({"--scene", "15", "--max-ms", "50000", "--progress", progress},
                                  ReadTextFile(std::string(TOLVANE_TEST_DIR) + "/replays/stage2_win.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    for (const std::string& l : run.log) EXPECT_EQ(l.find("line ignored"), std::string::npos) << l;
    std::string kept = ReadTextFile(progress);
    EXPECT_NE(kept.find("stage1 = 83456\n"), std::string::npos) << kept;
    EXPECT_NE(kept.find("stage2 = "), std::string::npos) << kept;
    EXPECT_NE(kept.find("stage3 = 61000\n"), std::string::npos) << kept;
    EXPECT_NE(kept.find("story = "), std::string::npos) << kept;
    EXPECT_EQ(kept.find('\r'), std::string::npos) << "written as the game writes, UTF-8 with line feeds";
    EXPECT_NE(static_cast<unsigned char>(kept[0]), 0xFF);
    EXPECT_FALSE(access((progress + ".damaged").c_str(), F_OK) == 0);
}

// Two games at once, each clearing its own stage into the same file, again
// and again: both clears are always kept.
TEST(KeptFiles, TwoGamesAtOnceKeepBothClears) {
    const char* runs = std::getenv("TOLVANE_MERGE_RUNS");
    const int pairs = runs && *runs ? std::atoi(runs) : 6;
    std::string dir = MakeTempDir("twogames"), progress = dir + "/progress.ini";
    auto game = [&](const char* scene, const char* replay) {
        return std::string("'") + TOLVANE_BIN + "' --headless --data '" + TOLVANE_DATA_DIR + "' --scene " + scene +
               " --max-ms 50000 --progress '" + progress + "' --script '" + TOLVANE_TEST_DIR + "/replays/" + replay +
               "' >/dev/null 2>&1";
    };
    std::string both = game("11", "stage1_win.txt") + " & " + game("15", "stage2_win.txt") + " & wait";
    for (int i = 0; i < pairs; ++i) {
        unlink(progress.c_str());
        ASSERT_EQ(std::system(("bash -c \"" + both + "\"").c_str()), 0);
        std::string kept = ReadTextFile(progress);
        EXPECT_NE(kept.find("stage1 = "), std::string::npos) << "pair " << i << ":\n" << kept;
        EXPECT_NE(kept.find("stage2 = "), std::string::npos) << "pair " << i << ":\n" << kept;
    }
}

// The files the player relies on: a write that fails ends the run, naming
// the file (status 2 when it fails at start-up), and '-' is standard output.
TEST(KeptFiles, FailedWritesEndTheRunNamingTheFile) {
    struct Case {
        const char* option;
        int status;
        const char* what;
    } cases[] = {{"--record", 2, "the recording"}, {"--trace", 1, "the trace"}, {"--log", 1, "the log"}};
    for (const Case& c : cases) {
        GameRun run = RunGameHeadless({"--scene", "7", "--max-ms", "3000", c.option, "/dev/full"});
        EXPECT_EQ(run.exitCode, c.status) << c.option;
        EXPECT_NE(run.stderrText.find(std::string("tolvane: cannot write ") + c.what +
                                      " '/dev/full': No space left on device"),
                  std::string::npos)
            << run.stderrText;
    }
    // A clear that cannot be saved (a folder in the file's place): the run
    // plays on exactly, the note shows at the top of the picture, and the
    // end says the clear was lost.
    std::string dir = MakeTempDir("blocked_progress"), blocked = dir + "/progress.ini";
    mkdir(blocked.c_str(), 0755);
    std::string win = ReadTextFile(std::string(TOLVANE_TEST_DIR) + "/replays/stage1_win.txt");
    GameRun plain = RunGameHeadless({"--scene", "11", "--max-ms", "26000"}, win);
    GameRun lost = RunGameHeadless({"--scene", "11", "--max-ms", "26000", "--progress", blocked},
                                   win + "25000 shot " + dir + "/note.png\n");
    EXPECT_EQ(lost.exitCode, 1);
    EXPECT_EQ(lost.stderrText, "tolvane: progress could not be saved to " + blocked + ": a directory, not a file\n");
    EXPECT_EQ(lost.trace, plain.trace);
    Image shot;
    ASSERT_TRUE(DecodeImageFile((dir + "/note.png").c_str(), shot));
    EXPECT_EQ(shot.argb[30 * 640 + 625] & 0xFFFFFFu, 0x402020u) << "the note's band";

    GameRun out = RunGameHeadless({"--scene", "7", "--max-ms", "100", "--trace", "-", "--record", "-"});
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_NE(out.stdoutText.find("# Replay: tolvane --headless --lang ja --scene 7 --script FILE\n"), std::string::npos);
    EXPECT_NE(out.stdoutText.find("{\"t\":0,\"scene\":7,"), std::string::npos) << out.stdoutText;
    EXPECT_EQ(access("-", F_OK), -1);
}

// Progress carried from one game to another in one file: the best time of
// each stage and the further story kept, the settings taken; a damaged file
// changes nothing.
TEST(KeptFiles, ProgressCarriedToAnotherGameByAFile) {
    const std::string dir = MakeTempDir("carry"), carry = dir + "/carry.txt";
    const std::string a = dir + "/a", b = dir + "/b";
    mkdir(a.c_str(), 0755);
    mkdir(b.c_str(), 0755);
    Sh("printf 'stage1 = 5000\\nstory = 2\\n' >" + a + "/progress.ini");
    Sh("printf 'music_volume = 40\\n' >" + a + "/settings.ini");
    Sh("printf 'stage1 = 4000\\nstage3 = 9000\\nstory = 5\\n' >" + b + "/progress.ini");
    auto files = [](const std::string& at) {
        return std::vector<std::string>{"--config", at + "/settings.ini", "--progress", at + "/progress.ini"};
    };
    auto run = [&](const char* option, const std::string& at) {
        std::vector<std::string> args = files(at);
        args.insert(args.end(), {option, carry});
        return RunGameHeadless(args);
    };
    GameRun saved = run("--export", a);
    ASSERT_EQ(saved.exitCode, 0) << saved.stderrText;
    EXPECT_EQ(saved.stdoutText, "tolvane: settings and progress saved to " + carry + "\n");
    GameRun loaded = run("--import", b);
    ASSERT_EQ(loaded.exitCode, 0) << loaded.stderrText;
    const std::string progress = ReadTextFile(b + "/progress.ini");
    EXPECT_NE(progress.find("stage1 = 4000\nstage3 = 9000\nstory = 5\n"), std::string::npos) << progress;
    EXPECT_NE(ReadTextFile(b + "/settings.ini").find("music_volume = 40\n"), std::string::npos);
    // Damaged: refused with the line named, nothing changed.
    Sh("printf 'stage2 = soon\\n' >>" + carry);
    Sh("printf 'stage2 = 1\\n' >" + a + "/progress.ini");
    GameRun refused = run("--import", a);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.stderrText.find("refused, nothing changed: line "), std::string::npos) << refused.stderrText;
    EXPECT_EQ(ReadTextFile(a + "/progress.ini"), "stage2 = 1\n");
}
