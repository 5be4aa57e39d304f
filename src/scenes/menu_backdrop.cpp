#include "scenes/menu_backdrop.h"

#include "base/platform.h"

namespace {
// Two columns by two rows of tiles cover 1280x960; one of each pair is
// always on screen.
constexpr TileDrift kStart = {{{-640, 0}, {0, 0}, {0, 480}, {-640, 480}}, 0};
}  // namespace

TileDrift g_BgTile = kStart;
TileDrift g_SelectBgTile = kStart;
TileDrift g_HelpBgTile = kStart;

Quad TileQuad = MakeQuad(0, 0, 640, 480, 0, 0, 1, 1);

void ResetTileQuad() {
    SetQuadUV(TileQuad, 0, 0, 1, 1);
    SetQuadColour(TileQuad, 0xFFFFFFFFu);
}

void DriftAndDrawTiles(TileDrift& d, int slot) {
    if (g_Now - d.stepTime >= 45) {
        for (auto& p : d.pos) {
            p[0] += 1.0f;
            p[1] -= 1.0f;
        }
        d.stepTime = g_Now;
    }
    for (auto& p : d.pos) {
        if (p[0] > 640.0f) p[0] = -639.0f;
        if (p[1] < -480.0f) p[1] = 479.0f;
    }
    for (const auto& p : d.pos) {
        SetQuadRect(TileQuad, p[0], p[1], p[0] + 640.0f, p[1] + 480.0f);
        DrawQuad(slot, TileQuad);
    }
}
