// Lettering with the two IPAex faces: Gothic for buttons, labels, HUD and
// menus; Mincho for story text. UTF-8 in, blended onto a Canvas.
//
// The glyphs' soft edges are blended over whatever the canvas holds, so text
// on an opaque panel stays smooth; text over transparent pixels is cut at
// half coverage by Canvas::keyed(), so give such text an outline.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"
#include "palette.h"

namespace ag {

enum class Face { Gothic, Mincho };

// The language being lettered. In English both faces are one Latin book
// face (bold for Gothic's buttons and labels), falling back to DejaVu Serif
// and then to the IPAex faces' own Latin letters.
enum class Lang { Ja, En };
void setLang(Lang l);
Lang lang();

// For the check that the English game shows no Japanese: while set, a line
// holding a Japanese character (kana, kanji, their punctuation and full-width
// forms) is left out, its room kept, so a picture differs from its usual
// self exactly where Japanese is lettered into it.
void setLeaveOutJapanese(bool on);

// A lettered picture's words in both languages; say() picks the current one.
struct Words {
    const char* ja;
    const char* en;
};
const char* say(const Words& w);
enum class Align { Left, Centre, Right };

struct TextStyle {
    Face face = Face::Gothic;
    int size = 24;              // pixel height of the font (point size at 72 dpi)
    Rgba colour = pal::kOutline;
    Rgba outline = kClear;      // drawn when outlineWidth > 0
    int outlineWidth = 0;
    bool bold = false;          // draw twice, one pixel apart
    Rgba shadow = kClear;       // drop shadow one pixel down-right when alpha > 0
    Align align = Align::Left;  // x is the left edge, centre or right edge
    int lineGap = 0;            // extra pixels between lines ('\n' starts a line)
    int tracking = 0;           // extra pixels between characters
};

struct TextSize {
    int w = 0, h = 0;
};

// Loads the fonts; throws Failure naming the missing file. Called once by
// main(); the drawing calls load lazily too.
void initText();
void shutdownText();

TextSize measureText(std::string_view utf8, const TextStyle& st);

// Where drawText(c, x, y, utf8, st) would put ink (at least half covered),
// relative to (x, y), edges included; x0 > x1 when it would put none. A
// face's lines may be much taller than its letters (the English face's are).
struct InkBox {
    int x0 = 1, y0 = 1, x1 = 0, y1 = 0;
};
InkBox measureInk(std::string_view utf8, const TextStyle& st);
// (x, y) is the top of the first line; x is interpreted per st.align.
void drawText(Canvas& c, int x, int y, std::string_view utf8, const TextStyle& st);

// Every text lettered since the last call, with the box its ink (outline and
// shadow too, where at least half covered) covers on the canvas it was drawn
// on, and the box it belongs in (its frame), edges included: the
// generator's report of its lettering, which a test holds to the margins.
struct LetteredInk {
    std::string text;
    int canvasW, canvasH;
    int x0, y0, x1, y1;      // the ink
    int fx0, fy0, fx1, fy1;  // the frame; the whole canvas unless told
};
std::vector<LetteredInk> takeLettering();
// The frame of the next text drawn (its tag, button or band, rim
// included), on the canvas it is drawn on: [x0, x1) x [y0, y1) as a Shape's
// rectangle covers it.
void letterFrame(float x0, float y0, float x1, float y1);

// Path of a face's font file in the current language.
const char* fontPath(Face f);

}  // namespace ag
