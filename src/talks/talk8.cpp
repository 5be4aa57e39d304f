// The city of towers, and its crows.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kPartnerSmile, kHideRight},
     .texts = {Hero("なんだ、ここは……。見上げるような塔ばかりだ。",
        "What is this place…? Nothing but towering spires.")}},
    {.faces = {kHeroSmile, kPartnerSmile, kHideRight},
     .texts = {Hero("人間の町か！　どれもでっかいなあ！",
        "A human city! Everything’s so huge!")}, .cue = kSoundBoom},
    {.faces = {kHeroSmile, kPartnerSmile, kDimLeft},
     .texts = {Companion("待って。この町の空、なんだか赤くない？",
        "Wait. Isn’t the sky over this city sort of red?")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimRight},
     .texts = {Hero("夕焼け……にしては、おそすぎるな。",
        "A sunset…? No, it’s far too late for that.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimRight},
     .texts = {Hero("それに、さっきから何かに見られてる気がする。",
        "And I keep feeling that something’s watching us.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimRight},
     .texts = {Hero("塔のてっぺんに、黒い影が……。",
        "There’s a dark shadow on top of that tower…")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("カラスだ！　この町のカラスは、ナブルをねらうって……",
        "Crows! The crows here hunt Nubbles…")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("おじいちゃんの本に書いてあった！",
        "It said so in Grandpa’s book!")}},
    {.faces = {kHeroSurprised, kPartnerCalm, kDimRight},
     .texts = {Hero("来るぞ！",
        "Here they come!")}, .cue = kSoundShock},
    {.faces = {kHeroSurprised, kPartnerSmile, kDimLeft},
     .texts = {Companion("だいじょうぶ。わたしたちには、三つの色があるもん！",
        "It’s all right. We’ve got our three colours!")}, .cue = kSoundBlip},
    {.faces = {kHeroSurprised, kPartnerSmile, kDimLeft},
     .texts = {Companion("塔の下の穴まで逃げこめば、きっと平気だよ。",
        "If we reach the hole under the towers, we’ll be safe.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimRight},
     .texts = {Hero("よし、下へ向かうぞ。",
        "Right, let’s head down.")}},
    {.faces = {kHeroSmile, kPartnerSmile, kDimRight},
     .texts = {Hero("はなれるなよ！",
        "Stay close!")}},
    {.faces = {kHeroSmile, kPartnerSmile, kDimLeft},
     .texts = {Companion("そっちこそ！",
        "Look who’s talking!")}, .cue = kSoundBlip},
};
// clang-format on

}  // namespace

const TalkScene kTalk8 = {
    .background = kPicBackgrounds[5].path, .music = "mid/5.mid", .sounds = StoryEffects(15),
    .faces = {kHeroCalm, kPartnerSmile, kHideRight},
    .lines = ListOf(kLines),
    .next = kSceneStage9Init,
};
