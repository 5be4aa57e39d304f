// What the game reports of each tick in a headless run's trace.
#include <cstdio>

#include "app/trace.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "talk/talk.h"
#include "talk/talk_faces.h"

void AppendSceneTraceFields(std::string& line, int scene) {
    char field[32];
    std::snprintf(field, sizeof field, ",\"lives\":%d", g_Lives);
    line += field;
    AppendStageTraceFields(line, scene);
    if (IsTalkScene(scene)) {
        std::snprintf(field, sizeof field, ",\"line\":%d", g_TalkLine);
        line += field;
    }
}
