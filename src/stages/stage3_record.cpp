// Stage 3's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      7,  7,  7,  7,  7,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  7,  7,  7,  7,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 57,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  7,  7,  7,  7,  7,  7, 73,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  7,  7,  7,  7,  7,  7,  7,  0,  0,
     98,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
    114,  7,  7,  7,  7,  7,  7,  7,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  7,  7,  0,  0,  0,  0,  0,  0,  0,  0,  0,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {3, 10}, {4, 10}
};

}  // namespace

// clang-format off
const Stage kStage3 = {
    .number = 3, .storyPlace = 3,
    .nextScene = kSceneTalk3Init,
    .music = "mid/3.mid", .background = kPicBackgrounds[3].path, .backgroundKey = kKeyBlack,
    .panel = kPicPanels[3].path, .chips = kPicChips[3].path,
    .hero = {0, 0, 0}, .partner = {608, 32, 1},
    .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
    .partnerRule = {kRightCorners, kRightCorners, kModeNone, true},
    .fallers = {{128, 0, kMapCorners, 31, 32, kUvBoth, 0.5f, 0.625f, 0.0f, 0.0625f},
                {512, 32, kMapCorners, 31, 32, kUvBoth, 0.5f, 0.625f, 0.0f, 0.0625f},
                {320, 160, kMapCorners, 63, 64, kUvBoth, 0.75f, 1.0f, 0.0f, 0.0625f}},
    .paints = {0, 4, 0}, .stripSpeed = 0.03f, .threePots = false, .onePotColour = 2, .onePotX = 128,
    .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.5f, 0.0f, "★ ★", "『 高所恐怖症の彼 』", "“Scared of Heights”", 0x4A8EE0, 0xCFE6F8, 0x8A8AA0},
    .waveStrip = true};
// clang-format on
