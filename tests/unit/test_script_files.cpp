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

TEST(ScriptFile, DirectoryIsRefusedNotReadAsEmpty) {
    std::string dir = testing::TempDir() + "scriptfile_dir";
    mkdir(dir.c_str(), 0700);
    EXPECT_EQ(Load(dir, false), dir + ": is a directory, not a script");
    GameRun run = RunGameHeadless({"--script", dir, "--max-ms", "100"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.stderrText.find("is a directory, not a script"), std::string::npos) << run.stderrText;
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
