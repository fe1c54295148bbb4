// The family tree, the first light board and the girl's notes.
#include "events/DollRoom.h"
#include "events/FamilyTreeRoomEvent.h"
#include "events/GirlStory.h"
#include "events/LightPuzzle.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "story1/StoryRig.h"

using namespace testsupport;

namespace story1 {
namespace {

class FamilyTreeTest : public StoryRig {
protected:
    void Build()
    {
        BuildPlayerRig();
        GameObject& tree = Zone("FamilyTree", 0.0f, 6.0f, 2.0f, 2.0f);
        GiveSprite(tree, "FamilyTree_1x5.png", 1, 5);
        GiveAudio(tree, "paper", true);
        Attach<FamilyTreeRoomEvent>(tree);
        Prop("TreeGrowth", 0.0f, 6.0f, "TreeGrowth_1x5.png", 1, 5, 0.0f);
        GiveAudio(Zone("SymmetryWater", 6.0f, 0.0f), "paper", true);
        GiveAudio(Zone("DollRoomWater", -6.0f, 0.0f), "paper", true);
        Prop("Piece1Icon", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        Prop("Piece2Icon", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        Prop("Savepoint4", 500.0f, 500.0f);
        Prop("Cutscene1", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        Prop("Cutscene2", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        GameObject& door = Zone("DoorToDollRoom", -10.0f, 0.0f);
        Attach<DollRoom>(Prop("BadassBearL2", 50.0f, 50.0f, "BigBear_1x6.png", 1, 6));
        (void)door;
        Prop("Entrance2-8link", -30.0f, 0.0f);
    }
    FamilyTreeRoomEvent& Tree() const { return Script<FamilyTreeRoomEvent>("FamilyTree"); }
    void Take(float x)
    {
        PutPlayer(x, 0.0f);
        Interact();
        ReadAll();
    }
};

TEST_F(FamilyTreeTest, OneBagGrowsTheTreeAndGivesTheNurseryKey)
{
    Build();
    Start();
    // The Nursery stays locked until then.
    PutPlayer(-10.0f, 0.0f);
    Interact();
    EXPECT_EQ(FirstLine(), "It's locked. The room label says 'Nursery'.");
    ReadAll();

    Take(6.0f);
    EXPECT_TRUE(Tree().hasWater2);
    PutPlayer(0.0f, 6.0f);
    Interact();
    Answer(false);
    StepSeconds(0.3f);
    EXPECT_TRUE(Tree().hasWater2) << "a no keeps the bag";
    Interact();
    Answer(true);
    ASSERT_TRUE(StepUntil([&] { return DialogueOpen() && FirstLine() == "Hmm...? This is..."; }, 5.0f));
    ReadAll();
    ASSERT_TRUE(StepUntil([&] { return Tree().nurseryKeyFound && !Controller().playerLocked; }, 5.0f));
    EXPECT_EQ(Tree().waterCount, 2);
    EXPECT_EQ(Object("FamilyTree")->GetComponent<Sprite>()->currentFrame, 2);
    EXPECT_NEAR(At("Savepoint4").x, -170.9f, 0.01f);

    SaveAndReload();
    EXPECT_TRUE(Tree().nurseryKeyFound);
    EXPECT_FALSE(Controller().playerLocked);
    PutPlayer(-10.0f, 0.0f);
    Interact();
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().x < -29.0f; }, 3.0f));
}

TEST_F(FamilyTreeTest, ACarriedBagSurvivesAReload)
{
    Build();
    Start();
    Take(6.0f);
    SaveAndReload();
    EXPECT_TRUE(Tree().hasWater2);
    PutPlayer(0.0f, 6.0f);
    Interact();
    Answer(true);
    ASSERT_TRUE(StepUntil([&] { return Tree().waterCount == 2; }, 2.0f));
}

class LightBoardTest : public StoryRig {
protected:
    void Build()
    {
        BuildPlayerRig();
        GameObject& board = Zone("LightPuzzleBoard", 0.0f, 6.0f);
        GiveAudio(board, "paper", true);
        Attach<LightPuzzle>(board);
        GiveAudio(Prop("LightPuzzlePaper", 0.0f, 6.0f), "paper", true);
        for (int i = 1; i <= 3; ++i) {
            GiveAudio(Zone("LightPuzzleSwitch" + std::to_string(i), -4.0f + 2.0f * i, 0.0f), "switch", true);
            GameObject& lamp = Prop("LightPuzzle1-" + std::to_string(i), -4.0f + 2.0f * i, 3.0f);
            auto light = std::make_shared<LightSource>(0.5f);
            light->SetColour(Vector3(0, 200, 0));
            lamp.components.push_back(light);
            light->SetOwner(&lamp);
        }
        GiveAudio(Prop("LightPuzzleDoor", 10000.0f, 10000.0f), "door_locked", true);
        Prop("Exit1-9c", 0.0f, -6.0f);
        Prop("Exit1-9b", 30.0f, 0.0f);
        Prop("Camera2", 0.0f, 0.0f);
        Prop("SoftToy", 0.0f, 0.0f);
        Prop("LightPuzzlePortal2", 20.0f, 0.0f, "Portal_1x2.png", 1, 2);
        GameObject& knife = Zone("KnifeEnemy", 100.0f, 100.0f);
        (void)knife;
        Prop("SurgeonSprite", 100.0f, 100.0f, "Surgeon_6x5.png", 6, 5);
        Zone("ElevatorDoorCollider", 20.0f, 10.0f);
        Prop("ElevatorRoomDoor", 20.0f, 10.0f, "Door_1x2.png", 1, 2);
    }
    LightPuzzle& Puzzle() const { return Script<LightPuzzle>("LightPuzzleBoard"); }
    void Press(int index)
    {
        PutPlayer(-4.0f + 2.0f * index, 0.0f);
        StepSeconds(0.6f);
        Interact();
    }
};

TEST_F(LightBoardTest, SwitchesCycleTheLightsAndTheRightOnesOpenTheWay)
{
    Build();
    Start();
    auto colour = [&](int i) { return Object("LightPuzzle1-" + std::to_string(i))->GetComponent<LightSource>()->GetColour(); };
    // Green goes to red; a second press within the cooldown does nothing.
    Press(1);
    EXPECT_NEAR(colour(1).x * 255.0f, 200.0f, 0.01f);
    EXPECT_NEAR(colour(1).y, 0.0f, 0.01f);
    Interact();
    EXPECT_NEAR(colour(1).y, 0.0f, 0.01f);
    Press(2);
    Press(2);
    EXPECT_NEAR(colour(2).y * 255.0f, 200.0f, 0.01f);
    EXPECT_FALSE(Puzzle().completed) << "nothing before the clue";

    PutPlayer(0.0f, 6.0f);
    Interact();
    ReadAll();
    ASSERT_TRUE(StepUntil([&] { return Puzzle().completed; }, 10.0f));
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_FALSE(Object("LightPuzzle1-1")->GetComponent<LightSource>()->Enabled);
    EXPECT_TRUE(Hidden("ElevatorDoorCollider"));
    SaveAndReload();
    EXPECT_TRUE(Puzzle().completed);
    EXPECT_FALSE(Object("LightPuzzle1-1")->GetComponent<LightSource>()->Enabled);
}

TEST_F(LightBoardTest, AMissedCountdownArmsTheChaseWhichKillsOnce)
{
    Build();
    Start();
    PutPlayer(0.0f, 6.0f);
    Interact();
    ReadAll();
    StepSeconds(31.0f);
    EXPECT_TRUE(Puzzle().timedOut);
    PutPlayer(20.0f, 0.0f);
    ASSERT_TRUE(DialogueOpen());
    AdvanceDialogue();
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 5.0f));
    EXPECT_TRUE(Puzzle().caught);
}

class GirlStoryTest : public StoryRig {
protected:
    void Build()
    {
        BuildPlayerRig();
        Attach<GirlStory>(Prop("GirlStoryHolder", 500.0f, 500.0f));
        GiveAudio(Zone("ExperimentNotes2", 4.0f, 0.0f), "paper", true);
        Zone("ExperimentNotes3", 6.0f, 0.0f);
        Zone("ExperimentNotes4", 8.0f, 0.0f);
        GameObject& girl = Prop("LittleGirl", 10000.0f, 10000.0f, "LittleGirl_2x5.png", 2, 5, 0.0f);
        (void)girl;
        GameObject& table = Zone("DaughterTableL2", -4.0f, 0.0f);
        GiveSprite(table, "DaughterTable_1x2.png", 1, 2);
    }
    void Read(float x)
    {
        PutPlayer(x, 0.0f);
        Interact();
        CloseImage();
        Step();
        ReadAll();
    }
};

TEST_F(GirlStoryTest, FourReportsRevealTheGirlAndAReloadKeepsTheReadOnes)
{
    Build();
    Start();
    Read(4.0f);
    Read(6.0f);
    PutPlayer(-4.0f, 0.0f);
    Interact();
    EXPECT_EQ(FirstLine(), "This is creepy...");
    ReadAll();
    SaveAndReload();
    EXPECT_EQ(Script<GirlStory>("GirlStoryHolder").reportsRead, 3);
    Read(8.0f);
    PutPlayer(-4.0f, 0.0f);
    Interact();
    EXPECT_EQ(FirstLine(), "Wh-Who's there?");
    ReadAll();
    ASSERT_TRUE(StepUntil([&] { return DialogueOpen() && FirstLine() == "I must not let him out alive."; }, 5.0f));
}

}  // namespace
}  // namespace story1
