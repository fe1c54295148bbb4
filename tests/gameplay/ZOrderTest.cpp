// Depth zones around props: the player sprite drawn in front of or behind the prop.
#include <gtest/gtest.h>

#include "gameplay/GameController.h"
#include "gameplay/ZOrder.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

namespace {

constexpr float kHome = 1.0f;  // the player sprite's depth in the rig

class ZOrderTest : public GameplayHarness {
protected:
    // A prop at depth z and its zone, a child object of the given box at (x, y).
    void AddProp(const std::string& name, float z, float x, float y, float width, float height)
    {
        GameObject& prop = AddLevelObject(name, 4);
        GiveTransform(prop, x, y, z);
        AddZone(name + "Zone", name, x, y, width, height);
    }
    void AddZone(const std::string& name, const std::string& parent, float x, float y, float width, float height)
    {
        GameObject& zone = AddLevelObject(name, 4, parent);
        GiveTransform(zone, x, y, 0.0f);
        GiveBox(zone, width, height);
        auto order = std::make_shared<ZOrder>();
        zone.components.push_back(order);
        order->SetOwner(&zone);
    }
    void Start()
    {
        StartBuiltLevel();
        StepSeconds(1.1f);
    }
    // Puts the player (and his sprite) at (x, y) and lets the zones see it.
    void PlaceAt(float x, float y)
    {
        TransformOf("Player").SetPosition(Vector2(x, y));
        Step(2);
    }
    float SpriteDepth() const { return TransformOf("PlayerSprite").GetPosition().z; }
    int Count() const { return Controller().zOrderCount; }
};

TEST_F(ZOrderTest, TheSpriteGoesInFrontBelowTheLineBehindAboveItAndHomeOutside)
{
    BuildPlayerRig();
    AddProp("Bed", 2.0f, 10.0f, 0.0f, 4.0f, 4.0f);
    Start();
    EXPECT_EQ(SpriteDepth(), kHome);

    PlaceAt(10.0f, 0.0f);
    EXPECT_EQ(Count(), 1);
    EXPECT_FLOAT_EQ(SpriteDepth(), 2.01f) << "on the line counts as in front";
    PlaceAt(10.0f, 1.0f);
    EXPECT_FLOAT_EQ(SpriteDepth(), 1.99f);
    PlaceAt(10.0f, -1.0f);
    EXPECT_FLOAT_EQ(SpriteDepth(), 2.01f);
    EXPECT_EQ(Count(), 1);

    PlaceAt(0.0f, 0.0f);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(SpriteDepth(), kHome);

    // Entering from above while already drawn below the prop leaves him there; walking down
    // across the line brings him in front.
    PlaceAt(10.0f, 1.5f);
    EXPECT_EQ(SpriteDepth(), kHome);
    Hold("ACTION_DOWN");
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().y <= 0.0f; }));
    Let("ACTION_DOWN");
    Step();
    EXPECT_FLOAT_EQ(SpriteDepth(), 2.01f);
}

TEST_F(ZOrderTest, NestedZonesRestoreTheHomeDepthOnlyWhenTheLastIsLeft)
{
    BuildPlayerRig();
    // A low cart and a tall trolley whose zones overlap between x 10 and 12.
    AddProp("Cart", 0.5f, 6.0f, 0.0f, 12.0f, 4.0f);
    AddProp("Trolley", 3.0f, 16.0f, 0.0f, 12.0f, 4.0f);
    Start();

    // Entering the cart's zone above its line puts him behind it at once.
    PlaceAt(6.0f, 1.0f);
    EXPECT_EQ(Count(), 1);
    EXPECT_FLOAT_EQ(SpriteDepth(), 0.49f);
    PlaceAt(11.0f, 1.0f);
    EXPECT_EQ(Count(), 2);
    EXPECT_FLOAT_EQ(SpriteDepth(), 0.49f) << "already behind the trolley: left alone";

    // Out of the cart's zone only: the depth stays what the zones made it.
    PlaceAt(14.0f, 1.0f);
    EXPECT_EQ(Count(), 1);
    EXPECT_FLOAT_EQ(SpriteDepth(), 0.49f);
    PlaceAt(14.0f, -1.0f);
    EXPECT_FLOAT_EQ(SpriteDepth(), 3.01f);
    PlaceAt(40.0f, 0.0f);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(SpriteDepth(), kHome);

    // Entered and left in the other order, the counter ends at zero again.
    PlaceAt(16.0f, 0.0f);
    PlaceAt(11.0f, 0.0f);
    EXPECT_EQ(Count(), 2);
    PlaceAt(6.0f, 0.0f);
    EXPECT_EQ(Count(), 1);
    PlaceAt(-10.0f, 0.0f);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(SpriteDepth(), kHome);
}

TEST_F(ZOrderTest, AZoneWithoutAPropOrWithAPropWithoutATransformDoesNothing)
{
    BuildPlayerRig();
    AddZone("LooseZone", "None", 0.0f, 0.0f, 4.0f, 4.0f);
    AddLevelObject("Shadow", 4);
    AddZone("ShadowZone", "Shadow", 0.0f, 0.0f, 4.0f, 4.0f);
    Start();
    PlaceAt(0.0f, 1.0f);
    PlaceAt(0.0f, -1.0f);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(SpriteDepth(), kHome);
    PlaceAt(20.0f, 0.0f);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(SpriteDepth(), kHome);
}

}  // namespace
