// Every word lettered into the game's pictures, in Japanese and English.
// The generator letters each picture once per language (text.h: say()).
#pragma once
#include "text.h"

namespace ag::words {

// Title, menu, stage select, game over.
inline constexpr Words kTitleName{"いろどりの足あと", "Footprints of Colour"};
// The logo sets the name as a small line and three big pieces, one a paint.
inline constexpr Words kLogoSmall{"いろどりの", "Footprints of"};
inline constexpr Words kLogoBig[3] = {{"足", "Co"}, {"あ", "lo"}, {"と", "ur"}};
inline constexpr Words kStart{"はじめから", "Start"};
inline constexpr Words kMenu{"メニュー", "Menu"};
inline constexpr Words kQuit{"おわる", "Quit"};
inline constexpr Words kStageSelect{"ステージセレクト", "Stage Select"};
inline constexpr Words kHelp{"ヘルプ", "Help"};
inline constexpr Words kRightClickTitle{"右クリックでタイトルへ", "Right-click: back to the title"};
inline constexpr Words kPage{"ページ", "Page"};
inline constexpr Words kGameOver{"ゲームオーバー", "GAME OVER"};
inline constexpr Words kSpaceTitle{"スペースキーでタイトルへ", "Press Space for the title"};
inline constexpr Words kContinue{"つづきから", "Continue"};
inline constexpr Words kSkipHint{"Space：とばす", "Space: skip"};
inline constexpr Words kKeysHint{"F2 か ? でキーの一覧", "F2 or ?: all the keys"};
// The same hints for a touch screen: a tap is a click, a long press the
// right button (and, on the game-over screen, the way to the title).
inline constexpr Words kLongPressTitle{"長おしでタイトルへ", "Long press: back to the title"};
inline constexpr Words kTapSkipHint{"タップ：とばす", "Tap: skip"};

// Help screen and its pictures.
inline constexpr Words kHelpNote{"しりたい番号を\nえらんでね", "Pick a number\nto learn more"};
inline constexpr Words kHelpHint{"ブラシで番号をクリックしてね／右クリックでタイトルへ",
                                 "Click a number with the brush · Right-click: title"};
inline constexpr Words kTapHelpHint{"番号をタップしてね／長おしでタイトルへ", "Tap a number · Long press: title"};
inline constexpr Words kLivesWord{"のこり", "Lives"};
inline constexpr Words kLeftWord{"あと", "Left"};
inline constexpr Words kFire{"火", "Fire"};
inline constexpr Words kWind{"風", "Wind"};
inline constexpr Words kWater{"水", "Water"};

struct HelpPageWords {
    Words heading;
    Words lines[6];  // unused lines are {nullptr, nullptr}
};
// A line opening with a paint's name (赤 緑 青 / Red Green Blue) is set in
// that paint.
inline constexpr HelpPageWords kHelpPages[7] = {
    {{"相棒とゴール", "Meet Your Friend"},
     {{"相棒のところまで", "Lead the hero"},
      {"主人公をつれて", "all the way"},
      {"いこう。", "to his friend."},
      {"二人がであえば", "When they meet,"},
      {"ステージクリア！", "the stage is clear!"}}},
    {{"主人公の歩き方", "How He Walks"},
     {{"主人公は自分で", "The hero walks"},
      {"歩いていくよ。", "on his own."},
      {"かべに当たると", "He turns back"},
      {"向きをかえて、", "at walls, and"},
      {"段差では落ちるよ。", "falls off ledges."}}},
    {{"しかけ", "Obstacles"},
     {{"道をふさぐしかけは", "Paint the hero"},
      {"ぬった色で動くよ。", "to clear the way:"},
      {"赤　もやす", "Red: burns"},
      {"緑　ふきとばす", "Green: blows away"},
      {"青　ながす・育てる", "Blue: washes, grows"}}},
    {{"時間ゲージ", "Time Gauge"},
     {{"ゲージは少しずつ", "The gauge runs"},
      {"へっていくよ。", "down bit by bit."},
      {"なくなると", "When it’s empty,"},
      {"ライフが一つへって", "you lose a life"},
      {"やり直しになるよ。", "and start again."}}},
    {{"絵の具のつぼ", "Paint Pots"},
     {{"つぼをクリックして", "Click a pot to"},
      {"ブラシに絵の具を", "load the brush,"},
      {"つけたら、主人公を", "then click the"},
      {"クリック！", "hero to give him"},
      {"色がぬれるよ。", "a coat of paint!"}}},
    {{"残りの絵の具", "Paint Left"},
     {{"つぼの横の数字は", "A pot’s number is"},
      {"あと何回ぬれるか。", "how many coats"},
      {"0になったら", "it has left. At 0,"},
      {"もうぬれないよ。", "it’s all used up."},
      {"よく考えてね！", "Think it through!"}}},
    {{"やり直しと残り人数", "Retry and Lives"},
     {{"やり直しボタンで", "The retry button"},
      {"最初からやり直し。", "starts you over,"},
      {"のこりが一つへるよ。", "but costs a life."},
      {"時間切れでもへるよ。", "Time running out"},
      {"三つともなくなると", "costs one too."},
      {"ゲームオーバー！", "All gone? Game over!"}}},
};

// Page 5 on a touch screen: taps instead of clicks.
inline constexpr HelpPageWords kTapPotsPage = {{"絵の具のつぼ", "Paint Pots"},
                                               {{"つぼをタップして", "Tap a pot to"},
                                                {"ブラシに絵の具を", "load the brush,"},
                                                {"つけたら、主人公を", "then tap the"},
                                                {"タップ！", "hero to give him"},
                                                {"色がぬれるよ。", "a coat of paint!"}}};

// Stage lettering (mozi.png), panels, restarts.
inline constexpr Words kWaiting{"まってるよ", "Over here!"};
inline constexpr Words kDifficulty{"むずかしさ", "Difficulty"};
inline constexpr Words kNext{"つぎ", "Next"};
inline constexpr Words kPrev{"まえ", "Back"};
// Four clear letters: three in the paints, the last (half as wide) in gold.
inline constexpr Words kClear[4] = {{"ク", "Y"}, {"リ", "A"}, {"ア", "Y"}, {"!", "!"}};
inline constexpr Words kStageWord{"ステージ", "STAGE"};
inline constexpr Words kRetry{"やり直し！", "Retry!"};
inline constexpr Words kRetrySub{"もういちど はじめから", "Once more, from the start"};
inline constexpr Words kTimeUp{"時間切れ！", "Time’s up!"};
inline constexpr Words kPotFire{"ほのお", "Fire"};
inline constexpr Words kPotWind{"かぜ", "Wind"};
inline constexpr Words kPotWater{"みず", "Water"};
inline constexpr Words kPaintTag{"えのぐ", "Paint"};
inline constexpr Words kRetryTag{"やり直し", "Retry"};
inline constexpr Words kTimeTag{"じかん", "Time"};

// Endings.
inline constexpr Words kEnd0{"伝説の薬草を手に、\nふたりは村へ帰ってきた。",
                             "With the herb of legend in hand,\nthe two came home to the village."};
inline constexpr Words kEnd1{"薬草の湯を飲むと、\n長老はすっかり元気になった。",
                             "One cup of the herb tea,\nand the Elder was well again."};
inline constexpr Words kEnd2{"その夜、村の空には\n黄色、水色、桃色の花火が上がった。",
                             "That night, yellow, blue and pink\nfireworks lit up the village sky."};
inline constexpr Words kTheEnd{"おしまい", "The End"};
inline constexpr Words kThanksForPlaying{"あそんでくれて、ありがとう！", "Thank you for playing!"};
inline constexpr Words kThankYou{"ありがとう", "Thank you"};

// Every pair above, for the checks that both languages have all words.
inline constexpr const Words* kAll[] = {
    &kTitleName, &kLogoSmall, &kLogoBig[0], &kLogoBig[1], &kLogoBig[2], &kStart,     &kMenu,      &kQuit,     &kStageSelect, &kHelp,      &kRightClickTitle,
    &kPage,      &kGameOver,  &kSpaceTitle, &kContinue, &kSkipHint, &kKeysHint, &kLongPressTitle, &kTapSkipHint, &kTapHelpHint, &kHelpNote, &kHelpHint,   &kLivesWord, &kLeftWord,
    &kFire,      &kWind,      &kWater,     &kWaiting,  &kDifficulty,  &kNext,      &kPrev,
    &kClear[0],  &kClear[1],  &kClear[2],  &kClear[3], &kStageWord,   &kRetry,     &kRetrySub,
    &kTimeUp,    &kPotFire,   &kPotWind,   &kPotWater, &kPaintTag,    &kRetryTag,  &kTimeTag,
    &kEnd0,      &kEnd1,      &kEnd2,      &kTheEnd,   &kThanksForPlaying, &kThankYou,
};

}  // namespace ag::words
