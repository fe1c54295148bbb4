// The editor's frame (interface built, no renderer) with a level of N objects loaded and
// every window open: the hierarchy with its create and sprite-change windows and both style
// trees, the entity list, the inspector on a selected object, the gizmo, prefabs and the
// performance view. Reported per frame with the object count as a counter.
#include <benchmark/benchmark.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <memory>
#include <string>

#include "editor/Editor.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

namespace {

void FillLevel(int count)
{
    DestroyAll();
    for (int i = 0; i < count; ++i) {
        auto object = std::make_shared<GameObject>("Object" + std::to_string(i), 4, gObjectIdCounter);
        object->AddComponent(std::make_shared<Transform>(static_cast<float>(i % 50) * 12.0f,
                                                         static_cast<float>(i / 50) * 12.0f, 0.001f * i, 10.0f, 10.0f),
                             Transform::kTypeId);
        object->AddComponent(std::make_shared<Collider>(), Collider::kTypeId);
        AddObject(object);
    }
}

void OpenEveryTreeNode()
{
    // Open headers and tree nodes are remembered by id in the windows' state storage.
    ImGuiContext& g = *ImGui::GetCurrentContext();
    for (ImGuiWindow* window : g.Windows) {
        for (const char* label : {"Skybox Settings", "Editor Layout Style Settings", "Layout Style", "Color Style",
                                  "Search Engine", "Transform", "Collider"})
            window->StateStorage.SetInt(window->GetID(label), 1);
    }
}

void EditorFrame(benchmark::State& state)
{
    if (!ImGui::GetCurrentContext())
        ImGui::CreateContext();
    const int count = static_cast<int>(state.range(0));
    Editor editor(5);
    editor.levelFolder = "/nonexistent/";
    editor.levelListPath = editor.settingPath = editor.prefabPath = "/nonexistent/file";
    editor.Init();
    FillLevel(count);
    editor.showCreateMenu = true;
    editor.showSpriteChange = true;
    editor.gizmoTool = 0;
    editor.selectedObject = gGameObjects[static_cast<size_t>(count / 2)];
    editor.SaveSelectedAsPrefab();
    editor.Update(1.0f / 60.0f);
    OpenEveryTreeNode();
    editor.Update(1.0f / 60.0f);
    for (auto _ : state)
        editor.Update(1.0f / 60.0f);
    state.counters["objects"] = count;
    DestroyAll();
}

}  // namespace

BENCHMARK(EditorFrame)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
