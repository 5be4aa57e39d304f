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
    // The scene's music.
    kMusicSlot = 31,
};
