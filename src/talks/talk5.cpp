// At the cliff: the god startles the hero, who hears his village's song.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroTroubled, kPartnerSurprised, kHideLeft},
     .texts = {Companion("ちょっと！　いつまでそこにしゃがみこんでるの？",
        "Come on! How long are you going to crouch there?")}},
    {.faces = {kHeroTroubled, kPartnerSurprised, kDimRight},
     .texts = {Hero("だ、だって……この崖、高すぎるだろ……。",
        "B-but… this cliff is way too high…")}},
    {.faces = {kHeroTroubled, kGodSurprised, kDimLeft},
     .texts = {God("ばあっ！　ほっほっ、またこわがっておるのか。",
        "Boo! Ho ho, scared again, are we?")}, .cue = kSoundSpooky},
    {.faces = {kHeroSurprised, kGodSurprised, kDimRight},
     .texts = {Hero("うわっ、また出た！",
        "Whoa, not you again!")}},
    {.faces = {kHeroSurprised, kGodSurprised, kHideRight},
     .texts = {Narration("神はふっと消え、どこからかナブルの歌が聞こえてきた。",
        "The god vanished, and a Nubble song drifted by.")}, .cue = kSoundNubbleSong},
    {.faces = {kHeroSurprised, kGodSurprised, kHideRight},
     .texts = {Hero("この歌……村のみんなの歌だ！",
        "That song… It’s the song from our village!")}, .cue = kSoundShock},
    {.faces = {kHeroSurprised, kPartnerCalm, kDimLeft},
     .texts = {Companion("え？　……カラスの声しか聞こえないけど。",
        "Huh? …All I can hear is crows.")}, .cue = kSoundCrow},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("いや、たしかに聞こえたんだ！",
        "No, I heard it, I know I did!")}, .cue = kSoundCrow},
    {.faces = {kHeroCalm, kPartnerCalm, kDimRight},
     .texts = {Hero("みんなが待ってる。こわがってる場合じゃないな。",
        "They’re all waiting. No time to be scared now.")}},
    {.faces = {kHeroCalm, kPartnerSmile, kDimLeft},
     .texts = {Companion("その意気！　さあ、崖を下りていこう！",
        "That’s the spirit! Come on, down the cliff we go!")}, .cue = kSoundPowerUp},
};
// clang-format on

}  // namespace

const TalkScene kTalk5 = {
    .background = kPicBackgrounds[7].path, .music = "mid/3.mid", .sounds = StoryEffects(18),
    .faces = {kHeroTroubled, kPartnerSurprised, kHideLeft},
    .lines = ListOf(kLines),
    .next = kSceneStage7Init,
};
