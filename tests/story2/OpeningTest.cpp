// The nurse's opening, the bears and the small zones, played through the level scene.
#include <gtest/gtest.h>

#include <cmath>

#include "events/BearCounter.h"
#include "events/DollEyes.h"
#include "events/FamiliarDoll.h"
#include "events/NurseEvent.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/Sprite.h"
#include "story2/StoryRig.h"

using namespace testsupport;
using namespace story2;

namespace {

class NurseTest : public StoryTest, public ::testing::WithParamInterface<float> {
protected:
    void Build()
    {
        BuildPlayerRig();
        GameObject& nurse = AddLevelObject("Nurse", 5);
        GiveTransform(nurse, 3.0f, 0.0f, 1.0f);
        GiveSprite(nurse, "Nurse_2x5.png", 2, 5);
        GiveBox(nurse, 1.0f, 1.0f);
        Attach<NurseEvent>(nurse);
        Zone("StartingTrigger", 0.0f, 0.0f);
        Zone("StartingTrigger1", 0.0f, 20.0f);
        Zone("StartingTrigger2", 0.0f, 40.0f);
        Zone("StartingTrigger3", 0.0f, 60.0f);
        Zone("StartingTrigger4", 0.0f, 80.0f);
        GiveTransform(AddLevelObject("NurseWaypoint1", 4), 6.0f, 0.0f, 0.0f);
        GiveTransform(AddLevelObject("NurseWaypoint2", 4), 3.0f, -4.0f, 0.0f);
        GiveTransform(AddLevelObject("FalseCeiling", 4), 0.0f, 100.0f, 2.0f);
        GiveAudio(AddLevelObject("WorldBGM", 7), "None", false);
        GameObject& wall = AddLevelObject("Wall", 11);
        GiveTransform(wall, 50.0f, 50.0f);
        GiveSprite(wall, "Wall_1x1.png");
    }
    NurseEvent& Nurse() { return *Script<NurseEvent>("Nurse"); }
};

TEST_P(NurseTest, OpeningPlaysThroughAndTheWorldChangeRunsEachStepOnceWhateverTheFrame)
{
    Build();
    StartBuiltLevel();
    EXPECT_EQ(gAmbientLight, 0.0f);
    ASSERT_TRUE(DialogueOpen());
    EXPECT_EQ(Controller().dialogueLines.front().text, "Ugh...");
    ReadAll();

    // The way out before the last talk holds him and pushes him back; one press lets him go.
    PutPlayer(0.0f, 80.0f);
    EXPECT_TRUE(Controller().playerLocked);
    EXPECT_EQ(Alpha("ChatBox"), 1.0f);
    PutPlayer(0.0f, 70.0f);
    Tap("ACTION_INTERACT");
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_EQ(Alpha("ChatBox"), 0.0f);

    PutPlayer(0.0f, 20.0f);
    ReadAll();
    Step(2);
    EXPECT_TRUE(Nurse().walkingToWaypoint1);
    ASSERT_TRUE(StepUntil([&] { return !Nurse().walkingToWaypoint1; }, 5.0f));
    EXPECT_EQ(TransformOf("Nurse").position.x, 6.0f) << "she stops on her waypoint";

    PutPlayer(0.0f, 60.0f);
    ReadAll();
    Step(2);
    EXPECT_TRUE(Nurse().receptionDone);

    soundsPlayed.clear();
    PutPlayer(0.0f, 80.0f);
    const float dt = GetParam();
    for (int frame = 0; frame < 400 && !Nurse().awaitingTorch; ++frame)
        StepWith(dt);
    ASSERT_TRUE(Nurse().awaitingTorch);
    EXPECT_EQ(CountPlays("electricity"), 1);
    EXPECT_EQ(CountPlays("bgm1"), 1);
    EXPECT_EQ(Object("Nurse")->GetComponent<Sprite>()->frameCount, 1) << "the nurse turned";
    EXPECT_GT(TransformOf("Nurse").position.x, 9000.0f);
    EXPECT_TRUE(Player().showPrompt);
    EXPECT_FALSE(Player().canRun);

    Tap("ACTION_INTERACT");
    EXPECT_TRUE(Nurse().completed);
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_TRUE(Player().canRun);
    EXPECT_FLOAT_EQ(gAmbientLight, 0.2f);
    EXPECT_EQ(CountPlays("opening"), 1);

    SaveAndReload();
    Step();
    EXPECT_TRUE(Nurse().completed);
    EXPECT_FLOAT_EQ(gAmbientLight, 0.2f);
    EXPECT_TRUE(Player().canRun);
    EXPECT_FALSE(DialogueOpen()) << "a finished opening does not wake him again";
}

INSTANTIATE_TEST_SUITE_P(FrameLengths, NurseTest, ::testing::Values(1.0f / 60.0f, 1.0f, 0.0f + 0.35f));

class SmallRoomsTest : public StoryTest {};

TEST_F(SmallRoomsTest, EachBearCountsOnceAndAReloadDoesNotCountThemAgain)
{
    BuildPlayerRig();
    for (int i = 1; i <= 4; ++i) {
        GameObject& bear = Zone("HuggleBear" + std::to_string(i) + "L2", 10.0f * i, 10.0f);
        GiveAudio(bear, "toy_squeak", true);
    }
    GameObject& text = AddLevelObject("TextOnWall", 4);
    GiveTransform(text, 0.0f, 20.0f);
    GiveSprite(text, "TextOnWall.png", 1, 1, 0.0f);
    Attach<BearCounter>(AddLevelObject("BearRoom", 4));
    StartBuiltLevel();

    for (int visit = 0; visit < 3; ++visit) {
        PutPlayer(30.0f, 10.0f);
        Tap("ACTION_INTERACT");
        ReadAll();
    }
    EXPECT_FLOAT_EQ(Controller().bearCounter, 1.0f);
    EXPECT_EQ(CountPlays("toy_squeak"), 1);
    StepSeconds(0.5f);
    EXPECT_GE(Alpha("TextOnWall"), 1.0f);

    PutPlayer(10.0f, 10.0f);
    Tap("ACTION_INTERACT");
    ReadAll();
    EXPECT_FLOAT_EQ(Controller().bearCounter, 2.0f);
    PutPlayer(0.0f, -10.0f);
    EXPECT_FALSE(Player().showPrompt);

    SaveAndReload();
    StepSeconds(0.2f);
    EXPECT_FLOAT_EQ(Controller().bearCounter, 2.0f);
    PutPlayer(10.0f, 10.0f);
    Tap("ACTION_INTERACT");
    ReadAll();
    EXPECT_FLOAT_EQ(Controller().bearCounter, 2.0f);
}

TEST_F(SmallRoomsTest, ThePupilFollowsWithoutEverGoingNaN)
{
    BuildPlayerRig();
    GameObject& eye = AddLevelObject("Pupil", 4);
    GiveTransform(eye, 5.0f, 5.0f, 1.0f);
    Attach<DollEyes>(eye);
    StartBuiltLevel();

    const std::shared_ptr<DollEyes> eyes = Script<DollEyes>("Pupil");
    eyes->following = true;
    PutPlayer(8.0f, 9.0f);
    EXPECT_NEAR(TransformOf("Pupil").position.x, 5.06f, 1e-4f) << TransformOf("Player").position.z;
    EXPECT_NEAR(TransformOf("Pupil").position.y, 5.08f, 1e-4f);
    // Right on the pupil's resting place (same depth): no direction, so it stays put.
    eyes->startPosition.z = TransformOf("Player").position.z;
    PutPlayer(5.0f, 5.0f);
    EXPECT_TRUE(std::isfinite(TransformOf("Pupil").position.x));
    EXPECT_TRUE(std::isfinite(TransformOf("Pupil").position.y));
}

// The doll's thought shows while he stands by it and goes when he steps out, also out of a
// checkpoint's save; three seconds there in all end it for good. Another thought on the same
// text is not the doll's to hide.
TEST_F(SmallRoomsTest, TheDollsThoughtShowsOnlyWhileHeStandsThereAndEndsAfterThreeSecondsInAll)
{
    BuildPlayerRig();
    GameObject& text = AddLevelObject("PlayerText", 17, "Player");
    GiveTransform(text, 0.0f, 1.0f, 1.5f);
    GiveSprite(text, "PlayerText_2x4.png", 2, 4, 0.0f);
    Attach<FamiliarDoll>(Zone("FamDoll", 20.0f, 0.0f, 2.0f, 2.0f));
    StartBuiltLevel();
    auto thought = [&] { return Object("PlayerText")->GetComponent<Sprite>(); };

    PutPlayer(20.0f, 0.0f);
    StepSeconds(1.0f);
    EXPECT_EQ(Alpha("PlayerText"), 1.0f);
    EXPECT_EQ(thought()->currentFrame, 5);
    PutPlayer(0.0f, 0.0f);
    EXPECT_EQ(Alpha("PlayerText"), 0.0f) << "stepped out after a second";
    SaveAndReload();
    StepSeconds(1.0f);
    EXPECT_EQ(Alpha("PlayerText"), 0.0f) << "back from a checkpoint saved after he left";

    // Another thought shown on the text meanwhile stays.
    thought()->SetFrame(2);
    thought()->transparency = 1.0f;
    Step(2);
    EXPECT_EQ(Alpha("PlayerText"), 1.0f);

    PutPlayer(20.0f, 0.0f);
    StepSeconds(1.0f);
    PutPlayer(0.0f, 0.0f);
    PutPlayer(20.0f, 0.0f);
    EXPECT_EQ(Alpha("PlayerText"), 1.0f) << "shown again on the way back in";
    StepSeconds(2.2f);
    EXPECT_EQ(Alpha("PlayerText"), 0.0f) << "three seconds inside in all";
    PutPlayer(0.0f, 0.0f);
    PutPlayer(20.0f, 0.0f);
    StepSeconds(0.5f);
    EXPECT_EQ(Alpha("PlayerText"), 0.0f) << "never again";
}

}  // namespace
