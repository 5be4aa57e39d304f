// The application shell: options, start-up, the loop and shutdown.
#pragma once
#include <cstdint>
#include <string>

#include "base/platform.h"  // the quit state, the clock and the log the loop runs on

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
    int speed = -1;  // game speed in percent for this run (a window's pace only)
    std::string configPath;    // --config: the settings file (headless too)
    std::string progressPath;  // --progress: the progress file (headless too)
    std::string recordPath;    // --record: every input written as a script
    // --export, --import: the settings and progress carried in one file;
    // the run does only that.
    std::string exportPath, importPath;
    std::string dataLogPath;   // --data-log: each data file read, by scene
    std::string watchPath;     // --watch: a replay watched from its stage's start
    std::string verifyPath;    // --verify: a replay played headless, its clear told
};

// Parses the command line. Returns 0 to go on, or the exit status to end
// with at once (2 for bad input, 0 for --help); writes messages to stderr.
int ParseOptions(int argc, char** argv, AppOptions& out);

// The program: parses the command line and runs the game with it; returns
// the exit status. The game hands in its scene table first. On the desktop
// it runs RunGame (app.cpp); in a web page it starts the run and leaves the
// loop to the browser's frame callback (web_main.cpp).
int AppMain(int argc, char** argv);

// Runs the game with the given options and returns the exit status: start-up,
// loop turns until the run is over, shut-down.
int RunGame(const AppOptions& opts);
// --export or --import: carries the settings and progress (the files
// --config and --progress name, else the usual ones) and returns the status.
int CarryProgress(const AppOptions& opts);

// The three phases, for a platform whose frames come from its own callback.
// StartRun returns 0 to go on, 2 when the run's files or options are bad
// (nothing to shut down), 1 when a device failed (shut down with EndRun).
int StartRun(const AppOptions& opts);
// One turn of the loop: a message taken, a frame run, or nothing due yet
// (a window then waits a moment before the next turn).
enum class LoopTurn { Message, Frame, Idle, Over };
LoopTurn RunLoopTurn();
// A platform whose frame callback paces the frames (the browser) says here
// whether a window's frame is due; nullptr: a frame every 15 ms of wall time.
void SetFramePacer(bool (*frameDue)());
// The wall time a frame takes, in hundredths of a millisecond: 15 ms at the
// game's own pace, longer at a lower game speed, shorter while a replay is
// watched at 2x or 4x.
uint32_t FramePeriodCs();
// Shuts everything down and returns the exit status; looped: the loop ran.
int EndRun(bool looped);

// Set-up and teardown of the platform alone (also used by rendering tests).
bool InitApp(const AppOptions& opts);
void ShutdownApp();

// One frame tick: gate, key snapshot, clear, dispatch, present.
void FrameTick();
// Whether the last FrameTick ran a frame, and the scene it dispatched.
bool LastTickRan();
int LastTickScene();


