#include "editor/NameRules.h"

#include <imgui.h>

namespace NameRules {

bool IsNameChar(unsigned int c)
{
    return c > ' ' && c != 0x7f && c != '/' && c != '\\';
}

bool IsSafeFileName(const std::string& name)
{
    if (name.empty() || name.find("..") != std::string::npos)
        return false;
    for (char c : name)
        if (!IsNameChar(static_cast<unsigned char>(c)))
            return false;
    const std::string extension = ".txt";
    return name.size() < extension.size() ||
           name.compare(name.size() - extension.size(), extension.size(), extension) != 0;
}

bool IsReservedLevelName(const std::string& name)
{
    return name == "Empty" || name == "TxtName" || name == "-SelectScene-";
}

std::string LevelNameProblem(const std::string& name)
{
    if (name.empty())
        return "Type a name first.";
    if (!IsSafeFileName(name))
        return "No blanks, '/', '\\', \"..\" or \".txt\" in a name.";
    if (IsReservedLevelName(name))
        return "\"" + name + "\" is reserved.";
    return std::string();
}

int FilterNameChar(ImGuiInputTextCallbackData* data)
{
    return IsNameChar(data->EventChar) ? 0 : 1;
}

int FilterBlank(ImGuiInputTextCallbackData* data)
{
    return data->EventChar == ' ' || data->EventChar == '\t' ? 1 : 0;
}

}  // namespace NameRules
