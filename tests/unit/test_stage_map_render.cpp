// Every stage's starting grid drawn with its chip sheet: no chip may be
// missing (a solid cell that draws nothing would be an invisible wall).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "gfx/gfx.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"

TEST(StageMapRender, EverySolidCellOfEveryGridShowsItsChip) {
    AppOptions o;
    o.headless = true;
    ASSERT_TRUE(InitApp(o));
    ASSERT_EQ(InitDX8(false), 0);
    std::string data = TOLVANE_DATA_DIR;
    std::vector<uint32_t> px(640 * 480);
    for (int k = 1; k <= kStageCount; ++k) {
        LoadTexture(kSlotChips, (data + "/" + StageOf(k).chips).c_str(), kKeyGreen);
        ASSERT_TRUE(TextureLoaded(kSlotChips)) << StageOf(k).chips;
        // A colour no chip uses, so a keyed-out cell shows it unchanged.
        ClearFrame(0xFFFF00FFu);
        BeginDrawing();
        SetDrawStates();
        DrawStageMap(k);
        ASSERT_TRUE(ReadFramePixels(px.data()));
        for (int row = 0; row < kMapRows; ++row)
            for (int col = 0; col < kMapCols; ++col) {
                ChipCode code = InitialGrid(k)[size_t(row * kMapCols + col)];
                int drawn = 0;
                for (int y = row * 32; y < row * 32 + 32; ++y)
                    for (int x = col * 32; x < col * 32 + 32; ++x)
                        drawn += (px[size_t(y) * 640 + x] & 0xFFFFFF) != 0xFF00FF;
                if (code != 0)
                    EXPECT_GT(drawn, 0) << "stage " << k << " cell (" << row << "," << col << ") chip " << int(code);
                else
                    EXPECT_EQ(drawn, 0) << "stage " << k << " empty cell (" << row << "," << col << ")";
            }
    }
    ReleaseGraphics();
    ShutdownApp();
}
