// Opening sound files for the slots: each file is checked before a decoder
// or the synthesizer sees it (see sound_check.h).
#pragma once
#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <string>
#include <vector>

struct stat;

// stat() of the file a sound's name is read from (in the browser an effect
// may be carried as Ogg Vorbis beside its name).
int StatSoundFile(const char* path, struct stat& st);

// nullptr when the file is missing or damaged; why then says what is wrong.
Mix_Chunk* OpenWaveFile(const char* path, std::string& why);
// A tune plays its build-time rendering when one matches it (see
// tune_rendering.h): rendering then holds the bytes it streams from, which
// must outlive the music; otherwise rendering is left empty and the tune is
// synthesised live.
Mix_Music* OpenMusicFile(const char* path, std::vector<uint8_t>& rendering, std::string& why);

// For a device that plays nothing: the same checks, and a wave decoded as
// the loader would decode it, but nothing converted or synthesised. False
// exactly when the Open function would fail (a tune's bytes reach the
// synthesizer only when it plays, so the checks are all a load does to them).
bool CheckWaveFile(const char* path, std::string& why);
bool CheckMusicFile(const char* path, std::string& why);
