#pragma once
// Shared set-up of the story-room tests: the player rig plus helpers to attach scripts, put
// the player somewhere and read dialogue through.
#include <memory>
#include <string>

#include "engine/Vector2.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

namespace story2 {

template <class T>
std::shared_ptr<T> Attach(GameObject& object)
{
    auto component = std::make_shared<T>();
    object.components.push_back(component);
    component->SetOwner(&object);
    return component;
}

// A zone the overlap test sees: Transform, Collider and Rigidbody.
inline GameObject& Zone(const std::string& name, float x, float y, float w = 1.0f, float h = 1.0f)
{
    GameObject& object = testsupport::AddLevelObject(name, 4);
    testsupport::GiveTransform(object, x, y, 0.5f);
    testsupport::GiveBox(object, w, h);
    return object;
}

class StoryTest : public testsupport::GameplayHarness {
protected:
    void PutPlayer(float x, float y)
    {
        // Boxes are refreshed after the scripts run: the second frame sees the new place.
        TransformOf("Player").SetPosition(Vector2(x, y));
        Step(2);
    }
    void ReadAll()
    {
        for (int guard = 0; guard < 40 && DialogueOpen(); ++guard)
            AdvanceDialogue();
    }
    template <class T>
    std::shared_ptr<T> Script(const std::string& name) const
    {
        return Object(name)->GetComponent<T>();
    }
    // A checkpoint's save, then the level again from it.
    void SaveAndReload()
    {
        ASSERT_TRUE(SaveLevel("SaveData", "../resources/save/SaveData.txt"));
        EnterLevel(true);
    }
};

}  // namespace story2
