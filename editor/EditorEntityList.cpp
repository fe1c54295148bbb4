// The "Entity" window: root objects that pass the search, each with its direct children.
#include <imgui.h>

#include "editor/Editor.h"
#include "editor/FieldText.h"
#include "editor/NameRules.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"

void Editor::DrawEntityList()
{
    ImGui::SetNextWindowPos(ImVec2(0.0f, 371.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(400.0f, 478.0f), ImGuiCond_Appearing);
    if (!ImGui::Begin("Entity")) {
        ImGui::End();
        return;
    }
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
    if (ImGui::CollapsingHeader("Search Engine")) {
        const char* modes[] = {"Name", "ID", "ObjectType"};
        ImGui::Combo("Search Type", &searchMode, modes, 3);
        if (searchMode != EntityFilter::ByType) {
            ImGui::InputText("##Search", searchText, sizeof searchText, ImGuiInputTextFlags_CallbackCharFilter,
                             NameRules::FilterBlank);
        } else {
            if (ImGui::Button(TypeLabel(searchObjectType).c_str()))
                ImGui::OpenPopup("Editor GameObejct Type List");
            TypeListPopup("Editor GameObejct Type List", searchObjectType);
            ImGui::SameLine();
            ImGui::Text("Search Type");
        }
    }
    ImGui::PopItemWidth();
    filter.Set(searchMode, searchText, searchObjectType);

    // The rows of this frame (roots that pass, each followed by its children), drawn through
    // a clipper so that only the visible ones cost anything.
    struct Row {
        GameObject* object;
        bool child;
    };
    std::vector<Row> rows;
    const auto gather = [&] {
        rows.clear();
        rows.reserve(gGameObjects.size());
        for (const auto& object : gGameObjects) {
            if (!object || object->hasParent || !filter.Matches(*object))
                continue;
            rows.push_back({object.get(), false});
            for (const auto& child : object->children)
                if (child)
                    rows.push_back({child.get(), true});
        }
    };
    gather();
    // Names the pattern has not met yet are searched away from the frame; most are answered
    // within the wait, and the list is gathered again with them.
    if (filter.Settle(EntityFilter::kFrameWait))
        gather();
    if (!filter.PatternValid())
        ImGui::TextDisabled("The pattern is not a valid expression; listing everything.");
    else if (filter.Searching())
        ImGui::TextDisabled("Searching; names not searched yet are listed.");
    ImGui::Separator();

    // Rows take the click over their whole band, as wide as the highlight and with the spacing
    // between them made into padding, so that wherever a scroll leaves the pointer on the list it
    // stands on a row; the rows keep their pitch.
    const ImGuiStyle& style = ImGui::GetStyle();
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(style.FramePadding.x, style.ItemSpacing.y * 0.5f));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(style.ItemSpacing.x, 0.0f));
    GameObject* clicked = nullptr;
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(rows.size()));
    while (clipper.Step()) {
        for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i) {
            const Row& row = rows[static_cast<size_t>(i)];
            ImGuiTreeNodeFlags flags = ImGuiTreeNodeFlags_Leaf | ImGuiTreeNodeFlags_NoTreePushOnOpen |
                                       ImGuiTreeNodeFlags_SpanAvailWidth | ImGuiTreeNodeFlags_FramePadding;
            if (row.object == selectedObject.get())
                flags |= ImGuiTreeNodeFlags_Selected;
            if (row.child)
                ImGui::Indent();
            ImGui::TreeNodeEx(static_cast<void*>(row.object), flags, "%s", FieldText::Shown(row.object->name).c_str());
            if (ImGui::IsItemClicked(ImGuiMouseButton_Left))
                clicked = row.object;
            if (row.child)
                ImGui::Unindent();
        }
    }
    ImGui::PopStyleVar(2);
    ImGui::End();

    if (clicked) {
        for (const auto& object : gGameObjects)
            if (object.get() == clicked)
                selectedObject = object;
        if (cameraFocusSelected && selectedObject)
            FocusCameraOn(*selectedObject);
    }
}
