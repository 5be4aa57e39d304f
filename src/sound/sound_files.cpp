#include "sound/sound_files.h"

#include <vector>

#include "base/data_file.h"
#include "sound/sound_check.h"

Mix_Chunk* OpenWaveFile(const char* path, std::string& why) {
    std::vector<uint8_t> bytes;
    const char* problem = ReadDataFile(path, bytes, kMaxWaveBytes);
    if (!problem) problem = WaveProblem(bytes.data(), bytes.size());
    if (problem) {
        why = problem;
        return nullptr;
    }
    // The chunk keeps its own converted copy of the samples.
    Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (!c) why = SDL_GetError();
    return c;
}

Mix_Music* OpenMusicFile(const char* path, std::string& why) {
    std::vector<uint8_t> bytes;
    const char* problem = ReadDataFile(path, bytes, kMaxMidiBytes);
    if (!problem) problem = MidiProblem(bytes.data(), bytes.size());
    if (problem) {
        why = problem;
        return nullptr;
    }
    // The synthesizer reads the whole tune at load; hand it the checked bytes
    // rather than opening the path a second time.
    Mix_Music* m = Mix_LoadMUSType_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), MUS_MID, 1);
    if (!m) why = SDL_GetError();
    return m;
}

bool CheckWaveFile(const char* path, std::string& why) {
    std::vector<uint8_t> bytes;
    const char* problem = ReadDataFile(path, bytes, kMaxWaveBytes);
    if (!problem) problem = WaveProblem(bytes.data(), bytes.size());
    if (problem) {
        why = problem;
        return false;
    }
    SDL_AudioSpec spec;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1, &spec, &samples, &length)) {
        why = SDL_GetError();
        return false;
    }
    SDL_FreeWAV(samples);
    return true;
}

bool CheckMusicFile(const char* path, std::string& why) {
    std::vector<uint8_t> bytes;
    const char* problem = ReadDataFile(path, bytes, kMaxMidiBytes);
    if (!problem) problem = MidiProblem(bytes.data(), bytes.size());
    if (problem) why = problem;
    return problem == nullptr;
}
