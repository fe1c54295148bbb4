// The surgeon's chase and the flame room's escape into the ending.
#include <gtest/gtest.h>

#include "audio/Audio.h"
#include "engine/SceneSystem.h"
#include "events/FlameRoom.h"
#include "events/SmashingWallTrigger.h"
#include "events/SurgeonChase.h"
#include "gameplay/GameController.h"
#include "story2/StoryRig.h"

using namespace testsupport;
using namespace story2;

namespace {

class EscapeTest : public StoryTest {
protected:
    void BuildChase()
    {
        BuildPlayerRig();
        GameObject& surgeon = AddLevelObject("KnifeEnemy", 5);
        GiveTransform(surgeon, 40.0f, 40.0f, 1.0f);
        GiveBox(surgeon, 1.0f, 1.0f);
        GiveAudio(surgeon, "door_open", true);
        Attach<SurgeonChase>(surgeon);
        GameObject& sprite = AddLevelObject("SurgeonSprite", 5, "KnifeEnemy");
        GiveTransform(sprite, 40.0f, 40.0f, 1.0f);
        GiveSprite(sprite, "Surgeon_6x5.png", 6, 5);
        GameObject& catcher = Zone("SurgeonCollider", 40.0f, 40.0f);
        catcher.parentName = "KnifeEnemy";
        Zone("SurgColl1", 0.0f, 5.0f);
        Zone("ChaseDoor3", -10.0f, 0.0f);
        GiveAudio(Zone("SurgChasePan", 2.0f, 2.0f), "rumble", true);
        Zone("SurgSpawn", 20.0f, 0.0f);
        GiveAudio(Zone("SurgAudio", 500.0f, 500.0f), "door_banging", true, true);
        GiveAudio(Zone("ReceptionRubble1", 600.0f, 600.0f), "chase1", false);
        GiveTransform(AddLevelObject("Exit1-3link", 4), 0.0f, -100.0f, 0.0f);
        GiveTransform(AddLevelObject("Entrance1-8alink", 4), -30.0f, 0.0f, 0.0f);
        GiveTransform(AddLevelObject("SoftToy", 4), 0.0f, 0.0f, 0.0f);
    }
    SurgeonChase& Chase() { return *Script<SurgeonChase>("KnifeEnemy"); }
    void StartChase()
    {
        Chase().dollTriggered = true;
        PutPlayer(0.0f, 5.0f);
        ASSERT_TRUE(StepUntil([&] { return Chase().chaseBegun; }, 10.0f));
    }
};

TEST_F(EscapeTest, TheSurgeonCatchesAPlayerHeTouchesAndTheChaseMusicStops)
{
    BuildChase();
    StartBuiltLevel();
    PutPlayer(0.0f, 5.0f);
    EXPECT_FALSE(Chase().introStarted) << "no chase before the doll";
    StartChase();
    EXPECT_TRUE(gChaseActive);
    EXPECT_EQ(CountPlays("chase1"), 1);
    PutPlayer(TransformOf("KnifeEnemy").position.x, TransformOf("KnifeEnemy").position.y);
    EXPECT_TRUE(Controller().dying);
    EXPECT_EQ(CountPlays("death"), 1);

    // A new load starts from a clear chase flag whatever the last run left.
    EnterLevel(false);
    EXPECT_FALSE(gChaseActive);
}

TEST_F(EscapeTest, TheEscapeDoorEndsTheChaseOnceAndTheIntroNeverReopens)
{
    BuildChase();
    StartBuiltLevel();
    StartChase();
    PutPlayer(-10.0f, 0.0f);
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(Chase().escapeStarted);
    ASSERT_TRUE(StepUntil([&] { return DialogueOpen(); }, 20.0f));
    EXPECT_EQ(CountPlays("door_banging"), 1);
    EXPECT_GE(Script<SurgeonChase>("KnifeEnemy")->shakesDone, 3);
    EXPECT_GE(Object("ReceptionRubble1")->GetComponent<Audio>()->volume, 0.0f);
    ReadAll();
    Step(2);
    EXPECT_TRUE(Chase().completed);
    EXPECT_FALSE(gChaseActive);
    EXPECT_FALSE(Controller().playerLocked);

    SaveAndReload();
    Step(2);
    EXPECT_TRUE(Chase().completed);
    EXPECT_FALSE(Chase().introStarted);
}

class FlameRoomTest : public StoryTest {
protected:
    void Build()
    {
        BuildPlayerRig();
        Attach<FlameRoom>(AddLevelObject("FlameScript", 4));
        GiveAudio(Zone("FlammableLeak", 0.0f, 0.0f), "fire_ignite", true);
        Zone("TriggerSurg", 0.0f, 10.0f);
        GiveTransform(AddLevelObject("FinalSurg", 5), 500.0f, 500.0f);
        GiveTransform(AddLevelObject("Entrance2-11link", 4), -5.0f, 10.0f, 0.0f);
        Zone("Entrance2-12", 8.0f, 10.0f, 1.0f, 3.0f);
        GameObject& arrival = AddLevelObject("Entrance2-12link", 4);
        GiveTransform(arrival, 0.0f, 40.0f, 0.0f);
        GiveAudio(arrival, "door_banging", true);
        Zone("Exit2-12", -4.0f, 40.0f);
        Zone("FinalFalseWall", 300.0f, 300.0f);
        Zone("FinalWallZone", 300.0f, 300.0f).parentName = "FinalFalseWall";
        GiveAudio(Zone("PortraitL2-1", 10.0f, 40.0f), "scare_sting", true);
        Zone("PortraitL2-2", 20.0f, 40.0f);
        Zone("PortraitL2-3", 30.0f, 40.0f);
        Zone("PortraitL2-4", 40.0f, 40.0f);
    }
    FlameRoom& Room() { return *Script<FlameRoom>("FlameScript"); }
};

TEST_F(FlameRoomTest, NoToTheLighterAsksAgainAndTheEscapeEndsInTheEndingScene)
{
    Build();
    StartBuiltLevel();
    PutPlayer(0.0f, 10.0f);
    StepSeconds(1.0f);
    EXPECT_FALSE(Room().escapeTriggered) << "nothing before the fire";

    PutPlayer(0.0f, 0.0f);
    Tap("ACTION_INTERACT");
    Answer(false);
    Step(2);
    EXPECT_FALSE(Room().fireLit);
    EXPECT_FALSE(Room().questionPending);
    Tap("ACTION_INTERACT");
    Answer(true);
    Step(2);
    EXPECT_TRUE(Room().fireLit);
    EXPECT_EQ(CountPlays("fire_ignite"), 1);

    PutPlayer(0.0f, 10.0f);
    ASSERT_TRUE(StepUntil([&] { return DialogueOpen(); }, 3.0f));
    EXPECT_EQ(TransformOf("FinalSurg").position.x, -5.0f);
    ReadAll();
    ASSERT_TRUE(StepUntil([&] { return Room().escaped; }, 10.0f));
    EXPECT_EQ(TransformOf("FinalFalseWall").position.x, -4.0f);
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 5.0f));
    EXPECT_EQ(CountPlays("door_banging"), 1);

    // The first wrong portrait is a dead end and lets him back.
    PutPlayer(20.0f, 40.0f);
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(StepUntil([&] { return DialogueOpen(); }, 3.0f));
    ReadAll();
    ASSERT_TRUE(StepUntil([&] { return !Room().wrongPortraitActive; }, 3.0f));
    EXPECT_FALSE(Controller().dying);

    PutPlayer(30.0f, 40.0f);
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(StepUntil([&] { return DialogueOpen(); }, 3.0f));
    EXPECT_NE(RequestedScene(), SceneId::Ending) << "not before the lines are read";
    for (int line = 0; line < 10 && RequestedScene() != SceneId::Ending; ++line)
        AdvanceDialogue();
    EXPECT_EQ(RequestedScene(), SceneId::Ending);
}

TEST_F(FlameRoomTest, ASecondWrongPortraitKillsOnce)
{
    Build();
    StartBuiltLevel();
    Room().fireLit = true;
    for (int attempt = 0; attempt < 2; ++attempt) {
        PutPlayer(10.0f, 40.0f);
        Tap("ACTION_INTERACT");
        StepSeconds(1.2f);
        ReadAll();
        StepSeconds(0.2f);
    }
    EXPECT_TRUE(Controller().dying);
    StepSeconds(0.5f);
    EXPECT_EQ(CountPlays("death"), 1);
}

}  // namespace
