// In the meadow before the Golden Gate: the god's last help.
#include "talks/talk_kit.h"

namespace {

// clang-format off
const TalkLine kLines[] = {
    {.faces = {kHeroCalm, kGodCalm, kHideRight},
     .texts = {Hero("洞くつを抜けたら、広い野原に出たぞ。",
        "We’re out of the cave… and into a wide meadow.")}},
    {.faces = {kHeroCalm, kGodCalm, kHideRight},
     .texts = {Hero("あの光る門……。あれが、黄金の門か！",
        "That shining gate… It must be the Golden Gate!")}},
    {.faces = {kHeroCalm, kGodCalm, kDimLeft},
     .texts = {God("そのとおり。よくぞここまで来たの。",
        "Indeed it is. You have done well to come this far.")}},
    {.faces = {kHeroSurprised, kGodCalm, kDimRight},
     .texts = {Hero("神さま！",
        "God of Colours!")}},
    {.faces = {kHeroSurprised, kGodCalm, kDimLeft},
     .texts = {God("門の向こうに、伝説の薬草が生えておる。",
        "The herb of legend grows beyond that gate.")}, .cue = kSoundGod},
    {.faces = {kHeroSurprised, kGodCalm, kDimLeft},
     .texts = {God2("じゃが、門の前のしかけは手ごわいぞ。\n  赤と青、二つの色だけで越えてみせよ。",
        "But the traps before the gate are fiendish.\nGet past them with two colours only: red and blue.")}},
    {.faces = {kHeroSurprised, kGodSurprised, kDimLeft},
     .texts = {At(290, kGodColour, "火で道を焼き、水で草をのばすのじゃ！",
        "Burn a path with fire, grow the grass with water!")}, .cue = kSoundTaDa},
    {.faces = {kHeroSurprised, kGodCalm, kDimLeft},
     .texts = {God("これが、わしの最後の手助けじゃ。",
        "This is the last help I shall give you.")}, .cue = kSoundSparkle},
    {.faces = {kHeroSurprised, kGodSurprised, kDimLeft},
     .texts = {God("ゆけ、若者たちよ！　伝説はすぐそこじゃ！",
        "Go forth, young ones! The legend awaits!")}, .cue = kSoundTaDa},
    {.faces = {kHeroSmile, kPartnerSmile, kNoCover},
     .texts = {At(280, kHeroColour, "まかせてくれ！",
        "Leave it to us!"), At(320, kCompanionColour, "まかせて！",
        "You can count on us!")}, .cue = kSoundBlip},
    {.faces = {kHeroSmile, kPartnerSmile, kDimRight},
     .texts = {Hero("長老さま、もうすぐだ！",
        "Hold on, Elder, we’re nearly there!")}, .cue = kSoundBoom},
};
// clang-format on

}  // namespace

const TalkScene kTalk7 = {
    .background = kPicBackgrounds[1].path, .music = "mid/1.mid", .sounds = StoryEffects(18),
    .faces = {kHeroCalm, kGodCalm, kHideRight},
    .lines = ListOf(kLines),
    .next = kSceneStage8Init,
};
