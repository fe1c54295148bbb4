#pragma once
#include <imgui.h>

// The number fields of the editor's panels, as the interface's own, with one edit at a time (in
// each interface) followed from the frame a part of a field is taken to the frame it is let go:
// by Enter, Tab, a click elsewhere or on the field's next part. The interface applies each
// partly typed value as it goes ("3" on the way to clearing "3.50", "1e3" on the way to "1e39");
// while the text of the part being edited stands empty, is no number, or comes to a number past
// the field's range (a float's, an int's, or the widget's own: a drag's or slider's ends, a
// colour box's 0 to 255 or 0.00 to 1.00), the part holds the value from before the edit, and
// that is said once when the edit ends. Escape gives back the value from before without a word.
// Fields of several numbers read exponents as the one-number field does. Each returns whether a
// value changed.
namespace ValueFields {

bool InputInt(const char* label, int* v, int step = 1, int stepFast = 100, ImGuiInputTextFlags flags = 0);
// A whole-number field that takes min to max only.
bool InputIntWithin(const char* label, int* v, int min, int max, int step = 1, int stepFast = 100,
                    ImGuiInputTextFlags flags = 0);
bool InputFloat(const char* label, float* v, float step = 0.0f, float stepFast = 0.0f, const char* format = "%.3f",
                ImGuiInputTextFlags flags = 0);
bool InputFloat2(const char* label, float v[2], const char* format = "%.3f", ImGuiInputTextFlags flags = 0);
bool InputFloat3(const char* label, float v[3], const char* format = "%.3f", ImGuiInputTextFlags flags = 0);
bool InputFloat4(const char* label, float v[4], const char* format = "%.3f", ImGuiInputTextFlags flags = 0);
// Drags and sliders take typed values too (Ctrl + click), within their ends. A whole-number
// drag's ends always hold (ends that coincide take that one value); a float drag's ends that
// coincide leave it without bounds, as the interface has it.
bool DragInt(const char* label, int* v, float speed, int min, int max);
bool DragFloat(const char* label, float* v, float speed = 1.0f, float min = 0.0f, float max = 0.0f,
               const char* format = "%.3f", ImGuiSliderFlags flags = 0);
bool DragFloat3(const char* label, float v[3], float speed = 1.0f, float min = 0.0f, float max = 0.0f,
                const char* format = "%.3f", ImGuiSliderFlags flags = 0);
bool SliderFloat(const char* label, float* v, float min, float max, const char* format = "%.3f",
                 ImGuiSliderFlags flags = 0);
bool SliderFloat2(const char* label, float v[2], float min, float max, const char* format = "%.3f",
                  ImGuiSliderFlags flags = 0);
// A slider over a rounding from 0 to max that takes nothing between 0 and `least`: the interface
// cannot draw an arc so small.
bool SliderRounding(const char* label, float* v, float least, float max, const char* format = "%.3f");
// The interface's colour picker and colour field over red, green, blue and alpha (0 to 1); its boxes take typed
// channels, H/S/V and hex, and an edit of any of them gives back the whole colour when refused. The
// boxes of the picker that the field's square opens are the field's too.
bool ColorPicker4(const char* label, float rgba[4], ImGuiColorEditFlags flags = 0);
bool ColorEdit4(const char* label, float rgba[4], ImGuiColorEditFlags flags = 0);

// Whether the field drawn last in this interface is in the middle of an edit: its value may be a
// keystroke's partial text, or a drag not let go.
bool Editing();

// Changes of a field that a rule tying other values to it has not followed yet.
struct Changes {
    bool made = false;
    double from = 0;     // the field's value before the first of them
    double highest = 0;  // the highest value they went through, `from` included
};
// Right after a one-number field that other values are tied to (a run's length to its start
// frame, the particles to their cap), so that the rule follows the value an edit ends with and
// never a keystroke's partial one: false while the field's edit goes on, its changes kept with
// this interface; true when the rule is to follow, with the changes since it last followed in
// `changes`, then forgotten.
bool Settled(Changes* changes = nullptr);

// Ends the edit in progress where it stands (the editor is left). The values it left are those
// its text meant, or those from before it; what was refused is said here.
void EndEdit();
// After the frame's panels: an edit whose field the interface let go without drawing it (another
// object shown, play mode, a panel closed) ends.
void EndEditLetGo();

}  // namespace ValueFields
