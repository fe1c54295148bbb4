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

// A second context sharing the window context's objects, for a thread that only uploads
// textures. Made on the thread where the window's context is current, which stays current
// there. nullptr when there is no such context or the driver will not make another.
void* CreateSharedGLContext(PlatformWindow& window);
// Makes context current with the window on the calling thread; nullptr releases the thread's
// context. False when the driver refuses.
bool MakeGLContextCurrent(PlatformWindow& window, void* context);
// Deletes a context made by CreateSharedGLContext; it must not be current on another thread.
void DestroySharedGLContext(void* context);

// GL_VERSION of the current context, or "" when there is none.
std::string GLVersionString();

}  // namespace Platform
