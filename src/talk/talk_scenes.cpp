// The thirteen dialogue scenes as data. Each table gives, per line, the faces
// and cover, the texts, an optional sound cue {slot, counter c0..c11} and the
// next line (or, on the last line, the next scene). The engine plays them.
#include <iterator>

#include "app/scenes.h"
#include "gfx/picture_files.h"
#include "talk/talk.h"

namespace {

constexpr uint32_t kYellow = 0xFFFFFF00u;
constexpr uint32_t kCyan = 0xFF00FFFFu;
constexpr uint32_t kMagenta = 0xFFFF00FFu;

// Each text in Japanese, then in English.
constexpr TalkText At(int y, uint32_t colour, const char* ja, const char* en) { return {y, colour, ja, en}; }
constexpr TalkText Lit(uint32_t colour, const char* ja, const char* en) { return {300, colour, ja, en, kBrightWordRim}; }
constexpr TalkText Hero(const char* ja, const char* en) { return {300, kHeroColour, ja, en}; }
constexpr TalkText Hero2(const char* ja, const char* en) { return {290, kHeroColour, ja, en}; }
constexpr TalkText God(const char* ja, const char* en) { return {300, kGodColour, ja, en}; }
constexpr TalkText God2(const char* ja, const char* en) { return {290, kGodColour, ja, en}; }
constexpr TalkText Companion(const char* ja, const char* en) { return {300, kCompanionColour, ja, en}; }
constexpr TalkText Companion2(const char* ja, const char* en) { return {290, kCompanionColour, ja, en}; }
constexpr TalkText Narration(const char* ja, const char* en) { return {300, kNarrationColour, ja, en}; }
constexpr TalkText Chief(const char* ja, const char* en) { return {300, kChiefColour, ja, en}; }


// Effects of the story scenes: the first 14 (slots 0..13), 15 (up to slot
// 14) or all 18 of them are loaded, by scene.
const TalkSound kStoryEffects[] = {
    {0, "wav/god.wav"},     {1, "wav/zyaran!.wav"}, {2, "wav/tame.wav"},   {3, "wav/kyupin.wav"},
    {4, "wav/Bom.wav"},     {5, "wav/nubble.wav"},  {6, "wav/quiz2.wav"},  {7, "wav/Crow.wav"},
    {8, "wav/harisen.wav"}, {9, "wav/quiz1.wav"},   {10, "wav/zyan.wav"},  {11, "wav/ELR.wav"},
    {12, "wav/!!!.wav"},    {13, "wav/syaran.wav"}, {14, "wav/10.wav"},    {15, "wav/get.wav"},
    {17, "wav/Wow.wav"},    {18, "wav/GAO.wav"},
};
const TalkSound kCityEffects[] = {{15, "wav/BGM-SLOT-M132.wav"}, {3, "wav/kyupin.wav"}};
const TalkSound kVillageEffects[] = {{18, "wav/SE065.wav"}};

// Lines: left face, right face, cover, texts, cue {slot, counter}, next.
// Scenes: init and frame numbers, background, music, effects and how many of
// them load, starting faces (left, right, cover), lines, whether the init also
// clears c11, whether leaving stops all sound.

const TalkLine kTalk0Lines[] = {
    {0, 4, 5, {Hero2("長老さまの病にきくという、伝説の薬草……\n  いったい、どこに生えているんだろう。",
        "The herb of legend that can cure our Elder…\nWhere in the world could it be growing?")}, kNoCue, 1},
    {0, 4, 5, {Hero2("手がかりは、村に伝わる古い言い伝えだけ。\n  『三つの色をまとう者、道をひらかん』か……",
        "All I have to go on is an old village saying:\n“Wear three colours, and the way shall open.”")}, kNoCue, 2},
    {0, 4, 0, {God("――そこの若者よ。",
        "You there. Young one.")}, {0, 0}, 3},
    {2, 4, 3, {Hero("うわっ！　だ、だれだ！？",
        "Whoa! Wh-who’s there?!")}, {12, 1}, 4},
    {2, 4, 0, {God("わしは色の神。空の上から、ずっと見ておったぞ。",
        "I am the God of Colours. I have been watching you.")}, kNoCue, 5},
    {2, 4, 0, {God2("ナブルの長老を救いたいのであろう？\n  ならば、わしの色の力を貸してやろう。",
        "You wish to save the Nubbles’ Elder, do you not?\nThen I shall lend you the power of my colours.")}, {13, 2}, 6},
    {0, 4, 3, {Hero("色の力……？",
        "The power of colours…?")}, kNoCue, 7},
    {0, 4, 0, {God("この世のものは、三つの色の力で動いておる。",
        "All things in this world are moved by three colours.")}, {0, 4}, 8},
    {0, 4, 0, {God("まずはこれじゃ。赤の絵の具！",
        "First, this one: red paint!")}, {1, 5}, 9},
    {0, 6, 0, {God("赤は火の色。赤をまとえば、行く手をふさぐものを燃やす。",
        "Red is fire. Wear it, and what blocks your way burns.")}, kNoCue, 10},
    {0, 6, 0, {God("わしがこの筆で、ちょんとぬってやる。それだけじゃ！",
        "One little dab from my brush, and that is all it takes!")}, {10, 6}, 11},
    {0, 4, 0, {God("ただし、絵の具には限りがある。むだにするでないぞ。",
        "Mind you, my paint is not endless. Waste none of it.")}, kNoCue, 12},
    {0, 4, 0, {God("ほかの色は、おまえの旅しだいで渡してやろう。",
        "The other colours shall come as your journey unfolds.")}, kNoCue, 13},
    {2, 4, 3, {Hero("……！　体の中が、かっと熱くなってきた！",
        "Oh! It’s like a fire blazing up inside me!")}, {2, 7}, 14},
    {1, 4, 3, {Hero("ありがとう、神さま！",
        "Thank you, God of Colours!")}, kNoCue, 15},
    {1, 4, 3, {Hero("これなら、どんな道だって進んでみせる！",
        "With this, no road can stop me now!")}, kNoCue, 16},
    {1, 6, 0, {God("うむ。ゆけ、若者よ！",
        "Good. Now go forth, young one!")}, {2, 7}, 17},
    {0, 2, 5, {Companion("おーい！　ちょっと待ってよー！",
        "Hey! Wait for meee!")}, kNoCue, 18},
    {0, 2, 5, {Hero("あの声は……！",
        "That voice…!")}, kNoCue, 19},
    {0, 2, 0, {Companion("わたしも行く！　あの丘の上で待ってるからね！",
        "I’m coming too! I’ll wait for you up on the hill!")}, kNoCue, 20},
    {2, 2, 3, {Hero("おい、勝手に決めるなよ！",
        "Hey, don’t go deciding things on your own!")}, kNoCue, 21},
    {1, 2, 3, {Hero("……しかたない。むかえに行くか！",
        "…Oh, fine. I’d better go and fetch her!")}, kNoCue, kSceneStage1Init},
};
const TalkScene kTalk0 = {kSceneTalk0Init, kSceneTalk0Frame, kPicBackgrounds[1].path, "mid/1.mid", kStoryEffects, 14, 0, 4, 5,
                          kTalk0Lines, int(std::size(kTalk0Lines)), false, false};

const TalkLine kTalk1Lines[] = {
    {0, 0, 0, {Companion("おそーい！　待ちくたびれちゃった。",
        "You’re so slooow! I’m worn out from waiting.")}, kNoCue, 1},
    {0, 0, 3, {Hero("おまえが勝手に先に行くからだろ。",
        "That’s because you ran off ahead on your own!")}, kNoCue, 2},
    {0, 0, 0, {Companion2("だって、長老さまはわたしのおじいちゃんだよ？\n  家でじっとなんて、していられないもん。",
        "The Elder is my grandpa, you know.\nI couldn’t just sit at home and wait.")}, kNoCue, 3},
    {0, 1, 0, {Companion("それに、あんた一人じゃ心配だしね。",
        "Besides, I’d worry about you all on your own.")}, {3, 0}, 4},
    {0, 1, 3, {Hero("……よけいなお世話だ。",
        "…I don’t need looking after.")}, kNoCue, 5},
    {0, 0, 0, {Companion("さっきの火、見てたよ。あれ、どうやったの？",
        "I saw that fire just now. How did you do it?")}, kNoCue, 6},
    {0, 0, 3, {Hero("色の神さまに、赤の力をもらったんだ。",
        "The God of Colours gave me the power of red.")}, kNoCue, 7},
    {0, 0, 3, {Narration("若者は、色の神と出会ったことを話して聞かせた。",
        "He told her all about meeting the God of Colours.")}, kNoCue, 8},
    {0, 0, 0, {Companion("ええっ、神さま！？　ほんとにいたんだ！",
        "Whaaat? A god?! So he’s real!")}, {4, 1}, 9},
    {0, 1, 0, {Companion("じゃあ、わたしにもぬってもらおうっと。",
        "Then I’ll ask him to paint me too!")}, {3, 2}, 10},
    {2, 1, 3, {Hero("ちょっと待て、本気でついてくる気か！？",
        "Wait, you’re really coming with me?!")}, {12, 4}, 11},
    {2, 1, 0, {Companion("もちろん。薬草のことなら、わたしのほうがくわしいよ。",
        "Of course! I know far more about herbs than you do.")}, kNoCue, 12},
    {2, 1, 0, {Companion("おじいちゃんの本で、ちゃんと調べてきたんだから。",
        "I looked it all up in Grandpa’s books.")}, {4, 5}, 13},
    {3, 1, 3, {Hero("……ほんとかよ。",
        "…Oh, really?")}, kNoCue, 14},
    {3, 1, 0, {Companion("ほんとだって。雨の森をぬけて、ずっと先なんだよ。",
        "Really! It’s past the rainy forest, and far beyond.")}, {3, 6}, 15},
    {3, 3, 0, {Companion("お願い。村のナブルたちのために、わたしも行きたいの。",
        "Please. I want to help too, for everyone back home.")}, {5, 7}, 16},
    {0, 3, 3, {Hero("……わかったよ。いっしょに行こう。",
        "…All right. We’ll go together.")}, kNoCue, 17},
    {0, 3, 3, {Hero("ただし、足を引っぱるなよな！",
        "Just don’t slow me down!")}, kNoCue, kSceneTalk01Init},
};
const TalkScene kTalk1 = {kSceneTalk1Init, kSceneTalk1Frame, kPicBackgrounds[1].path, "mid/1.mid", kStoryEffects, 14, 0, 0, 0,
                          kTalk1Lines, int(std::size(kTalk1Lines)), false, false};

const TalkLine kTalk01Lines[] = {
    {0, 0, 0, {Companion("わあ、ひどい雨……。森の中が、水びたしだね。",
        "What a downpour… The whole forest is flooded.")}, kNoCue, 1},
    {0, 0, 3, {Hero("赤の力だけじゃ、この先は進めそうにないな。",
        "Red alone won’t get us any further than this.")}, kNoCue, 2},
    {0, 4, 0, {God("ほっほっ。困っておるようじゃな。",
        "Ho ho! In a spot of trouble, are we?")}, {0, 0}, 3},
    {2, 4, 3, {Hero("神さま！　いつの間に！？",
        "God of Colours! Where did you spring from?!")}, kNoCue, 4},
    {1, 4, 3, {Hero("ちょうどいいところに来てくれた！",
        "You’ve come just in time!")}, kNoCue, 5},
    {1, 4, 3, {Hero2("この森をぬけるには、新しい力がいるんだ。\n  次の色をくれないか？",
        "We need a new power to get through this forest.\nWill you give us the next colour?")}, {4, 1}, 6},
    {1, 4, 0, {God("よかろう。じゃが、ただではやらんぞ。",
        "Very well. But not for nothing, mind you.")}, kNoCue, 7},
    {1, 4, 0, {God2("問題じゃ！　空から落ちてきて、\n  火を消し、草を育てるものは、なーんだ？",
        "A riddle! What falls from the sky, puts out fire\nand makes the grass grow?")}, {6, 2}, 8},
    {2, 4, 3, {Hero("えっ、クイズ！？",
        "Huh? A riddle?!")}, {12, 4}, 9},
    {4, 4, 3, {Companion("はいっ！　雨！　つまり、水！",
        "Me, me! Rain! I mean… water!")}, {14, 5}, 10},
    {4, 5, 0, {God("……ほっほっ。早すぎて、ちょっぴりさびしいのう。",
        "…Ho ho. So quick! You’ve spoiled an old god’s fun.")}, {7, 6}, 11},
    {4, 4, 0, {God("ま、まあよい。正解じゃ。",
        "W-well, never mind. Quite correct.")}, kNoCue, 12},
    {4, 4, 0, {God2("受け取れ、青の絵の具！\n  青は水の色。火を消し、草木を育て、物を流す。",
        "Here, then: blue paint! Blue is water.\nIt quenches fire, grows plants, washes things away.")}, {1, 7}, 13},
    {4, 4, 3, {Companion("やった！　わたし、役に立ったでしょ？",
        "Yay! See? I was useful!")}, {4, 8}, 14},
    {2, 4, 3, {Hero("おれが答えるはずだったのに！",
        "Hey, I was about to answer that!")}, {8, 9}, 15},
    {2, 6, 0, {God2("ほっほっ。二人で来たなら、二人で答えればよい。\n  わしの筆は、どちらにも色をぬれるからの。",
        "Ho ho. You came as two, so answer as two.\nMy brush can paint either one of you.")}, kNoCue, 16},
    {2, 6, 0, {God2("力を合わせてこそ、道はひらける。\n  それを忘れるでないぞ！",
        "Only when you work together will the way open.\nNever forget that!")}, {10, 10}, 17},
    {2, 4, 0, {God("では、ゆけい！",
        "Now, off with you!")}, {2, 11}, 18},
    {1, 4, 3, {Hero("よし、行くぞ！　雨なんかに負けるもんか！",
        "Right, let’s go! A bit of rain won’t beat us!")}, kNoCue, kSceneStage2Init},
};
const TalkScene kTalk01 = {kSceneTalk01Init, kSceneTalk01Frame, kPicBackgrounds[2].path, "mid/2.mid", kStoryEffects, 15, 0, 0, 0,
                          kTalk01Lines, int(std::size(kTalk01Lines)), true, false};

const TalkLine kTalk2Lines[] = {
    {0, 2, 5, {Hero("ふう……。やっと森をぬけたな。",
        "Phew… We finally made it out of the forest.")}, kNoCue, 1},
    {0, 2, 0, {Companion("見て、すごく高い山！　空があんなに近いよ。",
        "Look at that mountain! The sky feels so close.")}, kNoCue, 2},
    {0, 4, 0, {God("ほっほっ。よくぞ雨の森をぬけたの。",
        "Ho ho. Well done, getting through the rainy forest.")}, {0, 0}, 3},
    {0, 4, 0, {God2("この先は、切り立った山道じゃ。\n  火でも水でも、越えられぬ場所がある。",
        "Ahead lies a steep mountain path, with places\nneither fire nor water can get you past.")}, kNoCue, 4},
    {0, 4, 0, {God("そこで、三つめの色を授けよう。",
        "So I shall grant you a third colour.")}, kNoCue, 5},
    {1, 4, 3, {Hero2("待ってました！　どんな色でも使いこなしてみせる！\n  ……で、その山道って、どのくらい高いんだ？",
        "I’ve been waiting for this! Bring on any colour!\n…So, er, how high is this mountain path?")}, kNoCue, 6},
    {1, 4, 0, {God("雲の上じゃ。",
        "Above the clouds.")}, kNoCue, 7},
    {1, 4, 0, {God("足をすべらせたら、まあ、たいへんじゃのう。",
        "Slip, and well… that would be rather unfortunate.")}, kNoCue, 8},
    {1, 4, 0, {God("ほっほっほっ。",
        "Ho ho ho!")}, kNoCue, 9},
    {0, 4, 3, {Hero("ぐっ……。き、気合いだ、気合い！",
        "Gulp… C-come on, be brave! Be brave!")}, {2, 1}, 10},
    {0, 0, 0, {Companion("あれ？　もしかして、高いところ苦手なの？",
        "Hm? Don’t tell me you’re scared of heights?")}, kNoCue, 11},
    {0, 0, 3, {Hero("に、苦手じゃない！　好きじゃないだけだ！",
        "I-I’m not scared! I just don’t like them!")}, kNoCue, 12},
    {0, 6, 0, {God("さて、三つめは何色か、わかるかの？",
        "Now then, can you guess the third colour?")}, {9, 2}, 13},
    {0, 6, 0, {God("ヒントは、雲を運び、風車を回すものじゃ。",
        "A hint: it carries clouds and turns windmills.")}, kNoCue, 14},
    {0, 6, 0, {God2("正解は、緑の絵の具！\n  緑は風の色。物をふき飛ばし、火をふき消す。",
        "The answer: green paint! Green is wind.\nIt blows things away, and puts fires out.")}, {10, 4}, 15},
    {0, 4, 0, {God("高い所では、風がおまえたちの味方になろう。",
        "Up high, the wind will be your friend.")}, kNoCue, 16},
    {0, 4, 0, {God("ではな。下を見るでないぞ、ほっほっ！",
        "Farewell. And don’t look down, ho ho!")}, {13, 5}, kSceneStage3Init},
};
const TalkScene kTalk2 = {kSceneTalk2Init, kSceneTalk2Frame, kPicBackgrounds[3].path, "mid/3.mid", kStoryEffects, 15, 0, 2, 5,
                          kTalk2Lines, int(std::size(kTalk2Lines)), false, false};

const TalkLine kTalk3Lines[] = {
    {0, 1, 5, {Hero("はあ、はあ……。生きた心地がしなかった……。",
        "Huff, huff… I thought I was done for up there…")}, kNoCue, 1},
    {0, 1, 0, {Companion("おつかれさま。ほら、ふもとに村が見えるよ。",
        "Well done! Look, there’s a village down below.")}, {3, 0}, 2},
    {2, 1, 3, {Hero("あっ、いいにおい！　晩ごはんの時間だ！",
        "Ooh, something smells good! It’s supper time!")}, {14, 1}, 3},
    {2, 4, 0, {God("ほっほっ。腹ごしらえの前に、ひとつ教えておこう。",
        "Ho ho. Before you eat, one more lesson.")}, {0, 2}, 4},
    {2, 4, 0, {God2("赤、緑、青。三つの色は、\n  同じものの前でも、働きがまるでちがう。",
        "Red, green and blue: on the very same thing,\nthe three colours work in quite different ways.")}, kNoCue, 5},
    {2, 4, 0, {God2("炎は、風でふき消すことも、水で消すこともできる。\n  草は水で育ち、火や風で消えてしまう。",
        "Wind can blow a flame out, and water can douse it.\nGrass grows with water; fire or wind clears it.")}, {13, 4}, 6},
    {2, 4, 0, {God2("どの色を、どこで使うか。\n  それを考えるのが、ここからの旅じゃ。",
        "Which colour, and where? Thinking that through\nis your journey from here on.")}, kNoCue, 7},
    {2, 6, 0, {God("三色そろったおまえたちなら、きっとできる！",
        "With all three colours, you two shall surely manage!")}, {10, 5}, kSceneStage4Init},
};
const TalkScene kTalk3 = {kSceneTalk3Init, kSceneTalk3Frame, kPicBackgrounds[4].path, "mid/4.mid", kStoryEffects, 15, 0, 1, 5,
                          kTalk3Lines, int(std::size(kTalk3Lines)), false, false};

const TalkLine kTalk8Lines[] = {
    {0, 1, 5, {Hero("なんだ、ここは……。見上げるような塔ばかりだ。",
        "What is this place…? Nothing but towering spires.")}, kNoCue, 1},
    {1, 1, 5, {Hero("人間の町か！　どれもでっかいなあ！",
        "A human city! Everything’s so huge!")}, {4, 0}, 2},
    {1, 1, 0, {Companion("待って。この町の空、なんだか赤くない？",
        "Wait. Isn’t the sky over this city sort of red?")}, kNoCue, 3},
    {0, 1, 3, {Hero("夕焼け……にしては、おそすぎるな。",
        "A sunset…? No, it’s far too late for that.")}, kNoCue, 4},
    {0, 1, 3, {Hero("それに、さっきから何かに見られてる気がする。",
        "And I keep feeling that something’s watching us.")}, kNoCue, 5},
    {0, 1, 3, {Hero("塔のてっぺんに、黒い影が……。",
        "There’s a dark shadow on top of that tower…")}, kNoCue, 6},
    {0, 0, 0, {Companion("カラスだ！　この町のカラスは、ナブルをねらうって……",
        "Crows! The crows here hunt Nubbles…")}, kNoCue, 7},
    {0, 0, 0, {Companion("おじいちゃんの本に書いてあった！",
        "It said so in Grandpa’s book!")}, kNoCue, 8},
    {2, 0, 3, {Hero("来るぞ！",
        "Here they come!")}, {12, 1}, 9},
    {2, 1, 0, {Companion("だいじょうぶ。わたしたちには、三つの色があるもん！",
        "It’s all right. We’ve got our three colours!")}, {3, 2}, 10},
    {2, 1, 0, {Companion("塔の下の穴まで逃げこめば、きっと平気だよ。",
        "If we reach the hole under the towers, we’ll be safe.")}, kNoCue, 11},
    {0, 1, 3, {Hero("よし、下へ向かうぞ。",
        "Right, let’s head down.")}, kNoCue, 12},
    {1, 1, 3, {Hero("はなれるなよ！",
        "Stay close!")}, kNoCue, 13},
    {1, 1, 0, {Companion("そっちこそ！",
        "Look who’s talking!")}, {3, 4}, kSceneStage9Init},
};
const TalkScene kTalk8 = {kSceneTalk8Init, kSceneTalk8Frame, kPicBackgrounds[5].path, "mid/5.mid", kStoryEffects, 15, 0, 1, 5,
                          kTalk8Lines, int(std::size(kTalk8Lines)), false, false};

const TalkLine kTalk4Lines[] = {
    {0, 0, 5, {Hero("……ふう。なんとか、ふり切ったみたいだな。",
        "…Phew. Looks like we shook them off.")}, kNoCue, 1},
    {0, 0, 0, {Companion("カラスたち、あきらめて帰っていったね。",
        "The crows gave up and flew home.")}, kNoCue, 2},
    {0, 0, 3, {Hero("さて、ここからどっちへ行くか……運だめしだ！",
        "Now, which way from here…? Let’s leave it to luck!")}, {15, 0}, 3},
    {0, 0, 3, {Hero("……よし、北だ！　北の丘へ行こう！",
        "…Right: north! To the hill up north!")}, kNoCue, 4},
    {0, 0, 3, {Hero("丘の上なら、星もよく見えるはずだ。",
        "We’ll have a good view of the stars from up there.")}, kNoCue, 5},
    {0, 1, 0, {Companion("もう、いいかげんなんだから。でも、さんせい！",
        "Honestly, you’re so slapdash. But I’m in!")}, {3, 1}, kSceneTalk02Init},
};
const TalkScene kTalk4 = {kSceneTalk4Init, kSceneTalk4Frame, kPicBackgrounds[5].path, "mid/5.mid", kCityEffects, 2, 0, 0, 5,
                          kTalk4Lines, int(std::size(kTalk4Lines)), false, false};

const TalkLine kTalk02Lines[] = {
    {0, 7, 5, {Hero("きれいな星空だな……。ん？　この気配は……。",
        "What a beautiful starry sky… Hm? Who’s there…?")}, kNoCue, 1},
    {0, 7, 0, {God("ワレハ、ヨゾラノ大魔王ナリ……。",
        "I AM… THE DEMON KING OF THE NIGHT SKY…")}, {11, 0}, 2},
    {4, 7, 3, {Companion("き、きゃあっ！　お、お化け！？",
        "Eeek! A g-g-ghost?!")}, kNoCue, 3},
    {4, 7, 0, {God("オマエタチノ色ヲ、スベテイタダコウ……。",
        "I SHALL TAKE… ALL OF YOUR COLOURS…")}, {17, 1}, 4},
    {0, 7, 3, {Hero("……なんだか、聞きおぼえのある声だな。",
        "…That voice sounds awfully familiar.")}, kNoCue, 5},
    {0, 7, 0, {God("キ、キノセイダ！　ワレハ大魔王ダゾ！",
        "Y-YOU ARE MISTAKEN! I AM THE DEMON KING!")}, kNoCue, 6},
    {0, 7, 0, {God("ガオーッ！！",
        "ROOOAAAR!!")}, {18, 2}, 7},
    {0, 7, 3, {Hero("……神さま、だろ？",
        "…It’s you, God of Colours, isn’t it?")}, kNoCue, 8},
    {0, 4, 0, {God("……ほっほっ。よく見やぶったの。",
        "…Ho ho. You saw right through me.")}, {0, 4}, 9},
    {0, 4, 0, {God("大正解じゃ！　ちょっと、おどかしてみただけじゃよ。",
        "Full marks! I only meant to give you a little fright.")}, {14, 5}, 10},
    {0, 4, 0, {God("おわびに、よいことを教えてやろう。",
        "To make amends, let me tell you something useful.")}, kNoCue, 11},
    {6, 4, 3, {Companion("もう！　ほんとにこわかったんだからね！",
        "Honestly! I was really, really scared, you know!")}, kNoCue, 12},
    {6, 6, 0, {God("伝説の薬草は、黄金の門の向こうに生えておる！",
        "The herb of legend grows beyond the Golden Gate!")}, {10, 6}, 13},
    {1, 6, 3, {Hero("黄金の門……！",
        "The Golden Gate…!")}, kNoCue, 14},
    {1, 6, 3, {Hero("そこへ行けば、長老さまが助かるんだな！",
        "If we get there, the Elder will be saved!")}, {4, 7}, 15},
    {5, 6, 3, {Companion("やったね！　おじいちゃん、もう少しだよ！",
        "Yay! Just a little longer, Grandpa!")}, {3, 8}, 16},
    {5, 6, 0, {God("道は遠いぞ。じゃが、星に願えば道は見える。",
        "The way is long. Wish on a star, and you’ll see it.")}, kNoCue, 17},
    {5, 6, 0, {God("流れ星の落ちる方へ進むがよい。ではな！",
        "Follow where the shooting stars fall. Farewell!")}, {13, 9}, 18},
    {1, 6, 3, {Hero("よし、流れ星を追いかけよう！",
        "Right, let’s chase the shooting stars!")}, kNoCue, kSceneStage5Init},
};
const TalkScene kTalk02 = {kSceneTalk02Init, kSceneTalk02Frame, kPicBackgrounds[6].path, "mid/4.mid", kStoryEffects, 18, 0, 7, 5,
                          kTalk02Lines, int(std::size(kTalk02Lines)), true, false};

const TalkLine kTalk5Lines[] = {
    {3, 2, 2, {Companion("ちょっと！　いつまでそこにしゃがみこんでるの？",
        "Come on! How long are you going to crouch there?")}, kNoCue, 1},
    {3, 2, 3, {Hero("だ、だって……この崖、高すぎるだろ……。",
        "B-but… this cliff is way too high…")}, kNoCue, 2},
    {3, 6, 0, {God("ばあっ！　ほっほっ、またこわがっておるのか。",
        "Boo! Ho ho, scared again, are we?")}, {11, 0}, 3},
    {2, 6, 3, {Hero("うわっ、また出た！",
        "Whoa, not you again!")}, kNoCue, 4},
    {2, 6, 5, {Narration("神はふっと消え、どこからかナブルの歌が聞こえてきた。",
        "The god vanished, and a Nubble song drifted by.")}, {5, 1}, 5},
    {2, 6, 5, {Hero("この歌……村のみんなの歌だ！",
        "That song… It’s the song from our village!")}, {12, 2}, 6},
    {2, 0, 0, {Companion("え？　……カラスの声しか聞こえないけど。",
        "Huh? …All I can hear is crows.")}, {7, 4}, 7},
    {0, 0, 3, {Hero("いや、たしかに聞こえたんだ！",
        "No, I heard it, I know I did!")}, {7, 5}, 8},
    {0, 0, 3, {Hero("みんなが待ってる。こわがってる場合じゃないな。",
        "They’re all waiting. No time to be scared now.")}, kNoCue, 9},
    {0, 1, 0, {Companion("その意気！　さあ、崖を下りていこう！",
        "That’s the spirit! Come on, down the cliff we go!")}, {2, 6}, kSceneStage7Init},
};
const TalkScene kTalk5 = {kSceneTalk5Init, kSceneTalk5Frame, kPicBackgrounds[7].path, "mid/3.mid", kStoryEffects, 18, 3, 2, 2,
                          kTalk5Lines, int(std::size(kTalk5Lines)), false, false};

const TalkLine kTalk6Lines[] = {
    {2, 2, 2, {Companion("ちょっと、どこ行ったの！？",
        "Hey, where did you go?!")}, kNoCue, 1},
    {2, 2, 2, {Companion("崖を下りたとたん、いなくなるんだから……。",
        "The moment we got down the cliff, you vanished…")}, kNoCue, 2},
    {2, 2, 2, {Companion("見つけた！　そんなところで何してるのよーっ！",
        "Found you! What are you doing over there?!")}, {18, 0}, 3},
    {2, 2, 3, {Hero("いてっ！　たたくことないだろ！",
        "Ow! You didn’t have to hit me!")}, {8, 1}, 4},
    {2, 2, 0, {Companion("心配したんだからね！",
        "I was worried about you!")}, kNoCue, 5},
    {0, 2, 3, {Hero("わるかった。この洞くつの入口を調べてたんだ。",
        "Sorry. I was having a look at this cave.")}, kNoCue, 6},
    {0, 2, 0, {Companion("洞くつ？　……奥のほうが、ぼんやり明るいね。",
        "A cave? …There’s a faint light, deep inside.")}, kNoCue, 7},
    {2, 2, 3, {Hero("ここを抜けたら、黄金の門はもうすぐだ！",
        "Once we’re through here, the Golden Gate is close!")}, {8, 1}, 8},
    {0, 2, 3, {Hero("行こう。暗い所なら、高い所よりずっとましだ。",
        "Let’s go. Dark places beat high ones any day.")}, kNoCue, 9},
    {0, 2, 0, {Companion("……まったく。もう置いていかないでよね。",
        "…Honestly. Don’t leave me behind again, okay?")}, kNoCue, kSceneStage6Init},
};
const TalkScene kTalk6 = {kSceneTalk6Init, kSceneTalk6Frame, kPicBackgrounds[2].path, "mid/2.mid", kStoryEffects, 18, 2, 2, 2,
                          kTalk6Lines, int(std::size(kTalk6Lines)), false, false};

const TalkLine kTalk7Lines[] = {
    {0, 4, 5, {Hero("洞くつを抜けたら、広い野原に出たぞ。",
        "We’re out of the cave… and into a wide meadow.")}, kNoCue, 1},
    {0, 4, 5, {Hero("あの光る門……。あれが、黄金の門か！",
        "That shining gate… It must be the Golden Gate!")}, kNoCue, 2},
    {0, 4, 0, {God("そのとおり。よくぞここまで来たの。",
        "Indeed it is. You have done well to come this far.")}, kNoCue, 3},
    {2, 4, 3, {Hero("神さま！",
        "God of Colours!")}, kNoCue, 4},
    {2, 4, 0, {God("門の向こうに、伝説の薬草が生えておる。",
        "The herb of legend grows beyond that gate.")}, {0, 0}, 5},
    {2, 4, 0, {God2("じゃが、門の前のしかけは手ごわいぞ。\n  赤と青、二つの色だけで越えてみせよ。",
        "But the traps before the gate are fiendish.\nGet past them with two colours only: red and blue.")}, kNoCue, 6},
    {2, 6, 0, {At(290, kGodColour, "火で道を焼き、水で草をのばすのじゃ！",
        "Burn a path with fire, grow the grass with water!")}, {10, 1}, 7},
    {2, 4, 0, {God("これが、わしの最後の手助けじゃ。",
        "This is the last help I shall give you.")}, {13, 2}, 8},
    {2, 6, 0, {God("ゆけ、若者たちよ！　伝説はすぐそこじゃ！",
        "Go forth, young ones! The legend awaits!")}, {10, 4}, 9},
    {1, 1, 1, {At(280, kHeroColour, "まかせてくれ！",
        "Leave it to us!"), At(320, kCompanionColour, "まかせて！",
        "You can count on us!")}, {3, 5}, 10},
    {1, 1, 3, {Hero("長老さま、もうすぐだ！",
        "Hold on, Elder, we’re nearly there!")}, {4, 6}, kSceneStage8Init},
};
const TalkScene kTalk7 = {kSceneTalk7Init, kSceneTalk7Frame, kPicBackgrounds[1].path, "mid/1.mid", kStoryEffects, 18, 0, 4, 5,
                          kTalk7Lines, int(std::size(kTalk7Lines)), false, false};

const TalkLine kTalk9Lines[] = {
    {0, 0, 5, {Hero("長老さま！　伝説の薬草を持って帰りました！",
        "Elder! We’ve brought back the herb of legend!")}, kNoCue, 1},
    {0, 0, 5, {Hero("これを煎じて飲めば、きっと元気になります！",
        "Brew it into a tea, and you’ll be well again!")}, kNoCue, 2},
    {0, 0, 5, {Narration("薬草の湯を飲むと、長老のほおに赤みがもどった。",
        "As he drank the herb tea, colour came to his cheeks.")}, kNoCue, 3},
    {0, 0, 5, {Narration("ナブルたちが見守るなか、長老はゆっくりと目をあけた。",
        "As the Nubbles watched, the Elder opened his eyes.")}, kNoCue, 4},
    {0, 0, 5, {Chief("……ありがとう。おまえたちは、村のほこりじゃ。",
        "…Thank you. You two are the pride of our village.")}, kNoCue, 5},
    // One sentence in five colours: five texts drawn at the same place, each
    // blank outside its own words: in Japanese two spaces per full-width
    // character, in English hidden runs (between two kTextHide bytes, "\x01").
    {0, 0, 5,
     {At(300, kNarrationColour, "その夜、村の空に                                  ",
         "That night, " "\x01" "yellow" ", " "blue" " and " "pink" " fireworks lit the sky!" "\x01"),
      Lit(kYellow, "                黄色、                            ",
         "\x01" "That night, " "\x01" "yellow" "\x01" ", " "blue" " and " "pink" " fireworks lit the sky!" "\x01"),
      Lit(kCyan, "                      水色、                      ",
         "\x01" "That night, " "yellow" ", " "\x01" "blue" "\x01" " and " "pink" " fireworks lit the sky!" "\x01"),
      Lit(kMagenta, "                            桃色の                ",
         "\x01" "That night, " "yellow" ", " "blue" " and " "\x01" "pink" "\x01" " fireworks lit the sky!" "\x01"),
      At(300, kNarrationColour, "                                  花火が上がった。",
         "\x01" "That night, " "yellow" "\x01" ", " "\x01" "blue" "\x01" " and " "\x01" "pink" "\x01" " fireworks lit the sky!")},
     {18, 0},
     kSceneTalk03Init},
};
const TalkScene kTalk9 = {kSceneTalk9Init, kSceneTalk9Frame, kPicBackgrounds[8].path, "mid/1.mid", kVillageEffects, 1, 0, 0, 5,
                          kTalk9Lines, int(std::size(kTalk9Lines)), false, false};

const TalkLine kTalk03Lines[] = {
    {0, 0, 5, {Hero("長老さま、すっかり元気になったな。",
        "The Elder’s right back on his feet.")}, kNoCue, 1},
    {0, 1, 0, {Companion("うん！　村のみんなも、大よろこびだよ。",
        "Yes! Everyone in the village is overjoyed.")}, {3, 0}, 2},
    {0, 0, 3, {Hero("おまえが一緒に来てくれて、助かったよ。",
        "I’m glad you came along. You were a big help.")}, kNoCue, 3},
    {0, 0, 3, {Hero2("おれ一人だったら、崖の上で固まったまま\n  今ごろ、まだ動けずにいたかもな。",
        "If I’d been on my own, I’d probably still be\nfrozen stiff on top of that cliff.")}, kNoCue, 4},
    {0, 0, 0, {Companion("あら、やっとみとめたね。",
        "Oh? So you finally admit it.")}, kNoCue, 5},
    {0, 1, 0, {Companion("でも、わたしもすごく楽しかった。",
        "But I had a wonderful time too.")}, {3, 1}, 6},
    {0, 0, 0, {Companion("神さまにも、ちゃんとお礼を言いたいね。",
        "I’d like to thank the God of Colours properly.")}, kNoCue, 7},
    {0, 0, 3, {Hero("そうだな。きっと、どこかで見てるさ。",
        "Yeah. I bet he’s watching from somewhere.")}, kNoCue, 8},
    {0, 0, 3, {Hero("空の上で、あの筆を持ってな。",
        "Up in the sky, with that brush of his.")}, {4, 2}, 9},
    {0, 2, 0, {Companion("ねえ！　次の旅は、置いていかないでよね！",
        "Hey! Next time you go on a journey, take me along!")}, {14, 4}, 10},
    {0, 0, 0, {Companion("約束だよ。",
        "Promise, okay?")}, kNoCue, 11},
    {0, 0, 0, {Companion("さあ、帰ろう。みんなが待ってる！",
        "Come on, let’s go home. Everyone’s waiting!")}, kNoCue, kSceneEndInit},
};
const TalkScene kTalk03 = {kSceneTalk03Init, kSceneTalk03Frame, kPicBackgrounds[1].path, "mid/1.mid", kStoryEffects, 18, 0, 0, 5,
                          kTalk03Lines, int(std::size(kTalk03Lines)), false, true};

}  // namespace

const TalkScene* const kTalkScenes[kTalkSceneCount] = {
    &kTalk0, &kTalk1, &kTalk01, &kTalk2, &kTalk3, &kTalk8, &kTalk4,
    &kTalk02, &kTalk5, &kTalk6, &kTalk7, &kTalk9, &kTalk03,
};

void Talk0Init() { TalkInit(kTalk0); }
void Talk0Frame() { TalkFrame(kTalk0); }
void Talk1Init() { TalkInit(kTalk1); }
void Talk1Frame() { TalkFrame(kTalk1); }
void Talk01Init() { TalkInit(kTalk01); }
void Talk01Frame() { TalkFrame(kTalk01); }
void Talk2Init() { TalkInit(kTalk2); }
void Talk2Frame() { TalkFrame(kTalk2); }
void Talk3Init() { TalkInit(kTalk3); }
void Talk3Frame() { TalkFrame(kTalk3); }
void Talk8Init() { TalkInit(kTalk8); }
void Talk8Frame() { TalkFrame(kTalk8); }
void Talk4Init() { TalkInit(kTalk4); }
void Talk4Frame() { TalkFrame(kTalk4); }
void Talk02Init() { TalkInit(kTalk02); }
void Talk02Frame() { TalkFrame(kTalk02); }
void Talk5Init() { TalkInit(kTalk5); }
void Talk5Frame() { TalkFrame(kTalk5); }
void Talk6Init() { TalkInit(kTalk6); }
void Talk6Frame() { TalkFrame(kTalk6); }
void Talk7Init() { TalkInit(kTalk7); }
void Talk7Frame() { TalkFrame(kTalk7); }
void Talk9Init() { TalkInit(kTalk9); }
void Talk9Frame() { TalkFrame(kTalk9); }
void Talk03Init() { TalkInit(kTalk03); }
void Talk03Frame() { TalkFrame(kTalk03); }
