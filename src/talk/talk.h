// The dialogue scenes between the stages: one engine, one table per scene.
#pragma once
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

// Play-once counters guarding the cues: c0..c7 are g_SoundOnce (shared with
// the stages, whose clear sting c0 guards), c8..c11 are g_TalkOnce.
constexpr int kTalkCounters = 12;
extern int g_TalkOnce[4];

struct TalkText {
    int y;
    uint32_t colour;
    const char* text;  // Japanese; nullptr ends a line's texts
    const char* en;    // the same words in English
    uint32_t rim;      // a 1-px rim of this colour around the words; 0: none
};

struct TalkCue {
    int slot;     // sound slot, -1 for none
    int counter;  // c0..c11
};
constexpr TalkCue kNoCue{-1, -1};

struct TalkLine {
    int leftFace, rightFace, cover;
    TalkText texts[kTalkMaxTexts];
    TalkCue cue;
    int next;  // the next line; on the last line, the next scene
};

struct TalkSound {
    int slot;
    const char* path;
};

struct TalkScene {
    int initNo, frameNo;
    const char* background;  // texture slot 9
    const char* music;       // sound slot 31
    const TalkSound* sounds;
    int soundCount;
    int startLeft, startRight, startCover;
    const TalkLine* lines;
    int lineCount;
    bool clearsLastCounter;  // also zeroes c11 on init
    bool silencesOnLeave;    // stops all sound when it hands over
};

// The thirteen scenes in story order.
constexpr int kTalkSceneCount = 13;
extern const TalkScene* const kTalkScenes[kTalkSceneCount];

// The scene whose init or frame has this number, or nullptr.
const TalkScene* FindTalkScene(int sceneNo);
bool IsTalkScene(int sceneNo);

// Where the scene goes when its last line is done.
inline int TalkNextScene(const TalkScene& s) { return s.lines[s.lineCount - 1].next; }

int& TalkCounter(int c);

void TalkInit(const TalkScene& scene);
void TalkFrame(const TalkScene& scene);

// The scene functions of the thirteen dialogue scenes.
void Talk0Init();
void Talk0Frame();
void Talk1Init();
void Talk1Frame();
void Talk01Init();
void Talk01Frame();
void Talk2Init();
void Talk2Frame();
void Talk3Init();
void Talk3Frame();
void Talk8Init();
void Talk8Frame();
void Talk4Init();
void Talk4Frame();
void Talk02Init();
void Talk02Frame();
void Talk5Init();
void Talk5Frame();
void Talk6Init();
void Talk6Frame();
void Talk7Init();
void Talk7Frame();
void Talk9Init();
void Talk9Frame();
void Talk03Init();
void Talk03Frame();
