// The scene table and the dispatcher: one byte names the scene; an init
// falls through into its frame in the same tick.
#include "base/platform.h"
#include "app/scenes.h"

uint8_t g_FrameNo = kSceneVeskInit;
int g_FromSelect = 0;

namespace {

struct SceneEntry {
    void (*fn)();
    const char* name;
    const char* log;
    bool isInit;
};

const SceneEntry kScenes[kSceneCount] = {
    {Veskinit, "Veskinit", "Veskinit関数通過。\n", true},  // 0
    {Veskframe, "Veskframe", "Veskframe関数通過\n", false},  // 1
    {Logoinit, "Logoinit", "Logoinit関数通過。\n", true},  // 2
    {Logoframe, "Logoframe", "Logoframe関数通過\n", false},  // 3
    {Logoframe2, "Logoframe2", "Logoframe2関数通過\n", false},  // 4
    {PrologueInit, "PrologueInit", "PrologueInit関数通過。\n", true},  // 5
    {Prologueframe, "Prologueframe", "Prologueframe関数通過\n", false},  // 6
    {Startinit, "Startinit", "Startinit関数通過。\n", true},  // 7
    {Startframe, "Startframe", "Startframe関数通過\n", false},  // 8
    {Talk0Init, "Talk0Init", "Talk0Init関数通過。\n", true},  // 9
    {Talk0Frame, "Talk0Frame", "Talk0Frame関数通過\n", false},  // 10
    {GameST1init, "GameST1init", "GameST1init関数通過\n", true},  // 11
    {GameST1frame, "GameST1frame", "GameST1frame関数通過\n", false},  // 12
    {Talk1Init, "Talk1Init", "Talk1Init関数通過。\n", true},  // 13
    {Talk1Frame, "Talk1Frame", "Talk1Frame関数通過\n", false},  // 14
    {GameST2init, "GameST2init", "GameST2init関数通過\n", true},  // 15
    {GameST2frame, "GameST2frame", "GameST2frame関数通過\n", false},  // 16
    {Talk2Init, "Talk2Init", "Talk2Init関数通過。\n", true},  // 17
    {Talk2Frame, "Talk2Frame", "Talk2Frame関数通過\n", false},  // 18
    {GameST3init, "GameST3init", "GameST3init関数通過\n", true},  // 19
    {GameST3frame, "GameST3frame", "GameST3frame関数通過\n", false},  // 20
    {Talk3Init, "Talk3Init", "Talk3Init関数通過。\n", true},  // 21
    {Talk3Frame, "Talk3Frame", "Talk3Frame関数通過\n", false},  // 22
    {GameST4init, "GameST4init", "GameST4init関数通過\n", true},  // 23
    {GameST4frame, "GameST4frame", "GameST4frame関数通過\n", false},  // 24
    {Talk4Init, "Talk4Init", "Talk4Init関数通過。\n", true},  // 25
    {Talk4Frame, "Talk4Frame", "Talk4Frame関数通過\n", false},  // 26
    {GameST5init, "GameST5init", "GameST5init関数通過\n", true},  // 27
    {GameST5frame, "GameST5frame", "GameST5frame関数通過\n", false},  // 28
    {Talk5Init, "Talk5Init", "Talk5Init関数通過。\n", true},  // 29
    {Talk5Frame, "Talk5Frame", "Talk5Frame関数通過\n", false},  // 30
    {GameST6init, "GameST6init", "GameST6init関数通過\n", true},  // 31
    {GameST6frame, "GameST6frame", "GameST6frame関数通過\n", false},  // 32
    {Talk6Init, "Talk6Init", "Talk6Init関数通過。\n", true},  // 33
    {Talk6Frame, "Talk6Frame", "Talk6Frame関数通過\n", false},  // 34
    {GameST7init, "GameST7init", "GameST7init関数通過\n", true},  // 35
    {GameST7frame, "GameST7frame", "GameST7frame関数通過\n", false},  // 36
    {Talk7Init, "Talk7Init", "Talk7Init関数通過。\n", true},  // 37
    {Talk7Frame, "Talk7Frame", "Talk7Frame関数通過\n", false},  // 38
    {GameST8init, "GameST8init", "GameST8init関数通過\n", true},  // 39
    {GameST8frame, "GameST8frame", "GameST8frame関数通過\n", false},  // 40
    {Talk8Init, "Talk8Init", "Talk8Init関数通過。\n", true},  // 41
    {Talk8Frame, "Talk8Frame", "Talk8Frame関数通過\n", false},  // 42
    {GameST9init, "GameST9init", "GameST9init関数通過\n", true},  // 43
    {GameST9frame, "GameST9frame", "GameST9frame関数通過\n", false},  // 44
    {Optioninit, "Optioninit", "Optioninit関数通過\n", true},  // 45
    {Optionframe, "Optionframe", "Optionframe関数通過\n", false},  // 46
    {Gameoverinit, "Gameoverinit", "Gameoverinit関数通過\n", true},  // 47
    {Gameoverframe, "Gameoverframe", "Gameoverframe関数通過\n", false},  // 48
    {Talk01Init, "Talk01Init", "Talk01Init関数通過。\n", true},  // 49
    {Talk01Frame, "Talk01Frame", "Talk01Frame関数通過\n", false},  // 50
    {Talk02Init, "Talk02Init", "Talk02Init関数通過。\n", true},  // 51
    {Talk02Frame, "Talk02Frame", "Talk02Frame関数通過\n", false},  // 52
    {Talk9Init, "Talk9Init", "Talk9Init関数通過。\n", true},  // 53
    {Talk9Frame, "Talk9Frame", "Talk9Frame関数通過\n", false},  // 54
    {Talk03Init, "Talk03Init", "Talk03Init関数通過。\n", true},  // 55
    {Talk03Frame, "Talk03Frame", "Talk03Frame関数通過\n", false},  // 56
    {EndInit, "EndInit", "EndInit関数通過。\n", true},  // 57
    {EndFrame, "EndFrame", "EndFrame関数通過\n", false},  // 58
    {HelpInit, "HelpInit", "HelpInit関数通過。\n", true},  // 59
    {HelpFrame, "HelpFrame", "HelpFrame関数通過\n", false},  // 60
    {Selectinit, "Selectinit", "Selectinit関数通過\n", true},  // 61
    {Selectinframe, "Selectinframe", "Selectinframe関数通過\n", false},  // 62
    {End2Init, "End2Init", "End2Init関数通過。\n", true},  // 63
    {End2Frame, "End2Frame", "End2Frame関数通過\n", false},  // 64
};

}  // namespace

const char* SceneName(int n) { return n >= 0 && n < kSceneCount ? kScenes[n].name : nullptr; }

void Dispatch() {
    int n = g_FrameNo;
    if (n >= kSceneCount) {
        DebugLog("g_FrameNoの値が例外です。\n");
        return;
    }
    const SceneEntry& e = kScenes[n];
    e.fn();
    DebugLog(e.log);
    if (e.isInit) {
        // The frame sees the freshly initialised state in the same tick.
        const SceneEntry& f = kScenes[n + 1];
        f.fn();
        DebugLog(f.log);
    }
}
