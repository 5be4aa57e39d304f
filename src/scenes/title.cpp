#include "scenes/title.h"

#include "base/platform.h"
#include "app/progress.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/hud.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "talk/talk_faces.h"

// The fade-in runs once per program run: neither value is ever reset.
int g_TitleAlpha = 0;
int g_TitleShown = 0;
int g_TitleArmed[3] = {};

const TitleButton kTitleButtons[3] = {kTitleStartButton, kTitleMenuButton, kTitleQuitButton};
const TitleButton kTitleContinue = kTitleContinueButton;
int g_TitleContinueArmed = 0;

bool InButton(const TitleButton& b) {
    return g_MouseX >= b.x0 && g_MouseX <= b.x1 && g_MouseY >= b.y0 && g_MouseY <= b.y1;
}

void DrawContinueButton(const TitleButton& b) {
    DrawQuad(kSlotContinue, MakeQuad(b.x0, b.y0, b.x1 + 1, b.y1 + 1, 0, 0, 1, 1));
}

void ResetForNewGame() {
    g_StartBannerReset = 1;
    g_ClearBannerFlag = 1;
    g_TalkLine = 0;
    g_SelectedPaint = 0;
    ResetAllStageScripts();
    g_Lives = 3;
    StartBanner();
    g_StartBannerReset = 0;
    ClearBanner();
    g_ClearBannerFlag = 0;
}

void Startinit() {
    LoadPicture(kSlotTitleBack, kPicTitle);
    LoadPicture(kSlotBrush, kPicBrush);
    // Loaded even with no story to continue: one can arrive while the title
    // shows (another tab of the web page reaching a stage).
    LoadPicture(kSlotContinue, kPicContinue);
    g_TitleContinueArmed = 0;
    SetDrawStates();
    LoadSound(kMusicSlot, "mid/tam-n11.mid", true);
    LoadSound(kSoundNotice, "wav/notice1.wav", false);
    g_MusicOnce = 0;
    g_SoundOnce[0] = g_SoundOnce[1] = 0;
    CreateTextFont();

    // Every new game starts fresh: all stage events, lives, banners, paint.
    ResetForNewGame();
    g_FrameNo = kSceneTitleFrame;
}

void Startframe() {
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kMusicSlot);
    DrawQuad(kSlotTitleBack, FullScreenQuad);
    // A story in progress can be taken up again: a fourth button, shown
    // only then, so the title is as it always was for a new player.
    const bool canContinue = StoryStage() != 0;
    if (canContinue && g_TitleShown == 1) DrawContinueButton(kTitleContinue);
    UpdateBrush();
    if (g_TitleShown == 0) {
        g_TitleAlpha += 5;
        SetQuadColour(FullScreenQuad, (uint32_t(g_TitleAlpha & 0xFF) << 24) | 0x00FFFFFFu);
        if (g_TitleAlpha >= 255) g_TitleShown = 1;
    }
    if (g_TitleShown == 1) {
        for (int i = 0; i < 3; ++i) {
            const TitleButton& b = kTitleButtons[i];
            if (KeyDown(VK_LBUTTON) && g_MouseX >= b.x0 && g_MouseX <= b.x1 && g_MouseY >= b.y0 &&
                g_MouseY <= b.y1)
                g_TitleArmed[i] = 1;
        }
        if (canContinue && KeyDown(VK_LBUTTON) && InButton(kTitleContinue)) g_TitleContinueArmed = 1;
    }
    if (g_TitleContinueArmed == 1 && g_BrushAnim == 1.0f) {
        g_FromSelect = 0;
        g_FrameNo = uint8_t(StoryTalkBefore(StoryStage()));
        if (PlayOnceDue(g_SoundOnce[0])) PlayEffect(kSoundNotice);
        g_TitleContinueArmed = 0;
        return;
    }
    // Buttons act on the last frame of the brush stroke.
    if (g_TitleArmed[0] == 1 && g_BrushAnim == 1.0f) {
        g_FromSelect = 0;
        g_FrameNo = kSceneTalk0Init;
        if (PlayOnceDue(g_SoundOnce[0])) PlayEffect(kSoundNotice);
        g_TitleArmed[0] = 0;
    }
    if (g_TitleArmed[1] == 1 && g_BrushAnim == 1.0f) {
        if (PlayOnceDue(g_SoundOnce[0])) PlayEffect(kSoundNotice);
        g_FrameNo = kSceneSelectInit;
        g_TitleArmed[1] = 0;
    }
    if (g_TitleArmed[2] == 1 && g_BrushAnim == 1.0f) {
        PostClose();
        g_TitleArmed[2] = 0;
    }
}
