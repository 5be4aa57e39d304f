// One record per stage: every fact of a stage that the engine, the panel,
// the stage select and the progress file read. Each stage's record and grid
// are its file src/stages/stageN_record.cpp; the game hands the engine the
// records with their scripts at start-up.
#pragma once
#include <cstdint>

#include "stage/stage_map.h"
#include "stage/walker.h"

// What a stage's own file adds to the shared flow.
struct StageScript {
    void (*init)();         // stage objects' start state (after the common one)
    void (*drawObjects)();  // sprites behind the walkers
    void (*run)();          // the event script, last in every frame
};

// Where a walker stands when the stage starts, and which way it faces
// (0 right, 1 left).
struct StartPlace {
    float x, y;
    int facing;
};

// A grid cell by row and column.
struct GridCell {
    uint8_t row, col;
};

// The cells a restart puts back to their codes in the stage's grid.
struct RestoredCells {
    const GridCell* cells;
    int count;
};
template <int N>
constexpr RestoredCells Restored(const GridCell (&cells)[N]) {
    return {cells, N};
}

// The stage's row on the stage select.
struct SelectEntry {
    float thumbU, thumbV;  // thumbnail cell in img/ステージ場面.png (0.25 x 0.1875)
    const char* stars;     // its difficulty
    const char* title;     // Japanese
    const char* titleEn;   // English
    // Its thumbnail's sky (top, bottom) and blocks where a picture is
    // missing, 0xRRGGBB.
    uint32_t skyTop, skyLow, earth;
};

// The stage select shows three stages a page, in story order; a last page
// may have empty rows. Its sheet holds ten page numbers.
constexpr int kSelectRows = 3;
constexpr int kSelectPages = (kStageCount + kSelectRows - 1) / kSelectRows;
static_assert(kSelectPages <= 10, "the stage select's sheet has ten page numbers");

// A pot count that a stage leaves as the last stage left it.
constexpr int kPaintKept = -1;

struct Stage {
    int number;      // 1..kStageCount: its scenes (StageScene), fallers and progress entry
    int storyPlace;  // 1..kStageCount: when the story plays it (banner, select order)
    uint8_t nextScene;  // where the story goes once it is cleared
    // Look and sound.
    const char* music;
    const char* background;
    uint32_t backgroundKey;
    const char* panel;
    const char* chips;
    // Walkers and fallers.
    StartPlace hero, partner;
    WalkerRule heroRule, partnerRule;
    bool partnerStill;       // the partner waits as a faller and takes no paint
    FallerRule partnerFall;  // how she falls then (a walker's quad)
    FallerRule fallers[kMaxFallers];  // faller n is fallers[n - 1]; quadWidth 0: none
    // Pots, paints and the time strip.
    int paints[3];          // red, green, blue; kPaintKept: left as it was
    float stripSpeed;
    bool threePots;         // false: one pot of onePotColour at x onePotX..+64
    int onePotColour;
    float onePotX;
    uint8_t digitsDrawn;    // bit 0 red, 1 green, 2 blue
    float digitPos[3][2];   // -1: left as it was
    const StageMap* grid;   // as it stands when the program starts
    RestoredCells restored;
    SelectEntry select;
    bool partnerLabel;      // her name tag while she stands at her start
    bool waveStrip;         // water across the bottom of the screen
    bool soundsFirst;       // sounds load before the script's first run
    bool enterStarts;       // Enter starts the stage as well as a click
};

// A stage as the game hands it over: its record and its script.
struct StagePlay {
    const Stage* record;
    const StageScript* script;
};

// The game hands its table (stages 1..kStageCount; entry 0 unused) to the
// engine once at start-up; the grids start as the records give them.
void SetStageTable(const StagePlay* stages);
// Stage k's record and script (1..kStageCount; any other k: an empty record,
// a script that does nothing).
const Stage& StageOf(int stage);
const StageScript& ScriptOf(int stage);
// Stage k's grid as the program starts it (any other k: empty).
const StageMap& InitialGrid(int stage);
// The stage the story plays at place 1..kStageCount.
const Stage& StageAtPlace(int place);
// Whether scene is the init or frame scene of a stage.
bool IsStageScene(int scene);
