// The loudest stretches of the story, mixed by the real mixer on SDL's disk
// driver in step with the game's frames: music and effects together never
// reach the top of the scale.
#include <gtest/gtest.h>
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app.h"
#include "sound/limiter.h"
#include "temp_env.h"

namespace {

std::atomic<long long> g_Mixed{0};  // sample frames mixed so far
float g_Peak = 0;                   // written by the mixer's thread only
long long g_PeakAt = 0;

// The mixer's final output, in floating point (stereo).
void WatchMix(void*, Uint8* stream, int len) {
    const auto* pcm = reinterpret_cast<const float*>(stream);
    const int n = len / int(sizeof(float));
    for (int i = 0; i < n; ++i)
        if (std::fabs(pcm[i]) > g_Peak) {
            g_Peak = std::fabs(pcm[i]);
            g_PeakAt = g_Mixed + i / 2;
        }
    g_Mixed += n / 2;
}

struct Loud {
    const char* name;
    int scene;
    std::string script;  // a replay's name in tests/replays, or a script's lines
    long long maxMs;
};

class MixPeak : public testing::TestWithParam<Loud> {};

}  // namespace

TEST_P(MixPeak, StaysBelowMinusOneDbfs) {
    const Loud& loud = GetParam();
    EnvGuard driver("SDL_AUDIODRIVER"), file("SDL_DISKAUDIOFILE"), delay("SDL_DISKAUDIODELAY");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);  // as fast as the game lets it
    std::string script = std::string(TOLVANE_TEST_DIR) + "/replays/" + loud.script;
    if (loud.script.find('\n') != std::string::npos) {
        script = testing::TempDir() + "mixpeak_" + loud.name + ".txt";
        FILE* f = std::fopen(script.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(loud.script.c_str(), f);
        std::fclose(f);
    }
    AppOptions o;
    o.headless = true;
    o.lang = "ja";
    o.startScene = loud.scene;
    o.maxMs = loud.maxMs;
    o.scriptPath = script;
    o.dataDir = TOLVANE_DATA_DIR;
    o.logPath = testing::TempDir() + "mixpeak_" + loud.name + ".log";
    o.tracePath = testing::TempDir() + "mixpeak_" + loud.name + ".trace";
    ASSERT_EQ(StartRun(o), 0);
    SDL_AudioDeviceID device = 0;
    for (SDL_AudioDeviceID id = 1; id <= 16 && !device; ++id)
        if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) device = id;
    ASSERT_NE(device, 0u);
    SDL_LockAudioDevice(device);
    g_Mixed = 0;
    g_Peak = 0;
    Mix_SetPostMix(WatchMix, nullptr);
    // The mixer runs only while the game waits for it to put out each
    // frame's 15 ms.
    long long frames = 0;
    for (LoopTurn turn; (turn = RunLoopTurn()) != LoopTurn::Over;) {
        if (turn != LoopTurn::Frame || ++frames == 1) continue;
        while (g_Mixed < (frames - 1) * 44100 * 15 / 1000) {
            SDL_UnlockAudioDevice(device);
            SDL_Delay(0);
            SDL_LockAudioDevice(device);
        }
    }
    SDL_UnlockAudioDevice(device);
    Mix_SetPostMix(nullptr, nullptr);
    EXPECT_EQ(EndRun(true), 0);
    const double dbfs = 20 * std::log10(std::max(1e-6f, g_Peak));
    std::printf("%s: peak %.2f dBFS at %.2f over %.1f s\n", loud.name, dbfs, g_PeakAt / 44100.0, double(g_Mixed) / 44100);
    EXPECT_GT(dbfs, -30);  // the stretch was heard at all
    EXPECT_LE(dbfs, -1);
}

INSTANTIATE_TEST_SUITE_P(
    LoudestStretches, MixPeak,
    testing::Values(Loud{"Stage1Burns", 11, "stage1_win.txt", 24000},
                    // Five lines read, the sixth sets off the fireworks.
                    Loud{"Fireworks", 53,
                         "1000 click 320 240\n2000 click 320 240\n3000 click 320 240\n4000 click 320 240\n"
                         "5000 click 320 240\n",
                         12000}),
    [](const testing::TestParamInfo<Loud>& i) { return std::string(i.param.name); });

// A mix that goes past full scale is turned down at once and recovers within
// about a second; a quiet one passes untouched.
TEST(Limiter, HoldsPeaksUnderTheCeilingAndRecovers) {
    Limiter limiter;
    std::vector<float> mix(2 * 44100);
    for (size_t i = 0; i < mix.size(); i += 2) mix[i] = mix[i + 1] = 0.3f * float(std::sin(double(i) * 0.02));
    std::vector<float> quiet = mix;
    LimitPeaks(limiter, quiet.data(), int(quiet.size() / 2));
    EXPECT_EQ(quiet, mix);
    std::vector<float> loud = mix;
    for (size_t i = 0; i < 4410; ++i) loud[i] *= 6;  // a burst far over full scale, on both sides
    LimitPeaks(limiter, loud.data(), int(loud.size() / 2));
    float peak = 0;
    for (float x : loud) peak = std::max(peak, std::fabs(x));
    EXPECT_LE(peak, kLimiterCeiling + 1e-6f);
    EXPECT_GT(peak, kLimiterCeiling * 0.99f);
    EXPECT_LT(limiter.gain, 1.0f);
    EXPECT_GT(limiter.gain, 0.98f);  // a second later, nearly back
    EXPECT_NEAR(loud.back() / mix.back(), limiter.gain, 1e-4);
}
