// The player's settings, kept between runs in a small text file
// (settings.ini in the XDG config folder): full screen or window, window
// scale, music and effects volume, mute, language. Command-line options
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
};

constexpr int kMaxWindowScale = 8;
constexpr int kVolumeStep = 10;

// The settings in force (read at start-up, changed by the keys).
extern Settings g_Settings;

// Reads settings text over `out` (defaults stay for keys not given). Each
// unknown or damaged line is skipped and described in one line appended to
// `complaints` ("settings.ini:3: ...").
void ParseSettings(const std::string& text, const std::string& name, Settings& out, std::string& complaints);
std::string FormatSettings(const Settings& s);

// The settings file of a run: --config FILE, else (not headless)
// $XDG_CONFIG_HOME/tolvane/settings.ini, by default ~/.config/tolvane/; an
// empty path means the run neither reads nor writes one.
std::string DefaultSettingsPath();
void SetSettingsPath(const std::string& path);

// Reads the file into g_Settings (a missing file leaves the defaults);
// problems go to the log. Saves g_Settings atomically (temporary file and
// rename); false when it could not be written.
void LoadSettings();
bool SaveSettings();

// The language the player chose: "ja" or "en".
const char* SettingsLanguage();
