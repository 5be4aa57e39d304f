// The talk engine: every dialogue scene runs through these two functions
// with its own table.
#include "base/language.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "talk/talk.h"
#include "talk/talk_faces.h"

int g_TalkOnce[4] = {0, 0, 0, 0};

int& TalkCounter(int c) { return c < 8 ? g_SoundOnce[c] : g_TalkOnce[c - 8]; }

const TalkScene* FindTalkScene(int sceneNo) {
    for (const TalkScene* s : kTalkScenes)
        if (s->initNo == sceneNo || s->frameNo == sceneNo) return s;
    return nullptr;
}

bool IsTalkScene(int sceneNo) { return FindTalkScene(sceneNo) != nullptr; }

void TalkInit(const TalkScene& scene) {
    SetDrawStates();
    LoadTexture(kSlotTalkBack, scene.background, kKeyWhite);
    LoadPicture(kSlotFaces, kPicFaces);
    LoadPicture(kSlotTalkBox, kPicTalkWindow);
    LoadPicture(kSlotBrush, kPicBrush);  // the pointer
    LoadSound(kMusicSlot, scene.music, true);
    for (int i = 0; i < scene.soundCount; ++i) LoadSound(scene.sounds[i].slot, scene.sounds[i].path, false);

    g_MusicOnce = 0;
    SetQuadColour(RightFaceQuad, 0xFFFFFFFFu);
    // c3 is the stages' counter; c11 is only cleared by the scene that uses it.
    for (int c = 0; c < kTalkCounters - 1; ++c)
        if (c != 3) TalkCounter(c) = 0;
    if (scene.clearsLastCounter) TalkCounter(11) = 0;
    CreateTextFont();

    g_LeftFace = scene.startLeft;
    g_RightFace = scene.startRight;
    g_FaceCover = scene.startCover;
    g_TalkLine = 0;
    g_FrameNo = uint8_t(scene.frameNo);
}

namespace {

void Leave(const TalkScene& scene) {
    g_FrameNo = uint8_t(TalkNextScene(scene));
    if (scene.silencesOnLeave) StopAllSound();
}

}  // namespace

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

    const int last = scene.lineCount - 1;
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

    const TalkLine& line = scene.lines[g_TalkLine];
    g_LeftFace = line.leftFace;
    g_RightFace = line.rightFace;
    g_FaceCover = line.cover;
    for (const TalkText& t : line.texts)
        if (t.text && t.rim) DrawStringRimmed(InLanguage(t.text, t.en), kTalkTextX, t.y, t.colour, t.rim, 1);
        else if (t.text) DrawString(InLanguage(t.text, t.en), kTalkTextX, t.y, t.colour);
    // A click shows the next line: the player sees where the mouse is.
    DrawRestingBrush();
    if (line.cue.slot >= 0 && PlayOnceDue(TalkCounter(line.cue.counter))) PlayEffect(line.cue.slot);

    if (KeyDown(VK_LBUTTON) && g_LButton == 1) {
        if (g_TalkLine < last)
            g_TalkLine = line.next;
        else
            Leave(scene);
        g_LButton = 0;
    }
}
