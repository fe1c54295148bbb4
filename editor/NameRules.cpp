#include "editor/NameRules.h"

#include <imgui.h>

#include <cstring>

namespace NameRules {

bool IsNameChar(unsigned int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
}

bool IsValidName(const std::string& name)
{
    if (name.empty())
        return false;
    for (char c : name)
        if (!IsNameChar(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool IsSafeFileName(const std::string& name)
{
    return !name.empty() && name.find_first_of("/\\") == std::string::npos && name.find("..") == std::string::npos;
}

bool IsReservedLevelName(const std::string& name)
{
    return name == "Empty" || name == "TxtName";
}

std::string LevelNameProblem(const std::string& name)
{
    if (name.empty())
        return "Type a name first.";
    if (!IsValidName(name))
        return "Use only letters, digits, '_' and '-'.";
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

void CopyToBuffer(char* buffer, std::size_t size, const std::string& text)
{
    if (!buffer || size == 0)
        return;
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

}  // namespace NameRules
