// Pieces shared by the stage sheets: the three chip sheets
// (gen_mapchips.cpp), the character sheet (gen_walkers.cpp) and the effect
// pictures (gen_effects.cpp). genStageSheets() in gen_stage_sheets.cpp runs
// the three.
#pragma once
#include <vector>

#include "canvas.h"
#include "output.h"
#include "palette.h"
#include "props.h"

namespace ag::sheet {

constexpr int kChip = 32;

// The hero's sheet as img/char.move.png holds it (transparent where keyed):
// the walkers, the panel's paint digits and the life hearts.
Canvas heroSheet();

// Stable per-pixel noise in [0, 1).
float hash01(int x, int y, uint32_t seed);

// The materials floors, shelves and walls are built of; each has one style
// row in ground.cpp (its grain, details and top layer).
enum class Mat { Earth, Moss, Brick, Rock, Concrete, Facade, Planks, GateStone, Ash };
struct Ground {
    Mat mat;
    Rgba body;
    Rgba cap = kClear;  // grass, moss or coping along the top (alpha 0: none)
    int capDepth = 6;
};
// A solid 32x32 block at (x0, y0) (ground.cpp): outlined, lit from the top left, darker
// towards the bottom. roundL / roundR round the top corners (end pieces).
void groundBlock(Canvas& c, int x0, int y0, const Ground& g, uint32_t seed, int roundL = 0, int roundR = 0);

// Opaque pixel-art flames rising from (cx, base): `w` wide at the belly,
// `h` tall; `frame` sways the tongues.
struct FlameLook {
    Rgba outer = pal::kFlameOuter, mid = pal::kFlameMid, core = pal::kFlameCore, rim = pal::kFlameRim;
};
void flame(Canvas& c, float cx, float base, float w, float h, int frame, uint32_t seed, const FlameLook& look = {});

// A 512x512 sheet of 16x16 chips: code n is chip (n mod 16, n div 16).
class ChipSheet {
public:
    ChipSheet() : c_(512, 512) {}
    // Places a picture whose size is a whole number of chips; its top-left
    // chip becomes `code`, the others code + dx + 16 dy.
    void put(int code, const Canvas& pic);
    const Canvas& canvas() const { return c_; }

private:
    Canvas c_;
};

void genMapchips(Output& out);
void genWalkers(Output& out);
void genEffects(Output& out);

}  // namespace ag::sheet
