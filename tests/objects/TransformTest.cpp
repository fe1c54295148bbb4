#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "objects/ComponentFactory.h"
#include "objects/Transform.h"
#include "objects/TransformContext.h"
#include "ObjectTestHelpers.h"

namespace
{
constexpr float kPi = 3.1415927f;

std::shared_ptr<Transform> Place(const std::shared_ptr<GameObject>& object, float x, float y, float z,
                                 float sx = 1.0f, float sy = 1.0f)
{
    auto transform = std::make_shared<Transform>(x, y, z, sx, sy);
    object->AddComponent(transform, Transform::kTypeId);
    return transform;
}

class TransformTest : public ObjectListTest
{
protected:
    void TearDown() override
    {
        ResetTransformContext();
        ObjectListTest::TearDown();
    }
};
} // namespace

TEST_F(TransformTest, FactoryTransformBlockAndReadingBack)
{
    std::ostringstream out;
    CreateComponent("Transform")->Serialize(out);
    EXPECT_EQ(out.str(), "Transform\nPosition\n0 0 0\nRotate\n0\nScale\n30 30 1\nMouseTracking\n0\n");

    // The key words are not compared.
    std::istringstream in("A 1.5 -2 3\nB 45\nC 2 4 1\nD 1\n");
    Transform t(0.0f, 0.0f, 0.0f, 30.0f, 30.0f);
    t.Deserialize(in);
    EXPECT_EQ(t.position.x, 1.5f);
    EXPECT_EQ(t.position.y, -2.0f);
    EXPECT_EQ(t.position.z, 3.0f);
    EXPECT_EQ(t.rotation, 45.0f);
    EXPECT_EQ(t.scale.y, 4.0f);
    EXPECT_TRUE(t.mouseTracking);
}

TEST_F(TransformTest, SettersCarryChildren)
{
    auto parent = MakeListed("Parent");
    auto child = MakeListed("Child");
    auto grandchild = MakeListed("Grandchild");
    auto p = Place(parent, 1.0f, 2.0f, 3.0f, 30.0f, 30.0f);
    auto c = Place(child, 4.0f, 4.0f, 9.0f, 10.0f, 20.0f);
    auto g = Place(grandchild, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
    child->SetParent("Parent");
    grandchild->SetParent("Child");

    p->SetPosition(Vector2(5.0f, 7.0f));
    EXPECT_EQ(p->position.x, 5.0f);
    EXPECT_EQ(p->position.y, 7.0f);
    EXPECT_EQ(p->position.z, 3.0f);
    EXPECT_EQ(c->position.x, 8.0f);
    EXPECT_EQ(c->position.y, 9.0f);
    EXPECT_EQ(c->position.z, 9.0f);
    EXPECT_EQ(g->position.x, 4.0f);
    EXPECT_EQ(g->position.y, 5.0f);
    EXPECT_EQ(g->position.z, 1.0f);

    p->SetScale(Vector2(40.0f, 50.0f));
    EXPECT_EQ(c->scale.x, 20.0f);
    EXPECT_EQ(c->scale.y, 40.0f);
    EXPECT_EQ(c->scale.z, 1.0f);
    EXPECT_EQ(g->scale.x, 11.0f);
    EXPECT_EQ(g->position.x, 4.0f); // scaling moves nothing

    // Writing the fields directly carries nothing.
    p->position.x = 100.0f;
    EXPECT_EQ(c->position.x, 8.0f);
}

TEST_F(TransformTest, RotationTurnsChildrenAboutTheParent)
{
    auto parent = MakeListed("Parent");
    auto child = MakeListed("Child");
    auto p = Place(parent, 0.0f, 0.0f, 0.0f);
    auto c = Place(child, 10.0f, 0.0f, 0.0f);
    c->rotation = 45.0f;
    child->SetParent("Parent");

    p->SetRotation(90.0f);
    EXPECT_NEAR(c->position.x, 0.0f, 1e-5f);
    EXPECT_NEAR(c->position.y, 10.0f, 1e-5f);
    EXPECT_EQ(c->rotation, 90.0f);
    p->SetRotation(90.0f);
    EXPECT_NEAR(c->position.x, 0.0f, 1e-5f);
    EXPECT_NEAR(c->position.y, 10.0f, 1e-5f);

    p->SetRotation(0.0f);
    p->Rotate(kPi);
    EXPECT_FLOAT_EQ(p->rotation, 180.0f);
    EXPECT_NEAR(c->position.x, -10.0f, 1e-4f);
    EXPECT_NEAR(c->position.y, 0.0f, 1e-4f);
    p->Rotate(kPi);
    EXPECT_NEAR(c->position.x, -10.0f, 1e-4f);
    EXPECT_NEAR(c->position.y, 0.0f, 1e-4f);

    // A child without a Transform is passed over.
    MakeListed("Empty")->SetParent("Parent");
    p->SetRotation(30.0f);
    p->SetPosition(Vector2(1.0f, 1.0f));
}

TEST_F(TransformTest, MatricesAndTheCameraForm)
{
    auto camera = MakeListed("Camera", 10);
    auto cam = Place(camera, 100.0f, 50.0f, 5.0f);
    Matrix4 view = cam->GetMatrix();
    EXPECT_EQ(view[12], -100.0f);
    EXPECT_EQ(view[13], -50.0f);
    EXPECT_EQ(view[14], 5.0f);

    // Scaled and turned: Scale x RotateZ x Translate(-x, -y, z), applied right to left. The
    // world point one unit right of the camera moves to the origin's right, turns a quarter to
    // +y and is scaled by the y scale.
    cam->SetScale(Vector2(2.0f, 3.0f));
    cam->rotation = 90.0f;
    view = cam->GetMatrix();
    const float point[4] = {101.0f, 50.0f, 0.0f, 1.0f};
    float seen[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 4; ++k)
            seen[row] += view[k * 4 + row] * point[k];
    EXPECT_NEAR(seen[0], 0.0f, 1e-4f);
    EXPECT_NEAR(seen[1], 3.0f, 1e-4f);
    EXPECT_NEAR(seen[2], 5.0f, 1e-4f);
    EXPECT_NEAR(seen[3], 1.0f, 1e-6f);

    auto prop = MakeListed("Prop");
    auto t = Place(prop, 3.0f, 4.0f, 1.0f, 2.0f, 2.0f);
    EXPECT_EQ(t->GetMatrix()[12], 3.0f);
    EXPECT_EQ(t->GetMatrix()[0], 2.0f);
    t->SetPosition(Vector2(9.0f, 9.0f));
    EXPECT_EQ(t->GetMatrix()[12], 3.0f); // rebuilt only by Init and Update
    float before = t->rotation;
    Vector2 mouse = t->mousePosition;
    t->Update(0.016f);
    EXPECT_EQ(t->GetModelMatrix()[12], 9.0f);
    EXPECT_EQ(t->rotation, before);
    EXPECT_EQ(t->mousePosition.x, mouse.x);
}

TEST_F(TransformTest, MouseTrackingFacesThePointerInAGameScene)
{
    const int width = 1920, height = 1080;
    Matrix4 projection; // orthographic over the window, near 1, far 1000
    projection[0] = 2.0f / width;
    projection[5] = 2.0f / height;
    projection[10] = -2.0f / 999.0f;
    projection[14] = -1001.0f / 999.0f;
    Matrix4 view = Matrix4::Translate(0.0f, 0.0f, -5.0f);

    TransformMousePoint mouse{width / 2 + 200, height / 2};
    TransformContext& context = GetTransformContext();
    context.viewport = [&] { return TransformViewport{0, 0, width, height}; };
    context.mousePosition = [&] { return mouse; };
    context.view = [&] { return view; };
    context.projection = [&] { return projection; };
    context.windowWidth = [&] { return width; };
    context.windowHeight = [&] { return height; };
    context.isEditorScene = nullptr; // an empty member falls back to its default

    auto torch = MakeListed("Torch");
    auto t = Place(torch, 0.0f, 0.0f, 1.0f);
    t->mouseTracking = true;
    t->Update(0.016f);
    EXPECT_NEAR(t->rotation, 90.0f, 1e-3f);
    EXPECT_EQ(t->mousePosition.x, static_cast<float>(mouse.x));

    mouse.x = width / 2 - 200;
    t->Update(0.016f);
    EXPECT_NEAR(t->rotation, -90.0f, 1e-3f);

    // Tracking writes the field: the children do not turn.
    auto child = MakeListed("Beam");
    auto c = Place(child, 10.0f, 0.0f, 1.0f);
    child->SetParent("Torch");
    mouse.x = width / 2 + 200;
    t->Update(0.016f);
    EXPECT_EQ(c->position.x, 10.0f);
    EXPECT_EQ(c->rotation, 0.0f);
}
