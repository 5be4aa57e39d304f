// Map chip codes: the contract between the chip sheets the data generator
// draws and the stages that write map cells. Code n is the 32x32 chip at
// column n % 16, row n / 16 of its sheet; a picture several chips big has its
// top-left chip at its code, the one below at code + kChipBelow. 0 is an
// empty cell. Frames of an animation follow each other (goal columns and
// fires one chip apart, the 2x2 pictures two apart).
#pragma once
#include <cstdint>

constexpr int kChipBelow = 16;

// img/mapchip1.png: the meadow (stages 1 and 8).
enum MeadowChip : uint8_t {
    kMeadowGround = 2,
    kMeadowGroundEnd = 3,  // a rounded right end
    kMeadowScorched = 16,  // floor left by the burnt hay bale
    kMeadowPostTop = 19,   // the short bamboo post: top, middle, foot
    kMeadowPostMiddle = 35,
    kMeadowPostFoot = 51,
    kMeadowBambooTop = 18,  // the bamboo column half grown
    kMeadowBambooMiddle = 34,
    kMeadowBambooFoot = 50,
    kMeadowTallBambooTop = 1,  // and grown tall
    kMeadowTallBambooMiddle = 17,
    kMeadowTallBambooLower = 33,
    kMeadowTallBambooFoot = 49,
    kMeadowLedgeLeft = 36,
    kMeadowLedge = 37,  // 37 to 39
    kMeadowLedgeRight = 40,
    kMeadowHayBale = 96,  // 2x2, four frames burning down
    kMeadowFire = 144,    // two high, three frames
    kMeadowFireOut = 164,
    kMeadowPlant = 68,  // the flower growing: 68, 70, 72 (two high), 58, 60 (three high)
    kMeadowPlant2 = 70,
    kMeadowPlant3 = 72,
    kMeadowPlant4 = 58,
    kMeadowPlant5 = 60,
    kMeadowGoal = 4,  // two high, four frames
    kMeadowGate = 199,
};

// img/mapchip2.png: the glade (stages 2 and 6).
enum GladeChip : uint8_t {
    kGladeGroundLeft = 1,
    kGladeGround = 2,
    kGladeGroundRight = 3,
    kGladeAshes = 30,  // a left end where a fire was
    kGladeFire = 10,   // on a left end, two high, three frames
    kGladeFireLow = 13,
    kGladeBonfire = 48,  // 2x2, four frames doused in steps
    kGladePlant = 16,    // the fern growing: 16, 18 (two high), 4, 6, 8 (three high)
    kGladePlant2 = 18,
    kGladePlant3 = 4,
    kGladePlant4 = 6,
    kGladePlant5 = 8,
    kGladeGoal = 42,  // two high, four frames
    kGladeGoalStill = 15,
};

// img/mapchip3.png: the town (stages 3, 4, 5, 7 and 9).
enum TownChip : uint8_t {
    kTownRoof = 1,
    kTownFacade = 2,
    kTownBrickLeft = 4,
    kTownBrick = 5,
    kTownBrickRight = 6,
    kTownRock = 7,
    kTownPlank = 8,
    kTownPlant = 20,  // the vine growing: 20, 22, 24 (two high), 10, 12 (three high)
    kTownPlant2 = 22,
    kTownPlant3 = 24,
    kTownPlant4 = 10,
    kTownPlant5 = 12,
    kTownCoals = 52,  // fire on brick, two high, three frames
    kTownCoalsLow = 55,
    kTownCoalsOut = 72,
    kTownRockFire = 57,  // fire on rock, two high, three frames
    kTownRockFireLow = 60,
    kTownRockFireOut = 77,
    kTownHangingVines = 92,  // 2x3
    kTownDrumFire = 136,     // two high, three frames
    kTownDrumFireLow = 139,
    kTownDrumFireOut = 156,
    kTownDrumGone = 172,
    kTownLanternGoal = 128,  // goal columns: two high, four frames
    kTownSkyGoal = 160,
    kTownNeonGoal = 132,
    kTownLanternStill = 97,
    kTownSkyStill = 98,
};
