// The "Heirarchy" tool window with its create and sprite-change windows and the style editor.
#include <GL/glew.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include "editor/Editor.h"
#include "editor/FieldText.h"
#include "editor/NameRules.h"
#include "editor/ValueFields.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"

std::string Editor::TypeLabel(int type) const
{
    // A level or prefab may carry any number; a lookup must never add an empty name to the list.
    const auto it = objectTypeNames.find(type);
    if (it == objectTypeNames.end() || it->second.empty())
        return "Unknown (" + std::to_string(type) + ")";
    return it->second;
}

bool Editor::TypeListPopup(const char* popupName, int& type)
{
    bool chosen = false;
    if (ImGui::BeginPopup(popupName)) {
        for (const auto& entry : objectTypeNames) {
            ImGui::PushID(entry.first);
            if (ImGui::Selectable(entry.second.c_str())) {
                type = entry.first;
                chosen = true;
            }
            ImGui::PopID();
        }
        ImGui::EndPopup();
    }
    return chosen;
}

void Editor::DrawHierarchy()
{
    ImGui::SetNextWindowPos(ImVec2(0.0f, 20.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(400.0f, 350.0f), ImGuiCond_Appearing);
    if (ImGui::Begin("Heirarchy")) {
        ImGui::Checkbox("Create GameObject Menu", &showCreateMenu);
        if (showCreateMenu)
            DrawCreateGameObject();
        ImGui::Checkbox("Camera Focus GameObject", &cameraFocusSelected);
        ImGui::Spacing();
        ImGui::PushItemWidth(0.3f * ImGui::GetContentRegionAvail().x);
        ValueFields::InputFloat("Editor Tool Snapping setting", &snapStep, 0.0f, 0.0f, "%.3f");
        ImGui::PopItemWidth();
        ImGui::Checkbox("Auto Snap", &autoSnap);
        ImGui::Spacing();
        ImGui::Checkbox("Click Sprite Change Menu", &showSpriteChange);
        if (showSpriteChange)
            DrawSpriteChange();

        if (ImGui::CollapsingHeader("Skybox Settings") && gGraphicsSystem) {
            std::array<float, 4> colour = gGraphicsSystem->clearColor;
            ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
            if (ValueFields::InputFloat4("World Color", colour.data(), "%.0f")) {
                gGraphicsSystem->clearColor = colour;
                if (gGraphicsSystem->HasContext())
                    glClearColor(colour[0] / 255.0f, colour[1] / 255.0f, colour[2] / 255.0f, colour[3] / 255.0f);
            }
            ImGui::PopItemWidth();
        }
        if (ImGui::CollapsingHeader("Editor Layout Style Settings"))
            DrawStyleSettings();
    }
    ImGui::End();
}

void Editor::DrawStyleSettings()
{
    ImGuiStyle& style = ImGui::GetStyle();
    // Typed values (Ctrl+click) are held to the sliders' ends like any field's: the interface
    // aborts on some, and a rounding it cannot draw would come back from the file as the default.
    const float least = StyleFile::kLeastRounding;
    if (ImGui::TreeNode("Layout Style")) {
        ImGui::PushItemWidth(0.5f * ImGui::GetContentRegionAvail().x);
        ValueFields::SliderFloat2("WindowPadding", &style.WindowPadding.x, 0.0f, 20.0f, "%.0f");
        ValueFields::SliderRounding("WindowRounding", &style.WindowRounding, least, 16.0f, "%.0f");
        ValueFields::SliderRounding("ChildWindowRounding", &style.ChildRounding, least, 16.0f, "%.0f");
        ValueFields::SliderFloat2("FramePadding", &style.FramePadding.x, 0.0f, 20.0f, "%.0f");
        ValueFields::SliderRounding("FrameRounding", &style.FrameRounding, least, 16.0f, "%.0f");
        ValueFields::SliderFloat2("ItemSpacing", &style.ItemSpacing.x, 0.0f, 20.0f, "%.0f");
        ValueFields::SliderFloat2("ItemInnerSpacing", &style.ItemInnerSpacing.x, 0.0f, 20.0f, "%.0f");
        ValueFields::SliderFloat2("TouchExtraPadding", &style.TouchExtraPadding.x, 0.0f, 10.0f, "%.0f");
        ValueFields::SliderFloat("IndentSpacing", &style.IndentSpacing, 0.0f, 30.0f, "%.0f");
        ValueFields::SliderFloat("ScrollbarSize", &style.ScrollbarSize, 1.0f, 20.0f, "%.0f");
        ValueFields::SliderRounding("ScrollbarRounding", &style.ScrollbarRounding, least, 16.0f, "%.0f");
        ValueFields::SliderFloat("GrabMinSize", &style.GrabMinSize, 1.0f, 20.0f, "%.0f");
        ValueFields::SliderRounding("GrabRounding", &style.GrabRounding, least, 16.0f, "%.0f");
        ImGui::PopItemWidth();
        ImGui::Spacing();
        ImGui::Text("Alignment");
        ImGui::PushItemWidth(0.5f * ImGui::GetContentRegionAvail().x);
        ValueFields::SliderFloat2("WindowTitleAlign", &style.WindowTitleAlign.x, 0.0f, 1.0f, "%.2f");
        ValueFields::SliderFloat2("ButtonTextAlign", &style.ButtonTextAlign.x, 0.0f, 1.0f, "%.2f");
        ImGui::PopItemWidth();
        ImGui::TreePop();
    }
    if (ImGui::TreeNode("Color Style")) {
        ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
        for (int i = 0; i < StyleFile::kColourCount; ++i) {
            ImVec4& colour = StyleFile::Colour(style, spareColours, i);
            ValueFields::ColorEdit4(StyleFile::ColourNames()[static_cast<size_t>(i)].name, &colour.x);
        }
        ImGui::PopItemWidth();
        ImGui::TreePop();
    }
}

void Editor::DrawCreateGameObject()
{
    ImGui::SetNextWindowPos(ImVec2(401.0f, 20.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(400.0f, 200.0f), ImGuiCond_Appearing);
    if (ImGui::Begin("Create GameObject")) {
        ImGui::Text("ID #%d", gObjectIdCounter);
        ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
        ImGui::InputText("Name ", &newObjectName, ImGuiInputTextFlags_CallbackCharFilter, NameRules::FilterBlank);
        if (ImGui::Button(TypeLabel(newObjectType).c_str()))
            ImGui::OpenPopup("Editor GameObejct Type List");
        TypeListPopup("Editor GameObejct Type List", newObjectType);
        ImGui::SameLine();
        ImGui::Text("GameObject Type");
        if (ImGui::CollapsingHeader("Transform")) {
            ValueFields::InputFloat3("Position", newObjectPosition, "%.1f");
            ValueFields::InputFloat2("Scale", newObjectScale, "%.2f");
        }
        ImGui::PopItemWidth();
        ImGui::Spacing();
        if (ImGui::Button("Create"))
            CreateObject();
        if (ImGui::Button("Create 50 GameObject"))
            for (int i = 0; i < 50; ++i)
                CreateObject();
    }
    ImGui::End();
}

void Editor::DrawSpriteChange()
{
    ImGui::SetNextWindowPos(ImVec2(802.0f, 20.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(400.0f, 200.0f), ImGuiCond_Appearing);
    const std::shared_ptr<Sprite> sprite = selectedObject ? selectedObject->GetComponent<Sprite>() : nullptr;
    if (ImGui::Begin("Click GameObject To Sprite Change")) {
        ImGui::Text("GameObject Name: %s", selectedObject ? FieldText::Shown(selectedObject->name).c_str() : "");
        if (selectedObject)
            ImGui::Text("GameObject ID: #%d", selectedObject->id);
        else
            ImGui::Text("GameObject ID: #");
        const std::string textureName = sprite ? FieldText::Shown(sprite->textureName) : "Sprite Component Not Found";
        ImGui::Text("GameObject Texture Name: %s", selectedObject ? textureName.c_str() : "");
        ImGui::Spacing();
        ImGui::Text("Change To: ");
        ImGui::SameLine();
        if (FieldText::Button(chosenTextureName))
            ImGui::OpenPopup("Sprite List2");
        if (ImGui::BeginPopup("Sprite List2")) {
            if (gTextureSystem)
                for (const std::string& name : gTextureSystem->GetTextureNames())
                    if (FieldText::Selectable(name))
                        chosenTextureName = name;
            ImGui::EndPopup();
        }
    }
    ImGui::End();
    if (sprite && chosenTextureName != "Choose Texture" && sprite->textureName != chosenTextureName)
        sprite->ApplyTexture(chosenTextureName);
}
