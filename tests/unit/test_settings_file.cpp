// The settings file (its reader, atomic writes and XDG place), the keys
// that change settings, and the real window's frame gate.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/app.h"
#include "app/settings.h"
#include "app/shell_keys.h"
#include "app/text_file.h"
#include "game_run.h"
#include "temp_env.h"

TEST(SettingsFile, ReadsEveryKeyAndWritesWhatItReads) {
    Settings s;
    std::string complaints;
    ParseSettings("fullscreen = 0\nwindow_scale=2\n  music_volume =  30 \neffects_volume = 70\nmuted = 1\n"
                  "language = en\ngame_speed = 70\n# a comment\n\n[tolvane]\n",
                  "s.ini", s, complaints);
    EXPECT_EQ(complaints, "");
    EXPECT_FALSE(s.fullscreen);
    EXPECT_EQ(s.windowScale, 2);
    EXPECT_EQ(s.musicVolume, 30);
    EXPECT_EQ(s.effectsVolume, 70);
    EXPECT_TRUE(s.muted);
    EXPECT_STREQ(s.language, "en");
    EXPECT_EQ(s.gameSpeed, 70);
    Settings again;
    ParseSettings(FormatSettings(s), "s.ini", again, complaints);
    EXPECT_EQ(complaints, "");
    EXPECT_EQ(FormatSettings(again), FormatSettings(s));
}

TEST(SettingsFile, DamagedLinesAreIgnoredOneByOneAndNamed) {
    Settings s;
    std::string complaints;
    ParseSettings("music_volume = 40\nmusic_volume = 101\nwindow_scale = -1\nfullscreen = yes\nlanguage = fr\n"
                  "colour = blue\njust words\nmuted = 1x\neffects_volume = 99999999999999999999\nmusic_volume = 50\n"
                  "game_speed = 75\ngame_speed = 40\n",
                  "s.ini", s, complaints);
    EXPECT_EQ(s.musicVolume, 50);  // the last good line counts
    EXPECT_EQ(s.windowScale, 0);
    EXPECT_TRUE(s.fullscreen);
    EXPECT_STREQ(s.language, "");  // unset: the locale decides
    EXPECT_FALSE(s.muted);
    EXPECT_EQ(s.effectsVolume, 100);
    EXPECT_EQ(s.gameSpeed, 100);
    for (int line : {2, 3, 4, 5, 6, 7, 8, 9, 11, 12})
        EXPECT_NE(complaints.find("s.ini:" + std::to_string(line) + ": "), std::string::npos) << complaints;
    EXPECT_EQ(complaints.find("s.ini:1:"), std::string::npos);
    EXPECT_NE(complaints.find("s.ini:6: unknown key, line ignored"), std::string::npos);
}

TEST(SettingsFile, SavedAtomicallyIntoFoldersItMakes) {
    std::string dir = MakeTempDir("settings");
    std::string path = dir + "/a/b/settings.ini";
    SetSettingsPath(path);
    g_Settings = Settings{};
    g_Settings.musicVolume = 60;
    ASSERT_TRUE(SaveSettings(kSettingMusicVolume));
    g_Settings.musicVolume = 70;
    ASSERT_TRUE(SaveSettings(kSettingMusicVolume));
    EXPECT_EQ(FilesIn(dir + "/a/b"), 1);  // no temporary file left behind (the lock is hidden)
    LoadSettings();
    EXPECT_EQ(g_Settings.musicVolume, 70);
    // A folder where the file should be: defaults, and saving fails cleanly.
    SetSettingsPath(dir + "/a");
    LoadSettings();
    EXPECT_EQ(g_Settings.musicVolume, 100);
    EXPECT_FALSE(SaveSettings(kSettingMuted));
    SetSettingsPath("");
}

// Two games at once: each save takes the file as the other left it and
// overwrites only the keys its own player changed (a failed save's keys
// too, at the next one), through a symbolic link.
TEST(SettingsFile, SavesMergeTheKeysThisRunChanged) {
    std::string dir = MakeTempDir("settings_merge");
    std::string real = dir + "/real.ini", path = dir + "/settings.ini";
    std::ofstream(real) << "\xEF\xBB\xBFmusic_volume = 80\nlanguage = en\n";
    ASSERT_EQ(symlink(real.c_str(), path.c_str()), 0);
    SetSettingsPath(path);
    LoadSettings();
    EXPECT_EQ(g_Settings.musicVolume, 80);  // the byte-order mark is no damage
    std::ofstream(real) << "music_volume = 80\nmuted = 1\nlanguage = en\n";  // the other game muted
    g_Settings.musicVolume = 40;
    ASSERT_TRUE(SaveSettings(kSettingMusicVolume));
    Settings now;
    std::string complaints;
    ParseSettings(ReadTextFile(real), "s.ini", now, complaints);
    EXPECT_EQ(now.musicVolume, 40);
    EXPECT_TRUE(now.muted);
    EXPECT_STREQ(now.language, "en");
    struct stat st {};
    EXPECT_TRUE(lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
    // A failed save: its key goes in with the next one.
    ASSERT_EQ(unlink(real.c_str()), 0);
    mkdir(real.c_str(), 0755);
    g_Settings.fullscreen = false;
    EXPECT_FALSE(SaveSettings(kSettingFullscreen));
    rmdir(real.c_str());
    g_Settings.effectsVolume = 30;
    ASSERT_TRUE(SaveSettings(kSettingEffectsVolume));
    now = Settings{};
    ParseSettings(ReadTextFile(real), "s.ini", now, complaints);
    EXPECT_FALSE(now.fullscreen);
    EXPECT_EQ(now.effectsVolume, 30);
    EXPECT_EQ(now.musicVolume, 100);  // the file was gone: only the keys changed since
    SetSettingsPath("");
    g_Settings = Settings{};
}

TEST(KeptFiles, XdgFoldersAndTheirFallbacks) {
    EnvGuard config("XDG_CONFIG_HOME"), data("XDG_DATA_HOME"), home("HOME");
    setenv("HOME", "/home/player", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    setenv("XDG_DATA_HOME", "/dat", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/cfg/tolvane/settings.ini");
    EXPECT_EQ(XdgFilePath("XDG_DATA_HOME", ".local/share", "x.ini"), "/dat/tolvane/x.ini");
    // Relative values are not to be used; unset ones fall back to HOME.
    setenv("XDG_CONFIG_HOME", "cfg", 1);
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DefaultSettingsPath(), "/home/player/.config/tolvane/settings.ini");
    EXPECT_EQ(XdgFilePath("XDG_DATA_HOME", ".local/share", "x.ini"), "/home/player/.local/share/tolvane/x.ini");
    unsetenv("HOME");
    EXPECT_EQ(DefaultSettingsPath(), "");
}

TEST(ShellKeys, VolumeStepsMuteAndTheRunsOverrides) {
    std::string dir = MakeTempDir("shellkeys");
    SetSettingsPath(dir + "/settings.ini");
    g_Settings = Settings{};
    g_Settings.fullscreen = false;
    g_Settings.musicVolume = 80;
    AppOptions opts;
    opts.musicVolume = 35;  // this run only
    StartRunSettings(opts);
    EXPECT_TRUE(opts.windowed);  // from the file
    EXPECT_EQ(RunMusicVolume(), 35);
    EXPECT_STREQ(ShellNoteText(), "");
    HandleShellKey(ShellKey::MusicUp);
    EXPECT_EQ(RunMusicVolume(), 40);
    EXPECT_STREQ(ShellNoteText(), "音楽 40%");
    HandleShellKey(ShellKey::MusicDown);
    HandleShellKey(ShellKey::MusicDown);
    EXPECT_EQ(RunMusicVolume(), 20);
    EXPECT_NE(ReadTextFile(dir + "/settings.ini").find("music_volume = 20\n"), std::string::npos);
    for (int i = 0; i < 15; ++i) HandleShellKey(ShellKey::MusicDown);
    EXPECT_EQ(RunMusicVolume(), 0);
    for (int i = 0; i < 15; ++i) HandleShellKey(ShellKey::MusicUp);
    EXPECT_EQ(RunMusicVolume(), 100);
    HandleShellKey(ShellKey::Mute);
    EXPECT_TRUE(RunMuted());
    EXPECT_STREQ(ShellNoteText(), "消音");
    EXPECT_NE(ReadTextFile(dir + "/settings.ini").find("muted = 1\n"), std::string::npos);
    HandleShellKey(ShellKey::Mute);
    EXPECT_FALSE(RunMuted());
    // G: one step slower each press, from 50 back to 100, remembered.
    for (int expected : {90, 80, 70, 60, 50, 100, 90}) {
        HandleShellKey(ShellKey::GameSpeed);
        EXPECT_EQ(RunGameSpeed(), expected);
    }
    EXPECT_STREQ(ShellNoteText(), "ゲームの速さ 90%");
    EXPECT_NE(ReadTextFile(dir + "/settings.ini").find("game_speed = 90\n"), std::string::npos);
    // A level given for this run alone stays out of the file when the player
    // only mutes.
    std::ofstream(dir + "/settings.ini") << "music_volume = 80\n";
    g_Settings.musicVolume = 80;
    opts.musicVolume = 30;
    StartRunSettings(opts);
    HandleShellKey(ShellKey::Mute);
    std::string kept = ReadTextFile(dir + "/settings.ini");
    EXPECT_NE(kept.find("music_volume = 80\n"), std::string::npos) << kept;
    EXPECT_NE(kept.find("muted = 1\n"), std::string::npos) << kept;
    EXPECT_EQ(RunMusicVolume(), 30);
    // The command line wins over the file for the run.
    AppOptions full;
    full.fullscreen = true;
    StartRunSettings(full);
    EXPECT_FALSE(full.windowed);
    SetSettingsPath("");
    g_Settings = Settings{};
}
