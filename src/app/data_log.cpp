#include "app/data_log.h"

#include <cstdio>
#include <set>
#include <string>

#include "app/scenes.h"
#include "base/data_file.h"

namespace {
FILE* s_File = nullptr;
bool s_Failed = false;
int s_Scene = -1;
// Each scene's file once: stage restarts read the same files again.
std::set<std::string> s_Written;

void Note(const char* path) {
    if (!s_File) return;
    std::string line = std::to_string(s_Scene) + " " + path + "\n";
    if (!s_Written.insert(line).second) return;
    if (std::fputs(line.c_str(), s_File) < 0) s_Failed = true;
}
}  // namespace

bool OpenDataLog(const char* path) {
    s_File = std::fopen(path, "wb");
    if (!s_File) return false;
    s_Failed = false;
    s_Scene = -1;
    s_Written.clear();
    SetDataFileWatcher(Note);
    return true;
}

void SetDataLogScene(int scene) {
    if (s_File) s_Scene = scene < 0 ? -1 : SceneStartFor(scene);
}

bool CloseDataLog() {
    if (!s_File) return true;
    SetDataFileWatcher(nullptr);
    bool ok = !s_Failed && std::fclose(s_File) == 0;
    if (!ok) std::fprintf(stderr, "tolvane: cannot write the data log whole\n");
    s_File = nullptr;
    s_Written.clear();
    return ok;
}
