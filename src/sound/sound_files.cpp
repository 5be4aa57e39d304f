#include "sound/sound_files.h"

#include <sys/stat.h>

#include <cstring>
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

#ifdef __EMSCRIPTEN__
// The page carries its effects as Ogg Vorbis, a tenth of the download:
// wav/NAME.ogg stands for wav/NAME.wav when only it is there.
bool CarriedAsOgg(const char* path, std::string& ogg) {
    size_t n = std::strlen(path);
    if (n < 4 || std::strcmp(path + n - 4, ".wav") != 0) return false;
    struct stat st {};
    if (stat(path, &st) == 0) return false;
    ogg.assign(path, n - 4);
    ogg += ".ogg";
    return stat(ogg.c_str(), &st) == 0;
}

const char* OggProblem(const uint8_t* data, size_t size) {
    return size >= 4 && std::memcmp(data, "OggS", 4) == 0 ? nullptr : "not an Ogg file";
}
#endif

// The file a wave's name is read from, and the check its bytes pass.
Check WaveFileOf(const char*& path, std::string& carrier) {
#ifdef __EMSCRIPTEN__
    if (CarriedAsOgg(path, carrier)) {
        path = carrier.c_str();
        return OggProblem;
    }
#else
    (void)path;
    (void)carrier;
#endif
    return WaveProblem;
}

}  // namespace

int StatSoundFile(const char* path, struct stat& st) {
    std::string carrier;
    WaveFileOf(path, carrier);
    return stat(path, &st);
}

Mix_Chunk* OpenWaveFile(const char* path, std::string& why) {
    std::vector<uint8_t> bytes;
    std::string carrier;
    Check check = WaveFileOf(path, carrier);
    if (!ReadChecked(path, kMaxWaveBytes, check, bytes, why)) return nullptr;
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
    std::string carrier;
    Check check = WaveFileOf(path, carrier);
    if (!ReadChecked(path, kMaxWaveBytes, check, bytes, why)) return false;
    if (check != WaveProblem) {  // decoded as a load would decode it
        Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
        if (!c) why = SDL_GetError();
        if (c) Mix_FreeChunk(c);
        return c != nullptr;
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
    return ReadChecked(path, kMaxMidiBytes, MidiProblem, bytes, why);
}
