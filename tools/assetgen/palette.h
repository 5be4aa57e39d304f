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
inline constexpr Rgba kSpark = hex(0xF6D77A);        // sparks, twinkles, glowing eyes
// Glints, glows and the walkers' sheet's things.
inline constexpr Rgba kWhite = hex(0xFFFFFF);
inline constexpr Rgba kGlint = hex(0xFFF6D8);        // warm white highlights, halos, twinkles
inline constexpr Rgba kPaleGold = hex(0xF4E6A0);     // dizzy stars, a herb's glow, white heat
inline constexpr Rgba kFlame = hex(0xF28A3A);
inline constexpr Rgba kIce = hex(0x9ADCF2);


// ------------------------------------------------------------------ scenes
// Skies, hills, woods, towns and rooms of the painted backgrounds, the
// opening, the title and the endings; their in-between shades are
// lighter()/darker() of these.

// Skies and air.
inline constexpr Rgba kHighSky = hex(0x3C74C4);     // the sky's top above the mountains
inline constexpr Rgba kCornflower = hex(0x74A8E2);  // the high sky, blue roofs
inline constexpr Rgba kPowderBlue = hex(0x9CC8EE);  // the blue nubbles, the sky near the horizon, sweat and tears
inline constexpr Rgba kHazeBlue = hex(0xC9D8F6);    // the pale blue of distance: far hills, cloud shade
inline constexpr Rgba kBluebell = hex(0xB6CDF5);    // far mountains, blue petals
inline constexpr Rgba kFrost = hex(0xE8EEFF);       // starlight, snow glints, the far gate
inline constexpr Rgba kCloud = hex(0xF4F7FA);       // cloud tops, snow, steam
inline constexpr Rgba kCloudLight = hex(0xFDFCF8);  // the sunlit rims of a sea of clouds
inline constexpr Rgba kMintWash = hex(0xD3EBCB);    // soft green washes, the rain's light
inline constexpr Rgba kPuddle = hex(0x8FA8A8);      // puddles and mist in the rain
inline constexpr Rgba kButter = hex(0xF8E8B0);      // sunbeams, moonlight, the road
inline constexpr Rgba kFirefly = hex(0xE8F0A0);     // fireflies, sunlight on leaves

// Dusk and sunset.
inline constexpr Rgba kTwilight = hex(0x4A3A78);    // the top of a sunset sky
inline constexpr Rgba kMauve = hex(0x9A5E8E);       // the dusk sky
inline constexpr Rgba kDuskPink = hex(0xB86C84);    // the dusk sky
inline constexpr Rgba kCoralRose = hex(0xC86A78);   // sunset sky and clouds
inline constexpr Rgba kOldRose = hex(0xC8869A);     // clouds and ridges at sunset
inline constexpr Rgba kDuskPlum = hex(0x5A3A5E);    // shadows in the dusk and sunset scenes
inline constexpr Rgba kDuskShadow = hex(0x4E3656);  // dusk hills and grass
inline constexpr Rgba kMulberry = hex(0x6A3A5A);    // the nubbles' land at sunset
inline constexpr Rgba kAubergine = hex(0x3A2E5A);   // the maker's disc, dusk birds
inline constexpr Rgba kTangerine = hex(0xFFB060);   // the sun low in a dusk sky, warm wood

// Night.
inline constexpr Rgba kMidnight = hex(0x141A3C);   // the top of a night sky
inline constexpr Rgba kNavy = hex(0x1C2A5A);       // the starry sky and hills
inline constexpr Rgba kNightBlue = hex(0x2A3466);  // the village at night
inline constexpr Rgba kFrameDark = hex(0x14101F);  // the rim round storybook frames, shadows of lettering

// The red city.
inline constexpr Rgba kCrimson = hex(0xA8323A);   // the red city's sky and towers
inline constexpr Rgba kWine = hex(0x5A1A2A);      // the red city's sky and towers
inline constexpr Rgba kRedNight = hex(0x24101E);  // the red city's night, the thanks' shadow

// Greens.
inline constexpr Rgba kFoliage = hex(0x6FAE5E);   // bushes and trees
inline constexpr Rgba kSage = hex(0x5E9A62);      // stems and trees in the shade of the leaves
inline constexpr Rgba kFern = hex(0x5E8468);      // conifers and stems in shade
inline constexpr Rgba kPine = hex(0x7E9E88);      // conifers in the rain
inline constexpr Rgba kMistPine = hex(0x9EB6A6);  // far conifers fading into the rain
inline constexpr Rgba kLime = hex(0x9CCB4A);      // herb tea

// Earth, rock and wood.
inline constexpr Rgba kSandstone = hex(0xE0A870);   // the canyon floor, wood in the sun
inline constexpr Rgba kClay = hex(0xC27A4E);        // the canyon's mesas
inline constexpr Rgba kRust = hex(0xA85E3A);        // canyon cliffs and stones
inline constexpr Rgba kTerracotta = hex(0xD0703E);  // tiled roofs, the red moon's glow
inline constexpr Rgba kGoldDeep = hex(0x8C6A2E);    // the dark edge of gold frames, the road's edge
inline constexpr Rgba kCharcoal = hex(0x3A2E2A);    // lantern poles, rope
inline constexpr Rgba kDenim = hex(0x5D6FA8);       // blue roofs, the title's shadow, the milky way

// Flowers, caps, lights and the nubbles.
inline constexpr Rgba kMarigold = hex(0xF2B84A);   // flower hearts
inline constexpr Rgba kSunYellow = hex(0xF6C453);  // the candle flame, lanterns, sunlit windows
inline constexpr Rgba kLemon = hex(0xF6D85A);      // yellow fireworks, yellow petals and nubbles
inline constexpr Rgba kMarmalade = hex(0xE0903A);  // orange mushroom caps, the maker's flame
inline constexpr Rgba kVermilion = hex(0xD85A3E);  // mushroom caps, the red city's horizon
inline constexpr Rgba kApricot = hex(0xF4B38A);    // the peach nubbles, the red moon
inline constexpr Rgba kQuiltPink = hex(0xF2A0A0);  // quilt patches, petals
inline constexpr Rgba kPink = hex(0xF7C9D9);       // petals, the pink nubbles
inline constexpr Rgba kCandyPink = hex(0xF7A6C8);  // pink fireworks; darkened, the walls of a dusk village
inline constexpr Rgba kHeart = hex(0xF0566A);      // hearts, a life
inline constexpr Rgba kLilac = hex(0xC9B3E6);      // the lilac nubbles and mushrooms
inline constexpr Rgba kViolet = hex(0x8C6CC8);     // the elder's mushroom cap, a key of the key card
inline constexpr Rgba kMint = hex(0xA8DDB5);       // the mint nubbles
inline constexpr Rgba kIceBlue = hex(0x8ED8F4);    // light-blue fireworks

// ---------------------------------------------------- ground, props, effects
// Materials of the stage chips (brick, wood, stone, water...), plants, props
// and the effect sheets. The sea is sky blue (kSkyTop) over kSeaDeep.

// What lighter() and darker() lean towards: shadows violet, lights warm.
inline constexpr Rgba kWarmLight = hex(0xFFF4DA);
inline constexpr Rgba kCoolShadow = hex(0x2A2440);
// The web page's background (web/shell.html and the manifest say it too),
// behind the maskable icons.
inline constexpr Rgba kWebNight = hex(0x1B1730);

// Ground and walls.
inline constexpr Rgba kMossStone = hex(0x5F6B80);    // the glade's floor
inline constexpr Rgba kBrick = hex(0xB4603F);
inline constexpr Rgba kRockFace = hex(0xB58D68);     // rock ledges; as light, blown sand
inline constexpr Rgba kRockCap = hex(0xDCC194);      // the rock's pale top, pebbles
inline constexpr Rgba kGateBlock = hex(0xC9A45C);    // gate stone, dry bamboo, woven mats
inline constexpr Rgba kConcrete = hex(0x858A9A);     // roofs, stones round a fire, soot smoke
inline constexpr Rgba kSteel = hex(0x515A6C);        // the roof's rim
inline constexpr Rgba kFacade = hex(0x4A3C56);       // house fronts at night, ash, drum bands
inline constexpr Rgba kPlank = hex(0xB57A45);        // planks, ledges, brush handles
inline constexpr Rgba kBark = hex(0x7A5238);         // trunks, logs, soil
inline constexpr Rgba kChar = hex(0x3A3238);         // burnt logs, soot, nails
inline constexpr Rgba kScorch = hex(0x7A3A22);       // straw as it catches fire

// Straw, flowers and leaves.
inline constexpr Rgba kThatch = hex(0xE9C55E);       // rope, straw, lit windows
inline constexpr Rgba kSunflower = hex(0xF2C24A);    // the grown flower, the golden goal
inline constexpr Rgba kFrond = hex(0x6AB452);        // young leaves and fronds

// Fire, smoke and glass.
inline constexpr Rgba kFlameOuter = hex(0xE8512E);
inline constexpr Rgba kFlameMid = hex(0xF79A2C);     // also embers and glowing cracks
inline constexpr Rgba kFlameCore = hex(0xFFE58A);
inline constexpr Rgba kFlameRim = hex(0x6E1F22);
inline constexpr Rgba kFireGlow = hex(0xF2A04A);     // lantern light, a fire's glow
inline constexpr Rgba kSteam = hex(0xDCE2EA);        // steam, glints on glass
inline constexpr Rgba kMetal = hex(0xB9BCCB);        // ferrules, pale smoke
inline constexpr Rgba kGlass = hex(0x9CC3E0);        // windows by day
inline constexpr Rgba kCinder = hex(0x7A5A62);       // the fire drum, cold ash
inline constexpr Rgba kNeon = hex(0x3ED8E8);         // the city's goal
inline constexpr Rgba kGladeGlow = hex(0x58D6A0);    // the glade's goal
inline constexpr Rgba kSeaDeep = hex(0x1F4F9A);

// Light the effects add up on black (brighter than paint: scaled by more
// than one where they burn).
inline constexpr Rgba kFireLight = hex(0xFF6B1F);
inline constexpr Rgba kEmberLight = hex(0xFFB340);
inline constexpr Rgba kFlareLight = hex(0xFF4D14);   // the ring of fire's rim, the heart's flames
inline constexpr Rgba kFoamLight = hex(0x99D9FF);

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

// The key card's keys.
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
inline constexpr Rgba kDusk = hex(0x5B4E72);           // dusk violet: far hills, a bezel, towers, the hero's trousers
inline constexpr Rgba kDuskLight = hex(0x7A78A0);      // their lit side
inline constexpr Rgba kDuskMauve = hex(0x9A7C9E);      // the dusk sky low down
inline constexpr Rgba kDuskRose = hex(0xC49AA0);       // the dusk sky at the horizon
inline constexpr Rgba kMoonlight = hex(0xB8B0D8);      // the moon's glow, a rain cloud's light
inline constexpr Rgba kDuskGrass = hex(0x6E7E66);      // grass at dusk
inline constexpr Rgba kDuskGrassLight = hex(0x9CAA8C); // its lit tops

// The raised buttons, paper cards and ribbons of the menus and endings.
inline constexpr Rgba kButtonLetter = hex(0xFFFBF0);  // a raised button's label
inline constexpr Rgba kRibbonLetter = hex(0xFFF8E8);  // a ribbon heading's words
inline constexpr Rgba kCardBronze = hex(0x9C7436);    // a paper card's outer frame
inline constexpr Rgba kCardGloss = hex(0xFFFFF4);     // a paper card's lit edge

}  // namespace ag::pal
