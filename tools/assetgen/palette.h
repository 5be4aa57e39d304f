// The game's palette: every colour a picture is painted with is named here
// once, so that sheets made at different times still match. Pictures pick
// names from it (and shade them with shade()/mix()); the characters' looks in
// looks.h are made of these names too. Near twins are one colour: add a name
// only for a colour no name here comes close to.
#pragma once
#include "canvas.h"

namespace ag::pal {

// The game's name as lettered on its logos (with the Latin "Tolvane").
inline constexpr const char* kTitleJa = "いろどりの足あと";

// Lines and ink.
inline constexpr Rgba kOutline = hex(0x2B2233);  // 1-px outline of sprites and chips
inline constexpr Rgba kInk = hex(0x3A2E45);      // soft dark for lettering on light paper

// The three paints (brush, droplets, walkers, digits, pots, sparks).
inline constexpr Rgba kRed = hex(0xE0413A);    // fire
inline constexpr Rgba kGreen = hex(0x38B45A);  // wind
inline constexpr Rgba kBlue = hex(0x3A7BE0);   // water

// Paper and storybook panels.
inline constexpr Rgba kPaper = hex(0xF6EEDC);
inline constexpr Rgba kPaperShade = hex(0xE6D8BC);
inline constexpr Rgba kNight = hex(0x1C1830);     // dark storybook panel
inline constexpr Rgba kNightLift = hex(0x2C2648);
inline constexpr Rgba kGold = hex(0xD9A94A);      // frames, ornaments
inline constexpr Rgba kGoldLight = hex(0xF2D58A);
inline constexpr Rgba kSlate = hex(0x3B3F52);     // quiet cover panel

// People.
inline constexpr Rgba kSkin = hex(0xF6C9A4);
inline constexpr Rgba kSkinShade = hex(0xE0A582);
inline constexpr Rgba kBlush = hex(0xF09A8E);
inline constexpr Rgba kCream = hex(0xF1E2C0);    // the unpainted walkers' clothes
inline constexpr Rgba kBrown = hex(0x8A5A3C);
inline constexpr Rgba kDarkBrown = hex(0x5A3A2A);
inline constexpr Rgba kHeroHair = hex(0x6B4330);
inline constexpr Rgba kPartnerHair = hex(0xC8733E);
inline constexpr Rgba kEyeWhite = hex(0xFBF8F2);

// Nature.
inline constexpr Rgba kLeaf = hex(0x5DA34E);
inline constexpr Rgba kLeafDark = hex(0x3C7A45);
inline constexpr Rgba kGrass = hex(0x86C35A);
inline constexpr Rgba kEarth = hex(0x9C7350);
inline constexpr Rgba kStone = hex(0x9A98A6);
inline constexpr Rgba kRoof = hex(0xC8553D);
inline constexpr Rgba kWall = hex(0xF3E6CC);

// Morning sky (stage 1, the prologue's town).
inline constexpr Rgba kSkyTop = hex(0x7FB6E8);
inline constexpr Rgba kSkyLow = hex(0xFBE3C4);

// ------------------------------------------------------------------ people
// Clothes, hair, eyes and the others' skins: the walkers, the portraits and
// the menu figures.

// ------------------------------------------------------------------ scenes
// Skies, hills, woods, towns and rooms of the painted backgrounds, the
// opening, the title and the endings.

// ---------------------------------------------------- ground, props, effects
// Materials of the stage chips (brick, wood, stone, water...), plants, props
// and the effect sheets.

// ----------------------------------------------------------------- screens
// Menus, help, the stage select, the panels and the lettering.

// Menus and buttons.
inline constexpr Rgba kMenuRed = hex(0xE0674A);        // the stage-select button and ribbon
inline constexpr Rgba kMenuGreen = hex(0x4FA866);      // the menu ribbon
inline constexpr Rgba kMenuBlue = hex(0x4A86D4);       // the help button and ribbon
inline constexpr Rgba kDeepBlue = hex(0x2E5E9E);       // the help button's question mark
inline constexpr Rgba kPointer = hex(0xFF8A3D);        // the help's rings and arrows

// Warm accents.
inline constexpr Rgba kOrange = hex(0xF0A040);         // the reset button, the time bar, the stage sticker
inline constexpr Rgba kAmber = hex(0xF7C65A);          // warm highlights: the time bar, flower hearts, lamps
inline constexpr Rgba kStraw = hex(0xE8D39A);          // pale yellow: rope, petals, lettering shadow
inline constexpr Rgba kPeach = hex(0xF2C8B8);          // a wash on the menu card's corner
inline constexpr Rgba kPetal = hex(0xF3A6A0);          // pink petals
inline constexpr Rgba kHeart = hex(0xF0566A);          // a life

// The key card's keys.
inline constexpr Rgba kViolet = hex(0x8C6CC8);         // a key of the key card
inline constexpr Rgba kTeal = hex(0x3FA0A0);           // a key of the key card
inline constexpr Rgba kRose = hex(0xC8587A);           // a key of the key card

// Pale blues and greens of small skies, washes and panels.
inline constexpr Rgba kPaleSky = hex(0xBFD8E8);        // pale blue washes, raindrops
inline constexpr Rgba kMist = hex(0xD6E0EE);           // cloud shade, glass, faint blue paper
inline constexpr Rgba kPaleMint = hex(0xE2E8D4);       // faint green paper, the menu hills
inline constexpr Rgba kRainBlue = hex(0x9CC8F0);       // rain, a small sky
inline constexpr Rgba kPanelBlue = hex(0x6E9CC8);      // the cloud panel's trims
inline constexpr Rgba kCrystal = hex(0x6FB2B8);        // the crystal panel's trims

// Small landscapes: the help's stage, the menu's hills.
inline constexpr Rgba kMeadow = hex(0xA8CE8C);         // small hills and lawns
inline constexpr Rgba kMeadowPale = hex(0xC6DCA8);     // their lit tops
inline constexpr Rgba kTreeGreen = hex(0x7FB06A);      // small trees

// Wood of frames, stakes and panels.
inline constexpr Rgba kWood = hex(0xA8743E);           // stakes, frames, sign posts
inline constexpr Rgba kPaleWood = hex(0xC4915C);       // light planks
inline constexpr Rgba kPlum = hex(0x7C4C4E);           // the town panel's planks

// Dusk (the game-over picture; the help's bezel and towers).
inline constexpr Rgba kDusk = hex(0x5B4E72);           // dusk violet: far hills, a bezel, towers
inline constexpr Rgba kDuskLight = hex(0x7A78A0);      // their lit side
inline constexpr Rgba kDuskMauve = hex(0x9A7C9E);      // the dusk sky low down
inline constexpr Rgba kDuskRose = hex(0xC49AA0);       // the dusk sky at the horizon
inline constexpr Rgba kMoonlight = hex(0xB8B0D8);      // the moon's glow, a rain cloud's light
inline constexpr Rgba kDuskGrass = hex(0x6E7E66);      // grass at dusk
inline constexpr Rgba kDuskGrassLight = hex(0x9CAA8C); // its lit tops

}  // namespace ag::pal
