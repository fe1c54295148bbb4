#pragma once
#include <imgui.h>

#include <cstddef>
#include <vector>

// The interface drops the characters of the frame in which a text field takes the keyboard
// focus without a click (the Save screen's name field, the frame after the screen opens). At a
// few frames a second that frame holds the first letters typed after the click that opened the
// screen; they are held and given again in the next frame, where the field takes them. Frames
// that do not show the field's window (play mode hides the screens), or only bring it back, do
// not take them: they wait for the field.
class FocusTypeAhead {
public:
    // Before the interface frame: the characters held put before this frame's, which are noted.
    void BeforeFrame(ImGuiIO& io);
    // Before the frame ends: keeps its characters when a field took the focus in it from nothing,
    // and the held ones when the field's window was not there to take them.
    void AfterFrame();

private:
    std::vector<ImWchar> given;
    std::vector<ImWchar> kept;
    std::size_t heldGiven = 0;  // how many of `given` were held from before
    ImGuiID fieldWindow = 0;    // the window of the field they are held for
};
