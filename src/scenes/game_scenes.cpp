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

}  // namespace

// Every scene by number; the stages' entries are filled in at start-up.
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
    {Talk0Init, "Talk0Init関数通過。\n", true},  // 9
    {Talk0Frame, "Talk0Frame関数通過\n", false},  // 10
    {},  // 11: stage
    {},  // 12: stage
    {Talk1Init, "Talk1Init関数通過。\n", true},  // 13
    {Talk1Frame, "Talk1Frame関数通過\n", false},  // 14
    {},  // 15: stage
    {},  // 16: stage
    {Talk2Init, "Talk2Init関数通過。\n", true},  // 17
    {Talk2Frame, "Talk2Frame関数通過\n", false},  // 18
    {},  // 19: stage
    {},  // 20: stage
    {Talk3Init, "Talk3Init関数通過。\n", true},  // 21
    {Talk3Frame, "Talk3Frame関数通過\n", false},  // 22
    {},  // 23: stage
    {},  // 24: stage
    {Talk4Init, "Talk4Init関数通過。\n", true},  // 25
    {Talk4Frame, "Talk4Frame関数通過\n", false},  // 26
    {},  // 27: stage
    {},  // 28: stage
    {Talk5Init, "Talk5Init関数通過。\n", true},  // 29
    {Talk5Frame, "Talk5Frame関数通過\n", false},  // 30
    {},  // 31: stage
    {},  // 32: stage
    {Talk6Init, "Talk6Init関数通過。\n", true},  // 33
    {Talk6Frame, "Talk6Frame関数通過\n", false},  // 34
    {},  // 35: stage
    {},  // 36: stage
    {Talk7Init, "Talk7Init関数通過。\n", true},  // 37
    {Talk7Frame, "Talk7Frame関数通過\n", false},  // 38
    {},  // 39: stage
    {},  // 40: stage
    {Talk8Init, "Talk8Init関数通過。\n", true},  // 41
    {Talk8Frame, "Talk8Frame関数通過\n", false},  // 42
    {},  // 43: stage
    {},  // 44: stage
    {Optioninit, "Optioninit関数通過\n", true},  // 45
    {Optionframe, "Optionframe関数通過\n", false},  // 46
    {Gameoverinit, "Gameoverinit関数通過\n", true},  // 47
    {Gameoverframe, "Gameoverframe関数通過\n", false},  // 48
    {Talk01Init, "Talk01Init関数通過。\n", true},  // 49
    {Talk01Frame, "Talk01Frame関数通過\n", false},  // 50
    {Talk02Init, "Talk02Init関数通過。\n", true},  // 51
    {Talk02Frame, "Talk02Frame関数通過\n", false},  // 52
    {Talk9Init, "Talk9Init関数通過。\n", true},  // 53
    {Talk9Frame, "Talk9Frame関数通過\n", false},  // 54
    {Talk03Init, "Talk03Init関数通過。\n", true},  // 55
    {Talk03Frame, "Talk03Frame関数通過\n", false},  // 56
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
