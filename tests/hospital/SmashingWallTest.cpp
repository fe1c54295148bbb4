// The east wing of floor 1 on the shipped level: the crushing walls and the painting.
#include "events/PaintTrigger.h"
#include "events/PortraitEvent.h"
#include "events/SmashingWallTrigger.h"
#include "graphics/Sprite.h"
#include "hospital/WingRig.h"

namespace hospital {
namespace {

using namespace floor1wings;

class SmashingWallTest : public WingTest {
protected:
    bool RoomDone() { return Object("SmashingTrigger") && Trigger().completed; }
    SmashingWallTrigger& Trigger()
    {
        for (const auto& object : {"SmashingTrigger", "SmashingWallL", "SmashPlayerStop"})
            if (const auto o = Object(object))
                if (const auto script = o->GetComponent<SmashingWallTrigger>())
                    return *script;
        throw std::runtime_error("no SmashingWallTrigger in the level");
    }
};

TEST_F(SmashingWallTest, TheWingPlaysFromTheHubDoorBackToTheHub)
{
    ArriveAt("Entrance1-7link");
    PlaySmashingWing(*this);
    EXPECT_TRUE(Trigger().completed);
    EXPECT_TRUE(Object("PaintTrigger")->GetComponent<PaintTrigger>()->completed);
    EXPECT_TRUE(Object("Portrait")->GetComponent<PortraitEvent>()->completed);
    EXPECT_EQ(CountPlays("scare_sting"), 1);
    EXPECT_FLOAT_EQ(Alpha("Piece1Icon"), 0.0f) << "the pipe stays between the walls";
}

TEST_F(SmashingWallTest, WallsCrushHimOnTheTrailAndStopShortOfTheSafeSpot)
{
    ArriveAt("Entrance1-7link");
    WalkTo(*this, 310, -229);
    WalkAxis(*this, false, -245.5, true);
    ReadNext(*this, "This room seems fishy...");
    // Standing in front of the walls is safe.
    WalkAxis(*this, true, 322);
    Step(60);
    EXPECT_FALSE(Controller().dying);
    // Further down the trail the walls spring and meet on him.
    Hold("ACTION_DOWN");
    const bool crushed = StepUntil([&] { return Controller().dying; }, 5.0f);
    Let("ACTION_DOWN");
    ASSERT_TRUE(crushed) << "he walked the trail at (" << PlayerPosition().x << ", " << PlayerPosition().y << ")";
    EXPECT_GE(CountPlays("wall_smash"), 1);
    EXPECT_GT(PlayerPosition().y, -265.0f) << "he got past the walls";
}

TEST_F(SmashingWallTest, ASaveInTheHallAfterTheClothesLeavesThePipeToFinishWith)
{
    ArriveAt("Entrance1-7link");
    JamWallsWithClothes(*this);
    // Back up to the hall's checkpoint, outside the half-done room.
    WalkAxis(*this, true, 310);
    WalkTo(*this, 310, -228);
    WalkTo(*this, 312, -226.2);
    SaveAtCheckpointAndContinue("EastWingCheckpoint");
    ASSERT_FALSE(Trigger().completed);
    EXPECT_TRUE(Trigger().PipeCanPick);
    // The pipe lies where it fell; the rest of the wing plays on.
    WalkTo(*this, 310, -236);
    JamWallsWithPipe(*this);
    SeePaintingAndLeave(*this);
    EXPECT_TRUE(Trigger().completed);
}

TEST_F(SmashingWallTest, APipeCarriedThroughASaveStillShowsOnTheIcon)
{
    // Every room that shares the icon reads the reloaded world; none may hide what he carries.
    ArriveAt("Entrance1-7link");
    JamWallsWithClothes(*this);
    WalkTo(*this, 322, -239.8);
    Interact(*this);
    Answer(true);
    WalkAxis(*this, false, -242);
    WalkAxis(*this, true, 310);
    WalkTo(*this, 310, -228);
    WalkTo(*this, 312, -226.2);
    SaveAtCheckpointAndContinue("EastWingCheckpoint");
    Step(5);
    EXPECT_GT(Alpha("Piece1Icon"), 0.5f);
    EXPECT_EQ(Object("Piece1Icon")->GetComponent<Sprite>()->textureName, "Pipe.png");
    WalkTo(*this, 310, -236);
    WalkTo(*this, 322, -251.5);
    Interact(*this);
    Answer(true);
    ReadNext(*this, "I think I'm safe now...");
    EXPECT_TRUE(Trigger().completed);
}

}  // namespace
}  // namespace hospital
