// Floor 2 end to end on the shipped level, in story order and through its doors, as the
// whole-game run plays it.
#include "events/BearCounter.h"
#include "events/GirlStory.h"
#include "events/IdenticalRoomEvent.h"
#include "events/LoopingHallwayEvent.h"
#include "gameplay/GameController.h"
#include "hospital/Floor2Rig.h"
#include "support/route/Floor2RoomsRoute.h"
#include "support/route/PuzzleRoomsRoute.h"

namespace hospital {
namespace {

using namespace floor2hub;

using Floor2HubTest = Floor2Test;

TEST_F(Floor2HubTest, FromTheTrapDoorThroughTheHubTheMirrorRoomsAndTheFamilyTreeToTheEnding)
{
    Start();
    // The first light board, solved on floor 1, lets the second one work up here.
    PutPlayer("Entrance1-9alink");
    PlayLightPuzzleRoom1(*this);
    ASSERT_FALSE(HasFatalFailure());
    PutPlayer(kLandingX, kLandingY);
    PlayFloor2Arrival(*this);
    PlayLoopingHallway(*this);
    PlayGirlNotes(*this);
    PlayBearRoom(*this);
    EnterLightPuzzleRoom2(*this);
    PlayLightPuzzleRoom2(*this);
    ASSERT_FALSE(HasFatalFailure());
    EnterFamilyTreeRoom(*this);
    floor2route::EnterMirrorRooms(*this);
    ASSERT_FALSE(HasFatalFailure());
    PlayMirrorRooms(*this);
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_TRUE(Script<LoopingHallwayEvent>("F2LoopScript").completed);
    EXPECT_TRUE(Script<GirlStory>("F2GirlStoryScript").farewellSpoken);
    EXPECT_FLOAT_EQ(Controller().bearCounter, 4.0f);
    EXPECT_EQ(Object("SymmetryDoorL2")->objectType, 999);

    // On through the family-tree room with the mirror rooms' bag, as the whole-game run goes on.
    floor2route::PlayFamilyTreeFirst(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2route::PlayNursery(*this);
    ASSERT_FALSE(HasFatalFailure());
    floor2route::PlayFamilyTreeSecond(*this);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(floor2route::TreeScript(*this)->finalDoorUnlocked) << "the hall's door stayed locked";
    floor2route::PlayFlameRoomToEnding(*this);
}

}  // namespace
}  // namespace hospital
