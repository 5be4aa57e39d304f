// The crows shaken off; luck sends the two north.
#include "talks/talk_kit.h"

namespace {

// The luck of the draw on a slot machine, and the story's blip.
const TalkSound kCityEffects[] = {{kSoundSlotMachine, "wav/BGM-SLOT-M132.wav"}, {kSoundBlip, "wav/kyupin.wav"}};

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {Hero("……ふう。なんとか、ふり切ったみたいだな。",
        "…Phew. Looks like we shook them off.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("カラスたち、あきらめて帰っていったね。",
        "The crows gave up and flew home.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("さて、ここからどっちへ行くか……運だめしだ！",
        "Now, which way from here…? Let’s leave it to luck!")}, .cue = kSoundSlotMachine},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("……よし、北だ！　北の丘へ行こう！",
        "…Right: north! To the hill up north!")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("丘の上なら、星もよく見えるはずだ。",
        "We’ll have a good view of the stars from up there.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimLeft},
     .texts = {Companion("もう、いいかげんなんだから。でも、さんせい！",
        "Honestly, you’re so slapdash. But I’m in!")}, .cue = kSoundBlip},
};
// clang-format on

}  // namespace

const TalkScene kTalk4 = {
    .background = kPicBackgrounds[5].path, .music = "mid/5.mid", .sounds = ListOf(kCityEffects),
    .faces = {kHeroCalm, kPartnerCalm, kHideRight},
    .lines = ListOf(kLines),
    .next = kSceneTalk02Init,
};
