// The family-tree room on the shipped level: the tree, both waterings, the ring, the doors and
// its checkpoints.
#include <gtest/gtest.h>

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
}  // namespace
}  // namespace floor2
