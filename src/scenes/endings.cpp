#include "scenes/endings.h"

#include "app/progress.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "scenes/shared_quads.h"
#include "sound/sound.h"
#include "stage/stage_state.h"

namespace {

constexpr float kColumnStart[5] = {0, 480, 960, 1440, 1920};
// Texture slot of each picture of the column, in drawing order.
constexpr int kColumnSlot[5] = {kSlotEnd0, kSlotEnd1, kSlotEnd2, kSlotEnd0, kSlotEndLogo};

struct EndPicture {
    int slot;
    const char* path;
    const char* message;
};
const EndPicture kEndPictures[4] = {
    {kSlotEnd0, kPicEndings[0].path, "end0.png をテクスチャとして読み込めませんでした"},
    {kSlotEnd1, kPicEndings[1].path, "end1.png をテクスチャとして読み込めませんでした"},
    {kSlotEnd2, kPicEndings[2].path, "end2.png をテクスチャとして読み込めませんでした"},
    {kSlotEndLogo, kPicEndLogo.path, "end.logo.png をテクスチャとして読み込めませんでした"},
};
const EndPicture kLastPicture = {kSlotEnd0, kPicLastPicture.path, "tfp.png をテクスチャとして読み込めませんでした"};

// A failed load is fatal. Once one has been reported the graphics are gone
// and every later load fails too; those are not missing pictures, so only
// the first is reported.
void LoadEndPicture(const EndPicture& p) {
    bool hadDevice = GraphicsAlive();
    if (!LoadTexturePlain(p.slot, p.path) && hadDevice) ErrorBox("%s", p.message);
}

void RewindColumn() {
    for (int i = 0; i < 5; ++i) g_EndScrollY[i] = kColumnStart[i];
    g_EndScrollTime = 0;
    g_EndRestTicks = 0;
}

}  // namespace

float g_EndScrollY[5] = {0, 480, 960, 1440, 1920};
uint32_t g_EndScrollTime = 0;
int g_EndRestTicks = 0;
int g_End2Ticks = 0;

void EndInit() {
    NoteStoryStage(0);  // the story is told: nothing to go on with
    for (const EndPicture& p : kEndPictures) LoadEndPicture(p);
    SetQuadUV(ScrollQuad, 0, 0, 1, 1);
    SetQuadColour(ScrollQuad, 0xFFFFFFFFu);
    LoadSound(kMusicSlot, "mid/kake17gm.mid", true);
    g_MusicOnce = 0;
    g_FrameNo = kSceneEndFrame;
}

void EndFrame() {
    ClearFrame(0xFF000000u);
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kMusicSlot);

    if (g_Now - g_EndScrollTime >= 45) {
        for (float& y : g_EndScrollY) y -= 1.0f;
        g_EndScrollTime = g_Now;
    }
    // The pictures wrap to the lower half of the screen rather than behind
    // the last of them, so after their first wrap they overlap; the logo
    // stops at the top.
    for (int i = 0; i < 4; ++i)
        if (g_EndScrollY[i] < -480.0f) g_EndScrollY[i] = 480.0f;
    if (g_EndScrollY[4] < 0.0f) g_EndScrollY[4] = 0.0f;

    for (int i = 0; i < 5; ++i) {
        float y = g_EndScrollY[i];
        SetQuadRect(ScrollQuad, 64, y, 576, y + 480);
        DrawQuad(kColumnSlot[i], ScrollQuad);
    }

    if (g_EndScrollY[4] <= 0.0f) g_EndRestTicks += 1;
    if (KeyDown(VK_RETURN) || g_EndRestTicks > 250) {
        g_FrameNo = kSceneEnd2Init;
        StopAllSound();
        RewindColumn();  // a later ending starts from the beginning
        g_ScriptReset = 1;
    }
}

void End2Init() {
    LoadEndPicture(kLastPicture);
    g_End2Ticks = 0;
    g_FrameNo = kSceneEnd2Frame;
}

void End2Frame() {
    ClearFrame(0xFF000000u);
    SetQuadRect(ScrollQuad, 0, 0, 640, 480);
    DrawQuad(kSlotEnd0, ScrollQuad);
    if (g_End2Ticks >= 200) {
        g_FrameNo = kSceneTitleInit;
        StopAllSound();
    }
    g_End2Ticks += 1;
}
