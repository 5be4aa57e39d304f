#include "scenes/stage_select.h"

#include <cstdio>
#include <initializer_list>

#include "app/progress.h"
#include "app/watch.h"
#include "base/language.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "scenes/menu_backdrop.h"
#include "scenes/pointer_picture.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/screen_layout.h"
#include "stage/stage_flow.h"

namespace {


constexpr uint32_t kStarText = 0xFFFFFF00u;
constexpr uint32_t kTitleText = 0xFF800080u;
constexpr uint32_t kClearText = 0xFFFFD040u;
constexpr uint32_t kMarkRim = 0xFF302040u;

struct Arrow {
    LayoutRect r;   // drawn and hovered
    float clickX0;  // clicked from here to r.x1
    bool next;      // its picture
};
// The next arrow takes clicks from x 500, left of where it is drawn.
constexpr Arrow kPrev = {kSelectPrevArrow, kSelectPrevArrow.x0, false};
constexpr Arrow kNext = {kSelectNextArrow, 500, true};

Quad s_Thumb = MakeQuad(0, 0, 128, 96, 0, 0, 0.25f, 0.1875f);
constexpr float kSheet = kThumbSheet;
Quad s_Icon = MakeQuad(0, 0, 32, 32, 0, 0, 0, 0);
constexpr LayoutRect kRatingUV = SheetUV(kLetterDifficulty, kLetteringSheet);
Quad s_RatingLabel = MakeQuad(0, 0, 128, 64, kRatingUV.x0, kRatingUV.y0, kRatingUV.x1, kRatingUV.y1);
Quad s_ArrowQuad = MakeQuad(0, 0, 64, 32, 0, 0, 0.125f, 0.0625f);
Quad s_Band = MakeQuad(0, 0, 640, 144, kSelectBandUV.x0, kSelectBandUV.y0, kSelectBandUV.x1, kSelectBandUV.y1);
uint32_t s_BlinkTime;
// The press that chose this screen may still be held when it opens, while
// the brush stroke it started still stands at its last frame; it must not
// arm (and at once launch) the row under it.
int s_CarriedPress;

bool MouseIn(const LayoutRect& r) { return InRect(g_MouseX, g_MouseY, r.x0, r.y0, r.x1, r.y1); }
void PlaceQuad(Quad& q, const LayoutRect& r) { SetQuadRect(q, r.x0, r.y0, r.x1, r.y1); }
bool InBand(int row) { return MouseIn(SelectRowBand(row)); }

bool OverArrow(const Arrow& a) { return MouseIn(a.r); }

bool ArrowClicked(const Arrow& a) {
    return KeyDown(VK_LBUTTON) && g_LButton == 1 && MouseIn({a.clickX0, a.r.y0, a.r.x1, a.r.y1});
}

void DrawArrow(const Arrow& a, float blink) {
    PlaceQuad(s_ArrowQuad, a.r);
    // blink is 0 or the step down to the lit row
    const LayoutRect uv = SheetUV(LetterPageArrow(a.next, false), kLetteringSheet);
    SetQuadUV(s_ArrowQuad, uv.x0, uv.y0 + blink, uv.x1, uv.y1 + blink);
    DrawQuad(kSlotSelectLetters, s_ArrowQuad);
}

// A stage the player has cleared: "クリア" over the top of its thumbnail and
// the best time at its foot.
void DrawClearMark(int stage, int row) {
    StageRecord r = StageProgress(stage);
    if (!r.cleared) return;
    int top = int(SelectThumbnail(row).y0);
    DrawStringRimmed(InLanguage("クリア", "Cleared"), 38, top + 2, kClearText, kMarkRim);
    char time[16];
    FormatClearTime(r.bestMs, time);
    int width = TextWidth(time);
    DrawStringRimmed(time, 154 - width, top + 58, 0xFFFFFFFFu, kMarkRim);
}

// A cleared stage's kept replays, each a button that watches it: the best
// clear and the latest, right of the stars.
struct ReplayButton {
    bool best;
    float x0, x1;
    const char* ja;
    const char* en;
};
const ReplayButton kReplayButtons[] = {
    {true, 440, 532, "ベスト", "Best"},
    {false, 540, 632, "さいご", "Latest"},
};

bool OverReplayButton(const ReplayButton& b, int row) {
    return InRect(g_MouseX, g_MouseY, b.x0, SelectReplayTop(row), b.x1, SelectReplayTop(row) + 34);
}

void DrawReplayButtons(int stage, int row) {
    for (const ReplayButton& b : kReplayButtons) {
        if (!KeptReplayShown(stage, b.best)) continue;
        const float y0 = SelectReplayTop(row);
        DrawSolidQuad(MakeQuad(b.x0 - 2, y0 - 2, b.x1 + 2, y0 + 36, 0, 0, 1, 1, kMarkRim));
        DrawSolidQuad(MakeQuad(b.x0, y0, b.x1, y0 + 34, 0, 0, 1, 1, OverReplayButton(b, row) ? 0xFF6A4A90u : 0xFF3A2A58u));
        const char* label = InLanguage(b.ja, b.en);
        DrawString(label, int(b.x0 + b.x1 - float(TextWidth(label))) / 2, int(y0) + 2, kClearText);
    }
}

void DrawEntry(const Stage& s, int row) {
    const SelectEntry& e = s.select;
    PlaceQuad(s_Thumb, SelectThumbnail(row));
    SetQuadUV(s_Thumb, e.thumbU, e.thumbV, e.thumbU + 0.25f, e.thumbV + 0.1875f);
    DrawQuad(kSlotThumbs, s_Thumb);
    PlaceQuad(s_RatingLabel, SelectRatingLabel(row));
    DrawQuad(kSlotSelectLetters, s_RatingLabel);
    int y = int(SelectTextTop(row));
    // The allowance as the panel shows it: each pot with its count; a pot
    // the stage does not fill is shown faded.
    for (int c = 0; c < 3; ++c) {
        int n = s.paints[c] == kPaintKept ? 0 : s.paints[c];
        float x = kSelectPotX + kSelectPotStep * float(c);
        SetQuadRect(s_Icon, x, float(y), x + 32, float(y + 32));
        const float potU = kSheetPotSize * float(c) / kSheet;
        SetQuadUV(s_Icon, potU, kSheetPotTop / kSheet, potU + kSheetPotSize / kSheet, (kSheetPotTop + kSheetPotSize) / kSheet);
        SetQuadColour(s_Icon, n > 0 ? 0xFFFFFFFFu : 0x80FFFFFFu);
        DrawQuad(kSlotThumbs, s_Icon);
        float u = kSheetDigitW * float(5 * c + n) / kSheet;
        SetQuadRect(s_Icon, x + 34, float(y - 4), x + 54, float(y + 36));
        SetQuadUV(s_Icon, u, kSheetDigitTop / kSheet, u + kSheetDigitW / kSheet,
                  (kSheetDigitTop + kSheetDigitH) / kSheet);
        SetQuadColour(s_Icon, 0xFFFFFFFFu);
        DrawQuad(kSlotThumbs, s_Icon);
    }
    DrawString(e.stars, int(kSelectStarX), int(SelectStarTop(row)), kStarText);
    DrawString(InLanguage(e.title, e.titleEn), int(kSelectTitleX), y, kTitleText);
    DrawClearMark(s.number, row);
    DrawReplayButtons(s.number, row);
}

// The page shown: g_SelectPage, or the first when it is out of range.
int ShownPage() { return g_SelectPage >= 1 && g_SelectPage <= kSelectPages ? g_SelectPage : 1; }

// The page number between the arrows, under "ページ".
void DrawPageNumber() {
    const int p = ShownPage();
    PlaceQuad(s_Icon, kSelectPageNumber);
    SetQuadUV(s_Icon, kSheetPageW * float(p - 1) / kSheet, kSheetPageTop / kSheet, kSheetPageW * float(p) / kSheet,
              (kSheetPageTop + kSheetPageH) / kSheet);
    SetQuadColour(s_Icon, 0xFFFFFFFFu);
    DrawQuad(kSlotThumbs, s_Icon);
}

// Alternates a hovered arrow between its two pictures; a step of the one
// timer serves both arrows.
void BlinkArrow(const Arrow& a, float& blink) {
    if (!OverArrow(a)) {
        blink = 0;
        return;
    }
    if (g_Now - s_BlinkTime >= 200) {
        s_BlinkTime = g_Now;
        blink += 0.0625f;
        if (blink > 0.0625f) blink = 0;
    }
}

const Stage& RowStage(int row);

}  // namespace

int g_SelectPage = 1;
int g_SelectArmed[kSelectRows] = {};
float g_ArrowBlinkPrev = 0, g_ArrowBlinkNext = 0;

namespace {
// The stage on row 0..2 of the page shown: three to a page in story order;
// past the last stage, an empty record (number 0).
const Stage& RowStage(int row) { return StageAtPlace(kSelectRows * (ShownPage() - 1) + row + 1); }
bool RowFilled(int row) { return RowStage(row).number != 0; }
}  // namespace

void Optioninit() {
    LoadPicture(kSlotThumbs, kPicThumbnails);
    LoadPicture(kSlotBrush, kPicBrush);
    LoadPicture(kSlotSelectFrame, PointerPicture(kPicStageSelect, kPicStageSelectTouch));
    LoadPicture(kSlotBackTile, kPicMenuTile);
    LoadPicture(kSlotSelectLetters, kPicLettering);
    LoadTexture(kSlotSelectGlow, kPicEffect1.path, kKeyWhite);
    g_SelectPage = 1;
    g_FromSelect = 0;
    s_CarriedPress = KeyDown(VK_LBUTTON) ? 1 : 0;
    ResetTileQuad();
    for (Quad* q : {&s_Thumb, &s_RatingLabel, &s_ArrowQuad, &s_Band, &FullScreenQuad})
        SetQuadColour(*q, 0xFFFFFFFFu);
    CreateTextFont();
    // The title's tune again, from its beginning.
    LoadSound(kMusicSlot, "mid/tam-n11.mid", true);
    g_MusicOnce = 0;
    RefreshKeptReplays();
    g_FrameNo = kSceneStageSelectFrame;
}

namespace {
// A click on a kept replay's button watches it: the stage starts at once,
// its inputs the replay's.
bool WatchClicked() {
    if (!KeyDown(VK_LBUTTON) || g_LButton != 1 || s_CarriedPress) return false;
    for (int row = 0; row < kSelectRows; ++row)
        for (const ReplayButton& b : kReplayButtons) {
            const int stage = RowStage(row).number;
            if (!RowFilled(row) || !KeptReplayShown(stage, b.best) || !OverReplayButton(b, row)) continue;
            g_LButton = 0;
            if (!StartWatchingKept(stage, b.best)) return false;
            g_FrameNo = uint8_t(StageScene(stage));
            StopAllSound();
            return true;
        }
    return false;
}
}  // namespace

void Optionframe() {
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kMusicSlot);
    DriftAndDrawTiles(g_BgTile, kSlotBackTile);
    DrawQuad(kSlotSelectFrame, FullScreenQuad);

    for (int row = 0; row < kSelectRows; ++row)
        if (RowFilled(row)) DrawEntry(RowStage(row), row);
    DrawArrow(kPrev, g_ArrowBlinkPrev);
    DrawArrow(kNext, g_ArrowBlinkNext);
    DrawPageNumber();

    for (int row = 0; row < kSelectRows; ++row) {
        PlaceQuad(s_Band, SelectRowGlow(row));
        SetQuadColour(s_Band, InBand(row) && RowFilled(row) ? 0x40FFFFFFu : 0x00FFFFFFu);
        SetAdditiveBlend(true);  // the brush, drawn next, sets normal blending back
        DrawQuad(kSlotSelectGlow, s_Band);
    }
    UpdateBrush();

    BlinkArrow(kPrev, g_ArrowBlinkPrev);
    BlinkArrow(kNext, g_ArrowBlinkNext);

    // One click turns one page: the click is used up.
    if (ArrowClicked(kPrev)) {
        g_LButton = 0;
        g_SelectPage = g_SelectPage == 1 ? kSelectPages : g_SelectPage - 1;
    } else if (ArrowClicked(kNext)) {
        g_LButton = 0;
        g_SelectPage = g_SelectPage == kSelectPages ? 1 : g_SelectPage + 1;
    }

    if (WatchClicked()) {
        for (int& armed : g_SelectArmed) armed = 0;
        return;
    }

    // A row armed by the held button starts its stage on the stroke's last
    // frame; of several armed rows the lowest decides.
    if (!KeyDown(VK_LBUTTON)) s_CarriedPress = 0;
    for (int row = 0; row < kSelectRows; ++row) {
        if (KeyDown(VK_LBUTTON) && !s_CarriedPress && InBand(row) && RowFilled(row)) g_SelectArmed[row] = 1;
        if (g_SelectArmed[row] == 1 && g_BrushAnim == 1.0f) {
            g_FromSelect = 1;
            g_FrameNo = uint8_t(StageScene(RowStage(row).number));
            StopAllSound();
            g_SelectArmed[row] = 0;
        }
    }

    if (KeyDown(VK_RBUTTON)) g_FrameNo = kSceneTitleInit;
}

void FormatClearTime(uint32_t ms, char* buf) {
    uint32_t tenths = ms / 100;
    if (tenths > 99u * 600u + 599u) tenths = 99u * 600u + 599u;  // 99:59.9 at the most
    std::snprintf(buf, 16, "%u:%02u.%u", tenths / 600, tenths / 10 % 60, tenths % 10);
}
