// Music through SDL_mixer's music stream (a tune's build-time rendering, or
// else its MIDI synthesised live by FluidSynth with a General MIDI
// soundfont), effects on mixer channels. Channel 0 is kept for a
// wave file played as the primary sound (the prologue's narration bed).
#include "sound/sound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/data_file.h"
#include "base/files.h"
#include "base/platform.h"
#include "sound/limiter.h"
#include "sound/sound_files.h"

int g_MusicOnce = 0;
int g_SoundOnce[8] = {};

namespace {

struct Loaded {
    std::string path;
    off_t size;  // the file's stamp when it was loaded
    timespec mtime;
    Mix_Chunk* chunk = nullptr;
    Mix_Music* music = nullptr;
    std::vector<uint8_t> rendering;  // a rendered tune's bytes, which its music streams from
};

struct Slot {
    const Loaded* sound = nullptr;
    bool loop = false;
    uint64_t loadUs = 0;  // how long its LoadSound took
};

bool s_Open = false;
// The device plays nothing (the dummy driver, paused): files are checked as
// a load would check them, and nothing is converted, synthesised or mixed.
bool s_Silent = false;
Slot s_Slots[kSoundSlots];
// Loaded files are kept by path and stamp until exit: a slot that is loaded over may
// still be playing, and stage restarts load the same files again.
std::vector<Loaded*> s_Loaded;
SoundStats s_Stats{{}, {}, 0, -1};
// --bench: when the latest tune was asked for (less its load, which held up
// its scene), and when the mixer first put out sound after that.
std::atomic<uint64_t> s_TuneAskedUs{0}, s_TuneHeardUs{0};
TuneTimes s_TuneTimes;
Limiter s_Limiter;
constexpr int kPrimaryChannel = 0;
// Everything plays at this share of full level (in 64ths, -3 dB), so that a
// burst over the music stays under the limiter's ceiling; only the rare
// moment when many sounds meet is turned down by it.
constexpr int kHeadroom = 45;
constexpr int kChannels = 32;

#if !defined(__EMSCRIPTEN__) && !defined(_WIN32)  // only here is there live synthesis
// Best first: the MuseScore General set (40 MB) plays our tunes best for its
// size; the large Fluid set next; the small TimGM6mb set is the fallback.
const char* kSoundFonts[] = {
    "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3",
    "/usr/share/sounds/sf3/MuseScore_General.sf3",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};
const char* kSmallSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
const char* kQuietSoundFont = "sf2/quiet.sf2";  // in the data folder
#endif

bool EndsWith(const char* s, const char* tail) {
    size_t n = std::strlen(s), m = std::strlen(tail);
    return n >= m && strcasecmp(s + n - m, tail) == 0;
}

#ifdef __EMSCRIPTEN__
// SDL's dummy driver needs a thread of its own, which a page has not: a
// headless run in a page opens the browser's audio and leaves it paused.
constexpr bool kPageAudio = true;
#else
constexpr bool kPageAudio = false;
#endif

uint64_t NowUs() { return SDL_GetPerformanceCounter() * 1000000 / SDL_GetPerformanceFrequency(); }

// The latest tune's delay joins the figures once it was heard.
void FoldTuneTime() {
    const uint64_t asked = s_TuneAskedUs.load(), heard = s_TuneHeardUs.load();
    if (asked && heard >= asked) {
        s_TuneTimes.heard++;
        s_TuneTimes.worstMs = std::max(s_TuneTimes.worstMs, double(heard - asked) / 1000);
    }
    s_TuneAskedUs = 0;
    s_TuneHeardUs = 0;
}

// On the mixer's thread, after each buffer is mixed: the first buffer after a
// tune was asked for with a sample above -60 dBFS.
void WatchOutput(void*, Uint8* stream, int len) {
    if (!s_TuneAskedUs.load() || s_TuneHeardUs.load()) return;
    const auto* pcm = reinterpret_cast<const float*>(stream);
    for (int i = 0; i < len / int(sizeof(float)); ++i)
        if (std::fabs(pcm[i]) > 0.001f) {
            s_TuneHeardUs = NowUs();
            return;
        }
}

// On the mixer's thread, after every channel and the music are mixed.
void LimitMix(int, void* stream, int len, void*) {
    LimitPeaks(s_Limiter, static_cast<float*>(stream), len / int(2 * sizeof(float)));
}

bool OpenAudio() {
    // A headless run's device plays nothing, and closing it waits out one
    // buffer: a short one ends the run sooner.
    const int chunk = AppHeadless() ? 256 : 1024;
    // The mix is summed in floating point, which goes past full scale without
    // clipping, so that the limiter can bring it back under.
    if (Mix_OpenAudio(44100, AUDIO_F32SYS, 2, chunk) == 0) return true;
    // A machine without a sound device still plays the game, in silence.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    DebugLog("no sound device: playing silently\n");
    return Mix_OpenAudio(44100, AUDIO_F32SYS, 2, chunk) == 0;
}

}  // namespace

bool InitSound() {
    if (AppHeadless() && !kPageAudio && !std::getenv("SDL_AUDIODRIVER")) SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        ErrorBox("DirectMusicPerformance8オブジェクトの作成に失敗");
        return false;
    }
    if (!OpenAudio()) {
        ErrorBox("DirectMusicPerformance8の初期化に失敗");
        return false;
    }
    Mix_AllocateChannels(kChannels);
    SetSoundLevels(100, 100, false);
    Mix_ReserveChannels(1);
    Mix_Init(MIX_INIT_MID);
    // Sound for the dummy driver goes nowhere: with the device paused, the
    // mixer never renders it, while loads and play requests work as ever.
    const char* driver = SDL_GetCurrentAudioDriver();
    s_Silent = (driver && std::strcmp(driver, "dummy") == 0) || (kPageAudio && AppHeadless());
    if (s_Silent)
        for (SDL_AudioDeviceID id = 1; id <= 16; ++id)
            if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) SDL_PauseAudioDevice(id, 1);
    s_Limiter = Limiter{};
    if (!s_Silent) Mix_RegisterEffect(MIX_CHANNEL_POST, LimitMix, nullptr, nullptr);
#if defined(__EMSCRIPTEN__) || defined(_WIN32)
    // The browser and Windows have no synthesizer: tunes play from their
    // renderings alone, and no soundfont is looked for.
#else
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) {
        ErrorBox("カレント・ディレクトリの取得に失敗");
        return false;
    }
    const char* chosen = std::getenv("TOLVANE_SOUNDFONT");
    // Nobody hears a headless run: the game's own quiet font (or else the
    // smallest installed one) loads in a fraction of the time and memory,
    // and tunes are read and checked just the same.
    std::string quiet = std::string(cwd) + "/" + kQuietSoundFont;
    if (!chosen && AppHeadless() && access(quiet.c_str(), R_OK) == 0) chosen = quiet.c_str();
    if (!chosen && AppHeadless() && access(kSmallSoundFont, R_OK) == 0) chosen = kSmallSoundFont;
    for (const char* sf : kSoundFonts)
        if (!chosen && access(sf, R_OK) == 0) chosen = sf;
    if (!chosen || !Mix_SetSoundFonts(chosen)) {
        ErrorBox("検索パスの設定に失敗");
        return false;
    }
#endif
    s_Open = true;
    return true;
}

bool LoadSound(int slot, const char* path, bool loop) {
    if (slot < 0 || slot >= kSoundSlots) return false;
    const uint64_t startUs = NowUs();
    s_Slots[slot] = Slot{};
    if (!s_Open) return false;
    // A file is loaded again when its stamp changed, and fails as a fresh
    // load would when it went away.
    struct stat st {};
    const bool present = StatSoundFile(path, st) == 0;
    const timespec modified = StatModified(st);
    const Loaded* found = nullptr;
    for (const Loaded* l : s_Loaded)
        if (present && l->path == path && l->size == st.st_size && l->mtime.tv_sec == modified.tv_sec &&
            l->mtime.tv_nsec == modified.tv_nsec)
            found = l;
    if (found) NoteDataFileUse(path);  // read before: used again all the same
    if (!found) {
        auto* l = new Loaded;
        l->path = path;
        l->size = st.st_size;
        l->mtime = modified;
        // Wave files are effects (or a primary wave); everything else is music.
        std::string why;
        const bool wave = EndsWith(path, ".wav");
        bool ok;
        if (s_Silent)
            ok = wave ? CheckWaveFile(path, why) : CheckMusicFile(path, why);
        else if (wave)
            ok = (l->chunk = OpenWaveFile(path, why)) != nullptr;
        else
            ok = (l->music = OpenMusicFile(path, l->rendering, why)) != nullptr;
        if (!ok) {
            delete l;
            ErrorBox("MIDIファイルのロードに失敗");
            ErrorDetail((std::string(path) + ": " + why).c_str());
            return false;
        }
        if (l->music && l->rendering.empty()) DebugLog((std::string(path) + ": no matching rendering, synthesised live\n").c_str());
        s_Loaded.push_back(l);
        found = l;
    }
    s_Slots[slot] = Slot{found, loop, NowUs() - startUs};
    return true;
}

void PlayMusic(int slot) {
    if (slot < 0 || slot >= kSoundSlots) return;
    ++s_Stats.musicPlays[slot];
    s_Stats.lastMusicSlot = slot;
    const Slot& s = s_Slots[slot];
    if (!s_Open || s_Silent || !s.sound) return;
    Mix_HaltChannel(kPrimaryChannel);
    if (s.sound->music) {
        FoldTuneTime();
        s_TuneAskedUs = NowUs() - s.loadUs;
        Mix_PlayMusic(s.sound->music, s.loop ? -1 : 1);
    } else {
        Mix_HaltMusic();
        Mix_PlayChannel(kPrimaryChannel, s.sound->chunk, s.loop ? -1 : 0);
    }
}

void PlayEffect(int slot) {
    if (slot < 0 || slot >= kSoundSlots) return;
    ++s_Stats.effectPlays[slot];
    const Slot& s = s_Slots[slot];
    if (!s_Open || s_Silent || !s.sound || !s.sound->chunk) return;
    Mix_PlayChannel(-1, s.sound->chunk, 0);
}

void StopAllSound() {
    ++s_Stats.stopAll;
    if (!s_Open) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
}

void SetSoundLevels(int musicPercent, int effectsPercent, bool muted) {
    auto level = [muted](int full, int percent) {
        return muted ? 0 : full * kHeadroom * std::clamp(percent, 0, 100) / 100 / 64;
    };
    // Music a little under the effects' level.
    Mix_VolumeMusic(level(MIX_MAX_VOLUME * 3 / 4, musicPercent));
    Mix_Volume(-1, level(MIX_MAX_VOLUME, effectsPercent));
    // A tune kept as a wave plays on the primary channel: it is music too.
    Mix_Volume(kPrimaryChannel, level(MIX_MAX_VOLUME, musicPercent));
}

void PauseSound(bool paused) {
    if (!s_Open) return;
    if (paused) {
        Mix_PauseMusic();
        Mix_Pause(-1);
    } else {
        Mix_ResumeMusic();
        Mix_Resume(-1);
    }
}

void ReleaseSoundSlots() {
    if (!s_Open) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (Slot& s : s_Slots) s = Slot{};
    for (Loaded* l : s_Loaded) {
        if (l->chunk) Mix_FreeChunk(l->chunk);
        if (l->music) Mix_FreeMusic(l->music);
        delete l;
    }
    s_Loaded.clear();
}

void CloseSound() {
    if (!s_Open) return;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s_Open = false;
    s_Silent = false;
}

void TimeTunes() {
    if (!s_Open || s_Silent) return;
    s_TuneTimes = TuneTimes{};
    Mix_SetPostMix(WatchOutput, nullptr);
}

TuneTimes GetTuneTimes() {
    FoldTuneTime();
    return s_TuneTimes;
}

const SoundStats& GetSoundStats() { return s_Stats; }
void ResetSoundStats() { s_Stats = SoundStats{{}, {}, 0, -1}; }
bool SoundSlotLoaded(int slot) { return slot >= 0 && slot < kSoundSlots && s_Slots[slot].sound != nullptr; }
