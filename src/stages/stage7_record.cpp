// Stage 7's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  7,  7,  7,  7, 92, 93,  7,  7,  7,  7,  0,  0,  7,  7,  7,  7,  0,  0,
      0,  0,  0,  0,  0,  0,108,109,  0,  0,  0,  0,  8,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  7,  7,  7,124,125,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  7,  7,
      0,  0,  0,  0,  0,  0,  0,  0,  7,  7,  7,  7, 57,  0,  0,  0,  0,  0,  0,  0,
      7,  7,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 73,  7,  7,  7,  7,  7,  0,  0,
      0,  0,  7,  0,  0,  0,  0,  0,  0,  0,  7,  7,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  7,  7,  7,  7,  0,  0,  0,  0,  0,  7,  7,  7,  7,  7,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  7,  7,  7,  7,  7,  7,  7,  7,  7,  7,  7,  7,  7,  7,  0,  0,  0,  0,  0,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {4, 12}, {5, 12}, {1, 6}, {1, 7}, {2, 6}, {2, 7}, {3, 6}, {3, 7}, {2, 12}
};

}  // namespace

// clang-format off
const Stage kStage7 = {
    .number = 7, .storyPlace = 7,
    .nextScene = kSceneTalk6Init,
    .music = "mid/3.mid", .background = kPicBackgrounds[7].path, .backgroundKey = kKeyWhite,
    .panel = kPicPanels[3].path, .chips = kPicChips[3].path,
    .hero = {96, 0, 0}, .partner = {160, 64, 1},
    .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
    .partnerRule = {kBothCorners, {kNoEdges, kLeftStrip}, kModeOwn, true},
    .fallers = {{352, 0, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.8125f, 0.875f},
                {96, 64, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
    .paints = {1, 1, 1}, .stripSpeed = 0.02f, .threePots = true,
    .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.75f, 0.1875f, "★ ★ ★ ★ ★ ★ ★", "『 高いのよ、崖が 』", "“Such High Cliffs!”", 0xE8A870, 0xF8E0B0, 0xA8684A}};
// clang-format on
