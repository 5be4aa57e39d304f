#include "scenes/select_menu.h"

#include "base/platform.h"
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"
#include "scenes/menu_backdrop.h"
#include "scenes/pointer_picture.h"
#include "sound/sound.h"
#include "stage/brush.h"
#include "stage/stage_flow.h"

namespace {
// The title's press may still be held when this screen opens, with the
// stroke still at its last frame; it must not arm (and fire) a choice.
int s_CarriedPress;
}  // namespace

const MenuChoice kMenuChoices[2] = {
    {kMenuStageSelectButton, kSceneStageSelectInit},
    {kMenuHelpButton, kSceneHelpInit},
};

int g_MenuArmed[2] = {0, 0};

void Selectinit() {
    LoadPicture(kSlotBackTile, kPicMenuTile);
    LoadPicture(kSlotFaces, kPicFaces);
    LoadPicture(kSlotSelectMenu, PointerPicture(kPicSelectMenu, kPicSelectMenuTouch));
    ResetTileQuad();
    CreateTextFont();
    s_CarriedPress = KeyDown(VK_LBUTTON) ? 1 : 0;
    g_FrameNo = kSceneSelectFrame;
}

void Selectinframe() {
    // The title's music goes on: the counter is not rewound here.
    if (PlayOnceDue(g_MusicOnce)) PlayMusic(kMusicSlot);
    DriftAndDrawTiles(g_SelectBgTile, kSlotBackTile);
    DrawQuad(kSlotSelectMenu, FullScreenQuad);

    // A choice is armed by the held button (dragging onto it counts) and
    // fires on the stroke's last frame, so the brush finishes its swing.
    if (!KeyDown(VK_LBUTTON)) s_CarriedPress = 0;
    for (int i = 0; i < 2; ++i) {
        const MenuChoice& c = kMenuChoices[i];
        const LayoutRect& r = c.rect;
        if (KeyDown(VK_LBUTTON) && !s_CarriedPress && InRect(g_MouseX, g_MouseY, r.x0, r.y0, r.x1, r.y1))
            g_MenuArmed[i] = 1;
        if (g_MenuArmed[i] == 1 && g_BrushAnim == 1.0f) {
            g_FrameNo = uint8_t(c.nextScene);
            if (PlayOnceDue(g_SoundOnce[0])) PlayEffect(kSoundNotice);
            g_MenuArmed[i] = 0;
        }
    }

    UpdateBrush();
    if (KeyDown(VK_RBUTTON)) g_FrameNo = kSceneTitleInit;
}
