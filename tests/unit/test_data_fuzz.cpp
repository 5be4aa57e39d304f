// Damaged data files from a seeded generator, through the loaders and the
// scenes that load them. Each case must end in a clean error (a sound:
// ErrorBox and status 1; a picture: simply not drawn) or play on; a crash,
// a hang (caught by a watchdog) or a sanitizer report fails the run.
//
// TOLVANE_FUZZ_CASES (default 500), TOLVANE_FUZZ_SEED (default 1),
// TOLVANE_FUZZ_FIRST (default 0) pick the cases, TOLVANE_FUZZ_SCENE_EVERY
// (default 8) how often a case runs its scene, TOLVANE_FUZZ_VERBOSE names each;
// scripts/fuzz-data.sh runs any number of them.
#include <gtest/gtest.h>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

#include "app/app.h"
#include "base/data_file.h"
#include "base/platform.h"
#include "app/scenes.h"
#include "data_fuzz.h"
#include "game_run.h"
#include "gfx/gfx.h"
#include "gfx/image.h"
#include "sound/sound.h"

namespace {

using Clock = std::chrono::steady_clock;

uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

// Aborts the run, naming the case, when one case takes far too long.
struct Watchdog {
    std::mutex lock;
    std::string current;
    Clock::time_point started = Clock::now();
    std::atomic<bool> stop{false};
    std::thread thread;

    explicit Watchdog(int limitSeconds) {
        thread = std::thread([this, limitSeconds] {
            while (!stop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                std::lock_guard<std::mutex> g(lock);
                if (Clock::now() - started > std::chrono::seconds(limitSeconds)) {
                    std::fprintf(stderr, "HANG: %s has run for over %d s\n", current.c_str(), limitSeconds);
                    std::abort();
                }
            }
        });
    }
    ~Watchdog() {
        stop = true;
        thread.join();
    }
    void Begin(const std::string& what) {
        std::lock_guard<std::mutex> g(lock);
        current = what;
        started = Clock::now();
    }
};

void Remove(const std::string& path) {
    if (rmdir(path.c_str()) != 0) unlink(path.c_str());
}

void Place(const std::string& path, const FuzzCase& c) {
    Remove(path);
    if (c.shape == FuzzShape::Directory)
        mkdir(path.c_str(), 0700);
    else if (c.shape == FuzzShape::Fifo)
        mkfifo(path.c_str(), 0600);
    else
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(c.bytes.data()), std::streamsize(c.bytes.size()));
}

class DataFuzz : public testing::Test {
protected:
    void SetUp() override {
        // The small General MIDI soundfont loads many times faster.
        const char* small = "/usr/share/sounds/sf2/TimGM6mb.sf2";
        if (!std::getenv("TOLVANE_SOUNDFONT") && access(small, R_OK) == 0) setenv("TOLVANE_SOUNDFONT", small, 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        root_ = MakeTempDir("fuzz");
        data_ = root_ + "/data";
        mkdir(data_.c_str(), 0700);
        mkdir((root_ + "/case").c_str(), 0700);
        // The data folder: links to the real files, one of which each case damages.
        for (const char* sub : {"img", "mid", "wav"}) {
            mkdir((data_ + "/" + sub).c_str(), 0700);
            std::string from = std::string(TOLVANE_DATA_DIR) + "/" + sub;
            DIR* d = opendir(from.c_str());
            ASSERT_NE(d, nullptr) << from;
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.')
                    symlink((from + "/" + e->d_name).c_str(), (data_ + "/" + sub + "/" + e->d_name).c_str());
            closedir(d);
        }
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        oldCwd_ = cwd;
        ASSERT_EQ(chdir(data_.c_str()), 0);
        AppOptions o;
        o.headless = true;
        ASSERT_TRUE(InitApp(o));
        ASSERT_EQ(InitDX8(false), 0);
        ASSERT_TRUE(InitSound());
        CreateTextFont();
        SetVirtualClock(true, 500000);
        g_LastTick = 0;
        ResetQuit();
    }
    void TearDown() override {
        ReleaseGraphics();
        ReleaseSoundSlots();
        CloseSound();
        ShutdownApp();
        SetVirtualClock(false, 0);
        ResetQuit();
        if (!oldCwd_.empty()) {
            EXPECT_EQ(chdir(oldCwd_.c_str()), 0);
        }
        std::system(("rm -rf '" + root_ + "'").c_str());
    }

    const std::vector<uint8_t>& Original(const char* path) {
        auto it = originals_.find(path);
        if (it != originals_.end()) return it->second;
        std::vector<uint8_t> b;
        EXPECT_EQ(ReadDataFile((std::string(TOLVANE_DATA_DIR) + "/" + path).c_str(), b), nullptr) << path;
        return originals_[path] = b;
    }

    // One tick of the scene: its init, and its first frame (which starts its
    // music), as the game would run them.
    static void RunScene(int scene) {
        g_FrameNo = uint8_t(scene);
        AdvanceVirtualClock(15);
        FrameTick();
        // A fatal error frees the graphics; the next case needs them again.
        if (!GraphicsAlive()) {
            InitDX8(false);
            CreateTextFont();
        }
    }

    std::string root_, data_, oldCwd_;
    std::map<std::string, std::vector<uint8_t>> originals_;
};

}  // namespace

TEST_F(DataFuzz, DamagedFilesFailCleanlyOrPlay) {
    const uint64_t seed = EnvNumber("TOLVANE_FUZZ_SEED", 1), first = EnvNumber("TOLVANE_FUZZ_FIRST", 0);
    const uint64_t count = EnvNumber("TOLVANE_FUZZ_CASES", 500);
    const bool verbose = std::getenv("TOLVANE_FUZZ_VERBOSE") != nullptr;
    // Far beyond any case's time, even on a machine busy with other work.
    Watchdog watchdog(60);
    std::map<std::string, int> refused, accepted;
    int sceneRuns = 0;
    const int sceneEvery = int(std::max<uint64_t>(1, EnvNumber("TOLVANE_FUZZ_SCENE_EVERY", 8)));
    auto t0 = Clock::now();
    for (uint64_t i = first; i < first + count; ++i) {
        const FuzzTarget& target = FuzzTargetOf(seed, i);
        FuzzCase c = MakeFuzzCase(seed, i, Original(target.path));
        std::string path = target.path;
        std::string name = "seed " + std::to_string(seed) + " case " + std::to_string(i) + ": " + path + ", " + c.what;
        watchdog.Begin(name);
        auto caseStart = Clock::now();
        SCOPED_TRACE(name);
        std::string kind = path.substr(path.rfind('.') + 1);
        std::string unique = root_ + "/case/" + std::to_string(i) + "." + kind;
        Place(unique, c);
        Place(data_ + "/" + path, c);

        // The loader itself, on a path of its own (nothing cached).
        ResetQuit();
        bool ok = false;
        bool sound = kind == "mid" || kind == "wav";
        if (!sound) {
            Image img;
            ok = DecodeImageFile(unique.c_str(), img);
            if (ok) {
                EXPECT_TRUE(img.width > 0 && img.width <= 8192 && img.height > 0 && img.height <= 8192);
                EXPECT_EQ(img.argb.size(), size_t(img.width) * size_t(img.height));
                ApplyColourKey(img, kKeyGreen);
            }
            EXPECT_FALSE(QuitPosted()) << "a picture that fails is not reported";
        } else {
            ok = LoadSound(30, unique.c_str(), kind == "mid");
            EXPECT_EQ(QuitPosted(), !ok);
            if (!ok) {
                EXPECT_EQ(ExitStatus(), 1);
            } else {
                // Let the mixer play it for a moment: a tune that spins the
                // synthesizer would hold the audio lock from here on.
                kind == "mid" ? PlayMusic(30) : PlayEffect(30);
                std::this_thread::sleep_for(std::chrono::milliseconds(30));
                StopAllSound();
            }
        }
        (ok ? accepted : refused)[kind]++;
        ResetQuit();

        // The scene that loads it, for every few cases of a kind (drawing is
        // slow in software). Sounds are cached by path, so a sound case's
        // scene starts from an empty cache, and reloading its music is slower
        // still.
        // Chosen by the case's number alone, so that a case run alone does the same.
        if ((i / 4) % uint64_t(sound ? 2 * sceneEvery : sceneEvery) == 0) {
            if (sound) ReleaseSoundSlots();
            RunScene(target.scene);
            ++sceneRuns;
            if (sound) {
                EXPECT_EQ(QuitPosted(), !ok) << "the scene and the loader judge the same bytes alike";
            } else if (target.scene != 57) {  // the endings alone report a picture they cannot load
                EXPECT_FALSE(QuitPosted());
            }
            if (QuitPosted()) {
                EXPECT_EQ(ExitStatus(), 1);
            }
            ResetQuit();
        }

        Remove(unique);
        Remove(data_ + "/" + path);
        symlink((std::string(TOLVANE_DATA_DIR) + "/" + path).c_str(), (data_ + "/" + path).c_str());
        if (verbose)
            std::fprintf(stderr, "%s: %s, %lld ms\n", name.c_str(), ok ? "loaded" : "refused",
                         (long long)std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - caseStart).count());
        if (HasFailure()) break;  // the first failing case is the one to look at
    }
    double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    std::printf("%llu cases (seed %llu) in %.1f s; %d scene runs; refused/accepted:", (unsigned long long)count,
                (unsigned long long)seed, seconds, sceneRuns);
    for (const char* k : {"png", "bmp", "mid", "wav"}) std::printf(" %s %d/%d", k, refused[k], accepted[k]);
    std::printf("\n");
}
