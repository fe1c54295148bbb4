#include "editor/PatternSearch.h"

#include <re2/re2.h>

#include <system_error>

PatternSearch::PatternSearch(Watch told) : watch(std::move(told)) {}

PatternSearch::~PatternSearch()
{
    {
        const std::lock_guard<std::mutex> hold(lock);
        stopping = true;
        ++latest;  // a search under way stops at its next text
    }
    changed.notify_all();
    if (thread.joinable())
        thread.join();
}

void PatternSearch::Post(const std::string& pattern, std::vector<std::string> texts)
{
    std::unique_lock<std::mutex> hold(lock);
    Request request{++latest, pattern, std::move(texts)};
    finished.reset();
    if (!thread.joinable()) {
        try {
            thread = std::thread([this] { Run(); });
        } catch (const std::system_error&) {
            Result result;
            Answer(request, result);
            finished = std::move(result);
            return;
        }
    }
    waiting = std::move(request);
    hold.unlock();
    changed.notify_all();
}

bool PatternSearch::Take(Result& result, std::chrono::steady_clock::duration wait)
{
    std::unique_lock<std::mutex> hold(lock);
    if (!changed.wait_for(hold, wait, [this] { return finished.has_value(); }))
        return false;
    result = std::move(*finished);
    finished.reset();
    return true;
}

void PatternSearch::Run()
{
    for (;;) {
        Request request;
        {
            std::unique_lock<std::mutex> hold(lock);
            changed.wait(hold, [this] { return stopping || waiting.has_value(); });
            if (stopping)
                return;
            request = std::move(*waiting);
            waiting.reset();
        }
        Result result;
        if (!Answer(request, result))
            continue;
        {
            const std::lock_guard<std::mutex> hold(lock);
            if (request.serial != latest)
                continue;
            finished = std::move(result);
        }
        changed.notify_all();
    }
}

bool PatternSearch::Answer(Request& request, Result& result)
{
    if (watch)
        watch(request.pattern);
    if (!expression || request.pattern != compiledPattern) {
        // By characters, in UTF-8; the window reports a bad pattern, so RE2 stays quiet.
        RE2::Options options;
        options.set_log_errors(false);
        expression = std::make_unique<RE2>(request.pattern, options);
        compiledPattern = request.pattern;
    }
    result.valid = expression->ok();
    if (!result.valid)
        return true;
    result.answers.reserve(request.texts.size());
    for (std::string& text : request.texts) {
        if (request.serial != latest)
            return false;
        const bool found = RE2::PartialMatch(text, *expression);
        result.answers.emplace_back(std::move(text), found);
    }
    return true;
}
