// The application shell: options, start-up, the loop and shutdown.
#pragma once
#include <cstdint>
#include <string>

struct AppOptions {
    bool headless = false;
    bool windowed = false;
    bool render = false;  // headless: draw every frame, not only those shot
    bool bench = false;   // print frame timings and peak memory at the end
    uint32_t clockStart = 100000;
    std::string scriptPath, tracePath, logPath, dataDir;
    long long maxMs = -1;  // -1: no limit
    int startScene = 0;
    std::string lang;  // --lang as given; empty: the settings or the locale decide
    // Settings for this run only (the settings file keeps its own); -1 and
    // false: as the settings file says.
    bool fullscreen = false;
    int windowScale = -1;  // 0: the largest that fits
    int musicVolume = -1, effectsVolume = -1;
    std::string configPath;    // --config: the settings file (headless too)
    std::string progressPath;  // --progress: the progress file (headless too)
    std::string recordPath;    // --record: every input written as a script
};

// Parses the command line. Returns 0 to go on, or the exit status to end
// with at once (2 for bad input, 0 for --help); writes messages to stderr.
int ParseOptions(int argc, char** argv, AppOptions& out);

// Runs the game with the given options and returns the exit status.
int RunGame(const AppOptions& opts);

// Set-up and teardown of the platform alone (also used by rendering tests).
bool InitApp(const AppOptions& opts);
void ShutdownApp();

// One frame tick: gate, key snapshot, clear, dispatch, present.
void FrameTick();
// Whether the last FrameTick ran a frame, and the scene it dispatched.
bool LastTickRan();
int LastTickScene();

// The loop's quit state.
bool QuitPosted();
int ExitStatus();
void ResetQuit();

// The game clock. Headless runs advance it 1 ms a loop turn; a real window
// advances it 15 ms a frame, so that game time is the same in both and
// stands still while the game is paused.
void SetVirtualClock(bool on, uint32_t now);
void AdvanceVirtualClock(uint32_t ms);
// Milliseconds since boot from the system clock.
uint32_t WallClockMs();

// A real window's frame gate: a frame every 15 ms of wall time, without a
// burst of frames to catch up after a slow frame or a pause.
struct FrameGate {
    uint32_t last = 0;
    bool started = false;
};
bool FrameGateDue(FrameGate& gate, uint32_t wallMs);

// Log destination: nullptr path discards, "-" is standard error.
bool OpenLog(const char* path);
void CloseLog();
