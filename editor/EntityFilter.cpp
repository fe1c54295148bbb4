#include "editor/EntityFilter.h"

#include "objects/GameObject.h"

void EntityFilter::Set(int newMode, const std::string& newPattern, int newType)
{
    mode = newMode;
    objectType = newType;
    if (compiled && newPattern == pattern)
        return;
    pattern = newPattern;
    compiled = true;
    valid = true;
    if (pattern.empty())
        return;
    try {
        expression = std::regex(pattern, std::regex::ECMAScript);
    } catch (const std::regex_error&) {
        valid = false;
    }
}

bool EntityFilter::Matches(const GameObject& object) const
{
    if (mode == ByType)
        return object.objectType == objectType;
    if (pattern.empty() || !valid)
        return true;
    const std::string text = mode == ById ? std::to_string(object.id) : object.name;
    try {
        return std::regex_search(text, expression);
    } catch (const std::regex_error&) {
        // A pattern too complex for the matcher behaves like an invalid one.
        return true;
    }
}
