// Floor 2 end to end on the shipped level, in story order, as the whole-game run plays it.
#include "events/BearCounter.h"
#include "events/GirlStory.h"
#include "events/IdenticalRoomEvent.h"
#include "events/LoopingHallwayEvent.h"
#include "gameplay/GameController.h"
#include "hospital/Floor2Rig.h"

namespace hospital {
namespace {

using namespace floor2hub;

using Floor2HubTest = Floor2Test;

TEST_F(Floor2HubTest, FromTheTrapDoorThroughTheHubAndTheMirrorRooms)
{
    Start();
    PutPlayer(kLandingX, kLandingY);
    PlayFloor2Arrival(*this);
    PlayLoopingHallway(*this);
    PlayGirlNotes(*this);
    PlayBearRoom(*this);
    EnterLightPuzzleRoom2(*this);
    // The light-puzzle and family-tree rooms are other areas: he comes back by their doors.
    PutPlayer("Exit2-3link");
    EnterFamilyTreeRoom(*this);
    PutPlayer("Entrance2-7link");
    PlayMirrorRooms(*this);

    EXPECT_TRUE(Script<LoopingHallwayEvent>("F2LoopScript").completed);
    EXPECT_TRUE(Script<GirlStory>("F2GirlStoryScript").farewellSpoken);
    EXPECT_FLOAT_EQ(Controller().bearCounter, 4.0f);
    EXPECT_EQ(Object("SymmetryDoorL2")->objectType, 999);
}

}  // namespace
}  // namespace hospital
