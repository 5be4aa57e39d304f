#include "stage/spray.h"

#include "base/platform.h"
#include "stage/game_rand.h"

namespace {

// A random offset below `spread`. The value is drawn even for an empty
// spread so the sequence stays in step; a zero spread gives offset 0 rather
// than a division by zero.
int RandomOffset(int spread) {
    const int r = GameRand();
    return spread != 0 ? r % spread : 0;
}

}  // namespace

void UpdateSpray(SprayParticle* particles, int count, SprayDraw draw, float dx, float dy, int fade,
                 float ox, float oy, int sx, int sy) {
    if (!particles) return;
    for (int i = 0; i < count; ++i) {
        SprayParticle& p = particles[i];
        if (p.grey > 0) {
            if (draw) draw(p.x, p.y, p.grey);
            p.x += dx;
            p.y += dy;
            p.grey -= fade;
        } else if (GameRand() % 10 == 1) {
            // The generator is called for x, then y, then brightness.
            p.x = ox + float(RandomOffset(sx));
            p.y = oy + float(RandomOffset(sy));
            p.grey = (GameRand() % 128) * 2;
        }
    }
}
