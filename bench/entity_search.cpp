// The Entity window's search over N names of 45 characters with a pattern near RE2's memory
// budget: an editor frame while the pattern stands (the entity list open, no renderer), and
// the one search of the whole list that a change of the pattern costs.
#include <benchmark/benchmark.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <cstring>
#include <memory>
#include <string>

#include "editor/Editor.h"
#include "editor/EntityFilter.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"

namespace {

const char* const kCostlyPattern = "(?:\\pL|\\pN|_){0,200}(?:\\pL|\\pN|_){0,200}Q";

void FillNames(int count)
{
    DestroyAll();
    for (int i = 0; i < count; ++i) {
        std::string name = "Ward_" + std::to_string(i);
        name += std::string(45 - name.size(), 'x');
        AddObject(std::make_shared<GameObject>(name, 4, gObjectIdCounter));
    }
}

void EntitySearchFrame(benchmark::State& state)
{
    if (!ImGui::GetCurrentContext())
        ImGui::CreateContext();
    Editor editor(5);
    editor.levelFolder = "/nonexistent/";
    editor.levelListPath = editor.settingPath = editor.prefabPath = "/nonexistent/file";
    editor.Init();
    FillNames(static_cast<int>(state.range(0)));
    std::strcpy(editor.searchText, kCostlyPattern);
    editor.Update(1.0f / 60.0f);
    ImGuiContext& g = *ImGui::GetCurrentContext();
    for (ImGuiWindow* window : g.Windows)
        window->StateStorage.SetInt(window->GetID("Search Engine"), 1);
    editor.Update(1.0f / 60.0f);
    for (auto _ : state)
        editor.Update(1.0f / 60.0f);
    state.counters["objects"] = static_cast<double>(state.range(0));
    DestroyAll();
}

void EntitySearchPatternChange(benchmark::State& state)
{
    FillNames(static_cast<int>(state.range(0)));
    EntityFilter filter;
    bool flip = false;
    for (auto _ : state) {
        // Two spellings of the same search, so that each pass is a new pattern.
        filter.Set(EntityFilter::ByName, std::string(kCostlyPattern) + (flip ? "" : "?Q"), 999);
        flip = !flip;
        int matched = 0;
        for (const auto& object : gGameObjects)
            matched += filter.Matches(*object);
        benchmark::DoNotOptimize(matched);
    }
    DestroyAll();
}

}  // namespace

BENCHMARK(EntitySearchFrame)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(EntitySearchPatternChange)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
