// Start-up, the one loop, the frame tick and shutdown.
#include "app/app.h"

#include <SDL2/SDL.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/bench.h"
#include "app/close_signals.h"
#include "app/console.h"
#include "app/data_gate.h"
#include "app/data_log.h"
#include "app/gamepad.h"
#include "app/input.h"
#include "app/pause.h"
#include "app/progress.h"
#include "app/progress_export.h"
#include "app/record.h"
#include "app/replay.h"
#include "app/save_status.h"
#include "base/files.h"
#include "base/language.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "app/script.h"
#include "app/settings.h"
#include "app/shell_keys.h"
#include "app/trace.h"
#include "app/watch.h"
#include "app/window.h"
#include "gfx/gfx.h"
#include "sound/sound.h"

namespace {
bool s_TickRan = false;
int s_TickScene = 0;
bool (*s_FrameDue)() = nullptr;
}  // namespace

void SetFramePacer(bool (*frameDue)()) { s_FrameDue = frameDue; }

uint32_t FramePeriodCs() { return uint32_t(150000 / (RunGameSpeed() * WatchPace())); }

namespace {
// A window's small mark in a stage while the game runs slower than its own
// pace; a headless run has no speed.
void DrawSpeedMark(int scene) {
    bool init = false;
    if (AppHeadless() || RunGameSpeed() >= 100 || !StageOfScene(scene, init)) return;
    char mark[32];
    std::snprintf(mark, sizeof mark, "%s %d%%", InLanguage("速さ", "Speed"), RunGameSpeed());
    // Top right, over the sky; below the bar while a replay is watched.
    DrawStringRimmed(mark, kScreenW - 10 - TextWidth(mark), Watching() ? 48 : 6, 0xFFFFFFFFu, 0xFF2B2233u);
}
}  // namespace

bool LastTickRan() { return s_TickRan; }
int LastTickScene() { return s_TickScene; }

void FrameTick() {
    s_TickRan = false;
    g_Now = NowMs();
    // Unsigned difference: the clock's wrap-around is harmless.
    if (g_Now - g_LastTick < 15) return;
    g_LastTick = g_Now;
    SnapshotKeys();
    ClearFrame(0xFFFFFFFFu);
    BeginDrawing();
    s_TickScene = g_FrameNo;
    SetDataLogScene(s_TickScene);
    Dispatch();
    DrawSpeedMark(s_TickScene);
    DrawWatchMarks();
    SetDataLogScene(-1);
    DrawShellNote();
    DrawSaveNote();
    EndDrawing();
    if (!PresentFrame()) {
        ResetDevice();
        DebugLog("フリップ　OK\n");
    }
    s_TickRan = true;
}

namespace {

// A replay's or a script's input reaches the game as the player's would
// (time: its press's time, for double clicks).
void DeliverReplay(const ScriptEvent& e, uint32_t time) {
    switch (e.kind) {
        case ScriptKind::Move: InputMouseMove(e.x, e.y); break;
        case ScriptKind::Press: InputButton(e.button, true, time); break;
        case ScriptKind::Release: InputButton(e.button, false, time); break;
        case ScriptKind::KeyDown: InputKey(e.vk, true); break;
        case ScriptKind::KeyUp: InputKey(e.vk, false); break;
        default: break;  // a replay holds no other
    }
}

// A script's input, like a window's, works the controls while a replay is
// watched.
bool TakenByWatch(const ScriptEvent& e) {
    switch (e.kind) {
        case ScriptKind::Move: return WatchTakesPointer(e.x, e.y, 0, false);
        case ScriptKind::Press: return WatchTakesPointer(g_MouseX, g_MouseY, e.button, true);
        case ScriptKind::Release: return WatchTakesPointer(g_MouseX, g_MouseY, e.button, false);
        case ScriptKind::KeyDown: return WatchTakesKey(e.vk, true);
        case ScriptKind::KeyUp: return WatchTakesKey(e.vk, false);
        default: return false;
    }
}

void Deliver(const ScriptEvent& e, std::vector<std::string>& shots) {
    if (TakenByWatch(e)) return;
    switch (e.kind) {
        case ScriptKind::Move:
        case ScriptKind::Press:
        case ScriptKind::Release:
        case ScriptKind::KeyDown:
        case ScriptKind::KeyUp: DeliverReplay(e, NowMs()); break;
        case ScriptKind::Finger: InputPointer(e.button == 1); break;
        case ScriptKind::Shot: shots.push_back(e.path); break;
        case ScriptKind::Quit: PostClose(); break;
        case ScriptKind::Wait: break;  // the loop holds the script itself
    }
}

std::string Absolute(const std::string& path, const std::string& base) {
    if (path.empty() || IsAbsolutePath(path) || path == "-") return path;
    return base + "/" + path;
}

// The data folder: --data, else the current folder if it holds img/, else
// data/ beside the program (a build folder), else ../share/tolvane beside it
// (an installed game). Returns 0 when entered; 2 for a --data that cannot
// be entered; 1 when the game's own folder cannot be entered or holds no
// data, said on standard error and in a box (not left to the first sound
// that fails to load).
int EnterDataDir(const AppOptions& opts) {
    if (!opts.dataDir.empty()) {
        if (chdir(opts.dataDir.c_str()) != 0) {
            std::fprintf(stderr, "tolvane: cannot enter the data folder '%s'\n", opts.dataDir.c_str());
            return 2;
        }
        return 0;
    }
    if (access("img", F_OK) == 0) return 0;
    std::string bin;
    if (char* exe = SDL_GetBasePath()) {  // the program's folder, with its separator
        bin = exe;
        SDL_free(exe);
    }
    std::string problem;
    if (bin.empty() || access(bin.c_str(), F_OK) != 0) {
        // Windows reaches no further than 260 characters into a folder.
        problem = "cannot enter the game's folder '" + bin + "': " +
                  (bin.empty() ? std::string("its name could not be read") : std::strerror(errno)) + " (path too long?)";
    } else {
        for (const char* rel : {"data", "../share/tolvane"}) {
            std::string dir = bin + rel;
            if (access((dir + "/img").c_str(), F_OK) != 0) continue;
            if (chdir(dir.c_str()) == 0) return 0;
            problem = "cannot enter the game's folder '" + dir + "': " + std::strerror(errno) + " (path too long?)";
            break;
        }
        if (problem.empty())
            problem = "cannot find the game's data: no img/ in the current folder, in '" + bin + "data' or in '" +
                      bin + "../share/tolvane'";
    }
    std::fprintf(stderr, "tolvane: %s\n", problem.c_str());
    DebugLog((problem + "\n").c_str());
    if (!opts.headless) ShowStartupError(problem.c_str());
    return 1;
}
}  // namespace

namespace {

// What one run keeps from one loop turn to the next.
struct Run {
    AppOptions opts;
    std::vector<ScriptEvent> script;
    size_t next = 0;           // the next script event to deliver
    uint32_t start = 0;        // the game clock where the loop began
    uint32_t scriptBase = 0;   // script times count from here
    int awaitedScene = -1;     // a wait line holds the script until this scene runs
    std::vector<std::string> shots;  // saved after the coming frame is drawn
    FrameGate gate;
    bool paused = false;
    uint32_t pausedMs = 0;     // headless: script time spent paused
};
Run s_Run;

// Script, log, trace, settings, progress, recording and the data folder: a
// failure here is the player's input, status 2; a game folder the game
// cannot use is 1 (what was opened is closed by EndRun).
int OpenRunFiles(AppOptions& opts) {
    char cwd[4096];
    std::string base = getcwd(cwd, sizeof cwd) ? cwd : ".";
    if (!opts.scriptPath.empty()) {
        std::string err;
        if (!LoadScriptFile(opts.scriptPath, s_Run.script, err)) {
            std::fprintf(stderr, "tolvane: %s\n", err.c_str());
            return 2;
        }
        for (ScriptEvent& e : s_Run.script)
            if (e.kind == ScriptKind::Shot) e.path = Absolute(e.path, base);
    }
    if (!opts.logPath.empty() && !OpenLog(Absolute(opts.logPath, base).c_str())) {
        std::fprintf(stderr, "tolvane: cannot write the log '%s': %s\n", opts.logPath.c_str(), std::strerror(errno));
        return 2;
    }
    if (!opts.tracePath.empty() && !OpenTrace(Absolute(opts.tracePath, base).c_str(), !opts.headless)) {
        std::fprintf(stderr, "tolvane: cannot write the trace '%s': %s\n", opts.tracePath.c_str(),
                     std::strerror(errno));
        CloseLog();
        return 2;
    }
    if (!opts.dataLogPath.empty() && !OpenDataLog(Absolute(opts.dataLogPath, base).c_str())) {
        std::fprintf(stderr, "tolvane: cannot write the data log '%s': %s\n", opts.dataLogPath.c_str(),
                     std::strerror(errno));
        CloseTrace();
        CloseLog();
        return 2;
    }
    // Headless runs keep no settings unless given a file.
    SetSettingsPath(!opts.configPath.empty() ? Absolute(opts.configPath, base)
                    : opts.headless          ? std::string()
                                             : DefaultSettingsPath());
    LoadSettings();
    StartRunSettings(opts);
    g_Language = ChooseLanguage(opts.lang.c_str(), SettingsLanguage());
    const std::string progress = !opts.progressPath.empty() ? Absolute(opts.progressPath, base)
                                 : opts.headless            ? std::string()
                                                            : DefaultProgressPath();
    SetProgressPath(progress);
    LoadProgress();
    // Replays are kept beside the progress, or not at all.
    SetReplayFolder(progress.empty() ? std::string() : FolderOf(progress) + "/replays");
    // A replay watched or checked starts at its stage.
    const std::string replay = !opts.verifyPath.empty() ? opts.verifyPath : opts.watchPath;
    if (!replay.empty()) {
        std::string why;
        if (LoadWatch(Absolute(replay, base), !opts.verifyPath.empty(), why)) {
            std::fprintf(stderr, "tolvane: cannot watch '%s': %s\n", replay.c_str(), why.c_str());
            CloseTrace();
            CloseLog();
            return 2;
        }
        opts.startScene = StageScene(WatchedStage());
    }
    // Stamps count from the game clock's start, where the loop begins.
    if (!opts.recordPath.empty() && !StartRecording(Absolute(opts.recordPath, base), opts.clockStart, opts.startScene,
                                                   InLanguage("ja", "en"))) {
        std::fprintf(stderr, "tolvane: cannot write the recording '%s': %s\n", opts.recordPath.c_str(),
                     std::strerror(errno));
        CloseDataLog();
        CloseTrace();
        CloseLog();
        return 2;
    }
    if (int status = EnterDataDir(opts)) {
        // A game folder it cannot use ends the run as a device that fails.
        if (status == 1) return 1;
        StopRecording();
        CloseDataLog();
        CloseTrace();
        CloseLog();
        return 2;
    }
    return 0;
}

// The window, graphics device, sound and text face.
bool StartDevices(const AppOptions& opts) {
    if (!InitApp(opts)) return false;
    DebugLog("InitApp OK!\n");
    if (InitDX8(opts.windowed) != 0) return false;
    DebugLog("InitDX8 OK!\n");
    if (!InitSound()) return false;
    ApplySoundLevels();
    CreateTextFont();
    return true;
}

// A close signal arrives as the close box would.
void TakeSignals() {
    if (int sig = TakeCloseSignal()) {
        DebugLog(sig == SIGTERM ? "closing on SIGTERM\n" : "closing on SIGINT\n");
        RecordEvent("quit");
        PostClose();
    }
}

// Headless: the script events due by now arrive as messages before the tick.
void DeliverDueScript(uint32_t elapsed) {
    Run& r = s_Run;
    while (r.awaitedScene < 0 && r.next < r.script.size() && r.scriptBase + r.script[r.next].time <= elapsed) {
        const ScriptEvent& e = r.script[r.next++];
        if (e.kind == ScriptKind::Wait)
            r.awaitedScene = e.scene;
        else
            Deliver(e, r.shots);
    }
}

// Before a tick that will run: a watched replay's inputs due by then; in
// play, a stage's init begins the take of its try, and anything but a stage
// ends it.
void BeforeTick() {
    if (NowMs() - g_LastTick < 15) return;  // FrameTick's own gate: no tick
    bool init = false;
    const int stage = StageOfScene(g_FrameNo, init);
    if (Watching())
        FeedWatch(NowMs(), DeliverReplay);
    else if (stage && init)
        BeginStageTake(stage, NowMs());
    else if (!stage && TakeOpen())
        DropTake();
}

// After a frame ran: release a waiting script, trace it, save its shots.
// gameMs: game time since start; scriptMs: the script's clock.
void AfterFrame(uint32_t gameMs, uint32_t scriptMs) {
    Run& r = s_Run;
    if (s_TickScene == r.awaitedScene) {
        r.scriptBase = scriptMs;
        r.awaitedScene = -1;
    }
    TraceTick(gameMs, s_TickScene);
    for (const std::string& s : r.shots)
        if (!SaveFramePng(s.c_str())) std::fprintf(stderr, "tolvane: cannot save the shot '%s'\n", s.c_str());
    r.shots.clear();
}

}  // namespace

int StartRun(const AppOptions& opts) {
    // First of all: a close signal from here on ends the run normally, even
    // one that arrives while the files and devices are opened.
    InstallCloseSignals();
    s_Run = Run();
    s_Run.opts = opts;
    if (opts.bench) BenchStart();
    ResetQuit();
    if (int status = OpenRunFiles(s_Run.opts)) {
        if (status == 2) RemoveCloseSignals();  // else EndRun shuts down
        return status;
    }
    SetVirtualClock(true, opts.clockStart);
    // Headless frames are drawn only when a shot will save them.
    SetFrameDrawing(!opts.headless || opts.render);
    // The run's options with the settings file's window, volumes and scale
    // filled in where the command line said nothing.
    if (!StartDevices(s_Run.opts)) return 1;
    if (opts.bench) TimeTunes();
    g_FrameNo = uint8_t(s_Run.opts.startScene);
    s_Run.start = NowMs();
    return 0;
}

namespace {

// A pause begins or ends: the music stands still, the picture is kept.
void FollowPause(bool paused) {
    Run& r = s_Run;
    if (paused == r.paused) return;
    r.paused = paused;
    PauseSound(paused);
    if (paused) KeepShownFrame();
}

// A frame while paused: the game does not run; the kept picture, dimmed,
// carries the card: the player's own, else the loading card while the
// scene's data is on the way, else the watch's own pause (the picture as it
// stands, with its controls).
void PausedFrame(bool awaitingData) {
    if (awaitingData && !PausedByPlayer()) {
        DrawLoadingFrame();
    } else if (WatchHolds() && !AppPaused() && !PausedByPlayer()) {
        ClearFrame(0xFF000000u);
        DrawKeptFrame();
        DrawWatchMarks();
        DrawShellNote();
    } else {
        DrawPausedFrame(AppPaused() && !PausedByPlayer());
    }
    if (!PresentFrame()) ResetDevice();
    for (const std::string& s : s_Run.shots)
        if (!SaveFramePng(s.c_str())) std::fprintf(stderr, "tolvane: cannot save the shot '%s'\n", s.c_str());
    s_Run.shots.clear();
}

}  // namespace

LoopTurn RunLoopTurn() {
    Run& r = s_Run;
    const AppOptions& opts = r.opts;
    TakeSignals();
    if (QuitPosted()) return LoopTurn::Over;
    RetryFailedSaves(NowMs());
    // Script time: the game clock plus the time the game stood paused.
    uint32_t elapsed = NowMs() - r.start + r.pausedMs;
    if (opts.maxMs >= 0 && elapsed >= opts.maxMs) return LoopTurn::Over;
    if (opts.headless) {
        DeliverDueScript(elapsed);
        if (QuitPosted()) return LoopTurn::Over;
        if (!opts.render) SetFrameDrawing(!r.shots.empty());
    } else if (PumpOneMessage()) {
        return LoopTurn::Message;
    }
    // A page's scene whose data is still arriving waits as a pause does (a
    // headless page starts with every file).
    const bool awaitingData = !opts.headless && SceneDataAwaited(g_FrameNo);
    FollowPause(AppPaused() || PausedByPlayer() || awaitingData || WatchHolds());
    s_TickRan = false;
    if (r.paused) {
        // The game clock stands still; a headless script's clock goes on.
        if (opts.headless) {
            if (r.pausedMs++ % 15 == 0 && FrameDrawing()) PausedFrame(false);
            return LoopTurn::Idle;
        }
        if (s_FrameDue ? s_FrameDue() : FrameGateDue(r.gate, WallClockMs(), FramePeriodCs())) PausedFrame(awaitingData);
        return LoopTurn::Idle;
    }
    if (opts.headless || (s_FrameDue ? s_FrameDue() : FrameGateDue(r.gate, WallClockMs(), FramePeriodCs()))) {
        if (!opts.headless) StepGamepadPointer();
        BeforeTick();
        if (opts.bench) BenchFrameBegin();
        FrameTick();
        if (opts.bench) BenchFrameEnd(s_TickRan);
    }
    if (s_TickRan) {
        WatchTicked();
        WatchAfterTick(s_TickScene, NowMs());
        AfterFrame(NowMs() - r.start, elapsed);
    }
    // Headless: one virtual millisecond a turn. A window: the next frame's
    // game time, which the input that arrives meanwhile is stamped with.
    if (opts.headless)
        AdvanceVirtualClock(1);
    else if (s_TickRan)
        AdvanceVirtualClock(15);
    return s_TickRan ? LoopTurn::Frame : LoopTurn::Idle;
}

int EndRun(bool looped) {
    int status = 1;
    if (looped) {
        status = ExitStatus();
        if (s_Run.opts.bench) BenchReport(NowMs() - s_Run.start);
    }
    // A clear or a setting that could not be saved is no success.
    if (!FinishSaves() && status == 0) status = 1;
    ReleaseGraphics();
    SetFrameDrawing(true);
    ReleaseSoundSlots();
    CloseSound();
    ShutdownApp();
    // A trace, recording or log that could not be written whole is no
    // success (each says which file).
    bool written = CloseTrace();
    written = CloseDataLog() && written;
    written = StopRecording() && written;
    written = CloseLog() && written;
    if (!written && status == 0) status = 1;
    RemoveCloseSignals();
    s_Run = Run();
    return status;
}

int CarryProgress(const AppOptions& opts) {
    SetSettingsPath(!opts.configPath.empty() ? opts.configPath : DefaultSettingsPath());
    SetProgressPath(!opts.progressPath.empty() ? opts.progressPath : DefaultProgressPath());
    return !opts.exportPath.empty() ? ExportProgressFile(opts.exportPath) : ImportProgressFile(opts.importPath);
}

int RunGame(const AppOptions& opts) {
    int status = StartRun(opts);
    if (status == 2) return status;
    if (status == 0)
        for (LoopTurn t; (t = RunLoopTurn()) != LoopTurn::Over;)
            if (t == LoopTurn::Idle && !opts.headless) SDL_Delay(1);
    return EndRun(status == 0);
}

#ifndef __EMSCRIPTEN__  // a web page's is in web_main.cpp: the browser runs its loop
namespace {
// --verify: the file must be a replay of a stage this game has; then the
// run plays it and says what it saw.
int Verify(const AppOptions& opts) {
    Replay r;
    if (const char* why = LoadReplayFile(opts.verifyPath, r)) {
        std::fprintf(stderr, "tolvane: %s is not a replay: %s\n", opts.verifyPath.c_str(), why);
        return 2;
    }
    if (r.head.stage > kStageCount) {
        std::printf("stage %d not cleared: this game has no stage %d (the replay was made by version %s, this is %s)\n",
                    r.head.stage, r.head.stage, r.head.version.c_str(), GameVersion());
        return 1;
    }
    int status = RunGame(opts);
    if (status != 0) return status == 2 ? 2 : 1;
    std::string line;
    status = VerifyOutcome(line);
    std::printf("%s\n", line.c_str());
    return status;
}
}  // namespace

int AppMain(int argc, char** argv) {
    UseStartingConsole();
    AppOptions opts;
    int parsed = ParseOptions(argc, argv, opts);
    if (parsed == -1) return 0;  // --help
    if (parsed != 0) return parsed;
    if (!opts.exportPath.empty() || !opts.importPath.empty()) return CarryProgress(opts);
    if (!opts.verifyPath.empty()) return Verify(opts);
    return RunGame(opts);
}
#endif
