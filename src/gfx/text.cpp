// Text: glyphs of the Mincho face rendered once each into an atlas, squeezed
// into cells 35 px high and 10 px (half-width) or 20 px (full-width) wide.
// In English, letters come from a Latin book face at their own widths (up to
// two cells), its whole line inside the cell; what it lacks (stars) stays
// Mincho.
#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "base/data_file.h"
#include "base/language.h"
#include "base/platform.h"
#include "gfx/device_internal.h"
#include "gfx/gfx.h"
#include "gfx/gl_api.h"

namespace {

constexpr int kCellH = 35;
// One alpha channel, 1024 square: room for 1479 glyphs, far more than the
// game's texts use (1 MB where a 2048 square of colour took 16.)
constexpr int kAtlasSize = 1024;
constexpr int kCellW = 20;
constexpr int kCols = kAtlasSize / kCellW;
constexpr int kRows = kAtlasSize / kCellH;

// The faces shipped in the data folder (cut down to the game's characters)
// come first; the system's stand in for a data folder without them.
const char* kFontPaths[] = {
    "fonts/mincho.ttf",
    "/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf",
};

// A storybook serif for English; the next ones stand in when it is absent.
const char* kLatinPaths[] = {
    "fonts/latin.otf",
    "fonts/latin.ttf",
    "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreschola-regular.otf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
};
constexpr int kLatinPx = 22;
constexpr int kLatinMaxW = 2 * kCellW;
// Marks Latin glyphs in the cache key (code points end at 0x10FFFF).
constexpr uint32_t kLatinKey = 0x80000000u;

TTF_Font* s_Font = nullptr;
int s_FontPt = 0;
TTF_Font* s_Latin = nullptr;
bool s_LatinTried = false;
int s_LatinDy = 0;  // moves Latin glyphs down towards the Mincho's baseline
GLuint s_Atlas = 0;
int s_NextCell = 0;

struct Glyph {
    int cell;  // -1: could not be made
    int width;
};
std::unordered_map<uint32_t, Glyph> s_Glyphs;

// Cells for a glyph n cells wide, all on one atlas row; -1 when full.
int TakeCells(int n) {
    if (s_NextCell % kCols + n > kCols) s_NextCell += kCols - s_NextCell % kCols;
    if (s_NextCell + n > kCols * kRows) return -1;
    int first = s_NextCell;
    s_NextCell += n;
    return first;
}

void OpenLatinFont() {
    if (s_LatinTried || !s_Font) return;
    s_LatinTried = true;
    for (const char* path : kLatinPaths) {
        s_Latin = TTF_OpenFont(path, kLatinPx);
        if (s_Latin) {
            NoteDataFileUse(path);
            break;
        }
    }
    if (!s_Latin) return;  // the Mincho's own Latin letters serve
    TTF_SetFontHinting(s_Latin, TTF_HINTING_LIGHT);
    // On the Mincho's baseline as far as the cell allows: the Latin line,
    // descenders included, must stay inside the 35 rows.
    s_LatinDy = std::max(0, std::min(TTF_FontAscent(s_Font) - TTF_FontAscent(s_Latin),
                                     kCellH - TTF_FontHeight(s_Latin)));
}

bool UsesLatin(uint32_t cp) {
    return g_Language == kLangEn && s_Latin && cp >= 0x20 && TTF_GlyphIsProvided32(s_Latin, cp);
}

int LatinAdvance(uint32_t cp) {
    int advance = 0;
    if (TTF_GlyphMetrics32(s_Latin, cp, nullptr, nullptr, nullptr, nullptr, &advance) != 0) return 0;
    return std::clamp(advance, 0, kLatinMaxW);
}

void Upload(int cell, int w, const uint8_t* pixels) {
    glBindTexture(GL_TEXTURE_2D, s_Atlas);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const int x = (cell % kCols) * kCellW, y = (cell / kCols) * kCellH;
    if (kGlEs) {
        // White with the coverage for alpha, as the swizzle makes it elsewhere.
        std::vector<uint8_t> la(size_t(w) * kCellH * 2, 255);
        for (size_t i = 0; i < size_t(w) * kCellH; ++i) la[i * 2 + 1] = pixels[i];
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, kCellH, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, la.data());
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, kCellH, GL_RED, GL_UNSIGNED_BYTE, pixels);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

// A Latin glyph at its own advance, copied unsqueezed into one or two cells.
Glyph LatinGlyphFor(uint32_t cp) {
    auto found = s_Glyphs.find(cp | kLatinKey);
    if (found != s_Glyphs.end()) return found->second;
    Glyph g{-1, LatinAdvance(cp)};
    if (cp != ' ' && g.width > 0) {
        SDL_Color white{255, 255, 255, 255};
        SDL_Surface* raw = TTF_RenderGlyph32_Blended(s_Latin, cp, white);
        SDL_Surface* s = raw ? SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
        if (raw) SDL_FreeSurface(raw);
        int cell = s ? TakeCells(2) : -1;
        if (s && cell >= 0) {
            std::vector<uint8_t> px(size_t(kLatinMaxW) * kCellH, 0);
            SDL_LockSurface(s);
            for (int y = 0; y < s->h; ++y) {
                int ty = y + s_LatinDy;
                if (ty < 0 || ty >= kCellH) continue;
                auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
                for (int x = 0; x < s->w && x < kLatinMaxW; ++x) px[size_t(ty) * kLatinMaxW + x] = uint8_t(row[x] >> 24);
            }
            SDL_UnlockSurface(s);
            Upload(cell, kLatinMaxW, px.data());
            g.cell = cell;
        }
        if (s) SDL_FreeSurface(s);
    }
    s_Glyphs.emplace(cp | kLatinKey, g);
    return g;
}

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
    if (s_Font && cp != ' ' && cp != 0x3000) {
        SDL_Color white{255, 255, 255, 255};
        SDL_Surface* raw = TTF_RenderGlyph32_Blended(s_Font, cp, white);
        SDL_Surface* s = raw ? SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
        if (raw) SDL_FreeSurface(raw);
        int index = s ? TakeCells(1) : -1;
        if (s && index < 0) SDL_FreeSurface(s);
        if (s && index >= 0) {
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
            Upload(index, kCellW, cell.data());
            g.cell = index;
        }
    }
    s_Glyphs.emplace(cp, g);
    return g;
}

}  // namespace

int CreateTextFont() {
    if (!GraphicsAlive()) return -1;
    if (g_Language == kLangEn) OpenLatinFont();
    if (s_Font) return 0;  // one face serves every scene; glyphs stay cached
    if (!TTF_WasInit() && TTF_Init() != 0) return -1;
    for (const char* path : kFontPaths) {
        // The largest size whose line is no taller than the 35-px cell; the
        // face is opened once and sized down (opening it is the slow part).
        TTF_Font* f = TTF_OpenFont(path, 40);
        if (!f) continue;
        NoteDataFileUse(path);
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
    if (g_Language == kLangEn) OpenLatinFont();
    CreateTextAtlas();
    return 0;
}

void CreateTextAtlas() {
    if (!s_Font || s_Atlas || !DeviceReady()) return;
    glGenTextures(1, &s_Atlas);
    glBindTexture(GL_TEXTURE_2D, s_Atlas);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (kGlEs) {
        // No swizzles in GL ES: luminance and alpha texels are white and coverage.
        std::vector<uint8_t> clear(size_t(kAtlasSize) * kAtlasSize * 2, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, kAtlasSize, kAtlasSize, 0, GL_LUMINANCE_ALPHA,
                     GL_UNSIGNED_BYTE, clear.data());
    } else {
        std::vector<uint8_t> clear(size_t(kAtlasSize) * kAtlasSize, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, kAtlasSize, kAtlasSize, 0, GL_RED, GL_UNSIGNED_BYTE, clear.data());
        // Sampled as white with the glyph's coverage for alpha.
        const GLint swizzle[4] = {GL_ONE, GL_ONE, GL_ONE, GL_RED};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Glyphs are made again into the new atlas as they are drawn.
    s_Glyphs.clear();
    s_NextCell = 0;
}

void ReleaseTextFont() {
    if (s_Atlas && DeviceReady()) glDeleteTextures(1, &s_Atlas);
    s_Atlas = 0;
    if (s_Font) TTF_CloseFont(s_Font);
    s_Font = nullptr;
    if (s_Latin) TTF_CloseFont(s_Latin);
    s_Latin = nullptr;
    s_LatinTried = false;
    s_Glyphs.clear();
    s_NextCell = 0;
}

void DrawString(const char* text, int x, int y, uint32_t argb) {
    if (!GraphicsAlive() || !FrameDrawing() || !s_Font || !s_Atlas || !text) return;
    // Text is always drawn with normal blending, whatever the scene has set.
    bool additive = BlendIsAdditive();
    if (additive) SetAdditiveBlend(false);
    int penX = x, penY = y;
    bool hidden = false;
    const char* p = text;
    while (*p) {
        uint32_t cp = NextCodepoint(p);
        if (cp == '\n') {
            penX = x;
            penY += kCellH;
            continue;
        }
        if (cp == '\r') continue;
        if (cp == kTextHide) {
            hidden = !hidden;
            continue;
        }
        bool latin = UsesLatin(cp);
        Glyph g = latin ? LatinGlyphFor(cp) : GlyphFor(cp);
        if (g.cell >= 0 && !hidden) {
            // Latin glyphs are drawn whole: an italic overhang or a wide
            // letter may reach past the advance.
            int w = latin ? kLatinMaxW : g.width;
            float u0 = float((g.cell % kCols) * kCellW) / kAtlasSize;
            float v0 = float((g.cell / kCols) * kCellH) / kAtlasSize;
            float u1 = u0 + float(w) / kAtlasSize, v1 = v0 + float(kCellH) / kAtlasSize;
            Quad q = MakeQuad(float(penX), float(penY), float(penX + w), float(penY + kCellH), u0, v0, u1, v1, argb);
            DrawQuadWithTexture(s_Atlas, q);
        }
        penX += g.width;
    }
    if (additive) SetAdditiveBlend(true);
}

int TextWidth(const char* text) {
    if (!text) return 0;
    if (g_Language == kLangEn) OpenLatinFont();
    int widest = 0, pen = 0;
    const char* p = text;
    while (*p) {
        uint32_t cp = NextCodepoint(p);
        if (cp == '\n') {
            pen = 0;
            continue;
        }
        if (cp == '\r' || cp == kTextHide) continue;
        pen += UsesLatin(cp) ? LatinAdvance(cp) : IsHalfWidth(cp) ? 10 : 20;
        widest = std::max(widest, pen);
    }
    return widest;
}

bool LatinFaceOpen() { return s_Latin != nullptr; }

void DrawStringRimmed(const char* text, int x, int y, uint32_t argb, uint32_t rimArgb, int rimPx) {
    for (int dy = -rimPx; dy <= rimPx; dy += rimPx)
        for (int dx = -rimPx; dx <= rimPx; dx += rimPx)
            if (dx || dy) DrawString(text, x + dx, y + dy, rimArgb);
    DrawString(text, x, y, argb);
}
