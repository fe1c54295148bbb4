// The family-tree room on the shipped level: the tree, both waterings, the ring, the doors and
// its checkpoints.
#include <gtest/gtest.h>

#include <algorithm>

#include "events/LightPuzzle.h"
#include "graphics/Sprite.h"
#include "hospital/Floor2RoomsRig.h"

namespace floor2 {
namespace {

using namespace floor2route;

class FamilyTreeTest : public Floor2RoomsTest {
protected:
    std::shared_ptr<FamilyTreeRoomEvent> Tree() { return TreeScript(R()); }
    int TreeStage() { return Object("FamilyTree")->GetComponent<Sprite>()->currentFrame; }
    std::string FirstLine() { return Controller().dialogueLines.empty() ? "" : Controller().dialogueLines[0].text; }
};

TEST_F(FamilyTreeTest, TheTreeNeedsABagAndTheFirstWateringGivesTheNurseryKey)
{
    ArriveFromHub();
    Put(-168.0f, 79.0f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(FirstLine(), "A tree... made from cupboard...");
    ReadAll();

    // The door to the hall is locked from the other side until the second light board is solved.
    Put(-160.0f, 61.0f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(FirstLine(), "This door is locked from opposite side.");
    EXPECT_EQ(CountPlays("door_locked"), 1);
    ReadAll();

    BringMirrorBag();
    Put(-168.0f, 79.0f);
    Tap("ACTION_INTERACT");
    Answer(false);
    Step(2);
    EXPECT_EQ(Tree()->waterCount, 0);
    EXPECT_TRUE(Tree()->hasWater2) << "a no keeps the bag";

    Put(-182.5f, 51.0f);
    PlayFamilyTreeFirst(*this);
    EXPECT_EQ(TreeStage(), 2);
    EXPECT_FALSE(Tree()->hasWater2);
    EXPECT_EQ(Alpha("Piece2Icon"), 0.0f) << "the poured bag leaves the inventory";
}
TEST_F(FamilyTreeTest, TheFinalDoorOpensOnceTheSecondLightBoardIsSolved)
{
    const auto board = Object("LightPuzzleBoard");
    ASSERT_TRUE(board);
    board->GetComponent<LightPuzzle>()->completed2 = true;
    ArriveFromHub();
    Put(-160.0f, 53.0f);
    Step(2);
    EXPECT_GT(TransformOf("FinalPuzzleDoor").position.x, 1000.0f);
    EXPECT_EQ(Object("FinalPuzzlePortalL2")->GetComponent<Sprite>()->currentFrame, 0);
    EXPECT_EQ(FirstLine(), "It sounded like a door unlocked.");
    ReadAll();
    Hold("ACTION_UP");
    StepSeconds(2.0f);
    Let("ACTION_UP");
    EXPECT_GT(PlayerPosition().y, 60.0f) << "through the opened door into the tree's room";
}

TEST_F(FamilyTreeTest, TheSecondWateringShowsTheRingAndOpensTheChemicalDoor)
{
    ArriveFromHub();
    BringMirrorBag();
    PlayFamilyTreeFirst(*this);
    PlayNursery(*this);
    Put(-168.0f, 77.0f);
    Hold("ACTION_UP");
    Step(20);
    Let("ACTION_UP");
    Tap("ACTION_INTERACT");
    Answer(true);
    ASSERT_EQ(Tree()->waterCount, 4);
    float brightest = 0.0f;
    ASSERT_TRUE(ReadUntil(R(), [&] {
        brightest = std::max(brightest, Alpha("Cutscene2"));
        return Tree()->completed && !Controller().playerLocked;
    }, 40.0f));
    EXPECT_GE(brightest, 1.0f) << "the ring pictures were shown";
    EXPECT_EQ(Tree()->ringImageIndex, 5);
    EXPECT_LE(Alpha("Cutscene1"), 0.0f) << "and faded away";
    EXPECT_EQ(TreeStage(), 4);
    EXPECT_EQ(Alpha("Piece1Icon"), 0.0f);
    EXPECT_GE(CountPlays("girl_theme"), 1);

    Put(-152.6f, 72.0f);
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(ArrivedNear(R(), 67.0f, 54.0f)) << "the chemical-room door leads to the flame room";
}

TEST_F(FamilyTreeTest, SavesAtBothCheckpointsKeepTheRestOfTheFloorCompletable)
{
    ArriveFromHub();
    BringMirrorBag();
    PlayFamilyTreeFirst(*this);
    SaveAtAndReload("Savepoint4");
    EXPECT_EQ(Tree()->waterCount, 2);
    EXPECT_TRUE(Tree()->nurseryKeyFound);
    EXPECT_EQ(TreeStage(), 2);
    EXPECT_NEAR(TransformOf("Savepoint4").position.x, -170.9f, 0.01f);
    PlayNursery(*this);
    PlayFamilyTreeSecond(*this);

    SaveAtAndReload("FamilyTreeCheckpoint");
    EXPECT_TRUE(Tree()->completed);
    EXPECT_TRUE(NurseryScript(R())->completed);
    PlayFlameRoomToEnding(*this);
}

}  // namespace
}  // namespace floor2
