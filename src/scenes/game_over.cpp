#include "scenes/game_over.h"

#include "base/platform.h"
#include "app/scenes.h"
#include "scenes/pointer_picture.h"
#include "scenes/title.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"

namespace {
// Going on from the stage just lost: a story's from the dialogue before it,
// a stage chosen from the stage select's at once.
const TitleButton kGameOverContinue = kGameOverContinueButton;
int s_ContinueScene = -1;
int s_ContinueArmed = 0;

void Continue() {
    ResetForNewGame();
    g_FrameNo = uint8_t(s_ContinueScene);
    g_GameOverSound = 0;
    s_ContinueArmed = 0;
}
}  // namespace

int g_GameOverSound = 0;

void Gameoverinit() {
    LoadPicture(kSlotGameOver, PointerPicture(kPicGameOver, kPicGameOverTouch));
    const int lost = CurrentStage();
    s_ContinueScene = lost < 1 || lost > kStageCount ? -1
                      : g_FromSelect == 1            ? StageScene(lost)
                                                     : StoryTalkBefore(lost);
    s_ContinueArmed = 0;
    if (s_ContinueScene >= 0) LoadPicture(kSlotContinue, kPicContinue);
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
    if (s_ContinueScene >= 0) {
        DrawContinueButton(kGameOverContinue);
        // The brush shows over the button it is about to press.
        DrawBrushCursor();
        if (KeyDown(VK_LBUTTON) && InButton(kGameOverContinue)) s_ContinueArmed = 1;
        if (KeyDown(VK_RETURN) || (s_ContinueArmed == 1 && g_BrushAnim == 1.0f)) {
            Continue();
            return;
        }
    }
    // Space, or a finger's long press, goes to the title.
    if (KeyDown(VK_SPACE) || (g_Finger && KeyDown(VK_RBUTTON))) {
        g_FrameNo = kSceneTitleInit;
        g_GameOverSound = 0;  // the next game over sounds again
        s_ContinueArmed = 0;
    }
}
