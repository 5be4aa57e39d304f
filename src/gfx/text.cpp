// Text: glyphs of the Mincho face rendered once each into an atlas, squeezed
// into cells 35 px high and 10 px (half-width) or 20 px (full-width) wide.
#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "base/platform.h"
#include "gfx/device_internal.h"
#include "gfx/gfx.h"

namespace {

constexpr int kCellH = 35;
// One alpha channel, 1024 square: room for 1479 glyphs, far more than the
// game's texts use (1 MB where a 2048 square of colour took 16.)
constexpr int kAtlasSize = 1024;
constexpr int kCellW = 20;
constexpr int kCols = kAtlasSize / kCellW;
constexpr int kRows = kAtlasSize / kCellH;

const char* kFontPaths[] = {
    "/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf",
};

TTF_Font* s_Font = nullptr;
int s_FontPt = 0;
GLuint s_Atlas = 0;

struct Glyph {
    int cell;  // -1: could not be made
    int width;
};
std::unordered_map<uint32_t, Glyph> s_Glyphs;

bool IsHalfWidth(uint32_t cp) { return cp < 0x100 || (cp >= 0xFF61 && cp <= 0xFF9F); }

uint32_t NextCodepoint(const char*& s) {
    auto b = static_cast<unsigned char>(*s++);
    if (b < 0x80) return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    uint32_t cp = b & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        auto c = static_cast<unsigned char>(*s);
        if ((c & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (c & 0x3F);
        ++s;
    }
    return cp;
}

// Renders one glyph centred in an em-wide (or half-em) box, then averages it
// down into the cell so the whole font gets the narrow, tall look.
Glyph GlyphFor(uint32_t cp) {
    auto found = s_Glyphs.find(cp);
    if (found != s_Glyphs.end()) return found->second;
    Glyph g{-1, IsHalfWidth(cp) ? 10 : 20};
    int index = int(s_Glyphs.size());
    if (s_Font && index < kCols * kRows && cp != ' ' && cp != 0x3000) {
        SDL_Color white{255, 255, 255, 255};
        SDL_Surface* raw = TTF_RenderGlyph32_Blended(s_Font, cp, white);
        SDL_Surface* s = raw ? SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
        if (raw) SDL_FreeSurface(raw);
        if (s) {
            int boxW = g.width == 10 ? s_FontPt / 2 : s_FontPt;
                        std::vector<float> box(size_t(boxW) * kCellH, 0.0f);
            int offX = (boxW - s->w) / 2;
            SDL_LockSurface(s);
            for (int y = 0; y < s->h; ++y) {
                auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
                int ty = y;
                for (int x = 0; x < s->w; ++x) {
                    int bx = x + offX;
                    if (bx < 0 || bx >= boxW || ty >= kCellH) continue;
                    box[size_t(ty) * boxW + bx] = std::max(box[size_t(ty) * boxW + bx], (row[x] >> 24) / 255.0f);
                }
            }
            SDL_UnlockSurface(s);
            SDL_FreeSurface(s);
            // Area-average the box horizontally into the cell width.
            std::vector<uint8_t> cell(size_t(kCellW) * kCellH, 0);
            for (int y = 0; y < kCellH; ++y)
                for (int x = 0; x < g.width; ++x) {
                    float x0 = float(x) * boxW / g.width, x1 = float(x + 1) * boxW / g.width;
                    float sum = 0, wsum = 0;
                    for (int sx = int(x0); sx < int(std::ceil(x1)) && sx < boxW; ++sx) {
                        float w = std::min(x1, float(sx + 1)) - std::max(x0, float(sx));
                        sum += w * box[size_t(y) * boxW + sx];
                        wsum += w;
                    }
                    float a = wsum > 0 ? std::min(1.0f, 1.25f * sum / wsum) : 0.0f;
                    cell[size_t(y) * kCellW + x] = uint8_t(a * 255.0f + 0.5f);
                }
            glBindTexture(GL_TEXTURE_2D, s_Atlas);
            glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
            glTexSubImage2D(GL_TEXTURE_2D, 0, (index % kCols) * kCellW, (index / kCols) * kCellH, kCellW, kCellH,
                            GL_RED, GL_UNSIGNED_BYTE, cell.data());
            glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
            g.cell = index;
        }
    }
    s_Glyphs.emplace(cp, g);
    return g;
}

}  // namespace

int CreateTextFont() {
    if (!GraphicsAlive()) return -1;
    if (s_Font) return 0;  // one face serves every scene; glyphs stay cached
    if (!TTF_WasInit() && TTF_Init() != 0) return -1;
    for (const char* path : kFontPaths) {
        // The largest size whose line is no taller than the 35-px cell; the
        // face is opened once and sized down (opening it is the slow part).
        TTF_Font* f = TTF_OpenFont(path, 40);
        if (!f) continue;
        for (int pt = 40; pt >= 20 && !s_Font; --pt) {
            if (TTF_SetFontSize(f, pt) != 0) break;
            if (TTF_FontHeight(f) <= kCellH) {
                s_Font = f;
                s_FontPt = pt;
            }
        }
        if (s_Font) break;
        TTF_CloseFont(f);
    }
    if (!s_Font) return -1;
    // Full hinting snaps the Mincho face's thin horizontal strokes away at
    // this size (a three-stroke kanji shows two); light hinting keeps them.
    TTF_SetFontHinting(s_Font, TTF_HINTING_LIGHT);
    CreateTextAtlas();
    return 0;
}

void CreateTextAtlas() {
    if (!s_Font || s_Atlas || !DeviceReady()) return;
    glGenTextures(1, &s_Atlas);
    glBindTexture(GL_TEXTURE_2D, s_Atlas);
    std::vector<uint8_t> clear(size_t(kAtlasSize) * kAtlasSize, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, kAtlasSize, kAtlasSize, 0, GL_RED, GL_UNSIGNED_BYTE, clear.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // Sampled as white with the glyph's coverage for alpha.
    const GLint swizzle[4] = {GL_ONE, GL_ONE, GL_ONE, GL_RED};
    glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Glyphs are made again into the new atlas as they are drawn.
    s_Glyphs.clear();
}

void ReleaseTextFont() {
    if (s_Atlas && DeviceReady()) glDeleteTextures(1, &s_Atlas);
    s_Atlas = 0;
    if (s_Font) TTF_CloseFont(s_Font);
    s_Font = nullptr;
    s_Glyphs.clear();
}

void DrawString(const char* text, int x, int y, uint32_t argb) {
    if (!GraphicsAlive() || !FrameDrawing() || !s_Font || !s_Atlas || !text) return;
    // Text is always drawn with normal blending, whatever the scene has set.
    bool additive = BlendIsAdditive();
    if (additive) SetAdditiveBlend(false);
    int penX = x, penY = y;
    const char* p = text;
    while (*p) {
        uint32_t cp = NextCodepoint(p);
        if (cp == '\n') {
            penX = x;
            penY += kCellH;
            continue;
        }
        if (cp == '\r') continue;
        Glyph g = GlyphFor(cp);
        if (g.cell >= 0) {
            float u0 = float((g.cell % kCols) * kCellW) / kAtlasSize;
            float v0 = float((g.cell / kCols) * kCellH) / kAtlasSize;
            float u1 = u0 + float(g.width) / kAtlasSize, v1 = v0 + float(kCellH) / kAtlasSize;
            Quad q = MakeQuad(float(penX), float(penY), float(penX + g.width), float(penY + kCellH), u0, v0, u1, v1,
                              argb);
            DrawQuadWithTexture(s_Atlas, q);
        }
        penX += g.width;
    }
    if (additive) SetAdditiveBlend(true);
}
