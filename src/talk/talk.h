// The dialogue engine: every dialogue is a TalkScene record (one file each in
// src/talks), played by these two functions.
#pragma once
#include <cstddef>
#include <cstdint>

// Text colours name the speaker. Each reads at least 4.5:1 against the talk
// window's cream paper (#F1E4C8 at its darkest): full-strength red and green
// are too light on it, so both are deepened, keeping their hue.
constexpr uint32_t kHeroColour = 0xFFC00000u;
constexpr uint32_t kGodColour = 0xFF006E00u;
constexpr uint32_t kCompanionColour = 0xFF0000FFu;
constexpr uint32_t kNarrationColour = 0xFF000000u;
constexpr uint32_t kChiefColour = 0xFF800080u;
// Words in colours too bright for the paper (the fireworks' yellow, blue
// and pink) burn inside a 1-px night-sky rim, which reads on it instead.
constexpr uint32_t kBrightWordRim = 0xFF2A2448u;

// Every text starts at this x; y 300 for one line, 290 for two, 280 and 320
// when two speak at once.
constexpr int kTalkTextX = 50;
constexpr int kTalkMaxTexts = 5;

// The portraits, by their cell in the face sheet: a row of four moods for
// the hero, the partner and the god. The left portrait may show any of
// them, the right one the partner or the god.
enum TalkFace : int {
    kHeroCalm, kHeroSmile, kHeroSurprised, kHeroTroubled,
    kPartnerCalm, kPartnerSmile, kPartnerSurprised, kPartnerTroubled,
    kGodCalm, kGodSmile, kGodSurprised, kGodDisguised,
};
constexpr int kRightFaceFirst = kPartnerCalm;
// The cover laid over one portrait: the listener is dimmed, an absent one
// hidden.
enum TalkCover : int { kDimLeft, kNoCover, kHideLeft, kDimRight, kHideRight = 5 };

struct TalkFaces {
    TalkFace left, right;
    TalkCover cover;
};

struct TalkText {
    int y;
    uint32_t colour;
    const char* text;  // Japanese; nullptr ends a line's texts
    const char* en;    // the same words in English
    uint32_t rim;      // a 1-px rim of this colour around the words; 0: none
};

constexpr int kNoCue = -1;

// One line: the portraits, the texts, and the sound (a slot the scene loads)
// played as the line first shows. The lines follow one another.
struct TalkLine {
    TalkFaces faces;
    TalkText texts[kTalkMaxTexts];
    int cue = kNoCue;
};

struct TalkSound {
    int slot;
    const char* path;
};

template <typename T>
struct TalkList {
    const T* items;
    int count;
};
template <typename T, size_t N>
constexpr TalkList<T> ListOf(const T (&items)[N]) { return {items, int(N)}; }

struct TalkScene {
    const char* background;         // texture slot kSlotTalkBack
    const char* music;              // sound slot kMusicSlot
    TalkList<TalkSound> sounds;     // the effects its cues play
    TalkFaces faces;                // before the first line shows
    TalkList<TalkLine> lines;
    int next;                       // the scene after the last line
    bool silencesOnLeave = false;   // stops all sound when it hands over
};

// The scene's init (which hands over to frameScene) and each tick's frame.
void TalkInit(const TalkScene& scene, int frameScene);
void TalkFrame(const TalkScene& scene);
