#include "editor/EntityFilter.h"

#include <re2/re2.h>

#include <algorithm>

#include "editor/FieldText.h"
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
    // By characters, in UTF-8; the window reports a bad pattern, so RE2 stays quiet.
    RE2::Options options;
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
    // A name as the window shows it, so that a pattern finds what the user reads there. ASCII
    // shows as it is, so most names are searched without a copy each frame.
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) - 1u < 0x7Fu; };
    std::string copy;
    if (mode == ById)
        copy = std::to_string(object.id);
    else if (!std::all_of(object.name.begin(), object.name.end(), ascii))
        copy = FieldText::Shown(object.name);
    const std::string& text = copy.empty() ? object.name : copy;
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
