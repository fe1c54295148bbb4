#include "editor/ValueFields.h"

#include <imgui_internal.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_map>

namespace ValueFields {

namespace {

enum class Typed { Number, NotANumber, PastRange };

// What a field's numbers may come to: a float's or an int's range, or the widget's own.
struct Kind {
    bool whole;
    long double lowest;
    long double highest;
    // Above 0, the least taken (a rounding: 0 or from 0.01); 0 where there is no such gap.
    long double least = 0;
};
constexpr Kind kFloat{false, -FLT_MAX, FLT_MAX};
// A colour's boxes: a channel from 0 to 255, or from 0.00 to 1.00 when shown as floats.
constexpr Kind kChannel{true, 0, 255};
constexpr Kind kUnit{false, 0, 1};

bool Within(long double number, const Kind& kind)
{
    return std::isfinite(number) && number >= kind.lowest && number <= kind.highest &&
           !(number > 0 && number < kind.least);
}

std::string Shown(long double number, bool whole)
{
    if (whole)
        return std::to_string(static_cast<long long>(number));
    std::ostringstream text;
    text << static_cast<double>(number);
    return text.str();
}

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

// The field drawn last: whether it is in an edit that goes on, and its first number before and
// after the frame.
struct Drawn {
    ImGuiID field = 0;
    bool editing = false;
    double before = 0;
    double after = 0;
};

// What is kept of one interface: its edit, the field it drew last, and the changes of fields that
// ties have not followed yet.
struct Interface {
    Edit edit;
    Drawn last;
    std::unordered_map<ImGuiID, Changes> ties;
};

// Each interface has its own; an edit ended with its interface says what it refused.
std::unordered_map<const ImGuiContext*, Interface> interfaces;

void Say(const Edit& ended)
{
    if (ended.typed == Typed::Number)
        return;
    std::cout << "Editor: \"" << ended.label << "\" ";
    const Kind& kind = ended.kind;
    const char* numbers = kind.whole ? "whole numbers" : "numbers";
    if (ended.typed == Typed::NotANumber)
        std::cout << "was left without a number";
    else if (!kind.whole && kind.lowest == -FLT_MAX && kind.highest == FLT_MAX)
        std::cout << "takes finite numbers only";
    else if (kind.lowest == kind.highest)
        std::cout << "takes " << Shown(kind.lowest, kind.whole) << " only";
    else if (kind.least > 0)
        std::cout << "takes 0, or " << numbers << " from " << Shown(kind.least, kind.whole) << " to "
                  << Shown(kind.highest, kind.whole) << " only";
    else
        std::cout << "takes " << numbers << " from " << Shown(kind.lowest, kind.whole) << " to "
                  << Shown(kind.highest, kind.whole) << " only";
    std::cout << "; the value before the edit stays\n";
}

void Forget(ImGuiContext* context, ImGuiContextHook*)
{
    const auto found = interfaces.find(context);
    if (found == interfaces.end())
        return;
    Say(found->second.edit);
    interfaces.erase(found);
}

Interface& Current()
{
    ImGuiContext* context = ImGui::GetCurrentContext();
    const auto found = interfaces.find(context);
    if (found != interfaces.end())
        return found->second;
    // Dropped with its interface, so that one made later at the same address starts afresh.
    ImGuiContextHook hook;
    hook.Type = ImGuiContextHookType_Shutdown;
    hook.Callback = Forget;
    ImGui::AddContextHook(context, &hook);
    return interfaces[context];
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
    else if (std::fabs(result) <= FLT_MAX)
        result = static_cast<float>(result);  // as the field will hold it
    return Within(result, kind) ? Typed::Number : Typed::PastRange;
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
    return Within(number, kind);
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

// The hex box of the picker a colour field's square opens: the popup is a window of its own,
// named after the id the field gives it, and its boxes' ids stand under that window's.
ImGuiID PopupHexBox(const char* label)
{
    char name[20];
    ImFormatString(name, sizeof name, "##Popup_%08x", IdUnder({label}, "picker"));
    ImGuiID id = ImHashStr(name);
    for (const char* part : {"##picker", "##hex", "##Text"})
        id = ImHashStr(part, 0, id);
    return id;
}

// A colour's hex box: the picker's, the colour's own when it is shown as hex, or that of the
// picker its square opens.
bool HexBox(const char* label, ImGuiID id)
{
    return id == IdUnder({label, "##hex"}, "##Text") || id == IdUnder({label}, "##Text") || id == PopupHexBox(label);
}

// Judges the edit's text as it stands, and gives back the value from before while it is refused.
template <int N, class T>
void Follow(Edit& edit, const Field& field, T* values)
{
    const bool hex = field.colour && HexBox(field.label, edit.id);
    if (const char* text = TypedText(edit.id, field.dragged && !hex))
        edit.typed = hex ? JudgeHex(text) : Judge(text, GImGui->InputTextState.InitialTextA.Data, edit.kind);
    // What the interface made of an operator, a step or a drag; a value from before that lies
    // outside (read from a file) is not the edit's to refuse.
    if (!field.colour)
        for (int i = 0; i < N; ++i)
            if ((edit.part < 0 || edit.part == i) && static_cast<double>(values[i]) != edit.start[i] &&
                !Acceptable(values[i], edit.kind))
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
    Interface& here = Current();
    Edit& edit = here.edit;
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
    here.last = Drawn{fieldId, edit.id != 0 && edit.field == fieldId, static_cast<double>(original[0]),
                      static_cast<double>(values[0])};
    return !std::equal(values, values + N, original);
}

// A whole-number field drawn over a double: the interface reads a whole number past an int's
// range into an int without a word (it wraps), and a double holds every int and what lies past
// them. `draw` draws the field over the double it is given.
template <class Draw>
bool WholeNumber(const char* label, int* v, const Kind& kind, bool dragged, Draw draw)
{
    double staged = *v;
    Guarded<1>(Field{label, kind, dragged, false}, &staged, [&] { draw(&staged); });
    const int taken = Acceptable(staged, kind) ? static_cast<int>(staged) : *v;
    Current().last.after = taken;
    const bool changed = taken != *v;
    *v = taken;
    return changed;
}

// The interface's one-number field reads what is typed with this (exponents: "1e39", "2.5e-3");
// its fields of several numbers read each with the same reader but, left alone, filter out the
// "e" first and would take "1e39" for 139.
constexpr ImGuiInputTextFlags kReadsExponents = ImGuiInputTextFlags_CharsScientific;

// A float widget's own range; a drag's ends that coincide leave it without one, as the interface
// takes them (the fields whose ends are both 0 have no bounds).
Kind FloatRange(float min, float max, bool dragged)
{
    return dragged && !(min < max) ? kFloat : Kind{false, min, max};
}

Kind WholeRange(int min, int max)
{
    return Kind{true, static_cast<long double>(min), static_cast<long double>(max)};
}

// The colour's boxes show channels (0 to 255) or floats (0.00 to 1.00): the colour's own choice,
// or the one the interface keeps for every colour (the boxes' right-click options).
Kind ColourKind(ImGuiColorEditFlags flags)
{
    ImGuiColorEditFlags type = flags & ImGuiColorEditFlags_DataTypeMask_;
    if (type == 0)
        type = GImGui->ColorEditOptions & ImGuiColorEditFlags_DataTypeMask_;
    return (type & ImGuiColorEditFlags_Float) ? kUnit : kChannel;
}

}  // namespace

void EndEdit()
{
    if (!ImGui::GetCurrentContext())
        return;
    Edit& edit = Current().edit;
    if (edit.id == 0)
        return;
    Say(edit);
    edit = Edit();
}

void EndEditLetGo()
{
    if (ImGui::GetCurrentContext() && Current().edit.id != 0 && ImGui::GetActiveID() != Current().edit.id)
        EndEdit();
}


bool InputInt(const char* label, int* v, int step, int stepFast, ImGuiInputTextFlags flags)
{
    return InputIntWithin(label, v, INT_MIN, INT_MAX, step, stepFast, flags);
}

bool InputIntWithin(const char* label, int* v, int min, int max, int step, int stepFast, ImGuiInputTextFlags flags)
{
    const double steps[2] = {static_cast<double>(step), static_cast<double>(stepFast)};
    return WholeNumber(label, v, WholeRange(min, max), false, [&](double* staged) {
        ImGui::InputScalar(label, ImGuiDataType_Double, staged, step > 0 ? &steps[0] : nullptr,
                           stepFast > 0 ? &steps[1] : nullptr, "%.0f", flags | ImGuiInputTextFlags_CharsDecimal);
    });
}

bool DragInt(const char* label, int* v, float speed, int min, int max)
{
    const double range[2] = {static_cast<double>(min), static_cast<double>(max)};
    // The interface takes ends that coincide for no range and would drag past them; here the
    // one value is all there is to take.
    const float step = min < max ? speed : 0.0f;
    return WholeNumber(label, v, WholeRange(min, max), true, [&](double* staged) {
        ImGui::DragScalar(label, ImGuiDataType_Double, staged, step, &range[0], &range[1], "%.0f");
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
    return Guarded<1>(Field{label, FloatRange(min, max, true), true, false}, v,
                      [&] { ImGui::DragFloat(label, v, speed, min, max, format, flags); });
}

bool DragFloat3(const char* label, float v[3], float speed, float min, float max, const char* format,
                ImGuiSliderFlags flags)
{
    return Guarded<3>(Field{label, FloatRange(min, max, true), true, false}, v,
                      [&] { ImGui::DragFloat3(label, v, speed, min, max, format, flags); });
}

bool SliderFloat(const char* label, float* v, float min, float max, const char* format, ImGuiSliderFlags flags)
{
    return Guarded<1>(Field{label, FloatRange(min, max, false), true, false}, v,
                      [&] { ImGui::SliderFloat(label, v, min, max, format, flags); });
}

bool SliderFloat2(const char* label, float v[2], float min, float max, const char* format, ImGuiSliderFlags flags)
{
    return Guarded<2>(Field{label, FloatRange(min, max, false), true, false}, v,
                      [&] { ImGui::SliderFloat2(label, v, min, max, format, flags); });
}

bool SliderRounding(const char* label, float* v, float least, float max, const char* format)
{
    return Guarded<1>(Field{label, Kind{false, 0, max, least}, true, false}, v,
                      [&] { ImGui::SliderFloat(label, v, 0.0f, max, format); });
}

bool ColorPicker4(const char* label, float rgba[4], ImGuiColorEditFlags flags)
{
    return Guarded<4>(Field{label, ColourKind(flags), true, true}, rgba,
                      [&] { ImGui::ColorPicker4(label, rgba, flags); });
}

bool ColorEdit4(const char* label, float rgba[4], ImGuiColorEditFlags flags)
{
    return Guarded<4>(Field{label, ColourKind(flags), true, true}, rgba,
                      [&] { ImGui::ColorEdit4(label, rgba, flags); });
}

bool Editing()
{
    const auto found = interfaces.find(ImGui::GetCurrentContext());
    return found != interfaces.end() && found->second.last.editing;
}

bool Settled(Changes* changes)
{
    if (!ImGui::GetCurrentContext())
        return true;
    Interface& here = Current();
    const Drawn& last = here.last;
    if (last.after != last.before) {
        Changes& tie = here.ties.try_emplace(last.field, Changes{true, last.before, last.before}).first->second;
        tie.highest = std::max(tie.highest, last.after);
    }
    if (last.editing)
        return false;
    const auto found = here.ties.find(last.field);
    if (changes)
        *changes = found != here.ties.end() ? found->second : Changes();
    if (found != here.ties.end())
        here.ties.erase(found);
    return true;
}

}  // namespace ValueFields
