// Saved blocks of the graphics components: written, read back, written again, byte for byte.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "graphics/LightSource.h"
#include "graphics/Renderer.h"
#include "graphics/Sprite.h"

namespace {

// Writes the component, reads the block back (after its type-name line, as the level reader
// does) into `fresh`, writes that, and returns both texts.
template <class T>
std::pair<std::string, std::string> RoundTrip(const T& original, T& fresh)
{
    std::ostringstream first;
    original.Serialize(first);
    std::istringstream in(first.str());
    std::string typeName;
    in >> typeName;
    EXPECT_EQ(typeName, T::GetTypeName());
    fresh.Deserialize(in);
    EXPECT_FALSE(in.fail());
    std::string rest;
    EXPECT_FALSE(in >> rest) << "left over: " << rest;
    std::ostringstream second;
    fresh.Serialize(second);
    return {first.str(), second.str()};
}

TEST(SavedBlocks, SpriteKeepsEveryKey)
{
    Sprite sprite;
    sprite.textureName = "Girl_1x6.png";
    sprite.color = Vector3(0.25f, 0.5f, 1.0f);
    sprite.transparency = 0.75f;
    sprite.numColumns = 6;
    sprite.numRows = 1;
    sprite.animationDelay = 0.18f;
    sprite.animateFlag = true;
    sprite.startFrame = 2;
    sprite.animationCount = 3;
    sprite.flipX = true;
    sprite.flipY = false;
    sprite.lightAffected = false;

    Sprite loaded;
    const auto texts = RoundTrip(sprite, loaded);
    EXPECT_EQ(texts.first, texts.second);
    EXPECT_EQ(texts.first,
              "Sprite\nGirl_1x6.png\nColor\n0.25 0.5 1\nTransparency\n0.75\nNumColumns\n6\nNumRows\n1\n"
              "AnimationDelay\n0.18\nAnimateFlag\n1\nStartFrame\n2\nAnimationCount\n3\nFlipX\n1\nFlipY\n0\n"
              "LightAffected\n0\n");
    EXPECT_EQ(loaded.textureName, "Girl_1x6.png");
    EXPECT_TRUE(loaded.flipX);
    EXPECT_FALSE(loaded.lightAffected);
}

TEST(SavedBlocks, SpriteWithoutTextureIsWrittenAsTheEmptySheet)
{
    Sprite sprite;
    Sprite loaded;
    const auto texts = RoundTrip(sprite, loaded);
    EXPECT_EQ(texts.first, texts.second);
    EXPECT_EQ(loaded.textureName, "Empty_1x1.png");
}

TEST(SavedBlocks, SpriteGridCountsBelowOneReadAsOne)
{
    std::istringstream in("Wall.png Color 1 1 1 Transparency 1 NumColumns 0 NumRows -3 AnimationDelay 0 "
                          "AnimateFlag 0 StartFrame 0 AnimationCount 0 FlipX 0 FlipY 0 LightAffected 1 End");
    Sprite sprite;
    sprite.Deserialize(in);
    EXPECT_EQ(sprite.numColumns, 1);
    EXPECT_EQ(sprite.numRows, 1);
    std::string next;
    in >> next;
    EXPECT_EQ(next, "End");
}

TEST(SavedBlocks, SpriteGridCountTooLargeForAnIntStopsTheReadWithAUsableGrid)
{
    std::istringstream in("Wall.png Color 1 1 1 Transparency 1 NumColumns 99999999999999999999 NumRows 2");
    Sprite sprite;
    sprite.numColumns = 3;
    sprite.Deserialize(in);
    EXPECT_TRUE(in.fail());
    EXPECT_EQ(sprite.numColumns, 1);
    EXPECT_NO_THROW(sprite.Init());
}

TEST(SavedBlocks, SpriteRunPastItsSheetIsKeptInsideIt)
{
    // One row of six frames: a start of INT_MAX wraps to frame 1, and the run is cut to end
    // on frame 5.
    std::istringstream in("Girl_1x6.png Color 1 1 1 Transparency 1 NumColumns 6 NumRows 1 AnimationDelay 0 "
                          "AnimateFlag 1 StartFrame 2147483647 AnimationCount 2147483647 FlipX 0 FlipY 0 "
                          "LightAffected 1 End");
    Sprite sprite;
    sprite.Deserialize(in);
    ASSERT_FALSE(in.fail());
    EXPECT_EQ(sprite.startFrame, 1);
    EXPECT_EQ(sprite.animationCount, 4);

    sprite.Init();
    std::vector<int> columns;
    for (int i = 0; i < 6; ++i) {
        sprite.Update(0.016f);
        columns.push_back(sprite.GetShownCell().column);
        EXPECT_GE(sprite.currentFrame, 1);
        EXPECT_LE(sprite.currentFrame, 5);
    }
    EXPECT_EQ(columns, (std::vector<int>{2, 3, 4, 5, 1, 2}));

    // A negative run reads as the frame it shows, with no steps.
    std::istringstream negative("A_2x2.png Color 1 1 1 Transparency 1 NumColumns 2 NumRows 2 AnimationDelay 0 "
                                "AnimateFlag 1 StartFrame -1 AnimationCount -7 FlipX 0 FlipY 0 LightAffected 1");
    Sprite other;
    other.Deserialize(negative);
    EXPECT_EQ(other.startFrame, 3);
    EXPECT_EQ(other.animationCount, 0);
}

TEST(SavedBlocks, LightSourceKeepsEveryKeyButTheColourAlpha)
{
    LightSource light(15.0f);
    light.Enabled = false;
    light.HalfAngle = 0.5235988f;
    light.Position = Vector3(12.5f, -3.0f, 1.0f);
    light.HardLightRatio = 0.4f;
    light.MinimumBrightness = 0.0f;
    light.CutoffDistance = 30.0f;
    light.Colour = Vector4(1.0f, 0.5f, 0.25f, 0.3f);

    LightSource loaded(15.0f);
    loaded.Colour.w = 0.9f;
    gLightsDirty = false;
    const auto texts = RoundTrip(light, loaded);
    EXPECT_EQ(texts.first, texts.second);
    EXPECT_EQ(texts.first,
              "LightSource\nEnabled\n0\nHalfAngle\n0.523599\nPosition\n12.5 -3 1\nHardLightRatio\n0.4\n"
              "MinimumBrightness\n0\nCutoffDistance\n30\nColour\n1 0.5 0.25\n");
    EXPECT_TRUE(gLightsDirty);
    EXPECT_FALSE(loaded.Enabled);
    EXPECT_FLOAT_EQ(loaded.CutoffDistance, 30.0f);
    EXPECT_FLOAT_EQ(loaded.Colour.w, 0.9f);
}

TEST(SavedBlocks, LightSourceColourOnA255ScaleMarksTheLightsChanged)
{
    LightSource light(15.0f);
    gLightsDirty = false;
    light.SetColour(Vector3(255.0f, 128.0f, 0.0f));
    EXPECT_TRUE(gLightsDirty);
    EXPECT_FLOAT_EQ(light.GetColour().x, 1.0f);
    EXPECT_FLOAT_EQ(light.GetColour().y, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(light.GetColour().z, 0.0f);
}

TEST(SavedBlocks, RendererKeepsItsFlagAndTheReaderGoesOn)
{
    Renderer renderer;
    renderer.castsShadow = true;
    Renderer loaded;
    const auto texts = RoundTrip(renderer, loaded);
    EXPECT_EQ(texts.first, texts.second);
    EXPECT_EQ(texts.first, "Renderer\nCasts Shadow\n1\n");
    EXPECT_TRUE(loaded.castsShadow);

    std::istringstream in("Casts Shadow 0\nEnd\n");
    loaded.Deserialize(in);
    EXPECT_FALSE(loaded.castsShadow);
    std::string next;
    in >> next;
    EXPECT_EQ(next, "End");
}

}  // namespace
