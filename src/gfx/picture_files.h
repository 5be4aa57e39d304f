// Every picture file of the game, named once: the data generator writes each
// under its name to its colour key (gfx/colour_keys.h), and the game loads
// it by the same name. A load may still take another key where a scene wants
// other pixels clear.
#pragma once
#include <cstdint>

#include "gfx/colour_keys.h"

struct PictureFile {
    const char* path;
    uint32_t key;  // kNoKey: a plain picture, drawn as it is
};
constexpr uint32_t kNoKey = 0;

// The opening and the title.
constexpr PictureFile kPicMakerLogo = {"img/vesk.png", kKeyWhite};
constexpr PictureFile kPicGameLogo = {"img/Logo.png", kKeyBlack};
constexpr PictureFile kPicFootprint = {"img/asiato.bmp", kKeyWhite};
constexpr PictureFile kPicWindowIcon = {"img/icon.png", kNoKey};
constexpr PictureFile kPicPrologueFrame = {"img/plg.png", kKeyGreen};
constexpr PictureFile kPicPrologueScroll = {"img/Gplg.png", kKeyGreen};
constexpr PictureFile kPicTitle = {"img/back.png", kKeyWhite};
constexpr PictureFile kPicSkipHint = {"img/skip.png", kKeyGreen};
constexpr PictureFile kPicSkipHintTouch = {"img/skip.touch.png", kKeyGreen};

// The menus, help, stage select and game over.
constexpr PictureFile kPicSelectMenu = {"img/select.png", kKeyGreen};
constexpr PictureFile kPicMenuTile = {"img/helpback.png", kKeyWhite};
constexpr PictureFile kPicHelp = {"img/help.png", kKeyGreen};
constexpr PictureFile kPicHelpPages123 = {"img/説明123.png", kKeyGreen};
constexpr PictureFile kPicHelpPages456 = {"img/説明456.png", kKeyGreen};
constexpr PictureFile kPicStageSelect = {"img/ステージセレクト.png", kKeyGreen};
constexpr PictureFile kPicThumbnails = {"img/ステージ場面.png", kKeyWhite};
constexpr PictureFile kPicGameOver = {"img/gameover.png", kKeyGreen};
constexpr PictureFile kPicContinue = {"img/continue.png", kKeyGreen};  // the title, game over
// The same pictures for a touch screen: "tap" and "long press" in the hints.
constexpr PictureFile kPicSelectMenuTouch = {"img/select.touch.png", kKeyGreen};
constexpr PictureFile kPicHelpTouch = {"img/help.touch.png", kKeyGreen};
constexpr PictureFile kPicHelpPages456Touch = {"img/説明456.touch.png", kKeyGreen};
constexpr PictureFile kPicStageSelectTouch = {"img/ステージセレクト.touch.png", kKeyGreen};
constexpr PictureFile kPicGameOverTouch = {"img/gameover.touch.png", kKeyGreen};

// The endings.
constexpr PictureFile kPicEndings[3] = {{"img/end0.png", kNoKey}, {"img/end1.png", kNoKey}, {"img/end2.png", kNoKey}};
constexpr PictureFile kPicEndLogo = {"img/end.logo.png", kNoKey};
constexpr PictureFile kPicLastPicture = {"img/tfp.png", kNoKey};

// Dialogue.
constexpr PictureFile kPicFaces = {"img/kao.png", kKeyGreen};
constexpr PictureFile kPicTalkWindow = {"img/kaiwa.png", kKeyGreen};

// The stages: backgrounds 1..8, panels 1..7, chip sheets 1..3 (index 0 unused).
constexpr PictureFile kPicBackgrounds[9] = {
    {nullptr, kNoKey},           {"img/haik.png", kKeyWhite},  {"img/haik2.png", kKeyWhite},
    {"img/haik3.png", kKeyWhite}, {"img/haik4.png", kKeyWhite}, {"img/haik5.png", kKeyWhite},
    {"img/haik6.png", kKeyWhite}, {"img/haik7.png", kKeyWhite}, {"img/haik8.png", kKeyWhite},
};
constexpr PictureFile kPicPanels[8] = {
    {nullptr, kNoKey},           {"img/下１.png", kKeyWhite}, {"img/下２.png", kKeyWhite}, {"img/下３.png", kKeyWhite},
    {"img/下４.png", kKeyWhite}, {"img/下５.png", kKeyWhite}, {"img/下６.png", kKeyWhite}, {"img/下７.png", kKeyWhite},
};
constexpr PictureFile kPicChips[4] = {
    {nullptr, kNoKey},
    {"img/mapchip1.png", kKeyGreen},
    {"img/mapchip2.png", kKeyGreen},
    {"img/mapchip3.png", kKeyGreen},
};
constexpr PictureFile kPicBrush = {"img/ブラシ.png", kKeyGreen};
constexpr PictureFile kPicLettering = {"img/mozi.png", kKeyGreen};
constexpr PictureFile kPicReset = {"img/reset.png", kKeyNearBlack};
constexpr PictureFile kPicTimeUp = {"img/タイムアップル.png", kKeyGreen};
constexpr PictureFile kPicGauge = {"img/gage.png", kKeyWhite};
constexpr PictureFile kPicWalkers = {"img/char.move.png", kKeyNearBlack};
constexpr PictureFile kPicPartner = {"img/char.partner.png", kKeyNearBlack};
constexpr PictureFile kPicEffect1 = {"img/effect1.png", kKeyBlack};
constexpr PictureFile kPicEffect2 = {"img/effect2.png", kKeyBlack};
constexpr PictureFile kPicHeartBurst = {"img/eff.ハート完.png", kKeyBlack};
constexpr PictureFile kPicDropBurst = {"img/eff.Blue.png", kKeyBlack};
constexpr PictureFile kPicSwirlBurst = {"img/eff.window.png", kKeyBlack};
constexpr PictureFile kPicSand = {"img/suna.png", kKeyBlack};
constexpr PictureFile kPicFire = {"img/fire.png", kKeyBlack};
constexpr PictureFile kPicSea = {"img/波ね.png", kKeyGreyBlue};
constexpr PictureFile kPicGust = {"img/kaze.png", kKeyBlack};
