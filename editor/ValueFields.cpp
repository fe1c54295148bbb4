#include "editor/ValueFields.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace ValueFields {

namespace {

// Runs the field on values and puts back every one that came out of it not finite.
template <int N, class Field>
bool Guarded(const char* label, float* values, Field field)
{
    float before[N];
    std::copy(values, values + N, before);
    if (!field())
        return false;
    bool refused = false;
    for (int i = 0; i < N; ++i) {
        if (!std::isfinite(values[i])) {
            values[i] = before[i];
            refused = true;
        }
    }
    if (refused)
        std::cout << "Editor: \"" << label << "\" takes finite numbers only; the value before stays\n";
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
