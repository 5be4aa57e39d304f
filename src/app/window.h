// Platform-side view of the window, shared by src/app, src/gfx, src/sound.
#pragma once
#include <cstdint>

struct SDL_Window;

SDL_Window* AppWindow();
// Makes the window if it is not there yet (headless runs make it late).
bool EnsureAppWindow();

// The drawable's real size in pixels, as last seen (the picture is
// letterboxed into it and the pointer mapped back through the same box).
void WindowDrawableSize(int& w, int& h);

// Handles one waiting window message; false when none was waiting.
bool PumpOneMessage();

// Desktop full screen or a window, switched at any time (Alt+Enter, F11);
// the picture keeps its 4:3 letterbox either way.
void SetAppFullscreen(bool on);
bool AppFullscreen();

// The game pauses while its window is minimised or has lost the focus, full
// screen or not.
bool AppPaused();

// A message that ends the program before its window opens (the game's
// folder cannot be used), in the same box as a fatal error's.
void ShowStartupError(const char* text);
