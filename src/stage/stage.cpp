// The stage table the game hands the engine, and the look-ups on it.
#include "stage/stage.h"

namespace {
const Stage* s_Stages = nullptr;
const Stage kNoStage = {};
}  // namespace

void SetStageTable(const Stage* stages) { s_Stages = stages; }

const Stage& StageOf(int stage) {
    return s_Stages && stage >= 1 && stage <= kStageCount ? s_Stages[stage] : kNoStage;
}

const Stage& StageAtPlace(int place) {
    for (int k = 1; k <= kStageCount; ++k)
        if (StageOf(k).storyPlace == place) return StageOf(k);
    return kNoStage;
}

bool IsStageScene(int scene) {
    for (int k = 1; k <= kStageCount; ++k)
        if (scene == StageOf(k).initScene || scene == StageOf(k).frameScene) return true;
    return false;
}
