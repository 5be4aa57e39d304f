// Pieces shared by the front-end pictures (menus, help, stage select, game
// over, endings): the two travellers drawn full length, the elder, paint
// pots, raised buttons, paper cards and lettering, and the pictures' own
// builders, which gen_frontend.cpp writes out.
#pragma once
#include <string>

#include "canvas.h"
#include "palette.h"
#include "text.h"

namespace ag {
class Output;
}

namespace ag::fe {

// A full-screen picture is drawn with v running 0.01..1, so screen row y
// shows picture row 4.8 + 0.99 y. Place things by the screen row they must
// cover.
inline float py(float screenY) { return 4.8f + 0.99f * screenY; }

// ---------------------------------------------------------------- people
enum class Who { Hero, Partner };
enum class Arm { Down, Wave, Up, Forward, Hold, Hip };
enum class Expr { Smile, Grin, Calm, Sad, Cry, Surprised, Closed };

struct Pose {
    float facing = 0.f;       // -1 three-quarter left .. 0 front .. 1 right
    Arm near = Arm::Down;     // the arm on the screen's left
    Arm far = Arm::Down;      // the arm on the screen's right
    float stride = 0.f;       // -1..1: legs apart as in a step
    Expr expr = Expr::Smile;
    bool back = false;        // seen from behind (no face)
    bool sitting = false;     // sitting on the ground, knees up
    bool crisp = false;       // hard pixel edges
    float headTilt = 0.f;     // px of head shift to the side
};
// One of the two travellers standing on `base`, centred on cx, h px tall.
// Hands end where hand() says so; props are drawn by the caller.
void traveller(Canvas& c, Who who, float cx, float base, float h, const Pose& pose);
// Where a traveller's hand is for the given arm pose (+1 the screen-right
// hand, -1 the screen-left one).
Pt handAt(float cx, float base, float h, const Pose& pose, int side);

// The nubbles' elder: a round nubble with white brows, a long beard and a
// walking stick. sleepy: eyes closed (his illness).
void elder(Canvas& c, float cx, float base, float size, bool sleepy, bool happy, bool crisp = false);

// The legendary herb: a golden-green plant with glowing leaves, its root at
// (x, base), h px tall.
void herb(Canvas& c, float x, float base, float h, bool glow);

// A paint pot with its paint showing at the rim; `size` is its width.
void paintPot(Canvas& c, float cx, float base, float size, Rgba paint, bool crisp = false);

// ---------------------------------------------------------------- panels
// Raised button: a rounded slab with a darker side below, a lit top edge
// and the label in bold Gothic with a dark rim. (x, y, w, h) is the face.
void raisedButton(Canvas& c, float x, float y, float w, float h, Rgba face, const std::string& label, int size);
// A paper card with a soft gold rim and a dark outline.
void paperCard(Canvas& c, float x, float y, float w, float h, float radius, Rgba paper = pal::kPaper);
// A heading on a ribbon with folded ends, centred on cx, top at y.
void ribbonHeading(Canvas& c, float cx, float y, const std::string& text, int size, Rgba ribbon);
// A small rounded tag with a one-line hint, centred on cx, top at y.
void hintTag(Canvas& c, float cx, float y, const std::string& text, int size = 15);

// Lettering in the game's style: bold Gothic with a rim.
TextStyle gothic(int size, Rgba colour, Rgba rim = kClear, int rimWidth = 0);
TextStyle mincho(int size, Rgba colour, Rgba rim = kClear, int rimWidth = 0);

// Four-point twinkle.
void twinkle(Canvas& c, float x, float y, float r, Rgba col);

// ---------------------------------------------------------------- pictures
Canvas helpBackTile();      // img/helpback.png
// touch: the copy for a touch screen, whose hints say "tap" and "long press"
// where the others say "click" and "right-click" (or Space).
Canvas selectMenu(bool touch);  // img/select.png, img/select.touch.png
Canvas helpScreen(bool touch);  // img/help.png, img/help.touch.png
// img/説明123.png (first 1) or img/説明456.png (first 4); touch: page 5 says tap
// (img/説明456.touch.png).
Canvas helpPages(int first, bool touch = false);
// Help page n (1..7) as a 160x288 card drawn into c with its top-left corner
// at (x, y). Pages 1..6 fill the two page sheets; page 7 lives on the face
// sheet img/kao.png at (800, 0).
void helpPage(Canvas& c, int n, int x, int y, bool touch = false);
Canvas stageSelectFrame(bool touch);  // img/ステージセレクト.png and .touch.png
// img/ステージ場面.png; reads back the stage pictures written earlier in the
// run (chip sheets, backgrounds) and draws plain blocks for any that are
// missing.
Canvas stageThumbnails(Output& out);
// Top-left corner of stage k's 128x96 cell in that sheet: where its record's
// stage-select entry looks for it.
Pt thumbnailCell(int k);
// Area-weighted box filter (each output pixel averages the source area it
// covers, fractions included).
Canvas boxDown(const Canvas& src, int w, int h);
// The same for sprites: colours weighted by alpha, transparency kept.
Canvas shrinkKeepingAlpha(const Canvas& src, int w, int h);
Canvas gameOver(bool touch);  // img/gameover.png, img/gameover.touch.png
Canvas ending(int k);       // img/end0.png .. img/end2.png
Canvas endingLogo();        // img/end.logo.png
Canvas lastPicture();       // img/tfp.png

}  // namespace ag::fe
