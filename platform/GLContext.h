#pragma once
#include <string>

#include "platform/PlatformWindow.h"

namespace Platform {

// Makes an OpenGL 3.1 context (no profile mask, so Mesa gives a compatibility one: text, debug
// lines and matrix calls are fixed-function) on the window, makes it current, runs glewInit and
// sets swap interval 1. Returns false with a message when any step fails; never aborts.
bool CreateGLContext(PlatformWindow& window, std::string& error);

// Releases the window's context (no-op when it has none).
void DestroyGLContext(PlatformWindow& window);

bool HasGLContext(const PlatformWindow& window);

void SwapBuffers(PlatformWindow& window);

// GL_VERSION of the current context, or "" when there is none.
std::string GLVersionString();

}  // namespace Platform
