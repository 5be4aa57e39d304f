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
// Who wears which is in looks.h.
inline constexpr Rgba kHeroTrousers = hex(0x5B4E72);
inline constexpr Rgba kLeather = hex(0x7A4A30);      // his satchel, her shoes, his eyes, her brows
inline constexpr Rgba kPinafore = hex(0xA8623C);
inline constexpr Rgba kRibbon = hex(0xF2C14E);       // her hairband and bow, the herb's golden bud
inline constexpr Rgba kPartnerIris = hex(0x3E7A6A);
inline constexpr Rgba kSilver = hex(0xEDEAF4);       // the god's hair, beard and brows
inline constexpr Rgba kGodIris = hex(0x6A5AA8);
inline constexpr Rgba kRobe = hex(0xB8A8E0);
inline constexpr Rgba kLip = hex(0x9A4A3E);
// Behind the portraits.
inline constexpr Rgba kMistBlue = hex(0xD9E4F3);     // her backdrop
inline constexpr Rgba kLavender = hex(0xDCD2F0);     // the god's backdrop, the elder
// The god in disguise.
inline constexpr Rgba kCloak = hex(0x4C3E74);
inline constexpr Rgba kMask = hex(0xA8485E);
inline constexpr Rgba kAura = hex(0x7E4CC6);
inline constexpr Rgba kAuraLight = hex(0xC6A2F6);    // the aura's tips, will-o'-wisps
// Drops and sparks.
inline constexpr Rgba kSkyBlue = hex(0x9CC8EE);      // drops of sweat and tears
inline constexpr Rgba kSpark = hex(0xF6D77A);        // sparks, twinkles, glowing eyes
// Glints, glows and the walkers' sheet's things.
inline constexpr Rgba kWhite = hex(0xFFFFFF);
inline constexpr Rgba kGlint = hex(0xFFF6D8);        // warm white highlights, halos, twinkles
inline constexpr Rgba kPaleGold = hex(0xF4E6A0);     // dizzy stars, a herb's glow, white heat
inline constexpr Rgba kFlame = hex(0xF28A3A);
inline constexpr Rgba kIce = hex(0x9ADCF2);


// ------------------------------------------------------------------ scenes
// Skies, hills, woods, towns and rooms of the painted backgrounds, the
// opening, the title and the endings.

// ---------------------------------------------------- ground, props, effects
// Materials of the stage chips (brick, wood, stone, water...), plants, props
// and the effect sheets.

// ----------------------------------------------------------------- screens
// Menus, help, the stage select, the panels and the lettering.

}  // namespace ag::pal
