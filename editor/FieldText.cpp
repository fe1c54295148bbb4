#include "editor/FieldText.h"

#include <imgui_internal.h>
#include <imgui_stdlib.h>

#include <filesystem>

#include "platform/PrintableText.h"

namespace FieldText {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

// ImGui's string ids start afresh after a "###": a row's id is hashed from every byte instead.
void PushTextId(const std::string& text)
{
    ImGui::PushOverrideID(ImHashData(text.data(), text.size(), ImGui::GetCurrentWindow()->IDStack.back()));
}

}  // namespace

std::string FileShown(const std::string& path)
{
    return Shown(std::filesystem::path(path).filename().string());
}

std::string Shown(const std::string& text, std::size_t size)
{
    std::string shown;
    if (size == 0)
        return shown;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = Platform::Utf8CharacterLength(text, at);
        const char* piece = text.data() + at;
        std::size_t pieceLength = length;
        if (length == 0) {
            length = 1;
            piece = kReplacement;
            pieceLength = sizeof kReplacement - 1;
        } else if (length == 4 || text[at] == '\0' || text.compare(at, length, kReplacement) == 0) {
            // A NUL would end the field's text, four bytes are past U+FFFF, and U+FFFD stands
            // for bad bytes alone: each shows as the font shows what it lacks.
            piece = "?";
            pieceLength = 1;
        }
        if (shown.size() + pieceLength > size - 1)
            break;
        shown.append(piece, pieceLength);
        at += length;
    }
    return shown;
}

bool Input(const char* label, const std::string& value, std::string& entered, ImGuiInputTextFlags flags,
           ImGuiInputTextCallback filter)
{
    // A buffer that grows with the text: a name of any length is edited whole, never cut.
    const std::string shown = Shown(value);
    std::string text = shown;
    if (!ImGui::InputText(label, &text, flags | ImGuiInputTextFlags_EnterReturnsTrue, filter))
        return false;
    entered = text == shown ? value : text;
    return true;
}

bool Selectable(const std::string& text, bool selected)
{
    // An empty label, and the text drawn where the label would stand.
    PushTextId(text);
    const bool picked = ImGui::Selectable("##shown", selected);
    ImGui::PopID();
    ImGui::SameLine(0.0f, 0.0f);
    ImGui::TextUnformatted(Shown(text).c_str());
    return picked;
}

bool Button(const std::string& text)
{
    const std::string shown = Shown(text);
    const char* end = shown.data() + shown.size();
    const ImVec2 padding = ImGui::GetStyle().FramePadding;
    const ImVec2 size = ImGui::CalcTextSize(shown.data(), end);
    PushTextId(text);
    const bool pressed = ImGui::Button("##shown", ImVec2(size.x + padding.x * 2.0f, size.y + padding.y * 2.0f));
    ImGui::PopID();
    const ImVec2 at = ImGui::GetItemRectMin();
    ImGui::GetWindowDrawList()->AddText(ImVec2(at.x + padding.x, at.y + padding.y), ImGui::GetColorU32(ImGuiCol_Text),
                                        shown.data(), end);
    return pressed;
}

}  // namespace FieldText
