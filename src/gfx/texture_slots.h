// The game's texture slots. Every scene's init loads its own pictures, so
// one slot holds different pictures in different scenes: each name says
// which scene keeps what there.
#pragma once

enum TextureSlot : int {
    // The opening.
    kSlotVesk = 0,           // img/vesk.png
    kSlotLogo = 1,           // img/Logo.png
    kSlotFootprints = 2,     // img/asiato.bmp
    kSlotPrologueScroll = 12,  // img/Gplg.png
    kSlotPrologue = 13,      // img/plg.png
    kSlotSkipHint = 3,       // img/skip.png
    // Faces: the opening, the menus, the talks, the help.
    kSlotFaces = 10,  // img/kao.png
    // The title and the menus.
    kSlotTitleBack = 3,         // img/back.png
    kSlotBrush = 5,             // img/ブラシ.png (the stages too)
    kSlotThumbs = 1,            // img/ステージ場面.png
    kSlotSelectFrame = 6,       // img/ステージセレクト.png
    kSlotBackTile = 8,          // img/helpback.png
    kSlotSelectLetters = 9,     // img/mozi.png
    kSlotSelectGlow = 10,       // img/effect1.png
    kSlotSelectMenu = 11,       // img/select.png
    kSlotHelp = 6,              // img/help.png
    kSlotHelpPages123 = 7,      // img/説明123.png
    kSlotHelpPages456 = 9,      // img/説明456.png
    kSlotHelpLetters = 11,      // img/mozi.png
    kSlotGameOver = 8,          // img/gameover.png
    kSlotContinue = 6,          // img/continue.png (the title, game over)
    // The endings: the pictures of the scrolling column.
    kSlotEnd0 = 0,
    kSlotEnd1 = 1,
    kSlotEnd2 = 2,
    kSlotEndLogo = 3,
    // The stages.
    kSlotResetPicture = 0,   // img/reset.png
    kSlotCharacters = 4,     // img/char.move.png: walkers, fallers, digits
    kSlotChips = 7,          // the stage's chip sheet
    kSlotStageBack = 9,      // the stage's background
    kSlotPanel = 10,         // the stage's lower panel
    kSlotGauge = 11,         // img/gage.png
    kSlotTimeUp = 12,        // img/タイムアップル.png
    kSlotWave = 14,          // img/波ね.png (the wave strip)
    kSlotStageLetters = 15,  // img/mozi.png
    kSlotPartnerSheet = 16,  // the partner's own sheet
    kSlotEffect1 = 17,       // img/effect1.png
    kSlotEffect2 = 18,       // img/effect2.png
    kSlotWind = 19,          // img/kaze.png
    kSlotEffWindow = 20,     // img/eff.window.png (green burst)
    kSlotEffHeart = 21,      // img/eff.ハート完.png (red burst)
    kSlotEffBlue = 22,       // img/eff.Blue.png (blue burst)
    kSlotSand = 23,          // img/suna.png
    kSlotFire = 24,          // img/fire.png
    // The talks.
    kSlotTalkBack = 9,  // the scene's background
    kSlotTalkBox = 13,  // img/kaiwa.png
};
