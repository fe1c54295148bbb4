// The "Inspector": the selected object's fields, its components' own panels and the object
// operations.
#include <imgui.h>

#include <algorithm>

#include "editor/Editor.h"
#include "editor/FieldOwner.h"
#include "editor/FieldText.h"
#include "editor/NameRules.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

void Editor::DrawInspector()
{
    ImGui::SetNextWindowPos(ImVec2(1515.0f, 20.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(400.0f, 828.0f), ImGuiCond_Appearing);
    const bool open = ImGui::Begin("Inspector");
    // Held for the whole drawing: a panel or button below may take the object out of the scene.
    const std::shared_ptr<GameObject> object = selectedObject;
    if (open && object) {
        const FieldOwner owner(object.get());
        DrawObjectPanels(object);
    }
    ImGui::End();
}

void Editor::DrawObjectPanels(const std::shared_ptr<GameObject>& object)
{
    CollectComponentNames(object->components.begin(), object->components.end());
    ImGui::Text("ID #%d", object->id);
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);

    std::string entered;
    if (FieldText::Input("Name", object->name, entered, ImGuiInputTextFlags_CallbackCharFilter, NameRules::FilterBlank))
        RenameObject(object, entered);

    if (ImGui::Button(TypeLabel(object->objectType).c_str()))
        ImGui::OpenPopup("Editor GameObejct Type List");
    TypeListPopup("Editor GameObejct Type List", object->objectType);
    ImGui::SameLine();
    ImGui::Text("GameObject Type");
    ImGui::Spacing();

    if (FieldText::Input("Parent Name", object->parentName, entered, ImGuiInputTextFlags_CallbackCharFilter,
                         NameRules::FilterBlank))
        SetParentNamed(object, entered);
    if (ImGui::Button("Remove Parent"))
        object->DetachFromParent();

    // A panel may change the list (a component removing itself); walk a copy.
    const ComponentList components = object->components;
    for (size_t i = 0; i < components.size(); ++i) {
        if (!components[i])
            continue;
        ImGui::PushID(static_cast<int>(i));
        // What the designer changes here is saved as set, even a value put back to what the
        // scripts' set-up left.
        const std::string before = LevelBaseline::BlockText(*components[i]);
        const bool pickerWasOpen = gTextureSystem && gTextureSystem->TextureDialogOpen();
        components[i]->Inspector(object->id);
        baseline.NoteEdits(components[i], before);
        // A panel's texture picker (the Sprite's) is a screen like the menu's: one at a time.
        if (!pickerWasOpen && gTextureSystem && gTextureSystem->TextureDialogOpen())
            AskForScreen(nullptr);
        ImGui::PopID();
    }
    ImGui::PopItemWidth();

    ImGui::Spacing();
    ImGui::Separator();
    ImGui::Spacing();
    if (ImGui::Button("Duplicate"))
        DuplicateSelected();
    if (ImGui::Button("Attach Component"))
        ImGui::OpenPopup("Attach Component List");
    ImGui::SameLine();
    if (ImGui::Button("Remove Component"))
        ImGui::OpenPopup("Remove Component List");

    if (ImGui::BeginPopup("Attach Component List")) {
        for (const std::string& name : GetComponentNames()) {
            if (name == Transform::GetTypeName() ||
                std::find(componentNames.begin(), componentNames.end(), name) != componentNames.end())
                continue;
            if (ImGui::Selectable(name.c_str())) {
                AttachComponent(name);
                ImGui::CloseCurrentPopup();
                break;
            }
        }
        ImGui::EndPopup();
    }
    if (ImGui::BeginPopup("Remove Component List")) {
        for (size_t i = 0; i < components.size(); ++i) {
            if (!components[i] || components[i]->GetName() == Transform::GetTypeName())
                continue;
            ImGui::PushID(static_cast<int>(i));
            const bool chosen = ImGui::Selectable(components[i]->GetName().c_str());
            ImGui::PopID();
            if (chosen) {
                object->RemoveComponent(components[i]);
                ImGui::CloseCurrentPopup();
                break;
            }
        }
        ImGui::EndPopup();
    }

    if (ImGui::Button("Remove Object"))
        DeleteSelected();
    if (ImGui::Button("Save as Prefab")) {
        const std::shared_ptr<GameObject> keep = selectedObject;
        selectedObject = object;
        SaveSelectedAsPrefab();
        selectedObject = keep;
    }
    componentNames.clear();
}
