// Every character the game's texts use must keep all its strokes as drawn:
// each glyph drawn by DrawString is compared, row by row and column by
// column, with the same glyph rendered unhinted at four times the size and
// scaled down into the same cell. Hinting that snaps a thin stroke away
// (a three-stroke kanji showing two) leaves a band of rows with far less ink
// than the reference has.
#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "gfx/gfx.h"
#include "scenes/opening.h"
#include "stage/stage.h"
#include "scenes/stage_select.h"
#include "talk/talk.h"
#include "talks/talk_table.h"

namespace {

constexpr int kCellH = 35;
constexpr const char* kMinchoPath = "/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf";

uint32_t NextCodepoint(const char*& s) {
    auto b = static_cast<unsigned char>(*s++);
    if (b < 0x80) return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    uint32_t cp = b & (0x3F >> extra);
    for (int i = 0; i < extra && *s; ++i) cp = (cp << 6) | (static_cast<unsigned char>(*s++) & 0x3F);
    return cp;
}

std::string Utf8(uint32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
    return out;
}

void AddText(std::set<uint32_t>& chars, const char* s) {
    if (!s) return;
    while (*s) {
        uint32_t cp = NextCodepoint(s);
        if (cp > ' ' && cp != 0x3000) chars.insert(cp);
    }
}

// Every character of every text the game draws with DrawString.
std::set<uint32_t> GameCharacters() {
    std::set<uint32_t> chars;
    for (const TalkPlay& play : kTalks)
        for (int i = 0; i < play.talk->lines.count; ++i)
            for (const TalkText& t : play.talk->lines.items[i].texts) AddText(chars, t.text);
    for (const PrologueCaption& c : kPrologueCaptions) AddText(chars, c.text);
    for (int k = 1; k <= kStageCount; ++k) {
        AddText(chars, StageOf(k).select.stars);
        AddText(chars, StageOf(k).select.title);
    }
    return chars;
}

bool IsHalfWidth(uint32_t cp) { return cp < 0x100 || (cp >= 0xFF61 && cp <= 0xFF9F); }

// The largest size whose line fits the 35-px cell, as the game chooses it.
int GameFontSize() {
    for (int pt = 40; pt >= 20; --pt) {
        TTF_Font* f = TTF_OpenFont(kMinchoPath, pt);
        if (!f) return 0;
        int h = TTF_FontHeight(f);
        TTF_CloseFont(f);
        if (h <= kCellH) return pt;
    }
    return 0;
}

// Ink coverage (0..1) of one glyph in its cell: rendered unhinted at 4x,
// centred in a 4x em box, area-averaged down to width x 35.
std::vector<float> Reference(TTF_Font* big, int pt, uint32_t cp, int width) {
    std::vector<float> cell(size_t(width) * kCellH, 0.0f);
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* raw = TTF_RenderGlyph32_Blended(big, cp, white);
    if (!raw) return cell;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    if (!s) return cell;
    int boxW = (width == 10 ? pt / 2 : pt) * 4, boxH = kCellH * 4;
    std::vector<float> box(size_t(boxW) * boxH, 0.0f);
    int offX = (boxW - s->w) / 2;
    SDL_LockSurface(s);
    for (int y = 0; y < std::min(s->h, boxH); ++y) {
        auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x)
            if (x + offX >= 0 && x + offX < boxW) box[size_t(y) * boxW + x + offX] = (row[x] >> 24) / 255.0f;
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    for (int y = 0; y < kCellH; ++y)
        for (int x = 0; x < width; ++x) {
            float x0 = float(x) * boxW / width, x1 = float(x + 1) * boxW / width;
            float sum = 0, wsum = 0;
            for (int sy = y * 4; sy < y * 4 + 4; ++sy)
                for (int sx = int(x0); sx < int(std::ceil(x1)) && sx < boxW; ++sx) {
                    float w = std::min(x1, float(sx + 1)) - std::max(x0, float(sx));
                    sum += w * box[size_t(sy) * boxW + sx];
                    wsum += w;
                }
            cell[size_t(y) * width + x] = wsum > 0 ? sum / wsum : 0.0f;
        }
    return cell;
}

// Ink per row (or per column) of a cell.
std::vector<float> Profile(const std::vector<float>& cell, int width, bool rows) {
    std::vector<float> p(rows ? kCellH : width, 0.0f);
    for (int y = 0; y < kCellH; ++y)
        for (int x = 0; x < width; ++x) p[rows ? y : x] += cell[size_t(y) * width + x];
    return p;
}

// Where the reference has a stroke's worth of ink, the drawn glyph must have
// at least `share` of it within one pixel; returns the worst line or -1.
int MissingLine(const std::vector<float>& drawn, const std::vector<float>& ref, float share) {
    int n = int(ref.size());
    for (int i = 0; i < n; ++i) {
        if (ref[i] < 2.0f) continue;
        float best = 0;
        for (int j = std::max(0, i - 1); j <= std::min(n - 1, i + 1); ++j) best = std::max(best, drawn[j]);
        if (best < share * ref[i]) return i;
    }
    return -1;
}

TEST(TextGlyphs, EveryCharacterOfTheGameTextsKeepsItsStrokes) {
    AppOptions o;
    o.headless = true;
    ASSERT_TRUE(InitApp(o));
    ASSERT_EQ(InitDX8(false), 0);
    ASSERT_EQ(CreateTextFont(), 0);
    if (!TTF_WasInit()) {
        ASSERT_EQ(TTF_Init(), 0);
    }
    int pt = GameFontSize();
    ASSERT_GT(pt, 0);
    TTF_Font* big = TTF_OpenFont(kMinchoPath, pt * 4);
    ASSERT_NE(big, nullptr);
    TTF_SetFontHinting(big, TTF_HINTING_NONE);

    std::vector<uint32_t> chars;
    for (uint32_t cp : GameCharacters()) chars.push_back(cp);
    ASSERT_GT(chars.size(), 300u);  // the story's texts, not an empty table

    // One frame holds 24 x 12 glyphs, 26 px apart across and 38 down.
    constexpr int kAcross = 24, kDown = 12;
    std::vector<uint32_t> frame(size_t(kScreenW) * kScreenH);
    std::vector<std::string> damaged;
    for (size_t first = 0; first < chars.size(); first += kAcross * kDown) {
        SetDrawStates();
        ClearFrame(0xFFFFFFFFu);
        BeginDrawing();
        size_t last = std::min(chars.size(), first + kAcross * kDown);
        for (size_t i = first; i < last; ++i) {
            int k = int(i - first);
            DrawString(Utf8(chars[i]).c_str(), 2 + (k % kAcross) * 26, 2 + (k / kAcross) * 38, 0xFF000000u);
        }
        EndDrawing();
        ASSERT_TRUE(PresentFrame());
        ASSERT_TRUE(ReadFramePixels(frame.data()));
        for (size_t i = first; i < last; ++i) {
            int k = int(i - first), ox = 2 + (k % kAcross) * 26, oy = 2 + (k / kAcross) * 38;
            int width = IsHalfWidth(chars[i]) ? 10 : 20;
            std::vector<float> drawn(size_t(width) * kCellH);
            for (int y = 0; y < kCellH; ++y)
                for (int x = 0; x < width; ++x)
                    drawn[size_t(y) * width + x] = 1.0f - float(frame[size_t(oy + y) * kScreenW + ox + x] & 0xFF) / 255.0f;
            std::vector<float> ref = Reference(big, pt, chars[i], width);
            int row = MissingLine(Profile(drawn, width, true), Profile(ref, width, true), 0.5f);
            int col = MissingLine(Profile(drawn, width, false), Profile(ref, width, false), 0.5f);
            if (row >= 0 || col >= 0)
                damaged.push_back(Utf8(chars[i]) + (row >= 0 ? " row " + std::to_string(row) : "") +
                                  (col >= 0 ? " column " + std::to_string(col) : ""));
        }
    }
    TTF_CloseFont(big);
    ReleaseGraphics();
    ShutdownApp();
    std::string list;
    for (const auto& d : damaged) list += d + "; ";
    EXPECT_TRUE(damaged.empty()) << damaged.size() << " of " << chars.size() << " glyphs lose ink: " << list;
}

}  // namespace
