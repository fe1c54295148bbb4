#pragma once
#include <imgui.h>

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/FileRead.h"

// The editor's style settings file: fifteen size settings and 43 colours under their
// historical names. Names that Dear ImGui 1.86 still has edit its style; the others (slot -1)
// have no effect on drawing but are kept, so that the file reads back and writes out unchanged.
namespace StyleFile {

constexpr int kColourCount = 43;
// A rounding is 0 or at least this: the interface cannot draw an arc smaller.
constexpr float kLeastRounding = 0.01f;

struct ColourName {
    const char* name;
    int slot;  // ImGuiCol_ index, or -1
};
const std::array<ColourName, kColourCount>& ColourNames();

// The colours without a slot in the running library.
using SpareColours = std::array<ImVec4, kColourCount>;

// The colour stored under the index-th name: the style's own, or the spare one.
ImVec4& Colour(ImGuiStyle& style, SpareColours& spare, int index);

std::string Write(const ImGuiStyle& style, const SpareColours& spare);

// Reads the file into copies; only a file whose every value was read changes style and spare.
// Each value goes to the setting or colour its key names, in whatever order they stand.
// Unread, with the reason, when a setting is missing, a key holds a non-number where a number
// belongs or no end line follows; GoesOn, with the reason, when keys no setting takes (named,
// with the words after them) stand before its end line, a key is given twice (the last value
// is used) or more follows the end line: every value is taken, and the file is kept aside
// before it is rewritten. A size the interface cannot take (a scrollbar of no width, a negative
// spacing...) is replaced by the default, one line for each in `replaced`.
FileRead Read(std::istream& in, ImGuiStyle& style, SpareColours& spare, std::string& error,
             std::vector<std::string>& replaced);
FileRead Read(std::istream& in, ImGuiStyle& style, SpareColours& spare, std::string& error);

}  // namespace StyleFile
