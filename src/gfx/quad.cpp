#include "gfx/gfx.h"

Quad MakeQuad(float x0, float y0, float x1, float y1, float u0, float v0, float u1, float v1,
              uint32_t argb) {
    Quad q{};
    SetQuadRect(q, x0, y0, x1, y1);
    SetQuadUV(q, u0, v0, u1, v1);
    SetQuadColour(q, argb);
    for (TlVertex& v : q.v) v.rhw = 1.0f;
    return q;
}

void SetQuadRect(Quad& q, float x0, float y0, float x1, float y1) {
    q.v[0].x = x0; q.v[0].y = y0;
    q.v[1].x = x1; q.v[1].y = y0;
    q.v[2].x = x1; q.v[2].y = y1;
    q.v[3].x = x0; q.v[3].y = y1;
}

void SetQuadUV(Quad& q, float u0, float v0, float u1, float v1) {
    q.v[0].u = u0; q.v[0].v = v0;
    q.v[1].u = u1; q.v[1].v = v0;
    q.v[2].u = u1; q.v[2].v = v1;
    q.v[3].u = u0; q.v[3].v = v1;
}

void SetQuadColour(Quad& q, uint32_t argb) {
    for (TlVertex& v : q.v) v.diffuse = argb;
}

Quad FullScreenQuad = MakeQuad(0, 0, 640, 480, 0.0f, 0.01f, 1.0f, 1.0f, 0xFFFFFFFFu);
Quad LogoQuad = MakeQuad(226, 174, 414, 306, 0.0f, 0.01f, 1.0f, 1.0f, 0x00FFFFFFu);
