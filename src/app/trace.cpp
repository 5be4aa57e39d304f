#include "app/trace.h"

#include <cstdio>

#include "base/platform.h"
#include "app/scenes.h"

namespace {
FILE* s_Trace = nullptr;
SceneTraceFields s_SceneFields = nullptr;
}  // namespace

void SetSceneTraceFields(SceneTraceFields fields) { s_SceneFields = fields; }

bool OpenTrace(const char* path, bool lineByLine) {
    CloseTrace();
    s_Trace = std::fopen(path, "wb");
    if (s_Trace && lineByLine) std::setvbuf(s_Trace, nullptr, _IOLBF, 0);
    return s_Trace != nullptr;
}

void CloseTrace() {
    if (s_Trace) std::fclose(s_Trace);
    s_Trace = nullptr;
}

void TraceTick(unsigned elapsedMs, int scene) {
    if (!s_Trace) return;
    char head[160];
    std::snprintf(head, sizeof head, "{\"t\":%u,\"scene\":%d,\"next\":%d,\"mouse\":[%d,%d]", elapsedMs, scene,
                  int(g_FrameNo), g_MouseX, g_MouseY);
    std::string line = head;
    if (s_SceneFields) s_SceneFields(line, scene);
    line += "}\n";
    std::fputs(line.c_str(), s_Trace);
}
