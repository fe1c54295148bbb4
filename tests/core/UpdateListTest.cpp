// The update walk's kept array against scripts that change the object list in the middle of it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "CoreTestSupport.h"
#include "engine/UpdateList.h"
#include "engine/Vector2.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

using coretest::ProbeComponent;

namespace {

class UpdateListTest : public ::testing::Test {
protected:
    void SetUp() override { DestroyAll(); }
    void TearDown() override { DestroyAll(); }

    static std::shared_ptr<GameObject> List(const std::string& name)
    {
        auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
        AddObject(object);
        return object;
    }
    static std::shared_ptr<ProbeComponent> Probe(GameObject& object)
    {
        auto probe = std::make_shared<ProbeComponent>();
        object.components.push_back(probe);
        probe->SetOwner(&object);
        return probe;
    }
};

TEST_F(UpdateListTest, AScriptThatSwapsOrReplacesObjectsLeavesTheRestOfTheFrameToThePlainWalk)
{
    UpdateList walk;

    // Two later objects with different component counts trade places.
    auto script = Probe(*List("Script"));
    auto many = List("Many");
    many->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
    auto first = Probe(*many);
    auto second = Probe(*many);
    auto third = Probe(*many);
    auto lone = Probe(*List("Lone"));
    walk.Run(1.0f / 60.0f);
    script->onUpdate = [] {
        gGameObjects.Change([](GameObjectList::Entries& slots) { std::swap(slots[1], slots[2]); });
    };
    walk.Run(1.0f / 60.0f);
    script->onUpdate = nullptr;
    walk.Run(1.0f / 60.0f);
    for (const auto& probe : {script, first, second, third, lone})
        EXPECT_EQ(probe->updates, 3);
    EXPECT_EQ(gGameObjects[1], FindObjectByName("Lone"));

    // A script takes its own object off the list and lists a new one with nothing on it yet:
    // the object it held goes when the frame is done, its Collider is never reached after that.
    DestroyAll();
    auto self = List("Self");
    self->AddComponent(std::make_shared<Transform>(4.0f, 2.0f, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
    auto leaving = Probe(*self);
    self->AddComponent(std::make_shared<Collider>(Vector2(2.0f, 2.0f)), Collider::kTypeId);
    const std::weak_ptr<Collider> box = self->GetComponent<Collider>();
    walk.Run(1.0f / 60.0f);
    EXPECT_EQ(box.lock()->GetMin().x, 3.0f);
    leaving->onUpdate = [] {
        DestroyObject(FindObjectByName("Self"));
        List("Newcomer");
    };
    self.reset();
    leaving.reset();
    walk.Run(1.0f / 60.0f);
    EXPECT_TRUE(box.expired());
    walk.Run(1.0f / 60.0f);
    ASSERT_EQ(gGameObjects.size(), 1u);
    EXPECT_EQ(gGameObjects[0]->name, "Newcomer");
}

}  // namespace
