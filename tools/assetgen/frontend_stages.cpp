// The stage select: its frame picture (a header, a card per row with a
// frame for the thumbnail and a dark ribbon under the yellow stars) and the
// sheet of nine thumbnails, each a miniature of its stage's first screen
// built from the real grid, chip sheet and background.
#include <cmath>
#include <filesystem>
#include <map>
#include <string>

#include "frontend_kit.h"
#include "hud_kit.h"
#include "imageio.h"
#include "output.h"
#include "palette.h"
#include "props.h"
#include "stage/screen_layout.h"
#include "stages/stage_records.h"
#include "words.h"

namespace ag::fe {

namespace {

constexpr int W = 640, H = 480;

}  // namespace

// ---------------------------------------------------------------- frame
// Each row's card frames its thumbnail, its texts and its stars, where the
// screen draws them (screen_layout.h). The cards' insides stay clear so the
// drifting paper shows through and the row highlight lights it.
Canvas stageSelectFrame(bool touch) {
    Canvas c(W, H);
    const Ramp gold = shade(pal::kGold), wood = shade(pal::kWood);
    ribbonHeading(c, 196, py(8), say(words::kStageSelect), 26, pal::kMenuRed);
    // the hint under the header
    TextStyle hint = gothic(14, pal::kInk, pal::kEyeWhite, 2);
    drawText(c, 48, int(py(60)), say(touch ? words::kLongPressTitle : words::kRightClickTitle), hint);
    // a plate behind the page arrows
    const LayoutRect prev = kSelectPrevArrow, next = kSelectNextArrow;
    Shape plate = Shape::roundRect(prev.x0 - 8, py(prev.y0 - 6), next.x1 + 8 - (prev.x0 - 8), py(next.y1 + 6) - py(prev.y0 - 6), 14);
    c.fill(plate.grow(2), pal::kOutline);
    c.fill(plate.grow(1), gold.base);
    c.fill(plate, pal::kSlate);
    c.fill(plate - plate.shift(0, -2), pal::kNightLift);
    // say(words::kPage) on top; the screen draws the page number (1/3 ...) under it
    TextStyle pageSt = gothic(12, pal::kGoldLight);
    pageSt.align = Align::Centre;
    drawText(c, int(kSelectPageNumber.x0 + kSelectPageNumber.x1) / 2, int(py(27)), say(words::kPage), pageSt);

    for (int r = 0; r < 3; ++r) {
        const LayoutRect thumb = SelectThumbnail(r);
        const float thumbTop = thumb.y0, textTop = SelectTextTop(r), starTop = SelectStarTop(r);
        const float top = std::min(thumbTop, textTop) - 10.f, bottom = std::max(thumb.y1, starTop + 49.f) + 4.f;
        // the card's border: a rounded ring, clear inside
        Shape outer = Shape::roundRect(14, py(top), 612, py(bottom) - py(top), 14);
        Shape inner = Shape::roundRect(20, py(top) + 6, 600, py(bottom) - py(top) - 12, 9);
        Shape ring = outer - inner;
        c.fill(ring.grow(1), pal::kOutline);
        c.fill(ring, gold.base);
        c.fill(ring - ring.shift(1, 1), gold.shine);
        c.fill(ring - ring.shift(-1, -1), gold.shadow);
        c.fill((inner.grow(1) - inner), pal::kOutline);
        // corner studs in the three paints
        const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
        for (Pt p : {Pt{17, py(top) + 3}, Pt{623, py(top) + 3}, Pt{17, py(bottom) - 3}, Pt{623, py(bottom) - 3}}) {
            c.fillCircle(p.x, p.y, 5.5f, pal::kOutline);
            c.fillCircle(p.x, p.y, 4.5f, paints[r]);
            c.fillCircle(p.x - 1.3f, p.y - 1.3f, 1.6f, lighter(paints[r], 0.6f));
        }
        // the thumbnail's frame: a picture frame of wood with a gold lip
        const float fx0 = thumb.x0, fy0 = py(thumbTop), fx1 = thumb.x1, fy1 = py(thumb.y1);
        Shape hole = Shape::rect(fx0, fy0, fx1 - fx0, fy1 - fy0);
        Shape frame = Shape::roundRect(fx0 - 7, fy0 - 7, fx1 - fx0 + 14, fy1 - fy0 + 14, 4) - hole;
        part(c, frame, wood, 2);
        Shape lip = Shape::rect(fx0 - 2, fy0 - 2, fx1 - fx0 + 4, fy1 - fy0 + 4) - hole;
        c.fill(lip, gold.base);
        c.fill(lip - lip.shift(-1, -1), gold.shadow);
        // under the picture, in case a thumbnail is missing: a dim slate
        c.fill(hole, pal::kSlate);
        // the dark ribbon under the yellow stars
        Shape ribbon = Shape::roundRect(kSelectStarX - 8, py(starTop - 3), 330, py(starTop + 38) - py(starTop - 3), 8);
        c.fill(ribbon.grow(1), pal::kOutline);
        c.fill(ribbon, pal::kNightLift);
        c.fill(ribbon - ribbon.shift(0, -2), pal::kOutline);
        c.fill(ribbon - ribbon.shift(0, 1), pal::kDusk);
    }
    return c;
}

// ---------------------------------------------------------------- thumbnails
namespace {


// Pictures written earlier in this run, each read once; a missing or
// unreadable file reads as an empty canvas.
class ReadBack {
public:
    explicit ReadBack(Output& out) : out_(out) {}
    const Canvas& operator()(const char* rel) {
        auto found = cache_.find(rel);
        if (found != cache_.end()) return found->second;
        Canvas pic;
        std::filesystem::path p = out_.path(rel);
        if (std::filesystem::exists(p)) {
            try {
                pic = readPng(p.string());
            } catch (const Failure&) {
                pic = Canvas();
            }
        }
        return cache_.emplace(rel, std::move(pic)).first->second;
    }

private:
    Output& out_;
    std::map<std::string, Canvas> cache_;
};

// A stand-in picture of one colour says nothing about the stage.
bool flat(const Canvas& c) {
    const Rgba first = c.at(0, 0);
    for (const Rgba& p : c.pixels())
        if (std::abs(int(p.r) - first.r) + std::abs(int(p.g) - first.g) + std::abs(int(p.b) - first.b) > 12) return false;
    return true;
}

// The 640x320 map area of stage k at its start, at full size.
Canvas stageScreen(int k, ReadBack& readBack) {
    const Stage& stage = *kStageRecords[k];
    const SelectEntry& look = stage.select;
    const Rgba key = fromArgb(stage.backgroundKey);
    Canvas screen(W, 320, kKeyWhite);
    const Canvas& bg = readBack(stage.background);
    if (bg.width() == W && bg.height() == H && !flat(bg)) {
        // drawn full screen from v 0.01: screen row y shows picture row 4.8 + 0.99 y
        for (int y = 0; y < 320; ++y) {
            int row = clampv(int(py(float(y) + 0.5f)), 0, H - 1);
            for (int x = 0; x < W; ++x) {
                Rgba p = bg.at(x, row);
                p.a = 255;
                screen.at(x, y) = p == key ? kKeyWhite : p;
            }
        }
    } else {
        screen.vGradient(0, 0, W, 320, hex(look.skyTop), hex(look.skyLow));
    }
    const Canvas& chips = readBack(stage.chips);
    const int chip = chips.width() / 16;
    const StageMap& map = *stage.grid;
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < kMapCols; ++col) {
            const ChipCode code = map[size_t(row * kMapCols + col)];
            if (!IsSolid(code)) continue;
            const int x0 = col * kCellSize, y0 = row * kCellSize;
            if (chip > 0 && chips.height() == chips.width()) {
                const int sx = (code % 16) * chip, sy = (code / 16) * chip;
                for (int y = 0; y < kCellSize; ++y)
                    for (int x = 0; x < kCellSize; ++x) {
                        Rgba p = chips.at(sx + x * chip / kCellSize, sy + y * chip / kCellSize);
                        p.a = 255;
                        if (p == kKeyGreen) continue;
                        screen.at(x0 + x, y0 + y) = p;
                    }
            } else {
                // a plain block in the stage's earth colour
                const Ramp e = shade(hex(look.earth));
                screen.fillRect(x0, y0, kCellSize, kCellSize, pal::kOutline);
                screen.fillRect(x0 + 1, y0 + 1, kCellSize - 2, kCellSize - 2, e.base);
                screen.fillRect(x0 + 1, y0 + 1, kCellSize - 2, 4, e.light);
                screen.fillRect(x0 + 1, y0 + kCellSize - 5, kCellSize - 2, 4, e.shadow);
            }
        }
    return screen;
}

// The walkers as tiny pixel figures (7 x 10), feet on the bottom row.
// h hair, s skin, e eye, c cream, v vest/dress, l legs, b boots.
void tinyWalker(Canvas& c, float cx, float feet, bool hero, bool left) {
    static const char* kHero[10] = {"..hhh..", ".hhhhh.", ".hhsss.", ".hsese.", "..sss..", ".cvcvc.", ".cvvvc.", "..lll..", "..l.l..", ".bb.bb."};
    static const char* kPartner[10] = {"..hhhy.", ".hhhhhy", "hhssssh", "hsesesh", "h.sss.h", ".cvvvc.", ".cvvvc.", ".vvvvv.", "..s.s..", ".bb.bb."};
    const char* const* rows = hero ? kHero : kPartner;
    const Rgba hair = hero ? pal::kHeroHair : pal::kPartnerHair;
    const Rgba dress = hero ? pal::kBrown : pal::kWood;
    const int x0 = int(std::lround(cx)) - 3, y0 = int(std::lround(feet)) - 10;
    // a dark rim first so the figure reads on any background
    for (int y = 0; y < 10; ++y)
        for (int x = 0; rows[y][x]; ++x) {
            if (rows[y][x] == '.') continue;
            int px = left ? x0 + 6 - x : x0 + x;
            for (int d = 0; d < 4; ++d) {
                int nx = px + (d == 0) - (d == 1), ny = y0 + y + (d == 2) - (d == 3);
                c.set(nx, ny, pal::kOutline);
            }
        }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; rows[y][x]; ++x) {
            Rgba col;
            switch (rows[y][x]) {
                case 'h': col = hair; break;
                case 's': col = pal::kSkin; break;
                case 'e': col = pal::kOutline; break;
                case 'c': col = pal::kCream; break;
                case 'v': col = dress; break;
                case 'l': col = pal::kDusk; break;
                case 'b': col = pal::kDarkBrown; break;
                case 'y': col = pal::kAmber; break;
                default: continue;
            }
            c.set(left ? x0 + 6 - x : x0 + x, y0 + y, col);
        }
}

}  // namespace

Pt thumbnailCell(int k) {
    if (k < 1 || k > kStageCount) return {0, 0};
    const SelectEntry& e = kStageRecords[k]->select;
    return {e.thumbU * kThumbSheet, e.thumbV * kThumbSheet};
}

Canvas boxDown(const Canvas& src, int dw, int dh) {
    Canvas out(dw, dh);
    const float kx = float(src.width()) / float(dw), ky = float(src.height()) / float(dh);
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            const float fx0 = float(x) * kx, fx1 = fx0 + kx, fy0 = float(y) * ky, fy1 = fy0 + ky;
            float r = 0, g = 0, b = 0, wsum = 0;
            for (int sy = int(fy0); sy < int(std::ceil(fy1)); ++sy) {
                float wy = std::min(fy1, float(sy + 1)) - std::max(fy0, float(sy));
                for (int sx = int(fx0); sx < int(std::ceil(fx1)); ++sx) {
                    float wx = std::min(fx1, float(sx + 1)) - std::max(fx0, float(sx));
                    const Rgba& p = src.at(std::min(sx, src.width() - 1), std::min(sy, src.height() - 1));
                    float wgt = wx * wy;
                    r += wgt * p.r;
                    g += wgt * p.g;
                    b += wgt * p.b;
                    wsum += wgt;
                }
            }
            out.at(x, y) = Rgba{uint8_t(r / wsum + 0.5f), uint8_t(g / wsum + 0.5f), uint8_t(b / wsum + 0.5f), 255};
        }
    return out;
}

Canvas shrinkKeepingAlpha(const Canvas& src, int dw, int dh) {
    Canvas out(dw, dh);
    const float kx = float(src.width()) / float(dw), ky = float(src.height()) / float(dh);
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            const float fx0 = float(x) * kx, fx1 = fx0 + kx, fy0 = float(y) * ky, fy1 = fy0 + ky;
            float r = 0, g = 0, b = 0, a = 0, wsum = 0;
            for (int sy = int(fy0); sy < int(std::ceil(fy1)) && sy < src.height(); ++sy) {
                float wy = std::min(fy1, float(sy + 1)) - std::max(fy0, float(sy));
                for (int sx = int(fx0); sx < int(std::ceil(fx1)) && sx < src.width(); ++sx) {
                    float w = wy * (std::min(fx1, float(sx + 1)) - std::max(fx0, float(sx)));
                    const Rgba& p = src.at(sx, sy);
                    r += w * float(p.r) * p.a;
                    g += w * float(p.g) * p.a;
                    b += w * float(p.b) * p.a;
                    a += w * p.a;
                    wsum += w;
                }
            }
            if (a <= 0) continue;
            out.at(x, y) = Rgba{uint8_t(r / a + 0.5f), uint8_t(g / a + 0.5f), uint8_t(b / a + 0.5f), uint8_t(a / wsum + 0.5f)};
        }
    return out;
}

namespace {

// Stage k's thumbnail: its first screen shrunk, its walkers where they start.
Canvas stageThumbnail(int k, ReadBack& readBack) {
    const int w = int(kThumbW), h = int(kThumbH);
    Canvas thumb = boxDown(stageScreen(k, readBack), w, h);
    // the walkers: a 32-px box whose picture stands on its lower edge
    const float sx = kThumbW / 640.f, sy = kThumbH / 320.f;
    const StartPlace hero = kStageRecords[k]->hero, partner = kStageRecords[k]->partner;
    tinyWalker(thumb, (partner.x + 16) * sx, (partner.y + 32) * sy, false, partner.facing == 1);
    tinyWalker(thumb, (hero.x + 16) * sx, (hero.y + 32) * sy, true, hero.facing == 1);
    // a thin dark edge keeps the picture crisp inside its frame
    for (int x = 0; x < w; ++x) {
        thumb.at(x, 0) = mix(thumb.at(x, 0), pal::kOutline, 0.5f);
        thumb.at(x, h - 1) = mix(thumb.at(x, h - 1), pal::kOutline, 0.5f);
    }
    for (int y = 0; y < h; ++y) {
        thumb.at(0, y) = mix(thumb.at(0, y), pal::kOutline, 0.5f);
        thumb.at(w - 1, y) = mix(thumb.at(w - 1, y), pal::kOutline, 0.5f);
    }
    return thumb;
}

}  // namespace

Canvas stageThumbnails(Output& out) {
    const int size = int(kThumbSheet);
    Canvas sheet(size, size, withAlpha(kKeyWhite, 0.f));
    ReadBack readBack(out);
    for (int k = 1; k <= kStageCount; ++k) {
        Pt at = thumbnailCell(k);
        sheet.blit(stageThumbnail(k, readBack), int(at.x), int(at.y));
    }
    // Below the thumbnails, the rows' paint allowance and the page numbers,
    // where the stage select samples them (screen_layout.h).
    const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    const int potSize = int(kSheetPotSize);
    for (int c = 0; c < 3; ++c) {
        Canvas pot(64, 64);
        hud::paintPot(pot, 0, 0, paints[c]);
        sheet.blit(shrinkKeepingAlpha(pot, potSize, potSize), potSize * c, int(kSheetPotTop));
    }
    Canvas digits = readBack(kPicWalkers.path);
    for (int y = 0; y < digits.height(); ++y)
        for (int x = 0; x < digits.width(); ++x) {
            Rgba& p = digits.at(x, y);
            if (p.r == 1 && p.g == 1 && p.b == 1) p = kClear;  // the sheet's key
        }
    // each digit half size, centred in its cell
    const int digitW = int(kSheetDigitW), digitTop = int(kSheetDigitTop) + (int(kSheetDigitH) - 32) / 2;
    if (digits.width() >= 224 && digits.height() >= 13 * 64)
        for (int c = 0; c < 3; ++c)
            for (int n = 0; n <= 4; ++n)
                sheet.blit(shrinkKeepingAlpha(digits.crop(32 * (4 + c), 64 * (8 + n), 32, 64), 16, 32),
                           digitW * (5 * c + n) + (digitW - 16) / 2, digitTop);
    const int pageW = int(kSheetPageW), pageH = int(kSheetPageH);
    for (int p = 1; p <= kSelectPages; ++p) {
        Canvas label(pageW, pageH);
        TextStyle st = gothic(17, pal::kGoldLight, pal::kNightLift, 2);
        st.bold = true;
        hud::textCentred(label, float(pageW) / 2, float(pageH) / 2, std::to_string(p) + "/" + std::to_string(kSelectPages), st);
        sheet.blit(label, pageW * (p - 1), int(kSheetPageTop));
    }
    return sheet;
}

}  // namespace ag::fe
