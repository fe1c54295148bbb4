#include "platform/PlatformEvents.h"

#include <SDL.h>

#include <optional>

#include "platform/DisplayConnection.h"
#include "platform/KeyCodes.h"

namespace Platform {

namespace {

int MouseButtonVirtualKey(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return VK_LBUTTON;
    case SDL_BUTTON_RIGHT: return VK_RBUTTON;
    case SDL_BUTTON_MIDDLE: return VK_MBUTTON;
    default: return 0;
    }
}

// Translates one SDL event; false for events the game has no use for.
bool Translate(const SDL_Event& in, Event& out)
{
    out = Event{};
    switch (in.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const bool down = in.type == SDL_KEYDOWN;
        out.type = down ? EventType::KeyDown : EventType::KeyUp;
        out.virtualKey = VirtualKeyFromScancode(in.key.keysym.scancode);
        out.repeat = in.key.repeat != 0;
        return true;
    }
    case SDL_TEXTINPUT:
        out.type = EventType::Text;
        out.text = in.text.text;
        return !out.text.empty();
    case SDL_MOUSEMOTION:
        out.type = EventType::MouseMove;
        out.x = in.motion.x;
        out.y = in.motion.y;
        return true;
    case SDL_MOUSEWHEEL: {
        int delta = in.wheel.y;
        if (in.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) {
            delta = -delta;
        }
        // A purely sideways scroll has no vertical delta: it is not a wheel step.
        if (delta == 0) {
            return false;
        }
        out.type = EventType::MouseWheel;
        out.wheel = delta > 0 ? 1 : -1;
        return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const int vk = MouseButtonVirtualKey(in.button.button);
        if (vk == 0) {
            return false;
        }
        const bool down = in.type == SDL_MOUSEBUTTONDOWN;
        out.type = down ? EventType::MouseButtonDown : EventType::MouseButtonUp;
        out.virtualKey = vk;
        out.x = in.button.x;
        out.y = in.button.y;
        return true;
    }
    case SDL_QUIT:
        out.type = EventType::Quit;
        return true;
    case SDL_WINDOWEVENT:
        switch (in.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            out.type = EventType::Quit;
            return true;
        case SDL_WINDOWEVENT_SHOWN:
            out.type = EventType::Shown;
            return true;
        case SDL_WINDOWEVENT_HIDDEN:
            out.type = EventType::Hidden;
            return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            out.type = EventType::FocusLost;
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

// The key state as of a translated event, once it is taken.
void FollowKeyState(const Event& event, const SDL_Event& in)
{
    switch (event.type) {
    case EventType::KeyDown:
    case EventType::KeyUp:
        SetScancodeDown(in.key.keysym.scancode, event.type == EventType::KeyDown);
        break;
    case EventType::MouseButtonDown:
    case EventType::MouseButtonUp:
        SetVirtualKeyDown(event.virtualKey, event.type == EventType::MouseButtonDown);
        break;
    case EventType::FocusLost:
        // Releases that happen elsewhere never reach us: start clean.
        ReleaseAllVirtualKeys();
        break;
    default:
        break;
    }
}

bool gLossReported = false;
// Taken from SDL and held back by the caller; it comes before anything SDL still has.
std::optional<SDL_Event> gHeld;

// The loss once, as the last event there will be.
bool ReportLoss(Event& event)
{
    if (gLossReported) {
        return false;
    }
    gLossReported = true;
    event = Event{};
    event.type = EventType::DisplayLost;
    return true;
}

}  // namespace

bool PollEvent(Event& event, const std::function<bool(const Event&)>& waits)
{
    if (!SDL_WasInit(SDL_INIT_EVENTS)) {
        return false;
    }
    if (DisplayLost()) {
        return ReportLoss(event);
    }
    SDL_Event sdlEvent;
    for (;;) {
        if (gHeld) {
            sdlEvent = *gHeld;
            gHeld.reset();
        } else if (!SDL_PollEvent(&sdlEvent)) {
            break;
        }
        if (!Translate(sdlEvent, event)) {
            continue;
        }
        if (waits && waits(event)) {
            gHeld = sdlEvent;
            return false;
        }
        FollowKeyState(event, sdlEvent);
        return true;
    }
    // The pump itself may be what found the connection broken.
    return DisplayLost() && ReportLoss(event);
}

void ForgetHeldEvent()
{
    gHeld.reset();
}

}  // namespace Platform
