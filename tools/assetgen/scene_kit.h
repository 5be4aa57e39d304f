// The painted scenes' kit: the little tools every background, prologue,
// ending and title picture reaches for, and the looks more than one of them
// shares, all in palette names.
#pragma once
#include <initializer_list>

#include "canvas.h"
#include "palette.h"

namespace ag {

// A palette colour at the given opacity (0..255).
constexpr Rgba faded(Rgba c, uint8_t alpha) {
    c.a = alpha;
    return c;
}

// A soft round glow: `col` at `alpha` in the centre, gone at radius r.
inline void glow(Canvas& c, float cx, float cy, float r, Rgba col, uint8_t alpha) {
    c.radialGradient(cx, cy, r, faded(col, alpha), faded(col, 0));
}

// Every opaque pixel of `figure` laid over c in one colour, as a shape seen
// against the light (the figure's edges stay soft).
void silhouette(Canvas& c, const Canvas& figure, Rgba col);

// A sandy road: a darker edge, and its left side in shade.
inline void paintRoad(Canvas& c, const Shape& road) {
    c.fill(road.grow(1), lighter(pal::kGoldDeep, 0.5f));
    c.fill(road, darker(pal::kButter, 0.1f));
    c.fill(road - road.shift(-3, 0), withAlpha(lighter(pal::kGoldDeep, 0.6f), 0.8f));
}

// The three paints in their order: fire, wind, water.
inline constexpr Rgba kPaints[3] = {pal::kRed, pal::kGreen, pal::kBlue};

// The petals of the meadow flowers, strewn in turn (i = 0, 1, 2...).
inline Rgba meadowPetal(int i) {
    const Rgba petals[4] = {lighter(pal::kPink, 0.2f), pal::kPaper, lighter(pal::kLemon, 0.3f), pal::kHazeBlue};
    return petals[i % 4];
}

// ---------------------------------------------------------------- storybook
// The gold frame round a storybook window (drawn before the picture goes
// into the window), and the gold studs on its corners (after).
void goldFrame(Canvas& c, const Shape& window);
void goldStuds(Canvas& c, std::initializer_list<Pt> corners);

// ---------------------------------------------------------------- the woods
// The nubbles' land under the giant leaves, in the morning (the prologue,
// the elder's village, the homecoming): a green sky with sunlight falling
// through the canopy, tall grass stems far behind, rays of light.

// The green sky, with a glow of sunlight (radius r, opacity alpha) at each
// of `suns`.
void woodsSky(Canvas& c, std::initializer_list<Pt> suns, float r, uint8_t alpha);

// A row of giant grass stems rising from y = ground to above the top edge:
// `count` of them `spacing` apart (each shifted by up to +-jitter), wMin..wMax
// wide at the foot and leaning by up to +-lean at the top.
struct StemRow {
    int count;
    float spacing, jitter, wMin, wMax, lean, ground, alpha;
};
void grassStems(Canvas& c, const StemRow& row, Rng& rng);

// The light of the rays through the leaves.
inline Rgba woodsShaftLight() { return lighter(pal::kFirefly, 0.6f); }

// ---------------------------------------------------------------- the nubbles
// The yellow of the yellow nubbles (the others are kApricot, kMint, kLilac,
// kPowderBlue and kPink).
inline Rgba nubbleYellow() { return lighter(pal::kLemon, 0.3f); }

// A nubble in a crowd: where it stands, how big, its colour and mood.
struct Villager {
    float x, base, size;
    Rgba body;
    float facing;
    bool waving;
    bool happy = true;
};
// Draws them in order (the later ones in front).
void villagers(Canvas& c, std::initializer_list<Villager> folk);

}  // namespace ag
