#pragma once
#include <imgui.h>

// The number fields of the editor's panels, as the interface's own, but a value that is not a
// finite number (a float typed past its range reads as infinity, which would show as "inf"
// and be saved as 0) is refused: the value the field held when the edit began stays, with a
// console line. Fields of several numbers read exponents as the one-number field does.
// Each returns whether a value changed.
namespace ValueFields {

bool InputFloat(const char* label, float* v, float step = 0.0f, float stepFast = 0.0f, const char* format = "%.3f",
                ImGuiInputTextFlags flags = 0);
bool InputFloat2(const char* label, float v[2], const char* format = "%.3f", ImGuiInputTextFlags flags = 0);
bool InputFloat3(const char* label, float v[3], const char* format = "%.3f", ImGuiInputTextFlags flags = 0);
bool InputFloat4(const char* label, float v[4], const char* format = "%.3f", ImGuiInputTextFlags flags = 0);
// Drags and sliders take typed values too (Ctrl + click).
bool DragFloat(const char* label, float* v, float speed = 1.0f, float min = 0.0f, float max = 0.0f,
               const char* format = "%.3f", ImGuiSliderFlags flags = 0);
bool DragFloat3(const char* label, float v[3], float speed = 1.0f, float min = 0.0f, float max = 0.0f,
                const char* format = "%.3f", ImGuiSliderFlags flags = 0);
bool SliderFloat(const char* label, float* v, float min, float max, const char* format = "%.3f",
                 ImGuiSliderFlags flags = 0);

}  // namespace ValueFields
