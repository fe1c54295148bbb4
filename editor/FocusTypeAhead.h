#pragma once
#include <imgui.h>

#include <vector>

// The interface drops the characters of the frame in which a text field takes the keyboard
// focus without a click (the Save screen's name field, the frame after the screen opens). At a
// few frames a second that frame holds the first letters typed after the click that opened the
// screen. They are held for that field and given to it alone, once, in a frame that follows one
// in which it had the keyboard: play mode hiding the screen only delays them, and no other field
// ever takes them. When the screen is no longer wanted (closed, or replaced before it showed
// again), they are dropped.
class FocusTypeAhead {
public:
    // Before the interface frame: notes the frame's letters, and puts the held ones before them
    // when their field had the keyboard in the last frame.
    void BeforeFrame(ImGuiIO& io);
    // Before the frame ends. `screenWanted`: the screen of the field they are held for is still
    // asked for.
    void AfterFrame(bool screenWanted);

private:
    std::vector<ImWchar> held;
    std::vector<ImWchar> typed;  // this frame's own letters
    std::vector<ImWchar> given;  // held letters put into this frame
    ImGuiID field = 0;           // the field they are held for
};
