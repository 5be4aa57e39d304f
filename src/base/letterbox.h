// Where the 640x480 picture lies in a drawable of any size, and how a
// pointer position in the window maps back to picture pixels. Pure
// arithmetic, so that every window size can be checked directly.
#pragma once

struct Letterbox {
    int x, y, w, h;  // the picture's rectangle in drawable pixels
};

// The largest 4:3 rectangle that fits, centred (black bars around).
Letterbox FitPicture(int drawableW, int drawableH);

// A pointer at (wx, wy) in a window of winW x winH points whose drawable is
// drawableW x drawableH pixels (they differ on high-density screens): the
// picture pixel under it, clamped to 0..639, 0..479.
void MapPointer(int wx, int wy, int winW, int winH, int drawableW, int drawableH, int& x, int& y);
