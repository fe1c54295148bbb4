#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace re2 {
class RE2;
}

// Finds a regular expression in texts on a thread of its own. A pattern of a couple of hundred
// characters can take a second to compile or to run over a few thousand names, and the one who
// asks must not wait for that. Only the latest request counts: it takes the place of one still
// waiting, and one running gives up between texts. Without a thread, a request is answered as
// it is made.
class PatternSearch {
public:
    struct Result {
        bool valid = true;  // false: the pattern does not compile, and no text was searched
        std::vector<std::pair<std::string, bool>> answers;  // each text, and whether the pattern is in it
    };

    // Told of each request as its search starts, on the thread that searches it.
    using Watch = std::function<void(const std::string& pattern)>;

    explicit PatternSearch(Watch watch = {});
    ~PatternSearch();
    PatternSearch(const PatternSearch&) = delete;
    PatternSearch& operator=(const PatternSearch&) = delete;

    void Post(const std::string& pattern, std::vector<std::string> texts);
    // The answer to the latest request, waiting for it at most `wait`; false while it runs.
    bool Take(Result& result, std::chrono::steady_clock::duration wait);

private:
    struct Request {
        std::uint64_t serial = 0;
        std::string pattern;
        std::vector<std::string> texts;
    };

    void Run();
    // False when a newer request came before the texts were all searched.
    bool Answer(Request& request, Result& result);

    std::mutex lock;
    std::condition_variable changed;
    std::optional<Request> waiting;
    std::optional<Result> finished;  // the answer to request `latest`
    std::atomic<std::uint64_t> latest{0};
    bool stopping = false;
    const Watch watch;
    // Kept by whoever answers (the thread): the last pattern compiled, reused for more texts.
    std::string compiledPattern;
    std::unique_ptr<re2::RE2> expression;
    std::thread thread;
};
