#include "engine/InterfaceKeyLatch.h"

namespace {
bool InRange(int key)
{
    return key > 0 && key < InterfaceKeyLatch::kKeyCount;
}
}  // namespace

void InterfaceKeyLatch::BeginPump()
{
    for (int key = 0; key < kKeyCount; ++key) {
        freshThisPump[key] = false;
        if (shown[key]) {
            // Up for one frame between two presses, or after a press already let go.
            if (!physical[key] || waitingPresses[key] > 0)
                shown[key] = false;
        } else if (waitingPresses[key] > 0) {
            --waitingPresses[key];
            shown[key] = true;
            freshThisPump[key] = true;
        }
        shownAtPumpStart[key] = shown[key];
    }
}

void InterfaceKeyLatch::Press(int key)
{
    if (!InRange(key) || physical[key])
        return;
    physical[key] = true;
    // A key the last frame saw down needs a frame up before this press can count.
    if (!shown[key] && !shownAtPumpStart[key] && waitingPresses[key] == 0) {
        shown[key] = true;
        freshThisPump[key] = true;
    } else {
        ++waitingPresses[key];
    }
}

void InterfaceKeyLatch::Release(int key)
{
    if (!InRange(key))
        return;
    physical[key] = false;
    // A press not yet seen by a frame stays down until the next pump.
    if (!freshThisPump[key] && waitingPresses[key] == 0)
        shown[key] = false;
}

void InterfaceKeyLatch::ReleaseAll()
{
    physical.fill(false);
    shown.fill(false);
    freshThisPump.fill(false);
    shownAtPumpStart.fill(false);
    waitingPresses.fill(0);
}

bool InterfaceKeyLatch::IsDown(int key) const
{
    return InRange(key) && shown[key];
}
