#include "scenes/game_over.h"

#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/stage_state.h"

namespace {
}  // namespace

int g_GameOverSound = 0;

void Gameoverinit() {
    LoadPicture(kSlotGameOver, kPicGameOver);
    // The next game starts afresh: full lives, scripts asked to rewind.
    g_Lives = 3;
    g_ScriptReset = 1;
    LoadSound(kSoundGameOver, "wav/omg.wav", false);
    g_FrameNo = kSceneGameOverFrame;
}

void Gameoverframe() {
    UpdateBrush();  // under the picture: it shows only through the key colour
    if (PlayOnceDue(g_GameOverSound)) PlayEffect(kSoundGameOver);
    DrawQuad(kSlotGameOver, FullScreenQuad);
    if (KeyDown(VK_SPACE)) {
        g_FrameNo = kSceneTitleInit;
        g_GameOverSound = 0;  // the next game over sounds again
    }
}
