// The mirror rooms beyond the family-tree room, on the shipped level.
#include "events/FamilyTreeRoomEvent.h"
#include "events/IdenticalRoomEvent.h"
#include "events/StoryActs.h"
#include "graphics/Sprite.h"
#include "hospital/Floor2Rig.h"

namespace hospital {
namespace {

using namespace floor2hub;

class MirrorRoomsTest : public Floor2Test {
protected:
    IdenticalRoomEvent& Room() { return Script<IdenticalRoomEvent>("SymmetryTable"); }
    void ExpectDoorOpen()
    {
        EXPECT_EQ(Object("SymmetryDoorL2")->objectType, 999);
        EXPECT_EQ(Object("SymmetryDoorL2")->GetComponent<Sprite>()->textureName, "DoorOpenv2_1x1.png");
        EXPECT_TRUE(Hidden("SymmetryDoorL2Block"));
    }
};

TEST_F(MirrorRoomsTest, AHalfMadeRoomDoesNothingTheWholeChangeOpensTheDoorToTheBag)
{
    Start();
    PutPlayer("Entrance2-7link");
    MirrorFirstHalf(*this);
    EXPECT_TRUE(Room().medicineCorrect);
    EXPECT_FALSE(Room().bearComplete);
    // Block A and the curtain are still missing.
    PullSwitch(*this, "Hmm... nothing happened.");
    EXPECT_EQ(Object("SymmetryDoorL2")->objectType, 4);
    EXPECT_FALSE(Hidden("SymmetryDoorL2Block"));
    // The locked door keeps him out of the closet.
    WalkToVertFirst(*this, -276.0f, 69.0f);
    EXPECT_FALSE(TryWalkAxis(*this, true, -286.0f, 3.0f));
    Tap("ACTION_RIGHT");

    MirrorSecondHalf(*this);
    EXPECT_TRUE(Room().bearComplete);
    EXPECT_TRUE(Room().curtainMoved);
    EXPECT_NEAR(At("SymmetryCurtainsL").x, IdenticalRoomEvent::kCurtainX, 0.01f);
    EXPECT_NEAR(At("SymmetryBearAreaR").x, IdenticalRoomEvent::kBearX, 0.01f);
    ExpectDoorOpen();
    EXPECT_EQ(CountPlays("door_unlock"), 1);
    EXPECT_EQ(CountPlays("switch_click"), 2);
    EXPECT_EQ(CountPlays("item_place"), 2);
    // The family-tree room's script took the bag, and the door back led into that room.
    EXPECT_TRUE(Hidden("SymmetryWater"));
    EXPECT_TRUE(Script<FamilyTreeRoomEvent>("FamilyTree").hasWater2);
    EXPECT_TRUE(StoryActs::IconShows(Object("Piece2Icon"), "IVBagIcon_1x1.png"));
    EXPECT_NEAR(PlayerPosition().x, At("Exit2-7link").x, 0.3f) << "he is not back in the family-tree room";
    EXPECT_NEAR(PlayerPosition().y, At("Exit2-7link").y, 0.3f) << "he is not back in the family-tree room";
}

TEST_F(MirrorRoomsTest, TheBagStandsWhereTheOpenedDoorLetsHimReachIt)
{
    Start();
    // The room laid out solved, as a finished save has it.
    Room().completed = true;
    Step();
    ExpectDoorOpen();
    PutPlayer("MirrorHallDoorlink");
    WalkToVertFirst(*this, -286.0f, 69.0f);
    const Vector3 bag = TransformOf("SymmetryWater").GetPosition();
    EXPECT_NEAR(PlayerPosition().x, bag.x, 0.6f);
    EXPECT_NEAR(PlayerPosition().y, bag.y, 0.6f);
}

TEST_F(MirrorRoomsTest, ASaveWithABlockInHandAndOnePlacedLeavesTheRoomToFinish)
{
    Start();
    PutPlayer("Entrance2-7link");
    MirrorFirstHalf(*this);
    WalkToVertFirst(*this, -275.0f, 70.0f);
    WalkAxis(*this, false, 76.0f);
    TakeBlock(*this, "Picked up BlockA.");
    // Out to the hall's save point, block A in hand.
    WalkToVertFirst(*this, -241.0f, 70.0f);
    WalkAxis(*this, false, 76.0f);
    GoThroughDoor(*this, "MirrorRoomDoor", "ACTION_UP");
    SaveAtCheckpointAndContinue("MirrorCheckpoint");
    Step();
    EXPECT_TRUE(Room().holdingBlockA);
    EXPECT_TRUE(Room().medicineCorrect);
    EXPECT_FALSE(Hidden("SymmetryBearAreaR2B"));

    PutPlayer("MirrorHallDoorlink");
    WalkToVertFirst(*this, -237.4f, 70.0f);
    WalkAxis(*this, false, 72.8f);
    PlaceBlock(*this);
    EXPECT_TRUE(Room().bearComplete);
    WalkToVertFirst(*this, -269.0f, 70.0f);
    WalkAxis(*this, false, 64.5f);
    Interact(*this);
    Answer(true);
    ASSERT_TRUE(StepUntil([&] { return Room().curtainMoved && !Controller().playerLocked; }, 4.0f));
    WalkAxis(*this, false, 70.0f);
    PullSwitch(*this, "It sounds like a door opened.");
    ExpectDoorOpen();
}

}  // namespace
}  // namespace hospital
