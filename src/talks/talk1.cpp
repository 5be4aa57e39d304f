// On the hill the partner insists on coming along. After the first stage.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("おそーい！　待ちくたびれちゃった。",
        "You’re so slooow! I’m worn out from waiting.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("おまえが勝手に先に行くからだろ。",
        "That’s because you ran off ahead on your own!")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion2("だって、長老さまはわたしのおじいちゃんだよ？\n  家でじっとなんて、していられないもん。",
        "The Elder is my grandpa, you know.\nI couldn’t just sit at home and wait.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimLeft},
     .texts = {Companion("それに、あんた一人じゃ心配だしね。",
        "Besides, I’d worry about you all on your own.")}, .cue = kSoundBlip},
    {.faces = {kHeroCalm, kPartnerSmile, kDimRight},
     .texts = {Hero("……よけいなお世話だ。",
        "…I don’t need looking after.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("さっきの火、見てたよ。あれ、どうやったの？",
        "I saw that fire just now. How did you do it?")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("色の神さまに、赤の力をもらったんだ。",
        "The God of Colours gave me the power of red.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Narration("若者は、色の神と出会ったことを話して聞かせた。",
        "He told her all about meeting the God of Colours.")}},
    {.faces = {kHeroCalm, kPartnerCalm, kDimLeft},
     .texts = {Companion("ええっ、神さま！？　ほんとにいたんだ！",
        "Whaaat? A god?! So he’s real!")}, .cue = kSoundBoom},
    {.faces = {kHeroCalm, kPartnerSmile, kDimLeft},
     .texts = {Companion("じゃあ、わたしにもぬってもらおうっと。",
        "Then I’ll ask him to paint me too!")}, .cue = kSoundBlip},
    {.faces = {kHeroSurprised, kPartnerSmile, kDimRight},
     .texts = {Hero("ちょっと待て、本気でついてくる気か！？",
        "Wait, you’re really coming with me?!")}, .cue = kSoundShock},
    {.faces = {kHeroSurprised, kPartnerSmile, kDimLeft},
     .texts = {Companion("もちろん。薬草のことなら、わたしのほうがくわしいよ。",
        "Of course! I know far more about herbs than you do.")}},
    {.faces = {kHeroSurprised, kPartnerSmile, kDimLeft},
     .texts = {Companion("おじいちゃんの本で、ちゃんと調べてきたんだから。",
        "I looked it all up in Grandpa’s books.")}, .cue = kSoundBoom},
    {.faces = {kHeroTroubled, kPartnerSmile, kDimRight},
     .texts = {Hero("……ほんとかよ。",
        "…Oh, really?")}},
    {.faces = {kHeroTroubled, kPartnerSmile, kDimLeft},
     .texts = {Companion("ほんとだって。雨の森をぬけて、ずっと先なんだよ。",
        "Really! It’s past the rainy forest, and far beyond.")}, .cue = kSoundBlip},
    {.faces = {kHeroTroubled, kPartnerTroubled, kDimLeft},
     .texts = {Companion("お願い。村のナブルたちのために、わたしも行きたいの。",
        "Please. I want to help too, for everyone back home.")}, .cue = kSoundNubbleSong},
    {.faces = {kHeroCalm, kPartnerTroubled, kDimRight},
     .texts = {Hero("……わかったよ。いっしょに行こう。",
        "…All right. We’ll go together.")}},
    {.faces = {kHeroCalm, kPartnerTroubled, kDimRight},
     .texts = {Hero("ただし、足を引っぱるなよな！",
        "Just don’t slow me down!")}},
};
// clang-format on

}  // namespace

const TalkScene kTalk1 = {
    .background = kPicBackgrounds[1].path, .music = "mid/1.mid", .sounds = StoryEffects(14),
    .faces = {kHeroCalm, kPartnerCalm, kDimLeft},
    .lines = ListOf(kLines),
    .next = kSceneTalk01Init,
};
