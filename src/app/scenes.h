// The scene machine: g_FrameNo names the scene; Dispatch runs it.
#pragma once
#include <cstdint>

// Scene numbers, each naming the scene function of the same number below;
// g_FrameNo and every stored or compared scene use these names.
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
    kSceneTalk0Init,         // 9
    kSceneTalk0Frame,        // 10
    kSceneStage1Init,        // 11
    kSceneStage1Frame,       // 12
    kSceneTalk1Init,         // 13
    kSceneTalk1Frame,        // 14
    kSceneStage2Init,        // 15
    kSceneStage2Frame,       // 16
    kSceneTalk2Init,         // 17
    kSceneTalk2Frame,        // 18
    kSceneStage3Init,        // 19
    kSceneStage3Frame,       // 20
    kSceneTalk3Init,         // 21
    kSceneTalk3Frame,        // 22
    kSceneStage4Init,        // 23
    kSceneStage4Frame,       // 24
    kSceneTalk4Init,         // 25
    kSceneTalk4Frame,        // 26
    kSceneStage5Init,        // 27
    kSceneStage5Frame,       // 28
    kSceneTalk5Init,         // 29
    kSceneTalk5Frame,        // 30
    kSceneStage6Init,        // 31
    kSceneStage6Frame,       // 32
    kSceneTalk6Init,         // 33
    kSceneTalk6Frame,        // 34
    kSceneStage7Init,        // 35
    kSceneStage7Frame,       // 36
    kSceneTalk7Init,         // 37
    kSceneTalk7Frame,        // 38
    kSceneStage8Init,        // 39
    kSceneStage8Frame,       // 40
    kSceneTalk8Init,         // 41
    kSceneTalk8Frame,        // 42
    kSceneStage9Init,        // 43
    kSceneStage9Frame,       // 44
    kSceneStageSelectInit,   // 45
    kSceneStageSelectFrame,  // 46
    kSceneGameOverInit,      // 47
    kSceneGameOverFrame,     // 48
    kSceneTalk01Init,        // 49
    kSceneTalk01Frame,       // 50
    kSceneTalk02Init,        // 51
    kSceneTalk02Frame,       // 52
    kSceneTalk9Init,         // 53
    kSceneTalk9Frame,        // 54
    kSceneTalk03Init,        // 55
    kSceneTalk03Frame,       // 56
    kSceneEndInit,           // 57
    kSceneEndFrame,          // 58
    kSceneHelpInit,          // 59
    kSceneHelpFrame,         // 60
    kSceneSelectInit,        // 61
    kSceneSelectFrame,       // 62
    kSceneEnd2Init,          // 63
    kSceneEnd2Frame,         // 64
    kSceneCount
};

extern uint8_t g_FrameNo;
extern int g_FromSelect;

void Dispatch();

// Name of scene n's function ("Veskinit" ...), or nullptr when out of range.
const char* SceneName(int n);

// Scene functions, by number.
void Veskinit();       // 0
void Veskframe();      // 1
void Logoinit();       // 2
void Logoframe();      // 3
void Logoframe2();     // 4
void PrologueInit();   // 5
void Prologueframe();  // 6
void Startinit();      // 7
void Startframe();     // 8
void Talk0Init();      // 9
void Talk0Frame();     // 10
void GameST1init();    // 11
void GameST1frame();   // 12
void Talk1Init();      // 13
void Talk1Frame();     // 14
void GameST2init();    // 15
void GameST2frame();   // 16
void Talk2Init();      // 17
void Talk2Frame();     // 18
void GameST3init();    // 19
void GameST3frame();   // 20
void Talk3Init();      // 21
void Talk3Frame();     // 22
void GameST4init();    // 23
void GameST4frame();   // 24
void Talk4Init();      // 25
void Talk4Frame();     // 26
void GameST5init();    // 27
void GameST5frame();   // 28
void Talk5Init();      // 29
void Talk5Frame();     // 30
void GameST6init();    // 31
void GameST6frame();   // 32
void Talk6Init();      // 33
void Talk6Frame();     // 34
void GameST7init();    // 35
void GameST7frame();   // 36
void Talk7Init();      // 37
void Talk7Frame();     // 38
void GameST8init();    // 39
void GameST8frame();   // 40
void Talk8Init();      // 41
void Talk8Frame();     // 42
void GameST9init();    // 43
void GameST9frame();   // 44
void Optioninit();     // 45
void Optionframe();    // 46
void Gameoverinit();   // 47
void Gameoverframe();  // 48
void Talk01Init();     // 49
void Talk01Frame();    // 50
void Talk02Init();     // 51
void Talk02Frame();    // 52
void Talk9Init();      // 53
void Talk9Frame();     // 54
void Talk03Init();     // 55
void Talk03Frame();    // 56
void EndInit();        // 57
void EndFrame();       // 58
void HelpInit();       // 59
void HelpFrame();      // 60
void Selectinit();     // 61
void Selectinframe();  // 62
void End2Init();       // 63
void End2Frame();      // 64
