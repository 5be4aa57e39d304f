// The OpenGL the device draws with: 3.3 core on the desktop (through
// epoxy); in the browser, OpenGL ES 3.0 (WebGL 2), which has no BGRA
// uploads, reads or vertex colours and no texture swizzles.
#pragma once
#ifdef __EMSCRIPTEN__
#include <GLES3/gl3.h>
constexpr bool kGlEs = true;
// The window's drawable is the page's canvas, 640x480 always: the page
// scales it, so a window's frame can be drawn straight into it.
constexpr bool kCanvasIsFrame = true;
// Highp: texel coordinates into the 1024-square text atlas need it.
constexpr const char* kShaderHeader =
    "#version 300 es\nprecision highp float;\n#define VERTEX_COLOUR(c) (c).bgra\n";
// Desktop names in branches that GL ES never takes.
#define GL_BGRA 0x80E1
#define GL_TEXTURE_SWIZZLE_RGBA 0x8E46
#else
#include <epoxy/gl.h>
constexpr bool kGlEs = false;
constexpr bool kCanvasIsFrame = false;
constexpr const char* kShaderHeader = "#version 330 core\n#define VERTEX_COLOUR(c) (c)\n";
#endif
