#include "editor/ValueFields.h"

#include <imgui_internal.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unordered_map>

namespace ValueFields {

namespace {

enum class Typed { Number, NotANumber, PastRange };

// What a field's numbers may come to.
struct Kind {
    bool whole;
    long double lowest;
    long double highest;
};
constexpr Kind kFloat{false, -FLT_MAX, FLT_MAX};
constexpr Kind kInt{true, INT_MIN, INT_MAX};
// A colour picker's boxes: a channel from 0 to 255.
constexpr Kind kChannel{true, 0, 255};

struct Field {
    const char* label;
    Kind kind;
    // A drag or slider: typed into only through its text input (Ctrl + click).
    bool dragged;
    // A colour picker: each of its boxes (a channel, H/S/V, hex) changes the whole colour, and
    // its values are not the numbers typed.
    bool colour;
};

// The edit in progress in one interface: the field, its part taken (the interface's id of the
// part typed into, dragged or clicked), what the field held when it began, and how its text
// last stood.
struct Edit {
    ImGuiID field = 0;
    ImGuiID id = 0;
    std::string label;
    Kind kind = kFloat;
    int part = 0;  // -1: every part
    double start[4] = {};  // holds a float or an int exactly
    Typed typed = Typed::Number;
};

// Each interface has its own; one ended with its interface says what it refused.
std::unordered_map<const ImGuiContext*, Edit> edits;

void Say(const Edit& ended)
{
    if (ended.typed == Typed::Number)
        return;
    std::cout << "Editor: \"" << ended.label << "\" ";
    if (ended.typed == Typed::NotANumber)
        std::cout << "was left without a number";
    else if (!ended.kind.whole)
        std::cout << "takes finite numbers only";
    else
        std::cout << "takes whole numbers from " << static_cast<long long>(ended.kind.lowest) << " to "
                  << static_cast<long long>(ended.kind.highest) << " only";
    std::cout << "; the value before the edit stays\n";
}

void Forget(ImGuiContext* context, ImGuiContextHook*)
{
    const auto found = edits.find(context);
    if (found == edits.end())
        return;
    Say(found->second);
    edits.erase(found);
}

Edit& Current()
{
    ImGuiContext* context = ImGui::GetCurrentContext();
    const auto found = edits.find(context);
    if (found != edits.end())
        return found->second;
    // Dropped with its interface, so that one made later at the same address starts afresh.
    ImGuiContextHook hook;
    hook.Type = ImGuiContextHookType_Shutdown;
    hook.Callback = Forget;
    ImGui::AddContextHook(context, &hook);
    return edits[context];
}

const char* SkipBlanks(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    return text;
}

// Read as the interface reads a typed number: blanks, an optional operator (+, * or /) on the
// value the edit began with (`initial`, its text), then the number, of which a whole-number
// field takes the whole part after + or alone.
Typed Judge(const char* text, const char* initial, const Kind& kind)
{
    text = SkipBlanks(text);
    char op = 0;
    if (*text == '+' || *text == '*' || *text == '/') {
        op = *text;
        text = SkipBlanks(text + 1);
    }
    char* end = nullptr;
    long double number = std::strtold(text, &end);
    if (end == text)
        return Typed::NotANumber;
    if (kind.whole && op != '*' && op != '/')
        number = std::trunc(number);
    if (!kind.whole && std::fabs(number) > FLT_MAX)  // read into a float
        return Typed::PastRange;
    long double result = number;
    if (op != 0) {
        const long double first = std::strtold(initial, nullptr);
        result = op == '+' ? first + number : op == '*' ? first * number : number == 0 ? first : first / number;
    }
    if (kind.whole)
        result = std::trunc(result);
    return std::isfinite(result) && result >= kind.lowest && result <= kind.highest ? Typed::Number : Typed::PastRange;
}

// A colour's hex box: any hex digits are a colour; none leave it black.
Typed JudgeHex(const char* text)
{
    while (*text == '#' || *text == ' ' || *text == '\t')
        ++text;
    return *text == '\0' ? Typed::NotANumber : Typed::Number;
}

template <class T>
bool Acceptable(T value, const Kind& kind)
{
    long double number = value;
    if (kind.whole)
        number = std::trunc(number);
    return std::isfinite(number) && number >= kind.lowest && number <= kind.highest;
}

// The text of the part being typed into, or null when it is not typed into (a drag by the
// mouse, a step button, a picker's square). A drag or slider is typed into only while its text
// input stands.
const char* TypedText(ImGuiID id, bool dragged)
{
    const ImGuiContext& g = *GImGui;
    if (g.InputTextState.ID != id || !g.InputTextState.TextAIsValid || (dragged && g.TempInputId != id))
        return nullptr;
    return g.InputTextState.TextA.Data;
}

// The interface's id of a widget under the ids given, from where the field was drawn.
ImGuiID IdUnder(std::initializer_list<const char*> path, const char* widget)
{
    for (const char* id : path)
        ImGui::PushID(id);
    const ImGuiID id = ImGui::GetCurrentWindow()->GetIDNoKeepAlive(widget);
    for (std::size_t i = 0; i < path.size(); ++i)
        ImGui::PopID();
    return id;
}

// The interface's ids of a field's parts: each is "" under the label and the part's index.
template <int N>
int PartOf(const char* label, ImGuiID id)
{
    if (N == 1)
        return 0;
    ImGui::PushID(label);
    int part = 0;
    for (int i = 0; i < N; ++i) {
        ImGui::PushID(i);
        if (ImGui::GetCurrentWindow()->GetIDNoKeepAlive("") == id)
            part = i;
        ImGui::PopID();
    }
    ImGui::PopID();
    return part;
}

// The label as the designer reads it: what is shown, or the name behind "##" where nothing is,
// without the blanks some labels end in to keep their ids apart.
std::string Named(const char* label)
{
    std::string text = label;
    const std::size_t hidden = text.find("##");
    if (hidden > 0 && hidden != std::string::npos)
        text.erase(hidden);
    else if (hidden == 0)
        text.erase(0, std::min(text.find_first_not_of('#'), text.size()));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

template <int N, class T>
void Restore(const Edit& edit, T* values)
{
    for (int i = 0; i < N; ++i)
        if (edit.part < 0 || edit.part == i)
            values[i] = static_cast<T>(edit.start[i]);
}

// Judges the edit's text as it stands, and gives back the value from before while it is refused.
template <int N, class T>
void Follow(Edit& edit, const Field& field, T* values)
{
    // The hex box is the picker's, or the colour's own when it is shown as hex.
    const bool hex = field.colour && (edit.id == IdUnder({field.label, "##hex"}, "##Text") ||
                                      edit.id == IdUnder({field.label}, "##Text"));
    if (const char* text = TypedText(edit.id, field.dragged && !hex))
        edit.typed = hex ? JudgeHex(text) : Judge(text, GImGui->InputTextState.InitialTextA.Data, edit.kind);
    // What the interface made of an operator, a step or a drag.
    if (!field.colour)
        for (int i = 0; i < N; ++i)
            if ((edit.part < 0 || edit.part == i) && !Acceptable(values[i], edit.kind))
                edit.typed = Typed::PastRange;
    if (edit.typed != Typed::Number)
        Restore<N>(edit, values);
}

template <int N, class T, class Draw>
bool Guarded(const Field& field, T* values, Draw draw)
{
    T original[N];
    std::copy(values, values + N, original);
    // What a part taken in this frame begins from: the values before the frame, with a part
    // whose edit ends refused in it put back.
    T before[N];
    std::copy(values, values + N, before);
    Edit& edit = Current();
    // The id the field pushes for its parts, or its own. Not kept alive here: a group learns
    // that it holds the active part from the part keeping it alive inside it.
    const ImGuiID fieldId = ImGui::GetCurrentWindow()->GetIDNoKeepAlive(field.label);
    draw();
    // Fields of several numbers are a group: the item is then the part taken, or the one let go.
    const ImGuiID item = ImGui::GetItemID();
    const ImGuiID active = ImGui::GetActiveID();
    if (edit.id != 0 && edit.field == fieldId) {
        Follow<N>(edit, field, values);
        // Let go by Enter, Tab, a click elsewhere or on the next part of the same field.
        if (active != edit.id) {
            // Escape cancels: the value from before, without a word.
            if (ImGui::IsKeyPressedMap(ImGuiKey_Escape, false)) {
                edit.typed = Typed::Number;
                Restore<N>(edit, values);
            }
            if (edit.typed != Typed::Number)
                Restore<N>(edit, before);
            EndEdit();
        }
    }
    if (active != 0 && active == item && edit.id != active && ImGui::IsItemActivated()) {
        EndEdit();
        edit.field = fieldId;
        edit.id = active;
        edit.label = Named(field.label);
        edit.kind = field.kind;
        edit.part = field.colour ? -1 : PartOf<N>(field.label, active);
        std::copy(before, before + N, edit.start);
        edit.typed = Typed::Number;
    }
    return !std::equal(values, values + N, original);
}

// A whole-number field drawn over a double: the interface reads a whole number past an int's
// range into an int without a word (it wraps), and a double holds every int and what lies past
// them. `draw` draws the field over the double it is given.
template <class Draw>
bool WholeNumber(const char* label, int* v, bool dragged, Draw draw)
{
    double staged = *v;
    Guarded<1>(Field{label, kInt, dragged, false}, &staged, [&] { draw(&staged); });
    const int taken = Acceptable(staged, kInt) ? static_cast<int>(staged) : *v;
    const bool changed = taken != *v;
    *v = taken;
    return changed;
}

// The interface's one-number field reads what is typed with this (exponents: "1e39", "2.5e-3");
// its fields of several numbers read each with the same reader but, left alone, filter out the
// "e" first and would take "1e39" for 139.
constexpr ImGuiInputTextFlags kReadsExponents = ImGuiInputTextFlags_CharsScientific;

}  // namespace

void EndEdit()
{
    if (!ImGui::GetCurrentContext())
        return;
    Edit& edit = Current();
    if (edit.id == 0)
        return;
    Say(edit);
    edit = Edit();
}

void EndEditLetGo()
{
    if (ImGui::GetCurrentContext() && Current().id != 0 && ImGui::GetActiveID() != Current().id)
        EndEdit();
}


bool InputInt(const char* label, int* v, int step, int stepFast, ImGuiInputTextFlags flags)
{
    const double steps[2] = {static_cast<double>(step), static_cast<double>(stepFast)};
    return WholeNumber(label, v, false, [&](double* staged) {
        ImGui::InputScalar(label, ImGuiDataType_Double, staged, step > 0 ? &steps[0] : nullptr,
                           stepFast > 0 ? &steps[1] : nullptr, "%.0f", flags | ImGuiInputTextFlags_CharsDecimal);
    });
}

bool DragInt(const char* label, int* v, float speed, int min, int max)
{
    const double range[2] = {static_cast<double>(min), static_cast<double>(max)};
    return WholeNumber(label, v, true, [&](double* staged) {
        ImGui::DragScalar(label, ImGuiDataType_Double, staged, speed, &range[0], &range[1], "%.0f");
    });
}

bool InputFloat(const char* label, float* v, float step, float stepFast, const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<1>(Field{label, kFloat, false, false}, v,
                      [&] { ImGui::InputFloat(label, v, step, stepFast, format, flags); });
}

bool InputFloat2(const char* label, float v[2], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<2>(Field{label, kFloat, false, false}, v,
                      [&] { ImGui::InputFloat2(label, v, format, flags | kReadsExponents); });
}

bool InputFloat3(const char* label, float v[3], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<3>(Field{label, kFloat, false, false}, v,
                      [&] { ImGui::InputFloat3(label, v, format, flags | kReadsExponents); });
}

bool InputFloat4(const char* label, float v[4], const char* format, ImGuiInputTextFlags flags)
{
    return Guarded<4>(Field{label, kFloat, false, false}, v,
                      [&] { ImGui::InputFloat4(label, v, format, flags | kReadsExponents); });
}

bool DragFloat(const char* label, float* v, float speed, float min, float max, const char* format,
               ImGuiSliderFlags flags)
{
    return Guarded<1>(Field{label, kFloat, true, false}, v,
                      [&] { ImGui::DragFloat(label, v, speed, min, max, format, flags); });
}

bool DragFloat3(const char* label, float v[3], float speed, float min, float max, const char* format,
                ImGuiSliderFlags flags)
{
    return Guarded<3>(Field{label, kFloat, true, false}, v,
                      [&] { ImGui::DragFloat3(label, v, speed, min, max, format, flags); });
}

bool SliderFloat(const char* label, float* v, float min, float max, const char* format, ImGuiSliderFlags flags)
{
    return Guarded<1>(Field{label, kFloat, true, false}, v,
                      [&] { ImGui::SliderFloat(label, v, min, max, format, flags); });
}

bool ColorPicker4(const char* label, float rgba[4], ImGuiColorEditFlags flags)
{
    return Guarded<4>(Field{label, kChannel, true, true}, rgba,
                      [&] { ImGui::ColorPicker4(label, rgba, flags); });
}

bool ColorEdit4(const char* label, float rgba[4], ImGuiColorEditFlags flags)
{
    return Guarded<4>(Field{label, kChannel, true, true}, rgba, [&] { ImGui::ColorEdit4(label, rgba, flags); });
}

}  // namespace ValueFields
