#include "talk/talk_faces.h"

int g_TalkLine = 0;
int g_LeftFace = 0;
int g_RightFace = 0;
int g_FaceCover = 0;

// Face sheet cells are 160x160 on screen; in the sheet a cell spans these
// fractions of the picture.
constexpr float kCellU = 0.15625f;
constexpr float kCellV = 0.3125f;

Quad LeftFaceQuad = MakeQuad(66, 70, 226, 230, 0, 0, kCellU, kCellV);
Quad RightFaceQuad = MakeQuad(414, 70, 574, 230, kCellU * 0, kCellV, kCellU, 2 * kCellV);
Quad CoverQuad = MakeQuad(66, 70, 226, 230, 4 * kCellU, 0, 5 * kCellU, kCellV, 0x80FFFFFFu);

static void SetCell(Quad& q, int col, int row) {
    SetQuadUV(q, kCellU * col, kCellV * row, kCellU * (col + 1), kCellV * (row + 1));
}

void SetupTalkFaces() {
    SetQuadRect(LeftFaceQuad, 66, 70, 226, 230);
    SetQuadRect(RightFaceQuad, 414, 70, 574, 230);
    if (g_LeftFace >= 0 && g_LeftFace <= 11) SetCell(LeftFaceQuad, g_LeftFace % 4, g_LeftFace / 4);
    if (g_RightFace >= 0 && g_RightFace <= 7) SetCell(RightFaceQuad, g_RightFace % 4, 1 + g_RightFace / 4);
    if (g_FaceCover >= 0 && g_FaceCover <= 5) {
        // Modes 0-2 cover the left portrait, 3-5 the right; half, none, full.
        static const uint32_t kAlpha[3] = {0x80FFFFFFu, 0x00FFFFFFu, 0xFFFFFFFFu};
        SetQuadColour(CoverQuad, kAlpha[g_FaceCover % 3]);
        float x0 = g_FaceCover < 3 ? 66.0f : 414.0f;
        SetQuadRect(CoverQuad, x0, 70, x0 + 160, 230);
        SetCell(CoverQuad, 4, 0);
    }
}
