#pragma once
#include <array>
#include <memory>
#include <string>

#include "engine/Matrix4.h"
#include "engine/System.h"
#include "engine/Vector3.h"

namespace Platform {
class PlatformWindow;
}

namespace Framework {

// Owns the OpenGL context and draws the world. The view is the fixed look-at matrix times the
// camera matrix that BeginFrame takes each frame; the projection is orthographic in pixels.
class GraphicsSystem : public System {
public:
    GraphicsSystem();
    ~GraphicsSystem() override;

    // Creates the context on the window (throws when it cannot), builds the matrices.
    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;  // releases the context

    // Makes the OpenGL 3.1 context on the window current and prints the version in use.
    bool CreateContext(Platform::PlatformWindow& window, std::string& error);
    bool HasContext() const { return contextReady; }

    // Called by the scene system once per frame after the depth sort: viewport, blending, the
    // frame's view from the camera, then the current scene's Draw.
    void BeginFrame();

    // The frame loop's clear (clear colour / 255, colour and depth) and buffer swap; both do
    // nothing without a context.
    void ClearScreen();
    void SwapBuffers();

    Matrix4 GetProjection() const { return projection; }
    Matrix4 GetView() const { return view; }
    std::array<float, 4> GetClearColor() const { return clearColor; }

    // lookAtView = the view from eye towards centre with up.
    void LookAt(const Vector3& eye, const Vector3& centre, const Vector3& up);
    // projection = orthographic over [-halfWidth, halfWidth] x [-halfHeight, halfHeight],
    // near 1, far 1000.
    void BuildProjection();

    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    std::array<float, 4> clearColor{0.0f, 0.0f, 0.0f, 0.0f};  // r, g, b, a on a 0..255 scale
    Matrix4 projection;
    Matrix4 lookAtView;
    Matrix4 view;

private:
    bool contextReady = false;
};

}  // namespace Framework

extern std::shared_ptr<Framework::GraphicsSystem> gGraphicsSystem;

// Shader program i is built from entry i of each: 0 the plain program, 1 the lit one.
extern const std::array<std::string, 2> gVertexShaderPaths;
extern const std::array<std::string, 2> gFragmentShaderPaths;
