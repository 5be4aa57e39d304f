#include "stage/stage_map.h"

#include "stage/stage.h"

StageMap g_StageMap[kStageCount + 1];
Quad g_CellQuad = kWhiteQuad;

namespace {

// Written by MapCell for cells off the grid, so such writes land nowhere.
ChipCode s_OffGridCell = 0;

bool ValidStage(int stage) { return stage >= 1 && stage <= kStageCount; }

// The grid the map layer was last built from.
constexpr int kMapLayer = 0;
int s_LayerStage = 0;
StageMap s_LayerMap{};
Quad s_LayerQuads[kMapCells];

}  // namespace

ChipCode CellAt(int stage, float x, float y) {
    if (!ValidStage(stage)) return 0;
    // Beyond these bounds no linear index can land on the grid; checking
    // first also keeps the float-to-int conversion defined (and rejects NaN).
    if (!(x > -32.0f && x < 10000.0f && y > -32.0f && y < 480.0f)) return 0;
    const int col = static_cast<int>(x) / kCellSize;  // truncates toward zero
    const int row = static_cast<int>(y) / kCellSize;
    const int index = row * kMapCols + col;
    if (index < 0 || index >= kMapCells) return 0;
    return g_StageMap[stage][index];
}

ChipCode& MapCell(int stage, int row, int col) {
    const int index = CellIndex(row, col);
    if (!ValidStage(stage) || index < 0) {
        s_OffGridCell = 0;
        return s_OffGridCell;
    }
    return g_StageMap[stage][index];
}

void PlaceCellQuad(int col, int row, ChipCode code) {
    const float x0 = float(col * kCellSize), y0 = float(row * kCellSize);
    // Right and bottom lie on the next cell's left and top: cells share edges.
    SetQuadRect(g_CellQuad, x0, y0, x0 + kCellSize, y0 + kCellSize);
    const int sheetRow = code / 16;
    // n/16 minus the sheet row leaves the column: u of chip n mod 16.
    const float u0 = float(code) * 0.0625f - float(sheetRow);
    const float v0 = float(sheetRow) * 0.0625f;
    SetQuadUV(g_CellQuad, u0, v0, u0 + 0.0625f, v0 + 0.0625f);
}

void DrawStageMap(int stage) {
    if (!ValidStage(stage)) return;
    const StageMap& map = g_StageMap[stage];
    // The cells' quads live in a layer on the device, built again only when
    // a cell (or the stage) differs from what the layer shows: events write
    // cells directly, so the grid itself is compared.
    if (stage != s_LayerStage || map != s_LayerMap) {
        for (int row = 0; row < kMapRows; ++row) {
            for (int col = 0; col < kMapCols; ++col) {
                // Empty cells are drawn too: chip 0 is keyed out on every sheet.
                PlaceCellQuad(col, row, map[row * kMapCols + col]);
                s_LayerQuads[row * kMapCols + col] = g_CellQuad;
            }
        }
        SetQuadLayer(kMapLayer, s_LayerQuads, kMapCells);
        s_LayerStage = stage;
        s_LayerMap = map;
    }
    g_CellQuad = s_LayerQuads[kMapCells - 1];
    DrawQuadLayer(kSlotChips, kMapLayer);
}

void RestoreStageCells(int stage) {
    if (!ValidStage(stage)) return;
    const RestoredCells& r = StageOf(stage).restored;
    for (int i = 0; i < r.count; ++i) {
        const int index = CellIndex(r.cells[i].row, r.cells[i].col);
        if (index >= 0) g_StageMap[stage][index] = InitialGrid(stage)[index];
    }
}
