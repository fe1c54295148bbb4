#pragma once
#include <string>

struct ImGuiInputTextCallbackData;

// Level names become file names in the level folder and single tokens of the level list. One
// rule holds for a name typed on the save screen and a name read from the list, so that every
// listed level can be saved under its own name and every saved one is listed.
namespace NameRules {

// A character a level name may hold: anything but blanks, control characters and the path
// separators. Bytes of multi-byte characters pass.
bool IsNameChar(unsigned int c);
// A name that is safe to put in front of ".txt" in the level folder: not empty, only name
// characters, no ".." (no way out of the folder) and no ".txt" of its own.
bool IsSafeFileName(const std::string& name);
// "Empty" and "TxtName" are taken by the editor's own files, "-SelectScene-" by the open screen.
bool IsReservedLevelName(const std::string& name);
// Why the name cannot be used for a level, or "" when it can.
std::string LevelNameProblem(const std::string& name);

// Input-text filter (ImGuiInputTextFlags_CallbackCharFilter): refuses what IsNameChar refuses.
int FilterNameChar(ImGuiInputTextCallbackData* data);
// Input-text filter that refuses blanks only (object names keep their free form).
int FilterBlank(ImGuiInputTextCallbackData* data);

}  // namespace NameRules
