#pragma once
#include <imgui.h>

#include <vector>

// The interface drops the characters of the frame in which a text field takes the keyboard
// focus without a click (the Save screen's name field, the frame after the screen opens). At a
// few frames a second that frame holds the first letters typed after the click that opened the
// screen; they are given again in the next frame, where the field takes them.
class FocusTypeAhead {
public:
    // Before the interface frame: the characters kept put before this frame's, which are noted.
    void BeforeFrame(ImGuiIO& io);
    // Before the frame ends: keeps its characters when a field took the focus in it from nothing.
    void AfterFrame();

private:
    std::vector<ImWchar> given;
    std::vector<ImWchar> kept;
};
