#include "graphics/GraphicsSystem.h"

#include <GL/glew.h>

#include <cmath>
#include <iostream>
#include <stdexcept>

#include "engine/Camera.h"
#include "engine/Scene.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "platform/GLContext.h"

namespace Framework {

namespace {

float Dot(const Vector3& a, const Vector3& b)
{
    return (a.x * b.x + a.y * b.y) + a.z * b.z;
}

Vector3 Normalised(const Vector3& v)
{
    return v / v.Length();
}

// The textbook cross product. The engine's Cross has its y component negated, which would
// turn the up vector over and show the world upside down.
Vector3 RightHandedCross(const Vector3& p, const Vector3& q)
{
    return Vector3(p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x);
}

}  // namespace

GraphicsSystem::GraphicsSystem() = default;

GraphicsSystem::~GraphicsSystem() = default;

bool GraphicsSystem::CreateContext(Platform::PlatformWindow& window, std::string& error)
{
    if (!Platform::CreateGLContext(window, error))
        return false;
    contextReady = true;

    GLint major = -1;
    GLint minor = -1;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    std::cout << "Using OpenGL: " << major << "." << minor << std::endl;
    return true;
}

void GraphicsSystem::Init()
{
    std::string error;
    if (!gWindowSystem || !CreateContext(gWindowSystem->window, error))
        throw std::runtime_error(error.empty() ? "no window for the OpenGL context" : error);

    halfWidth = static_cast<float>(gWindowSystem->width) * 0.5f;
    halfHeight = static_cast<float>(gWindowSystem->height) * 0.5f;
    LookAt(Vector3(0.0f, 0.0f, 5.0f), Vector3(0.0f, 0.0f, -1.0f), Vector3(0.0f, 1.0f, 0.0f));
    BuildProjection();
}

void GraphicsSystem::LookAt(const Vector3& eye, const Vector3& centre, const Vector3& up)
{
    const Vector3 f = Normalised(centre - eye);
    const Vector3 s = Normalised(RightHandedCross(f, up));
    const Vector3 u = RightHandedCross(s, f);

    Matrix4 m;
    m[0] = s.x;
    m[1] = u.x;
    m[2] = -f.x;
    m[3] = 0.0f;
    m[4] = s.y;
    m[5] = u.y;
    m[6] = -f.y;
    m[7] = 0.0f;
    m[8] = s.z;
    m[9] = u.z;
    m[10] = -f.z;
    m[11] = 0.0f;
    m[12] = -Dot(s, eye);
    m[13] = -Dot(u, eye);
    m[14] = Dot(f, eye);
    m[15] = 1.0f;
    lookAtView = m;
}

void GraphicsSystem::BuildProjection()
{
    const float left = -halfWidth;
    const float right = halfWidth;
    const float bottom = -halfHeight;
    const float top = halfHeight;
    const float nearPlane = 1.0f;
    const float farPlane = 1000.0f;

    Matrix4 m;
    for (int i = 0; i < 16; ++i)
        m[i] = 0.0f;
    m[0] = 2.0f / (right - left);
    m[5] = 2.0f / (top - bottom);
    m[10] = -2.0f / (farPlane - nearPlane);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(farPlane + nearPlane) / (farPlane - nearPlane);
    m[15] = 1.0f;
    projection = m;
}

void GraphicsSystem::Update(float /*dt*/)
{
    timer.Restart();
    timer.Mark();
    timer.Measure();
}

std::string GraphicsSystem::GetName()
{
    return "Graphics System";
}

void GraphicsSystem::Shutdown()
{
    if (gWindowSystem)
        Platform::DestroyGLContext(gWindowSystem->window);
    contextReady = false;
}

void GraphicsSystem::BeginFrame()
{
    if (contextReady) {
        const int width = gWindowSystem ? gWindowSystem->width : 0;
        const int height = gWindowSystem ? gWindowSystem->height : 0;
        glViewport(0, 0, width, height);
        glEnable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLoadIdentity();
    }

    Matrix4 cameraMatrix;
    if (gSceneSystem && gSceneSystem->currentScene == SceneId::Editor) {
        if (gCamera)
            cameraMatrix = gCamera->GetViewMatrix();
    } else if (const auto camera = FindObjectByName("Camera")) {
        if (const auto transform = camera->GetComponent<Transform>())
            cameraMatrix = transform->GetMatrix();
    }
    view = lookAtView * cameraMatrix;

    if (gSceneSystem) {
        if (const auto scene = gSceneSystem->GetCurrentScene()) {
            Matrix4 projectionCopy = projection;
            Matrix4 viewCopy = view;
            scene->Draw(projectionCopy, viewCopy);
        }
    }
}

void GraphicsSystem::ClearScreen()
{
    if (!contextReady)
        return;
    glClearColor(clearColor[0] / 255.0f, clearColor[1] / 255.0f, clearColor[2] / 255.0f, clearColor[3] / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GraphicsSystem::SwapBuffers()
{
    if (contextReady && gWindowSystem)
        Platform::SwapBuffers(gWindowSystem->window);
}

}  // namespace Framework
