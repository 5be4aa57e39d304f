// The stage table the game hands the engine, and the look-ups on it.
#include "stage/stage.h"

namespace {
const StagePlay* s_Stages = nullptr;
const Stage kNoStage = {};
void NoStep() {}
const StageScript kNoScript = {NoStep, NoStep, NoStep};
const StageMap kNoGrid = {};
}  // namespace

void SetStageTable(const StagePlay* stages) {
    s_Stages = stages;
    for (int k = 1; k <= kStageCount; ++k) g_StageMap[k] = InitialGrid(k);
}

const Stage& StageOf(int stage) {
    return s_Stages && stage >= 1 && stage <= kStageCount ? *s_Stages[stage].record : kNoStage;
}

const StageScript& ScriptOf(int stage) {
    return s_Stages && stage >= 1 && stage <= kStageCount ? *s_Stages[stage].script : kNoScript;
}

const StageMap& InitialGrid(int stage) {
    const Stage& s = StageOf(stage);
    return s.grid ? *s.grid : kNoGrid;
}

const Stage& StageAtPlace(int place) {
    for (int k = 1; k <= kStageCount; ++k)
        if (StageOf(k).storyPlace == place) return StageOf(k);
    return kNoStage;
}

bool IsStageScene(int scene) {
    for (int k = 1; k <= kStageCount; ++k)
        if (scene == StageScene(k) || scene == StageScene(k) + 1) return true;
    return false;
}
