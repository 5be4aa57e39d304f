// Input globals, the clock, the log, fatal errors and the quit state.
#include "base/platform.h"

#include <time.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

uint8_t g_KeyState[256];
int g_MouseX, g_MouseY;
int g_LButton;
int g_Finger;
uint32_t g_Now;
uint32_t g_LastTick;
uint32_t g_StepTime;

namespace {
bool s_Virtual = false;
uint32_t s_VirtualNow = 0;
FILE* s_Log = nullptr;
bool s_LogIsStderr = false;
bool s_LogFailed = false;
std::string s_LogPath;
bool s_QuitPosted = false;
int s_ExitStatus = 0;
bool s_Headless = false;
FatalErrorHooks s_ErrorHooks = {};
}  // namespace

// Milliseconds since boot: scenes count on the clock being far past a few
// seconds at start-up.
uint32_t NowMs() {
    if (s_Virtual) return s_VirtualNow;
    return WallClockMs();
}

#ifdef _WIN32
// The performance counter runs from boot, finer than the tick count's 16 ms.
uint32_t WallClockMs() {
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return uint32_t(uint64_t(now.QuadPart) / uint64_t(freq.QuadPart) * 1000u +
                    uint64_t(now.QuadPart) % uint64_t(freq.QuadPart) * 1000u / uint64_t(freq.QuadPart));
}
#else
uint32_t WallClockMs() {
    timespec ts{};
#ifdef __EMSCRIPTEN__
    clock_gettime(CLOCK_MONOTONIC, &ts);  // the browser has no boot clock
#else
    clock_gettime(CLOCK_BOOTTIME, &ts);
#endif
    return uint32_t(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}
#endif

void SetVirtualClock(bool on, uint32_t now) {
    s_Virtual = on;
    s_VirtualNow = now;
}

void AdvanceVirtualClock(uint32_t ms) { s_VirtualNow += ms; }

bool FrameGateDue(FrameGate& gate, uint32_t wallMs, uint32_t periodCs) {
    if (!gate.started) {
        gate.started = true;
        gate.last = wallMs;
        gate.lastCs = 0;
        return true;
    }
    // Unsigned difference: the clock's wrap-around is harmless.
    const long long since = (long long)(wallMs - gate.last) * 100 - gate.lastCs;
    if (since < (long long)periodCs) return false;
    // On time, the cadence stays exact; a frame or more behind (a slow
    // frame, a pause), it starts afresh from now instead of catching up.
    if (since >= 2LL * periodCs) {
        gate.last = wallMs;
        gate.lastCs = 0;
    } else {
        gate.last += (gate.lastCs + periodCs) / 100;
        gate.lastCs = (gate.lastCs + periodCs) % 100;
    }
    return true;
}

bool OpenLog(const char* path) {
    CloseLog();
    if (!path || !*path) return true;
    s_LogPath = path;
    if (!std::strcmp(path, "-")) {
        s_Log = stderr;
        s_LogIsStderr = true;
        return true;
    }
    s_Log = std::fopen(path, "wb");
    return s_Log != nullptr;
}

bool CloseLog() {
    bool ok = !s_LogFailed;
    if (s_Log && !s_LogIsStderr && std::fclose(s_Log) != 0 && ok) {
        WriteFailed("the log", s_LogPath.c_str(), errno);
        ok = false;
    }
    s_Log = nullptr;
    s_LogIsStderr = false;
    s_LogFailed = false;
    return ok;
}

void DebugLog(const char* text) {
    if (!s_Log || s_LogFailed) return;
    bool ok = std::fputs(text, s_Log) >= 0;
    if (ok && s_LogIsStderr) ok = std::fflush(s_Log) == 0;
    if (!ok) {
        s_LogFailed = true;
        WriteFailed("the log", s_LogPath.c_str(), errno);
    }
}

void WriteFailed(const char* what, const char* path, int error) {
    std::fprintf(stderr, "tolvane: cannot write %s '%s': %s\n", what, path, std::strerror(error));
    s_QuitPosted = true;
    if (s_ExitStatus == 0) s_ExitStatus = 1;
}

void ErrorBox(const char* format, ...) {
    char text[128];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    if (s_ErrorHooks.release) s_ErrorHooks.release();
    DebugLog(text);
    DebugLog("\n");
    if (s_Headless || !s_ErrorHooks.show || !s_ErrorHooks.show(text)) std::fprintf(stderr, "ERROR: %s\n", text);
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

void SetFatalErrorHooks(FatalErrorHooks hooks) { s_ErrorHooks = hooks; }

bool AppHeadless() { return s_Headless; }
void SetAppHeadless(bool on) { s_Headless = on; }

void PostClose() { s_QuitPosted = true; }
bool QuitPosted() { return s_QuitPosted; }
int ExitStatus() { return s_ExitStatus; }
void ResetQuit() {
    s_QuitPosted = false;
    s_ExitStatus = 0;
}
