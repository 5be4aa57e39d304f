// The pictures of the play screens and their frames, one function each;
// genHud() (gen_hud.cpp) writes them with their colour keys.
#pragma once
#include "canvas.h"

namespace ag::hud {

// Brush cursor sheet (256x256): columns red, blue, green, unloaded; rows the
// four frames of a dab.
Canvas brushSheet();
// Lettering sheet (512x512): time strip, captions, banner sprites, stage
// numbers, clear letters, the stage-select and help cells.
Canvas letteringSheet();
// The time strip as seen on screen (384x64), before it is turned into the sheet.
Canvas timeStrip();
// Stage panel n = 1..7 (full screen, transparent above the panel).
Canvas stagePanel(int n);
// The same panel's bare boards and top trim, without shelves or pieces.
Canvas panelBoards(int n);
// Background n = 1..8 (full screen, opaque).
Canvas stageBackground(int n);
// The one-tick pictures before a restart, and the unused gauge.
Canvas resetPicture();
Canvas timeUpPicture();
Canvas gaugePicture();
// Title picture and talk window (full screen).
Canvas titlePicture();
Canvas talkWindow();

}  // namespace ag::hud
