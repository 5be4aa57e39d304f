#include "stage/stage_flow.h"

#include <cstdio>

#include "app/progress.h"
#include "app/watch.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/effects.h"
#include "stage/hud.h"
#include "stage/screen_layout.h"
#include "stage/stage_map.h"
#include "stage/stage_state.h"
#include "stage/walker.h"

namespace {

// When play of this try began (the first tick after the start banner), for
// the clear time kept in the player's progress.
uint32_t s_PlaySince = 0;
bool s_PlayStarted = false;
int s_CurrentStage = 0;

void DrawFallersOf(int stage) {
    for (int n = 0; n < StageFallerCount(stage); ++n) DrawQuad(kSlotCharacters, g_Fallers[stage][n].quad);
}

}  // namespace

int CurrentStage() { return s_CurrentStage; }

int StoryTalkBefore(int stage) {
    const int place = StageOf(stage).storyPlace;
    return place <= 1 ? int(kSceneTalk0Init) : int(StageAtPlace(place - 1).nextScene);
}

void DrawStageFallers(int stage) { DrawFallersOf(stage); }

void ResetAllStageScripts() {
    g_ScriptReset = 1;
    for (int k = 1; k <= kStageCount; ++k) ScriptOf(k).run();
    g_ScriptReset = 0;
}

bool InRect(int x, int y, float x0, float y0, float x1, float y1) {
    return float(x) >= x0 && float(x) <= x1 && float(y) >= y0 && float(y) <= y1;
}

namespace {

void LoadStageSounds(const Stage& s) {
    static const char* kEffects[kStageEffectSounds] = {"wav/bom31_b.wav",  "wav/pyoro52.wav",    "wav/SteamD@22.wav",
                                       "wav/water01_c.wav", "wav/mizu07.wav",    "wav/magic_08.wav",
                                       "wav/pochi03@11.wav", "wav/bosu32.wav",   "wav/drag02.wav",
                                       "wav/op5.wav"};
    LoadSound(kMusicSlot, s.music, true);
    for (int i = 0; i < kStageEffectSounds; ++i) LoadSound(i, kEffects[i], false);
    LoadSound(kSoundPickUp, "wav/pick.wav", false);
    LoadSound(kSoundPaint, "wav/paint.wav", false);
    LoadSound(kSoundLifeLost, "wav/miss.wav", false);
    g_MusicOnce = 0;
    g_SoundOnce[0] = 0;
}

// The frame's update order (walkers, painting, fallers).
void StepObjects(int stage) {
    StepHero(stage);
    UpdateHeroPaint();
    StepPartner(stage);
    if (StageOf(stage).partnerStill)
        UpdateStage1Partner();
    else
        UpdatePartnerPaint();
    StepStageFallers(stage);
}

bool Clicked(float x0, float y0, float x1, float y1) {
    return KeyDown(VK_LBUTTON) && g_LButton == 1 && InRect(g_MouseX, g_MouseY, x0, y0, x1, y1);
}

int& PaintCount(int colour) { return colour == 1 ? g_PaintR : colour == 2 ? g_PaintG : g_PaintB; }

void HandlePots(const Stage& s) {
    if (!s.threePots) {
        // A loaded brush or an empty pot leaves the click to others.
        int& n = PaintCount(s.onePotColour);
        if (Clicked(s.onePotX, kPanelPotTop, s.onePotX + kPanelPotSize, kPanelPotTop + kPanelPotSize) && n >= 1 &&
            g_BrushPaint == 0) {
            g_LButton = 0;
            g_SelectedPaint = s.onePotColour;
            n -= 1;
            PlayEffect(kSoundPickUp);
        }
        return;
    }
    for (int x = 1; x <= 3; ++x) {
        const float x0 = kPanelPotX[x - 1];
        if (!Clicked(x0, kPanelPotTop, x0 + kPanelPotSize, kPanelPotTop + kPanelPotSize) || PaintCount(x) < 1 ||
            g_BrushPaint == x)
            continue;
        g_LButton = 0;
        // The unit already on the brush goes back to its pot.
        if (g_BrushPaint >= 1 && g_BrushPaint <= 3) PaintCount(g_BrushPaint) += 1;
        g_SelectedPaint = x;
        PaintCount(x) -= 1;
        PlayEffect(kSoundPickUp);
    }
}

void LoseLife(int lives) {
    g_Lives -= lives;
    g_ScriptReset = 1;
}

// A life lost: the last ends the game; otherwise `request` shows its
// picture and the stage starts again.
void LoseLifeOr(int lives, int& request) {
    LoseLife(lives);
    if (g_Lives == 0) {
        g_FrameNo = kSceneGameOverInit;
        StopAllSound();
    } else {
        request = 1;
        if (lives > 0) PlayEffect(kSoundLifeLost);
    }
}

// Start-up phases of a try.

void LoadStagePictures(const Stage& s) {
    LoadTexture(kSlotStageBack, s.background, s.backgroundKey);
    LoadTexture(kSlotPanel, s.panel, kKeyWhite);
    LoadTexture(kSlotChips, s.chips, kKeyGreen);
    LoadPicture(kSlotResetPicture, kPicReset);
    LoadPicture(kSlotCharacters, kPicWalkers);
    // The partner wears her own sheet, laid out like the hero's columns.
    LoadPicture(kSlotPartnerSheet, kPicPartner);
    LoadPicture(kSlotBrush, kPicBrush);
    LoadPicture(kSlotGauge, kPicGauge);
    LoadPicture(kSlotTimeUp, kPicTimeUp);
    LoadPicture(kSlotStageLetters, kPicLettering);
    LoadPicture(kSlotEffect1, kPicEffect1);
    LoadPicture(kSlotEffect2, kPicEffect2);
    LoadPicture(kSlotEffWindow, kPicSwirlBurst);
    LoadPicture(kSlotEffHeart, kPicHeartBurst);
    LoadPicture(kSlotEffBlue, kPicDropBurst);
    LoadPicture(kSlotSand, kPicSand);
    LoadPicture(kSlotFire, kPicFire);
    if (s.waveStrip) {
        LoadPicture(kSlotWave, kPicSea);
        LoadPicture(kSlotWind, kPicGust);
    }
}

// The walkers and fallers at their start places, at rest, and the grid's
// changed cells put back.
void PlaceStageObjects(int stage, const Stage& s) {
    g_Hero.x = s.hero.x;
    g_Hero.y = s.hero.y;
    g_Hero.facing = s.hero.facing;
    g_Partner.x = s.partner.x;
    g_Partner.y = s.partner.y;
    g_Partner.facing = s.partner.facing;
    g_Hero.halted = g_Partner.halted = 1;
    g_Hero.gravityOff = g_Partner.gravityOff = 0;
    g_HeroPaint = g_PartnerPaint = 0;
    g_HeroPose = g_PartnerPose = 0;
    PlaceStageFallers(stage);
    // A restart begins at rest: a walker or object that was falling (or had
    // fallen off the map) must not keep a speed that would carry it through
    // the floor on its first step.
    g_Hero.fallSpeed = g_Partner.fallSpeed = 0;
    for (Faller& f : g_Fallers[stage]) f.fallSpeed = 0;

    RestoreStageCells(stage);
}

// The pots filled, the try's flags cleared, the script's objects at their
// start and the pot digits placed.
void FillPots(int stage, const Stage& s) {
    g_SelectedPaint = 0;
    for (int c = 1; c <= 3; ++c)
        if (s.paints[c - 1] != kPaintKept) PaintCount(c) = s.paints[c - 1];
    g_TimerPaused = 1;
    g_StageRunning = 0;
    g_StageCleared = 0;
    g_ResetPictureRequest = 0;
    g_TimeUpRequest = 0;
    ScriptOf(stage).init();

    for (int c = 0; c < 3; ++c)
        if (s.digitPos[c][0] >= 0) {
            g_DigitPos[c][0] = s.digitPos[c][0];
            g_DigitPos[c][1] = s.digitPos[c][1];
        }
}

// Frame phases.

void DrawStage(int stage, const Stage& s) {
    DrawQuad(kSlotStageBack, FullScreenQuad);
    DrawStageMap(stage);
    ScriptOf(stage).drawObjects();
    DrawQuad(kSlotCharacters, g_HeroQuad);
    DrawQuad(kSlotPartnerSheet, g_PartnerQuad);
    DrawPaintMarks();
    if (s.waveStrip) DrawWaveStrip();
    DrawTimeStrip();
    static const Quad kPanel = MakeQuad(0, 0, 640, 480, 0, 0.01f, 1, 1);
    DrawQuad(kSlotPanel, kPanel);
    for (int c = 0; c < 3; ++c)
        if (s.digitsDrawn & (1 << c)) DrawQuad(kSlotCharacters, PaintDigit[c]);
    DrawEmptyPots(s.digitsDrawn);
    if (s.partnerLabel && g_Partner.x == 576.0f && g_Partner.y == 128.0f) {
        constexpr LayoutRect uv = SheetUV(kLetterWaitingBubble, kLetteringSheet);
        static const Quad kLabel = MakeQuad(512, 112, 608, 144, uv.x0, uv.y0, uv.x1, uv.y1);
        DrawQuad(kSlotStageLetters, kLabel);
    }
    UpdatePaintDigits();
    DrawLives();
}

// The banners come after the whole panel, so their giant zooming letters
// pass over the lives row instead of under it; then the pictures that end a
// try (a life given up, the time up) start it again once they are over.
void DrawBannersAndRestarts(int stage) {
    if (g_StageRunning == 0) StartBanner();
    if (g_StageCleared == 1) {
        if (PlayOnceDue(g_SoundOnce[0])) {
            PlayEffect(kSoundStageClear);
            NoteClear(stage, s_PlayStarted ? g_Now - s_PlaySince : 0);
        }
        ClearBanner();
    }
    UpdateBrush();
    DrawLossAfterimage();
    if (g_ResetPictureRequest == 1) {
        DrawResetPicture();
        if (g_ResetPictureRequest == 0) g_FrameNo = uint8_t(StageScene(stage));
    }
    if (g_TimeUpRequest == 1) {
        DrawTimeUpPicture();
        if (g_TimeUpRequest == 0) g_FrameNo = uint8_t(StageScene(stage));
    }
}

// While the stage runs: the walkers walk, the clock runs, the pots answer,
// the give-up button and the end of the time strip each cost a life.
void RunPlay(const Stage& s) {
    if (!s_PlayStarted) {
        s_PlayStarted = true;
        s_PlaySince = g_Now;
    }
    g_Hero.halted = g_Partner.halted = 0;
    g_TimerPaused = 0;
    HandlePots(s);
    const LayoutRect& reset = kPanelResetButton;
    if (Clicked(reset.x0, reset.y0, reset.x1, reset.y1)) {
        g_LButton = 0;
        LoseLifeOr(1, g_ResetPictureRequest);
    }
    if (TimeStripRight() <= kPanelTimeWindow.x1) {
        // The strip stays at its end until the restart: heard once.
        const int penalty = g_TimeOutPenalty;
        g_TimeOutPenalty = 0;
        LoseLifeOr(penalty, g_TimeUpRequest);
    }
}

}  // namespace

void StageInit(int stage) {
    const Stage& s = StageOf(stage);
    s_CurrentStage = stage;
    s_PlayStarted = false;
    // The story can be taken up again from here.
    if (g_FromSelect == 0) NoteStoryStage(stage);

    LoadStagePictures(s);
    PlaceStageObjects(stage, s);
    FillPots(stage, s);

    // The first frame's objects, strip and banners, set up but not drawn.
    UpdateBrush();
    StepObjects(stage);
    if (s.waveStrip) DrawWaveStrip();
    CreateTextFont();

    ResetTimeStrip();
    g_StripSpeed = s.stripSpeed;
    g_TimeOutPenalty = 1;
    SetStageNumberGlyph(s.storyPlace);

    if (s.soundsFirst) LoadStageSounds(s);
    g_ScriptReset = 1;
    ScriptOf(stage).run();
    g_ScriptReset = 0;
    g_StartBannerReset = 1;
    StartBanner();
    g_StartBannerReset = 0;
    g_ClearBannerFlag = 1;
    ClearBanner();
    g_ClearBannerFlag = 0;
    if (!s.soundsFirst) LoadStageSounds(s);

    g_FrameNo = uint8_t(StageScene(stage) + 1);
}

void StageFrame(int stage) {
    const Stage& s = StageOf(stage);
    if (KeyDown(VK_F1)) g_FrameNo = kSceneTitleInit;
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kMusicSlot);
    SetAdditiveBlend(false);

    DrawStage(stage, s);
    DrawBannersAndRestarts(stage);

    StepObjects(stage);
    if (s.enterStarts && KeyDown(VK_RETURN)) g_StageRunning = 1;
    if (g_StageRunning == 1) RunPlay(s);
    if (g_ClearBannerFlag == 1) {
        g_FrameNo = uint8_t(g_FromSelect == 1 ? int(kSceneStageSelectInit) : s.nextScene);
        StopAllSound();
    }
    ScriptOf(stage).run();
}

void AppendStageTraceFields(std::string& line, int scene) {
    if (!IsStageScene(scene)) return;
    char buf[512];
    auto walker = [](const Walker& w, int paint, char* out, size_t n) {
        std::snprintf(out, n, "{\"x\":%g,\"y\":%g,\"facing\":%d,\"paint\":%d,\"halted\":%d}", double(w.x),
                      double(w.y), w.facing, paint, w.halted);
    };
    char hero[128], partner[128];
    walker(g_Hero, g_HeroPaint, hero, sizeof hero);
    walker(g_Partner, g_PartnerPaint, partner, sizeof partner);
    std::snprintf(buf, sizeof buf,
                  ",\"hero\":%s,\"partner\":%s,\"paints\":[%d,%d,%d],\"selected\":%d,\"running\":%d,"
                  "\"cleared\":%d,\"strip\":%g",
                  hero, partner, g_PaintR, g_PaintG, g_PaintB, g_SelectedPaint, g_StageRunning, g_StageCleared,
                  double(TimeStripRight()));
    line += buf;
}
