// Opening sound files for the slots: each file is checked before a decoder
// or the synthesizer sees it (see sound_check.h).
#pragma once
#include <SDL2/SDL_mixer.h>

#include <string>

// nullptr when the file is missing or damaged; why then says what is wrong.
Mix_Chunk* OpenWaveFile(const char* path, std::string& why);
Mix_Music* OpenMusicFile(const char* path, std::string& why);
