#pragma once
#include <array>
#include <deque>
#include <functional>
#include <string>

// What the interface is told about keys and typed text. It reads its key state once a frame and
// takes a frame's characters before its key presses, and a text field acts on one key press a
// frame; so keys and characters wait here together, in the order they were typed, and each
// frame gets only as many as it can take without a change of order or a lost press:
// - a press of a key the interface acts on ends the frame's share (what follows it waits);
// - a key is seen down for at least one frame, and up for one before it is pressed again.
class InterfaceInputQueue {
public:
    static constexpr int kKeyCount = 512;

    void Press(int key);
    void Release(int key);
    void Type(const std::string& utf8);
    // Lets go of every key held (in order, after what is already waiting).
    void ReleaseAll();

    // Moves this frame's share into the shown state; returns its characters (UTF-8).
    // actsOn tells the keys whose press the interface acts on.
    std::string Deliver(const std::function<bool(int key)>& actsOn);

    // Down for the interface this frame.
    bool IsDown(int key) const;
    bool Empty() const { return waiting.empty(); }

private:
    struct Entry {
        enum Kind { Down, Up, Text } kind;
        int key = 0;
        std::string text;
    };
    std::deque<Entry> waiting;
    std::array<bool, kKeyCount> queuedDown{};  // after everything waiting
    std::array<bool, kKeyCount> shown{};
};
