// Who wears what: one look per character, read by every picture that shows
// them (the walker sprites, the portraits, the menu figures, the scenes), so
// a colour changed here changes the character everywhere at once. Looks are
// made of palette names; a drawer derives its shades from them with shade(),
// mix(), lighter() and darker().
#pragma once
#include "palette.h"

namespace ag::look {

struct Look {
    Rgba skin, hair, iris, brow;  // the head
    Rgba top;                     // shirt, blouse or robe (and the sleeves)
    Rgba over;                    // vest, pinafore or cloak
    Rgba legs, shoes;
    Rgba accent;                  // his satchel, her ribbons, the god's gold
    Rgba backdrop;                // the disc behind the portrait
};

inline constexpr Look kHero{
    .skin = pal::kSkin, .hair = pal::kHeroHair, .iris = pal::kLeather, .brow = pal::kDarkBrown,
    .top = pal::kCream, .over = pal::kBrown, .legs = pal::kDusk, .shoes = pal::kDarkBrown,
    .accent = pal::kLeather, .backdrop = pal::kPaperShade,
};

inline constexpr Look kPartner{
    .skin = pal::kSkin, .hair = pal::kPartnerHair, .iris = pal::kPartnerIris, .brow = pal::kLeather,
    .top = pal::kCream, .over = pal::kPinafore, .legs = pal::kCream, .shoes = pal::kLeather,
    .accent = pal::kRibbon, .backdrop = pal::kMistBlue,
};

// The god of the three paints: white-haired and bearded, in a robe with a
// gold trim and a circlet; the paints' gems are the paints themselves.
inline constexpr Look kGod{
    .skin = pal::kSkin, .hair = pal::kSilver, .iris = pal::kGodIris, .brow = pal::kSilver,
    .top = pal::kRobe, .over = pal::kRobe, .legs = pal::kRobe, .shoes = pal::kRobe,
    .accent = pal::kGold, .backdrop = pal::kLavender,
};

// The god playing a "demon king" of the night sky: his own white hair and
// beard under a hooded cloak and a horned mask, in an aura.
struct Disguise {
    Rgba cloak, mask, horns, aura, auraTip, eyes, night;
};
inline constexpr Disguise kGodInDisguise{
    .cloak = pal::kCloak, .mask = pal::kMask, .horns = pal::kCream,
    .aura = pal::kAura, .auraTip = pal::kAuraLight, .eyes = pal::kSpark, .night = pal::kNight,
};

// A walker caught by fire: every colour of him a shade of soot.
inline const Look kCharred{
    .skin = lighter(pal::kNight, 0.25f), .hair = pal::kOutline, .iris = pal::kEyeWhite, .brow = pal::kOutline,
    .top = lighter(pal::kNight, 0.2f), .over = lighter(pal::kNight, 0.1f), .legs = lighter(pal::kOutline, 0.05f),
    .shoes = pal::kOutline, .accent = lighter(pal::kNight, 0.1f), .backdrop = pal::kNight,
};

// The nubbles are round folk, each in one body colour (NubbleLook in
// figures.h); the scenes' crowds of them list their colours with their
// places.

// Their elder: a lavender nubble with a white beard and a wooden stick.
struct Elder {
    Rgba body, beard, stick;
};
inline constexpr Elder kElder{.body = pal::kLavender, .beard = pal::kEyeWhite, .stick = pal::kBrown};

}  // namespace ag::look
