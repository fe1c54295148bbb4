#include "editor/FocusTypeAhead.h"

#include <imgui_internal.h>

void FocusTypeAhead::BeforeFrame(ImGuiIO& io)
{
    heldGiven = kept.size();
    kept.insert(kept.end(), io.InputQueueCharacters.begin(), io.InputQueueCharacters.end());
    io.InputQueueCharacters.resize(0);
    for (const ImWchar character : kept)
        io.InputQueueCharacters.push_back(character);
    given.swap(kept);
    kept.clear();
}

void FocusTypeAhead::AfterFrame()
{
    const ImGuiContext& g = *GImGui;
    // Focused by the keyboard, not clicked, with nothing active before that could have taken them.
    if (g.ActiveId != 0 && g.ActiveIdIsJustActivated && g.ActiveIdPreviousFrame == 0 &&
        g.InputTextState.ID == g.ActiveId && g.NavActivateInputId == g.ActiveId) {
        kept = given;
        fieldWindow = g.ActiveIdWindow ? g.ActiveIdWindow->ID : 0;
        return;
    }
    // Only what was held waits: letters typed meanwhile (the player's keys in play mode) were not
    // meant for the field.
    const ImGuiWindow* window = heldGiven > 0 ? ImGui::FindWindowByID(fieldWindow) : nullptr;
    if (window && (!window->Active || window->Appearing))
        kept.assign(given.begin(), given.begin() + static_cast<std::ptrdiff_t>(heldGiven));
}
