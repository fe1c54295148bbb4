#include "editor/EntityFilter.h"

#include <re2/re2.h>

#include "objects/GameObject.h"

namespace {
// Well above any level's objects, so that a full list never clears them frame after frame.
constexpr size_t kMostAnswers = 1 << 16;
}  // namespace

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
    answers.clear();
    searched = 0;
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

bool EntityFilter::Matches(const GameObject& object)
{
    if (mode == ByType)
        return object.objectType == objectType;
    if (!expression)
        return true;
    const std::string id = mode == ById ? std::to_string(object.id) : std::string();
    const std::string& text = mode == ById ? id : object.name;
    const auto known = answers.find(text);
    if (known != answers.end())
        return known->second;
    // Renames typed key by key leave answers for names no object has any more.
    if (answers.size() >= kMostAnswers)
        answers.clear();
    const bool found = RE2::PartialMatch(text, *expression);
    answers.emplace(text, found);
    ++searched;
    return found;
}
