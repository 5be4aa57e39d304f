#include "base/letterbox.h"

#include <algorithm>
#include <cmath>

Letterbox FitPicture(int drawableW, int drawableH) {
    int w = std::max(drawableW, 1), h = std::max(drawableH, 1);
    int sw = w, sh = w * 3 / 4;
    if (sh > h) {
        sh = h;
        sw = h * 4 / 3;
    }
    sw = std::max(sw, 1);
    sh = std::max(sh, 1);
    return Letterbox{(w - sw) / 2, (h - sh) / 2, sw, sh};
}

void MapPointer(int wx, int wy, int winW, int winH, int drawableW, int drawableH, int& x, int& y) {
    Letterbox box = FitPicture(drawableW, drawableH);
    double sx = double(std::max(drawableW, 1)) / std::max(winW, 1);
    double sy = double(std::max(drawableH, 1)) / std::max(winH, 1);
    // The centre of the window pixel, and the picture pixel whose square
    // holds it (floor: points in the bar left of the picture stay negative).
    double px = std::floor(((wx + 0.5) * sx - box.x) * 640.0 / box.w);
    double py = std::floor(((wy + 0.5) * sy - box.y) * 480.0 / box.h);
    x = int(std::clamp(px, 0.0, 639.0));
    y = int(std::clamp(py, 0.0, 479.0));
}
