// The nursery on the shipped level: the locked door, the water and the false wall, the scene,
// the search for the key among the torn bears, the way out, and the big bear when time runs out.
#include <gtest/gtest.h>

#include "audio/Audio.h"
#include "events/DollEyes.h"
#include "graphics/Sprite.h"
#include "hospital/Floor2RoomsRig.h"

namespace floor2 {
namespace {

using namespace floor2route;

class NurseryTest : public Floor2RoomsTest {
protected:
    std::shared_ptr<DollRoom> Nursery() { return NurseryScript(R()); }
    // The Nursery key, from the first watering.
    void TakeTheKey()
    {
        ArriveFromHub();
        BringMirrorBag();
        PlayFamilyTreeFirst(*this);
    }
    Vector3 At(const std::string& name) { return TransformOf(name).position; }
};

TEST_F(NurseryTest, LockedWithoutTheKeyAndTheHallDoorLeadsBackBeforeTheWater)
{
    ArriveFromHub();
    Put(-152.0f, 51.0f);
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(DialogueOpen());
    EXPECT_EQ(Controller().dialogueLines[0].text, "It's locked. The room label says 'Nursery'.");
    ReadAll();

    TakeTheKey();
    EnterNursery(R());
    // Before the water the doorway is open and the hall's door goes back out.
    Put(21.0f, 91.5f);
    Hold("ACTION_DOWN");
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportActive; }, 2.0f));
    Let("ACTION_DOWN");
    ASSERT_TRUE(ArrivedNear(R(), -155.0f, 51.0f));
    EnterNursery(R());
    EXPECT_FALSE(Nursery()->waterTaken);
}

TEST_F(NurseryTest, TheWaterShutsHimInAndTheKeyAmongTheTornBearsLetsHimOut)
{
    TakeTheKey();
    EnterNursery(R());
    TakeNurseryWater(R());
    EXPECT_NEAR(At("DollRoomFalseWall").x, 21.0f, 0.01f);
    EXPECT_NEAR(At("DollRoomFalseWall").y, 97.0f, 0.01f);
    EXPECT_TRUE(TreeScript(R())->hasWater1) << "the bag is carried for the tree";
    EXPECT_EQ(Alpha("Piece1Icon"), 1.0f);

    // The doorway is shut: walking down stops at the wall.
    Put(21.0f, 100.0f);
    Hold("ACTION_DOWN");
    StepSeconds(1.0f);
    Let("ACTION_DOWN");
    EXPECT_GT(PlayerPosition().y, 98.0f);

    StartNurserySearch(R());
    EXPECT_EQ(Object("BearL2Torn3")->GetComponent<Sprite>()->textureName, "decapitatedRegularBear_1x1.png");
    ASSERT_EQ(Nursery()->eyes.size(), 4u);
    EXPECT_TRUE(Nursery()->eyes[0]->following);
    EXPECT_EQ(Object("WorldBGM")->GetComponent<Audio>()->audioName, "doll_room");

    // The pupils look at him.
    Put(12.0f, 105.0f);
    Step();
    const Vector3 eye = At("NurseryDoll1EyeL");
    EXPECT_LT(eye.y, 117.25f);
    EXPECT_NEAR(std::hypot(eye.x - 11.8f, eye.y - 117.25f), 0.1f, 0.01f);

    // A junk bear says the same again without counting.
    Put(9.0f, 100.5f);
    Tap("ACTION_INTERACT");
    const std::string first = Controller().dialogueLines[0].text;
    ReadAll();
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Controller().dialogueLines[0].text, first);
    EXPECT_EQ(Nursery()->searchCount, 1);
    ReadAll();

    SearchTornBears(R());
    LeaveNursery(R());
    EXPECT_FALSE(Nursery()->eyes[0]->following);
    EXPECT_FALSE(Controller().dying);

    // He will not go back in.
    Put(-152.0f, 51.0f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Controller().dialogueLines[0].text, "I'd better not go back inside...");
}

TEST_F(NurseryTest, TheBigBearKillsWhenTheSearchTakesTooLong)
{
    TakeTheKey();
    EnterNursery(R());
    TakeNurseryWater(R());
    StartNurserySearch(R());
    Put(26.0f, 104.0f);
    StepSeconds(14.0f);
    EXPECT_FALSE(Controller().dying);
    EXPECT_EQ(Object("BadassBearL2")->GetComponent<Sprite>()->currentFrame, 4) << "the bear steps closer";
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 2.0f));
    EXPECT_EQ(Object("DeathAudio")->GetComponent<Audio>()->audioName, "bear_attack");
}

TEST_F(NurseryTest, ASaveBeforeTheNurseryLeavesItCompletable)
{
    TakeTheKey();
    SaveAtAndReload("FamilyTreeCheckpoint");
    EXPECT_TRUE(TreeScript(R())->nurseryKeyFound);
    PlayNursery(*this);
}

}  // namespace
}  // namespace floor2
