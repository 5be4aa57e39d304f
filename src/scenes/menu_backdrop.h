// The drifting background of the menu screens: four 640x480 tiles of
// img/helpback.png that move right and up and wrap without a seam.
#pragma once
#include <cstdint>

#include "gfx/gfx.h"

struct TileDrift {
    float pos[4][2];    // top-left (x, y) of each tile
    uint32_t stepTime;  // clock of the last one-pixel step
};

// Each screen keeps its own drift; none is ever rewound, so a screen
// shown again picks up where it stopped.
extern TileDrift g_BgTile;        // stage select
extern TileDrift g_SelectBgTile;  // select menu
extern TileDrift g_HelpBgTile;    // help

extern Quad TileQuad;  // the one Quad every tile is drawn through

// Whole picture, opaque white: the inits call this before the first draw.
void ResetTileQuad();
// One step every 45 ms (x + 1, y - 1), the wrap, then the four tiles from
// the given texture slot.
void DriftAndDrawTiles(TileDrift& d, int slot);
