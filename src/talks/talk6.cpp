// Below the cliff the partner finds the hero at a cave.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroSurprised, kPartnerSurprised, kHideLeft},
     .texts = {Companion("ちょっと、どこ行ったの！？",
        "Hey, where did you go?!")}},
    {.faces = {kHeroSurprised, kPartnerSurprised, kHideLeft},
     .texts = {Companion("崖を下りたとたん、いなくなるんだから……。",
        "The moment we got down the cliff, you vanished…")}},
    {.faces = {kHeroSurprised, kPartnerSurprised, kHideLeft},
     .texts = {Companion("見つけた！　そんなところで何してるのよーっ！",
        "Found you! What are you doing over there?!")}, .cue = kSoundRoar},
    {.faces = {kHeroSurprised, kPartnerSurprised, kDimRight},
     .texts = {Hero("いてっ！　たたくことないだろ！",
        "Ow! You didn’t have to hit me!")}, .cue = kSoundSlap},
    {.faces = {kHeroSurprised, kPartnerSurprised, kDimLeft},
     .texts = {Companion("心配したんだからね！",
        "I was worried about you!")}},
    {.faces = {kHeroCalm, kPartnerSurprised, kDimRight},
     .texts = {Hero("わるかった。この洞くつの入口を調べてたんだ。",
        "Sorry. I was having a look at this cave.")}},
    {.faces = {kHeroCalm, kPartnerSurprised, kDimLeft},
     .texts = {Companion("洞くつ？　……奥のほうが、ぼんやり明るいね。",
        "A cave? …There’s a faint light, deep inside.")}},
    {.faces = {kHeroSurprised, kPartnerSurprised, kDimRight},
     .texts = {Hero("ここを抜けたら、黄金の門はもうすぐだ！",
        "Once we’re through here, the Golden Gate is close!")}},
    {.faces = {kHeroCalm, kPartnerSurprised, kDimRight},
     .texts = {Hero("行こう。暗い所なら、高い所よりずっとましだ。",
        "Let’s go. Dark places beat high ones any day.")}},
    {.faces = {kHeroCalm, kPartnerSurprised, kDimLeft},
     .texts = {Companion("……まったく。もう置いていかないでよね。",
        "…Honestly. Don’t leave me behind again, okay?")}},
};
// clang-format on

}  // namespace

const TalkScene kTalk6 = {
    .background = kPicBackgrounds[2].path, .music = "mid/2.mid", .sounds = StoryEffects(18),
    .faces = {kHeroSurprised, kPartnerSurprised, kHideLeft},
    .lines = ListOf(kLines),
    .next = kSceneStage6Init,
};
