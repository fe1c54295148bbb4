// The bear room off the girl's ward, on the shipped level.
#include "events/BearCounter.h"
#include "gameplay/GameController.h"
#include "hospital/Floor2Rig.h"

namespace hospital {
namespace {

using namespace floor2hub;

class BearRoomTest : public Floor2Test {
protected:
    BearCounter& Bears() { return Script<BearCounter>("F2BearRoomScript"); }
};

TEST_F(BearRoomTest, FourBearsSpeakAndCountOnceEachAndTheThirdBringsTheWriting)
{
    Start();
    PutPlayer("Exit2-5link");
    EXPECT_EQ(Alpha("TextOnWall"), 0.0f);
    PlayBearRoom(*this);
    EXPECT_FLOAT_EQ(Controller().bearCounter, 4.0f);
    EXPECT_EQ(CountPlays("toy_squeak"), 1);
    EXPECT_GE(Alpha("TextOnWall"), 1.0f);
    EXPECT_NEAR(PlayerPosition().x, At("Exit2-5link").x, 0.3f);

    // A bear heard again says its lines again and counts no more.
    GoThroughDoor(*this, "Entrance2-5", "ACTION_RIGHT");
    WalkTo(*this, 59.0f, 176.0f);
    Interact(*this);
    ReadNext(*this, "P L A Y  W I T H  M E");
    EXPECT_FLOAT_EQ(Controller().bearCounter, 4.0f);
    EXPECT_EQ(CountPlays("toy_squeak"), 1);
}

TEST_F(BearRoomTest, BearsCountedBeforeASaveAreNotCountedTwice)
{
    Start();
    PutPlayer("Entrance2-5link");
    WalkToVertFirst(*this, 46.0f, 184.5f);
    Interact(*this);
    ReadNext(*this, "I don't like being alone...");
    WalkTo(*this, 59.0f, 176.0f);
    Interact(*this);
    ReadNext(*this, "P L A Y  W I T H  M E");
    ASSERT_FLOAT_EQ(Controller().bearCounter, 2.0f);
    SaveAtCheckpointAndContinue("Floor2Checkpoint");
    Step();
    EXPECT_FLOAT_EQ(Controller().bearCounter, 2.0f);
    EXPECT_TRUE(Bears().counted[0] && Bears().counted[2]);
    PutPlayer("Exit2-5link");
    PlayBearRoom(*this);
    EXPECT_FLOAT_EQ(Controller().bearCounter, 4.0f);
}

}  // namespace
}  // namespace hospital
