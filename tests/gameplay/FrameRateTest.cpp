// The same play at sixty and at twenty frames a second (walking, typing, a door, an enemy's creep,
// the bear's flicker, a cross-fade) ends the same, at the same time give or take a frame.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ai/BasicAI.h"
#include "ai/BearAI.h"
#include "ai/PatrollingAI.h"
#include "ai/EnemyRig.h"
#include "audio/Audio.h"
#include "engine/SceneSystem.h"
#include "events/BearCounter.h"
#include "events/DollPickup.h"
#include "events/ElevatorPuzzle.h"
#include "events/FamilyTreeRoomEvent.h"
#include "events/GirlStory.h"
#include "events/LightPuzzle.h"
#include "events/OperatingPuzzle.h"
#include "events/RunningTrigger.h"
#include "events/SurgeonChase.h"
#include "events/TBC.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightSource.h"
#include "objects/Transform.h"
#include "scenes/Ending.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;
using namespace enemyrig;

namespace {

struct Outcome {
    float walkedUp = 0.0f;
    float typedIn = 0.0f;
    std::string typed;
    float doorIn = 0.0f;
    float throughAt = 0.0f;
    float fadedIn = 0.0f;
};

class FrameRateTest : public GameplayHarness {
protected:
    // Steps frames of length dt until the condition holds; the seconds that took, or -1.
    template <class Condition>
    float SecondsUntil(float dt, Condition condition, float limit = 10.0f)
    {
        float seconds = 0.0f;
        while (!condition()) {
            if (seconds > limit)
                return -1.0f;
            StepWith(dt);
            seconds += dt;
        }
        return seconds;
    }

    // The same level each time: built once, then read again from its file.
    Outcome Play(float dt)
    {
        if (!built) {
            BuildPlayerRig();
            // A door straight above, reached by walking up.
            AddDoor("DoorUp", 0.0f, 8.0f, 30.0f, -20.0f);
            StartBuiltLevel();
            built = true;
        } else {
            EnterLevel(false);
        }
        Outcome outcome;
        outcome.fadedIn = SecondsUntil(dt, [&] { return Controller().fadeInDone; });

        // One second up the open floor.
        Hold("ACTION_UP");
        const float startY = PlayerPosition().y;
        for (int i = 0; i < static_cast<int>(std::lround(1.0f / dt)); ++i)
            StepWith(dt);
        Let("ACTION_UP");
        StepWith(dt);
        outcome.walkedUp = PlayerPosition().y - startY;

        // A line typed to its end.
        Controller().StartDialogue({DialogueLine("Thirty characters in this line", true, 0)}, false, false, false,
                                   0.01f);
        outcome.typedIn = SecondsUntil(dt, [&] { return Controller().charIndex >= 30; });
        outcome.typed = DialogueText();
        Tap("ACTION_INTERACT");
        SecondsUntil(dt, [&] { return !Controller().playerLocked; });

        // On up through the door and its fade.
        Hold("ACTION_UP");
        outcome.doorIn = SecondsUntil(dt, [&] { return Controller().teleportActive; });
        Let("ACTION_UP");
        outcome.throughAt = SecondsUntil(dt, [&] { return !Controller().playerLocked; });
        EXPECT_FLOAT_EQ(PlayerPosition().x, 30.0f);
        EXPECT_FLOAT_EQ(PlayerPosition().y, -20.0f);
        return outcome;
    }

    // Frames as a slow machine gives them until arrived: of dt each or, for dt 0, sixtieths with
    // one half-second stall on the first frame stallNow holds (by default the second). False if
    // it never arrives; lastFrame is the length of the frame it arrived in.
    template <class Arrived, class StallNow>
    bool FramesUntil(float dt, Arrived arrived, StallNow stallNow)
    {
        bool stalled = false;
        for (int frame = 0; frame < 3000 && !arrived(); ++frame) {
            lastFrame = dt > 0.0f ? dt : 1.0f / 60.0f;
            if (dt <= 0.0f && !stalled && stallNow()) {
                lastFrame = 0.5f;
                stalled = true;
            }
            StepWith(lastFrame);
        }
        return arrived();
    }
    template <class Arrived>
    bool FramesUntil(float dt, Arrived arrived)
    {
        int frame = 0;
        return FramesUntil(dt, arrived, [&] { return ++frame == 2; });
    }

    // A fade run until it reaches its bound, stalled when 0.3 short of it: it ends on the bound.
    template <class Value>
    void ExpectFadeEndsOn(float dt, float bound, Value value, const std::string& what)
    {
        const bool rising = value() < bound;
        ASSERT_TRUE(FramesUntil(dt, [&] { return rising ? value() >= bound : value() <= bound; },
                                [&] { return std::fabs(value() - bound) < 0.3f; }))
            << what << " never got there at " << dt;
        EXPECT_EQ(value(), bound) << what << " at " << dt;
    }

    Vector2 At(const std::string& name) const
    {
        const Vector3 p = TransformOf(name).position;
        return Vector2(p.x, p.y);
    }
    void ReadThrough()
    {
        for (int guard = 0; guard < 40 && DialogueOpen(); ++guard)
            AdvanceDialogue();
    }
    template <class T>
    T& Script(const std::string& holder) const
    {
        return *Object(holder)->GetComponent<T>();
    }

    bool built = false;
    float lastFrame = 0.0f;
};

// A placed object, pictured when given a sheet (of one row).
GameObject& Prop(const std::string& name, float x, float y, const std::string& texture = "", float alpha = 1.0f,
                 int columns = 1)
{
    GameObject& object = AddLevelObject(name, 4);
    GiveTransform(object, x, y, 0.5f);
    if (!texture.empty())
        GiveSprite(object, texture, 1, columns, alpha);
    return object;
}

TEST_F(FrameRateTest, TwentyFramesASecondPlayLikeSixty)
{
    const Outcome sixty = Play(1.0f / 60.0f);
    const Outcome twenty = Play(1.0f / 20.0f);
    const float frame = 1.0f / 20.0f;

    EXPECT_NEAR(sixty.walkedUp, 6.0f, 0.11f) << "0.02 x 5 a sixtieth of a second";
    EXPECT_NEAR(twenty.walkedUp, sixty.walkedUp, 0.11f);
    EXPECT_EQ(twenty.typed, sixty.typed);
    EXPECT_NEAR(sixty.typedIn, 0.5f, 1.0f / 60.0f) << "a character a sixtieth of a second";
    EXPECT_NEAR(twenty.typedIn, sixty.typedIn, frame);
    EXPECT_NEAR(twenty.fadedIn, sixty.fadedIn, frame);
    EXPECT_NEAR(twenty.doorIn, sixty.doorIn, frame);
    EXPECT_NEAR(twenty.throughAt, sixty.throughAt, frame);
}

// The enemy in the torch light creeps ever faster and the bear's flicker follows its pattern, by
// time: at twenty frames a second as at sixty.
TEST_F(FrameRateTest, CreepAndFlickerKeepTimeAtTwentyFramesASecond)
{
    BuildPlayerRig();
    AddFloor("Ward", {"........"}, -2.0f, 0.0f);
    Attach(AddEnemy("Stalker", 12.0f, 0.0f), std::make_shared<BasicAI>());
    // The bear watches only once its zone is brought over the player.
    GameObject& zone = AddLevelObject("TeddyDetector", 3);
    GiveTransform(zone, 200.0f, 0.0f);
    GiveBox(zone, 4.0f, 4.0f);
    GameObject& bear = AddEnemy("Bear", 0.0f, -4.0f);
    Attach(bear, std::make_shared<BasicAI>());
    Attach(bear, std::make_shared<BearAI>());
    StartBuiltLevel();

    float creep[2] = {};
    std::vector<float> switches[2];  // when the bear's dark spell changed
    for (int run = 0; run < 2; ++run) {
        const float dt = run == 0 ? 1.0f / 60.0f : 1.0f / 20.0f;
        EnterLevel(false);
        Transform& torch = TransformOf("Torch");
        torch.mouseTracking = false;
        torch.rotation = 90.0f;  // along +x, onto the stalker
        for (int i = 0; i < std::lround(2.25f / dt); ++i)
            StepWith(dt);
        creep[run] = Object("Stalker")->GetComponent<BasicAI>()->mSpeed;

        TransformOf("TeddyDetector").SetPosition(Vector2(0.0f, 0.0f));
        float dark = -1.0f;
        for (int i = 1; i <= std::lround(1.8f / dt); ++i) {
            StepWith(dt);
            if (dark >= 0.0f && Controller().flickerOffTime != dark)
                switches[run].push_back(i * dt);
            dark = Controller().flickerOffTime;
        }
    }
    EXPECT_NEAR(creep[0], 1.5f, 0.11f) << "0.1 a sixtieth of a second after two seconds";
    EXPECT_NEAR(creep[1], creep[0], 3.0f * 0.1f + 0.01f) << "within a frame's rise";
    ASSERT_GE(switches[0].size(), 2u);
    switches[1].resize(2, -1.0f);
    for (int i = 0; i < 2; ++i)
        EXPECT_NEAR(switches[1][i], switches[0][i], 1.0f / 20.0f) << "switch " << i << " of the bear's flicker";
}

// A cross-fade begun at sixty frames a second and carried on at twenty ends on time, its target
// at the cap a tenth of a second in.
TEST_F(FrameRateTest, ACrossFadeKeepsTimeWhenTheFrameRateDrops)
{
    Audio cross;
    cross.volume = 0.7f;
    auto target = std::make_shared<Audio>();
    target->volume = 0.0f;
    cross.CrossFadeTo(target, 1.0f);
    float fullAt = -1.0f;
    for (float seconds = 0.0f, dt = 1.0f / 60.0f; cross.crossFading && seconds < 5.0f; dt = 1.0f / 20.0f) {
        cross.Update(dt);
        seconds += dt;
        if (fullAt < 0.0f && target->volume >= 0.7f)
            fullAt = seconds;
    }
    EXPECT_NEAR(cross.volume, 0.0f, 0.7f / 20.0f);
    EXPECT_NEAR(fullAt, 0.1f, 1.0f / 20.0f);
}

// At two frames a second the ending's last picture too reaches its mark before its final fade.
TEST_F(FrameRateTest, TheEndingsPictureReachesItsMarkAtTwoFramesASecond)
{
    UseShippedLevelFile("Ending");
    EnterScene(SceneId::Ending);
    const auto ending = std::dynamic_pointer_cast<Ending>(gSceneSystem->GetCurrentScene());
    ASSERT_GT(SecondsUntil(0.5f, [&] { return ending && ending->finalFade; }, 100.0f), 0.0f);
    EXPECT_GE(TransformOf("Frame14").position.y, Ending::kMarkY);
}

// A picture sliding up and down, an enemy walking home, a fade-teleport's timer, death's red and
// the ending's rise stop exactly on their places at thirteen and at seven frames a second and
// through a stall, and what follows each arrival happens.
TEST_F(FrameRateTest, MotionsTowardAPlaceEndOnItWhateverTheFrames)
{
    BuildPlayerRig();
    GameObject& pacer = AddEnemy("Pacer", 0.0f, -12.0f);
    Attach(pacer, std::make_shared<BasicAI>())->StartPosition = Vector2(0.0f, -12.0f);
    Attach(pacer, std::make_shared<PatrollingAI>())->PaceDirection = {false, false, false, false};
    StartBuiltLevel();
    StepSeconds(1.1f);
    GameController& controller = Controller();
    PatrollingAI& patrol = *Object("Pacer")->GetComponent<PatrollingAI>();
    const float rest = TransformOf("DisplayImage").position.y;
    const float up = rest + controller.imageSlideDistance;
    for (const float dt : {1.0f / 13.0f, 1.0f / 7.0f, 0.0f}) {
        controller.ShowImage("Note.png", 0, 0, Vector2(20.0f, 15.0f), 50.0f, nullptr, "", 0.5f);
        ASSERT_TRUE(FramesUntil(dt, [&] { return !controller.imageSlidingIn; }));
        EXPECT_NEAR(TransformOf("DisplayImage").position.y, up, 1e-4f) << "up at " << dt;
        EXPECT_TRUE(controller.playerLocked);
        StepSeconds(0.6f);
        Tap("ACTION_INTERACT");
        ASSERT_TRUE(FramesUntil(dt, [&] { return !controller.imageActive; }));
        EXPECT_NEAR(TransformOf("DisplayImage").position.y, rest, 1e-4f) << "down at " << dt;
        EXPECT_FALSE(controller.playerLocked);

        TransformOf("Pacer").SetPosition(Vector2(-3.0f, -10.0f));
        patrol.mGoingHome = true;
        EXPECT_TRUE(FramesUntil(dt, [&] { return !patrol.mGoingHome; })) << "never home at " << dt;
        EXPECT_EQ(TransformOf("Pacer").position.x, 0.0f);
        EXPECT_EQ(TransformOf("Pacer").position.y, -12.0f);
    }

    // A stall as a fade-teleport clears leaves no time over to hold the next one back.
    controller.FadeTeleport(Vector2(0.0f, 0.0f), false, 0.5f);
    ASSERT_GT(SecondsUntil(1.0f / 60.0f, [&] { return controller.teleportFadingIn; }), 0.0f);
    StepWith(0.8f);
    controller.FadeTeleport(Vector2(0.0f, 0.0f), false, 0.5f);
    EXPECT_NEAR(SecondsUntil(1.0f / 60.0f, [&] { return controller.teleportFadingIn; }), 0.5f, 0.02f);
    ASSERT_GT(SecondsUntil(1.0f / 60.0f, [&] { return !controller.playerLocked; }), 0.0f);

    // Death's red rises no further than full through a stall, so the game over is two seconds on.
    controller.Die();
    StepWith(1.0f / 60.0f);
    StepWith(0.5f);
    EXPECT_EQ(Alpha("RedScreen"), 1.0f);
    EXPECT_NEAR(SecondsUntil(1.0f / 60.0f, [&] { return RequestedScene() == SceneId::GameOver; }), 2.0f, 0.02f);

    UseShippedLevelFile("Ending");
    EnterScene(SceneId::Ending);
    const auto ending = std::dynamic_pointer_cast<Ending>(gSceneSystem->GetCurrentScene());
    ASSERT_TRUE(ending);
    ASSERT_GT(SecondsUntil(1.0f / 7.0f, [&] { return ending->finalFade; }, 100.0f), 0.0f);
    EXPECT_EQ(TransformOf("Frame14").position.y, Ending::kMarkY);
}

// Fades toward a bound end on it at thirteen and at seven frames a second and through a stall:
// the level's opening fade, the writing on the bear room's wall, the lift's fade of the player,
// the trap door's sound, the running girl, the family tree's growth and its ring pictures, and
// the patroller's fade out and back in, which starts from nothing so the catch is not late.
TEST_F(FrameRateTest, FadesTowardABoundEndOnItWhateverTheFrames)
{
    BuildPlayerRig();
    Prop("TextOnWall", 0.0f, 20.0f, "TextOnWall.png", 0.0f);
    Attach(Prop("BearRoom", 0.0f, 30.0f), std::make_shared<BearCounter>());
    Attach(Prop("GeneratorRoom", 0.0f, 40.0f), std::make_shared<ElevatorPuzzle>());
    GiveAudio(Prop("TrapDoor", 0.0f, 50.0f), "trapdoor", true);
    Attach(Prop("Lever", 0.0f, 60.0f), std::make_shared<TBC>());
    Prop("LittleGirl", 0.0f, 70.0f, "Empty_1x1.png");
    Attach(Prop("GirlsDrawing", 0.0f, 80.0f), std::make_shared<RunningTrigger>());
    Attach(Prop("FamilyTree", 0.0f, 90.0f, "FamilyTree_1x5.png", 1.0f, 5), std::make_shared<FamilyTreeRoomEvent>());
    Prop("TreeGrowth", 0.0f, 90.0f, "TreeGrowth_1x5.png", 0.0f, 5);
    Prop("Cutscene1", 0.0f, 100.0f, "Empty_1x1.png");
    Prop("Cutscene2", 0.0f, 100.0f, "Empty_1x1.png", 0.0f);
    GameObject& pacer = AddEnemy("Pacer", 40.0f, -40.0f);
    Attach(pacer, std::make_shared<BasicAI>())->StartPosition = Vector2(40.0f, -40.0f);
    Attach(pacer, std::make_shared<PatrollingAI>())->PaceDirection = {false, false, false, false};
    StartBuiltLevel();

    for (const float dt : {1.0f / 13.0f, 1.0f / 7.0f, 0.0f}) {
        EnterLevel(false);
        ExpectFadeEndsOn(dt, 0.0f, [&] { return Alpha("FadeScreen"); }, "the opening fade");

        Script<BearCounter>("BearRoom").counted[2] = true;
        ExpectFadeEndsOn(dt, 1.0f, [&] { return Alpha("TextOnWall"); }, "the wall's writing");

        ElevatorPuzzle& lift = Script<ElevatorPuzzle>("GeneratorRoom");
        lift.liftPhase = lift.inLift = true;
        ExpectFadeEndsOn(dt, 0.0f, [&] { return Alpha("PlayerSprite"); }, "the player in the lift");
        ASSERT_TRUE(FramesUntil(dt, [&] { return lift.completed && !Controller().playerLocked; }));

        TBC& lever = Script<TBC>("Lever");
        lever.leverPulled = true;
        ExpectFadeEndsOn(dt, 0.0f, [&] { return Object("TrapDoor")->GetComponent<Audio>()->volume; },
                         "the trap door's sound");
        ASSERT_TRUE(FramesUntil(dt, [&] { return lever.completed; }));

        Script<RunningTrigger>("GirlsDrawing").girlRunning = true;
        ExpectFadeEndsOn(dt, 0.0f, [&] { return Alpha("LittleGirl"); }, "the running girl");

        FamilyTreeRoomEvent& tree = Script<FamilyTreeRoomEvent>("FamilyTree");
        tree.waterCount = 1;
        tree.growing = true;
        ExpectFadeEndsOn(dt, 1.0f, [&] { return Alpha("TreeGrowth"); }, "the tree's growth");
        EXPECT_GE(Alpha("FamilyTree"), 0.0f);
        EXPECT_NEAR(Alpha("FamilyTree"), 0.0f, 1e-5f) << "the tree it grows from";
        // The last ring picture but one, then the last.
        tree.waterCount = 4;
        tree.resultRunning = tree.keyLinesShown = tree.lighterShown = tree.ringDropShown = true;
        tree.ringImageIndex = static_cast<int>(tree.ringImages.size()) - 2;
        ExpectFadeEndsOn(dt, 1.0f, [&] { return Alpha("Cutscene2"); }, "a ring picture coming");
        ExpectFadeEndsOn(dt, 0.0f, [&] { return Alpha("Cutscene1"); }, "the ring pictures going");
        ReadThrough();

        PatrollingAI& patrol = Script<PatrollingAI>("Pacer");
        patrol.mPlayerSeen = true;
        patrol.mAlertTimer = 0.0f;
        patrol.mCatchPosition = Vector2(40.0f, -40.0f);
        ASSERT_TRUE(FramesUntil(dt, [&] { return patrol.mCatching; }, [&] { return Alpha("Pacer") < 0.3f; }));
        EXPECT_EQ(Alpha("Pacer"), 0.75f * lastFrame) << "the fade back in from nothing at " << dt;
        ExpectFadeEndsOn(dt, 1.0f, [&] { return Alpha("Pacer"); }, "the patroller coming back");
        ASSERT_TRUE(FramesUntil(dt, [&] { return patrol.mGoingHome; }));
    }
}

// The story's pans stop on their marks at thirteen and at seven frames a second and through a
// stall: the operating room's false door, the surgeon seen from the doll's room, the chase's look
// down the corridor and the light board's door; and the girl at her table fades in to her faint
// 0.6 and out to nothing.
TEST_F(FrameRateTest, StoryPansAndTheGirlsFadeEndOnTheirMarksWhateverTheFrames)
{
    BuildPlayerRig();
    Attach(Prop("OperatingTable", 0.0f, 40.0f), std::make_shared<OperatingPuzzle>());
    Prop("NewCamPos", 6.0f, -9.0f);
    Prop("FalseDoor3", 6.0f, -12.0f);
    Attach(Prop("DollRoom", 0.0f, 50.0f), std::make_shared<DollPickup>());
    Attach(Prop("Surgeon", 0.0f, 60.0f), std::make_shared<SurgeonChase>());
    Prop("SurgChasePan", 6.0f, 4.0f);
    GiveBox(Prop("SurgColl1", 0.0f, 0.0f), 1.0f, 1.0f);
    Attach(Prop("LightPuzzleBoard", 0.0f, 70.0f), std::make_shared<LightPuzzle>());
    for (int i = 1; i <= 3; ++i)
        Attach(Prop("LightPuzzle1-" + std::to_string(i), 0.0f, 70.0f), std::make_shared<LightSource>(0.5f));
    Prop("LightPuzzleDoor", 5.0f, -13.0f);
    Attach(Prop("DaughterTableL2", 0.0f, 80.0f), std::make_shared<GirlStory>());
    Prop("LittleGirl", 0.0f, 90.0f, "Empty_1x1.png", 0.0f);
    StartBuiltLevel();

    auto cameraAt = [&](const Vector2& place, const char* what, float dt) {
        EXPECT_EQ(At("Camera").x, place.x) << what << " at " << dt;
        EXPECT_EQ(At("Camera").y, place.y) << what << " at " << dt;
    };
    for (const float dt : {1.0f / 13.0f, 1.0f / 7.0f, 0.0f}) {
        EnterLevel(false);
        StepSeconds(1.1f);

        OperatingPuzzle& table = Script<OperatingPuzzle>("OperatingTable");
        table.revealing = true;
        table.returnPos = At("Player");
        ASSERT_TRUE(FramesUntil(dt, [&] { return table.panningBack; }, [&] { return At("Camera").y < -6.0f; }));
        cameraAt(Vector2(6.0f, -9.0f), "the false door", dt);
        ASSERT_TRUE(FramesUntil(dt, [&] { return table.completed; }, [&] { return At("Camera").x < 3.0f; }));
        cameraAt(At("Player"), "back from the false door", dt);
        ReadThrough();

        DollPickup& doll = Script<DollPickup>("DollRoom");
        doll.visionStarted = doll.fadeOutDone = true;
        doll.stageTimer = 100.0f;
        ASSERT_TRUE(FramesUntil(dt, [&] { return doll.knifeWalking; }, [&] { return At("Camera").x < -12.0f; }));
        cameraAt(At("Player") + doll.cameraOffset, "the surgeon at the door", dt);
        ASSERT_TRUE(FramesUntil(dt, [&] { return doll.sceneFinished; }, [&] { return At("Camera").y < 3.0f; }));
        cameraAt(At("Player"), "back from the surgeon", dt);

        SurgeonChase& chase = Script<SurgeonChase>("Surgeon");
        chase.dollTriggered = true;
        ASSERT_TRUE(FramesUntil(dt, [&] { return chase.panDone; }, [&] { return At("Camera").x > 4.0f; }));
        cameraAt(Vector2(6.0f, 4.0f), "the corridor", dt);
        ASSERT_TRUE(FramesUntil(dt, [&] { return chase.chaseBegun; }));

        LightPuzzle& board = Script<LightPuzzle>("LightPuzzleBoard");
        for (std::size_t i = 0; i < 3; ++i)
            Object("LightPuzzle1-" + std::to_string(i + 1))->GetComponent<LightSource>()->SetColour(board.boards[0].colours[i]);
        board.boards[0].clueRead = board.boards[0].doorShut = true;
        ASSERT_TRUE(FramesUntil(dt, [&] { return At("LightPuzzleDoor").x >= 9999.0f; }));
        cameraAt(Vector2(5.0f, -5.0f), "the light board's door", dt);
        ASSERT_TRUE(FramesUntil(dt, [&] { return board.completed; }));

        GirlStory& girl = Script<GirlStory>("DaughterTableL2");
        girl.girlRevealed = true;
        ExpectFadeEndsOn(dt, 0.6f, [&] { return Alpha("LittleGirl"); }, "the girl appearing");
        ReadThrough();
        ExpectFadeEndsOn(dt, 0.0f, [&] { return Alpha("LittleGirl"); }, "the girl going");
        ReadThrough();
    }
}

// A slower typing pace (a character every three sixtieths) keeps its pace at any frame rate.
TEST_F(FrameRateTest, ASlowTypingPaceKeepsItsPace)
{
    BuildPlayerRig();
    StartBuiltLevel();
    StepSeconds(1.1f);
    for (const float dt : {1.0f / 60.0f, 1.0f / 20.0f, 1.0f / 15.0f}) {
        Controller().StartDialogue({DialogueLine("Twelve chars", true, 0)}, false, false, false, 0.05f);
        const float seconds = SecondsUntil(dt, [&] { return Controller().charIndex >= 12; });
        EXPECT_NEAR(seconds, 0.6f, dt + 1e-4f) << "at " << 1.0f / dt << " frames a second";
        // The prompt takes the press once the delay has passed again.
        StepSeconds(0.1f);
        Tap("ACTION_INTERACT");
        ASSERT_GE(SecondsUntil(dt, [&] { return !Controller().playerLocked; }), 0.0f);
    }
}

// A stall is counted as a few frames at most: it cannot carry the player far.
TEST_F(FrameRateTest, AStallCountsForAFewFramesAtMost)
{
    BuildPlayerRig();
    StartBuiltLevel();
    StepSeconds(1.1f);
    Hold("ACTION_UP");
    StepWith(1.0f / 60.0f);
    const float y = PlayerPosition().y;
    StepWith(2.0f);
    EXPECT_NEAR(PlayerPosition().y - y, 4 * 0.02f * 5.0f, 1e-4f);
}

// Sideways too: stalled frames walk him into a door a step at a time, never over it.
TEST_F(FrameRateTest, AStallCarriesHimSidewaysAFewFramesAtMostAndNeverOverADoor)
{
    BuildPlayerRig();
    AddDoor("DoorRight", 3.0f, 0.0f, 30.0f, -20.0f);
    StartBuiltLevel();
    StepSeconds(1.1f);
    Hold("ACTION_RIGHT");
    StepWith(1.0f / 60.0f);
    const float x = PlayerPosition().x;
    StepWith(1.0f);
    EXPECT_NEAR(PlayerPosition().x - x, 4 * 5.0f / 60.0f, 1e-4f);
    for (int stall = 0; stall < 20 && !Controller().teleportActive; ++stall)
        StepWith(1.0f);
    EXPECT_TRUE(Controller().teleportActive) << "he stopped at x " << PlayerPosition().x;
    EXPECT_LT(PlayerPosition().x, 3.0f);
}

}  // namespace
