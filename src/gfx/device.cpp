// The drawing device: an OpenGL 3.3 core context, a 640x480 offscreen frame
// that every scene draws into, and the present step that scales it to the
// window (aspect kept, black bars around).
#include <SDL2/SDL.h>
#include <epoxy/gl.h>
#include <sys/stat.h>

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
bool s_Drawing = true;
bool s_GlPending = false;  // GL work queued since the last flush
int s_QuadsThisFrame = 0;
constexpr int kRingQuads = 8192;  // quads per streaming buffer before orphaning

// A decoded and uploaded picture file; tex is 0 until a device exists.
struct Picture {
    std::string path;
    bool keyed;
    uint32_t key;
    off_t size;
    time_t mtimeSec;
    long mtimeNsec;
    GLuint tex;
};
std::vector<Picture> s_Pictures;
int s_SlotPicture[kTextureSlots] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
void UploadSlotPictures();
bool CreateDevice();

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
    if (!s_Context) return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, s_Additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
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
bool BlendIsAdditive() { return s_Additive; }

namespace {

// Makes the GL context and everything drawn through it; false (after an
// ErrorBox) when the driver refuses.
bool CreateDevice() {
    SDL_Window* win = EnsureAppWindow() ? AppWindow() : nullptr;
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
    ApplyBlend();
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
        if (s_Vbo) glDeleteBuffers(1, &s_Vbo);
        if (s_Vao) glDeleteVertexArrays(1, &s_Vao);
        if (s_Program) glDeleteProgram(s_Program);
        SDL_GL_DeleteContext(s_Context);
    }
    s_Fbo = s_FboColour = s_Vbo = s_Vao = s_Program = 0;
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
    if (!s_Context || !s_Drawing) return;
    s_GlPending = true;
    glBindFramebuffer(GL_FRAMEBUFFER, s_Fbo);
    glViewport(0, 0, kScreenW, kScreenH);
    glClearColor(((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f, (argb & 0xFF) / 255.0f,
                 (argb >> 24) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void BeginDrawing() {
    if (!s_Context || !s_Drawing) return;
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
    if (!s_Context || !s_Drawing || texture == 0) return;
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
    if (slot < 0 || slot >= kTextureSlots || s_SlotPicture[slot] < 0) return;
    DrawQuadWithTexture(s_Pictures[size_t(s_SlotPicture[slot])].tex, q);
}

bool PresentFrame() {
    if (!s_Context) return true;
    SDL_Window* win = AppWindow();
    if (AppHeadless()) {
        // Nothing swaps a headless frame: without a flush the driver keeps
        // queueing every frame's commands and grows without bound.
        if (s_GlPending) glFlush();
        s_GlPending = false;
        return true;
    }
    if (!s_Drawing) return true;
    if (win) {
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
    if (!s_Context) return false;
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

namespace {

GLuint UploadTexture(const Image& img) {
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

}  // namespace

namespace {

bool SameStamp(const Picture& p, const struct stat& st) {
    return p.size == st.st_size && p.mtimeSec == st.st_mtim.tv_sec && p.mtimeNsec == st.st_mtim.tv_nsec;
}

// Decodes a picture's file (colour key applied) and uploads it; 0 when the
// file does not decode.
GLuint DecodeAndUpload(const Picture& p) {
    Image img;
    if (!DecodeImageFile(p.path.c_str(), img)) return 0;
    if (p.keyed) ApplyColourKey(img, p.key);
    GLuint t = UploadTexture(img);
    s_GlPending = true;
    glBindFramebuffer(GL_FRAMEBUFFER, s_Fbo);
    return t;
}

void UploadSlotPictures() {
    for (int i : s_SlotPicture)
        if (i >= 0 && !s_Pictures[size_t(i)].tex) s_Pictures[size_t(i)].tex = DecodeAndUpload(s_Pictures[size_t(i)]);
}

bool LoadIntoSlot(int slot, const char* path, const uint32_t* key) {
    if (!s_Alive || slot < 0 || slot >= kTextureSlots) return false;
    s_SlotPicture[slot] = -1;
    // Pictures are kept by path, colour key and file stamp: stage restarts
    // load the same files again and must stay quick, while a file that
    // changed or went away is seen exactly as a fresh load would see it.
    struct stat st;
    if (stat(path, &st) != 0) return false;
    for (size_t i = 0; i < s_Pictures.size(); ++i) {
        const Picture& p = s_Pictures[i];
        if (p.path == path && p.keyed == (key != nullptr) && (!key || p.key == *key) && SameStamp(p, st)) {
            s_SlotPicture[slot] = int(i);
            return true;
        }
    }
    Picture p{path, key != nullptr, key ? *key : 0u, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec, 0};
    if (s_Context) {
        p.tex = DecodeAndUpload(p);
        if (!p.tex) return false;
    } else {
        // No device yet: the file is still checked now, as a load would.
        Image img;
        if (!DecodeImageFile(path, img)) return false;
    }
    s_Pictures.push_back(std::move(p));
    s_SlotPicture[slot] = int(s_Pictures.size() - 1);
    return true;
}

}  // namespace

void LoadTexture(int slot, const char* path, uint32_t colourKey) { LoadIntoSlot(slot, path, &colourKey); }

bool LoadTexturePlain(int slot, const char* path) { return LoadIntoSlot(slot, path, nullptr); }

bool TextureLoaded(int slot) { return slot >= 0 && slot < kTextureSlots && s_SlotPicture[slot] >= 0; }
