#include "editor/ValueFields.h"

#include <imgui_internal.h>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace ValueFields {

namespace {

// What the field being edited held when its edit began: the interface applies each partly
// typed value as it goes ("1e3" on the way to "1e39"), so the frame before a refusal may
// already hold one the designer never meant.
struct EditStart {
    ImGuiID id = 0;
    float values[4] = {};
};
EditStart editStart;

// Runs the field on values and puts back every one that came out of it not finite.
template <int N, class Field>
bool Guarded(const char* label, float* values, Field field)
{
    float before[N];
    std::copy(values, values + N, before);
    const bool changed = field();
    // Fields of several numbers are a group: the item is then the part being edited.
    if (ImGui::IsItemActivated()) {
        editStart.id = ImGui::GetItemID();
        std::copy(before, before + N, editStart.values);
    }
    if (!changed)
        return false;
    // Also on the frame whose Enter ends the edit (the item is then the one just left).
    const bool started = editStart.id != 0 && editStart.id == ImGui::GetItemID();
    bool refused = false;
    for (int i = 0; i < N; ++i) {
        if (!std::isfinite(values[i])) {
            values[i] = started ? editStart.values[i] : before[i];
            refused = true;
        }
    }
    if (refused)
        std::cout << "Editor: \"" << label << "\" takes finite numbers only; the value before the edit stays\n";
    return !std::equal(values, values + N, before);
}

// The interface's one-number field reads what is typed with this (exponents: "1e39", "2.5e-3");
// its fields of several numbers read each with the same reader but, left alone, filter out the
// "e" first and would take "1e39" for 139.
constexpr ImGuiInputTextFlags kReadsExponents = ImGuiInputTextFlags_CharsScientific;

}  // namespace

bool InputFloat(const char* label, float* v, float step, float stepFast, const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<1>(label, v, [&] { return ImGui::InputFloat(label, v, step, stepFast, format, flags); });
}

bool InputFloat2(const char* label, float v[2], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<2>(label, v, [&] { return ImGui::InputFloat2(label, v, format, flags | kReadsExponents); });
}

bool InputFloat3(const char* label, float v[3], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<3>(label, v, [&] { return ImGui::InputFloat3(label, v, format, flags | kReadsExponents); });
}

bool InputFloat4(const char* label, float v[4], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<4>(label, v, [&] { return ImGui::InputFloat4(label, v, format, flags | kReadsExponents); });
}

bool DragFloat(const char* label, float* v, float speed, float min, float max, const char* format,
               ImGuiSliderFlags flags)
{
    return Guarded<1>(label, v, [&] { return ImGui::DragFloat(label, v, speed, min, max, format, flags); });
}

bool DragFloat3(const char* label, float v[3], float speed, float min, float max, const char* format,
                ImGuiSliderFlags flags)
{
    return Guarded<3>(label, v, [&] { return ImGui::DragFloat3(label, v, speed, min, max, format, flags); });
}

bool SliderFloat(const char* label, float* v, float min, float max, const char* format, ImGuiSliderFlags flags)
{
    return Guarded<1>(label, v, [&] { return ImGui::SliderFloat(label, v, min, max, format, flags); });
}

}  // namespace ValueFields
