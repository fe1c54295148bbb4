// The west wing of floor 1 on the shipped level: the operating table's instruments.
#include "events/OperatingPuzzle.h"
#include "graphics/Sprite.h"
#include "hospital/WingRig.h"

namespace hospital {
namespace {

using namespace floor1wings;

class OperatingRoomTest : public WingTest {
protected:
    OperatingPuzzle& Puzzle() { return *Object("OperatingTable")->GetComponent<OperatingPuzzle>(); }
    std::string IconPicture(const std::string& icon) { return Object(icon)->GetComponent<Sprite>()->textureName; }
};

TEST_F(OperatingRoomTest, TheRoomPlaysFromTheHubDoorBackToTheHub)
{
    ArriveAt("Entrance1-10link");
    PlayOperatingRoom(*this);
    EXPECT_TRUE(Puzzle().completed);
    EXPECT_FLOAT_EQ(Alpha("Piece1Icon"), 0.0f);
    EXPECT_FLOAT_EQ(Alpha("Piece2Icon"), 0.0f);
    // The shelves stand until the doll's rumble; the rubble waits under them.
    EXPECT_NEAR(TransformOf("OperationShelves").GetPosition().x, -130.78f, 0.01f);
}

TEST_F(OperatingRoomTest, InstrumentsTheWrongWayRoundOpenNothingUntilSwapped)
{
    ArriveAt("Entrance1-10link");
    WalkAxis(*this, false, -348);
    TakeFromFloor(*this, "TablePiece1", -114, -349, "Picked up Rusty Hacksaw.");
    UseSpot(*this, 2);
    WalkAxis(*this, false, -372);
    TakeFromFloor(*this, "TablePiece2", -147, -372, "Picked up Scissors.");
    UseSpot(*this, 1);
    StepSeconds(3.0f);
    EXPECT_EQ(FrameOf(*this, "OperatingTable"), 5);
    EXPECT_FALSE(Puzzle().completed);
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_LT(TransformOf("FalseDoor3").GetPosition().x, 0.0f) << "the false door went for the wrong order";
    // The hacksaw taken back from spot 2 and laid on spot 1 hands him the scissors there.
    UseSpot(*this, 2);
    EXPECT_EQ(FrameOf(*this, "OperatingTable"), 4);
    UseSpot(*this, 1);
    EXPECT_EQ(FrameOf(*this, "OperatingTable"), 6);
    EXPECT_GT(Alpha("Piece2Icon"), 0.5f) << "the scissors were not handed back";
    UseSpot(*this, 2);
    ReadNext(*this, "A secret room?", 20.0f);
    EXPECT_TRUE(Puzzle().completed);
}

TEST_F(OperatingRoomTest, CarriedInstrumentsShowTheirOwnPicturesAfterTheEastWing)
{
    // The icon that showed the pipe in the east wing shows the hacksaw here.
    ArriveAt("Entrance1-7link");
    PlaySmashingWing(*this);
    PutPlayer("Entrance1-10link");
    WalkAxis(*this, false, -348);
    TakeFromFloor(*this, "TablePiece1", -114, -349, "Picked up Rusty Hacksaw.");
    EXPECT_EQ(IconPicture("Piece1Icon"), "Hacksaw.png");
    EXPECT_GT(Alpha("Piece1Icon"), 0.5f);
}

TEST_F(OperatingRoomTest, ASaveInTheHallWithTheHacksawLaidLeavesTheRoomToFinish)
{
    ArriveAt("Entrance1-10link");
    WalkAxis(*this, false, -348);
    TakeFromFloor(*this, "TablePiece1", -114, -349, "Picked up Rusty Hacksaw.");
    UseSpot(*this, 1);
    WalkAxis(*this, false, -348);
    WalkAxis(*this, true, -137);
    WalkAxis(*this, false, -336);
    WalkAxis(*this, true, -146.2f);
    SaveAtCheckpointAndContinue("WestWingCheckpoint");
    ASSERT_FALSE(Puzzle().completed);
    WalkAxis(*this, true, -137);
    WalkAxis(*this, false, -348);
    WalkAxis(*this, false, -372);
    TakeFromFloor(*this, "TablePiece2", -147, -372, "Picked up Scissors.");
    WalkAxis(*this, true, -136.5);
    UseSpot(*this, 2);
    ReadNext(*this, "A secret room?", 20.0f);
    EXPECT_TRUE(Puzzle().completed);
}

}  // namespace
}  // namespace hospital
