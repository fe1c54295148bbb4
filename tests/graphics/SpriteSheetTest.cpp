// Sheet-name parsing, frame rectangles and the animation clock: no GL involved.
#include <gtest/gtest.h>

#include "graphics/SpriteSheet.h"

namespace {

void ExpectGrid(const std::string& name, int rows, int columns, bool valid, bool malformed)
{
    SheetGrid grid;
    ASSERT_NO_THROW(grid = ParseSheetName(name)) << name;
    EXPECT_EQ(grid.rows, rows) << name;
    EXPECT_EQ(grid.columns, columns) << name;
    EXPECT_EQ(grid.valid, valid) << name;
    EXPECT_EQ(grid.malformed, malformed) << name;
}

TEST(SheetName, RowsComeFirstThenColumns)
{
    ExpectGrid("Girl_1x6.png", 1, 6, true, false);
    ExpectGrid("ExperimentReports_4x1.png", 4, 1, true, false);
    ExpectGrid("Portraits_1x2.png", 1, 2, true, false);
    ExpectGrid("a9_12x10.png", 12, 10, true, false);
}

TEST(SheetName, AnythingElseIsOneFrame)
{
    for (const char* name : {"TilesDirty.png", "My_Sheet_2x2.png", "A_2x2.png.bak", "A_2X2.png", "A_2x2.PNG",
                             "_2x2.png", "A_x2.png", "A_2x.png", "A_2x2png", "A-B_2x2.png", "", "A_2x2.png ",
                             "A_+2x2.png", "A_-1x2.png"})
        ExpectGrid(name, 1, 1, false, false);
}

TEST(SheetName, ZeroAndHugeCountsAreOneFrameWithoutThrowing)
{
    ExpectGrid("Broken_0x3.png", 1, 1, false, true);
    ExpectGrid("Broken_3x0.png", 1, 1, false, true);
    ExpectGrid("Huge_99999999999999999999999x2.png", 1, 1, false, true);
    ExpectGrid("Huge_2x2147483648.png", 1, 1, false, true);
    ExpectGrid("Edge_4096x4096.png", 4096, 4096, true, false);
    ExpectGrid("Over_4097x1.png", 1, 1, false, true);
    ExpectGrid("Lead_007x02.png", 7, 2, true, false);
}

TEST(FrameRect, CellsTileTheImageWithRowZeroAtTheTop)
{
    // 2 rows, 4 columns: cell (1, 2) spans u 0.5..0.75, v 0.5..1.
    const QuadUV uv = CellUV(SpriteCell{1, 2}, 2, 4, false, false);
    // top-right, bottom-right, bottom-left, top-left
    EXPECT_FLOAT_EQ(uv.u[0], 0.75f);
    EXPECT_FLOAT_EQ(uv.v[0], 0.5f);
    EXPECT_FLOAT_EQ(uv.u[1], 0.75f);
    EXPECT_FLOAT_EQ(uv.v[1], 1.0f);
    EXPECT_FLOAT_EQ(uv.u[2], 0.5f);
    EXPECT_FLOAT_EQ(uv.v[2], 1.0f);
    EXPECT_FLOAT_EQ(uv.u[3], 0.5f);
    EXPECT_FLOAT_EQ(uv.v[3], 0.5f);

    // Rows and columns past the grid wrap, negative ones too; counts below 1 act as 1.
    const QuadUV wrapped = CellUV(SpriteCell{3, -2}, 2, 4, false, false);
    EXPECT_FLOAT_EQ(wrapped.u[2], 0.5f);
    EXPECT_FLOAT_EQ(wrapped.v[0], 0.5f);
    const QuadUV degenerate = CellUV(SpriteCell{5, 7}, 0, -3, false, false);
    EXPECT_FLOAT_EQ(degenerate.u[0], 1.0f);
    EXPECT_FLOAT_EQ(degenerate.u[2], 0.0f);
    EXPECT_FLOAT_EQ(degenerate.v[0], 0.0f);
    EXPECT_FLOAT_EQ(degenerate.v[1], 1.0f);
}

TEST(FrameRect, FlipsMirrorTheRectangle)
{
    const QuadUV plain = CellUV(SpriteCell{0, 1}, 1, 2, false, false);
    const QuadUV x = CellUV(SpriteCell{0, 1}, 1, 2, true, false);
    const QuadUV y = CellUV(SpriteCell{0, 1}, 1, 2, false, true);
    const QuadUV both = CellUV(SpriteCell{0, 1}, 1, 2, true, true);
    // Left-right: the right corners take the left u.
    EXPECT_FLOAT_EQ(x.u[0], plain.u[3]);
    EXPECT_FLOAT_EQ(x.u[3], plain.u[0]);
    EXPECT_FLOAT_EQ(x.v[0], plain.v[0]);
    // Top-bottom: the top corners take the bottom v.
    EXPECT_FLOAT_EQ(y.v[0], plain.v[1]);
    EXPECT_FLOAT_EQ(y.v[1], plain.v[0]);
    EXPECT_FLOAT_EQ(y.u[0], plain.u[0]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(both.u[i], x.u[i]);
        EXPECT_FLOAT_EQ(both.v[i], y.v[i]);
    }
}

TEST(FrameGrid, FramesRunAlongRowsAndStepsWrap)
{
    EXPECT_EQ(CellOfFrame(7, 3).row, 2);
    EXPECT_EQ(CellOfFrame(7, 3).column, 1);
    EXPECT_EQ(CellOfFrame(7, 0).row, 7);  // a zero grid is one column wide, never a division by 0
    EXPECT_EQ(CellOfFrame(7, 0).column, 0);

    SpriteCell cell{0, 2};
    cell = NextCell(cell, 2, 3);
    EXPECT_EQ(cell.row, 1);
    EXPECT_EQ(cell.column, 0);
    cell = NextCell(SpriteCell{1, 2}, 2, 3);
    EXPECT_EQ(cell.row, 0);
    EXPECT_EQ(cell.column, 0);
    cell = NextCell(SpriteCell{0, 0}, 0, 0);
    EXPECT_EQ(cell.row, 0);
    EXPECT_EQ(cell.column, 0);
}

TEST(AnimationClock, StepsWhenTheTimerRunsOutAndDropsTheOvershoot)
{
    float timer = 0.0f;
    std::vector<int> steps;
    for (int frame = 1; frame <= 8; ++frame)
        if (TickAnimationClock(timer, 0.5f, 0.2f))
            steps.push_back(frame);
    EXPECT_EQ(steps, (std::vector<int>{1, 4, 7}));

    float every = 0.0f;
    int count = 0;
    for (int frame = 0; frame < 5; ++frame)
        count += TickAnimationClock(every, 0.0f, 0.016f) ? 1 : 0;
    EXPECT_EQ(count, 5);
}

}  // namespace
