#include "xvfb.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

bool StartXvfb(XvfbServer& x, const char* screen) {
    if (access("/usr/bin/Xvfb", X_OK) != 0) return false;
    int fds[2];
    if (pipe(fds) != 0) return false;
    x.pid = fork();
    if (x.pid == 0) {
        close(fds[0]);
        std::string fd = std::to_string(fds[1]);
        execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
              "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // The server writes its display number, then a line feed, once it is
    // ready; the pipe stays open until then (a closed pipe kills it).
    x.pipe = fds[0];
    std::string number;
    pollfd p{x.pipe, POLLIN, 0};
    char c = 0;
    while (number.find('\n') == std::string::npos && poll(&p, 1, 30000) == 1 && read(x.pipe, &c, 1) == 1) number += c;
    if (number.find('\n') != std::string::npos) x.display = std::atoi(number.c_str());
    if (x.display < 0 || waitpid(x.pid, nullptr, WNOHANG) != 0) return false;
    setenv("DISPLAY", (":" + std::to_string(x.display)).c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("WAYLAND_DISPLAY");
    return true;
}

bool StartWindowManager(XvfbServer& x) {
    const char* wm = "/usr/bin/openbox";
    if (x.display < 0 || access(wm, X_OK) != 0) return false;
    x.manager = fork();
    if (x.manager == 0) {
        execl(wm, "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Ready once it owns the screen's window-manager selection.
    std::string probe = "xprop -root -display :" + std::to_string(x.display) + " _NET_SUPPORTING_WM_CHECK 2>/dev/null";
    for (int i = 0; i < 300; ++i) {
        if (waitpid(x.manager, nullptr, WNOHANG) != 0) return false;
        std::string out;
        if (FILE* p = popen(probe.c_str(), "r")) {
            char buf[256];
            while (fgets(buf, sizeof buf, p)) out += buf;
            pclose(p);
        }
        if (out.find("window id") != std::string::npos) return true;
        usleep(20000);
    }
    return false;
}

void StopXvfb(XvfbServer& x) {
    if (x.manager > 0) {
        kill(x.manager, SIGTERM);
        waitpid(x.manager, nullptr, 0);
    }
    if (x.pipe >= 0) close(x.pipe);
    if (x.pid > 0) {
        kill(x.pid, SIGTERM);
        waitpid(x.pid, nullptr, 0);
    }
    x = XvfbServer{};
}
