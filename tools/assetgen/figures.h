// The game's characters as drawing routines, so every picture that shows
// them (portraits, scenery, endings) draws the same people and creatures.
#pragma once
#include "palette.h"

namespace ag {

// The nubbles: round little folk with a leaf sprout on the head.
struct NubbleLook {
    Rgba body = pal::kPowderBlue;
    float facing = 0.f;    // -1 looking left .. 0 front .. 1 looking right
    bool waving = false;   // one arm raised
    bool happy = true;     // smiling (else a small "o" mouth)
    bool sleepy = false;   // closed eyes (the elder's illness)
    bool crisp = false;    // hard pixel edges for keyed sheets
};
// A nubble standing on `base`, centred on cx, `size` px tall (without sprout).
void nubble(Canvas& c, float cx, float base, float size, const NubbleLook& look);

}  // namespace ag
