// Lettering with the two IPAex faces: Gothic for buttons, labels, HUD and
// menus; Mincho for story text. UTF-8 in, blended onto a Canvas.
//
// The glyphs' soft edges are blended over whatever the canvas holds, so text
// on an opaque panel stays smooth; text over transparent pixels is cut at
// half coverage by Canvas::keyed(), so give such text an outline.
#pragma once
#include <string_view>

#include "canvas.h"

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
    Rgba colour = hex(0x2B2233);
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
// (x, y) is the top of the first line; x is interpreted per st.align.
void drawText(Canvas& c, int x, int y, std::string_view utf8, const TextStyle& st);

// Path of a face's font file in the current language.
const char* fontPath(Face f);

}  // namespace ag
