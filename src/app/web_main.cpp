// The game in a web page: the browser calls one function a frame, which runs
// the loop's turns that are due. A window's frames come 15 ms of game time
// apart, about 66 a second on whatever rate the display has; a headless run
// takes many turns a call so a replay ends quickly.
#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include "app/app.h"
#include "app/input.h"
#include "app/pause.h"
#include "app/replay.h"
#include "app/scenes.h"
#include "app/watch.h"
#include "base/platform.h"
#include "gfx/gfx.h"
#include "base/files.h"
#include "sound/sound.h"

namespace {

AppOptions s_Opts;
bool s_Started = false;
// Frames owed by the wall clock, and the wall time of the last one paid
// (ms and hundredths: at a lower game speed a frame is not a whole ms).
uint32_t s_LastFrame = 0, s_LastFrameCs = 0;
int s_Owed = 0;

// Only the last frame a callback runs reaches the screen: the ones before it
// run the game but draw nothing, which the browser would throw away unseen.
bool FrameOwed() {
    if (s_Owed <= 0) return false;
    --s_Owed;
    SetFrameDrawing(s_Owed == 0);
    return true;
}

// The frames owed since the last call: a display slower than 66 Hz gets two
// in some calls; after a stall (a hidden tab) the game goes on from now.
void CountOwedFrames() {
    const uint32_t now = WallClockMs(), period = FramePeriodCs();
    long long since = (long long)(now - s_LastFrame) * 100 - s_LastFrameCs;
    if (!s_Started || since > 10000) {
        s_Started = true;
        s_LastFrame = now;
        s_LastFrameCs = 0;
        s_Owed = 1;
        return;
    }
    s_Owed = int(since / period);
    const long long paid = (long long)s_Owed * period + s_LastFrameCs;
    s_LastFrame += uint32_t(paid / 100);
    s_LastFrameCs = uint32_t(paid % 100);
}

// The page learns the exit status (its tests wait for it).
int Ended(int status) {
    EM_ASM({ if (Module.tolvaneEnded) Module.tolvaneEnded($0); }, status);
    return status;
}

void Finish() {
    emscripten_cancel_main_loop();
    Ended(EndRun(true));
}

// Over: a page is not closed by the game, so the title's quit (or Escape
// there) comes back to the title; an error, --max-ms or a headless run's
// end finish the run.
bool RunOver() {
    if (s_Opts.headless || s_Opts.maxMs >= 0 || ExitStatus() != 0) return true;
    ResetQuit();
    g_FrameNo = kSceneTitleInit;
    return false;
}

void FrameCallback() {
    if (s_Opts.headless) {
        // Turns until a few milliseconds of this frame are spent.
        const uint32_t start = WallClockMs();
        while (WallClockMs() - start < 12)
            for (int i = 0; i < 256; ++i)
                if (RunLoopTurn() == LoopTurn::Over) return Finish();
        return;
    }
    CountOwedFrames();
    for (;;) {
        LoopTurn t = RunLoopTurn();
        if (t == LoopTurn::Over && RunOver()) return Finish();
        if (t == LoopTurn::Idle) break;  // messages taken, owed frames run
    }
}

}  // namespace

// The page's own controls for a touch screen (web/touch.js), called between
// frames once the run has started. Both count as a finger's input.
extern "C" {
// The cover was tapped: the game says "tap" from its first picture on.
EMSCRIPTEN_KEEPALIVE void tolvane_finger() { InputPointer(true); }
// The page's pause button: P, or F2 while the key card is up.
EMSCRIPTEN_KEEPALIVE void tolvane_pause() {
    InputPointer(true);
    const int vk = KeyCardShown() ? kVkKeyCard : kVkPause;
    InputKey(vk, true);
    InputKey(vk, false);
}
}

// The page's program: parses the options the page passed, starts the run and
// hands the loop to the browser's frame callback; returns at once. The page's
// script learns the run's start and end through Module.tolvaneStarted and
// tolvaneEnded.
int AppMain(int argc, char** argv) {
    int parsed = ParseOptions(argc, argv, s_Opts);
    if (parsed == -1) return Ended(0);  // --help
    if (parsed != 0) return Ended(parsed);
    // The page's data package is mounted at /data.
    if (s_Opts.dataDir.empty()) s_Opts.dataDir = "/data";
    SetFramePacer(FrameOwed);
    int status = StartRun(s_Opts);
    if (status == 2) return Ended(status);
    if (status != 0) return Ended(EndRun(false));
    EM_ASM({ if (Module.tolvaneStarted) Module.tolvaneStarted(); });
    // The browser's frame callback; main returns at once and the page lives on.
    emscripten_set_main_loop(FrameCallback, 0, 0);
    return 0;
}
#endif

#ifdef __EMSCRIPTEN__
// The page's upload (web/replays.js): the file it wrote beside the kept
// replays is watched at once from its stage's start. 1 when it is a replay
// of a stage this game has, else 0 (and the game goes on).
extern "C" EMSCRIPTEN_KEEPALIVE int TolvaneWatchUploaded() {
    const std::string path = KeptReplayPath(1, true);
    if (path.empty()) return 0;
    std::string why;
    if (LoadWatch(FolderOf(path) + "/uploaded.txt", false, why) != 0) {
        DebugLog(("replay: cannot watch the uploaded file: " + why + "\n").c_str());
        return 0;
    }
    g_FrameNo = uint8_t(StageScene(WatchedStage()));
    StopAllSound();
    return 1;
}
#endif
