// The looks several painted scenes share.
#include "scene_kit.h"

#include "figures.h"

namespace ag {

void silhouette(Canvas& c, const Canvas& figure, Rgba col) {
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x)
            if (figure.at(x, y).a > 0) c.plot(x, y, col, float(figure.at(x, y).a) / 255.f);
}

void goldFrame(Canvas& c, const Shape& window) {
    c.fill(window.grow(4), pal::kFrameDark);
    c.fill(window.grow(3), pal::kGoldDeep);
    c.fill(window.grow(2), pal::kGold);
    c.fill(window.grow(2) - window.grow(2).shift(1, 1), pal::kGoldLight);
    c.fill(window.grow(1), pal::kNightLift);
}

void goldStuds(Canvas& c, std::initializer_list<Pt> corners) {
    for (Pt p : corners) {
        c.fillCircle(p.x, p.y, 6.5f, pal::kFrameDark);
        c.fillCircle(p.x, p.y, 5.f, pal::kGold);
        c.fillCircle(p.x - 1.2f, p.y - 1.2f, 2.f, pal::kGoldLight);
    }
}

void woodsSky(Canvas& c, std::initializer_list<Pt> suns, float r, uint8_t alpha) {
    c.vGradient(0, 0, c.width(), c.height(), {{0.f, darker(pal::kGreen, 0.6f)}, {0.45f, pal::kSage}, {1.f, lighter(pal::kGrass, 0.3f)}});
    for (Pt p : suns) glow(c, p.x, p.y, r, pal::kButter, alpha);
}

void grassStems(Canvas& c, const StemRow& row, Rng& rng) {
    const Rgba dark = darker(pal::kSage, 0.3f), lit = lighter(pal::kSage, 0.1f);
    for (int i = 0; i < row.count; ++i) {
        float x = float(i) * row.spacing + float(rng.range(-row.jitter, row.jitter));
        float w = float(rng.range(row.wMin, row.wMax)), lean = float(rng.range(-row.lean, row.lean));
        Rgba col = withAlpha(mix(dark, lit, float(rng.unit())), row.alpha);
        c.fill(Shape::polygon({{x - w, row.ground}, {x + lean - 1, -10}, {x + lean + 1, -10}, {x + w, row.ground}}), col);
    }
}

void villagers(Canvas& c, std::initializer_list<Villager> folk) {
    for (const Villager& v : folk) {
        NubbleLook look;
        look.body = v.body;
        look.facing = v.facing;
        look.waving = v.waving;
        look.happy = v.happy;
        nubble(c, v.x, v.base, v.size, look);
    }
}

}  // namespace ag
