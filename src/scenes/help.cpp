#include "scenes/help.h"

#include "base/platform.h"
#include "app/scenes.h"
#include "scenes/menu_backdrop.h"
#include "scenes/pointer_picture.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/hud.h"
#include "stage/stage_flow.h"
#include "gfx/texture_slots.h"

namespace {
// Page p's picture: its cell of the sheet in slot `slot`.
constexpr HelpPage PageIn(int slot, int p) {
    const LayoutRect uv = SheetUV(HelpPageCell(p), slot == kSlotFaces ? kFaceSheetW : kHelpSheet, kHelpSheet);
    return {slot, uv.x0, uv.y0, uv.x1, uv.y1};
}
// Page 6 has always been sampled from u 0.627, a pixel into its cell (the
// card keeps that pixel clear).
constexpr HelpPage Late(HelpPage h) {
    h.u0 = 0.627f;
    return h;
}
}  // namespace

const HelpPage kHelpPages[7] = {
    PageIn(kSlotHelpPages123, 1), PageIn(kSlotHelpPages123, 2),     PageIn(kSlotHelpPages123, 3),
    PageIn(kSlotHelpPages456, 4), PageIn(kSlotHelpPages456, 5),     Late(PageIn(kSlotHelpPages456, 6)),
    PageIn(kSlotFaces, 7),
};

int g_HelpPage = 0;
Quad HelpPageQuad = MakeQuad(470, 150, 630, 438, 0, 0, 1, 1);

void HelpInit() {
    LoadPicture(kSlotHelp, PointerPicture(kPicHelp, kPicHelpTouch));
    LoadPicture(kSlotBackTile, kPicMenuTile);
    LoadPicture(kSlotHelpPages123, kPicHelpPages123);
    LoadPicture(kSlotHelpPages456, PointerPicture(kPicHelpPages456, kPicHelpPages456Touch));
    LoadPicture(kSlotFaces, kPicFaces);
    LoadPicture(kSlotHelpLetters, kPicLettering);
    ResetTileQuad();
    SetQuadColour(HelpPageQuad, 0xFFFFFFFFu);
    CreateTextFont();
    g_HelpPage = 0;
    g_FrameNo = kSceneHelpFrame;
}

void HelpFrame() {
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kMusicSlot);
    DriftAndDrawTiles(g_HelpBgTile, kSlotBackTile);
    DrawQuad(kSlotHelp, FullScreenQuad);

    // The click is left for the brush stroke to clear.
    for (int i = 0; i < 7; ++i) {
        const LayoutRect& p = kHelpSpots[i];
        if (KeyDown(VK_LBUTTON) && g_LButton == 1 && InRect(g_MouseX, g_MouseY, p.x0, p.y0, p.x1, p.y1))
            g_HelpPage = i + 1;
    }

    if (g_HelpPage >= 1 && g_HelpPage <= 7) {
        const HelpPage& p = kHelpPages[g_HelpPage - 1];
        SetQuadRect(HelpPageQuad, 470, 150, 630, 438);
        SetQuadUV(HelpPageQuad, p.u0, p.v0, p.u1, p.v1);
        DrawQuad(p.slot, HelpPageQuad);
        // The page number is the stage banner's number sprite, borrowed at
        // rest size; it keeps the colours the banner reset gave it.
        SetStageNumberGlyph(g_HelpPage);
        BannerTransform(StageNumber, 460, 140, 24, 24, 0);
        DrawQuad(kSlotHelpLetters, StageNumber);
    }

    UpdateBrush();
    if (KeyDown(VK_RBUTTON)) g_FrameNo = kSceneTitleInit;
}
