#include "scenes/opening.h"

#include <initializer_list>

#include "base/language.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "scenes/pointer_picture.h"
#include "scenes/shared_quads.h"
#include "sound/sound.h"
#include "talk/talk_faces.h"

// The opening runs once per program run: none of this is ever reset.
int g_LogoAlpha = 0;
int g_LogoFadeOut = 0;
int g_LogoHold = 0;
int g_FootprintCount = 0;
float g_ScrollX = 0.0f;
int g_CaptionNo = 0;
float g_FaceX = -160.0f;
unsigned g_ScrollTime = 0, g_CaptionTime = 0, g_FaceTime = 0;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
// The hero's red, lifted so that it reads at least 4.5:1 on the caption's navy.
constexpr uint32_t kRed = 0xFFFF5A50u;

// Lower-left corners of the footprints: a staircase rising to the right.
const int kFootprints[8][2] = {{0, 416},   {128, 416}, {128, 288}, {256, 288},
                               {256, 160}, {384, 160}, {384, 32},  {512, 32}};

Quad s_FootQuad = MakeQuad(0, 0, 64, 64, 0, 0, 1, 1);

// A tap skips the opening as Space does. A tap is down for one frame and
// some steps look only every 100 ms, so it is kept until a step looks.
bool s_SkipTapped = false;
bool SkipAsked() { return KeyDown(VK_SPACE) || s_SkipTapped; }

// The hint's copy in its slot: the mouse's or the touch screen's.
int s_HintFinger = -1;
void LoadSkipHint() {
    LoadPicture(kSlotSkipHint, PointerPicture(kPicSkipHint, kPicSkipHintTouch));
    s_HintFinger = g_Finger;
}

// A quiet note in the corner that Space skips the opening: it fades in a
// second after the opening began and stays until the title. Every frame of
// the opening draws it, so it also takes the taps.
uint32_t s_OpeningSince;
bool s_OpeningStarted = false;
void DrawSkipHint() {
    if (g_Finger && KeyDown(VK_LBUTTON) && g_LButton == 1) {
        s_SkipTapped = true;
        g_LButton = 0;  // the title does not take it for a click
    }
    if (s_HintFinger != g_Finger) LoadSkipHint();
    const uint32_t now = NowMs();
    if (!s_OpeningStarted) {
        s_OpeningStarted = true;
        s_OpeningSince = now;
    }
    const uint32_t shown = now - s_OpeningSince;
    if (shown < 1000) return;
    const uint32_t alpha = shown >= 1500 ? 0xD0 : 0xD0 * (shown - 1000) / 500;
    SetAdditiveBlend(false);
    DrawQuad(kSlotSkipHint, MakeQuad(482, 444, 632, 474, 0, 0, 1, 1, (alpha << 24) | 0x00FFFFFFu));
}

}  // namespace

const PrologueCaption kPrologueCaptions[13] = {
    {100, 330, kWhite, "ここは、わたしたちの世界によく似た\nもうひとつの世界。",
     "This is another world,\nmuch like our own."},
    {120, 350, kWhite, "人びとは、おだやかに暮らしていた。",
     "Its people lived their days in peace."},
    {100, 330, kWhite, "けれど、その足もとの草かげには\nだれも知らない小さな国があった。",
     "But in the grass beneath their feet\nlay a tiny land that no one knew of."},
    {110, 330, kWhite, "朝つゆほどの背たけしかない\n小さな住人たちの国である。",
     "A land of little folk,\nno taller than a drop of dew."},
    {100, 330, kWhite, "彼らの名は「ナブル」。\n丸くて、やさしくて、歌が大好き。",
     "They were called the Nubbles:\nround, gentle, and fond of singing."},
    {100, 350, kWhite, "ところがある日、ナブルの長老が倒れた。",
     "Then one day, the Nubbles’ Elder fell ill."},
    {140, 340, kWhite, "長老の病は重く、\n村のどんな薬も効かなかった。",
     "His illness was grave, and no medicine\nin the village could cure it."},
    {130, 340, kWhite, "「伝説の薬草なら、あるいは…」\nナブルたちは、ひとりの若者をたよった。",
     "“Perhaps the herb of legend…”\nThe Nubbles put their hopes in one young man."},
    {140, 340, kRed, "「まかせてくれ。\n  薬は、おれがきっと見つけてくる」",
     "“Leave it to me.\nI’ll find that cure, I promise.”"},
    {155, 355, kRed, "「待っていてくれ、長老」",
     "“Wait for me, Elder.”"},
    {250, 355, kRed, "「必ず、もどる」",
     "“I will come back.”"},
    {185, 350, kRed, "「さあ、出発だ！」",
     "“Right, off I go!”"},
    {155, 350, kWhite, "こうして、若者の旅がはじまった。",
     "And so the young man’s journey began."},
};

void Veskinit() {
    LoadPicture(kSlotVesk, kPicMakerLogo);
    LoadSkipHint();
    s_SkipTapped = false;
    SetDrawStates();
    g_FrameNo = kSceneVeskFrame;
}

void Veskframe() {
    g_Now = NowMs();
    DrawQuad(kSlotVesk, LogoQuad);
    DrawSkipHint();
    if (g_Now - g_StepTime > 1) {
        g_StepTime = g_Now;
        g_LogoAlpha += g_LogoFadeOut == 1 ? -4 : 4;
        SetQuadColour(LogoQuad, (uint32_t(g_LogoAlpha & 0xFF) << 24) | 0x00FFFFFFu);
        if (g_LogoAlpha >= 252) g_LogoFadeOut = 1;
        if (g_LogoAlpha == 0) g_FrameNo = kSceneLogoInit;
        if (SkipAsked()) g_FrameNo = kSceneTitleInit;
    }
}

void Logoinit() {
    LoadPicture(kSlotLogo, kPicGameLogo);
    LoadPicture(kSlotFootprints, kPicFootprint);
    LoadSkipHint();
    SetDrawStates();
    g_FrameNo = kSceneLogoFrame;
}

void Logoframe() {
    g_Now = NowMs();
    DrawQuad(kSlotLogo, FullScreenQuad);
    DrawSkipHint();
    if (g_Now - g_StepTime > 1) {
        g_StepTime = g_Now;
        g_LogoHold += 3;
        SetQuadColour(FullScreenQuad, 0xFFFFFFFFu);
        if (g_LogoHold >= 255) g_FrameNo = kSceneLogoFrame2;
    }
}

void Logoframe2() {
    g_Now = NowMs();
    DrawQuad(kSlotLogo, FullScreenQuad);
    SetQuadColour(FullScreenQuad, 0xFFFFFFFFu);
    for (int i = 0; i < g_FootprintCount && i < 8; ++i) {
        float x = float(kFootprints[i][0]), y = float(kFootprints[i][1]);
        SetQuadRect(s_FootQuad, x, y - 64, x + 64, y);
        DrawQuad(kSlotFootprints, s_FootQuad);
    }
    DrawSkipHint();
    if (g_Now - g_StepTime > 100) {
        g_StepTime = g_Now;
        g_FootprintCount += 1;
        if (g_FootprintCount > 8) g_FrameNo = kScenePrologueInit;
        if (SkipAsked()) g_FrameNo = kSceneTitleInit;
    }
}

void PrologueInit() {
    LoadPicture(kSlotPrologue, kPicPrologueFrame);
    LoadPicture(kSlotPrologueScroll, kPicPrologueScroll);
    LoadPicture(kSlotFaces, kPicFaces);
    LoadSkipHint();
    SetDrawStates();
    ScrollQuad = MakeQuad(0, 0, 1024, 256, 0.01f, 0.0f, 1.0f, 0.5f);
    g_TalkLine = 0;
    LoadSound(kSoundPrologue, "wav/prolog.wav", false);
    g_MusicOnce = 0;
    g_FrameNo = kScenePrologueFrame;
}

void Prologueframe() {
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kSoundPrologue);
    DrawQuad(kSlotPrologueScroll, ScrollQuad);
    DrawQuad(kSlotPrologue, FullScreenQuad);

    SetupTalkFaces();
    SetQuadRect(LeftFaceQuad, g_FaceX, 70, g_FaceX + 160, 230);
    DrawQuad(kSlotFaces, LeftFaceQuad);

    g_Now = NowMs();
    if (g_Now - g_ScrollTime >= 45) {
        g_ScrollX -= 1.5f;
        g_ScrollTime = g_Now;
    }
    if (g_ScrollX <= -384.0f) g_ScrollX = -384.0f;
    for (int i : {0, 3}) ScrollQuad.v[i].x = g_ScrollX;
    for (int i : {1, 2}) ScrollQuad.v[i].x = g_ScrollX + 1024.0f;

    if (g_Now - g_CaptionTime >= 3500) {
        g_CaptionNo += 1;
        g_CaptionTime = g_Now;
    }
    if (g_CaptionNo == 5) {
        // The second picture: the land of the nubbles.
        for (int i : {0, 1}) ScrollQuad.v[i].v = 0.5f;
        for (int i : {2, 3}) ScrollQuad.v[i].v = 1.0f;
    }

    if (g_CaptionNo >= 9 && g_CaptionNo <= 12) {
        if (g_Now - g_FaceTime >= 20) {
            g_FaceX += 10.0f;
            g_FaceTime = g_Now;
        }
        if (g_FaceX >= 240.0f) g_FaceX = 240.0f;
    } else if (g_CaptionNo == 13) {
        if (g_Now - g_FaceTime >= 20) {
            g_FaceX += 10.0f;  // leaves to the right
            g_FaceTime = g_Now;
        }
    }

    if (g_CaptionNo == 9) g_LeftFace = 0;
    if (g_CaptionNo == 12) g_LeftFace = 1;
    if (g_CaptionNo >= 1 && g_CaptionNo <= 13) {
        const PrologueCaption& c = kPrologueCaptions[g_CaptionNo - 1];
        DrawString(InLanguage(c.text, c.en), c.x, c.y, c.colour);
    } else {
        g_FrameNo = kSceneTitleInit;
    }
    DrawSkipHint();

    if (SkipAsked()) g_FrameNo = kSceneTitleInit;
}
