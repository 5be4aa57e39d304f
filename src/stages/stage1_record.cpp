// Stage 1's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0, 19,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0, 35,  0,  0,  0,  0,  0,  0,  0,  0, 36, 37, 38, 39, 40,
      2,  2,  2,  2,  2,  2, 51,  0,  0,  0,  0, 96, 97,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  3,  2,  2,  2,112,113,  0,  0,  0,144,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  3,  2,  2,160,  2,  2,  2,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {4, 6}, {5, 6}, {6, 6}, {6, 11}, {6, 12}, {7, 11}, {7, 12}, {7, 16}, {8, 16}, {5, 15}, {5, 16},
    {5, 17}, {5, 18}, {5, 19}
};

}  // namespace

// clang-format off
const Stage kStage1 = {
    .number = 1, .storyPlace = 1,
    .nextScene = kSceneTalk1Init,
    .music = "mid/1.mid", .background = kPicBackgrounds[1].path, .backgroundKey = kKeyBlack,
    .panel = kPicPanels[1].path, .chips = kPicChips[1].path,
    .hero = {0, 160, 0}, .partner = {576, 128, 1},
    .heroRule = {kLeftCorners, kLeftCorners, kModeNone, false},
    // She waits as a faller from her start place, with a walker's quad; her
    // texture coordinates are her paint's.
    .partnerStill = true, .partnerFall = {0, 0, kLeftCorners, 31, 31, kUvNone, 0, 0, 0, 0},
    .fallers = {{512, 128, kMapCorners, 31, 32, kUvBoth, 0.0f, 0.125f, 0.875f, 0.9375f}},
    .paints = {3, kPaintKept, kPaintKept}, .stripSpeed = 0.05f, .threePots = false, .onePotColour = 1, .onePotX = 128,
    .digitsDrawn = 0b001, .digitPos = {{192, 384}, {-1, -1}, {-1, -1}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.0f, 0.0f, "★", "『 お前とランデヴー 』", "“A Date with You”", 0x8EC5EE, 0xFBE8C8, 0x8C6A4A},
    .partnerLabel = true, .soundsFirst = true};
// clang-format on
