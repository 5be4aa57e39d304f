// The dispatcher: one byte names the scene; the game's table says what runs.
#include "base/platform.h"
#include "app/scenes.h"

uint8_t g_FrameNo = kSceneVeskInit;
int g_FromSelect = 0;

namespace {
const SceneEntry* s_Scenes = nullptr;
}

void SetSceneTable(const SceneEntry* scenes) { s_Scenes = scenes; }

int SceneStartFor(int n) {
    if (n < 0 || n >= kSceneCount) return -1;
    while (s_Scenes && n > 0 && !s_Scenes[n].isInit) --n;
    return n;
}

int StageOfScene(int n, bool& init) {
    for (int k = 1; k <= kStageCount; ++k)
        if (n == StageScene(k) || n == StageScene(k) + 1) {
            init = n == StageScene(k);
            return k;
        }
    return 0;
}

void Dispatch() {
    int n = g_FrameNo;
    if (!s_Scenes || n >= kSceneCount) {
        DebugLog("g_FrameNoの値が例外です。\n");
        return;
    }
    const SceneEntry& e = s_Scenes[n];
    e.run();
    DebugLog(e.log);
    if (e.isInit) {
        // The frame sees the freshly initialised state in the same tick.
        const SceneEntry& f = s_Scenes[n + 1];
        f.run();
        DebugLog(f.log);
    }
}
