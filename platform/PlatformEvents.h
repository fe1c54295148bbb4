#pragma once
#include <functional>
#include <string>

namespace Platform {

enum class EventType {
    KeyDown,      // virtualKey: the key's Windows virtual-key code (0 when it has none)
    KeyUp,
    Text,         // text: UTF-8 typed text
    MouseMove,    // x, y: client coordinates, y downwards
    MouseWheel,   // wheel: +1 or -1 (a zero delta is not reported)
    MouseButtonDown,  // virtualKey: 1 left, 2 right, 4 middle; x, y
    MouseButtonUp,
    Quit,         // window closed by the window manager, or SIGTERM/SIGINT
    DisplayLost,  // the X connection broke; reported once, nothing more comes
    Shown,
    Hidden,
    FocusLost,
    Other,
};

struct Event {
    EventType type = EventType::Other;
    int virtualKey = 0;
    bool repeat = false;
    int x = 0;
    int y = 0;
    int wheel = 0;
    std::string text;
};

// Takes the next pending event without waiting; false when the queue is empty.
// The virtual-key state (platform/KeyCodes.h) follows the events as they are taken.
// An event `waits` answers true for is not taken: false is returned, and it stays first in
// line, before everything that came after it, for a later call.
bool PollEvent(Event& event, const std::function<bool(const Event&)>& waits = nullptr);
// Drops an event held back by PollEvent (the video system is stopping).
void ForgetHeldEvent();

}  // namespace Platform
