// The stage grids: a 20x15 map of chip codes for each stage, how they are
// drawn, looked up and put back when a stage starts again.
#pragma once
#include <array>
#include <cstdint>

#include "app/scenes.h"
#include "gfx/gfx.h"
#include "gfx/texture_slots.h"

// One cell's picture and solidity: 0 is empty, anything else is solid. Code n
// shows chip (n mod 16, n div 16) of the stage's 16x16 chip sheet.
using ChipCode = uint8_t;

constexpr int kMapCols = 20;
constexpr int kMapRows = 15;
constexpr int kMapCells = kMapCols * kMapRows;  // 300
constexpr int kCellSize = 32;

// Row-major grid: cell (col, row) is byte row * 20 + col. Only rows 0..9 ever
// hold chips; the panel covers the rest of the screen.
using StageMap = std::array<ChipCode, kMapCells>;

// g_StageMap[k] is stage k's grid (index 0 is an unused empty grid), copied
// from its record when the game hands over its stages. Events write cells
// directly; a change counts for collisions at once.
extern StageMap g_StageMap[kStageCount + 1];

// A quad at the origin, opaque white, z 0, rhw 1, texture 0: the start value
// of the stage engine's sprites.
constexpr Quad kWhiteQuad = {{
    {0, 0, 0, 1, 0xFFFFFFFFu, 0, 0},
    {0, 0, 0, 1, 0xFFFFFFFFu, 0, 0},
    {0, 0, 0, 1, 0xFFFFFFFFu, 0, 0},
    {0, 0, 0, 1, 0xFFFFFFFFu, 0, 0},
}};

// Scratch quad through which every cell is drawn: opaque white, z 0, rhw 1.
extern Quad g_CellQuad;

// Texture slot of the stage chip sheet.

constexpr bool IsSolid(ChipCode code) { return code != 0; }

// Byte index of cell (row, col), or -1 when the cell is not on the grid.
constexpr int CellIndex(int row, int col) {
    return (row < 0 || row >= kMapRows || col < 0 || col >= kMapCols) ? -1 : row * kMapCols + col;
}

// The chip code under point (x, y) of grid k. Coordinates truncate toward
// zero, so -31..31 all fall in column/row 0, and the index is linear: a point
// just right of column 19 reads column 0 of the next row. Anything that does
// not land inside the 300 bytes (or a stage outside 1..9) reads as empty.
ChipCode CellAt(int stage, float x, float y);

// Cell (row, col) of grid k for reading or writing by the stage events. A cell
// off the grid (or an unknown stage) yields a scratch byte that reads 0.
ChipCode& MapCell(int stage, int row, int col);

// Writes g_CellQuad for the cell at (col, row) showing chip `code`.
void PlaceCellQuad(int col, int row, ChipCode code);

// Draws all 300 cells of grid k with the chip sheet, in cell order, under
// whatever blend state the caller set. The cells' quads are kept as one layer
// on the device and built again only when a cell of the grid changed.
void DrawStageMap(int stage);

// Puts back the initial code of every cell that stage k's events change
// (its record's restored cells), so that a restarted stage begins from the
// same grid.
void RestoreStageCells(int stage);
