// Down from the mountain, the god explains how the three colours differ.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kPartnerSmile, kHideRight},
     .texts = {Hero("はあ、はあ……。生きた心地がしなかった……。",
        "Huff, huff… I thought I was done for up there…")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimLeft},
     .texts = {Companion("おつかれさま。ほら、ふもとに村が見えるよ。",
        "Well done! Look, there’s a village down below.")}, .cue = kSoundBlip},
    {.faces = {kHeroSurprised, kPartnerSmile, kDimRight},
     .texts = {Hero("あっ、いいにおい！　晩ごはんの時間だ！",
        "Ooh, something smells good! It’s supper time!")}, .cue = kSoundDing},
    {.faces = {kHeroSurprised, kGodCalm, kDimLeft},
     .texts = {God("ほっほっ。腹ごしらえの前に、ひとつ教えておこう。",
        "Ho ho. Before you eat, one more lesson.")}, .cue = kSoundGod},
    {.faces = {kHeroSurprised, kGodCalm, kDimLeft},
     .texts = {God2("赤、緑、青。三つの色は、\n  同じものの前でも、働きがまるでちがう。",
        "Red, green and blue: on the very same thing,\nthe three colours work in quite different ways.")}},
    {.faces = {kHeroSurprised, kGodCalm, kDimLeft},
     .texts = {God2("炎は、風でふき消すことも、水で消すこともできる。\n  草は水で育ち、火や風で消えてしまう。",
        "Wind can blow a flame out, and water can douse it.\nGrass grows with water; fire or wind clears it.")}, .cue = kSoundSparkle},
    {.faces = {kHeroSurprised, kGodCalm, kDimLeft},
     .texts = {God2("どの色を、どこで使うか。\n  それを考えるのが、ここからの旅じゃ。",
        "Which colour, and where? Thinking that through\nis your journey from here on.")}},
    {.faces = {kHeroSurprised, kGodSurprised, kDimLeft},
     .texts = {God("三色そろったおまえたちなら、きっとできる！",
        "With all three colours, you two shall surely manage!")}, .cue = kSoundTaDa},
};
// clang-format on

}  // namespace

const TalkScene kTalk3 = {
    .background = kPicBackgrounds[4].path, .music = "mid/4.mid", .sounds = StoryEffects(15),
    .faces = {kHeroCalm, kPartnerSmile, kHideRight},
    .lines = ListOf(kLines),
    .next = kSceneStage4Init,
};
