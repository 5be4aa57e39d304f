// The player's settings, kept between runs in a small text file
// (settings.ini in the XDG config folder): full screen or window, window
// scale, music and effects volume, mute, language, game speed. Command-line options
// override them for one run without being saved.
#pragma once
#include <string>

struct Settings {
    bool fullscreen = true;
    int windowScale = 0;      // 0: the largest whole multiple that fits
    int musicVolume = 100;    // percent of the game's full level, steps of 10
    int effectsVolume = 100;
    bool muted = false;
    char language[3] = "";  // ja or en; empty: the locale decides
    int gameSpeed = 100;    // percent of the game's pace: 50..100 in steps of 10
};

// The keys of the file, one bit each: what a save overwrites.
enum SettingKey : unsigned {
    kSettingFullscreen = 1u << 0,
    kSettingWindowScale = 1u << 1,
    kSettingMusicVolume = 1u << 2,
    kSettingEffectsVolume = 1u << 3,
    kSettingMuted = 1u << 4,
    kSettingLanguage = 1u << 5,
    kSettingGameSpeed = 1u << 6,
};

constexpr int kMaxWindowScale = 8;
constexpr int kVolumeStep = 10;
// Game speed: a tick of 15 ms of game time takes 15 * 100 / speed ms of
// wall time; the game itself never sees it.
constexpr int kMinGameSpeed = 50, kGameSpeedStep = 10;
inline bool GameSpeedValid(long long percent) {
    return percent >= kMinGameSpeed && percent <= 100 && percent % kGameSpeedStep == 0;
}

// The settings in force (read at start-up, changed by the keys).
extern Settings g_Settings;

// Reads settings text over `out` (defaults stay for keys not given). Each
// unknown or damaged line is skipped and described in one line appended to
// `complaints` ("settings.ini:3: ..."). Returns how many lines were read.
int ParseSettings(const std::string& text, const std::string& name, Settings& out, std::string& complaints);
std::string FormatSettings(const Settings& s);
// Copies the keys named by `keys` (SettingKey bits) from `from` into `to`.
void CopySettingKeys(Settings& to, const Settings& from, unsigned keys);

// The settings file of a run: --config FILE, else (not headless)
// $XDG_CONFIG_HOME/tolvane/settings.ini, by default ~/.config/tolvane/; an
// empty path means the run neither reads nor writes one.
std::string DefaultSettingsPath();
void SetSettingsPath(const std::string& path);

// Reads the file into g_Settings (a missing file leaves the defaults);
// problems go to the log.
void LoadSettings();
// The player changed `changed` (SettingKey bits) in g_Settings: the file is
// read again under its lock and only those keys (and those of an earlier
// save that failed) take this run's values; every other key keeps what the
// file says now, so that a second game's changes stay. Written atomically;
// false (and a log line) when it could not be written.
bool SaveSettings(unsigned changed);
// Why the last write failed (the keys stay pending), nullptr when it did not.
const char* SettingsSaveProblem();
// Writes the pending keys again.
void RetrySettingsSave();
// The run's settings file, empty when it keeps none.
std::string SettingsPath();

// The language the player chose: "ja" or "en".
const char* SettingsLanguage();
