// Played headless as a player would: a click shorter than a frame, a pause,
// taking the story up again, and the paints told apart by a colour-blind
// player's eyes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "game_run.h"
#include "gfx/image.h"

namespace {

// The first trace line holding text, or "".
std::string FirstWith(const GameRun& run, const std::string& text) {
    for (const std::string& l : run.trace)
        if (l.find(text) != std::string::npos) return l;
    return "";
}

}  // namespace

// A press and its release on one tick act as a click of one frame: the
// title's menu button, a pot, a dialogue line.
TEST(ShortClick, PressAndReleaseOnOneTickStillClick) {
    struct Case {
        const char* scene;
        int at, x, y;
        const char* shows;  // in some trace line after the click
    } cases[] = {
        {"7", 1500, 480, 240, "\"next\":61"},       // the title's menu
        {"23", 2300, 96, 416, "\"selected\":1"},    // stage 4's red pot
        {"61", 600, 300, 160, "\"next\":45"},       // the menu's stage select
    };
    for (const Case& c : cases) {
        const std::string t = std::to_string(c.at), pos = std::to_string(c.x) + " " + std::to_string(c.y);
        GameRun run = RunGameHeadless({"--scene", c.scene, "--max-ms", std::to_string(c.at + 1200)},
                                      t + " move " + pos + "\n" + t + " press left\n" + t + " release left\n");
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        EXPECT_NE(FirstWith(run, c.shows), "") << "scene " << c.scene;
    }
}

// P stops the game clock and the frames until P again; the script's clock
// goes on. A pause and its end on one tick (as a window's recording holds
// them) change nothing. While paused, the last picture shows dimmed under a
// card.
TEST(Pause, StopsTheGameUntilResumedAndShowsItsCard) {
    GameRun plain = RunGameHeadless({"--scene", "11", "--max-ms", "3000"});
    GameRun sameTick = RunGameHeadless({"--scene", "11", "--max-ms", "3000"},
                                       "1000 keydown p\n1000 keyup p\n1000 keydown p\n1000 keyup p\n");
    ASSERT_EQ(plain.trace, sameTick.trace);

    std::string dir = MakeTempDir("pause");
    GameRun paused = RunGameHeadless({"--scene", "11", "--max-ms", "3000", "--render"},
                                     "990 shot " + dir + "/before.png\n1000 keydown p\n1010 keyup p\n"
                                     "1500 shot " + dir + "/paused.png\n"
                                     "2000 keydown p\n2010 keyup p\n");
    ASSERT_EQ(paused.exitCode, 0) << paused.stderrText;
    // A second of script time paused: one second fewer of game frames, the
    // game's own times running on without a gap.
    ASSERT_EQ(paused.trace.size() + 1000 / 15, plain.trace.size());
    for (size_t i = 0; i < paused.trace.size(); ++i)
        ASSERT_EQ(TraceField(paused.trace[i], "t"), TraceField(plain.trace[i], "t")) << i;
    Image before, card;
    ASSERT_TRUE(DecodeImageFile((dir + "/before.png").c_str(), before));
    ASSERT_TRUE(DecodeImageFile((dir + "/paused.png").c_str(), card));
    auto luma = [](uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF); };
    const size_t corner = 20 * 640 + 20, centre = 240 * 640 + 210;
    EXPECT_LT(luma(card.argb[corner]), luma(before.argb[corner]) * 3 / 4);  // dimmed
    EXPECT_GT(luma(card.argb[centre]), 3 * 0xD0);                          // the cream card
}

// The story reached stage 4 is taken up again from its dialogue with the
// title's fourth button; a new game still starts at the beginning; game
// over goes on from the stage just lost.
TEST(ContinueStory, TitleAndGameOverGoOnWhereTheStoryWasLeft) {
    std::string dir = MakeTempDir("continue");
    const std::string progress = dir + "/progress.ini";
    std::ofstream(progress) << "stage1 = 40000\nstory = 4\n";
    struct Case {
        const char* scene;
        const char* script;
        const char* next;
    } cases[] = {
        {"7", "1500 click 530 430\n", "\"next\":21"},  // continue: stage 3's ending talk, then stage 4
        {"7", "1500 click 460 120\n", "\"next\":9"},   // start: the first dialogue
    };
    for (const Case& c : cases) {
        GameRun run = RunGameHeadless({"--scene", c.scene, "--max-ms", "3000", "--progress", progress}, c.script);
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        EXPECT_NE(FirstWith(run, c.next), "") << c.script;
    }
    // Game over after three resets in stage 1: the button or Enter goes on
    // from the stage's dialogue, with three lives.
    const std::string lose = std::string("0 include ") + TOLVANE_TEST_DIR + "/replays/stage1_gameover.txt\n9500 wait 48\n";
    for (const char* go : {"600 click 320 232\n", "600 keydown enter\n"}) {
        GameRun run = RunGameHeadless({"--scene", "11", "--max-ms", "14000"}, lose + go);
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        const std::string on = FirstWith(run, "\"scene\":9,");
        EXPECT_NE(on, "") << go;
        EXPECT_EQ(TraceField(on, "lives"), 3);
    }
    // A story stage begun is remembered; the endings forget it.
    GameRun talk = RunGameHeadless({"--scene", "9", "--max-ms", "2000", "--progress", progress},
                                   "100 keydown space\n");
    ASSERT_EQ(talk.exitCode, 0) << talk.stderrText;
    EXPECT_NE(ReadTextFile(progress).find("story = 1\n"), std::string::npos) << ReadTextFile(progress);
}

namespace {

// Red-green blindness on a picture: the simulation matrices of Machado,
// Oliveira and Fernandes (2009) at full severity, on linear RGB.
using Matrix = float[3][3];
const Matrix kDeuteranopia = {{0.367322f, 0.860646f, -0.227968f},
                              {0.280085f, 0.672501f, 0.047413f},
                              {-0.011820f, 0.042940f, 0.968881f}};
const Matrix kProtanopia = {{0.152286f, 1.052583f, -0.204868f},
                            {0.114503f, 0.786281f, 0.099216f},
                            {-0.003882f, -0.048116f, 1.051998f}};

float ToLinear(uint32_t c) {
    float v = float(c & 0xFF) / 255.0f;
    return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

// The ink a red-green-blind eye sees in a disc: pixels darker than the
// middle of the grey scale once the colours are simulated (the mark's sign
// and outline; the cream ground and the sky stay out).
std::vector<bool> InkMask(const Image& img, int cx, int cy, int r, const Matrix& m) {
    std::vector<bool> ink;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r) continue;
            const uint32_t p = img.argb[size_t(y) * size_t(img.width) + size_t(x)];
            const float rgb[3] = {ToLinear(p >> 16), ToLinear(p >> 8), ToLinear(p)};
            float seen = 0;
            const float weight[3] = {0.2126f, 0.7152f, 0.0722f};
            for (int i = 0; i < 3; ++i)
                seen += weight[i] * std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0f, 1.0f);
            ink.push_back(seen < 0.2f);
        }
    return ink;
}

int Differing(const std::vector<bool>& a, const std::vector<bool>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

double HeroField(const std::string& line, const char* name) {
    size_t at = line.find("\"hero\":{");
    at = line.find(std::string("\"") + name + "\":", at);
    return at == std::string::npos ? -1 : std::strtod(line.c_str() + at + std::strlen(name) + 3, nullptr);
}

}  // namespace

// Stage 4: the red or the green pot loads the brush, shot over the sky; then
// the hero is painted and shot. Seen red-green blind, the two brushes and
// the two walkers still differ in the shape of their marks (without the
// marks, the ink of the two is the same to the pixel).
TEST(ColourMarks, RedAndGreenDifferInShapeToRedGreenBlindEyes) {
    std::string dir = MakeTempDir("marks");
    Image brush[2], walker[2];
    int heroX = 0, heroY = 0;
    const int potX[2] = {96, 192};
    for (int k = 0; k < 2; ++k) {
        const std::string b = dir + "/brush" + std::to_string(k) + ".png", w = dir + "/walker" + std::to_string(k) + ".png";
        // The walker is shot when the bursts of his painting have faded,
        // with the brush away.
        GameRun run = RunGameHeadless({"--scene", "23", "--max-ms", "4000"},
                                      "2300 click " + std::to_string(potX[k]) + " 416\n2450 move 320 100\n2500 shot " +
                                          b + "\n3000 click 54 250\n3100 move 320 100\n3900 shot " + w + "\n");
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        ASSERT_TRUE(DecodeImageFile(b.c_str(), brush[k]) && DecodeImageFile(w.c_str(), walker[k]));
        for (const std::string& l : run.trace)
            if (TraceField(l, "t") >= 3900) {
                heroX = int(HeroField(l, "x"));
                heroY = int(HeroField(l, "y"));
                EXPECT_EQ(HeroField(l, "paint"), k + 1);  // red, then green
                break;
            }
    }
    for (const Matrix* m : {&kDeuteranopia, &kProtanopia}) {
        EXPECT_GE(Differing(InkMask(brush[0], 318, 66, 7, *m), InkMask(brush[1], 318, 66, 7, *m)), 25);
        EXPECT_GE(Differing(InkMask(walker[0], heroX + 16, heroY - 10, 6, *m),
                            InkMask(walker[1], heroX + 16, heroY - 10, 6, *m)),
                  20);
    }
}
