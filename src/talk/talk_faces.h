// Portraits of the dialogue scenes (and the prologue): which face shows on
// each side and how the cover greys out or hides one of them.
#pragma once
#include "gfx/gfx.h"

extern int g_TalkLine;   // line being shown
extern int g_LeftFace;   // 0..11
extern int g_RightFace;  // 0..7
extern int g_FaceCover;  // 0..5

extern Quad LeftFaceQuad, RightFaceQuad, CoverQuad;

// Writes the three portrait Quads from the face and cover values.
void SetupTalkFaces();
