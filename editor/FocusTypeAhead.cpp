#include "editor/FocusTypeAhead.h"

#include <imgui_internal.h>

void FocusTypeAhead::BeforeFrame(ImGuiIO& io)
{
    typed.assign(io.InputQueueCharacters.begin(), io.InputQueueCharacters.end());
    given.clear();
    const ImGuiContext& g = *GImGui;
    // Still active, and drawn in the last frame: in this one it takes the queue, and only it can.
    if (held.empty() || g.ActiveId != field || g.ActiveIdIsAlive != field)
        return;
    given.swap(held);
    io.InputQueueCharacters.resize(0);
    for (const ImWchar character : given)
        io.InputQueueCharacters.push_back(character);
    for (const ImWchar character : typed)
        io.InputQueueCharacters.push_back(character);
}

void FocusTypeAhead::AfterFrame(bool screenWanted)
{
    const ImGuiContext& g = *GImGui;
    // Given, but the field was not drawn to take them (play mode came in the same frame).
    if (!given.empty() && g.ActiveIdIsAlive != field && (g.ActiveId == field || g.ActiveId == 0))
        held.insert(held.begin(), given.begin(), given.end());
    given.clear();
    // Focused by the keyboard, not clicked, with nothing active before that could have taken them.
    if (g.ActiveId != 0 && g.ActiveIdIsJustActivated && g.ActiveIdPreviousFrame == 0 &&
        g.InputTextState.ID == g.ActiveId && g.NavActivateInputId == g.ActiveId) {
        if (g.ActiveId != field)
            held.clear();
        field = g.ActiveId;
        held.insert(held.end(), typed.begin(), typed.end());
    }
    if (!screenWanted)
        held.clear();
}
