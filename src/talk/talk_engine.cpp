// The talk engine: every dialogue scene runs through these two functions
// with its own record.
#include "base/language.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "talk/talk.h"
#include "talk/talk_faces.h"

namespace {

// The line whose cue has sounded: each cue sounds once, as its line first
// shows.
int s_CuedLine = -1;

// The portraits the next tick draws (the right one's cells start at the
// partner's row).
void ShowFaces(const TalkFaces& f) {
    g_LeftFace = f.left;
    g_RightFace = f.right - kRightFaceFirst;
    g_FaceCover = f.cover;
}

void Leave(const TalkScene& scene) {
    g_FrameNo = uint8_t(scene.next);
    if (scene.silencesOnLeave) StopAllSound();
}

}  // namespace

void TalkInit(const TalkScene& scene, int frameScene) {
    SetDrawStates();
    LoadTexture(kSlotTalkBack, scene.background, kKeyWhite);
    LoadPicture(kSlotFaces, kPicFaces);
    LoadPicture(kSlotTalkBox, kPicTalkWindow);
    LoadPicture(kSlotBrush, kPicBrush);  // the pointer
    LoadSound(kMusicSlot, scene.music, true);
    for (int i = 0; i < scene.sounds.count; ++i)
        LoadSound(scene.sounds.items[i].slot, scene.sounds.items[i].path, false);

    g_MusicOnce = 0;
    SetQuadColour(RightFaceQuad, 0xFFFFFFFFu);
    s_CuedLine = -1;
    CreateTextFont();

    ShowFaces(scene.faces);
    g_TalkLine = 0;
    g_FrameNo = uint8_t(frameScene);
}

void TalkFrame(const TalkScene& scene) {
    // A store later in this tick (Space reaching the last line) wins over F1.
    if (KeyDown(VK_F1)) g_FrameNo = kSceneTitleInit;
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kMusicSlot);

    DrawQuad(kSlotTalkBack, FullScreenQuad);
    DrawQuad(kSlotTalkBox, FullScreenQuad);
    // The faces drawn here were stored by the previous tick's line, so the
    // portraits follow the text one tick late.
    SetupTalkFaces();
    DrawQuad(kSlotFaces, LeftFaceQuad);
    DrawQuad(kSlotFaces, RightFaceQuad);
    DrawQuad(kSlotFaces, CoverQuad);

    const int last = scene.lines.count - 1;
    // Space races through the lines; so does a finger's long press.
    if (KeyDown(VK_SPACE) || (g_Finger && KeyDown(VK_RBUTTON))) {
        g_TalkLine += 1;
        if (g_TalkLine == last) Leave(scene);
    }
    if (g_TalkLine > last) {
        Leave(scene);
        g_LButton = 0;
        return;
    }

    const TalkLine& line = scene.lines.items[g_TalkLine];
    ShowFaces(line.faces);
    for (const TalkText& t : line.texts)
        if (t.text && t.rim) DrawStringRimmed(InLanguage(t.text, t.en), kTalkTextX, t.y, t.colour, t.rim, 1);
        else if (t.text) DrawString(InLanguage(t.text, t.en), kTalkTextX, t.y, t.colour);
    // A click shows the next line: the player sees where the mouse is.
    DrawRestingBrush();
    if (line.cue != kNoCue && s_CuedLine != g_TalkLine) PlayEffect(line.cue);
    s_CuedLine = g_TalkLine;

    if (KeyDown(VK_LBUTTON) && g_LButton == 1) {
        if (g_TalkLine < last)
            g_TalkLine += 1;
        else
            Leave(scene);
        g_LButton = 0;
    }
}
