#pragma once
// The story rooms played through the script harness: small rooms built around the player rig,
// the script under test pushed onto its holder, keys pressed frame by frame.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

namespace story1 {

class StoryRig : public testsupport::GameplayHarness {
protected:
    // An object the scripts test for overlap, w x h at (x, y).
    GameObject& Zone(const std::string& name, float x, float y, float w = 1.0f, float h = 1.0f,
                     const std::string& parent = "None")
    {
        GameObject& object = testsupport::AddLevelObject(name, 4, parent);
        testsupport::GiveTransform(object, x, y, 0.5f);
        testsupport::GiveBox(object, w, h);
        return object;
    }
    // A pictured object (no box).
    GameObject& Prop(const std::string& name, float x, float y, const std::string& texture = "Empty_1x1.png",
                     int rows = 1, int columns = 1, float alpha = 1.0f)
    {
        GameObject& object = testsupport::AddLevelObject(name, 4);
        testsupport::GiveTransform(object, x, y, 0.5f);
        testsupport::GiveSprite(object, texture, rows, columns, alpha);
        return object;
    }
    template <class T>
    T& Attach(GameObject& holder)
    {
        auto component = std::make_shared<T>();
        holder.components.push_back(component);
        component->SetOwner(&holder);
        return *component;
    }
    template <class T>
    T& Script(const std::string& holder) const
    {
        return *Object(holder)->GetComponent<T>();
    }
    void Start()
    {
        StartBuiltLevel();
        // Past the opening fade.
        StepSeconds(1.1f);
    }
    void PutPlayer(float x, float y)
    {
        TransformOf("Player").SetPosition(Vector2(x, y));
        // The boxes follow their objects in the physics pass, a frame behind the scripts.
        Step(2);
    }
    void Interact() { Tap("ACTION_INTERACT"); }
    // Reads every line of the open box and waits until the player is free again.
    void ReadAll()
    {
        for (int guard = 0; guard < 60 && DialogueOpen(); ++guard)
            AdvanceDialogue();
        ASSERT_TRUE(StepUntil([&] { return !DialogueOpen() && !Controller().playerLocked; }, 20.0f));
    }
    // Presses interact until the picture has slid away and the player is free.
    void CloseImage()
    {
        for (int guard = 0; guard < 40 && Controller().imageActive; ++guard) {
            StepSeconds(0.25f);
            Interact();
        }
        ASSERT_TRUE(StepUntil([&] { return !Controller().imageActive; }, 10.0f));
    }
    std::string FirstLine() const
    {
        const auto& lines = Controller().dialogueLines;
        return lines.empty() ? std::string() : lines.front().text;
    }
    Vector2 At(const std::string& name) const
    {
        const Vector3 p = TransformOf(name).position;
        return Vector2(p.x, p.y);
    }
    bool Hidden(const std::string& name) const { return At(name).x >= 9999.0f; }
    // Saves the running scene as the checkpoint would and continues from it.
    void SaveAndReload()
    {
        ASSERT_TRUE(SaveLevel("SaveData", "../resources/save/SaveData.txt"));
        EnterLevel(true);
        StepSeconds(1.1f);
    }
};

}  // namespace story1
