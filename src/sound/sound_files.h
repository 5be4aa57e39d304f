// Opening sound files for the slots: each file is checked before a decoder
// or the synthesizer sees it (see sound_check.h).
#pragma once
#include <SDL2/SDL_mixer.h>

#include <string>

// nullptr when the file is missing or damaged; why then says what is wrong.
Mix_Chunk* OpenWaveFile(const char* path, std::string& why);
Mix_Music* OpenMusicFile(const char* path, std::string& why);

// For a device that plays nothing: the same checks, and a wave decoded as
// the loader would decode it, but nothing converted or synthesised. False
// exactly when the Open function would fail (a tune's bytes reach the
// synthesizer only when it plays, so the checks are all a load does to them).
bool CheckWaveFile(const char* path, std::string& why);
bool CheckMusicFile(const char* path, std::string& why);
