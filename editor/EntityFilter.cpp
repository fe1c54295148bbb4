#include "editor/EntityFilter.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "editor/FieldText.h"
#include "editor/PatternSearch.h"
#include "objects/GameObject.h"

namespace {
// Well above any level's objects, so that a full list never clears them frame after frame.
constexpr size_t kMostAnswers = 1 << 16;
}  // namespace

EntityFilter::EntityFilter(std::function<void(const std::string& pattern)> told) : watch(std::move(told)) {}

EntityFilter::~EntityFilter() = default;

void EntityFilter::Set(int newMode, const std::string& newPattern, int newType)
{
    mode = newMode;
    objectType = newType;
    if (compiled && newPattern == pattern)
        return;
    pattern = newPattern;
    compiled = true;
    known = pattern.empty();
    valid = true;
    asked = false;
    answers.clear();
    unanswered.clear();
    searched = 0;
}

bool EntityFilter::Matches(const GameObject& object)
{
    if (mode == ByType)
        return object.objectType == objectType;
    if (pattern.empty() || !valid)
        return true;
    // A name as the window shows it, so that a pattern finds what the user reads there. ASCII
    // shows as it is, so most names are looked up without a copy each frame.
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) - 1u < 0x7Fu; };
    std::string copy;
    if (mode == ById)
        copy = std::to_string(object.id);
    else if (!std::all_of(object.name.begin(), object.name.end(), ascii))
        copy = FieldText::Shown(object.name);
    const std::string& text = copy.empty() ? object.name : copy;
    const auto answer = answers.find(text);
    if (answer != answers.end())
        return answer->second;
    // The texts already handed over come back whole; these wait for the next turn.
    if (!asked)
        unanswered.push_back(text);
    return true;
}

bool EntityFilter::Settle(std::chrono::steady_clock::duration wait)
{
    bool answeredNow = false;
    PatternSearch::Result result;
    const auto takeIn = [&] {
        asked = false;
        known = true;
        valid = result.valid;
        // Renames typed key by key leave answers for names no object has any more.
        if (answers.size() + result.answers.size() > kMostAnswers)
            answers.clear();
        // Copied, not moved: each text then lies next to its entry.
        for (const auto& [text, found] : result.answers)
            answers.emplace(text, found);
        searched += result.answers.size();
        answeredNow = true;
    };
    if (asked && search->Take(result, std::chrono::steady_clock::duration::zero()))
        takeIn();
    std::vector<std::string> texts;
    if (!asked && !pattern.empty()) {
        // In the list's order, so that the answers lie in memory in the order frames look them up.
        std::unordered_set<std::string_view> taken;
        for (const std::string& text : unanswered)
            if (!answers.count(text) && taken.insert(text).second)
                texts.push_back(text);
    }
    if (!asked && !pattern.empty() && (!known || !texts.empty())) {
        if (!search)
            search = std::make_unique<PatternSearch>(watch);
        search->Post(pattern, std::move(texts));
        asked = true;
        if (search->Take(result, wait))
            takeIn();
    }
    unanswered.clear();
    return answeredNow;
}
