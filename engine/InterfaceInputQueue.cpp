#include "engine/InterfaceInputQueue.h"

namespace {
bool InRange(int key)
{
    return key > 0 && key < InterfaceInputQueue::kKeyCount;
}
}  // namespace

void InterfaceInputQueue::Press(int key)
{
    // A held key's repeats change nothing.
    if (!InRange(key) || queuedDown[key])
        return;
    queuedDown[key] = true;
    waiting.push_back({Entry::Down, key, {}});
}

void InterfaceInputQueue::Release(int key)
{
    if (!InRange(key) || !queuedDown[key])
        return;
    queuedDown[key] = false;
    waiting.push_back({Entry::Up, key, {}});
}

void InterfaceInputQueue::Type(const std::string& utf8)
{
    if (!utf8.empty())
        waiting.push_back({Entry::Text, 0, utf8});
}

void InterfaceInputQueue::ReleaseAll()
{
    for (int key = 1; key < kKeyCount; ++key)
        Release(key);
}

std::string InterfaceInputQueue::Deliver(const std::function<bool(int key)>& actsOn)
{
    std::array<bool, kKeyCount> changed{};
    std::string characters;
    while (!waiting.empty()) {
        const Entry& entry = waiting.front();
        if (entry.kind == Entry::Text) {
            characters += entry.text;
        } else {
            // Down and up in one frame would never be seen; the next frame takes it.
            if (changed[entry.key])
                break;
            changed[entry.key] = true;
            shown[entry.key] = entry.kind == Entry::Down;
            if (entry.kind == Entry::Down && actsOn && actsOn(entry.key)) {
                waiting.pop_front();
                break;
            }
        }
        waiting.pop_front();
    }
    return characters;
}

bool InterfaceInputQueue::IsDown(int key) const
{
    return InRange(key) && shown[key];
}
