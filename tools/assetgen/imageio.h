// Picture files: PNG through libpng (8-bit RGB or RGBA) and the 24-bit
// uncompressed Windows bitmap. Writers throw Failure when a file cannot be
// written.
#pragma once
#include <string>
#include <vector>

#include "canvas.h"

namespace ag {

enum class PngKind { Rgb, Rgba };

void writePng(const std::string& path, const Canvas& c, PngKind kind);
// A Windows icon file holding each canvas (square, at most 256 pixels).
void writeIco(const std::string& path, const std::vector<Canvas>& sizes);
void writeBmp24(const std::string& path, const Canvas& c);  // alpha is dropped
// Reads an 8-bit RGB/RGBA/palette/grey PNG (for checks); throws on failure.
Canvas readPng(const std::string& path);

}  // namespace ag
