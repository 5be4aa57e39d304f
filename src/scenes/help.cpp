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
}  // namespace

// Page 6 starts at u 0.627 and page 7 is a half-width cell of the face
// sheet stretched to the same size: both as the sheets are laid out.
const HelpPage kHelpPages[7] = {
    {kSlotHelpPages123, 0.0f, 0, 0.3125f, 0.5625f},
    {kSlotHelpPages123, 0.3125f, 0, 0.625f, 0.5625f},
    {kSlotHelpPages123, 0.625f, 0, 0.9375f, 0.5625f},
    {kSlotHelpPages456, 0.0f, 0, 0.3125f, 0.5625f},
    {kSlotHelpPages456, 0.3125f, 0, 0.625f, 0.5625f},
    {kSlotHelpPages456, 0.627f, 0, 0.9375f, 0.5625f},
    {kSlotFaces, 0.78125f, 0, 0.9375f, 0.5625f},
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
