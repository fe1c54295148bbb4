// The flame room and the portrait room on the shipped level: the lighter, the escape, the dead
// end, the deaths and the right portrait that ends the game.
#include <gtest/gtest.h>

#include "engine/SceneSystem.h"
#include "hospital/Floor2RoomsRig.h"

namespace floor2 {
namespace {

using namespace floor2route;

class FlameRoomTest : public Floor2RoomsTest {
protected:
    std::shared_ptr<FlameRoom> Flame() { return FlameScript(R()); }
    void ArriveFromChemicalDoor() { Put(67.0f, 54.0f); }
    void LightTheLeak(bool yes)
    {
        Put(84.0f, 58.0f);
        Tap("ACTION_INTERACT");
        Answer(yes);
        Step(2);
    }
    void Escape()
    {
        Put(100.0f, 51.0f);
        Hold("ACTION_RIGHT");
        StepUntil([&] { return Flame()->escapeTriggered; }, 3.0f);
        Let("ACTION_RIGHT");
        ASSERT_TRUE(ReadUntil(R(), [&] { return Flame()->escaped && !Controller().playerLocked; }, 15.0f));
    }
    void TryPortrait(int number)
    {
        Put(139.0f + 6.0f * static_cast<float>(number - 1), 94.2f);
        Tap("ACTION_INTERACT");
    }
};

TEST_F(FlameRoomTest, BeforeTheFireTheCorridorIsOnlyAWayToAnEmptyRoom)
{
    ArriveFromChemicalDoor();
    Put(100.0f, 51.0f);
    Hold("ACTION_RIGHT");
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportActive; }, 5.0f)) << "the corridor's door";
    Let("ACTION_RIGHT");
    EXPECT_FALSE(Flame()->escapeTriggered);
    ASSERT_TRUE(ArrivedNear(R(), 135.5f, 88.0f));
    TryPortrait(3);
    Step(30);
    EXPECT_FALSE(DialogueOpen()) << "the portraits wait for the fire";
    // And back through the door he came in by.
    Put(134.0f, 88.0f);
    Hold("ACTION_LEFT");
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportActive; }, 2.0f));
    Let("ACTION_LEFT");
    ASSERT_TRUE(ArrivedNear(R(), 112.0f, 51.0f));
}

TEST_F(FlameRoomTest, TheFireTheRunAndADeadEndThenTheRightPortraitEndsTheGame)
{
    ArriveFromChemicalDoor();
    LightTheLeak(false);
    EXPECT_FALSE(Flame()->fireLit) << "a no leaves it unlit";
    LightTheLeak(true);
    ASSERT_TRUE(Flame()->fireLit);
    EXPECT_EQ(Alpha("FlammableLeak"), 1.0f) << "the fire shows";
    EXPECT_EQ(CountPlays("fire_ignite"), 1);

    Escape();
    EXPECT_NEAR(TransformOf("FinalSurg").position.x, 67.0f, 0.01f) << "the surgeon came in behind him";
    EXPECT_NEAR(TransformOf("FinalFalseWall").position.x, 131.2f, 0.01f) << "the way back is a wall now";
    EXPECT_GT(TransformOf("Exit2-12").position.x, 1000.0f);
    EXPECT_EQ(CountPlays("door_banging"), 1);

    // The wall only talks before the dead end.
    Put(133.2f, 88.0f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Controller().dialogueLines[0].text, "He is just behind this door, got to find another way out.");
    ReadAll();

    TryPortrait(2);
    ASSERT_TRUE(ReadUntil(R(), [&] { return Flame()->deadEndSeen && !Flame()->wrongPortraitActive; }, 6.0f));
    EXPECT_FALSE(Controller().dying);
    EXPECT_NE(RequestedScene(), SceneId::Ending);

    TryPortrait(3);
    ASSERT_TRUE(ReadUntil(R(), [&] { return RequestedScene() == SceneId::Ending; }, 10.0f));
}

TEST_F(FlameRoomTest, AfterTheDeadEndAnotherWrongPortraitOrTheWallKills)
{
    ArriveFromChemicalDoor();
    LightTheLeak(true);
    Escape();
    TryPortrait(1);
    ASSERT_TRUE(ReadUntil(R(), [&] { return !Flame()->wrongPortraitActive; }, 6.0f));
    TryPortrait(4);
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 3.0f));
}

TEST_F(FlameRoomTest, TheWallKillsOnceTheDeadEndIsKnown)
{
    ArriveFromChemicalDoor();
    LightTheLeak(true);
    Escape();
    TryPortrait(4);
    ASSERT_TRUE(ReadUntil(R(), [&] { return !Flame()->wrongPortraitActive; }, 6.0f));
    Put(134.0f, 88.0f);
    Hold("ACTION_LEFT");
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 2.0f)) << "touching the wall now kills";
    Let("ACTION_LEFT");
}

}  // namespace
}  // namespace floor2
