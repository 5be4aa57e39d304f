// The cells each stage's events change, with the codes they start from. A
// stage init writes them back so a restart shows the stage as it first was.
#include "stage/stage_map.h"

namespace {

// (row, col, code)
constexpr CellRestore kRestore1[] = {
    {4, 6, 19},   {5, 6, 35},   {6, 6, 51},   {6, 11, 96},  {6, 12, 97},
    {7, 11, 112}, {7, 12, 113}, {7, 16, 144}, {8, 16, 160}, {5, 15, 36},
    {5, 16, 37},  {5, 17, 38},  {5, 18, 39},  {5, 19, 40},
};
constexpr CellRestore kRestore2[] = {
    {2, 6, 48}, {2, 7, 49}, {3, 6, 64},  {3, 7, 65},  {6, 5, 10}, {7, 5, 26},
    {6, 9, 16}, {7, 9, 32}, {6, 10, 17}, {7, 10, 33}, {5, 9, 0},  {5, 10, 0},
};
constexpr CellRestore kRestore3[] = {
    {3, 10, 57}, {4, 10, 73},
};
constexpr CellRestore kRestore4[] = {
    {7, 5, 20},  {7, 6, 21},  {8, 5, 36},  {8, 6, 37}, {6, 5, 0},  {6, 6, 0},
    {7, 15, 52}, {8, 15, 68}, {7, 16, 52}, {8, 16, 68}, {2, 8, 8},
};
constexpr CellRestore kRestore5[] = {
    {4, 6, 52}, {5, 6, 68}, {4, 13, 52}, {5, 13, 68},
    {1, 6, 8},  {2, 13, 8}, {2, 14, 8},  {2, 15, 8},
};
constexpr CellRestore kRestore6[] = {
    {0, 5, 10},  {1, 5, 26},  {1, 14, 8},  {1, 15, 9},
    {2, 14, 24}, {2, 15, 25}, {3, 14, 40}, {3, 15, 41},
};
constexpr CellRestore kRestore7[] = {
    {4, 12, 57}, {5, 12, 73},  {1, 6, 92},  {1, 7, 93},  {2, 6, 108},
    {2, 7, 109}, {3, 6, 124},  {3, 7, 125}, {2, 12, 8},
};
constexpr CellRestore kRestore8[] = {
    {8, 17, 144}, {9, 17, 160}, {8, 18, 144}, {9, 18, 160}, {2, 7, 0},   {2, 8, 0},
    {3, 7, 68},   {3, 8, 69},   {4, 7, 84},   {4, 8, 85},   {7, 3, 0},   {7, 4, 0},
    {8, 3, 68},   {8, 4, 69},   {9, 3, 84},   {9, 4, 85},   {6, 16, 0},  {7, 16, 0},
    {8, 16, 35},  {9, 16, 51},  {5, 16, 36},  {5, 17, 37},  {5, 18, 38}, {5, 19, 39},
};

struct RestoreList {
    const CellRestore* cells;
    int count;
};

template <int N>
constexpr RestoreList List(const CellRestore (&cells)[N]) {
    return {cells, N};
}

// Stage 9's events change nothing that needs putting back.
constexpr RestoreList kRestoreLists[kStageCount + 1] = {
    {nullptr, 0},     List(kRestore1), List(kRestore2), List(kRestore3), List(kRestore4),
    List(kRestore5), List(kRestore6), List(kRestore7), List(kRestore8), {nullptr, 0},
};

}  // namespace

const CellRestore* StageRestoreList(int stage, int* count) {
    const bool known = stage >= 1 && stage <= kStageCount;
    if (count) *count = known ? kRestoreLists[stage].count : 0;
    return known ? kRestoreLists[stage].cells : nullptr;
}

void RestoreStageCells(int stage) {
    int count = 0;
    const CellRestore* cells = StageRestoreList(stage, &count);
    for (int i = 0; i < count; ++i) {
        const int index = CellIndex(cells[i].row, cells[i].col);
        if (index >= 0) g_StageMap[stage][index] = cells[i].code;
    }
}
