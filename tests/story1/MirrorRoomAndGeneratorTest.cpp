// The mirror room and the generator room: carried items, questions, fades and reloads.
#include "events/ElevatorPuzzle.h"
#include "events/IdenticalRoomEvent.h"
#include "graphics/Sprite.h"
#include "story1/StoryRig.h"

using namespace testsupport;

namespace story1 {
namespace {

class MirrorRoomTest : public StoryRig {
protected:
    void Build()
    {
        BuildPlayerRig();
        GameObject& table = testsupport::AddLevelObject("SymmetryTable", 4);
        GiveTransform(table, 100.0f, 100.0f);
        Attach<IdenticalRoomEvent>(table);
        GiveAudio(Prop("SymmetryCupboardR", 10.0f, 0.0f, "Cupboard_1x2.png", 1, 2), "cupboard", true);
        Zone("CupboardZone", 10.0f, 0.0f, 1.0f, 1.0f, "SymmetryCupboardR");
        GiveAudio(Prop("SymmetryBlockAR", 4.0f, 0.0f), "item_pickup", true);
        Zone("BlockAZone", 4.0f, 0.0f, 1.0f, 1.0f, "SymmetryBlockAR");
        GiveAudio(Prop("SymmetryBlockBR", 6.0f, 0.0f), "item_pickup", true);
        Zone("BlockBZone", 6.0f, 0.0f, 1.0f, 1.0f, "SymmetryBlockBR");
        Zone("SymmetryBearAreaR1", 8.0f, 4.0f);
        Zone("SymmetryBearAreaR2A", 10000.0f, 10000.0f);
        Zone("SymmetryBearAreaR2B", 10000.0f, 10000.0f);
        Zone("SymmetryBearAreaR", 10000.0f, 10000.0f);
        Prop("Piece1Icon", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        Prop("Piece2Icon", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        GameObject& curtain = Zone("SymmetryCurtainsL", -4.0f, 4.0f);
        GiveAudio(curtain, "curtain", true);
        GameObject& door = Prop("SymmetryDoorL2", -6.0f, 0.0f, "Door_1x1.png");
        GiveAudio(door, "door_unlock", true);
        AddWall("DoorBlock", -6.0f, 0.0f, 1.0f, 1.0f).parentName = "SymmetryDoorL2";
        GameObject& lever = Zone("SymmetrySwitch", 0.0f, -4.0f);
        GiveSprite(lever, "Switch_1x2.png", 1, 2);
        GiveAudio(lever, "switch", true);
        Zone("SymmetryRInteract", 0.0f, 4.0f);
    }
    IdenticalRoomEvent& Room() const { return Script<IdenticalRoomEvent>("SymmetryTable"); }
    void TakeBlock(float x)
    {
        PutPlayer(x, 0.0f);
        Interact();
        ReadAll();
    }
    void PlaceBlock(const Vector2& spot)
    {
        PutPlayer(spot.x, spot.y);
        Interact();
        Answer(true);
        ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 4.0f));
    }
    void PullSwitchAndWait()
    {
        PutPlayer(0.0f, -4.0f);
        Interact();
        ASSERT_TRUE(Controller().playerLocked);
        ASSERT_TRUE(StepUntil([&] { return !Room().switchPulled; }, 20.0f));
    }
};

TEST_F(MirrorRoomTest, ThreeChangesAndTheSwitchOpenTheDoorAndAMissingOneDoesNot)
{
    Build();
    Start();
    // Empty-handed the spot only says what is missing.
    PutPlayer(8.0f, 4.0f);
    Interact();
    EXPECT_FALSE(Controller().askQuestion);
    ReadAll();

    // Taking B then A swaps them: B is put down where A lay.
    TakeBlock(6.0f);
    EXPECT_TRUE(Room().holdingBlockB);
    TakeBlock(4.0f);
    EXPECT_TRUE(Room().holdingBlockA);
    EXPECT_FALSE(Room().holdingBlockB);
    EXPECT_FLOAT_EQ(At("SymmetryBlockBR").x, 4.0f);
    EXPECT_EQ(Object("Piece1Icon")->GetComponent<Sprite>()->textureName, "ABlock_1x1.png");
    EXPECT_EQ(Alpha("Piece2Icon"), 0.0f);

    PlaceBlock(Vector2(8.0f, 4.0f));
    EXPECT_FLOAT_EQ(At("SymmetryBearAreaR2A").x, 8.0f);
    EXPECT_TRUE(Hidden("SymmetryBearAreaR1"));
    // B again, from where it was put down, onto the half-done spot.
    TakeBlock(4.0f);
    PlaceBlock(Vector2(8.0f, 4.0f));
    EXPECT_TRUE(Room().bearComplete);
    EXPECT_FLOAT_EQ(At("SymmetryBearAreaR").x, 8.0f);

    // A no at the curtain changes nothing; a yes moves it at the black moment.
    PutPlayer(-4.0f, 4.0f);
    Interact();
    Answer(false);
    StepSeconds(0.2f);
    EXPECT_FALSE(Room().curtainMoved);
    Interact();
    Answer(true);
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 4.0f));
    EXPECT_FLOAT_EQ(At("SymmetryCurtainsL").x, IdenticalRoomEvent::kCurtainX);

    // The medicine is still on the left: nothing happens.
    PullSwitchAndWait();
    EXPECT_EQ(FirstLine(), "Hmm... nothing happened.");
    ReadAll();

    PutPlayer(10.0f, 0.0f);
    Interact();
    Answer(true);
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 2.0f));
    EXPECT_TRUE(Room().medicineCorrect);
    PullSwitchAndWait();
    EXPECT_EQ(FirstLine(), "It sounds like a door opened.");
    EXPECT_EQ(Object("SymmetryDoorL2")->objectType, 999);
    EXPECT_TRUE(Hidden("DoorBlock"));
}

TEST_F(MirrorRoomTest, AReloadKeepsTheCarriedBlockThePlacedOneAndTheMedicine)
{
    Build();
    Start();
    TakeBlock(4.0f);
    PlaceBlock(Vector2(8.0f, 4.0f));
    TakeBlock(6.0f);
    PutPlayer(10.0f, 0.0f);
    Interact();
    Answer(true);
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 2.0f));
    SaveAndReload();
    Step();
    EXPECT_TRUE(Room().holdingBlockB);
    EXPECT_TRUE(Room().medicineCorrect);
    PlaceBlock(Vector2(8.0f, 4.0f));
    EXPECT_TRUE(Room().bearComplete);
}

TEST_F(MirrorRoomTest, ThePressThatClosesAPickupLineTakesNoBlock)
{
    Build();
    Start();
    PutPlayer(4.0f, 0.0f);
    Controller().StartDialogue({DialogueLine("Someone else's line.", true, 0)}, false, false, false, 0.01f);
    Step();
    AdvanceDialogue();
    Step(2);
    EXPECT_FALSE(Room().holdingBlockA);
    EXPECT_FALSE(Hidden("SymmetryBlockAR"));
}

TEST_F(MirrorRoomTest, ACompletedFileLaysOutTheSolvedRoomAndTheSwitchRests)
{
    Build();
    Start();
    Room().completed = true;
    Step();
    EXPECT_FLOAT_EQ(At("SymmetryBearAreaR").x, IdenticalRoomEvent::kBearX);
    EXPECT_EQ(Object("SymmetryDoorL2")->objectType, 999);
    SaveAndReload();
    PutPlayer(0.0f, -4.0f);
    Interact();
    EXPECT_FALSE(Room().switchPulled);
}

class GeneratorTest : public StoryRig {
protected:
    void Build()
    {
        BuildPlayerRig();
        GameObject& generator = Prop("Generator", 0.0f, 10.0f, "Generator_1x3.png", 1, 3);
        GiveAudio(generator, "generator_loop", true);
        Attach<ElevatorPuzzle>(generator);
        Zone("GenSlot1", 0.0f, 6.0f);
        GiveAudio(Prop("GeneratorCollider", 0.0f, 10.0f), "generator_start", true);
        Prop("Piece1Icon", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        Prop("Piece2Icon", 0.0f, 0.0f, "Empty_1x1.png", 1, 1, 0.0f);
        Zone("ShelfPiece1", 6.0f, 0.0f);
        Zone("GenPiece1", 10000.0f, 10000.0f);
        Zone("GenPiece2", -6.0f, 0.0f);
        for (const char* wall : {"FalseLeftWall", "FalseRightWall", "FalseBackWall"})
            Prop(wall, 50.0f, 50.0f);
        Zone("Entrance1-9", 0.0f, -8.0f);
        Prop("ElevatorBackDoor", 0.0f, 12.0f, "Door_1x2.png", 1, 2);
        GameObject& lift = Zone("Lift", 8.0f, 8.0f);
        GiveSprite(lift, "Lift_3x4.png", 3, 4);
        Zone("LiftCollider", 8.0f, 8.0f, 2.0f, 2.0f);
        Zone("AudioTrigger2", -3.0f, 3.0f);
        Prop("StalkerEnemy", 60.0f, 60.0f);
        Prop("LiftTele", 80.0f, 0.0f);
    }
    ElevatorPuzzle& Puzzle() const { return Script<ElevatorPuzzle>("Generator"); }
    void Use(float x, float y)
    {
        PutPlayer(x, y);
        Interact();
        ReadAll();
    }
};

TEST_F(GeneratorTest, CuttersThenHandleStartTheGeneratorAndTheLiftTakesThePlayerUp)
{
    Build();
    Start();
    // Handle first, then the cutters from the shelf: the handle is put down below the shelf.
    Use(-6.0f, 0.0f);
    EXPECT_TRUE(Puzzle().holdingHandle);
    Use(0.0f, 6.0f);
    EXPECT_EQ(FirstLine(), "A generator... it is chained up...");
    EXPECT_TRUE(Puzzle().holdingHandle) << "the chained generator keeps the handle in hand";
    Use(6.0f, 0.0f);
    EXPECT_TRUE(Puzzle().holdingCutters);
    EXPECT_FALSE(Puzzle().holdingHandle);
    EXPECT_FLOAT_EQ(At("GenPiece2").y, -2.0f);
    EXPECT_EQ(Alpha("Piece2Icon"), 0.0f);
    Use(0.0f, 6.0f);
    EXPECT_TRUE(Puzzle().chainCut);
    EXPECT_EQ(Object("Generator")->GetComponent<Sprite>()->startFrame, 1);
    Use(0.0f, 6.0f);
    EXPECT_FALSE(Puzzle().liftPhase) << "empty-handed the generator only says the handle is missing";
    Use(6.0f, -2.0f);
    ASSERT_TRUE(Puzzle().holdingHandle);
    PutPlayer(0.0f, 6.0f);
    Interact();
    EXPECT_TRUE(Puzzle().liftPhase);
    Step(3);
    EXPECT_FALSE(Hidden("Entrance1-9")) << "the room waits for the dialogue to close";
    ReadAll();
    Step();
    EXPECT_TRUE(Hidden("Entrance1-9"));
    EXPECT_FLOAT_EQ(At("StalkerEnemy").x, 224.0f);

    PutPlayer(8.0f, 8.0f);
    ASSERT_TRUE(StepUntil([&] { return Puzzle().completed; }, 6.0f));
    EXPECT_EQ(Alpha("PlayerSprite"), 1.0f);
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 2.0f));
    EXPECT_NEAR(PlayerPosition().x, 80.0f, 0.01f);
}

TEST_F(GeneratorTest, AReloadKeepsTheCarriedCuttersAndTheCutChain)
{
    Build();
    Start();
    Use(6.0f, 0.0f);
    ASSERT_TRUE(Puzzle().holdingCutters);
    SaveAndReload();
    Step();
    EXPECT_TRUE(Puzzle().holdingCutters);
    EXPECT_TRUE(Puzzle().cuttersFound);
    Use(0.0f, 6.0f);
    EXPECT_TRUE(Puzzle().chainCut);
    SaveAndReload();
    Step();
    EXPECT_TRUE(Puzzle().chainCut);
    EXPECT_FALSE(Puzzle().holdingCutters);
    Use(-6.0f, 0.0f);
    PutPlayer(0.0f, 6.0f);
    Interact();
    EXPECT_TRUE(Puzzle().generatorStarted);
}

}  // namespace
}  // namespace story1
