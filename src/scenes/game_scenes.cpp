// The game's scene table (each scene number's function and log line) and
// what the game reports of each tick in a headless run's trace.
#include "scenes/game_scenes.h"

#include <cstdio>

#include "app/trace.h"
#include "scenes/endings.h"
#include "scenes/game_over.h"
#include "scenes/help.h"
#include "scenes/opening.h"
#include "scenes/select_menu.h"
#include "scenes/stage_select.h"
#include "scenes/title.h"
#include "stage/stage_flow.h"
#include "stage/stage_state.h"
#include "stages/stage_scripts.h"
#include "talk/talk.h"
#include "talk/talk_faces.h"

// clang-format off
const SceneEntry kGameScenes[kSceneCount] = {
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
    {[] { StageInit(1); }, "GameST1init関数通過\n", true},  // 11
    {[] { StageFrame(1); }, "GameST1frame関数通過\n", false},  // 12
    {Talk1Init, "Talk1Init関数通過。\n", true},  // 13
    {Talk1Frame, "Talk1Frame関数通過\n", false},  // 14
    {[] { StageInit(2); }, "GameST2init関数通過\n", true},  // 15
    {[] { StageFrame(2); }, "GameST2frame関数通過\n", false},  // 16
    {Talk2Init, "Talk2Init関数通過。\n", true},  // 17
    {Talk2Frame, "Talk2Frame関数通過\n", false},  // 18
    {[] { StageInit(3); }, "GameST3init関数通過\n", true},  // 19
    {[] { StageFrame(3); }, "GameST3frame関数通過\n", false},  // 20
    {Talk3Init, "Talk3Init関数通過。\n", true},  // 21
    {Talk3Frame, "Talk3Frame関数通過\n", false},  // 22
    {[] { StageInit(4); }, "GameST4init関数通過\n", true},  // 23
    {[] { StageFrame(4); }, "GameST4frame関数通過\n", false},  // 24
    {Talk4Init, "Talk4Init関数通過。\n", true},  // 25
    {Talk4Frame, "Talk4Frame関数通過\n", false},  // 26
    {[] { StageInit(5); }, "GameST5init関数通過\n", true},  // 27
    {[] { StageFrame(5); }, "GameST5frame関数通過\n", false},  // 28
    {Talk5Init, "Talk5Init関数通過。\n", true},  // 29
    {Talk5Frame, "Talk5Frame関数通過\n", false},  // 30
    {[] { StageInit(6); }, "GameST6init関数通過\n", true},  // 31
    {[] { StageFrame(6); }, "GameST6frame関数通過\n", false},  // 32
    {Talk6Init, "Talk6Init関数通過。\n", true},  // 33
    {Talk6Frame, "Talk6Frame関数通過\n", false},  // 34
    {[] { StageInit(7); }, "GameST7init関数通過\n", true},  // 35
    {[] { StageFrame(7); }, "GameST7frame関数通過\n", false},  // 36
    {Talk7Init, "Talk7Init関数通過。\n", true},  // 37
    {Talk7Frame, "Talk7Frame関数通過\n", false},  // 38
    {[] { StageInit(8); }, "GameST8init関数通過\n", true},  // 39
    {[] { StageFrame(8); }, "GameST8frame関数通過\n", false},  // 40
    {Talk8Init, "Talk8Init関数通過。\n", true},  // 41
    {Talk8Frame, "Talk8Frame関数通過\n", false},  // 42
    {[] { StageInit(9); }, "GameST9init関数通過\n", true},  // 43
    {[] { StageFrame(9); }, "GameST9frame関数通過\n", false},  // 44
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
    SetSceneTable(kGameScenes);
    SetSceneTraceFields(AppendSceneTraceFields);
    SetStageTable(kStages);
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
