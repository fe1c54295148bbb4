#include "editor/EntityFilter.h"

#include <re2/re2.h>

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
    expression.reset();
    if (pattern.empty())
        return;
    // Byte for byte, as names are stored; the window reports a bad pattern, so RE2 stays quiet.
    RE2::Options options;
    options.set_encoding(RE2::Options::EncodingLatin1);
    options.set_log_errors(false);
    auto candidate = std::make_shared<const RE2>(pattern, options);
    valid = candidate->ok();
    if (valid)
        expression = std::move(candidate);
}

bool EntityFilter::Matches(const GameObject& object) const
{
    if (mode == ByType)
        return object.objectType == objectType;
    if (!expression)
        return true;
    const std::string text = mode == ById ? std::to_string(object.id) : object.name;
    return RE2::PartialMatch(text, *expression);
}
