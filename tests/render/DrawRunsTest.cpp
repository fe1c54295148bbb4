// How many draw calls a frame takes. Quads go to the driver in depth order, in runs that
// share a program and a texture; whether a quad takes light only splits a run when a light
// reaches it, since a lit quad no light reaches draws with the plain program at the ambient
// level.
#include "RenderFixture.h"

#include "support/DrawCallCounter.h"

namespace rendertest {
namespace {

const Rgba kWhite{255, 255, 255, 255};
const Rgba kRed{255, 0, 0, 255};

class DrawRunsTest : public RenderTest {
public:
    long DrawOneFrame()
    {
        const long before = DrawCallsSoFar();
        DrawFrame();
        return DrawCallsSoFar() - before;
    }
};

TEST_F(DrawRunsTest, RunsSplitWhereTheProgramOrTheTextureChangesAndNowhereElse)
{
    Start();
    AddCamera();
    // In depth order: lit white, plain white, lit white, plain red, plain red.
    AddSprite("A", "White.png", -150.0f, 0.0f, 1.0f, 40.0f, 40.0f, true);
    AddSprite("B", "White.png", -90.0f, 0.0f, 1.2f, 40.0f, 40.0f, false);
    AddSprite("C", "White.png", -30.0f, 0.0f, 1.4f, 40.0f, 40.0f, true);
    AddSprite("D", "Red.png", 30.0f, 0.0f, 1.6f, 40.0f, 40.0f, false);
    AddSprite("E", "Red.png", 90.0f, 0.0f, 1.8f, 40.0f, 40.0f, false);

    // No light: all five draw plain, and only the change of texture splits them.
    EXPECT_EQ(DrawOneFrame(), 2);
    EXPECT_EQ(PixelAt(-150.0f, 0.0f), kWhite);
    EXPECT_EQ(PixelAt(-30.0f, 0.0f), kWhite);
    EXPECT_EQ(PixelAt(90.0f, 0.0f), kRed);

    // A small lamp on C alone: C gets a lit program; A, lit but out of its reach, draws plain
    // at the ambient level beside B. A B | C | D E.
    AddLight("Lamp", -30.0f, 0.0f, 0.0f, 1.0f, 1.0f, false, 20.0f, 0.5f, 0.0f, 0.5f,
             Vector4(1.0f, 1.0f, 1.0f, 1.0f));
    gAmbientLight = 0.2f;
    EXPECT_EQ(DrawOneFrame(), 3);
    EXPECT_EQ(gGraphicsSystem->activeLightCount, 1);
    EXPECT_NEAR(PixelAt(-150.0f, 0.0f)[1], 51, 3);
    EXPECT_EQ(PixelAt(-90.0f, 0.0f), kWhite);
    EXPECT_GT(PixelAt(-30.0f, 0.0f)[1], 200);
    EXPECT_NEAR(PixelAt(-30.0f, 18.0f)[1], 51, 10) << "the lamp's reach ends inside C";
    EXPECT_EQ(PixelAt(30.0f, 0.0f), kRed);
    EXPECT_EQ(PixelAt(90.0f, 0.0f), kRed);
}

}  // namespace
}  // namespace rendertest
