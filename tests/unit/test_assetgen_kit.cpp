// The data generator's drawing and sound kit: shapes and colour keys, the
// picture writers, lettering, the MIDI loop writer, wave files and
// synthesis helpers. The test binary links
// only the game library, so the kit's sources are compiled in here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <vector>

#include <unistd.h>

// Every kit source is compiled here once; other tests must not include them
// again (they would be defined twice).
#include "../../tools/assetgen/canvas.cpp"
#include "../../tools/assetgen/figures.cpp"
#include "../../tools/assetgen/imageio.cpp"
#include "../../tools/assetgen/midi.cpp"
#include "../../tools/assetgen/output.cpp"
#include "../../tools/assetgen/props.cpp"
#include "../../tools/assetgen/synth.cpp"
#include "../../tools/assetgen/text.cpp"
#include "../../tools/assetgen/wav.cpp"
#include "test_assetgen_readers.h"

using namespace ag;
namespace fs = std::filesystem;

namespace {

float area(const Shape& s) {
    float a = 0;
    for (int y = s.y0(); y < s.y0() + s.h(); ++y)
        for (int x = s.x0(); x < s.x0() + s.w(); ++x) a += s.at(x, y);
    return a;
}

}  // namespace

TEST(AssetKitShapes, CoverageMatchesGeometry) {
    EXPECT_NEAR(area(Shape::rect(2.5f, 3.f, 10.f, 4.f)), 40.f, 0.01f);
    EXPECT_NEAR(area(Shape::ellipse(20, 20, 10, 6)), float(kPi) * 60.f, 2.f);
    EXPECT_NEAR(area(Shape::polygon({{0, 0}, {20, 0}, {0, 10}})), 100.f, 1.f);
    // Winding: a square drawn clockwise or anticlockwise covers the same.
    EXPECT_NEAR(area(Shape::polygon({{0, 0}, {0, 8}, {8, 8}, {8, 0}})), 64.f, 0.5f);
    // Hard shapes are all-or-nothing.
    Shape h = Shape::circle(10, 10, 5).hard();
    for (int y = h.y0(); y < h.y0() + h.h(); ++y)
        for (int x = h.x0(); x < h.x0() + h.w(); ++x) EXPECT_TRUE(h.at(x, y) == 0.f || h.at(x, y) == 1.f);
}

TEST(AssetKitShapes, BooleansShiftAndGrow) {
    Shape a = Shape::rect(0, 0, 10, 10), b = Shape::rect(5, 0, 10, 10);
    EXPECT_NEAR(area(a | b), 150.f, 0.01f);
    EXPECT_NEAR(area(a & b), 50.f, 0.01f);
    EXPECT_NEAR(area(a - b), 50.f, 0.01f);
    EXPECT_NEAR(area((a - a.shift(-1, -1))), 19.f, 0.01f);  // the shaded rim: one row and one column
    EXPECT_NEAR(area(Shape::rect(0, 0, 4, 4).grow(1)), 36.f, 0.01f);
    Shape m = Shape::rect(0, 0, 3, 2).mirrorX(10.f);  // x 0..3 reflects onto 17..20
    EXPECT_EQ(m.at(16, 1), 0.f);
    EXPECT_EQ(m.at(17, 1), 1.f);
    EXPECT_EQ(m.at(19, 0), 1.f);
    EXPECT_EQ(m.at(20, 1), 0.f);
    EXPECT_TRUE(Shape::rect(0, 0, 2, 2).operator&(Shape::rect(5, 5, 2, 2)).empty());
    EXPECT_THROW(Shape::polygon({{0, 0}, {NAN, 3}, {4, 4}}), Failure);
}

TEST(AssetKitCanvas, KeyedPicturesNeverShowTheKeyWhereOpaque) {
    const Rgba green = hex(0x00FF00);
    Canvas c(4, 1);
    c.at(0, 0) = hex(0x00FF00);           // opaque, exactly the key: must be nudged
    c.at(1, 0) = Rgba{10, 20, 30, 100};   // mostly transparent: becomes the key
    c.at(2, 0) = Rgba{10, 20, 30, 200};   // mostly opaque: kept, made opaque
    c.at(3, 0) = kClear;
    c.keyed(green);
    EXPECT_NE(c.at(0, 0), green);
    EXPECT_EQ(c.at(0, 0).a, 255);
    EXPECT_LE(std::abs(int(c.at(0, 0).b) - 0) + std::abs(int(c.at(0, 0).g) - 255), 1);
    EXPECT_EQ(c.at(1, 0), green);
    EXPECT_EQ(c.at(2, 0), (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(c.at(3, 0), green);

    // Each key in use keeps its contract, white and black included.
    for (Rgba key : {hex(0xFFFFFF), hex(0x000000), hex(0x010101), hex(0xE6F0F0)}) {
        Canvas k(2, 1);
        k.at(0, 0) = key;
        k.keyed(key);
        EXPECT_NE(k.at(0, 0), key);
        EXPECT_EQ(k.at(1, 0), key);
    }
}

TEST(AssetKitCanvas, BlendMatteOutlineAndMirror) {
    Canvas c(3, 3);
    c.plot(1, 1, hex(0xFF0000), 0.5f);
    EXPECT_EQ(c.at(1, 1).r, 255);
    EXPECT_NEAR(c.at(1, 1).a, 128, 1);
    c.matte(hex(0xFFFFFF));  // a half-covered red pixel over white turns pink and opaque
    EXPECT_EQ(c.at(1, 1).a, 255);
    EXPECT_NEAR(c.at(1, 1).g, 127, 2);
    EXPECT_EQ(c.at(0, 0).a, 0);  // untouched pixels stay transparent

    Canvas o(5, 5);
    o.at(2, 2) = hex(0xFFFFFF);
    o.outline(hex(0x2B2233));
    EXPECT_EQ(o.at(2, 1), hex(0x2B2233));
    EXPECT_EQ(o.at(1, 1).a, 0);  // no diagonal unless asked
    EXPECT_EQ(o.at(2, 2), hex(0xFFFFFF));

    Canvas m(3, 1);
    m.at(0, 0) = hex(0x112233);
    m.mirrorH();
    EXPECT_EQ(m.at(2, 0), hex(0x112233));
    EXPECT_EQ(m.scaled(2).width(), 6);
}

TEST(AssetKitMidi, LoopEndsExactlyAtItsLength) {
    Midi m(480);
    m.tempo(120);
    int t = m.addTrack("melody");
    m.program(t, 0, gm::Flute);
    m.note(t, 0, 0, 480, 60, 100);
    m.note(t, 0, 480, 480, 60, 90);               // same key right after: off must come first
    m.note(t, 0, m.bar(2) - 240, 960, 67, 80);    // crosses the loop point: released on it
    m.note(t, 0, m.bar(2), 480, 72, 80);          // starts on the loop point: dropped
    m.drum(t, 0, drums::Kick, 100);
    m.setLength(m.bar(2));
    assetcheck::MidiFile f = assetcheck::parseMidi(m.bytes());
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.format, 1);
    EXPECT_EQ(f.ppq, 480);
    const auto& tracks = f.tracks;
    ASSERT_EQ(tracks.size(), 2u);
    for (const auto& tr : tracks) {
        EXPECT_TRUE(tr.ended);
        EXPECT_EQ(tr.endTick, m.bar(2));
    }
    std::map<int, int> held;
    uint32_t last = 0;
    for (const auto& e : tracks[1].events) {
        EXPECT_GE(e.tick, last);
        last = e.tick;
        int kind = e.status & 0xF0;
        int key = (e.status & 15) * 128 + e.a;
        if (kind == 0x90 && e.b > 0) {
            EXPECT_EQ(held[key], 0) << "key " << int(e.a) << " struck twice at " << e.tick;
            held[key]++;
        } else if (kind == 0x80 || (kind == 0x90 && e.b == 0)) {
            EXPECT_EQ(held[key], 1);
            held[key]--;
        }
        EXPECT_NE(int(e.a) == 72 && kind == 0x90, true) << "a note at the loop point must be dropped";
    }
    for (auto& kv : held) EXPECT_EQ(kv.second, 0);
}

TEST(AssetKitMidi, RejectsLoopsThatAreNotWholeBars) {
    Midi m(480, 3, 4);
    EXPECT_EQ(m.bar(), 1440u);
    EXPECT_THROW(m.setLength(1000), Failure);
    EXPECT_THROW(m.bytes(), Failure);
    m.setLength(m.bar(4));
    EXPECT_NO_THROW(m.bytes());
}

TEST(AssetKitMidi, ScalesAndChords) {
    music::Scale c{60, music::Mode::Major};
    EXPECT_EQ(c.degree(0), 60);
    EXPECT_EQ(c.degree(7), 72);
    EXPECT_EQ(c.degree(-1), 59);
    EXPECT_EQ(c.degree(-8), 47);
    EXPECT_EQ(music::triad(c, 1), (std::vector<int>{62, 65, 69}));  // D minor
    music::Scale am{57, music::Mode::Minor};
    EXPECT_EQ(music::triad(am, 4, true), (std::vector<int>{64, 67, 71, 74}));
    EXPECT_EQ(music::chord(50, music::ChordKind::Dom7), (std::vector<int>{50, 54, 57, 60}));
    EXPECT_EQ(music::voiceNear({72, 76, 79}, 48), (std::vector<int>{48, 52, 55}));
}

TEST(AssetKitWav, WriterHeaderAndFinishing) {
    Pcm p(22050, 2, 0.5);
    for (size_t i = 0; i < p.frames(); ++i) {
        p.chan(0)[i] = 0.3f + 0.5f * float(std::sin(i * 0.05));  // offset on purpose
        p.chan(1)[i] = 0.3f;
    }
    finish(p, -3.0);
    EXPECT_NEAR(peak(p), std::pow(10.0, -3.0 / 20.0), 1e-4);
    EXPECT_LT(std::fabs(dcOffset(p)), 0.01);
    EXPECT_NEAR(p.chan(0).front(), 0.f, 1e-6);
    EXPECT_NEAR(p.chan(0).back(), 0.f, 1e-3);

    auto path = std::filesystem::temp_directory_path() / "tolvane_kit_test.wav";
    writeWav(path.string(), p);
    std::ifstream f(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), {});
    std::filesystem::remove(path);
    ASSERT_EQ(b.size(), 44 + p.frames() * 4);
    auto le = [&](size_t i, int n) {
        uint32_t v = 0;
        for (int k = n - 1; k >= 0; --k) v = v << 8 | b[i + size_t(k)];
        return v;
    };
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(le(4, 4), b.size() - 8);
    EXPECT_EQ(le(20, 2), 1u);  // PCM
    EXPECT_EQ(le(22, 2), 2u);
    EXPECT_EQ(le(24, 4), 22050u);
    EXPECT_EQ(le(28, 4), 22050u * 4);
    EXPECT_EQ(le(34, 2), 16u);
    EXPECT_EQ(le(40, 4), p.frames() * 4);
}

TEST(AssetKitWav, MixingPansWithEqualPower) {
    Pcm st(44100, 2);
    std::vector<float> one(10, 1.f);
    mixMono(st, one, 5, 1.f, -1.f);  // hard left
    EXPECT_EQ(st.frames(), 15u);
    EXPECT_NEAR(st.chan(0)[7], std::sqrt(2.f), 1e-4);
    EXPECT_NEAR(st.chan(1)[7], 0.f, 1e-4);
    Pcm c(44100, 2);
    mixMono(c, one, 0, 1.f, 0.f);  // centre: both sides at unity
    EXPECT_NEAR(c.chan(0)[0], 1.f, 1e-4);
    EXPECT_NEAR(c.chan(1)[0], 1.f, 1e-4);
    Pcm other(22050, 1);
    EXPECT_THROW(mixInto(c, other, 0.0), Failure);
}

TEST(AssetKitSynth, EnvelopesOscillatorsFilters) {
    synth::Adsr e{0.1f, 0.1f, 0.5f, 0.2f};
    EXPECT_NEAR(e.at(0.05, 1.0), 0.5f, 1e-4);
    EXPECT_NEAR(e.at(0.1, 1.0), 1.0f, 1e-4);
    EXPECT_NEAR(e.at(0.5, 1.0), 0.5f, 1e-4);
    EXPECT_NEAR(e.at(1.2, 1.0), 0.f, 1e-4);
    // Released during the attack: it falls from the level it had reached.
    EXPECT_NEAR(e.at(0.05, 0.02), 0.2f * 0.85f * 0.85f, 1e-4);

    // A 441 Hz sine crosses zero upwards 441 times a second.
    synth::Osc o(synth::Wave::Sine);
    int ups = 0;
    float prev = 0;
    for (int i = 0; i < 44100; ++i) {
        float v = o.next(441.0, 44100);
        if (prev < 0 && v >= 0) ++ups;
        prev = v;
    }
    EXPECT_NEAR(ups, 441, 1);

    // The band-pass lets its centre through and holds far tones back.
    auto gainAt = [](double hz) {
        synth::Biquad bp = synth::Biquad::bandpass(1000, 4, 44100);
        synth::Osc s(synth::Wave::Sine);
        float m = 0;
        for (int i = 0; i < 44100; ++i) {
            float y = bp.run(s.next(hz, 44100));
            if (i > 22050) m = std::max(m, std::fabs(y));
        }
        return m;
    };
    EXPECT_NEAR(gainAt(1000), 1.f, 0.05f);
    EXPECT_LT(gainAt(100), 0.1f);
    EXPECT_LT(gainAt(8000), 0.1f);

    EXPECT_NEAR(synth::midiHz(69), 440.0, 1e-9);
    EXPECT_NEAR(synth::sweep(100, 400, 0.5, 1.0), 200.0, 1e-6);
    // Voices start silent (no click) and stay within range.
    for (const auto& v : {synth::bell(44100, 880, 1.0), synth::softPiano(44100, 262, 0.5), synth::tine(44100, 1320, 0.8)}) {
        EXPECT_LT(std::fabs(v.front()), 1e-3f);
        float m = 0;
        for (float x : v) m = std::max(m, std::fabs(x));
        EXPECT_GT(m, 0.05f);
        EXPECT_LT(m, 1.f);
    }
}

namespace {

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("tolvane_kit_" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

// Bounding box of the pixels that differ from `bg`.
struct Ink {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
};
Ink inkOf(const Canvas& c, Rgba bg) {
    Ink k;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) != bg) {
                k.x0 = std::min(k.x0, x);
                k.y0 = std::min(k.y0, y);
                k.x1 = std::max(k.x1, x);
                k.y1 = std::max(k.y1, y);
            }
    return k;
}

}  // namespace

TEST(AssetKitFiles, PngAndBmpRoundTrip) {
    TempDir tmp;
    Canvas c(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) c.at(x, y) = Rgba{uint8_t(x * 50), uint8_t(y * 100), uint8_t(x + y), uint8_t(255 - x * 40)};

    writePng((tmp.path / "a.png").string(), c, PngKind::Rgba);
    assetcheck::Image rgba = assetcheck::readPng(tmp.path / "a.png");
    ASSERT_TRUE(rgba.ok());
    EXPECT_TRUE(rgba.hasAlpha);
    EXPECT_EQ(rgba.at(4, 2), c.at(4, 2).argb());

    writePng((tmp.path / "b.png").string(), c, PngKind::Rgb);
    assetcheck::Image rgb = assetcheck::readPng(tmp.path / "b.png");
    EXPECT_FALSE(rgb.hasAlpha);
    EXPECT_EQ(rgb.at(3, 1), c.at(3, 1).argb() | 0xFF000000u);

    // Odd widths need padded rows; rows are stored bottom-up.
    writeBmp24((tmp.path / "c.bmp").string(), c);
    int bits = 0;
    assetcheck::Image bmp = assetcheck::readBmp24(tmp.path / "c.bmp", &bits);
    ASSERT_TRUE(bmp.ok());
    EXPECT_EQ(bits, 24);
    EXPECT_EQ(fs::file_size(tmp.path / "c.bmp"), 54u + 16u * 3u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(bmp.at(x, y), c.at(x, y).argb() | 0xFF000000u) << x << "," << y;

    EXPECT_THROW(writePng((tmp.path / "missing/dir/x.png").string(), c, PngKind::Rgb), Failure);
    Canvas back = readPng((tmp.path / "a.png").string());
    EXPECT_EQ(back.at(2, 1), c.at(2, 1));
}

TEST(AssetKitFiles, OutputKeysPicturesAndMakesFolders) {
    TempDir tmp;
    Output out(tmp.path);
    EXPECT_TRUE(fs::is_directory(tmp.path / "img"));
    EXPECT_TRUE(fs::is_directory(tmp.path / "mid"));
    EXPECT_TRUE(fs::is_directory(tmp.path / "wav"));
    Canvas c(2, 1);
    c.at(0, 0) = hex(0x00FF00);  // opaque but the key's colour
    out.keyedPng("img/sub/名前.png", c, ag::kKeyGreen);
    assetcheck::Image img = assetcheck::readPng(tmp.path / "img/sub/名前.png");
    ASSERT_TRUE(img.ok());
    EXPECT_FALSE(img.hasAlpha);
    EXPECT_NE(img.at(0, 0), 0xFF00FF00u);
    EXPECT_EQ(img.at(1, 0), 0xFF00FF00u);

    Midi m;
    m.note(m.addTrack("t"), 0, 0, 480, 60, 90);
    m.setLength(m.bar());
    out.midi("mid/t.mid", m);
    out.wav("wav/t.wav", Pcm(22050, 1, 0.1));
    EXPECT_EQ(out.pictures(), 1);
    EXPECT_EQ(out.tunes(), 1);
    EXPECT_EQ(out.sounds(), 1);
    EXPECT_EQ(out.bytes(), fs::file_size(tmp.path / "img/sub/名前.png") + fs::file_size(tmp.path / "mid/t.mid") +
                               fs::file_size(tmp.path / "wav/t.wav"));
}

// Closes the fonts when a lettering test ends.
struct FontsOpen {
    ~FontsOpen() { shutdownText(); }
};

TEST(AssetKitText, LetteringMeasuresAndAlignsAsDrawn) {
    FontsOpen fonts;
    TextStyle st;
    st.face = Face::Gothic;
    st.size = 24;
    st.colour = hex(0xFFFFFF);
    const std::string word = "あいうえ";
    TextSize one = measureText(word, st);
    EXPECT_GT(one.w, 4 * 18);
    EXPECT_EQ(measureText(word + "\n" + word, st).h, 2 * one.h);
    TextStyle spaced = st;
    spaced.tracking = 5;
    EXPECT_EQ(measureText(word, spaced).w, one.w + 3 * 5);
    TextStyle rimmed = st;
    rimmed.outline = hex(0x000000);
    rimmed.outlineWidth = 2;
    EXPECT_EQ(measureText(word, rimmed).w, one.w + 4);

    // Centred text lands centred; the ink never strays far from the measure.
    const Rgba bg = hex(0x202030);
    Canvas c(200, 60, bg);
    TextStyle mid = st;
    mid.align = Align::Centre;
    drawText(c, 100, 10, word, mid);
    Ink k = inkOf(c, bg);
    ASSERT_GE(k.x1, 0);
    EXPECT_NEAR((k.x0 + k.x1) / 2.0, 100.0, 3.0);
    EXPECT_LE(k.x1 - k.x0 + 1, one.w + 1);
    EXPECT_GE(k.y0, 10);
    EXPECT_LT(k.y1, 10 + one.h);

    // Soft glyph edges blend with the panel and never leave the key behind.
    c.keyed(ag::kKeyGreen);
    int light = 0;
    for (const Rgba& p : c.pixels()) {
        EXPECT_NE(p, ag::kKeyGreen);
        light += p.r > 200;
    }
    EXPECT_GT(light, 40);
}

TEST(AssetKitText, OutlinedTextOverTransparencyKeysCleanly) {
    FontsOpen fonts;
    Canvas c(120, 50);
    TextStyle st;
    st.face = Face::Mincho;
    st.size = 28;
    st.colour = hex(0xFFFFFF);
    st.outline = hex(0x2B2233);
    st.outlineWidth = 2;
    st.bold = true;
    drawText(c, 4, 4, "足あと", st);
    c.keyed(ag::kKeyBlack);
    int rim = 0, body = 0;
    for (const Rgba& p : c.pixels()) {
        EXPECT_EQ(p.a, 255);
        rim += p == hex(0x2B2233);
        body += p.r > 200 && p.g > 200;
    }
    EXPECT_GT(rim, 50);
    EXPECT_GT(body, 50);
}

TEST(AssetKitFigures, CrispDrawingHasNoSoftEdges) {
    // Keyed sprite sheets need all-or-nothing pixels; the crisp flag must hold
    // for every part of a figure or prop.
    Canvas c(120, 60);
    NubbleLook look;
    look.crisp = true;
    look.waving = true;
    nubble(c, 30, 50, 36, look);
    paintDrop(c, 80, 40, 8, hex(0x3A7BE0), true);
    paintBrush(c, {118, 2}, {90, 30}, 6, hex(0xE0413A), true);
    int opaque = 0;
    for (const Rgba& p : c.pixels()) {
        EXPECT_TRUE(p.a == 0 || p.a == 255) << int(p.a);
        opaque += p.a == 255;
    }
    EXPECT_GT(opaque, 600);
    // Soft drawing, by contrast, blends its edges.
    Canvas soft(60, 60);
    look.crisp = false;
    nubble(soft, 30, 50, 36, look);
    int partial = 0;
    for (const Rgba& p : soft.pixels()) partial += p.a > 0 && p.a < 255;
    EXPECT_GT(partial, 10);
}

TEST(AssetKitMidi, SettingsComeBeforeNotesAtTheSameTick) {
    Midi m(96);
    m.tempo(100);
    int t = m.addTrack("x");
    m.note(t, 2, 0, 96, 64, 80);
    m.program(t, 2, gm::Harp, 0);   // written after the note, must still come first
    m.volume(t, 2, 90, 0);
    m.setLength(m.bar());
    auto f = assetcheck::parseMidi(m.bytes());
    ASSERT_TRUE(f.ok);
    const auto& ev = f.tracks[1].events;
    auto first = [&](int kind) {
        for (size_t i = 0; i < ev.size(); ++i)
            if ((ev[i].status & 0xF0) == kind) return int(i);
        return -1;
    };
    ASSERT_GE(first(0x90), 0);
    EXPECT_LT(first(0xC0), first(0x90));
    EXPECT_LT(first(0xB0), first(0x90));
    EXPECT_EQ(ev[size_t(first(0xC0))].a, gm::Harp);
    // Tempo: microseconds per quarter note in the conductor track.
    for (const auto& e : f.tracks[0].events)
        if (e.status == 0xFF && e.a == 0x51) {
            ASSERT_EQ(e.meta.size(), 3u);
            EXPECT_EQ(uint32_t(e.meta[0]) << 16 | uint32_t(e.meta[1]) << 8 | e.meta[2], 600000u);
        }
}

TEST(AssetKitWav, ReverbAddsATailAndStaysFinite) {
    Pcm p(22050, 2, 0.2);
    p.chan(0)[0] = 1.f;
    p.chan(1)[0] = 1.f;
    size_t before = p.frames();
    reverb(p, 0.5f);
    EXPECT_GT(p.frames(), before);
    float tail = 0;
    for (int c = 0; c < 2; ++c)
        for (size_t i = 0; i < p.frames(); ++i) {
            ASSERT_TRUE(std::isfinite(p.chan(c)[i]));
            if (i > 2000) tail = std::max(tail, std::fabs(p.chan(c)[i]));
        }
    EXPECT_GT(tail, 1e-3f);
    EXPECT_NE(p.chan(0), p.chan(1)) << "the sides differ a little for width";
}
