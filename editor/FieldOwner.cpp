#include "editor/FieldOwner.h"

#include <imgui_internal.h>

FieldOwner::FieldOwner(const void* object) : unownedBefore(unowned), owningBefore(owning)
{
    unowned = ImGui::GetCurrentWindow()->IDStack.back();
    owning = true;
    ImGui::PushID(object);
}

FieldOwner::~FieldOwner()
{
    ImGui::PopID();
    unowned = unownedBefore;
    owning = owningBefore;
}

bool FieldOwner::PanelHeader(const char* label)
{
    if (!owning)
        return ImGui::CollapsingHeader(label);
    ImGui::PushOverrideID(unowned);
    const bool open = ImGui::CollapsingHeader(label);
    ImGui::PopID();
    return open;
}
