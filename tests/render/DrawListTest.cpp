// The draw keeps what it reads of the object list between frames: whatever changes between two
// frames (a place, a scale, a component, the list itself) shows on the next one.
#include "RenderFixture.h"

#include "graphics/Sprite.h"

namespace rendertest {
namespace {

const Rgba kRed{255, 0, 0, 255};
const Rgba kWhite{255, 255, 255, 255};
const Rgba kClear{0, 0, 0, 0};

TEST_F(RenderTest, WhatChangesBetweenFramesShowsOnTheNext)
{
    Start();
    AddCamera();
    // Off screen (the view is 400 x 300 round the origin), then moved in as a script moves things.
    auto moved = AddSprite("Moved", "Red.png", 1000.0f, 0.0f, 1.0f, 40.0f, 40.0f);
    // Beyond the right edge while small; grown, it reaches in.
    auto grown = AddSprite("Grown", "White.png", 260.0f, 0.0f, 1.0f, 10.0f, 10.0f);
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 0.0f), kClear);
    EXPECT_EQ(PixelAt(170.0f, 0.0f), kClear);

    moved->GetComponent<Transform>()->position.x = 0.0f;
    grown->GetComponent<Transform>()->scale.x = 200.0f;
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 0.0f), kRed);
    EXPECT_EQ(PixelAt(170.0f, 0.0f), kWhite);

    // A sprite given to an object already listed, straight into its list as the level reader does.
    auto plain = std::make_shared<GameObject>("Plain", 4, 0);
    plain->AddComponent(std::make_shared<Transform>(-100.0f, 0.0f, 1.0f, 40.0f, 40.0f), Transform::kTypeId);
    AddObject(plain);
    DrawFrame();
    EXPECT_EQ(PixelAt(-100.0f, 0.0f), kClear);
    auto sprite = std::make_shared<Sprite>();
    sprite->texture = gTextureSystem->GetTexture("White.png");
    sprite->SetTexture("White.png");
    plain->components.push_back(sprite);
    sprite->SetOwner(plain.get());
    DrawFrame();  // sets its quad up; it shows from the next frame on
    DrawFrame();
    EXPECT_EQ(PixelAt(-100.0f, 0.0f), kWhite);

    // Gone from the list, and another object in its place: only the new one draws.
    DestroyAll();
    AddCamera();
    AddSprite("After", "Red.png", 100.0f, 0.0f, 1.0f, 40.0f, 40.0f);
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 0.0f), kClear);
    EXPECT_EQ(PixelAt(100.0f, 0.0f), kRed);
}

TEST_F(RenderTest, ASpriteWithoutTextureTakesTheOneBeforeItEvenOffScreen)
{
    Start();
    AddCamera();
    AddSprite("White", "White.png", 0.0f, 100.0f, 1.0f, 40.0f, 40.0f);
    AddSprite("RedFarAway", "Red.png", 2000.0f, 0.0f, 2.0f, 40.0f, 40.0f);
    auto bare = AddSprite("Bare", "White.png", 0.0f, 0.0f, 3.0f, 40.0f, 40.0f);
    bare->GetComponent<Sprite>()->texture = nullptr;
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 100.0f), kWhite);
    EXPECT_EQ(PixelAt(0.0f, 0.0f), kRed);
}

}  // namespace
}  // namespace rendertest
