// A virtual X server for tests that need a real window: started on a free
// display number, DISPLAY pointed at it, stopped at the end.
#pragma once
#include <sys/types.h>

struct XvfbServer {
    pid_t pid = -1;
    int pipe = -1;
    int display = -1;
    pid_t manager = -1;  // the window manager, when one was started
};

// False when no server could be started here (the test then skips).
// screen: its one screen's size and depth.
bool StartXvfb(XvfbServer& x, const char* screen = "1280x1024x24");
// A light window manager on the server, as a player's desktop has one (it
// grants full screen and places windows); false when none is installed.
bool StartWindowManager(XvfbServer& x);
void StopXvfb(XvfbServer& x);
