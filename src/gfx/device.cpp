// The drawing device: an OpenGL 3.3 core context, a 640x480 offscreen frame
// that every scene draws into, and the present step that scales it to the
// window (aspect kept, black bars around).
#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/letterbox.h"
#include "app/platform.h"
#include "app/window.h"
#include "gfx/device_internal.h"
#include "gfx/gfx.h"
#include "gfx/image.h"

namespace {

SDL_GLContext s_Context = nullptr;
GLuint s_Program = 0, s_Vao = 0, s_Vbo = 0;
GLuint s_Fbo = 0, s_FboColour = 0;
bool s_Additive = false;
bool s_Alive = false;
int s_QuadsThisFrame = 0;
constexpr int kRingQuads = 8192;  // quads per streaming buffer before orphaning

GLuint s_Slots[kTextureSlots];

const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec4 a_pos;
layout(location = 1) in vec4 a_colour;
layout(location = 2) in vec2 a_uv;
out vec4 v_colour;
out vec2 v_uv;
void main() {
    // Screen pixels (y down) to clip space (y up).
    gl_Position = vec4(a_pos.x / 320.0 - 1.0, 1.0 - a_pos.y / 240.0, 0.0, 1.0);
    v_colour = a_colour;
    v_uv = a_uv;
}
)";

const char* kFragmentShader = R"(#version 330 core
in vec4 v_colour;
in vec2 v_uv;
uniform sampler2D u_tex;
out vec4 o_colour;
void main() {
    o_colour = texture(u_tex, v_uv) * v_colour;
}
)";

GLuint CompileShader(GLenum kind, const char* src) {
    GLuint sh = glCreateShader(kind);
    glShaderSource(sh, 1, &src, nullptr);
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

    glGenVertexArrays(1, &s_Vao);
    glBindVertexArray(s_Vao);
    glGenBuffers(1, &s_Vbo);
    glBindBuffer(GL_ARRAY_BUFFER, s_Vbo);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(Quad)) * kRingQuads, nullptr, GL_STREAM_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, sizeof(TlVertex), reinterpret_cast<void*>(0));
    // ARGB words are B,G,R,A bytes in memory.
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(TlVertex),
                          reinterpret_cast<void*>(offsetof(TlVertex, diffuse)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(TlVertex),
                          reinterpret_cast<void*>(offsetof(TlVertex, u)));
    return true;
}

bool CreateFrameTarget() {
    glGenTextures(1, &s_FboColour);
    glBindTexture(GL_TEXTURE_2D, s_FboColour);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kScreenW, kScreenH, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glGenFramebuffers(1, &s_Fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, s_Fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, s_FboColour, 0);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void ApplyBlend() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, s_Additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
}

}  // namespace

bool GraphicsAlive() { return s_Alive; }
bool BlendIsAdditive() { return s_Additive; }

int InitDX8(bool /*windowed*/) {
    SDL_Window* win = AppWindow();
    if (!win) {
        ErrorBox("DirectXD3D8オブジェクト生成失敗");
        return -1;
    }
    s_Context = SDL_GL_CreateContext(win);
    if (!s_Context) {
        ErrorBox("DirectXデバイス生成失敗");
        return -1;
    }
    SDL_GL_MakeCurrent(win, s_Context);
    // Frames are paced by the game's own 15 ms gate, not by the display.
    SDL_GL_SetSwapInterval(0);
    if (!CreatePipeline() || !CreateFrameTarget()) {
        SDL_GL_DeleteContext(s_Context);
        s_Context = nullptr;
        ErrorBox("DirectXデバイス生成失敗");
        return -1;
    }
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    bool software = renderer && (std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe") ||
                                 std::strstr(renderer, "Software"));
    DebugLog(software ? "ソフトウェアデバイス\n" : "高性能ハード\n");
    s_Alive = true;
    SetDrawStates();
    // Pictures are drawn as they are: no depth test, counter-clockwise culled.
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);  // clockwise on screen is the front
    return 0;
}

void ReleaseGraphics() {
    if (!s_Alive && !s_Context) return;
    for (GLuint& t : s_Slots) {
        if (t) glDeleteTextures(1, &t);
        t = 0;
    }
    ReleaseTextFont();
    if (s_Fbo) glDeleteFramebuffers(1, &s_Fbo);
    if (s_FboColour) glDeleteTextures(1, &s_FboColour);
    if (s_Vbo) glDeleteBuffers(1, &s_Vbo);
    if (s_Vao) glDeleteVertexArrays(1, &s_Vao);
    if (s_Program) glDeleteProgram(s_Program);
    s_Fbo = s_FboColour = s_Vbo = s_Vao = s_Program = 0;
    if (s_Context) SDL_GL_DeleteContext(s_Context);
    s_Context = nullptr;
    s_Alive = false;
}

void SetDrawStates() {
    s_Additive = false;
    if (s_Alive) ApplyBlend();
}

void SetAdditiveBlend(bool additive) {
    if (s_Additive == additive) return;
    s_Additive = additive;
    if (s_Alive) ApplyBlend();
}

void ClearFrame(uint32_t argb) {
    if (!s_Alive) return;
    glBindFramebuffer(GL_FRAMEBUFFER, s_Fbo);
    glViewport(0, 0, kScreenW, kScreenH);
    glClearColor(((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f, (argb & 0xFF) / 255.0f,
                 (argb >> 24) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void BeginDrawing() {
    if (!s_Alive) return;
    glBindFramebuffer(GL_FRAMEBUFFER, s_Fbo);
    glViewport(0, 0, kScreenW, kScreenH);
    glUseProgram(s_Program);
    glBindVertexArray(s_Vao);
    glBindBuffer(GL_ARRAY_BUFFER, s_Vbo);
    // A fresh buffer each frame lets the driver keep the old one in flight.
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(Quad)) * kRingQuads, nullptr, GL_STREAM_DRAW);
    s_QuadsThisFrame = 0;
}

void EndDrawing() {}

void DrawQuadWithTexture(unsigned texture, const Quad& q) {
    if (!s_Alive || texture == 0) return;
    if (s_QuadsThisFrame >= kRingQuads) {
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(Quad)) * kRingQuads, nullptr, GL_STREAM_DRAW);
        s_QuadsThisFrame = 0;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glBufferSubData(GL_ARRAY_BUFFER, GLintptr(sizeof(Quad)) * s_QuadsThisFrame, sizeof(Quad), &q);
    glDrawArrays(GL_TRIANGLE_FAN, s_QuadsThisFrame * 4, 4);
    ++s_QuadsThisFrame;
}

void DrawQuad(int slot, const Quad& q) {
    if (slot < 0 || slot >= kTextureSlots) return;
    DrawQuadWithTexture(s_Slots[slot], q);
}

bool PresentFrame() {
    if (!s_Alive) return true;
    SDL_Window* win = AppWindow();
    if (!AppHeadless() && win) {
        int w = 0, h = 0;
        WindowDrawableSize(w, h);
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
    if (!s_Alive) return false;
    std::vector<uint32_t> rows(size_t(kScreenW) * kScreenH);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, s_Fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, kScreenW, kScreenH, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
    for (int y = 0; y < kScreenH; ++y)
        std::memcpy(out + size_t(y) * kScreenW, &rows[size_t(kScreenH - 1 - y) * kScreenW],
                    sizeof(uint32_t) * kScreenW);
    glBindFramebuffer(GL_FRAMEBUFFER, s_Fbo);
    return true;
}

bool SaveFramePng(const char* path) {
    std::vector<uint32_t> px(size_t(kScreenW) * kScreenH);
    if (!ReadFramePixels(px.data())) return false;
    for (uint32_t& p : px) p |= 0xFF000000u;
    return WritePng(path, kScreenW, kScreenH, px.data());
}

// ---- Textures ----

static GLuint UploadTexture(const Image& img) {
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, img.width, img.height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 img.argb.data());
    // Nearest texels, and coordinates past 1.0 repeat the picture.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return t;
}

static bool LoadIntoSlot(int slot, const char* path, const uint32_t* key) {
    if (!s_Alive || slot < 0 || slot >= kTextureSlots) return false;
    // Decoded pictures are cached by path: stage restarts reload the same
    // files many times and must stay quick.
    struct Cached {
        std::string path;
        uint32_t key;
        bool keyed;
        Image img;
    };
    static std::vector<Cached> cache;
    const Image* img = nullptr;
    for (const Cached& c : cache)
        if (c.path == path && c.keyed == (key != nullptr) && (!key || c.key == *key)) img = &c.img;
    if (!img) {
        Image decoded;
        if (!DecodeImageFile(path, decoded)) {
            if (s_Slots[slot]) glDeleteTextures(1, &s_Slots[slot]);
            s_Slots[slot] = 0;
            return false;
        }
        if (key) ApplyColourKey(decoded, *key);
        cache.push_back(Cached{path, key ? *key : 0u, key != nullptr, std::move(decoded)});
        img = &cache.back().img;
    }
    GLuint t = UploadTexture(*img);
    if (s_Slots[slot]) glDeleteTextures(1, &s_Slots[slot]);
    s_Slots[slot] = t;
    glBindFramebuffer(GL_FRAMEBUFFER, s_Fbo);
    return true;
}

void LoadTexture(int slot, const char* path, uint32_t colourKey) { LoadIntoSlot(slot, path, &colourKey); }

bool LoadTexturePlain(int slot, const char* path) { return LoadIntoSlot(slot, path, nullptr); }

bool TextureLoaded(int slot) { return slot >= 0 && slot < kTextureSlots && s_Slots[slot] != 0; }
