// Stage 9's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,136,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  1,  1,  1,  1,152,  1,  1,  1,  1,  1,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1,  1,  1,  0,
      0,  0,  0,  1,  1,  1,  1,  1,  1,  1,  0,  0,  0,  1,  1,  1,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      1,  1,  1,  0,  0,  0,  0,  0,  0,  0,  0,  1,  1,  1,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  1,  1,  1,  1,  1,  1,  1,  0,  0,  0,  0,  0,  1,  1,  1,  1,  0,  0,
      0,  0,  2,  2,  2,  2,  2,  2,  2,  1,  1,  1,  1,  1,  2,  2,  2,  2,  0,  0,
};
// clang-format on

}  // namespace

// clang-format off
const Stage kStage9 = {
    .number = 9, .storyPlace = 5,
    .nextScene = kSceneTalk4Init,
    .music = "mid/5.mid", .background = kPicBackgrounds[5].path, .backgroundKey = kKeyWhite,
    .panel = kPicPanels[5].path, .chips = kPicChips[3].path,
    .hero = {320, 0, 1}, .partner = {384, 0, 0},
    .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
    .partnerRule = {kBothCorners, kBothCorners, kModeNone, true},
    .fallers = {{224, 0, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.875f, 0.9375f},
                {96, 96, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
    .paints = {1, 1, 1}, .stripSpeed = 0.08f, .threePots = true,
    .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
    .grid = &kGrid,
    .select = {0.0f, 0.1875f, "★ ★ ★ ★ ★", "『 襲撃の摩天楼 』", "“Raid on the Towers”", 0x3A1830, 0xC8483A, 0x4A4A5A},
    .enterStarts = true};
// clang-format on
