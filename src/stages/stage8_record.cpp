// Stage 8's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      2,  2,  2,  2,  2,  2,  2,  0,  0,  2,  2,  2,  2,  2,  2,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0, 68, 69,  0,  0,  0,199,199,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  2,  2, 84, 85,  2,  2,  2,  2,  2,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 36, 37, 38, 39,
      0,  0,  0,  0,  0,  0,  0,  2,  2,  0,  0,  0,  0,  2,  2,  2,  0,  0,  0,  0,
      2,  2,  2,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0, 68, 69,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 35,144,144,  4,
      2,  2,  2, 84, 85,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2, 51,160,160, 20,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {8, 17}, {9, 17}, {8, 18}, {9, 18}, {2, 7}, {2, 8}, {3, 7}, {3, 8}, {4, 7}, {4, 8}, {7, 3},
    {7, 4}, {8, 3}, {8, 4}, {9, 3}, {9, 4}, {6, 16}, {7, 16}, {8, 16}, {9, 16}, {5, 16}, {5, 17},
    {5, 18}, {5, 19}
};

}  // namespace

// clang-format off
const Stage kStage8 = {
    .number = 8, .storyPlace = 9,
    .nextScene = kSceneTalk9Init,
    .music = "mid/1.mid", .background = kPicBackgrounds[1].path, .backgroundKey = kKeyWhite,
    .panel = kPicPanels[7].path, .chips = kPicChips[1].path,
    .hero = {0, 32, 0}, .partner = {352, 96, 1},
    .heroRule = {kBothCorners, {kNoEdges, kRightSide}, kModeOwn, false},
    .partnerRule = {kBothCorners, {kNoEdges, kRightSide}, kModeOwn, true},
    .fallers = {{544, 128, kMapCorners, 63, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0}},
    .paints = {2, 0, 3}, .stripSpeed = 0.03f, .threePots = true,
    .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.0f, 0.375f, "★ ★ ★ ★ ★ ★ ★ ★", "『 そして伝説へ 』", "“And into Legend”", 0xE8B050, 0xFFF0C0, 0x8A6A3A}};
// clang-format on
