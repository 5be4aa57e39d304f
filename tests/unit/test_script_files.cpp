// Script files as found on disk: directories, binary junk, key names in any case.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "app/input.h"
#include "base/platform.h"
#include "app/script.h"
#include "game_run.h"

namespace {

std::string Load(const std::string& path, bool expectOk) {
    std::vector<ScriptEvent> ev;
    std::string err;
    EXPECT_EQ(LoadScriptFile(path, ev, err), expectOk) << err;
    return err;
}

std::string Write(const std::string& name, const std::string& text) {
    std::string p = testing::TempDir() + "scriptfile_" + name;
    std::ofstream(p, std::ios::binary) << text;
    return p;
}

}  // namespace

// Only a regular file of a sane size is read, itself or included: a
// directory, an endless device, a FIFO that would block.
TEST(ScriptFile, OnlyRegularFilesOfASaneSizeAreRead) {
    std::string dir = MakeTempDir("scriptfile");
    mkdir((dir + "/folder").c_str(), 0700);
    mkfifo((dir + "/fifo").c_str(), 0600);
    std::ofstream(dir + "/huge.txt").seekp((64 << 20) + 1) << '\n';  // sparse
    struct Case {
        std::string path, why;
    } cases[] = {
        {dir + "/folder", "a directory, not a file"},
        {"/dev/zero", "not a regular file"},
        {dir + "/fifo", "not a regular file"},
        {dir + "/huge.txt", "file too big"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(Load(c.path, false), c.path + ": cannot read the script: " + c.why);
        std::string including = Write("including", "0 include " + c.path + "\n");
        EXPECT_EQ(Load(including, false), including + ":1: cannot read the included script '" + c.path + "': " + c.why);
        GameRun run = RunGameHeadless({"--script", c.path, "--max-ms", "100"});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.stderrText.find(c.why), std::string::npos) << run.stderrText;
    }
    EXPECT_TRUE(Load(Write("empty", ""), true).empty());  // nothing to do is no error
}

TEST(ScriptFile, BinaryJunkIsShownEscaped) {
    std::string path = Write("junk", std::string("0 \x1b[2J\x07\xff\xfe move 1 2\n", 17));
    std::string err = Load(path, false);
    EXPECT_EQ(err, path + ":1: unknown event '\\x1b[2J\\x07\\xff\\xfe'");
    for (char c : err) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << err;
    // Whole UTF-8 characters stay readable.
    std::string kana = Write("kana", "0 ジャンプ\n");
    EXPECT_EQ(Load(kana, false), kana + ":1: unknown event 'ジャンプ'");
    // A huge line without a line feed is not poured onto the terminal.
    EXPECT_LT(Load(Write("long", std::string(100000, 'x')), false).size(), 300u);
}

TEST(ScriptFile, KeyNamesInAnyCase) {
    EXPECT_EQ(KeyNameToVk("ESCAPE"), VK_ESCAPE);
    EXPECT_EQ(KeyNameToVk("Space"), VK_SPACE);
    EXPECT_EQ(KeyNameToVk("ENTER"), VK_RETURN);
    EXPECT_EQ(KeyNameToVk("F1"), VK_F1);
    EXPECT_EQ(KeyNameToVk("q"), 'Q');
    EXPECT_EQ(KeyNameToVk("Tab"), 0x09);
    EXPECT_EQ(KeyNameToVk("F11"), 0x7A);
    EXPECT_EQ(KeyNameToVk("Home"), -1);
    EXPECT_TRUE(Load(Write("keys", "0 keydown ESCAPE\n10 keyup Escape\n"), true).empty());
}
