// Input globals, the clock, the log, fatal errors and the quit state.
#include "base/platform.h"

#include <SDL2/SDL.h>
#include <time.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "app/window.h"
#include "gfx/gfx.h"

uint8_t g_KeyState[256];
int g_MouseX, g_MouseY;
int g_LButton;
uint32_t g_Now;
uint32_t g_LastTick;
uint32_t g_StepTime;

namespace {
bool s_Virtual = false;
uint32_t s_VirtualNow = 0;
FILE* s_Log = nullptr;
bool s_LogIsStderr = false;
bool s_QuitPosted = false;
int s_ExitStatus = 0;
}  // namespace

// Milliseconds since boot: scenes count on the clock being far past a few
// seconds at start-up.
uint32_t NowMs() {
    if (s_Virtual) return s_VirtualNow;
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return uint32_t(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}

void SetVirtualClock(bool on, uint32_t now) {
    s_Virtual = on;
    s_VirtualNow = now;
}

void AdvanceVirtualClock(uint32_t ms) { s_VirtualNow += ms; }

bool OpenLog(const char* path) {
    CloseLog();
    if (!path || !*path) return true;
    if (!std::strcmp(path, "-")) {
        s_Log = stderr;
        s_LogIsStderr = true;
        return true;
    }
    s_Log = std::fopen(path, "wb");
    return s_Log != nullptr;
}

void CloseLog() {
    if (s_Log && !s_LogIsStderr) std::fclose(s_Log);
    s_Log = nullptr;
    s_LogIsStderr = false;
}

void DebugLog(const char* text) {
    if (!s_Log) return;
    std::fputs(text, s_Log);
    if (s_LogIsStderr) std::fflush(s_Log);
}

void ErrorBox(const char* format, ...) {
    char text[128];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    ReleaseGraphics();
    DebugLog(text);
    DebugLog("\n");
    if (AppHeadless()) {
        std::fprintf(stderr, "ERROR: %s\n", text);
    } else {
        SDL_Window* w = AppWindow();
        if (w) SDL_SetWindowFullscreen(w, 0);
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "ERROR", text, w) != 0)
            std::fprintf(stderr, "ERROR: %s\n", text);
    }
    // The window goes; the program ends at the next turn of the loop, and a
    // fatal error is never reported as success.
    s_QuitPosted = true;
    s_ExitStatus = 1;
}

void ErrorDetail(const char* text) {
    std::fprintf(stderr, "ERROR: %s\n", text);
    DebugLog(text);
    DebugLog("\n");
}

void PostClose() { s_QuitPosted = true; }
bool QuitPosted() { return s_QuitPosted; }
int ExitStatus() { return s_ExitStatus; }
void ResetQuit() {
    s_QuitPosted = false;
    s_ExitStatus = 0;
}
