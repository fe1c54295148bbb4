// The girl's ward on floor 2, on the shipped level: the notes, the table and the girl.
#include "events/GirlStory.h"
#include "graphics/Sprite.h"
#include "hospital/Floor2Rig.h"

namespace hospital {
namespace {

using namespace floor2hub;

class GirlStoryTest : public Floor2Test {
protected:
    GirlStory& Story() { return Script<GirlStory>("F2GirlStoryScript"); }
};

TEST_F(GirlStoryTest, TheTableWaitsForTheNotesThenTheGirlAppearsTalksAndFades)
{
    Start();
    PutPlayer("Entrance2-2link");
    // Too early: only a remark, and the girl stays away.
    WalkToVertFirst(*this, 20.5f, 183.0f);
    Interact(*this);
    ReadNext(*this, "This is creepy...");
    EXPECT_FALSE(Story().girlRevealed);
    EXPECT_EQ(CountPlays("whisper"), 1) << "the table's sound plays on the first touch only";

    PutPlayer("Entrance2-2link");
    PlayGirlNotes(*this);
    EXPECT_EQ(Story().reportsRead, 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Story().notes[i].spoken);
    EXPECT_TRUE(Hidden("ExperimentNotes2"));
    EXPECT_EQ(CountPlays("paper"), 3 + 3) << "each note when read and each page when closed";
    EXPECT_EQ(CountPlays("girl_theme"), 1);
    EXPECT_NEAR(At("LittleGirl").x, GirlStory::kGirlX, 0.01f);
    EXPECT_NEAR(At("LittleGirl").y, GirlStory::kGirlY, 0.01f);
    EXPECT_LE(Alpha("LittleGirl"), 0.0f) << "she fades away after the talk";
    EXPECT_TRUE(Story().farewellSpoken);
    EXPECT_EQ(Object("DaughterTableL2")->GetComponent<Sprite>()->startFrame, 1);
}

TEST_F(GirlStoryTest, TheWardsDoorsSoundOnceAndItsWaysOutAreReachable)
{
    Start();
    PutPlayer("Entrance2-2link");
    EnterLightPuzzleRoom2(*this);
    // The ward's own sound of the door on the first touch, and the passage's door sound.
    EXPECT_EQ(CountPlays("door_open"), 2);
    // A second time through only the passage sounds.
    PutPlayer("Entrance2-2link");
    EnterLightPuzzleRoom2(*this);
    EXPECT_EQ(CountPlays("door_open"), 3);
    PutPlayer("Exit2-3link");
    EnterFamilyTreeRoom(*this);
    PutPlayer("Exit2-9link");
    WalkToVertFirst(*this, 30.0f, 181.0f);
    GoThroughDoor(*this, "Entrance2-5", "ACTION_RIGHT");
    GoThroughDoor(*this, "Exit2-5", "ACTION_LEFT");
    GoThroughDoor(*this, "Entrance2-5", "ACTION_RIGHT");
    EXPECT_EQ(CountPlays("girl_giggle"), 1);
    // Back into the hallway by the ward's west door.
    PutPlayer("Entrance2-2link");
    GoThroughDoor(*this, "Exit2-2", "ACTION_LEFT");
}

TEST_F(GirlStoryTest, NotesReadBeforeASaveStillCountAfterIt)
{
    Start();
    PutPlayer("Entrance2-2link");
    ReadNote(*this, 7.0f, 186.5f, "Subject 45?");
    ReadNote(*this, 14.0f, 176.0f, "Deceased...");
    SaveAtCheckpointAndContinue("Floor2Checkpoint");
    EXPECT_TRUE(Hidden("ExperimentNotes2"));
    Step();
    EXPECT_EQ(Story().reportsRead, 3);
    PutPlayer("Entrance2-2link");
    ReadNote(*this, 29.0f, 176.0f, "Erratic pulse?");
    WalkToVertFirst(*this, 20.5f, 183.0f);
    Interact(*this);
    ReadNext(*this, "Wh-Who's there?");
    ReadNext(*this, "I must not let him out alive.");
}

}  // namespace
}  // namespace hospital
