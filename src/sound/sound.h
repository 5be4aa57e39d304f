// Music and sound: 32 slots; slot 31 holds the scene's music.
// Music plays as the one primary sound (starting another replaces it);
// effects mix over it and over each other.
#pragma once
#include "sound/sound_slots.h"

constexpr int kSoundSlots = 32;

bool InitSound();
bool LoadSound(int slot, const char* path, bool loop);
void PlayMusic(int slot);
void PlayEffect(int slot);
void StopAllSound();
void ReleaseSoundSlots();
// Volumes in percent of the game's full level; muted silences everything.
void SetSoundLevels(int musicPercent, int effectsPercent, bool muted);
// Pauses and resumes everything that plays, where it was.
void PauseSound(bool paused);
void CloseSound();

// Play-once counters: inits zero them, frames count them up every tick a cue
// holds and play only when the old value was 0.
extern int g_MusicOnce;
extern int g_SoundOnce[8];

inline bool PlayOnceDue(int& counter) { return counter++ == 0; }

// What the game asked of the sound service, for tests and replays.
struct SoundStats {
    int musicPlays[kSoundSlots];
    int effectPlays[kSoundSlots];
    int stopAll;
    int lastMusicSlot;  // -1 when none
};
const SoundStats& GetSoundStats();
void ResetSoundStats();
bool SoundSlotLoaded(int slot);

// For --bench: how late tunes are heard, from the moment their scene asked
// for them (before the tune's load) to the first mixed buffer with sound.
struct TuneTimes {
    int heard = 0;
    double worstMs = 0;
};
void TimeTunes();  // starts watching the mixer's output (not on a silent device)
TuneTimes GetTuneTimes();
