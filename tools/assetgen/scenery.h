// Painted-storybook scenery shared by backgrounds: skies, clouds, hills,
// trees, houses, mushroom houses, giant leaves. Soft edges (these go into
// opaque pictures); light from the top left; two or three shades a material.
// Positions: x is the left edge or centre as named, `base` is the ground line
// the object stands on.
#pragma once
#include "canvas.h"

namespace ag::scenery {

// Puffy cloud centred on (cx, cy), about w wide.
void cloud(Canvas& c, float cx, float cy, float w, Rgba body, Rgba shadow, Rng& rng);
// Soft sun or moon with a wide glow.
void sun(Canvas& c, float cx, float cy, float r, Rgba core, Rgba glow);
// Rolling ground: y = base + amp * noise(x * freq) down to `bottom`.
Shape hillShape(int x0, int x1, float base, float amp, float freq, uint32_t seed, float bottom);
// A hill band with a lit rim along its top edge.
void hill(Canvas& c, const Shape& s, Rgba body, Rgba rim);
// Light rays falling from the upper left through the rectangle.
void lightShafts(Canvas& c, int x, int y, int w, int h, Rgba light, Rng& rng);

// Broadleaf tree: trunk centred on x, canopy of puffs.
void roundTree(Canvas& c, float x, float base, float size, Rgba leaf, Rng& rng);
// Tall slim tree (poplar / cypress).
void slimTree(Canvas& c, float x, float base, float size, Rgba leaf);
// Bush: a low cluster of puffs.
void bush(Canvas& c, float x, float base, float size, Rgba leaf, Rng& rng);

struct HouseLook {
    Rgba wall, roof;
    bool gableFront = false;  // gable end faces the viewer
    bool chimney = true;
    int floors = 1;
};
// A cottage standing on `base`, left edge x, w wide, walls h high.
void house(Canvas& c, float x, float base, float w, float h, const HouseLook& look, Rng& rng);
// Church tower with a spire and a clock.
void tower(Canvas& c, float x, float base, float w, float h, Rgba wall, Rgba roof);
// A low picket fence from x0 to x1.
void fence(Canvas& c, float x0, float x1, float base, float h, Rgba wood);
// A wisp of chimney smoke rising from (x, y).
void smoke(Canvas& c, float x, float y, float h, Rgba col);

// Mushroom cottage centred on x: stem with a round door, domed cap.
void mushroomHouse(Canvas& c, float x, float base, float size, Rgba cap, Rng& rng);
// Plain mushroom.
void mushroom(Canvas& c, float x, float base, float size, Rgba cap, Rng& rng);
// A giant leaf from `stem` to `tip`, `width` at its widest; veins drawn.
void leaf(Canvas& c, Pt stem, Pt tip, float width, Rgba col);
// A daisy-like flower on a stem.
void flower(Canvas& c, float x, float base, float h, float r, Rgba petals, Rgba heart);
// Grass blades along the ground from x0 to x1.
void grass(Canvas& c, float x0, float x1, float base, float h, Rgba col, Rng& rng, float density = 0.35f);

}  // namespace ag::scenery
