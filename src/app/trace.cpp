#include "app/trace.h"

#include <cstdio>

#include "base/platform.h"
#include "app/scenes.h"

namespace {
FILE* s_Trace = nullptr;
}

bool OpenTrace(const char* path) {
    CloseTrace();
    s_Trace = std::fopen(path, "wb");
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
    AppendSceneTraceFields(line, scene);
    line += "}\n";
    std::fputs(line.c_str(), s_Trace);
}
