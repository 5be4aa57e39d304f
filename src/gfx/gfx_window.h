// What the device needs of the window, handed over by the app before
// InitDX8: graphics sit below the app and never call into it.
#pragma once

struct SDL_Window;

struct GfxWindow {
    bool (*ensure)();                      // makes the window if it is not there yet
    SDL_Window* (*window)();               // the window, or nullptr
    void (*drawableSize)(int& w, int& h);  // its drawable in real pixels
};
void SetGfxWindow(const GfxWindow& w);
