// The looping hallway of floor 2 on the shipped level: four laps, the bear, the way on.
#include "events/GirlStory.h"
#include "events/LoopingHallwayEvent.h"
#include "graphics/Sprite.h"
#include "hospital/Floor2Rig.h"
#include "physics/Collider.h"

namespace hospital {
namespace {

using namespace floor2hub;

class LoopingHallwayTest : public Floor2Test {
protected:
    LoopingHallwayEvent& Hallway() { return Script<LoopingHallwayEvent>("F2LoopScript"); }
};

TEST_F(LoopingHallwayTest, FromTheLandingFourLapsThenTheTornBearLetsHimOnToTheWard)
{
    Start();
    PutPlayer(kLandingX, kLandingY);
    PlayFloor2Arrival(*this);
    EXPECT_NEAR(PlayerPosition().x, At("Entrance2-1link").x, 0.3f);
    PlayLoopingHallway(*this, true);
    EXPECT_TRUE(Hallway().completed);
    EXPECT_EQ(Hallway().loopCount, 4);
    EXPECT_EQ(CountPlays("hallway"), 1) << "the hallway music starts once";
    EXPECT_EQ(CountPlays("bear_growl"), 1);
    EXPECT_EQ(Object("EmoBearL2")->GetComponent<Sprite>()->textureName, "decapitatedRegularBear_1x1.png");
    EXPECT_TRUE(Hidden("EmoBearL2Block"));
    EXPECT_TRUE(Hidden("EntranceLoop"));
    // Through the door the ward's arrival plays its sound once.
    EXPECT_EQ(CountPlays("door_banging"), 1);
}

TEST_F(LoopingHallwayTest, TheBearTalksTheWayBackResetsTheLapsAndAMovedBearLetsHimPass)
{
    Start();
    PutPlayer("Entrance2-1link");
    // The bear by the wall speaks; it is not yet in the way.
    WalkAxis(*this, true, -75.0f);
    Interact(*this);
    ReadNext(*this, "Hello there, I don't like being alone...");
    WalkAxis(*this, true, -83.0f);

    WalkOneLap(*this, 1, "Huh?");
    WalkOneLap(*this, 2, "");
    ASSERT_EQ(Hallway().loopCount, 2);
    // Turning back: the count starts over and he wonders about the hallway.
    Hold("ACTION_LEFT");
    ASSERT_TRUE(StepUntil([&] { return DialogueOpen(); }, 5.0f));
    Let("ACTION_LEFT");
    EXPECT_EQ(FirstLine(*this), "...?");
    EXPECT_EQ(Hallway().loopCount, 0);
    ReadAll(*this);
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 3.0f));
    WalkAxis(*this, true, -83.0f);

    // Four laps again: only the third lap's lines are still to come. The bear blocks, is spared,
    // then moved.
    WalkOneLap(*this, 1, "");
    WalkOneLap(*this, 2, "");
    WalkOneLap(*this, 3, "...");
    WalkOneLap(*this, 4, "");
    PassTheBear(*this, false);
    EXPECT_TRUE(Hallway().completed);
    EXPECT_NEAR(At("EmoBearL2").y, 176.25f, 0.01f);
    EXPECT_FLOAT_EQ(Object("EmoBearL2Block")->GetComponent<Collider>()->scale.y, 1.0f);
    EXPECT_EQ(Object("EmoBearL2")->GetComponent<Sprite>()->textureName, "EmoBear.png");
    EXPECT_NEAR(PlayerPosition().x, At("Entrance2-2link").x, 0.3f);
}

TEST_F(LoopingHallwayTest, ASaveWithTheBearInTheWayStillLetsHimDealWithIt)
{
    Start();
    PutPlayer("Entrance2-1link");
    const char* const said[4] = {"Huh?", "", "...", ""};
    for (int lap = 1; lap <= 4; ++lap)
        WalkOneLap(*this, lap, said[lap - 1]);
    ASSERT_TRUE(WalkIntoBear(*this));
    // Back to the landing's save point, the bear still in the hallway.
    SaveAtCheckpointAndContinue("Floor2Checkpoint");
    EXPECT_FALSE(Hallway().completed);
    PutPlayer("Entrance2-1link");
    PassTheBear(*this, true);
    EXPECT_TRUE(Hallway().completed);

    // The lap count itself is not kept: a save before the bear only means walking the laps again.
    SaveAtCheckpointAndContinue("Floor2Checkpoint");
    EXPECT_TRUE(Hallway().completed);
    EXPECT_TRUE(Hidden("EmoBearL2Block"));
}

}  // namespace
}  // namespace hospital
