// The Sprite component without a window: its quad stays in memory, so the texture
// coordinates it would upload can be read back directly.
#include <gtest/gtest.h>

#include <sstream>

#include "graphics/Mesh.h"
#include "graphics/Sprite.h"

namespace {

struct Rect
{
    float left, right, top, bottom;
};

// The rectangle the quad shows, read from the corners the draw uses (top-right, ...,
// top-left); the sprite's mesh must hold the same quad.
Rect Shown(const Sprite& sprite)
{
    const QuadCorners& v = sprite.corners;
    if (sprite.mesh) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(sprite.mesh->vertices[i].u, v[i].u) << "corner " << i;
            EXPECT_EQ(sprite.mesh->vertices[i].v, v[i].v) << "corner " << i;
        }
    }
    return Rect{v[Mesh::TopLeft].u, v[Mesh::TopRight].u, v[Mesh::TopRight].v, v[Mesh::BottomRight].v};
}

void ExpectRect(const Sprite& sprite, float left, float right, float top, float bottom)
{
    const Rect r = Shown(sprite);
    EXPECT_FLOAT_EQ(r.left, left);
    EXPECT_FLOAT_EQ(r.right, right);
    EXPECT_FLOAT_EQ(r.top, top);
    EXPECT_FLOAT_EQ(r.bottom, bottom);
}

std::shared_ptr<Sprite> SheetSprite(const std::string& name)
{
    auto sprite = std::make_shared<Sprite>();
    sprite->textureName = name;
    sprite->SetTexture(name);
    sprite->Init();
    return sprite;
}

TEST(SpriteFrames, SheetNameSetsTheGridAndFramesPlaceTheQuad)
{
    auto sprite = SheetSprite("Walk_2x4.png");
    ASSERT_TRUE(sprite->mesh);
    EXPECT_EQ(sprite->numRows, 2);
    EXPECT_EQ(sprite->numColumns, 4);
    EXPECT_EQ(sprite->frameCount, 8);
    ExpectRect(*sprite, 0.0f, 0.25f, 0.0f, 0.5f);

    sprite->SetFrame(6);
    EXPECT_EQ(sprite->row, 1);
    EXPECT_EQ(sprite->column, 2);
    ExpectRect(*sprite, 0.5f, 0.75f, 0.5f, 1.0f);

    // Past the last frame the row wraps to the top.
    sprite->SetFrame(9);
    ExpectRect(*sprite, 0.25f, 0.5f, 0.0f, 0.5f);

    // A broken sheet name is a single frame, never a division by zero.
    sprite->SetTexture("Broken_0x4.png");
    EXPECT_EQ(sprite->numRows, 1);
    EXPECT_EQ(sprite->numColumns, 1);
    ExpectRect(*sprite, 0.0f, 1.0f, 0.0f, 1.0f);
}

TEST(SpriteFrames, AnimationCyclesFromTheStartFrameAcrossRows)
{
    auto sprite = SheetSprite("Girl_2x3.png");
    sprite->animateFlag = true;
    sprite->animationDelay = 0.0f;
    sprite->SetFrame(2);
    sprite->animationCount = 3;

    // Frames 2, 3, 4, 5, 2, 3: frame 3 is the start of the second row.
    const std::vector<SpriteCell> expected = {{1, 0}, {1, 1}, {1, 2}, {0, 2}, {1, 0}};
    for (const SpriteCell& cell : expected) {
        sprite->Update(0.016f);
        EXPECT_EQ(sprite->GetShownCell().row, cell.row);
        EXPECT_EQ(sprite->GetShownCell().column, cell.column);
    }
    const Rect r = Shown(*sprite);
    EXPECT_NEAR(r.left, 0.0f, 1e-6f);
    EXPECT_NEAR(r.top, 0.5f, 1e-6f);

    // animationCount 0 keeps the start frame; the clock runs without animateFlag but shows nothing new.
    sprite->SetFrame(4);
    sprite->animationCount = 0;
    for (int i = 0; i < 3; ++i) {
        sprite->Update(0.016f);
        EXPECT_EQ(sprite->GetShownCell().row, 1);
        EXPECT_EQ(sprite->GetShownCell().column, 1);
    }
    sprite->animateFlag = false;
    sprite->animationCount = 2;
    sprite->Update(0.016f);
    EXPECT_EQ(sprite->GetShownCell().column, 1);
}

TEST(SpriteFrames, SetFrameKeepsTheRunInsideTheSheet)
{
    auto sprite = SheetSprite("Walk_2x4.png");
    sprite->animationCount = 6;
    sprite->SetFrame(2147483647);  // 2147483647 mod 8 = 7, the last frame
    EXPECT_EQ(sprite->startFrame, 7);
    EXPECT_EQ(sprite->currentFrame, 7);
    EXPECT_EQ(sprite->animationCount, 0);
    ExpectRect(*sprite, 0.75f, 1.0f, 0.5f, 1.0f);

    // Fields written directly past the sheet never step currentFrame past INT_MAX.
    sprite->animateFlag = true;
    sprite->startFrame = 2147483647 - 1;
    sprite->currentFrame = 2147483647 - 1;
    sprite->animationCount = 5;
    for (int i = 0; i < 3; ++i) {
        sprite->Animate();
        EXPECT_GE(sprite->currentFrame, sprite->startFrame);
    }
    EXPECT_EQ(sprite->currentFrame, 2147483647);
}

TEST(SpriteFrames, AnimationFollowsTheDelay)
{
    auto sprite = SheetSprite("Run_1x8.png");
    sprite->animateFlag = true;
    sprite->animationDelay = 0.5f;
    sprite->animationCount = 7;
    std::vector<int> columns;
    for (int frame = 0; frame < 7; ++frame) {
        sprite->Update(0.2f);
        columns.push_back(sprite->GetShownCell().column);
    }
    // Steps on the 1st, 4th and 7th update.
    EXPECT_EQ(columns, (std::vector<int>{1, 1, 1, 2, 2, 2, 3}));
}

TEST(SpriteFrames, FlipsMirrorOnceAndSurviveFrameChanges)
{
    auto sprite = SheetSprite("Door_1x2.png");
    sprite->SetFrame(1);
    ExpectRect(*sprite, 0.5f, 1.0f, 0.0f, 1.0f);

    sprite->SetFlip(true, false);
    sprite->SetFlip(true, false);
    ExpectRect(*sprite, 1.0f, 0.5f, 0.0f, 1.0f);
    EXPECT_TRUE(sprite->flipX);

    // A new frame keeps the mirroring the flags ask for.
    sprite->SetFrame(0);
    ExpectRect(*sprite, 0.5f, 0.0f, 0.0f, 1.0f);

    sprite->SetFlip(true, true);
    ExpectRect(*sprite, 0.5f, 0.0f, 1.0f, 0.0f);
    sprite->SetFlip(false, false);
    ExpectRect(*sprite, 0.0f, 0.5f, 0.0f, 1.0f);

    // Init shows the start frame mirrored as stored.
    auto loaded = std::make_shared<Sprite>();
    loaded->numColumns = 2;
    loaded->startFrame = 1;
    loaded->flipY = true;
    loaded->Init();
    ExpectRect(*loaded, 0.5f, 1.0f, 1.0f, 0.0f);
    EXPECT_TRUE(loaded->flipY);
    EXPECT_FALSE(loaded->flipX);
}

TEST(SpriteFrames, UpdateBeforeInitTouchesNoQuad)
{
    Sprite sprite;
    sprite.animateFlag = true;
    sprite.numColumns = 4;
    EXPECT_NO_THROW(sprite.Update(0.1f));
    EXPECT_FALSE(sprite.mesh);
}

}  // namespace
