// Pictures whose hints name the pointer come in two copies: the mouse's
// ("click", "right-click") and the touch screen's ("tap", "long press").
#pragma once
#include "base/platform.h"
#include "gfx/picture_files.h"

// The touch screen's copy after a finger's press, else the mouse's.
inline const PictureFile& PointerPicture(const PictureFile& mouse, const PictureFile& touch) {
    return g_Finger ? touch : mouse;
}
