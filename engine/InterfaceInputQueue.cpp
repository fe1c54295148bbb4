#include "engine/InterfaceInputQueue.h"

#include <algorithm>
#include <utility>

namespace {
bool InRange(int key)
{
    return key > 0 && key < InterfaceInputQueue::kKeyCount;
}

// The left, right and middle buttons' virtual codes.
bool IsMouseButton(int key)
{
    return key == 0x01 || key == 0x02 || key == 0x04;
}

// Either Ctrl, or the code they share.
bool IsCtrl(int key)
{
    return key == 0x11 || key == 0xA2 || key == 0xA3;
}
}  // namespace

void InterfaceInputQueue::Press(int key)
{
    // A held key's repeats change nothing.
    if (!InRange(key) || queuedDown[key])
        return;
    queuedDown[key] = true;
    waiting.push_back({Entry::Down, key, 0, 0, 0.0f, {}});
}

void InterfaceInputQueue::Release(int key)
{
    if (!InRange(key) || !queuedDown[key])
        return;
    queuedDown[key] = false;
    waiting.push_back({Entry::Up, key, 0, 0, 0.0f, {}});
}

void InterfaceInputQueue::Type(const std::string& utf8)
{
    if (!utf8.empty())
        waiting.push_back({Entry::Text, 0, 0, 0, 0.0f, utf8});
}

void InterfaceInputQueue::MoveMouse(int x, int y)
{
    waiting.push_back({Entry::Move, 0, x, y, 0.0f, {}});
}

void InterfaceInputQueue::Wheel(float steps)
{
    if (steps != 0.0f)
        waiting.push_back({Entry::Scroll, 0, 0, 0, steps, {}});
}

void InterfaceInputQueue::ReleaseAll()
{
    for (int key = 1; key < kKeyCount; ++key)
        Release(key);
}

std::string InterfaceInputQueue::Deliver(const std::function<bool(int key)>& actsOn)
{
    std::array<bool, kKeyCount> changed{};
    for (int key = 1; key < kKeyCount; ++key) {
        if (std::exchange(upNextFrame[key], false)) {
            shown[key] = false;
            changed[key] = true;
        }
    }
    wheel = 0.0f;
    std::string characters;
    bool taken = false;
    bool latched = false;  // a key of this share reads as down though it is already up
    bool ctrlLatched = false;
    while (!waiting.empty()) {
        const Entry& entry = waiting.front();
        bool endsShare = false;
        switch (entry.kind) {
        case Entry::Text:
            // The interface drops what is typed with Ctrl held: text typed once it was let go
            // waits until it reads as up.
            if (ctrlLatched)
                return characters;
            characters += entry.text;
            break;
        case Entry::Move:
            mouseX = entry.x;
            mouseY = entry.y;
            break;
        case Entry::Scroll:
            wheel += entry.steps;
            endsShare = waiting.size() < 2 || waiting[1].kind != Entry::Scroll;
            break;
        case Entry::Down:
        case Entry::Up: {
            const bool down = entry.kind == Entry::Down;
            const bool button = IsMouseButton(entry.key);
            const bool acts = button || (down && actsOn && actsOn(entry.key));
            // A press acted on sees the keys as they really are (a Shift let go is not held).
            if ((button && taken) || (acts && latched))
                return characters;
            if (changed[entry.key]) {
                // A second press in one frame would never be seen; the next frame takes it.
                if (down || button)
                    return characters;
                upNextFrame[entry.key] = true;
                latched = true;
                ctrlLatched = ctrlLatched || IsCtrl(entry.key);
            } else {
                changed[entry.key] = true;
                shown[entry.key] = down;
            }
            endsShare = acts;
            break;
        }
        }
        waiting.pop_front();
        taken = true;
        if (endsShare)
            break;
    }
    return characters;
}

bool InterfaceInputQueue::IsDown(int key) const
{
    return InRange(key) && shown[key];
}

bool InterfaceInputQueue::HoldsInput() const
{
    return std::any_of(waiting.begin(), waiting.end(), [](const Entry& entry) { return entry.kind != Entry::Move; });
}
