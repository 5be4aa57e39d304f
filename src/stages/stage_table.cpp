// Every stage of the game by number, each record with its script; the
// records say the rest (story place, scenes, grid). The build lists the
// stages from their files.
#include "stages/stage_records.h"
#include "stages/stage_scripts.h"

#define TOLVANE_STAGE_PLAY(N) {&kStage##N, &kStage##N##Script},
const StagePlay kStages[kStageCount + 1] = {{}, TOLVANE_EACH_STAGE(TOLVANE_STAGE_PLAY)};
#undef TOLVANE_STAGE_PLAY

namespace {

// Stage k's event table, or nullptr. (Filled on the first call, after every
// stage's table is.)
const EventTable* EventTableOf(int stage) {
#define TOLVANE_STAGE_EVENTS(N) kStage##N##EventTable,
    static const EventTable* const kTables[kStageCount + 1] = {nullptr, TOLVANE_EACH_STAGE(TOLVANE_STAGE_EVENTS)};
#undef TOLVANE_STAGE_EVENTS
    return stage >= 1 && stage <= kStageCount ? kTables[stage] : nullptr;
}

}  // namespace

int EventTicks(int stage, int event) {
    const EventTable* t = EventTableOf(stage);
    return t && event >= 1 && event <= t->count ? t->ticks[event] : -1;
}

void SetEventTicks(int stage, int event, int ticks) {
    const EventTable* t = EventTableOf(stage);
    if (t && event >= 1 && event <= t->count) t->ticks[event] = ticks;
}
