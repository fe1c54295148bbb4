#pragma once
#include <array>
#include <deque>
#include <functional>
#include <string>

// What the interface is told about keys, typed text and the mouse. It reads its state once a
// frame and takes a frame's characters before its key presses, so everything waits here
// together, in the order it happened, and each frame gets only as much as it can take without
// a change of order or a lost press:
// - a press of a key the interface acts on ends the frame's share (what follows it waits);
// - a mouse button's press or release has a frame of its own, seen where the pointer then was;
// - a wheel step ends the share, so it scrolls where the pointer then was (steps in a row, with
//   nothing between them, go together);
// - any key is seen down for at least one frame; one it does not act on may be let go in the
//   frame it went down (it reads as down for that frame and up from the next), so typing
//   letters in a row does not cost a frame a letter; a press acted on waits until such a key
//   reads as up again (Shift+End is not End after a capital), and so does text after a Ctrl
//   let go that way (Ctrl+A, then letters).
class InterfaceInputQueue {
public:
    static constexpr int kKeyCount = 512;

    // Keys and mouse buttons, by their virtual codes.
    void Press(int key);
    void Release(int key);
    void Type(const std::string& utf8);
    void MoveMouse(int x, int y);
    void Wheel(float steps);
    // Lets go of every key and button held (in order, after what is already waiting).
    void ReleaseAll();

    // Moves this frame's share into the shown state; returns its characters (UTF-8).
    // actsOn tells the keys whose press the interface acts on.
    std::string Deliver(const std::function<bool(int key)>& actsOn);

    // As the interface sees it this frame.
    bool IsDown(int key) const;
    int MouseX() const { return mouseX; }
    int MouseY() const { return mouseY; }
    float WheelSteps() const { return wheel; }
    bool Empty() const { return waiting.empty(); }
    // Something typed or clicked, not only pointer moves, still waits.
    bool HoldsInput() const;

private:
    struct Entry {
        enum Kind { Down, Up, Text, Move, Scroll } kind;
        int key = 0;
        int x = 0;
        int y = 0;
        float steps = 0.0f;
        std::string text;
    };
    std::deque<Entry> waiting;
    std::array<bool, kKeyCount> queuedDown{};  // after everything waiting
    std::array<bool, kKeyCount> shown{};
    std::array<bool, kKeyCount> upNextFrame{};
    int mouseX = 0;
    int mouseY = 0;
    float wheel = 0.0f;
};
