// The game's scene table (each scene number's function and log line) and
// what the game reports of each tick in a headless run's trace.
#include "scenes/game_scenes.h"

#include <array>
#include <cstdio>
#include <utility>

#include "app/replay.h"
#include "app/trace.h"
#include "scenes/endings.h"
#include "scenes/game_over.h"
#include "scenes/help.h"
#include "scenes/opening.h"
#include "scenes/select_menu.h"
#include "scenes/stage_select.h"
#include "scenes/title.h"
#include "stage/brush.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "stages/stage_scripts.h"
#include "talk/talk.h"
#include "talks/talk_table.h"
#include "talk/talk_faces.h"

namespace {

// Each stage's two scenes run StageInit and StageFrame with its number; they
// stand at StageScene(k) and the number after it.
struct StageScenePair {
    void (*init)();
    void (*frame)();
};
template <int K>
void StageInitScene() { StageInit(K); }
template <int K>
void StageFrameScene() { StageFrame(K); }
template <int... K>
constexpr std::array<StageScenePair, sizeof...(K)> StageScenePairs(std::integer_sequence<int, K...>) {
    return {{{StageInitScene<K>, StageFrameScene<K>}...}};
}
// By stage number (entry 0 unused).
constexpr auto kStageScenes = StageScenePairs(std::make_integer_sequence<int, kStageCount + 1>());
// Their log lines, "GameST1init関数通過" and "GameST1frame関数通過".
char s_StageLogs[kStageCount + 1][2][40];

// Each dialogue's two scenes run TalkInit and TalkFrame with its record; they
// stand at its scene and the number after it, and log "Talk0Init関数通過。"
// and "Talk0Frame関数通過".
template <const TalkScene& T, int S>
void TalkInitScene() { TalkInit(T, S + 1); }
template <const TalkScene& T>
void TalkFrameScene() { TalkFrame(T); }
struct TalkScenePair {
    int scene;
    SceneEntry init, frame;
};
#define TOLVANE_TALK_SCENES(N, S)                                        \
    {S,                                                                  \
     {TalkInitScene<kTalk##N, S>, "Talk" #N "Init関数通過。\n", true}, \
     {TalkFrameScene<kTalk##N>, "Talk" #N "Frame関数通過\n", false}},
constexpr TalkScenePair kTalkScenes[kTalkCount] = {TOLVANE_EACH_TALK(TOLVANE_TALK_SCENES)};
#undef TOLVANE_TALK_SCENES

}  // namespace

// Every scene by number; the stages' and dialogues' entries are filled in at
// start-up.
// clang-format off
SceneEntry g_GameScenes[kSceneCount] = {
    {Veskinit, "Veskinit関数通過。\n", true},  // 0
    {Veskframe, "Veskframe関数通過\n", false},  // 1
    {Logoinit, "Logoinit関数通過。\n", true},  // 2
    {Logoframe, "Logoframe関数通過\n", false},  // 3
    {Logoframe2, "Logoframe2関数通過\n", false},  // 4
    {PrologueInit, "PrologueInit関数通過。\n", true},  // 5
    {Prologueframe, "Prologueframe関数通過\n", false},  // 6
    {Startinit, "Startinit関数通過。\n", true},  // 7
    {Startframe, "Startframe関数通過\n", false},  // 8
    {},  // 9: dialogue
    {},  // 10: dialogue
    {},  // 11: stage
    {},  // 12: stage
    {},  // 13: dialogue
    {},  // 14: dialogue
    {},  // 15: stage
    {},  // 16: stage
    {},  // 17: dialogue
    {},  // 18: dialogue
    {},  // 19: stage
    {},  // 20: stage
    {},  // 21: dialogue
    {},  // 22: dialogue
    {},  // 23: stage
    {},  // 24: stage
    {},  // 25: dialogue
    {},  // 26: dialogue
    {},  // 27: stage
    {},  // 28: stage
    {},  // 29: dialogue
    {},  // 30: dialogue
    {},  // 31: stage
    {},  // 32: stage
    {},  // 33: dialogue
    {},  // 34: dialogue
    {},  // 35: stage
    {},  // 36: stage
    {},  // 37: dialogue
    {},  // 38: dialogue
    {},  // 39: stage
    {},  // 40: stage
    {},  // 41: dialogue
    {},  // 42: dialogue
    {},  // 43: stage
    {},  // 44: stage
    {Optioninit, "Optioninit関数通過\n", true},  // 45
    {Optionframe, "Optionframe関数通過\n", false},  // 46
    {Gameoverinit, "Gameoverinit関数通過\n", true},  // 47
    {Gameoverframe, "Gameoverframe関数通過\n", false},  // 48
    {},  // 49: dialogue
    {},  // 50: dialogue
    {},  // 51: dialogue
    {},  // 52: dialogue
    {},  // 53: dialogue
    {},  // 54: dialogue
    {},  // 55: dialogue
    {},  // 56: dialogue
    {EndInit, "EndInit関数通過。\n", true},  // 57
    {EndFrame, "EndFrame関数通過\n", false},  // 58
    {HelpInit, "HelpInit関数通過。\n", true},  // 59
    {HelpFrame, "HelpFrame関数通過\n", false},  // 60
    {Selectinit, "Selectinit関数通過\n", true},  // 61
    {Selectinframe, "Selectinframe関数通過\n", false},  // 62
    {End2Init, "End2Init関数通過。\n", true},  // 63
    {End2Frame, "End2Frame関数通過\n", false},  // 64
};
// clang-format on

void InstallGameTables() {
    for (int k = 1; k <= kStageCount; ++k) {
        std::snprintf(s_StageLogs[k][0], sizeof s_StageLogs[k][0], "GameST%dinit関数通過\n", k);
        std::snprintf(s_StageLogs[k][1], sizeof s_StageLogs[k][1], "GameST%dframe関数通過\n", k);
        g_GameScenes[StageScene(k)] = {kStageScenes[size_t(k)].init, s_StageLogs[k][0], true};
        g_GameScenes[StageScene(k) + 1] = {kStageScenes[size_t(k)].frame, s_StageLogs[k][1], false};
    }
    for (const TalkScenePair& t : kTalkScenes) {
        g_GameScenes[t.scene] = t.init;
        g_GameScenes[t.scene + 1] = t.frame;
    }
    SetSceneTable(g_GameScenes);
    SetSceneTraceFields(AppendSceneTraceFields);
    SetStageTable(kStages);
    SetReplayStartHooks({SaveBrushStroke, LoadBrushStroke});
}

void AppendSceneTraceFields(std::string& line, int scene) {
    char field[32];
    std::snprintf(field, sizeof field, ",\"lives\":%d", g_Lives);
    line += field;
    AppendStageTraceFields(line, scene);
    if (IsTalkScene(scene)) {
        std::snprintf(field, sizeof field, ",\"line\":%d", g_TalkLine);
        line += field;
    }
}
