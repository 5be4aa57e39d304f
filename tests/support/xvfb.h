// A virtual X server for tests that need a real window: started on a free
// display number, DISPLAY pointed at it, stopped at the end.
#pragma once
#include <sys/types.h>

struct XvfbServer {
    pid_t pid = -1;
    int pipe = -1;
    int display = -1;
};

// False when no server could be started here (the test then skips).
bool StartXvfb(XvfbServer& x);
void StopXvfb(XvfbServer& x);
