// The game's sound slots. Each scene's init loads its own sounds, so one
// slot holds different sounds in different scenes: each name says which.
#pragma once

enum SoundSlot : int {
    // The opening, the title and its menu, the game-over screen.
    kSoundPrologue = 0,  // wav/prolog.wav
    kSoundNotice = 0,    // wav/notice1.wav
    kSoundGameOver = 0,  // wav/omg.wav
    // The stages' effects, loaded in this order.
    kSoundBurst = 0,       // wav/bom31_b.wav: fire's column
    kSoundThrow = 1,       // wav/pyoro52.wav: every paint's throw
    kSoundSteam = 2,       // wav/SteamD@22.wav
    kSoundSplash = 3,      // wav/water01_c.wav: water's splash
    kSoundWater = 4,       // wav/mizu07.wav
    kSoundWind = 5,        // wav/magic_08.wav: wind's column
    kSoundClick = 6,       // wav/pochi03@11.wav
    kSoundThud = 7,        // wav/bosu32.wav: a block lands
    kSoundScrape = 8,      // wav/drag02.wav: a block is shoved
    kSoundStageClear = 9,  // wav/op5.wav
    kStageEffectSounds = 10,
    // The stage's own answers to the player, on slots no event uses: paint
    // taken from a pot, a walker painted, a life lost.
    kSoundPickUp = 20,
    kSoundPaint = 21,
    kSoundLifeLost = 22,
    // The dialogues' cues: the story's set, loaded in this order (a dialogue
    // loads the first 14, 15 or all of them), then the city's and the
    // village's own.
    kSoundGod = 0,            // wav/god.wav: the god appears
    kSoundFanfare = 1,        // wav/zyaran!.wav: a paint is given
    kSoundPowerUp = 2,        // wav/tame.wav
    kSoundBlip = 3,           // wav/kyupin.wav
    kSoundBoom = 4,           // wav/Bom.wav
    kSoundNubbleSong = 5,     // wav/nubble.wav
    kSoundQuizQuestion = 6,   // wav/quiz2.wav
    kSoundCrow = 7,           // wav/Crow.wav
    kSoundSlap = 8,           // wav/harisen.wav
    kSoundQuizThink = 9,      // wav/quiz1.wav
    kSoundTaDa = 10,          // wav/zyan.wav
    kSoundSpooky = 11,        // wav/ELR.wav
    kSoundShock = 12,         // wav/!!!.wav
    kSoundSparkle = 13,       // wav/syaran.wav
    kSoundDing = 14,          // wav/10.wav
    kSoundGet = 15,           // wav/get.wav
    kSoundWow = 17,           // wav/Wow.wav
    kSoundRoar = 18,          // wav/GAO.wav
    kSoundSlotMachine = 15,   // wav/BGM-SLOT-M132.wav: the city's
    kSoundFireworks = 18,     // wav/SE065.wav: the village's
    // The scene's music.
    kMusicSlot = 31,
};
