// Where generated files go. Each writer creates the folders it needs, keeps
// the colour-key contract for keyed pictures, and counts what was written
// for the run's summary line.
#pragma once
#include <filesystem>
#include <string>

#include "canvas.h"
#include "gfx/colour_keys.h"
#include "gfx/picture_files.h"
#include "imageio.h"

namespace ag {

class Midi;
class Pcm;

class Output {
public:
    // picturesOnly: tunes and sounds are not written.
    explicit Output(std::filesystem::path root, bool picturesOnly = false);

    // Absolute path of a data file (for example "img/kao.png"); its folder exists.
    std::string path(const std::string& rel);

    // While lettering English, pictures go to img/en/ beside the Japanese
    // ones, and only those that differ from theirs are kept; tunes and
    // sounds are not written again.

    // A picture the game loads with colour key `key`: pixels under half
    // coverage become the exact key, opaque pixels never equal it; saved as
    // 8-bit RGB so the key compares equal with alpha 0xFF.
    void keyedPng(const std::string& rel, Canvas c, Rgba key);
    // Same contract, saved as a 24-bit Windows bitmap.
    void keyedBmp(const std::string& rel, Canvas c, Rgba key);
    // A picture of the game's list, to its own key.
    void keyedPng(const PictureFile& pic, Canvas c) { keyedPng(pic.path, std::move(c), fromArgb(pic.key)); }
    void keyedBmp(const PictureFile& pic, Canvas c) { keyedBmp(pic.path, std::move(c), fromArgb(pic.key)); }
    // A picture with real alpha (the window icon) or none (plain loads).
    void png(const std::string& rel, const Canvas& c, PngKind kind);
    void wav(const std::string& rel, const Pcm& p);
    void midi(const std::string& rel, const Midi& m);

    // Every picture written from now on is listed in `file` with the ink
    // box of each text lettered into it (takeLettering), one line a text:
    // language, picture, the canvas's width and height, the frame's box, the
    // ink's box, the text.
    void reportLettering(const std::string& file);

    int pictures() const { return pictures_; }
    int sounds() const { return sounds_; }
    int tunes() const { return tunes_; }
    uintmax_t bytes() const { return bytes_; }

private:
    // Where a picture is written: its own path, or its English copy's.
    std::string picturePath(const std::string& rel);
    // Counts a written picture; drops an English copy that is the same as
    // the shared picture.
    void pictureWritten(const std::string& rel, const std::string& abs);
    void counted(const std::string& abs);
    std::filesystem::path root_;
    std::string letteringReport_;
    bool picturesOnly_;
    int pictures_ = 0, sounds_ = 0, tunes_ = 0;
    uintmax_t bytes_ = 0;
};

// The game's colour keys (gfx/colour_keys.h) as the generator's colours.
inline constexpr Rgba kKeyGreen = fromArgb(::kKeyGreen);
inline constexpr Rgba kKeyBlack = fromArgb(::kKeyBlack);
inline constexpr Rgba kKeyWhite = fromArgb(::kKeyWhite);
inline constexpr Rgba kKeyNearBlack = fromArgb(::kKeyNearBlack);
inline constexpr Rgba kKeyGreyBlue = fromArgb(::kKeyGreyBlue);

}  // namespace ag
