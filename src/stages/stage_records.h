// What a stage's record file (src/stages/stageN_record.cpp) writes with: the
// record, its grid and the shorthands of its walker rules. The data generator
// links the record files too, for the stage-select thumbnails.
//
// Walker rules: the hit test in mode 0 and in mode 1, where the mode comes
// from, whether gravityOff switches gravity off. Fallers: start x and y, hit
// test, box right R (31, 63, or 64 for stage 6's 65-pixel box under a
// 64-pixel picture, which a wall right at its right edge stops), quad width,
// the texture coordinates its step writes (u0, u1, v0, v1). Restored cells:
// those the stage's events change (row, column); animated edge cells and
// stage 9's are left out, as their events rewrite them anyway.
#pragma once
#include "app/scenes.h"
#include "gfx/colour_keys.h"
#include "gfx/picture_files.h"
#include "stage/stage.h"
#include "stage/stage_map.h"

constexpr BoxTest kLeftCorners = {kLeftEdge, kCorners};
constexpr BoxTest kRightCorners = {kRightEdge, kCorners};
constexpr BoxTest kBothCorners = {kBothEdges, kCorners};
constexpr BoxTest kMapCorners = {kNoEdges, kCorners};

// kStage1, kStage2, ...: one per record file.
#define TOLVANE_STAGE_RECORD(N) extern const Stage kStage##N;
TOLVANE_EACH_STAGE(TOLVANE_STAGE_RECORD)
#undef TOLVANE_STAGE_RECORD

// Every stage's record by number (entry 0: none).
#define TOLVANE_STAGE_RECORD(N) &kStage##N,
inline const Stage* const kStageRecords[kStageCount + 1] = {nullptr, TOLVANE_EACH_STAGE(TOLVANE_STAGE_RECORD)};
#undef TOLVANE_STAGE_RECORD
