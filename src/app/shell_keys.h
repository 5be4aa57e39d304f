// Keys the shell answers in every scene, outside the game: full screen,
// mute and music volume, each remembered in the settings; and the short
// note of the new level drawn over the finished picture.
#pragma once

struct AppOptions;

enum class ShellKey { NoKey, ToggleFullscreen, Mute, MusicDown, MusicUp };

// The run's settings: the file's, overridden by the command line for this
// run. Fills opts.windowed and opts.windowScale.
void StartRunSettings(AppOptions& opts);
// Sends the run's volumes to the sound service (after it is up).
void ApplySoundLevels();

void HandleShellKey(ShellKey key);

// Draws the note while it lasts (a second after the key); in the frame,
// after the scene.
void DrawShellNote();
// The note shown now, "" when none (tests).
const char* ShellNoteText();

// The run's volumes, after overrides and keys.
int RunMusicVolume();
bool RunMuted();
