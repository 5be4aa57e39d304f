// Which hit test each walker and faller of each stage uses, and where the
// fallers start. The step code is shared; only these tables differ.
#include "stage/walker.h"

namespace {

constexpr BoxTest kLeftCorners = {kLeftEdge, kCorners};
constexpr BoxTest kRightCorners = {kRightEdge, kCorners};
constexpr BoxTest kBothCorners = {kBothEdges, kCorners};
constexpr BoxTest kMapCorners = {kNoEdges, kCorners};

}  // namespace

// stage, mode 0, mode 1, mode source, gated by gravityOff
const WalkerRule kHeroRules[kStageCount + 1] = {
    {0, kMapCorners, kMapCorners, kModeNone, false},
    {1, kLeftCorners, kLeftCorners, kModeNone, false},
    // Mode 1 tests the right side only: walking left he passes walls until
    // the screen edge stops him.
    {2, kLeftCorners, {kLeftEdge, kRightSide}, kModeOwn, true},
    {3, kBothCorners, kBothCorners, kModeNone, true},
    // The stage-4 script keeps the mode in the partner's field.
    {4, kLeftCorners, {kLeftEdge, kLeftStrip}, kModeOfPartner, false},
    {5, kBothCorners, kBothCorners, kModeNone, true},
    {6, kBothCorners, kBothCorners, kModeNone, true},
    {7, kBothCorners, kBothCorners, kModeNone, true},
    {8, kBothCorners, {kNoEdges, kRightSide}, kModeOwn, false},
    {9, kBothCorners, kBothCorners, kModeNone, true},
};

const WalkerRule kPartnerRules[kStageCount + 1] = {
    {0, kMapCorners, kMapCorners, kModeNone, false},
    // Unused: stage 1's partner steps by kStage1PartnerRule.
    {1, kLeftCorners, kLeftCorners, kModeNone, false},
    {2, kLeftCorners, {kLeftEdge, kLeftStrip}, kModeOwn, false},
    {3, kRightCorners, kRightCorners, kModeNone, true},
    {4, kBothCorners, kBothCorners, kModeNone, true},
    {5, kBothCorners, kBothCorners, kModeNone, true},
    {6, kBothCorners, {kNoEdges, kLeftStrip}, kModeOwn, true},
    {7, kBothCorners, {kNoEdges, kLeftStrip}, kModeOwn, true},
    {8, kBothCorners, {kNoEdges, kRightSide}, kModeOwn, true},
    {9, kBothCorners, kBothCorners, kModeNone, true},
};

// Its position comes from the stage init; its quad is a walker's (31 wide)
// and its texture coordinates are the paint code's.
const FallerRule kStage1PartnerRule = {1, 0, 576, 128, kLeftCorners, 31, 31, kUvNone, 0, 0, 0, 0};

// stage, faller, start x, y, test, R, quad width, written uv, u0, u1, v0, v1
const FallerRule kFallerTable[] = {
    {1, 1, 512, 128, kMapCorners, 31, 32, kUvBoth, 0.0f, 0.125f, 0.875f, 0.9375f},
    {2, 1, 448, 192, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
    {3, 1, 128, 0, kMapCorners, 31, 32, kUvBoth, 0.5f, 0.625f, 0.0f, 0.0625f},
    {3, 2, 512, 32, kMapCorners, 31, 32, kUvBoth, 0.5f, 0.625f, 0.0f, 0.0625f},
    {3, 3, 320, 160, kMapCorners, 63, 64, kUvBoth, 0.75f, 1.0f, 0.0f, 0.0625f},
    {4, 1, 256, 32, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
    {4, 2, 416, 160, kMapCorners, 63, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0},
    {5, 1, 192, 0, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
    {5, 2, 416, 32, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
    {6, 1, 352, 64, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
    // 65-pixel box under a 64-pixel picture: a wall starting right at its
    // right edge stops it.
    {6, 2, 192, 96, kMapCorners, 64, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0},
    {6, 3, 320, 160, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.875f, 0.9375f},
    {7, 1, 352, 0, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.8125f, 0.875f},
    {7, 2, 96, 64, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
    {8, 1, 544, 128, kMapCorners, 63, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0},
    {9, 1, 224, 0, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.875f, 0.9375f},
    {9, 2, 96, 96, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
};
const int kFallerTableSize = int(sizeof(kFallerTable) / sizeof(kFallerTable[0]));
