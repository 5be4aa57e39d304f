// The settings and progress readers against damaged files from the same
// seeded generator as the data files: every case must load (defaults or no
// progress for what is damaged) with every value in its range.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "app/progress.h"
#include "app/settings.h"
#include "data_fuzz.h"
#include "game_run.h"
#include "temp_env.h"

namespace {

uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

// Puts case c where path is: a file of its bytes, a directory or a FIFO.
void Place(const FuzzCase& c, const std::string& path) {
    if (c.shape == FuzzShape::Directory) {
        mkdir(path.c_str(), 0755);
    } else if (c.shape == FuzzShape::Fifo) {
        mkfifo(path.c_str(), 0644);
    } else {
        std::ofstream f(path, std::ios::binary);
        f.write(reinterpret_cast<const char*>(c.bytes.data()), std::streamsize(c.bytes.size()));
    }
}

// A progress file with every other stage cleared, the sample to damage.
std::vector<uint8_t> SampleProgress() {
    Progress done{};
    for (int k = 0; k < kStageCount; k += 2) done.stages[k] = StageRecord{true, 1000u * uint32_t(k + 7)};
    std::string text = FormatProgress(done);
    return std::vector<uint8_t>(text.begin(), text.end());
}

void Remove(const std::string& path) {
    if (unlink(path.c_str()) != 0) rmdir(path.c_str());
}

}  // namespace

TEST(KeptFilesFuzz, DamagedSettingsAndProgressLoadInRange) {
    const uint64_t cases = EnvNumber("TOLVANE_FUZZ_CASES", 500);
    const uint64_t seed = EnvNumber("TOLVANE_FUZZ_SEED", 1);
    Settings sample;
    sample.fullscreen = false;
    sample.windowScale = 3;
    sample.musicVolume = 70;
    sample.effectsVolume = 40;
    std::strcpy(sample.language, "en");
    std::string settingsText = FormatSettings(sample);
    const std::vector<uint8_t> settingsBytes(settingsText.begin(), settingsText.end());
    const std::vector<uint8_t> progressBytes = SampleProgress();

    std::string dir = MakeTempDir("keptfuzz");
    std::string settingsPath = dir + "/settings.ini", progressPath = dir + "/progress.ini";
    SetSettingsPath(settingsPath);
    SetProgressPath(progressPath);
    for (uint64_t i = 0; i < cases; ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i));
        FuzzCase s = MakeFuzzCase(seed, i, settingsBytes);
        Place(s, settingsPath);
        LoadSettings();
        EXPECT_GE(g_Settings.windowScale, 0);
        EXPECT_LE(g_Settings.windowScale, kMaxWindowScale);
        EXPECT_GE(g_Settings.musicVolume, 0);
        EXPECT_LE(g_Settings.musicVolume, 100);
        EXPECT_GE(g_Settings.effectsVolume, 0);
        EXPECT_LE(g_Settings.effectsVolume, 100);
        EXPECT_TRUE(!std::strcmp(g_Settings.language, "") || !std::strcmp(g_Settings.language, "ja") ||
                    !std::strcmp(g_Settings.language, "en"));
        Remove(settingsPath);

        FuzzCase p = MakeFuzzCase(seed, i, progressBytes);
        Place(p, progressPath);
        LoadProgress();
        for (int k = 1; k <= kStageCount; ++k) EXPECT_LE(StageProgress(k).bestMs, kMaxClearMs);
        Remove(progressPath);
    }
    SetSettingsPath("");
    SetProgressPath("");
    g_Settings = Settings{};
}

// Two games writing at once over a damaged progress file: each case damages
// the file, then two writers (processes of their own) clear a stage each at
// the same moment. Both clears are kept, no temporary file stays, and a file
// that could not be read at all is kept aside whole. A tenth of the cases
// of the test above (scripts/fuzz-data.sh runs as many as asked).
TEST(KeptFilesFuzz, TwoWritersOverDamagedProgress) {
    const uint64_t cases = std::max<uint64_t>(1, EnvNumber("TOLVANE_FUZZ_CASES", 500) / 10);
    const uint64_t seed = EnvNumber("TOLVANE_FUZZ_SEED", 1);
    const std::vector<uint8_t> bytes = SampleProgress();
    std::string dir = MakeTempDir("keptfuzz2");
    std::string path = dir + "/progress.ini";
    for (uint64_t i = 0; i < cases; ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i));
        FuzzCase c = MakeFuzzCase(seed, i, bytes);
        Place(c, path);
        pid_t writers[2];
        for (int w = 0; w < 2; ++w) {
            writers[w] = fork();
            if (writers[w] == 0) {
                SetProgressPath(path);
                LoadProgress();
                NoteStageClear(2 + 2 * w, 5000u + uint32_t(w));
                _exit(0);
            }
        }
        for (pid_t p : writers) waitpid(p, nullptr, 0);
        if (c.shape == FuzzShape::File) {
            SetProgressPath(path);
            LoadProgress();
            EXPECT_EQ(StageProgress(2).bestMs, 5000u);
            EXPECT_EQ(StageProgress(4).bestMs, 5001u);
            for (int k = 1; k <= kStageCount; ++k) EXPECT_LE(StageProgress(k).bestMs, kMaxClearMs);
            std::string aside = ReadTextFile(path + ".damaged");
            if (!aside.empty()) {
                EXPECT_EQ(aside, std::string(c.bytes.begin(), c.bytes.end()));
            }
        }
        EXPECT_EQ(FilesIn(dir), c.shape == FuzzShape::File ? 1 + (access((path + ".damaged").c_str(), F_OK) == 0) : 1);
        Remove(path);
        Remove(path + ".damaged");
    }
    SetProgressPath("");
}
