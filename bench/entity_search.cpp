// The Entity window's search over N names of 45 characters with the costliest patterns we found
// that fit the search field (255 bytes): eighteen counted classes, which take over a second to
// run over the names, and a chain of counted letters, which takes about as long to compile.
// Measured: an editor frame while the pattern stands (the entity list open, no renderer), the
// editor frame that changes the pattern, and how long the search away from the frame takes to
// answer every name.
#include <benchmark/benchmark.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>

#include "editor/Editor.h"
#include "editor/EntityFilter.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"

namespace {

std::string CostlyPattern(int which)
{
    std::string pattern;
    if (which == 0) {
        for (const char c : std::string("QRSTUVYZWPONMLKJIH"))
            pattern += std::string("[^") + c + "]{0,1000}";
    } else {
        for (int i = 0; i < 27; ++i)
            pattern += "x{0,1000}";
    }
    return pattern + "Q";
}

// Two spellings of the same search, so that each pass is a new pattern.
std::string Spelling(int which, bool flip)
{
    return CostlyPattern(which) + (flip ? "?Q" : "");
}

void FillNames(int count)
{
    DestroyAll();
    for (int i = 0; i < count; ++i) {
        std::string name = "Ward_" + std::to_string(i);
        name += std::string(45 - name.size(), 'x');
        AddObject(std::make_shared<GameObject>(name, 4, gObjectIdCounter));
    }
}

// An editor with the entity list and its search open over the names.
std::unique_ptr<Editor> OpenEditor(int count)
{
    if (!ImGui::GetCurrentContext())
        ImGui::CreateContext();
    auto editor = std::make_unique<Editor>(5);
    editor->levelFolder = "/nonexistent/";
    editor->levelListPath = editor->settingPath = editor->prefabPath = "/nonexistent/file";
    editor->Init();
    FillNames(count);
    editor->Update(1.0f / 60.0f);
    ImGuiContext& g = *ImGui::GetCurrentContext();
    for (ImGuiWindow* window : g.Windows)
        window->StateStorage.SetInt(window->GetID("Search Engine"), 1);
    editor->Update(1.0f / 60.0f);
    return editor;
}

void EntitySearchFrame(benchmark::State& state)
{
    auto editor = OpenEditor(static_cast<int>(state.range(0)));
    std::strcpy(editor->searchText, CostlyPattern(static_cast<int>(state.range(1))).c_str());
    // No name holds a Q: the list is empty once every name is answered.
    const ImGuiWindow* list = ImGui::FindWindowByName("Entity");
    do
        editor->Update(1.0f / 60.0f);
    while (list->ContentSize.y > 100.0f * ImGui::GetFontSize());
    for (auto _ : state)
        editor->Update(1.0f / 60.0f);
    state.counters["objects"] = static_cast<double>(state.range(0));
    editor.reset();
    DestroyAll();
}

void EntitySearchPatternChange(benchmark::State& state)
{
    auto editor = OpenEditor(static_cast<int>(state.range(0)));
    bool flip = false;
    for (auto _ : state) {
        std::strcpy(editor->searchText, Spelling(static_cast<int>(state.range(1)), flip).c_str());
        flip = !flip;
        editor->Update(1.0f / 60.0f);
    }
    editor.reset();
    DestroyAll();
}

void EntitySearchAnswered(benchmark::State& state)
{
    FillNames(static_cast<int>(state.range(0)));
    EntityFilter filter;
    bool flip = false;
    for (auto _ : state) {
        filter.Set(EntityFilter::ByName, Spelling(static_cast<int>(state.range(1)), flip), 999);
        flip = !flip;
        for (const auto& object : gGameObjects)
            filter.Matches(*object);
        filter.Settle(std::chrono::hours(1));
        int matched = 0;
        for (const auto& object : gGameObjects)
            matched += filter.Matches(*object);
        benchmark::DoNotOptimize(matched);
    }
    DestroyAll();
}

}  // namespace

BENCHMARK(EntitySearchFrame)->Args({4000, 0})->Args({4000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(EntitySearchPatternChange)->Args({4000, 0})->Args({4000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(EntitySearchAnswered)->Args({4000, 0})->Args({4000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
