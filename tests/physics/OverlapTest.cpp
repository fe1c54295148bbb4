// The box-overlap query that gameplay uses as its trigger test.
#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Physics.h"
#include "physics/Rigidbody.h"

namespace {

// An object with a Transform at (x, y), a Collider of the given size and, if asked, a body.
std::shared_ptr<GameObject> MakeBox(const std::string& name, float x, float y, float w, float h, bool body = true)
{
    auto object = std::make_shared<GameObject>(name, 4, 0);
    object->AddComponent(std::make_shared<Transform>(x, y, 1.0f, 1.0f, 1.0f), Transform::kTypeId);
    auto collider = std::make_shared<Collider>();
    collider->scale = Vector3(w, h, 0.0f);
    object->AddComponent(collider, Collider::kTypeId);
    if (body)
        object->AddComponent(std::make_shared<Rigidbody>(1.0f), Rigidbody::kTypeId);
    return object;
}

bool Overlap(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b)
{
    const bool ab = Framework::Physics::CheckCollision(a, b);
    const bool ba = Framework::Physics::CheckCollision(b, a);
    EXPECT_EQ(ab, ba) << "the query is not symmetric for " << a->name << " and " << b->name;
    return ab;
}

}  // namespace

TEST(Overlap, SharedEdgesAndCornersCountOneStepApartDoNot)
{
    auto a = MakeBox("A", 0.0f, 0.0f, 2.0f, 2.0f);  // (-1, -1) .. (1, 1)
    auto right = MakeBox("Right", 2.0f, 0.0f, 2.0f, 2.0f);
    auto above = MakeBox("Above", 0.0f, 2.0f, 2.0f, 2.0f);
    auto corner = MakeBox("Corner", 2.0f, 2.0f, 2.0f, 2.0f);
    auto inside = MakeBox("Inside", 0.25f, 0.25f, 0.5f, 0.5f);
    EXPECT_TRUE(Overlap(a, right));
    EXPECT_TRUE(Overlap(a, above));
    EXPECT_TRUE(Overlap(a, corner));
    EXPECT_TRUE(Overlap(a, inside));
    EXPECT_TRUE(Overlap(a, a));

    // Pushed apart by the smallest float step, right and then up.
    const float past = std::nextafter(1.0f, 2.0f);
    const float before = std::nextafter(-1.0f, -2.0f);
    auto apartRight = MakeBox("ApartRight", 0.0f, 0.0f, 2.0f, 2.0f);
    apartRight->GetComponent<Collider>()->min = Vector3(past, -1.0f, 1.0f);
    apartRight->GetComponent<Collider>()->max = Vector3(3.0f, 1.0f, 1.0f);
    EXPECT_FALSE(Overlap(a, apartRight));
    auto apartUp = MakeBox("ApartUp", 0.0f, 0.0f, 2.0f, 2.0f);
    apartUp->GetComponent<Collider>()->min = Vector3(-1.0f, past, 1.0f);
    apartUp->GetComponent<Collider>()->max = Vector3(1.0f, 3.0f, 1.0f);
    EXPECT_FALSE(Overlap(a, apartUp));
    auto left = MakeBox("Left", 0.0f, 0.0f, 2.0f, 2.0f);
    left->GetComponent<Collider>()->max = Vector3(before, 1.0f, 1.0f);
    left->GetComponent<Collider>()->min = Vector3(-3.0f, -1.0f, 1.0f);
    EXPECT_FALSE(Overlap(a, left));
    left->GetComponent<Collider>()->max.x = -1.0f;
    EXPECT_TRUE(Overlap(a, left));
}

TEST(Overlap, NeedsARigidbodyAndAColliderOnBoth)
{
    auto a = MakeBox("A", 0.0f, 0.0f, 4.0f, 4.0f);
    auto noBody = MakeBox("Player", 0.0f, 0.0f, 4.0f, 4.0f, false);
    EXPECT_FALSE(Overlap(a, noBody));
    EXPECT_FALSE(Overlap(noBody, noBody));

    auto noCollider = std::make_shared<GameObject>("Bare", 4, 0);
    noCollider->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 1.0f, 1.0f, 1.0f), Transform::kTypeId);
    noCollider->AddComponent(std::make_shared<Rigidbody>(1.0f), Rigidbody::kTypeId);
    EXPECT_FALSE(Overlap(a, noCollider));

    // Missing objects (a failed lookup by name) never overlap.
    EXPECT_FALSE(Framework::Physics::CheckCollision(a, nullptr));
    EXPECT_FALSE(Framework::Physics::CheckCollision(nullptr, a));
}

TEST(Overlap, ReadsTheStoredBoxesAndACopyOfTheOwnerSharesThem)
{
    auto mover = MakeBox("Mover", 0.0f, 0.0f, 2.0f, 2.0f);
    auto wall = MakeBox("Wall", 10.0f, 0.0f, 2.0f, 2.0f);
    EXPECT_FALSE(Overlap(mover, wall));

    // Moving the Transform alone changes nothing until the collider refreshes; z never counts.
    auto transform = mover->GetComponent<Transform>();
    transform->position = Vector3(9.5f, 0.5f, 3.0f);
    EXPECT_FALSE(Overlap(mover, wall));
    mover->GetComponent<Collider>()->Update(0.016f);
    auto copy = std::make_shared<GameObject>(*mover);  // what gameplay passes
    EXPECT_TRUE(Overlap(copy, wall));

    // The offset argument shifts the first box only.
    EXPECT_FALSE(Framework::Physics::CheckCollision(copy, wall, Vector3(-10.0f, 0.0f, 0.0f)));
    EXPECT_TRUE(Framework::Physics::CheckCollision(wall, copy, Vector3(-0.5f, 0.0f, 0.0f)));
    EXPECT_FALSE(Framework::Physics::CheckCollision(wall, copy, Vector3(-3.0f, 0.0f, 0.0f)));
}
