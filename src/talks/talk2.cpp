// Out of the forest, before the mountain path: the green paint.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kPartnerSurprised, kHideRight},
     .texts = {Hero("ふう……。やっと森をぬけたな。",
        "Phew… We finally made it out of the forest.")}},
    {.faces = {kHeroCalm, kPartnerSurprised, kDimLeft},
     .texts = {Companion("見て、すごく高い山！　空があんなに近いよ。",
        "Look at that mountain! The sky feels so close.")}},
    {.faces = {kHeroCalm, kGodCalm, kDimLeft},
     .texts = {God("ほっほっ。よくぞ雨の森をぬけたの。",
        "Ho ho. Well done, getting through the rainy forest.")}, .cue = kSoundGod},
    {.faces = {kHeroCalm, kGodCalm, kDimLeft},
     .texts = {God2("この先は、切り立った山道じゃ。\n  火でも水でも、越えられぬ場所がある。",
        "Ahead lies a steep mountain path, with places\nneither fire nor water can get you past.")}},
    {.faces = {kHeroCalm, kGodCalm, kDimLeft},
     .texts = {God("そこで、三つめの色を授けよう。",
        "So I shall grant you a third colour.")}},
    {.faces = {kHeroSmile, kGodCalm, kDimRight},
     .texts = {Hero2("待ってました！　どんな色でも使いこなしてみせる！\n  ……で、その山道って、どのくらい高いんだ？",
        "I’ve been waiting for this! Bring on any colour!\n…So, er, how high is this mountain path?")}},
    {.faces = {kHeroSmile, kGodCalm, kDimLeft},
     .texts = {God("雲の上じゃ。",
        "Above the clouds.")}},
    {.faces = {kHeroSmile, kGodCalm, kDimLeft},
     .texts = {God("足をすべらせたら、まあ、たいへんじゃのう。",
        "Slip, and well… that would be rather unfortunate.")}},
    {.faces = {kHeroSmile, kGodCalm, kDimLeft},
     .texts = {God("ほっほっほっ。",
        "Ho ho ho!")}},
    {.faces = {kHeroCalm, kGodCalm, kDimRight},
     .texts = {Hero("ぐっ……。き、気合いだ、気合い！",
        "Gulp… C-come on, be brave! Be brave!")}, .cue = kSoundPowerUp},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("あれ？　もしかして、高いところ苦手なの？",
        "Hm? Don’t tell me you’re scared of heights?")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("に、苦手じゃない！　好きじゃないだけだ！",
        "I-I’m not scared! I just don’t like them!")}},
    {.faces = {kHeroCalm, kGodSurprised, kDimLeft},
     .texts = {God("さて、三つめは何色か、わかるかの？",
        "Now then, can you guess the third colour?")}, .cue = kSoundQuizThink},
    {.faces = {kHeroCalm, kGodSurprised, kDimLeft},
     .texts = {God("ヒントは、雲を運び、風車を回すものじゃ。",
        "A hint: it carries clouds and turns windmills.")}},
    {.faces = {kHeroCalm, kGodSurprised, kDimLeft},
     .texts = {God2("正解は、緑の絵の具！\n  緑は風の色。物をふき飛ばし、火をふき消す。",
        "The answer: green paint! Green is wind.\nIt blows things away, and puts fires out.")}, .cue = kSoundTaDa},
    {.faces = {kHeroCalm, kGodCalm, kDimLeft},
     .texts = {God("高い所では、風がおまえたちの味方になろう。",
        "Up high, the wind will be your friend.")}},
    {.faces = {kHeroCalm, kGodCalm, kDimLeft},
     .texts = {God("ではな。下を見るでないぞ、ほっほっ！",
        "Farewell. And don’t look down, ho ho!")}, .cue = kSoundSparkle},
};
// clang-format on

}  // namespace

const TalkScene kTalk2 = {
    .background = kPicBackgrounds[3].path, .music = "mid/3.mid", .sounds = StoryEffects(15),
    .faces = {kHeroCalm, kPartnerSurprised, kHideRight},
    .lines = ListOf(kLines),
    .next = kSceneStage3Init,
};
