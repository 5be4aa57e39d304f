// Shared between the graphics service's own files only.
#pragma once
#include "gfx/gfx.h"

// Draws a Quad with a raw GL texture name (0 draws nothing).
void DrawQuadWithTexture(unsigned texture, const Quad& q);
bool BlendIsAdditive();
void ReleaseTextFont();
// Makes the text atlas once a device exists (the font may come first).
void CreateTextAtlas();
// Whether the GL context exists (headless runs make it late, if ever).
bool DeviceReady();
