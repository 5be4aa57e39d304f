// The two head home. The last dialogue, before the ending.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kPartnerCalm, kHideRight},
     .texts = {Hero("長老さま、すっかり元気になったな。",
        "The Elder’s right back on his feet.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimLeft},
     .texts = {Companion("うん！　村のみんなも、大よろこびだよ。",
        "Yes! Everyone in the village is overjoyed.")}, .cue = kSoundBlip},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("おまえが一緒に来てくれて、助かったよ。",
        "I’m glad you came along. You were a big help.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero2("おれ一人だったら、崖の上で固まったまま\n  今ごろ、まだ動けずにいたかもな。",
        "If I’d been on my own, I’d probably still be\nfrozen stiff on top of that cliff.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("あら、やっとみとめたね。",
        "Oh? So you finally admit it.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimLeft},
     .texts = {Companion("でも、わたしもすごく楽しかった。",
        "But I had a wonderful time too.")}, .cue = kSoundBlip},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("神さまにも、ちゃんとお礼を言いたいね。",
        "I’d like to thank the God of Colours properly.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("そうだな。きっと、どこかで見てるさ。",
        "Yeah. I bet he’s watching from somewhere.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("空の上で、あの筆を持ってな。",
        "Up in the sky, with that brush of his.")}, .cue = kSoundBoom},
    {.faces = {kHeroCalm, kPartnerSurprised, kDimLeft},
     .texts = {Companion("ねえ！　次の旅は、置いていかないでよね！",
        "Hey! Next time you go on a journey, take me along!")}, .cue = kSoundDing},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("約束だよ。",
        "Promise, okay?")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("さあ、帰ろう。みんなが待ってる！",
        "Come on, let’s go home. Everyone’s waiting!")}},
};
// clang-format on

}  // namespace

const TalkScene kTalk03 = {
    .background = kPicBackgrounds[1].path, .music = "mid/1.mid", .sounds = StoryEffects(18),
    .faces = {kHeroCalm, kPartnerCalm, kHideRight},
    .lines = ListOf(kLines),
    .next = kSceneEndInit,
    .silencesOnLeave = true,
};
