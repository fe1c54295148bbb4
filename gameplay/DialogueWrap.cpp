#include "gameplay/DialogueWrap.h"

#include <cstddef>

void AppendWrapped(std::string& shown, const std::string& line, int index, int wrapLimit)
{
    if (index < 0 || static_cast<std::size_t>(index) >= line.size())
        return;
    shown += line[static_cast<std::size_t>(index)];
    const std::size_t lastBreak = shown.rfind('\n');
    const std::size_t sinceBreak = lastBreak == std::string::npos ? shown.size() : shown.size() - lastBreak - 1;
    if (wrapLimit < 0 || sinceBreak <= static_cast<std::size_t>(wrapLimit))
        return;
    const std::size_t next = static_cast<std::size_t>(index) + 1;
    if (!(next < line.size() && line[next] == ' '))
        shown += '-';
    shown += '\n';
}

std::string WrapWhole(const std::string& line, int wrapLimit)
{
    std::string shown;
    for (std::size_t i = 0; i < line.size(); ++i)
        AppendWrapped(shown, line, static_cast<int>(i), wrapLimit);
    return shown;
}
