// Stage grids: initial contents, lookup, chip pictures and restoring.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "stage/stage.h"
#include "stage/stage_map.h"

namespace {

// Every test starts from the program-start grids and leaves them so.
class StageMapTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGrids(); }
    void TearDown() override { ResetGrids(); }
    static void ResetGrids() {
        for (int k = 0; k <= kStageCount; ++k) g_StageMap[k] = InitialGrid(k);
    }
};

}  // namespace

TEST_F(StageMapTest, LowerRowsAreEmptyInEveryGrid) {
    for (int k = 1; k <= kStageCount; ++k) {
        for (int i = 10 * kMapCols; i < kMapCells; ++i) {
            EXPECT_EQ(InitialGrid(k)[i], 0) << "stage " << k << " byte " << i;
        }
    }
}

TEST_F(StageMapTest, RestoredCellsLieOnTheMapOnceEach) {
    for (int k = 1; k <= kStageCount; ++k) {
        const RestoredCells& r = StageOf(k).restored;
        std::set<int> seen;
        for (int i = 0; i < r.count; ++i) {
            const GridCell& c = r.cells[i];
            ASSERT_LT(c.row, 10) << "stage " << k;
            ASSERT_LT(c.col, kMapCols) << "stage " << k;
            EXPECT_TRUE(seen.insert(c.row * kMapCols + c.col).second) << "stage " << k << " lists a cell twice";
        }
    }
}

TEST_F(StageMapTest, RestorePutsBackChangedCellsOnly) {
    MapCell(1, 7, 16) = 0;
    MapCell(1, 5, 17) = 0;
    MapCell(1, 6, 6) = 2;
    MapCell(1, 6, 3) = 0;  // not an event cell: a restart leaves it
    RestoreStageCells(1);
    EXPECT_EQ(MapCell(1, 7, 16), 144);
    EXPECT_EQ(MapCell(1, 5, 17), 38);
    EXPECT_EQ(MapCell(1, 6, 6), 51);
    EXPECT_EQ(MapCell(1, 6, 3), 0);

    // Stage 2 restores cells to empty as well as to pictures.
    MapCell(2, 5, 9) = 7;
    RestoreStageCells(2);
    EXPECT_EQ(MapCell(2, 5, 9), 0);

    // Stage 9 restores nothing.
    MapCell(9, 1, 11) = 0;
    RestoreStageCells(9);
    EXPECT_EQ(MapCell(9, 1, 11), 0);

    RestoreStageCells(0);  // unknown stages are ignored
    RestoreStageCells(10);
}

TEST_F(StageMapTest, CellAtTruncatesAndUsesTheLinearIndex) {
    auto& map = g_StageMap[9];
    map.fill(0);
    for (int i = 0; i < kMapCells; ++i) map[i] = ChipCode(i % 251 + 1);

    EXPECT_EQ(CellAt(9, 31.9f, 63.9f), map[20]);  // col 0, row 1
    EXPECT_EQ(CellAt(9, 32.0f, 0.0f), map[1]);
    EXPECT_EQ(CellAt(9, 639.0f, 319.0f), map[9 * 20 + 19]);
    // Truncation toward zero: -31..31 all fall in column / row 0.
    EXPECT_EQ(CellAt(9, -31.0f, 40.0f), map[20]);
    EXPECT_EQ(CellAt(9, 10.0f, -31.5f), map[0]);
    // Just right of column 19 lies column 0 of the next row.
    EXPECT_EQ(CellAt(9, 640.0f, 0.0f), map[20]);
    EXPECT_EQ(CellAt(9, 672.0f, 100.0f), map[4 * 20 + 1]);  // row 3, "column 21"
}

TEST_F(StageMapTest, CellAtOffTheGridReadsEmpty) {
    g_StageMap[9].fill(5);
    EXPECT_EQ(CellAt(9, -32.0f, 0.0f), 0);
    EXPECT_EQ(CellAt(9, -100.0f, 200.0f), 0);  // would be the row above's end
    EXPECT_EQ(CellAt(9, 0.0f, -32.0f), 0);
    EXPECT_EQ(CellAt(9, 0.0f, 480.0f), 0);
    EXPECT_EQ(CellAt(9, 640.0f, 479.0f), 0);  // past the last byte
    EXPECT_EQ(CellAt(9, 1.0e9f, 0.0f), 0);
    EXPECT_EQ(CellAt(9, 0.0f, 1.0e9f), 0);
    EXPECT_EQ(CellAt(9, std::nanf(""), 0.0f), 0);
    EXPECT_EQ(CellAt(0, 10.0f, 10.0f), 0);
    EXPECT_EQ(CellAt(10, 10.0f, 10.0f), 0);
    EXPECT_EQ(CellAt(9, 639.0f, 479.0f), 5);
}

TEST_F(StageMapTest, MapCellOffTheGridIsHarmless) {
    const StageMap before = g_StageMap[3];
    MapCell(3, -1, 0) = 99;
    MapCell(3, 0, 20) = 99;
    MapCell(3, 15, 0) = 99;
    MapCell(12, 0, 0) = 99;
    EXPECT_EQ(MapCell(3, 0, 20), 0);
    EXPECT_EQ(g_StageMap[3], before);
}

TEST(StageChips, CellQuadTakesTheChipsSheetRectangle) {
    struct Case {
        ChipCode code;
        float u0, v0;
    } cases[] = {{0, 0.0f, 0.0f}, {17, 0.0625f, 0.0625f}, {255, 0.9375f, 0.9375f}, {35, 0.1875f, 0.125f}};
    for (const Case& c : cases) {
        PlaceCellQuad(19, 14, c.code);
        const Quad& q = g_CellQuad;
        EXPECT_FLOAT_EQ(q.v[0].u, c.u0) << int(c.code);
        EXPECT_FLOAT_EQ(q.v[1].u, c.u0 + 0.0625f) << int(c.code);
        EXPECT_FLOAT_EQ(q.v[0].v, c.v0) << int(c.code);
        EXPECT_FLOAT_EQ(q.v[3].v, c.v0 + 0.0625f) << int(c.code);
        EXPECT_FLOAT_EQ(q.v[2].u, c.u0 + 0.0625f);
        EXPECT_FLOAT_EQ(q.v[2].v, c.v0 + 0.0625f);
    }
    // Corners in fan order; neighbouring cells share their edges.
    PlaceCellQuad(19, 14, 1);
    EXPECT_EQ(g_CellQuad.v[0].x, 608.0f);
    EXPECT_EQ(g_CellQuad.v[0].y, 448.0f);
    EXPECT_EQ(g_CellQuad.v[1].x, 640.0f);
    EXPECT_EQ(g_CellQuad.v[2].y, 480.0f);
    EXPECT_EQ(g_CellQuad.v[3].x, 608.0f);
    for (const TlVertex& v : g_CellQuad.v) {
        EXPECT_EQ(v.diffuse, 0xFFFFFFFFu);
        EXPECT_EQ(v.z, 0.0f);
        EXPECT_EQ(v.rhw, 1.0f);
    }
}

TEST_F(StageMapTest, DrawingWalksEveryCellInRowOrder) {
    g_StageMap[4][kMapCells - 1] = 255;  // the last cell drawn
    DrawStageMap(4);
    EXPECT_EQ(g_CellQuad.v[0].x, 608.0f);
    EXPECT_EQ(g_CellQuad.v[0].y, 448.0f);
    EXPECT_FLOAT_EQ(g_CellQuad.v[0].u, 0.9375f);
    EXPECT_EQ(g_CellQuad.v[0].diffuse, 0xFFFFFFFFu);
    // An unknown stage draws nothing and leaves the quad alone.
    PlaceCellQuad(0, 0, 0);
    DrawStageMap(0);
    DrawStageMap(10);
    EXPECT_EQ(g_CellQuad.v[0].x, 0.0f);
}
