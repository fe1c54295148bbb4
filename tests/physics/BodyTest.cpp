// Collider boxes and Rigidbody motion, driven through their components as a scene would.
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "graphics/DebugDraw.h"
#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

namespace {

std::shared_ptr<GameObject> MakeObject(const std::string& name, float x, float y)
{
    auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
    AddObject(object);
    object->AddComponent(std::make_shared<Transform>(x, y, 1.0f, 1.0f, 1.0f), Transform::kTypeId);
    return object;
}

Vector3 PositionOf(const std::shared_ptr<GameObject>& object)
{
    return object->GetComponent<Transform>()->GetPosition();
}

std::string Saved(const Component& component)
{
    std::ostringstream out;
    component.Serialize(out);
    return out.str();
}

// Reads a block back the way the level reader does: the type-name line first.
template <class T>
std::shared_ptr<T> Loaded(const std::string& block)
{
    std::istringstream in(block);
    std::string typeName;
    in >> typeName;
    auto component = std::dynamic_pointer_cast<T>(CreateComponent(typeName));
    EXPECT_TRUE(component) << typeName;
    if (!component)
        return nullptr;
    component->Deserialize(in);
    EXPECT_FALSE(in.fail()) << block;
    return component;
}

class BodyTest : public ::testing::Test
{
protected:
    void SetUp() override { DestroyAll(); }
    void TearDown() override { DestroyAll(); }
};

}  // namespace

TEST_F(BodyTest, ColliderBoxAppliesOffsetOnUpdateButNotOnInit)
{
    auto object = MakeObject("Box", 10.0f, 0.0f);
    auto collider = std::make_shared<Collider>();
    collider->scale = Vector3(2.0f, 2.0f, 0.0f);
    collider->offset = Vector3(1.0f, 0.0f, 0.0f);
    object->AddComponent(collider, Collider::kTypeId);

    EXPECT_EQ(collider->GetType(), 2);
    EXPECT_EQ(collider->GetMin().x, 9.0f);
    EXPECT_EQ(collider->GetMin().y, -1.0f);
    EXPECT_EQ(collider->GetMax().x, 11.0f);
    EXPECT_EQ(collider->GetMax().y, 1.0f);
    EXPECT_EQ(collider->GetMin().z, 1.0f);

    collider->Update(0.016f);
    EXPECT_EQ(collider->GetMin().x, 10.0f);
    EXPECT_EQ(collider->GetMax().x, 12.0f);
    EXPECT_EQ(collider->GetMin().y, -1.0f);

    // The box follows the Transform only at the next refresh; the Transform's scale never enters.
    auto transform = object->GetComponent<Transform>();
    transform->position.x = 20.0f;
    transform->scale = Vector3(50.0f, 50.0f, 1.0f);
    EXPECT_EQ(collider->GetMax().x, 12.0f);
    collider->Update(0.016f);
    EXPECT_EQ(collider->GetMin().x, 20.0f);
    EXPECT_EQ(collider->GetMax().x, 22.0f);

    // The outline flushes at once (here without a context) and leaves the drawer empty.
    collider->showCollider = true;
    gDebugDraw->lineVertices.push_back(Vector3());
    collider->Update(0.016f);
    EXPECT_TRUE(gDebugDraw->boxVertices.empty());
    EXPECT_TRUE(gDebugDraw->lineVertices.empty());
}

TEST_F(BodyTest, UpdatesSkipAnOwnerWithoutTransform)
{
    auto loose = std::make_shared<GameObject>("Loose", 4, 0);
    auto collider = std::make_shared<Collider>(Vector2(4.0f, 4.0f));
    auto body = std::make_shared<Rigidbody>(1.0f);
    loose->AddComponent(collider, Collider::kTypeId);
    loose->AddComponent(body, Rigidbody::kTypeId);
    body->velocity = Vector2(10.0f, 10.0f);
    for (int frame = 0; frame < 3; ++frame)
        loose->Update(0.1f);
    EXPECT_EQ(collider->GetMax().x, 0.0f);
    EXPECT_EQ(body->velocity.x, 10.0f);

    // A component never given an owner is skipped the same way.
    Collider orphanCollider;
    Rigidbody orphanBody(1.0f);
    orphanCollider.Update(0.1f);
    orphanBody.Update(0.1f);
}

TEST_F(BodyTest, RigidbodyMovesXByDtAndYByAFixedShare)
{
    auto object = MakeObject("Mover", 0.0f, 0.0f);
    auto body = std::make_shared<Rigidbody>(1.0f);
    object->AddComponent(body, Rigidbody::kTypeId);
    EXPECT_EQ(body->GetType(), 3);

    body->SetVelocity(Vector2(100.0f, 0.0f));
    body->Update(0.01f);
    EXPECT_FLOAT_EQ(PositionOf(object).x, 1.0f);
    EXPECT_EQ(PositionOf(object).y, 0.0f);

    // y: 2 units for each sixtieth of a second; a stall counts as four frames at most.
    body->SetVelocity(Vector2(0.0f, 100.0f));
    body->Update(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(PositionOf(object).y, 2.0f);
    body->Update(1.0f / 20.0f);
    EXPECT_FLOAT_EQ(PositionOf(object).y, 8.0f);
    body->Update(0.5f);
    EXPECT_FLOAT_EQ(PositionOf(object).x, 1.0f);
    EXPECT_FLOAT_EQ(PositionOf(object).y, 16.0f);
    EXPECT_EQ(PositionOf(object).z, 1.0f);
    body->Update(0.0f);
    EXPECT_FLOAT_EQ(PositionOf(object).y, 16.0f) << "no time, no move";
    // The step never changes the velocity, and mass or gravity do not enter.
    body->gravity = true;
    body->mass = 50.0f;
    body->Update(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(PositionOf(object).y, 18.0f);
    EXPECT_EQ(body->velocity.y, 100.0f);
}

TEST_F(BodyTest, ChildrenAndGrandchildrenFollowTheBody)
{
    auto parent = MakeObject("Parent", 0.0f, 0.0f);
    auto child = MakeObject("Child", 5.0f, 0.0f);
    auto grandchild = MakeObject("Grandchild", 5.0f, 3.0f);
    child->SetParent("Parent");
    grandchild->SetParent("Child");
    ASSERT_EQ(parent->children.size(), 1u);
    ASSERT_EQ(child->children.size(), 1u);

    auto body = std::make_shared<Rigidbody>(1.0f);
    parent->AddComponent(body, Rigidbody::kTypeId);
    body->SetVelocity(Vector2(10.0f, 50.0f));
    for (int frame = 0; frame < 4; ++frame)
        body->Update(0.25f);

    // Four frames' worth each (the most one frame counts): x by 10 x 4/60 s, y by 50 x 0.02 x 4.
    const float x = 4 * 10.0f * 4.0f / 60.0f;
    EXPECT_FLOAT_EQ(PositionOf(parent).x, x);
    EXPECT_FLOAT_EQ(PositionOf(parent).y, 16.0f);
    EXPECT_FLOAT_EQ(PositionOf(child).x, 5.0f + x);
    EXPECT_FLOAT_EQ(PositionOf(child).y, 16.0f);
    EXPECT_FLOAT_EQ(PositionOf(grandchild).x, 5.0f + x);
    EXPECT_FLOAT_EQ(PositionOf(grandchild).y, 19.0f);

    // At rest nothing moves.
    body->SetVelocity(Vector2());
    body->Update(0.25f);
    EXPECT_FLOAT_EQ(PositionOf(child).x, 5.0f + x);
    EXPECT_FLOAT_EQ(PositionOf(grandchild).y, 19.0f);
}

TEST_F(BodyTest, SavedBlocksRoundTrip)
{
    Collider collider;
    collider.scale = Vector3(32.5f, 4.0f, 1.0f);
    collider.offset = Vector3(-1.5f, 0.25f, 0.0f);
    collider.showCollider = true;
    collider.lineColor = Vector3(12.0f, 0.0f, 255.0f);
    collider.active = true;
    const std::string colliderBlock = Saved(collider);
    EXPECT_EQ(colliderBlock, "Collider\nScale\n32.5 4 1\nOffset\n-1.5 0.25 0\nShowCollider\n1\n"
                             "LineColor\n12 0 255\nActive\n1\n");
    auto colliderBack = Loaded<Collider>(colliderBlock);
    ASSERT_TRUE(colliderBack);
    EXPECT_EQ(Saved(*colliderBack), colliderBlock);

    Rigidbody body(2.5f);
    body.gravity = true;
    body.velocity = Vector2(3.0f, 4.0f);
    const std::string bodyBlock = Saved(body);
    EXPECT_EQ(bodyBlock, "Rigidbody\nmass\n2.5\nGravity\n1\n");
    auto bodyBack = Loaded<Rigidbody>(bodyBlock);
    ASSERT_TRUE(bodyBack);
    EXPECT_EQ(bodyBack->mass, 2.5f);
    EXPECT_TRUE(bodyBack->gravity);
    EXPECT_EQ(bodyBack->velocity.x, 0.0f);  // a loaded body starts at rest
    EXPECT_EQ(Saved(*bodyBack), bodyBlock);

    // A factory body has mass 1 and no gravity; a mass of 0 loads without a division by zero.
    EXPECT_EQ(Saved(*CreateComponent("Rigidbody")), "Rigidbody\nmass\n1\nGravity\n0\n");
    auto massless = Loaded<Rigidbody>("Rigidbody\nmass\n0\nGravity\n0\n");
    ASSERT_TRUE(massless);
    EXPECT_EQ(massless->inverseMass, 0.0f);
}

TEST_F(BodyTest, CutShortBlocksFailTheStream)
{
    for (const char* block : {"mass\n", "mass\n2\nGravity\n", "mass\nheavy\nGravity\n1\n"})
    {
        Rigidbody body(1.0f);
        std::istringstream in(block);
        body.Deserialize(in);
        EXPECT_TRUE(in.fail()) << block;
    }
    Collider collider;
    std::istringstream in("Scale\n1 2 3\nOffset\n0 0\n");
    collider.Deserialize(in);
    EXPECT_TRUE(in.fail());
}
