// Stage 6's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0, 10,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0, 26,  2,  2,  2,  2,  2,  2,  2,  3,  8,  9,  3,  2,  2,  1,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 24, 25,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1,  2,  2, 40, 41,  3,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  1,  2,  2,  2,  3,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1,  3,
     15,  0,  0,  0,  0,  0,  1,  2,  2,  2,  2,  3,  8,  9,  8,  9,  8,  9,  0,  0,
     31,  2,  2,  0,  0,  0,  0,  0,  0,  0,  0,  0, 24, 25, 24, 25, 24, 25,  0,  0,
      0,  0,  0,  0,  1,  3,  0,  0,  0,  0,  0,  0, 40, 41, 40, 41, 40, 41,  0,  0,
      0,  0,  0,  0,  0,  0,  1,  2,  2,  2,  2,  3,  0,  0,  0,  0,  0,  0,  1,  3,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {0, 5}, {1, 5}, {1, 14}, {1, 15}, {2, 14}, {2, 15}, {3, 14}, {3, 15}
};

}  // namespace

// clang-format off
const Stage kStage6 = {
    .number = 6, .storyPlace = 8,
    .nextScene = kSceneTalk7Init,
    .music = "mid/2.mid", .background = kPicBackgrounds[2].path, .backgroundKey = kKeyWhite,
    .panel = kPicPanels[6].path, .chips = kPicChips[2].path,
    .hero = {192, 0, 0}, .partner = {388, 64, 0},
    .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
    .partnerRule = {kBothCorners, {kNoEdges, kLeftStrip}, kModeOwn, true},
    .fallers = {{352, 64, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
                {192, 96, kMapCorners, 64, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0},
                {320, 160, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.875f, 0.9375f}},
    .paints = {0, 2, 2}, .stripSpeed = 0.02f, .threePots = true,
    .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.5f, 0.1875f, "★ ★ ★ ★ ★ ★ ★ ★ ★", "『 ここを抜けたら… 』", "“Just Past Here…”", 0x2A2430, 0x8A7A60, 0x5A4A40}};
// clang-format on
