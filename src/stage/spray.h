// Particle sprays: fixed arrays of glowing specks that drift, fade and are
// reborn at random around a spawn origin. The brush's droplets, the walkers'
// trails and the stage events' steam, fire and twinkles all run on this.
#pragma once
#include <cstdint>

struct SprayParticle {
    float x, y;
    int grey;  // brightness; alive while greater than 0
};

// Draws one live particle at (x, y) with brightness grey.
using SprayDraw = void (*)(float x, float y, int grey);

// One pass over `count` particles: each live one is drawn, moved by (dx, dy)
// and dimmed by `fade`; each dead one is reborn with chance 1 in 10 at
// (ox + 0..sx-1, oy + 0..sy-1) with an even brightness 0..254.
void UpdateSpray(SprayParticle* particles, int count, SprayDraw draw, float dx, float dy, int fade,
                 float ox, float oy, int sx, int sy);
