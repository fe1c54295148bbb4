#pragma once
// The shipped Level1 with the player put down on floor 2, as the trap door or a far door would.
#include <stdexcept>
#include <string>

#include "events/NurseEvent.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/route/Floor2HubRoute.h"

namespace hospital {

class Floor2Test : public testsupport::GameplayHarness {
protected:
    // Where the trap door drops the father.
    static constexpr float kLandingX = -20.0f;
    static constexpr float kLandingY = 180.0f;

    // The ward's opening on floor 1 holds the player there; it is long done up here.
    void SkipOpening()
    {
        if (const auto nurse = Object("Nurse"))
            if (const auto opening = nurse->GetComponent<NurseEvent>())
                opening->completed = true;
    }
    void Start()
    {
        StartShippedLevelAwake();
        SkipOpening();
        StepSeconds(1.1f);
    }
    void PutPlayer(float x, float y)
    {
        TransformOf("Player").SetPosition(Vector2(x, y));
        // The boxes follow their objects in the physics pass, a frame behind the scripts.
        Step(2);
    }
    void PutPlayer(const std::string& name)
    {
        const Vector3 at = TransformOf(name).GetPosition();
        PutPlayer(at.x, at.y);
    }
    // Saves with the interact key at a checkpoint (the long walk there is skipped), then
    // continues from that save.
    void SaveAtCheckpointAndContinue(const std::string& checkpoint)
    {
        PutPlayer(checkpoint);
        floor2hub::Interact(*this);
        floor2hub::ReadNext(*this, "(Game saved)");
        EnterLevel(true);
        SkipOpening();
        StepSeconds(1.1f);
    }
    template <class T>
    T& Script(const std::string& holder) const
    {
        const auto object = Object(holder);
        const auto script = object ? object->GetComponent<T>() : nullptr;
        if (!script)
            throw std::runtime_error("no script on \"" + holder + "\"");
        return *script;
    }
    Vector2 At(const std::string& name) const
    {
        const Vector3 p = TransformOf(name).GetPosition();
        return Vector2(p.x, p.y);
    }
    bool Hidden(const std::string& name) const { return At(name).x >= 9999.0f; }
};

}  // namespace hospital
