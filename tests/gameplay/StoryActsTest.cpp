// The story scripts' acts where two rooms once meant different things by one name.
#include <gtest/gtest.h>

#include <memory>

#include "events/StoryActs.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "objects/TransformContext.h"
#include "objects/ObjectTestHelpers.h"

using namespace StoryActs;

namespace {

class StoryActsTest : public ObjectListTest
{
protected:
    void TearDown() override
    {
        ResetTransformContext();
        ObjectListTest::TearDown();
    }
    std::shared_ptr<GameObject> PlacedAt(float x, float y)
    {
        std::shared_ptr<GameObject> object = MakeListed("Thing");
        object->AddComponent(std::make_shared<Transform>(x, y, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
        return object;
    }
    std::shared_ptr<Sprite> GiveSprite(const std::shared_ptr<GameObject>& object)
    {
        auto sprite = std::make_shared<Sprite>("Old_1x1.png");
        object->components.push_back(sprite);
        sprite->SetOwner(object.get());
        return sprite;
    }
};

}  // namespace

TEST_F(StoryActsTest, ThePutAwaySpotIsOutOfPlayButNotHidden)
{
    const auto putAway = PlacedAt(kHidden, 1000.0f);
    EXPECT_TRUE(IsOutOfPlay(putAway));
    EXPECT_FALSE(IsHidden(putAway));

    const auto hidden = PlacedAt(3.0f, 4.0f);
    Hide(hidden);
    EXPECT_TRUE(IsOutOfPlay(hidden));
    EXPECT_TRUE(IsHidden(hidden));

    const auto below = PlacedAt(0.0f, kHidden);
    EXPECT_FALSE(IsOutOfPlay(below));
    EXPECT_FALSE(IsHidden(below));

    const auto bare = MakeListed("NoTransform");
    EXPECT_FALSE(IsOutOfPlay(bare) || IsHidden(bare) || IsOutOfPlay(nullptr) || IsHidden(nullptr));
}

TEST_F(StoryActsTest, OnlyTheSavedSwapChangesTheNameASaveWrites)
{
    const auto object = PlacedAt(0.0f, 0.0f);
    const auto sprite = GiveSprite(object);
    SwapPicture(object, "Picture_1x1.png");
    EXPECT_EQ(sprite->textureName, "Old_1x1.png");
    SwapSavedTexture(object, "New_1x1.png");
    EXPECT_EQ(sprite->textureName, "New_1x1.png");

    ShowIcon(object, "Icon_1x1.png");
    EXPECT_TRUE(IconShows(object, "Icon_1x1.png"));
    HideIcon(object);
    EXPECT_FALSE(IconShows(object, "Icon_1x1.png"));
    SwapPicture(nullptr, "Picture_1x1.png");
    SwapSavedTexture(nullptr, "Picture_1x1.png");
}
