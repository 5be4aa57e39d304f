#include "app/trace.h"

#include <cstdio>

#include "base/platform.h"
#include "app/scenes.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "talk/talk.h"
#include "talk/talk_faces.h"

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
    std::snprintf(head, sizeof head, "{\"t\":%u,\"scene\":%d,\"next\":%d,\"mouse\":[%d,%d],\"lives\":%d", elapsedMs,
                  scene, int(g_FrameNo), g_MouseX, g_MouseY, g_Lives);
    std::string line = head;
    AppendSceneTraceFields(line, scene);
    line += "}\n";
    std::fputs(line.c_str(), s_Trace);
}

void AppendSceneTraceFields(std::string& line, int scene) {
    AppendStageTraceFields(line, scene);
    if (IsTalkScene(scene)) {
        char talk[32];
        std::snprintf(talk, sizeof talk, ",\"line\":%d", g_TalkLine);
        line += talk;
    }
}
