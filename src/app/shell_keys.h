// Keys the shell answers in every scene, outside the game: full screen,
// mute, music volume and game speed, each remembered in the settings; and the short
// note of the new level drawn over the finished picture.
#pragma once

struct AppOptions;

enum class ShellKey { NoKey, ToggleFullscreen, Mute, MusicDown, MusicUp, GameSpeed };

// The run's settings: the file's, overridden by the command line for this
// run. Fills opts.windowed and opts.windowScale.
void StartRunSettings(AppOptions& opts);
// Sends the run's volumes to the sound service (after it is up).
void ApplySoundLevels();

// Answers a shell key but full screen, which the window switches itself
// and then has remembered with KeepFullscreen.
void HandleShellKey(ShellKey key);
void KeepFullscreen(bool on);

// Draws the note while it lasts (a second after the key); in the frame,
// after the scene.
void DrawShellNote();
// The note shown now, "" when none (tests).
const char* ShellNoteText();

// The run's volumes, after overrides and keys.
int RunMusicVolume();
bool RunMuted();
// The run's game speed in percent (50..100): --speed, else the settings, as
// the key (G: one step slower, from 50 back to 100) has changed it.
int RunGameSpeed();
