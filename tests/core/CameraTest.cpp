#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "engine/Camera.h"
#include "engine/SceneSystem.h"
#include "graphics/GraphicsSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace {

Vector4 Apply(const Matrix4& m, float x, float y, float z)
{
    const Vector4 r0 = m.GetRow(0), r1 = m.GetRow(1), r2 = m.GetRow(2), r3 = m.GetRow(3);
    return Vector4(r0.x * x + r0.y * y + r0.z * z + r0.w, r1.x * x + r1.y * y + r1.z * z + r1.w,
                   r2.x * x + r2.y * y + r2.z * z + r2.w, r3.x * x + r3.y * y + r3.z * z + r3.w);
}

void ExpectMatrixEq(const Matrix4& a, const Matrix4& b)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(a[i], b[i]) << "element " << i;
}

std::shared_ptr<GameObject> AddCameraObject(float x, float y, float z, float sx, float sy, float degrees)
{
    auto object = std::make_shared<GameObject>("Camera", 10, gObjectIdCounter);
    auto transform = std::make_shared<Transform>(x, y, z, sx, sy);
    transform->rotation = degrees;
    object->AddComponent(transform, 0);
    AddObject(object);
    return object;
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override { DestroyAll(); }
    void TearDown() override
    {
        DestroyAll();
        gSceneSystem->ResetIds();
        *gCamera = Framework::Camera();
    }
};

TEST_F(CameraTest, FreshRecordIsIdentityAtTheOriginWithZeroSize)
{
    Framework::Camera camera;
    ExpectMatrixEq(camera.GetViewMatrix(), Matrix4());
    EXPECT_EQ(camera.GetPosition().x, 0.0f);
    EXPECT_EQ(camera.GetSize().y, 0.0f);
    camera.GetViewProjection();
    EXPECT_EQ(camera.GetViewMatrix()[0], 0.0f);
    EXPECT_EQ(camera.GetViewMatrix()[5], 0.0f);
}

TEST_F(CameraTest, ViewProjectionScalesThenTurnsThenMoves)
{
    Framework::Camera camera;
    camera.position = Vector3(5.0f, 7.0f, 1.0f);
    camera.size = Vector2(2.0f, 3.0f);
    camera.rotation = 90.0f;
    camera.GetViewProjection();
    const Vector4 p = Apply(camera.GetViewMatrix(), 1.0f, 0.0f, 0.0f);
    EXPECT_NEAR(p.x, 5.0f, 1e-5f);
    EXPECT_NEAR(p.y, 9.0f, 1e-5f);
    EXPECT_NEAR(p.z, 1.0f, 1e-5f);
}

TEST_F(CameraTest, UpdateCopiesTheFirstCameraObjectAndKeepsItsFieldsWithoutOne)
{
    Framework::Camera camera;
    camera.Update();  // nothing named "Camera": unchanged
    EXPECT_EQ(camera.GetSize().x, 0.0f);

    auto first = AddCameraObject(10.0f, 20.0f, 0.5f, 2.0f, 4.0f, 30.0f);
    AddCameraObject(-1.0f, -1.0f, 0.0f, 1.0f, 1.0f, 0.0f);
    camera.Update();
    EXPECT_EQ(camera.GetPosition().x, 10.0f);
    EXPECT_EQ(camera.GetPosition().z, 0.5f);
    EXPECT_EQ(camera.GetSize().y, 4.0f);
    EXPECT_EQ(camera.rotation, 30.0f);
    ExpectMatrixEq(camera.GetViewMatrix(), first->GetComponent<Transform>()->GetModelMatrix());

    // Rebuilt from the copied fields it is the same placement.
    camera.GetViewProjection();
    ExpectMatrixEq(camera.GetViewMatrix(), first->GetComponent<Transform>()->GetModelMatrix());
}

TEST_F(CameraTest, GraphicsMatricesAreTheFixedEyeAndAPixelOrthographicProjection)
{
    Framework::GraphicsSystem graphics;
    graphics.LookAt(Vector3(0.0f, 0.0f, 5.0f), Vector3(0.0f, 0.0f, -1.0f), Vector3(0.0f, 1.0f, 0.0f));
    ExpectMatrixEq(graphics.lookAtView, Matrix4::Translate(0.0f, 0.0f, -5.0f));

    graphics.halfWidth = 960.0f;
    graphics.halfHeight = 540.0f;
    graphics.BuildProjection();
    const Matrix4 p = graphics.GetProjection();
    EXPECT_FLOAT_EQ(p[0], 2.0f / 1920.0f);
    EXPECT_FLOAT_EQ(p[5], 2.0f / 1080.0f);
    EXPECT_FLOAT_EQ(p[10], -0.002002002f);
    EXPECT_FLOAT_EQ(p[14], -1.002002f);
    EXPECT_FLOAT_EQ(p[15], 1.0f);
    // The window's right edge at the camera's height lands on the right of clip space.
    const Vector4 edge = Apply(p * graphics.lookAtView, 960.0f, 540.0f, 0.0f);
    EXPECT_NEAR(edge.x, 1.0f, 1e-6f);
    EXPECT_NEAR(edge.y, 1.0f, 1e-6f);
}

TEST_F(CameraTest, FrameViewFollowsTheCameraObjectOrTheEditorCamera)
{
    auto& graphics = *gGraphicsSystem;
    const Matrix4 savedLookAt = graphics.lookAtView;
    graphics.LookAt(Vector3(0.0f, 0.0f, 5.0f), Vector3(0.0f, 0.0f, -1.0f), Vector3(0.0f, 1.0f, 0.0f));

    graphics.BeginFrame();  // no camera object: the eye alone
    ExpectMatrixEq(graphics.GetView(), graphics.lookAtView);

    AddCameraObject(100.0f, 50.0f, 0.0f, 1.0f, 1.0f, 0.0f);
    graphics.BeginFrame();
    ExpectMatrixEq(graphics.GetView(), Matrix4::Translate(-100.0f, -50.0f, -5.0f));

    gSceneSystem->currentScene = SceneId::Editor;
    gCamera->matrix = Matrix4::Translate(3.0f, 4.0f, 0.0f);
    graphics.BeginFrame();
    ExpectMatrixEq(graphics.GetView(), Matrix4::Translate(3.0f, 4.0f, -5.0f));

    graphics.lookAtView = savedLookAt;
}

}  // namespace
