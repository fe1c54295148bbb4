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
    // Builds the font atlas, unless it was built here already: the default font, with a glyph
    // of its own for U+FFFD (the font has none), the mark of a byte that is not text. Every
    // character the font lacks still draws as '?'.
    static void BuildFont();

private:
    bool backend = false;
};
