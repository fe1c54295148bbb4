#pragma once
#include <imgui.h>

#include <cstddef>
#include <string>

// Text read from a file, shown in one of the interface's text fields. The interface holds UTF-8
// of characters up to U+FFFF: a byte that is not UTF-8 there, or a character cut in two at a
// buffer's end, puts its count of bytes wrong as the text is edited, and it stops the program for
// that. Drawn as a label or a line, such a byte swallows the characters after it, so names that
// differ there would read alike.
namespace FieldText {

// The text as such a field can hold it, in at most size - 1 bytes (any length by default): each
// byte that is not part of a character shows as U+FFFD, which the interface's font draws for
// nothing else; a character the interface cannot hold (NUL, past U+FFFF) and U+FFFD itself show
// as "?", as the font draws every character it lacks. The text is cut between characters.
std::string Shown(const std::string& text, std::size_t size = std::string::npos);
// The file's own name (the path's last part) as Shown shows it.
std::string FileShown(const std::string& path);

// A row of a list and a button that show the text as Shown does, whole: a "##" in a label would
// hide the rest of it. Their id is all of the text's bytes.
bool Selectable(const std::string& text, bool selected = false);
bool Button(const std::string& text);

// A one-line field over `value`, whole whatever its length, taken on Enter
// (ImGuiInputTextFlags_EnterReturnsTrue is added): true with the text in `entered`, which is
// `value` itself, byte for byte, when what the field showed was not edited.
bool Input(const char* label, const std::string& value, std::string& entered, ImGuiInputTextFlags flags = 0,
           ImGuiInputTextCallback filter = nullptr);

}  // namespace FieldText
