#include "sound/sound_files.h"

#include <vector>

#include "base/data_file.h"
#include "sound/sound_check.h"
#include "sound/tune_rendering.h"

namespace {

using Check = const char* (*)(const uint8_t*, size_t);

// Reads a sound file whole and checks it; false, with why, when either fails.
bool ReadChecked(const char* path, size_t maxBytes, Check check, std::vector<uint8_t>& bytes, std::string& why) {
    const char* problem = ReadDataFile(path, bytes, maxBytes);
    if (!problem) problem = check(bytes.data(), bytes.size());
    if (problem) why = problem;
    return problem == nullptr;
}

}  // namespace

Mix_Chunk* OpenWaveFile(const char* path, std::string& why) {
    std::vector<uint8_t> bytes;
    if (!ReadChecked(path, kMaxWaveBytes, WaveProblem, bytes, why)) return nullptr;
    // The chunk keeps its own converted copy of the samples.
    Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (!c) why = SDL_GetError();
    return c;
}

Mix_Music* OpenMusicFile(const char* path, std::vector<uint8_t>& rendering, std::string& why) {
    std::vector<uint8_t> bytes;
    if (!ReadChecked(path, kMaxMidiBytes, MidiProblem, bytes, why)) return nullptr;
    // The tune's rendering streams from memory that the caller keeps while
    // the music lives; anything else about it sends the tune to the synthesizer.
    const std::string renderingPath = RenderingPath(path);
    if (!renderingPath.empty() && !ReadDataFile(renderingPath.c_str(), rendering, kMaxRenderingBytes) &&
        RenderingMatches(rendering.data(), rendering.size(), TuneHash(bytes.data(), bytes.size()))) {
        if (Mix_Music* m = Mix_LoadMUSType_RW(SDL_RWFromConstMem(rendering.data(), int(rendering.size())), MUS_OGG, 1))
            return m;
    }
    rendering.clear();
    rendering.shrink_to_fit();
    // The synthesizer reads the whole tune at load; hand it the checked bytes
    // rather than opening the path a second time.
    Mix_Music* m = Mix_LoadMUSType_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), MUS_MID, 1);
    if (!m) why = SDL_GetError();
    return m;
}

bool CheckWaveFile(const char* path, std::string& why) {
    std::vector<uint8_t> bytes;
    if (!ReadChecked(path, kMaxWaveBytes, WaveProblem, bytes, why)) return false;
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
    return ReadChecked(path, kMaxMidiBytes, MidiProblem, bytes, why);
}
