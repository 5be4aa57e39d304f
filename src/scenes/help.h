// The help screen: seven hot spots on a picture, each showing a page of
// explanation beside it with its number.
#pragma once
#include "gfx/gfx.h"
#include "stage/screen_layout.h"

// Page i + 1 opens on a click in kHelpSpots[i] (stage/screen_layout.h); its
// number is the stage banner's glyph of it.
struct HelpPage {
    int slot;              // sheet of the page picture
    float u0, v0, u1, v1;  // page picture in its sheet
};

extern const HelpPage kHelpPages[7];  // pages 1..7
extern int g_HelpPage;                // 0: none shown yet
extern Quad HelpPageQuad;

// The help screen's scenes.
void HelpInit();
void HelpFrame();
