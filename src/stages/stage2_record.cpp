// Stage 2's record and its grid as it stands when the program starts (rows
// 10..14 stay empty).
#include "stages/stage_records.h"

namespace {

// clang-format off
constexpr StageMap kGrid = {
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0, 48, 49,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      1,  2,  2,  2,  2,  2, 64, 65,  3,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      1,  2,  2,  2,  2,  2,  3,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0, 10,  0,  0,  0, 16, 17,  0,  0,  0,  0,  0,  0,  0,  0,  0,
      0,  0,  0,  0,  0, 26,  2,  2,  2, 32, 33,  2,  2,  2,  3,  0,  0,  0,  0,  0,
      1,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 15,
      0,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2, 31,
};
// clang-format on

constexpr GridCell kRestored[] = {
    {2, 6}, {2, 7}, {3, 6}, {3, 7}, {6, 5}, {7, 5}, {6, 9}, {7, 9}, {6, 10}, {7, 10}, {5, 9},
    {5, 10}
};

}  // namespace

// clang-format off
const Stage kStage2 = {
    .number = 2, .storyPlace = 2,
    .nextScene = kSceneTalk2Init,
    .music = "mid/2.mid", .background = kPicBackgrounds[2].path, .backgroundKey = kKeyWhite,
    .panel = kPicPanels[2].path, .chips = kPicChips[2].path,
    .hero = {0, 64, 0}, .partner = {0, 128, 0},
    .heroRule = {kLeftCorners, {kLeftEdge, kRightSide}, kModeOwn, true},
    .partnerRule = {kLeftCorners, {kLeftEdge, kLeftStrip}, kModeOwn, false},
    .fallers = {{448, 192, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
    .paints = {0, kPaintKept, 4}, .stripSpeed = 0.04f, .threePots = false, .onePotColour = 3, .onePotX = 192,
    .digitsDrawn = 0b101, .digitPos = {{128, 384}, {-1, -1}, {256, 384}},
    .grid = &kGrid, .restored = Restored(kRestored),
    .select = {0.25f, 0.0f, "★ ★ ★", "『 ジメジメをいく私 』", "“Through the Damp”", 0x5E7E78, 0xA8C4A0, 0x5A6A48}};
// clang-format on
