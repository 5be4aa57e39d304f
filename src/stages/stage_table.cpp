// Every stage of the game by number, each record with its script; the
// records say the rest (story place, scenes, grid).
#include "stages/stage_records.h"
#include "stages/stage_scripts.h"

const StagePlay kStages[kStageCount + 1] = {
    {},
    {&kStage1, &kStage1Script},
    {&kStage2, &kStage2Script},
    {&kStage3, &kStage3Script},
    {&kStage4, &kStage4Script},
    {&kStage5, &kStage5Script},
    {&kStage6, &kStage6Script},
    {&kStage7, &kStage7Script},
    {&kStage8, &kStage8Script},
    {&kStage9, &kStage9Script},
};
