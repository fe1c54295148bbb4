#pragma once
// The shipped Level1 with the player put down at a wing's arrival, as a hub door would.
#include <string>

#include "events/NurseEvent.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/route/Floor1WingsRoute.h"

namespace hospital {

class WingTest : public testsupport::GameplayHarness {
protected:
    // The ward's opening only holds the player inside the ward: it is done before the wings.
    void SkipOpening()
    {
        if (const auto nurse = Object("Nurse"))
            if (const auto opening = nurse->GetComponent<NurseEvent>())
                opening->completed = true;
    }
    void ArriveAt(const std::string& link)
    {
        StartShippedLevelAwake();
        SkipOpening();
        PutPlayer(link);
    }
    void PutPlayer(const std::string& name)
    {
        const Vector3 at = TransformOf(name).GetPosition();
        TransformOf("Player").SetPosition(Vector2(at.x, at.y));
        Step(2);
    }
    // Saves at a checkpoint with the interact key, then continues from that save.
    void SaveAtCheckpointAndContinue(const std::string& checkpoint)
    {
        floor1wings::Interact(*this);
        floor1wings::ReadNext(*this, "(Game saved)");
        EnterLevel(true);
        SkipOpening();
        Step(2);
        (void)checkpoint;
    }
};

}  // namespace hospital
