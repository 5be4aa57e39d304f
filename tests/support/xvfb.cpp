#include "xvfb.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

bool StartXvfb(XvfbServer& x) {
    if (access("/usr/bin/Xvfb", X_OK) != 0) return false;
    int fds[2];
    if (pipe(fds) != 0) return false;
    x.pid = fork();
    if (x.pid == 0) {
        close(fds[0]);
        std::string fd = std::to_string(fds[1]);
        execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
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

void StopXvfb(XvfbServer& x) {
    if (x.pipe >= 0) close(x.pipe);
    if (x.pid > 0) {
        kill(x.pid, SIGTERM);
        waitpid(x.pid, nullptr, 0);
    }
    x = XvfbServer{};
}
