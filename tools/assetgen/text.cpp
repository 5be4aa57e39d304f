#include "text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace ag {

namespace {

bool g_ttfReady = false;
Lang g_lang = Lang::Ja;
bool g_leaveOutJapanese = false;
std::map<std::tuple<int, int, int, int>, TTF_Font*> g_fonts;  // language, face, size, outline

bool readable(const char* path) {
    SDL_RWops* rw = SDL_RWFromFile(path, "rb");
    if (rw) SDL_RWclose(rw);
    return rw != nullptr;
}

const char* ipaexPath(Face f) {
    return f == Face::Gothic ? "/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf"
                             : "/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf";
}

// A storybook serif for English, bold where the Japanese uses Gothic.
const char* latinPath(Face f) {
    static const char* const kBold[] = {
        "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreschola-bold.otf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
    };
    static const char* const kRegular[] = {
        "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreschola-regular.otf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
    };
    for (const char* p : f == Face::Gothic ? kBold : kRegular)
        if (readable(p)) return p;
    return ipaexPath(f);
}

TTF_Font* font(Face f, int size, int outline) {
    initText();
    auto key = std::make_tuple(int(g_lang), int(f), size, outline);
    auto it = g_fonts.find(key);
    if (it != g_fonts.end()) return it->second;
    TTF_Font* ft = TTF_OpenFont(fontPath(f), size);
    if (!ft) throw Failure(std::string("cannot open font ") + fontPath(f) + ": " + TTF_GetError());
    TTF_SetFontHinting(ft, TTF_HINTING_LIGHT);
    if (outline > 0) TTF_SetFontOutline(ft, outline);
    g_fonts[key] = ft;
    return ft;
}

std::vector<std::string> splitLines(std::string_view s) {
    std::vector<std::string> out(1);
    for (char ch : s) {
        if (ch == '\n')
            out.emplace_back();
        else
            out.back() += ch;
    }
    return out;
}

// UTF-8 code points of a line, each as its own string.
std::vector<std::string> codepoints(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

Canvas renderRun(TTF_Font* ft, const std::string& line);

// Renders one line's coverage (alpha of a white glyph run) as a canvas;
// with tracking, character by character.
// Advances come from `sizing` (the plain font) so outlined runs line up.
Canvas renderLine(TTF_Font* ft, TTF_Font* sizing, const std::string& line, int tracking) {
    if (line.empty() || tracking == 0) return renderRun(ft, line);
    std::vector<Canvas> parts;
    std::vector<int> adv;
    int w = 0, h = 0;
    for (const auto& cp : codepoints(line)) {
        int cw = 0, ch = 0;
        TTF_SizeUTF8(sizing, cp.c_str(), &cw, &ch);
        parts.push_back(renderRun(ft, cp));
        adv.push_back(cw + tracking);
        w += cw + tracking;
        h = std::max(h, parts.back().height());
    }
    int lastExtra = parts.back().width() - (adv.back() - tracking);
    Canvas out(std::max(1, w - tracking + std::max(0, lastExtra)), std::max(1, h));
    int x = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const Canvas& p = parts[i];
        for (int yy = 0; yy < p.height(); ++yy)
            for (int xx = 0; xx < p.width(); ++xx) {
                if (!out.inside(x + xx, yy)) continue;
                Rgba& d = out.at(x + xx, yy);
                d = Rgba{255, 255, 255, std::max(d.a, p.at(xx, yy).a)};
            }
        x += adv[i];
    }
    return out;
}

Canvas renderRun(TTF_Font* ft, const std::string& line) {
    if (line.empty()) return Canvas();
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = TTF_RenderUTF8_Blended(ft, line.c_str(), white);
    if (!s) throw Failure(std::string("cannot render text: ") + TTF_GetError());
    SDL_Surface* conv = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(s);
    if (!conv) throw Failure(std::string("cannot convert text surface: ") + SDL_GetError());
    Canvas c(conv->w, conv->h);
    SDL_LockSurface(conv);
    for (int y = 0; y < conv->h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(conv->pixels) + size_t(y) * conv->pitch;
        for (int x = 0; x < conv->w; ++x) c.at(x, y) = Rgba{255, 255, 255, row[x * 4 + 3]};
    }
    SDL_UnlockSurface(conv);
    SDL_FreeSurface(conv);
    return c;
}

void stamp(Canvas& dst, const Canvas& mask, int x, int y, Rgba colour) {
    for (int yy = 0; yy < mask.height(); ++yy)
        for (int xx = 0; xx < mask.width(); ++xx) {
            uint8_t a = mask.at(xx, yy).a;
            if (a) dst.plot(x + xx, y + yy, colour, a / 255.f);
        }
}

// U+3000..U+9FFF: CJK punctuation, kana, kanji; U+FF00..U+FFEF: full-width
// and half-width forms.
bool holdsJapanese(const std::string& line) {
    for (const auto& cp : codepoints(line)) {
        const auto* b = reinterpret_cast<const unsigned char*>(cp.data());
        if (cp.size() != 3) continue;
        const unsigned v = (b[0] & 0x0Fu) << 12 | (b[1] & 0x3Fu) << 6 | (b[2] & 0x3Fu);
        if ((v >= 0x3000 && v <= 0x9FFF) || (v >= 0xFF00 && v <= 0xFFEF)) return true;
    }
    return false;
}

int lineHeight(const TextStyle& st) { return TTF_FontLineSkip(font(st.face, st.size, 0)) + st.lineGap; }

int lineWidth(const TextStyle& st, const std::string& line) {
    int w = 0, h = 0;
    if (!line.empty()) TTF_SizeUTF8(font(st.face, st.size, 0), line.c_str(), &w, &h);
    if (!line.empty()) w += st.tracking * (int(codepoints(line).size()) - 1);
    return w + (st.bold ? 1 : 0) + 2 * std::max(0, st.outlineWidth);
}

}  // namespace

void setLang(Lang l) { g_lang = l; }
void setLeaveOutJapanese(bool on) { g_leaveOutJapanese = on; }
Lang lang() { return g_lang; }
const char* say(const Words& w) { return g_lang == Lang::En ? w.en : w.ja; }

const char* fontPath(Face f) { return g_lang == Lang::En ? latinPath(f) : ipaexPath(f); }

void initText() {
    if (g_ttfReady) return;
    if (TTF_Init() != 0) throw Failure(std::string("cannot start the font renderer: ") + TTF_GetError());
    g_ttfReady = true;
    for (Face f : {Face::Gothic, Face::Mincho})
        if (!readable(ipaexPath(f))) throw Failure(std::string("font missing: ") + ipaexPath(f));
}

void shutdownText() {
    for (auto& kv : g_fonts) TTF_CloseFont(kv.second);
    g_fonts.clear();
    if (g_ttfReady) TTF_Quit();
    g_ttfReady = false;
}

TextSize measureText(std::string_view utf8, const TextStyle& st) {
    TextSize ts;
    auto lines = splitLines(utf8);
    for (const auto& l : lines) ts.w = std::max(ts.w, lineWidth(st, l));
    ts.h = lineHeight(st) * int(lines.size()) + 2 * std::max(0, st.outlineWidth);
    return ts;
}

namespace {
std::vector<LetteredInk> g_lettering;
bool g_framed = false;
int g_frame[4] = {};
}  // namespace

std::vector<LetteredInk> takeLettering() { return std::exchange(g_lettering, {}); }

void letterFrame(float x0, float y0, float x1, float y1) {
    g_framed = true;
    g_frame[0] = int(std::floor(x0));
    g_frame[1] = int(std::floor(y0));
    g_frame[2] = int(std::ceil(x1)) - 1;
    g_frame[3] = int(std::ceil(y1)) - 1;
}

void drawText(Canvas& c, int x, int y, std::string_view utf8, const TextStyle& st) {
    LetteredInk ink{std::string(utf8), c.width(), c.height(), INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN,
                    0, 0, c.width() - 1, c.height() - 1};
    if (std::exchange(g_framed, false)) {
        ink.fx0 = g_frame[0];
        ink.fy0 = g_frame[1];
        ink.fx1 = g_frame[2];
        ink.fy1 = g_frame[3];
    }
    auto stamp = [&](Canvas& dst, const Canvas& mask, int mx, int my, Rgba colour) {
        for (int yy = 0; yy < mask.height(); ++yy)
            for (int xx = 0; xx < mask.width(); ++xx)
                if (mask.at(xx, yy).a >= 128) {
                    ink.x0 = std::min(ink.x0, mx + xx);
                    ink.y0 = std::min(ink.y0, my + yy);
                    ink.x1 = std::max(ink.x1, mx + xx);
                    ink.y1 = std::max(ink.y1, my + yy);
                }
        ag::stamp(dst, mask, mx, my, colour);
    };
    TTF_Font* body = font(st.face, st.size, 0);
    const int ow = std::max(0, st.outlineWidth);
    TTF_Font* rim = ow > 0 && st.outline.a > 0 ? font(st.face, st.size, ow) : nullptr;
    int ly = y;
    for (const auto& line : splitLines(utf8)) {
        int w = lineWidth(st, line);
        int lx = st.align == Align::Left ? x : (st.align == Align::Centre ? x - w / 2 : x - w);
        if (!line.empty() && !(g_leaveOutJapanese && holdsJapanese(line))) {
            Canvas glyphs = renderLine(body, body, line, st.tracking);
            if (st.shadow.a > 0) {
                stamp(c, glyphs, lx + ow + 1, ly + ow + 1, st.shadow);
                if (st.bold) stamp(c, glyphs, lx + ow + 2, ly + ow + 1, st.shadow);
            }
            if (rim) {
                Canvas edge = renderLine(rim, body, line, st.tracking);
                stamp(c, edge, lx, ly, st.outline);
                if (st.bold) stamp(c, edge, lx + 1, ly, st.outline);
            }
            stamp(c, glyphs, lx + ow, ly + ow, st.colour);
            if (st.bold) stamp(c, glyphs, lx + ow + 1, ly + ow, st.colour);
        }
        ly += lineHeight(st);
    }
    if (ink.x0 <= ink.x1) g_lettering.push_back(std::move(ink));
}

InkBox measureInk(std::string_view utf8, const TextStyle& st) {
    const TextSize ts = measureText(utf8, st);
    const int pad = 8 + 2 * std::max(0, st.outlineWidth);
    Canvas scratch(ts.w + 2 * pad, ts.h + 2 * pad);
    const int x = pad + (st.align == Align::Left ? 0 : st.align == Align::Centre ? ts.w / 2 : ts.w);
    const size_t listed = g_lettering.size();
    drawText(scratch, x, pad, utf8, st);
    g_lettering.resize(listed);  // a measure, not a picture's lettering
    InkBox b;
    b.x0 = b.y0 = INT32_MAX;
    b.x1 = b.y1 = INT32_MIN;
    for (int yy = 0; yy < scratch.height(); ++yy)
        for (int xx = 0; xx < scratch.width(); ++xx)
            if (scratch.at(xx, yy).a >= 128) {
                b.x0 = std::min(b.x0, xx - x);
                b.y0 = std::min(b.y0, yy - pad);
                b.x1 = std::max(b.x1, xx - x);
                b.y1 = std::max(b.y1, yy - pad);
            }
    return b.x0 <= b.x1 ? b : InkBox{};
}

}  // namespace ag
