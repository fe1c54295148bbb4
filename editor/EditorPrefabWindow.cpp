// The "Prefab" window and the "Performance Visualizer" along the bottom of the screen.
#include <imgui.h>

#include <cstdio>

#include "audio/AudioSystem.h"
#include "editor/Editor.h"
#include "editor/FieldText.h"
#include "engine/InputSystem.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "physics/Physics.h"

void Editor::DrawPrefabWindow()
{
    ImGui::SetNextWindowPos(ImVec2(0.0f, 850.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(960.0f, 230.0f), ImGuiCond_Appearing);
    if (ImGui::Begin("Prefab")) {
        if (ImGui::Button("Spawn Prefab"))
            SpawnPrefab();
        for (size_t i = 0; i < prefabs.size(); ++i) {
            if (!prefabs[i])
                continue;
            ImGui::PushID(static_cast<int>(i));
            if (FieldText::Selectable(prefabs[i]->name))
                selectedPrefab = prefabs[i];
            ImGui::PopID();
        }
    }
    ImGui::End();
}

namespace {
template <class SystemPtr>
float Elapsed(const SystemPtr& system)
{
    return system ? system->timer.elapsed : 0.0f;
}
template <class SystemPtr>
std::string NameOf(const SystemPtr& system)
{
    return system ? system->GetName() : std::string("-");
}
}  // namespace

void Editor::DrawPerformanceVisualizer(float dt)
{
    performance.Advance(dt, {Elapsed(gWindowSystem), Elapsed(gGraphicsSystem), Elapsed(gTextureSystem),
                             Elapsed(gPhysics), Elapsed(gInputSystem), Elapsed(gAudioSystem),
                             Elapsed(gSceneSystem)});

    ImGui::SetNextWindowPos(ImVec2(960.0f, 850.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(960.0f, 230.0f), ImGuiCond_Appearing);
    if (!ImGui::Begin("Performance Visualizer")) {
        ImGui::End();
        return;
    }
    ImGui::Text("This performance is updated every 0.05 sec.");

    static const ImVec4 kColours[PerformanceHistory::kSeries] = {
        {1.0f, 0.0f, 1.0f, 1.0f},       {0.8706f, 0.7412f, 0.2157f, 1.0f}, {1.0f, 0.0980f, 0.3922f, 1.0f},
        {0.5686f, 0.9686f, 1.0f, 1.0f}, {0.5647f, 0.6078f, 0.9373f, 1.0f}, {1.0f, 0.8f, 0.4f, 1.0f},
        {0.5451f, 1.0f, 0.5608f, 1.0f}, {1.0f, 0.9294f, 0.1490f, 1.0f}};
    const std::string names[PerformanceHistory::kSeries] = {
        "Frame Time",        NameOf(gWindowSystem), NameOf(gGraphicsSystem), NameOf(gTextureSystem),
        NameOf(gPhysics),    NameOf(gInputSystem),  NameOf(gAudioSystem),    NameOf(gSceneSystem)};

    const float top = ImGui::GetCursorPosY();
    for (int i = 0; i < PerformanceHistory::kSeries; ++i) {
        const auto& series = performance.history[static_cast<size_t>(i)];
        char label[160];
        // Leading line breaks stack the labels, which all plots draw beside one shared frame.
        const std::string breaks(i == 0 ? 0 : static_cast<size_t>(i + 1), '\n');
        std::snprintf(label, sizeof label, "%s%s - %f ms", breaks.c_str(), names[i].c_str(),
                      series[PerformanceHistory::kSamples - 1] * 1000.0f);
        ImGui::SetCursorPos(ImVec2(ImGui::GetStyle().ItemSpacing.x, top));
        ImGui::PushStyleColor(ImGuiCol_PlotLines, kColours[i]);
        ImGui::PushStyleColor(ImGuiCol_Text, kColours[i]);
        if (i > 0)
            ImGui::PushStyleColor(ImGuiCol_FrameBg, ImVec4(0.0f, 0.0f, 0.0f, 0.0f));
        ImGui::PlotLines(label, series.data(), PerformanceHistory::kSamples, 0,
                         i == 0 ? performance.fpsText.c_str() : nullptr, 0.0f, 0.02f, ImVec2(0.0f, 180.0f));
        ImGui::PopStyleColor(i > 0 ? 3 : 2);
    }
    ImGui::End();
}
