// Platform-side view of the window, shared by src/app, src/gfx, src/sound.
#pragma once
#include <cstdint>

struct SDL_Window;

SDL_Window* AppWindow();
// Makes the window if it is not there yet (headless runs make it late).
bool EnsureAppWindow();
bool AppHeadless();

// Where the 640x480 picture lies in the window's drawable (for mouse mapping).
void SetPictureRect(int x, int y, int w, int h, int drawableW, int drawableH);

// Handles one waiting window message; false when none was waiting.
bool PumpOneMessage();
