// Every stage of the game by number, each record with its script; the
// records say the rest (story place, scenes, grid). The build lists the
// stages from their files.
#include "stages/stage_records.h"
#include "stages/stage_scripts.h"

#define TOLVANE_STAGE_PLAY(N) {&kStage##N, &kStage##N##Script},
const StagePlay kStages[kStageCount + 1] = {{}, TOLVANE_EACH_STAGE(TOLVANE_STAGE_PLAY)};
#undef TOLVANE_STAGE_PLAY
