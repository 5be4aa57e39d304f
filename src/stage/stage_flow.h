// The shape every stage shares: the init that puts a stage into its start
// state and the frame that runs one tick of play. Stages differ in the data
// of kStageInfo and in the script hooks of their own files.
#pragma once
#include <cstdint>
#include <string>

// What a stage's own file adds to the shared flow.
struct StageScript {
    void (*init)();         // stage objects' start state (after the common one)
    void (*drawObjects)();  // sprites behind the walkers
    void (*run)();          // the event script, last in every frame
};

struct StageInfo {
    uint8_t initScene, frameScene, nextScene;
    const char* music;
    const char* background;
    uint32_t backgroundKey;
    const char* panel;
    const char* chips;
    float heroX, heroY;
    int heroFacing;
    float partnerX, partnerY;
    int partnerFacing;
    int paints[3];          // red, green, blue; -1: left as it was
    float stripSpeed;
    bool threePots;         // false: one pot of onePotColour at x onePotX..+64
    int onePotColour;
    float onePotX;
    uint8_t digitsDrawn;    // bit 0 red, 1 green, 2 blue
    float digitPos[3][2];   // -1: left as it was
    const StageScript* script;
    bool partnerStill;      // the partner waits as a faller and takes no paint
    bool partnerLabel;      // her name tag while she stands at her start
    bool waveStrip;         // water across the bottom of the screen
    bool soundsFirst;       // sounds load before the script's first run
    bool enterStarts;       // Enter starts the stage as well as a click
};

extern const StageInfo kStageInfo[10];  // stages 1..9


void StageInit(int stage);
void StageFrame(int stage);

// Runs the nine stage scripts once each with g_ScriptReset set, so every
// stage's events start from the beginning (a new game), then clears the flag.
void ResetAllStageScripts();

// Draws the stage's fallers (the default objects of a stage).
void DrawStageFallers(int stage);

// The stage currently played (0 outside the stages).
int CurrentStage();

// Trace fields of a running stage: walkers, paints, flags, strip.
void AppendStageTraceFields(std::string& line, int scene);

// Pot and reset-button rectangles (bounds included).
bool InRect(int x, int y, float x0, float y0, float x1, float y1);
