// The thirteen dialogue scenes as data. Each table gives, per line, the faces
// and cover, the texts, an optional sound cue {slot, counter c0..c11} and the
// next line (or, on the last line, the next scene). The engine plays them.
#include <iterator>

#include "app/scenes.h"
#include "talk/talk.h"

namespace {

constexpr uint32_t kYellow = 0xFFFFFF00u;
constexpr uint32_t kCyan = 0xFF00FFFFu;
constexpr uint32_t kMagenta = 0xFFFF00FFu;

constexpr TalkText At(int y, uint32_t colour, const char* s) { return {y, colour, s}; }
constexpr TalkText Hero(const char* s) { return {300, kHeroColour, s}; }
constexpr TalkText Hero2(const char* s) { return {290, kHeroColour, s}; }
constexpr TalkText God(const char* s) { return {300, kGodColour, s}; }
constexpr TalkText God2(const char* s) { return {290, kGodColour, s}; }
constexpr TalkText Companion(const char* s) { return {300, kCompanionColour, s}; }
constexpr TalkText Companion2(const char* s) { return {290, kCompanionColour, s}; }
constexpr TalkText Narration(const char* s) { return {300, kNarrationColour, s}; }
constexpr TalkText Chief(const char* s) { return {300, kChiefColour, s}; }

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
    {0, 4, 5, {Hero2("長老さまの病にきくという、伝説の薬草……\n  いったい、どこに生えているんだろう。")}, kNoCue, 1},
    {0, 4, 5, {Hero2("手がかりは、村に伝わる古い言い伝えだけ。\n  『三つの色をまとう者、道をひらかん』か……")}, kNoCue, 2},
    {0, 4, 0, {God("――そこの若者よ。")}, {0, 0}, 3},
    {2, 4, 3, {Hero("うわっ！　だ、だれだ！？")}, {12, 1}, 4},
    {2, 4, 0, {God("わしは色の神。空の上から、ずっと見ておったぞ。")}, kNoCue, 5},
    {2, 4, 0, {God2("ナブルの長老を救いたいのであろう？\n  ならば、わしの色の力を貸してやろう。")}, {13, 2}, 6},
    {0, 4, 3, {Hero("色の力……？")}, kNoCue, 7},
    {0, 4, 0, {God("この世のものは、三つの色の力で動いておる。")}, {0, 4}, 8},
    {0, 4, 0, {God("まずはこれじゃ。赤の絵の具！")}, {1, 5}, 9},
    {0, 6, 0, {God("赤は火の色。赤をまとえば、行く手をふさぐものを燃やす。")}, kNoCue, 10},
    {0, 6, 0, {God("わしがこの筆で、ちょんとぬってやる。それだけじゃ！")}, {10, 6}, 11},
    {0, 4, 0, {God("ただし、絵の具には限りがある。むだにするでないぞ。")}, kNoCue, 12},
    {0, 4, 0, {God("ほかの色は、おまえの旅しだいで渡してやろう。")}, kNoCue, 13},
    {2, 4, 3, {Hero("……！　体の中が、かっと熱くなってきた！")}, {2, 7}, 14},
    {1, 4, 3, {Hero("ありがとう、神さま！")}, kNoCue, 15},
    {1, 4, 3, {Hero("これなら、どんな道だって進んでみせる！")}, kNoCue, 16},
    {1, 6, 0, {God("うむ。ゆけ、若者よ！")}, {2, 7}, 17},
    {0, 2, 5, {Companion("おーい！　ちょっと待ってよー！")}, kNoCue, 18},
    {0, 2, 5, {Hero("あの声は……！")}, kNoCue, 19},
    {0, 2, 0, {Companion("わたしも行く！　あの丘の上で待ってるからね！")}, kNoCue, 20},
    {2, 2, 3, {Hero("おい、勝手に決めるなよ！")}, kNoCue, 21},
    {1, 2, 3, {Hero("……しかたない。むかえに行くか！")}, kNoCue, 11},  // -> GameST1init
};
const TalkScene kTalk0 = {kSceneTalk0Init, kSceneTalk0Frame, "img/haik.png", "mid/1.mid", kStoryEffects, 14, 0, 4, 5,
                          kTalk0Lines, int(std::size(kTalk0Lines)), false, false};

const TalkLine kTalk1Lines[] = {
    {0, 0, 0, {Companion("おそーい！　待ちくたびれちゃった。")}, kNoCue, 1},
    {0, 0, 3, {Hero("おまえが勝手に先に行くからだろ。")}, kNoCue, 2},
    {0, 0, 0, {Companion2("だって、長老さまはわたしのおじいちゃんだよ？\n  家でじっとなんて、していられないもん。")}, kNoCue, 3},
    {0, 1, 0, {Companion("それに、あんた一人じゃ心配だしね。")}, {3, 0}, 4},
    {0, 1, 3, {Hero("……よけいなお世話だ。")}, kNoCue, 5},
    {0, 0, 0, {Companion("さっきの火、見てたよ。あれ、どうやったの？")}, kNoCue, 6},
    {0, 0, 3, {Hero("色の神さまに、赤の力をもらったんだ。")}, kNoCue, 7},
    {0, 0, 3, {Narration("若者は、色の神と出会ったことを話して聞かせた。")}, kNoCue, 8},
    {0, 0, 0, {Companion("ええっ、神さま！？　ほんとにいたんだ！")}, {4, 1}, 9},
    {0, 1, 0, {Companion("じゃあ、わたしにもぬってもらおうっと。")}, {3, 2}, 10},
    {2, 1, 3, {Hero("ちょっと待て、本気でついてくる気か！？")}, {12, 4}, 11},
    {2, 1, 0, {Companion("もちろん。薬草のことなら、わたしのほうがくわしいよ。")}, kNoCue, 12},
    {2, 1, 0, {Companion("おじいちゃんの本で、ちゃんと調べてきたんだから。")}, {4, 5}, 13},
    {3, 1, 3, {Hero("……ほんとかよ。")}, kNoCue, 14},
    {3, 1, 0, {Companion("ほんとだって。雨の森をぬけて、ずっと先なんだよ。")}, {3, 6}, 15},
    {3, 3, 0, {Companion("お願い。村のナブルたちのために、わたしも行きたいの。")}, {5, 7}, 16},
    {0, 3, 3, {Hero("……わかったよ。いっしょに行こう。")}, kNoCue, 17},
    {0, 3, 3, {Hero("ただし、足を引っぱるなよな！")}, kNoCue, 49},  // -> Talk01Init
};
const TalkScene kTalk1 = {kSceneTalk1Init, kSceneTalk1Frame, "img/haik.png", "mid/1.mid", kStoryEffects, 14, 0, 0, 0,
                          kTalk1Lines, int(std::size(kTalk1Lines)), false, false};

const TalkLine kTalk01Lines[] = {
    {0, 0, 0, {Companion("わあ、ひどい雨……。森の中が、水びたしだね。")}, kNoCue, 1},
    {0, 0, 3, {Hero("赤の力だけじゃ、この先は進めそうにないな。")}, kNoCue, 2},
    {0, 4, 0, {God("ほっほっ。困っておるようじゃな。")}, {0, 0}, 3},
    {2, 4, 3, {Hero("神さま！　いつの間に！？")}, kNoCue, 4},
    {1, 4, 3, {Hero("ちょうどいいところに来てくれた！")}, kNoCue, 5},
    {1, 4, 3, {Hero2("この森をぬけるには、新しい力がいるんだ。\n  次の色をくれないか？")}, {4, 1}, 6},
    {1, 4, 0, {God("よかろう。じゃが、ただではやらんぞ。")}, kNoCue, 7},
    {1, 4, 0, {God2("問題じゃ！　空から落ちてきて、\n  火を消し、草を育てるものは、なーんだ？")}, {6, 2}, 8},
    {2, 4, 3, {Hero("えっ、クイズ！？")}, {12, 4}, 9},
    {4, 4, 3, {Companion("はいっ！　雨！　つまり、水！")}, {14, 5}, 10},
    {4, 5, 0, {God("……ほっほっ。早すぎて、ちょっぴりさびしいのう。")}, {7, 6}, 11},
    {4, 4, 0, {God("ま、まあよい。正解じゃ。")}, kNoCue, 12},
    {4, 4, 0, {God2("受け取れ、青の絵の具！\n  青は水の色。火を消し、草木を育て、物を流す。")}, {1, 7}, 13},
    {4, 4, 3, {Companion("やった！　わたし、役に立ったでしょ？")}, {4, 8}, 14},
    {2, 4, 3, {Hero("おれが答えるはずだったのに！")}, {8, 9}, 15},
    {2, 6, 0, {God2("ほっほっ。二人で来たなら、二人で答えればよい。\n  わしの筆は、どちらにも色をぬれるからの。")}, kNoCue, 16},
    {2, 6, 0, {God2("力を合わせてこそ、道はひらける。\n  それを忘れるでないぞ！")}, {10, 10}, 17},
    {2, 4, 0, {God("では、ゆけい！")}, {2, 11}, 18},
    {1, 4, 3, {Hero("よし、行くぞ！　雨なんかに負けるもんか！")}, kNoCue, 15},  // -> GameST2init
};
const TalkScene kTalk01 = {kSceneTalk01Init, kSceneTalk01Frame, "img/haik2.png", "mid/2.mid", kStoryEffects, 15, 0, 0, 0,
                          kTalk01Lines, int(std::size(kTalk01Lines)), true, false};

const TalkLine kTalk2Lines[] = {
    {0, 2, 5, {Hero("ふう……。やっと森をぬけたな。")}, kNoCue, 1},
    {0, 2, 0, {Companion("見て、すごく高い山！　空があんなに近いよ。")}, kNoCue, 2},
    {0, 4, 0, {God("ほっほっ。よくぞ雨の森をぬけたの。")}, {0, 0}, 3},
    {0, 4, 0, {God2("この先は、切り立った山道じゃ。\n  火でも水でも、越えられぬ場所がある。")}, kNoCue, 4},
    {0, 4, 0, {God("そこで、三つめの色を授けよう。")}, kNoCue, 5},
    {1, 4, 3, {Hero2("待ってました！　どんな色でも使いこなしてみせる！\n  ……で、その山道って、どのくらい高いんだ？")}, kNoCue, 6},
    {1, 4, 0, {God("雲の上じゃ。")}, kNoCue, 7},
    {1, 4, 0, {God("足をすべらせたら、まあ、たいへんじゃのう。")}, kNoCue, 8},
    {1, 4, 0, {God("ほっほっほっ。")}, kNoCue, 9},
    {0, 4, 3, {Hero("ぐっ……。き、気合いだ、気合い！")}, {2, 1}, 10},
    {0, 0, 0, {Companion("あれ？　もしかして、高いところ苦手なの？")}, kNoCue, 11},
    {0, 0, 3, {Hero("に、苦手じゃない！　好きじゃないだけだ！")}, kNoCue, 12},
    {0, 6, 0, {God("さて、三つめは何色か、わかるかの？")}, {9, 2}, 13},
    {0, 6, 0, {God("ヒントは、雲を運び、風車を回すものじゃ。")}, kNoCue, 14},
    {0, 6, 0, {God2("正解は、緑の絵の具！\n  緑は風の色。物をふき飛ばし、火をふき消す。")}, {10, 4}, 15},
    {0, 4, 0, {God("高い所では、風がおまえたちの味方になろう。")}, kNoCue, 16},
    {0, 4, 0, {God("ではな。下を見るでないぞ、ほっほっ！")}, {13, 5}, 19},  // -> GameST3init
};
const TalkScene kTalk2 = {kSceneTalk2Init, kSceneTalk2Frame, "img/haik3.png", "mid/3.mid", kStoryEffects, 15, 0, 2, 5,
                          kTalk2Lines, int(std::size(kTalk2Lines)), false, false};

const TalkLine kTalk3Lines[] = {
    {0, 1, 5, {Hero("はあ、はあ……。生きた心地がしなかった……。")}, kNoCue, 1},
    {0, 1, 0, {Companion("おつかれさま。ほら、ふもとに村が見えるよ。")}, {3, 0}, 2},
    {2, 1, 3, {Hero("あっ、いいにおい！　晩ごはんの時間だ！")}, {14, 1}, 3},
    {2, 4, 0, {God("ほっほっ。腹ごしらえの前に、ひとつ教えておこう。")}, {0, 2}, 4},
    {2, 4, 0, {God2("赤、緑、青。三つの色は、\n  同じものの前でも、働きがまるでちがう。")}, kNoCue, 5},
    {2, 4, 0, {God2("炎は、風でふき消すことも、水で消すこともできる。\n  草は水で育ち、火や風で消えてしまう。")}, {13, 4}, 6},
    {2, 4, 0, {God2("どの色を、どこで使うか。\n  それを考えるのが、ここからの旅じゃ。")}, kNoCue, 7},
    {2, 6, 0, {God("三色そろったおまえたちなら、きっとできる！")}, {10, 5}, 23},  // -> GameST4init
};
const TalkScene kTalk3 = {kSceneTalk3Init, kSceneTalk3Frame, "img/haik4.png", "mid/4.mid", kStoryEffects, 15, 0, 1, 5,
                          kTalk3Lines, int(std::size(kTalk3Lines)), false, false};

const TalkLine kTalk8Lines[] = {
    {0, 1, 5, {Hero("なんだ、ここは……。見上げるような塔ばかりだ。")}, kNoCue, 1},
    {1, 1, 5, {Hero("人間の町か！　どれもでっかいなあ！")}, {4, 0}, 2},
    {1, 1, 0, {Companion("待って。この町の空、なんだか赤くない？")}, kNoCue, 3},
    {0, 1, 3, {Hero("夕焼け……にしては、おそすぎるな。")}, kNoCue, 4},
    {0, 1, 3, {Hero("それに、さっきから何かに見られてる気がする。")}, kNoCue, 5},
    {0, 1, 3, {Hero("塔のてっぺんに、黒い影が……。")}, kNoCue, 6},
    {0, 0, 0, {Companion("カラスだ！　この町のカラスは、ナブルをねらうって……")}, kNoCue, 7},
    {0, 0, 0, {Companion("おじいちゃんの本に書いてあった！")}, kNoCue, 8},
    {2, 0, 3, {Hero("来るぞ！")}, {12, 1}, 9},
    {2, 1, 0, {Companion("だいじょうぶ。わたしたちには、三つの色があるもん！")}, {3, 2}, 10},
    {2, 1, 0, {Companion("塔の下の穴まで逃げこめば、きっと平気だよ。")}, kNoCue, 11},
    {0, 1, 3, {Hero("よし、下へ向かうぞ。")}, kNoCue, 12},
    {1, 1, 3, {Hero("はなれるなよ！")}, kNoCue, 13},
    {1, 1, 0, {Companion("そっちこそ！")}, {3, 4}, 43},  // -> GameST9init
};
const TalkScene kTalk8 = {kSceneTalk8Init, kSceneTalk8Frame, "img/haik5.png", "mid/5.mid", kStoryEffects, 15, 0, 1, 5,
                          kTalk8Lines, int(std::size(kTalk8Lines)), false, false};

const TalkLine kTalk4Lines[] = {
    {0, 0, 5, {Hero("……ふう。なんとか、ふり切ったみたいだな。")}, kNoCue, 1},
    {0, 0, 0, {Companion("カラスたち、あきらめて帰っていったね。")}, kNoCue, 2},
    {0, 0, 3, {Hero("さて、ここからどっちへ行くか……運だめしだ！")}, {15, 0}, 3},
    {0, 0, 3, {Hero("……よし、北だ！　北の丘へ行こう！")}, kNoCue, 4},
    {0, 0, 3, {Hero("丘の上なら、星もよく見えるはずだ。")}, kNoCue, 5},
    {0, 1, 0, {Companion("もう、いいかげんなんだから。でも、さんせい！")}, {3, 1}, 51},  // -> Talk02Init
};
const TalkScene kTalk4 = {kSceneTalk4Init, kSceneTalk4Frame, "img/haik5.png", "mid/5.mid", kCityEffects, 2, 0, 0, 5,
                          kTalk4Lines, int(std::size(kTalk4Lines)), false, false};

const TalkLine kTalk02Lines[] = {
    {0, 7, 5, {Hero("きれいな星空だな……。ん？　この気配は……。")}, kNoCue, 1},
    {0, 7, 0, {God("ワレハ、ヨゾラノ大魔王ナリ……。")}, {11, 0}, 2},
    {4, 7, 3, {Companion("き、きゃあっ！　お、お化け！？")}, kNoCue, 3},
    {4, 7, 0, {God("オマエタチノ色ヲ、スベテイタダコウ……。")}, {17, 1}, 4},
    {0, 7, 3, {Hero("……なんだか、聞きおぼえのある声だな。")}, kNoCue, 5},
    {0, 7, 0, {God("キ、キノセイダ！　ワレハ大魔王ダゾ！")}, kNoCue, 6},
    {0, 7, 0, {God("ガオーッ！！")}, {18, 2}, 7},
    {0, 7, 3, {Hero("……神さま、だろ？")}, kNoCue, 8},
    {0, 4, 0, {God("……ほっほっ。よく見やぶったの。")}, {0, 4}, 9},
    {0, 4, 0, {God("大正解じゃ！　ちょっと、おどかしてみただけじゃよ。")}, {14, 5}, 10},
    {0, 4, 0, {God("おわびに、よいことを教えてやろう。")}, kNoCue, 11},
    {6, 4, 3, {Companion("もう！　ほんとにこわかったんだからね！")}, kNoCue, 12},
    {6, 6, 0, {God("伝説の薬草は、黄金の門の向こうに生えておる！")}, {10, 6}, 13},
    {1, 6, 3, {Hero("黄金の門……！")}, kNoCue, 14},
    {1, 6, 3, {Hero("そこへ行けば、長老さまが助かるんだな！")}, {4, 7}, 15},
    {5, 6, 3, {Companion("やったね！　おじいちゃん、もう少しだよ！")}, {3, 8}, 16},
    {5, 6, 0, {God("道は遠いぞ。じゃが、星に願えば道は見える。")}, kNoCue, 17},
    {5, 6, 0, {God("流れ星の落ちる方へ進むがよい。ではな！")}, {13, 9}, 18},
    {1, 6, 3, {Hero("よし、流れ星を追いかけよう！")}, kNoCue, 27},  // -> GameST5init
};
const TalkScene kTalk02 = {kSceneTalk02Init, kSceneTalk02Frame, "img/haik6.png", "mid/4.mid", kStoryEffects, 18, 0, 7, 5,
                          kTalk02Lines, int(std::size(kTalk02Lines)), true, false};

const TalkLine kTalk5Lines[] = {
    {3, 2, 2, {Companion("ちょっと！　いつまでそこにしゃがみこんでるの？")}, kNoCue, 1},
    {3, 2, 3, {Hero("だ、だって……この崖、高すぎるだろ……。")}, kNoCue, 2},
    {3, 6, 0, {God("ばあっ！　ほっほっ、またこわがっておるのか。")}, {11, 0}, 3},
    {2, 6, 3, {Hero("うわっ、また出た！")}, kNoCue, 4},
    {2, 6, 5, {Narration("神はふっと消え、どこからかナブルの歌が聞こえてきた。")}, {5, 1}, 5},
    {2, 6, 5, {Hero("この歌……村のみんなの歌だ！")}, {12, 2}, 6},
    {2, 0, 0, {Companion("え？　……カラスの声しか聞こえないけど。")}, {7, 4}, 7},
    {0, 0, 3, {Hero("いや、たしかに聞こえたんだ！")}, {7, 5}, 8},
    {0, 0, 3, {Hero("みんなが待ってる。こわがってる場合じゃないな。")}, kNoCue, 9},
    {0, 1, 0, {Companion("その意気！　さあ、崖を下りていこう！")}, {2, 6}, 35},  // -> GameST7init
};
const TalkScene kTalk5 = {kSceneTalk5Init, kSceneTalk5Frame, "img/haik7.png", "mid/3.mid", kStoryEffects, 18, 3, 2, 2,
                          kTalk5Lines, int(std::size(kTalk5Lines)), false, false};

const TalkLine kTalk6Lines[] = {
    {2, 2, 2, {Companion("ちょっと、どこ行ったの！？")}, kNoCue, 1},
    {2, 2, 2, {Companion("崖を下りたとたん、いなくなるんだから……。")}, kNoCue, 2},
    {2, 2, 2, {Companion("見つけた！　そんなところで何してるのよーっ！")}, {18, 0}, 3},
    {2, 2, 3, {Hero("いてっ！　たたくことないだろ！")}, {8, 1}, 4},
    {2, 2, 0, {Companion("心配したんだからね！")}, kNoCue, 5},
    {0, 2, 3, {Hero("わるかった。この洞くつの入口を調べてたんだ。")}, kNoCue, 6},
    {0, 2, 0, {Companion("洞くつ？　……奥のほうが、ぼんやり明るいね。")}, kNoCue, 7},
    {2, 2, 3, {Hero("ここを抜けたら、黄金の門はもうすぐだ！")}, {8, 1}, 8},
    {0, 2, 3, {Hero("行こう。暗い所なら、高い所よりずっとましだ。")}, kNoCue, 9},
    {0, 2, 0, {Companion("……まったく。もう置いていかないでよね。")}, kNoCue, 31},  // -> GameST6init
};
const TalkScene kTalk6 = {kSceneTalk6Init, kSceneTalk6Frame, "img/haik2.png", "mid/2.mid", kStoryEffects, 18, 2, 2, 2,
                          kTalk6Lines, int(std::size(kTalk6Lines)), false, false};

const TalkLine kTalk7Lines[] = {
    {0, 4, 5, {Hero("洞くつを抜けたら、広い野原に出たぞ。")}, kNoCue, 1},
    {0, 4, 5, {Hero("あの光る門……。あれが、黄金の門か！")}, kNoCue, 2},
    {0, 4, 0, {God("そのとおり。よくぞここまで来たの。")}, kNoCue, 3},
    {2, 4, 3, {Hero("神さま！")}, kNoCue, 4},
    {2, 4, 0, {God("門の向こうに、伝説の薬草が生えておる。")}, {0, 0}, 5},
    {2, 4, 0, {God2("じゃが、門の前のしかけは手ごわいぞ。\n  赤と青、二つの色だけで越えてみせよ。")}, kNoCue, 6},
    {2, 6, 0, {At(290, kGodColour, "火で道を焼き、水で草をのばすのじゃ！")}, {10, 1}, 7},
    {2, 4, 0, {God("これが、わしの最後の手助けじゃ。")}, {13, 2}, 8},
    {2, 6, 0, {God("ゆけ、若者たちよ！　伝説はすぐそこじゃ！")}, {10, 4}, 9},
    {1, 1, 1, {At(280, kHeroColour, "まかせてくれ！"), At(320, kCompanionColour, "まかせて！")}, {3, 5}, 10},
    {1, 1, 3, {Hero("長老さま、もうすぐだ！")}, {4, 6}, 39},  // -> GameST8init
};
const TalkScene kTalk7 = {kSceneTalk7Init, kSceneTalk7Frame, "img/haik.png", "mid/1.mid", kStoryEffects, 18, 0, 4, 5,
                          kTalk7Lines, int(std::size(kTalk7Lines)), false, false};

const TalkLine kTalk9Lines[] = {
    {0, 0, 5, {Hero("長老さま！　伝説の薬草を持って帰りました！")}, kNoCue, 1},
    {0, 0, 5, {Hero("これを煎じて飲めば、きっと元気になります！")}, kNoCue, 2},
    {0, 0, 5, {Narration("薬草の湯を飲むと、長老のほおに赤みがもどった。")}, kNoCue, 3},
    {0, 0, 5, {Narration("ナブルたちが見守るなか、長老はゆっくりと目をあけた。")}, kNoCue, 4},
    {0, 0, 5, {Chief("……ありがとう。おまえたちは、村のほこりじゃ。")}, kNoCue, 5},
    // One sentence in five colours: five texts drawn at the same place, each
    // blank (two spaces per full-width character) outside its own words.
    {0, 0, 5,
     {At(300, kNarrationColour, "その夜、村の空に                                  "),
      At(300, kYellow, "                黄色、                            "),
      At(300, kCyan, "                      水色、                      "),
      At(300, kMagenta, "                            桃色の                "),
      At(300, kNarrationColour, "                                  花火が上がった。")},
     {18, 0},
     55},  // -> Talk03Init
};
const TalkScene kTalk9 = {kSceneTalk9Init, kSceneTalk9Frame, "img/haik8.png", "mid/1.mid", kVillageEffects, 1, 0, 0, 5,
                          kTalk9Lines, int(std::size(kTalk9Lines)), false, false};

const TalkLine kTalk03Lines[] = {
    {0, 0, 5, {Hero("長老さま、すっかり元気になったな。")}, kNoCue, 1},
    {0, 1, 0, {Companion("うん！　村のみんなも、大よろこびだよ。")}, {3, 0}, 2},
    {0, 0, 3, {Hero("おまえが一緒に来てくれて、助かったよ。")}, kNoCue, 3},
    {0, 0, 3, {Hero2("おれ一人だったら、崖の上で固まったまま\n  今ごろ、まだ動けずにいたかもな。")}, kNoCue, 4},
    {0, 0, 0, {Companion("あら、やっとみとめたね。")}, kNoCue, 5},
    {0, 1, 0, {Companion("でも、わたしもすごく楽しかった。")}, {3, 1}, 6},
    {0, 0, 0, {Companion("神さまにも、ちゃんとお礼を言いたいね。")}, kNoCue, 7},
    {0, 0, 3, {Hero("そうだな。きっと、どこかで見てるさ。")}, kNoCue, 8},
    {0, 0, 3, {Hero("空の上で、あの筆を持ってな。")}, {4, 2}, 9},
    {0, 2, 0, {Companion("ねえ！　次の旅は、置いていかないでよね！")}, {14, 4}, 10},
    {0, 0, 0, {Companion("約束だよ。")}, kNoCue, 11},
    {0, 0, 0, {Companion("さあ、帰ろう。みんなが待ってる！")}, kNoCue, 57},  // -> EndInit
};
const TalkScene kTalk03 = {kSceneTalk03Init, kSceneTalk03Frame, "img/haik.png", "mid/1.mid", kStoryEffects, 18, 0, 0, 5,
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
