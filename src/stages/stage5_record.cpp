// Stage 5's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      4,  5,  5,  5,  5,  5,  8,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  8,  8,  8,  4,  5,  5,  6,
      0,  0,  0,  0,  0,  0,  0,  4,  5,  5,  5,  5,  6,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0, 52,  0,  0,  0,  0,  0,  0, 52,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0, 68,  5,  5,  5,  5,  5,  5, 68,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 12, 13,  4,  5,  5,  6,
     97,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 28, 29,  0,  0,  0,  0,
    113,  5,  5,  5,  5,  5,  5,  5,  5,  5,  5,  5,  5,  5, 44, 45,  5,  5,  5,  6,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {4, 6}, {5, 6}, {4, 13}, {5, 13}, {1, 6}, {2, 13}, {2, 14}, {2, 15}
};

}  // namespace

// clang-format off
const Stage kStage5 = {
    .number = 5, .storyPlace = 6,
    .nextScene = kSceneTalk5Init,
    .music = "mid/4.mid", .background = kPicBackgrounds[6].path, .backgroundKey = kKeyWhite,
    .panel = kPicPanels[4].path, .chips = kPicChips[3].path,
    .hero = {0, 0, 0}, .partner = {320, 128, 1},
    .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
    .partnerRule = {kBothCorners, kBothCorners, kModeNone, true},
    .fallers = {{192, 0, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
                {416, 32, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
    .paints = {2, 2, 0}, .stripSpeed = 0.02f, .threePots = true,
    .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.25f, 0.1875f, "★ ★ ★ ★ ★ ★", "『 夜空に願いを☆ 』", "“Wish on a Star☆”", 0x101838, 0x3A3A78, 0x3A4A5A}};
// clang-format on
