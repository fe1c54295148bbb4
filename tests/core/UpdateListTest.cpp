// The update walk's kept array against scripts that change the object list in the middle of it.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "CoreTestSupport.h"
#include "engine/UpdateList.h"
#include "engine/Vector2.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "physics/Collider.h"

using coretest::ProbeComponent;

namespace {

TEST(UpdateListTest, AScriptThatSwapsOrReplacesObjectsLeavesTheRestOfTheFrameToThePlainWalk)
{
    DestroyAll();
    std::vector<std::shared_ptr<ProbeComponent>> probes;
    // Lists an object holding count probes, kept in probes.
    const auto list = [&probes](const char* name, int count) -> GameObject& {
        auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
        for (int i = 0; i < count; ++i)
            object->components.push_back(probes.emplace_back(std::make_shared<ProbeComponent>()));
        AddObject(object);
        return *object;
    };

    // The script swaps two later objects with different component counts: each still runs once.
    list("Script", 1).AddComponent(std::make_shared<Collider>(Vector2(2.0f, 2.0f)), Collider::kTypeId);
    list("Pair", 2);
    list("Lone", 1);
    probes[0]->onUpdate = [] {
        gGameObjects.Change([](GameObjectList::Entries& slots) { std::swap(slots[1], slots[2]); });
    };
    UpdateList walk;
    walk.Run(1.0f / 60.0f);
    for (const auto& probe : probes)
        EXPECT_EQ(probe->updates, 1);

    // Then it takes its own object off the list and lists an empty one: the object it held goes
    // when the frame is done, its Collider is never reached after that (the sanitizer build sees).
    const std::weak_ptr<Collider> box = FindObjectByName("Script")->GetComponent<Collider>();
    probes[0]->onUpdate = [] {
        DestroyObject(FindObjectByName("Script"));
        AddObject(std::make_shared<GameObject>("Newcomer", 4, gObjectIdCounter));
    };
    walk.Run(1.0f / 60.0f);
    EXPECT_TRUE(box.expired());
    DestroyAll();
}

}  // namespace
