#pragma once
#include <memory>
#include <string>

#include "engine/InterfaceInputQueue.h"
#include "engine/System.h"
#include "platform/PlatformWindow.h"

namespace Framework {

struct WindowSettings {
    int width = 1920;
    int height = 1080;
    std::string title = "Vesperine";
};

// Owns the game's window: reads the window settings, creates the window, pumps its events each
// frame (keys and text to Dear ImGui, mouse to the input system), switches display modes and
// holds the quit flag that ends the frame loop.
//
// The one Dear ImGui context of the run is created in Init (unless one exists already) and is
// never destroyed. A window closed from outside (close box, Alt+F4, SIGTERM) sets `quit`.
class WindowSystem : public System {
public:
    WindowSystem();
    ~WindowSystem() override;

    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;

    // Windowed <-> fullscreen; nothing when already in the mode asked for. When the display
    // refuses width x height the window stays windowed and `fullscreen` stays false.
    void SetFullscreen(bool wanted);

    // Reads width, height and a one-word title. A missing file is written with the defaults;
    // a value that cannot be read, or a size that is not positive, falls back to its default
    // (with a console message) without touching the file. A size larger than any display is
    // left as read: Init cuts it down to what the display shows.
    static WindowSettings LoadSettings(const std::string& path);

    bool quit = false;
    std::string title;
    int width = 1920;
    int height = 1080;
    int savedX = 0;
    int savedY = 0;
    int savedWidth = 0;
    int savedHeight = 0;
    bool fullscreen = false;

    // The window itself (stands where a native handle would): the graphics system makes its
    // OpenGL context on it through platform/GLContext.h.
    Platform::PlatformWindow window;

    std::string settingsPath = "../resources/init.ini";

private:
    void PumpEvents();
    void CloseRequested();

    // Set when the display refused fullscreen, so the request made every frame is not retried
    // until windowed mode has been asked for again.
    bool fullscreenRefused = false;
    InterfaceInputQueue interfaceInput;
};

}  // namespace Framework

extern std::shared_ptr<Framework::WindowSystem> gWindowSystem;
