// Stage 4's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  8,  5,  5,  5,  5,  5,  5,  5,  5,  5,  5,  6,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  4,  5,  5,  5,  6,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      4,  5,  5,  5,  5,  0,  0,  4,  5,  5,  5,  5,  5,  5,  6,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0, 20, 21,  0,  0,  0,  0,  0,  0,  0,  0, 52, 52,  0,  0, 97,
      4,  5,  5,  5,  5, 36, 37,  5,  5,  5,  5,  5,  5,  5,  5, 68, 68,  5,  5,113,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {7, 5}, {7, 6}, {8, 5}, {8, 6}, {6, 5}, {6, 6}, {7, 15}, {8, 15}, {7, 16}, {8, 16}, {2, 8}
};

}  // namespace

// clang-format off
const Stage kStage4 = {
    .number = 4, .storyPlace = 4,
    .nextScene = kSceneTalk8Init,
    .music = "mid/4.mid", .background = kPicBackgrounds[4].path, .backgroundKey = kKeyBlack,
    .panel = kPicPanels[4].path, .chips = kPicChips[3].path,
    .hero = {0, 224, 0}, .partner = {608, 32, 1},
    .heroRule = {kLeftCorners, {kLeftEdge, kLeftStrip}, kModeOfPartner, false},
    .partnerRule = {kBothCorners, kBothCorners, kModeNone, true},
    .fallers = {{256, 32, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
                {416, 160, kMapCorners, 63, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0}},
    .paints = {1, 2, 1}, .stripSpeed = 0.015f, .threePots = true,
    .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.75f, 0.0f, "★ ★ ★ ★", "『 夕暮時の晩ごはん 』", "“Supper at Sundown”", 0xE88A5A, 0xF8D890, 0x7A5A48}};
// clang-format on
