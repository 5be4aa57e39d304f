// Every stage of the game, one record each: its scenes and place in the
// story, pictures and tune, walkers and fallers, pots, the cells its restart
// puts back, its stage-select row and its script. The story order is the
// storyPlace field, written nowhere else.
#include "app/scenes.h"
#include "gfx/gfx.h"
#include "stages/stage_scripts.h"

namespace {

constexpr BoxTest kLeftCorners = {kLeftEdge, kCorners};
constexpr BoxTest kRightCorners = {kRightEdge, kCorners};
constexpr BoxTest kBothCorners = {kBothEdges, kCorners};
constexpr BoxTest kMapCorners = {kNoEdges, kCorners};

// The cells each stage's events change (row, column); their codes come from
// the grid. Animated edge cells and stage 9's are left alone: their events
// rewrite them anyway.
constexpr GridCell kRestored1[] = {
    {4, 6}, {5, 6}, {6, 6}, {6, 11}, {6, 12}, {7, 11}, {7, 12}, {7, 16}, {8, 16}, {5, 15}, {5, 16},
    {5, 17}, {5, 18}, {5, 19}
};
constexpr GridCell kRestored2[] = {
    {2, 6}, {2, 7}, {3, 6}, {3, 7}, {6, 5}, {7, 5}, {6, 9}, {7, 9}, {6, 10}, {7, 10}, {5, 9},
    {5, 10}
};
constexpr GridCell kRestored3[] = {
    {3, 10}, {4, 10}
};
constexpr GridCell kRestored4[] = {
    {7, 5}, {7, 6}, {8, 5}, {8, 6}, {6, 5}, {6, 6}, {7, 15}, {8, 15}, {7, 16}, {8, 16}, {2, 8}
};
constexpr GridCell kRestored5[] = {
    {4, 6}, {5, 6}, {4, 13}, {5, 13}, {1, 6}, {2, 13}, {2, 14}, {2, 15}
};
constexpr GridCell kRestored6[] = {
    {0, 5}, {1, 5}, {1, 14}, {1, 15}, {2, 14}, {2, 15}, {3, 14}, {3, 15}
};
constexpr GridCell kRestored7[] = {
    {4, 12}, {5, 12}, {1, 6}, {1, 7}, {2, 6}, {2, 7}, {3, 6}, {3, 7}, {2, 12}
};
constexpr GridCell kRestored8[] = {
    {8, 17}, {9, 17}, {8, 18}, {9, 18}, {2, 7}, {2, 8}, {3, 7}, {3, 8}, {4, 7}, {4, 8}, {7, 3},
    {7, 4}, {8, 3}, {8, 4}, {9, 3}, {9, 4}, {6, 16}, {7, 16}, {8, 16}, {9, 16}, {5, 16}, {5, 17},
    {5, 18}, {5, 19}
};

}  // namespace

// Walker rules: hit test in mode 0 and in mode 1, where the mode comes from,
// whether gravityOff switches gravity off. Fallers: start x and y, hit test,
// box right R (31, 63, or 64 for stage 6's 65-pixel box under a 64-pixel
// picture, which a wall right at its right edge stops), quad width, the
// texture coordinates its step writes (u0, u1, v0, v1).
// clang-format off
const Stage kStages[kStageCount + 1] = {
    {},
    {.number = 1, .storyPlace = 1,
     .initScene = kSceneStage1Init, .frameScene = kSceneStage1Frame, .nextScene = kSceneTalk1Init,
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
     .restored = Restored(kRestored1),
     .select = {0.0f, 0.0f, "★", "『 お前とランデヴー 』", "“A Date with You”"},
     .script = &kStage1Script, .partnerLabel = true, .soundsFirst = true},
    {.number = 2, .storyPlace = 2,
     .initScene = kSceneStage2Init, .frameScene = kSceneStage2Frame, .nextScene = kSceneTalk2Init,
     .music = "mid/2.mid", .background = kPicBackgrounds[2].path, .backgroundKey = kKeyWhite,
     .panel = kPicPanels[2].path, .chips = kPicChips[2].path,
     .hero = {0, 64, 0}, .partner = {0, 128, 0},
     .heroRule = {kLeftCorners, {kLeftEdge, kRightSide}, kModeOwn, true},
     .partnerRule = {kLeftCorners, {kLeftEdge, kLeftStrip}, kModeOwn, false},
     .fallers = {{448, 192, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
     .paints = {0, kPaintKept, 4}, .stripSpeed = 0.04f, .threePots = false, .onePotColour = 3, .onePotX = 192,
     .digitsDrawn = 0b101, .digitPos = {{128, 384}, {-1, -1}, {256, 384}},
     .restored = Restored(kRestored2),
     .select = {0.25f, 0.0f, "★ ★ ★", "『 ジメジメをいく私 』", "“Through the Damp”"},
     .script = &kStage2Script},
    {.number = 3, .storyPlace = 3,
     .initScene = kSceneStage3Init, .frameScene = kSceneStage3Frame, .nextScene = kSceneTalk3Init,
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
     .restored = Restored(kRestored3),
     .select = {0.5f, 0.0f, "★ ★", "『 高所恐怖症の彼 』", "“Scared of Heights”"},
     .script = &kStage3Script, .waveStrip = true},
    {.number = 4, .storyPlace = 4,
     .initScene = kSceneStage4Init, .frameScene = kSceneStage4Frame, .nextScene = kSceneTalk8Init,
     .music = "mid/4.mid", .background = kPicBackgrounds[4].path, .backgroundKey = kKeyBlack,
     .panel = kPicPanels[4].path, .chips = kPicChips[3].path,
     .hero = {0, 224, 0}, .partner = {608, 32, 1},
     .heroRule = {kLeftCorners, {kLeftEdge, kLeftStrip}, kModeOfPartner, false},
     .partnerRule = {kBothCorners, kBothCorners, kModeNone, true},
     .fallers = {{256, 32, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
                 {416, 160, kMapCorners, 63, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0}},
     .paints = {1, 2, 1}, .stripSpeed = 0.015f, .threePots = true,
     .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
     .restored = Restored(kRestored4),
     .select = {0.75f, 0.0f, "★ ★ ★ ★", "『 夕暮時の晩ごはん 』", "“Supper at Sundown”"},
     .script = &kStage4Script},
    {.number = 5, .storyPlace = 6,
     .initScene = kSceneStage5Init, .frameScene = kSceneStage5Frame, .nextScene = kSceneTalk5Init,
     .music = "mid/4.mid", .background = kPicBackgrounds[6].path, .backgroundKey = kKeyWhite,
     .panel = kPicPanels[4].path, .chips = kPicChips[3].path,
     .hero = {0, 0, 0}, .partner = {320, 128, 1},
     .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
     .partnerRule = {kBothCorners, kBothCorners, kModeNone, true},
     .fallers = {{192, 0, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0},
                 {416, 32, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
     .paints = {2, 2, 0}, .stripSpeed = 0.02f, .threePots = true,
     .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
     .restored = Restored(kRestored5),
     .select = {0.25f, 0.1875f, "★ ★ ★ ★ ★ ★", "『 夜空に願いを☆ 』", "“Wish on a Star☆”"},
     .script = &kStage5Script},
    {.number = 6, .storyPlace = 8,
     .initScene = kSceneStage6Init, .frameScene = kSceneStage6Frame, .nextScene = kSceneTalk7Init,
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
     .restored = Restored(kRestored6),
     .select = {0.5f, 0.1875f, "★ ★ ★ ★ ★ ★ ★ ★ ★", "『 ここを抜けたら… 』", "“Just Past Here…”"},
     .script = &kStage6Script},
    {.number = 7, .storyPlace = 7,
     .initScene = kSceneStage7Init, .frameScene = kSceneStage7Frame, .nextScene = kSceneTalk6Init,
     .music = "mid/3.mid", .background = kPicBackgrounds[7].path, .backgroundKey = kKeyWhite,
     .panel = kPicPanels[3].path, .chips = kPicChips[3].path,
     .hero = {96, 0, 0}, .partner = {160, 64, 1},
     .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
     .partnerRule = {kBothCorners, {kNoEdges, kLeftStrip}, kModeOwn, true},
     .fallers = {{352, 0, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.8125f, 0.875f},
                 {96, 64, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
     .paints = {1, 1, 1}, .stripSpeed = 0.02f, .threePots = true,
     .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
     .restored = Restored(kRestored7),
     .select = {0.75f, 0.1875f, "★ ★ ★ ★ ★ ★ ★", "『 高いのよ、崖が 』", "“Such High Cliffs!”"},
     .script = &kStage7Script},
    {.number = 8, .storyPlace = 9,
     .initScene = kSceneStage8Init, .frameScene = kSceneStage8Frame, .nextScene = kSceneTalk9Init,
     .music = "mid/1.mid", .background = kPicBackgrounds[1].path, .backgroundKey = kKeyWhite,
     .panel = kPicPanels[7].path, .chips = kPicChips[1].path,
     .hero = {0, 32, 0}, .partner = {352, 96, 1},
     .heroRule = {kBothCorners, {kNoEdges, kRightSide}, kModeOwn, false},
     .partnerRule = {kBothCorners, {kNoEdges, kRightSide}, kModeOwn, true},
     .fallers = {{544, 128, kMapCorners, 63, 64, kUvOnlyU, 0.75f, 1.0f, 0, 0}},
     .paints = {2, 0, 3}, .stripSpeed = 0.03f, .threePots = true,
     .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
     .restored = Restored(kRestored8),
     .select = {0.0f, 0.375f, "★ ★ ★ ★ ★ ★ ★ ★", "『 そして伝説へ 』", "“And into Legend”"},
     .script = &kStage8Script},
    {.number = 9, .storyPlace = 5,
     .initScene = kSceneStage9Init, .frameScene = kSceneStage9Frame, .nextScene = kSceneTalk4Init,
     .music = "mid/5.mid", .background = kPicBackgrounds[5].path, .backgroundKey = kKeyWhite,
     .panel = kPicPanels[5].path, .chips = kPicChips[3].path,
     .hero = {320, 0, 1}, .partner = {384, 0, 0},
     .heroRule = {kBothCorners, kBothCorners, kModeNone, true},
     .partnerRule = {kBothCorners, kBothCorners, kModeNone, true},
     .fallers = {{224, 0, kMapCorners, 31, 32, kUvOnlyV, 0, 0, 0.875f, 0.9375f},
                 {96, 96, kMapCorners, 31, 32, kUvOnlyU, 0.5f, 0.625f, 0, 0}},
     .paints = {1, 1, 1}, .stripSpeed = 0.08f, .threePots = true,
     .digitsDrawn = 0b111, .digitPos = {{96, 384}, {192, 384}, {288, 384}},
     .select = {0.0f, 0.1875f, "★ ★ ★ ★ ★", "『 襲撃の摩天楼 』", "“Raid on the Towers”"},
     .script = &kStage9Script, .enterStarts = true},
};
// clang-format on
