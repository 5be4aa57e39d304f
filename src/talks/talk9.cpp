// The Elder drinks the herb tea; fireworks over the village.
#include "talks/talk_kit.h"

namespace {

// The fireworks' words burn in their own colours.
constexpr uint32_t kYellow = 0xFFFFFF00u;
constexpr uint32_t kCyan = 0xFF00FFFFu;
constexpr uint32_t kMagenta = 0xFFFF00FFu;

const TalkSound kVillageEffects[] = {{kSoundFireworks, "wav/SE065.wav"}};

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {Hero("長老さま！　伝説の薬草を持って帰りました！",
        "Elder! We’ve brought back the herb of legend!")}},
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {Hero("これを煎じて飲めば、きっと元気になります！",
        "Brew it into a tea, and you’ll be well again!")}},
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {Narration("薬草の湯を飲むと、長老のほおに赤みがもどった。",
        "As he drank the herb tea, colour came to his cheeks.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {Narration("ナブルたちが見守るなか、長老はゆっくりと目をあけた。",
        "As the Nubbles watched, the Elder opened his eyes.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {Chief("……ありがとう。おまえたちは、村のほこりじゃ。",
        "…Thank you. You two are the pride of our village.")}},
    // One sentence in five colours: five texts drawn at the same place, each
    // blank outside its own words: in Japanese two spaces per full-width
    // character, in English hidden runs (between two kTextHide bytes, "\x01").
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {At(300, kNarrationColour, "その夜、村の空に                                  ",
         "That night, " "\x01" "yellow" ", " "blue" " and " "pink" " fireworks lit the sky!" "\x01"),
      Lit(kYellow, "                黄色、                            ",
         "\x01" "That night, " "\x01" "yellow" "\x01" ", " "blue" " and " "pink" " fireworks lit the sky!" "\x01"),
      Lit(kCyan, "                      水色、                      ",
         "\x01" "That night, " "yellow" ", " "\x01" "blue" "\x01" " and " "pink" " fireworks lit the sky!" "\x01"),
      Lit(kMagenta, "                            桃色の                ",
         "\x01" "That night, " "yellow" ", " "blue" " and " "\x01" "pink" "\x01" " fireworks lit the sky!" "\x01"),
      At(300, kNarrationColour, "                                  花火が上がった。",
         "\x01" "That night, " "yellow" "\x01" ", " "\x01" "blue" "\x01" " and " "\x01" "pink" "\x01" " fireworks lit the sky!")}, .cue = kSoundFireworks},
};
// clang-format on

}  // namespace

const TalkScene kTalk9 = {
    .background = kPicBackgrounds[8].path, .music = "mid/1.mid", .sounds = ListOf(kVillageEffects),
    .faces = {kHeroCalm, kPartnerCalm, kHideRight},
    .lines = ListOf(kLines),
    .next = kSceneTalk03Init,
};
