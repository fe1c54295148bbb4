#pragma once

// The editor's drawing objects for Dear ImGui: the OpenGL 3 backend on the game's context, or,
// without a context (tests, benchmarks), only the font atlas so that frames can be built.
// The interface context itself belongs to the window system and is never destroyed here.
class InterfaceRenderer {
public:
    // Creates the backend's device objects when a GL context exists.
    void Create();
    // Rebuilds the device objects when the font texture is gone.
    void Ensure();
    // Draws the frame's interface (after ImGui::Render) when the backend is up.
    void RenderDrawData();
    // Deletes the device objects and shuts the backend down.
    void Destroy();
    bool HasBackend() const { return backend; }

private:
    bool backend = false;
};
