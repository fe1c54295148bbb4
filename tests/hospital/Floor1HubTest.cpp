// The floor-1 hub played on the shipped Level1: the ward's opening, the wheelchair corridor,
// the reception, the doll and the surgeon's chase, and the saves between them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "events/DollPickup.h"
#include "events/MoveObjectEvent.h"
#include "events/NurseEvent.h"
#include "events/ReceptionEvent.h"
#include "events/SurgeonChase.h"
#include "engine/SceneSystem.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/Sprite.h"
#include "objects/LevelFile.h"
#include "physics/Collider.h"
#include "support/route/Floor1HubRoute.h"

using namespace route;

namespace {

class Floor1HubTest : public testsupport::GameplayHarness {
protected:
    NurseEvent& Nurse() { return ScriptOn<NurseEvent>(*this, "Nurse"); }
    SurgeonChase& Chase() { return ScriptOn<SurgeonChase>(*this, "KnifeEnemy"); }
    DollPickup& Doll() { return ScriptOn<DollPickup>(*this, "DollRoomScript"); }

    // Walks onto the named checkpoint from where he stands, saves there and reads the message.
    void SaveAt(const std::string& checkpoint)
    {
        const Vector3 spot = At(*this, checkpoint);
        WalkToY(*this, spot.y);
        WalkToX(*this, spot.x);
        ASSERT_TRUE(Player().showPrompt) << "not at " << checkpoint;
        Tap("ACTION_INTERACT");
        ASSERT_TRUE(DialogueOpen()) << "no save message";
        ReadAll(*this);
    }

    // A new game played up to the hub, with the reception behind him.
    void PlayToTheHub()
    {
        StartShippedLevel();
        PlayWard(*this);
        PlayWheelchairCorridor(*this);
        PlayReception(*this);
    }

    // The doll's room and its scene; he is left in the hub with the chase armed.
    void PlayDoll()
    {
        EnterDollRoom(*this);
        PlayDollPickup(*this);
    }
};

TEST_F(Floor1HubTest, TheWardHoldsItsWayOutUntilTheNurseHasSpokenThenChangesAndLetsHimOut)
{
    StartShippedLevel();
    EXPECT_EQ(gAmbientLight, 0.0f);
    WakeUp(*this);

    // Around the nurse's talks along the top of the ward, then down into the way out.
    WalkToY(*this, 3.5f);
    WalkToX(*this, 7.0f);
    WalkUntil(*this, "ACTION_DOWN", [&] { return Controller().playerLocked; }, 3.0f);
    ASSERT_TRUE(Nurse().heldAtExit) << "the way out did not hold him";
    EXPECT_EQ(Alpha("ChatBox"), 1.0f);
    EXPECT_EQ(Object("TextBox")->GetComponent<Sprite>()->startFrame, 10);
    Step(2);
    EXPECT_GT(PlayerPosition().y, 1.6f) << "he is pushed back out of the way out";
    Tap("ACTION_INTERACT");
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_EQ(Alpha("ChatBox"), 0.0f);
    WalkToY(*this, 3.5f);
    EXPECT_FALSE(Controller().playerLocked) << "held again away from the way out";

    // Back to the nurse's side of the ward and through her story.
    WalkToX(*this, -2.6f);
    WalkToY(*this, -1.0f);
    soundsPlayed.clear();
    FollowTheNurse(*this);
    EXPECT_EQ(CountPlays("electricity"), 1);
    EXPECT_EQ(CountPlays("opening"), 1);
    EXPECT_FLOAT_EQ(gAmbientLight, 0.2f);
    EXPECT_TRUE(Player().canRun);
    EXPECT_GT(TransformOf("Nurse").position.x, 9000.0f) << "the nurse is gone";
    EXPECT_NEAR(TransformOf("FalseCeiling").position.x, 49.0f, 0.01f);
    EXPECT_NEAR(TransformOf("FalseCeiling").position.y, -22.7f, 0.01f);
    // The fallen ceiling stands behind him, and he is clear of it.
    WalkToX(*this, 48.0f);
    EXPECT_GT(PlayerPosition().x, 50.5f) << "the ceiling closes the corridor behind him";
}

TEST_F(Floor1HubTest, CorridorAndReceptionPlayThroughAndTheHubSaveKeepsThemDone)
{
    StartShippedLevel();
    PlayWard(*this);
    soundsPlayed.clear();
    PlayWheelchairCorridor(*this);
    EXPECT_EQ(CountPlays("paper"), 2) << "taken and put away";
    EXPECT_EQ(CountPlays("wheelchair"), 1) << "the chair creaks once the paper is taken";
    EXPECT_GT(TransformOf("WheelChair").position.x, 66.9f) << "the chair rolled three units";

    // Before the note the way down is walled: he cannot leave the reception but by the west door.
    WalkToX(*this, 91.0f);
    WalkToY(*this, -49.0f);
    EXPECT_GT(PlayerPosition().y, -48.0f) << "the way down is open before the note";
    PlayReception(*this);
    EXPECT_EQ(Object("ReceptionTable")->GetComponent<Sprite>()->startFrame, 1);
    EXPECT_GT(TransformOf("FalseWall2").position.x, 9000.0f);

    // The hub's checkpoint: a reload keeps the opening, the corridor and the reception done.
    SaveAt("Savepoint1");
    EnterLevel(true);
    Step(2);
    EXPECT_TRUE(Nurse().completed);
    EXPECT_FLOAT_EQ(gAmbientLight, 0.2f);
    EXPECT_TRUE(ScriptOn<MoveObjectEvent>(*this, "WheelChairTrigger").completed);
    EXPECT_TRUE(ScriptOn<ReceptionEvent>(*this, "Reception3Collider").completed);
    EXPECT_GT(TransformOf("FalseWall2").position.x, 9000.0f);
    EXPECT_EQ(Object("ReceptionTable")->GetComponent<Sprite>()->startFrame, 1);
    EXPECT_NEAR(PlayerPosition().x, At(*this, "Savepoint1").x, 1.0f);
    EXPECT_FALSE(DialogueOpen()) << "nothing replays after the reload";

    // The doll room after the reload still plays to its end.
    EnterDollRoom(*this);
    PlayDollPickup(*this);
    EXPECT_TRUE(Chase().dollTriggered);
}

TEST_F(Floor1HubTest, TheDollSceneLeavesTheRoomFinishedAndTheSurgeonEscapedEndsInTheEscapeRoom)
{
    PlayToTheHub();
    ASSERT_FALSE(HasFatalFailure());
    EnterDollRoom(*this);
    soundsPlayed.clear();
    PlayDollPickup(*this);
    EXPECT_EQ(CountPlays("girl_theme"), 1);
    EXPECT_EQ(CountPlays("rumble"), 1);
    EXPECT_TRUE(Near(*this, "Entrance1-3alink", 1.0f)) << "the scene puts him outside the doll's door";
    EXPECT_GT(TransformOf("KnifeEnemy").position.x, 9000.0f) << "the surgeon has gone again";
    EXPECT_NEAR(TransformOf("Savepoint1").position.x, At(*this, "NewSaveSpawn").x, 0.01f);
    EXPECT_EQ(Alpha("TeddyHead"), 1.0f);
    EXPECT_EQ(Object("ReceptionTable")->GetComponent<Sprite>()->startFrame, 2);
    EXPECT_NEAR(TransformOf("ReceptionRubble1").position.x, 84.7f, 0.01f);
    EXPECT_NEAR(TransformOf("ReceptionRubble2").position.y, -37.2f, 0.01f);

    soundsPlayed.clear();
    PlayChase(*this);
    EXPECT_EQ(CountPlays("chase1"), 1);
    EXPECT_EQ(CountPlays("door_banging"), 3) << "the surgeon came through three doors";
    EXPECT_FALSE(gChaseActive);
    EXPECT_GT(TransformOf("SurgFalseWall").position.x, 9000.0f) << "the light-room door is free";
    EXPECT_EQ(ScriptOn<ReceptionEvent>(*this, "Reception3Collider").active, false);

    // The notes there can be read, the save point waits there, and a reload keeps it all done.
    WalkToY(*this, At(*this, "ExperimentNotes").y);
    WalkToX(*this, At(*this, "ExperimentNotes").x);
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(Controller().imageActive) << "the experiment notes are not shown";
    CloseImage(*this);
    SaveAt("Savepoint1");
    EnterLevel(true);
    Step(2);
    EXPECT_TRUE(Chase().completed);
    EXPECT_TRUE(Doll().completed);
    EXPECT_FALSE(DialogueOpen());
    WalkToX(*this, At(*this, "EscapeRoomDoor").x);
    UseDoor(*this, "ACTION_UP", "EscapeRoomDoorlink");
    WalkToY(*this, At(*this, "Entrance1-11").y);
    WalkToX(*this, 0.2f);
    EXPECT_LT(PlayerPosition().x, 0.3f) << "the light-room doorway is open";
}

TEST_F(Floor1HubTest, TheSurgeonCatchesAPlayerWhoWaitsAndTheGameIsOverOnce)
{
    PlayToTheHub();
    ASSERT_FALSE(HasFatalFailure());
    PlayDoll();
    ASSERT_FALSE(HasFatalFailure());
    WalkToX(*this, At(*this, "Exit1-3").x);
    UseDoor(*this, "ACTION_UP", "Exit1-3link");
    soundsPlayed.clear();
    WalkUntil(*this, "ACTION_UP", [&] { return Chase().introStarted; }, 3.0f);
    ASSERT_TRUE(StepUntil([&] { return Chase().chaseRunning; }, 10.0f));
    EXPECT_FALSE(Object("FalseWallSurg")->GetComponent<Collider>()) << "the locked door opened";
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 10.0f)) << "the surgeon walked past him";
    EXPECT_TRUE(Chase().caught);
    EXPECT_FALSE(Chase().completed);
    EXPECT_TRUE(gChaseActive) << "the level music waits for a chase that is not over";
    ASSERT_TRUE(StepUntil([&] { return RequestedScene() == SceneId::GameOver; }, 10.0f));
    EXPECT_EQ(CountPlays("death"), 1);
}

}  // namespace
