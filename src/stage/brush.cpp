#include "stage/brush.h"

#include <cstdio>

#include "base/platform.h"
#include "sound/sound.h"
#include "stage/screen_layout.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "gfx/texture_slots.h"

namespace {


// Per colour (index = PaintColour): brush column, droplet variant, walker column.
const float kBrushU[4] = {0.75f, 0.0f, 0.5f, 0.25f};
const int kDropletVariant[4] = {0, 2, 1, 0};
const float kWalkerU[4] = {0.375f, 0.125f, 0.25f, 0.0f};

SprayParticle s_Droplets[4][20];          // by colour 1..3
SprayParticle s_HeroTrail[4][20];         // by colour 1..3
SprayParticle s_PartnerTrail[4][30];
int s_HeroBurstCount[4], s_PartnerBurstCount[4];
uint32_t s_StrokeTime;
uint32_t s_HeroRowTime, s_PartnerRowTime;

void DropletRed(float x, float y, int grey) { DrawPaintDroplet(x, y, grey, 2); }
void DropletGreen(float x, float y, int grey) { DrawPaintDroplet(x, y, grey, 1); }
void DropletBlue(float x, float y, int grey) { DrawPaintDroplet(x, y, grey, 0); }
const SprayDraw kDropletDraw[4] = {nullptr, DropletRed, DropletGreen, DropletBlue};

bool IsColour(int paint) { return paint >= 1 && paint <= 3; }

uint32_t Grey(int grey) { return 0xFF000000u + uint32_t(grey & 0xFF) * 0x010101u; }

// Ten records with a life counting down; a spawn takes the first dead one.
struct PoolRecord {
    float x, y;
    int life;
};
PoolRecord s_Bursts[10], s_MirroredBursts[10];
// A pool whose live records all draw at its last spawn's place, with that
// spawn's two settings (smoke: blend and variant; colour bursts: column and
// row).
struct SitePool {
    PoolRecord records[10];
    float x, y;
    int a, b;
};
SitePool s_Smoke, s_ColourBursts;
float s_ColourBurstU = 0.25f, s_ColourBurstV = 0.75f;

PoolRecord* Spawn(PoolRecord (&pool)[10]) {
    for (PoolRecord& r : pool)
        if (r.life <= 0) {
            r.life = 255;
            return &r;
        }
    return nullptr;
}

// A spawn asked for (spawn non-zero) that finds a free record moves the site.
void SpawnAtSite(SitePool& p, int spawn, float x, float y, int a, int b) {
    if (spawn != 0 && Spawn(p.records)) {
        p.x = x;
        p.y = y;
        p.a = a;
        p.b = b;
    }
}

// Draws each live record of a pool and ages it by `step`.
template <typename Draw>
void AgePool(PoolRecord (&pool)[10], int step, Draw draw) {
    for (PoolRecord& r : pool) {
        if (r.life <= 0) continue;
        draw(r);
        r.life -= step;
    }
}

// A cell of the effect sheet, or its mirror image, as texture coordinates.
LayoutRect CellUV(SheetCell cell, bool mirrored = false) {
    const LayoutRect uv = Effect2UV(cell);
    return mirrored ? LayoutRect{uv.x1, uv.y0, uv.x0, uv.y1} : uv;
}

// A square of the effect sheet, additively blended at brightness grey.
void DrawEffectSquare(float x, float y, float size, const LayoutRect& uv, int grey) {
    Quad q = MakeQuad(x, y, x + size, y + size, uv.x0, uv.y0, uv.x1, uv.y1, Grey(grey));
    SetAdditiveBlend(true);
    DrawQuad(kSlotEffect2, q);
}

// The painting shared by both walkers; they differ in trail size, spreads
// and where the smoke puff starts.
struct WalkerPaint {
    Walker& walker;
    Quad& quad;
    PaintColour& paint;
    float& columnU;
    int* burstCount;
    SprayParticle* trails;  // [4][trailLen]
    int trailLen;
    int spread;
    float puffDy;
    void (*pose)();
};

void UpdateWalkerPaint(const WalkerPaint& p) {
    UpdateSmokePuffs(0, 0, 0, 0, 0);
    SpawnColourBurst(0, 0, 0, 0, 0);
    UpdateBursts(0, 0, 0);
    UpdateMirroredBursts(0, 0, 0);

    Walker& w = p.walker;
    // A finger is forgiven a few pixels around the walker's box. Whether a
    // press came from a finger is recorded with it, so a replay decides alike.
    const int slop = g_Finger ? kFingerSlop : 0;
    for (int x = 1; x <= 3; ++x) {
        if (KeyDown(VK_LBUTTON) && g_BrushPaint == x && g_MouseX >= w.x - slop && g_MouseX <= w.x + 32 + slop &&
            g_MouseY >= w.y - slop && g_MouseY <= w.y + 64 + slop && p.paint == 0 && g_LButton == 1) {
            g_LButton = 0;
            p.paint = x;
            g_SelectedPaint = 0;
            PlayEffect(kSoundPaint);
        }
    }

    if (p.paint >= 0 && p.paint <= 3) {
        p.columnU = kWalkerU[p.paint];
        // Walking right shows the sheet's picture mirrored.
        float left = w.facing == 0 ? p.columnU + 0.125f : p.columnU;
        float right = w.facing == 0 ? p.columnU : p.columnU + 0.125f;
        p.quad.v[0].u = p.quad.v[3].u = left;
        p.quad.v[1].u = p.quad.v[2].u = right;
        p.pose();
    }

    if (!IsColour(p.paint)) {
        // No colour (or an event's special value): no trail; the marks
        // spawn again when a colour is next worn.
        p.burstCount[1] = p.burstCount[2] = p.burstCount[3] = 0;
        return;
    }
    int c = p.paint;
    float drift = w.halted ? 0.0f : (w.facing == 0 ? -0.5f : 0.5f);
    UpdateSpray(p.trails + c * p.trailLen, p.trailLen, kDropletDraw[c], drift, 0, 2, w.x, w.y, p.spread, p.spread);
    if (p.burstCount[c] == 0) {
        float x = w.x, y = w.y;
        if (c == 1) {
            UpdateSmokePuffs(x - 16, y + p.puffDy, 1, -1, 0);
            SpawnColourBurst(x + 16, y + 36, 1, 2, 0);
        } else if (c == 2) {
            UpdateBursts(x + 16, y + 40, 1);
            UpdateMirroredBursts(x + 16, y + 40, 1);
            SpawnColourBurst(x + 16, y + 36, 1, 0, 0);
        } else {
            UpdateSmokePuffs(x - 16, y + p.puffDy, 1, -1, 1);
            SpawnColourBurst(x + 16, y + 36, 1, 1, 0);
        }
        p.burstCount[c] = 1;
    }
    for (int o = 1; o <= 3; ++o)
        if (o != c) p.burstCount[o] = 0;
}

void UpdatePose(Quad& q, int pose, float& row, uint32_t& rowTime) {
    if (pose == 0) {
        q.v[0].v = q.v[1].v = row;
        q.v[2].v = q.v[3].v = row + 0.0625f;
        if (g_Now - rowTime > 20) {
            row += 0.0625f;
            rowTime = g_Now;
            if (row >= 0.625f) row = 0;
        }
    } else if (pose == 2) {
        q.v[0].v = q.v[1].v = 0.8125f;
        q.v[2].v = q.v[3].v = 0.875f;
    }
}

}  // namespace

float g_BrushAnim = 0.0f;
int g_BrushStroking = 0;
Quad g_BrushQuad = MakeQuad(0, 0, 64, 64, 0.75f, 0, 1.0f, 0.25f);
float g_HeroColumnU = 0.375f, g_PartnerColumnU = 0.375f;
float g_HeroWalkRow = 0.0f, g_PartnerWalkRow = 0.0f;

void DrawPaintDroplet(float x, float y, int grey, int variant) {
    // variant 0 the blue droplet, 1 the green, 2 the red
    constexpr float kSize = kDropletSize / kEffect1Sheet;
    const int k = variant >= 0 && variant <= 2 ? 2 - variant : 2;
    const float u = (kDropletX + kDropletSize * float(k)) / kEffect1Sheet;
    Quad q = MakeQuad(x, y, x + 16, y + 16, u, 0, u + kSize, kSize, Grey(grey));
    SetAdditiveBlend(true);
    DrawQuad(kSlotEffect1, q);
}

void UpdateBrush() {
    int c = g_SelectedPaint;
    float u = c >= 0 && c <= 3 ? kBrushU[c] : kBrushU[0];
    g_BrushQuad.v[0].u = g_BrushQuad.v[3].u = u;
    g_BrushQuad.v[1].u = g_BrushQuad.v[2].u = u + 0.25f;
    g_BrushPaint = g_SelectedPaint;
    if (IsColour(c))
        UpdateSpray(s_Droplets[c], 20, kDropletDraw[c], 0, 0.3f, 2, float(g_MouseX - 48), float(g_MouseY - 56), 40,
                    40);
    UpdateBrushStroke();
    SetAdditiveBlend(false);
    SetQuadRect(g_BrushQuad, float(g_MouseX) - 52.5f, float(g_MouseY) - 63.0f, float(g_MouseX) + 11.5f,
                float(g_MouseY) + 1.0f);
    DrawQuad(kSlotBrush, g_BrushQuad);
}

void DrawPaintMarks() {
    // Marks at row 15 of the character sheet: red, green, blue.
    auto mark = [](const Quad& q, int paint) {
        if (!IsColour(paint)) return;
        const float x = q.v[0].x < q.v[1].x ? q.v[0].x : q.v[1].x, y = q.v[0].y;
        const float u = 0.125f * float(paint - 1);
        SetAdditiveBlend(false);
        DrawQuad(kSlotCharacters, MakeQuad(x + 4, y - 22, x + 28, y + 2, u, 0.9375f, u + 0.125f, 0.96875f));
    };
    mark(g_HeroQuad, g_HeroPaint);
    mark(g_PartnerQuad, g_PartnerPaint);
}

void DrawBrushCursor() {
    SetAdditiveBlend(false);
    DrawQuad(kSlotBrush, g_BrushQuad);
}

void DrawRestingBrush() {
    const float x = float(g_MouseX), y = float(g_MouseY);
    SetAdditiveBlend(false);
    DrawQuad(kSlotBrush, MakeQuad(x - 52.5f, y - 63.0f, x + 11.5f, y + 1.0f, kBrushU[0], 0, kBrushU[0] + 0.25f, 0.25f));
}

void UpdateBrushStroke() {
    if (g_LButton == 1 && g_BrushStroking == 0) g_BrushStroking = 1;
    if (g_Now - s_StrokeTime >= 100) {
        if (g_BrushStroking == 1) {
            g_BrushAnim += 0.25f;
            if (g_BrushAnim > 1.0f) {
                g_BrushAnim = 0;
                g_BrushStroking = 0;
                g_LButton = 0;
            }
        }
        g_BrushQuad.v[0].v = g_BrushQuad.v[1].v = g_BrushAnim;
        g_BrushQuad.v[2].v = g_BrushQuad.v[3].v = g_BrushAnim + 0.25f;
        s_StrokeTime = g_Now;
    }
}

void UpdateHeroPaint() {
    UpdateWalkerPaint({g_Hero, g_HeroQuad, g_HeroPaint, g_HeroColumnU, s_HeroBurstCount, &s_HeroTrail[0][0], 20, 50,
                       16.0f, UpdateHeroPose});
}

void UpdatePartnerPaint() {
    UpdateWalkerPaint({g_Partner, g_PartnerQuad, g_PartnerPaint, g_PartnerColumnU, s_PartnerBurstCount,
                       &s_PartnerTrail[0][0], 30, 60, 0.0f, UpdatePartnerPose});
}

void UpdateStage1Partner() {
    if (g_PartnerPaint != 0) return;
    if (g_Partner.facing == 1) {
        g_PartnerQuad.v[0].u = g_PartnerQuad.v[3].u = 0.375f;
        g_PartnerQuad.v[1].u = g_PartnerQuad.v[2].u = 0.5f;
    }
    UpdatePartnerPose();
}

void UpdateHeroPose() { UpdatePose(g_HeroQuad, g_HeroPose, g_HeroWalkRow, s_HeroRowTime); }
void UpdatePartnerPose() { UpdatePose(g_PartnerQuad, g_PartnerPose, g_PartnerWalkRow, s_PartnerRowTime); }

void UpdateSmokePuffs(float x, float y, int spawn, int blend, int variant) {
    SpawnAtSite(s_Smoke, spawn, x, y, blend, variant);
    AgePool(s_Smoke.records, 5, [](const PoolRecord& r) {
        int rise = (255 - r.life) / 2;
        DrawSmokePuff(s_Smoke.x, s_Smoke.y - float(rise) / 2, 64, 64, r.life, s_Smoke.a, s_Smoke.b);
    });
}

void DrawSmokePuff(float x, float y, float w, float h, int life, int blend, int variant) {
    Quad q = MakeQuad(x, y, x + w, y + h, 0, 0, 0, 0);
    // fire, water, wind and wind the other way
    static const LayoutRect kPuffs[4] = {CellUV(kFirePuffCell), CellUV(kWaterPuffCell), CellUV(kWindBurstCell),
                                         CellUV(kWindBurstCell, true)};
    if (variant >= 0 && variant <= 3) {
        const LayoutRect& uv = kPuffs[variant];
        SetQuadUV(q, uv.x0, uv.y0, uv.x1, uv.y1);
    }
    if (blend >= 0) {
        SetQuadColour(q, (uint32_t(blend & 0xFF) << 24) | 0x00FFFFFFu);
        SetAdditiveBlend(false);
    } else {
        SetQuadColour(q, Grey(life));
        SetAdditiveBlend(true);
    }
    DrawQuad(kSlotEffect2, q);
}

void SpawnColourBurst(float x, float y, int spawn, int column, int row) {
    SpawnAtSite(s_ColourBursts, spawn, x, y, column, row);
    AgePool(s_ColourBursts.records, 5, [](const PoolRecord& r) {
        float size = float(255 - r.life);
        DrawColourBurst(s_ColourBursts.x - size / 2, s_ColourBursts.y - size / 2, size, r.life, s_ColourBursts.a,
                        s_ColourBursts.b);
    });
}

void DrawColourBurst(float x, float y, float size, int grey, int column, int row) {
    // column: green, blue, red (the ring of fire), the splash ring; row: the
    // bursts' row or the splash ring's
    static const SheetCell kColumns[4] = {kGreenBurstCell, kBlueBurstCell, kRingOfFireCell, kSplashRingCell};
    if (column >= 0 && column <= 3) s_ColourBurstU = Effect2UV(kColumns[column]).x0;
    if (row == 0) s_ColourBurstV = Effect2UV(kGreenBurstCell).y0;
    if (row == 1) s_ColourBurstV = Effect2UV(kSplashRingCell).y0;
    constexpr float kStep = 1.0f / float(kEffect2Cells);
    const LayoutRect uv = {s_ColourBurstU, s_ColourBurstV, s_ColourBurstU + kStep, s_ColourBurstV + kStep};
    DrawEffectSquare(x, y, size, uv, grey);
}

static void StepBurstPool(PoolRecord (&pool)[10], float x, float y, int spawn, void (*draw)(float, float, float, int)) {
    if (spawn != 0)
        if (PoolRecord* r = Spawn(pool)) {
            r->x = x;
            r->y = y;
        }
    AgePool(pool, 6, [draw](const PoolRecord& r) {
        float size = float(255 - r.life);
        draw(r.x - size / 2, r.y - size / 2, size, r.life);
    });
}

void UpdateBursts(float x, float y, int spawn) { StepBurstPool(s_Bursts, x, y, spawn, DrawBurst); }
void UpdateMirroredBursts(float x, float y, int spawn) {
    StepBurstPool(s_MirroredBursts, x, y, spawn, DrawMirroredBurst);
}

void DrawBurst(float x, float y, float size, int grey) { DrawEffectSquare(x, y, size, CellUV(kWindBurstCell), grey); }

void DrawMirroredBurst(float x, float y, float size, int grey) {
    DrawEffectSquare(x, y, size, CellUV(kWindBurstCell, true), grey);
}

void SaveBrushStroke(char* out, int size, uint32_t now) {
    // Past 100 ms every step is due alike.
    const uint32_t since = now - s_StrokeTime < 1000 ? now - s_StrokeTime : 1000;
    std::snprintf(out, size_t(size), "%d %d %u", g_BrushStroking, int(g_BrushAnim * 4.0f + 0.5f), since);
}

bool LoadBrushStroke(const char* text, uint32_t now) {
    int stroking = 0, quarters = 0;
    unsigned since = 0;
    char end = 0;
    if (std::sscanf(text, "%d %d %u%c", &stroking, &quarters, &since, &end) != 3 || stroking < 0 || stroking > 1 ||
        quarters < 0 || quarters > 4 || since > 1000)
        return false;
    g_BrushStroking = stroking;
    g_BrushAnim = float(quarters) * 0.25f;
    g_BrushQuad.v[0].v = g_BrushQuad.v[1].v = g_BrushAnim;
    g_BrushQuad.v[2].v = g_BrushQuad.v[3].v = g_BrushAnim + 0.25f;
    s_StrokeTime = now - since;
    return true;
}
