// Damaged, odd and hostile data files: each fails as a missing file of its
// kind would, at once, before any decoder or the synthesizer sees it.
#include <gtest/gtest.h>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/app.h"
#include "base/data_file.h"
#include "base/platform.h"
#include "gfx/image.h"
#include "midi_bytes.h"
#include "sound/sound.h"
#include "sound/sound_check.h"
#include "sound/sound_files.h"
#include "sound/tune_rendering.h"

namespace {

// Per process: CTest runs the tests of this file side by side in separate
// processes, and they must not share a log or a file.
std::string TempPath(const std::string& name) {
    return testing::TempDir() + "datafile_" + std::to_string(getpid()) + "_" + name;
}

std::string WriteFile(const std::string& name, const Bytes& b) {
    std::string p = TempPath(name);
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    return p;
}

Bytes ReadFile(const std::string& path) {
    Bytes b;
    EXPECT_EQ(ReadDataFile(path.c_str(), b), nullptr) << path;
    return b;
}

std::vector<std::string> DataFiles(const char* dir, const char* tail) {
    std::vector<std::string> out;
    std::string d = std::string(TOLVANE_DATA_DIR) + "/" + dir;
    if (DIR* h = opendir(d.c_str())) {
        while (dirent* e = readdir(h)) {
            std::string n = e->d_name;
            if (n.size() > 4 && n.substr(n.size() - 4) == tail) out.push_back(d + "/" + n);
        }
        closedir(h);
    }
    return out;
}

const char* Midi(const Bytes& b) { return MidiProblem(b.data(), b.size()); }
const char* Wave(const Bytes& b) { return WaveProblem(b.data(), b.size()); }

}  // namespace

TEST(DataFile, ReadsOnlyRegularFilesOfSaneSize) {
    Bytes b;
    EXPECT_EQ(ReadDataFile(WriteFile("plain", {1, 2, 3}).c_str(), b), nullptr);
    EXPECT_EQ(b, (Bytes{1, 2, 3}));
    EXPECT_STREQ(ReadDataFile(TempPath("nothing-here").c_str(), b), "no such file");
    EXPECT_STREQ(ReadDataFile(WriteFile("empty", {}).c_str(), b), "empty file");
    EXPECT_STREQ(ReadDataFile(WriteFile("big", Bytes(100, 7)).c_str(), b, 99), "file too big");
    std::string dir = TempPath("dir");
    mkdir(dir.c_str(), 0700);
    EXPECT_STREQ(ReadDataFile(dir.c_str(), b), "a directory, not a file");
    EXPECT_TRUE(b.empty());
}

TEST(DataFile, FifoIsRefusedWithoutWaitingForAWriter) {
    std::string fifo = TempPath("fifo");
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    Bytes b;
    EXPECT_STREQ(ReadDataFile(fifo.c_str(), b), "not a regular file");
    Image img;
    EXPECT_FALSE(DecodeImageFile(fifo.c_str(), img));
    unlink(fifo.c_str());
}

TEST(MidiCheck, EveryGeneratedTunePasses) {
    std::vector<std::string> files = DataFiles("mid", ".mid");
    ASSERT_GE(files.size(), 7u);
    for (const std::string& f : files) EXPECT_EQ(Midi(ReadFile(f)), nullptr) << f;
}

TEST(MidiCheck, HeaderFaults) {
    Bytes good = Join({MidiHeader(0, 1, 480), OneNoteTrack()});
    EXPECT_EQ(Midi(good), nullptr);
    EXPECT_EQ(Midi(Join({MidiHeader(1, 2, 480), OneNoteTrack(), OneNoteTrack()})), nullptr);
    EXPECT_STREQ(Midi(Bytes(good.begin(), good.begin() + 10)), "not a MIDI file");
    EXPECT_STREQ(Midi(Join({MidiHeader(0, 1, 0xE250), OneNoteTrack()})),
                 "SMPTE timing in a MIDI file is not supported");
    EXPECT_STREQ(Midi(Join({MidiHeader(1, 0, 480), OneNoteTrack()})), "a MIDI file without tracks");
    EXPECT_STREQ(Midi(Join({MidiHeader(3, 1, 480), OneNoteTrack()})), "unknown MIDI format");
    EXPECT_STREQ(Midi(Join({MidiHeader(0, 2, 480), OneNoteTrack(), OneNoteTrack()})), "bad MIDI track count");
    EXPECT_STREQ(Midi(Join({MidiHeader(0, 1, 0), OneNoteTrack()})), "zero ticks per beat in a MIDI file");
    Bytes longHeader = Join({Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 8, 0, 0, 0, 1, 1, 0xE0, 0, 0}, OneNoteTrack()});
    EXPECT_STREQ(Midi(longHeader), "bad MIDI header length");
    Bytes hugeHeader = good;
    hugeHeader[4] = 0x7F;  // header length far past the end
    EXPECT_STREQ(Midi(hugeHeader), "bad MIDI header length");
}

TEST(MidiCheck, TrackFaults) {
    Bytes h1 = MidiHeader(1, 1, 480);
    Bytes pastEnd = Join({h1, OneNoteTrack()});
    pastEnd[18] = 0x10;  // track length now past the end of the file
    EXPECT_STREQ(Midi(pastEnd), "a MIDI track runs past the end of the file");
    EXPECT_STREQ(Midi(Join({MidiHeader(1, 3, 480), OneNoteTrack(), OneNoteTrack()})),
                 "a MIDI track is missing or cut short");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0})})),
                 "a MIDI track is cut short or has a bad delta time");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 60, 100, 0x00, 0xFF, 0x2F, 0x00})})),
                 "a MIDI track has data without a status byte");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0x90, 0x90, 100, 0x00, 0xFF, 0x2F, 0x00})})),
                 "a MIDI track has a bad channel event");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0xFF, 0x01, 0x7F, 'a', 0x00, 0xFF, 0x2F, 0x00})})),
                 "a MIDI event runs past the end of its track");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0xF4, 0x00, 0xFF, 0x2F, 0x00})})),
                 "a MIDI track has a bad status byte");
    // Five-byte delta times do not exist.
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x81, 0x81, 0x81, 0x81, 0x01, 0xFF, 0x2F, 0x00})})),
                 "a MIDI track is cut short or has a bad delta time");
    // Meta events of fixed size at another size stop the synthesizer's reading.
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0xFF, 0x59, 0x03, 0, 0, 0, 0x83, 0x60, 0xFF, 0x2F, 0x00})})),
                 "a MIDI meta event has a bad length");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0xFF, 0x58, 0x02, 4, 2, 0x83, 0x60, 0xFF, 0x2F, 0x00})})),
                 "a MIDI meta event has a bad length");
    EXPECT_EQ(Midi(Join({h1, MidiTrack({0x00, 0xFF, 0x58, 0x04, 4, 2, 24, 8, 0x83, 0x60, 0xFF, 0x2F, 0x00})})),
              nullptr);
    // Chunks of other kinds are refused: the synthesizer cannot skip them.
    Bytes alien{'X', 'y', 'z', 'w', 0, 0, 0, 2, 9, 9};
    EXPECT_STREQ(Midi(Join({h1, alien, OneNoteTrack()})), "a MIDI file with a chunk that is not a track");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x83, 0x60, 0xFF, 0x2F, 0x00, 0x00})})),
                 "a MIDI track has bytes after its end");
    // Bytes after the last track are never read.
    EXPECT_EQ(Midi(Join({h1, OneNoteTrack(), alien})), nullptr);
}

TEST(MidiCheck, TunesThatWouldSpinTheSynthesizer) {
    Bytes h1 = MidiHeader(0, 1, 480);
    // Nothing but the end: a looping tune of no length restarts for ever.
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0xFF, 0x2F, 0x00})})), "a MIDI file with no playing time");
    EXPECT_STREQ(Midi(Join({h1, MidiTrack({0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x01, 0x83, 0x60, 0xFF, 0x2F, 0x00})})),
                 "a MIDI tempo is too fast");
    // A beat of 480 ticks at 120 beats a minute is long enough.
    EXPECT_EQ(Midi(Join({h1, MidiTrack({0x83, 0x60, 0xFF, 0x2F, 0x00})})), nullptr);
}

TEST(WaveCheck, GeneratedSoundsPassAndDamagedOnesFail) {
    std::vector<std::string> files = DataFiles("wav", ".wav");
    ASSERT_GE(files.size(), 20u);
    for (const std::string& f : files) EXPECT_EQ(Wave(ReadFile(f)), nullptr) << f;
    Bytes good = ReadFile(files[0]);
    EXPECT_STREQ(Wave(Bytes(good.begin(), good.begin() + 11)), "not a wave file");
    EXPECT_STREQ(Wave(Bytes(good.begin(), good.begin() + good.size() / 2)),
                 "wave data runs past the end of the file");
    Bytes noRate = good;
    noRate[24] = noRate[25] = noRate[26] = noRate[27] = 0;  // the format chunk's sample rate
    EXPECT_STREQ(Wave(noRate), "bad sample rate in a wave file");
    Bytes noFormat = good;
    noFormat[12] = 'x';
    EXPECT_STREQ(Wave(noFormat), "wave data before its format");
}

TEST(TuneRendering, HashAndPlace) {
    EXPECT_EQ(TuneHash(nullptr, 0), 0xCBF29CE484222325ull);
    EXPECT_EQ(TuneHash(reinterpret_cast<const uint8_t*>("a"), 1), 0xAF63DC4C8601EC8Cull);
    EXPECT_EQ(RenderingPath("mid/1.mid"), "ogg/1.ogg");
    EXPECT_EQ(RenderingPath("/opt/data/mid/tam-n11.mid"), "/opt/data/ogg/tam-n11.ogg");
    EXPECT_EQ(RenderingPath("1.mid"), "");
    EXPECT_EQ(RenderingPath("/1.mid"), "");
}

// Every generated tune has a rendering made from its bytes and no other's;
// a rendering cut before its hash, or with another hash, never matches.
TEST(TuneRendering, EveryTuneHasItsOwnRendering) {
    std::vector<std::string> tunes = DataFiles("mid", ".mid");
    ASSERT_FALSE(tunes.empty());
    for (const std::string& t : tunes) {
        Bytes midi = ReadFile(t);
        Bytes ogg = ReadFile(RenderingPath(t));
        const uint64_t hash = TuneHash(midi.data(), midi.size());
        EXPECT_TRUE(RenderingMatches(ogg.data(), ogg.size(), hash)) << t;
        EXPECT_FALSE(RenderingMatches(ogg.data(), ogg.size(), hash ^ 1)) << t;
        const std::string name = "TOLVANE_MIDI=";
        auto at = std::search(ogg.begin(), ogg.end(), name.begin(), name.end());
        ASSERT_NE(at, ogg.end()) << t;
        const size_t end = size_t(at - ogg.begin()) + name.size() + 16;
        for (size_t cut = 0; cut < end; cut += 7) EXPECT_FALSE(RenderingMatches(ogg.data(), cut, hash)) << t << cut;
        Bytes lower = ogg;
        std::transform(at, at + 12, lower.begin() + (at - ogg.begin()), [](uint8_t c) { return std::tolower(c); });
        EXPECT_TRUE(RenderingMatches(lower.data(), lower.size(), hash)) << t;  // names ignore case
    }
}

TEST(PictureFiles, BitmapHeaderSizesAreCheckedBeforeDecoding) {
    Bytes bmp = ReadFile(std::string(TOLVANE_DATA_DIR) + "/img/asiato.bmp");
    Image img;
    ASSERT_TRUE(DecodeImageFile(WriteFile("ok.bmp", bmp).c_str(), img));
    EXPECT_GT(img.width, 0);
    auto withSize = [&](int32_t w, int32_t h) {
        Bytes b = bmp;
        for (int i = 0; i < 4; ++i) {
            b[18 + i] = uint8_t(uint32_t(w) >> (8 * i));
            b[22 + i] = uint8_t(uint32_t(h) >> (8 * i));
        }
        return WriteFile("sized.bmp", b);
    };
    EXPECT_FALSE(DecodeImageFile(withSize(100000, 100000).c_str(), img));
    EXPECT_FALSE(DecodeImageFile(withSize(0, 10).c_str(), img));
    EXPECT_FALSE(DecodeImageFile(withSize(4000, 4000).c_str(), img));  // rows past the end of the file
    EXPECT_FALSE(DecodeImageFile(WriteFile("cut.bmp", Bytes(bmp.begin(), bmp.begin() + 40)).c_str(), img));
    EXPECT_TRUE(img.argb.empty());
}

TEST(PictureFiles, DamagedPngIsNotDecoded) {
    Bytes png = ReadFile(std::string(TOLVANE_DATA_DIR) + "/img/gage.png");
    Image img;
    ASSERT_TRUE(DecodeImageFile(WriteFile("ok.png", png).c_str(), img));
    EXPECT_FALSE(DecodeImageFile(WriteFile("cut.png", Bytes(png.begin(), png.begin() + png.size() / 2)).c_str(), img));
    Bytes huge = png;
    huge[16] = huge[20] = 0x7F;  // width and height in the header, far past the cap
    EXPECT_FALSE(DecodeImageFile(WriteFile("huge.png", huge).c_str(), img));
    EXPECT_TRUE(img.argb.empty());
}

// The sound loader proper, with a silent sound device.
class SoundFiles : public testing::Test {
protected:
    void SetUp() override {
        ResetQuit();
        ASSERT_TRUE(InitSound());
        logPath_ = TempPath("sound.log");
        OpenLog(logPath_.c_str());
    }
    void TearDown() override {
        ReleaseSoundSlots();
        CloseSound();
        CloseLog();
        ResetQuit();
    }
    std::string Log() {
        CloseLog();
        std::ifstream f(logPath_);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    // The synthesizer loads its soundfont for every tune: take the small one.
    void UseQuietSoundFont() {
        ReleaseSoundSlots();
        CloseSound();
        setenv("TOLVANE_SOUNDFONT", (std::string(TOLVANE_DATA_DIR) + "/sf2/quiet.sf2").c_str(), 1);
        ASSERT_TRUE(InitSound());
        unsetenv("TOLVANE_SOUNDFONT");
    }
    std::string logPath_;
};

TEST_F(SoundFiles, DamagedTuneFailsAsAMissingOneWithItsPathLogged) {
    std::string path = WriteFile("cut.mid", Join({MidiHeader(0, 1, 480)}));
    EXPECT_FALSE(LoadSound(kMusicSlot, path.c_str(), true));
    EXPECT_FALSE(SoundSlotLoaded(kMusicSlot));
    EXPECT_TRUE(QuitPosted());
    EXPECT_EQ(ExitStatus(), 1);
    EXPECT_EQ(Log(), "MIDIファイルのロードに失敗\n" + path + ": a MIDI track is missing or cut short\n");
}

TEST_F(SoundFiles, SoundTunePlaysAndADirectoryWaveFails) {
    std::string tune = WriteFile("one.mid", Join({MidiHeader(0, 1, 480), OneNoteTrack()}));
    EXPECT_TRUE(LoadSound(kMusicSlot, tune.c_str(), true));
    PlayMusic(kMusicSlot);
    StopAllSound();
    EXPECT_FALSE(QuitPosted());
    std::string dir = TempPath("dir.wav");
    mkdir(dir.c_str(), 0700);
    EXPECT_FALSE(LoadSound(3, dir.c_str(), false));
    EXPECT_EQ(ExitStatus(), 1);
    EXPECT_EQ(Log(), "MIDIファイルのロードに失敗\n" + dir + ": a directory, not a file\n");
}

// A tune plays its rendering only when the rendering was made from its very
// bytes; a changed tune is synthesised live, and a damaged one fails before
// its rendering is looked at.
TEST_F(SoundFiles, TunePlaysTheRenderingMadeFromIt) {
    UseQuietSoundFont();
    const std::string tune = DataFiles("mid", ".mid").at(0);
    Bytes midi = ReadFile(tune);
    const std::string root = TempPath("data");
    mkdir(root.c_str(), 0700);
    mkdir((root + "/mid").c_str(), 0700);
    mkdir((root + "/ogg").c_str(), 0700);
    auto put = [](const std::string& p, const Bytes& b) {
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    };
    put(root + "/ogg/t.ogg", ReadFile(RenderingPath(tune)));
    Bytes slower = midi;
    const uint8_t tempo[] = {0xFF, 0x51, 0x03};
    auto at = std::search(slower.begin(), slower.end(), tempo, tempo + 3);
    ASSERT_NE(at, slower.end());
    at[5] ^= 1;  // a tempo a microsecond off: still a sound tune
    Bytes cut(midi.begin(), midi.begin() + 40);
    const struct {
        Bytes bytes;
        bool plays, rendered;
    } cases[] = {{midi, true, true}, {slower, true, false}, {cut, false, false}};
    for (const auto& c : cases) {
        put(root + "/mid/t.mid", c.bytes);
        std::string why;
        std::vector<uint8_t> rendering;
        Mix_Music* m = OpenMusicFile((root + "/mid/t.mid").c_str(), rendering, why);
        EXPECT_EQ(m != nullptr, c.plays);
        EXPECT_EQ(!rendering.empty(), c.rendered);
        if (m) {
            EXPECT_EQ(Mix_GetMusicType(m), c.rendered ? MUS_OGG : MUS_MID);
            Mix_FreeMusic(m);
        } else {
            EXPECT_EQ(why, "a MIDI track runs past the end of the file");
        }
    }
}

// A device that plays nothing skips the decoders' conversion and the
// synthesizer, so its checks must accept and refuse exactly what the full
// loaders do: the generated files, and faults each check alone would miss.
TEST_F(SoundFiles, SilentChecksAgreeWithTheLoaders) {
    UseQuietSoundFont();
    Bytes wave = ReadFile(DataFiles("wav", ".wav").at(0));
    Bytes oddCodec = wave;
    oddCodec[20] = 0x34;  // the format tag: no decoder knows codec 0x1234
    oddCodec[21] = 0x12;
    ASSERT_EQ(Wave(oddCodec), nullptr);  // the header alone looks sound
    Bytes cutWave(wave.begin(), wave.begin() + 30);
    std::vector<std::string> waves = DataFiles("wav", ".wav");
    waves.push_back(WriteFile("codec.wav", oddCodec));
    waves.push_back(WriteFile("cut.wav", cutWave));
    for (const std::string& p : waves) {
        std::string why;
        Mix_Chunk* c = OpenWaveFile(p.c_str(), why);
        EXPECT_EQ(CheckWaveFile(p.c_str(), why), c != nullptr) << p;
        if (c) Mix_FreeChunk(c);
    }
    // The synthesizer takes any bytes at load (it reads a tune as it plays
    // it), so for tunes the checks decide alone.
    std::vector<std::string> tunes = DataFiles("mid", ".mid");
    tunes.push_back(WriteFile("cut.mid", Join({MidiHeader(0, 1, 480)})));
    tunes.push_back(WriteFile("noise.mid", Bytes(64, 0x5A)));
    for (const std::string& p : tunes) {
        std::string why;
        const bool checked = CheckMusicFile(p.c_str(), why);
        std::vector<uint8_t> rendering;
        if (Mix_Music* m = OpenMusicFile(p.c_str(), rendering, why)) {
            EXPECT_TRUE(checked) << p;
            Mix_FreeMusic(m);
        } else {
            EXPECT_FALSE(checked) << p;
        }
    }
    // And the slot loader, silent here, fails on the odd codec as a missing file.
    EXPECT_FALSE(LoadSound(3, waves[waves.size() - 2].c_str(), false));
    EXPECT_EQ(ExitStatus(), 1);
}
