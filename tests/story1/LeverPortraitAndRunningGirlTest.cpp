// The lever room, the painting and the running girl.
#include "events/PortraitEvent.h"
#include "events/RunningTrigger.h"
#include "events/TBC.h"
#include "audio/Audio.h"
#include "graphics/Sprite.h"
#include "story1/StoryRig.h"

using namespace testsupport;

namespace story1 {
namespace {

class LeverRoomTest : public StoryRig {
protected:
    void Build()
    {
        BuildPlayerRig();
        Attach<TBC>(Zone("Lever", 3.0f, 0.0f));
        GiveAudio(Prop("SmashingLever", 3.0f, 1.0f, "Lever_1x2.png", 1, 2), "lever", true);
        GiveAudio(Prop("TrapDoor", 6.0f, 0.0f, "TrapDoor_1x5.png", 1, 5), "trapdoor", true);
        Zone("Entrance1-6a", 6.0f, -4.0f);
        Prop("LeverMove", 40.0f, 0.0f);
    }
};

TEST_F(LeverRoomTest, TheLeverOpensTheTrapDoorOnceAndTheExitLeadsOn)
{
    Build();
    Start();
    // Before the lever the exit leads nowhere.
    PutPlayer(6.0f, -4.0f);
    Step(5);
    EXPECT_FALSE(Controller().teleportActive);

    PutPlayer(3.0f, 0.0f);
    EXPECT_TRUE(Player().showPrompt) << PlayerPosition().x << "," << PlayerPosition().y << " locked " << Controller().playerLocked << " tele " << Controller().teleportActive << " done " << Script<TBC>("Lever").completed << " pulled " << Script<TBC>("Lever").leverPulled;
    soundsPlayed.clear();
    Interact();
    EXPECT_TRUE(Controller().playerLocked);
    EXPECT_TRUE(Controller().shaking);
    EXPECT_EQ(CountPlays("lever"), 1);
    EXPECT_FALSE(Player().showPrompt);
    // Held still while the trap door opens and its sound fades (0..1 volume scale).
    ASSERT_TRUE(StepUntil([&] { return Script<TBC>("Lever").completed; }, 8.0f));
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_EQ(Object("TrapDoor")->GetComponent<Sprite>()->currentFrame, 3);
    EXPECT_LE(Object("TrapDoor")->GetComponent<Audio>()->volume, 0.0f);
    // A second press does nothing more.
    soundsPlayed.clear();
    Interact();
    EXPECT_EQ(CountPlays("lever"), 0);

    PutPlayer(6.0f, -4.0f);
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().x > 39.0f; }, 3.0f));
}

TEST_F(LeverRoomTest, ASaveAfterTheLeverKeepsTheExitOpen)
{
    Build();
    Start();
    PutPlayer(3.0f, 0.0f);
    Interact();
    ASSERT_TRUE(StepUntil([&] { return Script<TBC>("Lever").completed; }, 8.0f));
    SaveAndReload();
    EXPECT_TRUE(Script<TBC>("Lever").completed);
    PutPlayer(6.0f, -4.0f);
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().x > 39.0f; }, 3.0f));
}

TEST_F(LeverRoomTest, AMissingTrapDoorNeitherCrashesNorHoldsThePlayer)
{
    BuildPlayerRig();
    Attach<TBC>(Zone("Lever", 3.0f, 0.0f));
    Start();
    PutPlayer(3.0f, 0.0f);
    Interact();
    ASSERT_TRUE(StepUntil([&] { return Script<TBC>("Lever").completed; }, 2.0f));
    EXPECT_FALSE(Controller().playerLocked);
}

class PortraitTest : public StoryRig {};

TEST_F(PortraitTest, ThePaintingTurnsRightOfTheLineAndCompletesForGood)
{
    BuildPlayerRig();
    GameObject& portrait = Prop("Portrait", 332.0f, 3.0f, "Painting_1x3.png", 1, 3);
    Attach<PortraitEvent>(portrait);
    GiveAudio(Zone("PortraitCollider", 332.5f, 0.0f, 6.0f, 2.0f), "portrait_near", true);
    GiveAudio(Zone("PaintTrigger", 300.0f, 0.0f), "portrait_done", true);
    Start();
    auto frame = [&] { return Object("Portrait")->GetComponent<Sprite>()->currentFrame; };
    soundsPlayed.clear();
    PutPlayer(331.0f, 0.0f);
    EXPECT_EQ(frame(), 0);
    PutPlayer(332.5f, 0.0f);
    Step();
    EXPECT_EQ(frame(), 1);
    PutPlayer(331.0f, 0.0f);
    PutPlayer(333.0f, 0.0f);
    Step(3);
    EXPECT_EQ(CountPlays("portrait_near"), 2);

    Script<PortraitEvent>("Portrait").Complete();
    EXPECT_EQ(frame(), 2);
    Step();
    PutPlayer(331.0f, 0.0f);
    EXPECT_EQ(frame(), 2);
    EXPECT_EQ(CountPlays("portrait_done"), 1);
    SaveAndReload();
    EXPECT_EQ(Object("Portrait")->GetComponent<Sprite>()->currentFrame, 2);
}

class RunningGirlTest : public StoryRig {
protected:
    void Build()
    {
        BuildPlayerRig();
        Attach<RunningTrigger>(Zone("PaperSpot", 3.0f, 0.0f));
        GiveAudio(Prop("Paper", 3.0f, 0.0f), "paper", true);
        GameObject& girl = Zone("LittleGirl", 10000.0f, 10000.0f);
        GiveSprite(girl, "LittleGirl_2x5.png", 2, 5, 0.0f);
        GiveAudio(girl, "girl_laugh", true);
        Prop("Exit1-5link", 5.0f, 6.0f);
        GiveAudio(Prop("RunningGirlTrigger", 5.0f, 6.0f), "running", true);
        Zone("PaperDoorInteract", -4.0f, 0.0f);
        Prop("Entrance1-5link", -30.0f, 0.0f);
    }
};

TEST_F(RunningGirlTest, ThePaperSendsTheGirlRunningAndOpensTheHole)
{
    Build();
    Start();
    // The hole does nothing before the girl has run.
    PutPlayer(-4.0f, 0.0f);
    Interact();
    EXPECT_FALSE(DialogueOpen());

    PutPlayer(3.0f, 0.0f);
    Interact();
    EXPECT_TRUE(Controller().imageActive);
    EXPECT_TRUE(Hidden("Paper"));
    CloseImage();
    ASSERT_TRUE(StepUntil([&] { return Script<RunningTrigger>("PaperSpot").girlRunning; }, 2.0f));
    EXPECT_GT(CountPlays("running"), 0);
    ASSERT_TRUE(StepUntil([&] { return Script<RunningTrigger>("PaperSpot").girlGone; }, 3.0f));
    EXPECT_GT(At("LittleGirl").x, 5.0f);

    PutPlayer(-4.0f, 0.0f);
    Interact();
    ASSERT_TRUE(DialogueOpen());
    Answer(false);
    StepSeconds(0.5f);
    EXPECT_GT(PlayerPosition().x, -5.0f);
    Interact();
    Answer(true);
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().x < -29.0f; }, 3.0f));
}

}  // namespace
}  // namespace story1

namespace story1 {
namespace {

class ShippedLeverRoomTest : public StoryRig {};

TEST_F(ShippedLeverRoomTest, TheRoomPastTheHoleLeadsToTheLeverWhoseTrapDoorLeadsOn)
{
    StartShippedLevelAwake();
    StepSeconds(1.1f);
    PutPlayer(262.0f, -367.0f);
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().x < 110.0f && !Controller().playerLocked; }, 3.0f));
    PutPlayer(96.0f, 2.5f);
    Interact();
    ASSERT_TRUE(StepUntil([&] { return Script<TBC>("LeverRoomLever").completed; }, 8.0f));
    PutPlayer(104.0f, 0.0f);
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().x < 41.0f; }, 3.0f));
}

}  // namespace
}  // namespace story1
