// The drawing device: an OpenGL 3.3 core context (ES 3.0 in the browser), a 640x480 offscreen frame
// that every scene draws into, and the present step that scales it to the
// window (aspect kept, black bars around).
#include <SDL2/SDL.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "base/data_file.h"
#include "base/files.h"
#include "base/language.h"
#include "base/letterbox.h"
#include "base/platform.h"
#include "gfx/device_internal.h"
#include "gfx/gfx.h"
#include "gfx/gfx_window.h"
#include "gfx/gl_api.h"
#include "gfx/image.h"

namespace {

SDL_GLContext s_Context = nullptr;
GLuint s_Program = 0, s_Vao = 0, s_Vbo = 0;
GLuint s_Fbo = 0, s_FboColour = 0;
GLuint s_White = 0;  // one white texel, for plain coloured quads
bool s_Additive = false;
bool s_Alive = false;
bool s_Drawing = true;
bool s_GlPending = false;  // GL work queued since the last flush
bool s_WindowDamaged = true;  // the window must be drawn again whatever the frame holds
// A page's window draws its frames straight into the canvas, which is the
// 640x480 frame itself: no frame picture to copy out and no bars to clear.
// Headless runs, whose shots read the frame back, keep the picture.
bool s_DrawOnCanvas = false;

// A frame is recorded as a list of draws and sent to GL in one go when it is
// shown or read: one vertex upload, and one draw per run of quads with the
// same picture and blend, in the order they were asked for.
constexpr int kMaxQuads = 8192;  // quads a list holds before it is sent early
enum : uint32_t { kCmdClear, kCmdQuads, kCmdLayer };
struct DrawCmd {  // 4-byte fields only: lists compare as bytes
    uint32_t kind;
    uint32_t additive;
    GLuint tex;
    uint32_t colour;      // clear colour
    int32_t first;        // first quad
    int32_t count;
    int32_t layer;        // layer: which one
    uint32_t generation;  // layer: its contents
};
static_assert(sizeof(DrawCmd) == 32, "DrawCmd has no padding");
struct FrameList {
    std::vector<DrawCmd> cmds;
    std::vector<Quad> quads;
    bool partial = false;  // part of the frame was sent before the rest
};
FrameList s_Frame;        // being recorded
FrameList s_Shown;        // the last list sent, which the frame target holds
bool s_ShownValid = false;
FrameList s_Kept;         // the picture a pause keeps under its card
// The backdrop: a frame's leading draws that stay the same from one frame to
// the next (clear, background, map), drawn once into a picture of their own
// that later frames copy rather than draw again. Pictures never change once
// uploaded (the text atlas only grows), so equal draws draw equal pixels.
struct Backdrop {
    FrameList lead;  // the draws the picture holds
    bool valid = false;
    GLuint fbo = 0, colour = 0;
    // How many leading commands each of the last frames shared with the one
    // before it: the backdrop takes only what has stood still for all of
    // them, so a draw that changes every other frame never makes it redraw.
    static constexpr int kFrames = 8;
    size_t steady[kFrames] = {};
    int next = 0;
};
Backdrop s_Backdrop;
GLuint s_Indices = 0;     // 0,1,2, 0,2,3 for every quad: the fan as triangles
GLuint s_CopyVao = 0, s_CopyVbo = 0;  // one quad over the whole frame, pixel for pixel

// Quad layers: each is painted into a picture of its own only when its quads
// or picture changed, and every frame draws that one picture. The layer's
// quads are copied (no blending) into a clear picture, so drawing it pixel for
// pixel blends exactly the texels the quads would have drawn themselves.
constexpr int kLayerQuads = 512;
struct LayerData {
    Quad quads[kLayerQuads];
    int count = 0;
    uint32_t generation = 0;  // these quads
    uint32_t painted = 0;     // the quads in the picture
    GLuint paintedTex = 0;    // the chip picture they were painted with
    bool pending = false;     // drawn in the list being recorded
    GLuint vao = 0, vbo = 0;
    // Two pictures, painted in turn: a repaint never waits for the driver to
    // finish a frame that still reads the other one.
    GLuint fbo[2] = {}, colour[2] = {};
    int front = 0;
};
// Draws a layer's picture onto the whole frame, pixel for pixel (picture rows
// run bottom-up).
const Quad kLayerQuad = MakeQuad(0, 0, float(kScreenW), float(kScreenH), 0, 1, 1, 0);
LayerData s_Layers[kQuadLayers];
uint32_t s_LayerGeneration = 0;

// A picture file, uploaded once a device exists (tex is 0 until then). Without
// a device its bytes are read at load and decoded only when a frame first
// draws it, or when the loader must answer at once: a headless run that
// never shoots decodes nothing.
struct Picture {
    std::string path;
    bool keyed;
    uint32_t key;
    off_t size;
    time_t mtimeSec;
    long mtimeNsec;
    GLuint tex;
    std::vector<uint8_t> bytes;  // as read at load, until uploaded
    bool checked;                // decoded once without fault
    bool bad;                    // does not decode: never drawn
};
std::vector<Picture> s_Pictures;
int s_SlotPicture[kTextureSlots] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
void UploadSlotPictures();
bool CreateDevice();
void ExecuteFrame(bool partial);
bool FinishFrame();

// Both shaders follow the dialect's header (gl_api.h).
const char* kVertexShader = R"(layout(location = 0) in vec4 a_pos;
layout(location = 1) in vec4 a_colour;
layout(location = 2) in vec2 a_uv;
out vec4 v_colour;
out vec2 v_uv;
void main() {
    // Screen pixels (y down) to clip space (y up).
    gl_Position = vec4(a_pos.x / 320.0 - 1.0, 1.0 - a_pos.y / 240.0, 0.0, 1.0);
    v_colour = VERTEX_COLOUR(a_colour);
    v_uv = a_uv;
}
)";

const char* kFragmentShader = R"(in vec4 v_colour;
in vec2 v_uv;
uniform sampler2D u_tex;
out vec4 o_colour;
void main() {
    o_colour = texture(u_tex, v_uv) * v_colour;
}
)";

GLuint CompileShader(GLenum kind, const char* src) {
    GLuint sh = glCreateShader(kind);
    const char* parts[2] = {kShaderHeader, src};
    glShaderSource(sh, 2, parts, nullptr);
    glCompileShader(sh);
    GLint ok = 0;
    glGetShaderiv(sh, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char buf[512];
        glGetShaderInfoLog(sh, sizeof buf, nullptr, buf);
        DebugLog(buf);
        glDeleteShader(sh);
        return 0;
    }
    return sh;
}

// A vertex array over its own buffer of Quads, drawn through the shared indices.
void MakeVertexArray(GLuint& vao, GLuint& vbo) {
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, s_Indices);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, sizeof(TlVertex), reinterpret_cast<void*>(0));
    // ARGB words are B,G,R,A bytes in memory; GL ES reads them as R,G,B,A
    // and the vertex shader swaps them.
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, kGlEs ? 4 : GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(TlVertex),
                          reinterpret_cast<void*>(offsetof(TlVertex, diffuse)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(TlVertex),
                          reinterpret_cast<void*>(offsetof(TlVertex, u)));
}

bool CreatePipeline() {
    GLuint vs = CompileShader(GL_VERTEX_SHADER, kVertexShader);
    GLuint fs = CompileShader(GL_FRAGMENT_SHADER, kFragmentShader);
    if (!vs || !fs) return false;
    s_Program = glCreateProgram();
    glAttachShader(s_Program, vs);
    glAttachShader(s_Program, fs);
    glLinkProgram(s_Program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(s_Program, GL_LINK_STATUS, &ok);
    if (!ok) return false;
    glUseProgram(s_Program);
    glUniform1i(glGetUniformLocation(s_Program, "u_tex"), 0);

    std::vector<uint32_t> idx(size_t(kMaxQuads) * 6);
    for (uint32_t q = 0; q < uint32_t(kMaxQuads); ++q) {
        const uint32_t b = q * 4, tri[6] = {b, b + 1, b + 2, b, b + 2, b + 3};
        std::memcpy(&idx[size_t(q) * 6], tri, sizeof tri);
    }
    glGenBuffers(1, &s_Indices);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, s_Indices);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(idx.size() * sizeof(uint32_t)), idx.data(), GL_STATIC_DRAW);
    MakeVertexArray(s_CopyVao, s_CopyVbo);
    glBufferData(GL_ARRAY_BUFFER, sizeof(Quad), &kLayerQuad, GL_STATIC_DRAW);
    MakeVertexArray(s_Vao, s_Vbo);
    for (LayerData& l : s_Layers) {
        MakeVertexArray(l.vao, l.vbo);
        l.painted = 0;
        l.paintedTex = 0;
    }
    glBindVertexArray(s_Vao);
    return true;
}

// ARGB words to ABGR, or back: R,G,B,A bytes in memory.
void SwapRedBlue(uint32_t* px, size_t n) {
    for (size_t i = 0; i < n; ++i) px[i] = (px[i] & 0xFF00FF00u) | ((px[i] >> 16) & 0xFFu) | ((px[i] & 0xFFu) << 16);
}

// A 640x480 picture to draw into.
bool CreateTarget(GLuint& fbo, GLuint& colour) {
    glGenTextures(1, &colour);
    glBindTexture(GL_TEXTURE_2D, colour);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kScreenW, kScreenH, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glGenFramebuffers(1, &fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

bool CreateFrameTarget() {
    for (LayerData& l : s_Layers)
        for (int i = 0; i < 2; ++i)
            if (!CreateTarget(l.fbo[i], l.colour[i])) return false;
    s_Backdrop.valid = false;
    return CreateTarget(s_Backdrop.fbo, s_Backdrop.colour) && CreateTarget(s_Fbo, s_FboColour);
}

// The framebuffer frames are drawn into.
GLuint FrameTarget() { return s_DrawOnCanvas ? 0 : s_Fbo; }

// Paints a layer's quads into its picture with `tex`, copying texels as they
// are, and binds `back` again for drawing.
void PaintLayer(LayerData& l, GLuint tex, GLuint back) {
    l.front ^= 1;
    glBindFramebuffer(GL_FRAMEBUFFER, l.fbo[l.front]);
    glDisable(GL_BLEND);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindVertexArray(l.vao);
    glBindBuffer(GL_ARRAY_BUFFER, l.vbo);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(Quad) * size_t(l.count)), l.quads, GL_STATIC_DRAW);
    glBindTexture(GL_TEXTURE_2D, tex);
    glDrawElements(GL_TRIANGLES, l.count * 6, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(s_Vao);
    glBindFramebuffer(GL_FRAMEBUFFER, back);
    l.painted = l.generation;
    l.paintedTex = tex;
}

void ApplyBlend(bool additive) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
}

// An empty list's data() may be null, which memcmp must never see.
template <typename T>
bool SameItems(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

bool SameList(const FrameList& a, const FrameList& b) { return SameItems(a.cmds, b.cmds) && SameItems(a.quads, b.quads); }

// How many leading commands of `f` draw exactly what `lead`'s first ones do.
size_t SameLead(const FrameList& lead, const FrameList& f) {
    const size_t m = std::min(lead.cmds.size(), f.cmds.size());
    size_t n = 0;
    for (; n < m; ++n) {
        const DrawCmd& c = lead.cmds[n];
        if (std::memcmp(&c, &f.cmds[n], sizeof(DrawCmd)) != 0) break;
        // Equal commands before this one used the same quads up to c.first.
        if (c.kind != kCmdClear &&
            std::memcmp(&lead.quads[size_t(c.first)], &f.quads[size_t(c.first)], sizeof(Quad) * size_t(c.count)) != 0)
            break;
    }
    return n;
}

// A backdrop pays when its copy stands in for at least a whole frame of drawing.
bool WorthKeeping(const FrameList& f, size_t n) {
    float area = 0;
    for (size_t i = 0; i < n; ++i) {
        const DrawCmd& c = f.cmds[i];
        for (int q = c.first; c.kind != kCmdClear && q < c.first + c.count; ++q) {
            const TlVertex* v = f.quads[size_t(q)].v;
            area += std::abs((v[2].x - v[0].x) * (v[2].y - v[0].y));
        }
    }
    return area >= float(kScreenW) * kScreenH;
}

// Sends commands [from, to) of `f`, whose quads are in the vertex buffer, to
// the bound framebuffer `target`.
void SendCommands(const FrameList& f, size_t from, size_t to, GLuint target) {
    int blend = -1;
    for (size_t i = from; i < to; ++i) {
        const DrawCmd& c = f.cmds[i];
        if (c.kind == kCmdClear) {
            glClearColor(((c.colour >> 16) & 0xFF) / 255.0f, ((c.colour >> 8) & 0xFF) / 255.0f,
                         (c.colour & 0xFF) / 255.0f, (c.colour >> 24) / 255.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            continue;
        }
        GLuint tex = c.tex;
        if (c.kind == kCmdLayer) {
            LayerData& l = s_Layers[c.layer];
            if (l.painted != l.generation || l.paintedTex != c.tex) {
                PaintLayer(l, c.tex, target);
                blend = -1;
            }
            tex = l.colour[l.front];
        }
        if (blend != int(c.additive)) {
            blend = int(c.additive);
            ApplyBlend(c.additive != 0);
        }
        glBindTexture(GL_TEXTURE_2D, tex);
        glDrawElements(GL_TRIANGLES, c.count * 6, GL_UNSIGNED_INT,
                       reinterpret_cast<void*>(size_t(c.first) * 6 * sizeof(uint32_t)));
    }
}

// Copies the backdrop's picture into the frame target, pixel for pixel: a
// quad without blending, which a software renderer runs far faster than a
// blit into the page's canvas.
void CopyBackdrop() {
    glBindFramebuffer(GL_FRAMEBUFFER, FrameTarget());
    glDisable(GL_BLEND);
    glBindVertexArray(s_CopyVao);
    glBindTexture(GL_TEXTURE_2D, s_Backdrop.colour);
    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(s_Vao);
}

// The leading commands of a whole frame the backdrop stands in for (0: none),
// drawing the backdrop afresh when a longer lead has stood still for a while.
size_t TakeBackdrop(const FrameList& f) {
    Backdrop& b = s_Backdrop;
    size_t lead = b.valid && SameLead(b.lead, f) == b.lead.cmds.size() ? b.lead.cmds.size() : 0;
    b.steady[b.next] = s_ShownValid ? SameLead(s_Shown, f) : 0;
    b.next = (b.next + 1) % Backdrop::kFrames;
    const size_t lasting = *std::min_element(std::begin(b.steady), std::end(b.steady));
    if (lasting > lead && WorthKeeping(f, lasting)) {
        glBindFramebuffer(GL_FRAMEBUFFER, b.fbo);
        SendCommands(f, 0, lasting, b.fbo);
        size_t quads = 0;
        for (size_t i = 0; i < lasting; ++i)
            if (f.cmds[i].kind != kCmdClear) quads = size_t(f.cmds[i].first + f.cmds[i].count);
        b.lead.cmds.assign(f.cmds.begin(), f.cmds.begin() + ptrdiff_t(lasting));
        b.lead.quads.assign(f.quads.begin(), f.quads.begin() + ptrdiff_t(quads));
        b.valid = true;
        lead = lasting;
    }
    if (lead > 0) CopyBackdrop();
    return lead;
}

// Sends the recorded list into the frame target. `partial`: more of the same
// frame follows, so the target will not be what this list alone draws.
void ExecuteFrame(bool partial) {
    FrameList& f = s_Frame;
    if (!s_Context || f.cmds.empty()) {
        if (f.partial && !partial) {
            f.partial = false;
            s_ShownValid = false;
        }
        f.cmds.clear();
        f.quads.clear();
        return;
    }
    s_GlPending = true;
    glViewport(0, 0, kScreenW, kScreenH);
    glUseProgram(s_Program);
    // Layers to paint again are painted before the frame, so the driver
    // switches drawing targets once rather than in the middle of the frame.
    for (const DrawCmd& c : f.cmds) {
        if (c.kind != kCmdLayer) continue;
        LayerData& l = s_Layers[c.layer];
        if (l.painted != l.generation || l.paintedTex != c.tex) PaintLayer(l, c.tex, FrameTarget());
    }
    glBindFramebuffer(GL_FRAMEBUFFER, FrameTarget());
    glBindVertexArray(s_Vao);
    glBindBuffer(GL_ARRAY_BUFFER, s_Vbo);
    // A fresh buffer each time lets the driver keep the old one in flight.
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(Quad) * f.quads.size()), f.quads.data(), GL_STREAM_DRAW);
    // Only a whole frame starts from the backdrop: a part of one draws over
    // what the target already holds.
    const size_t from = partial || f.partial ? 0 : TakeBackdrop(f);
    SendCommands(f, from, f.cmds.size(), FrameTarget());
    for (LayerData& l : s_Layers) l.pending = false;
    if (partial || f.partial) {
        s_ShownValid = false;
        f.partial = partial;
    } else {
        std::swap(s_Frame, s_Shown);
        s_ShownValid = true;
    }
    s_Frame.cmds.clear();
    s_Frame.quads.clear();
}

// Ends the recorded frame; false when the frame target already holds exactly
// what it draws (same draws, same quads, same pictures and layers). A damaged
// canvas holds nothing to show again: its frame is drawn afresh.
bool FinishFrame() {
    if (s_Frame.cmds.empty() && !s_Frame.partial) return false;
    if (s_ShownValid && !s_Frame.partial && !(s_DrawOnCanvas && s_WindowDamaged) && SameList(s_Frame, s_Shown)) {
        s_Frame.cmds.clear();
        s_Frame.quads.clear();
        for (LayerData& l : s_Layers) l.pending = false;
        return false;
    }
    ExecuteFrame(false);
    return true;
}

}  // namespace

bool GraphicsAlive() { return s_Alive; }
bool DeviceReady() { return s_Context != nullptr; }
void SetFrameDrawing(bool on) {
    s_Drawing = on;
    // The first drawn frame of a headless run makes the device it put off.
    if (on && s_Alive && !s_Context && !CreateDevice()) s_Drawing = false;
}
bool FrameDrawing() { return s_Drawing; }

namespace {
GfxWindow s_Window = {};
}  // namespace

void SetGfxWindow(const GfxWindow& w) { s_Window = w; }
bool BlendIsAdditive() { return s_Additive; }

namespace {

// Makes the GL context and everything drawn through it; false (after an
// ErrorBox) when the driver refuses.
bool CreateDevice() {
    SDL_Window* win = s_Window.ensure && s_Window.ensure() ? s_Window.window() : nullptr;
    if (!win) {
        ErrorBox("DirectXD3D8オブジェクト生成失敗");
        return false;
    }
    s_Context = SDL_GL_CreateContext(win);
    if (!s_Context) {
        ErrorBox("DirectXデバイス生成失敗");
        return false;
    }
    SDL_GL_MakeCurrent(win, s_Context);
    // Frames are paced by the game's own 15 ms gate, not by the display.
    SDL_GL_SetSwapInterval(0);
    if (!CreatePipeline() || !CreateFrameTarget()) {
        SDL_GL_DeleteContext(s_Context);
        s_Context = nullptr;
        ErrorBox("DirectXデバイス生成失敗");
        return false;
    }
    s_WindowDamaged = true;
    s_ShownValid = false;
    s_DrawOnCanvas = kCanvasIsFrame && !AppHeadless();
    // Pictures are drawn as they are: no depth test, counter-clockwise culled.
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);  // clockwise on screen is the front
    CreateTextAtlas();
    UploadSlotPictures();
    return true;
}

}  // namespace

int InitDX8(bool /*windowed*/) {
    s_Additive = false;
    if (AppHeadless() && !s_Drawing) {
        // A headless run makes its device only when a frame is first drawn;
        // until then it is the software device that it would be.
        s_Alive = true;
        DebugLog("ソフトウェアデバイス\n");
        return 0;
    }
    if (!CreateDevice()) return -1;
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    bool software = renderer && (std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe") ||
                                 std::strstr(renderer, "Software"));
    DebugLog(software ? "ソフトウェアデバイス\n" : "高性能ハード\n");
    s_Alive = true;
    return 0;
}

void ReleaseGraphics() {
    if (!s_Alive && !s_Context) return;
    if (s_Context) {
        for (Picture& p : s_Pictures)
            if (p.tex) glDeleteTextures(1, &p.tex);
    }
    s_Pictures.clear();
    for (int& p : s_SlotPicture) p = -1;
    ReleaseTextFont();
    if (s_Context) {
        if (s_Fbo) glDeleteFramebuffers(1, &s_Fbo);
        if (s_FboColour) glDeleteTextures(1, &s_FboColour);
        if (s_CopyVbo) glDeleteBuffers(1, &s_CopyVbo);
        if (s_CopyVao) glDeleteVertexArrays(1, &s_CopyVao);
        if (s_Backdrop.fbo) glDeleteFramebuffers(1, &s_Backdrop.fbo);
        if (s_Backdrop.colour) glDeleteTextures(1, &s_Backdrop.colour);
        if (s_Vbo) glDeleteBuffers(1, &s_Vbo);
        if (s_Vao) glDeleteVertexArrays(1, &s_Vao);
        if (s_Indices) glDeleteBuffers(1, &s_Indices);
        for (LayerData& l : s_Layers) {
            if (l.vbo) glDeleteBuffers(1, &l.vbo);
            if (l.vao) glDeleteVertexArrays(1, &l.vao);
            glDeleteFramebuffers(2, l.fbo);
            glDeleteTextures(2, l.colour);
            l.vbo = l.vao = l.fbo[0] = l.fbo[1] = l.colour[0] = l.colour[1] = 0;
            l.painted = 0;
            l.paintedTex = 0;
            l.pending = false;
        }
        if (s_Program) glDeleteProgram(s_Program);
        if (s_White) glDeleteTextures(1, &s_White);
        SDL_GL_DeleteContext(s_Context);
    }
    s_Fbo = s_FboColour = s_Vbo = s_Vao = s_Program = s_Indices = s_White = s_CopyVao = s_CopyVbo = 0;
    s_Frame = FrameList{};
    s_Shown = FrameList{};
    s_ShownValid = false;
    s_Backdrop = Backdrop{};
    s_Context = nullptr;
    s_Alive = false;
}

void SetDrawStates() { s_Additive = false; }

void SetAdditiveBlend(bool additive) { s_Additive = additive; }

void ClearFrame(uint32_t argb) {
    if (!s_Context || !s_Drawing) return;
    DrawCmd c{};
    c.kind = kCmdClear;
    c.colour = argb;
    s_Frame.cmds.push_back(c);
}

void BeginDrawing() {}

void EndDrawing() {}

void DrawQuadWithTexture(unsigned texture, const Quad& q) {
    if (!s_Context || !s_Drawing || texture == 0) return;
    if (s_Frame.quads.size() >= size_t(kMaxQuads)) ExecuteFrame(true);
    const int n = int(s_Frame.quads.size());
    s_Frame.quads.push_back(q);
    // Quads in a row with the same picture and blend are one draw.
    if (!s_Frame.cmds.empty()) {
        DrawCmd& last = s_Frame.cmds.back();
        if (last.kind == kCmdQuads && last.tex == texture && last.additive == uint32_t(s_Additive) &&
            last.first + last.count == n) {
            ++last.count;
            return;
        }
    }
    DrawCmd c{};
    c.kind = kCmdQuads;
    c.additive = s_Additive;
    c.tex = texture;
    c.first = n;
    c.count = 1;
    s_Frame.cmds.push_back(c);
}

void DrawQuad(int slot, const Quad& q) {
    if (slot < 0 || slot >= kTextureSlots || s_SlotPicture[slot] < 0) return;
    DrawQuadWithTexture(s_Pictures[size_t(s_SlotPicture[slot])].tex, q);
}

void SetQuadLayer(int layer, const Quad* quads, int count) {
    if (layer < 0 || layer >= kQuadLayers) return;
    LayerData& l = s_Layers[layer];
    // A draw of the old contents still waiting in this frame goes out first.
    if (l.pending) ExecuteFrame(true);
    l.count = quads ? std::clamp(count, 0, kLayerQuads) : 0;
    if (l.count > 0) std::memcpy(l.quads, quads, sizeof(Quad) * size_t(l.count));
    l.generation = ++s_LayerGeneration;
}

void DrawQuadLayer(int slot, int layer) {
    if (layer < 0 || layer >= kQuadLayers || slot < 0 || slot >= kTextureSlots || s_SlotPicture[slot] < 0) return;
    const GLuint tex = s_Pictures[size_t(s_SlotPicture[slot])].tex;
    if (!s_Context || !s_Drawing || tex == 0 || s_Layers[layer].count == 0) return;
    if (s_Frame.quads.size() >= size_t(kMaxQuads)) ExecuteFrame(true);
    DrawCmd c{};
    c.kind = kCmdLayer;
    c.additive = s_Additive;
    c.tex = tex;
    c.first = int(s_Frame.quads.size());
    c.count = 1;
    c.layer = layer;
    c.generation = s_Layers[layer].generation;
    s_Frame.quads.push_back(kLayerQuad);
    s_Frame.cmds.push_back(c);
    s_Layers[layer].pending = true;
}

void MarkWindowDamaged() { s_WindowDamaged = true; }

void KeepShownFrame() {
    s_Kept.cmds.clear();
    s_Kept.quads.clear();
    if (s_ShownValid) {
        s_Kept.cmds = s_Shown.cmds;
        s_Kept.quads = s_Shown.quads;
    }
}

void DrawKeptFrame() {
    if (!s_Context || !s_Drawing) return;
    const int base = int(s_Frame.quads.size());
    s_Frame.quads.insert(s_Frame.quads.end(), s_Kept.quads.begin(), s_Kept.quads.end());
    for (DrawCmd c : s_Kept.cmds) {
        c.first += base;
        if (c.kind == kCmdLayer) s_Layers[c.layer].pending = true;
        s_Frame.cmds.push_back(c);
    }
}

bool PresentFrame() {
    if (!s_Context) return true;
    const bool changed = FinishFrame();
    SDL_Window* win = s_Window.window ? s_Window.window() : nullptr;
    if (AppHeadless()) {
        // Nothing swaps a headless frame: it is finished here as a window's
        // swap would finish it. Unfinished, the driver keeps queueing frames
        // and grows, and a later wait for one frame waits for them all.
        if (s_GlPending) glFinish();
        s_GlPending = false;
        return true;
    }
    if (!s_Drawing) return true;
    // A frame the same as the one on screen need not be shown again.
    if (!changed && !s_WindowDamaged) return true;
    s_WindowDamaged = false;
    if (win && s_DrawOnCanvas) {
        SDL_GL_SwapWindow(win);
    } else if (win) {
        int w = 0, h = 0;
        s_Window.drawableSize(w, h);
        // Largest 4:3 picture that fits, centred; whole multiples stay sharp.
        Letterbox box = FitPicture(w, h);
        int ox = box.x, oy = box.y, sw = box.w, sh = box.h;
        bool whole = sw % kScreenW == 0 && sh % kScreenH == 0;
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, s_Fbo);
        glViewport(0, 0, w, h);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glBlitFramebuffer(0, 0, kScreenW, kScreenH, ox, oy, ox + sw, oy + sh, GL_COLOR_BUFFER_BIT,
                          whole ? GL_NEAREST : GL_LINEAR);
        SDL_GL_SwapWindow(win);
    }
    return true;
}

void ResetDevice() {}

bool ReadFramePixels(uint32_t* out) {
    if (!s_Context) return false;
    FinishFrame();
    std::vector<uint32_t> rows(size_t(kScreenW) * kScreenH);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, FrameTarget());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, kScreenW, kScreenH, kGlEs ? GL_RGBA : GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
    if (kGlEs) SwapRedBlue(rows.data(), rows.size());
    for (int y = 0; y < kScreenH; ++y)
        std::memcpy(out + size_t(y) * kScreenW, &rows[size_t(kScreenH - 1 - y) * kScreenW],
                    sizeof(uint32_t) * kScreenW);
    glBindFramebuffer(GL_FRAMEBUFFER, FrameTarget());
    return true;
}

bool SaveFramePng(const char* path) {
    std::vector<uint32_t> px(size_t(kScreenW) * kScreenH);
    if (!ReadFramePixels(px.data())) return false;
    for (uint32_t& p : px) p |= 0xFF000000u;
    return WritePng(path, kScreenW, kScreenH, px.data());
}

// ---- Textures ----

namespace {

GLuint UploadTexture(Image& img) {
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // GL ES uploads R,G,B,A bytes only: the picture (not kept) is swapped.
    if (kGlEs) SwapRedBlue(img.argb.data(), img.argb.size());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, img.width, img.height, 0, kGlEs ? GL_RGBA : GL_BGRA, GL_UNSIGNED_BYTE,
                 img.argb.data());
    // Nearest texels, and coordinates past 1.0 repeat the picture.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return t;
}

}  // namespace

namespace {

bool SameStamp(const Picture& p, const struct stat& st) {
    const timespec m = StatModified(st);
    return p.size == st.st_size && p.mtimeSec == m.tv_sec && p.mtimeNsec == m.tv_nsec;
}

// Decodes a picture (the bytes read at load, else its file), applies the
// colour key and uploads it; 0, and the picture marked bad, when it does
// not decode.
GLuint DecodeAndUpload(Picture& p) {
    Image img;
    const bool ok = p.bytes.empty() ? DecodeImageFile(p.path.c_str(), img) : DecodeImageBytes(p.bytes, img);
    std::vector<uint8_t>().swap(p.bytes);
    p.checked = true;
    p.bad = !ok;
    if (!ok) return 0;
    if (p.keyed) ApplyColourKey(img, p.key);
    GLuint t = UploadTexture(img);
    s_GlPending = true;
    glBindFramebuffer(GL_FRAMEBUFFER, FrameTarget());
    return t;
}

void UploadSlotPictures() {
    for (int i : s_SlotPicture) {
        if (i < 0) continue;
        Picture& p = s_Pictures[size_t(i)];
        if (!p.tex && !p.bad) p.tex = DecodeAndUpload(p);
    }
}

// Decodes a picture whose decoding was put off, to learn whether it is whole.
bool PictureSound(Picture& p) {
    if (!p.checked) {
        Image img;
        p.bad = !DecodeImageBytes(p.bytes, img);
        p.checked = true;
        if (p.bad) std::vector<uint8_t>().swap(p.bytes);
    }
    return !p.bad;
}

// mustKnow: the caller acts on the answer, so a put-off decode happens now.
bool LoadIntoSlot(int slot, const char* path, const uint32_t* key, bool mustKnow) {
    if (!s_Alive || slot < 0 || slot >= kTextureSlots) return false;
    s_SlotPicture[slot] = -1;
    // Pictures are kept by path, colour key and file stamp: stage restarts
    // load the same files again and must stay quick, while a file that
    // changed or went away is seen exactly as a fresh load would see it.
    struct stat st;
    if (stat(path, &st) != 0) return false;
    for (size_t i = 0; i < s_Pictures.size(); ++i) {
        Picture& p = s_Pictures[i];
        if (p.path == path && p.keyed == (key != nullptr) && (!key || p.key == *key) && SameStamp(p, st)) {
            NoteDataFileUse(path);
            if (p.bad || (mustKnow && !PictureSound(p))) return false;
            s_SlotPicture[slot] = int(i);
            return true;
        }
    }
    const timespec m = StatModified(st);
    Picture p{path, key != nullptr, key ? *key : 0u, st.st_size, m.tv_sec, m.tv_nsec, 0, {}, false, false};
    if (s_Context) {
        p.tex = DecodeAndUpload(p);
        if (!p.tex) return false;
    } else {
        // No device yet: the bytes are read now, as a load would read them;
        // a file that is not a picture at all fails here.
        if (!ReadPictureBytes(path, p.bytes)) return false;
        if (mustKnow && !PictureSound(p)) return false;
    }
    s_Pictures.push_back(std::move(p));
    s_SlotPicture[slot] = int(s_Pictures.size() - 1);
    return true;
}

// In English a lettered picture has its own copy under img/en/; a picture
// without one (or whose copy is damaged) is the shared one. Choosing needs
// to know at once whether the copy decodes.
bool LoadInLanguage(int slot, const char* path, const uint32_t* key, bool mustKnow) {
    if (g_Language == kLangEn && std::strncmp(path, "img/", 4) == 0) {
        std::string own = std::string("img/en/") + (path + 4);
        if (LoadIntoSlot(slot, own.c_str(), key, true)) return true;
    }
    return LoadIntoSlot(slot, path, key, mustKnow);
}

}  // namespace

void LoadTexture(int slot, const char* path, uint32_t colourKey) { LoadInLanguage(slot, path, &colourKey, false); }

bool LoadTexturePlain(int slot, const char* path) { return LoadInLanguage(slot, path, nullptr, true); }

bool TextureLoaded(int slot) {
    if (slot < 0 || slot >= kTextureSlots || s_SlotPicture[slot] < 0) return false;
    return PictureSound(s_Pictures[size_t(s_SlotPicture[slot])]);
}

void DrawSolidQuad(const Quad& q) {
    if (!s_Context || !s_Drawing) return;
    if (!s_White) {
        Image white;
        white.width = white.height = 1;
        white.argb = {0xFFFFFFFFu};
        s_White = UploadTexture(white);
    }
    // Drawn with normal blending, whatever the scene has set (as text is).
    bool additive = s_Additive;
    s_Additive = false;
    DrawQuadWithTexture(s_White, q);
    s_Additive = additive;
}
