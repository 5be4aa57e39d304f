// The scene machine: g_FrameNo names the scene; Dispatch runs it from the
// scene table the game hands in at start-up.
#pragma once
#include <cstdint>

#include "generated/stage_list.h"
#include "generated/talk_list.h"

// Scene numbers, the contract between the app and the game: the game's scene
// table holds one entry per number; g_FrameNo and every stored or compared
// scene use these names. The numbers left out here are the dialogues' (the
// build's list, below).
enum Scene : uint8_t {
    kSceneVeskInit,          // 0
    kSceneVeskFrame,         // 1
    kSceneLogoInit,          // 2
    kSceneLogoFrame,         // 3
    kSceneLogoFrame2,        // 4
    kScenePrologueInit,      // 5
    kScenePrologueFrame,     // 6
    kSceneTitleInit,         // 7
    kSceneTitleFrame,        // 8
    kSceneStage1Init = 11,   // 11
    kSceneStage1Frame,       // 12
    kSceneStage2Init = 15,   // 15
    kSceneStage2Frame,       // 16
    kSceneStage3Init = 19,   // 19
    kSceneStage3Frame,       // 20
    kSceneStage4Init = 23,   // 23
    kSceneStage4Frame,       // 24
    kSceneStage5Init = 27,   // 27
    kSceneStage5Frame,       // 28
    kSceneStage6Init = 31,   // 31
    kSceneStage6Frame,       // 32
    kSceneStage7Init = 35,   // 35
    kSceneStage7Frame,       // 36
    kSceneStage8Init = 39,   // 39
    kSceneStage8Frame,       // 40
    kSceneStage9Init = 43,   // 43
    kSceneStage9Frame,       // 44
    kSceneStageSelectInit,   // 45
    kSceneStageSelectFrame,  // 46
    kSceneGameOverInit,      // 47
    kSceneGameOverFrame,     // 48
    kSceneEndInit = 57,      // 57
    kSceneEndFrame,          // 58
    kSceneHelpInit,          // 59
    kSceneHelpFrame,         // 60
    kSceneSelectInit,        // 61
    kSceneSelectFrame,       // 62
    kSceneEnd2Init,          // 63
    kSceneEnd2Frame,         // 64
};

// Stages are numbered 1..kStageCount, counted by the build from the stage
// files; each has an init and a frame scene and an entry in the player's
// progress.

// Stage k's init scene; its frame scene is the next number. Stages 1..9 sit
// among the dialogues (11, 15, ... 43); a later stage k takes the two
// numbers after the last named scene, 65 + 2 (k - 10) and the next, so a new
// stage needs no name here.
constexpr int StageScene(int k) { return k <= 9 ? 7 + 4 * k : kSceneEnd2Frame + 1 + 2 * (k - 10); }
// The stage whose init or frame scene n is (init: which of the two), 0 for
// any other scene.
int StageOfScene(int n, bool& init);
// Dialogues are named by the tags of their files (src/talks/talkX.cpp):
// kSceneTalkXInit and kSceneTalkXFrame. The story's thirteen sit among the
// scenes above, where they have always been; a later dialogue takes two
// numbers after the stages' (the build's list numbers them in tag order).
constexpr int kLaterTalkScenes = StageScene(kStageCount + 1);
#define TOLVANE_TALK_SCENE(N, S) kSceneTalk##N##Init = S, kSceneTalk##N##Frame = S + 1,
enum TalkSceneNo : uint8_t { TOLVANE_EACH_TALK(TOLVANE_TALK_SCENE) };
#undef TOLVANE_TALK_SCENE
// Every scene number lies below this: the named ones, the later stages' and
// the later dialogues'.
constexpr int kSceneCount = kLaterTalkScenes + 2 * kLaterTalkCount;
static_assert(StageScene(1) == kSceneStage1Init && StageScene(9) == kSceneStage9Init && kStageCount >= 9);

static_assert(StageScene(1) == kSceneStage1Init && StageScene(9) == kSceneStage9Init && kStageCount >= 9);
static_assert(kSceneCount <= 256, "scene numbers are one byte");

extern uint8_t g_FrameNo;
extern int g_FromSelect;

// One scene: the function a tick runs and the line it writes to the log. An
// init falls through into the next entry, its frame, in the same tick.
struct SceneEntry {
    void (*run)();
    const char* log;
    bool isInit;
};

// The game hands its table (kSceneCount entries, by scene number) over once,
// before the run, as the app hands the device its window.
void SetSceneTable(const SceneEntry* scenes);

// Runs scene g_FrameNo (and, for an init, its frame).
void Dispatch();

// The init scene a run may start at for scene n: n itself when it is an
// init, the nearest init before it when n is a frame scene (which reads
// state only its init sets), -1 when there is no scene n.
int SceneStartFor(int n);
