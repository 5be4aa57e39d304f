#include "app/data_gate.h"

#include "app/scenes.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

namespace {
bool s_AllHere = false;  // asked no more once every pack has arrived
}

bool SceneDataAwaited(int scene) {
    if (s_AllHere) return false;
    // The page answers 0 (still on the way), 1 (here) or 2 (every pack here);
    // a page without packs has everything.
    const int state = EM_ASM_INT({ return Module.tolvaneSceneReady ? Module.tolvaneSceneReady($0) : 2; },
                                 SceneStartFor(scene));
    s_AllHere = state == 2;
    return state == 0;
}
#else
bool SceneDataAwaited(int) { return false; }
#endif
