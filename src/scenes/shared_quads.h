// Quads that several front-end scenes draw through with their own values.
#pragma once
#include "gfx/gfx.h"

extern Quad ScrollQuad;  // a scrolling picture (prologue, menus, endings)
