#include "editor/ValueFields.h"

#include "editor/FieldOwner.h"

#include <imgui_internal.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

namespace ValueFields {

namespace {

enum class Typed { Number, NotANumber, NotFinite };

bool Finite(float value)
{
    return std::isfinite(value);
}
bool Finite(int)
{
    return true;
}
bool Scan(const char* text, float& value)
{
    return std::sscanf(text, "%f", &value) == 1;
}
bool Scan(const char* text, int& value)
{
    return std::sscanf(text, "%d", &value) == 1;
}

// The edit in progress: the field (the interface's id of the part typed into), what the field
// held when it began, and how its text last stood.
struct Edit {
    ImGuiID id = 0;
    std::string label;
    int part = 0;
    double start[4] = {};  // holds a float or an int exactly
    Typed typed = Typed::Number;
};
Edit edit;

// Read as the interface reads a typed number: blanks, an optional operator, then the number.
template <class T>
Typed Judge(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    if (*text == '+' || *text == '*' || *text == '/') {
        ++text;
        while (*text == ' ' || *text == '\t')
            ++text;
    }
    T value = 0;
    if (*text == '\0' || !Scan(text, value))
        return Typed::NotANumber;
    return Finite(value) ? Typed::Number : Typed::NotFinite;
}

// The text of the field being typed into, or null when it is not typed into (a drag by the
// mouse, a step button). A drag or slider is typed into only while its text input stands.
const char* TypedText(ImGuiID id, bool dragged)
{
    const ImGuiContext& g = *GImGui;
    if (g.InputTextState.ID != id || !g.InputTextState.TextAIsValid || (dragged && g.TempInputId != id))
        return nullptr;
    return g.InputTextState.TextA.Data;
}

// The interface's ids of a field's parts: each is "" under the label and the part's index.
template <int N>
int PartOf(const char* label, ImGuiID id)
{
    if (N == 1)
        return 0;
    ImGuiWindow* window = ImGui::GetCurrentWindow();
    ImGui::PushID(label);
    int part = 0;
    for (int i = 0; i < N; ++i) {
        ImGui::PushID(i);
        if (window->GetIDNoKeepAlive("") == id)
            part = i;
        ImGui::PopID();
    }
    ImGui::PopID();
    return part;
}

void Say(const Edit& ended)
{
    if (ended.typed == Typed::NotANumber)
        std::cout << "Editor: \"" << ended.label << "\" was left without a number; the value before the edit stays\n";
    else if (ended.typed == Typed::NotFinite)
        std::cout << "Editor: \"" << ended.label << "\" takes finite numbers only; the value before the edit stays\n";
}

template <int N, class T, class Field>
bool Guarded(const char* label, T* values, bool dragged, Field field)
{
    T before[N];
    std::copy(values, values + N, before);
    const FieldOwner::FieldId owned;
    field();
    // Fields of several numbers are a group: the item is then the part being edited.
    const ImGuiID id = ImGui::GetItemID();
    if (ImGui::IsItemActivated()) {
        EndEdit();
        edit.id = id;
        edit.label = label;
        edit.part = PartOf<N>(label, id);
        std::copy(before, before + N, edit.start);
        edit.typed = Typed::Number;
    }
    // Also on the frame whose Enter ends it (the item is then the one just let go).
    const bool letGo = ImGui::IsItemDeactivated();
    const bool editing = edit.id != 0 && edit.id == id && (ImGui::GetActiveID() == id || letGo);
    if (editing)
        if (const char* text = TypedText(id, dragged))
            edit.typed = Judge<T>(text);
    for (int i = 0; i < N; ++i) {
        if (!Finite(values[i])) {
            values[i] = editing ? static_cast<T>(edit.start[i]) : before[i];
            if (editing)
                edit.typed = Typed::NotFinite;
        }
    }
    if (editing && edit.typed != Typed::Number)
        values[edit.part] = static_cast<T>(edit.start[edit.part]);
    if (editing && letGo)
        EndEdit();
    return !std::equal(values, values + N, before);
}

// The interface's one-number field reads what is typed with this (exponents: "1e39", "2.5e-3");
// its fields of several numbers read each with the same reader but, left alone, filter out the
// "e" first and would take "1e39" for 139.
constexpr ImGuiInputTextFlags kReadsExponents = ImGuiInputTextFlags_CharsScientific;

}  // namespace

void EndEdit()
{
    if (edit.id == 0)
        return;
    Say(edit);
    edit = Edit();
}

void EndEditLetGo()
{
    if (edit.id != 0 && ImGui::GetCurrentContext() && ImGui::GetActiveID() != edit.id)
        EndEdit();
}

bool InputInt(const char* label, int* v, int step, int stepFast, ImGuiInputTextFlags flags)
{
    return Guarded<1>(label, v, false, [&] { return ImGui::InputInt(label, v, step, stepFast, flags); });
}

bool InputFloat(const char* label, float* v, float step, float stepFast, const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<1>(label, v, false, [&] { return ImGui::InputFloat(label, v, step, stepFast, format, flags); });
}

bool InputFloat2(const char* label, float v[2], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<2>(label, v, false, [&] { return ImGui::InputFloat2(label, v, format, flags | kReadsExponents); });
}

bool InputFloat3(const char* label, float v[3], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<3>(label, v, false, [&] { return ImGui::InputFloat3(label, v, format, flags | kReadsExponents); });
}

bool InputFloat4(const char* label, float v[4], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<4>(label, v, false, [&] { return ImGui::InputFloat4(label, v, format, flags | kReadsExponents); });
}

bool DragFloat(const char* label, float* v, float speed, float min, float max, const char* format,
               ImGuiSliderFlags flags)
{
    return Guarded<1>(label, v, true, [&] { return ImGui::DragFloat(label, v, speed, min, max, format, flags); });
}

bool DragFloat3(const char* label, float v[3], float speed, float min, float max, const char* format,
                ImGuiSliderFlags flags)
{
    return Guarded<3>(label, v, true, [&] { return ImGui::DragFloat3(label, v, speed, min, max, format, flags); });
}

bool SliderFloat(const char* label, float* v, float min, float max, const char* format, ImGuiSliderFlags flags)
{
    return Guarded<1>(label, v, true, [&] { return ImGui::SliderFloat(label, v, min, max, format, flags); });
}

}  // namespace ValueFields
