// What the game sees of the platform: input snapshot, the millisecond clock,
// the log, fatal errors and the close request.
#pragma once
#include <cstdint>

// Virtual-key codes the game reads from g_KeyState.
enum : int {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_F1 = 0x70,
};

extern uint8_t g_KeyState[256];  // bit 7 set while down
extern int g_MouseX, g_MouseY;   // window pixels, 0..639 / 0..479
extern int g_LButton;            // 1 after a press, 0 after release or use
// 1 when the last press came from a finger on a touch screen (a tap is a
// left click, a long press the right button): the game says "tap" and
// forgives a finger a few pixels. 0 for the mouse and the gamepad.
extern int g_Finger;
extern uint32_t g_Now;           // ms clock of this tick
extern uint32_t g_LastTick;      // g_Now of the last tick that ran a frame
extern uint32_t g_StepTime;      // last step of the opening animations

inline bool KeyDown(int vk) { return (g_KeyState[vk & 0xFF] & 0x80) != 0; }

// Milliseconds since boot, wrapping at 32 bits (virtual in headless runs).
uint32_t NowMs();

// Debug log: one line per scene call and a few start-up lines.
void DebugLog(const char* text);

// Fatal error: frees the graphics, shows the message, ends the program
// after the current tick with exit status 1. Returns to its caller.
void ErrorBox(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A second line under the last fatal error (the file it was about, say):
// written to the log and to standard error; the message box is unchanged.
void ErrorDetail(const char* text);

// How the app frees the graphics and shows a fatal error in a box (false
// when it cannot); until it says, and in headless runs, the message goes to
// standard error.
struct FatalErrorHooks {
    void (*release)();
    bool (*show)(const char* text);
};
void SetFatalErrorHooks(FatalErrorHooks hooks);

// Ask the program to close after this tick, as the window's close box would.
void PostClose();

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

// A real window's frame gate: a frame every period of wall time (in
// hundredths of a millisecond: 1500 is 15 ms, the game's own pace), without
// a burst of frames to catch up after a slow frame or a pause.
struct FrameGate {
    uint32_t last = 0;   // the last frame was due at last + lastCs / 100 ms
    uint32_t lastCs = 0;
    bool started = false;
};
bool FrameGateDue(FrameGate& gate, uint32_t wallMs, uint32_t periodCs = 1500);

// Log destination: nullptr path discards, "-" is standard error. A write
// that fails ends the run (WriteFailed); CloseLog returns false when any
// write or the close failed.
bool OpenLog(const char* path);
bool CloseLog();

// A file the player relies on (the log, the trace, the recording) could not
// be written: says so on standard error, naming the file and the system's
// reason, and ends the program after the current tick with exit status 1.
void WriteFailed(const char* what, const char* path, int error);

// A headless run: no window unless a frame is drawn, a virtual clock, no
// message boxes.
bool AppHeadless();
void SetAppHeadless(bool on);
