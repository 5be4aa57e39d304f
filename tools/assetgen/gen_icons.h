// The game's icon at any size, and the desktop menu's icon set.
#pragma once
#include <string>

#include "canvas.h"

namespace ag {

inline constexpr int kDesktopIconSizes[] = {48, 64, 128, 256};
inline constexpr int kWindowsIconSizes[] = {16, 24, 32, 48, 64, 256};

Canvas gameIcon(int size);
std::string gameIconSvg();
// Writes DIR/NxN/apps/tolvane.png for each size and DIR/scalable/apps/tolvane.svg
// (the layout of an icon theme).
void writeDesktopIcons(const std::string& dir);
// Writes the Windows program's icon file (the sizes Explorer shows).
void writeWindowsIcon(const std::string& path);
// Writes the web page's icons into DIR: icon-192.png and icon-512.png as
// they are, icon-maskable-192.png and -512.png on the page's night colour
// with the picture inside the safe circle (80%), and favicon.png (32).
void writeWebIcons(const std::string& dir);

}  // namespace ag
