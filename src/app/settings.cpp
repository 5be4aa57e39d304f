#include "app/settings.h"

#include <cstring>
#include <sstream>

#include "base/parse_int.h"
#include "base/platform.h"
#include "app/text_file.h"

Settings g_Settings;

namespace {
std::string s_Path;
unsigned s_Pending = 0;  // keys changed by this run and not yet written
// Saves asked for, and the count a write merged: a write that completes
// after a newer change leaves the keys pending for the next one.
unsigned s_Saves = 0, s_SavesMerged = 0;
std::string s_Problem;  // why the last write failed; empty when it did not

// A line of the log about the file (why it or a line of it was not used).
void LogLine(const std::string& text) { DebugLog((text + "\n").c_str()); }

// The file as another game may have left it, with this run's changed keys.
std::string MergeWithFile(const std::string& now, const std::string& name, bool& unreadable) {
    Settings file;
    std::string complaints;
    int read = ParseSettings(now, name, file, complaints);
    if (!complaints.empty()) DebugLog(complaints.c_str());
    if (read == 0 && !complaints.empty()) unreadable = true;
    CopySettingKeys(file, g_Settings, s_Pending);
    s_SavesMerged = s_Saves;
    return FormatSettings(file);
}

void Written(const char* why) {
    if (KeepWriteOutcome(why, "settings", s_Path, s_Problem) && s_SavesMerged == s_Saves) s_Pending = 0;
}

}  // namespace

int ParseSettings(const std::string& text, const std::string& name, Settings& out, std::string& complaints) {
    std::istringstream in(text);
    std::string line, key, value;
    int lineNo = 0, read = 0;
    auto complain = [&](const std::string& why) {
        complaints += name + ":" + std::to_string(lineNo) + ": " + why + ", line ignored\n";
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (IniLineSkipped(line)) continue;
        if (!SplitIniLine(line, key, value)) {
            complain("not 'key = value'");
            continue;
        }
        long long n = 0;
        if (key == "fullscreen" || key == "muted") {
            if (!ParseInt(value.c_str(), 0, 1, n)) {
                complain(key + " wants 0 or 1");
                continue;
            }
            (key == "fullscreen" ? out.fullscreen : out.muted) = n == 1;
        } else if (key == "window_scale") {
            if (!ParseInt(value.c_str(), 0, kMaxWindowScale, n)) {
                complain("window_scale wants 0.." + std::to_string(kMaxWindowScale));
                continue;
            }
            out.windowScale = int(n);
        } else if (key == "music_volume" || key == "effects_volume") {
            if (!ParseInt(value.c_str(), 0, 100, n)) {
                complain(key + " wants 0..100");
                continue;
            }
            (key == "music_volume" ? out.musicVolume : out.effectsVolume) = int(n);
        } else if (key == "game_speed") {
            if (!ParseInt(value.c_str(), kMinGameSpeed, 100, n) || !GameSpeedValid(n)) {
                complain("game_speed wants 50..100 in steps of 10");
                continue;
            }
            out.gameSpeed = int(n);
        } else if (key == "language") {
            if (value != "ja" && value != "en") {
                complain("language wants ja or en");
                continue;
            }
            std::memcpy(out.language, value.c_str(), 3);
        } else {
            complain("unknown key");
            continue;
        }
        ++read;
    }
    return read;
}

void CopySettingKeys(Settings& to, const Settings& from, unsigned keys) {
    if (keys & kSettingFullscreen) to.fullscreen = from.fullscreen;
    if (keys & kSettingWindowScale) to.windowScale = from.windowScale;
    if (keys & kSettingMusicVolume) to.musicVolume = from.musicVolume;
    if (keys & kSettingEffectsVolume) to.effectsVolume = from.effectsVolume;
    if (keys & kSettingMuted) to.muted = from.muted;
    if (keys & kSettingLanguage) std::memcpy(to.language, from.language, sizeof to.language);
    if (keys & kSettingGameSpeed) to.gameSpeed = from.gameSpeed;
}

std::string FormatSettings(const Settings& s) {
    std::string t = "# Tolvane settings (written by the game)\n";
    t += "fullscreen = " + std::to_string(s.fullscreen ? 1 : 0) + "\n";
    t += "window_scale = " + std::to_string(s.windowScale) + "\n";
    t += "music_volume = " + std::to_string(s.musicVolume) + "\n";
    t += "effects_volume = " + std::to_string(s.effectsVolume) + "\n";
    t += "muted = " + std::to_string(s.muted ? 1 : 0) + "\n";
    if (s.language[0]) t += std::string("language = ") + s.language + "\n";
    t += "game_speed = " + std::to_string(s.gameSpeed) + "\n";
    return t;
}

std::string DefaultSettingsPath() { return XdgFilePath("XDG_CONFIG_HOME", ".config", "settings.ini"); }
void SetSettingsPath(const std::string& path) {
    s_Path = path;
    s_Pending = 0;
    s_Saves = s_SavesMerged = 0;
    s_Problem.clear();
}

void LoadSettings() {
    g_Settings = Settings{};
    if (s_Path.empty()) return;
    std::string text;
    if (const char* why = ReadSmallTextFile(s_Path, text)) {
        if (std::strcmp(why, "no such file") != 0) LogLine("settings: " + s_Path + ": " + why + ", defaults used");
        return;
    }
    std::string complaints;
    ParseSettings(text, s_Path, g_Settings, complaints);
    if (!complaints.empty()) DebugLog(complaints.c_str());
}

bool SaveSettings(unsigned changed) {
    if (s_Path.empty()) return true;
    s_Pending |= changed;
    ++s_Saves;
    return UpdateKeptFile(s_Path, MergeWithFile, Written) == nullptr;
}

const char* SettingsSaveProblem() { return s_Problem.empty() ? nullptr : s_Problem.c_str(); }
std::string SettingsPath() { return s_Path; }
void RetrySettingsSave() { SaveSettings(0); }

const char* SettingsLanguage() { return g_Settings.language; }
