// The game's tunes and sound effects, and the two kits they are written
// with. The tunes must be seamless loops of whole bars whose last bar leads
// home; the effects must be clean, peak near -3 dBFS and, in the broad
// strokes, sound like their names (a hiss is bright, a thud dark, a charge
// rises, a crow caws twice).
//
// The test binary links only the game library; test_assetgen_kit.cpp
// compiles the drawing and sound kit in, this file adds the score and
// effect kits on top of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../../tools/assetgen/score.cpp"
#include "../../tools/assetgen/sfx.cpp"
#include "test_assetgen_readers.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = TOLVANE_DATA_DIR;

const char* const kTunes[] = {"tam-n11", "1", "2", "3", "4", "5", "kake17gm"};
const char* const kSounds[] = {
    // the stage set
    "bom31_b", "pyoro52", "SteamD@22", "water01_c", "mizu07", "magic_08", "pochi03@11", "bosu32", "drag02", "op5",
    // the front end
    "notice1", "omg",
    // the dialogue cues
    "god", "zyaran!", "tame", "kyupin", "Bom", "nubble", "quiz2", "Crow", "harisen", "quiz1", "zyan", "ELR", "!!!",
    "syaran", "10", "get", "BGM-SLOT-M132", "Wow", "GAO", "SE065",
    // a life lost in a stage
    "miss"};
// The player's own small answers (paint taken, a walker painted) sit under
// the effects.
const char* const kSoftSounds[] = {"pick", "paint"};

fs::path tunePath(const std::string& name) { return kData / "mid" / (name + ".mid"); }
fs::path soundPath(const std::string& name) { return kData / "wav" / (name + ".wav"); }

// ---- a tune, read back into notes ----

struct Played {
    uint32_t on, off;
    int channel, key, velocity;
};

struct Tune {
    assetcheck::MidiFile file;
    int num = 4, den = 4;
    uint32_t end = 0, bar = 0;
    double seconds = 0, bpm = 0;
    std::vector<Played> notes;
    bool paired = true;  // every note-off closes a note that was on
};

Tune readTune(const fs::path& p) {
    Tune t;
    t.file = assetcheck::parseMidi(assetcheck::slurp(p));
    if (!t.file.ok || t.file.tracks.empty()) return t;
    uint32_t usPerQuarter = 500000;
    for (const auto& e : t.file.tracks[0].events) {
        if (e.status != 0xFF) continue;
        if (e.a == 0x58 && e.meta.size() >= 2) {
            t.num = e.meta[0];
            t.den = 1 << e.meta[1];
        }
        if (e.a == 0x51 && e.meta.size() == 3) usPerQuarter = uint32_t(e.meta[0]) << 16 | uint32_t(e.meta[1]) << 8 | e.meta[2];
    }
    t.end = t.file.tracks[0].endTick;
    t.bar = uint32_t(t.file.ppq * 4 * t.num / t.den);
    t.bpm = 60e6 / usPerQuarter;
    t.seconds = double(t.end) / t.file.ppq * usPerQuarter / 1e6;
    for (const auto& tr : t.file.tracks) {
        std::map<int, std::vector<std::pair<uint32_t, int>>> open;  // channel*128+key -> (on tick, velocity)
        for (const auto& e : tr.events) {
            int kind = e.status & 0xF0, id = (e.status & 15) * 128 + e.a;
            if (kind == 0x90 && e.b > 0) open[id].push_back({e.tick, e.b});
            if (kind == 0x80 || (kind == 0x90 && e.b == 0)) {
                if (open[id].empty()) {
                    t.paired = false;
                    continue;
                }
                auto [on, vel] = open[id].front();
                open[id].erase(open[id].begin());
                t.notes.push_back({on, e.tick, e.status & 15, e.a, vel});
            }
        }
        for (auto& kv : open)
            if (!kv.second.empty()) t.paired = false;
    }
    return t;
}

// Lowest (non-drum) key sounding at some time in [from, to).
int lowestIn(const Tune& t, uint32_t from, uint32_t to) {
    int low = 999;
    for (const Played& n : t.notes)
        if (n.channel != 9 && n.on < to && n.off > from) low = std::min(low, n.key);
    return low;
}

// ---- a sound, read back ----

struct Sound {
    assetcheck::Wave w;
    std::vector<float> x;  // first channel
    float peak = 0;
};

Sound readSound(const fs::path& p) {
    Sound s;
    s.w = assetcheck::readWav(p);
    if (!s.w.ok()) return s;
    s.x = s.w.ch[0];
    for (const auto& c : s.w.ch)
        for (float v : c) s.peak = std::max(s.peak, std::fabs(v));
    return s;
}

// Zero crossings a second, halved: a rough "pitch" or brightness.
double crossingHz(const std::vector<float>& x, size_t from, size_t to, int rate) {
    int n = 0;
    for (size_t i = from + 1; i < to; ++i) n += (x[i - 1] < 0) != (x[i] < 0);
    return n / 2.0 / (double(to - from) / rate);
}

// Separate loud events: the 20 ms level rises above 35 % of its maximum
// after having fallen below 12 %.
int bursts(const std::vector<float>& x, int rate) {
    const size_t win = size_t(rate / 50);
    std::vector<double> env;
    for (size_t i = 0; i + win <= x.size(); i += win) {
        double s = 0;
        for (size_t k = i; k < i + win; ++k) s += double(x[k]) * x[k];
        env.push_back(std::sqrt(s / double(win)));
    }
    double m = *std::max_element(env.begin(), env.end());
    int n = 0;
    bool low = true;
    for (double e : env) {
        if (low && e > 0.35 * m) {
            ++n;
            low = false;
        } else if (e < 0.12 * m) {
            low = true;
        }
    }
    return n;
}

}  // namespace

// ---------------------------------------------------------------- files

TEST(AudioFiles, EveryTuneAndSoundTheScenesLoadIsThere) {
    for (const char* t : kTunes) EXPECT_GT(fs::exists(tunePath(t)) ? fs::file_size(tunePath(t)) : 0u, 200u) << t;
    // ...and no tune the checks below would miss.
    for (const auto& e : fs::directory_iterator(kData / "mid"))
        EXPECT_NE(std::find_if(std::begin(kTunes), std::end(kTunes),
                               [&](const char* t) { return e.path() == fs::path(tunePath(t)); }),
                  std::end(kTunes))
            << e.path();
    for (const char* s : kSounds) EXPECT_GT(fs::exists(soundPath(s)) ? fs::file_size(soundPath(s)) : 0u, 1000u) << s;
    for (const char* s : kSoftSounds) EXPECT_GT(fs::exists(soundPath(s)) ? fs::file_size(soundPath(s)) : 0u, 1000u) << s;
}

// ---------------------------------------------------------------- tunes

TEST(AudioTunes, AreSeamlessLoopsOfWholeBarsBetweenThirtyAndNinetySeconds) {
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        Tune t = readTune(tunePath(name));
        ASSERT_TRUE(t.file.ok);
        EXPECT_EQ(t.file.format, 1);
        EXPECT_GE(t.file.tracks.size(), 4u) << "a conductor and at least three parts";
        ASSERT_GT(t.end, 0u);
        EXPECT_EQ(t.end % t.bar, 0u) << "the loop is not a whole number of bars";
        for (const auto& tr : t.file.tracks) {
            EXPECT_TRUE(tr.ended);
            EXPECT_EQ(tr.endTick, t.end) << "a track ends off the loop point";
        }
        EXPECT_TRUE(t.paired) << "a note-off without its note-on, or a note left hanging";
        for (const Played& n : t.notes) {
            EXPECT_LT(n.on, t.end);
            EXPECT_LE(n.off, t.end);
            EXPECT_GT(n.off, n.on);
        }
        EXPECT_GE(t.seconds, 30.0);
        EXPECT_LE(t.seconds, 90.0);
    }
}

TEST(AudioTunes, SoundRightUpToTheLoopPointAndFromItsStart) {
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        Tune t = readTune(tunePath(name));
        ASSERT_FALSE(t.notes.empty());
        const uint32_t sixteenth = uint32_t(t.file.ppq / 4);
        bool atStart = false, atEnd = false;
        for (const Played& n : t.notes) {
            if (n.channel == 9) continue;
            atStart |= n.on == 0;
            atEnd |= n.on < t.end - sixteenth && n.off >= t.end - sixteenth;
        }
        EXPECT_TRUE(atStart) << "silence at the start of the loop";
        EXPECT_TRUE(atEnd) << "silence before the loop point";
    }
}

TEST(AudioTunes, LastBarIsTheDominantOfTheFirst) {
    // The bass of the last bar is a fifth above the bass of the first, so
    // the loop point sounds like an arrival, not a cut.
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        Tune t = readTune(tunePath(name));
        int first = lowestIn(t, 0, t.bar), last = lowestIn(t, t.end - t.bar, t.end);
        ASSERT_LT(first, 128);
        ASSERT_LT(last, 128);
        EXPECT_EQ(((last - first) % 12 + 12) % 12, 7) << "from key " << last << " to " << first;
    }
}

TEST(AudioTunes, LayerMelodyBassAndAccompanimentAtModerateLevels) {
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        Tune t = readTune(tunePath(name));
        std::map<int, std::pair<double, int>> byChannel;  // key sum, count
        int loudest = 0;
        double velSum = 0;
        for (const Played& n : t.notes) {
            loudest = std::max(loudest, n.velocity);
            velSum += n.velocity;
            if (n.channel == 9) continue;
            byChannel[n.channel].first += n.key;
            byChannel[n.channel].second++;
        }
        EXPECT_GE(byChannel.size(), 3u);
        double lowest = 999, highest = 0;
        for (auto& [ch, sum] : byChannel) {
            double mean = sum.first / sum.second;
            lowest = std::min(lowest, mean);
            highest = std::max(highest, mean);
        }
        EXPECT_LT(lowest, 52.0) << "no bass part";
        EXPECT_GT(highest, 66.0) << "no melody above the accompaniment";
        EXPECT_LE(loudest, 110) << "leave headroom for the effects";
        EXPECT_LT(velSum / double(t.notes.size()), 90.0);
    }
}

TEST(AudioTunes, MetreAndTempoFollowTheMoods) {
    std::map<std::string, Tune> tunes;
    for (const char* name : kTunes) tunes[name] = readTune(tunePath(name));
    EXPECT_EQ(tunes["4"].num, 3) << "the dusk tune is a waltz";
    EXPECT_EQ(tunes["4"].den, 4);
    EXPECT_EQ(tunes["1"].num % 3, 0) << "the pastoral lilts in compound time";
    bool drums = false;
    for (const Played& n : tunes["5"].notes) drums |= n.channel == 9;
    EXPECT_TRUE(drums) << "the raid needs its drums";
    for (const char* name : kTunes) {
        if (std::string(name) != "5") {
            EXPECT_GT(tunes["5"].bpm, tunes[name].bpm) << "the raid is the most urgent";
        }
        if (std::string(name) != "2") {
            EXPECT_LT(tunes["2"].bpm, tunes[name].bpm) << "the rain is the slowest";
        }
    }
}

// ---------------------------------------------------------------- sounds

TEST(AudioSounds, AreCleanPcmPeakingAtMostMinusThreeDecibels) {
    std::vector<const char*> all(std::begin(kSounds), std::end(kSounds));
    all.insert(all.end(), std::begin(kSoftSounds), std::end(kSoftSounds));
    // Every sound written is one of these (or the prologue's bed, checked
    // on its own).
    std::set<std::string> known(all.begin(), all.end());
    known.insert("prolog");
    for (const auto& e : fs::directory_iterator(kData / "wav"))
        EXPECT_TRUE(known.count(e.path().stem().string())) << e.path().filename() << " is checked nowhere";
    for (const char* name : all) {
        SCOPED_TRACE(name);
        Sound s = readSound(soundPath(name));
        ASSERT_TRUE(s.w.ok());
        EXPECT_EQ(s.w.format, 1);
        EXPECT_EQ(s.w.bits, 16);
        EXPECT_TRUE(s.w.rate == 22050 || s.w.rate == 44100);
        // Loudness, not the peak, sets the level (below); the peak stays
        // under -3 dBFS and is not wasted either.
        double db = 20.0 * std::log10(std::max(1e-9f, s.peak));
        EXPECT_GE(db, -12.0);
        EXPECT_LE(db, -2.95);
        double sum = 0;
        for (float v : s.x) sum += v;
        EXPECT_LT(std::fabs(sum / double(s.x.size())), 0.002) << "DC offset";
        EXPECT_LT(std::fabs(s.x.front()), 0.01f) << "starts with a click";
        EXPECT_LT(std::fabs(s.x.back()), 0.01f) << "ends with a click";
        EXPECT_GE(s.w.seconds(), 0.05);
        EXPECT_LE(s.w.seconds(), 4.0) << "effects are short";
    }
}

// dBFS RMS over the sounding part: 10 ms blocks within 30 dB of the
// loudest block.
double loudness(const Sound& s) {
    const size_t block = size_t(s.w.rate / 100);
    std::vector<double> power;
    for (size_t at = 0; at < s.x.size(); at += block) {
        size_t end = std::min(s.x.size(), at + block);
        double sum = 0;
        for (size_t i = at; i < end; ++i) sum += double(s.x[i]) * s.x[i];
        power.push_back(sum / double(end - at));
    }
    double loudest = *std::max_element(power.begin(), power.end()), sum = 0;
    int n = 0;
    for (double p : power)
        if (p >= loudest / 1000.0) sum += p, ++n;
    return 10.0 * std::log10(sum / n);
}

// Peak of the last 10 ms, in dBFS.
double tailPeakDb(const Sound& s) {
    float m = 0;
    for (size_t i = s.x.size() - std::min(s.x.size(), size_t(s.w.rate / 100)); i < s.x.size(); ++i)
        m = std::max(m, std::fabs(s.x[i]));
    return 20.0 * std::log10(std::max(1e-9f, m));
}

TEST(AudioSounds, EffectsShareOneLoudnessAndEveryOneEndsInSilence) {
    std::vector<double> levels;
    for (const char* name : kSounds) {
        SCOPED_TRACE(name);
        Sound s = readSound(soundPath(name));
        ASSERT_TRUE(s.w.ok());
        ASSERT_FALSE(s.x.empty());
        double l = loudness(s);
        EXPECT_NEAR(l, ag::sfx::kEffectLoudnessDb, 3.0);
        levels.push_back(l);
        EXPECT_LT(tailPeakDb(s), -60.0) << "the last 10 ms are not silent";
    }
    auto [lo, hi] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LE(*hi - *lo, 6.0);
    for (const char* name : kSoftSounds) {
        SCOPED_TRACE(name);
        Sound s = readSound(soundPath(name));
        ASSERT_TRUE(s.w.ok());
        double l = loudness(s);
        EXPECT_LE(l, ag::sfx::kEffectLoudnessDb - 4.0) << "sits under the effects";
        EXPECT_GE(l, ag::sfx::kEffectLoudnessDb - 12.0) << "but is heard";
        EXPECT_LT(tailPeakDb(s), -60.0);
        EXPECT_LT(s.w.seconds(), 0.6) << "short";
    }
    Sound bed = readSound(kData / "wav" / "prolog.wav");
    ASSERT_TRUE(bed.w.ok());
    EXPECT_LT(tailPeakDb(bed), -60.0);
}

TEST(AudioSounds, EffectsStartPromptlyAndJinglesHaveTheirLengths) {
    // Everything but the swelling ghosts, the charge-up, the pouring water
    // and the rockets' climb is heard within 60 ms of being played.
    const std::set<std::string> slow = {"ELR", "Wow", "tame", "mizu07", "SE065"};
    for (const char* name : kSounds) {
        if (slow.count(name)) continue;
        SCOPED_TRACE(name);
        Sound s = readSound(soundPath(name));
        ASSERT_TRUE(s.w.ok());
        size_t i = 0;
        while (i < s.x.size() && std::fabs(s.x[i]) < 0.1f * s.peak) ++i;
        EXPECT_LT(double(i) / s.w.rate, 0.06);
    }
    auto seconds = [](const char* n) { return readSound(soundPath(n)).w.seconds(); };
    EXPECT_GE(seconds("op5"), 2.0);
    EXPECT_LE(seconds("op5"), 3.0);
    EXPECT_GE(seconds("omg"), 1.5);
    EXPECT_LE(seconds("omg"), 3.0);
    EXPECT_GE(seconds("BGM-SLOT-M132"), 2.0);
    EXPECT_LE(seconds("BGM-SLOT-M132"), 3.5);
    EXPECT_LT(seconds("pochi03@11"), 0.3) << "a pop is tiny";
    EXPECT_LT(seconds("bosu32"), 0.8);
}

TEST(AudioSounds, SoundLikeTheirNames) {
    auto whole = [](const char* n) {
        Sound s = readSound(soundPath(n));
        return crossingHz(s.x, 0, s.x.size(), s.w.rate);
    };
    EXPECT_GT(whole("SteamD@22"), 4000) << "steam hisses";
    EXPECT_GT(whole("harisen"), 2000) << "a paper slap cracks";
    EXPECT_LT(whole("bosu32"), 200) << "a thud is dark";
    EXPECT_LT(whole("Bom"), 300) << "a bom is low";

    auto quarters = [](const char* n) {
        Sound s = readSound(soundPath(n));
        const size_t q = s.x.size() / 4;
        return std::make_pair(crossingHz(s.x, 0, q, s.w.rate), crossingHz(s.x, 3 * q, s.x.size(), s.w.rate));
    };
    auto [tameFirst, tameLast] = quarters("tame");
    EXPECT_GT(tameLast, 3 * tameFirst) << "a charge-up rises";
    auto [chimeFirst, chimeLast] = quarters("syaran");
    EXPECT_GT(chimeFirst, 2 * chimeLast) << "the mark tree is brushed from the top down";

    auto count = [](const char* n) {
        Sound s = readSound(soundPath(n));
        return bursts(s.x, s.w.rate);
    };
    EXPECT_EQ(count("Crow"), 2) << "two caws";
    EXPECT_EQ(count("SE065"), 3) << "three fireworks";
    EXPECT_GE(count("nubble"), 5) << "the nubbles chatter";
    EXPECT_GE(count("quiz1"), 8) << "the clock ticks";
}

// ---------------------------------------------------------------- the score kit

TEST(AudioScoreKit, NoteTextReadsPitchesLengthsAndMarks) {
    using ag::score::parseLine;
    EXPECT_EQ(ag::score::keyOf("c4"), 60);
    EXPECT_EQ(ag::score::keyOf("f#5"), 78);
    EXPECT_EQ(ag::score::keyOf("bb3"), 58);
    EXPECT_EQ(ag::score::keyOf("b3"), 59);
    EXPECT_EQ(ag::score::keyOf("e5"), 76);

    auto n = parseLine("c4q d#4e. | eb4s rh c4+e4+g4hq >a4e' b3t", 480);
    ASSERT_EQ(n.size(), 7u);
    EXPECT_EQ(n[0].keys, std::vector<int>{60});
    EXPECT_EQ(n[0].len, 480u);
    EXPECT_EQ(n[1].keys, std::vector<int>{63});
    EXPECT_EQ(n[1].len, 360u) << "a dotted eighth";
    EXPECT_EQ(n[2].at, 840u);
    EXPECT_EQ(n[2].len, 120u);
    EXPECT_TRUE(n[3].keys.empty()) << "a rest";
    EXPECT_EQ(n[3].len, 960u);
    EXPECT_EQ(n[4].keys, (std::vector<int>{60, 64, 67}));
    EXPECT_EQ(n[4].len, 1440u) << "lengths add up";
    EXPECT_TRUE(n[5].accent);
    EXPECT_TRUE(n[5].staccato);
    EXPECT_FALSE(n[4].accent);
    EXPECT_EQ(n[6].len, 160u) << "a triplet eighth";
    EXPECT_EQ(ag::score::lengthOf(n), 840u + 120 + 960 + 1440 + 240 + 160);

    EXPECT_THROW(ag::score::keyOf("h4"), ag::Failure);
    EXPECT_THROW(ag::score::keyOf("c"), ag::Failure);
    EXPECT_THROW(parseLine("c4", 480), ag::Failure) << "a note needs a length";
    EXPECT_THROW(parseLine("c4x", 480), ag::Failure);
}

TEST(AudioScoreKit, ChartsReadQualitiesSlashBassesAndLengths) {
    auto c = ag::score::parseChart("C Am7 F/A:0.5 G7:0.5 Bbmaj7 F#m7b5", 1920);
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(c[0].root, 0);
    EXPECT_EQ(c[0].tones, (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(c[1].root, 9);
    EXPECT_EQ(c[1].tones, (std::vector<int>{0, 3, 7, 10}));
    EXPECT_EQ(c[2].root, 5);
    EXPECT_EQ(c[2].bass, 9);
    EXPECT_EQ(c[2].at, 3840u);
    EXPECT_EQ(c[2].len, 960u);
    EXPECT_EQ(c[3].at, 4800u);
    EXPECT_EQ(c[4].root, 10);
    EXPECT_EQ(c[4].tones, (std::vector<int>{0, 4, 7, 11}));
    EXPECT_EQ(c[4].at, 5760u);
    EXPECT_EQ(c[5].root, 6);
    EXPECT_EQ(c[5].tones, (std::vector<int>{0, 3, 6, 10}));
    EXPECT_THROW(ag::score::parseChart("Cx7", 1920), ag::Failure);
    EXPECT_THROW(ag::score::parseChart("H", 1920), ag::Failure);
    EXPECT_THROW(ag::score::parseChart("C:0", 1920), ag::Failure);
}

TEST(AudioScoreKit, VoicingsMoveLeastAndStayInTheirRegister) {
    auto chart = ag::score::parseChart("C F G7 C", 1920);
    std::vector<int> v = ag::score::voicing(chart[0], 55);
    EXPECT_EQ(v, (std::vector<int>{60, 64, 67})) << "the first chord in root position";
    std::vector<int> f = ag::score::voicing(chart[1], 55, v);
    EXPECT_EQ(f, (std::vector<int>{60, 65, 69})) << "C stays, E and G step up";
    std::vector<int> g = ag::score::voicing(chart[2], 55, f);
    for (int k : g) {
        EXPECT_GE(k, 55);
        EXPECT_LT(k, 55 + 24);
    }
    for (int k : f) {
        int step = 99;
        for (int j : g) step = std::min(step, std::abs(j - k));
        EXPECT_LE(step, 2) << "every voice of F moves at most a step into G7";
    }
    std::set<int> pcs;
    for (int k : g) pcs.insert(k % 12);
    EXPECT_EQ(pcs, (std::set<int>{7, 11, 2, 5}));
}

TEST(AudioScoreKit, FiguresPlaceBassStepsAndApproachTheNextChord) {
    ag::score::Song song(120);
    ag::score::Voice bass = song.voice("bass", 0, ag::gm::AcousticBass, 100);
    auto chart = ag::score::parseChart("F/A C", song.bar(1));
    const uint32_t q = uint32_t(song.midi().ppq());
    song.figure(bass, chart, "RFa.", q, 36, 36, 80, 1.0);
    song.close(2);
    assetcheck::MidiFile m = assetcheck::parseMidi(song.midi().bytes());
    ASSERT_TRUE(m.ok);
    std::vector<std::pair<uint32_t, int>> ons;
    for (const auto& e : m.tracks[1].events)
        if ((e.status & 0xF0) == 0x90) ons.push_back({e.tick, e.a});
    // F/A: the bass A, the F above it (the chord's fifth from the bass is
    // no chord tone, so the nearest one), then B leading up to C; C: C, G,
    // and with no chord after it a step above its own root.
    const std::vector<std::pair<uint32_t, int>> want = {{0, 45}, {q, 53}, {2 * q, 47}, {4 * q, 36}, {5 * q, 43}, {6 * q, 38}};
    EXPECT_EQ(ons, want);
}

TEST(AudioScoreKit, PhrasesFollowTheMetreAndDrumGridsRepeat) {
    ag::score::Song song(100, 3, 4);
    ag::score::Voice flute = song.voice("flute", 0, ag::gm::Flute, 100);
    ag::score::Voice drums = song.drums(90);
    uint32_t end = song.play(flute, 1, "c5q d5q e5q | f5h.", 80);
    EXPECT_EQ(end, song.bar(3));
    song.beat(drums, ag::drums::Kick, 0, 2, "x.o", uint32_t(song.midi().ppq()), 90);
    song.close(3);
    assetcheck::MidiFile m = assetcheck::parseMidi(song.midi().bytes());
    ASSERT_TRUE(m.ok);
    std::vector<int> fluteVel, kicks;
    for (const auto& e : m.tracks[1].events)
        if ((e.status & 0xF0) == 0x90) fluteVel.push_back(e.b);
    for (const auto& e : m.tracks[2].events)
        if ((e.status & 0xF0) == 0x90) kicks.push_back(e.b);
    ASSERT_EQ(fluteVel.size(), 4u);
    EXPECT_GT(fluteVel[0], fluteVel[1]) << "the downbeat leans";
    EXPECT_GT(fluteVel[3], fluteVel[2]);
    EXPECT_EQ(kicks, (std::vector<int>{90, 49, 90, 49})) << "two bars of x.o";
}

// ---------------------------------------------------------------- the effect kit

TEST(AudioEffectKit, EnvelopesAndGlidesKeepTheirEnds) {
    using namespace ag::sfx;
    EXPECT_DOUBLE_EQ(hit(-0.1, 0.01, 1.0), 0.0);
    EXPECT_NEAR(hit(0.005, 0.01, 1.0), 0.5, 1e-9);
    EXPECT_NEAR(hit(1.01, 0.01, 1.0), 0.001, 1e-4) << "down 60 dB after t60";
    EXPECT_DOUBLE_EQ(swell(-0.01, 0.1, 1.0, 0.2), 0.0);
    EXPECT_DOUBLE_EQ(swell(1.01, 0.1, 1.0, 0.2), 0.0);
    EXPECT_NEAR(swell(0.5, 0.1, 1.0, 0.2), 1.0, 1e-9);
    EXPECT_NEAR(swell(0.05, 0.1, 1.0, 0.2), 0.5, 1e-9);
    EXPECT_NEAR(glide(0.5, 100, 400, 0, 1), 200, 1e-9) << "exponential: halfway is the geometric mean";
    EXPECT_DOUBLE_EQ(glide(2.0, 100, 400, 0, 1), 400);
    EXPECT_NEAR(line(0.5, 100, 400, 0, 1), 250, 1e-9);
}

TEST(AudioEffectKit, FiltersVoicesAndFinishing) {
    using namespace ag::sfx;
    auto level = [](const Buf& b) {
        double s = 0;
        for (size_t i = b.size() / 2; i < b.size(); ++i) s += double(b[i]) * b[i];
        return std::sqrt(s / double(b.size() / 2));
    };
    auto sine = [](double hz) { return tone(0.2, [=](double) { return hz; }, [](double) { return 1.0; }); };
    auto low = [](double) { return 1000.0; };
    EXPECT_GT(level(filter(sine(200), Pass::Low, low)), 0.6);
    EXPECT_LT(level(filter(sine(8000), Pass::Low, low)), 0.05);
    EXPECT_LT(level(filter(sine(200), Pass::High, low)), 0.2);

    // a bubble rises in pitch; a brass note sounds at its pitch
    Buf b = bubble(800, 0.08, 1.f, 1.0);
    EXPECT_GT(crossingHz(b, b.size() / 2, b.size(), kRate), crossingHz(b, 0, b.size() / 2, kRate) * 1.2);
    Buf horn = brass(220, 0.4, 0.8f);
    for (int i = 0; i < 2; ++i) horn = filter(horn, Pass::Low, [](double) { return 300.0; });
    EXPECT_NEAR(crossingHz(horn, frames(0.1), frames(0.35), kRate), 220, 15);

    // finishing: the common loudness, peaks at most -3 dBFS, quiet ends, a
    // long silent tail cut off and a short silent one added
    Buf ring = tone(0.3, [](double) { return 440.0; }, [](double t) { return hit(t, 0.002, 0.2); });
    ring.resize(frames(2.0), 0.f);
    ag::Pcm p = finishMono(ring);
    EXPECT_NEAR(ag::loudnessDb(p), kEffectLoudnessDb, 0.5);
    EXPECT_LE(20 * std::log10(ag::peak(p)), -3.0 + 1e-3);
    EXPECT_LT(p.seconds(), 0.45);
    EXPECT_LT(std::fabs(p.chan(0).front()), 1e-3f);
    for (size_t i = p.frames() - frames(0.01); i < p.frames(); ++i) ASSERT_EQ(p.chan(0)[i], 0.f);
    // a sound cut off while loud still ends without a click
    ag::Pcm cut = finishMono(tone(0.5, [](double) { return 300.0; }, [](double) { return 1.0; }));
    EXPECT_LT(std::fabs(cut.chan(0)[cut.frames() - frames(0.015) - 1]), 0.01f);
    // a spiky sound is lifted to the common loudness by limiting its peaks
    Buf spikes(frames(0.5), 0.f);
    for (size_t i = 0; i < spikes.size(); i += frames(0.05)) spikes[i] = 1.f;
    mix(spikes, tone(0.5, [](double) { return 200.0; }, [](double) { return 0.01; }), 0);
    ag::Pcm lifted = finishMono(spikes);
    EXPECT_NEAR(ag::loudnessDb(lifted), kEffectLoudnessDb, 1.0);
    EXPECT_LE(20 * std::log10(ag::peak(lifted)), -3.0 + 1e-3);
}
