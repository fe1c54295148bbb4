#pragma once
#include <string>

// Opaque SDL types: the engine above this layer never includes SDL.h.
struct SDL_Window;

namespace Platform {

// Starts the video and event parts of SDL; once started, later calls do nothing.
bool InitVideo(std::string& error);
// Stops what InitVideo started (the sound layer starts and stops its own part).
void QuitVideo();

void ShowCursor(bool show);

// The largest client area a window can be given here, each side on its own: no more than the
// largest display shows (its desktop or its largest mode), and never more than SDL will create
// (16384). Needs InitVideo; with no display known, SDL's limit alone.
void LargestWindowSize(int& width, int& height);

// The game's one top-level window. Created hidden with a client area of exactly width x height
// and with the OpenGL attributes already set, so a context can be made on it afterwards.
class PlatformWindow {
public:
    PlatformWindow() = default;
    PlatformWindow(const PlatformWindow&) = delete;
    PlatformWindow& operator=(const PlatformWindow&) = delete;
    ~PlatformWindow();

    bool Create(const std::string& title, int width, int height, std::string& error);
    void Destroy();
    bool IsOpen() const { return window != nullptr; }

    void Show();
    void Hide();
    void Move(int x, int y);
    bool IsVisible() const;

    void GetPosition(int& x, int& y) const;
    // Client (drawable) size in pixels.
    void GetClientSize(int& w, int& h) const;

    // Switches to a width x height display mode. Returns true only when the window really is
    // fullscreen at that size afterwards; on refusal the window is put back as it was.
    bool EnterFullscreen(int width, int height, std::string& error);
    void LeaveFullscreen();
    bool IsFullscreen() const;

    // SDL's id of the window, to tell its events from others.
    unsigned int Id() const;

    SDL_Window* Native() const { return window; }
    void* GLContextHandle() const { return glContext; }
    void SetGLContextHandle(void* context) { glContext = context; }

private:
    SDL_Window* window = nullptr;
    void* glContext = nullptr;  // SDL_GLContext, owned through platform/GLContext.h
};

}  // namespace Platform
