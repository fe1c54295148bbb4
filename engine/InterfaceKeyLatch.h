#pragma once
#include <array>

// What the interface is told about each key. Its keys are read once a frame, so a press and
// its release taken in one event pump would never be seen: such a press stays down until the
// next pump, and a second press in the same pump waits for a frame of its own, so no tap is
// lost however slow the frames are.
class InterfaceKeyLatch {
public:
    static constexpr int kKeyCount = 512;

    // Called before each drain of the event queue: lets go of the presses shown last frame.
    void BeginPump();
    void Press(int key);
    void Release(int key);
    void ReleaseAll();
    // Down for the interface this frame.
    bool IsDown(int key) const;

private:
    std::array<bool, kKeyCount> physical{};
    std::array<bool, kKeyCount> shown{};
    std::array<bool, kKeyCount> freshThisPump{};
    std::array<bool, kKeyCount> shownAtPumpStart{};
    std::array<int, kKeyCount> waitingPresses{};
};
