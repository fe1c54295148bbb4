#pragma once
#include <cstddef>
#include <string>

struct ImGuiInputTextCallbackData;

// Names a designer types for levels and prefabs become file names and single tokens of the
// editor's files, so they are held to letters, digits, '_' and '-', and never empty.
namespace NameRules {

bool IsNameChar(unsigned int c);
bool IsValidName(const std::string& name);
// A name that is safe to put in front of ".txt" in the level folder: not empty, no path
// separator and no "..". Looser than IsValidName, for names written into the level list by hand.
bool IsSafeFileName(const std::string& name);
// "Empty" and "TxtName" are taken by the editor's own files.
bool IsReservedLevelName(const std::string& name);
// Why the name cannot be used for a level, or "" when it can.
std::string LevelNameProblem(const std::string& name);

// Input-text filter (ImGuiInputTextFlags_CallbackCharFilter): refuses every other character.
int FilterNameChar(ImGuiInputTextCallbackData* data);
// Input-text filter that refuses blanks only (object names keep their free form).
int FilterBlank(ImGuiInputTextCallbackData* data);

// Copies text into a fixed buffer, cut to fit, always terminated.
void CopyToBuffer(char* buffer, std::size_t size, const std::string& text);

}  // namespace NameRules
