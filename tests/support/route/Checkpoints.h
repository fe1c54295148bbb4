#pragma once
// Saving at a checkpoint as a player does, for the hospital's tests and the playthrough.
#include <gtest/gtest.h>

#include <string>

#include "engine/Vector2.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"

namespace checkpoints {

// Steps onto the checkpoint (the walk there is skipped), presses interact and reads the message.
inline void SaveAt(testsupport::GameplayHarness& h, const std::string& checkpoint)
{
    const Vector3 at = h.TransformOf(checkpoint).position;
    h.TransformOf("Player").SetPosition(Vector2(at.x, at.y));
    h.Step(2);
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.DialogueOpen()) << checkpoint << " did not save";
    for (int guard = 0; guard < 40 && h.DialogueOpen(); ++guard)
        h.AdvanceDialogue();
}

// Saved there, then the level again from that save, as game over's Continue brings it back.
inline void SaveAndContinue(testsupport::GameplayHarness& h, const std::string& checkpoint)
{
    SaveAt(h, checkpoint);
    if (::testing::Test::HasFatalFailure())
        return;
    h.EnterLevel(true);
    h.StepSeconds(1.1f);
}

}  // namespace checkpoints
