#include "app/trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/platform.h"
#include "app/scenes.h"

namespace {
FILE* s_Trace = nullptr;
bool s_ToStdout = false;
bool s_Failed = false;
std::string s_Path;
SceneTraceFields s_SceneFields = nullptr;

void Failed() {
    if (!s_Failed) WriteFailed("the trace", s_Path.c_str(), errno);
    s_Failed = true;
}
}  // namespace

void SetSceneTraceFields(SceneTraceFields fields) { s_SceneFields = fields; }

bool OpenTrace(const char* path, bool lineByLine) {
    CloseTrace();
    s_Path = path;
    s_ToStdout = !std::strcmp(path, "-");
    s_Trace = s_ToStdout ? stdout : std::fopen(path, "wb");
    if (s_Trace && lineByLine) std::setvbuf(s_Trace, nullptr, _IOLBF, 0);
    return s_Trace != nullptr;
}

bool CloseTrace() {
    if (s_Trace && (s_ToStdout ? std::fflush(s_Trace) : std::fclose(s_Trace)) != 0) Failed();
    bool ok = !s_Failed;
    s_Trace = nullptr;
    s_Failed = false;
    return ok;
}

void TraceTick(unsigned elapsedMs, int scene) {
    if (!s_Trace || s_Failed) return;
    char head[160];
    std::snprintf(head, sizeof head, "{\"t\":%u,\"scene\":%d,\"next\":%d,\"mouse\":[%d,%d]", elapsedMs, scene,
                  int(g_FrameNo), g_MouseX, g_MouseY);
    std::string line = head;
    if (s_SceneFields) s_SceneFields(line, scene);
    line += "}\n";
    if (std::fputs(line.c_str(), s_Trace) < 0) Failed();
}
