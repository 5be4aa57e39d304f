#include "stage/hud.h"

#include <cmath>

#include "base/platform.h"
#include "stage/screen_layout.h"
#include "stage/stage_state.h"
#include "gfx/texture_slots.h"

namespace {


uint32_t AlphaColour(int alpha) {
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    return (uint32_t(alpha) << 24) | 0x00FFFFFFu;
}

Quad Sprite(float u0, float u1, float v0, float v1) { return MakeQuad(0, 0, 0, 0, u0, v0, u1, v1); }
// A cell of the lettering sheet.
constexpr LayoutRect LetterUV(const LayoutRect& cell) { return SheetUV(cell, kLetteringSheet); }
Quad Letters(const LayoutRect& cell) {
    const LayoutRect uv = LetterUV(cell);
    return Sprite(uv.x0, uv.x1, uv.y0, uv.y1);
}

// Start banner state.
int s_AngleStep = 360;
float s_RollerX = 175.0f;
float s_StartZoom = 5.0f;
// The number's size as drawn: its zoom waits for a lost life's picture to go,
// while the banner's own timing (which starts play) runs on.
float s_DrawnZoom = 5.0f;
uint32_t s_DrawnZoomTimer;
int s_Phase = 0;
int s_AlphaA = 0, s_AlphaB = 255;
uint32_t s_LabelTimer, s_ZoomTimer, s_RollTimer, s_FadeOutTimer;

// Clear banner state.
float s_ClearZoom = 5.0f;
int s_ClearAlpha = 255;
uint32_t s_ClearZoomTimer, s_ClearFadeTimer;

uint32_t s_LifeTimer;

bool Due(uint32_t& timer, uint32_t ms) {
    if (g_Now - timer < ms) return false;
    timer = g_Now;
    return true;
}

}  // namespace

// The strip, 384 px long, starts at the time window's left edge.
constexpr float kStripLength = 384;
constexpr LayoutRect kWindow = kPanelTimeWindow;
Quad TimeStrip = MakeQuad(kWindow.x0, kWindow.y0, kWindow.x0 + kStripLength, kWindow.y1, 0, 0, 0, 0);
Quad PaintDigit[3] = {Sprite(0.5f, 0.625f, 0.5f, 0.5625f), Sprite(0.625f, 0.75f, 0.5f, 0.5625f),
                      Sprite(0.75f, 0.875f, 0.5f, 0.5625f)};
// The caption at the lives row's left end, on its foot.
constexpr LayoutRect kLivesRow = kPanelLivesRow, kLivesUV = LetterUV(kLetterLives);
Quad LivesLabel = MakeQuad(kLivesRow.x0, kLivesRow.y1 - 32, kLivesRow.x0 + 64, kLivesRow.y1, kLivesUV.x0, kLivesUV.y0,
                           kLivesUV.x1, kLivesUV.y1);
Quad LifeIcon = Sprite(0.625f, 0.75f, 0.125f, 0.15625f);
Quad LostLifeIcon = Sprite(0.625f, 0.75f, 0.2205f, 0.252f);
Quad StageLabel = Letters(kLetterStageCaption);
Quad StageNumber = Letters(LetterStageNumber(1));
Quad BannerBar = Letters(kLetterBannerBar);
Quad BannerRoller = Letters(kLetterBannerRoller);
Quad ClearLetter[4] = {Letters(LetterClear(0)), Letters(LetterClear(1)), Letters(LetterClear(2)),
                       Letters(LetterClear(3))};
float g_LifeAnimV = 0.125f;

void BannerTransform(Quad& q, float cx, float cy, float sx, float sy, float a) {
    static const float kUnit[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    float c = std::cos(a), s = std::sin(a);
    for (int i = 0; i < 4; ++i) {
        float x = kUnit[i][0], y = kUnit[i][1];
        q.v[i].x = cx + sx * x * c - sy * y * s;
        q.v[i].y = cy + sx * x * s + sy * y * c;
    }
}

void ResetTimeStrip() { SetQuadRect(TimeStrip, kWindow.x0, kWindow.y0, kWindow.x0 + kStripLength, kWindow.y1); }

void SetStageNumberGlyph(int p) {
    if (p < 1 || p > 9) return;
    const LayoutRect uv = LetterUV(LetterStageNumber(p));
    SetQuadUV(StageNumber, uv.x0, uv.y0, uv.x1, uv.y1);
}

void UpdatePaintDigits() {
    const int counts[3] = {g_PaintR, g_PaintG, g_PaintB};
    for (int c = 0; c < 3; ++c) {
        float x = g_DigitPos[c][0], y = g_DigitPos[c][1];
        SetQuadRect(PaintDigit[c], x, y, x + 32, y + 64);
        float v0 = float(counts[c] + 8) * 0.0625f, v1 = float(counts[c] + 9) * 0.0625f;
        for (int i : {0, 1}) PaintDigit[c].v[i].v = v0;
        for (int i : {2, 3}) PaintDigit[c].v[i].v = v1;
    }
}

void DrawEmptyPots(int digitsDrawn) {
    const int counts[3] = {g_PaintR, g_PaintG, g_PaintB};
    for (int c = 0; c < 3; ++c) {
        if (!(digitsDrawn & (1 << c)) || counts[c] > 0) continue;
        // The pot left of its digit, washed over with the panel's parchment.
        const float x = g_DigitPos[c][0], y = g_DigitPos[c][1];
        DrawSolidQuad(MakeQuad(x - 66, y + 2, x - 2, y + 66, 0, 0, 1, 1, kEmptyPotWash));
    }
}

void DrawTimeStrip() {
    // The strip's picture lies on its side in the sheet.
    const LayoutRect uv = LetterUV(kLetterTimeStrip);
    TimeStrip.v[0].u = uv.x1; TimeStrip.v[0].v = uv.y0;
    TimeStrip.v[1].u = uv.x1; TimeStrip.v[1].v = uv.y1;
    TimeStrip.v[2].u = uv.x0; TimeStrip.v[2].v = uv.y1;
    TimeStrip.v[3].u = uv.x0; TimeStrip.v[3].v = uv.y0;
    if (TimeStripRight() >= kWindow.x1 && g_TimerPaused == 0)
        for (TlVertex& v : TimeStrip.v) v.x -= g_StripSpeed;
    DrawQuad(kSlotStageLetters, TimeStrip);
}

void DrawLives() {
    DrawQuad(kSlotStageLetters, LivesLabel);
    if (g_Lives < 1 || g_Lives > 3) return;
    if (Due(s_LifeTimer, 250)) {
        g_LifeAnimV += 0.03125f;
        if (g_LifeAnimV == 0.21875f) g_LifeAnimV = 0.09375f;
    }
    for (int i : {0, 1}) LifeIcon.v[i].v = g_LifeAnimV;
    for (int i : {2, 3}) LifeIcon.v[i].v = g_LifeAnimV + 0.03125f;
    // three icons 50 px apart, the last at the row's right end
    const float top = kPanelLivesRow.y0;
    for (int i = 0; i < 3; ++i) {
        Quad& q = i < g_Lives ? LifeIcon : LostLifeIcon;
        const float x = kPanelLivesRow.x1 - 32 - 50.0f * float(2 - i);
        SetQuadRect(q, x, top, x + 32, top + 32);
        DrawQuad(kSlotCharacters, q);
    }
}

void StartBanner() {
    if (g_StartBannerReset == 1) {
        s_AngleStep = 360;
        s_RollerX = 175.0f;
        s_StartZoom = s_DrawnZoom = 5.0f;
        s_Phase = 0;
        s_AlphaA = 0;
        s_AlphaB = 255;
        s_LabelTimer = s_ZoomTimer = s_RollTimer = s_FadeOutTimer = s_DrawnZoomTimer = 0;
        SetQuadColour(StageNumber, 0xFFFFFFFFu);
        SetQuadColour(BannerBar, 0xFFFFFFFFu);
        SetQuadColour(BannerRoller, 0xFFFFFFFFu);
    }

    // A lost life's picture over the restarted stage is read alone: the
    // banner shows once it is gone.
    const bool shown = LossAfterimageAlpha() == 0;
    BannerTransform(StageLabel, 270, 190, 96, 32, 0);
    SetQuadColour(StageLabel, AlphaColour(s_AlphaA));
    if (Due(s_LabelTimer, 20) && s_Phase != 1) s_AlphaA += 5;
    if (s_AlphaA >= 255) {
        s_Phase = 1;
        s_AlphaA = 255;
    }
    if (shown) DrawQuad(kSlotStageLetters, StageLabel);

    if (Due(s_ZoomTimer, 20)) {
        if (s_StartZoom == 1.0f)
            s_Phase = 2;
        else
            s_StartZoom -= 0.25f;
    }
    BannerTransform(StageNumber, 410, 175, 48 * s_DrawnZoom, 48 * s_DrawnZoom, 0);
    if (shown && Due(s_DrawnZoomTimer, 20) && s_DrawnZoom > 1.0f) s_DrawnZoom -= 0.25f;
    if (shown) DrawQuad(kSlotStageLetters, StageNumber);

    BannerTransform(BannerBar, 175, 230, 144, 16, 0);
    BannerBar.v[1].x = BannerBar.v[2].x = s_RollerX;
    BannerBar.v[0].x = BannerBar.v[3].x = 175.0f;
    if (shown) DrawQuad(kSlotStageLetters, BannerBar);

    const float kDegree = 0.0174532887f;
    BannerTransform(BannerRoller, s_RollerX, 230, 48, 48, float(s_AngleStep) * 10.0f * kDegree * 1.5f);
    if (Due(s_RollTimer, 20)) {
        if (++s_AngleStep > 360) s_AngleStep = 0;
        if (s_RollerX <= 440.0f) {
            s_RollerX += 5.0f;
        } else {
            s_RollerX = 440.0f;
            if (Due(s_FadeOutTimer, 100)) {
                for (int i = 0; i < 4; ++i) {
                    BannerBar.v[i].diffuse = StageNumber.v[i].diffuse = BannerRoller.v[i].diffuse =
                        AlphaColour(s_AlphaB);
                    StageLabel.v[i].diffuse = AlphaColour(s_AlphaA);
                    s_AlphaA -= 25;
                    s_AlphaB -= 25;
                }
            }
            if (s_AlphaA < 0 && s_AlphaB < 0) {
                s_AlphaA = s_AlphaB = 0;
                g_StageRunning = 1;
                g_StartBannerReset = 1;
            }
        }
    }
    if (shown) DrawQuad(kSlotStageLetters, BannerRoller);
}

float StartBannerDrawnZoom() { return s_DrawnZoom; }

void ClearBanner() {
    static const float kCentreX[4] = {200, 290, 380, 460};
    if (g_ClearBannerFlag == 1) {
        s_ClearZoom = 5.0f;
        s_ClearAlpha = 255;
        s_ClearZoomTimer = s_ClearFadeTimer = 0;
        for (Quad& q : ClearLetter) SetQuadColour(q, 0xFFFFFFFFu);
    }
    for (int i = 0; i < 4; ++i) {
        float sx = (i == 3 ? 24.0f : 48.0f) * s_ClearZoom;
        BannerTransform(ClearLetter[i], kCentreX[i], 175, sx, 48 * s_ClearZoom, 0);
        DrawQuad(kSlotStageLetters, ClearLetter[i]);
    }
    if (Due(s_ClearZoomTimer, 25) && s_ClearZoom != 1.0f) s_ClearZoom -= 0.25f;
    if (s_ClearZoom == 1.0f) {
        for (int c = 0; c < 4; ++c) {
            for (Quad& q : ClearLetter) q.v[c].diffuse = AlphaColour(s_ClearAlpha);
            if (Due(s_ClearFadeTimer, 50)) {
                s_ClearAlpha -= 3;
                if (s_ClearAlpha < 0) {
                    s_ClearAlpha = 0;
                    g_ClearBannerFlag = 1;
                }
            }
        }
    }
}

namespace {

int s_LossSlot = -1;  // the picture last shown for a lost life, -1 none
uint32_t s_LossShown;

void DrawFullPicture(int slot) {
    Quad q = MakeQuad(0, 0, 640, 480, 0, 0, 1, 1);
    DrawQuad(slot, q);
    s_LossSlot = slot;
    s_LossShown = g_Now;
}

}  // namespace

int LossAfterimageAlpha() {
    if (s_LossSlot < 0) return 0;
    uint32_t age = g_Now - s_LossShown;
    if (age >= kLossPictureMs) return 0;
    if (age <= kLossPictureHoldMs) return 255;
    return int(255 - 255 * (age - kLossPictureHoldMs) / (kLossPictureMs - kLossPictureHoldMs));
}

// Drawing only: the restart itself keeps its tick.
void DrawLossAfterimage() {
    int alpha = LossAfterimageAlpha();
    if (alpha == 0) {
        s_LossSlot = -1;
        return;
    }
    Quad q = MakeQuad(0, 0, 640, 480, 0, 0, 1, 1, AlphaColour(alpha));
    DrawQuad(s_LossSlot, q);
}

void DrawResetPicture() {
    DrawFullPicture(kSlotResetPicture);
    g_ResetPictureRequest = 0;
}

void DrawTimeUpPicture() {
    DrawFullPicture(kSlotTimeUp);
    g_TimeUpRequest = 0;
}
