// Small helpers for tests of the files the game keeps in the user's folders.
#pragma once
#include <dirent.h>

#include <cstdlib>
#include <string>

// Restores an environment variable when the test ends.
struct EnvGuard {
    std::string name, old;
    bool had;
    explicit EnvGuard(const char* n) : name(n), had(std::getenv(n) != nullptr) {
        if (had) old = std::getenv(n);
    }
    ~EnvGuard() {
        if (had)
            setenv(name.c_str(), old.c_str(), 1);
        else
            unsetenv(name.c_str());
    }
};

// How many entries a folder holds (dot files not counted).
inline int FilesIn(const std::string& dir) {
    int n = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) n += e->d_name[0] != '.';
        closedir(d);
    }
    return n;
}
