// The whole game in one run: from the title menu's Start through the intro, every room of both
// floors in story order, to the ending. Played headless through the real scenes with the bound
// keys. On each floor he saves at a checkpoint, dies, and goes on from that save through the
// game-over screen's Continue, as a player would.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/KeyTable.h"
#include "engine/SceneSystem.h"
#include "events/DollPickup.h"
#include "events/DollRoom.h"
#include "events/FamilyTreeRoomEvent.h"
#include "events/OperatingPuzzle.h"
#include "events/SurgeonChase.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/PlayerBehaviour.h"
#include "support/route/Checkpoints.h"
#include "support/route/Floor1HubRoute.h"
#include "support/route/Floor1WingsRoute.h"
#include "support/route/Floor2HubRoute.h"
#include "support/route/Floor2RoomsRoute.h"
#include "support/route/PuzzleRoomsRoute.h"

using Framework::Keys::Escape;

namespace {

class PlaythroughTest : public testsupport::GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        for (const char* name : {"Main", "Cutscene", "Level1", "GameOver", "Ending"})
            UseShippedLevelFile(name);
    }

    int Scene() const { return gSceneSystem->currentScene; }

    // Everything any script looked for and did not find since the level was last loaded.
    static std::string Gaps()
    {
        std::string text;
        for (const std::string& gap : MissingReports())
            text += "\n  " + gap;
        return text;
    }


    // The death has played: the game-over screen, then Continue back into the level.
    void ContinueAfterDeath()
    {
        ASSERT_TRUE(StepUntil([&] { return Scene() == SceneId::GameOver; }, 15.0f)) << "no game over";
        ClickAtWorld(-560.0f, -380.0f);
        ASSERT_EQ(Scene(), SceneId::Level) << "Continue did not go back into the level";
        Step(2);
    }
};

TEST_F(PlaythroughTest, FromTheMenuToTheEndingDyingOnceOnEachFloor)
{
    // The title menu's Start, and the intro skipped.
    EnterScene(SceneId::MainMenu);
    ClickAtWorld(0.0f, 100.0f);
    ASSERT_EQ(Scene(), SceneId::Cutscene);
    Press(Escape);
    Step(2);
    Release(Escape);
    ASSERT_EQ(Scene(), SceneId::Level);
    Step(2);
    ASSERT_TRUE(Object("Nurse")) << "a new game starts in the ward";

    // Floor 1: the ward, the corridor, the reception, the two wings off the hub.
    route::PlayWard(*this);
    ASSERT_FALSE(HasFatalFailure());
    route::PlayWheelchairCorridor(*this);
    ASSERT_FALSE(HasFatalFailure());
    route::PlayReception(*this);
    ASSERT_FALSE(HasFatalFailure());
    route::GoToSmashingWing(*this);
    floor1wings::PlaySmashingWing(*this);
    ASSERT_FALSE(HasFatalFailure());
    route::ReturnFromSmashingWing(*this);
    route::GoToOperatingWing(*this);
    floor1wings::PlayOperatingRoom(*this);
    ASSERT_FALSE(HasFatalFailure());
    route::ReturnFromOperatingWing(*this);
    ASSERT_FALSE(HasFatalFailure());

    // Saved in the hub; the doll, then caught by the surgeon who came for it.
    checkpoints::SaveAt(*this, "Savepoint1");
    ASSERT_FALSE(HasFatalFailure());
    route::EnterDollRoom(*this);
    route::PlayDollPickup(*this);
    ASSERT_FALSE(HasFatalFailure());
    route::WalkToX(*this, route::At(*this, "Exit1-3").x);
    route::UseDoor(*this, "ACTION_UP", "Exit1-3link");
    auto chase = Object("KnifeEnemy")->GetComponent<SurgeonChase>();
    route::WalkUntil(*this, "ACTION_UP", [&] { return chase->introStarted; }, 3.0f);
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 20.0f)) << "the surgeon never caught him";
    ContinueAfterDeath();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Object("OperatingTable")->GetComponent<OperatingPuzzle>()->completed) << "the save kept the wing done";
    EXPECT_FALSE(Object("DollRoomScript")->GetComponent<DollPickup>()->completed) << "the doll waits again";

    // The doll again and this time the flight, then the light room and the puzzle rooms.
    route::PlayDollAndChase(*this);
    ASSERT_FALSE(HasFatalFailure());
    route::GoToLightWing(*this);
    floor1wings::PlayLightRoom(*this);
    ASSERT_FALSE(HasFatalFailure());
    puzzleroute::PlayLightPuzzleRoom1(*this);
    ASSERT_FALSE(HasFatalFailure());
    puzzleroute::PlayGeneratorAndLift(*this);
    ASSERT_FALSE(HasFatalFailure());
    puzzleroute::PlayRunningGirlAndLever(*this);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(MissingReports().empty()) << "floor 1 lacked:" << Gaps();

    // Floor 2: the landing, the hallway, the girl's notes, the bears, the second light room.
    floor2hub::PlayFloor2Arrival(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2hub::PlayLoopingHallway(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2hub::PlayGirlNotes(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2hub::PlayBearRoom(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2hub::EnterLightPuzzleRoom2(*this);
    puzzleroute::PlayLightPuzzleRoom2(*this);
    ASSERT_FALSE(HasFatalFailure());

    // The family-tree room, the mirror rooms' bag, the first watering.
    floor2hub::EnterFamilyTreeRoom(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2route::EnterMirrorRooms(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2hub::PlayMirrorRooms(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2route::PlayFamilyTreeFirst(*this);
    ASSERT_FALSE(HasFatalFailure());

    // Saved before the nursery; too slow among the torn bears, and the big bear kills him.
    checkpoints::SaveAt(*this, "FamilyTreeCheckpoint");
    ASSERT_FALSE(HasFatalFailure());
    floor2route::EnterNursery(*this);
    floor2route::TakeNurseryWater(*this);
    floor2route::StartNurserySearch(*this);
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 40.0f)) << "the bear never came";
    ContinueAfterDeath();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Object("FamilyTree")->GetComponent<FamilyTreeRoomEvent>()->nurseryKeyFound) << "the key was saved";

    // The nursery again, the second watering, the flame room and the way out.
    floor2route::PlayNursery(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2route::PlayFamilyTreeSecond(*this);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(MissingReports().empty()) << "floor 2 lacked:" << Gaps();
    floor2route::PlayFlameRoomToEnding(*this);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(StepUntil([&] { return Scene() == SceneId::Ending; }, 10.0f)) << "the ending did not start";
    EXPECT_TRUE(StepUntil([&] { return Scene() == SceneId::MainMenu; }, 120.0f)) << "the ending did not finish";
}

}  // namespace
