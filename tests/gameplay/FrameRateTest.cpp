// The same play at sixty and at twenty frames a second: walking, typing, a door and its fade end
// the same, at the same time give or take a frame.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

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

    bool built = false;
};

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
