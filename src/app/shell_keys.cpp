#include "app/shell_keys.h"

#include <algorithm>
#include <cstdio>

#include "app/app.h"
#include "base/language.h"
#include "base/platform.h"
#include "app/settings.h"
#include "gfx/gfx.h"
#include "sound/sound.h"

namespace {
int s_Music = 100, s_Effects = 100;
bool s_Muted = false;
int s_Speed = 100;
char s_Note[48];
uint32_t s_NoteSince;
constexpr uint32_t kNoteMs = 1000;

void ShowNote(ShellKey key) {
    if (key == ShellKey::GameSpeed)
        std::snprintf(s_Note, sizeof s_Note, "%s %d%%", InLanguage("ゲームの速さ", "Game speed"), s_Speed);
    else if (s_Muted)
        std::snprintf(s_Note, sizeof s_Note, "%s", InLanguage("消音", "Sound off"));
    else
        std::snprintf(s_Note, sizeof s_Note, "%s %d%%", InLanguage("音楽", "Music"), s_Music);
    s_NoteSince = NowMs();
}
}  // namespace

void StartRunSettings(AppOptions& opts) {
    const Settings& s = g_Settings;
    if (!opts.windowed && !opts.fullscreen) opts.windowed = !s.fullscreen;
    if (opts.windowScale < 0) opts.windowScale = s.windowScale;
    s_Music = opts.musicVolume >= 0 ? opts.musicVolume : s.musicVolume;
    s_Effects = opts.effectsVolume >= 0 ? opts.effectsVolume : s.effectsVolume;
    s_Muted = s.muted;
    s_Speed = opts.speed >= 0 ? opts.speed : s.gameSpeed;
    s_Note[0] = 0;
}

void ApplySoundLevels() { SetSoundLevels(s_Music, s_Effects, s_Muted); }

void KeepFullscreen(bool on) {
    g_Settings.fullscreen = on;
    SaveSettings(kSettingFullscreen);
}

void HandleShellKey(ShellKey key) {
    unsigned changed = 0;
    switch (key) {
        case ShellKey::NoKey: return;
        case ShellKey::ToggleFullscreen: return;  // the window's own (KeepFullscreen)
        case ShellKey::Mute:
            s_Muted = !s_Muted;
            changed = kSettingMuted;
            break;
        case ShellKey::MusicDown:
        case ShellKey::MusicUp:
            // Steps land on whole tens whatever level the run started at.
            if (key == ShellKey::MusicUp)
                s_Music = std::min(100, (s_Music / kVolumeStep + 1) * kVolumeStep);
            else
                s_Music = std::max(0, (s_Music + kVolumeStep - 1) / kVolumeStep * kVolumeStep - kVolumeStep);
            changed = kSettingMusicVolume | (s_Muted ? kSettingMuted : 0u);
            s_Muted = false;
            break;
        case ShellKey::GameSpeed:
            s_Speed = s_Speed <= kMinGameSpeed ? 100 : (s_Speed - 1) / kGameSpeedStep * kGameSpeedStep;
            g_Settings.gameSpeed = s_Speed;
            changed = kSettingGameSpeed;
            break;
    }
    ApplySoundLevels();
    // Only what the key changed is saved: a level given for this run alone
    // (--music-volume) stays out of the file until the player changes it.
    g_Settings.musicVolume = s_Music;
    g_Settings.muted = s_Muted;
    SaveSettings(changed);
    ShowNote(key);
}

void DrawShellNote() {
    if (!s_Note[0]) return;
    if (NowMs() - s_NoteSince >= kNoteMs) {
        s_Note[0] = 0;
        return;
    }
    // White on an opaque dark band with a light rim, readable over any
    // picture (a see-through band let the title's logo show through).
    const int width = TextWidth(s_Note);
    const Quad rim = MakeQuad(10, 10, float(38 + width), 52, 0, 0, 1, 1, 0xFFD8D8E0u);
    DrawSolidQuad(rim);
    const Quad band = MakeQuad(12, 12, float(36 + width), 50, 0, 0, 1, 1, 0xFF202030u);
    DrawSolidQuad(band);
    DrawString(s_Note, 24, 14, 0xFFFFFFFFu);
}

const char* ShellNoteText() { return s_Note; }
int RunMusicVolume() { return s_Music; }
bool RunMuted() { return s_Muted; }
int RunGameSpeed() { return s_Speed; }
