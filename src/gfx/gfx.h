// Graphics service: the 640x480 frame, Quads, texture slots and text.
// Game code draws only through these calls; no platform header leaks out.
#pragma once
#include <cstdint>

#include "gfx/colour_keys.h"    // the keys picture loads take
#include "gfx/picture_files.h"  // the names they load

// One pre-transformed vertex: screen pixels, ARGB colour, texture coordinates.
struct TlVertex {
    float x, y, z, rhw;
    uint32_t diffuse;
    float u, v;
};
static_assert(sizeof(TlVertex) == 28, "TlVertex must stay 28 bytes");

// Four vertices: top-left, top-right, bottom-right, bottom-left (clockwise on
// screen). Drawn as a fan 0-1-2, 0-2-3. Counter-clockwise Quads are culled.
struct Quad {
    TlVertex v[4];
};

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;
constexpr int kTextureSlots = 25;


extern Quad FullScreenQuad;  // whole screen, v from 0.01 at the top
extern Quad LogoQuad;        // centred logo, starts fully transparent

// Quad helpers: corners, texture rectangle, and all four colours.
Quad MakeQuad(float x0, float y0, float x1, float y1, float u0, float v0, float u1, float v1,
              uint32_t argb = 0xFFFFFFFFu);
void SetQuadRect(Quad& q, float x0, float y0, float x1, float y1);
void SetQuadUV(Quad& q, float u0, float v0, float u1, float v1);
void SetQuadColour(Quad& q, uint32_t argb);

// Device lifetime. InitDX8 returns 0 on success (after an ErrorBox otherwise).
int InitDX8(bool windowed);
void ReleaseGraphics();
bool GraphicsAlive();

// Frame: clear, begin, draw, end, present. Present returns false on failure.
// Draws are recorded and sent at present (or when the frame is read); a frame
// whose draws are the same as the last one shown is not sent or shown again,
// unless the window was uncovered or resized (MarkWindowDamaged).
// With frame drawing off, these and every draw call do nothing, so a headless
// run spends no time on frames nobody looks at; game logic runs the same.
void SetFrameDrawing(bool on);
bool FrameDrawing();
void ClearFrame(uint32_t argb);
void BeginDrawing();
void EndDrawing();
bool PresentFrame();
void ResetDevice();
void MarkWindowDamaged();
// A pause keeps the last frame shown and draws it again under its card
// (nothing when no whole frame was shown).
void KeepShownFrame();
void DrawKeptFrame();

// Render states: normal alpha blending; the additive switch changes only the
// destination factor.
void SetDrawStates();
void SetAdditiveBlend(bool additive);

// Textures. A picture that fails to load leaves its slot empty and an empty
// slot draws nothing.
void LoadTexture(int slot, const char* path, uint32_t colourKey);
bool LoadTexturePlain(int slot, const char* path);
// Loads a picture of the list to the key it is written with.
inline void LoadPicture(int slot, const PictureFile& p) { LoadTexture(slot, p.path, p.key); }
bool TextureLoaded(int slot);
void DrawQuad(int slot, const Quad& q);
// A quad of its vertex colours alone, no picture, normally blended.
void DrawSolidQuad(const Quad& q);

// Quad layers: a set of quads kept on the device, for what changes seldom
// (the stage map). SetQuadLayer replaces a layer's quads; call it only when
// they changed. DrawQuadLayer draws them all, in order, with a slot's picture
// under the current blend, exactly as DrawQuad would one by one.
constexpr int kQuadLayers = 1;
void SetQuadLayer(int layer, const Quad* quads, int count);
void DrawQuadLayer(int slot, int layer);

// Text: 35 px high; half-width characters advance 10 px, full-width 20 px;
// in English, Latin letters advance by their own widths. UTF-8 input; a line
// feed starts a new line 35 px lower at the same x. kTextHide turns drawing
// off and on again: the text between takes its room but is not drawn, so
// several texts drawn at one place can colour the parts of one sentence.
constexpr char kTextHide = '\x01';
int CreateTextFont();
void DrawString(const char* text, int x, int y, uint32_t argb);
// The widest line of a text in pixels, as DrawString would set it now.
int TextWidth(const char* text);
// Whether English letters have their own face (else the Mincho's are used).
bool LatinFaceOpen();
// The same over a rim of another colour (2 px unless told), readable over
// any picture.
void DrawStringRimmed(const char* text, int x, int y, uint32_t argb, uint32_t rimArgb, int rimPx = 2);

// The last finished frame, 640x480 ARGB rows top-down (headless checks).
bool ReadFramePixels(uint32_t* out);
bool SaveFramePng(const char* path);
