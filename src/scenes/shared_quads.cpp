#include "scenes/shared_quads.h"

Quad ScrollQuad = MakeQuad(0, 0, 1024, 256, 0.01f, 0.0f, 1.0f, 0.5f);
