// Examine spots on the shipped level that stand in or against a wall or a blocker: each answers
// from where the player naturally stands in front of it.
#include "hospital/WingRig.h"

namespace hospital {
namespace {

using namespace floor1wings;

class ExamineSpotsTest : public WingTest {
protected:
    // Walks into whatever stops him, then presses interact and reads what opens.
    void PressAgainst(const std::string& action)
    {
        Hold(action);
        StepSeconds(1.0f);
        Let(action);
        Step(5);
        Tap("ACTION_INTERACT");
    }
};

TEST_F(ExamineSpotsTest, TheLightRoomsWindowAnswersFromTheRoom)
{
    ArriveAt("Entrance1-11link");
    EnterLightRoom(*this);
    // Down the room's east side to the window in its wall.
    WalkAxis(*this, false, -549.0f);
    PressAgainst("ACTION_RIGHT");
    ASSERT_TRUE(DialogueOpen()) << "the window says nothing at (" << PlayerPosition().x << ", "
                                << PlayerPosition().y << ")";
    ReadNext(*this, "Something is lying on the other side");
    EXPECT_LT(PlayerPosition().x, 238.0f) << "he went through the wall";
}

TEST_F(ExamineSpotsTest, TheReceptionDeskAnswersAlongItsFront)
{
    ArriveAt("CorridorDoorlink");
    // In front of the desk (below it), at its middle and at both ends of the counter.
    for (const float x : {78.0f, 76.6f, 79.4f}) {
        SCOPED_TRACE(x);
        WalkAxis(*this, false, -41.0f);
        WalkAxis(*this, true, x);
        PressAgainst("ACTION_UP");
        ASSERT_TRUE(DialogueOpen()) << "the desk says nothing at (" << PlayerPosition().x << ", "
                                    << PlayerPosition().y << ")";
        ReadAll(*this);
        ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 5.0f));
    }
    // And from behind the counter.
    WalkAxis(*this, true, 82.0f);
    WalkAxis(*this, false, -35.0f);
    WalkAxis(*this, true, 78.0f);
    PressAgainst("ACTION_DOWN");
    EXPECT_TRUE(DialogueOpen()) << "the desk says nothing from behind at (" << PlayerPosition().x << ", "
                                << PlayerPosition().y << ")";
}

}  // namespace
}  // namespace hospital
