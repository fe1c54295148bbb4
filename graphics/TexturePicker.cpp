#include "graphics/TexturePicker.h"

#include <imgui.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "editor/FieldText.h"

namespace
{
const char* const kPopupName = "Open and Load Texture";

bool EndsWithPng(const std::string& name)
{
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0;
}
} // namespace

std::vector<std::string> TexturePicker::ListPngNames(const std::string& folder)
{
    std::vector<std::string> found;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return found;
    for (std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code fileEc;
        if (!it->is_regular_file(fileEc))
            continue;
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && EndsWithPng(name))
            found.push_back(name);
    }
    std::sort(found.begin(), found.end());
    return found;
}

void TexturePicker::Open(const std::string& folderPath)
{
    folder = folderPath;
    names = ListPngNames(folder);
    filter[0] = '\0';
    open = true;
}

bool TexturePicker::Draw(std::string& chosen, const std::function<void()>& over)
{
    if (!ImGui::GetCurrentContext() || !open)
        return false;
    // Asked for every frame it stays: a popup closed from outside (a frame that did not draw
    // it) comes back.
    ImGui::OpenPopup(kPopupName);

    bool picked = false;
    bool keepOpen = true;
    ImGui::SetNextWindowSize(ImVec2(420.0f, 480.0f), ImGuiCond_Appearing);
    if (ImGui::BeginPopupModal(kPopupName, &keepOpen)) {
        if (over)
            over();
        ImGui::TextUnformatted(FieldText::Shown(folder).c_str());
        ImGui::InputText("Filter", filter, sizeof filter);
        ImGui::BeginChild("Sprite files", ImVec2(0.0f, -ImGui::GetFrameHeightWithSpacing()), true);
        for (const std::string& name : names) {
            if (filter[0] != '\0' && name.find(filter) == std::string::npos)
                continue;
            if (FieldText::Selectable(name)) {
                chosen = name;
                picked = true;
            }
        }
        if (names.empty())
            ImGui::TextUnformatted("No .png files in the sprite folder.");
        ImGui::EndChild();
        if (ImGui::Button("Cancel"))
            keepOpen = false;
        if (picked || !keepOpen)
            ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
    } else {
        keepOpen = false;
    }
    if (picked || !keepOpen)
        open = false;
    return picked;
}
